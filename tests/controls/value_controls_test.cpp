// What every value control does the same way, checked on each of them: creation in two
// steps, the disabled state, disabling mid-drag, a second button, life without a group,
// and a face drawn from kept bitmaps that matches one drawn afresh; then the sliders',
// the thumb wheel's, the dials' and the clippers' own interactions and looks.
#include <gtest/gtest.h>

#include "value_kinds.h"

using namespace vorn;
using namespace vorntest;

namespace {

// The whole face, also of a control that draws only what changed since it last drew.
wxImage Face(VornControl* c)
{
    c->SetDirty();
    return RenderToImage(c);
}

template <class Kind>
class ValueControlTest : public ValueTest {
protected:
    void Make() override { control = Kind::Make(panel, &group); }
    // Presses, takes the first step, and reports the value there.
    double PressAndStep()
    {
        LeftDown(control, Kind::kPress);
        Motion(control, Kind::kStep);
        return Kind::Value(control);
    }

    typename Kind::Control* control = nullptr;
};

using Kinds = ::testing::Types<PlainSliderKind, BitmapSliderKind, DrawnSliderKind, TrackSliderKind, WheelKind,
                               DialKind, DrawnDialKind, ClippersKind>;
TYPED_TEST_SUITE(ValueControlTest, Kinds);

} // namespace

// Made in two steps or at once, the control looks and reports alike: one step, then the release.
TYPED_TEST(ValueControlTest, ADragReportsEachStepAndTheReleaseAlikeWhenCreatedInTwoSteps)
{
    GroupRecorder later;
    auto* twin = TypeParam::MakeLater(this->panel, &later);
    EXPECT_EQ(twin->GetClientSize(), this->control->GetClientSize());
    const double before = TypeParam::Value(this->control);
    EXPECT_EQ(TypeParam::Value(twin), before);
    EXPECT_TRUE(SameImage(Face(twin), Face(this->control)));
    const double stepped = this->PressAndStep();
    EXPECT_NE(stepped, before);
    EXPECT_TRUE(this->control->IsDragging());
    EXPECT_TRUE(this->control->HasCapture());
    LeftUp(this->control, TypeParam::kStep);
    EXPECT_FALSE(this->control->IsDragging());
    EXPECT_FALSE(this->control->HasCapture());
    EXPECT_EQ(this->group.events, DragReport(this->control, {stepped}, stepped));
    EXPECT_EQ(this->group.lastControl, this->control);
    LeftDown(twin, TypeParam::kPress);
    Motion(twin, TypeParam::kStep);
    LeftUp(twin, TypeParam::kStep);
    EXPECT_EQ(later.events, DragReport(twin, {stepped}, stepped));
    EXPECT_EQ(later.lastControl, twin);
}

TYPED_TEST(ValueControlTest, DisabledControlIgnoresThePointerAndDisablingMidDragEndsItAsAReleaseWould)
{
    const double before = TypeParam::Value(this->control);
    this->control->SetEnabled(false);
    EXPECT_EQ(this->PressAndStep(), before);
    LeftUp(this->control, TypeParam::kStep);
    EXPECT_FALSE(this->control->HasCapture());
    EXPECT_TRUE(this->group.events.empty());
    this->control->SetEnabled(true);
    const double stepped = this->PressAndStep();
    this->control->SetEnabled(false);
    EXPECT_FALSE(this->control->IsDragging());
    EXPECT_FALSE(this->control->HasCapture()); // the rest of the interface gets the mouse again
    EXPECT_EQ(this->group.events, DragReport(this->control, {stepped}, stepped));
    this->group.events.clear();
    LeftUp(this->control, TypeParam::kStep); // ignored while disabled
    this->control->SetEnabled(true);
    Motion(this->control, TypeParam::kPress); // no press since: nothing moves
    EXPECT_EQ(TypeParam::Value(this->control), stepped);
    EXPECT_TRUE(this->group.events.empty());
    LeftDown(this->control, TypeParam::kPress); // a fresh drag begins as usual
    EXPECT_EQ(this->group.events.front(), Said("Selected", this->control));
    LeftUp(this->control, TypeParam::kPress);
}

