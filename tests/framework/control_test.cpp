// VornControl: the mouse state machine and its hooks, enable and dirty flags, hint
// delivery; and the group membership that real and virtual controls share.
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include <vorn/framework/control.h>
#include <vorn/framework/control_group.h>
#include <vorn/framework/hint_event.h>
#include <vorn/framework/hints.h>

#include "probes.h"
#include "test_support.h"

using namespace vorn;
using namespace vorntest;

namespace {

class VornControlTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        c = new ProbeControl(10, 10, 40, 30, panel, -1, nullptr);
    }
    // The flags: over, left, right, meta A, meta B; then the last mouse and press positions.
    std::string Flags()
    {
        std::string out;
        for (bool f : {c->GetMouseOver(), c->GetMouseDownLeft(), c->GetMouseDownRight(), c->GetMetaA(), c->GetMetaB()})
            out += f ? '1' : '0';
        int x = 0, y = 0, dx = 0, dy = 0;
        c->GetLastMousePos(x, y);
        c->GetLastDownPos(dx, dy);
        return out + (c->GetMouseDown() ? " down" : "") + (c->GetMetaKey() ? " meta" : "") + " @" + std::to_string(x) +
               "," + std::to_string(y) + " ^" + std::to_string(dx) + "," + std::to_string(dy);
    }
    ProbeControl* c = nullptr;
};

} // namespace

// One sequence through both buttons and motion: hooks run once per change, presses
// record both positions, releases and motion only theirs.
TEST_F(VornControlTest, ButtonsAndMotionRunHooksOncePerChange)
{
    EXPECT_EQ(Flags(), "00000 @0,0 ^0,0");
    EXPECT_TRUE(c->IsDirty());
    const std::tuple<wxEventType, wxPoint, int, Log, std::string> steps[] = {
        {wxEVT_LEFT_DOWN, {3, 4}, kAlt, {"OnMouseOver", "OnMouseDownLeft", "OnMouseButton"},
         "11010 down meta @3,4 ^3,4"},
        {wxEVT_LEFT_DOWN, {6, 7}, kNone, {}, "11000 down @6,7 ^6,7"},
        {wxEVT_MOTION, {30, 25}, kLeftHeld | kShift, {"OnMouseMove 30,25"}, "11001 down meta @6,7 ^6,7"},
        {wxEVT_RIGHT_DOWN, {8, 9}, kNone, {"OnMouseDownRight", "OnMouseButton"}, "11100 down @8,9 ^8,9"},
        {wxEVT_LEFT_UP, {20, 21}, kShift, {"OnMouseDownLeft", "OnMouseButton"}, "10101 down meta @20,21 ^8,9"},
        {wxEVT_RIGHT_UP, {5, 5}, kNone, {"OnMouseDownRight", "OnMouseButton"}, "10000 @5,5 ^8,9"},
        {wxEVT_LEFT_UP, {1, 1}, kNone, {}, "10000 @1,1 ^8,9"},
    };
    for (const auto& [type, at, mods, hooks, flags] : steps) {
        SendMouse(c, type, at, mods);
        EXPECT_EQ(c->Take(), hooks) << flags;
        EXPECT_EQ(Flags(), flags);
    }
}

