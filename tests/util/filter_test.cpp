// Filters over bitmaps, the undo recorder and the views (crop, rotate, angle crop,
// smoothing).
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/util/filter.h>

#include "pixel_test_util.h"
#include "test_support.h"

using namespace vorn;

namespace {
using pixeltest::Canvas;
using pixeltest::kWhite;

using Coords = std::vector<std::string>;
} // namespace

TEST(BitmapFilterPixels, WriteReadAndBlendBytes)
{
    BitmapA b;
    ASSERT_TRUE(b.Create(2, 2, 3, 0));
    FilterPtr f = CreateFilter(b);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->GetWidth(), 2);
    EXPECT_EQ(f->GetHeight(), 2);
    ASSERT_TRUE(f->WritePixel(1, 0, ColorA(1.0, 0.5, 0.2, 0.4)));
    const unsigned char* p = b.PixelAt(1, 0);
    EXPECT_EQ(p[0], 255);
    EXPECT_EQ(p[1], 128); // truncate(127.5 + 0.5)
    EXPECT_EQ(p[2], 51);
    EXPECT_EQ(p[3], 102);
    ColorA c;
    ASSERT_TRUE(f->ReadPixel(c, 1, 0));
    EXPECT_DOUBLE_EQ(c.r, 1.0);
    EXPECT_NEAR(c.a, 0.4, 1e-12);

    ASSERT_TRUE(f->WritePixelI(1, 0, ColorA(0.0, 0.0, 0.0, 1.0), 0.25));
    EXPECT_EQ(p[0], 191); // 255 x 0.75 + 0.5
    EXPECT_EQ(p[3], 140); // 102 x 0.75 + 0.25 x 255 + 0.5

    EXPECT_FALSE(f->WritePixel(2, 0, kWhite));
    EXPECT_FALSE(f->WritePixel(0, -1, kWhite));
    EXPECT_FALSE(f->ReadPixel(c, 0, 2));
    EXPECT_FALSE(f->WritePixelI(-1, 0, kWhite, 1.0));
}

TEST(BitmapFilterPixels, PointsRoundHalfUpAndOutOfRangeComponentsClamp)
{
    Canvas cv(4, 4);
    EXPECT_TRUE(cv.filter->WritePoint(1.5, 2.49, kWhite)); // -> (2, 2)
    EXPECT_TRUE(cv.filter->WritePoint(-0.5, 0.0, ColorA(2.0, 2.0, 2.0))); // -> (0, 0), clamped
    EXPECT_FALSE(cv.filter->WritePoint(-0.51, 0.0, kWhite));
    EXPECT_FALSE(cv.filter->WritePoint(1e300, 0.0, kWhite));
    EXPECT_EQ(cv.Lit(), Coords({"0,0", "2,2"}));
    EXPECT_EQ(cv.At(0, 0), 255);

    Bitmap rgb;
    ASSERT_TRUE(rgb.Create(1, 1, 3, 0));
    FilterPtr f = CreateFilter(rgb);
    ColorA c(0.3, 0.3, 0.3, 0.3);
    ASSERT_TRUE(f->ReadPoint(c, 0.2, -0.3));
    EXPECT_EQ(c.a, 1.0); // no alpha bytes: opaque
}

TEST(BitmapFilterPixels, CreateAndClearActOnTheBitmap)
{
    BitmapA b;
    FilterPtr f = CreateFilter(b);
    ASSERT_TRUE(f->Create(5, 2));
    EXPECT_EQ(b.width, 5);
    EXPECT_EQ(b.channels, 3);
    f->Clear();
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_EQ(f->GetWidth(), 0);
}

TEST(UnDoFilterRecord, UnDoRestoresEveryPixelNewestFirst)
{
    Canvas cv(3, 3);
    cv.bitmap.PixelAt(1, 1)[0] = 40;
    UnDoFilter undo(*cv.filter);
    undo.WritePixel(1, 1, kWhite);
    undo.WritePixelI(1, 1, ColorA(0, 0, 0), 0.5); // the same pixel twice
    undo.WritePoint(2.2, 0.4, kWhite);
    EXPECT_FALSE(undo.WritePixel(5, 5, kWhite)); // refused writes leave no entry
    ASSERT_EQ(undo.GetRecord().size(), 3u);
    EXPECT_EQ(undo.GetRecord()[0].x, 1);
    EXPECT_NEAR(undo.GetRecord()[0].old.r, 40 / 255.0, 1e-12);
    EXPECT_EQ(undo.GetRecord()[2].x, 2);

    undo.UnDo();
    EXPECT_EQ(cv.At(1, 1), 40); // the oldest record wins
    EXPECT_EQ(cv.At(2, 0), 0);
    EXPECT_TRUE(undo.GetRecord().empty());

    undo.WritePixel(0, 0, kWhite);
    undo.Initialize(); // a new record: the earlier write stays
    undo.WritePixel(0, 1, kWhite);
    undo.UnDo();
    EXPECT_EQ(cv.Lit(), Coords({"0,0", "1,1"})); // (1, 1) holds its original 40
}

