// The angle dials' arithmetic without a window: the zero direction, the pointer's
// direction, fine mode's unwrapping across the +x axis, and the clippers' drag.
#include <cmath>

#include <gtest/gtest.h>

#include <vorn/controls/angle_model.h>

using namespace vorn;

namespace {
AngleDialModel Dial(double zero = 0.0)
{
    AngleDialModel m;
    m.cx = 50;
    m.cy = 40;
    m.radius = 30;
    m.zero = zero;
    m.SetFraction(0.0f);
    return m;
}

// A pointer far out at the given direction (turns), on whole pixels.
std::pair<int, int> PointerAt(const AngleDialModel& m, double turns, double distance = 400.0)
{
    const double t = turns * 2.0 * 3.14159265358979323846;
    return {m.cx + static_cast<int>(std::lround(distance * std::cos(t))),
            m.cy - static_cast<int>(std::lround(distance * std::sin(t)))};
}

double Turns(const AngleDialModel& m, std::pair<int, int> p)
{
    double a = -1.0;
    EXPECT_TRUE(m.PointerTurns(p.first, p.second, a));
    return a;
}
} // namespace

TEST(AngleDialModel, FractionPlacesTheKnobCounterClockwiseFromTheRight)
{
    AngleDialModel m = Dial();
    EXPECT_EQ(m.knobX, 80);
    EXPECT_EQ(m.knobY, 40);
    m.SetFraction(0.25f);
    EXPECT_EQ(m.knobX, 50);
    EXPECT_EQ(m.knobY, 10); // up on screen
    m.SetFraction(0.5f);
    EXPECT_EQ(m.knobX, 20);
    EXPECT_EQ(m.knobY, 40);
    m.SetFraction(0.125f); // offsets truncated towards the centre: 30 * cos 45 = 21.2
    EXPECT_EQ(m.knobX, 71);
    EXPECT_EQ(m.knobY, 19);
    EXPECT_DOUBLE_EQ(m.GetValue(), 0.125);
}

TEST(AngleDialModel, ZeroDirectionOffsetsTheReportedValue)
{
    AngleDialModel m = Dial(90.0);
    EXPECT_FLOAT_EQ(m.angle, 0.25f);
    EXPECT_EQ(m.knobX, 50); // straight up
    EXPECT_EQ(m.knobY, 10);
    EXPECT_DOUBLE_EQ(m.GetValue(), 0.0);
    ASSERT_TRUE(m.Follow(90, 40, false)); // pointer straight to the right
    EXPECT_FLOAT_EQ(m.angle, 0.0f);
    EXPECT_DOUBLE_EQ(m.GetValue(), 0.75);
}

TEST(AngleDialModel, FractionWrapsOnlyOnce)
{
    AngleDialModel m = Dial(270.0);
    m.SetFraction(0.5f); // 1.25 turns: one turn less
    EXPECT_FLOAT_EQ(m.angle, 0.25f);
    EXPECT_NEAR(m.GetValue(), 0.5, 1e-7);
    m = Dial();
    m.SetFraction(2.5f);
    EXPECT_FLOAT_EQ(m.angle, 1.5f);
    EXPECT_NEAR(m.GetValue(), 1.5, 1e-7);
    m.SetFraction(1.0f); // exactly 1 is not above 1
    EXPECT_FLOAT_EQ(m.angle, 1.0f);
}

TEST(AngleDialModel, FractionThatIsNoNumberPointsAtTheZeroDirection)
{
    AngleDialModel m = Dial(90.0);
    m.SetFraction(0.5f);
    for (const float bad : {std::nanf(""), HUGE_VALF, -HUGE_VALF}) {
        m.SetFraction(bad);
        EXPECT_FLOAT_EQ(m.angle, 0.25f) << bad;
        EXPECT_DOUBLE_EQ(m.GetValue(), 0.0) << bad;
        EXPECT_EQ(m.knobX, 50) << bad; // straight up from the centre (50, 40)
        EXPECT_EQ(m.knobY, 10) << bad;
    }
    m.zero = std::nan(""); // a zero direction that is no number leaves the dial pointing right
    m.SetFraction(0.5f);
    EXPECT_FLOAT_EQ(m.angle, 0.0f);
    EXPECT_EQ(m.knobX, 80);
    EXPECT_EQ(m.knobY, 40);
}

