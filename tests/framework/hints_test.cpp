// Hints: their readable form that every test relies on, and the hint event's ownership
// of its hint.
#include <memory>
#include <string>
#include <vector>

#include <vorn/framework/hint_event.h>
#include <vorn/framework/hints.h>

#include "harness.h"
#include "probes.h"

using namespace vorn;
using namespace vorntest;

namespace {
using CountedHint = Counted<VornControlHint>;
} // namespace

TEST(Hints, EachDescribesItsClassAndValue)
{
    const std::pair<std::unique_ptr<VornControlHint>, const char*> table[] = {
        {std::make_unique<IntValChanging>(3), "IntValChanging 3"},
        {std::make_unique<RealValChanging>(0.25), "RealValChanging 0.25"},
        {std::make_unique<StringValChanging>("ab"), "StringValChanging \"ab\""},
        {std::make_unique<IntValChanged>(-3), "IntValChanged -3"},
        {std::make_unique<RealValChanged>(1.5), "RealValChanged 1.5"},
        {std::make_unique<StringValChanged>("a b"), "StringValChanged \"a b\""},
        {std::make_unique<VUIControlChanged>(), "VUIControlChanged"},
    };
    for (const auto& [hint, text] : table)
        EXPECT_EQ(HintText(hint.get()), text);
    EXPECT_EQ(HintText(nullptr), "null");
    int deaths = 0;
    CountedHint other(&deaths);
    EXPECT_EQ(HintText(&other), "vorntest::Counted<vorn::VornControlHint>"); // other hints: their class
    EXPECT_EQ(HintText(&other, [](const VornControlHint*) { return std::string("Counted"); }), "Counted");
}

// Copies and clones (as the toolkit queues an event) take the ownership along; the
// source keeps only the pointer.
TEST(HintEvent, CopiesAndClonesTakeTheOwnership)
{
    int deaths = 0;
    auto* first = new VornHintEvent(VORN_EVT_HINT, 2, nullptr, new CountedHint(&deaths));
    EXPECT_EQ(first->GetEventType(), 22010);
    VornControlHint* hint = first->GetHint();
    auto* copy = new VornHintEvent(*first);
    EXPECT_EQ(copy->GetHint(), hint);
    EXPECT_EQ(first->GetHint(), hint);
    EXPECT_EQ(copy->GetID(), 2u);
    delete first;
    std::unique_ptr<wxEvent> queued(copy->Clone());
    delete copy;
    EXPECT_EQ(deaths, 0);
    queued.reset();
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

    // The same hint: ownership comes back to the target.
    auto* a = new VornHintEvent(VORN_EVT_HINT, 1, nullptr, new CountedHint(&oldDeaths));
    auto* b = new VornHintEvent(*a);
    *a = *b;
    delete b;
    EXPECT_EQ(oldDeaths, 1);
    delete a;
    EXPECT_EQ(oldDeaths, 2);
}
