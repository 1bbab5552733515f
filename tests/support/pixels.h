#pragma once
// Reading pixels in tests, one way for every kind of picture (Bitmap, BitmapA, wxImage):
// the bytes of one pixel as a vector that gtest prints, "#RRGGBB" text to compare with
// named colours, and a grey canvas whose lit pixels can be listed.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/colour.h>
#include <wx/image.h>

#include <vorn/util/bitmap.h>
#include <vorn/util/color.h>
#include <vorn/util/filter.h>

namespace vorntest {

using Bytes = std::vector<int>;
// Pixels listed as "x,y=value" (see Canvas::Lit).
using LitPixels = std::vector<std::string>;

const vorn::ColorA kWhite(1.0, 1.0, 1.0, 1.0);

// The bytes of pixel (x, y): a bitmap's channels, then its alpha byte if it has one; an
// image's red, green and blue, then alpha if it has an alpha channel. Empty outside.
Bytes Px(const vorn::PixelBuffer& bitmap, int x, int y);
Bytes Px(const wxImage& image, int x, int y);

// "#RRGGBB" of an image pixel ("<outside>" off the image), of a wxColour, and of a unit
// colour as filters store it (each component truncate(c x 255 + 0.5), clamped).
std::string PixelStr(const wxImage& image, int x, int y);
std::string ColourStr(const wxColour& colour);
std::string ColourStr(const vorn::ColorA& colour);

// Each component of `c` within `tolerance` of `want`'s.
inline void ExpectColour(const vorn::Color& c, const vorn::Color& want, double tolerance = 1e-12)
{
    EXPECT_NEAR(c.r, want.r, tolerance);
    EXPECT_NEAR(c.g, want.g, tolerance);
    EXPECT_NEAR(c.b, want.b, tolerance);
}

// A bitmap of w x h with every pixel set to `pixel` (colour bytes, then alpha for a
// BitmapA; one colour byte makes it grey).
template <class B>
B Filled(int w, int h, const Bytes& pixel)
{
    B bitmap;
    const int alpha = B().HasAlpha() ? 1 : 0;
    EXPECT_TRUE(bitmap.Create(w, h, static_cast<int>(pixel.size()) - alpha, 0));
    const std::vector<unsigned char> bytes(pixel.begin(), pixel.end());
    EXPECT_TRUE(bitmap.Set(static_cast<int>(bytes.size()), bytes.data()));
    return bitmap;
}

// A grey canvas with a filter over it: every byte 0 until drawn on.
struct Canvas {
    vorn::Bitmap bitmap;
    vorn::FilterPtr filter;
    Canvas(int w, int h);
    int At(int x, int y) const { return bitmap.PixelAt(x, y)[0]; }
    // Calls fn(x, y) for every non-zero pixel, in reading order; returns how many there are.
    int ForEachLit(const std::function<void(int x, int y)>& fn) const;
    // Every non-zero pixel as "x,y=value", in reading order.
    LitPixels Lit() const;
    int CountLit() const { return ForEachLit([](int, int) {}); }
};

} // namespace vorntest
