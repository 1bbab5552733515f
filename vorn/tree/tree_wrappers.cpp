#include <vorn/tree/tree_wrappers.h>

#include <cctype>
#include <charconv>
#include <climits>
#include <limits>
#include <string>

#include <wx/string.h>

#include <vorn/framework/hints.h>
#include <vorn/tree/detail/row_widgets.h>

namespace vorn {

namespace {
// Which value a message carries; none for a hint of another kind or an own update.
struct Message {
    const RealValMessage* real = nullptr;
    const IntValMessage* integer = nullptr;
    const StringValMessage* text = nullptr;
};

Message Read(const VornControl* self, const VornControl* control, VornControlHint* hint)
{
    Message m;
    if (control == self || !hint)
        return m;
    m.real = dynamic_cast<const RealValMessage*>(hint);
    m.integer = dynamic_cast<const IntValMessage*>(hint);
    m.text = dynamic_cast<const StringValMessage*>(hint);
    return m;
}

// Applies a message through `set` (real, integer and text turned into one double).
template <class Set>
void ApplyNumber(const Message& m, Set set)
{
    if (m.real)
        set(m.real->value);
    else if (m.integer)
        set(static_cast<double>(m.integer->value));
    else if (m.text)
        set(TreeLeadingReal(m.text->value));
}
} // namespace

std::string TreeEditText(double value, int style)
{
    if (style == 0) {
        // Out of range (or not a number) would make the cast undefined: clamp first.
        const double rounded = value + 0.5;
        const double lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
        return std::to_string(rounded >= lo && rounded <= hi ? static_cast<int>(rounded) : rounded > hi ? INT_MAX : INT_MIN);
    }
    return wxString::FromCDouble(value, 6).ToStdString();
}

std::string TreeEditText(int value, int style)
{
    return style == 1 ? TreeEditText(static_cast<double>(value), 1) : std::to_string(value);
}

// As the C library's atof, whatever the host's locale: leading blanks skipped, a prefix read.
double TreeLeadingReal(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    if (i < text.size() && text[i] == '+')
        ++i;
    double value = 0.0;
    const auto result = std::from_chars(text.data() + i, text.data() + text.size(), value);
    return result.ec == std::errc() ? value : 0.0;
}

void VUITreeSubEditBox::OnUpdate(unsigned int, VornControl* control, VornControlHint* hint)
{
    const Message m = Read(this, control, hint);
    if (m.real)
        SetText(TreeEditText(m.real->value, GetStyle()), false);
    else if (m.integer)
        SetText(TreeEditText(m.integer->value, GetStyle()), false);
    else if (m.text)
        SetText(m.text->value, false);
}

void VUITreeSubButtonToggle::OnUpdate(unsigned int, VornControl* control, VornControlHint* hint)
{
    const Message m = Read(this, control, hint);
    if (m.integer)
        SetOn(m.integer->value != 0);
}

void VUITreeSubAngleClippers::OnUpdate(unsigned int, VornControl* control, VornControlHint* hint)
{
    ApplyNumber(Read(this, control, hint), [this](double v) { SetValue(v, false); });
}

void VUITreeSubAngle::OnUpdate(unsigned int, VornControl* control, VornControlHint* hint)
{
    ApplyNumber(Read(this, control, hint), [this](double v) { SetValue(detail::ToFloat(v), false); });
}

// The slider row sends only reals; an integer is taken as the same real.
void VUITreeSubSlider::OnUpdate(unsigned int, VornControl* control, VornControlHint* hint)
{
    ApplyNumber(Read(this, control, hint), [this](double v) { SetValue(v, false); });
}

void VUITreeSubThumbWheel::OnUpdate(unsigned int, VornControl* control, VornControlHint* hint)
{
    ApplyNumber(Read(this, control, hint), [this](double v) {
        SetCurrentValue(detail::ToFloat(v));
        SetDirty(); // the wheel's setter only moves the model
        Refresh(false);
    });
}

} // namespace vorn
