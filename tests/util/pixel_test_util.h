#pragma once
// A small grey canvas shared by the filter and raster tests.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/util/filter.h>

namespace pixeltest {
using namespace vorn;

const ColorA kWhite(1.0, 1.0, 1.0, 1.0);

// A grey 1-channel canvas: every byte 0 until written.
struct Canvas {
    Bitmap bitmap;
    FilterPtr filter;
    Canvas(int w, int h)
    {
        EXPECT_TRUE(bitmap.Create(w, h, 1, 0));
        filter = CreateFilter(bitmap);
    }
    int At(int x, int y) const { return bitmap.PixelAt(x, y)[0]; }
    // The coordinates of every non-zero pixel, as "x,y" in reading order.
    std::vector<std::string> Lit() const { return Collect(false); }
    // The same with each pixel's value, as "x,y=v".
    std::vector<std::string> LitValues() const { return Collect(true); }
    int CountLit() const { return static_cast<int>(Lit().size()); }

private:
    std::vector<std::string> Collect(bool withValues) const
    {
        std::vector<std::string> out;
        for (int y = 0; y < bitmap.height; ++y)
            for (int x = 0; x < bitmap.width; ++x)
                if (At(x, y)) {
                    std::string entry = std::to_string(x) + "," + std::to_string(y);
                    if (withValues)
                        entry += "=" + std::to_string(At(x, y));
                    out.push_back(entry);
                }
        return out;
    }
};

} // namespace pixeltest
