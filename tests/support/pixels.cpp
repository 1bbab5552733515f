#include "pixels.h"

#include <cstdio>

using namespace vorn;

namespace vorntest {

Bytes Px(const PixelBuffer& bitmap, int x, int y)
{
    const unsigned char* p = bitmap.PixelAt(x, y);
    return p ? Bytes(p, p + bitmap.GetPixelBytes()) : Bytes();
}

Bytes Px(const wxImage& image, int x, int y)
{
    if (!image.IsOk() || x < 0 || y < 0 || x >= image.GetWidth() || y >= image.GetHeight())
        return {};
    Bytes out{image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)};
    if (image.HasAlpha())
        out.push_back(image.GetAlpha(x, y));
    return out;
}

namespace {
std::string Hex(int r, int g, int b)
{
    char text[16];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", r, g, b);
    return text;
}
} // namespace

std::string PixelStr(const wxImage& image, int x, int y)
{
    const Bytes p = Px(image, x, y);
    return p.empty() ? "<outside>" : Hex(p[0], p[1], p[2]);
}

std::string ColourStr(const wxColour& colour) { return Hex(colour.Red(), colour.Green(), colour.Blue()); }

std::string ColourStr(const ColorA& colour)
{
    auto byte = [](double v) { return v > 0.0 ? (v < 1.0 ? static_cast<int>(v * 255.0 + 0.5) : 255) : 0; };
    return Hex(byte(colour.r), byte(colour.g), byte(colour.b));
}

Canvas::Canvas(int w, int h)
{
    EXPECT_TRUE(bitmap.Create(w, h, 1, 0));
    filter = CreateFilter(bitmap);
}

int Canvas::ForEachLit(const std::function<void(int x, int y)>& fn) const
{
    int n = 0;
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x)
            if (At(x, y)) {
                fn(x, y);
                ++n;
            }
    return n;
}

LitPixels Canvas::Lit() const
{
    LitPixels out;
    ForEachLit([&](int x, int y) {
        out.push_back(std::to_string(x) + "," + std::to_string(y) + "=" + std::to_string(At(x, y)));
    });
    return out;
}

} // namespace vorntest
