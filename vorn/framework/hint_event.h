#pragma once
// VornHintEvent: lets a host push a hint into a control from outside. The event owns
// its hint; copying an event (as the toolkit does when it queues one) moves that
// ownership to the copy, so a posted event keeps its hint alive until it is processed.
#include <memory>

#include <wx/event.h>

namespace vorn {

class VornControl;
class VornControlHint;

/// A hint pushed into a control from outside (VORN_EVT_HINT); the event owns the hint.
class VornHintEvent : public wxCommandEvent {
public:
    /// An event carrying `hint` (owned from now on) for `control` under `id`.
    VornHintEvent(int eventType, unsigned int id, VornControl* control, VornControlHint* hint);
    /// A copy that takes over the ownership of the hint.
    VornHintEvent(const VornHintEvent& other);
    /// Takes the other's hint and its ownership; its own hint goes first when different.
    VornHintEvent& operator=(const VornHintEvent& other);
    /// Deletes the hint when it still owns it.
    ~VornHintEvent() override;
    /// A copy, as the toolkit queues it: the copy owns the hint.
    wxEvent* Clone() const override { return new VornHintEvent(*this); }

    /// The hint, or null.
    VornControlHint* GetHint() const { return m_hint; }
    /// The control the hint speaks of.
    VornControl* GetControl() const { return m_control; }
    /// The id passed to OnUpdate.
    unsigned int GetID() const { return m_id; }

private:
    VornControlHint* m_hint = nullptr;
    // Set while this event owns m_hint. Mutable because ownership leaves a const source
    // when the toolkit clones it.
    mutable std::unique_ptr<VornControlHint> m_owned;
    VornControl* m_control = nullptr;
    unsigned int m_id = 0;
};

extern const wxEventTypeTag<VornHintEvent> VORN_EVT_HINT; ///< A hint pushed from outside (type 22010).

/// The signature of a hint-event handler in an event table.
typedef void (wxEvtHandler::*VornHintEventFunction)(VornHintEvent&);
#define VornHintEventHandler(func) wxEVENT_HANDLER_CAST(VornHintEventFunction, func)
#define EVT_VORN_HINT(func) wx__DECLARE_EVT0(VORN_EVT_HINT, VornHintEventHandler(func))

} // namespace vorn
