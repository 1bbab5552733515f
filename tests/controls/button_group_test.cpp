// Buttons in groups: radio and moon buttons in a 1-of-N group (exact notification
// order), the moon's drag clamped at both edges of its parent, and the group operations
// SetOnControl, SetEnableControl and SetOnAll acting on real buttons.
#include <gtest/gtest.h>

#include <vorn/controls/button.h>
#include <vorn/controls/button_drag.h>

#include "group_recorder.h"
#include "test_support.h"

using namespace vorn;

using namespace vorntest;

namespace {

// A value 1-of-N group that records what its buttons report, as GroupRecorder does.
class RadioRecorder : public VornValueControlGroup1ofN {
public:
    std::vector<std::string> events;
    void ControlSelected(unsigned int id, VornControl*) override { Note("Selected", id); }
    void ControlUnSelected(unsigned int id, VornControl*) override { Note("UnSelected", id); }
    void ControlDrag(unsigned int id, VornControl*) override { Note("Drag", id); }
    void Update(unsigned int id, VornControl* control, VornControlHint* hint) override
    {
        events.push_back(DescribeUpdate(id, hint, nullptr));
        VornControlGroup1ofN::Update(id, control, hint);
    }

private:
    void Note(const char* what, unsigned int id) { events.push_back(std::string(what) + " id=" + std::to_string(id)); }
};

void Click(wxWindow* w)
{
    LeftDown(w, {3, 3});
    LeftUp(w, {3, 3});
}

VORNIMAGETYPE StateOf(VornButton* b)
{
    b->RecalcState();
    return b->GetImageState();
}

class RadioTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        for (int i = 0; i < 3; ++i)
            radio[i] = new VornRadioButton(nullptr, 20 * i, 0, 16, 16, panel, 701 + i, &radios);
    }
    RadioRecorder radios;
    VornRadioButton* radio[3] = {};
};

} // namespace

TEST_F(RadioTest, ClickChoosesOneAndSwitchesTheOthersOff)
{
    radio[0]->SetOn(true);
    radio[2]->SetOn(true);
    EXPECT_EQ(radio[1]->GetGroup(), &radios);
    Click(radio[1]);
    EXPECT_FALSE(radio[0]->GetOn());
    EXPECT_TRUE(radio[1]->GetOn());
    EXPECT_FALSE(radio[2]->GetOn());
    EXPECT_EQ(radios.GetSelected(), 702);
    // No hint: the choice is read from the group.
    EXPECT_EQ(radios.events, (std::vector<std::string>{"Selected id=702"}));
    Click(radio[2]);
    EXPECT_EQ(radios.GetSelected(), 703);
    EXPECT_FALSE(radio[1]->GetOn());
    EXPECT_EQ(radios.events, (std::vector<std::string>{"Selected id=702", "Selected id=703"}));
}

TEST_F(RadioTest, ThePressAloneChoosesNothing)
{
    LeftDown(radio[0], {3, 3});
    EXPECT_FALSE(radio[0]->GetOn());
    EXPECT_TRUE(radios.events.empty());
    LeftUp(radio[0], {3, 3});
    EXPECT_TRUE(radio[0]->GetOn());
}

TEST_F(RadioTest, AnOnRadioStaysOnUnlessItMayToggle)
{
    Click(radio[0]);
    radios.events.clear();
    Click(radio[0]);
    EXPECT_TRUE(radio[0]->GetOn());
    EXPECT_TRUE(radios.events.empty());
    radio[0]->SetToggle(true);
    Click(radio[0]);
    EXPECT_FALSE(radio[0]->GetOn());
    EXPECT_EQ(radios.events, (std::vector<std::string>{"UnSelected id=701"}));
    EXPECT_EQ(radios.GetSelected(), 701); // the group keeps the last choice
}

TEST_F(RadioTest, CreateResetsTheToggleFlag)
{
    auto* r = new VornRadioButton;
    r->SetToggle(true);
    r->Create(nullptr, 0, 40, 16, 16, panel, 710, &radios);
    EXPECT_FALSE(r->GetToggle());
    EXPECT_EQ(r->GetGroup(), &radios);
    Click(r);
    Click(r);
    EXPECT_TRUE(r->GetOn());
}

TEST_F(RadioTest, HeldFlagIgnoresClicks)
{
    radio[1]->SetButtonDown(true);
    Click(radio[1]);
    EXPECT_FALSE(radio[1]->GetOn());
    EXPECT_TRUE(radios.events.empty());
    EXPECT_EQ(radios.GetSelected(), 0);
}

