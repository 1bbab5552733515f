// The arithmetic of both scroll bars, without a window.
#include <cmath>
#include <tuple>

#include <gtest/gtest.h>

#include <vorn/controls/scroll_bar_model.h>

using namespace vorn;

namespace {
SimpleScrollBarModel Track(int height, bool endButtons, double fraction)
{
    SimpleScrollBarModel m;
    m.SetLayout(height, endButtons);
    m.SetTabHeight(m.TabHeightFor(fraction));
    return m;
}
} // namespace

TEST(SimpleScrollBarModel, TrackAndTabGeometry)
{
    // window height, end buttons, fraction -> start, track, tab height, tab top at 0 / 0.5 / 1
    for (const auto& [h, ends, f, start, track, tab, top0, topHalf, top1] :
         {std::tuple{224, true, 0.5, 12, 200, 100, 12, 62, 112}, {224, true, 0.01, 12, 200, 29, 12, 97, 183},
          {100, false, 0.5, 0, 100, 50, 0, 25, 50}, {100, false, 7.0, 0, 100, 99, 0, 0, 1},
          {30, true, 0.5, 12, 6, 29, 12, 0, -11}}) {
        const SimpleScrollBarModel m = Track(h, ends, f);
        EXPECT_EQ(std::tuple(m.GetScrollStart(), m.GetScrollHeight(), m.GetTabHeight()), std::tuple(start, track, tab))
            << h << " " << f;
        EXPECT_EQ(std::tuple(m.TabTop(0.0), m.TabTop(0.5), m.TabTop(1.0)), std::tuple(top0, topHalf, top1))
            << h << " " << f;
    }
}

TEST(SimpleScrollBarModel, TabHitAndDragOverTheFreeTravel)
{
    const SimpleScrollBarModel m = Track(224, true, 0.5); // tab rows 62..161 at 0.5, 100 rows of travel
    EXPECT_EQ(std::tuple(m.OnTab(61, 0.5), m.OnTab(62, 0.5), m.OnTab(161, 0.5), m.OnTab(162, 0.5)),
              std::tuple(false, true, true, false));
    EXPECT_DOUBLE_EQ(m.DragValue(80, 70, 0.2), 0.3);
    EXPECT_DOUBLE_EQ(m.DragValue(20, 70, 0.2), -0.3); // the bar clamps
    // A tab that fills the track pins a drag at 0.
    EXPECT_EQ(Track(30, true, 0.5).DragValue(40, 10, 0.7), 0.0);
}

TEST(SimpleScrollBarModel, EndButtonStepsAreContentPixels)
{
    // 200 rows showing half the content: 400 content pixels.
    EXPECT_DOUBLE_EQ(SimpleScrollBarModel::StepValue(0.5, 20.0, 200, 0.5, false), 0.55);
    EXPECT_DOUBLE_EQ(SimpleScrollBarModel::StepValue(0.5, 5.0, 200, 0.5, true), 0.5 - 5.0 / 400);
    EXPECT_EQ(SimpleScrollBarModel::StepValue(0.5, 5.0, 0, 0.5, true), 0.5);
}

TEST(SimpleScrollBarModel, ClampsValueAndFraction)
{
    EXPECT_EQ(SimpleScrollBarModel::ClampValue(-0.1), 0.0);
    EXPECT_EQ(SimpleScrollBarModel::ClampValue(1.5), 1.0);
    EXPECT_EQ(SimpleScrollBarModel::ClampValue(std::nan("")), 0.0);
    EXPECT_EQ(SimpleScrollBarModel::ClampFraction(0.0), 0.0001);
    EXPECT_EQ(SimpleScrollBarModel::ClampFraction(1.0), 0.9999);
    EXPECT_EQ(SimpleScrollBarModel::ClampFraction(std::nan("")), 0.0001);
}

TEST(ScrollBarRangeModel, ValueIsTheOffsetInContentUnitsUntilTheContentFits)
{
    ScrollBarRangeModel m;
    m.SetTravel(12, 100);
    m.SetPage(100);
    m.SetRange(1000);
    m.SetValue(0.5);
    EXPECT_EQ(m.GetPosition(), 56);
    EXPECT_DOUBLE_EQ(m.GetValue(), 450.0);
    m.SetValue(2.0);
    EXPECT_EQ(m.GetPosition(), 100);
    EXPECT_FALSE(m.AddToRange(-890)); // 110: still longer than the page
    EXPECT_TRUE(m.AddToRange(-10));   // 100: fits now, reported once
    EXPECT_FALSE(m.AddToRange(-60));
    EXPECT_EQ(m.GetValue(), 0.0); // no offset while the content fits
}

TEST(ScrollBarRangeModel, DragMovesOnlyLongContentWithinTheTravel)
{
    ScrollBarRangeModel m;
    m.SetTravel(12, 100);
    m.SetPage(100);
    m.SetRange(100);
    m.BeginDrag(20);
    EXPECT_FALSE(m.DragTo(40)); // fits in the page: nothing to scroll
    m.SetRange(500);
    m.BeginDrag(20);
    EXPECT_TRUE(m.DragTo(40));
    EXPECT_EQ(m.GetPosition(), 32);
    EXPECT_TRUE(m.DragTo(-100));
    EXPECT_EQ(m.GetPosition(), 12);
    EXPECT_FALSE(m.DragTo(-150));
}
