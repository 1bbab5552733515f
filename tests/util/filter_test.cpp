// Filters over bitmaps, the undo recorder and the views (crop, rotate, angle crop,
// smoothing).
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/util/filter.h>

#include "pixels.h"

using namespace vorn;
using namespace vorntest;

TEST(BitmapFilterPixels, WriteReadBlendAndRefuseOutside)
{
    BitmapA b;
    ASSERT_TRUE(b.Create(2, 2, 3, 0));
    FilterPtr f = CreateFilter(b);
    ASSERT_TRUE(f->WritePixel(1, 0, ColorA(1.0, 0.5, 0.2, 0.4)));
    EXPECT_EQ(Px(b, 1, 0), Bytes({255, 128, 51, 102})); // truncate(c x 255 + 0.5)
    ColorA c;
    ASSERT_TRUE(f->ReadPixel(c, 1, 0));
    EXPECT_NEAR(c.a, 0.4, 1e-12);
    ASSERT_TRUE(f->WritePixelI(1, 0, ColorA(0.0, 0.0, 0.0, 1.0), 0.25));
    EXPECT_EQ(Px(b, 1, 0), Bytes({191, 96, 38, 140})); // old x 0.75 + new x 0.25 + 0.5

    EXPECT_FALSE(f->WritePixel(2, 0, kWhite) || f->WritePixel(0, -1, kWhite) || f->ReadPixel(c, 0, 2) ||
                 f->WritePixelI(-1, 0, kWhite, 1.0));

    // Points round half up; components beyond 1 clamp; without alpha bytes reads are opaque.
    Canvas cv(4, 4);
    EXPECT_TRUE(cv.filter->WritePoint(1.5, 2.49, ColorA(0.5, 0.5, 0.5))); // -> (2, 2)
    EXPECT_TRUE(cv.filter->WritePoint(-0.5, 0.0, ColorA(2.0, 2.0, 2.0))); // -> (0, 0)
    EXPECT_FALSE(cv.filter->WritePoint(-0.51, 0.0, kWhite) || cv.filter->WritePoint(1e300, 0.0, kWhite));
    EXPECT_EQ(cv.Lit(), LitPixels({"0,0=255", "2,2=128"}));
    c = ColorA(0.3, 0.3, 0.3, 0.3);
    ASSERT_TRUE(cv.filter->ReadPoint(c, 2.2, 1.7));
    EXPECT_NEAR(c.b, 128 / 255.0, 1e-12);
    EXPECT_EQ(c.a, 1.0);

    // Create and Clear act on the bitmap.
    ASSERT_TRUE(f->Create(5, 2));
    EXPECT_EQ(std::make_pair(b.width, b.channels), std::make_pair(5, 3));
    f->Clear();
    EXPECT_TRUE(b.IsEmpty() && f->GetWidth() == 0);
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

    undo.UnDo();
    EXPECT_EQ(cv.Lit(), LitPixels({"1,1=40"})); // the oldest record wins
    EXPECT_TRUE(undo.GetRecord().empty());

    undo.WritePixel(0, 0, kWhite);
    undo.Initialize(); // a new record: the earlier write stays
    undo.WritePixel(0, 1, kWhite);
    undo.UnDo();
    EXPECT_EQ(cv.Lit(), LitPixels({"0,0=255", "1,1=40"}));
}

TEST(CropView, MapsAndLimitsToTheRectangle)
{
    Canvas cv(6, 5);
    FilterPtr crop = Crop(2, 1, 5, 3, *cv.filter); // 3 x 2 starting at (2, 1)
    EXPECT_EQ(std::make_pair(crop->GetWidth(), crop->GetHeight()), std::make_pair(3, 2));
    EXPECT_TRUE(crop->WritePixel(0, 0, kWhite) && crop->WritePixel(2, 1, kWhite));
    EXPECT_FALSE(crop->WritePixel(3, 0, kWhite) || crop->WritePixel(-1, 0, kWhite)); // inside the canvas only
    EXPECT_EQ(cv.Lit(), LitPixels({"2,1=255", "4,2=255"}));
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
    EXPECT_EQ(far.Lit(), LitPixels({"1,0=255"}));
}

