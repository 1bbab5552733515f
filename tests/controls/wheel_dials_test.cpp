// The thumb wheel, the direction dials and the clippers: their own interactions and what
// they draw. What every value control shares is in value_controls_test.cpp.
#include <gtest/gtest.h>

#include "group_recorder.h"
#include "test_support.h"
#include "value_kinds.h"

using namespace vorn;
using namespace vorntest;

namespace {

class WheelDialTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        panel->SetBackgroundColour(wxColour(10, 20, 30));
        wheel = WheelKind::Make(panel, &group); // value 35, 20-pixel period
        dial = DialKind::Make(panel, &group);   // centre (50, 50), radius 40
        clippers = ClippersKind::Make(panel, &group); // 80 x 44: centre (53, 22), 100 pixels to open
        ShowFrame();
        group.events.clear();
    }
    static std::string Id(const char* what, const VornControl* c) { return std::string(what) + " id=" + std::to_string(c->GetId()); }
    std::pair<int, int> Knob() const
    {
        std::pair<int, int> p;
        dial->GetCurPosition(p.first, p.second);
        return p;
    }

    GroupRecorder group;
    VornThumbWheelControl* wheel = nullptr;
    VornAngleControl* dial = nullptr;
    VornAngleClippers* clippers = nullptr;
};

// The largest value of one channel in a box of the image.
int Brightest(const wxImage& img, int x0, int y0, int x1, int y1, int channel)
{
    int best = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            best = std::max(best, static_cast<int>(img.GetData()[(y * img.GetWidth() + x) * 3 + channel]));
    return best;
}

} // namespace

// ---- thumb wheel ----

TEST_F(WheelDialTest, WheelReportsEveryStepAndSnapsNearZeroAtTheRelease)
{
    LeftDown(wheel, {10, 3});
    Motion(wheel, {15, 3});
    Motion(wheel, {20, 5}); // across the wheel only x counts
    Motion(wheel, {30, 3}, kLeftHeld | kShift); // ten times finer with the meta key
    LeftUp(wheel, {30, 3});
    EXPECT_EQ(group.events,
              (std::vector<std::string>{Id("Selected", wheel), Id("Drag", wheel), "Update id=0 RealValChanging 35.5",
                                        Id("Drag", wheel), "Update id=0 RealValChanging 36", Id("Drag", wheel),
                                        "Update id=0 RealValChanging 36.1", Id("UnSelected", wheel),
                                        "Update id=0 RealValChanged 36.1"}));
    group.events.clear();
    wheel->SetCurrentValue(0.0f); // setting the value says nothing
    LeftDown(wheel, {10, 3});
    Motion(wheel, {11, 3});
    Motion(wheel, {10, 3}); // back: a float residue while dragging
    LeftUp(wheel, {10, 3});
    const std::vector<std::string> updates = group.Updates();
    ASSERT_EQ(updates.size(), 3u);
    EXPECT_EQ(updates[0], "Update id=0 RealValChanging 1e-06");
    EXPECT_NE(updates[1], "Update id=0 RealValChanging 0");
    EXPECT_EQ(updates[2], "Update id=0 RealValChanged 0");
}

TEST_F(WheelDialTest, WheelClampsOnlyWhatTheMouseDoesAndThePressFixesTheStep)
{
    wheel->SetMaxValue(35.5f);
    wheel->SetMinValue(-2.0f);
    wheel->SetStepAmount(1000.0f); // replaced by the press's own
    LeftDown(wheel, {10, 3});
    Motion(wheel, {20, 3});
    EXPECT_EQ(wheel->GetCurrentValue(), 35.5f);
    LeftUp(wheel, {20, 3});
    wheel->SetCurrentValue(100.0f); // the host may go beyond the clamps
    EXPECT_EQ(wheel->GetCurrentValue(), 100.0f);
}

