#pragma once
// Range controls: zoom-and-scroll bars that report through three hooks instead of a group.
//   VornRangeControl      a thumb dragged along a horizontal track (the slider value) and
//                         stretched from handles at either end (the zoom value)
//   VornVertRangeControl  the same along a vertical track (see RangeControlModel, RangeAxes)
//   RangeControl          a plain bar between two margins in the window's colours
// The face is the host's background bitmap with the thumb, its handles and the middle mark
// drawn over it in a working bitmap, copied to the window in one blit.
#include <memory>

#include <wx/bitmap.h>

#include <vorn/controls/range_control_model.h>
#include <vorn/framework/control.h>
#include <vorn/util/color.h>

namespace vorn {

/// A horizontal zoom-and-scroll bar: a thumb that is dragged and stretched from its handles.
class VornRangeControl : public VornControl {
public:
    /// Handle images are made at the first draw (MakeBlitImages).
    VornRangeControl();
    /// The thumb's colours, the handles' size (width along the track, height standing out
    /// above the band), the track's ends and the band's rows; `background` (not owned, may be
    /// null: the background colour) is drawn first and gives the face its size. The window
    /// itself is made with VornControl::Create.
    VornRangeControl(const Color& outline, const Color& fill, int handleWidth, int handleHeight, int trackLeft,
                     int bandTop, int trackRight, int bandBottom, const wxBitmap* background);
    /// Releases the handle and working images.
    ~VornRangeControl() override;
    using VornControl::Create;

    /// Where the thumb lies in the room the track leaves it, 0..1.
    double GetSliderValue() const { return m_model.GetSliderValue(); }
    /// The thumb's share of the track, 0..1.
    double GetZoomValue() const { return m_model.GetZoomValue(); }
    /// Stores s (not clamped; a value that is no finite number is ignored); with notify,
    /// OnSliderValueChanged then OnRangeChanged.
    void SetSliderValue(double s, bool notify);
    /// Sets the zoom keeping the thumb's centre; with notify, OnZoomValueChanged then
    /// OnRangeChanged.
    void SetZoomValue(double z, bool notify);
    /// The arithmetic, for hosts that lay out around the thumb and for tests.
    const RangeControlModel& GetModel() const { return m_model; }
    /// How client pixels map to the model's axes.
    const RangeAxes& GetAxes() const { return m_axes; }

    /// The slider value changed by the user or a notifying set; does nothing here.
    virtual void OnSliderValueChanged() {}
    /// The zoom value changed by the user or a notifying set; does nothing here.
    virtual void OnZoomValueChanged() {}
    /// After either of the above; does nothing here.
    virtual void OnRangeChanged() {}

    /// Background, thumb, handles and middle mark, through the working bitmap.
    void OnDraw(wxDC* dc) override;

protected:
    /// The vertical control: the same fields with the axes given.
    VornRangeControl(const RangeAxes& axes, const Color& outline, const Color& fill, const RangeGeometry& geometry,
                     const wxBitmap* background);

    /// Makes the two handle images and the working bitmap (kept until the control dies).
    void MakeBlitImages();
    /// A button down begins the drag of the part under the pointer; none down ends it.
    void OnMouseButton() override;
    /// One drag step, redrawn at once, then the hooks.
    void OnMouseMove(int x, int y) override;

    Color m_outline; ///< Thumb and handle outline.
    Color m_fill;    ///< Thumb and handle fill.
    /// The middle mark's highlight (pink).
    Color m_markLight = Color(1.0, 0.5, 0.5);
    /// The middle mark and the handles' arrows (red).
    Color m_mark = Color(0.9529411764705882, 0.13725490196078433, 0.16862745098039217);
    const wxBitmap* m_background = nullptr; ///< Drawn first; not owned.
    RangeControlModel m_model; ///< Values and drags.
    RangeAxes m_axes;          ///< Client pixels to the model's axes.

private:
    struct Images;
    /// With notify, `hook` then OnRangeChanged; then a repaint.
    void AfterSet(bool notify, void (VornRangeControl::*hook)());
    void Redraw();
    std::unique_ptr<Images> m_images;
};

/// The range control along a vertical track: every rule of VornRangeControl with x and y
/// exchanged. The handles stand out left of the band and sit at the thumb's two ends.
class VornVertRangeControl : public VornRangeControl {
public:
    /// Top-down, no geometry yet.
    VornVertRangeControl();
    /// The arguments of VornRangeControl with x and y exchanged (handle width runs along the
    /// track, handle height stands out left of the band). With `bottomUp` the track runs from
    /// its bottom end: slider value 0 puts the thumb at the bottom, and the low handle (the
    /// one whose drag keeps the thumb's top end) is the lower one; otherwise top to bottom.
    VornVertRangeControl(const Color& outline, const Color& fill, int handleWidth, int handleHeight, int trackTop,
                         int bandLeft, int trackBottom, int bandRight, const wxBitmap* background, bool bottomUp);
    /// True when the track runs from its bottom end.
    bool IsBottomUp() const { return m_axes.IsReversed(); }
};

/// A plain bar in the window's foreground colour over its background colour, from the left
/// space to the right space, in the lower half of the window.
class RangeControl : public VornControl {
public:
    /// No window yet: Create must follow.
    RangeControl();
    /// A bar control of the given geometry.
    RangeControl(int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroup* group, long style = 0);
    using VornControl::Create;

    /// The margins left and right of the bar, in pixels.
    void SetSpace(int left, int right);
    /// Stored for the host; the bar is always drawn half the window's height.
    void SetBarHeight(int height) { m_barHeight = height; }
    /// The left margin.
    int GetLeftSpace() const { return m_leftSpace; }
    /// The right margin.
    int GetRightSpace() const { return m_rightSpace; }
    /// The stored bar height.
    int GetBarHeight() const { return m_barHeight; }

    /// Background over the whole window, then the bar.
    void OnDraw(wxDC* dc) override;

private:
    int m_leftSpace = 0;
    int m_rightSpace = 0;
    int m_barHeight = 0;
};

} // namespace vorn
