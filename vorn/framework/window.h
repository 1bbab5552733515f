#pragma once
// VornWindow: the base window of every control and panel. Keeps its own copy of its
// geometry, in step with wherever the toolkit or a sizer puts it, reports the size it
// was given as its best size, routes painting to OnDraw, never lets the toolkit erase
// the background, and re-sends key presses as VornWindowKeyEvents that climb to the
// parents.
#include <string>
#include <vector>

#include <wx/event.h>
#include <wx/tooltip.h>
#include <wx/window.h>

#include <vorn/util/color.h>

namespace vorn {

namespace detail {
class Surface;
}

/// A key pressed (VORN_EVT_KEY_DOWN, 22000) or released (VORN_EVT_KEY_UP, 22001) in a
/// library window. A command event, so it reaches the parents until one handles it.
class VornWindowKeyEvent : public wxCommandEvent {
public:
    /// An event of the given type with command id 0.
    explicit VornWindowKeyEvent(wxEventType type = wxEVT_NULL);
    /// A copy, as the toolkit's Clone needs.
    VornWindowKeyEvent(const VornWindowKeyEvent&) = default;
    ~VornWindowKeyEvent() override;
    /// A copy, as the toolkit queues it.
    wxEvent* Clone() const override { return new VornWindowKeyEvent(*this); }

    bool m_altDown = false; ///< Alt was held.
    bool m_controlDown = false; ///< Control was held.
    long m_keyCode = 0; ///< The toolkit key code (WXK_* or the character).
    bool m_metaDown = false; ///< Meta was held.
    bool m_shiftDown = false; ///< Shift was held.
    long m_x = 0; ///< Pointer x at the key press, in window pixels.
    long m_y = 0; ///< Pointer y at the key press, in window pixels.
};

extern const wxEventTypeTag<VornWindowKeyEvent> VORN_EVT_KEY_DOWN; ///< Key pressed (type 22000).
extern const wxEventTypeTag<VornWindowKeyEvent> VORN_EVT_KEY_UP;   ///< Key released (type 22001).

/// The signature of a key-event handler in an event table.
typedef void (wxEvtHandler::*VornWindowKeyEventFunction)(VornWindowKeyEvent&);
#define VornWindowKeyEventHandler(func) wxEVENT_HANDLER_CAST(VornWindowKeyEventFunction, func)
#define EVT_VORN_KEY_DOWN(func) wx__DECLARE_EVT0(VORN_EVT_KEY_DOWN, VornWindowKeyEventHandler(func))
#define EVT_VORN_KEY_UP(func) wx__DECLARE_EVT0(VORN_EVT_KEY_UP, VornWindowKeyEventHandler(func))

/// The base window of every control and panel.
class VornWindow : public wxWindow {
public:
    /// No toolkit window yet: Create must follow.
    VornWindow();
    /// A window at (x, y) of the toolkit's default size; its stored size stays unset (-1).
    VornWindow(int x, int y, wxWindow* parent, int id, long style = 0);
    /// A window of the given geometry.
    VornWindow(int x, int y, int w, int h, wxWindow* parent, int id, long style = 0);
    /// Gives the pointer capture back first.
    ~VornWindow() override;

    /// Creates the toolkit window of the given geometry; the background goes through the virtual setter.
    virtual bool Create(int x, int y, int w, int h, wxWindow* parent, int id, long style = 0);
    /// The same without a size.
    virtual bool Create(int x, int y, wxWindow* parent, int id, long style = 0);

    /// The toolkit window id.
    unsigned int GetId() const { return static_cast<unsigned int>(wxWindow::GetId()); }

    // Geometry, in step with the toolkit's: a size that was never given reads -1 until
    // one is set here or by the toolkit (a sizer's layout, SetSize, Move).
    /// Width in pixels.
    int GetWidth() const { return m_width; }
    /// Height in pixels.
    int GetHeight() const { return m_height; }
    /// Left edge in the parent's client coordinates.
    int GetPosX() const { return m_x; }
    /// Top edge in the parent's client coordinates.
    int GetPosY() const { return m_y; }
    /// Width and height.
    void GetSize(int& w, int& h) const;
    /// Left and top edges.
    void GetPosition(int& x, int& y) const;
    /// Position and size at once.
    void GetWindowPos(int& x, int& y, int& w, int& h) const;
    /// Resizes, keeping the position; the size becomes the window's best size.
    void SetSize(int w, int h);
    /// Moves, keeping the size.
    void SetPosition(int x, int y);
    /// Moves and resizes; the size becomes the window's best size.
    void SetWindowPos(int x, int y, int w, int h);
    using wxWindow::GetPosition;
    using wxWindow::GetSize;
    using wxWindow::SetPosition;
    using wxWindow::SetSize;

