#include <vorn/controls/button_drag.h>

namespace vorn {

// ---------------------------------------------------------------------------------------------
// VornMoonButton

VornMoonButton::VornMoonButton(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                               VornValueControlGroup1ofN* group, long style)
{
    VornMoonButton::Create(cache, x, y, w, h, parent, id, group, style);
}

VornMoonButton::VornMoonButton(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                               VornValueControlGroup1ofN* group, long style)
{
    VornMoonButton::Create(cache, x, y, parent, id, group, style);
}

bool VornMoonButton::Create(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                            VornValueControlGroup1ofN* group, long style)
{
    InitMoon();
    return VornRadioButton::Create(cache, x, y, w, h, parent, id, static_cast<VornControlGroup1ofN*>(group), style);
}

bool VornMoonButton::Create(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                            VornValueControlGroup1ofN* group, long style)
{
    InitMoon();
    return VornRadioButton::Create(cache, x, y, parent, id, static_cast<VornControlGroup1ofN*>(group), style);
}

void VornMoonButton::InitMoon()
{
    m_anchorX = m_anchorY = m_grabX = 0;
}

int VornMoonButton::ClampToParent(int wanted, int parentWidth, int buttonWidth)
{
    const int highest = parentWidth - buttonWidth;
    if (wanted > highest)
        wanted = highest;
    if (wanted < 0)
        wanted = 0;
    return wanted;
}

wxPoint VornMoonButton::ScreenOrigin() const
{
    const wxPoint own(GetPosX(), GetPosY());
    return GetParent() ? GetParent()->ClientToScreen(own) : own;
}

// A release over an "off" moon is a radio click; the press chooses it and grabs it.
void VornMoonButton::OnMouseButton()
{
    if (!GetMouseDown() && !m_buttonDown && !m_on) {
        Choose();
        RefreshPressed();
    }
    if (GetMouseDown()) {
        int lastY = 0;
        GetLastMousePos(m_grabX, lastY);
        const wxPoint anchor = ScreenOrigin();
        m_anchorX = anchor.x;
        m_anchorY = anchor.y;
        CaptureMouse();
        Choose();
        RefreshPressed();
    } else {
        ReleaseMouse();
    }
}

// The moon follows the pointer sideways, keeping the spot where it was grabbed under it.
void VornMoonButton::OnMouseMove(int mx, int)
{
    wxWindow* parent = GetParent();
    if (!GetMouseDown() || !parent)
        return;
    const int pointerX = ScreenOrigin().x + mx - m_grabX;
    m_anchorX = pointerX;
    const wxPoint inParent = parent->ScreenToClient(wxPoint(pointerX, m_anchorY));
    const int x = ClampToParent(inParent.x, parent->GetSize().x, GetWidth());
    SetPosition(x, inParent.y);
    // Read through the group pointer a dying group clears.
    if (VornValueControlGroup1ofN* group = GetValueGroup())
        static_cast<VornControlGroupValue*>(group)->ControlDrag(GetId(), this);
}

// ---------------------------------------------------------------------------------------------
// VornSizerButton

bool VornSizerButton::Create(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                             VornControlGroup* group, long style)
{
    m_dragging = 0;
    return VornButton::Create(cache, x, y, w, h, parent, id, group, style);
}

bool VornSizerButton::Create(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                             VornControlGroup* group, long style)
{
    m_dragging = 0;
    return VornButton::Create(cache, x, y, parent, id, group, style);
}

void VornSizerButton::OnMouseButton()
{
    if (GetMouseDown()) {
        CaptureMouse();
        GetLastMousePos(m_dragLastX, m_dragLastY);
        m_dragging = 1;
        Refresh(false);
        return;
    }
    ReleaseMouse();
    SetDirty();
    m_dragging = 0;
    if (wxWindow* parent = GetParent()) {
        const wxSize client = parent->GetClientSize();
        SetPosition(client.x - GetWidth(), client.y - GetHeight());
    }
    Refresh(false);
}

// The grip stays put while dragging, so its client coordinates measure the pointer's
// movement; the parent grows or shrinks by each step.
void VornSizerButton::OnMouseMove(int mx, int my)
{
    wxWindow* parent = GetParent();
    if (!GetMouseDown() || !m_dragging || !parent)
        return;
    const int dx = mx - m_dragLastX;
    const int dy = my - m_dragLastY;
    m_dragLastX = mx;
    m_dragLastY = my;
    const wxSize size = parent->GetSize();
    parent->SetSize(-1, -1, size.x + dx, size.y + dy, 0);
}

} // namespace vorn
