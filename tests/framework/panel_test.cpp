// The host's panel and title bar: dragging the bar moves its parent by the pointer's screen
// step, only while a button is down, and the panel's Clear leaves its contents alone.
#include <gtest/gtest.h>

#include <vorn/framework/panel.h>

#include "test_support.h"

using namespace vorn;
using namespace vorntest;

using PanelTest = GuiTest;

TEST_F(PanelTest, DraggingTheTitleBarMovesItsParentByTheScreenStepOnlyWhileAButtonIsDown)
{
    auto* holder = new wxPanel(panel, wxID_ANY, wxPoint(40, 50), wxSize(200, 120));
    auto* bar = new VornTitleBar("Tools", 0, 0, 200, 18, holder, wxID_ANY);
    ShowFrame();
    // A motion at a screen position arrives in the bar's client coordinates as they are then.
    const auto moveTo = [bar](wxPoint screen, int mods = kLeftHeld) {
        Motion(bar, bar->ScreenToClient(screen), mods);
    };
    const wxPoint start = holder->GetPosition(), grab = bar->ClientToScreen(wxPoint(30, 8));
    const wxSize size = holder->GetSize();
    moveTo(grab + wxPoint(20, 5), kNone); // no button: nothing follows
    EXPECT_EQ(holder->GetPosition(), start);
    LeftDown(bar, {30, 8});
    EXPECT_TRUE(bar->HasCapture());
    moveTo(grab + wxPoint(10, -1));
    moveTo(grab + wxPoint(15, -4));
    EXPECT_EQ(holder->GetPosition(), start + wxPoint(15, -4));
    EXPECT_EQ(holder->GetSize(), size);
    LeftUp(bar, bar->ScreenToClient(grab + wxPoint(15, -4)));
    EXPECT_FALSE(bar->IsDragging());
    EXPECT_FALSE(bar->HasCapture());
    moveTo(grab + wxPoint(40, 20), kNone);
    EXPECT_EQ(holder->GetPosition(), start + wxPoint(15, -4));
}

TEST(VornPanel, ClearLeavesTheChildren)
{
    wxFrame frame(nullptr, wxID_ANY, "panel");
    auto* panel = new VornPanel(0, 0, 100, 80, &frame, wxID_ANY);
    auto* child = new VornPanel(10, 10, 30, 20, panel, wxID_ANY);
    panel->Clear();
    ASSERT_EQ(panel->GetChildren().GetCount(), 1u);
    EXPECT_EQ(panel->GetChildren().front(), child);
    EXPECT_EQ(child->GetRect(), wxRect(10, 10, 30, 20));
}
