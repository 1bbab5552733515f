// The range and summary strips' arithmetic, without a window.
#include <cmath>
#include <tuple>

#include <gtest/gtest.h>

#include <vorn/colour/gradient_strip_model.h>
#include <vorn/util/gradient.h>

using namespace vorn;
using Grip = GradientRangeGrip;

namespace {
// 100 usable columns between margins of 15, height 20; the bar spans columns 35..75.
GradientRangeModel Range(int width = 130, double min = 0.2, double max = 0.6)
{
    GradientRangeModel m;
    m.SetSpace(15, 15);
    m.SetWidth(width);
    m.SetHeight(20);
    m.SetRange(min, max);
    return m;
}
} // namespace

TEST(GradientRangeModel, ColumnsAndHitTest)
{
    const GradientRangeModel m = Range();
    EXPECT_EQ(std::tuple(m.GetMinColumn(), m.GetMaxColumn()), std::tuple(35, 75));
    for (const auto& [x, y, grip] :
         {std::tuple{32, 11, Grip::Move}, {78, 11, Grip::Move}, {50, 10, Grip::None}, {50, 5, Grip::None},
          {31, 11, Grip::Left}, {25, 5, Grip::Left}, {34, 5, Grip::Left}, {24, 5, Grip::None},
          {35, 5, Grip::None}, {76, 5, Grip::Right}, {85, 5, Grip::Right}, {86, 5, Grip::None}})
        EXPECT_EQ(m.HitTest(x, y), grip) << x << "," << y;
}

TEST(GradientRangeModel, DragsClampInOrderAndNeverCross)
{
    // press x, drag x, meta -> grip, range after the drag
    for (const auto& [px, tx, meta, grip, min, max] :
         {std::tuple{30, 90, false, Grip::Left, 0.8, 0.8}, {30, -20, false, Grip::Left, 0.0, 0.6},
          {80, 30, false, Grip::Right, 0.1, 0.1}, {80, 150, false, Grip::Right, 0.2, 1.0},
          {50, 120, false, Grip::Move, 0.6, 1.0}, {50, -20, false, Grip::Move, 0.0, 0.4},
          {30, 40, true, Grip::Left, 0.3, 0.5}, {80, 110, true, Grip::Right, 0.0, 0.9},
          {30, 60, true, Grip::Left, 0.3, 0.3}, {50, 90, true, Grip::None, 0.2, 0.6}}) {
        GradientRangeModel m = Range();
        m.Press(px, grip == Grip::Move ? 15 : 5);
        EXPECT_EQ(m.GetGrip(), grip) << px;
        EXPECT_FALSE(m.DragTo(px, meta)) << px; // no step without motion
        EXPECT_TRUE(m.DragTo(tx, meta)) << px;
        EXPECT_NEAR(m.GetMin(), min, 1e-12) << px << "->" << tx;
        EXPECT_NEAR(m.GetMax(), max, 1e-12) << px << "->" << tx;
    }
}

TEST(GradientRangeModel, ReleaseAppliesOnlyTheGripAndReportsOnce)
{
    GradientRangeModel m = Range();
    m.Press(30, 5);
    m.DragTo(40, true); // both ends in by 0.1
    EXPECT_TRUE(m.Release(40));
    EXPECT_EQ(std::tuple(m.IsDragging(), m.GetGrip()), std::tuple(false, Grip::None));
    EXPECT_NEAR(m.GetMin(), 0.3, 1e-12);
    EXPECT_NEAR(m.GetMax(), 0.5, 1e-12);
    EXPECT_FALSE(m.Release(40));
    EXPECT_FALSE(m.DragTo(60, false));
    // Without usable width pixels move nothing, but the ends are still clamped.
    GradientRangeModel flat = Range(30, -0.5, 0.6);
    flat.Press(10, 5);
    ASSERT_EQ(flat.GetGrip(), Grip::Left);
    flat.DragTo(100, false);
    EXPECT_EQ(std::tuple(flat.GetMin(), flat.GetMax()), std::tuple(0.0, 0.6));
}