TYPED_TEST(ValueControlTest, ASecondButtonBeginsNoSecondDrag)
{
    LeftDown(this->control, TypeParam::kPress);
    SendMouse(this->control, wxEVT_RIGHT_DOWN, TypeParam::kPress, kLeftHeld);
    Motion(this->control, TypeParam::kStep, kLeftHeld | kRightHeld);
    SendMouse(this->control, wxEVT_RIGHT_UP, TypeParam::kStep, kLeftHeld);
    EXPECT_TRUE(this->control->IsDragging());
    LeftUp(this->control, TypeParam::kStep);
    const double v = TypeParam::Value(this->control);
    EXPECT_EQ(this->group.events, DragReport(this->control, {v}, v));
}

// A group that ends first leaves no pointer behind: the next drag moves the value and
// reports to nobody (under AddressSanitizer a stale pointer would be a use after free).
TYPED_TEST(ValueControlTest, AGroupThatEndsFirstIsNotReportedTo)
{
    auto* shortLived = new GroupRecorder;
    auto* orphan = TypeParam::Make(this->panel, shortLived);
    delete shortLived;
    EXPECT_EQ(orphan->GetGroup(), nullptr);
    const double before = TypeParam::Value(orphan);
    LeftDown(orphan, TypeParam::kPress);
    Motion(orphan, TypeParam::kStep);
    LeftUp(orphan, TypeParam::kStep);
    EXPECT_NE(TypeParam::Value(orphan), before);
}

// The face after each step of a drag that comes back over its own path is the face of a
// fresh control, without a group, moved straight to the same point.
TYPED_TEST(ValueControlTest, FaceAfterEachStepMatchesAFreshControl)
{
    LeftDown(this->control, TypeParam::kPress);
    for (const wxPoint p : TypeParam::Path()) {
        Motion(this->control, p);
        auto* fresh = TypeParam::Make(this->panel, nullptr);
        LeftDown(fresh, TypeParam::kPress);
        Motion(fresh, p);
        LeftUp(fresh, p);
        EXPECT_EQ(TypeParam::Value(fresh), TypeParam::Value(this->control));
        ASSERT_TRUE(SameImage(Face(this->control), Face(fresh))) << p.x << "," << p.y;
        fresh->Destroy();
    }
    LeftUp(this->control, TypeParam::kPress);
}

// ---- each control's own interactions and looks ----

