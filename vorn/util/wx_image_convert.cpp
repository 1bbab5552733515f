#include <vorn/util/wx_image_convert.h>

#include <cstring>
#include <vector>

#include <vorn/util/raster.h>
#include <vorn/util/wx_image_filter.h>
#include <vorn/util/detail/unit_bytes.h>

namespace vorn {

namespace {
using detail::kByteToUnit;

int ImageWidth(const wxImage& image) { return image.IsOk() ? image.GetWidth() : 0; }
int ImageHeight(const wxImage& image) { return image.IsOk() ? image.GetHeight() : 0; }

template <class B>
bool ImageToBitmap(B& dst, const wxImage& src)
{
    if (!src.IsOk())
        return false;
    dst.Clear();
    if (!dst.Create(src.GetWidth(), src.GetHeight(), 3, 0))
        return false;
    const unsigned char* s = src.GetData();
    const size_t count = size_t(src.GetWidth()) * size_t(src.GetHeight());
    const int n = dst.GetPixelBytes();
    if (n == 3) {
        std::memcpy(dst.data, s, count * 3);
        return true;
    }
    for (size_t i = 0; i < count; ++i) {
        std::memcpy(dst.data + i * n, s + i * 3, 3);
        dst.data[i * n + 3] = 255;
    }
    return true;
}

bool BitmapToImage(wxImage& dst, const PixelBuffer& src)
{
    if (src.channels != 1 && src.channels != 3)
        return false;
    if (!dst.Create(src.width, src.height, false))
        return false;
    unsigned char* d = dst.GetData();
    const size_t count = size_t(src.width) * size_t(src.height);
    const int n = src.GetPixelBytes();
    for (size_t i = 0; i < count; ++i) {
        const unsigned char* s = src.data + i * n;
        if (src.channels == 3) {
            std::memcpy(d + i * 3, s, 3);
        } else {
            d[i * 3] = d[i * 3 + 1] = d[i * 3 + 2] = s[0];
        }
    }
    return true;
}

template <class B>
bool BitmapToWxBitmap(wxBitmap& dst, const B& src)
{
    wxImage image;
    if (!ConvertTo(image, src))
        return false;
    wxBitmap result(image);
    if (!result.IsOk())
        return false;
    dst = result;
    return true;
}

template <class B>
bool BlitToImage(wxImage& out, B& base, B& top, int x, int y)
{
    B temp;
    if (!Copy(temp, base) || !Blit(temp, top, x, y))
        return false;
    return ConvertTo(out, temp);
}

enum class ColourRule { Keep, Set, Map };
enum class AlphaRule { Keep, Set, Map };

// One pass of grey mapping; the rules pick the formula of each part of the pixel.
bool GreyMap(BitmapA& bitmap, const wxImage& mask, const Color& colour, ColourRule colourRule,
             AlphaRule alphaRule)
{
    if (!mask.IsOk() || bitmap.channels != 3 || bitmap.IsEmpty() || mask.GetWidth() != bitmap.width ||
        mask.GetHeight() != bitmap.height)
        return false;
    const double components[3] = {colour.r, colour.g, colour.b};
    const unsigned char* m = mask.GetData();
    const size_t count = size_t(bitmap.width) * size_t(bitmap.height);
    for (size_t i = 0; i < count; ++i) {
        const int grey = (m[i * 3] + m[i * 3 + 1] + m[i * 3 + 2]) / 3;
        const double t = grey * kByteToUnit;
        unsigned char* p = bitmap.data + i * 4;
        for (int c = 0; c < 3; ++c) {
            if (colourRule == ColourRule::Set) {
                p[c] = static_cast<unsigned char>(static_cast<int>(grey * components[c]));
            } else if (colourRule == ColourRule::Map) {
                const unsigned char tint = detail::UnitToByteTruncated(t * components[c]);
                p[c] = static_cast<unsigned char>(static_cast<int>(p[c] * (1.0 - t) + tint));
            }
        }
        if (alphaRule == AlphaRule::Set)
            p[3] = static_cast<unsigned char>(grey);
        else if (alphaRule == AlphaRule::Map)
            p[3] = grey == 0 ? 0 : 255;
    }
    return true;
}

// Flips by reading every pixel of src and writing it to its mirrored place in dst.
bool Flip(Filter& dst, Filter& src, bool horizontal)
{
    if (&dst == &src)
        return false;
    const int w = src.GetWidth(), h = src.GetHeight();
    if (!dst.Create(w, h) && (dst.GetWidth() != w || dst.GetHeight() != h))
        return w == 0 || h == 0;
    ColorA c;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (src.ReadPixel(c, x, y))
                dst.WritePixel(horizontal ? w - 1 - x : x, horizontal ? y : h - 1 - y, c);
    return true;
}

bool FlipImage(wxImage& dst, const wxImage& src, bool horizontal)
{
    if (!src.IsOk())
        return false;
    wxImage source = src.Copy(); // dst may be src, or share its data
    BasicwxImageFilter from(source);
    BasicwxImageFilter to(dst);
    return Flip(to, from, horizontal);
}

bool ScaleBuffer(PixelBuffer& dst, const PixelBuffer& src)
{
    if (dst.GetPixelBytes() != src.GetPixelBytes())
        return false;
    if (dst.IsEmpty())
        return true;
    if (src.IsEmpty())
        return false;
    const int n = dst.GetPixelBytes();
    // Column by column, each from the top down.
    for (int x = 0; x < dst.width; ++x)
        for (int y = 0; y < dst.height; ++y)
            src.GetHQColor(double(x) / dst.width * src.width, double(y) / dst.height * src.height, 1.5,
                           dst.data + (size_t(y) * dst.width + x) * n);
    return true;
}
} // namespace

bool ConvertTo(Bitmap& dst, const wxImage& src) { return ImageToBitmap(dst, src); }
bool ConvertTo(BitmapA& dst, const wxImage& src) { return ImageToBitmap(dst, src); }
bool ConvertTo(wxImage& dst, const BitmapA& src) { return BitmapToImage(dst, src); }
bool ConvertTo(wxImage& dst, const Bitmap& src) { return BitmapToImage(dst, src); }
bool ConvertTo(wxBitmap& dst, const BitmapA& src) { return BitmapToWxBitmap(dst, src); }
bool ConvertTo(wxBitmap& dst, const Bitmap& src) { return BitmapToWxBitmap(dst, src); }

bool Copy(wxImage& dst, const wxImage& src)
{
    if (!dst.IsSameAs(src))
        dst = src;
    return true;
}

bool BlitwxImage(wxImage& out, BitmapA& base, BitmapA& top, int x, int y) { return BlitToImage(out, base, top, x, y); }
bool BlitwxImage(wxImage& out, Bitmap& base, Bitmap& top, int x, int y) { return BlitToImage(out, base, top, x, y); }

bool ClearwxImage(wxImage& image, const Color& colour)
{
    const int w = ImageWidth(image), h = ImageHeight(image);
    if (w == 0 && h == 0)
        return false;
    const unsigned char r = detail::UnitToByteTruncated(colour.r);
    const unsigned char g = detail::UnitToByteTruncated(colour.g);
    const unsigned char b = detail::UnitToByteTruncated(colour.b);
    unsigned char* d = image.GetData();
    const size_t count = size_t(w) * size_t(h);
    for (size_t i = 0; i < count; ++i) {
        d[i * 3] = r;
        d[i * 3 + 1] = g;
        d[i * 3 + 2] = b;
    }
    return true;
}

bool SetAlphaFromGrey(BitmapA& bitmap, const wxImage& mask)
{
    return GreyMap(bitmap, mask, Color(), ColourRule::Keep, AlphaRule::Set);
}
bool MapAlphaFromGrey(BitmapA& bitmap, const wxImage& mask)
{
    return GreyMap(bitmap, mask, Color(), ColourRule::Keep, AlphaRule::Map);
}
bool SetColoursFromGrey(BitmapA& bitmap, const wxImage& mask, const Color& colour)
{
    return GreyMap(bitmap, mask, colour, ColourRule::Set, AlphaRule::Keep);
}
bool SetAllFromGrey(BitmapA& bitmap, const wxImage& mask, const Color& colour)
{
    return GreyMap(bitmap, mask, colour, ColourRule::Set, AlphaRule::Set);
}
bool MapColoursFromGrey(BitmapA& bitmap, const wxImage& mask, const Color& colour)
{
    return GreyMap(bitmap, mask, colour, ColourRule::Map, AlphaRule::Keep);
}
bool MapAllFromGrey(BitmapA& bitmap, const wxImage& mask, const Color& colour)
{
    return GreyMap(bitmap, mask, colour, ColourRule::Map, AlphaRule::Map);
}

bool FlipHoz(Filter& dst, Filter& src) { return Flip(dst, src, true); }
bool FlipVert(Filter& dst, Filter& src) { return Flip(dst, src, false); }
bool FlipHoz(wxImage& dst, const wxImage& src) { return FlipImage(dst, src, true); }
bool FlipVert(wxImage& dst, const wxImage& src) { return FlipImage(dst, src, false); }

bool Scale(BitmapA& dst, BitmapA& src) { return ScaleBuffer(dst, src); }
bool Scale(Bitmap& dst, Bitmap& src) { return ScaleBuffer(dst, src); }

} // namespace vorn