TEST_F(RadioTest, WithoutGroupARadioStillSwitchesOn)
{
    auto* r = new VornRadioButton(nullptr, 0, 40, 16, 16, panel, 711, nullptr);
    Click(r);
    EXPECT_TRUE(r->GetOn());
    EXPECT_EQ(r->GetGroup(), nullptr);
}

// ---- moon buttons ----

namespace {

class MoonTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        track = new wxPanel(panel, wxID_ANY, wxPoint(10, 10), wxSize(200, 40));
        moon = new VornMoonButton(nullptr, 50, 5, 20, 20, track, 801, &moons);
        other = new VornMoonButton(nullptr, 100, 5, 20, 20, track, 802, &moons);
        ShowFrame(); // capture needs a shown window
    }
    RadioRecorder moons;
    wxPanel* track = nullptr;
    VornMoonButton* moon = nullptr;
    VornMoonButton* other = nullptr;
};

} // namespace

TEST_F(MoonTest, PressChoosesAndCapturesDragFollowsThePointerSideways)
{
    other->SetOn(true);
    EXPECT_EQ(moon->GetValueGroup(), &moons);
    EXPECT_EQ(moon->GetGroup(), static_cast<VornControlGroup1ofN*>(&moons));
    LeftDown(moon, {5, 5});
    EXPECT_TRUE(moon->GetOn());
    EXPECT_FALSE(other->GetOn());
    EXPECT_EQ(moons.GetSelected(), 801);
    EXPECT_TRUE(moon->HasCapture());
    Motion(moon, {15, 9}); // 10 pixels right; vertical motion is ignored
    EXPECT_EQ(moon->GetPosX(), 60);
    EXPECT_EQ(moon->GetPosY(), 5);
    EXPECT_EQ(moon->GetPosition(), wxPoint(60, 5));
    // The grab point stays under the pointer: the moon now sits 10 pixels further right,
    // so the same pointer is at client x 5 again.
    Motion(moon, {5, 5});
    EXPECT_EQ(moon->GetPosX(), 60);
    LeftUp(moon, {5, 5});
    EXPECT_FALSE(moon->HasCapture());
    EXPECT_EQ(moons.events,
              (std::vector<std::string>{"Selected id=801", "Drag id=801", "Drag id=801"}));
}

TEST_F(MoonTest, DragIsClampedAtBothEdgesOfTheParent)
{
    LeftDown(moon, {5, 5});
    Motion(moon, {-300, 5});
    EXPECT_EQ(moon->GetPosX(), 0);
    Motion(moon, {500, 5});
    EXPECT_EQ(moon->GetPosX(), 180); // parent width 200 - moon width 20
    Motion(moon, {-1, 5});           // six pixels left of the grab point
    EXPECT_EQ(moon->GetPosX(), 174);
    LeftUp(moon, {5, 5});
    EXPECT_EQ(VornMoonButton::ClampToParent(-7, 200, 20), 0);
    EXPECT_EQ(VornMoonButton::ClampToParent(181, 200, 20), 180);
    EXPECT_EQ(VornMoonButton::ClampToParent(90, 200, 20), 90);
}

TEST_F(MoonTest, CaptureKeepsTheDragAliveOutsideTheMoon)
{
    LeftDown(moon, {5, 5});
    SendMouse(moon, wxEVT_LEAVE_WINDOW, {40, 5}, kLeftHeld);
    EXPECT_TRUE(moon->GetMouseDown()); // a captive control is not released on leaving
    Motion(moon, {45, 5});
    EXPECT_EQ(moon->GetPosX(), 90);
    LeftUp(moon, {5, 5});
    EXPECT_FALSE(moon->HasCapture());
}

TEST_F(MoonTest, ReleaseOfAMoonSwitchedOffMeanwhileChoosesItAgain)
{
    LeftDown(moon, {5, 5});
    static_cast<VornControlGroup1ofN&>(moons).SetOnControl(802, true, nullptr); // the host chooses another
    moon->SetOn(false);
    LeftUp(moon, {5, 5});
    EXPECT_TRUE(moon->GetOn());
    EXPECT_FALSE(other->GetOn());
    EXPECT_EQ(moons.GetSelected(), 801);
    EXPECT_EQ(moons.events, (std::vector<std::string>{"Selected id=801", "Selected id=801"}));
}

TEST_F(MoonTest, MotionWithoutAPressDoesNothing)
{
    Motion(moon, {40, 5}, kNone);
    EXPECT_EQ(moon->GetPosX(), 50);
    EXPECT_TRUE(moons.events.empty());
}

TEST_F(MoonTest, PressingAnotherMoonMovesTheChoice)
{
    Click(moon);
    Click(other);
    EXPECT_FALSE(moon->GetOn());
    EXPECT_TRUE(other->GetOn());
    EXPECT_EQ(moons.GetSelected(), 802);
    EXPECT_EQ(moons.events, (std::vector<std::string>{"Selected id=801", "Selected id=802"}));
}

