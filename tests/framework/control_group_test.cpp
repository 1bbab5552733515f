// Control groups: registration, routing order of updates, removal and ownership,
// lifetimes, enable/show/on walks, the trace text and the group variants.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <vorn/framework/control_group.h>
#include <vorn/framework/hints.h>

#include "group_recorder.h"
#include "probes.h"
#include "test_support.h"

using namespace vorn;
using namespace vorntest;

namespace {

class TaggedReceiver : public MessageReceiver {
public:
    TaggedReceiver(Log* log, std::string tag) : m_log(log), m_tag(std::move(tag)) {}
    std::function<void()> during;
    void OnMessage(unsigned int id, VornControl*, VornControlHint* hint) override
    {
        m_log->push_back(m_tag + " id=" + std::to_string(id) + " " + HintText(hint));
        if (during)
            during();
    }

private:
    Log* m_log;
    std::string m_tag;
};

// Records the `from` and hint its walks receive from a parent group.
class WalkRecorder : public VornControlGroup {
public:
    Log walks;
    void* expectedFrom = nullptr;
    void ShowAll(void* from, bool show, VornControlHint* hint) override
    {
        Note("ShowAll", show, from, hint);
        VornControlGroup::ShowAll(from, show, hint);
    }
    void SetEnableAll(void* from, bool enable, VornControlHint* hint) override
    {
        Note("SetEnableAll", enable, from, hint);
        VornControlGroup::SetEnableAll(from, enable, hint);
    }

private:
    void Note(const char* what, bool on, void* from, VornControlHint* hint)
    {
        walks.push_back(std::string(what) + (on ? " 1" : " 0") + (from == expectedFrom ? " from=expected " : " from=other ") +
                        HintText(hint));
    }
};

std::string Hex(const void* p)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%x", static_cast<unsigned int>(reinterpret_cast<uintptr_t>(p)));
    return buf;
}

std::string StreamPtr(const void* p)
{
    std::ostringstream out;
    out << p;
    return out.str();
}

class ControlGroupTest : public GuiTest {
protected:
    // Every probe logs its updates into `order` and counts its death in `deaths`.
    template <class T>
    T* Track(T* probe, const char* tag)
    {
        probe->shared = &order;
        probe->tag = tag;
        probe->destructions = &deaths;
        return probe;
    }
    template <class T = ProbeControl>
    T* Make(int id, VornControlGroup* group = nullptr, const char* tag = "")
    {
        return Track(new T(0, 0, 10, 10, panel, id, group), tag);
    }
    // Virtual controls are not windows: the test deletes those it did not hand over.
    template <class T = ProbeVirtual>
    T* MakeVirtual(int id, VornControlGroup* group = nullptr, const char* tag = "")
    {
        T* v = Track(new T(0, 0, 10, 10, 0, panel, id, group), tag);
        virtuals.push_back(v);
        return v;
    }
    void TearDown() override
    {
        for (auto* v : virtuals)
            delete v;
        GuiTest::TearDown();
    }
    std::vector<VirtualControl*> virtuals;
    Log order;
    int deaths = 0; // outlives the windows, which the frame destroys in TearDown
};

} // namespace

// ---- registration ----

TEST_F(ControlGroupTest, RegistrationKeepsTheFirstUnderAnIdAndEachPointerOnce)
{
    DiagnosticsRecorder diag;
    VornControlGroup g, sub;
    auto* a = Make(0);
    auto* b = Make(0);
    g.Register(7, a, "first");
    g.Register(7, b, "second");
    g.RegisterOwner(7, b);
    const VornControlEntry* entry = g.FindControlEntry(7);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ((std::vector<std::string>{std::to_string(entry->id), entry->name, entry->own ? "own" : "not own"}),
              (std::vector<std::string>{"7", "first", "not own"}));
    EXPECT_EQ(entry->control, a);
    EXPECT_EQ(a->GetGroup(), nullptr); // registration leaves the control's own pointer alone
    EXPECT_FALSE(g.CurrentlyRegistered(a)); // the lists only

    TaggedReceiver r(nullptr, "r");
    for (int twice = 0; twice < 2; ++twice) {
        g.Register(a);
        g.Register(&sub);
        g.Register(&r);
        g.Register(static_cast<VornControl*>(nullptr));
        g.Register(static_cast<VornControlGroup*>(nullptr));
        g.Register(static_cast<MessageReceiver*>(nullptr));
        g.Register(1, static_cast<VornControl*>(nullptr));
    }
    EXPECT_EQ(g.FindControlEntry(1), nullptr);
    g.DeRegister(a);
    g.DeRegister(&sub);
    g.DeRegister(&r);
    g.DeRegister(&r);
    EXPECT_FALSE(g.CurrentlyRegistered(a) || g.CurrentlyRegistered(&sub) || g.CurrentlyRegistered(&r));
    EXPECT_FALSE(g.IsEmpty());
    g.DeRegister(7, true);
    EXPECT_TRUE(g.IsEmpty());
    const std::string reg = "VornControlGroup::Register(MessageReceiver* " + Hex(&r) + ")\n";
    const std::string dereg = "VornControlGroup::DeRegister(MessageReceiver* " + Hex(&r) + ")\n";
    EXPECT_EQ(diag.debug, (Log{reg, reg, dereg, dereg}));
}

