#pragma once
// GradientControlComp: the shared base of a gradient editor's parts (stop bar, add strip,
// range and summary strips). Each part keeps a pointer to the one bound gradient, the
// displayed range and the selected stop, and keeps them in step with the other parts
// through the gradient hints sent on their control group.
//
//   hint from another control | what a part does
//   --------------------------+----------------------------------------
//   GradientHintColSmooth     | clear the dirty flag, refresh
//   null                      | dirty, refresh
//   GradientHintAdd           | select its index, dirty, refresh
//   GradientHintRange         | take its range, dirty, refresh
//   GradientHintSelect        | select its index, refresh
//   GradientHintDelete        | select nothing, dirty, refresh
//   GradientHintValue         | dirty, refresh
//   anything else             | nothing
// Key presses go to the parent window as VornWindowKeyEvents, where the editor handles them.
#include <vorn/framework/control.h>

namespace vorn {

class Gradient;

/// The shared base of the gradient editor's parts.
class GradientControlComp : public VornControl {
public:
    /// No window yet: Create must follow.
    GradientControlComp();
    /// A part of the given geometry, registered with `group` under `id`.
    GradientControlComp(int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroup* group,
                        long style = 0);
    ~GradientControlComp() override;

    /// Binds the gradient the part shows (not owned; null: none).
    virtual void Bind(Gradient* gradient);
    using VornControl::Bind;
    /// Stores the displayed range [min, max].
    virtual void SetDisplayRange(double min, double max);
    /// Stores the selected stop's index (0: none).
    virtual void SetSelect(unsigned int index);

    /// The bound gradient, or null.
    Gradient* GetGradient() const { return m_gradient; }
    /// The displayed range's lower end.
    double GetDisplayMin() const { return m_displayMin; }
    /// The displayed range's upper end.
    double GetDisplayMax() const { return m_displayMax; }
    /// The selected stop's index (0: none).
    unsigned int GetSelect() const { return m_select; }

    /// Follows the other parts' gradient hints (see the table above).
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;

protected:
    /// Toolkit handler: passes the press to the parent at once as VORN_EVT_KEY_DOWN.
    void OnVornKeyDown(wxKeyEvent& event) override;
    /// Toolkit handler: queues the release for the parent as VORN_EVT_KEY_UP.
    void OnVornKeyUp(wxKeyEvent& event) override;

    double m_displayMin = 0.0;      ///< The displayed range's lower end.
    double m_displayMax = 1.0;      ///< The displayed range's upper end.
    Gradient* m_gradient = nullptr; ///< The bound gradient (not owned), or null.
    unsigned int m_select = 0;      ///< The selected stop (0: none).
};

} // namespace vorn
