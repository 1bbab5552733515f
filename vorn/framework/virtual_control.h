#pragma once
// Windowless windows and controls: plain objects drawn inside a real host window, which
// feeds them its mouse events. A group can hold them next to real controls.
#include <memory>

#include <wx/colour.h>
#include <wx/gdicmn.h>
#include <wx/object.h>

#include <vorn/framework/pointer_state.h>

class wxDC;
class wxWindow;

namespace vorn {

class VornControl;
class VornControlGroup;
class VornControlHint;

/// A window without a toolkit window: geometry, colours and flags, drawn by its host.
class VirtualWindow {
public:
    /// An unplaced 10 x 10 window without host; Create must follow.
    VirtualWindow() = default;
    /// A window of the given geometry in `host`.
    VirtualWindow(int x, int y, int w, int h, int arg, wxWindow* host, int id);
    /// A 10 x 10 window at (x, y) in `host`.
    VirtualWindow(int x, int y, int arg, wxWindow* host, int id);
    VirtualWindow(const VirtualWindow&) = delete;
    VirtualWindow& operator=(const VirtualWindow&) = delete;
    /// Deletes the attached object and gives back a reserved id.
    virtual ~VirtualWindow();

    /// Sets geometry, host and id. An id of -1 takes a fresh id from the toolkit's pool,
    /// as a real window would.
    virtual bool Create(int x, int y, int w, int h, int arg, wxWindow* host, int id);
    /// The same without a size: the window is 10 x 10.
    virtual bool Create(int x, int y, int arg, wxWindow* host, int id);
    /// Deletes the attached object.
    virtual void ReleaseAttached();

protected:
    /// Runs after Show(true); does nothing here.
    virtual void OnShow() {}
    /// Runs after Show(false); does nothing here.
    virtual void OnHide() {}

public:
    /// Clears the DC.
    virtual void OnDraw(wxDC* dc);
    /// Refreshes the whole host window, background included, whatever the argument.
    virtual void Refresh(bool eraseBackground = true);

    /// Stores the visible flag and runs OnShow or OnHide.
    void Show(bool show);
    /// The flag last set by Show.
    bool IsVisible() const { return m_visible; }
    /// Sets the captive flag only: the host window owns the real pointer capture.
    void CaptureMouse() { m_mouseCaptive = true; }
    /// Clears the captive flag.
    void ReleaseMouse() { m_mouseCaptive = false; }
    /// The captive flag.
    bool IsMouseCaptive() const { return m_mouseCaptive; }

    /// The id given at creation, or the one taken from the toolkit's pool.
    int GetId() const { return m_id; }
    /// The creation argument, kept as given.
    int GetArg() const { return m_arg; }
    /// The window this one is drawn in.
    wxWindow* GetHost() const { return m_host; }
    /// Width in pixels.
    int GetWidth() const { return m_width; }
    /// Height in pixels.
    int GetHeight() const { return m_height; }
    /// Left edge in the host window.
    int GetPosX() const { return m_x; }
    /// Top edge in the host window.
    int GetPosY() const { return m_y; }
    /// The size, as a toolkit window reports its client size.
    wxSize GetClientSize() const { return wxSize(m_width, m_height); }
    /// Moves the window inside its host.
    void SetPosition(int x, int y);
    /// Resizes the window.
    void SetSize(int w, int h);
    /// True when the host-window point lies inside this window.
    bool Contains(int x, int y) const;

    /// Stores the foreground colour for subclasses' drawing.
    void SetFgColour(const wxColour& colour) { m_fgColour = colour; }
    /// The foreground colour.
    wxColour GetFgColour() const { return m_fgColour; }
    /// Stores the background colour.
    void SetBgColour(const wxColour& colour) { m_bgColour = colour; }
    /// The background colour.
    wxColour GetBgColour() const { return m_bgColour; }

