// Control groups: registration, routing order of updates, removal and ownership,
// enable/show/on walks, the trace text and the group variants.
#include <cstdint>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <vorn/framework/control_group.h>
#include <vorn/framework/hints.h>

#include "group_recorder.h"
#include "probes.h"
#include "test_support.h"

using namespace vorn;

using namespace vorntest;
using Log = std::vector<std::string>;

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
    void ShowAll(void* from, bool show, VornControlHint* hint) override
    {
        walks.push_back(std::string("ShowAll ") + (show ? "1" : "0") + Whom(from) + " " + HintText(hint));
        VornControlGroup::ShowAll(from, show, hint);
    }
    void SetEnableAll(void* from, bool enable, VornControlHint* hint) override
    {
        walks.push_back(std::string("SetEnableAll ") + (enable ? "1" : "0") + Whom(from) + " " +
                        HintText(hint));
        VornControlGroup::SetEnableAll(from, enable, hint);
    }
    void* expectedFrom = nullptr;

private:
    std::string Whom(void* from) const { return from == expectedFrom ? " from=expected" : " from=other"; }
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
    template <class T = ProbeControl>
    T* Make(int id, VornControlGroup* group = nullptr)
    {
        return new T(0, 0, 10, 10, panel, id, group);
    }
    ProbeVirtual* MakeVirtual(int id, VornControlGroup* group = nullptr)
    {
        auto* v = new ProbeVirtual(0, 0, 10, 10, 0, panel, id, group);
        virtuals.push_back(v);
        return v;
    }
    void TearDown() override
    {
        for (auto* v : virtuals)
            delete v;
        GuiTest::TearDown();
    }
    std::vector<ProbeVirtual*> virtuals;
    int deaths = 0; // outlives the windows, which the frame destroys in TearDown
};

} // namespace

// ---- registration ----

TEST_F(ControlGroupTest, TakenIdIsIgnoredAndTheFirstControlStays)
{
    VornControlGroup g;
    auto* a = Make(0);
    auto* b = Make(0);
    g.Register(7, a, "first");
    g.Register(7, b, "second");
    g.RegisterOwner(7, b);
    ASSERT_NE(g.FindControlEntry(7), nullptr);
    EXPECT_EQ(g.FindControlEntry(7)->control, a);
    EXPECT_EQ(g.FindControlEntry(7)->name, "first");
    EXPECT_FALSE(g.FindControlEntry(7)->own);
    EXPECT_EQ(g.FindControlEntry(7)->id, 7);
    IntValChanged hint(5);
    g.Update(7, a, &hint);
    EXPECT_EQ(a->log, (Log{"OnUpdate id=7 IntValChanged 5"}));
    EXPECT_EQ(b->log, Log{});
    g.DeRegister(7, true);
}

TEST_F(ControlGroupTest, ListsHoldEachPointerOnceAndNullIsIgnored)
{
    VornControlGroup g, sub;
    auto* a = Make(0);
    TaggedReceiver r(nullptr, "r");
    g.Register(a);
    g.Register(a);
    g.Register(&sub);
    g.Register(&sub);
    g.Register(static_cast<VornControl*>(nullptr));
    g.Register(static_cast<VornControlGroup*>(nullptr));
    g.Register(static_cast<MessageReceiver*>(nullptr));
    g.Register(1, static_cast<VornControl*>(nullptr));
    EXPECT_TRUE(g.CurrentlyRegistered(a));
    EXPECT_TRUE(g.CurrentlyRegistered(&sub));
    EXPECT_FALSE(g.CurrentlyRegistered(&r));
    EXPECT_EQ(g.FindControlEntry(1), nullptr);
    g.DeRegister(a);
    EXPECT_FALSE(g.CurrentlyRegistered(a)); // was there once only
    g.DeRegister(&sub);
    EXPECT_TRUE(g.IsEmpty());
}

TEST_F(ControlGroupTest, CurrentlyRegisteredLooksOnlyAtTheLists)
{
    VornControlGroup g;
    auto* a = Make(0);
    g.Register(3, a);
    EXPECT_FALSE(g.CurrentlyRegistered(a));
    EXPECT_FALSE(g.IsEmpty());
    g.DeRegister(3, true);
    EXPECT_TRUE(g.IsEmpty());
}

