// Filters over wxImages, and the conversions, grey mapping, flips and scaling between
// bitmaps and images.
#include <cstring>
#include <vector>

#include <gtest/gtest.h>
#include <wx/image.h>

#include <vorn/util/raster.h>
#include <vorn/util/wx_image_convert.h>
#include <vorn/util/wx_image_filter.h>

#include "pixels.h"

using namespace vorn;
using namespace vorntest;

namespace {
constexpr double kUnit = 0.00392156862745098; // one byte step

// A w x h image whose pixel (x, y) is (x, y, 7).
wxImage Numbered(int w, int h)
{
    wxImage img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.SetRGB(x, y, x, y, 7);
    return img;
}

std::vector<Bytes> Row(const BitmapA& b)
{
    std::vector<Bytes> out;
    for (int x = 0; x < b.width; ++x)
        out.push_back(Px(b, x, 0));
    return out;
}
} // namespace

TEST(WxImageFilter, WritesRoundHalfUpReadsAreOpaqueOutsideIsRefused)
{
    wxImage img(4, 3, true);
    FilterPtr f = CreateFilter(img);
    ASSERT_TRUE(f && f->GetWidth() == 4 && f->GetHeight() == 3);
    ASSERT_TRUE(f->WritePixel(3, 2, ColorA(1.0, 0.5, 0.2, 0.0))); // alpha is ignored
    EXPECT_EQ(Px(img, 3, 2), Bytes({255, 128, 51}));
    ColorA c(0, 0, 0, 0.25);
    ASSERT_TRUE(f->ReadPixel(c, 3, 2));
    EXPECT_DOUBLE_EQ(c.a, 1.0);
    EXPECT_DOUBLE_EQ(c.g, 128 * kUnit);
    ASSERT_TRUE(f->WritePixelI(3, 2, ColorA(0, 0, 1), 0.5));
    EXPECT_EQ(Px(img, 3, 2), Bytes({128, 64, 153})); // old x 0.5 + 0.5 x 255 x c + 0.5

    const wxImage before = img.Copy();
    const ColorA white(1, 1, 1);
    EXPECT_FALSE(f->WritePixel(4, 0, white) || f->WritePixel(0, 3, white) || f->WritePixelI(-1, 0, white, 1.0) ||
                 f->ReadPixel(c, 0, 3) || f->WritePoint(3.5, 0, white));
    EXPECT_EQ(0, std::memcmp(before.GetData(), img.GetData(), 4 * 3 * 3));

    EXPECT_TRUE(f->WritePoint(-0.5, 1.49, ColorA(0, 1, 0))); // floor(v + 0.5)
    EXPECT_EQ(Px(img, 0, 1), Bytes({0, 255, 0}));
}

TEST(WxImageFilter, FollowsTheImageItWasMadeFor)
{
    wxImage img(2, 2, true);
    BasicwxImageFilter a(img);
    BasicwxImageFilter b(a); // a copy shares the image
    b.WritePixel(1, 1, ColorA(1, 1, 1));
    ColorA c;
    ASSERT_TRUE(a.ReadPixel(c, 1, 1));
    EXPECT_DOUBLE_EQ(c.r, 1.0);
    ASSERT_TRUE(a.Create(5, 4));
    EXPECT_EQ(Px(img, 4, 3), Bytes({0, 0, 0}));

    // A size or buffer the host gives the image later is the one the filter uses.
    img.Create(6, 5, true);
    EXPECT_EQ(b.GetWidth(), 6);
    EXPECT_TRUE(b.WritePixel(5, 4, ColorA(1, 1, 1)));
    EXPECT_EQ(Px(img, 5, 4), Bytes({255, 255, 255}));
    img = Numbered(2, 2);
    EXPECT_EQ(b.GetHeight(), 2);
    ASSERT_TRUE(b.ReadPixel(c, 1, 0));
    EXPECT_DOUBLE_EQ(c.r, kUnit);
    EXPECT_FALSE(b.WritePixel(2, 0, ColorA(1, 1, 1)));

    a.Clear();
    EXPECT_FALSE(img.IsOk());
    EXPECT_EQ(b.GetWidth(), 0);
    EXPECT_FALSE(b.WritePixel(0, 0, ColorA()));
}

