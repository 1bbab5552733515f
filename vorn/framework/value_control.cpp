#include <vorn/framework/value_control.h>

#include <wx/dcclient.h>

#include <vorn/framework/hints.h>

namespace vorn {

bool VornValueControl::CreateValueControl(int x, int y, int w, int h, wxWindow* parent, int id,
                                          VornControlGroupValue* group, long style)
{
    m_dragging = false;
    return VornControl::Create(x, y, w, h, parent, id, group, style);
}

bool VornValueControl::CreateValueControl(int x, int y, wxWindow* parent, int id, VornControlGroupValue* group,
                                          long style)
{
    m_dragging = false;
    return VornControl::Create(x, y, parent, id, group, style);
}

// The value group is read from the control's one group pointer, which a group that ends
// before the control clears: no second copy can be left dangling.
void VornValueControl::ReportDrag()
{
    if (VornControlGroupValue* group = GetGroup())
        group->ControlDrag(GetId(), this);
}

void VornValueControl::ReportValueChanging(double value)
{
    VornControlGroupValue* group = GetGroup();
    if (!group)
        return;
    ReportDrag();
    RealValChanging hint(value);
    group->Update(0, this, &hint);
}

void VornValueControl::OnMouseButton()
{
    if (!GetMouseDown()) {
        EndDrag(true);
        return;
    }
    int x = 0, y = 0;
    GetLastMousePos(x, y);
    if (m_dragging || !AcceptPress(x, y))
        return;
    m_dragging = true;
    CaptureMouse();
    if (VornControlGroupValue* group = GetGroup())
        group->ControlSelected(GetId(), this);
    OnDragBegin(x, y);
}

void VornValueControl::OnMouseMove(int x, int y)
{
    if (!m_dragging || !GetMouseDown())
        return;
    if (!OnDragStep(x, y))
        return;
    ReportValueChanging(GetReportedValue());
    DrawAtOnce();
}

void VornValueControl::OnEnable(bool enabled)
{
    if (!enabled)
        EndDrag(false);
}

void VornValueControl::EndDrag(bool release)
{
    if (!m_dragging && !(release && m_reportEveryRelease))
        return;
    m_dragging = false;
    OnDragEnd();
    ReleaseMouse();
    if (VornControlGroupValue* group = GetGroup()) {
        group->ControlUnSelected(GetId(), this);
        RealValChanged hint(GetReportedValue());
        group->Update(0, this, &hint);
    }
}

} // namespace vorn
