#include <vorn/framework/virtual_control.h>

#include <wx/dc.h>
#include <wx/window.h>

#include <vorn/framework/control_group.h>

namespace vorn {

// ---- VirtualWindow ----

VirtualWindow::VirtualWindow(int x, int y, int w, int h, int arg, wxWindow* host, int id)
{
    VirtualWindow::Create(x, y, w, h, arg, host, id);
}

VirtualWindow::VirtualWindow(int x, int y, int arg, wxWindow* host, int id)
{
    VirtualWindow::Create(x, y, arg, host, id);
}

VirtualWindow::~VirtualWindow()
{
    delete m_attached;
    if (m_reservedId)
        wxWindow::UnreserveControlId(m_id);
}

void VirtualWindow::TakeId(int id)
{
    if (m_reservedId) {
        wxWindow::UnreserveControlId(m_id);
        m_reservedId = false;
    }
    m_id = id;
    if (id == wxID_ANY) {
        m_id = wxWindow::NewControlId();
        m_reservedId = true;
    }
}

bool VirtualWindow::Create(int x, int y, int w, int h, int arg, wxWindow* host, int id)
{
    TakeId(id);
    m_arg = arg;
    m_host = host;
    m_x = x;
    m_y = y;
    m_width = w;
    m_height = h;
    m_mouseCaptive = false;
    m_visible = false;
    return true;
}

bool VirtualWindow::Create(int x, int y, int arg, wxWindow* host, int id)
{
    return VirtualWindow::Create(x, y, 10, 10, arg, host, id);
}

void VirtualWindow::ReleaseAttached()
{
    delete m_attached;
    m_attached = nullptr;
}

void VirtualWindow::SetAttached(wxObject* object)
{
    if (object == m_attached)
        return;
    delete m_attached;
    m_attached = object;
}

void VirtualWindow::OnDraw(wxDC* dc)
{
    dc->Clear();
}

void VirtualWindow::Refresh(bool)
{
    if (m_host)
        m_host->Refresh(true);
}

void VirtualWindow::Show(bool show)
{
    m_visible = show;
    if (show)
        OnShow();
    else
        OnHide();
}

void VirtualWindow::SetPosition(int x, int y)
{
    m_x = x;
    m_y = y;
}

void VirtualWindow::SetSize(int w, int h)
{
    m_width = w;
    m_height = h;
}

bool VirtualWindow::Contains(int x, int y) const
{
    return x >= m_x && y >= m_y && x < m_x + m_width && y < m_y + m_height;
}

// ---- VirtualControl ----

VirtualControl::VirtualControl(int x, int y, int w, int h, int arg, wxWindow* host, int id,
                               VornControlGroup* group)
    : VirtualWindow(x, y, w, h, arg, host, id)
{
    RegisterWithGroup(group);
}

VirtualControl::VirtualControl(int x, int y, int arg, wxWindow* host, int id, VornControlGroup* group)
    : VirtualWindow(x, y, arg, host, id)
{
    RegisterWithGroup(group);
}

VirtualControl::~VirtualControl()
{
    if (!m_group)
        return;
    VornControlGroup* group = m_group;
    const unsigned int id = static_cast<unsigned int>(m_id);
    // As for real controls: leave our own entry, and nothing may keep pointing here.
    const VirtualControlEntry* entry = group->FindVirtualControlEntry(id);
    if (entry && entry->control == this && !group->FindControlEntry(id))
        group->DeRegister(id, true);
    group->DeRegister(this, true);
    while (group->CurrentlyRegistered(this))
        group->DeRegister(static_cast<VirtualControl*>(this));
    SetGroup(nullptr);
}

bool VirtualControl::Create(int x, int y, int w, int h, int arg, wxWindow* host, int id, VornControlGroup* group)
{
    const bool ok = VirtualWindow::Create(x, y, w, h, arg, host, id);
    RegisterWithGroup(group);
    return ok;
}

bool VirtualControl::Create(int x, int y, int arg, wxWindow* host, int id, VornControlGroup* group)
{
    const bool ok = VirtualWindow::Create(x, y, arg, host, id);
    RegisterWithGroup(group);
    return ok;
}

void VirtualControl::SetGroup(VornControlGroup* group)
{
    if (group == m_group)
        return;
    if (m_group)
        m_group->SetMember(this, false);
    m_group = group;
    if (group)
        group->SetMember(this, true);
}

void VirtualControl::RegisterWithGroup(VornControlGroup* group)
{
    SetGroup(group);
    if (group)
        group->Register(static_cast<unsigned int>(m_id), this);
}

void VirtualControl::SetEnabled(bool enabled)
{
    if (enabled != m_enabled) {
        m_enabled = enabled;
        m_dirty = true;
        Refresh(false);
    }
    RecalcState();
}

void VirtualControl::OnUpdate(unsigned int, VornControl*, VornControlHint*) {}

void VirtualControl::SetMouseOver(bool over)
{
    if (over == m_mouseOver)
        return;
    m_mouseOver = over;
    m_dirty = true;
    OnMouseOver();
}

void VirtualControl::SetMouseDownLeft(bool down)
{
    if (down == m_mouseDownLeft)
        return;
    m_mouseDownLeft = down;
    m_dirty = true;
    OnMouseDownLeft();
    OnMouseButton();
}

void VirtualControl::SetMouseDownRight(bool down)
{
    if (down == m_mouseDownRight)
        return;
    m_mouseDownRight = down;
    m_dirty = true;
    OnMouseDownRight();
    OnMouseButton();
}

void VirtualControl::SetLastMousePos(int x, int y)
{
    m_lastMouseX = x;
    m_lastMouseY = y;
}

void VirtualControl::SetLastDownPos(int x, int y)
{
    m_lastDownX = x;
    m_lastDownY = y;
}

void VirtualControl::GetLastMousePos(int& x, int& y)
{
    x = m_lastMouseX;
    y = m_lastMouseY;
}

void VirtualControl::GetLastDownPos(int& x, int& y)
{
    x = m_lastDownX;
    y = m_lastDownY;
}

void VirtualControl::SetMetas(bool metaA, bool metaB)
{
    m_metaA = metaA;
    m_metaB = metaB;
}

void VirtualControl::OnDraw(wxDC* dc)
{
    dc->Clear();
    if (m_dirty)
        RecalcState();
}

} // namespace vorn