TEST(GradientSummaryModel, RowSamplesTheWholeGradient)
{
    Gradient g;
    g.AddPoint(CONTROL_POINT(0.25, Color(1.0, 0.0, 0.0)));
    g.AddPoint(CONTROL_POINT(0.75, Color(0.0, 0.0, 1.0)));
    GradientSummaryModel m;
    m.SetSpace(15, 15);
    m.SetWidth(35);
    m.Rebuild(&g);
    ASSERT_EQ(m.GetRow().size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        Color want;
        ASSERT_TRUE(g.GetColour(i / 4.0, want));
        EXPECT_EQ(m.GetRow()[i], want) << i;
    }
    m.SetWidth(37); // without a gradient the old entries stay and the new ones are green
    m.Rebuild(nullptr);
    EXPECT_EQ(m.GetRow()[4], Color(0.0, 0.0, 1.0));
    EXPECT_EQ(m.GetRow()[6], Color(0.0, 1.0, 0.0));
    m.SetWidth(31); // one column shows position 0
    m.Rebuild(&g);
    EXPECT_EQ(m.GetRow(), std::vector<Color>{Color(1.0, 0.0, 0.0)});
    m.SetWidth(10);
    m.Rebuild(&g);
    EXPECT_TRUE(m.GetRow().empty());
}

TEST(GradientStripArithmetic, PagingAndScrollRequestsStopAtTheEnds)
{
    double min = 0.5, max = 0.8;
    EXPECT_TRUE(PageDisplayRange(min, max, true)); // only as far as 1
    EXPECT_EQ(std::tuple(min, max), std::tuple(0.7, 1.0));
    EXPECT_FALSE(PageDisplayRange(min, max, true));
    min = 0.3, max = 0.7;
    EXPECT_TRUE(PageDisplayRange(min, max, false));
    EXPECT_EQ(std::tuple(min, max), std::tuple(0.0, 0.7 - 0.3));
    int32_t end = -1;
    double amount = 0.0; // filled in only when a scroll is asked for
    EXPECT_TRUE(StopScrollRequest(0.6, 0.2, 0.6, end, amount));
    EXPECT_EQ(std::tuple(end, amount), std::tuple(1, 0.6 - 0.1 * 0.2));
    EXPECT_TRUE(StopScrollRequest(0.2, 0.2, 0.6, end, amount) && end == 0);
    EXPECT_FALSE(StopScrollRequest(0.4, 0.2, 0.6, end, amount));
    EXPECT_FALSE(StopScrollRequest(-0.1, -0.1, 0.6, end, amount));
}

// The add strip's columns 16..w-17 carry positions (x - 14) / (w - 32) of the shown range;
// ticks go back to the nearest column; a click allows 2 pixels of slack each way.
TEST(GradientStripArithmetic, AddStripColumnsAndClicks)
{
    // width 132: usable 100; range 0.2..0.6
    for (const auto& [x, ok, p] : {std::tuple{15, false, 0.0}, {16, true, 0.2 + 2 * 0.004}, {66, true, 0.2 + 52 * 0.004},
                                   {115, true, 0.2 + 101 * 0.004}, {116, false, 0.0}}) {
        double got = -1.0;
        EXPECT_EQ(SlugPositionOfColumn(x, 132, 0.2, 0.6, got), ok) << x;
        EXPECT_NEAR(got, ok ? p : -1.0, 1e-12) << x;
    }
    double none = -1.0;
    EXPECT_FALSE(SlugPositionOfColumn(20, 32, 0.0, 1.0, none)); // no usable width
    int column = -1;
    EXPECT_TRUE(SlugColumnOfPosition(0.2 + 52 * 0.004, 132, 0.2, 0.6, column));
    EXPECT_EQ(column, 66);
    EXPECT_TRUE(SlugColumnOfPosition(0.2, 132, 0.2, 0.6, column) && column == 16); // pinned inside the frame
    EXPECT_FALSE(SlugColumnOfPosition(0.61, 132, 0.2, 0.6, column));
    EXPECT_FALSE(SlugColumnOfPosition(0.3, 132, 0.3, 0.3, column));
    for (const auto& [x1, y1, click] : {std::tuple{12, 22, true}, {8, 18, true}, {13, 20, false}, {10, 17, false}})
        EXPECT_EQ(IsSlugClick(10, 20, x1, y1), click) << x1 << "," << y1;
    EXPECT_FALSE(IsSlugClick(INT32_MIN, 0, INT32_MAX, 0));
}
