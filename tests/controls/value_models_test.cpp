// The value arithmetic of the sliders, the thumb wheel and the dials, without a window.
#include <cfloat>
#include <cmath>

#include <gtest/gtest.h>

#include <vorn/controls/angle_model.h>
#include <vorn/controls/slider_model.h>
#include <vorn/controls/thumb_wheel_model.h>

using namespace vorn;

namespace {
SliderModel Slider(int width = 110, int height = 20)
{
    SliderModel m;
    m.Reset(width, height);
    return m;
}

// Min, max and gap.
std::tuple<int, int, int> Range(const SliderModel& m) { return {m.GetMin(), m.GetMax(), m.GetGap()}; }

ThumbWheelModel Wheel(float value = 35.0f, bool vertical = false, int period = 20)
{
    ThumbWheelModel m;
    m.Reset(vertical, period);
    m.SetValue(value);
    return m;
}

AngleDialModel Dial(double zero = 0.0)
{
    AngleDialModel m;
    m.SetGeometry(50, 40, 30);
    m.SetZero(zero);
    m.SetFraction(0.0f);
    return m;
}

std::pair<int, int> XY(DialPoint p) { return {p.x, p.y}; }

AngleClippersModel Clippers(int rangePixels = 100)
{
    AngleClippersModel m;
    m.Reset(80, 44, rangePixels);
    return m;
}
} // namespace

// ---- sliders: positions in tenths of a pixel ----

TEST(SliderModel, RangeAndReportedValue)
{
    SliderModel m = Slider();
    EXPECT_EQ(Range(m), std::make_tuple(0, 1000, 5)); // tenths of the pixels left of a 10-pixel knob, gap
    // SetReported clamps (NaN counts as 0) and puts the next jump's origin at the knob.
    const std::pair<double, double> cases[] = {{1.5, 1.0}, {-2.0, 0.0}, {std::nan(""), 0.0}, {0.333, 0.333}};
    for (const auto& [in, out] : cases) {
        EXPECT_DOUBLE_EQ(m.SetReported(in), out) << in;
        EXPECT_DOUBLE_EQ(m.GetValue(), 1000 * out) << in;
        EXPECT_DOUBLE_EQ(m.GetReported(), out) << in;
        EXPECT_EQ(m.GetLastX(), static_cast<int>(100 * out)) << in; // truncated
    }
    m.Setup(4, 8, 12, 6); // margins shift the range
    EXPECT_EQ(Range(m), std::make_tuple(40, 960, 4));
    m.SetReported(0.5);
    EXPECT_DOUBLE_EQ(m.GetValue(), 500);
    m.Setup(0, 12, 12, -1); // no right margin
    EXPECT_EQ(m.GetMax(), 980);
    EXPECT_DOUBLE_EQ(Slider(10, 10).GetReported(), 0.0); // a knob as wide as the slider
}

TEST(SliderModel, HitTestsIncludeTheirEdges)
{
    SliderModel m = Slider(); // band y 5..15
    m.SetReported(0.305); // knob left edge at 30.5
    for (const auto& [y, x, inside] : {std::tuple{4, 30, false}, {5, 31, true}, {15, 40, true}, {16, 41, false}}) {
        EXPECT_EQ(m.InBand(y), inside) << y;
        EXPECT_EQ(m.OnKnob(x), inside) << x;
    }
}

TEST(SliderModel, TrackJumpCentresTheKnobAndClamps)
{
    const std::pair<int, double> cases[] = {{50, 450}, {108, 1000}, {2, 0}};
    for (const auto& [x, value] : cases) {
        SliderModel m = Slider();
        m.JumpTo(x);
        EXPECT_DOUBLE_EQ(m.GetValue(), value) << x;
        EXPECT_EQ(m.GetLastX(), x);
    }
    SliderModel odd = Slider();
    odd.Setup(0, 11, 10, -1); // half of 11 rounds towards zero
    odd.JumpTo(50);
    EXPECT_DOUBLE_EQ(odd.GetValue(), 450);
}

