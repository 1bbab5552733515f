#include <vorn/text_lists/edit_boxes.h>

#include <vorn/framework/hints.h>
#include <vorn/util/text.h>

namespace vorn {

ScaleEditBox::ScaleEditBox(const wxBitmap* background, VornEditInfo& info, int x, int y, wxWindow* parent, int id,
                           bool editable, int style, VornControlGroup* group, long windowStyle)
    : VornEdit(background, info, x, y, parent, id, editable, style, group, windowStyle)
{
}

void ScaleEditBox::SetRange(double minimum, double maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}

void ScaleEditBox::OnUpdate(unsigned int, VornControl* control, VornControlHint* hint)
{
    if (control == this)
        return;
    const double span = m_maximum - m_minimum;
    if (auto* real = dynamic_cast<RealValMessage*>(hint)) {
        const double v = span * real->value + m_minimum;
        SetText(GetStyle() == kEditInteger ? IntToText(RoundToInt(v)) : RealToText(v, 6), false);
    } else if (auto* integer = dynamic_cast<IntValMessage*>(hint)) {
        const double v = span * integer->value + m_minimum;
        SetText(GetStyle() == kEditReal ? RealToText(v, 6) : IntToText(RoundToInt(v)), false);
    } else if (auto* string = dynamic_cast<StringValMessage*>(hint)) {
        SetText(string->value, false);
    }
}

void ScaleEditBox::DoSendTranslation(std::string& value)
{
    // An empty scale divides by zero; RealToText writes the non-finite result as 0.
    value = RealToText((TextToReal(value) - m_minimum) / (m_maximum - m_minimum), 6);
}

FormattedEditBox::FormattedEditBox(const wxBitmap* background, VornEditInfo& info, int x, int y,
                                   wxWindow* parent, int id, bool editable, int style, VornControlGroup* group,
                                   long windowStyle)
    : VornEdit(background, info, x, y, parent, id, editable, style, group, windowStyle)
{
}

void FormattedEditBox::OnUpdate(unsigned int, VornControl* control, VornControlHint* hint)
{
    if (control == this)
        return;
    if (auto* real = dynamic_cast<RealValMessage*>(hint))
        SetText(FormatValue(real->value), false);
    else if (auto* string = dynamic_cast<StringValMessage*>(hint))
        SetText(FormatValue(TextToReal(string->value)), false);
}

std::string DateEditBox::FormatValue(double value) const
{
    return MakeDate(value);
}

std::string TimeEditBox::FormatValue(double value) const
{
    return MakeTime(value);
}

} // namespace vorn
