// Raster drawing through filters: exact pixels on axis-aligned shapes, partial coverage
// on slanted edges, clipping, and the combining operations.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/util/raster.h>

#include "pixel_test_util.h"
#include "test_support.h"

using namespace vorn;

namespace {
using pixeltest::Canvas;
using pixeltest::kWhite;

using Lit = std::vector<std::string>;
} // namespace

TEST(RasterLine, HorizontalAndVerticalLinesAreExact)
{
    Canvas cv(12, 8);
    ASSERT_TRUE(DrawLine(*cv.filter, 0, 5, 10, 5, kWhite));
    Lit expected;
    for (int x = 0; x <= 10; ++x)
        expected.push_back(std::to_string(x) + ",5=255");
    EXPECT_EQ(cv.LitValues(), expected);

    Canvas v(6, 8);
    ASSERT_TRUE(DrawLine(*v.filter, 3, 6, 3, 2, kWhite)); // drawn upwards
    EXPECT_EQ(v.LitValues(), Lit({"3,2=255", "3,3=255", "3,4=255", "3,5=255", "3,6=255"}));

    Canvas dot(3, 3);
    ASSERT_TRUE(DrawLine(*dot.filter, 1, 1, 1, 1, kWhite));
    EXPECT_EQ(dot.LitValues(), Lit({"1,1=255"}));
}

TEST(RasterLine, SlantedLinesShareIntensityBetweenNeighbours)
{
    Canvas diag(5, 5);
    ASSERT_TRUE(DrawLine(*diag.filter, 0, 0, 4, 4, kWhite)); // 45 degrees: one pixel a step
    EXPECT_EQ(diag.LitValues(), Lit({"0,0=255", "1,1=255", "2,2=255", "3,3=255", "4,4=255"}));

    Canvas shallow(5, 3);
    ASSERT_TRUE(DrawLine(*shallow.filter, 4, 2, 0, 0, kWhite));
    EXPECT_EQ(shallow.LitValues(), Lit({"0,0=255", "1,0=128", "1,1=128", "2,1=255", "3,1=128", "3,2=128", "4,2=255"}));

    Canvas steep(3, 5);
    ASSERT_TRUE(DrawLine(*steep.filter, 0, 0, 2, 4, kWhite));
    EXPECT_EQ(steep.LitValues(), Lit({"0,0=255", "0,1=128", "1,1=128", "1,2=255", "1,3=128", "2,3=128", "2,4=255"}));
}

TEST(RasterLine, BlendsOverWhatIsThere)
{
    Canvas cv(3, 3);
    const unsigned char grey = 100;
    cv.bitmap.Set(1, &grey);
    ASSERT_TRUE(DrawLine(*cv.filter, 0, 0, 2, 1, ColorA(0, 0, 0)));
    EXPECT_EQ(cv.At(0, 0), 0);
    EXPECT_EQ(cv.At(1, 0), 50); // half black over 100
    EXPECT_EQ(cv.At(1, 1), 50);
    EXPECT_EQ(cv.At(2, 2), 100);
}

TEST(RasterLine, ClipsToTheFilterWhateverTheCoordinates)
{
    Canvas cv(10, 6);
    ASSERT_TRUE(DrawLine(*cv.filter, -1e9, 3, 1e9, 3, kWhite));
    EXPECT_EQ(cv.CountLit(), 10);
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(cv.At(x, 3), 255);

    Canvas none(10, 6);
    EXPECT_TRUE(DrawLine(*none.filter, -1e9, -1e9, -1e9 + 5, 1e9, kWhite));
    EXPECT_TRUE(DrawLine(*none.filter, 20, 20, 40, 30, kWhite));
    EXPECT_TRUE(DrawLine(*none.filter, -1e300, -50, 1e300, -40, kWhite));
    EXPECT_FALSE(DrawLine(*none.filter, std::nan(""), 0, 1, 1, kWhite));
    EXPECT_FALSE(DrawLine(*none.filter, 0, 0, INFINITY, 1, kWhite));
    EXPECT_EQ(none.CountLit(), 0);

    // Through a crop, only the crop's part of the canvas changes.
    Canvas cropped(8, 8);
    FilterPtr crop = Crop(2, 2, 6, 6, *cropped.filter);
    ASSERT_TRUE(DrawLine(*crop, -5, 1, 20, 1, kWhite));
    EXPECT_EQ(cropped.LitValues(), Lit({"2,3=255", "3,3=255", "4,3=255", "5,3=255"}));
}