TEST(SliderModel, DragStepsInPixelsOrTenths)
{
    SliderModel m = Slider();
    m.JumpTo(50); // value 450, from x 50
    EXPECT_TRUE(m.DragTo(60, false));
    EXPECT_DOUBLE_EQ(m.GetValue(), 550);
    EXPECT_TRUE(m.DragTo(70, true)); // fine: ten pixels of pointer, one of knob
    EXPECT_DOUBLE_EQ(m.GetValue(), 560);
    EXPECT_FALSE(m.DragTo(70, true));
    m.DragTo(400, false); // coarse: the pointer is clamped to the window first
    EXPECT_EQ(m.GetLastX(), 110);
    EXPECT_DOUBLE_EQ(m.GetValue(), 960);
    EXPECT_FALSE(m.DragTo(500, false)); // clamped to the same x: no change
    m.DragTo(-300, true); // fine: the pointer may leave the window
    EXPECT_DOUBLE_EQ(m.GetValue(), 550);
    m.EndDrag(); // the knob's edge becomes the next jump's origin
    EXPECT_EQ(m.GetLastX(), 55);
    m.JumpTo(20);
    EXPECT_DOUBLE_EQ(m.GetValue(), 150);
    // The change test compares with the value truncated to a whole tenth.
    m.SetReported(0.12345);
    m.Grab(40);
    EXPECT_TRUE(m.DragTo(40, false));
}

// ---- thumb wheel ----

TEST(ThumbWheelModel, PressFixesTheStepFromTheValue)
{
    struct Case {
        float value;
        bool vertical;
        double step;
    };
    for (const Case& c : {Case{35.0f, false, -0.1}, Case{35.0f, true, 0.1}, Case{-7.0f, false, -0.02},
                          Case{0.0f, false, -1e-06}, Case{0.0f, true, 1e-06}}) {
        ThumbWheelModel m = Wheel(c.value, c.vertical);
        m.SetStep(1000.0); // replaced by the press
        m.Press(0);
        EXPECT_DOUBLE_EQ(m.GetStep(), c.step) << c.value << " vertical " << c.vertical;
    }
}

TEST(ThumbWheelModel, DragsRaiseTheValueUpwardsAndByItsMagnitude)
{
    // Ten pixels up raise 35 by one; 350 pixels change a value by its magnitude at the press.
    for (const auto& [value, vertical, to, out] : {std::tuple{35.0f, true, 40, 36.0f}, {-7.0f, false, 350, 0.0f}}) {
        ThumbWheelModel m = Wheel(value, vertical);
        m.Press(vertical ? 50 : 0);
        m.DragTo(to, false);
        EXPECT_NEAR(m.GetValue(), out, 1e-6) << value;
    }
}

TEST(ThumbWheelModel, ClampsAndFloatRange)
{
    ThumbWheelModel m = Wheel();
    m.SetMax(35.5);
    m.SetMin(34.8);
    m.Press(0);
    m.DragTo(10, false);
    EXPECT_EQ(m.GetValue(), 35.5f);
    m.DragTo(-20, false);
    EXPECT_FLOAT_EQ(m.GetValue(), 34.8f);
    ThumbWheelModel far = Wheel(1e33f, false, 7);
    far.Press(-2000000000);
    far.DragTo(2000000000, false); // beyond a float: the largest float
    EXPECT_EQ(far.GetValue(), FLT_MAX);
    EXPECT_EQ(far.GetPosition(), 40); // -40000000000 wraps into 0..70
}

TEST(ThumbWheelModel, TextureOffsetWrapsOverThePeriod)
{
    // Drags from x 100 of a wheel at offset 0 with a 200-tenth period.
    const std::pair<int, int> cases[] = {{75, 50}, {80, 200}, {79, 10}, {60, 200}, {140, 0}, {90, 100}, {101, 190}};
    for (const auto& [x, position] : cases) {
        ThumbWheelModel m = Wheel();
        m.Press(100);
        m.DragTo(x, false);
        EXPECT_EQ(m.GetPosition(), position) << x;
        EXPECT_EQ(m.GetWindowStart(), position / 10) << x;
    }
    ThumbWheelModel still = Wheel(35.0f, false, 0); // no period: no scrolling, the value still moves
    still.Press(0);
    still.DragTo(10, false);
    EXPECT_EQ(still.GetPosition(), 0);
    EXPECT_EQ(still.GetValue(), 36.0f);
}

