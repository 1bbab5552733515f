// The sliders' own interactions (the knob, the track, a press outside the band) and what
// each look draws. What every value control shares is in value_controls_test.cpp.
#include <gtest/gtest.h>

#include "group_recorder.h"
#include "test_support.h"
#include "value_kinds.h"

using namespace vorn;
using namespace vorntest;

namespace {

class SliderTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        panel->SetBackgroundColour(wxColour(10, 20, 30));
        // width 110: max 1000 tenths, so the reported value is value / 1000
        slider = PlainSliderKind::Make(panel, &group);
        ShowFrame();
        group.events.clear();
    }
    std::string Id(const char* what) const { return std::string(what) + " id=" + std::to_string(slider->GetId()); }

    GroupRecorder group;
    VornSlider* slider = nullptr;
};

} // namespace

TEST_F(SliderTest, PressOnTheKnobReportsOnlyStepsThatMoveIt)
{
    LeftDown(slider, {5, 10});
    Motion(slider, {25, 10});
    Motion(slider, {25, 12}); // no horizontal movement: nothing to report
    Motion(slider, {26, 10}, kLeftHeld | kShift); // ten times finer with either meta key
    Motion(slider, {36, 10}, kLeftHeld | kAlt);
    LeftUp(slider, {36, 10});
    EXPECT_EQ(group.events,
              (std::vector<std::string>{Id("Selected"), Id("Drag"), "Update id=0 RealValChanging 0.2", Id("Drag"),
                                        "Update id=0 RealValChanging 0.201", Id("Drag"),
                                        "Update id=0 RealValChanging 0.211", Id("UnSelected"),
                                        "Update id=0 RealValChanged 0.211"}));
}

TEST_F(SliderTest, PressOnTheTrackCentresTheKnobAndReportsTheDragOnly)
{
    LeftDown(slider, {60, 10});
    EXPECT_DOUBLE_EQ(slider->GetValue(), 0.55); // knob 55..65 centred on 60
    EXPECT_EQ(group.events, (std::vector<std::string>{Id("Selected"), Id("Drag")}));
    Motion(slider, {70, 10});
    LeftUp(slider, {70, 10});
    EXPECT_EQ(group.events,
              (std::vector<std::string>{Id("Selected"), Id("Drag"), Id("Drag"), "Update id=0 RealValChanging 0.65",
                                        Id("UnSelected"), "Update id=0 RealValChanged 0.65"}));
}

TEST_F(SliderTest, PressOutsideTheBandBeginsNoDragButItsReleaseReports)
{
    slider->SetValue(0.3, false);
    LeftDown(slider, {50, 2}); // band is y 5..15
    EXPECT_FALSE(slider->IsDragging());
    EXPECT_FALSE(slider->HasCapture());
    Motion(slider, {90, 2});
    LeftUp(slider, {90, 2});
    EXPECT_DOUBLE_EQ(slider->GetValue(), 0.3);
    EXPECT_EQ(group.events, (std::vector<std::string>{Id("UnSelected"), "Update id=0 RealValChanged 0.3"}));
}

TEST_F(SliderTest, SetValueClampsAndNotifiesOnlyWhenAsked)
{
    slider->SetValue(1.5, true);
    slider->SetValue(0.25, false);
    slider->SetValue(-3, false);
    EXPECT_DOUBLE_EQ(slider->GetValue(), 0.0);
    EXPECT_EQ(group.events, (std::vector<std::string>{Id("Drag"), "Update id=0 RealValChanging 1"}));
}

TEST_F(SliderTest, PlainLookDrawsABlueKnobAtTheValue)
{
    slider->SetValue(0.5, false); // knob left edge at 50, top at 5
    const wxImage img = RenderToImage(slider);
    for (const wxPoint p : {wxPoint(55, 10), wxPoint(50, 5), wxPoint(58, 13)})
        EXPECT_EQ(PixelStr(img, p.x, p.y), "#0000FF") << p.x << "," << p.y;
    for (const wxPoint p : {wxPoint(49, 10), wxPoint(60, 10), wxPoint(55, 4)})
        EXPECT_EQ(PixelStr(img, p.x, p.y), "#0A141E") << p.x << "," << p.y; // the window's background
}

