#include <vorn/framework/window.h>

#include <wx/brush.h>
#include <wx/dcclient.h>

#include <vorn/util/wx_colour.h>

namespace vorn {

const wxEventTypeTag<VornWindowKeyEvent> VORN_EVT_KEY_DOWN(22000);
const wxEventTypeTag<VornWindowKeyEvent> VORN_EVT_KEY_UP(22001);

VornWindowKeyEvent::VornWindowKeyEvent(wxEventType type) : wxCommandEvent(type, 0) {}

VornWindowKeyEvent::~VornWindowKeyEvent() = default;

// clang-format off
wxBEGIN_EVENT_TABLE(VornWindow, wxWindow)
    EVT_PAINT(VornWindow::OnPaint)
    EVT_ERASE_BACKGROUND(VornWindow::OnEraseBackground)
    EVT_KEY_UP(VornWindow::OnVornKeyUp)
    EVT_KEY_DOWN(VornWindow::OnVornKeyDown)
    EVT_MOUSE_CAPTURE_LOST(VornWindow::OnCaptureLost)
wxEND_EVENT_TABLE()
// clang-format on

VornWindow::VornWindow()
{
    ResetFlags();
}

VornWindow::VornWindow(int x, int y, wxWindow* parent, int id, long style)
{
    ResetFlags();
    CreateToolkitWindow(x, y, wxDefaultCoord, wxDefaultCoord, parent, id, style);
    SetSize(-1, -1);
    SetPosition(x, y);
    // Not through the virtual slot: a subclass is not constructed yet.
    wxWindow::SetBackgroundColour(InheritedBackground());
}

VornWindow::VornWindow(int x, int y, int w, int h, wxWindow* parent, int id, long style)
{
    ResetFlags();
    CreateToolkitWindow(x, y, w, h, parent, id, style);
    SetSize(w, h);
    SetPosition(x, y);
    wxWindow::SetBackgroundColour(InheritedBackground());
}

VornWindow::~VornWindow()
{
    // The toolkit refuses to destroy a window that still holds the capture.
    if (HasCapture())
        wxWindow::ReleaseMouse();
}

bool VornWindow::Create(int x, int y, int w, int h, wxWindow* parent, int id, long style)
{
    ResetFlags();
    CreateToolkitWindow(x, y, w, h, parent, id, style);
    SetWindowPos(x, y, w, h);
    SetBackgroundColour(InheritedBackground());
    return true;
}

bool VornWindow::Create(int x, int y, wxWindow* parent, int id, long style)
{
    ResetFlags();
    CreateToolkitWindow(x, y, wxDefaultCoord, wxDefaultCoord, parent, id, style);
    SetPosition(x, y);
    SetBackgroundColour(InheritedBackground());
    return true;
}

void VornWindow::ResetFlags()
{
    m_mouseCaptive = false;
    m_visible = false;
    m_toolTip = nullptr;
}

bool VornWindow::CreateToolkitWindow(int x, int y, int w, int h, wxWindow* parent, int id, long style)
{
    // We paint every pixel ourselves; the toolkit must not clear first.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    return wxWindow::Create(parent, id, wxPoint(x, y), wxSize(w, h), style | wxCLIP_CHILDREN, wxPanelNameStr);
}

// The parent's own background colour, or "YELLOW GREEN" when it has none. The toolkit
// always reports some colour (its theme default) for a window that never had one set,
// so "none" is read from whether the parent's colour was set explicitly.
wxColour VornWindow::InheritedBackground() const
{
    wxWindow* parent = GetParent();
    const wxColour parentColour = (parent && parent->UseBgCol()) ? parent->GetBackgroundColour() : wxNullColour;
    if (!parentColour.IsOk())
        return wxColour("YELLOW GREEN");
    return parentColour;
}

void VornWindow::GetSize(int& w, int& h) const
{
    w = m_width;
    h = m_height;
}

void VornWindow::GetPosition(int& x, int& y) const
{
    x = m_x;
    y = m_y;
}

void VornWindow::GetWindowPos(int& x, int& y, int& w, int& h) const
{
    x = m_x;
    y = m_y;
    w = m_width;
    h = m_height;
}

void VornWindow::SetSize(int w, int h)
{
    m_width = w;
    m_height = h;
    DoSetSize(-1, -1, w, h, 0);
}

void VornWindow::SetPosition(int x, int y)
{
    m_x = x;
    m_y = y;
    DoSetSize(x, y, -1, -1, 0);
}

void VornWindow::SetWindowPos(int x, int y, int w, int h)
{
    m_x = x;
    m_y = y;
    m_width = w;
    m_height = h;
    DoSetSize(x, y, w, h, wxSIZE_ALLOW_MINUS_ONE);
}

bool VornWindow::Show(bool show)
{
    m_visible = show;
    const bool result = wxWindow::Show(show);
    if (show)
        OnShow();
    else
        OnHide();
    return result;
}

bool VornWindow::Show()
{
    m_visible = true;
    const bool result = wxWindow::Show(true);
    OnShow();
    return result;
}

bool VornWindow::Hide()
{
    m_visible = false;
    const bool result = wxWindow::Show(false);
    OnHide();
    return result;
}

void VornWindow::CaptureMouse()
{
    if (m_mouseCaptive)
        return;
    // The toolkit cannot grab the pointer for a window that is not on screen; the
    // captive state is still kept so the control behaves the same.
    if (IsShownOnScreen() && !HasCapture())
        wxWindow::CaptureMouse();
    m_mouseCaptive = true;
}

void VornWindow::ReleaseMouse()
{
    if (!m_mouseCaptive)
        return;
    if (HasCapture())
        wxWindow::ReleaseMouse();
    m_mouseCaptive = false;
}

void VornWindow::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_mouseCaptive = false;
}