TEST(WxConvert, BetweenImagesAndBitmapsOfEveryChannelCount)
{
    const wxImage img = Numbered(3, 2);
    Bitmap b;
    BitmapA a;
    ASSERT_TRUE(ConvertTo(b, img) && ConvertTo(a, img));
    EXPECT_EQ(Px(b, 2, 1), Bytes({2, 1, 7}));
    EXPECT_EQ(Px(a, 2, 1), Bytes({2, 1, 7, 255}));
    EXPECT_FALSE(ConvertTo(a, wxImage()));

    // Shown without alpha, grey spread over the three channels.
    auto shown = [](const auto& bitmap) {
        wxImage out;
        EXPECT_TRUE(ConvertTo(out, bitmap));
        EXPECT_FALSE(out.HasAlpha());
        return Px(out, out.GetWidth() - 1, out.GetHeight() - 1);
    };
    EXPECT_EQ(shown(Filled<BitmapA>(2, 2, {10, 20, 30, 40})), Bytes({10, 20, 30}));
    EXPECT_EQ(shown(Filled<BitmapA>(2, 1, {99, 3})), Bytes({99, 99, 99}));
    EXPECT_EQ(shown(Filled<Bitmap>(1, 2, {200})), Bytes({200, 200, 200}));
    EXPECT_EQ(shown(Filled<Bitmap>(1, 1, {10, 20, 30})), Bytes({10, 20, 30}));
    wxImage out;
    Bitmap odd;
    odd.channels = 2; // a channel count we cannot show
    EXPECT_FALSE(ConvertTo(out, odd));

    wxImage src = Numbered(2, 2), dst(5, 5);
    ASSERT_TRUE(Copy(dst, src));
    EXPECT_EQ(dst.GetData(), src.GetData()); // a reference, not a pixel copy
    ASSERT_TRUE(Copy(dst, src));
    EXPECT_TRUE(dst.IsSameAs(src));
}

TEST(WxConvert, BlitwxImageComposesWithoutTouchingTheBase)
{
    BitmapA base = Filled<BitmapA>(3, 2, {0, 0, 255, 255});
    BitmapA top = Filled<BitmapA>(2, 2, {255, 0, 0, 128});
    wxImage out;
    ASSERT_TRUE(BlitwxImage(out, base, top, 2, 1));
    EXPECT_EQ(Px(out, 2, 1), Bytes({128, 0, 127}));
    EXPECT_EQ(Px(out, 1, 1), Bytes({0, 0, 255}));
    EXPECT_EQ(Px(base, 2, 1), Bytes({0, 0, 255, 255}));

    Bitmap b3, t3;
    ASSERT_TRUE(ConvertTo(b3, base) && ConvertTo(t3, top));
    ASSERT_TRUE(BlitwxImage(out, b3, t3, -1, 0));
    EXPECT_EQ(Px(out, 0, 0), Bytes({255, 0, 0}));
    EXPECT_EQ(Px(out, 1, 0), Bytes({0, 0, 255}));
}

TEST(WxConvert, ClearwxImageTruncatesAndRefusesImagesWithoutData)
{
    wxImage img(3, 2);
    ASSERT_TRUE(ClearwxImage(img, Color(1.0, 0.5, 0.999)));
    EXPECT_EQ(Px(img, 2, 1), Bytes({255, 127, 254}));
    wxImage none, thin(0, 5); // wxWidgets 3.2 leaves an image with one side 0 without data
    EXPECT_FALSE(ClearwxImage(none, Color(1, 1, 1)));
    EXPECT_FALSE(ClearwxImage(thin, Color(1, 1, 1)));
}

TEST(WxGreyMap, RefusesMismatchedMaskOrChannels)
{
    BitmapA bmp = Filled<BitmapA>(3, 2, {10, 20, 30, 40});
    const BitmapA before = bmp;
    const wxImage narrow(2, 2, true);
    const Color white(1, 1, 1);
    EXPECT_FALSE(SetAlphaFromGrey(bmp, narrow) || MapAlphaFromGrey(bmp, narrow) ||
                 SetColoursFromGrey(bmp, narrow, white) || SetAllFromGrey(bmp, narrow, white) ||
                 MapColoursFromGrey(bmp, narrow, white) || MapAllFromGrey(bmp, narrow, white) ||
                 SetAlphaFromGrey(bmp, wxImage()));
    EXPECT_EQ(0, std::memcmp(before.data, bmp.data, bmp.GetByteCount()));
    BitmapA grey = Filled<BitmapA>(3, 2, {0, 0});
    EXPECT_FALSE(SetAlphaFromGrey(grey, wxImage(3, 2, true)));
}