TEST_F(ControlGroupTest, RegistrationDoesNotTouchTheControlsGroup)
{
    VornControlGroup g;
    auto* a = Make(0);
    g.Register(3, a);
    g.Register(a);
    EXPECT_EQ(a->GetGroup(), nullptr);
    g.Clear();
}

TEST_F(ControlGroupTest, ReceiverRegistrationWritesDebugLines)
{
    DiagnosticsRecorder diag;
    VornControlGroup g;
    Log log;
    TaggedReceiver r(&log, "r");
    g.Register(&r);
    g.Register(&r);
    g.DeRegister(&r);
    g.DeRegister(&r);
    const std::string reg = "VornControlGroup::Register(MessageReceiver* " + Hex(&r) + ")\n";
    const std::string dereg = "VornControlGroup::DeRegister(MessageReceiver* " + Hex(&r) + ")\n";
    EXPECT_EQ(diag.debug, (Log{reg, reg, dereg, dereg}));
    EXPECT_TRUE(g.IsEmpty());
}

// ---- routing ----

TEST_F(ControlGroupTest, UpdateVisitsEverythingInOrder)
{
    Log log;
    VornControlGroup g;
    ProbeControl* byId[3] = {Make(0), Make(0), Make(0)};
    const unsigned int ids[3] = {30, 10, 20};
    for (int i = 0; i < 3; ++i) {
        byId[i]->shared = &log;
        byId[i]->tag = "id" + std::to_string(ids[i]);
        g.Register(ids[i], byId[i]);
    }
    auto* l1 = Make(0);
    auto* l2 = Make(0);
    l1->shared = l2->shared = &log;
    l1->tag = "list1";
    l2->tag = "list2";
    g.Register(l2);
    g.Register(l1);
    auto* v = MakeVirtual(0);
    v->shared = &log;
    v->tag = "virtual";
    g.Register(v);
    auto* vById = MakeVirtual(40);
    vById->shared = &log;
    vById->tag = "virtual-by-id"; // the virtual control map takes no part
    g.Register(40, vById);
    VornControlGroup sub;
    auto* inSub = Make(0);
    inSub->shared = &log;
    inSub->tag = "sub";
    sub.Register(inSub);
    sub.SetGroup(&g);
    TaggedReceiver r1(&log, "r1"), r2(&log, "r2");
    DiagnosticsRecorder diag;
    g.Register(&r2);
    g.Register(&r1);

    RealValChanging hint(0.25);
    g.Update(99, l1, &hint);
    EXPECT_EQ(log, (Log{"id10 RealValChanging 0.25", "id20 RealValChanging 0.25", "id30 RealValChanging 0.25",
                        "list2 RealValChanging 0.25", "list1 RealValChanging 0.25", "virtual RealValChanging 0.25",
                        "sub RealValChanging 0.25", "r2 id=99 RealValChanging 0.25",
                        "r1 id=99 RealValChanging 0.25"}));
    EXPECT_EQ(byId[1]->log, (Log{"OnUpdate id=99 RealValChanging 0.25"}));
    EXPECT_EQ(byId[1]->lastUpdateControl, l1);
    g.Clear();
    sub.Clear();
}

TEST_F(ControlGroupTest, ControlRegisteredTwiceHearsTwiceAndTheSenderIsNotSkipped)
{
    VornControlGroup g;
    auto* a = Make(5, &g);
    g.Register(a);
    IntValChanged hint(3);
    g.Update(5, a, &hint);
    EXPECT_EQ(a->log, (Log{"OnUpdate id=5 IntValChanged 3", "OnUpdate id=5 IntValChanged 3"}));
}

TEST_F(ControlGroupTest, ReceiverRegisteredDuringAnUpdateHearsThatUpdate)
{
    DiagnosticsRecorder diag;
    Log log;
    VornControlGroup g;
    TaggedReceiver first(&log, "first"), late(&log, "late");
    first.during = [&] { g.Register(&late); };
    g.Register(&first);
    g.Update(1, nullptr, nullptr);
    EXPECT_EQ(log, (Log{"first id=1 null", "late id=1 null"}));
}