TEST(RasterCircle, OutlinePixelsAtTheRadiusAreFull)
{
    Canvas cv(21, 21);
    ASSERT_TRUE(DrawCircle(*cv.filter, 10, 10, 5, kWhite, false));
    for (auto [x, y] : {std::pair{15, 10}, {5, 10}, {10, 5}, {10, 15}, {14, 13}, {13, 14}, {6, 7}})
        EXPECT_EQ(cv.At(x, y), 255) << x << "," << y;
    EXPECT_EQ(cv.At(10, 10), 0);
    EXPECT_EQ(cv.At(16, 10), 0);
    EXPECT_EQ(cv.At(14, 10), 0);
    const int partial = cv.At(14, 12); // at distance 4.47: partly covered
    EXPECT_GT(partial, 100);
    EXPECT_LT(partial, 160);
    // Nothing lies a pixel or more from the circle, and the outline is symmetric.
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x) {
            if (cv.At(x, y)) {
                EXPECT_LT(std::fabs(std::hypot(x - 10, y - 10) - 5.0), 1.0) << x << "," << y;
            }
            EXPECT_EQ(cv.At(x, y), cv.At(20 - x, y));
            EXPECT_EQ(cv.At(x, y), cv.At(y, x));
        }
}

TEST(RasterCircle, FilledCircleFadesOverOnePixel)
{
    Canvas cv(11, 11);
    ASSERT_TRUE(DrawCircle(*cv.filter, 5, 5, 2, kWhite, true));
    EXPECT_EQ(cv.At(5, 5), 255);
    EXPECT_EQ(cv.At(6, 5), 255);
    EXPECT_EQ(cv.At(6, 6), 255);
    EXPECT_EQ(cv.At(7, 5), 128); // exactly on the radius: half covered
    EXPECT_EQ(cv.At(7, 6), 67);  // at 2.24: a quarter
    EXPECT_EQ(cv.At(8, 5), 0);
    EXPECT_EQ(cv.CountLit(), 21);

    Canvas hub(5, 5);
    ASSERT_TRUE(DrawCircle(*hub.filter, 2, 2, 0, kWhite, false)); // a point
    EXPECT_EQ(hub.LitValues(), Lit({"2,2=255"}));
    EXPECT_TRUE(DrawCircle(*hub.filter, 2, 2, -3, kWhite, true)); // nothing to draw
    EXPECT_FALSE(DrawCircle(*hub.filter, 2, 2, std::nan(""), kWhite, true));
    EXPECT_EQ(hub.CountLit(), 1);
}

TEST(RasterCircle, ClippedCirclesAndBitesAtTheEdges)
{
    // Bites centred outside the image, as the blob row makes them.
    Canvas cv(18, 12);
    ASSERT_TRUE(Clear(*cv.filter, kWhite));
    ASSERT_TRUE(DrawCircle(*cv.filter, -2, 5, 5, ColorA(0, 0, 0), true));
    EXPECT_EQ(cv.At(0, 5), 0);
    EXPECT_EQ(cv.At(2, 5), 0);
    EXPECT_EQ(cv.At(3, 5), 128); // on the radius
    EXPECT_EQ(cv.At(4, 5), 255);
    EXPECT_EQ(cv.At(1, 0), 255); // at 5.8 from the centre
    EXPECT_TRUE(DrawCircle(*cv.filter, 1e12, -1e12, 1e6, kWhite, false));
    EXPECT_TRUE(DrawCircle(*cv.filter, 9, 6, 1e9, ColorA(0, 0, 0), true)); // covers everything
    EXPECT_EQ(cv.CountLit(), 0);
}

TEST(RasterArc, QuarterArcRunsFromTheFirstPointToTheSecond)
{
    // Upper-right quarter of the circle of radius 8 about (10, 10).
    Canvas cv(21, 21);
    ASSERT_TRUE(DrawArc(*cv.filter, 10, 2, 18, 10, kWhite));
    EXPECT_EQ(cv.At(10, 2), 255);
    EXPECT_EQ(cv.At(18, 10), 255);
    EXPECT_EQ(cv.At(9, 2), 0);   // nothing left of the start
    EXPECT_EQ(cv.At(18, 11), 0); // nothing below the end
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            if (cv.At(x, y)) {
                EXPECT_GE(x, 10);
                EXPECT_LE(y, 10);
                EXPECT_LT(std::fabs(std::hypot(x - 10, y - 10) - 8.0), 1.0);
            }
    EXPECT_GT(cv.CountLit(), 10);

    // The lower box of the same centre: the lower-right quarter.
    Canvas lower(21, 21);
    ASSERT_TRUE(DrawArc(*lower.filter, 10, 18, 18, 10, kWhite));
    EXPECT_EQ(lower.At(10, 18), 255);
    EXPECT_EQ(lower.At(18, 10), 255);
    EXPECT_EQ(lower.At(10, 2), 0);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 21; ++x)
            EXPECT_EQ(lower.At(x, y), 0);
    // Mirror images of each other.
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            EXPECT_EQ(cv.At(x, y), lower.At(x, 20 - y));
}

