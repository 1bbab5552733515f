// Windows made without toolkit windows: thousands cost none, keep their state and group,
// and draw and hear the user only while realised.
#include <gtest/gtest.h>

#include <vorn/controls/slider.h>
#include <vorn/framework/window.h>

#include "group_recorder.h"
#include "probes.h"
#include "test_support.h"

using namespace vorn;
using namespace vorntest;

namespace {
// Counts what reaches OnDraw, so a test sees where painting goes.
class DrawProbe : public ProbeControl {
public:
    using ProbeControl::ProbeControl;
    void OnDraw(wxDC* dc) override
    {
        ++draws;
        ProbeControl::OnDraw(dc);
    }
    int draws = 0;
};

class RealiseTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        host = new VornWindow(0, 0, 300, 200, panel, wxID_ANY);
        host->SetRealiseOnDemand(true);
        host->Show();
    }
    VornWindow* host = nullptr;
    GroupRecorder group;
};
} // namespace

TEST_F(RealiseTest, DeferredWindowsKeepEverythingButAToolkitWindow)
{
    std::vector<DrawProbe*> rows;
    for (int i = 0; i < 1000; ++i)
        rows.push_back(new DrawProbe(0, 20 * i, 300, 20, host, 100 + i, &group));
    EXPECT_TRUE(host->GetChildren().empty());
    ASSERT_EQ(host->GetDeferredChildren().size(), 1000u);
    DrawProbe* row = rows[500];
    EXPECT_TRUE(row->IsDeferred());
    EXPECT_FALSE(row->IsRealised());
    EXPECT_EQ(row->GetParent(), host);
    EXPECT_EQ(row->GetId(), 600u);
    EXPECT_EQ(row->GetRect(), wxRect(0, 10000, 300, 20));
    row->SetWindowPos(5, 40, 200, 24);
    row->SetToolTip("row");
    row->Enable(false);
    row->Show();
    row->Refresh(false); // nothing to repaint yet
    EXPECT_EQ(row->GetClientSize(), wxSize(200, 24));
    EXPECT_EQ(row->draws, 0);
    EXPECT_GT(row->GetCharHeight(), 0);

    ASSERT_TRUE(row->Realise());
    wxWindow* surface = row->GetSurface();
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(host->GetChildren().size(), 1u);
    EXPECT_EQ(surface->GetParent(), host);
    EXPECT_EQ(surface->GetRect(), wxRect(5, 40, 200, 24));
    EXPECT_FALSE(surface->IsEnabled());
    EXPECT_EQ(surface->GetToolTipText(), "row");
    row->SetWindowPos(5, 60, 200, 24); // moves follow
    EXPECT_EQ(surface->GetPosition(), wxPoint(5, 60));

    row->Unrealise();
    EXPECT_FALSE(row->IsRealised());
    EXPECT_EQ(row->GetRect(), wxRect(5, 60, 200, 24));
    EXPECT_TRUE(row->Realise()); // and again
    EXPECT_EQ(row->GetSurface()->GetRect(), wxRect(5, 60, 200, 24));
}

TEST_F(RealiseTest, SurfacesPaintAndPassTheUserOnToTheirWindow)
{
    auto* row = new DrawProbe(10, 10, 100, 20, host, 7, &group);
    row->Show();
    ShowFrame();
    ASSERT_TRUE(row->Realise());
    EXPECT_TRUE(PumpUntil([&] { return row->draws > 0; })) << "the surface's paint reaches OnDraw";
    row->Take();
    LeftDown(row->GetSurface(), wxPoint(3, 4));
    LeftUp(row->GetSurface(), wxPoint(3, 4));
    const Log log = row->Take();
    EXPECT_NE(std::find(log.begin(), log.end(), "OnMouseButton"), log.end());
    // Capture goes through the surface, and is given back when the surface goes.
    row->CaptureMouse();
    EXPECT_TRUE(row->GetSurface()->HasCapture());
    row->Unrealise();
    EXPECT_FALSE(row->IsMouseCaptive());
    EXPECT_EQ(wxWindow::GetCapture(), nullptr);
    // A slider made before its parent's surface takes its value when realised, and drags.
    auto* slider = new VornSliderB(*wxBLACK, *wxWHITE, 0, 40, 200, 20, host, 9, nullptr);
    slider->SetValue(0.25, false);
    slider->Show();
    ASSERT_TRUE(slider->Realise());
    EXPECT_DOUBLE_EQ(slider->GetValue(), 0.25);
    EXPECT_EQ(slider->GetSurface()->GetSize(), wxSize(200, 20));
}

