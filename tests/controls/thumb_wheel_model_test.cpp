// The thumb wheel's arithmetic without a window: step rules, fine mode, the texture
// offset's wrap and the snap to zero.
#include <cfloat>

#include <gtest/gtest.h>

#include <vorn/controls/thumb_wheel_model.h>

using namespace vorn;

namespace {
ThumbWheelModel Fresh(bool vertical = false, int period = 20)
{
    ThumbWheelModel m;
    m.Reset(vertical, period);
    return m;
}
} // namespace

TEST(ThumbWheelModel, FreshWheelState)
{
    const ThumbWheelModel m = Fresh(false, 300);
    EXPECT_EQ(m.period, 3000);
    EXPECT_EQ(m.position, 0);
    EXPECT_EQ(m.scale, 10);
    EXPECT_EQ(m.value, 0.0f);
    EXPECT_EQ(m.step, 10.0);
    EXPECT_EQ(m.max, 1e+50);
    EXPECT_EQ(m.min, -1e+50);
}

TEST(ThumbWheelModel, TenPixelsRightRaiseThirtyFiveByOne)
{
    ThumbWheelModel m = Fresh();
    m.value = 35.0f;
    m.Press(100);
    EXPECT_DOUBLE_EQ(m.step, -0.1); // a seventh of a percent of 35, negated horizontally
    m.DragTo(110, false);
    EXPECT_EQ(m.value, 36.0f);
    EXPECT_EQ(m.last, 110);

    // The same ten pixels one at a time land on 36 as well (each result is a float).
    m.value = 35.0f;
    m.Press(0);
    for (int x = 1; x <= 10; ++x)
        m.DragTo(x, false);
    EXPECT_FLOAT_EQ(m.value, 36.0f);
}

TEST(ThumbWheelModel, MetaKeyIsTenTimesFiner)
{
    ThumbWheelModel m = Fresh();
    m.value = 35.0f;
    m.Press(100);
    m.DragTo(110, true);
    EXPECT_FLOAT_EQ(m.value, 35.1f);
    EXPECT_EQ(m.position, 200 - 10); // a tenth of a pixel per pixel, wrapped
}

TEST(ThumbWheelModel, VerticalWheelRisesWhenDraggedUp)
{
    ThumbWheelModel m = Fresh(true);
    m.value = 35.0f;
    m.Press(50);
    EXPECT_DOUBLE_EQ(m.step, 0.1);
    m.DragTo(40, false);
    EXPECT_EQ(m.value, 36.0f);
    m.DragTo(60, false);
    EXPECT_FLOAT_EQ(m.value, 34.0f);
}

TEST(ThumbWheelModel, ThreeHundredFiftyPixelsChangeTheValueByItsMagnitude)
{
    ThumbWheelModel m = Fresh();
    m.value = -7.0f;
    m.Press(0);
    m.DragTo(350, false); // negative values rise to the right as well
    EXPECT_NEAR(m.value, 0.0f, 1e-6);
    m.value = 2.0f;
    m.Press(350);
    m.DragTo(0, false);
    EXPECT_NEAR(m.value, 0.0f, 1e-6);
}

TEST(ThumbWheelModel, AtZeroEachPixelIsAMillionth)
{
    ThumbWheelModel m = Fresh();
    m.Press(10);
    EXPECT_DOUBLE_EQ(m.step, -1e-06);
    m.DragTo(11, false);
    EXPECT_FLOAT_EQ(m.value, 1e-06f);
    m.DragTo(13, false);
    EXPECT_FLOAT_EQ(m.value, 3e-06f);
    m.Release(); // not within the band: kept
    EXPECT_FLOAT_EQ(m.value, 3e-06f);
}

TEST(ThumbWheelModel, ReleaseSnapsValuesNearZero)
{
    ThumbWheelModel m = Fresh();
    m.Press(10);
    m.DragTo(11, false);
    m.DragTo(10, false); // back: a float rounding residue, not 0
    m.Release();
    EXPECT_EQ(m.value, 0.0f);

    m.value = 9.9e-07f;
    m.Release();
    EXPECT_EQ(m.value, 0.0f);
    m.value = -9.9e-07f;
    m.Release();
    EXPECT_EQ(m.value, 0.0f);
    m.value = -1.1e-06f;
    m.Release();
    EXPECT_FLOAT_EQ(m.value, -1.1e-06f);
}

TEST(ThumbWheelModel, TextureOffsetWrapsOverThePeriod)
{
    ThumbWheelModel m = Fresh(false, 20); // 200 tenths
    m.Press(100);
    m.DragTo(75, false); // 25 pixels left: 250 tenths, wrapped to 50
    EXPECT_EQ(m.position, 50);
    EXPECT_EQ(m.GetWindowStart(), 5);
    m.DragTo(82, false); // right: scrolls back by 70 tenths, through 0
    EXPECT_EQ(m.position, 180);
    EXPECT_EQ(m.GetWindowStart(), 18);

    // The offset may equal the period; only beyond it does it wrap.
    m.position = 0;
    m.Press(100);
    m.DragTo(80, false);
    EXPECT_EQ(m.position, 200);
    m.DragTo(79, false);
    EXPECT_EQ(m.position, 10);
    m.position = 0;
    m.Press(100);
    m.DragTo(60, false); // two whole periods: 400 comes down to 200, as repeated subtraction does
    EXPECT_EQ(m.position, 200);
    m.position = 0;
    m.Press(100);
    m.DragTo(140, false); // -400 rises to 0
    EXPECT_EQ(m.position, 0);
}

TEST(ThumbWheelModel, DragsAreClamped)
{
    ThumbWheelModel m = Fresh();
    m.value = 35.0f;
    m.max = 35.5;
    m.min = 34.8;
    m.Press(0);
    m.DragTo(10, false);
    EXPECT_EQ(m.value, 35.5f);
    m.DragTo(-20, false);
    EXPECT_FLOAT_EQ(m.value, 34.8f);
}

TEST(ThumbWheelModel, FarDragsStayInRange)
{
    ThumbWheelModel m = Fresh(false, 7);
    m.value = 1e33f;
    m.Press(-2000000000);
    m.DragTo(2000000000, false); // beyond what a float holds: kept at the largest float
    EXPECT_EQ(m.value, FLT_MAX);
    EXPECT_GE(m.position, 0);
    EXPECT_LE(m.position, 70);
    EXPECT_EQ(m.position, 40); // -40000000000 wraps to 40, as repeated addition would reach
}

TEST(ThumbWheelModel, PeriodThatIsNotPositiveStopsTheTexture)
{
    ThumbWheelModel m = Fresh(false, 0);
    EXPECT_EQ(m.period, 0);
    m.value = 35.0f;
    m.Press(0);
    m.DragTo(10, false);
    EXPECT_EQ(m.position, 0);
    EXPECT_EQ(m.value, 36.0f); // the value still moves
    m.Reset(true, -5);
    EXPECT_EQ(m.period, 0);
}
