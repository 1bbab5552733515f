// What needs a display in the imaging layer: wxBitmap conversions and the undo filter
// that mirrors every write into a bitmap through a memory device context.
#include <gtest/gtest.h>
#include <wx/image.h>

#include <vorn/util/raster.h>
#include <vorn/util/wx_image_convert.h>
#include <vorn/util/wx_image_filter.h>

#include "test_support.h"

using namespace vorn;
using vorntest::Bytes;
using vorntest::Px;

TEST(WxConvert, BitmapsToWxBitmaps)
{
    const BitmapA rgba = vorntest::Filled<BitmapA>(4, 3, {250, 5, 60, 255});
    Bitmap rgb;
    ASSERT_TRUE(ConvertTo(rgb, rgba));
    wxBitmap fromA, fromRgb;
    ASSERT_TRUE(ConvertTo(fromA, rgba));
    ASSERT_TRUE(ConvertTo(fromRgb, rgb));
    EXPECT_EQ(Px(fromA.ConvertToImage(), 3, 2), Bytes({250, 5, 60})); // the far corner: the size came along
    EXPECT_EQ(Px(fromRgb.ConvertToImage(), 0, 0), Bytes({250, 5, 60}));
}

TEST(WxBitmapUnDo, MirrorsWritesAndUndoesThem)
{
    wxImage img(6, 4, true);
    FilterPtr base = CreateFilter(img);
    ASSERT_TRUE(Clear(*base, ColorA(0, 0, 1)));
    wxBitmapUnDoFilter undo(*base);
    ASSERT_NE(undo.GetwxDC(), nullptr);

    // The mirror's pixels at (x, y) for each x, read after releasing it from its context.
    auto mirror = [&](int y, std::initializer_list<int> xs) {
        undo.GetwxDC()->SelectObject(wxNullBitmap);
        const wxImage m = undo.GetBitmap().ConvertToImage();
        undo.GetwxDC()->SelectObject(const_cast<wxBitmap&>(undo.GetBitmap()));
        std::vector<Bytes> out;
        for (int x : xs)
            out.push_back(Px(m, x, y));
        return out;
    };
    const Bytes blue{0, 0, 255}, red{255, 0, 0}, half{128, 0, 128};
    EXPECT_EQ(mirror(3, {5}), std::vector<Bytes>({blue})); // the mirror starts as a copy

    ASSERT_TRUE(undo.WritePixel(2, 1, ColorA(1, 0, 0)));
    ASSERT_TRUE(undo.WritePixelI(3, 1, ColorA(1, 0, 0), 0.5));
    EXPECT_FALSE(undo.WritePixel(6, 0, ColorA(1, 0, 0)));
    EXPECT_EQ(Px(img, 2, 1), red);
    EXPECT_EQ(Px(img, 3, 1), half);
    EXPECT_EQ(mirror(1, {1, 2, 3}), std::vector<Bytes>({blue, red, half}));

    undo.UnDo();
    EXPECT_EQ(Px(img, 2, 1), blue);
    EXPECT_EQ(Px(img, 3, 1), blue);
    EXPECT_EQ(mirror(1, {2, 3}), std::vector<Bytes>({blue, blue}));

    // Create remakes the mirror at the new size; without area there is nothing to mirror.
    ASSERT_TRUE(undo.Create(7, 2));
    EXPECT_EQ(img.GetWidth(), 7);
    EXPECT_EQ(undo.GetBitmap().GetSize(), wxSize(7, 2));
    undo.Clear();
    EXPECT_EQ(undo.GetWidth(), 0);
    EXPECT_EQ(undo.GetwxDC(), nullptr);
    EXPECT_FALSE(undo.WritePixel(0, 0, ColorA()));
    undo.UnDo();
}
