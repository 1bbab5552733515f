#include <vorn/framework/control.h>

#include <wx/dc.h>

#include <vorn/framework/control_group.h>

namespace vorn {

// clang-format off
wxBEGIN_EVENT_TABLE(VornControl, VornWindow)
    EVT_LEFT_DOWN(VornControl::OnLeftDown)
    EVT_LEFT_UP(VornControl::OnLeftUp)
    EVT_RIGHT_DOWN(VornControl::OnRightDown)
    EVT_RIGHT_UP(VornControl::OnRightUp)
    EVT_LEAVE_WINDOW(VornControl::OnLeaving)
    EVT_ENTER_WINDOW(VornControl::OnEntering)
    EVT_MOTION(VornControl::OnMouseMoveHdlr)
    EVT_ERASE_BACKGROUND(VornControl::OnEraseBackground)
    EVT_VORN_HINT(VornControl::OnVornHintArrive)
wxEND_EVENT_TABLE()
// clang-format on

VornControl::VornControl() = default;

VornControl::VornControl(int x, int y, wxWindow* parent, int id, VornControlGroup* group, long style)
    : VornWindow(x, y, parent, id, style)
{
    RegisterWithGroup(group, id);
}

VornControl::VornControl(int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroup* group,
                         long style)
    : VornWindow(x, y, w, h, parent, id, style)
{
    RegisterWithGroup(group, id);
}

VornControl::~VornControl()
{
    if (!m_group)
        return;
    VornControlGroup* group = m_group;
    const unsigned int id = VornWindow::GetId();
    // Leave the entry under our id only when it is ours: a control whose id was
    // already taken must not unregister the first one.
    const VornControlEntry* entry = group->FindControlEntry(id);
    if (entry && entry->control == this)
        group->DeRegister(id, true);
    // Whatever else still points here (other ids, the list) would dangle.
    group->DeRegister(this, true);
    while (group->CurrentlyRegistered(this))
        group->DeRegister(this);
    StoreGroup(nullptr);
}

bool VornControl::Create(int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroup* group,
                         long style)
{
    const bool ok = VornWindow::Create(x, y, w, h, parent, id, style);
    RegisterWithGroup(group, id);
    return ok;
}

bool VornControl::Create(int x, int y, wxWindow* parent, int id, VornControlGroup* group, long style)
{
    const bool ok = VornWindow::Create(x, y, parent, id, style);
    RegisterWithGroup(group, id);
    return ok;
}

// With id -1 the toolkit chose a fresh id, which is the one we register under.
void VornControl::RegisterWithGroup(VornControlGroup* group, int id)
{
    StoreGroup(group);
    if (group)
        group->Register(id == -1 ? GetId() : static_cast<unsigned int>(id), this);
}

void VornControl::StoreGroup(VornControlGroup* group)
{
    if (group == m_group)
        return;
    if (m_group)
        m_group->SetMember(this, false);
    m_group = group;
    if (group)
        group->SetMember(this, true);
}

void VornControl::SetGroup(VornControlGroup* group)
{
    StoreGroup(group);
    if (group)
        group->Register(GetId(), this);
}

void VornControl::Bind(VornControlGroup* group)
{
    SetGroup(group);
}

void VornControl::SetEnabled(bool enabled)
{
    if (enabled != m_enabled) {
        m_enabled = enabled;
        if (!enabled) {
            // Released without hooks: a disabled control sees no button change.
            m_mouseDownLeft = false;
            m_mouseDownRight = false;
            // It ignores the mouse from now on, so it must not keep the rest of the
            // interface from getting it either.
            ReleaseMouse();
        }
        OnEnable(enabled);
        m_dirty = true;
        Refresh(false);
    }
    RecalcState();
}

void VornControl::OnUpdate(unsigned int, VornControl*, VornControlHint*) {}

void VornControl::OnDraw(wxDC* dc)
{
    dc->Clear();
    if (m_dirty)
        RecalcState();
}

void VornControl::SetMouseOver(bool over)
{
    if (over == m_mouseOver)
        return;
    m_mouseOver = over;
    OnMouseOver();
}

void VornControl::SetMouseDownLeft(bool down)
{
    if (down == m_mouseDownLeft)
        return;
    m_mouseDownLeft = down;
    OnMouseDownLeft();
    OnMouseButton();
}

void VornControl::SetMouseDownRight(bool down)
{
    if (down == m_mouseDownRight)
        return;
    m_mouseDownRight = down;
    OnMouseDownRight();
    OnMouseButton();
}

void VornControl::SetLastMousePos(int x, int y)
{
    m_lastMouseX = x;
    m_lastMouseY = y;
}

void VornControl::SetLastDownPos(int x, int y)
{
    m_lastDownX = x;
    m_lastDownY = y;
}

void VornControl::OnMouseMove(int, int) {}

void VornControl::OnMouseOver()
{
    m_dirty = true;
    Refresh(false);
}

void VornControl::OnMouseDownLeft()
{
    Refresh(false);
}

void VornControl::OnMouseDownRight()
{
    Refresh(false);
}

void VornControl::OnMouseButton()
{
    m_dirty = true;
    Refresh(false);
}

void VornControl::GetLastMousePos(int& x, int& y)
{
    x = m_lastMouseX;
    y = m_lastMouseY;
}

void VornControl::GetLastDownPos(int& x, int& y)
{
    x = m_lastDownX;
    y = m_lastDownY;
}

void VornControl::StoreMetas(const wxMouseEvent& event)
{
    m_metaA = event.AltDown();
    m_metaB = event.ShiftDown();
}

// Presses also mark the pointer as over the control and record the press position.
void VornControl::ButtonEvent(const wxMouseEvent& event, bool right, bool down)
{
    if (!m_enabled)
        return;
    if (down)
        SetMouseOver(true);
    SetLastMousePos(event.GetX(), event.GetY());
    if (down)
        SetLastDownPos(event.GetX(), event.GetY());
    StoreMetas(event);
    if (right)
        SetMouseDownRight(down);
    else
        SetMouseDownLeft(down);
}

void VornControl::OnLeftDown(wxMouseEvent& event)
{
    ButtonEvent(event, false, true);
}

void VornControl::OnLeftUp(wxMouseEvent& event)
{
    ButtonEvent(event, false, false);
}

void VornControl::OnRightDown(wxMouseEvent& event)
{
    ButtonEvent(event, true, true);
}

void VornControl::OnRightUp(wxMouseEvent& event)
{
    ButtonEvent(event, true, false);
}

// wxWidgets 3 gives enter and leave positions in client coordinates already, like every
// other mouse event, so they are stored as they come.
void VornControl::OnEntering(wxMouseEvent& event)
{
    if (!m_enabled)
        return;
    const wxPoint p = event.GetPosition();
    SetLastMousePos(p.x, p.y);
    SetMouseOver(true);
    OnMouseEntering();
}

// A control holding the capture keeps its pressed state outside; one that does not is
// released when the pointer leaves.
void VornControl::OnLeaving(wxMouseEvent& event)
{
    if (!m_enabled)
        return;
    const wxPoint p = event.GetPosition();
    SetLastMousePos(p.x, p.y);
    SetMouseOver(false);
    if (!IsMouseCaptive()) {
        if (m_mouseDownLeft)
            SetMouseDownLeft(false);
        if (m_mouseDownRight)
            SetMouseDownRight(false);
    }
    OnMouseLeaving();
}

void VornControl::OnMouseMoveHdlr(wxMouseEvent& event)
{
    if (!m_enabled)
        return;
    StoreMetas(event);
    OnMouseMove(event.GetX(), event.GetY());
}

void VornControl::OnEraseBackground(wxEraseEvent&) {}

void VornControl::OnVornHintArrive(VornHintEvent& event)
{
    if (!m_enabled)
        return;
    OnUpdate(event.GetID(), event.GetControl(), event.GetHint());
}

} // namespace vorn
