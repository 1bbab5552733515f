#pragma once
// Full-turn direction dials reporting the fraction of a turn from a zero direction
// through a value control group (see AngleDialModel for the arithmetic).
//   VornAngleControl   the knob follows the pointer around the centre; a plain square knob
//   VornAngleControlB  the same dial drawn with the imaging layer: stem, circle, pointer
#include <memory>

#include <vorn/controls/angle_model.h>
#include <vorn/framework/value_control.h>
#include <vorn/util/color.h>
#include <vorn/util/filter.h>

namespace vorn {

/// A direction dial whose knob follows the pointer around the centre; a plain square knob.
class VornAngleControl : public VornValueControl {
public:
    /// No window yet: Create must follow.
    VornAngleControl();
    /// A dial about (cx, cy) whose knob moves on the given radius.
    VornAngleControl(int cx, int cy, int radius, int x, int y, int w, int h, wxWindow* parent, int id,
                     VornControlGroupValue* group, long style = 0);
    /// The window has the control base's default size.
    VornAngleControl(int cx, int cy, int radius, int x, int y, wxWindow* parent, int id,
                     VornControlGroupValue* group, long style = 0);
    /// Makes the window of a default-constructed dial (same arguments as the constructor).
    virtual bool Create(int cx, int cy, int radius, int x, int y, int w, int h, wxWindow* parent, int id,
                        VornControlGroupValue* group, long style = 0);
    using VornControl::Create;

    /// Points the dial at the fraction f of a turn from the zero direction; with notify,
    /// sends ControlDrag and a RealValChanging hint.
    void SetValue(float f, bool notify);
    /// The fraction of a turn from the zero direction.
    double GetValue() const { return m_model.GetValue(); }
    /// Stores the zero direction (degrees) and points the dial at it.
    void SetZeroVal(double degrees);
    /// The zero direction in degrees.
    double GetZeroVal() const { return m_model.GetZero(); }
    /// Kept for the host; the dial itself always turns counter-clockwise.
    void SetClockwiseVal(bool clockwise) { m_clockwise = clockwise; }
    /// The flag SetClockwiseVal stored.
    bool GetClockwiseVal() const { return m_clockwise; }
    /// The knob point, in client coordinates.
    void GetCurPosition(int& x, int& y) const;

    /// The dial arithmetic, for hosts and tests.
    const AngleDialModel& GetModel() const { return m_model; }

    /// Draws the knob as a blue square, only when something changed since the last draw.
    void OnDraw(wxDC* dc) override;

protected:
    /// The centre, in client coordinates.
    void GetCentre(int& x, int& y) const;

    /// The fraction of a turn the notifications carry.
    double GetReportedValue() const override { return m_model.GetValue(); }
    /// A drag starts from the dial's own direction.
    void OnDragBegin(int, int) override { m_model.Press(); }
    /// Finer with the meta key; a pointer exactly on the centre has no direction: that
    /// step is ignored.
    bool OnDragStep(int x, int y) override;
    /// A paint event means the toolkit lost what was drawn there: the dial is drawn anew.
    void OnDialPaint(wxPaintEvent& event);

    AngleDialModel m_model; ///< The dial angle and drag state.
    bool m_clockwise = false; ///< Stored for the host only; the dial ignores it.

private:
    /// The setup every constructor and Create share once the window exists.
    void Setup(int cx, int cy, int radius);

    wxDECLARE_EVENT_TABLE();
};

/// The direction dial drawn with the imaging layer: a stem, a circle and a pointer.
class VornAngleControlB : public VornAngleControl {
public:
    /// No window yet: Create must follow.
    VornAngleControlB();
    /// The dial sits at the right end of the control, its radius half the height; a stem
    /// runs in from the left edge.
    VornAngleControlB(ColorA line, ColorA background, int x, int y, int w, int h, wxWindow* parent, int id,
                      VornControlGroupValue* group, long style = 0);
    /// Releases the kept faces.
    ~VornAngleControlB() override;
    /// Makes the window of a default-constructed dial (same arguments as the constructor).
    virtual bool Create(ColorA line, ColorA background, int x, int y, int w, int h, wxWindow* parent, int id,
                        VornControlGroupValue* group, long style = 0);
    using VornAngleControl::Create;

    /// The face without the pointer, then the part the pointer crosses.
    void OnDraw(wxDC* dc) override;

private:
    struct Face;
    /// Draws the whole face, with the pointer to `knob` or without one.
    void Paint(Filter& target, const DialPoint* knob) const;

    ColorA m_line;
    ColorA m_background;
    int m_halfHeight = 0;
    std::unique_ptr<Face> m_face;
};

} // namespace vorn
