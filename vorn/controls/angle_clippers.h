#pragma once
// VornAngleClippers: a quarter-turn opening angle, drawn as two blades mirrored about a
// horizontal axis and opened by dragging downward (see AngleClippersModel). Reports the
// opening 0..1 through a value control group.
#include <memory>

#include <vorn/controls/angle_model.h>
#include <vorn/framework/value_control.h>
#include <vorn/util/color.h>
#include <vorn/util/filter.h>

namespace vorn {

/// Two blades opened by a vertical drag: a quarter-turn opening 0..1.
class VornAngleClippers : public VornValueControl {
public:
    /// No window yet: Create must follow.
    VornAngleClippers();
    /// range: pixels of drag from closed to fully open (ten times that with the meta key).
    VornAngleClippers(ColorA background, ColorA line, ColorA second, int range, int x, int y, int w, int h,
                      wxWindow* parent, int id, VornControlGroupValue* group, long style = 0);
    /// Releases the kept faces.
    ~VornAngleClippers() override;
    /// Makes the window of default-constructed clippers (same arguments as the constructor).
    virtual bool Create(ColorA background, ColorA line, ColorA second, int range, int x, int y, int w, int h,
                        wxWindow* parent, int id, VornControlGroupValue* group, long style = 0);
    using VornControl::Create;

    /// Clamps v to 0..1; with notify, and when the drag position moved, sends ControlDrag
    /// and a RealValChanging hint.
    void SetValue(double v, bool notify);
    /// The opening, 0 closed .. 1 open.
    double GetValue() const { return m_model.GetValue(); }

    /// The opening's arithmetic, for hosts and tests.
    const AngleClippersModel& GetModel() const { return m_model; }

    /// The axis and the vertical line, the blades, and the arcs split at the blades.
    void OnDraw(wxDC* dc) override;

protected:
    /// The opening the notifications carry.
    double GetReportedValue() const override { return m_model.GetValue(); }
    /// A drag measures from the press's y.
    void OnDragBegin(int, int y) override { m_model.Grab(y); }
    /// One vertical drag step; true when the opening moved.
    bool OnDragStep(int x, int y) override;

private:
    struct Face;
    /// Draws the whole face with the upper blade ending at `outer`.
    void Paint(Filter& target, DialPoint outer) const;

    ColorA m_line;
    ColorA m_background;
    ColorA m_second;
    AngleClippersModel m_model;
    std::unique_ptr<Face> m_face;
};

} // namespace vorn
