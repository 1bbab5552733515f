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
#include <vorn/framework/window.h>

namespace vorn {

class VornControlGroup;
class VornControlHint;

class VornControl : public VornWindow {
public:
    VornControl();
    VornControl(int x, int y, wxWindow* parent, int id, VornControlGroup* group, long style = 0);
    VornControl(int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroup* group, long style = 0);
    ~VornControl() override;

    void OnDraw(wxDC* dc) override;

    virtual bool Create(int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroup* group,
                        long style = 0);
    virtual bool Create(int x, int y, wxWindow* parent, int id, VornControlGroup* group, long style = 0);
    using VornWindow::Create;
    virtual void Reset() {}
    virtual void SetEnabled(bool enabled);
    virtual bool GetEnabled() const { return m_enabled; }

protected:
    virtual void OnEnable(bool) {}

public:
    // The group passes an update on to this control.
    virtual void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint);
    virtual unsigned int GetId() const { return VornWindow::GetId(); }
    // Subclasses recompute their drawn state, then call this to clear the dirty flag.
    virtual void RecalcState() { m_dirty = false; }

private:
    virtual void SetMouseOver(bool over);
    virtual void SetMouseDownLeft(bool down);
    virtual void SetMouseDownRight(bool down);
    virtual void SetLastMousePos(int x, int y);
    virtual void SetLastDownPos(int x, int y);

protected:
    virtual void OnMouseMove(int x, int y);
    virtual void OnMouseOver();
    virtual void OnMouseDownLeft();
    virtual void OnMouseDownRight();
    virtual void OnMouseButton();
    virtual void OnMouseEntering() {}
    virtual void OnMouseLeaving() {}

public:
    virtual bool GetMouseDownLeft() const { return m_mouseDownLeft; }
    virtual bool GetMouseDownRight() const { return m_mouseDownRight; }
    virtual bool GetMouseDown() const { return m_mouseDownLeft || m_mouseDownRight; }
    virtual bool GetMouseOver() const { return m_mouseOver; }
    virtual bool GetMetaA() const { return m_metaA; }
    virtual bool GetMetaB() const { return m_metaB; }
    virtual bool GetMetaKey() const { return m_metaA || m_metaB; }
    virtual void GetLastMousePos(int& x, int& y);
    virtual void GetLastDownPos(int& x, int& y);

    bool IsDirty() const { return m_dirty; }
    void SetDirty() { m_dirty = true; }
    VornControlGroup* GetGroup() const { return m_group; }
    // Store the group and register with it under this window's id; an earlier group
    // is not left. A null group is only stored.
    void SetGroup(VornControlGroup* group);
    void Bind(VornControlGroup* group);
    using wxEvtHandler::Bind;

    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnRightDown(wxMouseEvent& event);
    void OnRightUp(wxMouseEvent& event);
    void OnLeaving(wxMouseEvent& event);
    void OnEntering(wxMouseEvent& event);
    void OnMouseMoveHdlr(wxMouseEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void OnVornHintArrive(VornHintEvent& event);

protected:
    void SetDirty(bool dirty) { m_dirty = dirty; }
    void ClearDirty() { m_dirty = false; }

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
    void RegisterWithGroup(VornControlGroup* group, int id);
    // Every change of the group pointer goes through here, so the group knows who names it.
    void StoreGroup(VornControlGroup* group);
    void StoreMetas(const wxMouseEvent& event);
    void ButtonEvent(const wxMouseEvent& event, bool right, bool down);

    wxDECLARE_EVENT_TABLE();
};

} // namespace vorn
