#pragma once
// Synthetic mouse gestures, for the pages' demos.
#include <wx/window.h>

namespace gallery {
enum { kShift = 1, kAlt = 2 };
void Press(wxWindow* w, wxPoint at, int mods = 0);
void DragTo(wxWindow* w, wxPoint to, int mods = 0);
void Release(wxWindow* w, wxPoint at, int mods = 0);
} // namespace gallery