TEST(AngleDialModel, PointerDirectionInTurns)
{
    const AngleDialModel m = Dial();
    double a = -1.0;
    ASSERT_TRUE(m.PointerTurns(60, 40, a));
    EXPECT_EQ(a, 0.0); // straight right is 0, never 1
    ASSERT_TRUE(m.PointerTurns(50, 0, a));
    EXPECT_DOUBLE_EQ(a, 0.25);
    ASSERT_TRUE(m.PointerTurns(0, 40, a));
    EXPECT_DOUBLE_EQ(a, 0.5);
    ASSERT_TRUE(m.PointerTurns(50, 41, a));
    EXPECT_DOUBLE_EQ(a, 0.75);
    ASSERT_TRUE(m.PointerTurns(60, 41, a)); // just below the axis: nearly a whole turn
    EXPECT_GT(a, 0.98);
    EXPECT_LT(a, 1.0);
    EXPECT_FALSE(m.PointerTurns(50, 40, a)); // the centre has no direction
}

TEST(AngleDialModel, CoarseStepPutsTheKnobOnThePointersRay)
{
    AngleDialModel m = Dial();
    m.Press();
    ASSERT_TRUE(m.Follow(53, 36, false)); // direction (3, 4) / 5
    EXPECT_EQ(m.knobX, 68);
    EXPECT_EQ(m.knobY, 16);
    EXPECT_NEAR(m.angle, std::atan2(4.0, 3.0) / (2 * 3.14159265358979323846), 1e-7);
    const AngleDialModel before = m;
    EXPECT_FALSE(m.Follow(50, 40, false)); // on the centre: nothing moves
    EXPECT_EQ(m.angle, before.angle);
    EXPECT_EQ(m.knobX, before.knobX);
    EXPECT_FALSE(m.Follow(50, 40, true));
    EXPECT_EQ(m.previous, before.previous);
}

TEST(AngleDialModel, FineStepsMoveATenthOfThePointer)
{
    AngleDialModel m = Dial();
    m.SetFraction(0.5f);
    m.Press();
    EXPECT_DOUBLE_EQ(m.previous, 0.5);
    // The first step measures from the dial's own direction at the press.
    ASSERT_TRUE(m.Follow(50, 0, true)); // pointer up: 0.25
    EXPECT_FLOAT_EQ(m.angle, 0.475f);
    EXPECT_DOUBLE_EQ(m.previous, 0.25);
    ASSERT_TRUE(m.Follow(0, 40, true)); // pointer left: +0.25 of pointer, +0.025 of dial
    EXPECT_FLOAT_EQ(m.angle, 0.5f);
    EXPECT_EQ(m.knobX, 20);
    EXPECT_EQ(m.knobY, 40);
}

TEST(AngleDialModel, FineModeUnwrapsAcrossTheZeroDirection)
{
    AngleDialModel m = Dial();
    m.SetFraction(0.9f);
    m.Press();
    ASSERT_TRUE(m.Follow(90, 40, true)); // pointer at 0, coming from 0.9: +0.1, not -0.9
    EXPECT_FLOAT_EQ(m.angle, 0.91f);
    EXPECT_EQ(m.previous, 0.0);
    ASSERT_TRUE(m.Follow(60, 50, true)); // back below the axis to 0.875: -0.125
    EXPECT_FLOAT_EQ(m.angle, 0.8975f);
    EXPECT_DOUBLE_EQ(m.previous, 0.875);
}

TEST(AngleDialModel, FineSweepAcrossTheAxisIsSmoothAndNotWrapped)
{
    AngleDialModel m = Dial();
    m.SetFraction(0.95f);
    m.Press();
    const auto first = PointerAt(m, 0.9);
    ASSERT_TRUE(m.Follow(first.first, first.second, true));
    const float start = m.angle;
    const double a0 = Turns(m, first);
    double lastA = a0;
    float lastAngle = m.angle;
    std::pair<int, int> p;
    for (int i = 1; i <= 20; ++i) { // the pointer turns 0.9 -> 1.1, across the +x axis
        p = PointerAt(m, 0.9 + 0.01 * i);
        ASSERT_TRUE(m.Follow(p.first, p.second, true));
        double a = Turns(m, p);
        const double pointerStep = a < lastA - 0.5 ? a + 1.0 - lastA : a - lastA;
        EXPECT_NEAR(m.angle - lastAngle, pointerStep * 0.1, 1e-6) << "step " << i;
        lastA = a;
        lastAngle = m.angle;
    }
    EXPECT_NEAR(m.angle, start + (Turns(m, p) + 1.0 - a0) * 0.1, 1e-6);
    EXPECT_GT(m.angle, 0.95f); // not brought back into 0..1 by the crossing
}

