#include <vorn/text_lists/popup_frame.h>

#include <wx/display.h>

#include <vorn/text_lists/popup_placement.h>

namespace vorn {

// clang-format off
wxBEGIN_EVENT_TABLE(VornPopupFrame, wxFrame)
    EVT_LEFT_DOWN(VornPopupFrame::LocalMouseDown)
    EVT_RIGHT_DOWN(VornPopupFrame::LocalMouseDown)
    EVT_LEFT_UP(VornPopupFrame::LocalLeftUp)
    EVT_MOTION(VornPopupFrame::LocalMotion)
    EVT_KEY_DOWN(VornPopupFrame::LocalKeyDown)
    EVT_CHAR(VornPopupFrame::LocalChar)
    EVT_KILL_FOCUS(VornPopupFrame::LocalKillFocus)
    EVT_MOUSE_CAPTURE_LOST(VornPopupFrame::LocalCaptureLost)
wxEND_EVENT_TABLE()
// clang-format on

VornPopupFrame::VornPopupFrame() = default;

VornPopupFrame::VornPopupFrame(wxWindow* parent, const wxRect& screenRect, long style)
{
    VornPopupFrame::Create(parent, screenRect, style);
}

VornPopupFrame::~VornPopupFrame()
{
    ReleaseHeldMouse();
}

bool VornPopupFrame::Create(wxWindow* parent, const wxRect& screenRect, long style)
{
    if (!wxFrame::Create(parent, wxID_ANY, wxEmptyString, screenRect.GetPosition(), screenRect.GetSize(),
                         style | wxWANTS_CHARS))
        return false;
    SetBackgroundStyle(wxBG_STYLE_PAINT); // subclasses paint every pixel
    return true;
}

wxRect VornPopupFrame::DisplayRectFor(const wxWindow* w)
{
    const int index = w ? wxDisplay::GetFromWindow(w) : wxNOT_FOUND;
    return wxDisplay(static_cast<unsigned>(index == wxNOT_FOUND ? 0 : index)).GetGeometry();
}

void VornPopupFrame::PlaceNear(const wxWindow* control, const wxSize& size)
{
    if (!control)
        return;
    SetSize(PlaceBelowOrAbove(control->GetScreenRect(), size, DisplayRectFor(control)));
}

void VornPopupFrame::Popup()
{
    if (m_destroying)
        return;
    Show(true);
    Raise();
    SetFocus();
    HoldMouse();
}

void VornPopupFrame::HidePopup()
{
    ReleaseHeldMouse();
    Hide();
}

void VornPopupFrame::DestroyPopup()
{
    if (m_destroying)
        return;
    m_destroying = true;
    HidePopup();
    // A top-level window is only queued here and deleted when the toolkit is idle, so
    // this is safe from inside the frame's own handlers.
    Destroy();
}

void VornPopupFrame::Dismiss()
{
    if (m_dismissing || m_destroying || !IsShown())
        return;
    m_dismissing = true;
    ReleaseHeldMouse();
    OnDismiss();
    m_dismissing = false;
}

void VornPopupFrame::HoldMouse()
{
    // The toolkit refuses (and asserts) a capture by a window that is not on screen.
    if (!HasCapture() && IsShownOnScreen())
        CaptureMouse();
}

void VornPopupFrame::ReleaseHeldMouse()
{
    if (HasCapture())
        ReleaseMouse();
}

bool VornPopupFrame::IsHoldingMouse() const
{
    return HasCapture();
}

void VornPopupFrame::LocalMouseDown(wxMouseEvent& event)
{
    // While the mouse is held, presses anywhere on the screen arrive here.
    const wxPoint pt = event.GetPosition();
    if (!GetClientRect().Contains(pt))
        Dismiss();
    else if (event.LeftDown())
        OnPopupLeftDown(pt);
}

void VornPopupFrame::LocalLeftUp(wxMouseEvent& event)
{
    OnPopupLeftUp(event.GetPosition());
}

void VornPopupFrame::LocalMotion(wxMouseEvent& event)
{
    OnPopupMotion(event.GetPosition());
}

void VornPopupFrame::LocalKeyDown(wxKeyEvent& event)
{
    if (event.GetKeyCode() == WXK_ESCAPE)
        Dismiss();
    else if (!OnPopupKey(event))
        event.Skip(); // lets the toolkit make a char event of it
}

void VornPopupFrame::LocalChar(wxKeyEvent& event)
{
    if (!OnPopupChar(event))
        event.Skip();
}

void VornPopupFrame::LocalKillFocus(wxFocusEvent& event)
{
    const wxWindow* next = event.GetWindow();
    if (!next || (next != this && wxGetTopLevelParent(const_cast<wxWindow*>(next)) != this))
        Dismiss();
    event.Skip();
}

void VornPopupFrame::LocalCaptureLost(wxMouseCaptureLostEvent&)
{
    Dismiss();
}

} // namespace vorn