// A window far taller than the toolkit allows, scrolled deep down: only the part in view
// gets a surface, and what happens there reaches the window at its own coordinates.
TEST_F(RealiseTest, SurfacesCoverThePartInViewOfTheScrolledContent)
{
    auto* tall = new DrawProbe(0, 0, 300, 50000, host, 1, &group);
    auto* deep = new DrawProbe(20, 40000, 100, 20, tall, 2, &group);
    auto* high = new DrawProbe(20, 100, 100, 20, tall, 3, &group);
    for (auto* w : {tall, deep, high})
        w->Show();
    host->SetDeferredOrigin(wxPoint(0, 39950));
    host->RealiseInView(0);
    ASSERT_TRUE(tall->IsRealised() && deep->IsRealised());
    EXPECT_FALSE(high->IsRealised());
    EXPECT_EQ(tall->GetSurface()->GetRect(), wxRect(0, 0, 300, 200));
    EXPECT_EQ(tall->GetSurfaceOffset(), wxPoint(0, 39950));
    EXPECT_EQ(deep->GetSurface()->GetRect(), wxRect(20, 50, 100, 20));
    EXPECT_EQ(deep->GetRectInHost(), wxRect(20, 40000, 100, 20));
    tall->Take();
    LeftDown(tall->GetSurface(), wxPoint(7, 8));
    EXPECT_EQ(tall->Take(), (Log{"OnMouseOver", "OnMouseDownLeft", "OnMouseButton"}));
    int mx = 0, my = 0;
    tall->GetLastMousePos(mx, my);
    EXPECT_EQ(wxPoint(mx, my), wxPoint(7, 39958));
    LeftUp(tall->GetSurface(), wxPoint(7, 8));
    // Scrolling back to the top: the deep row goes, the high one comes, the tall one moves.
    host->SetDeferredOrigin(wxPoint(0, 0));
    host->RealiseInView(0);
    EXPECT_FALSE(deep->IsRealised());
    EXPECT_TRUE(high->IsRealised());
    EXPECT_EQ(tall->GetSurfaceOffset(), wxPoint(0, 0));
    EXPECT_EQ(high->GetSurface()->GetRect(), wxRect(20, 100, 100, 20));
    // A hidden window needs no surface.
    high->Hide();
    host->RealiseInView(0);
    EXPECT_FALSE(high->IsRealised());
}

TEST_F(RealiseTest, ChildrenOfDeferredWindowsAreDeferredAndGoWithThem)
{
    int gone = 0;
    auto* row = new DrawProbe(0, 0, 200, 40, host, 1, &group);
    auto* inner = new DrawProbe(10, 5, 50, 20, row, 2, &group);
    inner->destructions = &gone;
    EXPECT_TRUE(inner->IsDeferred());
    EXPECT_FALSE(inner->Realise()) << "needs its parent's surface";
    ASSERT_TRUE(row->Realise());
    ASSERT_TRUE(inner->Realise());
    EXPECT_EQ(inner->GetSurface()->GetParent(), host) << "surfaces lie flat in the host";
    EXPECT_EQ(inner->GetSurface()->GetRect(), wxRect(10, 5, 50, 20));
    row->Unrealise();
    EXPECT_FALSE(inner->IsRealised());
    // When the pool's newest surface goes to the parent, the child must still get one the
    // toolkit draws above it.
    auto* other = new DrawProbe(0, 100, 200, 40, host, 4, &group);
    ASSERT_TRUE(row->Realise() && inner->Realise() && other->Realise());
    row->Unrealise();
    other->Unrealise();
    ASSERT_TRUE(row->Realise() && inner->Realise());
    const wxWindowList& order = host->GetChildren();
    EXPECT_LT(order.IndexOf(row->GetSurface()), order.IndexOf(inner->GetSurface()));
    row->Unrealise();
    delete row;
    delete other;
    EXPECT_EQ(gone, 1);
    EXPECT_TRUE(host->GetDeferredChildren().empty());
    // The host's own end takes its deferred children along.
    auto* last = new DrawProbe(0, 0, 10, 10, host, 3, &group);
    last->destructions = &gone;
    host->Destroy();
    EXPECT_EQ(gone, 2);
}
