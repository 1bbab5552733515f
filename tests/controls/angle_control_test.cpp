// The direction dials driven by synthetic mouse events: notification sequences, the zero
// direction, fine mode, and what the plain and drawn looks paint.
#include <cmath>

#include <gtest/gtest.h>

#include <vorn/controls/angle_control.h>

#include "group_recorder.h"
#include "test_support.h"

using namespace vorn;

using namespace vorntest;

namespace {

class AngleControlTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        panel->SetBackgroundColour(wxColour(10, 20, 30));
        dial = new VornAngleControl(50, 50, 40, 0, 0, 100, 100, panel, -1, &group);
        ShowFrame();
        group.events.clear();
    }
    std::string Id(const char* what, VornControl* c = nullptr) const
    {
        return std::string(what) + " id=" + std::to_string((c ? c : dial)->GetId());
    }
    std::pair<int, int> Knob() const
    {
        std::pair<int, int> p;
        dial->GetCurPosition(p.first, p.second);
        return p;
    }

    GroupRecorder group;
    VornAngleControl* dial = nullptr;
};

// The largest channel value found in a small box of the image.
int Brightest(const wxImage& img, int x0, int y0, int x1, int y1, int channel)
{
    int best = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const int v = channel == 0 ? img.GetRed(x, y) : channel == 1 ? img.GetGreen(x, y) : img.GetBlue(x, y);
            best = std::max(best, v);
        }
    return best;
}

} // namespace

TEST_F(AngleControlTest, StartsAtZeroPointingRight)
{
    EXPECT_EQ(dial->GetValue(), 0.0);
    EXPECT_EQ(Knob(), std::make_pair(90, 50));
    EXPECT_EQ(dial->GetGroup(), &group);
    EXPECT_EQ(dial->GetWidth(), 100);
    EXPECT_FALSE(dial->GetClockwiseVal());
    dial->SetClockwiseVal(true); // kept for the host only
    EXPECT_TRUE(dial->GetClockwiseVal());
    dial->SetValue(0.25f, false);
    EXPECT_EQ(Knob(), std::make_pair(50, 10));
    EXPECT_TRUE(group.events.empty());
}

TEST_F(AngleControlTest, DragFollowsThePointerAndReportsEachStep)
{
    LeftDown(dial, {90, 50});
    EXPECT_TRUE(dial->HasCapture());
    EXPECT_EQ(Knob(), std::make_pair(90, 50)); // the press does not move the knob
    Motion(dial, {50, 20});                    // up
    EXPECT_EQ(Knob(), std::make_pair(50, 10));
    Motion(dial, {0, 50}); // left, beyond the circle: the knob stays on it
    EXPECT_EQ(Knob(), std::make_pair(10, 50));
    LeftUp(dial, {0, 50});
    EXPECT_FALSE(dial->HasCapture());
    EXPECT_EQ(group.events,
              (std::vector<std::string>{Id("Selected"), Id("Drag"), "Update id=0 RealValChanging 0.25", Id("Drag"),
                                        "Update id=0 RealValChanging 0.5", Id("UnSelected"),
                                        "Update id=0 RealValChanged 0.5"}));
    EXPECT_EQ(group.lastControl, dial);
}

TEST_F(AngleControlTest, ReleaseWithoutMovementReportsTheUnchangedValue)
{
    dial->SetValue(0.3f, false);
    LeftDown(dial, {10, 10});
    LeftUp(dial, {10, 10});
    EXPECT_FLOAT_EQ(static_cast<float>(dial->GetValue()), 0.3f);
    EXPECT_EQ(group.events, (std::vector<std::string>{Id("Selected"), Id("UnSelected"),
                                                      "Update id=0 RealValChanged " + FormatReal(dial->GetValue())}));
}

TEST_F(AngleControlTest, ZeroDirectionUpAndPointerRight)
{
    dial->SetZeroVal(90.0);
    EXPECT_EQ(dial->GetZeroVal(), 90.0);
    EXPECT_EQ(Knob(), std::make_pair(50, 10)); // points at the new zero
    EXPECT_EQ(dial->GetValue(), 0.0);
    EXPECT_TRUE(group.events.empty());
    LeftDown(dial, {50, 10});
    Motion(dial, {95, 50});
    LeftUp(dial, {95, 50});
    EXPECT_DOUBLE_EQ(dial->GetValue(), 0.75);
    EXPECT_EQ(group.Updates(),
              (std::vector<std::string>{"Update id=0 RealValChanging 0.75", "Update id=0 RealValChanged 0.75"}));
    dial->SetValue(0.5f, true); // half a turn from up: down
    EXPECT_EQ(Knob(), std::make_pair(50, 90));
    EXPECT_EQ(group.events.back(), "Update id=0 RealValChanging 0.5");
}