namespace {
class LookTest : public ValueTest {
protected:
    void Make() override
    {
        slider = PlainSliderKind::Make(panel, &group); // width 110: max 1000 tenths, value / 1000 reported
        wheel = WheelKind::Make(panel, &group);        // value 35, 20-pixel period
        dial = DialKind::Make(panel, &group);          // centre (50, 50), radius 40
        clippers = ClippersKind::Make(panel, &group);  // 80 x 44: centre (53, 22), 100 pixels to open
    }
    std::pair<int, int> Knob() const
    {
        std::pair<int, int> p;
        dial->GetCurPosition(p.first, p.second);
        return p;
    }
    VornSlider* slider = nullptr;
    VornThumbWheelControl* wheel = nullptr;
    VornAngleControl* dial = nullptr;
    VornAngleClippers* clippers = nullptr;
};
using SliderTest = LookTest;
using WheelDialTest = LookTest;

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

TEST_F(SliderTest, PressOnTheKnobReportsOnlyStepsThatMoveIt)
{
    LeftDown(slider, {5, 10});
    Motion(slider, {25, 10});
    Motion(slider, {25, 12}); // no horizontal movement: nothing to report
    Motion(slider, {26, 10}, kLeftHeld | kShift); // ten times finer with either meta key
    Motion(slider, {36, 10}, kLeftHeld | kAlt);
    LeftUp(slider, {36, 10});
    EXPECT_EQ(group.events, DragReport(slider, {0.2, 0.201, 0.211}, 0.211));
}

TEST_F(SliderTest, PressOnTheTrackCentresTheKnobAndReportsTheDragOnly)
{
    LeftDown(slider, {60, 10}); // knob 55..65 centred on 60: 0.55, said with the next step
    EXPECT_EQ(group.events, (std::vector<std::string>{Said("Selected", slider), Said("Drag", slider)}));
    Motion(slider, {70, 10});
    LeftUp(slider, {70, 10});
    std::vector<std::string> want = DragReport(slider, {0.65}, 0.65);
    want.insert(want.begin() + 1, Said("Drag", slider));
    EXPECT_EQ(group.events, want);
}

TEST_F(SliderTest, PressOutsideTheBandBeginsNoDragButItsReleaseReports)
{
    slider->SetValue(1.5, true); // clamped, and told only when asked
    slider->SetValue(0.3, false);
    EXPECT_EQ(group.events, (std::vector<std::string>{Said("Drag", slider), "Update id=0 RealValChanging 1"}));
    group.events.clear();
    LeftDown(slider, {50, 2}); // band is y 5..15
    EXPECT_FALSE(slider->IsDragging());
    EXPECT_FALSE(slider->HasCapture());
    Motion(slider, {90, 2});
    LeftUp(slider, {90, 2});
    EXPECT_EQ(group.events, (std::vector<std::string>{Said("UnSelected", slider), "Update id=0 RealValChanged 0.3"}));
}

TEST_F(SliderTest, PlainLookDrawsABlueKnobAtTheValue)
{
    slider->SetValue(0.5, false); // knob left edge at 50, top at 5; the window's background around it
    ExpectPixels(RenderToImage(slider), {{{55, 10}, "#0000FF"}, {{50, 5}, "#0000FF"}, {{58, 13}, "#0000FF"},
                                         {{49, 10}, "#0A141E"}, {{60, 10}, "#0A141E"}, {{55, 4}, "#0A141E"}});
}

TEST_F(SliderTest, BitmapLookDrawsCapFillAndKnob)
{
    VornSliderA* a = BitmapSliderKind::Make(panel, &group);
    // min 60, max 1000: 0.5 puts the knob's left edge at 53; gap (20 - 14) / 2 = 3
    a->SetValue(0.5, false);
    ExpectPixels(RenderToImage(a), {{{2, 10}, "#FF0000"}, {{30, 5}, "#0000FF"}, {{52, 8}, "#0000FF"}, {{30, 12}, "#000000"},
                                    {{53, 3}, "#FFFFFF"}, {{62, 16}, "#FFFFFF"}, {{63, 10}, "#000000"}, {{63, 5}, "#000000"}});
    const std::pair<VornSliderA::SliderType, const char*> caps[] = {
        {VornSliderA::SLIDER_CAP1, "#00FF00"}, {VornSliderA::SLIDER_CAP2, "#FFFF00"}, {VornSliderA::SLIDER_PLAIN, "#808080"}};
    for (const auto& [type, colour] : caps) {
        a->SetSliderType(type);
        ExpectPixels(RenderToImage(a), {{{2, 10}, colour}, {{30, 5}, "#0000FF"}});
    }
}

TEST_F(SliderTest, DrawnLookHasALineUpToTheKnobAndARoundKnob)
{
    VornSliderB* b = DrawnSliderKind::Make(panel, &group);
    // knob box 12 x 12: max 980; 0.5 puts the knob's left edge at 49; gap 4
    b->SetValue(0.5, false);
    const wxImage img = RenderToImage(b);
    // The line ends on the knob's box (49, 4)-(60, 15), whose inscribed ring is lit at its sides.
    ExpectPixels(img, {{{0, 4}, "#FFFFFF"}, {{49, 4}, "#FFFFFF"}, {{30, 5}, "#000000"}, {{80, 4}, "#000000"}});
    ExpectGlows(img, {{49, 9, 49, 10, 0, true}, {60, 9, 60, 10, 0, true}, {54, 15, 55, 15, 0, true},
                      {53, 8, 56, 11, 0, false}, {62, 6, 70, 14, 0, false}}); // sides, bottom; inside, beyond
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
    // The knob's left edge at the left margin, its top at y = 1; at 1 it is at 120 - 10 - 3 = 107.
    ExpectPixels(RenderToImage(c), {{{3, 1}, "#FF0000"}, {{2, 5}, "#282828"}, {{3, 0}, "#282828"}});
    c->SetValue(1.0, false);
    ExpectPixels(RenderToImage(c), {{{107, 10}, "#FF0000"}, {{117, 10}, "#282828"}});
}

// ---- thumb wheel ----

TEST_F(WheelDialTest, WheelReportsEveryStepAndSnapsNearZeroAtTheRelease)
{
    LeftDown(wheel, {10, 3});
    Motion(wheel, {15, 3});
    Motion(wheel, {20, 5}); // across the wheel only x counts
    Motion(wheel, {30, 3}, kLeftHeld | kShift); // ten times finer with the meta key
    LeftUp(wheel, {30, 3});
    EXPECT_EQ(group.events, DragReport(wheel, {35.5, 36, 36.1}, 36.1));
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

TEST_F(WheelDialTest, WheelClampsOnlyWhatTheMouseDoes)
{
    wheel->SetMaxValue(35.5f);
    wheel->SetMinValue(-2.0f);
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
    ExpectPixels(RenderToImage(wheel, wxDefaultSize, *wxWHITE),
                 {{{0, 2}, "#000000"},  {{1, 5}, "#000000"}, // masked out: black
                  {{2, 0}, "#040000"},                       // half of column 2
                  {{10, 2}, "#285000"}, {{38, 5}, "#98C800"}, // texture column and row
                  {{39, 2}, "#00FF00"}, {{10, 7}, "#0000FF"}, // the frame on top
                  {{20, 2}, "#A8A880"}});                     // half of white over column 20
    // 25 pixels to the left with a 20-pixel period: the window starts at column 5.
    LeftDown(wheel, {30, 3});
    Motion(wheel, {5, 3});
    LeftUp(wheel, {5, 3});
    EXPECT_EQ(wheel->GetModel().GetWindowStart(), 5);
    ExpectPixels(RenderToImage(wheel), {{{10, 2}, "#3C5000"}, {{38, 0}, "#AC0000"}, {{39, 2}, "#00FF00"}}); // columns 15, 43
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
    auto* frameOnly = new VornThumbWheelControl(&Kept<WheelArt>().frame, nullptr, nullptr, 0, 50, false, 20, panel, -1, &group);
    EXPECT_EQ(PixelStr(RenderToImage(frameOnly, wxDefaultSize, *wxWHITE), 10, 2), "#000000");
    auto* empty = new VornThumbWheelControl(nullptr, nullptr, nullptr, 0, 40, false, 20, panel, -1, &group);
    EXPECT_EQ(PixelStr(RenderToImage(empty, wxSize(4, 4), *wxWHITE), 1, 1), "#FFFFFF");
}

// ---- direction dials ----

TEST_F(WheelDialTest, DialFollowsThePointerAndIgnoresItsCentre)
{
    LeftDown(dial, {90, 50});
    EXPECT_EQ(Knob(), std::make_pair(90, 50)); // zero points right
    Motion(dial, {50, 20});                    // up
    Motion(dial, {50, 50}); // on the centre: no direction, no report
    Motion(dial, {0, 50});  // left, beyond the circle: the knob stays on it
    EXPECT_EQ(Knob(), std::make_pair(10, 50));
    LeftUp(dial, {0, 50});
    EXPECT_EQ(group.events, DragReport(dial, {0.25, 0.5}, 0.5));
    group.events.clear();
    LeftDown(dial, {10, 10}); // a release without movement reports the unchanged value
    LeftUp(dial, {10, 10});
    EXPECT_EQ(group.events, DragReport(dial, {}, 0.5));
}

TEST_F(WheelDialTest, DialZeroDirectionAndSetValue)
{
    dial->SetZeroVal(90.0);
    EXPECT_EQ(Knob(), std::make_pair(50, 10)); // points at the new zero
    dial->SetValue(0.5f, true); // half a turn from up: down
    dial->SetValue(0.75f, false);
    EXPECT_EQ(Knob(), std::make_pair(90, 50));
    EXPECT_EQ(group.events, (std::vector<std::string>{Said("Drag", dial), "Update id=0 RealValChanging 0.5"}));
}

TEST_F(WheelDialTest, PlainDialDrawsABlueSquareOnlyWhenChanged)
{
    dial->SetValue(0.0f, false); // knob (90, 50): square 85..94 x 45..54
    ExpectPixels(RenderToImage(dial), {{{85, 45}, "#0000FF"}, {{93, 53}, "#0000FF"}, {{84, 50}, "#0A141E"},
                                       {{95, 50}, "#0A141E"}, {{90, 44}, "#0A141E"}, {{10, 10}, "#0A141E"}});
    // Nothing changed since: nothing is drawn.
    EXPECT_EQ(PixelStr(RenderToImage(dial, wxDefaultSize, *wxWHITE), 90, 50), "#FFFFFF");
    // A drag step draws at once on screen; a draw after it has nothing new to draw.
    LeftDown(dial, {90, 50});
    Motion(dial, {50, 20});
    LeftUp(dial, {50, 20});
    EXPECT_EQ(PixelStr(RenderToImage(dial, wxDefaultSize, *wxWHITE), 50, 10), "#FFFFFF");
    dial->SetValue(0.25f, false);
    ExpectPixels(RenderToImage(dial), {{{50, 10}, "#0000FF"}, {{90, 50}, "#0A141E"}});
}

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
    ExpectPixels(RenderToImage(b), {{{0, 30}, "#FFFFFF"},   {{40, 30}, "#FFFFFF"}, {{40, 29}, "#000000"}, // stem
                                    {{66, 30}, "#FFFFFF"},  {{90, 6}, "#FFFFFF"},  {{90, 54}, "#FFFFFF"}, // circle
                                    {{100, 30}, "#FFFFFF"}, {{90, 18}, "#000000"}, {{90, 30}, "#FFFFFF"}, // pointer right, hub
                                    {{70, 20}, "#000000"},  {{30, 5}, "#000000"}});
    b->SetValue(0.25f, false); // straight up
    ExpectPixels(RenderToImage(b), {{{90, 18}, "#FFFFFF"}, {{90, 1}, "#FFFFFF"}, {{100, 30}, "#000000"}, {{40, 30}, "#FFFFFF"}});
    b->SetValue(0.125f, false); // up and to the right: smoothed along the diagonal, dark below it
    ExpectGlows(RenderToImage(b), {{99, 20, 100, 21, 0, true}, {96, 26, 97, 27, 0, false}});
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
    EXPECT_EQ(group.events, DragReport(clippers, {0.005, 1}, 1));
    group.events.clear();
    clippers->SetValue(0.5, true);
    clippers->SetValue(0.5, true);  // the same position: nothing
    clippers->SetValue(0.7, false); // not asked
    clippers->SetValue(4.0, true);  // clamped to 1
    EXPECT_EQ(clippers->GetValue(), 1.0);
    EXPECT_EQ(group.events, (std::vector<std::string>{Said("Drag", clippers), "Update id=0 RealValChanging 0.5",
                                                      Said("Drag", clippers), "Update id=0 RealValChanging 1"}));
}

TEST_F(WheelDialTest, ClippersDrawBladesAndArcsSplitAtThem)
{
    // Closed: the axis from the left edge to the centre, the hub, both blades along the axis (not
    // beyond their length), the vertical line and both arcs wholly in the second colour.
    wxImage img = RenderToImage(clippers);
    ExpectPixels(img, {{{10, 22}, "#FFFFFF"}, {{53, 22}, "#FFFFFF"}, {{74, 22}, "#FFFFFF"}, {{76, 22}, "#000000"},
                       {{53, 2}, "#FF0000"}, {{60, 16}, "#000000"}});
    ExpectGlows(img, {{64, 9, 66, 11, 0, true}, {64, 9, 66, 11, 1, false}, {64, 33, 66, 35, 1, false}});
    clippers->SetValue(1.0, false); // open: the blades over the vertical line, both arcs in the line colour
    img = RenderToImage(clippers);
    ExpectPixels(img, {{{53, 2}, "#FFFFFF"}, {{53, 40}, "#FFFFFF"}, {{10, 22}, "#FFFFFF"}, {{74, 22}, "#000000"}});
    ExpectGlows(img, {{64, 9, 66, 11, 1, true}, {64, 33, 66, 35, 1, true}});
    // Blades at 45 degrees, outer points (68, 7) and (68, 37): on both blades, the line colour
    // between blade and axis, the second colour beyond the blade, the lower arc mirroring it.
    clippers->SetValue(0.5, false);
    ExpectGlows(RenderToImage(clippers), {{60, 14, 61, 15, 1, true}, {60, 29, 61, 30, 1, true}, {68, 15, 70, 17, 1, true},
                                          {56, 4, 59, 6, 1, false}, {56, 4, 59, 6, 0, true}, {56, 38, 59, 40, 1, false}});

    // Without area nothing is drawn; without a group nothing is told.
    auto* empty = new VornAngleClippers(kDialBack, kDialLine, kDialSecond, 100, 0, 50, 0, 0, panel, -1, nullptr);
    EXPECT_EQ(PixelStr(RenderToImage(empty, wxSize(4, 4), *wxWHITE), 1, 1), "#FFFFFF");
    empty->SetValue(0.5, true);
    EXPECT_DOUBLE_EQ(empty->GetValue(), 0.5);
}
