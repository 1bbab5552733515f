#pragma once
// VornPopupFrame: the borderless top-level frame under pop-up lists and menus. It owns the
// plumbing they share: the frame flags, placing itself by a control, holding the mouse
// while shown and giving it back, and closing on a click outside, on focus loss and on
// Escape through one hook. Closing is safe from inside the frame's own event handlers:
// the frame is only hidden there and destroyed by the toolkit once the event is over.
//
//   event                         | what the frame does
//   ------------------------------+-----------------------------------------------
//   left/right down outside       | Dismiss()
//   left down inside              | OnPopupLeftDown
//   left up, motion               | OnPopupLeftUp, OnPopupMotion (client coordinates)
//   key down Escape               | Dismiss()
//   other key down, char          | OnPopupKey, OnPopupChar; unhandled keys skip
//   focus lost to another window  | Dismiss()
//   capture lost                  | Dismiss()
#include <wx/frame.h>

namespace vorn {

/// A borderless pop-up frame: no task-bar entry, a tool window that stays on top.
class VornPopupFrame : public wxFrame {
public:
    /// The frame flags of every pop-up.
    static constexpr long kPopupStyle = wxBORDER_NONE | wxFRAME_NO_TASKBAR | wxFRAME_TOOL_WINDOW | wxSTAY_ON_TOP;

    /// No toolkit window yet: Create must follow.
    VornPopupFrame();
    /// A hidden pop-up of the given screen rectangle.
    VornPopupFrame(wxWindow* parent, const wxRect& screenRect, long style = kPopupStyle);
    /// Gives the mouse back.
    ~VornPopupFrame() override;

    /// Makes the hidden toolkit frame at the given screen rectangle.
    virtual bool Create(wxWindow* parent, const wxRect& screenRect, long style = kPopupStyle);

    /// The display area that holds window w (the primary display when w is null or off-screen).
    static wxRect DisplayRectFor(const wxWindow* w);
    /// Moves below (or above) `control` at `size` on the control's display.
    void PlaceNear(const wxWindow* control, const wxSize& size);
    /// Shows the frame, raises it, takes the focus and holds the mouse.
    void Popup();
    /// Hides the frame and gives the mouse back (the frame stays for another Popup).
    void HidePopup();
    /// Hides the frame, gives the mouse back and has the toolkit destroy it once the current
    /// event is over; later calls do nothing.
    void DestroyPopup();
    /// True once DestroyPopup ran.
    bool IsBeingDestroyed() const { return m_destroying; }

    /// Closes the pop-up without a choice: runs OnDismiss once per showing.
    void Dismiss();

    /// Holds the mouse while the frame is on screen (no second capture).
    void HoldMouse();
    /// Gives the mouse back when held.
    void ReleaseHeldMouse();
    /// Whether the frame holds the mouse.
    bool IsHoldingMouse() const;

protected:
    /// Closing without a choice; hides the frame here. Subclasses tell their owner.
    virtual void OnDismiss() { HidePopup(); }
    /// Left button pressed inside the client area (client coordinates).
    virtual void OnPopupLeftDown(const wxPoint&) {}
    /// Left button released anywhere (client coordinates).
    virtual void OnPopupLeftUp(const wxPoint&) {}
    /// Pointer motion anywhere (client coordinates).
    virtual void OnPopupMotion(const wxPoint&) {}
    /// A key other than Escape; returns whether it was used.
    virtual bool OnPopupKey(const wxKeyEvent&) { return false; }
    /// A typed character; returns whether it was used.
    virtual bool OnPopupChar(const wxKeyEvent&) { return false; }

public:
    /// Toolkit handler: a button pressed.
    void LocalMouseDown(wxMouseEvent& event);
    /// Toolkit handler: left button released.
    void LocalLeftUp(wxMouseEvent& event);
    /// Toolkit handler: pointer motion.
    void LocalMotion(wxMouseEvent& event);
    /// Toolkit handler: key pressed.
    void LocalKeyDown(wxKeyEvent& event);
    /// Toolkit handler: character typed.
    void LocalChar(wxKeyEvent& event);
    /// Toolkit handler: focus lost.
    void LocalKillFocus(wxFocusEvent& event);
    /// Toolkit handler: the capture went elsewhere.
    void LocalCaptureLost(wxMouseCaptureLostEvent& event);

private:
    bool m_destroying = false;
    bool m_dismissing = false;

    wxDECLARE_EVENT_TABLE();
};

} // namespace vorn