TEST(WxGreyMap, EachMappingPerPixel)
{
    // Greys of the mask: (100, 101, 105) -> 102 (t = 0.4), 0, 255, (1, 1, 1) -> 1, (0, 0, 2) -> 0.
    wxImage mask(5, 1);
    const unsigned char greys[5][3] = {{100, 101, 105}, {0, 0, 0}, {255, 255, 255}, {1, 1, 1}, {0, 0, 2}};
    for (int x = 0; x < 5; ++x)
        mask.SetRGB(x, 0, greys[x][0], greys[x][1], greys[x][2]);
    const Color tint(0.9, 0.5, 0.25);
    using Map = bool (*)(BitmapA&, const wxImage&, const Color&);
    const Bytes kept{200, 100, 50, 9};
    const struct {
        const char* name;
        Map map;
        std::vector<Bytes> row;
    } cases[] = {
        {"SetAlpha", [](BitmapA& b, const wxImage& m, const Color&) { return SetAlphaFromGrey(b, m); },
         {{200, 100, 50, 102}, {200, 100, 50, 0}, {200, 100, 50, 255}, {200, 100, 50, 1}, {200, 100, 50, 0}}},
        {"MapAlpha", [](BitmapA& b, const wxImage& m, const Color&) { return MapAlphaFromGrey(b, m); },
         {{200, 100, 50, 255}, {200, 100, 50, 0}, {200, 100, 50, 255}, {200, 100, 50, 255}, {200, 100, 50, 0}}},
        {"SetColours", SetColoursFromGrey, // truncate(grey x component)
         {{91, 51, 25, 9}, {0, 0, 0, 9}, {229, 127, 63, 9}, {0, 0, 0, 9}, {0, 0, 0, 9}}},
        {"SetAll", SetAllFromGrey, {{91, 51, 25, 102}, {0, 0, 0, 0}, {229, 127, 63, 255}, {0, 0, 0, 1}, {0, 0, 0, 0}}},
        // truncate(old x (1 - t) + byte(truncate(t x component x 255)))
        {"MapColours", MapColoursFromGrey, {{211, 111, 55, 9}, kept, {229, 127, 63, 9}, {199, 99, 49, 9}, kept}},
        {"MapAll", MapAllFromGrey,
         {{211, 111, 55, 255}, {200, 100, 50, 0}, {229, 127, 63, 255}, {199, 99, 49, 255}, {200, 100, 50, 0}}},
    };
    for (const auto& k : cases) {
        BitmapA b = Filled<BitmapA>(5, 1, {200, 100, 50, 9});
        ASSERT_TRUE(k.map(b, mask, tint)) << k.name;
        EXPECT_EQ(Row(b), k.row) << k.name;
    }
}

TEST(WxFlip, MirrorsImagesAndFilters)
{
    const wxImage src = Numbered(3, 2);
    wxImage hoz, vert;
    ASSERT_TRUE(FlipHoz(hoz, src) && FlipVert(vert, src));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(Px(hoz, 2 - x, y), Px(src, x, y));
            EXPECT_EQ(Px(vert, x, 1 - y), Px(src, x, y));
        }
    wxImage self = Numbered(3, 2);
    ASSERT_TRUE(FlipHoz(self, self)); // in place
    EXPECT_EQ(Px(self, 0, 0), Bytes({2, 0, 7}));
    EXPECT_FALSE(FlipVert(vert, wxImage()));

    // Filter form: dst is remade at the source's size.
    BitmapA a = Filled<BitmapA>(2, 3, {0, 0, 0, 255});
    a.PixelAt(0, 0)[0] = 200;
    BitmapA b;
    FilterPtr fa = CreateFilter(a), fb = CreateFilter(b);
    ASSERT_TRUE(FlipVert(*fb, *fa));
    EXPECT_EQ(std::make_pair(b.width, b.height), std::make_pair(2, 3));
    EXPECT_EQ(Px(b, 0, 2), Bytes({200, 0, 0, 255}));
    EXPECT_FALSE(FlipHoz(*fa, *fa));
}

TEST(WxScale, SamplesWithoutHalfPixelOffset)
{
    BitmapA src = Filled<BitmapA>(4, 1, {0, 0, 0, 255});
    for (int x = 0; x < 4; ++x)
        src.PixelAt(x, 0)[0] = static_cast<unsigned char>(60 * x);
    BitmapA half = Filled<BitmapA>(2, 1, {0, 0, 0, 0});
    ASSERT_TRUE(Scale(half, src)); // samples at x = 0 and x = 2 exactly
    EXPECT_EQ(Row(half), std::vector<Bytes>({{0, 0, 0, 255}, {120, 0, 0, 255}}));

    Bitmap s3, d3 = Filled<Bitmap>(8, 2, {0, 0, 0});
    ASSERT_TRUE(ConvertTo(s3, src) && Scale(d3, s3)); // x = 2 samples source 1, x = 3 lies between 1 and 2
    EXPECT_EQ(Px(d3, 2, 1), Bytes({60, 0, 0}));
    EXPECT_GT(Px(d3, 3, 0)[0], 60);
    EXPECT_LT(Px(d3, 3, 0)[0], 120);
    BitmapA wrong = Filled<BitmapA>(2, 2, {0, 0});
    EXPECT_FALSE(Scale(wrong, src)); // pixel sizes differ
}
