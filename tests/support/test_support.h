#pragma once
// Helpers of the tests that drive windows (linked into GUI test binaries only): synthetic
// events, pumping the event loop, rendering a window's OnDraw into memory, a test frame.
// The pixel and diagnostics helpers of every test come along.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/panel.h>

#include "harness.h"
#include "pixels.h"

namespace vorntest {

enum Modifiers { kNone = 0, kShift = 1, kCtrl = 2, kAlt = 4, kLeftHeld = 8, kRightHeld = 16 };

// Sends a synthetic mouse event of the given type at a client position. kLeftHeld and
// kRightHeld set the button state carried by motion events.
bool SendMouse(wxWindow* w, wxEventType type, wxPoint pos, int mods = kNone);
bool SendKey(wxWindow* w, wxEventType type, int keyCode, int mods = kNone);

// Convenience sequences.
inline bool LeftDown(wxWindow* w, wxPoint p, int mods = kNone) { return SendMouse(w, wxEVT_LEFT_DOWN, p, mods); }
inline bool LeftUp(wxWindow* w, wxPoint p, int mods = kNone) { return SendMouse(w, wxEVT_LEFT_UP, p, mods); }
inline bool Motion(wxWindow* w, wxPoint p, int mods = kLeftHeld) { return SendMouse(w, wxEVT_MOTION, p, mods); }

// Lets GTK and wx deliver what is pending (paints, size events, CallAfter).
void PumpPending();
bool PumpUntil(const std::function<bool()>& pred, int timeoutMs = 2000);
// Shows the top-level window and waits until `w` has been painted once.
bool ShowAndWaitPainted(wxTopLevelWindow* tlw, wxWindow* w, int timeoutMs = 3000);

// Renders anything with an OnDraw(wxDC*) into a fresh 24-bit bitmap of the given size
// (the window's client size by default) and returns its pixels.
template <class W>
wxImage RenderToImage(W* w, wxSize size = wxDefaultSize, const wxColour& clearTo = *wxBLACK)
{
    if (size == wxDefaultSize)
        size = w->GetClientSize();
    wxBitmap bmp(std::max(size.x, 1), std::max(size.y, 1), 24);
    {
        wxMemoryDC dc(bmp);
        dc.SetBackground(wxBrush(clearTo));
        dc.Clear();
        w->OnDraw(&dc);
    }
    return bmp.ConvertToImage();
}

// A 24-bit bitmap of one colour (red where only the size matters).
wxBitmap Solid(int w, int h, const wxColour& colour = *wxRED);
// The same on the heap, for image sets that take ownership.
inline wxBitmap* NewSolid(int w, int h, const wxColour& colour) { return new wxBitmap(Solid(w, h, colour)); }

// A frame with a panel to parent controls on (a frame would resize its only child).
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    wxFrame* frame = nullptr;
    wxPanel* panel = nullptr;
    // Shows the frame (needed before a control may capture the mouse).
    void ShowFrame();
};

} // namespace vorntest
