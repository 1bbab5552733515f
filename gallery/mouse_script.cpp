#include "mouse_script.h"

#include <wx/event.h>


namespace gallery {
namespace {
void Send(wxWindow* w, wxEventType type, wxPoint at, int mods, bool leftHeld)
{
    wxMouseEvent ev(type);
    ev.SetEventObject(w);
    ev.SetPosition(at);
    ev.SetShiftDown(mods & kShift);
    ev.SetAltDown(mods & kAlt);
    ev.SetLeftDown(leftHeld);
    w->HandleWindowEvent(ev);
}
} // namespace

void Press(wxWindow* w, wxPoint at, int mods) { Send(w, wxEVT_LEFT_DOWN, at, mods, true); }
void DragTo(wxWindow* w, wxPoint to, int mods) { Send(w, wxEVT_MOTION, to, mods, true); }
void Release(wxWindow* w, wxPoint at, int mods) { Send(w, wxEVT_LEFT_UP, at, mods, false); }
} // namespace gallery