void VornWindow::SetFgColour(const Color& colour)
{
    m_fgColour = CtoWxC(colour);
}

void VornWindow::SetBgColour(const wxString& name)
{
    SetBgColour(wxColour(name));
}

void VornWindow::SetBgColour(const wxColour& colour)
{
    SetBackgroundColour(colour);
    GetBgColour();
}

void VornWindow::SetBgColour(const Color& colour)
{
    SetBgColour(CtoWxC(colour));
}

wxColour VornWindow::GetBgColour()
{
    m_bgColour = GetBackgroundColour();
    return m_bgColour;
}

void VornWindow::SetToolTip(const char* text)
{
    const wxString tip = text ? wxString::FromUTF8(text) : wxString();
    // Our tooltip may have been replaced through the toolkit's own SetToolTip.
    if (m_toolTip && wxWindow::GetToolTip() == m_toolTip) {
        m_toolTip->SetTip(tip);
        return;
    }
    m_toolTip = new wxToolTip(tip);
    DoSetToolTip(m_toolTip);
}

void VornWindow::SetToolTip(const std::string& text)
{
    SetToolTip(text.c_str());
}

void VornWindow::OnDraw(wxDC* dc)
{
    dc->SetBackground(wxBrush(GetBackgroundColour(), wxBRUSHSTYLE_SOLID));
    dc->Clear();
}

void VornWindow::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    OnDraw(&dc);
}

void VornWindow::OnEraseBackground(wxEraseEvent&) {}

void VornWindow::OnKillFocus(wxFocusEvent&) {}

void VornWindow::OnVornKeyUp(wxKeyEvent& event)
{
    SendKeyEvent(VORN_EVT_KEY_UP, event);
}

void VornWindow::OnVornKeyDown(wxKeyEvent& event)
{
    SendKeyEvent(VORN_EVT_KEY_DOWN, event);
}

void VornWindow::SendKeyEvent(wxEventType type, const wxKeyEvent& key)
{
    VornWindowKeyEvent ev(type);
    ev.SetEventObject(this);
    ev.m_altDown = key.AltDown();
    ev.m_controlDown = key.ControlDown();
    ev.m_keyCode = key.GetKeyCode();
    ev.m_metaDown = key.MetaDown();
    ev.m_shiftDown = key.ShiftDown();
    ev.m_x = key.GetX();
    ev.m_y = key.GetY();
    GetEventHandler()->ProcessEvent(ev);
}

} // namespace vorn
