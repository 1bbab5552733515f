#pragma once
// The numeric rows of the property tree. Each holds its value from construction, shows it
// with embedded widgets registered in the row's value group (the row too, so it hears every
// widget change), and tells the host through node hints. The widgets are made in Create, or,
// in a tree, when the row is first realised; until then the row answers from its value:
//   VUITreeSlider         slider + scale edit box; value normalised on max..min
//   VUITreeThumbWheel     thumb wheel + edit box; the value itself
//   VUITreeCheckBox       a toggle; 0 or 1
//   VUITreeAngleClippers  angle clippers + edit box in degrees; value in half turns
//   VUITreeAngleSelect    angle dial (+ scale, date or time box); value normalised on a range
//
//   what happens                 | value group                          | tree group
//   -----------------------------+--------------------------------------+-----------------
//   host SetValue (after Create) | RealValChanged / IntValChanged, from | nothing
//                                | the row; the widgets follow quietly  |
//   a widget changing / changed  | its own message; the others follow   | NodeChangingHint /
//                                |                                      | NodeChangedHint
#include <string>

#include <vorn/framework/value_interfaces.h>
#include <vorn/tree/tree_row.h>
#include <vorn/tree/tree_wrappers.h>

namespace vorn {

class AssetManager;
class ScaleEditBox;
class VornEdit;

/// The real value a numeric row holds, read and set through the value interfaces.
class VUITreeRealValue : public IntVal, public RealVal {
public:
    /// Sets the value and tells the row's widgets; the flag and integer are unused.
    virtual void SetVal(double v, bool notify, int flags) = 0;
    /// SetVal(v, true, 0).
    void SetValue(double v) override { SetVal(v, true, 0); }
    /// SetVal(v, true, 0).
    void SetValue(int v) override { SetVal(v, true, 0); }
    /// The value.
    void GetValue(double& out) override { out = m_value; }
    /// The value rounded (+ 0.5, truncated).
    void GetValue(int& out) override;
    /// The value.
    double GetVal() const { return m_value; }

protected:
    /// Holds `value` from the start.
    explicit VUITreeRealValue(double value) : m_value(value) {}

    double m_value; ///< The value.
};

/// A row with a slider and a scale edit box over the range minimum..maximum.
class VUITreeSlider : public VUITreeControlBase, public VUITreeRealValue {
public:
    /// Note the order: maximum, minimum, value. `real` shows reals, else whole numbers.
    VUITreeSlider(AssetManager* assets, std::string name, bool functionButton, double max, double min,
                  double value, bool real);

    /// A + 143.
    int GetMaxWidth() override { return GetAllignmentPt() + 143; }

    /// Tells the widgets (v − minimum) / range, then stores v; the other arguments are unused.
    void SetVal(double v, bool notify, int flags) override;
    /// A widget's message sets the value from its fraction of the range and tells the host.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;

    /// The upper end of the range.
    double GetMaximum() const { return m_max; }
    /// The lower end of the range.
    double GetMinimum() const { return m_min; }
    /// True when the edit box shows reals.
    bool IsReal() const { return m_real; }
    /// The slider, or null until the widgets are made.
    VUITreeSubSlider* GetSlider() const { return m_slider; }
    /// The edit box, or null until the widgets are made.
    ScaleEditBox* GetEditBox() const { return m_edit; }

protected:
    /// The slider, the edit box; then the row joins its value group.
    void OnCreateWidgets() override;

    VUITreeSubSlider* m_slider = nullptr; ///< The slider (owned by its window parent).
    ScaleEditBox* m_edit = nullptr;       ///< The edit box (owned by its window parent).
    double m_max;                          ///< Upper end of the range.
    double m_min;                          ///< Lower end of the range.
    double m_initial;                      ///< The value given at construction.
    double m_range;                        ///< m_max − m_min.
    bool m_real;                           ///< Reals shown, else whole numbers.
};

/// A row with a thumb wheel and an edit box showing the value itself.
class VUITreeThumbWheel : public VUITreeControlBase, public VUITreeRealValue {
public:
    /// The wheel's clamps, value and change per pixel; `real` shows reals, else whole numbers.
    VUITreeThumbWheel(AssetManager* assets, std::string name, bool functionButton, double max, double min,
                      double value, double step, bool real);

