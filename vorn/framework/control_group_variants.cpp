#include <vorn/framework/control.h>
#include <vorn/framework/control_group.h>
#include <vorn/framework/on_off_control.h>
#include <vorn/framework/virtual_control.h>

namespace vorn {

// ---- 1 of N ----

void VornControlGroup1ofN::SetOnControl(unsigned int id, bool on, VornControlHint* hint)
{
    if (on)
        m_selected = static_cast<int>(id);
    VornControlGroup::SetOnControl(id, on, hint);
}

namespace {

// Switches every button of an id map except the chosen one, which becomes the selection.
template <class Map, class Control>
void SwitchOthers(Map& map, Control* chosen, bool on, int& selected)
{
    for (auto& [key, entry] : map) {
        auto* button = dynamic_cast<VornOnOffControl*>(entry.control);
        if (!button)
            continue;
        if (entry.control != chosen)
            button->SetOn(on);
        else
            selected = static_cast<int>(entry.control->GetId());
    }
}

} // namespace

void VornControlGroup1ofN::SetOnAll(VornControl* chosen, bool on, VornControlHint*)
{
    SwitchOthers(m_controlMap, chosen, on, m_selected);
}

void VornControlGroup1ofN::SetOnAll(VirtualControl* chosen, bool on, VornControlHint*)
{
    SwitchOthers(m_virtualControlMap, chosen, on, m_selected);
}

// ---- value and 1 of N ----

void VornValueControlGroup1ofN::DeRegister(unsigned int id, bool keep)
{
    VornControlGroupValue::DeRegister(id, keep);
}

// ---- child to parent ----

void ChildToParentControlGroup::ControlSelected(unsigned int, VornControl*)
{
    if (m_parentControl && m_parentControl->GetGroup())
        m_parentControl->GetGroup()->ControlSelected(m_parentControl->GetId(), m_parentControl);
}

void ChildToParentControlGroup::ControlUnSelected(unsigned int, VornControl*)
{
    if (m_parentControl && m_parentControl->GetGroup())
        m_parentControl->GetGroup()->ControlUnSelected(m_parentControl->GetId(), m_parentControl);
}

void ChildToParentControlGroup::ControlDrag(unsigned int, VornControl*)
{
    if (!m_parentControl)
        return;
    if (auto* group = dynamic_cast<VornControlGroupValue*>(m_parentControl->GetGroup()))
        group->ControlDrag(m_parentControl->GetId(), m_parentControl);
}

void ChildToParentControlGroup::ControlShapeChanged(unsigned int, VornControl*)
{
    if (!m_parentControl)
        return;
    if (auto* group = dynamic_cast<VornControlGroupValue*>(m_parentControl->GetGroup()))
        group->ControlShapeChanged(m_parentControl->GetId(), m_parentControl);
}

} // namespace vorn
