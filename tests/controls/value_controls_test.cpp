// What every value control does the same way, checked on each of them: creation in two
// steps, the disabled state, disabling mid-drag, a second button, life without a group,
// and a face drawn from kept bitmaps that matches one drawn afresh.
#include <gtest/gtest.h>

#include <algorithm>

#include "group_recorder.h"
#include "test_support.h"
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
class ValueControlTest : public GuiTest {
protected:
    using Control = typename Kind::Control;
    void SetUp() override
    {
        GuiTest::SetUp();
        control = Kind::Make(panel, &group);
        ShowFrame();
        group.events.clear();
    }
    // The events with the control's id written "ID", to compare two controls' reports.
    static std::vector<std::string> Normalised(const std::vector<std::string>& events, const VornControl* c)
    {
        std::vector<std::string> out;
        const std::string id = "id=" + std::to_string(c->GetId());
        for (std::string e : events) {
            if (const auto at = e.find(id); at != std::string::npos)
                e.replace(at, id.size(), "id=ID");
            out.push_back(e);
        }
        return out;
    }
    std::string Id(const char* what) const { return std::string(what) + " id=" + std::to_string(control->GetId()); }
    std::string Value(const char* hint) const
    {
        return std::string("Update id=0 ") + hint + " " + FormatReal(Kind::Value(control));
    }

    GroupRecorder group;
    Control* control = nullptr;
};

using Kinds = ::testing::Types<PlainSliderKind, BitmapSliderKind, DrawnSliderKind, TrackSliderKind, WheelKind,
                               DialKind, DrawnDialKind, ClippersKind>;
TYPED_TEST_SUITE(ValueControlTest, Kinds);

} // namespace

TYPED_TEST(ValueControlTest, CreatedInTwoStepsIsTheSameControl)
{
    GroupRecorder later;
    auto* twin = TypeParam::MakeLater(this->panel, &later);
    EXPECT_EQ(twin->GetGroup(), &later);
    EXPECT_EQ(twin->GetClientSize(), this->control->GetClientSize());
    EXPECT_EQ(TypeParam::Value(twin), TypeParam::Value(this->control));
    EXPECT_TRUE(SameImage(Face(twin), Face(this->control)));
    for (auto [c, g] : {std::pair<VornControl*, GroupRecorder*>{this->control, &this->group}, {twin, &later}}) {
        LeftDown(c, TypeParam::kPress);
        Motion(c, TypeParam::kStep);
        LeftUp(c, TypeParam::kStep);
    }
    EXPECT_EQ(this->Normalised(later.events, twin), this->Normalised(this->group.events, this->control));
    EXPECT_EQ(later.lastControl, twin);
}

TYPED_TEST(ValueControlTest, ADragReportsSelectedEachStepAndTheRelease)
{
    const double before = TypeParam::Value(this->control);
    LeftDown(this->control, TypeParam::kPress);
    EXPECT_TRUE(this->control->IsDragging());
    EXPECT_TRUE(this->control->HasCapture());
    Motion(this->control, TypeParam::kStep);
    EXPECT_NE(TypeParam::Value(this->control), before);
    const std::string changing = this->Value("RealValChanging");
    LeftUp(this->control, TypeParam::kStep);
    EXPECT_FALSE(this->control->IsDragging());
    EXPECT_FALSE(this->control->HasCapture());
    EXPECT_EQ(this->group.events, (std::vector<std::string>{this->Id("Selected"), this->Id("Drag"), changing,
                                                            this->Id("UnSelected"), this->Value("RealValChanged")}));
    EXPECT_EQ(this->group.lastControl, this->control);
}

TYPED_TEST(ValueControlTest, DisabledControlIgnoresThePointer)
{
    const double before = TypeParam::Value(this->control);
    this->control->SetEnabled(false);
    LeftDown(this->control, TypeParam::kPress);
    Motion(this->control, TypeParam::kStep);
    LeftUp(this->control, TypeParam::kStep);
    EXPECT_EQ(TypeParam::Value(this->control), before);
    EXPECT_FALSE(this->control->HasCapture());
    EXPECT_TRUE(this->group.events.empty());
}

TYPED_TEST(ValueControlTest, DisablingMidDragEndsItAsAReleaseWould)
{
    LeftDown(this->control, TypeParam::kPress);
    Motion(this->control, TypeParam::kStep);
    const std::string changing = this->Value("RealValChanging");
    this->control->SetEnabled(false);
    EXPECT_FALSE(this->control->IsDragging());
    EXPECT_FALSE(this->control->HasCapture()); // the rest of the interface gets the mouse again
    EXPECT_EQ(this->group.events, (std::vector<std::string>{this->Id("Selected"), this->Id("Drag"), changing,
                                                            this->Id("UnSelected"), this->Value("RealValChanged")}));
    this->group.events.clear();
    const double after = TypeParam::Value(this->control);
    LeftUp(this->control, TypeParam::kStep); // ignored while disabled
    this->control->SetEnabled(true);
    Motion(this->control, TypeParam::kPress); // no press since: nothing moves
    EXPECT_EQ(TypeParam::Value(this->control), after);
    EXPECT_TRUE(this->group.events.empty());
    LeftDown(this->control, TypeParam::kPress); // a fresh drag begins as usual
    EXPECT_EQ(this->group.events.front(), this->Id("Selected"));
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
    EXPECT_EQ(std::count(this->group.events.begin(), this->group.events.end(), this->Id("Selected")), 1);
    EXPECT_EQ(this->group.events.back(), this->Value("RealValChanged"));
}

TYPED_TEST(ValueControlTest, WithoutAGroupTheDragStillMovesTheValue)
{
    auto* lone = TypeParam::Make(this->panel, nullptr);
    const double before = TypeParam::Value(lone);
    LeftDown(lone, TypeParam::kPress);
    Motion(lone, TypeParam::kStep);
    LeftUp(lone, TypeParam::kStep);
    EXPECT_NE(TypeParam::Value(lone), before);
    EXPECT_EQ(lone->GetGroup(), nullptr);
    EXPECT_TRUE(this->group.events.empty());
}

// The face after each step of a drag that comes back over its own path is the face of a
// fresh control moved straight to the same point.
TYPED_TEST(ValueControlTest, FaceAfterEachStepMatchesAFreshControl)
{
    LeftDown(this->control, TypeParam::kPress);
    for (const wxPoint p : TypeParam::Path()) {
        Motion(this->control, p);
        auto* fresh = TypeParam::Make(this->panel, nullptr);
        LeftDown(fresh, TypeParam::kPress);
        Motion(fresh, p);
        LeftUp(fresh, p);
        ASSERT_TRUE(SameImage(Face(this->control), Face(fresh))) << p.x << "," << p.y;
        fresh->Destroy();
    }
    LeftUp(this->control, TypeParam::kPress);
}
