#include <vorn/colour/colour_hints.h>
#include <vorn/colour/colour_picker_model.h>
#include <vorn/framework/hint_text.h>

#include <gtest/gtest.h>

#include "../controls/hand_clock.h"

using namespace vorn;

TEST(SaturationBarModel, RowsAndStepsAtTheEnds)
{
    EXPECT_EQ(SaturationBarModel::RowOfSaturation(0.5), 59);
    EXPECT_DOUBLE_EQ(SaturationBarModel::SaturationOfRow(60), 0.5);
    SaturationBarModel bar;
    bar.SetSaturation(0.0);
    EXPECT_FALSE(bar.StepDown());
    bar.SetSaturation(0.995); // row 4; rows below 5 all mean 1
    EXPECT_TRUE(bar.StepUp() && bar.GetSaturation() == 1.0);
    EXPECT_FALSE(bar.StepUp());
    EXPECT_TRUE(bar.StepDown() && bar.GetRow() == 4 && bar.GetSaturation() == 1.0);
}

TEST(SaturationBarModel, DragsClampAndGoFineWithTheModifier)
{
    SaturationBarModel bar;
    bar.SetSaturation(0.5); // marker row 59
    EXPECT_TRUE(bar.Press(90, 60, false).startedDrag);
    bar.Move(90, 38, true, true);
    EXPECT_NEAR(bar.GetSaturation(), 0.52, 1e-12); // 22 rows from the origin, at a tenth
    EXPECT_TRUE(bar.Release(500, false).stoppedDrag);
    EXPECT_EQ(bar.GetSaturation(), 0.0);
}

TEST(SaturationBarModel, ClickArmsADragThatWaitsOneMillisecond)
{
    long now = 0;
    SaturationBarModel bar;
    bar.SetClock(std::make_unique<HandClock>(&now));
    EXPECT_TRUE(bar.Press(90, 60, false).changed);
    bar.Move(92, 62, true, false); // a small wobble keeps it armed
    now = 1;
    EXPECT_TRUE(bar.Move(92, 50, true, false).startedDrag);
    EXPECT_DOUBLE_EQ(bar.GetSaturation(), SaturationBarModel::SaturationOfRow(60) + 10.0 / 110);
    bar.Release(50, false);
    bar.Press(90, 100, false); // restarts the clock
    bar.Move(93, 100, true, false); // 3 across within the first millisecond
    EXPECT_FALSE(bar.IsArmed() || bar.IsDragging());
}

TEST(HueValueFieldModel, PickingAtAMarkerGivesBackItsColour)
{
    for (int w : {30, 212, 301})
        for (int h : {40, 125, 200}) {
            HueValueFieldModel field;
            field.SetSize(w, h);
            const double step = 1.0 / std::min(w - 22, h - 36);
            for (int i = 0; i <= 40; ++i) {
                const Color hsv(i / 40.0, 0.3 + (i % 7) / 10.0, (i * 13 % 41) / 40.0);
                // A grey's marker lies in the strip, whose pick takes the previous hue.
                for (const Color& c : {hsv, Color(0.9, 0.0, hsv.b)}) {
                    FieldPoint at;
                    Color picked;
                    ASSERT_TRUE(field.Marker(c, at) && field.Pick(at.x, at.y, hsv, 0.25, picked));
                    EXPECT_NEAR(picked.r, c.g == 0.0 ? 0.25 : c.r, step);
                    EXPECT_EQ(picked.g, c.g);
                    EXPECT_NEAR(picked.b, c.b, step);
                }
            }
        }
}

TEST(HueValueFieldModel, IgnoredPointsAndMarkerlessColours)
{
    HueValueFieldModel field;
    field.SetSize(212, 125);
    Color picked;
    EXPECT_TRUE(field.Pick(205, 123, Color(), 0.0, picked));
    for (auto p : {FieldPoint {5, 50}, FieldPoint {206, 50}, FieldPoint {50, 5}, FieldPoint {50, 124}})
        EXPECT_FALSE(field.Pick(p.x, p.y, Color(), 0.0, picked)) << p.x << "," << p.y;
    FieldPoint at;
    EXPECT_FALSE(field.Marker(Color(1.5, 0.5, 0.5), at) || field.Marker(Color(0.5, 0.0, -0.1), at));
}

TEST(ColourPickerRules, GreyKeepsHueEditsAndButtons)
{
    EXPECT_NEAR(PartHsvOfRgb(Color(0.4, 0.4, 0.4), Color(0.0, 1.0, 0.5)).r, 5.0 / 12, 1e-12);
    std::string text;
    EXPECT_FALSE(EditRefreshText("0.5", 0.5, text));
    EXPECT_TRUE(EditRefreshText("0.51", 0.5, text) && text == "0.500");
    EXPECT_EQ(ColourWithEditText(Color(0.1, 0.2, 0.3), 1, "abc"), Color(0.1, 0.0, 0.3));
    const Color white = ColourWithEditText(Color(0.0, 1.0, 1.0), 1, "0");
    EXPECT_TRUE(SaturationUpEnabled(white.g) && !SaturationDownEnabled(white.g) && !SaturationUpEnabled(1.0)
        && SaturationDownEnabled(1.0));
    EXPECT_EQ(HintClassName(ColourHintCurrentHSV(white)), "ColourHintCurrentHSV");
}
