// The stop bar driven by synthetic pointer events: the exact gradient hints of drags, flag
// toggles, deletes and colour picks, the component boxes and what it draws.
#include <cstdio>
#include <cstring>
#include <memory>
#include <tuple>
#include <utility>

#include <vorn/assets/image_cache.h>
#include <vorn/colour/colour_control.h>
#include <vorn/colour/gradient_control.h>
#include <vorn/colour/gradient_hints.h>
#include <vorn/text_lists/edit.h>
#include <vorn/util/gradient.h>

#include "../controls/hand_clock.h"
#include "group_recorder.h"
#include "test_support.h"

using namespace vorn;
using namespace vorntest;

namespace {

std::string GradientText(const VornControlHint* h)
{
    char buf[80] = "";
    if (auto* s = dynamic_cast<const GradientHintSelect*>(h))
        std::snprintf(buf, sizeof buf, "Select %u", s->index);
    else if (auto* d = dynamic_cast<const GradientHintDelete*>(h))
        std::snprintf(buf, sizeof buf, "Delete %u", d->index);
    else if (auto* m = dynamic_cast<const GradientHintMove*>(h))
        std::snprintf(buf, sizeof buf, "Move %g %g", m->oldPosition, m->newPosition);
    else if (auto* sc = dynamic_cast<const GradientHintScroll*>(h))
        std::snprintf(buf, sizeof buf, "Scroll %d %g", sc->end, sc->amount);
    return *buf ? buf : HintText(h);
}

struct GradientRecorder : VornControlGroupValue {
    void Update(unsigned int id, VornControl* control, VornControlHint* hint) override
    {
        hints.push_back(GradientText(hint));
        VornControlGroupValue::Update(id, control, hint);
    }
    Log Take() { return std::exchange(hints, {}); }
    Log hints;
};

// An editor as a host makes it: its colour picker always answers teal.
struct TealEditor : GradientControl {
    void PickColour(int, int, Color& colour) override { colour = Color(0.0, 0.5, 0.5); }
};

// The range 0.2..0.6 over 200 columns between margins of 15: stop 1 (0.25) at column 40,
// stop 2 (0.5) at 165, stop 3 (0.9) off to the right.
class ColourControlTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        gradient.AddPoint(CONTROL_POINT(0.25, Color(0.8, 0.2, 0.4), false, true, false));
        gradient.AddPoint(CONTROL_POINT(0.5, Color(0.0, 0.0, 1.0)));
        gradient.AddPoint(CONTROL_POINT(0.9, Color(0.0, 1.0, 0.0)));
        bar = Make(panel);
    }
    ColourControl* Make(wxWindow* parent, const VornwxBitmapCache* images = nullptr)
    {
        auto* b = new ColourControl(images, 0, 0, 230, 120, parent, -1, &group);
        b->SetBgColour(wxColour(200, 200, 200));
        b->SetSpace(15, 15);
        b->SetDisplayRange(0.2, 0.6);
        b->Bind(&gradient);
        b->SetClock(std::make_unique<HandClock>(&now));
        b->SetSelect(1);
        group.Take();
        return b;
    }
    Log Click(ColourControl* b, wxPoint down, wxPoint up) { return LeftDown(b, down), LeftUp(b, up), group.Take(); }
    CONTROL_POINT Stop(unsigned int i) { return gradient.GetPoint(i, point), point; }
    CONTROL_POINT point;
    long now = 0;
    Gradient gradient;
    GradientRecorder group;
    ColourControl* bar = nullptr;
};

} // namespace

// Another stop drags at once; past the right end it stays at max and asks for a scroll on
// every step, the release included, which ends with an update without hint.
TEST_F(ColourControlTest, DragPastTheEndPinsAtMaxAndScrollsEachStep)
{
    DiagnosticsRecorder diag;
    LeftDown(bar, {165, 5});
    for (const int x : {180, 300, 310})
        Motion(bar, {x, 5});
    LeftUp(bar, {310, 5});
    EXPECT_EQ(group.Take(), (Log{"Select 2", "Move 0.5 0.53", "Scroll 1 0.58", "Move 0.53 0.6", "Scroll 1 0.58",
                                 "Move 0.6 0.6", "Scroll 1 0.58", "Move 0.6 0.6", "null"}));
    EXPECT_EQ(diag.debug, (std::vector<std::string>{"Start mouse drag\n", "Cancelled mouse drag\n"}));
}

// Held 101 ms, the selected stop's marker drags, with the pointer captured.
TEST_F(ColourControlTest, TheSelectedStopDragsAfterTheButtonIsHeld)
{
    ShowFrame();
    DiagnosticsRecorder diag;
    LeftDown(bar, {40, 5});
    now = 150;
    Motion(bar, {60, 5});
    EXPECT_TRUE(bar->IsMouseCaptive());
    LeftUp(bar, {60, 5});
    EXPECT_FALSE(bar->IsMouseCaptive());
    EXPECT_EQ(group.Take(), (Log{"Move 0.25 0.29", "Move 0.29 0.29", "null"}));
    EXPECT_EQ(diag.debug, (std::vector<std::string>{"Prepare mouse drag\n", "Tracking mouse drag\n"}));
}