TEST_F(ControlGroupTest, ReceiverRemovingItselfDuringAnUpdate)
{
    DiagnosticsRecorder diag;
    Log log;
    VornControlGroup g;
    TaggedReceiver r(&log, "r"), next(&log, "next");
    r.during = [&] { g.DeRegister(&r); };
    g.Register(&r);
    g.Register(&next);
    g.Update(0, nullptr, nullptr);
    // The walk is by index: the one that moved up into the freed place is passed over.
    EXPECT_EQ(log, (Log{"r id=0 null"}));
    EXPECT_FALSE(g.CurrentlyRegistered(&r));
    g.Update(1, nullptr, nullptr);
    EXPECT_EQ(log, (Log{"r id=0 null", "next id=1 null"}));
}

TEST_F(ControlGroupTest, IdWalkSeesControlsRegisteredDuringIt)
{
    Log log;
    VornControlGroup g;
    auto* a = Make(0);
    auto* late = Make(0);
    a->shared = late->shared = &log;
    a->tag = "a";
    late->tag = "late";
    g.Register(1, a);
    // A receiver-like control: registers `late` under a higher id on its first update.
    class Registering : public ProbeControl {
    public:
        using ProbeControl::ProbeControl;
        VornControlGroup* group = nullptr;
        ProbeControl* toAdd = nullptr;
        void OnUpdate(unsigned int id, VornControl* c, VornControlHint* h) override
        {
            ProbeControl::OnUpdate(id, c, h);
            if (toAdd) {
                group->Register(9, toAdd);
                group->DeRegister(1, true);
                toAdd = nullptr;
            }
        }
    };
    auto* reg = new Registering(0, 0, 5, 5, panel, -1, nullptr);
    reg->shared = &log;
    reg->tag = "reg";
    reg->group = &g;
    reg->toAdd = late;
    g.Register(0, reg);
    g.Update(0, nullptr, nullptr);
    // id 1 was removed before its turn; id 9 came in ahead of the walk.
    EXPECT_EQ(log, (Log{"reg null", "late null"}));
    g.Clear();
}

// ---- removal and ownership ----

TEST_F(ControlGroupTest, DeRegisterByIdDeletesOnlyOwnedControlsWhenNotKept)
{
    VornControlGroup g;
    auto* owned = Make(0);
    auto* kept = Make(0);
    auto* plain = Make(0);
    owned->destructions = kept->destructions = plain->destructions = &deaths;
    g.RegisterOwner(1, owned, "owned");
    g.RegisterOwner(2, kept);
    g.Register(3, plain);
    EXPECT_TRUE(g.FindControlEntry(1)->own);
    g.DeRegister(2, true);
    g.DeRegister(3, false);
    EXPECT_EQ(deaths, 0);
    g.DeRegister(1, false);
    EXPECT_EQ(deaths, 1);
    EXPECT_TRUE(g.IsEmpty());
    g.DeRegister(1, false); // unknown id: nothing
    EXPECT_EQ(deaths, 1);
}

TEST_F(ControlGroupTest, DeletedOwnedControlDoesNotCallBack)
{
    VornControlGroup g;
    auto* owned = Make(12, &g); // registered by itself, group pointer set
    g.DeRegister(12, true);
    g.RegisterOwner(12, owned);
    owned->SetGroup(nullptr);
    owned->destructions = &deaths;
    g.DeRegister(12, false);
    EXPECT_EQ(deaths, 1);
    EXPECT_TRUE(g.IsEmpty());
}

TEST_F(ControlGroupTest, RemovalClearsTheControlsGroupOnlyWhenItIsThisGroup)
{
    VornControlGroup g, other;
    auto* a = Make(20, &g);
    auto* b = Make(21, &other);
    g.Register(21, b);
    g.DeRegister(20, true);
    g.DeRegister(21, true);
    EXPECT_EQ(a->GetGroup(), nullptr);
    EXPECT_EQ(b->GetGroup(), &other);
    a->SetGroup(&g);
    g.Register(a);
    g.DeRegister(a);
    EXPECT_EQ(a->GetGroup(), nullptr);
    EXPECT_NE(g.FindControlEntry(20), nullptr); // the list removal leaves the id entry
    g.Clear();
    other.Clear();
}

