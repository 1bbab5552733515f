// VornWindow: geometry kept in step with the toolkit and sizers, best size, visibility
// flag, tooltip, background rule and colour names, capture and the library's key events.
#include <string>
#include <vector>

#include <wx/panel.h>
#include <wx/sizer.h>

#include <vorn/controls/slider.h>
#include <vorn/framework/window.h>

#include "group_recorder.h"
#include "test_support.h"

using namespace vorn;
using namespace vorntest;

namespace {

class ProbeWindow : public VornWindow {
public:
    using VornWindow::VornWindow;
    Log log;
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

// x, y, w, h as this class stores them.
std::vector<int> Stored(const VornWindow& w)
{
    int x = 0, y = 0, ww = 0, hh = 0;
    w.GetWindowPos(x, y, ww, hh);
    return {x, y, ww, hh};
}

std::vector<int> Of(const wxRect& r) { return {r.x, r.y, r.width, r.height}; }

} // namespace

using VornWindowTest = GuiTest;

// Both ways of making one store the geometry and give it to the toolkit; a window made
// without a size keeps it unset until the toolkit gives it one.
TEST_F(VornWindowTest, ConstructionStoresAndAppliesGeometry)
{
    auto* sized = new VornWindow(10, 20, 30, 40, panel, -1);
    EXPECT_EQ(sized->GetBackgroundStyle(), wxBG_STYLE_PAINT); // painting clears, no erase events
    auto* twoStep = new VornWindow;
    ASSERT_TRUE(twoStep->Create(10, 60, 30, 40, panel, 4322, 0));
    EXPECT_EQ(twoStep->GetWindowStyleFlag(), sized->GetWindowStyleFlag());
    EXPECT_TRUE(sized->GetWindowStyleFlag() & wxCLIP_CHILDREN);
    auto* sizeless = new VornWindow(7, 8, panel, -1);
    auto* twoStepSizeless = new VornWindow;
    ASSERT_TRUE(twoStepSizeless->Create(5, 6, panel, -1, 0));
    const std::pair<VornWindow*, std::vector<int>> made[] = {{sized, {10, 20, 30, 40}},
                                                             {twoStep, {10, 60, 30, 40}},
                                                             {sizeless, {7, 8, -1, -1}},
                                                             {twoStepSizeless, {5, 6, -1, -1}}};
    for (const auto& [w, want] : made) {
        EXPECT_EQ(Stored(*w), want);
        EXPECT_EQ(w->wxWindow::GetPosition(), wxPoint(want[0], want[1]));
    }
    EXPECT_EQ(Of(twoStep->GetRect()), Stored(*twoStep));
}

// Whoever moves or resizes the window, this class or the toolkit, the stored geometry
// follows; the best size stays the size given through this class.
TEST_F(VornWindowTest, GeometryFollowsTheToolkitAndTheBestSizeTheGivenSize)
{
    auto* w = new VornWindow(10, 20, 30, 40, panel, -1);
    EXPECT_EQ(w->GetBestSize(), wxSize(30, 40));
    w->SetSize(70, 80);
    w->SetPosition(5, 6);
    EXPECT_EQ(Of(w->GetRect()), (std::vector<int>{5, 6, 70, 80}));
    EXPECT_EQ(Stored(*w), Of(w->GetRect()));
    w->wxWindow::SetSize(wxSize(90, 85));
    w->Move(wxPoint(3, 4));
    EXPECT_EQ(Stored(*w), (std::vector<int>{3, 4, 90, 85}));
    EXPECT_EQ(w->GetBestSize(), wxSize(70, 80));
    w->SetWindowPos(1, 2, 3, 4);
    EXPECT_EQ(Of(w->GetRect()), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(w->GetBestSize(), wxSize(3, 4));

    auto* sizeless = new VornWindow(7, 8, panel, -1);
    sizeless->Move(9, 9); // a move gives no size
    EXPECT_EQ(Stored(*sizeless), (std::vector<int>{9, 9, -1, -1}));
    sizeless->wxWindow::SetSize(12, 13);
    EXPECT_EQ(Stored(*sizeless), (std::vector<int>{9, 9, 12, 13}));
}

// A slider in a box sizer, after a spacer: it takes its best size, reports where the
// sizer put it, draws for that size and answers the pointer in its own coordinates.
TEST_F(VornWindowTest, SliderSitsInASizerLikeAnyControl)
{
    GroupRecorder group;
    const wxColour background(0, 0, 80), line(255, 255, 0);
    auto* slider = new VornSliderB(background, line, 100, 100, 200, 20, panel, 77, &group);
    slider->SetValue(0.5, false);
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->AddSpacer(30);
    sizer->Add(slider, 0, wxTOP, 15);
    panel->SetSizer(sizer);
    panel->Layout();
    EXPECT_EQ(Stored(*slider), (std::vector<int>{30, 15, 200, 20}));
    EXPECT_EQ(Of(slider->GetRect()), Stored(*slider));
    EXPECT_EQ(slider->GetBestSize(), wxSize(200, 20));

    const int knob = slider->GetModel().GetCurPosition();
    ASSERT_GT(knob, 20);
    const wxImage face = RenderToImage(slider);
    EXPECT_EQ(PixelStr(face, knob / 2, slider->GetModel().GetGap()), "#FFFF00"); // the line up to the knob

    ShowFrame();
    LeftDown(slider, wxPoint(knob + 6, 10));
    Motion(slider, wxPoint(knob + 26, 10));
    LeftUp(slider, wxPoint(knob + 26, 10));
    ASSERT_FALSE(group.events.empty());
    EXPECT_EQ(group.events.front(), "Selected id=77");
    EXPECT_EQ(slider->GetModel().GetCurPosition(), knob + 20);
}

TEST_F(VornWindowTest, VisibleFlagChangesOnlyThroughThisClass)
{
    auto* w = new ProbeWindow(0, 0, 10, 10, panel, -1);
    EXPECT_TRUE(w->IsShown()); // the toolkit shows a new child
    EXPECT_FALSE(w->IsVisible());
    w->Show();
    EXPECT_TRUE(w->IsVisible());
    w->Hide();
    EXPECT_FALSE(w->IsVisible() || w->IsShown());
    w->Show(true);
    EXPECT_TRUE(w->IsVisible() && w->IsShown());
    static_cast<wxWindow*>(w)->Show(false); // the toolkit's Show goes through the virtual slot
    EXPECT_FALSE(w->IsVisible());
    EXPECT_EQ(w->log, (Log{"OnShow", "OnHide", "OnShow", "OnHide"}));
}

TEST_F(VornWindowTest, OneTooltipWhoseTextChanges)
{
    auto* w = new VornWindow(0, 0, 10, 10, panel, -1);
    w->SetToolTip("first");
    wxToolTip* tip = w->GetToolTip();
    ASSERT_NE(tip, nullptr);
    w->SetToolTip(static_cast<const char*>(nullptr));
    EXPECT_EQ(w->GetToolTip(), tip);
    EXPECT_EQ(w->GetToolTipText(), "");
    w->wxWindow::SetToolTip(new wxToolTip("theirs")); // deletes ours
    w->SetToolTip(std::string("again"));
    EXPECT_EQ(w->GetToolTipText(), "again");
}

// Without a colour of the parent's own, the colour database's "YELLOW GREEN" (153, 204,
// 50; GTK's own parser says 154, 205, 50); the constructors set it directly, Create
// through the virtual slot.
TEST_F(VornWindowTest, BackgroundComesFromTheParentOrTheColourDatabase)
{
    EXPECT_FALSE(panel->UseBgCol()); // the toolkit still reports a theme colour for it
    auto* w = new ProbeWindow(0, 0, 8, 8, panel, -1);
    EXPECT_EQ(ColourStr(w->GetBgColour()), "#99CC32");
    EXPECT_EQ(PixelStr(RenderToImage(w), 7, 7), "#99CC32");
    EXPECT_TRUE(w->log.empty());
    auto* created = new ProbeWindow;
    created->Create(0, 0, 8, 8, panel, -1, 0);
    EXPECT_EQ(created->log, (Log{"SetBackgroundColour #99CC32"}));

    panel->SetBackgroundColour(*wxBLACK); // black is a colour of its own, not "none"
    EXPECT_EQ(ColourStr((new VornWindow(0, 0, 8, 8, panel, -1))->GetBgColour()), "#000000");
}

TEST_F(VornWindowTest, ColoursByValueAndByName)
{
    auto* w = new VornWindow(0, 0, 8, 8, panel, -1);
    w->SetFgColour(Color(1.0, 0.5, 0.0));
    EXPECT_EQ(ColourStr(w->GetFgColour()), "#FF7F00");
    EXPECT_NE(ColourStr(w->GetForegroundColour()), "#FF7F00"); // never given to the toolkit

    const std::pair<const char*, const char*> names[] = {{"yellow green", "#99CC32"}, {"RED", "#FF0000"}};
    for (const auto& [name, rgb] : names) {
        w->SetBgColour(wxString(name));
        EXPECT_EQ(ColourStr(w->GetBackgroundColour()), rgb) << name;
    }
    w->SetBgColour(Color(0.0, 0.0, 1.0));
    EXPECT_EQ(ColourStr(w->GetBgColour()), "#0000FF");
    w->SetBgColour(wxColour(9, 8, 7));
    EXPECT_EQ(PixelStr(RenderToImage(w), 2, 2), "#090807");
}

TEST_F(VornWindowTest, CapturesDoNotNest)
{
    auto* w = new VornWindow(0, 0, 10, 10, panel, -1);
    // Off screen the toolkit is not asked; the flag still works.
    w->CaptureMouse();
    w->CaptureMouse();
    EXPECT_TRUE(w->IsMouseCaptive());
    EXPECT_FALSE(w->HasCapture());
    w->ReleaseMouse();
    w->ReleaseMouse();
    EXPECT_FALSE(w->IsMouseCaptive());

    ShowFrame();
    w->CaptureMouse();
    w->CaptureMouse();
    EXPECT_TRUE(w->HasCapture());
    wxMouseCaptureLostEvent lost(w->GetId());
    lost.SetEventObject(w);
    w->HandleWindowEvent(lost);
    EXPECT_FALSE(w->IsMouseCaptive());
    w->wxWindow::ReleaseMouse();
    w->CaptureMouse();
    w->ReleaseMouse();
    EXPECT_EQ(wxWindow::GetCapture(), nullptr);
}

// Keys re-sent as VORN_EVT_KEY_DOWN / _UP (22000 / 22001) climb through several levels.
TEST_F(VornWindowTest, KeysReachTheParents)
{
    Log keys;
    wxPoint at;
    auto note = [&](VornWindowKeyEvent& e) {
        keys.push_back("type=" + std::to_string(e.GetEventType()) + " id=" + std::to_string(e.GetId()) +
                       " key=" + std::to_string(e.m_keyCode) + " alt=" + std::to_string(e.m_altDown) +
                       " ctrl=" + std::to_string(e.m_controlDown) + " shift=" + std::to_string(e.m_shiftDown) +
                       " meta=" + std::to_string(e.m_metaDown));
        at = wxPoint(e.m_x, e.m_y);
    };
    panel->Bind(VORN_EVT_KEY_DOWN, note);
    panel->Bind(VORN_EVT_KEY_UP, note);
    auto* outer = new VornWindow(0, 0, 50, 50, panel, -1);
    auto* inner = new VornWindow(5, 5, 10, 10, outer, -1);
    SendKey(inner, wxEVT_KEY_DOWN, 'A', kShift | kCtrl);
    SendKey(inner, wxEVT_KEY_UP, WXK_LEFT, kAlt);
    wxKeyEvent key(wxEVT_KEY_DOWN);
    key.SetEventObject(inner);
    key.m_keyCode = 'Z';
    const wxPoint pos = key.GetPosition(); // a synthetic key event takes the pointer's when first asked
    inner->HandleWindowEvent(key);
    EXPECT_EQ(keys, (Log{"type=22000 id=0 key=65 alt=0 ctrl=1 shift=1 meta=0",
                         "type=22001 id=0 key=" + std::to_string(WXK_LEFT) + " alt=1 ctrl=0 shift=0 meta=0",
                         "type=22000 id=0 key=90 alt=0 ctrl=0 shift=0 meta=0"}));
    EXPECT_EQ(at, pos);
}

TEST_F(VornWindowTest, PaintingGoesThroughOnDraw)
{
    auto* w = new ProbeWindow(0, 0, 20, 20, panel, -1);
    ASSERT_TRUE(ShowAndWaitPainted(frame, w));
    EXPECT_GE(w->draws, 1);
}
