#include <vorn/framework/window.h>

#include <algorithm>

#include <wx/brush.h>
#include <wx/colour.h>
#include <wx/dcclient.h>
#include <wx/gdicmn.h>

#include <vorn/framework/detail/surface.h>
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
    VornWindow::SetBackgroundColour(InheritedBackground());
}

VornWindow::VornWindow(int x, int y, int w, int h, wxWindow* parent, int id, long style)
{
    ResetFlags();
    CreateToolkitWindow(x, y, w, h, parent, id, style);
    SetSize(w, h);
    SetPosition(x, y);
    VornWindow::SetBackgroundColour(InheritedBackground());
}

VornWindow::~VornWindow()
{
    // Deferred children are no children of the toolkit's: they go first, with their surfaces.
    while (!m_deferredChildren.empty())
        delete m_deferredChildren.back();
    // The toolkit refuses to destroy a window that still holds the capture.
    if (ToolkitHasCapture())
        GetSurface()->wxWindow::ReleaseMouse();
    Unrealise();
    if (m_deferred) {
        if (VornWindow* host = GetHost(); host && host->m_pointerWindow == this)
            host->m_pointerWindow = nullptr;
        if (auto* parent = dynamic_cast<VornWindow*>(m_parent)) {
            // Searched from the end: a parent deletes its children from the last one.
            auto& siblings = parent->m_deferredChildren;
            const auto it = std::find(siblings.rbegin(), siblings.rend(), this);
            if (it != siblings.rend())
                siblings.erase(std::next(it).base());
        }
        m_parent = nullptr; // the toolkit never listed this window among the parent's children
    }
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
    auto* vornParent = dynamic_cast<VornWindow*>(parent);
    if (vornParent && vornParent->RealisesOnDemand()) {
        // Everything a toolkit window keeps but the window itself: the parent is set for
        // GetParent and for command events climbing, without a toolkit child entry.
        m_deferred = true;
        static const wxString name(wxPanelNameStr); // converted once, not per window
        CreateBase(parent, id, wxPoint(x, y), wxSize(w, h), style | wxCLIP_CHILDREN, name);
        m_parent = parent;
        vornParent->m_deferredChildren.push_back(this);
        m_x = x;
        m_y = y;
        return true;
    }
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
    if (m_deferred) {
        const bool exact = (sizeFlags & wxSIZE_ALLOW_MINUS_ONE) != 0;
        const wxSize before(m_width, m_height);
        if (x != wxDefaultCoord || exact)
            m_x = x;
        if (y != wxDefaultCoord || exact)
            m_y = y;
        if (width != wxDefaultCoord || exact)
            m_width = width;
        if (height != wxDefaultCoord || exact)
            m_height = height;
        PlaceSurfaces();
        // The size events of a surface tell the size of the part in view; the window's
        // own size is told here.
        if (before != wxSize(m_width, m_height)) {
            wxSizeEvent event(wxSize(std::max(m_width, 0), std::max(m_height, 0)), GetId());
            event.SetEventObject(this);
            GetEventHandler()->ProcessEvent(event);
        }
        return;
    }
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
    const bool result = m_deferred ? wxWindowBase::Show(show) : wxWindow::Show(show);
    if (m_deferred)
        PlaceSurfaces(); // the surfaces inside follow too
    if (show)
        OnShow();
    else
        OnHide();
    return result;
}

bool VornWindow::Show()
{
    return VornWindow::Show(true);
}

bool VornWindow::Hide()
{
    return VornWindow::Show(false);
}

void VornWindow::CaptureMouse()
{
    if (m_mouseCaptive)
        return;
    // The toolkit cannot grab the pointer for a window that is not on screen; the
    // captive state is still kept so the control behaves the same.
    if (IsShownOnScreen() && !ToolkitHasCapture())
        GetSurface()->wxWindow::CaptureMouse();
    m_mouseCaptive = true;
}

void VornWindow::ReleaseMouse()
{
    if (!m_mouseCaptive)
        return;
    if (ToolkitHasCapture())
        GetSurface()->wxWindow::ReleaseMouse();
    m_mouseCaptive = false;
}

bool VornWindow::ToolkitHasCapture() const
{
    const wxWindow* surface = GetSurface();
    return surface && surface->HasCapture();
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
    if (m_deferred) {
        m_deferredTip = tip;
        if (m_surface)
            m_surface->SetToolTip(tip);
        return;
    }
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
    wxPaintDC dc(GetSurface()); // a deferred window paints in its surface's paint event
    dc.SetDeviceOrigin(-m_surfaceOffset.x, -m_surfaceOffset.y);
    wxRect clip = GetSurface()->GetUpdateRegion().GetBox();
    clip.Offset(m_surfaceOffset);
    DrawWithDeferred(&dc, &clip);
}

void VornWindow::DrawWithDeferred(wxDC* dc, const wxRect* clip)
{
    OnDraw(dc);
    if (m_deferredChildren.empty() || !PaintsThroughHost())
        return;
    const wxPoint origin = dc->GetDeviceOrigin();
    DrawDeferred(*dc, origin, clip ? *clip : wxRect(0, 0, std::max(m_width, 0), std::max(m_height, 0)));
    dc->SetDeviceOrigin(origin.x, origin.y);
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
    wxClientDC dc(GetSurface());
    dc.SetDeviceOrigin(-m_surfaceOffset.x, -m_surfaceOffset.y);
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
