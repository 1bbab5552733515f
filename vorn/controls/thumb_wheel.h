#pragma once
// VornThumbWheelControl: an unbounded value dial drawn as a wheel seen edge-on. Dragging
// along it scrolls a ridge texture under a mask and changes a float value in proportion
// to its size at the press (see ThumbWheelModel); it reports through a value group.
#include <wx/dc.h>

#include <vorn/framework/value_drag.h>
#include <vorn/controls/thumb_wheel_model.h>
#include <vorn/framework/control.h>
#include <vorn/framework/control_group.h>
#include <vorn/util/bitmap.h>

namespace vorn {

class VornThumbWheelControl : public VornControl {
public:
    VornThumbWheelControl();
    // The window takes the frame's size; the mask's size is that of the texture window.
    // period is the texture's wrap length in pixels and must be positive.
    VornThumbWheelControl(const BitmapA* frame, const BitmapA* texture, const BitmapA* mask, int x, int y,
                          bool vertical, int period, wxWindow* parent, int id, VornControlGroupValue* group,
                          long style = 0);
    virtual bool Create(const BitmapA* frame, const BitmapA* texture, const BitmapA* mask, int x, int y,
                        bool vertical, int period, wxWindow* parent, int id, VornControlGroupValue* group,
                        long style = 0);

    void SetMinValue(float v) { m_model.min = v; }
    void SetMaxValue(float v) { m_model.max = v; }
    // The next press replaces the step with one of its own.
    void SetStepAmount(float v) { m_model.step = v; }
    // Without clamping, notification or repaint.
    void SetCurrentValue(float v) { m_model.value = v; }
    float GetCurrentValue() const { return m_model.value; }

    // The drag arithmetic, for hosts that show the offset and for tests.
    const ThumbWheelModel& GetModel() const { return m_model; }
    bool IsDragging() const { return m_drag.IsActive(); }

    void OnDraw(wxDC* dc) override;

protected:
    VornControlGroupValue* GetGroup() const { return m_valueGroup; }
    // One drag step to pointer coordinate c.
    void SetValue(int coordinate);

    void OnMouseMove(int x, int y) override;
    void OnMouseButton() override;
    // Disabled mid-drag, the wheel ends the drag as a release would.
    void OnEnable(bool enabled) override;

private:
    void Setup(const BitmapA* frame, const BitmapA* texture, const BitmapA* mask, bool vertical, int period,
               VornControlGroupValue* group);
    void EndDrag();

    const BitmapA* m_frame = nullptr;
    const BitmapA* m_texture = nullptr;
    const BitmapA* m_mask = nullptr;
    ThumbWheelModel m_model;
    VornControlGroupValue* m_valueGroup = nullptr;
    ValueDrag m_drag;
};

} // namespace vorn
