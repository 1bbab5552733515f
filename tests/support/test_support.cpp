#include "test_support.h"

#include <chrono>
#include <cstdio>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/utils.h>

#include <vorn/util/diagnostics.h>

using namespace vorn;

namespace vorntest {

bool SendMouse(wxWindow* w, wxEventType type, wxPoint pos, int mods)
{
    wxMouseEvent ev(type);
    ev.SetEventObject(w);
    ev.SetId(w->GetId());
    ev.SetPosition(pos);
    ev.SetShiftDown(mods & kShift);
    ev.SetControlDown(mods & kCtrl);
    ev.SetRawControlDown(mods & kCtrl);
    ev.SetAltDown(mods & kAlt);
    const bool leftDown = type == wxEVT_LEFT_DOWN || ((mods & kLeftHeld) && type != wxEVT_LEFT_UP);
    const bool rightDown = type == wxEVT_RIGHT_DOWN || ((mods & kRightHeld) && type != wxEVT_RIGHT_UP);
    ev.SetLeftDown(leftDown);
    ev.SetRightDown(rightDown);
    if (type == wxEVT_LEFT_DOWN || type == wxEVT_LEFT_UP || type == wxEVT_RIGHT_DOWN || type == wxEVT_RIGHT_UP)
        ev.m_clickCount = 1;
    return w->HandleWindowEvent(ev);
}

bool SendKey(wxWindow* w, wxEventType type, int keyCode, int mods)
{
    wxKeyEvent ev(type);
    ev.SetEventObject(w);
    ev.SetId(w->GetId());
    ev.m_keyCode = keyCode;
    ev.m_uniChar = (keyCode > 0 && keyCode < WXK_START) ? wxChar(keyCode) : wxChar(WXK_NONE);
    ev.SetShiftDown(mods & kShift);
    ev.SetControlDown(mods & kCtrl);
    ev.SetRawControlDown(mods & kCtrl);
    ev.SetAltDown(mods & kAlt);
    return w->HandleWindowEvent(ev);
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

namespace {
struct PaintCounter {
    int n = 0;
    void OnPaint(wxPaintEvent& e)
    {
        ++n;
        e.Skip();
    }
};
} // namespace

bool ShowAndWaitPainted(wxTopLevelWindow* tlw, wxWindow* w, int timeoutMs)
{
    PaintCounter pc;
    w->Bind(wxEVT_PAINT, &PaintCounter::OnPaint, &pc);
    tlw->Show();
    const bool ok = PumpUntil([&] { return pc.n > 0; }, timeoutMs);
    w->Unbind(wxEVT_PAINT, &PaintCounter::OnPaint, &pc);
    return ok;
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

std::string ColourStr(const wxColour& c)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c.Red(), c.Green(), c.Blue());
    return buf;
}

std::string PixelStr(const wxImage& img, int x, int y)
{
    if (x < 0 || y < 0 || x >= img.GetWidth() || y >= img.GetHeight())
        return "<outside>";
    return ColourStr(wxColour(img.GetRed(x, y), img.GetGreen(x, y), img.GetBlue(x, y)));
}

DiagnosticsRecorder::DiagnosticsRecorder()
{
    SetDebugHook([this](const std::string& t) { debug.push_back(t); });
    SetWarningHook([this](const std::string& title, const std::string& t) { warnings.emplace_back(title, t); });
}

DiagnosticsRecorder::~DiagnosticsRecorder()
{
    SetDebugHook(nullptr);
    SetWarningHook(nullptr);
}

std::string DiagnosticsRecorder::DebugText() const
{
    std::string all;
    for (const auto& line : debug)
        all += line;
    return all;
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
