// The sizer grip: it resizes its parent by the pointer's movement while held and jumps
// to the parent's lower-right corner when released.
#include <gtest/gtest.h>

#include <vorn/controls/button_drag.h>

#include "group_recorder.h"
#include "test_support.h"

using namespace vorn;

using namespace vorntest;

namespace {

class SizerTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        box = new wxPanel(panel, wxID_ANY, wxPoint(10, 10), wxSize(200, 100));
        grip = new VornSizerButton(nullptr, 188, 88, 12, 12, box, -1, &group);
        ShowFrame(); // capture needs a shown window
    }
    GroupRecorder group;
    wxPanel* box = nullptr;
    VornSizerButton* grip = nullptr;
};

} // namespace

TEST_F(SizerTest, DragResizesTheParentThenTheGripJumpsToItsCorner)
{
    LeftDown(grip, {3, 3});
    EXPECT_TRUE(grip->IsDragging());
    EXPECT_TRUE(grip->HasCapture());
    Motion(grip, {13, 8});
    EXPECT_EQ(box->GetSize(), wxSize(210, 105));
    EXPECT_EQ(box->GetPosition(), wxPoint(10, 10));
    EXPECT_EQ(grip->GetPosX(), 188); // the grip stays put during the drag
    Motion(grip, {23, 8});           // measured from the previous step
    EXPECT_EQ(box->GetSize(), wxSize(220, 105));
    Motion(grip, {13, -2}); // shrinking works the same way
    EXPECT_EQ(box->GetSize(), wxSize(210, 95));
    LeftUp(grip, {13, -2});
    EXPECT_FALSE(grip->IsDragging());
    EXPECT_FALSE(grip->HasCapture());
    EXPECT_EQ(grip->GetPosition(), wxPoint(210 - 12, 95 - 12));
    EXPECT_EQ(grip->GetPosX(), 198);
    EXPECT_EQ(grip->GetPosY(), 83);
    EXPECT_TRUE(group.events.empty()); // the grip reports nothing
}

TEST_F(SizerTest, MotionWithoutAPressResizesNothing)
{
    Motion(grip, {30, 30}, kNone);
    Motion(grip, {40, 40}, kLeftHeld); // no press seen by the grip
    EXPECT_EQ(box->GetSize(), wxSize(200, 100));
}

TEST_F(SizerTest, ReleaseWithoutDragStillSnapsToTheCorner)
{
    grip->SetPosition(20, 20);
    LeftDown(grip, {3, 3});
    LeftUp(grip, {3, 3});
    EXPECT_EQ(grip->GetPosition(), wxPoint(188, 88));
}

TEST_F(SizerTest, DefaultConstructionThenCreate)
{
    auto* g = new VornSizerButton;
    g->Create(nullptr, 0, 0, 10, 10, box, -1, nullptr);
    EXPECT_FALSE(g->IsDragging());
    EXPECT_EQ(g->GetWidth(), 10);
}