TEST_F(VornControlTest, EnteringAndLeaving)
{
    ShowFrame();
    SendMouse(c, wxEVT_ENTER_WINDOW, wxPoint(12, 13));
    EXPECT_EQ(c->Take(), (Log{"OnMouseOver", "OnMouseEntering"}));
    ASSERT_NE(c->ScreenToClient(wxPoint(12, 13)), wxPoint(12, 13)); // the control is not at the screen origin
    EXPECT_EQ(Flags(), "10000 @12,13 ^0,0");                         // enter positions are client positions
    SendMouse(c, wxEVT_ENTER_WINDOW, wxPoint(12, 13));
    EXPECT_EQ(c->Take(), (Log{"OnMouseEntering"}));

    // Without the capture, leaving releases both buttons.
    LeftDown(c, wxPoint(3, 4));
    SendMouse(c, wxEVT_RIGHT_DOWN, wxPoint(3, 4));
    c->Take();
    SendMouse(c, wxEVT_LEAVE_WINDOW, wxPoint(50, 50), kLeftHeld);
    EXPECT_EQ(c->Take(), (Log{"OnMouseOver", "OnMouseDownLeft", "OnMouseButton", "OnMouseDownRight", "OnMouseButton",
                              "OnMouseLeaving"}));
    EXPECT_EQ(Flags(), "00000 @50,50 ^3,4");
    SendMouse(c, wxEVT_LEAVE_WINDOW, wxPoint(1, 1));
    EXPECT_EQ(c->Take(), (Log{"OnMouseLeaving"}));

    // With the capture the pressed state stays outside.
    LeftDown(c, wxPoint(3, 4));
    c->CaptureMouse();
    c->Take();
    SendMouse(c, wxEVT_LEAVE_WINDOW, wxPoint(50, 50), kLeftHeld);
    EXPECT_EQ(c->Take(), (Log{"OnMouseOver", "OnMouseLeaving"}));
    EXPECT_EQ(Flags(), "01000 down @50,50 ^3,4");
    c->ReleaseMouse();
    LeftUp(c, wxPoint(60, 60));
    EXPECT_EQ(c->Take(), (Log{"OnMouseDownLeft", "OnMouseButton"}));
}

// Disabling releases buttons and capture without hooks; a disabled control ignores every
// mouse and hint event; SetEnabled recomputes the state even without a change.
TEST_F(VornControlTest, DisabledControl)
{
    ShowFrame();
    LeftDown(c, wxPoint(3, 4));
    SendMouse(c, wxEVT_RIGHT_DOWN, wxPoint(3, 4));
    c->CaptureMouse();
    c->Take();
    const int recalcs = c->recalcs; // showing the frame may have painted
    c->SetEnabled(false);
    EXPECT_EQ(c->Take(), (Log{"OnEnable 0"}));
    EXPECT_EQ(Flags(), "10000 @3,4 ^3,4");
    EXPECT_FALSE(c->IsMouseCaptive() || c->HasCapture());
    EXPECT_EQ(c->recalcs, recalcs + 1);

    for (wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_RIGHT_DOWN, wxEVT_ENTER_WINDOW, wxEVT_MOTION, wxEVT_LEAVE_WINDOW,
                             wxEVT_LEFT_UP, wxEVT_RIGHT_UP})
        SendMouse(c, type, wxPoint(9, 9), kAlt | kShift | kLeftHeld);
    VornHintEvent hint(VORN_EVT_HINT, 1, c, new IntValChanged(2));
    c->GetEventHandler()->ProcessEvent(hint);
    EXPECT_EQ(c->Take(), Log{});
    EXPECT_EQ(Flags(), "10000 @3,4 ^3,4");

    c->SetEnabled(false);
    EXPECT_EQ(c->Take(), Log{});
    EXPECT_EQ(c->recalcs, recalcs + 2);
    c->SetEnabled(true);
    EXPECT_EQ(c->Take(), (Log{"OnEnable 1"}));
    EXPECT_EQ(c->recalcs, recalcs + 3);
    EXPECT_FALSE(c->IsDirty());
}

TEST_F(VornControlTest, DrawingRecomputesOnlyWhileDirty)
{
    RenderToImage(c, wxDefaultSize, *wxRED);
    EXPECT_EQ(c->recalcs, 1);
    const wxImage img = RenderToImage(c, wxDefaultSize, *wxRED);
    EXPECT_EQ(c->recalcs, 1);
    EXPECT_EQ(PixelStr(img, 5, 5), "#FF0000"); // cleared with the DC's own background brush
    LeftDown(c, wxPoint(1, 1));
    EXPECT_TRUE(c->IsDirty());
    RenderToImage(c);
    EXPECT_EQ(c->recalcs, 2);
}

TEST_F(VornControlTest, HintEventsEndInOnUpdate)
{
    auto* other = new ProbeControl(0, 0, 5, 5, panel, -1, nullptr);
    VornHintEvent ev(VORN_EVT_HINT, 9, other, new RealValChanged(0.5));
    c->GetEventHandler()->ProcessEvent(ev);
    VornHintEvent empty(VORN_EVT_HINT, 3, c, nullptr);
    c->GetEventHandler()->ProcessEvent(empty);
    EXPECT_EQ(c->Take(), (Log{"OnUpdate id=9 RealValChanged 0.5", "OnUpdate id=3 null"}));
    EXPECT_EQ(c->lastUpdateControl, c);
    ASSERT_NE(ev.GetHint(), nullptr); // still the event's
}