// ---- routing ----

TEST_F(ControlGroupTest, UpdateVisitsEverythingInOrder)
{
    VornControlGroup g, sub;
    g.Register(30, Make(0, nullptr, "id30"));
    auto* id10 = Make(0, nullptr, "id10");
    g.Register(10, id10);
    g.Register(20, Make(0, nullptr, "id20"));
    auto* l1 = Make(0, nullptr, "list1");
    g.Register(Make(0, nullptr, "list2"));
    g.Register(l1);
    g.Register(static_cast<VirtualControl*>(MakeVirtual(0, nullptr, "virtual")));
    g.Register(40, MakeVirtual(0, nullptr, "virtual-by-id")); // the virtual control map takes no part
    sub.Register(Make(0, nullptr, "sub"));
    sub.SetGroup(&g);
    DiagnosticsRecorder diag;
    TaggedReceiver r1(&order, "r1"), r2(&order, "r2");
    g.Register(&r2);
    g.Register(&r1);

    RealValChanging hint(0.25);
    g.Update(99, l1, &hint);
    EXPECT_EQ(order, (Log{"id10 RealValChanging 0.25", "id20 RealValChanging 0.25", "id30 RealValChanging 0.25",
                          "list2 RealValChanging 0.25", "list1 RealValChanging 0.25", "virtual RealValChanging 0.25",
                          "sub RealValChanging 0.25", "r2 id=99 RealValChanging 0.25",
                          "r1 id=99 RealValChanging 0.25"}));
    EXPECT_EQ(id10->log, (Log{"OnUpdate id=99 RealValChanging 0.25"}));
    EXPECT_EQ(id10->lastUpdateControl, l1);

    // Registered by id and in the list, a control hears twice; the sender is not skipped.
    order.clear();
    g.Register(id10);
    g.Update(5, id10, nullptr);
    EXPECT_EQ(std::count(order.begin(), order.end(), "id10 null"), 2);
}

// Each walk re-reads its length, and the id walk looks up the next id above the last:
// what a callee registers comes in, what it removes is passed over.
TEST_F(ControlGroupTest, CalleesMayChangeTheGroupDuringAnUpdate)
{
    DiagnosticsRecorder diag;
    VornControlGroup g;
    TaggedReceiver first(&order, "first"), late(&order, "late"), leaving(&order, "leaving"), next(&order, "next");
    first.during = [&] { g.Register(&late); };
    g.Register(&first);
    g.Update(1, nullptr, nullptr);
    EXPECT_EQ(order, (Log{"first id=1 null", "late id=1 null"}));

    VornControlGroup h;
    order.clear();
    leaving.during = [&] { h.DeRegister(&leaving); };
    h.Register(&leaving);
    h.Register(&next);
    h.Update(0, nullptr, nullptr);
    EXPECT_EQ(order, (Log{"leaving id=0 null"})); // `next` moved into the freed place
    h.Update(1, nullptr, nullptr);
    EXPECT_EQ(order, (Log{"leaving id=0 null", "next id=1 null"}));

    order.clear();
    VornControlGroup k;
    auto* reg = Make(-1, nullptr, "reg");
    k.Register(1, Make(0, nullptr, "removed"));
    k.Register(0, reg);
    reg->onNextUpdate = [&] {
        k.Register(9, Make(0, nullptr, "added"));
        k.DeRegister(1, true);
    };
    k.Update(0, nullptr, nullptr);
    EXPECT_EQ(order, (Log{"reg null", "added null"}));
}

// ---- removal and ownership ----

