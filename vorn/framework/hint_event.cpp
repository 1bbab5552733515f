#include <vorn/framework/hint_event.h>

#include <vorn/framework/hints.h>

namespace vorn {

const wxEventTypeTag<VornHintEvent> VORN_EVT_HINT(22010);

VornHintEvent::VornHintEvent(int eventType, unsigned int id, VornControl* control, VornControlHint* hint)
    : wxCommandEvent(eventType, 0), m_hint(hint), m_owned(hint), m_control(control), m_id(id)
{
}

VornHintEvent::VornHintEvent(const VornHintEvent& other)
    : wxCommandEvent(other), m_hint(other.m_hint), m_owned(std::move(other.m_owned)), m_control(other.m_control),
      m_id(other.m_id)
{
}

// A different hint replaces ours (deleting it when we own it); the same hint only comes
// back into our ownership when the other event had it.
VornHintEvent& VornHintEvent::operator=(const VornHintEvent& other)
{
    if (&other == this)
        return *this;
    SetEventType(other.GetEventType());
    SetId(other.GetId());
    SetEventObject(other.GetEventObject());
    if (m_hint != other.m_hint || other.m_owned)
        m_owned = std::move(other.m_owned);
    m_hint = other.m_hint;
    m_control = other.m_control;
    m_id = other.m_id;
    return *this;
}

VornHintEvent::~VornHintEvent() = default;

} // namespace vorn