    /// Attaches an object that the window owns from now on (a different earlier one is deleted).
    void SetAttached(wxObject* object);
    /// The attached object, still owned by the window, or null.
    wxObject* GetAttached() const { return m_attached.get(); }

protected:
    int m_id = -1; ///< The id given at creation, or one reserved from the toolkit pool.
    int m_arg = 0; ///< The creation argument, kept as given.
    wxWindow* m_host = nullptr; ///< The window this one is drawn in (not owned).
    wxColour m_fgColour; ///< Foreground colour.
    wxColour m_bgColour; ///< Background colour.
    int m_width = 10; ///< Width in pixels.
    int m_height = 10; ///< Height in pixels.
    int m_x = 0; ///< Left edge in the host window, in pixels.
    int m_y = 0; ///< Top edge in the host window, in pixels.
    bool m_mouseCaptive = false; ///< Set by CaptureMouse, cleared by ReleaseMouse.
    bool m_visible = false; ///< The flag last set by Show.
    std::unique_ptr<wxObject> m_attached; ///< The attached object, owned here; null if none.

private:
    void TakeId(int id);
    bool m_reservedId = false;
};

/// A windowless control: group membership, flags and pointer state fed by its host window.
class VirtualControl : public VirtualWindow, public PointerTracker {
public:
    /// Create must follow.
    VirtualControl() = default;
    /// A control of the given geometry, registered with `group` under its id.
    VirtualControl(int x, int y, int w, int h, int arg, wxWindow* host, int id, VornControlGroup* group);
    /// A 10 x 10 control, registered with `group` under its id.
    VirtualControl(int x, int y, int arg, wxWindow* host, int id, VornControlGroup* group);
    /// Leaves the group: no entry or list of it keeps pointing here.
    ~VirtualControl() override;

    using VirtualWindow::Create;
    /// Creates the window and registers with `group` under its id.
    virtual bool Create(int x, int y, int w, int h, int arg, wxWindow* host, int id, VornControlGroup* group);
    /// The same without a size.
    virtual bool Create(int x, int y, int arg, wxWindow* host, int id, VornControlGroup* group);
    /// Back to the initial state; does nothing here.
    virtual void Reset() {}
    /// On a change: store, mark dirty, refresh; then always RecalcState.
    virtual void SetEnabled(bool enabled);

protected:
    /// Runs when the enabled flag changed; does nothing here.
    virtual void OnEnable(bool) {}

public:
    /// The group passes an update on to this control; does nothing here.
    virtual void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint);
    /// Recomputes the drawn state; here only clears the dirty flag.
    virtual void RecalcState() { m_dirty = false; }
    // Fed by the host window; each runs its hooks only on a change, after marking the
    // control dirty.
    using PointerTracker::SetLastDownPos;
    using PointerTracker::SetLastMousePos;
    using PointerTracker::SetMouseDownLeft;
    using PointerTracker::SetMouseDownRight;
    using PointerTracker::SetMouseOver;

protected:
    /// Pointer motion; does nothing here.
    virtual void OnMouseMove(int, int) {}
    /// Every change of the over or button flags marks the control dirty first.
    void OnPointerChanged() override { m_dirty = true; }
    /// The pointer came over or left: refreshes.
    void OnMouseOver() override { Refresh(false); }
    /// The left button changed: refreshes.
    void OnMouseDownLeft() override { Refresh(false); }
    /// The right button changed: refreshes.
    void OnMouseDownRight() override { Refresh(false); }
    /// Either button changed: refreshes.
    void OnMouseButton() override { Refresh(false); }

public:
    /// The enabled flag.
    virtual bool GetEnabled() const { return m_enabled; }

    /// Clears the DC and recomputes the drawn state while dirty.
    void OnDraw(wxDC* dc) override;

    /// The host passes pointer motion on through this.
    void MouseMove(int x, int y) { OnMouseMove(x, y); }
    /// The host passes the modifier keys on through this.
    void SetMetas(bool metaA, bool metaB);

    /// True while the drawn state must be recomputed.
    bool IsDirty() const { return m_dirty; }
    /// Asks for the drawn state to be recomputed.
    void SetDirty() { m_dirty = true; }
    /// The group, or null.
    VornControlGroup* GetGroup() const { return m_group; }
    /// Only stores the group (and lets it know who names it); registration is separate.
    void SetGroup(VornControlGroup* group);

protected:
    VornControlGroup* m_group = nullptr; ///< The group (not owned), or null.
    bool m_enabled = true; ///< Whether the control takes input.
    bool m_dirty = true; ///< The drawn state must be recomputed.

private:
    void RegisterWithGroup(VornControlGroup* group);
};

} // namespace vorn