TEST_F(WheelDialTest, WheelDrawsTheTextureWindowThroughTheMaskUnderTheFrame)
{
    EXPECT_EQ(wheel->GetClientSize(), wxSize(40, 8)); // the frame's size
    wxImage img = RenderToImage(wheel, wxDefaultSize, *wxWHITE);
    const std::pair<wxPoint, const char*> start[] = {
        {{0, 2}, "#000000"},  {{1, 5}, "#000000"}, // masked out: black
        {{2, 0}, "#040000"},                       // half of column 2
        {{10, 2}, "#285000"}, {{38, 5}, "#98C800"}, // texture column and row
        {{39, 2}, "#00FF00"}, {{10, 7}, "#0000FF"}, // the frame on top
        {{20, 2}, "#A8A880"}};                      // half of white over column 20
    for (const auto& [p, colour] : start)
        EXPECT_EQ(PixelStr(img, p.x, p.y), colour) << p.x << "," << p.y;
    // 25 pixels to the left with a 20-pixel period: the window starts at column 5.
    LeftDown(wheel, {30, 3});
    Motion(wheel, {5, 3});
    LeftUp(wheel, {5, 3});
    EXPECT_EQ(wheel->GetModel().GetWindowStart(), 5);
    img = RenderToImage(wheel);
    EXPECT_EQ(PixelStr(img, 10, 2), "#3C5000"); // column 15
    EXPECT_EQ(PixelStr(img, 38, 0), "#AC0000"); // column 43
    EXPECT_EQ(PixelStr(img, 39, 2), "#00FF00");
}

TEST_F(WheelDialTest, VerticalWheelScrollsRows)
{
    static const BitmapA tall = MakeImage(40, 40, [](int x, int y) {
        return Rgba{static_cast<unsigned char>(4 * y), static_cast<unsigned char>(4 * x), 0, 255};
    });
    static const BitmapA mask = MakeImage(8, 20, [](int, int) { return Rgba{255, 255, 255, 255}; });
    static const BitmapA frame = MakeImage(8, 20, [](int, int) { return Rgba{0, 0, 0, 0}; });
    auto* v = new VornThumbWheelControl(&frame, &tall, &mask, 50, 0, true, 10, panel, -1, &group);
    v->SetCurrentValue(35.0f);
    EXPECT_EQ(PixelStr(RenderToImage(v), 3, 4), "#100C00"); // texture row 4, column 3
    LeftDown(v, {3, 10});
    Motion(v, {3, 7}); // up 3 pixels: the value rises, the window moves 3 rows down the texture
    EXPECT_FLOAT_EQ(v->GetCurrentValue(), 35.3f);
    Motion(v, {3, 16}); // down 9: 30 - 90 wraps to 40 over the 100-tenth period
    LeftUp(v, {3, 16});
    EXPECT_EQ(v->GetModel().GetPosition(), 40);
    EXPECT_EQ(PixelStr(RenderToImage(v), 3, 4), "#200C00"); // texture row 8
    // The frame alone is drawn over black; without one nothing is drawn.
    auto* frameOnly = new VornThumbWheelControl(&TheWheelArt().frame, nullptr, nullptr, 0, 50, false, 20, panel, -1, &group);
    EXPECT_EQ(PixelStr(RenderToImage(frameOnly, wxDefaultSize, *wxWHITE), 10, 2), "#000000");
    auto* empty = new VornThumbWheelControl(nullptr, nullptr, nullptr, 0, 40, false, 20, panel, -1, &group);
    EXPECT_EQ(PixelStr(RenderToImage(empty, wxSize(4, 4), *wxWHITE), 1, 1), "#FFFFFF");
}

// ---- direction dials ----

TEST_F(WheelDialTest, DialFollowsThePointerAndIgnoresItsCentre)
{
    EXPECT_EQ(Knob(), std::make_pair(90, 50)); // zero points right
    LeftDown(dial, {90, 50});
    EXPECT_EQ(Knob(), std::make_pair(90, 50)); // the press does not move the knob
    Motion(dial, {50, 20});                    // up
    EXPECT_EQ(Knob(), std::make_pair(50, 10));
    Motion(dial, {50, 50}); // on the centre: no direction, no report
    Motion(dial, {0, 50});  // left, beyond the circle: the knob stays on it
    EXPECT_EQ(Knob(), std::make_pair(10, 50));
    LeftUp(dial, {0, 50});
    EXPECT_EQ(group.events,
              (std::vector<std::string>{Id("Selected", dial), Id("Drag", dial), "Update id=0 RealValChanging 0.25",
                                        Id("Drag", dial), "Update id=0 RealValChanging 0.5", Id("UnSelected", dial),
                                        "Update id=0 RealValChanged 0.5"}));
    group.events.clear();
    LeftDown(dial, {10, 10}); // a release without movement reports the unchanged value
    LeftUp(dial, {10, 10});
    EXPECT_EQ(group.events, (std::vector<std::string>{Id("Selected", dial), Id("UnSelected", dial),
                                                      "Update id=0 RealValChanged 0.5"}));
}

