// Raster drawing through filters: exact pixels on axis-aligned shapes, partial coverage
// on slanted edges, clipping, and the combining operations.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/util/raster.h>

#include "pixels.h"

using namespace vorn;
using namespace vorntest;

namespace {

// "x,y=255" for each x in [x0, x1] on row y.
LitPixels Row(int x0, int x1, int y)
{
    LitPixels out;
    for (int x = x0; x <= x1; ++x)
        out.push_back(std::to_string(x) + "," + std::to_string(y) + "=255");
    return out;
}

} // namespace

TEST(RasterLine, ExactOnAxesSharedBetweenNeighboursWhenSlanted)
{
    const struct {
        int w, h;
        double x0, y0, x1, y1;
        LitPixels lit;
    } cases[] = {
        {12, 8, 0, 5, 10, 5, Row(0, 10, 5)},
        {6, 8, 3, 6, 3, 2, {"3,2=255", "3,3=255", "3,4=255", "3,5=255", "3,6=255"}}, // drawn upwards
        {3, 3, 1, 1, 1, 1, {"1,1=255"}},
        {5, 5, 0, 0, 4, 4, {"0,0=255", "1,1=255", "2,2=255", "3,3=255", "4,4=255"}},
        {5, 3, 4, 2, 0, 0, {"0,0=255", "1,0=128", "1,1=128", "2,1=255", "3,1=128", "3,2=128", "4,2=255"}},
        {3, 5, 0, 0, 2, 4, {"0,0=255", "0,1=128", "1,1=128", "1,2=255", "1,3=128", "2,3=128", "2,4=255"}},
        {10, 6, -1e9, 3, 1e9, 3, Row(0, 9, 3)}, // clipped whatever the coordinates
        {10, 6, -1e9, -1e9, -1e9 + 5, 1e9, {}},
        {10, 6, 20, 20, 40, 30, {}},
        {10, 6, -1e300, -50, 1e300, -40, {}},
    };
    for (const auto& k : cases) {
        Canvas cv(k.w, k.h);
        EXPECT_TRUE(DrawLine(*cv.filter, k.x0, k.y0, k.x1, k.y1, kWhite));
        EXPECT_EQ(cv.Lit(), k.lit) << k.x0 << "," << k.y0 << " to " << k.x1 << "," << k.y1;
    }
    Canvas cv(3, 3);
    EXPECT_FALSE(DrawLine(*cv.filter, std::nan(""), 0, 1, 1, kWhite));
    EXPECT_FALSE(DrawLine(*cv.filter, 0, 0, INFINITY, 1, kWhite));

    // Blended over what is there; through a crop only the crop's part changes.
    const unsigned char grey = 100;
    cv.bitmap.Set(1, &grey);
    ASSERT_TRUE(DrawLine(*cv.filter, 0, 0, 2, 1, ColorA(0, 0, 0)));
    EXPECT_EQ(cv.Lit(), LitPixels({"1,0=50", "2,0=100", "0,1=100", "1,1=50", "0,2=100", "1,2=100", "2,2=100"}));
    Canvas cropped(8, 8);
    ASSERT_TRUE(DrawLine(*Crop(2, 2, 6, 6, *cropped.filter), -5, 1, 20, 1, kWhite));
    EXPECT_EQ(cropped.Lit(), Row(2, 5, 3));
}

TEST(RasterCircle, OutlineAtTheRadiusIsFullAndSymmetric)
{
    Canvas cv(21, 21);
    ASSERT_TRUE(DrawCircle(*cv.filter, 10, 10, 5, kWhite, false));
    for (auto [x, y] : {std::pair{15, 10}, {5, 10}, {10, 5}, {10, 15}, {14, 13}, {13, 14}, {6, 7}})
        EXPECT_EQ(cv.At(x, y), 255) << x << "," << y;
    EXPECT_EQ(cv.At(10, 10) + cv.At(16, 10) + cv.At(14, 10), 0);
    EXPECT_GT(cv.At(14, 12), 100); // at distance 4.47: partly covered
    EXPECT_LT(cv.At(14, 12), 160);
    // Nothing lies a pixel or more from the circle, and the outline is symmetric.
    cv.ForEachLit([&](int x, int y) {
        EXPECT_LT(std::fabs(std::hypot(x - 10, y - 10) - 5.0), 1.0) << x << "," << y;
        EXPECT_EQ(cv.At(x, y), cv.At(20 - x, y));
        EXPECT_EQ(cv.At(x, y), cv.At(y, x));
    });
}