// Only owned entries removed without keep delete their control, once, however many ids
// and list places it has; nothing of the group points at it afterwards.
TEST_F(ControlGroupTest, OwnedControlsAreDeletedOnceAndForgotten)
{
    VornControlGroup g;
    auto* a = Make(0);
    auto* b = Make(0);
    g.Register(1, a);
    g.RegisterOwner(2, a, "owned");
    g.Register(3, b);
    EXPECT_TRUE(g.FindControlEntry(2)->own);
    g.DeRegister(a, true); // kept: every entry of it goes, nothing dies
    g.DeRegister(3, false); // not owned
    g.DeRegister(4, false); // unknown
    EXPECT_EQ(deaths, 0);
    EXPECT_TRUE(g.IsEmpty());
    g.Register(3, b);
    for (unsigned int id : {1u, 4u})
        g.RegisterOwner(id, a);
    g.Register(5, a);
    g.Register(a);
    g.DeRegister(a, false);
    EXPECT_EQ(deaths, 1);

    auto* c = Make(12, &g); // deleted through one id while it still names the group
    g.DeRegister(12, true);
    g.RegisterOwner(12, c);
    c->SetGroup(&g);
    g.Register(13, c);
    g.Register(c);
    g.DeRegister(12, false);
    EXPECT_EQ(deaths, 2);

    auto* v = new ProbeVirtual(0, 0, 0, panel, 80, nullptr);
    v->destructions = &deaths;
    g.RegisterOwner(80, v);
    g.RegisterOwner(81, v);
    g.Register(static_cast<VirtualControl*>(v));
    g.DeRegister(static_cast<VirtualControl*>(v), false);
    EXPECT_EQ(deaths, 3);
    g.Update(3, b, nullptr); // nothing dead is reached
    EXPECT_EQ(b->log, (Log{"OnUpdate id=3 null"}));
    g.DeRegister(3, true);
    EXPECT_TRUE(g.IsEmpty());
}

TEST_F(ControlGroupTest, RemovalClearsTheGroupPointerOnlyWhenItNamesThisGroup)
{
    VornControlGroup g, other;
    auto* a = Make(20, &g);
    auto* b = Make(21, &other);
    auto* v = MakeVirtual(70, &g);
    g.Register(21, b);
    g.DeRegister(20, true);
    g.DeRegister(21, true);
    g.DeRegister(70, true); // not in the control map: the virtual map is next
    EXPECT_EQ(a->GetGroup(), nullptr);
    EXPECT_EQ(b->GetGroup(), &other);
    EXPECT_EQ(v->GetGroup(), nullptr);
    EXPECT_TRUE(g.IsEmpty());
    a->SetGroup(&g);
    g.Register(a);
    g.DeRegister(a);
    EXPECT_EQ(a->GetGroup(), nullptr);
    EXPECT_NE(g.FindControlEntry(20), nullptr); // the list removal leaves the id entry
}

TEST_F(ControlGroupTest, ClearEmptiesWithoutDeletingAnything)
{
    DiagnosticsRecorder diag;
    VornControlGroup parent, g, sub;
    g.SetGroup(&parent);
    sub.SetGroup(&g);
    auto* owned = Make(31, &g);
    g.DeRegister(31, true);
    g.RegisterOwner(31, owned); // Clear asks the control for its id
    owned->SetGroup(&g);
    g.Register(Make(0));
    auto* v = MakeVirtual(32, &g);
    auto* listed = MakeVirtual(33);
    g.Register(static_cast<VirtualControl*>(listed));
    listed->SetGroup(&g);
    TaggedReceiver r(nullptr, "r");
    g.Register(&r);
    g.Clear();
    EXPECT_TRUE(g.IsEmpty());
    EXPECT_EQ(deaths, 0);
    const std::vector<const void*> groups{owned->GetGroup(), v->GetGroup(), listed->GetGroup(), sub.GetGroup(),
                                          g.GetGroup()};
    EXPECT_EQ(groups, std::vector<const void*>(5, nullptr));
    EXPECT_TRUE(parent.CurrentlyRegistered(&g)); // the parent is not told
}

// ---- lifetimes ----

