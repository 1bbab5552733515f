#include <vorn/framework/value_drag.h>

#include <vorn/framework/control.h>
#include <vorn/framework/control_group.h>
#include <vorn/framework/hints.h>

namespace vorn {

bool ValueDrag::Begin(VornControl& control, VornControlGroupValue* group)
{
    if (m_active)
        return false;
    m_active = true;
    control.CaptureMouse();
    if (group)
        group->ControlSelected(control.GetId(), &control);
    return true;
}

bool ValueDrag::End(VornControl& control, VornControlGroupValue* group, double value)
{
    if (!m_active)
        return false;
    m_active = false;
    control.ReleaseMouse();
    if (group) {
        group->ControlUnSelected(control.GetId(), &control);
        RealValChanged hint(value);
        group->Update(0, &control, &hint);
    }
    return true;
}

void ReportValueChanging(VornControl& control, VornControlGroupValue* group, double value)
{
    if (!group)
        return;
    group->ControlDrag(control.GetId(), &control);
    RealValChanging hint(value);
    group->Update(0, &control, &hint);
}

} // namespace vorn
