#include <vorn/framework/panel.h>

#include <wx/dc.h>

namespace vorn {

// ---------------------------------------------------------------------------------------------
// VornPanel

VornPanel::VornPanel() = default;

VornPanel::VornPanel(int x, int y, wxWindow* parent, int id, long style)
{
    VornPanel::Create(x, y, parent, id, style);
}

VornPanel::VornPanel(int x, int y, int w, int h, wxWindow* parent, int id, long style)
{
    VornPanel::Create(x, y, w, h, parent, id, style);
}

bool VornPanel::Create(int x, int y, int w, int h, wxWindow* parent, int id, long style)
{
    return VornWindow::Create(x, y, w, h, parent, id, style);
}

bool VornPanel::Create(int x, int y, wxWindow* parent, int id, long style)
{
    return VornWindow::Create(x, y, parent, id, style);
}

void VornPanel::Clear() {}

// ---------------------------------------------------------------------------------------------
// VornTitleBar

// clang-format off
wxBEGIN_EVENT_TABLE(VornTitleBar, VornControl)
    EVT_SET_FOCUS(VornTitleBar::OnSetFocus)
wxEND_EVENT_TABLE()
// clang-format on

VornTitleBar::VornTitleBar() = default;

VornTitleBar::VornTitleBar(wxString title, int x, int y, int w, int h, wxWindow* parent, int id, long style)
{
    VornTitleBar::Create(title, x, y, w, h, parent, id, style);
}

bool VornTitleBar::Create(wxString title, int x, int y, int w, int h, wxWindow* parent, int id, long style)
{
    const bool ok = VornControl::Create(x, y, w, h, parent, id, nullptr, style);
    Init(title);
    return ok;
}

void VornTitleBar::Init(const wxString& title)
{
    m_title = title;
    m_dragging = false;
    m_titleX = 100;
    m_titleY = 2;
}

void VornTitleBar::SetTitle(wxString title)
{
    m_title = title;
    Refresh(false);
}

void VornTitleBar::SetTitlePos(int x, int y)
{
    m_titleX = x;
    m_titleY = y;
    Refresh(false);
}

bool VornTitleBar::SetFont(const wxFont& font)
{
    const bool changed = VornControl::SetFont(font);
    Refresh(false);
    return changed;
}

void VornTitleBar::OnSetFocus(wxFocusEvent&) {}

void VornTitleBar::OnMouseButton()
{
    if (!GetMouseDown()) {
        ReleaseMouse();
        m_dragging = false;
        return;
    }
    m_dragging = true;
    CaptureMouse();
    GetLastMousePos(m_dragX, m_dragY);
    ClientToScreen(&m_dragX, &m_dragY);
}

void VornTitleBar::OnMouseMove(int x, int y)
{
    wxWindow* parent = GetParent();
    if (!m_dragging || !parent)
        return;
    ClientToScreen(&x, &y);
    const int dx = x - m_dragX, dy = y - m_dragY;
    m_dragX = x;
    m_dragY = y;
    const wxPoint at = parent->GetPosition();
    // Keeps the size; a position of -1 is a real position here, not "unchanged".
    parent->Move(at.x + dx, at.y + dy, wxSIZE_ALLOW_MINUS_ONE);
}

// Drawn into the context given: inside a paint event that is the window's paint context
// (the toolkit allows one only there), elsewhere whatever context the caller draws into.
void VornTitleBar::OnDraw(wxDC* dc)
{
    dc->SetBackground(wxBrush(GetBackgroundColour()));
    dc->Clear();
    dc->SetTextForeground(GetForegroundColour());
    dc->SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc->SetFont(GetFont());
    dc->DrawText(m_title, m_titleX, m_titleY);
    RecalcIfDirty();
}

} // namespace vorn