TEST_F(AngleControlTest, SetValueNotifiesOnlyWhenAsked)
{
    dial->SetValue(0.125f, true);
    dial->SetValue(0.5f, false);
    EXPECT_EQ(group.events, (std::vector<std::string>{Id("Drag"), "Update id=0 RealValChanging 0.125"}));
}

TEST_F(AngleControlTest, MetaKeyTurnsATenthAsFastAcrossTheZeroDirection)
{
    dial->SetValue(0.9f, false);
    LeftDown(dial, {50, 90});
    Motion(dial, {95, 50}, kLeftHeld | kShift); // pointer at 0, from the dial's 0.9: +0.01
    EXPECT_NEAR(dial->GetValue(), 0.91, 1e-6);
    Motion(dial, {90, 90}, kLeftHeld | kAlt); // back across to 0.875: -0.0125
    EXPECT_NEAR(dial->GetValue(), 0.8975, 1e-6);
    Motion(dial, {90, 10}, kLeftHeld | kShift); // 0.875 -> 0.125 across the axis: +0.025
    EXPECT_NEAR(dial->GetValue(), 0.9225, 1e-6);
    Motion(dial, {50, 0}); // without the key the knob jumps to the pointer
    EXPECT_DOUBLE_EQ(dial->GetValue(), 0.25);
    LeftUp(dial, {50, 0});
    EXPECT_EQ(group.Updates().size(), 5u);
}

TEST_F(AngleControlTest, PointerOnTheCentreIsIgnored)
{
    dial->SetValue(0.25f, false);
    LeftDown(dial, {50, 10});
    Motion(dial, {50, 50});
    Motion(dial, {50, 50}, kLeftHeld | kShift);
    LeftUp(dial, {50, 50});
    EXPECT_EQ(dial->GetValue(), 0.25);
    EXPECT_EQ(Knob(), std::make_pair(50, 10));
    EXPECT_EQ(group.events,
              (std::vector<std::string>{Id("Selected"), Id("UnSelected"), "Update id=0 RealValChanged 0.25"}));
}

TEST_F(AngleControlTest, DisabledDialIgnoresTheMouse)
{
    dial->SetEnabled(false);
    LeftDown(dial, {50, 10});
    Motion(dial, {10, 50});
    LeftUp(dial, {10, 50});
    EXPECT_EQ(dial->GetValue(), 0.0);
    EXPECT_TRUE(group.events.empty());
}

TEST_F(AngleControlTest, DefaultSizedConstructor)
{
    auto* small = new VornAngleControl(10, 10, 8, 0, 0, panel, -1, &group);
    EXPECT_EQ(small->GetValue(), 0.0);
    int x = 0, y = 0;
    small->GetCurPosition(x, y);
    EXPECT_EQ(x, 18);
    EXPECT_EQ(y, 10);
    ReceiverRecorder receiver;
    group.Register(&receiver);
    small->SetValue(0.5f, true);
    EXPECT_EQ(receiver.events, (std::vector<std::string>{"Update id=0 RealValChanging 0.5"}));
    EXPECT_EQ(receiver.lastControl, small);
    group.DeRegister(&receiver);
}

TEST_F(AngleControlTest, PlainLookDrawsABlueSquareOnTheKnobWhenChanged)
{
    dial->SetValue(0.0f, false); // knob (90, 50): square 85..94 x 45..54
    wxImage img = RenderToImage(dial);
    EXPECT_EQ(PixelStr(img, 85, 45), "#0000FF");
    EXPECT_EQ(PixelStr(img, 93, 53), "#0000FF");
    EXPECT_EQ(PixelStr(img, 84, 50), "#0A141E"); // the window's background
    EXPECT_EQ(PixelStr(img, 95, 50), "#0A141E");
    EXPECT_EQ(PixelStr(img, 90, 44), "#0A141E");
    EXPECT_EQ(PixelStr(img, 10, 10), "#0A141E");
    // Nothing changed since: nothing is drawn.
    img = RenderToImage(dial, wxDefaultSize, *wxWHITE);
    EXPECT_EQ(PixelStr(img, 90, 50), "#FFFFFF");
    // A drag step draws at once on screen; a paint after it has nothing new to draw.
    LeftDown(dial, {90, 50});
    Motion(dial, {50, 20});
    LeftUp(dial, {50, 20});
    img = RenderToImage(dial, wxDefaultSize, *wxWHITE);
    EXPECT_EQ(PixelStr(img, 50, 10), "#FFFFFF");
    // Setting the value marks it changed.
    dial->SetValue(0.25f, false);
    img = RenderToImage(dial);
    EXPECT_EQ(PixelStr(img, 50, 10), "#0000FF");
    EXPECT_EQ(PixelStr(img, 90, 50), "#0A141E");
}