// ---- group operations on real buttons ----

namespace {
class GroupOpsTest : public GuiTest {};
} // namespace

TEST_F(GroupOpsTest, SetOnControlSwitchesTheButtonByIdAndEveryListedButton)
{
    VornControlGroup g;
    auto* byId = new VornButton(nullptr, 0, 0, 16, 16, panel, 601, &g);
    auto* other = new VornButton(nullptr, 20, 0, 16, 16, panel, 602, &g);
    auto* listed = new VornButtonToggle(nullptr, 40, 0, 16, 16, panel, 603, nullptr);
    auto* notAButton = new VornControl(60, 0, panel, 604, nullptr);
    g.Register(listed);
    g.Register(notAButton);
    g.SetOnControl(601, true, nullptr);
    EXPECT_TRUE(byId->GetOn());
    EXPECT_FALSE(other->GetOn());
    EXPECT_TRUE(listed->GetOn());
    EXPECT_EQ(StateOf(byId), VORN_IMAGE_ON);
    g.SetOnControl(999, false, nullptr); // unknown id: only the list
    EXPECT_TRUE(byId->GetOn());
    EXPECT_FALSE(listed->GetOn());
    g.DeRegister(listed);
    g.DeRegister(notAButton);
}

TEST_F(GroupOpsTest, SetEnableControlActsOnButtonsOnly)
{
    VornControlGroup g;
    auto* byId = new VornPushButton(nullptr, 0, 0, 16, 16, panel, 611, &g);
    auto* listed = new VornButton(nullptr, 20, 0, 16, 16, panel, 612, nullptr);
    auto* control = new VornControl(40, 0, panel, 613, &g);
    g.Register(listed);
    g.SetEnableControl(613, false, nullptr);
    EXPECT_TRUE(control->GetEnabled());
    EXPECT_FALSE(listed->GetEnabled()); // listed buttons follow whatever the id
    EXPECT_TRUE(byId->GetEnabled());
    g.SetEnableControl(611, false, nullptr);
    EXPECT_FALSE(byId->GetEnabled());
    EXPECT_EQ(StateOf(byId), VORN_IMAGE_DISABLED_OFF);
    g.SetEnableControl(12345, true, nullptr);
    EXPECT_TRUE(listed->GetEnabled());
    EXPECT_FALSE(byId->GetEnabled());
    g.DeRegister(listed);
}

TEST_F(GroupOpsTest, DisabledByTheGroupAPushButtonReportsNothing)
{
    GroupRecorder g;
    auto* push = new VornPushButton(nullptr, 0, 0, 16, 16, panel, 615, &g);
    g.SetEnableControl(615, false, nullptr);
    Click(push);
    EXPECT_TRUE(g.events.empty());
    g.SetEnableControl(615, true, nullptr);
    Click(push);
    EXPECT_EQ(g.events, (std::vector<std::string>{"Selected id=615", "UnSelected id=615"}));
}

TEST_F(GroupOpsTest, OneOfNSetOnAllAndSetOnControlOnRealButtons)
{
    VornControlGroup1ofN g;
    auto* a = new VornButton(nullptr, 0, 0, 16, 16, panel, 621, &g);
    auto* b = new VornButtonToggle(nullptr, 20, 0, 16, 16, panel, 622, &g);
    auto* c = new VornRadioButton(nullptr, 40, 0, 16, 16, panel, 623, &g);
    auto* listed = new VornButton(nullptr, 60, 0, 16, 16, panel, 624, nullptr);
    auto* notAButton = new VornControl(80, 0, panel, 625, &g);
    g.Register(listed);
    a->SetOn(true);
    c->SetOn(true);
    listed->SetOn(true);
    g.SetOnAll(b, false, nullptr);
    EXPECT_EQ(g.GetSelected(), 622);
    EXPECT_FALSE(a->GetOn());
    EXPECT_FALSE(b->GetOn()); // the chosen one keeps its state
    EXPECT_FALSE(c->GetOn());
    EXPECT_TRUE(listed->GetOn()); // controls without id are not visited
    g.SetOnControl(623, true, nullptr);
    EXPECT_EQ(g.GetSelected(), 623);
    EXPECT_TRUE(c->GetOn());
    g.SetOnAll(c, true, nullptr);
    EXPECT_TRUE(a->GetOn());
    EXPECT_TRUE(b->GetOn());
    // A chosen control that is not a button does not become the choice.
    g.SetOnAll(notAButton, false, nullptr);
    EXPECT_EQ(g.GetSelected(), 623);
    EXPECT_FALSE(c->GetOn());
    g.DeRegister(listed);
}