TEST(RasterCircle, FilledFadesOverOnePixelAndClipsBites)
{
    Canvas cv(11, 11);
    ASSERT_TRUE(DrawCircle(*cv.filter, 5, 5, 2, kWhite, true));
    EXPECT_EQ(cv.At(5, 5) + cv.At(6, 5) + cv.At(6, 6), 3 * 255);
    EXPECT_EQ(cv.At(7, 5), 128); // exactly on the radius: half covered
    EXPECT_EQ(cv.At(7, 6), 67);  // at 2.24: a quarter
    EXPECT_EQ(cv.At(8, 5), 0);
    EXPECT_EQ(cv.CountLit(), 21);

    Canvas hub(5, 5);
    EXPECT_TRUE(DrawCircle(*hub.filter, 2, 2, 0, kWhite, false) && DrawCircle(*hub.filter, 2, 2, -3, kWhite, true));
    EXPECT_FALSE(DrawCircle(*hub.filter, 2, 2, std::nan(""), kWhite, true)); // radius 0: a point; -3: nothing
    EXPECT_EQ(hub.Lit(), LitPixels({"2,2=255"}));

    // A bite centred outside the image, as the blob row makes them.
    Canvas bite(18, 12);
    ASSERT_TRUE(Clear(*bite.filter, kWhite));
    ASSERT_TRUE(DrawCircle(*bite.filter, -2, 5, 5, ColorA(0, 0, 0), true));
    EXPECT_EQ(std::vector<int>({bite.At(0, 5), bite.At(2, 5), bite.At(3, 5), bite.At(4, 5), bite.At(1, 0)}),
              std::vector<int>({0, 0, 128, 255, 255})); // (3, 5) on the radius, (1, 0) at 5.8
    EXPECT_TRUE(DrawCircle(*bite.filter, 1e12, -1e12, 1e6, kWhite, false) &&
                DrawCircle(*bite.filter, 9, 6, 1e9, ColorA(0, 0, 0), true)); // the last covers everything
    EXPECT_EQ(bite.CountLit(), 0);
}

TEST(RasterArc, QuarterArcsRunFromTheFirstPointToTheSecond)
{
    // Upper-right quarter of the circle of radius 8 about (10, 10), and its mirror below.
    Canvas upper(21, 21), lower(21, 21);
    ASSERT_TRUE(DrawArc(*upper.filter, 10, 2, 18, 10, kWhite));
    ASSERT_TRUE(DrawArc(*lower.filter, 10, 18, 18, 10, kWhite));
    EXPECT_EQ(upper.At(10, 2) + upper.At(18, 10) + lower.At(10, 18), 3 * 255);
    const int n = upper.ForEachLit([&](int x, int y) {
        EXPECT_GE(x, 10);
        EXPECT_LE(y, 10);
        EXPECT_LT(std::fabs(std::hypot(x - 10, y - 10) - 8.0), 1.0);
        EXPECT_EQ(upper.At(x, y), lower.At(x, 20 - y));
    });
    EXPECT_GT(n, 10);
    EXPECT_EQ(lower.CountLit(), n);

    // The tree's corner piece: a line to (10, 0) then an arc down to (30, 20).
    Canvas corner(31, 20);
    ASSERT_TRUE(DrawLine(*corner.filter, 0, 0, 10, 0, kWhite));
    ASSERT_TRUE(DrawArc(*corner.filter, 10, 0, 30, 20, kWhite));
    EXPECT_GT(corner.At(11, 0), 240); // the arc leaves level
    EXPECT_LT(corner.At(11, 1), 16);
    EXPECT_GT(corner.At(30, 19), 240); // and arrives upright
    EXPECT_LT(corner.At(29, 19), 16);

    Canvas flat(8, 4); // a box without height: the straight line
    ASSERT_TRUE(DrawArc(*flat.filter, 1, 2, 6, 2, kWhite));
    EXPECT_EQ(flat.Lit(), Row(1, 6, 2));
}

TEST(RasterEllipse, InscribedInItsBoxAndSymmetric)
{
    Canvas cv(21, 11);
    ASSERT_TRUE(DrawEllipse(*cv.filter, 0, 0, 20, 10, kWhite));
    EXPECT_EQ(cv.At(0, 5) + cv.At(20, 5) + cv.At(10, 0) + cv.At(10, 10), 4 * 255);
    EXPECT_EQ(cv.At(10, 5), 0);
    cv.ForEachLit([&](int x, int y) {
        EXPECT_EQ(cv.At(x, y), cv.At(20 - x, y));
        EXPECT_EQ(cv.At(x, y), cv.At(x, 10 - y));
    });

    // A knob in its 12 x 12 box touches the box and stays inside it.
    Canvas knob(16, 16);
    ASSERT_TRUE(DrawEllipse(*knob.filter, 2, 2, 13, 13, kWhite));
    EXPECT_GT(knob.At(2, 7), 240);
    EXPECT_GT(knob.At(7, 13), 240);
    knob.ForEachLit([](int x, int y) {
        EXPECT_TRUE(x >= 2 && x <= 13 && y >= 2 && y <= 13) << x << "," << y;
    });
}

