#include <vorn/framework/window.h>

#include <wx/brush.h>
#include <wx/colour.h>
#include <wx/dcclient.h>
#include <wx/gdicmn.h>

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
    const bool ok =
        wxWindow::Create(parent, id, wxPoint(x, y), wxSize(w, h), style | wxCLIP_CHILDREN, wxPanelNameStr);
    // The toolkit makes the creation size a minimum; our best size follows SetSize instead.
    SetMinSize(wxDefaultSize);
    return ok;
}

// The parent's own background colour, or the colour database's "YELLOW GREEN" when it
// has none. The toolkit
// always reports some colour (its theme default) for a window that never had one set,
// so "none" is read from whether the parent's colour was set explicitly.
wxColour VornWindow::InheritedBackground() const
{
    wxWindow* parent = GetParent();
    const wxColour parentColour = (parent && parent->UseBgCol()) ? parent->GetBackgroundColour() : wxNullColour;
    if (!parentColour.IsOk())
        return wxTheColourDatabase->Find("YELLOW GREEN");
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
    SetBestSize(w, h);
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
    SetBestSize(w, h);
    DoSetSize(x, y, w, h, wxSIZE_ALLOW_MINUS_ONE);
}

void VornWindow::SetBestSize(int w, int h)
{
    m_bestSize = wxSize(w, h);
    InvalidateBestSize();
}

// A -1 that keeps the toolkit's size keeps an unset stored size unset too; whatever the
// toolkit really did is read back, so a sizer's layout, a clamp to the minimum size or a
// plain wxWindow::SetSize all show in the stored geometry.
void VornWindow::DoSetSize(int x, int y, int width, int height, int sizeFlags)
{
    wxWindow::DoSetSize(x, y, width, height, sizeFlags);
    const wxRect actual = GetRect();
    m_x = actual.x;
    m_y = actual.y;
    if (width != -1 || (sizeFlags & wxSIZE_AUTO_WIDTH) || m_width != -1)
        m_width = actual.width;
    if (height != -1 || (sizeFlags & wxSIZE_AUTO_HEIGHT) || m_height != -1)
        m_height = actual.height;
}

// Only a size given in full or in part counts; a part left out is the current one.
wxSize VornWindow::DoGetBestClientSize() const
{
    if (m_bestSize == wxDefaultSize)
        return wxDefaultSize;
    wxSize best = m_bestSize;
    best.SetDefaults(GetClientSize());
    return best;
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

// The toolkit's own parser gives some names other values than its colour database
// ("YELLOW GREEN" is 154, 205, 50 to GTK); the database is the one every platform shares.
void VornWindow::SetBgColour(const wxString& name)
{
    SetBgColour(wxTheColourDatabase->Find(name));
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

void VornWindow::DrawAtOnce()
{
    if (!IsShownOnScreen())
        return;
    wxClientDC dc(this);
    OnDraw(&dc);
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
