// The stop bar's columns, hit regions and press / motion / release rules, without a window.
#include <memory>
#include <tuple>

#include <vorn/colour/gradient_stop_bar_model.h>
#include <vorn/util/gradient.h>

#include <gtest/gtest.h>

#include "../controls/hand_clock.h"

using namespace vorn;
using Model = GradientStopBarModel;

namespace {
// 200 columns between margins of 15 show [0, 1]: stop 1 (0.25) at column 65, stop 2 (0.75) at 165.
class StopBarModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        bar.SetSpace(15, 15);
        bar.SetWidth(230);
        bar.SetClock(std::make_unique<HandClock>(&now));
        gradient.AddPoint(CONTROL_POINT(0.25, Color(1, 0, 0)));
        gradient.AddPoint(CONTROL_POINT(0.75, Color(0, 0, 1)));
    }
    long now = 0;
    Model bar;
    Gradient gradient;
};
} // namespace

TEST_F(StopBarModelTest, ColumnsPositionsAndHitRegions)
{
    bar.SetRange(0.2, 0.6);
    for (const auto& [x, p] : {std::tuple{-5, 0.2}, {14, 0.2}, {15, 0.2}, {115, 0.4}, {215, 0.6}, {216, 0.6}})
        EXPECT_DOUBLE_EQ(bar.PositionOf(x), p) << x;
    for (const auto& [p, col] : {std::tuple{0.2, 15}, {0.3, 65}, {0.6, 215}, {0.0, -84}, {0.25, 40}})
        EXPECT_EQ(bar.ColumnOf(p), col) << p;
    bar.SetRange(0.5, 0.5); // no scale: stops at the left margin, any column at min
    EXPECT_EQ(bar.ColumnOf(0.5), 15);
    for (const auto& [y, k] : {std::tuple{15, 0}, {16, 1}, {22, 1}, {23, 0}, {28, 2}, {34, 2}, {46, 3}, {47, 0}})
        EXPECT_EQ(Model::ToggleAt(y), k) << y;
    for (const auto& [x, y, on] : {std::tuple{206, 89, true}, {207, 88, false}, {200, 78, true}, {192, 85, false}})
        EXPECT_EQ(Model::OnColourDot(x, y), on) << x << "," << y;
    EXPECT_TRUE(Model::NearStop(65, 71, 49) && Model::NearStop(65, 59, -3));
    EXPECT_FALSE(Model::NearStop(65, 72, 5) || Model::NearStop(65, 58, 5) || Model::NearStop(65, 65, 50));
}

// The selected stop's marker only arms: it drags once held 101 ms, and a wobble of 2
// pixels before then disarms it for good.
TEST_F(StopBarModelTest, ArmingWaitsForTheClock)
{
    now = 55;
    EXPECT_EQ(bar.Press(71, 5, gradient, 1).hit, StopBarHit::Marker); // restarts the clock
    StopBarMotion m = bar.Move(72, 6);
    EXPECT_TRUE(now == 0 && m.waiting && !m.move && bar.IsArmed());
    now = 100;
    bar.Move(71, 7);
    now = 500;
    m = bar.Move(90, 5);
    EXPECT_FALSE(m.waiting || m.tracking || m.move || bar.Release(90, 5).endDrag);
    bar.Press(65, 5, gradient, 1);
    now = 101;
    EXPECT_TRUE(bar.Move(75, 5).tracking && bar.IsDragging());
    EXPECT_EQ(bar.Press(65, 5, Gradient(), 1).hit, StopBarHit::NoStop);
}