TEST(RasterCombine, ClearCopyAndMaskedBlitCoverTheOverlap)
{
    Canvas a(4, 3), b(2, 5);
    ASSERT_TRUE(Clear(*Crop(1, 1, 3, 2, *a.filter), kWhite));
    EXPECT_EQ(a.Lit(), LitPixels({"1,1=255", "2,1=255"}));
    ASSERT_TRUE(Copy(*b.filter, *a.filter));
    EXPECT_EQ(b.Lit(), LitPixels({"1,1=255"}));

    Canvas dst(4, 1), src(4, 1), mask(3, 1); // the mask one column narrower than the source
    ASSERT_TRUE(Clear(*src.filter, kWhite));
    const unsigned char greys[3] = {255, 0, 51};
    std::copy(greys, greys + 3, mask.bitmap.data);
    ASSERT_TRUE(Blit(*dst.filter, *src.filter, *mask.filter, 0, 0));
    EXPECT_EQ(dst.Lit(), LitPixels({"0,0=255", "2,0=51"})); // column 3 has no mask: skipped
}

TEST(RasterCombine, BlitBlendsBySourceAlphaAndClips)
{
    Bitmap dst = Filled<Bitmap>(3, 2, {0, 0, 255});
    BitmapA src = Filled<BitmapA>(2, 2, {255, 0, 0, 255});
    src.PixelAt(1, 0)[3] = 128;
    src.PixelAt(0, 1)[3] = 0;
    std::copy_n(std::vector<unsigned char>{0, 255, 0}.begin(), 3, src.PixelAt(1, 1));
    FilterPtr d = CreateFilter(dst), s = CreateFilter(src);
    ASSERT_TRUE(Blit(*d, *s, 1, 0));
    EXPECT_EQ(std::vector<Bytes>({Px(dst, 0, 0), Px(dst, 1, 0), Px(dst, 2, 0), Px(dst, 1, 1), Px(dst, 2, 1)}),
              std::vector<Bytes>({{0, 0, 255}, {255, 0, 0}, {128, 0, 127}, {0, 0, 255}, {0, 255, 0}}));
    EXPECT_TRUE(Blit(*d, *s, -1, 1) && Blit(*d, *s, 2147483000, -2147483000)); // only source (1, 0) lands
    EXPECT_EQ(Px(dst, 0, 1), Bytes({128, 0, 127}));

    // Onto transparent pixels the colour is not darkened; alpha accumulates.
    BitmapA clear = Filled<BitmapA>(2, 1, {0, 0, 0, 0});
    FilterPtr t = CreateFilter(clear);
    ASSERT_TRUE(Blit(*t, *s, -1, 0)); // the half-transparent source pixel lands at (0, 0)
    EXPECT_EQ(Px(clear, 0, 0), Bytes({255, 0, 0, 128}));
    ASSERT_TRUE(Blit(*t, *s, -1, 0)); // half over half: 0.502 + 0.502 x 0.498
    EXPECT_EQ(Px(clear, 0, 0), Bytes({255, 0, 0, 192}));
    EXPECT_EQ(Px(clear, 1, 0), Bytes({0, 0, 0, 0}));
}

TEST(RasterAngle, DirectionsFollowTheScreenConvention)
{
    // 0 to the right, 90 up, as AngleCrop and Rotate count them; no direction: 0.
    EXPECT_EQ(std::vector<double>({GetAngle(0, 0, 5, 0), GetAngle(0, 0, 0, -5), GetAngle(0, 0, -5, 0),
                                   GetAngle(0, 0, 0, 5), GetAngle(10, 10, 11, 11), GetAngle(3, 3, 3, 3)}),
              std::vector<double>({0.0, 90.0, 180.0, 270.0, 315.0, 0.0}));
    EXPECT_NEAR(GetAngle(0, 0, 1, -1e-15), 0.0, 1e-9);
}

TEST(RasterCombine, PointerFormsDrawThroughViewsMadeInTheCall)
{
    Canvas cv(12, 8);
    ASSERT_TRUE(DrawLine(AntiAlias(*cv.filter), 0, 5, 10, 5, kWhite));
    ASSERT_TRUE(DrawCircle(Crop(0, 0, 4, 4, *cv.filter), 1, 1, 0, kWhite, false));
    EXPECT_EQ(cv.CountLit(), 12);
    FilterPtr none;
    EXPECT_FALSE(DrawLine(none, 0, 0, 1, 1, kWhite) || Clear(none, kWhite) || Blit(cv.filter, none, 0, 0));
}
