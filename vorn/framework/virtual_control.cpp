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
    m_attached.reset();
}

void VirtualWindow::SetAttached(wxObject* object)
{
    if (object != m_attached.get())
        m_attached.reset(object);
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
    VornControlGroup::Leave(m_group, this);
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

void VirtualControl::RegisterWithGroup(VornControlGroup* group)
{
    VornControlGroup::Join(m_group, this, group, static_cast<unsigned int>(m_id));
}

void VirtualControl::SetGroup(VornControlGroup* group)
{
    VornControlGroup::Link(m_group, group);
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

void VirtualControl::SetMetas(bool metaA, bool metaB)
{
    m_pointer.metaA = metaA;
    m_pointer.metaB = metaB;
}

void VirtualControl::OnDraw(wxDC* dc)
{
    dc->Clear();
    if (m_dirty)
        RecalcState();
}

} // namespace vorn
