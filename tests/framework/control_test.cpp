// VornControl: the mouse state machine and its hooks, enable and dirty flags, group
// membership and hint delivery.
#include <string>
#include <vector>

#include <wx/app.h>

#include <vorn/framework/control.h>
#include <vorn/framework/control_group.h>
#include <vorn/framework/hint_event.h>
#include <vorn/framework/hints.h>

#include "probes.h"
#include "test_support.h"

using namespace vorn;

using namespace vorntest;
using Log = std::vector<std::string>;

namespace {

class VornControlTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        c = new ProbeControl(10, 10, 40, 30, panel, -1, nullptr);
    }
    // The log since the last call.
    Log Take()
    {
        Log out;
        out.swap(c->log);
        return out;
    }
    std::pair<int, int> LastMouse()
    {
        int x = 0, y = 0;
        c->GetLastMousePos(x, y);
        return {x, y};
    }
    std::pair<int, int> LastDown()
    {
        int x = 0, y = 0;
        c->GetLastDownPos(x, y);
        return {x, y};
    }
    ProbeControl* c = nullptr;
};

} // namespace

TEST_F(VornControlTest, FreshControlState)
{
    EXPECT_TRUE(c->GetEnabled());
    EXPECT_TRUE(c->IsDirty());
    EXPECT_FALSE(c->GetMouseOver());
    EXPECT_FALSE(c->GetMouseDown());
    EXPECT_FALSE(c->GetMetaKey());
    EXPECT_EQ(c->GetGroup(), nullptr);
    EXPECT_EQ(c->GetId(), static_cast<unsigned int>(c->wxWindow::GetId()));
}

TEST_F(VornControlTest, LeftPressAndReleaseRunHooksOncePerChange)
{
    LeftDown(c, wxPoint(3, 4), kAlt);
    EXPECT_EQ(Take(), (Log{"OnMouseOver", "OnMouseDownLeft", "OnMouseButton"}));
    EXPECT_TRUE(c->GetMouseOver());
    EXPECT_TRUE(c->GetMouseDownLeft());
    EXPECT_FALSE(c->GetMouseDownRight());
    EXPECT_TRUE(c->GetMouseDown());
    EXPECT_EQ(LastMouse(), std::make_pair(3, 4));
    EXPECT_EQ(LastDown(), std::make_pair(3, 4));
    EXPECT_TRUE(c->GetMetaA());
    EXPECT_FALSE(c->GetMetaB());
    EXPECT_TRUE(c->GetMetaKey());

    // A second press without a release changes no state that has hooks.
    LeftDown(c, wxPoint(6, 7));
    EXPECT_EQ(Take(), Log{});
    EXPECT_EQ(LastDown(), std::make_pair(6, 7));
    EXPECT_FALSE(c->GetMetaKey());

    LeftUp(c, wxPoint(20, 21), kShift);
    EXPECT_EQ(Take(), (Log{"OnMouseDownLeft", "OnMouseButton"}));
    EXPECT_FALSE(c->GetMouseDownLeft());
    EXPECT_TRUE(c->GetMouseOver());
    EXPECT_EQ(LastMouse(), std::make_pair(20, 21));
    EXPECT_EQ(LastDown(), std::make_pair(6, 7));
    EXPECT_FALSE(c->GetMetaA());
    EXPECT_TRUE(c->GetMetaB());

    LeftUp(c, wxPoint(1, 1));
    EXPECT_EQ(Take(), Log{});
}

TEST_F(VornControlTest, RightButtonHasItsOwnState)
{
    SendMouse(c, wxEVT_RIGHT_DOWN, wxPoint(8, 9));
    EXPECT_EQ(Take(), (Log{"OnMouseOver", "OnMouseDownRight", "OnMouseButton"}));
    EXPECT_TRUE(c->GetMouseDownRight());
    EXPECT_FALSE(c->GetMouseDownLeft());
    EXPECT_TRUE(c->GetMouseDown());
    EXPECT_EQ(LastDown(), std::make_pair(8, 9));
    LeftDown(c, wxPoint(1, 2));
    EXPECT_EQ(Take(), (Log{"OnMouseDownLeft", "OnMouseButton"}));
    SendMouse(c, wxEVT_RIGHT_UP, wxPoint(5, 5));
    EXPECT_EQ(Take(), (Log{"OnMouseDownRight", "OnMouseButton"}));
    EXPECT_TRUE(c->GetMouseDown());
    EXPECT_EQ(LastMouse(), std::make_pair(5, 5));
}

