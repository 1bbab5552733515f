// Hints: run-time type tests, value defaults and copies, the hint event's ownership,
// and the recorder's readable form that every control test relies on.
#include <string>
#include <vector>

#include <vorn/framework/hint_event.h>
#include <vorn/framework/hints.h>
#include <vorn/framework/value_interfaces.h>

#include "group_recorder.h"
#include "test_support.h"

using namespace vorn;

using namespace vorntest;
using Log = std::vector<std::string>;

namespace {

// Counts its own destructions so ownership can be checked exactly.
class CountedHint : public VornControlHint {
public:
    explicit CountedHint(int* deaths) : m_deaths(deaths) {}
    ~CountedHint() override { ++*m_deaths; }

private:
    int* m_deaths;
};

template <class Target>
bool Is(const VornControlHint& hint)
{
    return dynamic_cast<const Target*>(&hint) != nullptr;
}

} // namespace

TEST(Hints, RealValChangedPassesOnlyItsOwnTypeTests)
{
    const RealValChanged h(1.5);
    EXPECT_TRUE(Is<RealValMessage>(h));
    EXPECT_TRUE(Is<VUIControlChanged>(h));
    EXPECT_FALSE(Is<VUIControlChanging>(h));
    EXPECT_FALSE(Is<IntValMessage>(h));
    EXPECT_FALSE(Is<StringValMessage>(h));
    EXPECT_DOUBLE_EQ(dynamic_cast<const RealValMessage&>(static_cast<const VornControlHint&>(h)).value, 1.5);
}

TEST(Hints, ChangingAndChangedFormsShareTheirMessageClass)
{
    const IntValChanging ic(3);
    const IntValChanged id(4);
    const StringValChanging sc("ab");
    const StringValChanged sd("cd");
    const RealValChanging rc(0.5);
    EXPECT_TRUE(Is<IntValMessage>(ic));
    EXPECT_TRUE(Is<IntValMessage>(id));
    EXPECT_TRUE(Is<VUIControlChanging>(ic));
    EXPECT_FALSE(Is<VUIControlChanged>(ic));
    EXPECT_TRUE(Is<StringValMessage>(sc));
    EXPECT_TRUE(Is<StringValMessage>(sd));
    EXPECT_FALSE(Is<RealValMessage>(sd));
    EXPECT_TRUE(Is<VUIControlChanging>(rc));
    EXPECT_FALSE(Is<IntValMessage>(rc));
}

TEST(Hints, DefaultsAndCopies)
{
    EXPECT_EQ(IntValChanged().value, 0);
    EXPECT_FALSE(IntValChanged().flag);
    EXPECT_EQ(RealValChanging().value, 0.0);
    EXPECT_EQ(StringValChanged().value, "");
    EXPECT_FALSE(VUIControlChanged().flag);
    IntValChanged a(7);
    a.flag = true;
    IntValChanged b(a);
    EXPECT_EQ(b.value, 7);
    EXPECT_TRUE(b.flag);
    StringValChanging s("x");
    StringValChanging t;
    t = s;
    EXPECT_EQ(t.value, "x");
}

TEST(HintEvent, HasItsFixedTypeAndCommandIdZero)
{
    EXPECT_EQ(static_cast<wxEventType>(VORN_EVT_HINT), 22010);
    VornHintEvent ev(VORN_EVT_HINT, 17, nullptr, nullptr);
    EXPECT_EQ(ev.GetEventType(), 22010);
    EXPECT_EQ(ev.GetId(), 0);
    EXPECT_EQ(ev.GetID(), 17u);
    EXPECT_EQ(ev.GetHint(), nullptr);
    EXPECT_TRUE(ev.IsCommandEvent());
}

TEST(HintEvent, EventDeletesItsHintOnce)
{
    int deaths = 0;
    {
        VornHintEvent ev(VORN_EVT_HINT, 1, nullptr, new CountedHint(&deaths));
        EXPECT_NE(ev.GetHint(), nullptr);
    }
    EXPECT_EQ(deaths, 1);
}

TEST(HintEvent, CopyTakesOwnershipFromTheSource)
{
    int deaths = 0;
    auto* first = new VornHintEvent(VORN_EVT_HINT, 2, nullptr, new CountedHint(&deaths));
    VornControlHint* hint = first->GetHint();
    auto* copy = new VornHintEvent(*first);
    EXPECT_EQ(copy->GetHint(), hint);
    EXPECT_EQ(first->GetHint(), hint); // the source keeps the pointer
    EXPECT_EQ(copy->GetID(), 2u);
    delete first;
    EXPECT_EQ(deaths, 0);
    delete copy;
    EXPECT_EQ(deaths, 1);
}

