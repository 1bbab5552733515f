// VornWindow: stored geometry, visibility flag, tooltip, background rule, capture and
// the library's own key events.
#include <string>
#include <vector>

#include <wx/panel.h>

#include <vorn/framework/window.h>

#include "test_support.h"

using namespace vorn;

using namespace vorntest;

namespace {

class ProbeWindow : public VornWindow {
public:
    using VornWindow::VornWindow;
    std::vector<std::string> log;
    int draws = 0;
    bool SetBackgroundColour(const wxColour& c) override
    {
        log.push_back("SetBackgroundColour " + ColourStr(c));
        return VornWindow::SetBackgroundColour(c);
    }
    void OnDraw(wxDC* dc) override
    {
        ++draws;
        VornWindow::OnDraw(dc);
    }

protected:
    void OnShow() override { log.push_back("OnShow"); }
    void OnHide() override { log.push_back("OnHide"); }
};

// A host panel that hears library key events through its static event table.
class KeyPanel : public wxPanel {
public:
    explicit KeyPanel(wxWindow* parent) : wxPanel(parent, wxID_ANY, wxPoint(0, 0), wxSize(200, 200)) {}
    std::vector<std::string> keys;
    void OnKeyDown(VornWindowKeyEvent& e) { Note("down", e); }
    void OnKeyUp(VornWindowKeyEvent& e) { Note("up", e); }

private:
    void Note(const char* what, const VornWindowKeyEvent& e)
    {
        keys.push_back(std::string(what) + " type=" + std::to_string(e.GetEventType()) +
                       " id=" + std::to_string(e.GetId()) + " key=" + std::to_string(e.m_keyCode) +
                       " alt=" + std::to_string(e.m_altDown) + " ctrl=" + std::to_string(e.m_controlDown) +
                       " shift=" + std::to_string(e.m_shiftDown) + " meta=" + std::to_string(e.m_metaDown));
    }
    wxDECLARE_EVENT_TABLE();
};

// clang-format off
wxBEGIN_EVENT_TABLE(KeyPanel, wxPanel)
    EVT_VORN_KEY_DOWN(KeyPanel::OnKeyDown)
    EVT_VORN_KEY_UP(KeyPanel::OnKeyUp)
wxEND_EVENT_TABLE()
// clang-format on

// The toolkit's colour database entry for "YELLOW GREEN".
const wxColour kYellowGreen(0x9A, 0xCD, 0x32);

} // namespace

using VornWindowTest = GuiTest;

TEST_F(VornWindowTest, EventTypesHaveTheirFixedNumbers)
{
    EXPECT_EQ(static_cast<wxEventType>(VORN_EVT_KEY_DOWN), 22000);
    EXPECT_EQ(static_cast<wxEventType>(VORN_EVT_KEY_UP), 22001);
}

TEST_F(VornWindowTest, SizedConstructorStoresAndAppliesGeometry)
{
    auto* w = new VornWindow(10, 20, 30, 40, panel, -1);
    EXPECT_EQ(w->GetPosX(), 10);
    EXPECT_EQ(w->GetPosY(), 20);
    EXPECT_EQ(w->GetWidth(), 30);
    EXPECT_EQ(w->GetHeight(), 40);
    EXPECT_EQ(w->GetRect(), wxRect(10, 20, 30, 40));
    int x = 0, y = 0, ww = 0, hh = 0;
    w->GetWindowPos(x, y, ww, hh);
    EXPECT_EQ(std::vector<int>({x, y, ww, hh}), std::vector<int>({10, 20, 30, 40}));
    w->GetSize(ww, hh);
    w->GetPosition(x, y);
    EXPECT_EQ(std::vector<int>({x, y, ww, hh}), std::vector<int>({10, 20, 30, 40}));
    // The toolkit's own accessors stay reachable.
    EXPECT_EQ(w->wxWindow::GetSize(), wxSize(30, 40));
    EXPECT_TRUE(w->GetWindowStyleFlag() & wxCLIP_CHILDREN);
    EXPECT_EQ(w->GetName(), wxString(wxPanelNameStr));
    EXPECT_EQ(w->GetBackgroundStyle(), wxBG_STYLE_PAINT);
}