// A toggle flips on a release within 3 columns of the press and 3 rows of its row; a
// toggle press on another stop selects it first.
TEST_F(ColourControlTest, FlagTogglesFlipOnReleaseNearThePress)
{
    EXPECT_EQ(Click(bar, {40, 31}, {44, 31}), Log{});
    EXPECT_EQ(Click(bar, {40, 31}, {40, 35}), Log{});
    EXPECT_EQ(Click(bar, {40, 31}, {37, 28}), Log{"Move 0.25 0.25"});
    EXPECT_FALSE(Stop(1).flag2);
    EXPECT_EQ(Click(bar, {165, 19}, {165, 20}), (Log{"Select 2", "Move 0.5 0.5"}));
    EXPECT_TRUE(Stop(2).flag1 && !Stop(2).flag2 && !Stop(2).flag3);
}

TEST_F(ColourControlTest, DeleteOnlyInsideTheDisplayedRange)
{
    DiagnosticsRecorder diag;
    bar->SetSelect(3); // 0.9 lies outside 0.2..0.6
    bar->DeleteKeyPressed();
    bar->SetSelect(0);
    bar->DeleteKeyPressed();
    bar->SetSelect(2);
    bar->DeleteKeyPressed();
    EXPECT_EQ(group.Take(), (Log{"Select 3", "Select 0", "Select 2", "Delete 2", "Select 0"}));
    EXPECT_EQ(gradient.GetSize(), 2u);
    EXPECT_EQ(diag.debug, std::vector<std::string>(3, "Colour Control says \"thank you for the delete key notification\"\n"));
}

// The markers and dot in the stops' colours, the toggles as boxes or flag images, the
// span's guides (in the face and below it), and the boxes showing the selected colour (a
// box already reading the value is left alone).
TEST_F(ColourControlTest, DrawsTheSelectedStopAndShowsItsColour)
{
    wxImage image = RenderToImage(bar);
    for (const auto& [x, y, px] : {std::tuple{40, 4, Bytes{204, 51, 102}}, {165, 4, Bytes{0, 0, 255}},
                                   {200, 85, Bytes{204, 51, 102}}, {40, 19, Bytes{200, 200, 200}}, {40, 31, Bytes{0, 0, 0}},
                                   {15, 110, Bytes{160, 160, 160}}, {215, 60, Bytes{160, 160, 160}}, {100, 110, Bytes{200, 200, 200}}})
        EXPECT_EQ(Px(image, x, y), px) << x << "," << y;

    VornwxBitmapCache flags;
    flags.AssignImageOwn(VORN_IMAGE_OFF, NewSolid(13, 13, wxColour(0, 255, 255)));
    flags.AssignImageOwn(VORN_IMAGE_ON, NewSolid(13, 13, wxColour(255, 0, 255)));
    std::unique_ptr<ColourControl> skinned(Make(panel, &flags));
    image = RenderToImage(skinned.get());
    EXPECT_EQ(std::tuple(Px(image, 40, 19), Px(image, 40, 31)), std::tuple(Bytes{0, 255, 255}, Bytes{255, 0, 255}));

    VornEdit* boxes[3];
    for (int i = 0; i < 3; ++i)
        boxes[i] = new VornEdit(0, 130 + 20 * i, 60, 18, panel, *wxBLACK, *wxWHITE, -1, nullptr);
    bar->SetComponentControls(boxes[0], boxes[1], boxes[2]);
    bar->SetSelect(2);
    boxes[1]->SetText("0.2", false);
    bar->SetSelect(1);
    auto text = [&](int i) { std::string t; boxes[i]->GetText(t); return t; };
    EXPECT_EQ(std::tuple(text(0), text(1), text(2)), std::tuple("0.800", "0.2", "0.400"));
}

// The face kept between draws follows what changes under it: after a drag and another
// stop recoloured behind the bar's back, it draws what a new bar over the gradient draws.
TEST_F(ColourControlTest, KeptFaceFollowsDragsAndRecolouredStops)
{
    RenderToImage(bar);
    LeftDown(bar, {165, 5});
    Motion(bar, {130, 5});
    RenderToImage(bar);
    Motion(bar, {100, 5});
    LeftUp(bar, {100, 5});
    gradient.SetPoint(1, CONTROL_POINT(0.25, Color(0.0, 1.0, 0.0)));
    GradientHintValue value;
    group.Update(0, nullptr, &value);
    std::unique_ptr<ColourControl> fresh(Make(panel));
    fresh->SetSelect(2);
    const wxImage kept = RenderToImage(bar), made = RenderToImage(fresh.get());
    EXPECT_EQ(std::tuple(Px(kept, 40, 4), Px(kept, 130, 4)), std::tuple(Bytes{0, 255, 0}, Bytes{200, 200, 200}));
    EXPECT_EQ(0, std::memcmp(kept.GetData(), made.GetData(), kept.GetWidth() * kept.GetHeight() * 3));
}

// The dot asks the editor for a colour only when the bar sits in one.
TEST_F(ColourControlTest, ColourDotPicksOnlyInsideAnEditor)
{
    ShowFrame();
    DiagnosticsRecorder diag;
    EXPECT_EQ(Click(bar, {200, 85}, {200, 85}), Log{});
    EXPECT_EQ(Stop(1).colour, Color(0.8, 0.2, 0.4));
    EXPECT_EQ(diag.debug, std::vector<std::string>{"Colour dot click - try lauching the ColourPicker from (200,85)\n"});

    auto* editor = new TealEditor;
    ASSERT_TRUE(editor->VornControl::Create(0, 200, 230, 120, panel, -1, nullptr));
    EXPECT_EQ(Click(Make(editor), {200, 85}, {200, 85}), Log{"GradientHintValue"});
    EXPECT_EQ(Stop(1).colour, Color(0.0, 0.5, 0.5));
}