TEST(RasterArc, CornerJoinsAHorizontalLineToAVerticalOne)
{
    // The tree's corner piece: a line to (10, 0) then an arc down to (30, 20).
    Canvas cv(31, 20);
    ASSERT_TRUE(DrawLine(*cv.filter, 0, 0, 10, 0, kWhite));
    ASSERT_TRUE(DrawArc(*cv.filter, 10, 0, 30, 20, kWhite));
    EXPECT_EQ(cv.At(10, 0), 255);
    EXPECT_GT(cv.At(11, 0), 240); // the arc leaves level
    EXPECT_LT(cv.At(11, 1), 16);
    EXPECT_GT(cv.At(30, 19), 240); // and arrives upright
    EXPECT_LT(cv.At(29, 19), 16);
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(cv.At(x, 1), 0);
}

TEST(RasterArc, DegenerateBoxDrawsTheStraightLine)
{
    Canvas cv(8, 4);
    ASSERT_TRUE(DrawArc(*cv.filter, 1, 2, 6, 2, kWhite));
    EXPECT_EQ(cv.LitValues(), Lit({"1,2=255", "2,2=255", "3,2=255", "4,2=255", "5,2=255", "6,2=255"}));
}

TEST(RasterEllipse, InscribedInItsBoxAndSymmetric)
{
    Canvas cv(21, 11);
    ASSERT_TRUE(DrawEllipse(*cv.filter, 0, 0, 20, 10, kWhite));
    EXPECT_EQ(cv.At(0, 5), 255);
    EXPECT_EQ(cv.At(20, 5), 255);
    EXPECT_EQ(cv.At(10, 0), 255);
    EXPECT_EQ(cv.At(10, 10), 255);
    EXPECT_EQ(cv.At(10, 5), 0);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 21; ++x) {
            EXPECT_EQ(cv.At(x, y), cv.At(20 - x, y));
            EXPECT_EQ(cv.At(x, y), cv.At(x, 10 - y));
        }

    // A knob in its 12 x 12 box touches the box and stays inside it.
    Canvas knob(16, 16);
    ASSERT_TRUE(DrawEllipse(*knob.filter, 2, 2, 13, 13, kWhite));
    EXPECT_GT(knob.At(2, 7), 240);
    EXPECT_GT(knob.At(7, 13), 240);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(knob.At(1, i), 0);
        EXPECT_EQ(knob.At(14, i), 0);
        EXPECT_EQ(knob.At(i, 1), 0);
        EXPECT_EQ(knob.At(i, 14), 0);
    }
}

TEST(RasterCombine, ClearAndCopyCoverTheOverlap)
{
    Canvas a(4, 3), b(2, 5);
    ASSERT_TRUE(Clear(*Crop(1, 1, 3, 2, *a.filter), kWhite));
    EXPECT_EQ(a.LitValues(), Lit({"1,1=255", "2,1=255"}));
    ASSERT_TRUE(Copy(*b.filter, *a.filter));
    EXPECT_EQ(b.LitValues(), Lit({"1,1=255"}));
}