TEST_F(ControlGroupTest, SubGroupNestingAndItsEnd)
{
    VornControlGroup parent;
    {
        VornControlGroup sub, stored;
        sub.SetGroup(&parent);
        EXPECT_EQ(sub.GetGroup(), &parent);
        EXPECT_TRUE(parent.CurrentlyRegistered(&sub));
        sub.SetGroup(nullptr);
        EXPECT_TRUE(parent.CurrentlyRegistered(&sub)); // storing null does not leave
        parent.DeRegister(&sub);
        EXPECT_FALSE(parent.CurrentlyRegistered(&sub));
        sub.Bind(&parent);
        stored.SetGroup(&parent);
    }
    // Both died first: the parent's list must not keep them.
    EXPECT_TRUE(parent.IsEmpty());
    parent.Update(0, nullptr, nullptr);

    VornControlGroup sub;
    {
        VornControlGroup shortLived;
        sub.SetGroup(&shortLived);
    }
    EXPECT_EQ(sub.GetGroup(), nullptr);
}

// ---- trace ----

TEST_F(ControlGroupTest, DumpTrace)
{
    DiagnosticsRecorder diag;
    VornControlGroup g, sub;
    g.DumpTrace();
    const std::string address = "Current control group address is " + Hex(&g) + "\n";
    EXPECT_EQ(diag.debug, (Log{address, " Controls (0):\n", " Virtual Controls (0):\n", " Groups (0):\n"}));

    auto* a = Make(0);
    auto* b = Make(0);
    g.Register(5, a, "five");
    g.RegisterOwner(2, b);
    g.Register(a); // lists are not dumped
    auto* v = MakeVirtual(9);
    g.Register(9, v);
    sub.SetGroup(&g);
    diag.debug.clear();
    g.DumpTrace();
    EXPECT_EQ(diag.debug, (Log{address, " Controls (2):\n",
                               "  ID = 2, mce: id = 2, own = 1, control = " + StreamPtr(b) + ", name = NONAME\n",
                               "  ID = 5, mce: id = 5, own = 0, control = " + StreamPtr(a) + ", name = five\n",
                               " Virtual Controls (1):\n",
                               "  ID = 9, mce: id = 9, own = 0, control = " + StreamPtr(v) + ", name = NONAME\n",
                               " Groups (1):\n", "  Address = " + StreamPtr(&sub) + "\n"}));
}

// ---- enable, show, on ----

TEST_F(ControlGroupTest, EnableAndShowWalksReachEveryKindAndSubGroups)
{
    WalkRecorder g, sub;
    auto* byId = Make(1, &g);
    auto* listed = Make(0);
    g.Register(listed);
    auto* v = MakeVirtual(2, &g);
    auto* vl = MakeVirtual(3);
    g.Register(static_cast<VirtualControl*>(vl));
    auto* inSub = Make(4, &sub);
    sub.SetGroup(&g);
    int from = 0;
    sub.expectedFrom = &from;
    IntValChanged hint(8);
    g.SetEnableAll(&from, false, &hint);
    EXPECT_FALSE(byId->GetEnabled() || listed->GetEnabled() || v->GetEnabled() || vl->GetEnabled() ||
                 inSub->GetEnabled());
    g.SetEnableAll(nullptr, true, nullptr);
    EXPECT_TRUE(inSub->GetEnabled() && v->GetEnabled());

    sub.expectedFrom = &g; // ShowAll passes itself on
    g.ShowAll(nullptr, true, nullptr);
    EXPECT_TRUE(byId->IsVisible() && listed->IsVisible() && v->IsVisible() && inSub->IsVisible());
    EXPECT_EQ(v->log, (Log{"Refresh", "Refresh", "Refresh", "Refresh", "OnShow"}));
    g.ShowAll(nullptr, false, nullptr);
    EXPECT_FALSE(inSub->IsVisible() || byId->IsShown());
    EXPECT_EQ(sub.walks, (Log{"SetEnableAll 0 from=expected IntValChanged 8", "SetEnableAll 1 from=other null",
                              "ShowAll 1 from=expected null", "ShowAll 0 from=expected null"}));
}

TEST_F(ControlGroupTest, EnableAndOnByIdTouchOnlyButtons)
{
    VornControlGroup g;
    auto* button = Make<FakeButton>(1, &g);
    auto* other = Make<FakeButton>(2, &g);
    auto* plain = Make(3, &g);
    auto* listedButton = Make<FakeButton>(0);
    auto* listedPlain = Make(0);
    g.Register(listedButton);
    g.Register(listedPlain);
    auto* vButton = MakeVirtual<FakeVirtualButton>(1, &g);
    g.SetEnableControl(1, false, nullptr);
    EXPECT_FALSE(button->GetEnabled() || listedButton->GetEnabled());
    EXPECT_TRUE(listedPlain->GetEnabled() && other->GetEnabled());
    EXPECT_TRUE(vButton->GetEnabled()); // virtual controls are not touched
    g.SetEnableControl(3, false, nullptr);
    EXPECT_TRUE(plain->GetEnabled());
    g.SetEnableControl(999, true, nullptr); // an unknown id still switches the listed buttons
    EXPECT_TRUE(listedButton->GetEnabled());
    EXPECT_FALSE(button->GetEnabled());

    g.SetOnControl(1, true, nullptr);
    EXPECT_TRUE(button->GetOn() && listedButton->GetOn() && vButton->GetOn());
    EXPECT_FALSE(other->GetOn());
    EXPECT_EQ(vButton->log, (Log{"SetOn 1", "Refresh"}));
    g.SetOnControl(3, true, nullptr);
    EXPECT_EQ(plain->log, Log{});
}