TEST_F(ControlGroupTest, DeRegisterByPointerRemovesEveryEntryOfThatControl)
{
    VornControlGroup g;
    auto* a = Make(0);
    auto* b = Make(0);
    a->destructions = &deaths;
    g.Register(1, a);
    g.RegisterOwner(2, a);
    g.Register(3, b);
    g.RegisterOwner(4, a);
    g.DeRegister(a, true);
    EXPECT_EQ(deaths, 0);
    EXPECT_EQ(g.FindControlEntry(1), nullptr);
    EXPECT_EQ(g.FindControlEntry(2), nullptr);
    EXPECT_EQ(g.FindControlEntry(4), nullptr);
    EXPECT_NE(g.FindControlEntry(3), nullptr);
    g.RegisterOwner(5, a);
    g.DeRegister(a, false);
    EXPECT_EQ(deaths, 1);
    g.DeRegister(static_cast<VornControl*>(nullptr), false);
    g.Clear();
}

// A control under several ids, owned under some of them, is deleted once, and nothing of
// this group keeps pointing at it afterwards.
TEST_F(ControlGroupTest, ControlOwnedUnderSeveralIdsIsDeletedOnce)
{
    VornControlGroup g;
    auto* a = Make(0);
    auto* b = Make(0);
    a->destructions = &deaths;
    g.RegisterOwner(1, a);
    g.Register(2, b);
    g.RegisterOwner(3, a);
    g.Register(4, a);
    g.Register(a);
    g.DeRegister(a, false);
    EXPECT_EQ(deaths, 1);
    EXPECT_EQ(g.FindControlEntry(1), nullptr);
    EXPECT_EQ(g.FindControlEntry(3), nullptr);
    EXPECT_EQ(g.FindControlEntry(4), nullptr);
    EXPECT_EQ(g.FindControlEntry(2)->control, b);
    EXPECT_FALSE(g.CurrentlyRegistered(static_cast<VornControl*>(a)));

    // Deleted through one id, it leaves its other ids and the list too.
    auto* c = Make(0);
    c->destructions = &deaths;
    g.RegisterOwner(5, c);
    g.Register(6, c);
    g.Register(c);
    g.DeRegister(5, false);
    EXPECT_EQ(deaths, 2);
    EXPECT_EQ(g.FindControlEntry(6), nullptr);
    EXPECT_FALSE(g.CurrentlyRegistered(static_cast<VornControl*>(c)));
    IntValChanged hint(1);
    g.Update(2, b, &hint);
    EXPECT_EQ(b->log, (Log{"OnUpdate id=2 IntValChanged 1"}));
    g.Clear();
}

TEST_F(ControlGroupTest, VirtualControlOwnedUnderSeveralIdsIsDeletedOnce)
{
    VornControlGroup g;
    auto* v = new ProbeVirtual(0, 0, 0, panel, 80, nullptr);
    v->destructions = &deaths;
    g.RegisterOwner(80, v);
    g.RegisterOwner(81, v);
    g.Register(82, v);
    g.Register(static_cast<VirtualControl*>(v));
    g.DeRegister(static_cast<VirtualControl*>(v), false);
    EXPECT_EQ(deaths, 1);
    EXPECT_TRUE(g.IsEmpty());
}

TEST_F(ControlGroupTest, DeRegisterByIdFallsBackToTheVirtualMap)
{
    VornControlGroup g;
    auto* v = MakeVirtual(70, &g);
    ASSERT_NE(g.FindVirtualControlEntry(70), nullptr);
    EXPECT_EQ(v->GetGroup(), &g);
    g.DeRegister(70, true);
    EXPECT_EQ(g.FindVirtualControlEntry(70), nullptr);
    EXPECT_EQ(v->GetGroup(), nullptr);
    EXPECT_TRUE(g.IsEmpty());
}

