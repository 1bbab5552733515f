// The round swatch. A pixel at a filled circle's radius shows half of its colour, so the
// ring's and dot's radii and centre show in the pixels about them.
#include <tuple>

#include <gtest/gtest.h>
#include <wx/bitmap.h>

#include <vorn/colour/col_image_holder.h>

#include "pixels.h"

using namespace vorn;
using namespace vorntest;

static Bytes At(const VornColImageHolder& holder, VORNIMAGETYPE state, int x, int y)
{
    const wxBitmap* b = nullptr;
    return holder.GetImageCache()->GetImage(state, b) ? Px(b->ConvertToImage(), x, y) : Bytes{};
}

// Black background; rings red (rest), green (mouse over), blue (pressed); a white dot.
// 12 × 12: centre (6, 6), ring radius 6, dot radius 5; 12 × 20: centre (6, 10), same radii.
// A new colour refills every state; a copy draws into a set of its own.
TEST(ColImageHolder, RingAndDotFollowTheWidthInSixStatesAndFollowTheColour)
{
    VornColImageHolder square(12, 12, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1, 1}), copy(square);
    const VornColImageHolder tall(12, 20, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1, 1});
    using Case = std::tuple<const VornColImageHolder*, VORNIMAGETYPE, int, int, Bytes>;
    for (const auto& [h, state, x, y, want] :
         {Case{&square, 2, 6, 6, {255, 255, 255}}, {&square, 2, 0, 6, {128, 0, 0}}, {&square, 2, 11, 6, {255, 128, 128}},
          {&square, 2, 6, 1, {255, 128, 128}}, {&square, 2, 0, 0, {0, 0, 0}}, {&square, 3, 6, 0, {128, 0, 0}},
          {&square, 4, 6, 0, {0, 128, 0}}, {&square, 5, 0, 6, {0, 128, 0}}, {&square, 8, 6, 11, {128, 128, 255}},
          {&square, 9, 6, 0, {0, 0, 128}}, {&tall, 2, 6, 10, {255, 255, 255}}, {&tall, 2, 6, 4, {128, 0, 0}},
          {&tall, 2, 6, 15, {255, 128, 128}}, {&tall, 2, 6, 3, {0, 0, 0}}}) {
        const Bytes got = At(*h, state, x, y);
        ASSERT_EQ(got.size(), 3u) << state;
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(got[i], want[i], 1) << "state " << state << " at " << x << "," << y;
    }
    std::vector<VORNIMAGETYPE> states;
    square.GetImageCache()->GetStates(states);
    EXPECT_EQ(states, (std::vector<VORNIMAGETYPE>{2, 3, 4, 5, 8, 9})) << "disabled states stay empty";
    square.ChangeColour(Color(0, 0, 1));
    for (const VORNIMAGETYPE state : {2, 3, 4, 5, 8, 9})
        EXPECT_EQ(At(square, state, 6, 6), (Bytes{0, 0, 255})) << state;
    EXPECT_EQ(At(copy, 8, 6, 6), (Bytes{255, 255, 255})) << "the copy keeps its own set";
    const VornwxBitmapCache* own = copy.GetImageCache();
    copy = square;
    EXPECT_EQ(copy.GetImageCache(), own);
    EXPECT_EQ(At(copy, 8, 6, 6), (Bytes{0, 0, 255}));
}
