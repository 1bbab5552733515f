// Sliders driven by synthetic mouse events: what they report to their group, in order,
// and what each look draws.
#include <gtest/gtest.h>

#include <vorn/controls/slider.h>

#include "group_recorder.h"
#include "test_support.h"

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
        slider = new VornSlider(0, 0, 20, 110, panel, -1, &group);
        ShowFrame();
        group.events.clear();
    }
    std::string Id(const char* what) const { return std::string(what) + " id=" + std::to_string(slider->GetId()); }

    GroupRecorder group;
    VornSlider* slider = nullptr;
};

} // namespace

TEST_F(SliderTest, DefaultGeometryAndRegistration)
{
    EXPECT_EQ(slider->GetModel().max, 1000);
    EXPECT_DOUBLE_EQ(slider->GetValue(), 0.0);
    EXPECT_EQ(slider->GetWidth(), 110);
    EXPECT_EQ(slider->GetHeight(), 20);
    EXPECT_EQ(slider->GetGroup(), &group);
    // Registered under the id the toolkit chose: the group routes its updates to it.
    ReceiverRecorder receiver;
    group.Register(&receiver);
    slider->SetValue(0.5, true);
    EXPECT_EQ(receiver.events, (std::vector<std::string>{"Update id=0 RealValChanging 0.5"}));
    EXPECT_EQ(receiver.lastControl, slider);
    group.DeRegister(&receiver);
}

TEST_F(SliderTest, PressOnKnobDragAndRelease)
{
    LeftDown(slider, {5, 10});
    EXPECT_TRUE(slider->IsDragging());
    EXPECT_TRUE(slider->HasCapture());
    Motion(slider, {25, 10});
    Motion(slider, {25, 12}); // no horizontal movement: nothing to report
    LeftUp(slider, {25, 10});
    EXPECT_FALSE(slider->IsDragging());
    EXPECT_FALSE(slider->HasCapture());
    EXPECT_EQ(group.events, (std::vector<std::string>{Id("Selected"), Id("Drag"), "Update id=0 RealValChanging 0.2",
                                                      Id("UnSelected"), "Update id=0 RealValChanged 0.2"}));
    EXPECT_EQ(group.lastControl, slider);
}

TEST_F(SliderTest, PressOnTrackCentresTheKnobAndReportsOnlyTheDrag)
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

TEST_F(SliderTest, TrackJumpIsClampedAtBothEnds)
{
    LeftDown(slider, {108, 10});
    EXPECT_DOUBLE_EQ(slider->GetValue(), 1.0);
    LeftUp(slider, {108, 10});
    LeftDown(slider, {1, 10});
    EXPECT_DOUBLE_EQ(slider->GetValue(), 0.0);
    LeftUp(slider, {1, 10});
}

TEST_F(SliderTest, PressOutsideTheBandIsIgnoredButItsReleaseReports)
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

TEST_F(SliderTest, MetaKeyDragIsTenTimesFinerAndMayLeaveTheWindow)
{
    LeftDown(slider, {5, 10});
    Motion(slider, {15, 10}, kLeftHeld | kShift); // 10 pixels of pointer: one pixel of knob
    EXPECT_DOUBLE_EQ(slider->GetValue(), 0.01);
    Motion(slider, {315, 10}, kLeftHeld | kAlt); // far past the right edge
    EXPECT_DOUBLE_EQ(slider->GetValue(), 0.31);
    // Without the key the pointer is clamped to the window first: from 315 to 110 is a
    // step of -205 pixels, which takes the knob to the left end.
    Motion(slider, {415, 10}, kLeftHeld);
    EXPECT_DOUBLE_EQ(slider->GetValue(), 0.0);
    LeftUp(slider, {415, 10});
    EXPECT_EQ(group.Updates().back(), "Update id=0 RealValChanged " + FormatReal(slider->GetValue()));
}

TEST_F(SliderTest, SetValueClampsAndNotifiesOnlyWhenAsked)
{
    slider->SetValue(1.5, true);
    EXPECT_DOUBLE_EQ(slider->GetValue(), 1.0);
    EXPECT_EQ(group.events, (std::vector<std::string>{Id("Drag"), "Update id=0 RealValChanging 1"}));
    group.events.clear();
    slider->SetValue(0.25, false);
    slider->SetValue(-3, false);
    EXPECT_DOUBLE_EQ(slider->GetValue(), 0.0);
    EXPECT_TRUE(group.events.empty());
}

TEST_F(SliderTest, DisabledSliderIgnoresTheMouse)
{
    slider->SetEnabled(false);
    LeftDown(slider, {60, 10});
    Motion(slider, {80, 10});
    LeftUp(slider, {80, 10});
    EXPECT_DOUBLE_EQ(slider->GetValue(), 0.0);
    EXPECT_TRUE(group.events.empty());
}

TEST_F(SliderTest, DisablingDuringADragEndsItAsAReleaseWould)
{
    LeftDown(slider, {5, 10});
    Motion(slider, {25, 10});
    slider->SetEnabled(false);
    EXPECT_FALSE(slider->IsDragging());
    EXPECT_FALSE(slider->HasCapture()); // the rest of the interface gets the mouse again
    EXPECT_EQ(group.events, (std::vector<std::string>{Id("Selected"), Id("Drag"), "Update id=0 RealValChanging 0.2",
                                                      Id("UnSelected"), "Update id=0 RealValChanged 0.2"}));
    group.events.clear();
    slider->SetEnabled(true);
    Motion(slider, {60, 10}); // no button: nothing moves
    EXPECT_DOUBLE_EQ(slider->GetValue(), 0.2);
    EXPECT_TRUE(group.events.empty());
}

