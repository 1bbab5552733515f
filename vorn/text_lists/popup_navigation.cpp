#include <vorn/text_lists/popup_navigation.h>

#include <chrono>

#include <wx/defs.h>
#include <wx/string.h>

namespace vorn {

namespace {

std::string LowerUtf8(const std::string& text)
{
    return wxString::FromUTF8(text.data(), text.size()).Lower().ToStdString(wxConvUTF8);
}

// Letters, digits, punctuation and blanks; everything at or above U+00A0 counts as a
// letter, so typing works whatever the host's locale says about non-ASCII classes.
bool IsTypeAheadChar(char32_t c)
{
    if (c >= 0xA0)
        return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
    if (c >= 0x80)
        return false;
    const auto a = static_cast<unsigned char>(c);
    return (a >= '!' && a <= '~') || a == ' ' || a == '\t';
}

// A lambda, not a function pointer, so that the library exports no type information of
// a plain `long ()` function type.
const auto SteadyMs = [] {
    return static_cast<std::int64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                         std::chrono::steady_clock::now().time_since_epoch())
                                         .count());
};

} // namespace

PopupNavigation::PopupNavigation() : m_clock(SteadyMs) {}

PopupNavigation::PopupNavigation(Clock clock) : m_clock(clock ? std::move(clock) : Clock(SteadyMs)) {}

void PopupNavigation::SetItems(std::vector<PopupNavItem> items)
{
    m_items = std::move(items);
    for (PopupNavItem& item : m_items)
        item.text = LowerUtf8(item.text);
    m_highlighted = -1;
    m_typed.clear();
}

bool PopupNavigation::IsSelectable(int i) const
{
    return i >= 0 && i < GetCount() && m_items[static_cast<std::size_t>(i)].selectable;
}

bool PopupNavigation::SetHighlighted(int i)
{
    const int next = IsSelectable(i) ? i : -1;
    const bool changed = next != m_highlighted;
    m_highlighted = next;
    return changed;
}

int PopupNavigation::FirstSelectable(int from, int direction) const
{
    for (int i = from; i >= 0 && i < GetCount(); i += direction)
        if (IsSelectable(i))
            return i;
    return -1;
}

// The next selectable line after `from` in `direction`; the highlight stays at the ends.
int PopupNavigation::Step(int from, int direction) const
{
    if (from < 0)
        return FirstSelectable(direction > 0 ? 0 : GetCount() - 1, direction);
    const int next = FirstSelectable(from + direction, direction);
    return next < 0 ? from : next;
}

PopupKeyAction PopupNavigation::OnKey(int keyCode)
{
    switch (keyCode) {
    case WXK_ESCAPE:
        return PopupKeyAction::Dismiss;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        return IsSelectable(m_highlighted) ? PopupKeyAction::Choose : PopupKeyAction::None;
    case WXK_HOME:
    case WXK_NUMPAD_HOME:
        m_highlighted = FirstSelectable(0, 1);
        return PopupKeyAction::Moved;
    case WXK_END:
    case WXK_NUMPAD_END:
        m_highlighted = FirstSelectable(GetCount() - 1, -1);
        return PopupKeyAction::Moved;
    case WXK_UP:
    case WXK_LEFT:
    case WXK_NUMPAD_UP:
    case WXK_NUMPAD_LEFT:
        m_highlighted = Step(m_highlighted, -1);
        return PopupKeyAction::Moved;
    case WXK_DOWN:
    case WXK_RIGHT:
    case WXK_NUMPAD_DOWN:
    case WXK_NUMPAD_RIGHT:
        m_highlighted = Step(m_highlighted, 1);
        return PopupKeyAction::Moved;
    default:
        return PopupKeyAction::None;
    }
}

PopupKeyAction PopupNavigation::OnChar(char32_t c)
{
    if (!IsTypeAheadChar(c))
        return PopupKeyAction::None;
    const std::int64_t now = m_clock();
    if (now - m_lastTyped >= kTypeAheadMs)
        m_typed.clear();
    m_lastTyped = now;
    m_typed += LowerUtf8(wxString(wxUniChar(static_cast<wxUint32>(c))).ToStdString(wxConvUTF8));
    for (int i = 0; i < GetCount(); ++i) {
        const PopupNavItem& item = m_items[static_cast<std::size_t>(i)];
        if (item.selectable && item.text.compare(0, m_typed.size(), m_typed) == 0) {
            m_highlighted = i;
            break;
        }
    }
    return PopupKeyAction::Moved;
}

} // namespace vorn