TEST_F(VornWindowTest, SizelessConstructorLeavesStoredSizeUnset)
{
    auto* w = new VornWindow(7, 8, panel, -1);
    EXPECT_EQ(w->GetWidth(), -1);
    EXPECT_EQ(w->GetHeight(), -1);
    EXPECT_EQ(w->GetPosX(), 7);
    EXPECT_EQ(w->GetPosY(), 8);
    EXPECT_EQ(w->wxWindow::GetPosition(), wxPoint(7, 8));
}

TEST_F(VornWindowTest, TwoStepCreationGivesTheSameWindow)
{
    auto* a = new VornWindow(10, 20, 30, 40, panel, 4321, 0);
    auto* b = new VornWindow;
    EXPECT_FALSE(b->IsVisible());
    ASSERT_TRUE(b->Create(10, 60, 30, 40, panel, 4322, 0));
    EXPECT_EQ(b->GetRect(), wxRect(10, 60, 30, 40));
    EXPECT_EQ(b->GetWidth(), a->GetWidth());
    EXPECT_EQ(b->GetHeight(), a->GetHeight());
    EXPECT_EQ(b->GetId(), 4322u);
    EXPECT_EQ(b->GetWindowStyleFlag(), a->GetWindowStyleFlag());
    EXPECT_EQ(ColourStr(b->GetBackgroundColour()), ColourStr(a->GetBackgroundColour()));

    auto* c = new VornWindow;
    ASSERT_TRUE(c->Create(5, 6, panel, -1, 0));
    EXPECT_EQ(c->GetPosX(), 5);
    EXPECT_EQ(c->wxWindow::GetPosition(), wxPoint(5, 6));
}

TEST_F(VornWindowTest, StoredGeometryIgnoresToolkitResize)
{
    auto* w = new VornWindow(0, 0, 30, 40, panel, -1);
    w->wxWindow::SetSize(wxSize(90, 80));
    EXPECT_EQ(w->wxWindow::GetSize(), wxSize(90, 80));
    EXPECT_EQ(w->GetWidth(), 30);
    EXPECT_EQ(w->GetHeight(), 40);
    w->SetWindowPos(1, 2, 3, 4);
    EXPECT_EQ(w->GetRect(), wxRect(1, 2, 3, 4));
    w->wxWindow::SetSize(wxSize(50, 50));
    EXPECT_EQ(w->GetWidth(), 3);
}

TEST_F(VornWindowTest, SetSizeKeepsPositionAndSetPositionKeepsSize)
{
    auto* w = new VornWindow(10, 20, 30, 40, panel, -1);
    w->SetSize(70, 80);
    EXPECT_EQ(w->GetRect(), wxRect(10, 20, 70, 80));
    w->SetPosition(5, 6);
    EXPECT_EQ(w->GetRect(), wxRect(5, 6, 70, 80));
    EXPECT_EQ(w->GetPosX(), 5);
    EXPECT_EQ(w->GetWidth(), 70);
}

TEST_F(VornWindowTest, VisibleFlagChangesOnlyThroughThisClass)
{
    auto* w = new ProbeWindow(0, 0, 10, 10, panel, -1);
    EXPECT_TRUE(w->IsShown()); // the toolkit shows a new child
    EXPECT_FALSE(w->IsVisible());
    w->Show();
    EXPECT_TRUE(w->IsVisible());
    w->Hide();
    EXPECT_FALSE(w->IsVisible());
    EXPECT_FALSE(w->IsShown());
    w->Show(true);
    EXPECT_TRUE(w->IsVisible());
    EXPECT_TRUE(w->IsShown());
    // The toolkit's Show goes through the virtual slot.
    static_cast<wxWindow*>(w)->Show(false);
    EXPECT_FALSE(w->IsVisible());
    EXPECT_EQ(w->log, (std::vector<std::string>{"OnShow", "OnHide", "OnShow", "OnHide"}));
}