TEST(ThumbWheelModel, ReleaseSnapsValuesNearZero)
{
    const std::pair<float, float> cases[] = {{9.9e-07f, 0.0f}, {-9.9e-07f, 0.0f}, {-1.1e-06f, -1.1e-06f}, {3e-06f, 3e-06f}};
    for (const auto& [in, out] : cases) {
        ThumbWheelModel m = Wheel(in);
        m.Release();
        EXPECT_EQ(m.GetValue(), out) << in;
    }
}

// ---- direction dial ----

TEST(AngleDialModel, FractionPlacesTheKnobCounterClockwise)
{
    struct Case {
        float f;
        int x, y;
    };
    AngleDialModel m = Dial(); // centre (50, 40), radius 30
    for (const Case& c : {Case{0.0f, 80, 40}, Case{0.25f, 50, 10}, Case{0.5f, 20, 40}, Case{0.125f, 71, 19}}) {
        m.SetFraction(c.f); // offsets truncated towards the centre
        EXPECT_EQ(XY(m.GetKnob()), std::make_pair(c.x, c.y)) << c.f;
        EXPECT_NEAR(m.GetValue(), c.f, 1e-7);
    }
    m.SetFraction(2.5f); // wraps only once
    EXPECT_FLOAT_EQ(m.GetAngle(), 1.5f);
}

TEST(AngleDialModel, ZeroDirectionAndValuesThatAreNoNumbers)
{
    AngleDialModel m = Dial(90.0);
    EXPECT_FLOAT_EQ(m.GetAngle(), 0.25f);
    EXPECT_DOUBLE_EQ(m.GetValue(), 0.0);
    ASSERT_TRUE(m.Follow(90, 40, false)); // pointer straight right
    EXPECT_DOUBLE_EQ(m.GetValue(), 0.75);
    for (const float bad : {std::nanf(""), HUGE_VALF, -HUGE_VALF}) {
        m.SetFraction(bad); // the zero direction, straight up
        EXPECT_FLOAT_EQ(m.GetAngle(), 0.25f) << bad;
        EXPECT_EQ(m.GetKnob().y, 10) << bad;
    }
    m.SetZero(std::nan("")); // straight right
    m.SetFraction(0.5f);
    EXPECT_FLOAT_EQ(m.GetAngle(), 0.0f);
    EXPECT_EQ(m.GetKnob().x, 80);
}

TEST(AngleDialModel, PointerDirectionInTurns)
{
    const AngleDialModel m = Dial();
    const std::pair<DialPoint, double> cases[] = {
        {{60, 40}, 0.0}, {{50, 0}, 0.25}, {{0, 40}, 0.5}, {{50, 41}, 0.75}};
    for (const auto& [p, turns] : cases) {
        double a = -1.0;
        ASSERT_TRUE(m.PointerTurns(p.x, p.y, a));
        EXPECT_DOUBLE_EQ(a, turns) << p.x << "," << p.y;
    }
    double a = -1.0;
    ASSERT_TRUE(m.PointerTurns(60, 41, a)); // just below the axis: nearly, never, a whole turn
    EXPECT_GT(a, 0.98);
    EXPECT_LT(a, 1.0);
    EXPECT_FALSE(m.PointerTurns(50, 40, a)); // the centre has no direction
}

TEST(AngleDialModel, CoarseStepsFollowThePointerFineStepsATenth)
{
    AngleDialModel m = Dial();
    m.Press();
    ASSERT_TRUE(m.Follow(53, 36, false)); // direction (3, 4) / 5: the knob on that ray
    EXPECT_EQ(XY(m.GetKnob()), std::make_pair(68, 16));
    const float before = m.GetAngle();
    EXPECT_FALSE(m.Follow(50, 40, false)); // on the centre: nothing moves
    EXPECT_FALSE(m.Follow(50, 40, true));
    EXPECT_EQ(m.GetAngle(), before);

    m.SetFraction(0.5f);
    m.Press();
    ASSERT_TRUE(m.Follow(50, 0, true)); // pointer at 0.25, from the dial's 0.5
    EXPECT_FLOAT_EQ(m.GetAngle(), 0.475f);
    ASSERT_TRUE(m.Follow(0, 40, true)); // +0.25 of pointer
    EXPECT_FLOAT_EQ(m.GetAngle(), 0.5f);
    EXPECT_EQ(m.GetKnob().x, 20);
}

