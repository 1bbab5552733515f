#pragma once
// VornWindow: the base window of every control and panel. Keeps its own copy of the
// geometry it was given, routes painting to OnDraw, never lets the toolkit erase the
// background, and re-sends key presses as VornWindowKeyEvents that climb to the parents.
#include <string>

#include <wx/event.h>
#include <wx/tooltip.h>
#include <wx/window.h>

#include <vorn/util/color.h>

namespace vorn {

// A key pressed (VORN_EVT_KEY_DOWN, 22000) or released (VORN_EVT_KEY_UP, 22001) in a
// library window. A command event, so it reaches the parents until one handles it.
class VornWindowKeyEvent : public wxCommandEvent {
public:
    explicit VornWindowKeyEvent(wxEventType type = wxEVT_NULL);
    VornWindowKeyEvent(const VornWindowKeyEvent&) = default;
    ~VornWindowKeyEvent() override;
    wxEvent* Clone() const override { return new VornWindowKeyEvent(*this); }

    bool m_altDown = false;
    bool m_controlDown = false;
    long m_keyCode = 0;
    bool m_metaDown = false;
    bool m_shiftDown = false;
    long m_x = 0;
    long m_y = 0;
};

extern const wxEventTypeTag<VornWindowKeyEvent> VORN_EVT_KEY_DOWN; // 22000
extern const wxEventTypeTag<VornWindowKeyEvent> VORN_EVT_KEY_UP;   // 22001

typedef void (wxEvtHandler::*VornWindowKeyEventFunction)(VornWindowKeyEvent&);
#define VornWindowKeyEventHandler(func) wxEVENT_HANDLER_CAST(VornWindowKeyEventFunction, func)
#define EVT_VORN_KEY_DOWN(func) wx__DECLARE_EVT0(VORN_EVT_KEY_DOWN, VornWindowKeyEventHandler(func))
#define EVT_VORN_KEY_UP(func) wx__DECLARE_EVT0(VORN_EVT_KEY_UP, VornWindowKeyEventHandler(func))

class VornWindow : public wxWindow {
public:
    VornWindow();
    VornWindow(int x, int y, wxWindow* parent, int id, long style = 0);
    VornWindow(int x, int y, int w, int h, wxWindow* parent, int id, long style = 0);
    ~VornWindow() override;

    virtual bool Create(int x, int y, int w, int h, wxWindow* parent, int id, long style = 0);
    virtual bool Create(int x, int y, wxWindow* parent, int id, long style = 0);

    unsigned int GetId() const { return static_cast<unsigned int>(wxWindow::GetId()); }

    // Geometry as last set through this class (the toolkit may have changed it since).
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    int GetPosX() const { return m_x; }
    int GetPosY() const { return m_y; }
    void GetSize(int& w, int& h) const;
    void GetPosition(int& x, int& y) const;
    void GetWindowPos(int& x, int& y, int& w, int& h) const;
    void SetSize(int w, int h);
    void SetPosition(int x, int y);
    void SetWindowPos(int x, int y, int w, int h);
    using wxWindow::GetPosition;
    using wxWindow::GetSize;
    using wxWindow::SetPosition;
    using wxWindow::SetSize;

    // The visible flag changes only through these, not when the toolkit shows a window.
    bool Show(bool show) override;
    bool Show();
    bool Hide();
    bool IsVisible() const { return m_visible; }

    // Captures do not nest: a second capture while captive does nothing.
    virtual void CaptureMouse();
    virtual void ReleaseMouse();
    bool IsMouseCaptive() const { return m_mouseCaptive; }

    // Does nothing: a caller's Clear never erases the window.
    virtual void Clear() {}

    // The foreground colour is for subclasses' drawing; the toolkit never sees it.
    void SetFgColour(const wxColour& colour) { m_fgColour = colour; }
    void SetFgColour(const Color& colour);
    wxColour GetFgColour() const { return m_fgColour; }
    void SetBgColour(const wxString& name);
    void SetBgColour(const wxColour& colour);
    void SetBgColour(const Color& colour);
    wxColour GetBgColour();

    // One tooltip per window: later calls change its text.
    void SetToolTip(const char* text);
    void SetToolTip(const std::string& text);
    using wxWindow::SetToolTip;

    virtual void OnDraw(wxDC* dc);

    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void OnVornKeyUp(wxKeyEvent& event);
    void OnVornKeyDown(wxKeyEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

protected:
    virtual void OnShow() {}
    virtual void OnHide() {}

    wxColour m_fgColour;
    wxColour m_bgColour;
    int m_width = -1;
    int m_height = -1;
    int m_x = 0;
    int m_y = 0;
    bool m_mouseCaptive = false;
    bool m_visible = false;
    wxToolTip* m_toolTip = nullptr;

private:
    void ResetFlags();
    bool CreateToolkitWindow(int x, int y, int w, int h, wxWindow* parent, int id, long style);
    wxColour InheritedBackground() const;
    void SendKeyEvent(wxEventType type, const wxKeyEvent& key);

    wxDECLARE_EVENT_TABLE();
};

} // namespace vorn