TEST_F(VornControlTest, MotionStoresModifiersButNotThePosition)
{
    LeftDown(c, wxPoint(3, 4));
    Take();
    Motion(c, wxPoint(30, 25), kLeftHeld | kShift);
    EXPECT_EQ(Take(), (Log{"OnMouseMove 30,25"}));
    EXPECT_EQ(LastMouse(), std::make_pair(3, 4));
    EXPECT_TRUE(c->GetMetaB());
    EXPECT_TRUE(c->GetMetaKey());
    Motion(c, wxPoint(31, 25), kLeftHeld);
    EXPECT_FALSE(c->GetMetaKey());
}

TEST_F(VornControlTest, EnteringKeepsTheClientPositionAndRunsHooks)
{
    ShowFrame();
    SendMouse(c, wxEVT_ENTER_WINDOW, wxPoint(12, 13));
    EXPECT_EQ(Take(), (Log{"OnMouseOver", "OnMouseEntering"}));
    EXPECT_TRUE(c->GetMouseOver());
    ASSERT_NE(c->ScreenToClient(wxPoint(12, 13)), wxPoint(12, 13)); // the control is not at the screen origin
    EXPECT_EQ(LastMouse(), std::make_pair(12, 13));
    // Already over: only the entering hook.
    SendMouse(c, wxEVT_ENTER_WINDOW, wxPoint(12, 13));
    EXPECT_EQ(Take(), (Log{"OnMouseEntering"}));
}

TEST_F(VornControlTest, LeavingWithoutCaptureReleasesTheButtons)
{
    ShowFrame();
    LeftDown(c, wxPoint(3, 4));
    SendMouse(c, wxEVT_RIGHT_DOWN, wxPoint(3, 4));
    Take();
    SendMouse(c, wxEVT_LEAVE_WINDOW, wxPoint(50, 50), kLeftHeld);
    EXPECT_EQ(Take(), (Log{"OnMouseOver", "OnMouseDownLeft", "OnMouseButton", "OnMouseDownRight",
                           "OnMouseButton", "OnMouseLeaving"}));
    EXPECT_FALSE(c->GetMouseOver());
    EXPECT_FALSE(c->GetMouseDown());
    EXPECT_EQ(LastMouse(), std::make_pair(50, 50));
}

TEST_F(VornControlTest, LeavingWithCaptureKeepsThePressedState)
{
    ShowFrame();
    LeftDown(c, wxPoint(3, 4));
    c->CaptureMouse();
    Take();
    SendMouse(c, wxEVT_LEAVE_WINDOW, wxPoint(50, 50), kLeftHeld);
    EXPECT_EQ(Take(), (Log{"OnMouseOver", "OnMouseLeaving"}));
    EXPECT_TRUE(c->GetMouseDownLeft());
    EXPECT_FALSE(c->GetMouseOver());
    c->ReleaseMouse();
    LeftUp(c, wxPoint(60, 60));
    EXPECT_EQ(Take(), (Log{"OnMouseDownLeft", "OnMouseButton"}));
}

TEST_F(VornControlTest, DisablingGivesUpTheMouseCapture)
{
    ShowFrame();
    LeftDown(c, wxPoint(3, 4));
    c->CaptureMouse();
    Take();
    c->SetEnabled(false);
    EXPECT_FALSE(c->IsMouseCaptive());
    EXPECT_FALSE(c->HasCapture());
    EXPECT_FALSE(c->GetMouseDownLeft());
    EXPECT_EQ(Take(), (Log{"OnEnable 0"})); // the release runs no button hooks
}

TEST_F(VornControlTest, LeavingWithNothingPressedRunsOnlyTheHooksForOver)
{
    ShowFrame();
    SendMouse(c, wxEVT_LEAVE_WINDOW, wxPoint(1, 1));
    EXPECT_EQ(Take(), (Log{"OnMouseLeaving"}));
}

TEST_F(VornControlTest, DisabledControlIgnoresEveryMouseEvent)
{
    c->SetEnabled(false);
    Take();
    const int recalcs = c->recalcs;
    LeftDown(c, wxPoint(3, 4), kAlt);
    SendMouse(c, wxEVT_RIGHT_DOWN, wxPoint(3, 4));
    SendMouse(c, wxEVT_ENTER_WINDOW, wxPoint(3, 4));
    Motion(c, wxPoint(5, 5), kLeftHeld | kShift);
    SendMouse(c, wxEVT_LEAVE_WINDOW, wxPoint(3, 4));
    LeftUp(c, wxPoint(9, 9));
    SendMouse(c, wxEVT_RIGHT_UP, wxPoint(9, 9));
    EXPECT_EQ(Take(), Log{});
    EXPECT_FALSE(c->GetMouseOver());
    EXPECT_FALSE(c->GetMouseDown());
    EXPECT_FALSE(c->GetMetaKey());
    EXPECT_EQ(LastMouse(), std::make_pair(0, 0));
    EXPECT_EQ(c->recalcs, recalcs);
}