TEST_F(VornWindowTest, TooltipIsCreatedOnceThenItsTextChanges)
{
    auto* w = new VornWindow(0, 0, 10, 10, panel, -1);
    EXPECT_EQ(w->GetToolTip(), nullptr);
    w->SetToolTip("first");
    wxToolTip* tip = w->GetToolTip();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(w->GetToolTipText(), "first");
    w->SetToolTip(std::string("second"));
    EXPECT_EQ(w->GetToolTip(), tip);
    EXPECT_EQ(w->GetToolTipText(), "second");
    w->SetToolTip(static_cast<const char*>(nullptr));
    EXPECT_EQ(w->GetToolTip(), tip);
    EXPECT_EQ(w->GetToolTipText(), "");
}

TEST_F(VornWindowTest, TooltipReplacedByTheToolkitIsNotReused)
{
    auto* w = new VornWindow(0, 0, 10, 10, panel, -1);
    w->SetToolTip("ours");
    w->wxWindow::SetToolTip(new wxToolTip("theirs")); // deletes ours
    w->SetToolTip("again");
    EXPECT_EQ(w->GetToolTipText(), "again");
}

TEST_F(VornWindowTest, ParentWithoutOwnBackgroundGivesYellowGreen)
{
    // The toolkit reports its theme colour for a panel that never had one set, so the
    // rule looks at whether the colour is the parent's own.
    EXPECT_TRUE(panel->GetBackgroundColour().IsOk());
    EXPECT_FALSE(panel->UseBgCol());
    auto* w = new VornWindow(0, 0, 8, 8, panel, -1);
    EXPECT_EQ(ColourStr(w->GetBgColour()), ColourStr(kYellowGreen));
    EXPECT_EQ(ColourStr(wxColour("YELLOW GREEN")), ColourStr(kYellowGreen));
    const wxImage img = RenderToImage(w);
    EXPECT_EQ(PixelStr(img, 0, 0), "#9ACD32");
    EXPECT_EQ(PixelStr(img, 7, 7), "#9ACD32");
}

TEST_F(VornWindowTest, ParentBackgroundIsInherited)
{
    panel->SetBackgroundColour(wxColour(10, 20, 30));
    auto* w = new VornWindow(0, 0, 8, 8, panel, -1);
    EXPECT_EQ(ColourStr(w->GetBgColour()), "#0A141E");
    EXPECT_EQ(PixelStr(RenderToImage(w), 4, 4), "#0A141E");
    // A black parent is a colour of its own, not "none".
    panel->SetBackgroundColour(*wxBLACK);
    auto* b = new VornWindow(0, 0, 8, 8, panel, -1);
    EXPECT_EQ(ColourStr(b->GetBgColour()), "#000000");
}

TEST_F(VornWindowTest, CreateSetsBackgroundThroughTheVirtualSlot)
{
    auto* made = new ProbeWindow(0, 0, 8, 8, panel, -1);
    EXPECT_TRUE(made->log.empty());
    auto* created = new ProbeWindow;
    created->Create(0, 0, 8, 8, panel, -1, 0);
    EXPECT_EQ(created->log, (std::vector<std::string>{"SetBackgroundColour #9ACD32"}));
}

TEST_F(VornWindowTest, BackgroundAndForegroundColours)
{
    auto* w = new VornWindow(0, 0, 8, 8, panel, -1);
    EXPECT_FALSE(w->GetFgColour().IsOk());
    w->SetFgColour(Color(1.0, 0.5, 0.0));
    EXPECT_EQ(ColourStr(w->GetFgColour()), "#FF7F00");
    w->SetFgColour(wxColour(1, 2, 3));
    EXPECT_EQ(ColourStr(w->GetFgColour()), "#010203");
    EXPECT_NE(ColourStr(w->GetForegroundColour()), "#010203"); // never given to the toolkit

    w->SetBgColour(wxString("RED"));
    EXPECT_EQ(ColourStr(w->GetBackgroundColour()), "#FF0000");
    EXPECT_EQ(ColourStr(w->GetBgColour()), "#FF0000");
    w->SetBgColour(Color(0.0, 0.0, 1.0));
    EXPECT_EQ(ColourStr(w->GetBgColour()), "#0000FF");
    w->SetBgColour(wxColour(9, 8, 7));
    EXPECT_EQ(PixelStr(RenderToImage(w), 2, 2), "#090807");
}