TEST(RasterCombine, BlitBlendsBySourceAlphaAndClips)
{
    Bitmap dst;
    ASSERT_TRUE(dst.Create(3, 2, 3, 0));
    FilterPtr d = CreateFilter(dst);
    ASSERT_TRUE(Clear(*d, ColorA(0, 0, 1)));
    BitmapA src;
    ASSERT_TRUE(src.Create(2, 2, 3, 0));
    FilterPtr s = CreateFilter(src);
    s->WritePixel(0, 0, ColorA(1, 0, 0, 1.0));
    s->WritePixel(1, 0, ColorA(1, 0, 0, 0.5));
    s->WritePixel(0, 1, ColorA(1, 0, 0, 0.0));
    s->WritePixel(1, 1, ColorA(0, 1, 0, 1.0));
    ASSERT_TRUE(Blit(*d, *s, 1, 0));
    auto px = [&](int x, int y) {
        const unsigned char* p = dst.PixelAt(x, y);
        return std::vector<int>{p[0], p[1], p[2]};
    };
    EXPECT_EQ(px(0, 0), std::vector<int>({0, 0, 255}));
    EXPECT_EQ(px(1, 0), std::vector<int>({255, 0, 0}));
    EXPECT_EQ(px(2, 0), std::vector<int>({128, 0, 127}));
    EXPECT_EQ(px(1, 1), std::vector<int>({0, 0, 255})); // transparent: unchanged
    EXPECT_EQ(px(2, 1), std::vector<int>({0, 255, 0}));

    EXPECT_TRUE(Blit(*d, *s, -1, 1)); // only source (1, 0) lands, at (0, 1)
    EXPECT_EQ(px(0, 1), std::vector<int>({128, 0, 127}));
    EXPECT_TRUE(Blit(*d, *s, 2147483000, -2147483000));

    // Onto transparent pixels the colour is not darkened; alpha accumulates.
    BitmapA clear;
    ASSERT_TRUE(clear.Create(2, 1, 3, 0));
    FilterPtr t = CreateFilter(clear);
    ASSERT_TRUE(Blit(*t, *s, -1, 0)); // the half-transparent source pixel lands at (0, 0)
    const unsigned char* p = clear.PixelAt(0, 0);
    EXPECT_EQ(std::vector<int>(p, p + 4), std::vector<int>({255, 0, 0, 128}));
    ASSERT_TRUE(Blit(*t, *s, -1, 0)); // half over half: 0.502 + 0.502 x 0.498
    EXPECT_EQ(std::vector<int>(p, p + 4), std::vector<int>({255, 0, 0, 192}));
    p = clear.PixelAt(1, 0);
    EXPECT_EQ(std::vector<int>(p, p + 4), std::vector<int>({0, 0, 0, 0}));
}

TEST(RasterCombine, MaskedBlitWeighsByMaskGrey)
{
    Canvas dst(4, 1);
    Canvas src(4, 1);
    ASSERT_TRUE(Clear(*src.filter, kWhite));
    Canvas mask(3, 1); // one column narrower than the source
    mask.bitmap.PixelAt(0, 0)[0] = 255;
    mask.bitmap.PixelAt(1, 0)[0] = 0;
    mask.bitmap.PixelAt(2, 0)[0] = 51;
    ASSERT_TRUE(Blit(*dst.filter, *src.filter, *mask.filter, 0, 0));
    EXPECT_EQ(dst.LitValues(), Lit({"0,0=255", "2,0=51"})); // column 3 has no mask: skipped
}

TEST(RasterAngle, DirectionsFollowTheScreenConvention)
{
    EXPECT_DOUBLE_EQ(GetAngle(0, 0, 5, 0), 0.0);
    EXPECT_DOUBLE_EQ(GetAngle(0, 0, 0, -5), 90.0);
    EXPECT_DOUBLE_EQ(GetAngle(0, 0, -5, 0), 180.0);
    EXPECT_DOUBLE_EQ(GetAngle(0, 0, 0, 5), 270.0);
    EXPECT_DOUBLE_EQ(GetAngle(10, 10, 11, 11), 315.0);
    EXPECT_DOUBLE_EQ(GetAngle(3, 3, 3, 3), 0.0);
    EXPECT_NEAR(GetAngle(0, 0, 1, -1e-15), 0.0, 1e-9);

    // A pixel at GetAngle a passes AngleCrop around a, and Rotate(a) brings (r, 0) there.
    Canvas cv(21, 21);
    const double a = GetAngle(10, 10, 16, 2);
    EXPECT_TRUE(AngleCrop(a - 0.5, a + 0.5, 10, 10, *cv.filter)->WritePixel(16, 2, kWhite));
    EXPECT_FALSE(AngleCrop(a + 0.5, a + 10, 10, 10, *cv.filter)->WritePixel(16, 2, kWhite));
    Canvas turned(21, 21);
    Rotate(a, 10, 10, *turned.filter)->WritePixel(20, 10, kWhite);
    EXPECT_EQ(turned.LitValues(), Lit({"16,2=255"}));
}

TEST(RasterCombine, PointerFormsDrawThroughViewsMadeInTheCall)
{
    Canvas cv(12, 8);
    ASSERT_TRUE(DrawLine(AntiAlias(*cv.filter), 0, 5, 10, 5, kWhite));
    ASSERT_TRUE(DrawCircle(Crop(0, 0, 4, 4, *cv.filter), 1, 1, 0, kWhite, false));
    EXPECT_EQ(cv.CountLit(), 12);
    FilterPtr none;
    EXPECT_FALSE(DrawLine(none, 0, 0, 1, 1, kWhite));
    EXPECT_FALSE(Clear(none, kWhite));
    EXPECT_FALSE(Blit(cv.filter, none, 0, 0));
}
