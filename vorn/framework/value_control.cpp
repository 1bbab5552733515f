#include <vorn/framework/value_control.h>

#include <wx/dcclient.h>

#include <vorn/framework/hints.h>

namespace vorn {

bool VornValueControl::CreateValueControl(int x, int y, int w, int h, wxWindow* parent, int id,
                                          VornControlGroupValue* group, long style)
{
    m_valueGroup = group;
    m_dragging = false;
    return VornControl::Create(x, y, w, h, parent, id, group, style);
}

bool VornValueControl::CreateValueControl(int x, int y, wxWindow* parent, int id, VornControlGroupValue* group,
                                          long style)
{
    m_valueGroup = group;
    m_dragging = false;
    return VornControl::Create(x, y, parent, id, group, style);
}

void VornValueControl::ReportDrag()
{
    if (m_valueGroup)
        m_valueGroup->ControlDrag(GetId(), this);
}

void VornValueControl::ReportValueChanging(double value)
{
    if (!m_valueGroup)
        return;
    ReportDrag();
    RealValChanging hint(value);
    m_valueGroup->Update(0, this, &hint);
}

void VornValueControl::DrawAtOnce()
{
    if (!IsShownOnScreen())
        return;
    wxClientDC dc(this);
    OnDraw(&dc);
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
    if (m_valueGroup)
        m_valueGroup->ControlSelected(GetId(), this);
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
    if (m_valueGroup) {
        m_valueGroup->ControlUnSelected(GetId(), this);
        RealValChanged hint(GetReportedValue());
        m_valueGroup->Update(0, this, &hint);
    }
}

} // namespace vorn
