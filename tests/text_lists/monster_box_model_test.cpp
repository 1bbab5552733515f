// The table's geometry without a window: grip, height bounds, column scaling, scrolling.
#include <gtest/gtest.h>

#include <vorn/text_lists/monster_box_model.h>

using namespace vorn;
using M = MonsterBoxModel;

TEST(MonsterBoxModel, GripIsTheInclusiveTenPixelSquareNearTheCorner)
{
    EXPECT_TRUE(M::InGrip(179, 178, 200, 200));
    EXPECT_TRUE(M::InGrip(189, 188, 200, 200));
    EXPECT_FALSE(M::InGrip(178, 180, 200, 200));
    EXPECT_FALSE(M::InGrip(185, 189, 200, 200));
    EXPECT_FALSE(M::InGrip(190, 180, 200, 200));
}

TEST(MonsterBoxModel, HeightStaysBetweenTheMinimumAndTheMaximum)
{
    EXPECT_EQ(M::ClampHeight(10, 9999), 75);
    EXPECT_EQ(M::ClampHeight(20000, M::kDefaultMaxHeight), 9999);
    EXPECT_EQ(M::ClampHeight(300, 250), 250);
    EXPECT_EQ(M::ClampHeight(300, 10), 75) << "a maximum below the minimum";
}

TEST(MonsterBoxModel, ColumnsScaleWithTheWidthAndAccumulate)
{
    const std::vector<int> widths{100, 50, 30};
    auto spans = M::ScaleColumns(widths, 800, 400);
    ASSERT_EQ(spans.size(), 3u);
    EXPECT_EQ(spans[0].x, 0);
    EXPECT_EQ(spans[1].x, 200);
    EXPECT_EQ(spans[2].x, 300);
    for (size_t i = 0; i < widths.size(); ++i)
        EXPECT_EQ(spans[i].width, 2 * widths[i]);
    spans = M::ScaleColumns({3, 3}, 500, 400); // truncated per column
    EXPECT_EQ(spans[1].x, 3);
    EXPECT_EQ(M::ScaleColumns(widths, 800, 0)[2].x, 150) << "no reference width: unscaled";
}

TEST(MonsterBoxModel, ScrollOffsetAndRowsInView)
{
    // 100 rows of 15 px in a 200-px table: inner 138, visible 139 of 1500.
    EXPECT_TRUE(M::NeedsScroll(100, 15, 200));
    EXPECT_FALSE(M::NeedsScroll(9, 15, 200));
    EXPECT_DOUBLE_EQ(M::VisibleFraction(100, 15, 200), 139.0 / 1500.0);
    EXPECT_EQ(M::ScrollOffset(0.5, 100, 15, 138), 681);
    EXPECT_EQ(M::ScrollOffset(1.0, 100, 15, 138), 1362);
    EXPECT_EQ(M::ScrollOffset(2.0, 100, 15, 138), 1362);
    EXPECT_EQ(M::ScrollOffset(-1.0, 100, 15, 138), 0);
    EXPECT_EQ(M::ScrollOffset(0.7, 5, 15, 138), 0) << "content that fits";
    int first = 0, last = 0;
    M::RowsInView(681, 138, 15, 100, first, last);
    EXPECT_EQ(first, 45);
    EXPECT_EQ(last, 55);
    M::RowsInView(1400, 138, 15, 100, first, last);
    EXPECT_EQ(last, 100);
    EXPECT_EQ(M::RowAt(29, 15, 100), 1);
    EXPECT_EQ(M::RowAt(1500, 15, 100), -1);
    EXPECT_EQ(M::ButtonX(0, 8, 0, 0), 46);
    EXPECT_EQ(M::ButtonX(1, 8, 46, 11), 65);
}
