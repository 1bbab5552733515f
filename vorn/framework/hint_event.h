#pragma once
// VornHintEvent: lets a host push a hint into a control from outside. The event owns
// its hint; copying an event (as the toolkit does when it queues one) moves that
// ownership to the copy, so a posted event keeps its hint alive until it is processed.
#include <wx/event.h>

namespace vorn {

class VornControl;
class VornControlHint;

class VornHintEvent : public wxCommandEvent {
public:
    VornHintEvent(int eventType, unsigned int id, VornControl* control, VornControlHint* hint);
    VornHintEvent(const VornHintEvent& other);
    VornHintEvent& operator=(const VornHintEvent& other);
    ~VornHintEvent() override;
    wxEvent* Clone() const override { return new VornHintEvent(*this); }

    VornControlHint* GetHint() const { return m_hint; }
    VornControl* GetControl() const { return m_control; }
    unsigned int GetID() const { return m_id; }

private:
    // Mutable because ownership leaves a const source when the toolkit clones it.
    mutable bool m_ownsHint = false;
    VornControlHint* m_hint = nullptr;
    VornControl* m_control = nullptr;
    unsigned int m_id = 0;
};

extern const wxEventTypeTag<VornHintEvent> VORN_EVT_HINT; // 22010

typedef void (wxEvtHandler::*VornHintEventFunction)(VornHintEvent&);
#define VornHintEventHandler(func) wxEVENT_HANDLER_CAST(VornHintEventFunction, func)
#define EVT_VORN_HINT(func) wx__DECLARE_EVT0(VORN_EVT_HINT, VornHintEventHandler(func))

} // namespace vorn