TEST_F(ControlGroupTest, ClearEmptiesWithoutDeletingAnything)
{
    DiagnosticsRecorder diag;
    VornControlGroup parent, g, sub;
    g.SetGroup(&parent);
    sub.SetGroup(&g);
    auto* owned = Make(31, &g);
    owned->destructions = &deaths;
    g.DeRegister(31, true);
    g.RegisterOwner(31, owned);
    owned->SetGroup(&g);
    auto* listed = Make(0);
    listed->SetGroup(nullptr);
    g.Register(listed);
    auto* v = MakeVirtual(32, &g);
    auto* vl = MakeVirtual(33);
    g.Register(static_cast<VirtualControl*>(vl));
    vl->SetGroup(&g);
    TaggedReceiver r(nullptr, "r");
    g.Register(&r);

    g.Clear();
    EXPECT_TRUE(g.IsEmpty());
    EXPECT_EQ(deaths, 0);
    EXPECT_EQ(owned->GetGroup(), nullptr);
    EXPECT_EQ(v->GetGroup(), nullptr);
    EXPECT_EQ(vl->GetGroup(), nullptr);
    EXPECT_EQ(sub.GetGroup(), nullptr);
    EXPECT_EQ(g.GetGroup(), nullptr);
    EXPECT_TRUE(parent.CurrentlyRegistered(&g)); // the parent is not told
    parent.DeRegister(&g);
}

TEST_F(ControlGroupTest, DestroyedGroupLeavesItsControlsUsable)
{
    auto* a = Make(0);
    {
        VornControlGroup g;
        a->SetGroup(&g);
    }
    EXPECT_EQ(a->GetGroup(), nullptr);
    delete a; // must not reach the dead group
}

TEST_F(ControlGroupTest, SubGroupNesting)
{
    VornControlGroup parent, sub;
    sub.SetGroup(&parent);
    EXPECT_EQ(sub.GetGroup(), &parent);
    EXPECT_TRUE(parent.CurrentlyRegistered(&sub));
    sub.SetGroup(nullptr);
    EXPECT_TRUE(parent.CurrentlyRegistered(&sub)); // storing null does not leave
    sub.Bind(&parent);
    parent.DeRegister(&sub);
    EXPECT_EQ(sub.GetGroup(), nullptr);
    EXPECT_FALSE(parent.CurrentlyRegistered(&sub));
}

// ---- trace ----

TEST_F(ControlGroupTest, DumpTraceOfAnEmptyGroup)
{
    DiagnosticsRecorder diag;
    VornControlGroup g;
    g.DumpTrace();
    EXPECT_EQ(diag.debug, (Log{"Current control group address is " + Hex(&g) + "\n", " Controls (0):\n",
                               " Virtual Controls (0):\n", " Groups (0):\n"}));
}

TEST_F(ControlGroupTest, DumpTraceListsEntriesAndSubGroups)
{
    VornControlGroup g, sub;
    auto* a = Make(0);
    auto* b = Make(0);
    g.Register(5, a, "five");
    g.RegisterOwner(2, b);
    g.Register(a); // lists are not dumped
    auto* v = MakeVirtual(9);
    g.Register(9, v);
    sub.SetGroup(&g);
    TaggedReceiver r(nullptr, "r");
    DiagnosticsRecorder diag;
    g.DumpTrace();
    EXPECT_EQ(diag.debug,
              (Log{"Current control group address is " + Hex(&g) + "\n", " Controls (2):\n",
                   "  ID = 2, mce: id = 2, own = 1, control = " + StreamPtr(b) + ", name = NONAME\n",
                   "  ID = 5, mce: id = 5, own = 0, control = " + StreamPtr(a) + ", name = five\n",
                   " Virtual Controls (1):\n",
                   "  ID = 9, mce: id = 9, own = 0, control = " + StreamPtr(v) + ", name = NONAME\n",
                   " Groups (1):\n", "  Address = " + StreamPtr(&sub) + "\n"}));
    g.DeRegister(2, true);
    g.Clear();
}

// ---- enable, show, on ----

TEST_F(ControlGroupTest, SetEnableAllReachesEveryKindAndSubGroups)
{
    WalkRecorder g;
    VornControlGroup sub;
    auto* byId = Make(1, &g);
    auto* listed = Make(0);
    g.Register(listed);
    auto* v = MakeVirtual(2, &g);
    auto* vl = MakeVirtual(3);
    g.Register(static_cast<VirtualControl*>(vl));
    auto* inSub = Make(4, &sub);
    WalkRecorder deeper;
    deeper.SetGroup(&g);
    int from = 0;
    deeper.expectedFrom = &from;
    sub.SetGroup(&g);
    IntValChanged hint(8);
    g.SetEnableAll(&from, false, &hint);
    EXPECT_FALSE(byId->GetEnabled());
    EXPECT_FALSE(listed->GetEnabled());
    EXPECT_FALSE(v->GetEnabled());
    EXPECT_FALSE(vl->GetEnabled());
    EXPECT_FALSE(inSub->GetEnabled());
    EXPECT_EQ(deeper.walks, (Log{"SetEnableAll 0 from=expected IntValChanged 8"}));
    g.SetEnableAll(nullptr, true, nullptr);
    EXPECT_TRUE(inSub->GetEnabled());
    EXPECT_TRUE(v->GetEnabled());
    g.Clear();
}

