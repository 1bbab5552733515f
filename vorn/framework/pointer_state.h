#pragma once
// The pointer as a control last saw it. A real control fills it from the toolkit's mouse
// events, a virtual control from its host window; both answer their getters from it and
// run their hooks from the same setters.

namespace vorn {

/// Pointer over, buttons held, the last pointer and press positions and the two modifier keys.
struct PointerState {
    bool over = false;      ///< The pointer is over the control.
    bool downLeft = false;  ///< The left button is held.
    bool downRight = false; ///< The right button is held.
    int lastX = 0;          ///< x of the last button, enter or leave event, in pixels.
    int lastY = 0;          ///< y of the same event.
    int downX = 0;          ///< x of the last button press, in pixels.
    int downY = 0;          ///< y of the last button press.
    bool metaA = false;     ///< Alt at the last button or motion event.
    bool metaB = false;     ///< Shift at the last button or motion event.

    /// Either button held.
    bool AnyDown() const { return downLeft || downRight; }
    /// Alt or Shift held.
    bool AnyMeta() const { return metaA || metaB; }

    /// Stores `value` in `flag`; true when that changed it (the caller then runs its hooks).
    static bool Change(bool& flag, bool value)
    {
        if (flag == value)
            return false;
        flag = value;
        return true;
    }
};

/// The pointer part of real and virtual controls: the state, its getters, and setters that
/// run the hooks only when a value changes.
class PointerTracker {
public:
    /// Left button held on the control.
    virtual bool GetMouseDownLeft() const { return m_pointer.downLeft; }
    /// Right button held on the control.
    virtual bool GetMouseDownRight() const { return m_pointer.downRight; }
    /// Either button held.
    virtual bool GetMouseDown() const { return m_pointer.AnyDown(); }
    /// Pointer over the control.
    virtual bool GetMouseOver() const { return m_pointer.over; }
    /// Alt at the last button or motion event.
    virtual bool GetMetaA() const { return m_pointer.metaA; }
    /// Shift at the last button or motion event.
    virtual bool GetMetaB() const { return m_pointer.metaB; }
    /// Alt or Shift.
    virtual bool GetMetaKey() const { return m_pointer.AnyMeta(); }
    /// Pointer position of the last button, enter or leave event.
    virtual void GetLastMousePos(int& x, int& y)
    {
        x = m_pointer.lastX;
        y = m_pointer.lastY;
    }
    /// Pointer position of the last button press.
    virtual void GetLastDownPos(int& x, int& y)
    {
        x = m_pointer.downX;
        y = m_pointer.downY;
    }

protected:
    PointerTracker() = default;
    ~PointerTracker() = default;

    /// On a change: store, OnPointerChanged, OnMouseOver.
    virtual void SetMouseOver(bool over)
    {
        if (PointerState::Change(m_pointer.over, over)) {
            OnPointerChanged();
            OnMouseOver();
        }
    }
    /// On a change: store, OnPointerChanged, OnMouseDownLeft, OnMouseButton.
    virtual void SetMouseDownLeft(bool down) { SetButton(m_pointer.downLeft, down, &PointerTracker::OnMouseDownLeft); }
    /// On a change: store, OnPointerChanged, OnMouseDownRight, OnMouseButton.
    virtual void SetMouseDownRight(bool down)
    {
        SetButton(m_pointer.downRight, down, &PointerTracker::OnMouseDownRight);
    }
    /// Stores the last pointer position.
    virtual void SetLastMousePos(int x, int y)
    {
        m_pointer.lastX = x;
        m_pointer.lastY = y;
    }
    /// Stores the last press position.
    virtual void SetLastDownPos(int x, int y)
    {
        m_pointer.downX = x;
        m_pointer.downY = y;
    }

    /// Runs first on every change of the over or button flags; does nothing here.
    virtual void OnPointerChanged() {}
    /// The pointer came over or left.
    virtual void OnMouseOver() = 0;
    /// The left button changed.
    virtual void OnMouseDownLeft() = 0;
    /// The right button changed.
    virtual void OnMouseDownRight() = 0;
    /// Either button changed, after its own hook.
    virtual void OnMouseButton() = 0;

    PointerState m_pointer; ///< The pointer as last seen.

private:
    void SetButton(bool& flag, bool down, void (PointerTracker::*hook)())
    {
        if (!PointerState::Change(flag, down))
            return;
        OnPointerChanged();
        (this->*hook)();
        OnMouseButton();
    }
};

} // namespace vorn