    /// Takes the widgets' width from their skins, then makes the row.
    bool Create(wxWindow* parent, int id, VornControlGroup* group, long style) override;
    using VUITreeControlBase::Create;
    /// A + 3 + the wider of the wheel and the edit box once created; A + 153 before.
    int GetMaxWidth() override;

    /// Tells the widgets v, then stores it; the other arguments are unused.
    void SetVal(double v, bool notify, int flags) override;
    /// New clamps and value for the wheel and the edit box, without telling anyone.
    void ResetVals(double min, double max, double value);
    /// A widget's message becomes the value as it comes and tells the host.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;

    /// The wheel, or null until the widgets are made.
    VUITreeSubThumbWheel* GetWheel() const { return m_wheel; }
    /// The edit box, or null until the widgets are made.
    VUITreeSubEditBox* GetEditBox() const { return m_edit; }

protected:
    /// The wheel, the edit box; then the row joins its value group.
    void OnCreateWidgets() override;

    VUITreeSubThumbWheel* m_wheel = nullptr; ///< The wheel (owned by its window parent).
    VUITreeSubEditBox* m_edit = nullptr;     ///< The edit box (owned by its window parent).
    double m_max;                            ///< Upper clamp of the wheel.
    double m_min;                            ///< Lower clamp of the wheel.
    double m_step;                           ///< The wheel's change per pixel.
    bool m_real;                             ///< Reals shown, else whole numbers.
    int m_widgetWidth = -1;                  ///< The wider widget's width, from the skins; -1 before Create.
    bool m_resetText = false;                ///< ResetVals wrote the text last (it writes reals).
};

/// A row with a check box: 0 or 1.
class VUITreeCheckBox : public VUITreeControlBase, public IntVal {
public:
    /// The row joins its value group at once.
    VUITreeCheckBox(AssetManager* assets, std::string name, bool functionButton);

    /// The row, then the line from the node dot to the toggle.
    void OnDraw(wxDC* dc) override;

    /// The toggle's state (the row's until the toggle is made); 0 before Create.
    void GetValue(int& out) override;
    /// Clamps v to 0..1 and tells the toggle; ignored before Create.
    void SetValue(int v) override;
    /// A toggle's message tells the host.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;

    /// The toggle, or null until the widgets are made.
    VUITreeSubButtonToggle* GetToggle() const { return m_toggle; }

protected:
    /// The toggle, showing the state set so far.
    void OnCreateWidgets() override;

    VUITreeSubButtonToggle* m_toggle = nullptr; ///< The toggle (owned by its window parent).
    int m_checked = 0;                          ///< The state set while there is no toggle.
};

/// A row with angle clippers and an edit box in degrees; the value is kept in half turns.
class VUITreeAngleClippers : public VUITreeControlBase, public IntVal, public RealVal {
public:
    /// `real` shows the degrees as reals, else whole numbers.
    VUITreeAngleClippers(AssetManager* assets, std::string name, bool functionButton, bool real);

    /// A + 118.
    int GetMaxWidth() override { return GetAllignmentPt() + 118; }
    /// 44.
    int GetMaxHeight() override { return 44; }

    /// Stores v radians as half turns and tells the widgets.
    void SetValue(double v) override;
    /// Stores v radians as half turns and tells the widgets.
    void SetValue(int v) override;
    /// The value in radians.
    void GetValue(double& out) override;
    /// The value in radians, truncated.
    void GetValue(int& out) override;
    /// A widget's message becomes the value (half turns) as it comes and tells the host.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;