TEST_F(ControlGroupTest, ShowAllPassesItselfToSubGroups)
{
    VornControlGroup g;
    WalkRecorder sub;
    sub.expectedFrom = &g;
    sub.SetGroup(&g);
    auto* byId = Make(1, &g);
    auto* listed = Make(0);
    g.Register(listed);
    auto* v = MakeVirtual(2, &g);
    auto* inSub = Make(3, &sub);
    g.ShowAll(nullptr, true, nullptr);
    EXPECT_TRUE(byId->IsVisible());
    EXPECT_TRUE(listed->IsVisible());
    EXPECT_TRUE(v->IsVisible());
    EXPECT_TRUE(inSub->IsVisible());
    EXPECT_EQ(v->log, (Log{"OnShow"}));
    g.ShowAll(nullptr, false, nullptr);
    EXPECT_FALSE(inSub->IsVisible());
    EXPECT_FALSE(byId->IsShown());
    EXPECT_EQ(sub.walks, (Log{"ShowAll 1 from=expected null", "ShowAll 0 from=expected null"}));
    g.Clear();
}

TEST_F(ControlGroupTest, SetEnableControlTouchesOnlyButtons)
{
    VornControlGroup g;
    auto* button = Make<FakeButton>(1, &g);
    auto* plain = Make(2, &g);
    auto* listedButton = Make<FakeButton>(0);
    auto* listedPlain = Make(0);
    g.Register(listedButton);
    g.Register(listedPlain);
    auto* vButton = new FakeVirtualButton(0, 0, 0, panel, 3, &g);
    g.SetEnableControl(1, false, nullptr);
    EXPECT_FALSE(button->GetEnabled());
    EXPECT_FALSE(listedButton->GetEnabled());
    EXPECT_TRUE(listedPlain->GetEnabled());
    g.SetEnableControl(2, false, nullptr);
    EXPECT_TRUE(plain->GetEnabled());
    g.SetEnableControl(3, false, nullptr);
    EXPECT_TRUE(vButton->GetEnabled()); // virtual controls are not touched
    // An unknown id still switches the listed buttons.
    g.SetEnableControl(999, true, nullptr);
    EXPECT_TRUE(listedButton->GetEnabled());
    EXPECT_FALSE(button->GetEnabled());
    delete vButton;
    g.Clear();
}

TEST_F(ControlGroupTest, SetOnControlSwitchesButtonsByIdListAndVirtual)
{
    VornControlGroup g;
    auto* button = Make<FakeButton>(1, &g);
    auto* other = Make<FakeButton>(2, &g);
    auto* plain = Make(3, &g);
    auto* listed = Make<FakeButton>(0);
    g.Register(listed);
    auto* vButton = new FakeVirtualButton(0, 0, 0, panel, 1, &g);
    g.SetOnControl(1, true, nullptr);
    EXPECT_TRUE(button->GetOn());
    EXPECT_FALSE(other->GetOn());
    EXPECT_TRUE(listed->GetOn());
    EXPECT_TRUE(vButton->GetOn());
    EXPECT_EQ(vButton->log, (Log{"SetOn 1", "Refresh"}));
    g.SetOnControl(3, true, nullptr);
    EXPECT_EQ(plain->log, Log{});
    delete vButton;
    g.Clear();
}

// ---- variants ----