TEST(AngleDialModel, FineModeUnwrapsAcrossTheZeroDirection)
{
    AngleDialModel m = Dial();
    m.SetFraction(0.9f);
    m.Press();
    ASSERT_TRUE(m.Follow(90, 40, true)); // pointer at 0, coming from 0.9: +0.1, not -0.9
    EXPECT_FLOAT_EQ(m.GetAngle(), 0.91f);
    EXPECT_EQ(m.GetPrevious(), 0.0);
    ASSERT_TRUE(m.Follow(60, 50, true)); // back below the axis to 0.875
    EXPECT_FLOAT_EQ(m.GetAngle(), 0.8975f);
    m.SetFraction(0.99f);
    m.Press();
    ASSERT_TRUE(m.Follow(60, 30, true)); // 0.99 -> 0.125 is +0.135, and stays above 1
    EXPECT_FLOAT_EQ(m.GetAngle(), 1.0035f);
    EXPECT_NEAR(m.GetValue(), 1.0035, 1e-6);
}

// ---- clippers ----

TEST(AngleClippersModel, GeometryAndBladePoints)
{
    AngleClippersModel m = Clippers();
    EXPECT_EQ(m.GetBladeLength(), 22);
    EXPECT_EQ(m.GetCentre().x, 53);
    EXPECT_EQ(m.GetArcRadius(), 17);
    struct Case {
        double v;
        DialPoint outer, inner;
    };
    for (const Case& c : {Case{0.0, {75, 22}, {70, 22}}, Case{1.0, {53, 0}, {53, 5}}, Case{0.5, {68, 7}, {65, 10}}}) {
        m.SetValue(c.v);
        EXPECT_EQ(XY(m.GetOuter()), XY(c.outer)) << c.v;
        EXPECT_EQ(XY(m.GetInner()), XY(c.inner)) << c.v;
    }
}

TEST(AngleClippersModel, SetValueClampsAndTellsWhetherThePositionMoved)
{
    AngleClippersModel m = Clippers(); // 0.2501 is the same tenth of a pixel as 0.25
    for (const auto& [in, moved, kept, position] :
         {std::tuple{0.25, true, 0.25, 250}, {0.2501, false, 0.2501, 250}, {3.0, true, 1.0, 1000}, {std::nan(""), true, 0.0, 0}}) {
        EXPECT_EQ(m.SetValue(in), moved) << in;
        EXPECT_DOUBLE_EQ(m.GetValue(), kept) << in;
        EXPECT_EQ(m.GetPosition(), position) << in;
    }
}

TEST(AngleClippersModel, DownwardDragOpens)
{
    AngleClippersModel m = Clippers();
    m.Grab(10); // 20 of 100 pixels, again, 5 tenths finely, closed, already closed, open
    for (const auto& [y, fine, moved, value] : {std::tuple{30, false, true, 0.2}, {30, false, false, 0.2}, {35, true, true, 0.205},
                                                {-500, false, true, 0.0}, {-600, false, false, 0.0}, {2000, false, true, 1.0}}) {
        EXPECT_EQ(m.DragTo(y, fine), moved) << y;
        EXPECT_DOUBLE_EQ(m.GetValue(), value) << y;
        EXPECT_EQ(m.GetLast(), y);
    }
    // The drag keeps its own position: range * (p / range) can fall a tenth short.
    for (int rangePixels = 1; rangePixels <= 60; ++rangePixels) {
        AngleClippersModel c = Clippers(rangePixels);
        for (int y = 1; y <= rangePixels * 10; ++y) {
            c.DragTo(y, true);
            ASSERT_EQ(c.GetPosition(), y) << "range " << rangePixels;
        }
    }
}
