#pragma once
// VornAngleClippers: a quarter-turn opening angle, drawn as two blades mirrored about a
// horizontal axis and opened by dragging downward (see AngleClippersModel). Reports the
// opening 0..1 through a value control group.
#include <memory>

#include <wx/image.h>

#include <vorn/framework/value_drag.h>
#include <vorn/controls/angle_model.h>
#include <vorn/framework/control.h>
#include <vorn/framework/control_group.h>
#include <vorn/util/color.h>

namespace vorn {

class VornAngleClippers : public VornControl {
public:
    VornAngleClippers();
    // range: pixels of drag from closed to fully open (ten times that with the meta key).
    VornAngleClippers(ColorA background, ColorA line, ColorA second, int range, int x, int y, int w, int h,
                      wxWindow* parent, int id, VornControlGroupValue* group, long style = 0);
    virtual bool Create(ColorA background, ColorA line, ColorA second, int range, int x, int y, int w, int h,
                        wxWindow* parent, int id, VornControlGroupValue* group, long style = 0);
    using VornControl::Create;

    // Clamps v to 0..1; with notify, and when the drag position moved, sends ControlDrag
    // and a RealValChanging hint.
    void SetValue(double v, bool notify);
    double GetValue() const { return m_model.value; }

    const AngleClippersModel& GetModel() const { return m_model; }
    bool IsDragging() const { return m_drag.IsActive(); }

    void OnDraw(wxDC* dc) override;

protected:
    VornControlGroupValue* GetGroup() const { return m_valueGroup; }
    // One drag step to pointer y.
    void SetValue(int y);

    void OnMouseMove(int x, int y) override;
    void OnMouseButton() override;
    // Disabled mid-drag, the clippers end the drag as a release would.
    void OnEnable(bool enabled) override;

private:
    void Setup(ColorA background, ColorA line, ColorA second, int range, int w, int h,
               VornControlGroupValue* group);

    ColorA m_line;
    ColorA m_background;
    ColorA m_second;
    std::unique_ptr<wxImage> m_image; // the drawing buffer, of the window's size
    AngleClippersModel m_model;
    VornControlGroupValue* m_valueGroup = nullptr;
    ValueDrag m_drag;
};

} // namespace vorn