    // The visible flag changes only through these, not when the toolkit shows a window.
    /// Shows or hides, then runs OnShow or OnHide.
    bool Show(bool show) override;
    /// Shows, then runs OnShow.
    bool Show();
    /// Hides, then runs OnHide.
    bool Hide();
    /// The flag last set through Show or Hide.
    bool IsVisible() const { return m_visible; }

    // Captures do not nest: a second capture while captive does nothing.
    /// Captures the pointer (the toolkit is asked only while the window is on screen).
    virtual void CaptureMouse();
    /// Gives the capture back.
    virtual void ReleaseMouse();
    /// True between CaptureMouse and ReleaseMouse (or a lost capture).
    bool IsMouseCaptive() const { return m_mouseCaptive; }

    /// Does nothing: a caller's Clear never erases the window.
    virtual void Clear() {}

    // The foreground colour is for subclasses' drawing; the toolkit never sees it.
    /// Stores the foreground colour.
    void SetFgColour(const wxColour& colour) { m_fgColour = colour; }
    /// Stores the foreground colour, converted.
    void SetFgColour(const Color& colour);
    /// The foreground colour.
    wxColour GetFgColour() const { return m_fgColour; }
    /// Sets the background to a colour of the toolkit's colour database, by name.
    void SetBgColour(const wxString& name);
    /// Sets the background colour.
    void SetBgColour(const wxColour& colour);
    /// Sets the background colour, converted.
    void SetBgColour(const Color& colour);
    /// Reads the toolkit's background colour back into the stored copy and returns it.
    wxColour GetBgColour();

    // One tooltip per window: later calls change its text.
    /// Sets the tooltip text (null: empty).
    void SetToolTip(const char* text);
    /// Sets the tooltip text.
    void SetToolTip(const std::string& text);
    using wxWindow::SetToolTip;

    /// Clears to the background colour; subclasses draw their face here.
    virtual void OnDraw(wxDC* dc);
    /// Draws now through a client context, when on screen: what a control does while the
    /// user drags it, instead of waiting for the next paint event.
    void DrawAtOnce();

    // Realisation on demand. A host that may hold thousands of windows (tree rows, table
    // cells) lets its children be made without toolkit windows: such a deferred window
    // keeps its geometry, state, value and group and answers every call, but draws and
    // hears the user only through a surface, a toolkit window that exists while it is
    // realised. Children of a deferred window are deferred too. Every surface is a child
    // of the host (the nearest ancestor with a toolkit window of its own), placed where
    // its window lies in the host's content less the host's deferred origin (its scroll
    // position), and cut to the host's client area: a window taller than the toolkit
    // allows, or than the view, gets a surface only as large as the part in view.
    /// Children made from now on are deferred (see above).
    void SetRealiseOnDemand(bool onDemand);
    /// Host: where its deferred content starts, in content pixels (the scroll offset);
    /// the surfaces follow at once.
    void SetDeferredOrigin(const wxPoint& origin);
    /// Host: the deferred origin.
    wxPoint GetDeferredOrigin() const { return m_deferredOrigin; }
    /// Host: realises every shown deferred window that lies within `margin` pixels of the
    /// client area and whose parent is realised, in the order they were made (parents
    /// first, so a parent's surface lies below its children's); unrealises the others.
    void RealiseInView(int margin = 0);
    /// The window's rectangle in its host's content (its own and its deferred parents'
    /// positions added up).
    wxRect GetRectInHost() const;
    /// The part of the window its surface leaves out at the left and top.
    wxPoint GetSurfaceOffset() const { return m_surfaceOffset; }
    /// True when children made now are deferred: set here, or this window is deferred.
    bool RealisesOnDemand() const { return m_childrenOnDemand || m_deferred; }
    /// True when the window was made without a toolkit window of its own.
    bool IsDeferred() const { return m_deferred; }
    /// True while the window has a toolkit window to draw into: its own or a surface.
    bool IsRealised() const { return !m_deferred || m_surface; }
    /// Gives a deferred window its surface inside its parent's (which must be realised);
    /// true when it has one afterwards. The surface shows when the window is shown.
    bool Realise();
    /// Takes the surfaces of this window and its deferred children away; nothing else changes.
    void Unrealise();
    /// The toolkit window this window draws into: itself, its surface, or null.
    wxWindow* GetSurface() const;
    /// The deferred children, in the order they were made.
    const std::vector<VornWindow*>& GetDeferredChildren() const { return m_deferredChildren; }

