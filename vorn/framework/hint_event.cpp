#include <vorn/framework/hint_event.h>

#include <vorn/framework/hints.h>

namespace vorn {

const wxEventTypeTag<VornHintEvent> VORN_EVT_HINT(22010);

VornHintEvent::VornHintEvent(int eventType, unsigned int id, VornControl* control, VornControlHint* hint)
    : wxCommandEvent(eventType, 0), m_ownsHint(hint != nullptr), m_hint(hint), m_control(control), m_id(id)
{
}

VornHintEvent::VornHintEvent(const VornHintEvent& other)
    : wxCommandEvent(other), m_ownsHint(other.m_ownsHint), m_hint(other.m_hint), m_control(other.m_control),
      m_id(other.m_id)
{
    other.m_ownsHint = false;
}

VornHintEvent& VornHintEvent::operator=(const VornHintEvent& other)
{
    if (&other == this)
        return *this;
    SetEventType(other.GetEventType());
    SetId(other.GetId());
    SetEventObject(other.GetEventObject());
    if (m_hint != other.m_hint) {
        if (m_ownsHint)
            delete m_hint;
        m_ownsHint = other.m_ownsHint;
    } else if (other.m_ownsHint) {
        m_ownsHint = true;
    }
    m_hint = other.m_hint;
    other.m_ownsHint = false;
    m_control = other.m_control;
    m_id = other.m_id;
    return *this;
}

VornHintEvent::~VornHintEvent()
{
    if (m_ownsHint)
        delete m_hint;
}

} // namespace vorn
