#pragma once
// The drag session that every value control reports the same way.
namespace vorn {

class VornControl;
class VornControlGroupValue;

// One drag of a value control:
//   Begin  capture the mouse, ControlSelected(id)
//   Step   ControlDrag(id), Update(0, RealValChanging(value))
//   End    release the mouse, ControlUnSelected(id), Update(0, RealValChanged(value))
// A second button pressed during a drag does not begin another, and an end without a
// drag reports nothing. Every group call is skipped without a group.
class ValueDrag {
public:
    bool IsActive() const { return m_active; }
    // False, doing nothing, while a drag is on.
    bool Begin(VornControl& control, VornControlGroupValue* group);
    // False, doing nothing, without a drag.
    bool End(VornControl& control, VornControlGroupValue* group, double value);

private:
    bool m_active = false;
};

// ControlDrag and a RealValChanging hint, as at every drag step.
void ReportValueChanging(VornControl& control, VornControlGroupValue* group, double value);

} // namespace vorn