TEST(RotateView, QuarterTurnsAreExactOddAnglesGoThroughPointOperations)
{
    Canvas cv(9, 9);
    FilterPtr r90 = Rotate(90.0, 4, 4, *cv.filter);
    r90->WritePixel(7, 4, kWhite); // 3 right of the centre -> 3 above it (counter-clockwise)
    Rotate(180.0, 4, 4, *cv.filter)->WritePixel(5, 2, kWhite);
    Rotate(-90.0, 4, 4, *cv.filter)->WritePixel(8, 4, kWhite); // 4 right -> 4 below
    EXPECT_EQ(cv.Lit(), LitPixels({"4,1=255", "3,6=255", "4,8=255"}));
    ColorA c;
    ASSERT_TRUE(r90->ReadPixel(c, 7, 4));
    EXPECT_DOUBLE_EQ(c.r, 1.0);
    EXPECT_FALSE(Rotate(90.0, 0, 0, *cv.filter)->WritePixel(3, 0, kWhite)); // lands at (0, -3)

    // 45 degrees: (6, 4) lands at (5.414, 2.586), rounded, or shared by a smoothing filter.
    Canvas plain(9, 9);
    Rotate(45.0, 4, 4, *plain.filter)->WritePixel(6, 4, kWhite);
    EXPECT_EQ(plain.Lit(), LitPixels({"5,3=255"}));
    Canvas smooth(9, 9);
    FilterPtr aa = AntiAlias(*smooth.filter);
    Rotate(45.0, 4, 4, *aa)->WritePixel(6, 4, kWhite);
    EXPECT_EQ(smooth.CountLit(), 4);
    EXPECT_NEAR(smooth.At(5, 2) + smooth.At(6, 2) + smooth.At(5, 3) + smooth.At(6, 3), 255, 3);
    EXPECT_GT(smooth.At(5, 3), smooth.At(6, 2)); // nearest pixel gets most
}

TEST(AngleCropView, PassesOnlyTheAngularRange)
{
    // (from, to, pixel, passes): directions from the centre (4, 4), 0 to the right, 90 up.
    const struct {
        double from, to;
        int x, y;
        bool passes;
    } cases[] = {
        {0, 90, 8, 4, true},    {0, 90, 4, 0, true},    {0, 90, 6, 2, true},     {0, 90, 2, 2, false},
        {0, 90, 6, 6, false},   {0, 90, 4, 4, true},    {270, 360, 6, 6, true},  {270, 360, 8, 4, true},
        {270, 360, 6, 2, false}, {315, 45, 8, 5, true}, {315, 45, 8, 3, true},   {315, 45, 4, 0, false},
        {10, 370, 0, 0, true},  {10, 370, 8, 4, true},
    };
    for (const auto& k : cases) {
        Canvas cv(9, 9);
        EXPECT_EQ(AngleCrop(k.from, k.to, 4, 4, *cv.filter)->WritePixel(k.x, k.y, kWhite), k.passes)
            << k.from << ".." << k.to << " at " << k.x << "," << k.y;
        EXPECT_EQ(cv.CountLit(), k.passes ? 1 : 0);
    }
    Canvas cv(9, 9);
    EXPECT_FALSE(AngleCrop(0, 90, 4, 4, *cv.filter)->WritePoint(5.0, 6.0, kWhite));
}

TEST(SmoothingFilters, PointWritesAreSharedBilinearly)
{
    Canvas dumb(4, 4);
    DumbAntiAliasFilter d(*dumb.filter);
    ASSERT_TRUE(d.WritePoint(1.5, 1.0, kWhite));
    ASSERT_TRUE(d.WritePoint(3.0, 3.0, kWhite)); // whole point: one pixel, exactly
    EXPECT_TRUE(d.WritePoint(3.5, 0.0, kWhite)); // half lands, half is clipped
    EXPECT_FALSE(d.WritePoint(10.0, 10.0, kWhite));
    EXPECT_TRUE(d.WritePixel(0, 3, kWhite)); // pixel writes pass through
    EXPECT_EQ(dumb.Lit(), LitPixels({"3,0=128", "1,1=128", "2,1=128", "0,3=255", "3,3=255"}));

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
    EXPECT_EQ(Px(b, 2, 0), Bytes({255}));
    FilterPtr empty;
    EXPECT_FALSE(Crop(0, 0, 2, 2, std::move(empty))->WritePixel(0, 0, kWhite));
}