TEST_F(ControlGroupTest, OneOfNSelectsTheChosenAndSwitchesTheOthersOff)
{
    VornControlGroup1ofN g;
    EXPECT_EQ(g.GetSelected(), 0);
    auto* a = Make<FakeButton>(11, &g);
    auto* b = Make<FakeButton>(12, &g);
    auto* c = Make<FakeButton>(13, &g);
    auto* listed = Make<FakeButton>(0);
    g.Register(listed);
    a->SetOn(true);
    b->SetOn(true);
    c->SetOn(true);
    listed->SetOn(true);
    g.SetOnAll(b, false, nullptr);
    EXPECT_EQ(g.GetSelected(), 12);
    EXPECT_FALSE(a->GetOn());
    EXPECT_TRUE(b->GetOn());
    EXPECT_FALSE(c->GetOn());
    EXPECT_TRUE(listed->GetOn()); // controls without id are not visited

    g.SetOnControl(13, false, nullptr);
    EXPECT_EQ(g.GetSelected(), 12);
    g.SetOnControl(13, true, nullptr);
    EXPECT_EQ(g.GetSelected(), 13);
    EXPECT_TRUE(c->GetOn());
    g.Clear();
}

TEST_F(ControlGroupTest, OneOfNOverVirtualButtons)
{
    VornControlGroup1ofN g;
    auto* a = new FakeVirtualButton(0, 0, 0, panel, 21, &g);
    auto* b = new FakeVirtualButton(0, 0, 0, panel, 22, &g);
    auto* plain = MakeVirtual(23, &g);
    g.SetOnAll(static_cast<VirtualControl*>(a), true, nullptr);
    EXPECT_EQ(g.GetSelected(), 21);
    EXPECT_FALSE(a->GetOn());
    EXPECT_TRUE(b->GetOn());
    EXPECT_EQ(plain->log, Log{});
    delete a;
    delete b;
}

TEST_F(ControlGroupTest, ValueGroupNotificationsDoNothingByDefault)
{
    VornControlGroupValue g;
    auto* a = Make(1, &g);
    g.ControlDrag(1, a);
    g.ControlShapeChanged(1, a);
    g.ControlSelected(1, a);
    EXPECT_EQ(a->log, Log{});
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
    value.Register(5, b);
    static_cast<VornControlGroup&>(value).DeRegister(5, true);
    EXPECT_EQ(value.FindControlEntry(5), nullptr);
    oneOfN.Clear();
}

TEST_F(ControlGroupTest, ChildToParentForwardsInTheParentsName)
{
    GroupRecorder outer;
    auto* parent = Make(40, &outer);
    ChildToParentControlGroup inner(parent);
    EXPECT_EQ(inner.GetParentControl(), parent);
    auto* child = Make(41, &inner);
    inner.ControlSelected(41, child);
    inner.ControlDrag(41, child);
    inner.ControlShapeChanged(41, child);
    inner.ControlUnSelected(41, child);
    inner.ControlDoubleClick(41, child); // not forwarded
    ReceiverRecorder r;
    DiagnosticsRecorder diag;
    inner.Register(&r);
    IntValChanged hint(6);
    inner.Update(41, child, &hint); // routed here, not forwarded
    EXPECT_EQ(outer.events, (Log{"Selected id=40", "Drag id=40", "ShapeChanged id=40", "UnSelected id=40"}));
    EXPECT_EQ(outer.lastControl, parent);
    EXPECT_EQ(r.events, (Log{"Update id=41 IntValChanged 6"}));
    inner.Clear();
}

TEST_F(ControlGroupTest, ChildToParentWithoutParentGroupForwardsNothing)
{
    auto* parent = Make(50);
    ChildToParentControlGroup inner(parent);
    auto* child = Make(51, &inner);
    inner.ControlSelected(51, child);
    inner.ControlDrag(51, child);

    ChildToParentControlGroup orphan;
    orphan.ControlSelected(1, child);
    orphan.ControlShapeChanged(1, child);

    // A parent in a plain group hears selections but not drags.
    class SelectionRecorder : public VornControlGroup {
    public:
        Log events;
        void ControlSelected(unsigned int id, VornControl*) override
        {
            events.push_back("Selected id=" + std::to_string(id));
        }
    } plain;
    parent->SetGroup(&plain);
    inner.ControlSelected(51, child);
    inner.ControlDrag(51, child);
    inner.ControlShapeChanged(51, child);
    EXPECT_EQ(plain.events, (Log{"Selected id=50"}));
    plain.Clear();
    inner.Clear();
}
