#pragma once
// Edit boxes that translate between text and the values other controls send:
//   ScaleEditBox  shows a fraction 0..1 on the scale minimum..maximum and sends the typed
//                 number back as a fraction ("%f")
//   DateEditBox   shows a day count as a date ("YYYY-MM-DD")
//   TimeEditBox   shows seconds as a time ("H:MM:SS")
// The date and time boxes only display: what the user types is committed as typed and the
// text is not checked. A date box in free-text style that gets "31/02" sends "31/02"; the
// host decides what such a text means (MakeDate never produces it).
#include <vorn/text_lists/edit.h>

namespace vorn {

/// An edit box showing a fraction on a scale and sending typed numbers back as fractions.
class ScaleEditBox : public VornEdit {
public:
    /// No window yet: Create must follow.
    ScaleEditBox() = default;
    /// A skinned box; the scale runs 0..100.
    ScaleEditBox(const wxBitmap* background, VornEditInfo& info, int x, int y, wxWindow* parent, int id,
                 bool editable, int style, VornControlGroup* group, long windowStyle = 0);

    /// Sets the ends of the scale (equal ends make every sent fraction 0).
    void SetRange(double minimum, double maximum);
    /// The value a fraction of 0 shows.
    double GetMinimum() const { return m_minimum; }
    /// The value a fraction of 1 shows.
    double GetMaximum() const { return m_maximum; }

    /// A real, int or text value from another control is shown (real and int on the scale).
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;

protected:
    /// The typed number becomes its fraction of the scale, "%f".
    void DoSendTranslation(std::string& value) override;

private:
    double m_maximum = 100.0;
    double m_minimum = 0.0;
};

/// The date and time boxes: a real value, or a text holding a number, from another control is
/// shown through FormatValue; int values are ignored. What the user types is sent as typed.
class FormattedEditBox : public VornEdit {
public:
    /// No window yet: Create must follow.
    FormattedEditBox() = default;
    /// A skinned box.
    FormattedEditBox(const wxBitmap* background, VornEditInfo& info, int x, int y, wxWindow* parent, int id,
                     bool editable, int style, VornControlGroup* group, long windowStyle = 0);
    /// Shows a real value, or the number in a text, from another control.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;

protected:
    /// The text shown for a value.
    virtual std::string FormatValue(double value) const = 0;
};

/// An edit box showing a day count from another control as a date.
class DateEditBox : public FormattedEditBox {
public:
    using FormattedEditBox::FormattedEditBox;

protected:
    /// MakeDate of the value.
    std::string FormatValue(double value) const override;
};

/// An edit box showing seconds from another control as a time.
class TimeEditBox : public FormattedEditBox {
public:
    using FormattedEditBox::FormattedEditBox;

protected:
    /// MakeTime of the value.
    std::string FormatValue(double value) const override;
};

} // namespace vorn
