#pragma once
// VornControl: the base of every interactive control. Adds group membership, the
// enabled and dirty flags, and a small mouse state machine that turns toolkit mouse
// events into hooks. The base class never captures the mouse and never reports to the
// group; subclasses decide both.
//
// Mouse events (ignored entirely while disabled):
//   left/right down  over = true, last pos = last down pos = event pos, metas, down = true
//   left/right up    last pos = event pos, metas, down = false
//   enter            last pos, over = true, OnMouseEntering
//   leave            last pos, over = false; without capture both buttons are released;
//                    OnMouseLeaving
//   motion           metas, OnMouseMove (last pos unchanged)
// The setters run their hooks only when the value changes.
#include <vorn/framework/hint_event.h>
#include <vorn/framework/pointer_state.h>
#include <vorn/framework/window.h>

namespace vorn {

class VornControlGroup;
class VornControlHint;

/// The base of every interactive control: group membership, enabled and dirty flags, pointer state.
class VornControl : public VornWindow, public PointerTracker {
public:
    /// No toolkit window yet: Create must follow.
    VornControl();
    /// A control at (x, y) of the toolkit's default size, registered with `group` under `id`.
    VornControl(int x, int y, wxWindow* parent, int id, VornControlGroup* group, long style = 0);
    /// A control of the given geometry, registered with `group` under `id`.
    VornControl(int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroup* group, long style = 0);
    /// Leaves the group: no entry or list of it keeps pointing here.
    ~VornControl() override;

    /// Clears with the DC's background and recomputes the drawn state while dirty.
    void OnDraw(wxDC* dc) override;

    /// Creates the toolkit window and registers with `group` (id -1: the toolkit's id).
    virtual bool Create(int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroup* group,
                        long style = 0);
    /// The same without a size.
    virtual bool Create(int x, int y, wxWindow* parent, int id, VornControlGroup* group, long style = 0);
    using VornWindow::Create;
    /// Back to the initial state; does nothing here.
    virtual void Reset() {}
    /// Enables or disables; disabling releases the buttons and the capture without hooks.
    virtual void SetEnabled(bool enabled);
    /// The enabled flag.
    virtual bool GetEnabled() const { return m_enabled; }

protected:
    /// Runs when the enabled flag changed; does nothing here.
    virtual void OnEnable(bool) {}

public:
    /// The group passes an update on to this control.
    virtual void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint);
    /// The toolkit window id.
    virtual unsigned int GetId() const { return VornWindow::GetId(); }
    /// Recomputes the drawn state; subclasses do theirs, then call this to clear the dirty flag.
    virtual void RecalcState() { m_dirty = false; }

protected:
    /// Pointer motion in client coordinates; does nothing here.
    virtual void OnMouseMove(int x, int y);
    /// The pointer came over or left: marks dirty and repaints.
    void OnMouseOver() override;
    /// The left button changed: repaints.
    void OnMouseDownLeft() override;
    /// The right button changed: repaints.
    void OnMouseDownRight() override;
    /// Either button changed (after its own hook): marks dirty and repaints.
    void OnMouseButton() override;
    /// The pointer entered; does nothing here.
    virtual void OnMouseEntering() {}
    /// The pointer left; does nothing here.
    virtual void OnMouseLeaving() {}

public:
    /// True while the drawn state must be recomputed before drawing.
    bool IsDirty() const { return m_dirty; }
    /// Marks the drawn state for recomputation (only RecalcState clears the mark).
    void SetDirty() { m_dirty = true; }
    /// The group the control reports to, or null.
    VornControlGroup* GetGroup() const { return m_group; }
    /// Store the group and register with it under this window's id; an earlier group
    /// is not left. A null group is only stored.
    void SetGroup(VornControlGroup* group);
    /// The same as SetGroup.
    void Bind(VornControlGroup* group);
    using wxEvtHandler::Bind;

    /// Toolkit handler: left button pressed.
    void OnLeftDown(wxMouseEvent& event);
    /// Toolkit handler: left button released.
    void OnLeftUp(wxMouseEvent& event);
    /// Toolkit handler: right button pressed.
    void OnRightDown(wxMouseEvent& event);
    /// Toolkit handler: right button released.
    void OnRightUp(wxMouseEvent& event);
    /// Toolkit handler: the pointer left the window.
    void OnLeaving(wxMouseEvent& event);
    /// Toolkit handler: the pointer entered the window.
    void OnEntering(wxMouseEvent& event);
    /// Toolkit handler: pointer motion.
    void OnMouseMoveHdlr(wxMouseEvent& event);
    /// Toolkit handler: swallowed, nothing is erased.
    void OnEraseBackground(wxEraseEvent& event);
    /// Toolkit handler: a hint pushed from outside ends in OnUpdate.
    void OnVornHintArrive(VornHintEvent& event);

protected:
    /// Recomputes the drawn state when it is marked dirty.
    void RecalcIfDirty()
    {
        if (m_dirty)
            RecalcState();
    }

    VornControlGroup* m_group = nullptr; ///< The group (not owned), or null.
    bool m_enabled = true; ///< Whether the control takes input.

private:
    bool m_dirty = true; // written only through SetDirty and RecalcState by subclasses
    void RegisterWithGroup(VornControlGroup* group, int id);
    void StoreMetas(const wxMouseEvent& event);
    void ButtonEvent(const wxMouseEvent& event, bool right, bool down);

    wxDECLARE_EVENT_TABLE();
};

} // namespace vorn
