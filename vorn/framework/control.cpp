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
    VornControlGroup::Leave(m_group, this);
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
    VornControlGroup::Join(m_group, this, group, id == -1 ? GetId() : static_cast<unsigned int>(id));
}

void VornControl::SetGroup(VornControlGroup* group)
{
    VornControlGroup::Join(m_group, this, group, GetId());
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
            m_pointer.downLeft = false;
            m_pointer.downRight = false;
            // It ignores the mouse from now on, so it must not keep the rest of the
            // interface from getting it either.
            ReleaseMouse();
        }
        OnEnable(enabled);
        SetDirty();
        Refresh(false);
    }
    RecalcState();
}

void VornControl::OnUpdate(unsigned int, VornControl*, VornControlHint*) {}

void VornControl::OnDraw(wxDC* dc)
{
    dc->Clear();
    RecalcIfDirty();
}

void VornControl::OnMouseMove(int, int) {}

void VornControl::OnMouseOver()
{
    SetDirty();
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
    SetDirty();
    Refresh(false);
}

void VornControl::StoreMetas(const wxMouseEvent& event)
{
    m_pointer.metaA = event.AltDown();
    m_pointer.metaB = event.ShiftDown();
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
        SetMouseDownLeft(false);
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
