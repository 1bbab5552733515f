// The slider arithmetic in tenths of a pixel, without a window.
#include <gtest/gtest.h>

#include <vorn/controls/slider_model.h>

using namespace vorn;

namespace {
SliderModel Fresh(int width = 110, int height = 20)
{
    SliderModel m;
    m.Reset(width, height);
    return m;
}
} // namespace

TEST(SliderModel, DefaultRangeIsTenthsOfThePixelsLeftOfTheKnob)
{
    SliderModel m = Fresh();
    EXPECT_EQ(m.max, 1000);
    EXPECT_EQ(m.min, 0);
    m.value = 250;
    EXPECT_DOUBLE_EQ(m.GetReported(), 0.25);
    EXPECT_EQ(m.GetCurPosition(), 25);
    EXPECT_EQ(m.GetGap(), 5);
}

TEST(SliderModel, SetReportedClampsAndPlacesTheKnob)
{
    SliderModel m = Fresh();
    EXPECT_DOUBLE_EQ(m.SetReported(1.5), 1.0);
    EXPECT_DOUBLE_EQ(m.value, 1000);
    EXPECT_EQ(m.lastX, 100);
    EXPECT_DOUBLE_EQ(m.SetReported(-2), 0.0);
    EXPECT_DOUBLE_EQ(m.value, 0);
    EXPECT_DOUBLE_EQ(m.SetReported(0.333), 0.333);
    EXPECT_DOUBLE_EQ(m.value, 333);
    EXPECT_EQ(m.lastX, 33); // truncated
}

TEST(SliderModel, SetupWithMarginsShiftsTheRange)
{
    SliderModel m = Fresh();
    m.Setup(4, 8, 12, 6);
    EXPECT_EQ(m.min, 40);
    EXPECT_EQ(m.max, 960);
    EXPECT_EQ(m.lastX, 4);
    EXPECT_EQ(m.GetGap(), 4);
    m.SetReported(0.5);
    EXPECT_DOUBLE_EQ(m.value, 500);
    EXPECT_DOUBLE_EQ(m.GetReported(), 0.5);

    m.Setup(0, 12, 12, -1); // no right margin
    EXPECT_EQ(m.max, 980);
}

TEST(SliderModel, VerticalBandIsInclusiveOfItsEdges)
{
    const SliderModel m = Fresh(); // gap 5, height 20
    EXPECT_FALSE(m.InBand(4));
    EXPECT_TRUE(m.InBand(5));
    EXPECT_TRUE(m.InBand(15));
    EXPECT_FALSE(m.InBand(16));
}

TEST(SliderModel, KnobHitIncludesBothEdges)
{
    SliderModel m = Fresh();
    m.value = 305; // knob left edge at 30.5
    EXPECT_FALSE(m.OnKnob(30));
    EXPECT_TRUE(m.OnKnob(31));
    EXPECT_TRUE(m.OnKnob(40));
    EXPECT_FALSE(m.OnKnob(41));
}

TEST(SliderModel, TrackJumpCentresTheKnobUnderThePointerAndClamps)
{
    SliderModel m = Fresh();
    m.JumpTo(50);
    EXPECT_DOUBLE_EQ(m.value, 450); // knob 45..55 centred on 50
    EXPECT_EQ(m.lastX, 50);

    m = Fresh();
    m.JumpTo(108);
    EXPECT_DOUBLE_EQ(m.value, 1000);

    m = Fresh();
    m.SetReported(0.5);
    m.JumpTo(2);
    EXPECT_DOUBLE_EQ(m.value, 0);
}

TEST(SliderModel, KnobWidthHalfRoundsTowardZero)
{
    SliderModel m = Fresh();
    m.Setup(0, 11, 10, -1); // 11 / 2 == 5
    m.JumpTo(50);
    EXPECT_DOUBLE_EQ(m.value, 450);
}

TEST(SliderModel, DragMovesByPixelsOrTenthsWithTheMetaKey)
{
    SliderModel m = Fresh();
    m.JumpTo(50); // value 450, lastX 50
    EXPECT_TRUE(m.DragTo(60, false));
    EXPECT_DOUBLE_EQ(m.value, 550);
    EXPECT_TRUE(m.DragTo(70, true)); // ten pixels of pointer = one pixel of knob
    EXPECT_DOUBLE_EQ(m.value, 560);
    EXPECT_EQ(m.GetCurPosition(), 56);
    EXPECT_FALSE(m.DragTo(70, true));
}

TEST(SliderModel, DragClampsThePointerToTheWindowUnlessFine)
{
    SliderModel m = Fresh();
    m.JumpTo(50);
    m.DragTo(400, false); // pointer clamped to 110 first, then value clamped to max
    EXPECT_EQ(m.lastX, 110);
    EXPECT_DOUBLE_EQ(m.value, 1000);

    m = Fresh();
    m.JumpTo(50);
    m.DragTo(250, true); // the pointer may leave the window in fine mode
    EXPECT_EQ(m.lastX, 250);
    EXPECT_DOUBLE_EQ(m.value, 650);
    m.DragTo(-300, true);
    EXPECT_DOUBLE_EQ(m.value, 100);
}

TEST(SliderModel, DragAtTheEndReportsNoChange)
{
    SliderModel m = Fresh();
    m.JumpTo(0); // clamped at min
    EXPECT_FALSE(m.DragTo(-20, false));
    EXPECT_DOUBLE_EQ(m.value, 0);
}

TEST(SliderModel, FractionalValueCountsAsChangedOnAnyStep)
{
    // The change test compares with the value truncated to a whole tenth.
    SliderModel m = Fresh();
    m.SetReported(0.12345); // value 123.45
    m.lastX = 40;
    EXPECT_TRUE(m.DragTo(40, false));
}

TEST(SliderModel, EndDragLeavesTheKnobEdgeAsTheNextJumpOrigin)
{
    SliderModel m = Fresh();
    m.JumpTo(50);
    m.DragTo(80, false); // value 750, lastX 80
    m.EndDrag();
    EXPECT_EQ(m.lastX, 75);
    m.JumpTo(20);
    EXPECT_DOUBLE_EQ(m.value, 150);
}

TEST(SliderModel, KnobAsWideAsTheSliderReportsZero)
{
    SliderModel m = Fresh(10, 10);
    EXPECT_EQ(m.max, 0);
    EXPECT_DOUBLE_EQ(m.GetReported(), 0.0);
}