TEST(AngleDialModel, FineAngleIsNotWrappedIntoOneTurn)
{
    AngleDialModel m = Dial();
    m.SetFraction(0.99f);
    m.Press();
    ASSERT_TRUE(m.Follow(60, 30, true)); // 0.99 -> 0.125 is taken as +0.135
    EXPECT_FLOAT_EQ(m.angle, 1.0035f);
    EXPECT_NEAR(m.GetValue(), 1.0035, 1e-6); // reported as it stands
}

TEST(AngleClippersModel, GeometryFromTheSize)
{
    AngleClippersModel m;
    m.Reset(80, 45, 100);
    EXPECT_EQ(m.r, 22);
    EXPECT_EQ(m.cx, 53);
    EXPECT_EQ(m.cy, 22);
    EXPECT_EQ(m.GetArcRadius(), 17);
    EXPECT_EQ(m.range, 1000);
    m.SetValue(0.0);
    EXPECT_EQ(m.outer.x, 75);
    EXPECT_EQ(m.outer.y, 22);
    EXPECT_EQ(m.inner.x, 70);
    EXPECT_EQ(m.inner.y, 22);
    m.SetValue(1.0);
    EXPECT_EQ(m.outer.x, 53);
    EXPECT_EQ(m.outer.y, 0);
    EXPECT_EQ(m.inner.x, 53);
    EXPECT_EQ(m.inner.y, 5);
    m.SetValue(0.5); // 45 degrees: 22 * 0.7071 = 15.6, 17 * 0.7071 = 12.02
    EXPECT_EQ(m.outer.x, 68);
    EXPECT_EQ(m.outer.y, 7);
    EXPECT_EQ(m.inner.x, 65);
    EXPECT_EQ(m.inner.y, 10);
}

TEST(AngleClippersModel, SetValueClampsAndTellsWhetherThePositionMoved)
{
    AngleClippersModel m;
    m.Reset(80, 44, 100);
    EXPECT_TRUE(m.SetValue(0.25));
    EXPECT_EQ(m.position, 250);
    EXPECT_FALSE(m.SetValue(0.2501)); // same tenth of a pixel
    EXPECT_DOUBLE_EQ(m.value, 0.2501);
    EXPECT_TRUE(m.SetValue(3.0));
    EXPECT_EQ(m.value, 1.0);
    EXPECT_EQ(m.position, 1000);
    EXPECT_TRUE(m.SetValue(-1.0));
    EXPECT_EQ(m.value, 0.0);
    m.SetValue(0.5);
    EXPECT_TRUE(m.SetValue(std::nan("")));
    EXPECT_EQ(m.value, 0.0);
}

TEST(AngleClippersModel, DownwardDragOpensTheBlades)
{
    AngleClippersModel m;
    m.Reset(80, 44, 100);
    m.last = 10;
    EXPECT_TRUE(m.DragTo(30, false)); // 20 pixels of a 100-pixel range
    EXPECT_EQ(m.position, 200);
    EXPECT_DOUBLE_EQ(m.value, 0.2);
    EXPECT_FALSE(m.DragTo(30, false));
    EXPECT_TRUE(m.DragTo(35, true)); // fine: 5 tenths
    EXPECT_EQ(m.position, 205);
    EXPECT_DOUBLE_EQ(m.value, 0.205);
    EXPECT_TRUE(m.DragTo(-500, false));
    EXPECT_EQ(m.position, 0);
    EXPECT_FALSE(m.DragTo(-600, false)); // already closed
    EXPECT_EQ(m.last, -600);
    EXPECT_TRUE(m.DragTo(2000, false));
    EXPECT_EQ(m.position, 1000);
    EXPECT_EQ(m.value, 1.0);
    EXPECT_EQ(m.outer.y, 0);
}

TEST(AngleClippersModel, DragKeepsItsOwnPositionForEveryRange)
{
    // position / range * range can fall short of position; the drag must not lose a tenth.
    for (int rangePixels = 1; rangePixels <= 60; ++rangePixels) {
        AngleClippersModel m;
        m.Reset(80, 44, rangePixels);
        for (int y = 1; y <= rangePixels * 10; ++y) {
            m.DragTo(y, true);
            ASSERT_EQ(m.position, y) << "range " << rangePixels;
        }
    }
}
