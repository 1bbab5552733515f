#include "test_support.h"

#include <chrono>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/utils.h>

namespace vorntest {

namespace {
// What mouse and key events share: the sender and the modifier keys.
template <class E>
bool Send(wxWindow* w, E& ev, int mods)
{
    ev.SetEventObject(w);
    ev.SetId(w->GetId());
    ev.SetShiftDown(mods & kShift);
    ev.SetControlDown(mods & kCtrl);
    ev.SetRawControlDown(mods & kCtrl);
    ev.SetAltDown(mods & kAlt);
    return w->HandleWindowEvent(ev);
}
} // namespace

bool SendMouse(wxWindow* w, wxEventType type, wxPoint pos, int mods)
{
    wxMouseEvent ev(type);
    ev.SetPosition(pos);
    ev.SetLeftDown(type == wxEVT_LEFT_DOWN || ((mods & kLeftHeld) && type != wxEVT_LEFT_UP));
    ev.SetRightDown(type == wxEVT_RIGHT_DOWN || ((mods & kRightHeld) && type != wxEVT_RIGHT_UP));
    if (type == wxEVT_LEFT_DOWN || type == wxEVT_LEFT_UP || type == wxEVT_RIGHT_DOWN || type == wxEVT_RIGHT_UP)
        ev.m_clickCount = 1;
    return Send(w, ev, mods);
}

bool SendKey(wxWindow* w, wxEventType type, int keyCode, int mods)
{
    wxKeyEvent ev(type);
    ev.m_keyCode = keyCode;
    ev.m_uniChar = (keyCode > 0 && keyCode < WXK_START) ? wxChar(keyCode) : wxChar(WXK_NONE);
    return Send(w, ev, mods);
}

void PumpPending()
{
    // Always yield once: Pending() is false while a draw waits on the frame clock.
    wxTheApp->Yield(true);
    for (int i = 0; i < 10 && (wxTheApp->Pending() || wxTheApp->HasPendingEvents()); ++i)
        wxTheApp->Yield(true);
    wxTheApp->ProcessPendingEvents();
}

bool PumpUntil(const std::function<bool()>& pred, int timeoutMs)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!pred()) {
        if (std::chrono::steady_clock::now() > end)
            return pred();
        PumpPending();
        if (!pred())
            wxMilliSleep(1);
    }
    return true;
}

bool ShowAndWaitPainted(wxTopLevelWindow* tlw, wxWindow* w, int timeoutMs)
{
    int paints = 0;
    auto count = [&paints](wxPaintEvent& e) {
        ++paints;
        e.Skip();
    };
    w->Bind(wxEVT_PAINT, count);
    tlw->Show();
    const bool ok = PumpUntil([&] { return paints > 0; }, timeoutMs);
    return w->Unbind(wxEVT_PAINT, count) && ok;
}

wxBitmap Solid(int w, int h, const wxColour& colour)
{
    wxBitmap bmp(w, h, 24);
    {
        wxMemoryDC dc(bmp);
        dc.SetBackground(wxBrush(colour));
        dc.Clear();
    }
    return bmp;
}

void GuiTest::SetUp()
{
    frame = new wxFrame(nullptr, wxID_ANY, "vorn test", wxPoint(0, 0), wxSize(640, 480));
    panel = new wxPanel(frame, wxID_ANY, wxPoint(0, 0), wxSize(640, 480));
}

void GuiTest::ShowFrame()
{
    ASSERT_TRUE(ShowAndWaitPainted(frame, panel));
}

void GuiTest::TearDown()
{
    if (wxWindow* captured = wxWindow::GetCapture())
        captured->ReleaseMouse();
    frame->Destroy();
    wxTheApp->ProcessIdle();
    PumpPending();
}

} // namespace vorntest