TEST(HintEvent, CloneAsTheToolkitQueuesItMovesOwnership)
{
    int deaths = 0;
    wxEvent* queued = nullptr;
    {
        VornHintEvent ev(VORN_EVT_HINT, 3, nullptr, new CountedHint(&deaths));
        queued = ev.Clone();
    }
    EXPECT_EQ(deaths, 0);
    EXPECT_NE(static_cast<VornHintEvent*>(queued)->GetHint(), nullptr);
    delete queued;
    EXPECT_EQ(deaths, 1);
}

TEST(HintEvent, AssignmentDeletesTheTargetsOwnHintFirst)
{
    int oldDeaths = 0, newDeaths = 0;
    VornHintEvent target(VORN_EVT_HINT, 1, nullptr, new CountedHint(&oldDeaths));
    {
        VornHintEvent source(VORN_EVT_HINT, 5, nullptr, new CountedHint(&newDeaths));
        target = source;
        EXPECT_EQ(oldDeaths, 1);
        EXPECT_EQ(target.GetID(), 5u);
        EXPECT_EQ(target.GetHint(), source.GetHint());
    }
    EXPECT_EQ(newDeaths, 0); // the source gave its ownership away
    target = target;
    EXPECT_EQ(newDeaths, 0);
}

TEST(HintEvent, AssignmentOfTheSameHintKeepsItAlive)
{
    int deaths = 0;
    auto* a = new VornHintEvent(VORN_EVT_HINT, 1, nullptr, new CountedHint(&deaths));
    auto* b = new VornHintEvent(*a); // b owns, a only points
    *a = *b;                         // same pointer: ownership comes back to a
    EXPECT_EQ(deaths, 0);
    delete b;
    EXPECT_EQ(deaths, 0);
    delete a;
    EXPECT_EQ(deaths, 1);
}

// ---- value interfaces ----

namespace {
class Vec3Holder : public Vec3dVal, public VornStringVal {
public:
    void GetValue(Vec3d& out) override { out = m_v; }
    void SetValue(Vec3d v) override { m_v = v; }
    void GetValue(std::string& out) override { out = m_s; }
    void SetValue(std::string s) override { m_s = std::move(s); }

private:
    Vec3d m_v;
    std::string m_s;
};
} // namespace

TEST(ValueInterfaces, HostReadsAndWritesThroughTheInterface)
{
    Vec3Holder holder;
    ValInterface<Vec3d>& vec = holder;
    vec.SetValue(Vec3d(1, 2, 3));
    Vec3d out;
    vec.GetValue(out);
    EXPECT_EQ(out, Vec3d(1, 2, 3));
    VornStringVal& text = holder;
    text.SetValue("abc");
    std::string s;
    text.GetValue(s);
    EXPECT_EQ(s, "abc");
}

// ---- recorder text ----

TEST(GroupRecorderText, DescribesValueHintsAndOthers)
{
    EXPECT_EQ(HintText(nullptr), "null");
    RealValChanging r(0.25);
    EXPECT_EQ(HintText(&r), "RealValChanging 0.25");
    IntValChanged i(-3);
    EXPECT_EQ(HintText(&i), "IntValChanged -3");
    StringValChanged s("a b");
    EXPECT_EQ(HintText(&s), "StringValChanged \"a b\"");
    VUIControlChanged c;
    EXPECT_EQ(HintText(&c), "VUIControlChanged");
    int deaths = 0;
    {
        CountedHint other(&deaths);
        EXPECT_EQ(HintText(&other), "(anonymous namespace)::CountedHint");
        EXPECT_EQ(HintText(&other, [](const VornControlHint*) { return std::string("Counted"); }), "Counted");
    }
}

TEST(GroupRecorderText, RecordsNotificationsInOrderAndRoutesUpdates)
{
    GroupRecorder rec;
    ReceiverRecorder host;
    DiagnosticsRecorder diag;
    rec.Register(&host);
    rec.ControlSelected(5, static_cast<VornControl*>(nullptr));
    rec.ControlDrag(5, nullptr);
    RealValChanging changing(0.5);
    rec.Update(0, nullptr, &changing);
    rec.ControlShapeChanged(5, nullptr);
    rec.ControlUnSelected(5, static_cast<VornControl*>(nullptr));
    rec.ControlDoubleClick(6, static_cast<VirtualControl*>(nullptr));
    IntValChanged changed(3);
    rec.Update(0, nullptr, &changed);
    EXPECT_EQ(rec.events, (Log{"Selected id=5", "Drag id=5", "Update id=0 RealValChanging 0.5", "ShapeChanged id=5",
                               "UnSelected id=5", "DoubleClick virtual id=6", "Update id=0 IntValChanged 3"}));
    EXPECT_EQ(rec.Updates(), (Log{"Update id=0 RealValChanging 0.5", "Update id=0 IntValChanged 3"}));
    EXPECT_EQ(host.events, rec.Updates());
    rec.DeRegister(&host);
}