TEST_F(VornControlTest, SetGroupRegistersAndNeverLeavesTheEarlierGroup)
{
    VornControlGroup first, second;
    c->SetGroup(&first);
    EXPECT_EQ(first.FindControlEntry(c->GetId())->control, c);
    c->Bind(&second);
    EXPECT_NE(first.FindControlEntry(c->GetId()), nullptr);
    EXPECT_NE(second.FindControlEntry(c->GetId()), nullptr);
    EXPECT_EQ(c->GetGroup(), &second);
}

// ---- membership, the same for real and virtual controls ----

namespace {

// Both kinds made in one or two steps, and looked up in their own id map.
template <class T>
T* MakeMember(wxWindow* parent, int id, VornControlGroup* g, bool twoStep)
{
    constexpr bool real = std::is_base_of_v<VornControl, T>;
    if (!twoStep) {
        if constexpr (real)
            return new T(0, 0, 10, 10, parent, id, g);
        else
            return new T(0, 0, 10, 10, 0, parent, id, g);
    }
    auto* c = new T;
    if constexpr (real)
        EXPECT_TRUE(c->Create(0, 0, parent, id, g, 0));
    else
        EXPECT_TRUE(c->Create(0, 0, 0, parent, id, g));
    return c;
}

const void* Entry(const VornControlGroup& g, const ProbeControl*, unsigned int id)
{
    const VornControlEntry* e = g.FindControlEntry(id);
    return e ? e->control : nullptr;
}

const void* Entry(const VornControlGroup& g, const ProbeVirtual*, unsigned int id)
{
    const VirtualControlEntry* e = g.FindVirtualControlEntry(id);
    return e ? e->control : nullptr;
}

template <class T>
class MembershipTest : public GuiTest {};
using Kinds = ::testing::Types<ProbeControl, ProbeVirtual>;
TYPED_TEST_SUITE(MembershipTest, Kinds);

} // namespace

TYPED_TEST(MembershipTest, RegistersUnderItsIdAndLeavesEverythingAtItsEnd)
{
    VornControlGroup g;
    for (bool twoStep : {false, true}) {
        auto* fresh = MakeMember<TypeParam>(this->panel, -1, &g, twoStep); // the toolkit chooses the id
        EXPECT_EQ(Entry(g, fresh, static_cast<unsigned int>(fresh->GetId())), fresh);
        EXPECT_EQ(fresh->GetGroup(), &g);
        auto* given = MakeMember<TypeParam>(this->panel, 4711, &g, twoStep);
        EXPECT_EQ(Entry(g, given, 4711), given);
        g.Register(static_cast<unsigned int>(4712), given);
        g.Register(given); // also in the list without id
        delete fresh;
        delete given;
        EXPECT_TRUE(g.IsEmpty());
    }
}

// A second control refused for a taken id leaves the first registered when it dies; a
// dying group nulls the group pointer of every control naming it, registered or refused,
// so they die later without reaching it.
TYPED_TEST(MembershipTest, TakenIdsAndTheGroupsEnd)
{
    TypeParam* members[2] = {};
    {
        VornControlGroup g;
        for (auto*& member : members)
            member = MakeMember<TypeParam>(this->panel, 600, &g, false);
        EXPECT_EQ(members[1]->GetGroup(), &g);
        delete MakeMember<TypeParam>(this->panel, 600, &g, false);
        EXPECT_EQ(Entry(g, members[0], 600), members[0]);
        // A real and a virtual control may share an id: each leaves only its own entry.
        auto* real = new ProbeControl(0, 0, 5, 5, this->panel, 45, &g);
        delete new ProbeVirtual(0, 0, 0, this->panel, 45, &g);
        EXPECT_EQ(g.FindVirtualControlEntry(45), nullptr);
        EXPECT_EQ(g.FindControlEntry(45)->control, real);
        delete real;
    }
    for (auto* member : members) {
        EXPECT_EQ(member->GetGroup(), nullptr);
        delete member; // must not reach the dead group
    }
}