TEST_F(VornControlTest, DisablingReleasesButtonsWithoutHooks)
{
    LeftDown(c, wxPoint(3, 4));
    SendMouse(c, wxEVT_RIGHT_DOWN, wxPoint(3, 4));
    c->RecalcState();
    Take();
    const int recalcs = c->recalcs;
    c->SetEnabled(false);
    EXPECT_EQ(Take(), (Log{"OnEnable 0"}));
    EXPECT_FALSE(c->GetEnabled());
    EXPECT_FALSE(c->GetMouseDown());
    EXPECT_TRUE(c->GetMouseOver());
    EXPECT_EQ(c->recalcs, recalcs + 1);

    // The same value again: no hook, but the state is still recomputed.
    c->SetEnabled(false);
    EXPECT_EQ(Take(), Log{});
    EXPECT_EQ(c->recalcs, recalcs + 2);

    c->SetEnabled(true);
    EXPECT_EQ(Take(), (Log{"OnEnable 1"}));
    EXPECT_EQ(c->recalcs, recalcs + 3);
    EXPECT_FALSE(c->IsDirty());
}

TEST_F(VornControlTest, DrawingRecomputesOnlyWhileDirty)
{
    EXPECT_TRUE(c->IsDirty());
    RenderToImage(c, wxDefaultSize, *wxRED);
    EXPECT_EQ(c->recalcs, 1);
    EXPECT_FALSE(c->IsDirty());
    const wxImage img = RenderToImage(c, wxDefaultSize, *wxRED);
    EXPECT_EQ(c->recalcs, 1);
    // The base control clears with the DC's own background brush.
    EXPECT_EQ(PixelStr(img, 5, 5), "#FF0000");
    LeftDown(c, wxPoint(1, 1));
    EXPECT_TRUE(c->IsDirty());
    c->SetDirty();
    RenderToImage(c);
    EXPECT_EQ(c->recalcs, 2);
}

TEST_F(VornControlTest, ControlWithAutomaticIdRegistersUnderTheToolkitId)
{
    VornControlGroup group;
    auto* a = new ProbeControl(0, 0, 10, 10, panel, -1, &group);
    ASSERT_NE(group.FindControlEntry(a->GetId()), nullptr);
    EXPECT_EQ(group.FindControlEntry(a->GetId())->control, a);
    EXPECT_EQ(group.FindControlEntry(a->GetId())->name, "NONAME");
    EXPECT_EQ(a->GetGroup(), &group);

    auto* b = new ProbeControl(0, 0, panel, 4711, &group);
    EXPECT_EQ(group.FindControlEntry(4711)->control, b);

    auto* d = new ProbeControl;
    ASSERT_TRUE(d->Create(0, 0, 5, 5, panel, -1, &group, 0));
    EXPECT_EQ(group.FindControlEntry(d->GetId())->control, d);
    auto* e = new ProbeControl;
    ASSERT_TRUE(e->Create(0, 0, panel, 4712, &group, 0));
    EXPECT_EQ(group.FindControlEntry(4712)->control, e);
    delete a;
    delete b;
    delete d;
    delete e;
    EXPECT_TRUE(group.IsEmpty());
}

TEST_F(VornControlTest, SetGroupRegistersAndNullOnlyStores)
{
    VornControlGroup first, second;
    c->SetGroup(&first);
    EXPECT_EQ(first.FindControlEntry(c->GetId())->control, c);
    c->Bind(&second); // the earlier group is not left
    EXPECT_NE(first.FindControlEntry(c->GetId()), nullptr);
    EXPECT_NE(second.FindControlEntry(c->GetId()), nullptr);
    EXPECT_EQ(c->GetGroup(), &second);
    c->SetGroup(nullptr);
    EXPECT_EQ(c->GetGroup(), nullptr);
    first.DeRegister(c->GetId(), true);
    second.DeRegister(c->GetId(), true);
}

TEST_F(VornControlTest, DestroyedControlLeavesItsGroup)
{
    VornControlGroup group;
    auto* a = new ProbeControl(0, 0, 10, 10, panel, 500, &group);
    group.Register(a); // also in the list without id
    delete a;
    EXPECT_TRUE(group.IsEmpty());
}

