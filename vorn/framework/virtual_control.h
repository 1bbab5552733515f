#pragma once
// Windowless windows and controls: plain objects drawn inside a real host window, which
// feeds them its mouse events. A group can hold them next to real controls.
#include <wx/colour.h>
#include <wx/gdicmn.h>
#include <wx/object.h>

class wxDC;
class wxWindow;

namespace vorn {

class VornControl;
class VornControlGroup;
class VornControlHint;

class VirtualWindow {
public:
    VirtualWindow() = default;
    VirtualWindow(int x, int y, int w, int h, int arg, wxWindow* host, int id);
    VirtualWindow(int x, int y, int arg, wxWindow* host, int id);
    VirtualWindow(const VirtualWindow&) = delete;
    VirtualWindow& operator=(const VirtualWindow&) = delete;
    virtual ~VirtualWindow();

    // An id of -1 takes a fresh id from the toolkit's pool, as a real window would.
    virtual bool Create(int x, int y, int w, int h, int arg, wxWindow* host, int id);
    // Without a size the window is 10 x 10.
    virtual bool Create(int x, int y, int arg, wxWindow* host, int id);
    // Deletes the attached object.
    virtual void ReleaseAttached();

protected:
    virtual void OnShow() {}
    virtual void OnHide() {}

public:
    virtual void OnDraw(wxDC* dc);
    // Refreshes the whole host window, background included, whatever the argument.
    virtual void Refresh(bool eraseBackground = true);

    void Show(bool show);
    bool IsVisible() const { return m_visible; }
    // The captive flag only: the host window owns the real pointer capture.
    void CaptureMouse() { m_mouseCaptive = true; }
    void ReleaseMouse() { m_mouseCaptive = false; }
    bool IsMouseCaptive() const { return m_mouseCaptive; }

    int GetId() const { return m_id; }
    int GetArg() const { return m_arg; }
    wxWindow* GetHost() const { return m_host; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    int GetPosX() const { return m_x; }
    int GetPosY() const { return m_y; }
    wxSize GetClientSize() const { return wxSize(m_width, m_height); }
    void SetPosition(int x, int y);
    void SetSize(int w, int h);
    // True when the host-window point lies inside this window.
    bool Contains(int x, int y) const;

    void SetFgColour(const wxColour& colour) { m_fgColour = colour; }
    wxColour GetFgColour() const { return m_fgColour; }
    void SetBgColour(const wxColour& colour) { m_bgColour = colour; }
    wxColour GetBgColour() const { return m_bgColour; }

    // The window owns what is attached and deletes it on release or destruction.
    void SetAttached(wxObject* object);
    wxObject* GetAttached() const { return m_attached; }

protected:
    int m_id = -1;
    int m_arg = 0;
    wxWindow* m_host = nullptr;
    wxColour m_fgColour;
    wxColour m_bgColour;
    int m_width = 10;
    int m_height = 10;
    int m_x = 0;
    int m_y = 0;
    bool m_mouseCaptive = false;
    bool m_visible = false;
    wxObject* m_attached = nullptr;

private:
    void TakeId(int id);
    bool m_reservedId = false;
};

class VirtualControl : public VirtualWindow {
public:
    VirtualControl() = default;
    VirtualControl(int x, int y, int w, int h, int arg, wxWindow* host, int id, VornControlGroup* group);
    VirtualControl(int x, int y, int arg, wxWindow* host, int id, VornControlGroup* group);
    ~VirtualControl() override;

    using VirtualWindow::Create;
    virtual bool Create(int x, int y, int w, int h, int arg, wxWindow* host, int id, VornControlGroup* group);
    virtual bool Create(int x, int y, int arg, wxWindow* host, int id, VornControlGroup* group);
    virtual void Reset() {}
    virtual void SetEnabled(bool enabled);

protected:
    virtual void OnEnable(bool) {}

public:
    virtual void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint);
    virtual void RecalcState() { m_dirty = false; }
    // Fed by the host window; each runs its hooks only on a change.
    virtual void SetMouseOver(bool over);
    virtual void SetMouseDownLeft(bool down);
    virtual void SetMouseDownRight(bool down);
    virtual void SetLastMousePos(int x, int y);
    virtual void SetLastDownPos(int x, int y);

protected:
    virtual void OnMouseMove(int, int) {}
    virtual void OnMouseOver() { Refresh(false); }
    virtual void OnMouseDownLeft() { Refresh(false); }
    virtual void OnMouseDownRight() { Refresh(false); }
    virtual void OnMouseButton() { Refresh(false); }

public:
    virtual bool GetEnabled() const { return m_enabled; }
    virtual bool GetMouseDownLeft() const { return m_mouseDownLeft; }
    virtual bool GetMouseDownRight() const { return m_mouseDownRight; }
    virtual bool GetMouseDown() const { return m_mouseDownLeft || m_mouseDownRight; }
    virtual bool GetMouseOver() const { return m_mouseOver; }
    virtual bool GetMetaA() const { return m_metaA; }
    virtual bool GetMetaB() const { return m_metaB; }
    virtual bool GetMetaKey() const { return m_metaA || m_metaB; }
    virtual void GetLastMousePos(int& x, int& y);
    virtual void GetLastDownPos(int& x, int& y);

    void OnDraw(wxDC* dc) override;

    // The host passes pointer motion and the modifier keys on through these.
    void MouseMove(int x, int y) { OnMouseMove(x, y); }
    void SetMetas(bool metaA, bool metaB);

    bool IsDirty() const { return m_dirty; }
    void SetDirty() { m_dirty = true; }
    VornControlGroup* GetGroup() const { return m_group; }
    // Only stores the group (and lets it know who names it); registration is separate.
    void SetGroup(VornControlGroup* group);

protected:
    VornControlGroup* m_group = nullptr;
    bool m_enabled = true;
    bool m_mouseOver = false;
    bool m_mouseDownLeft = false;
    bool m_mouseDownRight = false;
    bool m_dirty = true;
    int m_lastMouseX = 0;
    int m_lastMouseY = 0;
    int m_lastDownX = 0;
    int m_lastDownY = 0;
    bool m_metaA = false;
    bool m_metaB = false;

private:
    void RegisterWithGroup(VornControlGroup* group);
};

} // namespace vorn
