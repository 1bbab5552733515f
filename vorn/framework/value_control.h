#pragma once
// VornValueControl: the base of the controls that report a real value through a value
// group while the pointer drags them (sliders, thumb wheel, dials). The drag and its
// notifications live here once; a control supplies the arithmetic through the hooks.
//
//   event                  | what the base does
//   -----------------------+------------------------------------------------------------
//   press                  | AcceptPress false: nothing. Else capture, ControlSelected(id),
//                          | OnDragBegin
//   press during a drag    | nothing
//   motion during a drag   | OnDragStep; when it moved the value: ControlDrag(id),
//                          | Update(0, RealValChanging(value)), and the control is drawn at once
//   release                | OnDragEnd, release the capture, ControlUnSelected(id),
//                          | Update(0, RealValChanged(value)); without a drag nothing, unless
//                          | the control reports every release (SetReportEveryRelease)
//   disabled during a drag | as a release
// Every group call is skipped without a group.
#include <vorn/framework/control.h>
#include <vorn/framework/control_group.h>

namespace vorn {

/// The base of the value controls: one drag mechanism and one place that builds value hints.
class VornValueControl : public VornControl {
public:
    /// The value group the control reports to, or null.
    VornControlGroupValue* GetGroup() const { return dynamic_cast<VornControlGroupValue*>(m_group); }
    /// True from the press that began a drag until its end.
    bool IsDragging() const { return m_dragging; }

protected:
    /// No toolkit window yet: a subclass's Create makes it through CreateValueControl.
    VornValueControl() = default;

    /// Creates the window of the given geometry and registers with the group.
    bool CreateValueControl(int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroupValue* group,
                            long style);
    /// The same with the control base's default size.
    bool CreateValueControl(int x, int y, wxWindow* parent, int id, VornControlGroupValue* group, long style);

    /// With `every`, a release reports even when its press began no drag.
    void SetReportEveryRelease(bool every) { m_reportEveryRelease = every; }

    /// The value the notifications carry.
    virtual double GetReportedValue() const = 0;
    /// Whether a press at (x, y) begins a drag; all do here.
    virtual bool AcceptPress(int /*x*/, int /*y*/) { return true; }
    /// A drag began at (x, y), after ControlSelected.
    virtual void OnDragBegin(int /*x*/, int /*y*/) {}
    /// One pointer step of a drag; true when it moved the value.
    virtual bool OnDragStep(int x, int y) = 0;
    /// The drag ends, before its notifications.
    virtual void OnDragEnd() {}

    /// ControlDrag and a RealValChanging hint with `value`.
    void ReportValueChanging(double value);
    /// ControlDrag alone.
    void ReportDrag();

    /// Begins or ends the drag.
    void OnMouseButton() override;
    /// One drag step.
    void OnMouseMove(int x, int y) override;
    /// Disabling ends a drag as a release would.
    void OnEnable(bool enabled) override;

private:
    /// Ends the drag; `release` says a button came up (which may report without a drag).
    void EndDrag(bool release);

    bool m_dragging = false;
    bool m_reportEveryRelease = false;
};

} // namespace vorn
