#pragma once
// Buttons that move while dragged.
//   VornMoonButton   a radio button, chosen on the press, that slides sideways inside
//                    its parent (clamped to the parent's width) and reports ControlDrag
//   VornSizerButton  a grip that resizes its parent by the pointer's movement and jumps
//                    to the parent's lower-right corner on release
// Both hold the mouse capture from press to release.
#include <vorn/controls/button.h>

namespace vorn {

class VornMoonButton : public VornRadioButton {
public:
    VornMoonButton() = default;
    VornMoonButton(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                   VornValueControlGroup1ofN* group, long style = 0);
    VornMoonButton(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                   VornValueControlGroup1ofN* group, long style = 0);

    virtual bool Create(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                        VornValueControlGroup1ofN* group, long style = 0);
    virtual bool Create(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                        VornValueControlGroup1ofN* group, long style = 0);

    VornValueControlGroup1ofN* GetValueGroup() const { return m_valueGroup; }

    // The x a drag to parent-client x `wanted` ends at: 0 .. parent width - button width.
    static int ClampToParent(int wanted, int parentWidth, int buttonWidth);

protected:
    void OnMouseButton() override;
    void OnMouseMove(int mx, int my) override;

private:
    // Screen position of this button's (0, 0), from the geometry last set: the toolkit
    // may not have moved the native window yet.
    wxPoint ScreenOrigin() const;
    void InitMoon(VornValueControlGroup1ofN* group);

    int m_anchorX = 0;
    int m_anchorY = 0;
    int m_grabX = 0;
    VornValueControlGroup1ofN* m_valueGroup = nullptr;
};

class VornSizerButton : public VornButton {
public:
    using VornButton::VornButton;
    bool Create(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                VornControlGroup* group, long style = 0) override;
    bool Create(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id, VornControlGroup* group,
                long style = 0) override;

    bool IsDragging() const { return m_dragging != 0; }

protected:
    void OnMouseButton() override;
    void OnMouseMove(int mx, int my) override;

private:
    // Client coordinates of the pointer at the previous step of the drag.
    int m_dragLastX = 0;
    int m_dragLastY = 0;
    int m_dragging = 0;
};

} // namespace vorn
