#pragma once
// VornRingButton: a bracket-shaped radio button that the user moves sideways or stretches
// at either end inside its parent. The press chooses it; where the press lands decides the
// drag:
//   x < 6            left drag: the left edge follows the pointer, the right edge stays
//   x > width - 6    right drag: the right edge follows the pointer
//   otherwise        move drag: the whole ring slides as a moon button does, reporting
//                    ControlDrag to the value group at every step
// An edge drag never makes the ring 12 pixels wide or less; at that limit the whole ring
// moves instead.
#include <wx/bitmap.h>

#include <vorn/controls/button_drag.h>

namespace vorn {

// A moon button underneath: the press (capture, choice, grab spot) and the move drag are
// the moon's own, so the two slide alike.
/// A bracket-shaped radio button that can be moved and stretched sideways.
class VornRingButton : public VornMoonButton {
public:
    /// The narrowest a ring gets by stretching: its width stays above this.
    static constexpr int kMinWidth = 12;
    /// The width of the grips at either end, in pixels.
    static constexpr int kGripWidth = 6;

    /// No window yet: Create must follow.
    VornRingButton() = default;
    /// A w x h ring at (x, y) in the value 1-of-N group, drawn in the three colours.
    VornRingButton(const wxColour& background, const wxColour& line, const wxColour& fill, int x, int y, int w,
                   int h, wxWindow* parent, int id, VornValueControlGroup1ofN* group, long style = 0);

    using VornMoonButton::Create;
    /// Makes the window (no images: the ring draws itself) and the cap images.
    virtual bool Create(const wxColour& background, const wxColour& line, const wxColour& fill, int x, int y, int w,
                        int h, wxWindow* parent, int id, VornValueControlGroup1ofN* group, long style = 0);

    /// Which drag the press started.
    enum class Drag { None, Left, Right, Move };
    /// The drag under way.
    Drag GetDrag() const { return m_drag; }

    /// Draws the bracket through the back buffer; filled while on.
    void OnDraw(wxDC* dc) override;

protected:
    /// The press chooses the ring and picks the drag; the release ends it.
    void OnMouseButton() override;
    /// Moves or stretches the ring by the drag under way.
    void OnMouseMove(int x, int y) override;

private:
    void OnMoveLeft(int x, int y);
    void OnMoveRight(int x, int y);
    void OnMoveRing(int x, int y);
    int ParentWidth() const;
    void Reshaped();

    wxBitmap m_leftCap;
    wxBitmap m_rightCap;
    wxBitmap m_buffer;
    int m_bufferOn = -1; // the on state the buffer shows; -1: not drawn yet
    wxColour m_background;
    wxColour m_line;
    wxColour m_fill;
    Drag m_drag = Drag::None;
    int m_lastX = 0;
};

} // namespace vorn