    // Painting through the host. A host may instead draw its deferred descendants in view
    // itself, in its own paint (each window's OnDraw at its place, parents first, clipped to
    // its parents and the view): a surface costs a toolkit window moved, mapped and exposed.
    // Then only the deferred window under the pointer (with its deferred parents), the one
    // holding the capture and the focused one keep surfaces; a pointer event on the host, or
    // on a surface over a child without one, goes to the deepest deferred window under it,
    // which takes a surface; a window without a surface repaints through the nearest toolkit
    // window above it. RealiseInView still gives surfaces to whoever calls it.
    /// Host: draws its deferred descendants itself (see above).
    void SetPaintDeferred(bool paint);
    /// True when this host draws its deferred descendants itself.
    bool PaintsDeferred() const { return m_paintDeferred; }
    /// Host: after its view moved or its content changed, gives back the surfaces no window
    /// needs (see above) and repaints.
    void RepaintDeferred();
    /// Host: the deferred window the pointer was last routed to, or null.
    VornWindow* GetPointerWindow() const { return m_pointerWindow; }
    /// Draws through OnDraw and then, when painting through the host, the deferred windows
    /// inside without surfaces of their own: all that this window's paint shows in `clip`
    /// (its own coordinates; null: everywhere).
    void DrawWithDeferred(wxDC* dc, const wxRect* clip = nullptr);
    /// Host: the deepest shown deferred window at `point` (client coordinates), or null.
    VornWindow* DeferredWindowAt(const wxPoint& point) const;

    // What a deferred window answers itself or passes to its surface.
    /// Repaints (through the surface when deferred; nothing while unrealised).
    void Refresh(bool eraseBackground = true, const wxRect* rect = nullptr) override;
    /// Paints pending areas now.
    void Update() override;
    /// Takes the keyboard focus (a deferred window needs its surface).
    void SetFocus() override;
    /// True when the window can be seen on screen.
    bool IsShownOnScreen() const override;
    /// Sets the pointer shape.
    bool SetCursor(const wxCursor& cursor) override;
    /// Sets the font drawing and measuring use.
    bool SetFont(const wxFont& font) override;
    /// Sets the background colour.
    bool SetBackgroundColour(const wxColour& colour) override;
    /// Height of a line of the window's font.
    int GetCharHeight() const override;
    /// Average character width of the window's font.
    int GetCharWidth() const override;

    /// Toolkit handler: paints through OnDraw.
    void OnPaint(wxPaintEvent& event);
    /// Toolkit handler: swallowed, nothing is erased.
    void OnEraseBackground(wxEraseEvent& event);
    /// Toolkit handler: re-sends a released key as VORN_EVT_KEY_UP. Virtual, so that a
    /// window with keys of its own overrides it instead of adding a second table entry.
    virtual void OnVornKeyUp(wxKeyEvent& event);
    /// Toolkit handler: re-sends a pressed key as VORN_EVT_KEY_DOWN and takes the press.
    /// A text window overrides it and leaves the presses it does not use skipped: the
    /// toolkit makes a char event only of a press nobody took.
    virtual void OnVornKeyDown(wxKeyEvent& event);
    /// Does nothing.
    void OnKillFocus(wxFocusEvent& event);
    /// Toolkit handler: the capture went elsewhere, so the window is no longer captive.
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

protected:
    /// A host that paints its deferred windows routes pointer events to them first.
    bool TryBefore(wxEvent& event) override;
    /// Runs after Show(true) and Show(); does nothing here.
    virtual void OnShow() {}
    /// Runs after Show(false) and Hide(); does nothing here.
    virtual void OnHide() {}
    /// Runs once, just before a deferred window is first realised: children that only a
    /// window someone sees needs can be made here, and are realised in the same pass.
    /// Does nothing here.
    virtual void OnBeforeFirstRealise() {}

