#pragma once
// VornThumbWheelControl: an unbounded value dial drawn as a wheel seen edge-on. Dragging
// along it scrolls a ridge texture under a mask and changes a float value in proportion
// to its size at the press (see ThumbWheelModel); it reports through a value group.
// Each texture position is drawn once from the images and kept, so a drag step copies a
// bitmap: the images are read when a position is first shown.
#include <memory>

#include <wx/dc.h>

#include <vorn/controls/thumb_wheel_model.h>
#include <vorn/framework/value_control.h>
#include <vorn/util/bitmap.h>

namespace vorn {

namespace detail {
class StripFace;
}

/// A thumb wheel: a float value changed by dragging along a scrolling ridge texture.
class VornThumbWheelControl : public VornValueControl {
public:
    /// No window yet: Create must follow.
    VornThumbWheelControl();
    /// The window takes the frame's size; the mask's size is that of the texture window.
    /// period is the texture's wrap length in pixels and must be positive.
    VornThumbWheelControl(const BitmapA* frame, const BitmapA* texture, const BitmapA* mask, int x, int y,
                          bool vertical, int period, wxWindow* parent, int id, VornControlGroupValue* group,
                          long style = 0);
    /// Releases the kept faces.
    ~VornThumbWheelControl() override;
    /// Makes the window of a default-constructed wheel (same arguments as the constructor).
    virtual bool Create(const BitmapA* frame, const BitmapA* texture, const BitmapA* mask, int x, int y,
                        bool vertical, int period, wxWindow* parent, int id, VornControlGroupValue* group,
                        long style = 0);
    using VornControl::Create;

    /// The lower clamp of drags.
    void SetMinValue(float v) { m_model.SetMin(v); }
    /// The upper clamp of drags.
    void SetMaxValue(float v) { m_model.SetMax(v); }
    /// The value change per pixel; the next press replaces the step with one of its own.
    void SetStepAmount(float v) { m_model.SetStep(v); }
    /// Sets the value without clamping, notification or repaint.
    void SetCurrentValue(float v) { m_model.SetValue(v); }
    /// The value.
    float GetCurrentValue() const { return m_model.GetValue(); }

    /// The drag arithmetic, for hosts that show the offset and for tests.
    const ThumbWheelModel& GetModel() const { return m_model; }

    /// The texture window through the mask over black, the frame over it.
    void OnDraw(wxDC* dc) override;

protected:
    /// The value the notifications carry.
    double GetReportedValue() const override { return m_model.GetValue(); }
    /// The press fixes the step from the value.
    void OnDragBegin(int x, int y) override { m_model.Press(m_model.IsVertical() ? y : x); }
    /// One step along the wheel; every step reports.
    bool OnDragStep(int x, int y) override;
    /// Values close to zero snap to zero.
    void OnDragEnd() override { m_model.Release(); }

private:
    ThumbWheelModel m_model;
    // Shared with the wheels of the same images, way and period: a tree of a thousand
    // wheel rows composes each texture position once.
    std::shared_ptr<detail::StripFace> m_face;
};

} // namespace vorn