TEST_F(WheelDialTest, DialZeroDirectionAndSetValue)
{
    dial->SetZeroVal(90.0);
    EXPECT_EQ(Knob(), std::make_pair(50, 10)); // points at the new zero
    dial->SetValue(0.5f, true); // half a turn from up: down
    dial->SetValue(0.75f, false);
    EXPECT_EQ(Knob(), std::make_pair(90, 50));
    EXPECT_EQ(group.events, (std::vector<std::string>{Id("Drag", dial), "Update id=0 RealValChanging 0.5"}));
    // The form without a size has the control base's size.
    auto* small = new VornAngleControl(10, 10, 8, 0, 0, panel, -1, &group);
    int x = 0, y = 0;
    small->GetCurPosition(x, y);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(18, 10));
    EXPECT_EQ(small->GetClientSize(), (new VornControl(0, 0, panel, -1, nullptr))->GetClientSize());
}

TEST_F(WheelDialTest, PlainDialDrawsABlueSquareOnlyWhenChanged)
{
    dial->SetValue(0.0f, false); // knob (90, 50): square 85..94 x 45..54
    wxImage img = RenderToImage(dial);
    EXPECT_EQ(PixelStr(img, 85, 45), "#0000FF");
    EXPECT_EQ(PixelStr(img, 93, 53), "#0000FF");
    for (const wxPoint p : {wxPoint(84, 50), wxPoint(95, 50), wxPoint(90, 44), wxPoint(10, 10)})
        EXPECT_EQ(PixelStr(img, p.x, p.y), "#0A141E") << p.x << "," << p.y;
    // Nothing changed since: nothing is drawn.
    EXPECT_EQ(PixelStr(RenderToImage(dial, wxDefaultSize, *wxWHITE), 90, 50), "#FFFFFF");
    // A drag step draws at once on screen; a draw after it has nothing new to draw.
    LeftDown(dial, {90, 50});
    Motion(dial, {50, 20});
    LeftUp(dial, {50, 20});
    EXPECT_EQ(PixelStr(RenderToImage(dial, wxDefaultSize, *wxWHITE), 50, 10), "#FFFFFF");
    dial->SetValue(0.25f, false);
    img = RenderToImage(dial);
    EXPECT_EQ(PixelStr(img, 50, 10), "#0000FF");
    EXPECT_EQ(PixelStr(img, 90, 50), "#0A141E");
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

// A paint event means the toolkit lost the pixels: the dial draws them again.
TEST_F(WheelDialTest, PaintEventsDrawThePlainDialAnew)
{
    auto* probe = new ProbeDial(20, 20, 15, 0, 110, 40, 40, panel, -1, &group);
    ASSERT_TRUE(PumpUntil([&] { return !probe->sawDirty.empty(); })); // its first paint
    probe->sawDirty.clear();
    RenderToImage(probe); // nothing changed since: nothing to draw
    probe->Refresh(false);
    ASSERT_TRUE(PumpUntil([&] { return probe->sawDirty.size() >= 2; }));
    EXPECT_FALSE(probe->sawDirty.front());
    EXPECT_TRUE(probe->sawDirty.back());
    EXPECT_FALSE(probe->IsDirty());
}

TEST_F(WheelDialTest, DrawnDialHasStemCirclePointerAndHub)
{
    // 120 x 60: radius 30, centre (90, 30), circle of radius 24, stem to x = 66.
    VornAngleControlB* b = DrawnDialKind::Make(panel, &group);
    const auto check = [&](const std::vector<std::pair<wxPoint, const char*>>& expected) {
        const wxImage img = RenderToImage(b);
        for (const auto& [p, colour] : expected)
            EXPECT_EQ(PixelStr(img, p.x, p.y), colour) << p.x << "," << p.y;
        return img;
    };
    check({{{0, 30}, "#FFFFFF"},   {{40, 30}, "#FFFFFF"}, {{40, 29}, "#000000"}, // stem
           {{66, 30}, "#FFFFFF"},  {{90, 6}, "#FFFFFF"},  {{90, 54}, "#FFFFFF"}, // circle
           {{100, 30}, "#FFFFFF"}, {{90, 18}, "#000000"}, {{90, 30}, "#FFFFFF"}, // pointer right, hub
           {{70, 20}, "#000000"},  {{30, 5}, "#000000"}});
    b->SetValue(0.25f, false); // straight up
    check({{{90, 18}, "#FFFFFF"}, {{90, 1}, "#FFFFFF"}, {{100, 30}, "#000000"}, {{40, 30}, "#FFFFFF"}});
    b->SetValue(0.125f, false); // up and to the right: smoothed along the diagonal
    const wxImage img = check({});
    EXPECT_GT(Brightest(img, 99, 20, 100, 21, 0), 128);
    EXPECT_EQ(Brightest(img, 96, 26, 97, 27, 0), 0); // below the diagonal
}

// ---- clippers ----

TEST_F(WheelDialTest, ClippersOpenDownwardsClampedAndFineWithTheMetaKey)
{
    LeftDown(clippers, {40, 10});
    Motion(clippers, {40, 0}); // already closed: nothing to report
    Motion(clippers, {40, 5}, kLeftHeld | kShift);
    EXPECT_DOUBLE_EQ(clippers->GetValue(), 0.005);
    Motion(clippers, {70, 5}); // sideways: nothing
    Motion(clippers, {40, 500});
    Motion(clippers, {40, 600}); // fully open already
    LeftUp(clippers, {40, 600});
    EXPECT_EQ(group.events,
              (std::vector<std::string>{Id("Selected", clippers), Id("Drag", clippers),
                                        "Update id=0 RealValChanging 0.005", Id("Drag", clippers),
                                        "Update id=0 RealValChanging 1", Id("UnSelected", clippers),
                                        "Update id=0 RealValChanged 1"}));
    group.events.clear();
    clippers->SetValue(0.5, true);
    clippers->SetValue(0.5, true);  // the same position: nothing
    clippers->SetValue(0.7, false); // not asked
    clippers->SetValue(4.0, true);  // clamped to 1
    EXPECT_EQ(clippers->GetValue(), 1.0);
    EXPECT_EQ(group.events, (std::vector<std::string>{Id("Drag", clippers), "Update id=0 RealValChanging 0.5",
                                                      Id("Drag", clippers), "Update id=0 RealValChanging 1"}));
}

TEST_F(WheelDialTest, ClippersDrawBladesAndArcsSplitAtThem)
{
    wxImage img = RenderToImage(clippers); // closed
    EXPECT_EQ(PixelStr(img, 10, 22), "#FFFFFF"); // the axis from the left edge to the centre
    EXPECT_EQ(PixelStr(img, 53, 22), "#FFFFFF"); // hub
    EXPECT_EQ(PixelStr(img, 74, 22), "#FFFFFF"); // both blades along the axis
    EXPECT_EQ(PixelStr(img, 76, 22), "#000000"); // beyond their length
    EXPECT_EQ(PixelStr(img, 53, 2), "#FF0000");  // the vertical line in the second colour
    EXPECT_GT(Brightest(img, 64, 9, 66, 11, 0), 128); // both arcs wholly in the second colour
    EXPECT_EQ(Brightest(img, 64, 9, 66, 11, 1), 0);
    EXPECT_EQ(Brightest(img, 64, 33, 66, 35, 1), 0);
    EXPECT_EQ(PixelStr(img, 60, 16), "#000000"); // inside the arcs

    clippers->SetValue(1.0, false);
    img = RenderToImage(clippers);
    EXPECT_EQ(PixelStr(img, 53, 2), "#FFFFFF"); // the blades over the vertical line
    EXPECT_EQ(PixelStr(img, 53, 40), "#FFFFFF");
    EXPECT_EQ(PixelStr(img, 10, 22), "#FFFFFF"); // the axis stays
    EXPECT_EQ(PixelStr(img, 74, 22), "#000000");
    EXPECT_GT(Brightest(img, 64, 9, 66, 11, 1), 128); // both arcs wholly in the line colour
    EXPECT_GT(Brightest(img, 64, 33, 66, 35, 1), 128);

    clippers->SetValue(0.5, false); // blades at 45 degrees: outer points (68, 7) and (68, 37)
    img = RenderToImage(clippers);
    EXPECT_GT(Brightest(img, 60, 14, 61, 15, 1), 128); // on the upper blade
    EXPECT_GT(Brightest(img, 60, 29, 61, 30, 1), 128); // on the lower blade
    EXPECT_GT(Brightest(img, 68, 15, 70, 17, 1), 128); // line colour between blade and axis
    EXPECT_EQ(Brightest(img, 56, 4, 59, 6, 1), 0);     // second colour beyond the blade
    EXPECT_GT(Brightest(img, 56, 4, 59, 6, 0), 128);
    EXPECT_EQ(Brightest(img, 56, 38, 59, 40, 1), 0); // the lower arc mirrors it

    // Without area nothing is drawn; without a group nothing is told.
    auto* empty = new VornAngleClippers(kDialBack, kDialLine, kDialSecond, 100, 0, 50, 0, 0, panel, -1, nullptr);
    EXPECT_EQ(PixelStr(RenderToImage(empty, wxSize(4, 4), *wxWHITE), 1, 1), "#FFFFFF");
    empty->SetValue(0.5, true);
    EXPECT_DOUBLE_EQ(empty->GetValue(), 0.5);
}
