#pragma once
// Full-turn direction dials reporting the fraction of a turn from a zero direction
// through a value control group (see AngleDialModel for the arithmetic).
//   VornAngleControl   the knob follows the pointer around the centre; a plain square knob
//   VornAngleControlB  the same dial drawn with the imaging layer: stem, circle, pointer
#include <memory>

#include <wx/image.h>

#include <vorn/framework/value_drag.h>
#include <vorn/controls/angle_model.h>
#include <vorn/framework/control.h>
#include <vorn/framework/control_group.h>
#include <vorn/util/color.h>

namespace vorn {

class VornAngleControl : public VornControl {
public:
    VornAngleControl();
    VornAngleControl(int cx, int cy, int radius, int x, int y, int w, int h, wxWindow* parent, int id,
                     VornControlGroupValue* group, long style = 0);
    // The window has the control base's default size.
    VornAngleControl(int cx, int cy, int radius, int x, int y, wxWindow* parent, int id,
                     VornControlGroupValue* group, long style = 0);
    virtual bool Create(int cx, int cy, int radius, int x, int y, int w, int h, wxWindow* parent, int id,
                        VornControlGroupValue* group, long style = 0);
    virtual VornControlGroupValue* GetGroup();

    // Points the dial at the fraction f of a turn from the zero direction; with notify,
    // sends ControlDrag and a RealValChanging hint.
    void SetValue(float f, bool notify);
    double GetValue() const { return m_model.GetValue(); }
    // Stores the zero direction (degrees) and points the dial at it.
    void SetZeroVal(double degrees);
    double GetZeroVal() const { return m_model.zero; }
    // Kept for the host; the dial itself always turns counter-clockwise.
    void SetClockwiseVal(bool clockwise) { m_clockwise = clockwise; }
    bool GetClockwiseVal() const { return m_clockwise; }
    // The knob point, in client coordinates.
    void GetCurPosition(int& x, int& y) const;

    const AngleDialModel& GetModel() const { return m_model; }
    bool IsDragging() const { return m_drag.IsActive(); }

    void OnDraw(wxDC* dc) override;

protected:
    void GetCentre(int& x, int& y) const;
    // One drag step towards the pointer (finer with the meta key). A pointer exactly on
    // the centre has no direction: that step is ignored.
    void SetValue(int x, int y);

    void OnMouseMove(int x, int y) override;
    void OnMouseButton() override;
    // Disabled mid-drag, the dial ends the drag as a release would.
    void OnEnable(bool enabled) override;
    // A paint event means the toolkit lost what was drawn there: the dial is drawn anew.
    void OnDialPaint(wxPaintEvent& event);

    AngleDialModel m_model;
    bool m_clockwise = false;
    VornControlGroupValue* m_valueGroup = nullptr;
    ValueDrag m_drag;

private:
    void Setup(int cx, int cy, int radius, VornControlGroupValue* group);

    wxDECLARE_EVENT_TABLE();
};

class VornAngleControlB : public VornAngleControl {
public:
    VornAngleControlB();
    // The dial sits at the right end of the control, its radius half the height; a stem
    // runs in from the left edge.
    VornAngleControlB(ColorA line, ColorA background, int x, int y, int w, int h, wxWindow* parent, int id,
                      VornControlGroupValue* group, long style = 0);
    virtual bool Create(ColorA line, ColorA background, int x, int y, int w, int h, wxWindow* parent, int id,
                        VornControlGroupValue* group, long style = 0);
    using VornAngleControl::Create;

    void OnDraw(wxDC* dc) override;

private:
    ColorA m_line;
    ColorA m_background;
    std::unique_ptr<wxImage> m_image; // the drawing buffer, of the window's size
    int m_halfHeight = 0;
};

} // namespace vorn