TEST_F(SliderTest, BitmapLookDrawsCapFillAndKnob)
{
    VornSliderA* a = BitmapSliderKind::Make(panel, &group);
    // min 60, max 1000: 0.5 puts the knob's left edge at 53; gap (20 - 14) / 2 = 3
    a->SetValue(0.5, false);
    wxImage img = RenderToImage(a);
    const std::pair<wxPoint, const char*> expected[] = {
        {{2, 10}, "#FF0000"}, {{30, 5}, "#0000FF"}, {{52, 8}, "#0000FF"}, {{30, 12}, "#000000"},
        {{53, 3}, "#FFFFFF"}, {{62, 16}, "#FFFFFF"}, {{63, 10}, "#000000"}, {{63, 5}, "#000000"}};
    for (const auto& [p, colour] : expected)
        EXPECT_EQ(PixelStr(img, p.x, p.y), colour) << p.x << "," << p.y;
    const std::pair<VornSliderA::SliderType, const char*> caps[] = {
        {VornSliderA::SLIDER_CAP1, "#00FF00"}, {VornSliderA::SLIDER_CAP2, "#FFFF00"}, {VornSliderA::SLIDER_PLAIN, "#808080"}};
    for (const auto& [type, colour] : caps) {
        a->SetSliderType(type);
        EXPECT_EQ(a->GetSliderType(), type);
        img = RenderToImage(a);
        EXPECT_EQ(PixelStr(img, 2, 10), colour) << "type " << type;
        EXPECT_EQ(PixelStr(img, 30, 5), "#0000FF") << "type " << type;
    }
}

TEST_F(SliderTest, DrawnLookHasALineUpToTheKnobAndARoundKnob)
{
    VornSliderB* b = DrawnSliderKind::Make(panel, &group);
    // knob box 12 x 12: max 980; 0.5 puts the knob's left edge at 49; gap 4
    b->SetValue(0.5, false);
    const wxImage img = RenderToImage(b);
    EXPECT_EQ(PixelStr(img, 0, 4), "#FFFFFF");
    EXPECT_EQ(PixelStr(img, 49, 4), "#FFFFFF"); // the line ends on the knob's box
    EXPECT_EQ(PixelStr(img, 30, 5), "#000000");
    EXPECT_EQ(PixelStr(img, 80, 4), "#000000"); // no line right of the knob
    // A ring inscribed in the box (49, 4)-(60, 15): lit at its sides, dark inside.
    const auto lit = [&](int x0, int y0, int x1, int y1) {
        int best = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                best = std::max(best, static_cast<int>(img.GetRed(x, y)));
        return best;
    };
    EXPECT_GT(lit(49, 9, 49, 10), 128); // left
    EXPECT_GT(lit(60, 9, 60, 10), 128); // right
    EXPECT_GT(lit(54, 15, 55, 15), 128); // bottom
    EXPECT_EQ(lit(53, 8, 56, 11), 0);    // inside
    EXPECT_EQ(lit(62, 6, 70, 14), 0);    // beyond the knob
    // Without area the look draws nothing, and still reports.
    auto* none = new VornSliderB(*wxBLACK, *wxWHITE, 0, 30, 0, 20, panel, -1, &group);
    EXPECT_EQ(PixelStr(RenderToImage(none, wxSize(4, 4), *wxWHITE), 1, 1), "#FFFFFF");
    group.events.clear();
    none->SetValue(0.5, true);
    EXPECT_EQ(group.events.size(), 2u);
}

TEST_F(SliderTest, KnobOverTrackLookFollowsTheValue)
{
    VornSliderC* c = TrackSliderKind::Make(panel, &group);
    EXPECT_EQ(c->GetClientSize(), wxSize(120, 20)); // the track's size
    wxImage img = RenderToImage(c); // left edge at the left margin
    EXPECT_EQ(PixelStr(img, 3, 1), "#FF0000");
    EXPECT_EQ(PixelStr(img, 2, 5), "#282828");
    EXPECT_EQ(PixelStr(img, 3, 0), "#282828"); // the knob's top is at y = 1
    c->SetValue(1.0, false); // max = 120 - 10 - 3 = 107
    img = RenderToImage(c);
    EXPECT_EQ(PixelStr(img, 107, 10), "#FF0000");
    EXPECT_EQ(PixelStr(img, 117, 10), "#282828");
}