TEST_F(VornControlTest, SecondControlWithTakenIdDoesNotRemoveTheFirst)
{
    VornControlGroup group;
    auto* first = new ProbeControl(0, 0, 10, 10, panel, 600, &group);
    auto* second = new ProbeControl(0, 0, 10, 10, panel, 600, &group);
    EXPECT_EQ(group.FindControlEntry(600)->control, first);
    IntValChanged hint(1);
    group.Update(600, nullptr, &hint);
    EXPECT_EQ(first->log, (Log{"OnUpdate id=600 IntValChanged 1"}));
    EXPECT_EQ(second->log, Log{});
    delete second;
    EXPECT_EQ(group.FindControlEntry(600)->control, first);
    delete first;
    EXPECT_TRUE(group.IsEmpty());
}

// A control refused for a taken id still names the group; the group's end must not leave
// it pointing at a dead group.
TEST_F(VornControlTest, ControlWhoseIdWasTakenOutlivesItsGroup)
{
    ProbeControl* second = nullptr;
    ProbeControl* third = nullptr;
    {
        VornControlGroup group;
        new ProbeControl(0, 0, 10, 10, panel, 610, &group);
        second = new ProbeControl(0, 0, 10, 10, panel, 610, &group);
        third = new ProbeControl(0, 0, 10, 10, panel, 610, nullptr);
        third->SetGroup(&group);
        EXPECT_EQ(group.FindControlEntry(610)->control->GetGroup(), &group);
        EXPECT_EQ(second->GetGroup(), &group);
        EXPECT_EQ(third->GetGroup(), &group);
    }
    EXPECT_EQ(second->GetGroup(), nullptr);
    EXPECT_EQ(third->GetGroup(), nullptr);
    delete second; // must not reach the dead group
    delete third;
}

TEST_F(VornControlTest, HintEventEndsInOnUpdate)
{
    auto* other = new ProbeControl(0, 0, 5, 5, panel, -1, nullptr);
    VornHintEvent ev(VORN_EVT_HINT, 9, other, new RealValChanged(0.5));
    c->GetEventHandler()->ProcessEvent(ev);
    EXPECT_EQ(Take(), (Log{"OnUpdate id=9 RealValChanged 0.5"}));
    EXPECT_EQ(c->lastUpdateControl, other);
    ASSERT_NE(ev.GetHint(), nullptr); // still the event's
}

TEST_F(VornControlTest, HintEventWithNullHintDeliversNull)
{
    VornHintEvent ev(VORN_EVT_HINT, 3, c, nullptr);
    c->GetEventHandler()->ProcessEvent(ev);
    EXPECT_EQ(Take(), (Log{"OnUpdate id=3 null"}));
    EXPECT_EQ(c->lastUpdateControl, c);
}

TEST_F(VornControlTest, PostedHintEventKeepsItsHintUntilProcessed)
{
    {
        VornHintEvent ev(VORN_EVT_HINT, 4, c, new IntValChanging(42));
        c->GetEventHandler()->AddPendingEvent(ev); // queues a copy
    }
    EXPECT_EQ(c->log, Log{});
    wxTheApp->ProcessPendingEvents();
    EXPECT_EQ(Take(), (Log{"OnUpdate id=4 IntValChanging 42"}));
}

TEST_F(VornControlTest, DisabledControlIgnoresHintEvents)
{
    c->SetEnabled(false);
    Take();
    VornHintEvent ev(VORN_EVT_HINT, 1, c, new IntValChanged(2));
    c->GetEventHandler()->ProcessEvent(ev);
    EXPECT_EQ(Take(), Log{});
}

TEST_F(VornControlTest, KeysPressedInAControlReachTheParent)
{
    std::vector<std::string> seen;
    panel->Bind(VORN_EVT_KEY_DOWN, [&](VornWindowKeyEvent& e) {
        seen.push_back("parent down " + std::to_string(e.m_keyCode) + (e.m_controlDown ? " ctrl" : "") +
                       (e.m_shiftDown ? " shift" : "") + (e.m_altDown ? " alt" : ""));
    });
    panel->Bind(VORN_EVT_KEY_UP, [&](VornWindowKeyEvent& e) { seen.push_back("parent up " + std::to_string(e.m_keyCode)); });
    // The control's own handlers stay reachable beside its group Bind.
    c->Bind(VORN_EVT_KEY_UP, [&](VornWindowKeyEvent& e) {
        seen.push_back("control up");
        e.Skip();
    });
    SendKey(c, wxEVT_KEY_DOWN, WXK_F2, kCtrl | kAlt);
    SendKey(c, wxEVT_KEY_UP, 'q', kShift);
    EXPECT_EQ(seen, (Log{"parent down " + std::to_string(WXK_F2) + " ctrl alt", "control up", "parent up 113"}));
}