    /// The value in half turns (radians / π).
    float GetHalfTurns() const { return m_value; }
    /// The clippers, or null until the widgets are made.
    VUITreeSubAngleClippers* GetClippers() const { return m_clippers; }
    /// The edit box, or null until the widgets are made.
    ScaleEditBox* GetEditBox() const { return m_edit; }

protected:
    /// The clippers, the edit box; then the row joins its value group.
    void OnCreateWidgets() override;
    /// Stores `halfTurns` and tells the widgets.
    void StoreAndSend(float halfTurns);

    VUITreeSubAngleClippers* m_clippers = nullptr; ///< The clippers (owned by their window parent).
    ScaleEditBox* m_edit = nullptr;                ///< The edit box (owned by its window parent).
    bool m_real;                                   ///< Reals shown, else whole numbers.
    float m_value = 0.0f;                          ///< The value in half turns.
};

/// A row with an angle dial and, if asked for, an edit box showing the value as degrees,
/// a date or a time (the display style).
class VUITreeAngleSelect : public VUITreeControlBase, public VUITreeRealValue {
public:
    /// Display styles: the value as an angle, a date or a time.
    enum DisplayStyle {
        kAngle = 0, ///< Degrees over 0..2π.
        kDate = 1,  ///< A date (day count) over 0..1.
        kTime = 2   ///< A time (seconds) over 0..1.
    };

    /// `withEditBox` adds the edit box, made editable by `editable`.
    VUITreeAngleSelect(AssetManager* assets, std::string name, bool functionButton, bool withEditBox,
                       bool editable);

    /// A + 158.
    int GetMaxWidth() override { return GetAllignmentPt() + 158; }
    /// 44.
    int GetMaxHeight() override { return 44; }

    /// 0: range 0..2π; 1 and 2: range 0..1; other styles are only stored. Before Create:
    /// it also chooses the edit box.
    void SetDisplayStyle(int style);
    /// The display style.
    int GetDisplayStyle() const { return m_displayStyle; }
    /// The range one turn of the dial stands for.
    void SetRangeVals(double min, double max);
    /// The direction of the value's minimum, in degrees (270 by default).
    void SetZeroVal(double degrees);
    /// The direction of the value's minimum, in degrees.
    double GetZeroVal() const { return m_zero; }
    /// Stored, and passed to the dial.
    void SetClockwiseVal(bool clockwise);
    /// The flag SetClockwiseVal stored.
    bool GetClockwiseVal() const { return m_clockwise; }

    /// Stores v and tells the widgets (v − minimum) / range; the other arguments are unused.
    void SetVal(double v, bool notify, int flags) override;
    /// A widget's fraction of a turn becomes fraction × range + minimum and tells the host.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;

    /// The lower end of the range.
    double GetMinimum() const { return m_min; }
    /// The upper end of the range.
    double GetMaximum() const { return m_max; }
    /// The dial, or null until the widgets are made.
    VUITreeSubAngle* GetDial() const { return m_dial; }
    /// The edit box, or null until the widgets are made or without one.
    VornEdit* GetEditBox() const { return m_edit; }

protected:
    /// The dial, the edit box when asked for; then the row joins its value group.
    void OnCreateWidgets() override;

    VUITreeSubAngle* m_dial = nullptr; ///< The dial (owned by its window parent).
    VornEdit* m_edit = nullptr;        ///< The edit box (owned by its window parent), or null.
    bool m_withEditBox;                ///< An edit box is made.
    bool m_editable;                   ///< The edit box takes typing.
    int m_displayStyle = kAngle;       ///< How the edit box shows the value.
    int m_editKind = kAngle;           ///< The display style at Create: chooses the edit box.
    double m_min = 0.0;                ///< The value at the zero direction.
    double m_max;                      ///< The value one turn on.
    double m_range;                    ///< m_max − m_min.
    double m_zero = 270.0;             ///< Zero direction, degrees.
    bool m_clockwise = false;          ///< Stored for the host; passed to the dial.
};

} // namespace vorn