// ---- variants ----

TEST_F(ControlGroupTest, OneOfNSelectsTheChosenAndSwitchesTheOthersOff)
{
    VornControlGroup1ofN g;
    EXPECT_EQ(g.GetSelected(), 0);
    FakeButton* b[3] = {Make<FakeButton>(11, &g), Make<FakeButton>(12, &g), Make<FakeButton>(13, &g)};
    auto* listed = Make<FakeButton>(0);
    g.Register(listed);
    for (auto* on : {b[0], b[1], b[2], listed})
        on->SetOn(true);
    g.SetOnAll(b[1], false, nullptr);
    EXPECT_EQ(g.GetSelected(), 12);
    EXPECT_EQ((std::vector<bool>{b[0]->GetOn(), b[1]->GetOn(), b[2]->GetOn(), listed->GetOn()}),
              (std::vector<bool>{false, true, false, true})); // controls without id are not visited
    g.SetOnControl(13, false, nullptr);
    EXPECT_EQ(g.GetSelected(), 12);
    g.SetOnControl(13, true, nullptr);
    EXPECT_EQ(g.GetSelected(), 13);

    VornControlGroup1ofN vg;
    auto* va = MakeVirtual<FakeVirtualButton>(21, &vg);
    auto* vb = MakeVirtual<FakeVirtualButton>(22, &vg);
    auto* plain = MakeVirtual(23, &vg);
    vg.SetOnAll(static_cast<VirtualControl*>(va), true, nullptr);
    EXPECT_EQ(vg.GetSelected(), 21);
    EXPECT_FALSE(va->GetOn());
    EXPECT_TRUE(vb->GetOn());
    EXPECT_EQ(plain->log, Log{});
}

TEST_F(ControlGroupTest, ValueOneOfNRemovesByIdFromTheValuePart)
{
    VornValueControlGroup1ofN g;
    VornControlGroup1ofN& oneOfN = g;
    VornControlGroupValue& value = g;
    auto* a = Make(0);
    auto* b = Make(0);
    oneOfN.Register(5, a);
    value.Register(5, b);
    oneOfN.DeRegister(5, true);
    EXPECT_NE(oneOfN.FindControlEntry(5), nullptr);
    EXPECT_EQ(value.FindControlEntry(5), nullptr);
}

TEST_F(ControlGroupTest, ChildToParentForwardsInTheParentsName)
{
    GroupRecorder outer;
    auto* parent = Make(40, &outer);
    ChildToParentControlGroup inner(parent);
    auto* child = Make(41, &inner);
    inner.ControlSelected(41, child);
    inner.ControlDrag(41, child);
    inner.ControlShapeChanged(41, child);
    inner.ControlUnSelected(41, child);
    inner.ControlDoubleClick(41, child); // not forwarded
    DiagnosticsRecorder diag;
    Log heard;
    TaggedReceiver r(&heard, "r");
    inner.Register(&r);
    IntValChanged hint(6);
    inner.Update(41, child, &hint); // routed here, not forwarded
    EXPECT_EQ(outer.events, (Log{"Selected id=40", "Drag id=40", "ShapeChanged id=40", "UnSelected id=40"}));
    EXPECT_EQ(outer.lastControl, parent);
    EXPECT_EQ(heard, (Log{"r id=41 IntValChanged 6"}));

    // Without a parent group nothing goes anywhere; a plain group hears selections only.
    outer.DeRegister(40, true);
    inner.ControlSelected(41, child);
    ChildToParentControlGroup().ControlShapeChanged(1, child);
    WalkRecorder plain; // not a value group
    parent->SetGroup(&plain);
    inner.ControlDrag(41, child);
    inner.ControlShapeChanged(41, child);
    EXPECT_EQ(outer.events.size(), 4u);
}