    /// Every move and resize, ours or the toolkit's, ends here: the stored geometry follows.
    void DoSetSize(int x, int y, int width, int height, int sizeFlags) override;
    /// The size given at creation or through SetSize/SetWindowPos; else the toolkit's guess.
    wxSize DoGetBestClientSize() const override;
    /// A deferred window reports its stored geometry.
    void DoGetPosition(int* x, int* y) const override;
    /// A deferred window reports its stored size.
    void DoGetSize(int* width, int* height) const override;
    /// A deferred window has no border: its client size is its size.
    void DoGetClientSize(int* width, int* height) const override;
    /// Through the surface, or the parents' positions while unrealised.
    void DoClientToScreen(int* x, int* y) const override;
    /// The inverse of DoClientToScreen.
    void DoScreenToClient(int* x, int* y) const override;
    /// Enables the surface too.
    void DoEnable(bool enable) override;
    /// A deferred window keeps the tooltip's text for its surface.
    void DoSetToolTip(wxToolTip* tip) override;
    /// Measures with the window's font, without a toolkit window when deferred.
    void DoGetTextExtent(const wxString& string, int* x, int* y, int* descent = nullptr,
                         int* externalLeading = nullptr, const wxFont* font = nullptr) const override;

    wxColour m_fgColour; ///< Foreground colour set by SetFgColour.
    wxColour m_bgColour; ///< Background colour as last read by GetBgColour.
    int m_width = -1; ///< Width in pixels; -1 until set or laid out.
    int m_height = -1; ///< Height in pixels; -1 until set or laid out.
    int m_x = 0; ///< Left edge in the parent, in pixels.
    int m_y = 0; ///< Top edge in the parent, in pixels.
    bool m_mouseCaptive = false; ///< The window holds the mouse capture.
    bool m_visible = false; ///< Shown, as last set by Show or Hide.
    wxToolTip* m_toolTip = nullptr; ///< The tooltip set by SetToolTip; owned by the toolkit window once set.

private:
    void ResetFlags();
    bool CreateToolkitWindow(int x, int y, int w, int h, wxWindow* parent, int id, long style);
    wxColour InheritedBackground() const;
    void SendKeyEvent(wxEventType type, const wxKeyEvent& key);
    void SetBestSize(int w, int h);

    bool ToolkitHasCapture() const;
    void ApplyToSurface();
    VornWindow* GetHost() const;
    void PlaceSurface();
    void PlaceSurfaces();
    bool ShownUpToHost() const;
    void RealiseInView(const wxRect& view);
    void CountRealised(int change);
    void RunFirstRealise();
    bool PaintsThroughHost() const;
    void DrawDeferred(wxDC& dc, const wxPoint& origin, const wxRect& clip) const;
    bool RoutePointer(wxMouseEvent& event);
    void TakePointer(VornWindow* window);
    bool KeepSurfaces();
    VornWindow* DeepestAt(const wxPoint& point);

    wxSize m_bestSize = wxDefaultSize;
    bool m_deferred = false;
    bool m_childrenOnDemand = false;
    detail::Surface* m_surface = nullptr;
    std::vector<detail::Surface*> m_surfacePool; // a host's idle surfaces (its toolkit children)
    wxPoint m_surfaceOffset;
    wxPoint m_deferredOrigin;
    std::vector<VornWindow*> m_deferredChildren;
    int m_realisedBelow = 0; // surfaces of the deferred windows inside this one
    bool m_firstRealiseDone = false;
    bool m_paintDeferred = false;
    VornWindow* m_pointerWindow = nullptr; // a painting host's: where the pointer was routed
    wxString m_deferredTip;

    wxDECLARE_EVENT_TABLE();
};

} // namespace vorn
