#pragma once
// Buttons that move while dragged.
//   VornMoonButton   a radio button, chosen on the press, that slides sideways inside
//                    its parent (clamped to the parent's width) and reports ControlDrag
//   VornSizerButton  a grip that resizes its parent by the pointer's movement and jumps
//                    to the parent's lower-right corner on release
// Both hold the mouse capture from press to release.
#include <vorn/controls/button.h>

namespace vorn {

/// A radio button that slides sideways inside its parent while held.
class VornMoonButton : public VornRadioButton {
public:
    /// No window yet: Create must follow.
    VornMoonButton() = default;
    /// A moon of the given size in the value 1-of-N group.
    VornMoonButton(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                   VornValueControlGroup1ofN* group, long style = 0);
    /// A moon of the size of the set's images in the group.
    VornMoonButton(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                   VornValueControlGroup1ofN* group, long style = 0);

    /// Makes the window of a default-constructed moon (same arguments as the constructor).
    virtual bool Create(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                        VornValueControlGroup1ofN* group, long style = 0);
    /// The same, at the size of the set's images.
    virtual bool Create(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                        VornValueControlGroup1ofN* group, long style = 0);

    /// The value group drags are reported to, or null.
    VornValueControlGroup1ofN* GetValueGroup() const { return dynamic_cast<VornValueControlGroup1ofN*>(m_group); }

    /// The x a drag to parent-client x `wanted` ends at: 0 .. parent width - button width.
    static int ClampToParent(int wanted, int parentWidth, int buttonWidth);

protected:
    /// The press chooses and grabs the moon; the release lets it go.
    void OnMouseButton() override;
    /// Follows the pointer sideways and reports ControlDrag.
    void OnMouseMove(int mx, int my) override;

private:
    /// Screen position of this button's (0, 0), from the geometry last set: the toolkit
    /// may not have moved the native window yet.
    wxPoint ScreenOrigin() const;
    void InitMoon();

    int m_anchorX = 0;
    int m_anchorY = 0;
    int m_grabX = 0;
};

/// A grip that resizes its parent while dragged.
class VornSizerButton : public VornButton {
public:
    using VornButton::VornButton;
    /// Makes the window (as VornButton::Create) and clears the drag.
    bool Create(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                VornControlGroup* group, long style = 0) override;
    /// The same, at the size of the set's images.
    bool Create(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id, VornControlGroup* group,
                long style = 0) override;

    /// True between the press and the release.
    bool IsDragging() const { return m_dragging != 0; }

protected:
    /// The press starts the drag; the release puts the grip in the corner.
    void OnMouseButton() override;
    /// Resizes the parent by the pointer's step.
    void OnMouseMove(int mx, int my) override;

private:
    // Client coordinates of the pointer at the previous step of the drag.
    int m_dragLastX = 0;
    int m_dragLastY = 0;
    int m_dragging = 0;
};

} // namespace vorn