TEST_F(VornWindowTest, CapturesDoNotNestAndHiddenWindowsKeepTheFlag)
{
    auto* w = new VornWindow(0, 0, 10, 10, panel, -1);
    // The frame is not on screen: the toolkit is not asked, the flag still works.
    w->CaptureMouse();
    w->CaptureMouse();
    EXPECT_TRUE(w->IsMouseCaptive());
    EXPECT_FALSE(w->HasCapture());
    w->ReleaseMouse();
    EXPECT_FALSE(w->IsMouseCaptive());
    w->ReleaseMouse();
    EXPECT_FALSE(w->IsMouseCaptive());
}

TEST_F(VornWindowTest, CaptureOnScreenGrabsThePointerOnce)
{
    auto* w = new VornWindow(0, 0, 10, 10, panel, -1);
    ShowFrame();
    w->CaptureMouse();
    w->CaptureMouse();
    EXPECT_TRUE(w->HasCapture());
    w->ReleaseMouse();
    EXPECT_FALSE(w->HasCapture());
    EXPECT_FALSE(w->IsMouseCaptive());
    EXPECT_EQ(wxWindow::GetCapture(), nullptr);
}

TEST_F(VornWindowTest, LostCaptureClearsTheFlag)
{
    auto* w = new VornWindow(0, 0, 10, 10, panel, -1);
    w->CaptureMouse();
    wxMouseCaptureLostEvent lost(w->GetId());
    lost.SetEventObject(w);
    w->HandleWindowEvent(lost);
    EXPECT_FALSE(w->IsMouseCaptive());
}

TEST_F(VornWindowTest, KeysReachAParentEventTable)
{
    auto* host = new KeyPanel(panel);
    auto* w = new VornWindow(0, 0, 10, 10, host, -1);
    SendKey(w, wxEVT_KEY_DOWN, 'A', kShift | kCtrl);
    SendKey(w, wxEVT_KEY_UP, WXK_LEFT, kAlt);
    EXPECT_EQ(host->keys, (std::vector<std::string>{
                              "down type=22000 id=0 key=65 alt=0 ctrl=1 shift=1 meta=0",
                              "up type=22001 id=0 key=" + std::to_string(WXK_LEFT) + " alt=1 ctrl=0 shift=0 meta=0",
                          }));
}

TEST_F(VornWindowTest, KeysClimbSeveralLevelsAndCarryThePosition)
{
    long seenKey = 0, seenX = -1, seenY = -1;
    int calls = 0;
    panel->Bind(VORN_EVT_KEY_DOWN, [&](VornWindowKeyEvent& e) {
        ++calls;
        seenKey = e.m_keyCode;
        seenX = e.m_x;
        seenY = e.m_y;
    });
    auto* outer = new VornWindow(0, 0, 50, 50, panel, -1);
    auto* inner = new VornWindow(5, 5, 10, 10, outer, -1);
    wxKeyEvent key(wxEVT_KEY_DOWN);
    key.SetEventObject(inner);
    key.m_keyCode = 'Z';
    // A synthetic key event takes its position from the pointer when first asked.
    const wxPoint pos = key.GetPosition();
    inner->HandleWindowEvent(key);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seenKey, 'Z');
    EXPECT_EQ(seenX, pos.x);
    EXPECT_EQ(seenY, pos.y);
}

TEST_F(VornWindowTest, PaintingGoesThroughOnDraw)
{
    auto* w = new ProbeWindow(0, 0, 20, 20, panel, -1);
    ASSERT_TRUE(ShowAndWaitPainted(frame, w));
    EXPECT_GE(w->draws, 1);
}