TEST_F(SliderTest, PlainLookDrawsABlueKnobAtTheValue)
{
    slider->SetValue(0.5, false); // knob left edge at 50, top at 5
    const wxImage img = RenderToImage(slider);
    EXPECT_EQ(PixelStr(img, 55, 10), "#0000FF");
    EXPECT_EQ(PixelStr(img, 50, 5), "#0000FF");
    EXPECT_EQ(PixelStr(img, 58, 13), "#0000FF");
    EXPECT_EQ(PixelStr(img, 49, 10), "#0A141E"); // background of the window
    EXPECT_EQ(PixelStr(img, 60, 10), "#0A141E");
    EXPECT_EQ(PixelStr(img, 55, 4), "#0A141E");
}

TEST_F(SliderTest, BitmapLookDrawsCapFillAndKnob)
{
    const wxBitmap leftCap = Solid(6, 20, wxColour(128, 128, 128)), cap0 = Solid(6, 20, wxColour(255, 0, 0)),
                   cap1 = Solid(6, 20, wxColour(0, 255, 0)), cap2 = Solid(6, 20, wxColour(255, 255, 0)),
                   fill = Solid(200, 6, wxColour(0, 0, 255)), knob = Solid(10, 14, wxColour(255, 255, 255));
    auto* a = new VornSliderA(VornSliderA::SLIDER_CAP0, &leftCap, &knob, &cap0, &cap1, &cap2, &fill, 0, 30, 20, 110,
                              wxColour(0, 0, 0), panel, -1, &group);
    // min 60, max 1000: 0.5 puts the knob's left edge at 53; gap (20 - 14) / 2 = 3
    a->SetValue(0.5, false);
    wxImage img = RenderToImage(a);
    EXPECT_EQ(PixelStr(img, 2, 10), "#FF0000");
    EXPECT_EQ(PixelStr(img, 30, 5), "#0000FF"); // fill rows 3..8
    EXPECT_EQ(PixelStr(img, 52, 8), "#0000FF");
    EXPECT_EQ(PixelStr(img, 30, 12), "#000000");
    EXPECT_EQ(PixelStr(img, 53, 3), "#FFFFFF");
    EXPECT_EQ(PixelStr(img, 62, 16), "#FFFFFF");
    EXPECT_EQ(PixelStr(img, 63, 10), "#000000");

    const std::pair<VornSliderA::SliderType, const char*> caps[] = {
        {VornSliderA::SLIDER_CAP1, "#00FF00"}, {VornSliderA::SLIDER_CAP2, "#FFFF00"}, {VornSliderA::SLIDER_PLAIN, "#808080"}};
    for (const auto& [type, colour] : caps) {
        a->SetSliderType(type);
        img = RenderToImage(a);
        EXPECT_EQ(PixelStr(img, 2, 10), colour) << "type " << type;
    }
}

TEST_F(SliderTest, DrawnLookHasALineUpToTheKnobAndARoundKnob)
{
    auto* b = new VornSliderB(wxColour(0, 0, 0), wxColour(255, 255, 255), 0, 30, 110, 20, panel, -1, &group);
    // knob box 12 x 12: max 980; 0.5 puts the knob's left edge at 49; gap 4
    b->SetValue(0.5, false);
    const wxImage img = RenderToImage(b);
    EXPECT_EQ(PixelStr(img, 0, 4), "#FFFFFF");
    EXPECT_EQ(PixelStr(img, 30, 4), "#FFFFFF");
    EXPECT_EQ(PixelStr(img, 30, 5), "#000000");
    EXPECT_EQ(PixelStr(img, 80, 4), "#000000"); // no line right of the knob
    // A ring inscribed in the box (49, 4)-(60, 15): lit at its four sides, dark inside.
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
}

TEST_F(SliderTest, KnobOverTrackLookFollowsTheValue)
{
    const wxBitmap track = Solid(120, 20, wxColour(40, 40, 40)), knob = Solid(10, 18, wxColour(255, 0, 0));
    auto* c = new VornSliderC(&knob, &track, 3, 3, 0, 30, panel, -1, &group);
    EXPECT_EQ(c->GetWidth(), 120);
    EXPECT_EQ(c->GetHeight(), 20);
    c->SetValue(0.0, false); // left edge at the left margin
    wxImage img = RenderToImage(c);
    EXPECT_EQ(PixelStr(img, 3, 1), "#FF0000");
    EXPECT_EQ(PixelStr(img, 2, 5), "#282828");
    EXPECT_EQ(PixelStr(img, 3, 0), "#282828"); // the knob's top is at y = 1
    c->SetValue(1.0, false); // max = 120 - 10 - 3 = 107
    img = RenderToImage(c);
    EXPECT_EQ(PixelStr(img, 107, 10), "#FF0000");
    EXPECT_EQ(PixelStr(img, 116, 10), "#FF0000");
    EXPECT_EQ(PixelStr(img, 117, 10), "#282828");
}

TEST_F(SliderTest, DrawnLookWithoutAreaDrawsNothing)
{
    // No width: the toolkit makes no drawing buffer, and the slider must not ask it for one.
    auto* b = new VornSliderB(wxColour(0, 0, 0), wxColour(255, 255, 255), 0, 30, 0, 20, panel, -1, &group);
    const wxImage img = RenderToImage(b, wxSize(4, 4), *wxWHITE);
    EXPECT_EQ(PixelStr(img, 1, 1), "#FFFFFF");
    b->SetValue(0.5, true);
    EXPECT_EQ(group.events.size(), 2u);
}