TEST(CropView, MapsAndLimitsToTheRectangle)
{
    Canvas cv(6, 5);
    FilterPtr crop = Crop(2, 1, 5, 3, *cv.filter); // 3 x 2 starting at (2, 1)
    EXPECT_EQ(crop->GetWidth(), 3);
    EXPECT_EQ(crop->GetHeight(), 2);
    EXPECT_TRUE(crop->WritePixel(0, 0, kWhite));
    EXPECT_TRUE(crop->WritePixel(2, 1, kWhite));
    EXPECT_FALSE(crop->WritePixel(3, 0, kWhite)); // inside the canvas, outside the crop
    EXPECT_FALSE(crop->WritePixel(-1, 0, kWhite));
    EXPECT_EQ(cv.Lit(), Coords({"2,1", "4,2"}));
    ColorA c;
    EXPECT_TRUE(crop->ReadPixel(c, 0, 0));
    EXPECT_DOUBLE_EQ(c.r, 1.0);
    EXPECT_FALSE(crop->Create(10, 10));
    crop->Clear(); // a view does not release the pixels underneath
    EXPECT_EQ(cv.bitmap.width, 6);

    // A crop reaching beyond the canvas refuses what the canvas refuses.
    FilterPtr wide = Crop(4, 0, 10, 1, CreateFilter(cv.bitmap));
    EXPECT_TRUE(wide->WritePixel(1, 0, kWhite));
    EXPECT_FALSE(wide->WritePixel(2, 0, kWhite));
    EXPECT_EQ(Crop(3, 3, 1, 1, *cv.filter)->GetWidth(), 0); // reversed corners: empty

    // Corners at the ends of the int range neither overflow nor reach past the canvas.
    Canvas far(3, 1);
    FilterPtr huge = Crop(-2000000000, 0, 2000000000, 1, *far.filter);
    EXPECT_EQ(huge->GetWidth(), 2147483647);
    EXPECT_TRUE(huge->WritePixel(2000000001, 0, kWhite));
    EXPECT_FALSE(huge->WritePixel(2147483646, 0, kWhite));
    EXPECT_EQ(far.Lit(), Coords({"1,0"}));
}

TEST(RotateView, QuarterTurnsAreExactAndCounterClockwiseOnScreen)
{
    Canvas cv(9, 9);
    FilterPtr r90 = Rotate(90.0, 4, 4, *cv.filter);
    EXPECT_EQ(r90->GetWidth(), 9);
    r90->WritePixel(7, 4, kWhite); // 3 right of the centre -> 3 above it
    EXPECT_EQ(cv.Lit(), Coords({"4,1"}));
    ColorA c;
    ASSERT_TRUE(r90->ReadPixel(c, 7, 4));
    EXPECT_DOUBLE_EQ(c.r, 1.0);

    Canvas cv2(9, 9);
    Rotate(180.0, 4, 4, *cv2.filter)->WritePixel(5, 2, kWhite);
    Rotate(-90.0, 4, 4, *cv2.filter)->WritePixel(7, 4, kWhite); // 3 right -> 3 below
    EXPECT_EQ(cv2.Lit(), Coords({"3,6", "4,7"}));
    EXPECT_FALSE(Rotate(90.0, 0, 0, *cv2.filter)->WritePixel(3, 0, kWhite)); // lands at (0, -3)
}

TEST(RotateView, OddAnglesGoThroughThePointOperationsOfTheWrappedFilter)
{
    Canvas plain(9, 9);
    Rotate(45.0, 4, 4, *plain.filter)->WritePixel(6, 4, kWhite); // lands at (5.414, 2.586)
    EXPECT_EQ(plain.Lit(), Coords({"5,3"}));

    Canvas smooth(9, 9);
    FilterPtr aa = AntiAlias(*smooth.filter);
    Rotate(45.0, 4, 4, *aa)->WritePixel(6, 4, kWhite);
    EXPECT_EQ(smooth.Lit(), Coords({"5,2", "6,2", "5,3", "6,3"}));
    int sum = 0;
    for (const char* p : {"5,2", "6,2", "5,3", "6,3"})
        sum += smooth.At(p[0] - '0', p[2] - '0');
    EXPECT_NEAR(sum, 255, 3); // the point's full intensity, shared
}