TEST_F(AngleControlTest, DrawnLookHasStemCircleAndPointer)
{
    // 120 x 60: radius 30, centre (90, 30), circle of radius 24, stem to x = 66.
    auto* b = new VornAngleControlB(ColorA(1, 1, 1, 1), ColorA(0, 0, 0, 1), 0, 0, 120, 60, panel, -1, &group);
    int cx = 0, cy = 0;
    b->GetCurPosition(cx, cy);
    EXPECT_EQ(cx, 120);
    EXPECT_EQ(cy, 30);
    wxImage img = RenderToImage(b);
    EXPECT_EQ(PixelStr(img, 0, 30), "#FFFFFF");  // stem from the left edge
    EXPECT_EQ(PixelStr(img, 40, 30), "#FFFFFF");
    EXPECT_EQ(PixelStr(img, 40, 29), "#000000");
    EXPECT_EQ(PixelStr(img, 66, 30), "#FFFFFF"); // circle, left
    EXPECT_EQ(PixelStr(img, 90, 6), "#FFFFFF");  // circle, top
    EXPECT_EQ(PixelStr(img, 90, 54), "#FFFFFF"); // circle, bottom
    EXPECT_EQ(PixelStr(img, 100, 30), "#FFFFFF"); // pointer to the right
    EXPECT_EQ(PixelStr(img, 90, 18), "#000000");
    EXPECT_EQ(PixelStr(img, 90, 30), "#FFFFFF"); // hub
    EXPECT_EQ(PixelStr(img, 70, 20), "#000000"); // inside the circle, off every line
    EXPECT_EQ(PixelStr(img, 30, 5), "#000000");  // outside

    b->SetValue(0.25f, false); // straight up
    img = RenderToImage(b);
    EXPECT_EQ(PixelStr(img, 90, 18), "#FFFFFF");
    EXPECT_EQ(PixelStr(img, 90, 1), "#FFFFFF");
    EXPECT_EQ(PixelStr(img, 100, 30), "#000000");
    EXPECT_EQ(PixelStr(img, 40, 30), "#FFFFFF"); // the stem stays

    b->SetValue(0.125f, false); // up and to the right: anti-aliased, lit along the diagonal
    img = RenderToImage(b);
    EXPECT_GT(Brightest(img, 99, 20, 100, 21, 0), 128);
    EXPECT_EQ(Brightest(img, 96, 26, 97, 27, 0), 0); // below the diagonal
}

namespace {
// Notes whether each draw found the dial marked changed.
class ProbeDial : public VornAngleControl {
public:
    using VornAngleControl::VornAngleControl;
    void OnDraw(wxDC* dc) override
    {
        sawDirty.push_back(IsDirty());
        VornAngleControl::OnDraw(dc);
    }
    std::vector<bool> sawDirty;
};
} // namespace

TEST_F(AngleControlTest, PaintEventsDrawThePlainDialAnew)
{
    auto* probe = new ProbeDial(20, 20, 15, 0, 110, 40, 40, panel, -1, &group);
    ASSERT_TRUE(PumpUntil([&] { return !probe->sawDirty.empty(); })); // its first paint
    probe->sawDirty.clear();
    RenderToImage(probe); // nothing changed since: nothing to draw
    // The toolkit lost the window's pixels: its paint must draw them again.
    probe->Refresh(false);
    ASSERT_TRUE(PumpUntil([&] { return probe->sawDirty.size() >= 2; }));
    EXPECT_FALSE(probe->sawDirty.front());
    EXPECT_TRUE(probe->sawDirty.back());
    EXPECT_FALSE(probe->IsDirty());
}

TEST_F(AngleControlTest, DrawnDialDefaultConstructedThenCreated)
{
    auto* later = new VornAngleControlB;
    EXPECT_TRUE(later->Create(ColorA(1, 1, 1, 1), ColorA(0, 0, 0, 1), 0, 0, 120, 60, panel, -1, &group));
    int x = 0, y = 0;
    later->GetCurPosition(x, y);
    EXPECT_EQ(x, 120);
    EXPECT_EQ(y, 30);
    const wxImage img = RenderToImage(later);
    EXPECT_EQ(PixelStr(img, 40, 30), "#FFFFFF");
    EXPECT_EQ(PixelStr(img, 90, 6), "#FFFFFF");
    EXPECT_EQ(PixelStr(img, 40, 29), "#000000");
}

TEST_F(AngleControlTest, DisablingMidDragEndsIt)
{
    LeftDown(dial, {90, 50});
    Motion(dial, {50, 20});
    dial->SetEnabled(false);
    EXPECT_FALSE(dial->IsDragging());
    EXPECT_FALSE(dial->HasCapture());
    EXPECT_EQ(group.events,
              (std::vector<std::string>{Id("Selected"), Id("Drag"), "Update id=0 RealValChanging 0.25",
                                        Id("UnSelected"), "Update id=0 RealValChanged 0.25"}));
}