TEST(AngleCropView, PassesOnlyTheAngularRange)
{
    Canvas cv(9, 9);
    FilterPtr upperRight = AngleCrop(0.0, 90.0, 4, 4, *cv.filter);
    EXPECT_TRUE(upperRight->WritePixel(8, 4, kWhite));  // 0 degrees: included
    EXPECT_TRUE(upperRight->WritePixel(4, 0, kWhite));  // 90: included
    EXPECT_TRUE(upperRight->WritePixel(6, 2, kWhite));  // 45
    EXPECT_FALSE(upperRight->WritePixel(2, 2, kWhite)); // 135
    EXPECT_FALSE(upperRight->WritePixel(6, 6, kWhite)); // 315
    EXPECT_TRUE(upperRight->WritePixel(4, 4, kWhite));  // the centre counts as 0
    EXPECT_FALSE(upperRight->WritePoint(5.0, 6.0, kWhite));
    EXPECT_EQ(cv.Lit(), Coords({"4,0", "6,2", "4,4", "8,4"}));

    Canvas lower(9, 9);
    FilterPtr lowerRight = AngleCrop(270.0, 360.0, 4, 4, *lower.filter);
    EXPECT_TRUE(lowerRight->WritePixel(6, 6, kWhite));
    EXPECT_TRUE(lowerRight->WritePixel(8, 4, kWhite)); // 360 is 0
    EXPECT_FALSE(lowerRight->WritePixel(6, 2, kWhite));

    Canvas wrap(9, 9);
    FilterPtr around = AngleCrop(315.0, 45.0, 4, 4, *wrap.filter); // through 0
    EXPECT_TRUE(around->WritePixel(8, 5, kWhite));
    EXPECT_TRUE(around->WritePixel(8, 3, kWhite));
    EXPECT_FALSE(around->WritePixel(4, 0, kWhite));
    EXPECT_TRUE(AngleCrop(10.0, 370.0, 4, 4, *wrap.filter)->WritePixel(0, 0, kWhite)); // all
}

TEST(SmoothingFilters, PointWritesAreSharedBilinearly)
{
    Canvas dumb(4, 4);
    DumbAntiAliasFilter d(*dumb.filter);
    ASSERT_TRUE(d.WritePoint(1.5, 1.0, kWhite));
    EXPECT_EQ(dumb.Lit(), Coords({"1,1", "2,1"}));
    EXPECT_EQ(dumb.At(1, 1), 128);
    EXPECT_EQ(dumb.At(2, 1), 128);
    ASSERT_TRUE(d.WritePoint(3.0, 3.0, kWhite)); // whole point: one pixel, exactly
    EXPECT_EQ(dumb.At(3, 3), 255);
    EXPECT_TRUE(d.WritePoint(3.5, 0.0, kWhite)); // half lands, half is clipped
    EXPECT_EQ(dumb.At(3, 0), 128);
    EXPECT_FALSE(d.WritePoint(10.0, 10.0, kWhite));
    EXPECT_TRUE(d.WritePixel(0, 3, kWhite)); // pixel writes pass through
    EXPECT_EQ(dumb.At(0, 3), 255);

    // Only the full filter interpolates reads.
    ColorA c;
    ASSERT_TRUE(d.ReadPoint(c, 1.4, 1.0));
    EXPECT_NEAR(c.r, 128 / 255.0, 1e-12);
    FilterPtr aa = AntiAlias(*dumb.filter);
    ASSERT_TRUE(aa->ReadPoint(c, 2.5, 1.0)); // between 128 and 0
    EXPECT_NEAR(c.r, 64 / 255.0, 1e-12);
}

TEST(FilterOwnership, OwningViewsKeepTheirChainAlive)
{
    Bitmap b;
    ASSERT_TRUE(b.Create(5, 5, 1, 0));
    FilterPtr chain = AntiAlias(Rotate(90.0, 2, 2, Crop(0, 0, 5, 5, AngleCrop(0, 360, 2, 2, CreateFilter(b)))));
    ASSERT_TRUE(chain->WritePixel(4, 2, kWhite));
    EXPECT_EQ(b.PixelAt(2, 0)[0], 255);
    FilterPtr empty;
    FilterPtr overNothing = Crop(0, 0, 2, 2, std::move(empty));
    EXPECT_FALSE(overNothing->WritePixel(0, 0, kWhite));
}
