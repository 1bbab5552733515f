#pragma once
// The keyboard model of pop-up lists and menus, apart from any window: one highlighted item
// among items that can be chosen or not (separators, titles), moved by the arrow, Home and
// End keys and by typing the start of an item's text.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vorn {

/// One line as the keyboard sees it.
struct PopupNavItem {
    std::string text;        ///< The line's text (UTF-8); empty for separators.
    bool selectable = true;  ///< Whether the line can be highlighted and chosen.
};

/// What a key asks the pop-up to do.
enum class PopupKeyAction {
    None,    ///< Not a key of the pop-up: pass it on.
    Moved,   ///< The highlight may have moved: scroll it into view and repaint.
    Choose,  ///< Enter on a selectable highlighted line: choose it and close.
    Dismiss, ///< Escape: close without a choice.
};

/// Highlight and type-ahead of a pop-up list or menu.
class PopupNavigation {
public:
    /// Milliseconds since any fixed point; injectable so tests need no waiting.
    using Clock = std::function<std::int64_t()>;
    /// Typed text is forgotten this long after the last typed character.
    static constexpr std::int64_t kTypeAheadMs = 1000;

    /// A model on the steady clock.
    PopupNavigation();
    /// A model on the given clock.
    explicit PopupNavigation(Clock clock);

    /// Replaces the lines; the highlight and the typed text are cleared.
    void SetItems(std::vector<PopupNavItem> items);
    /// The number of lines.
    int GetCount() const { return static_cast<int>(m_items.size()); }
    /// Whether line i exists and can be chosen.
    bool IsSelectable(int i) const;

    /// The highlighted line, or -1.
    int GetHighlighted() const { return m_highlighted; }
    /// Highlights line i when it can be chosen, else nothing (-1); returns whether it changed.
    bool SetHighlighted(int i);

    /// Handles a key code (WXK_UP, WXK_DOWN, WXK_LEFT, WXK_RIGHT, WXK_HOME, WXK_END, their
    /// keypad twins, WXK_RETURN, WXK_NUMPAD_ENTER, WXK_ESCAPE).
    PopupKeyAction OnKey(int keyCode);
    /// Handles a typed character (a Unicode code point): letters, digits, punctuation and
    /// blanks extend the typed text and highlight the first line that starts with it,
    /// ignoring case. Returns Moved when it was such a character, else None.
    PopupKeyAction OnChar(char32_t c);
    /// The typed text so far, lower-cased (UTF-8).
    const std::string& GetTypeAhead() const { return m_typed; }
    /// Forgets the typed text (the pop-up's one-shot timer calls this).
    void ClearTypeAhead() { m_typed.clear(); }

private:
    int Step(int from, int direction) const;
    int FirstSelectable(int from, int direction) const;

    Clock m_clock;
    std::vector<PopupNavItem> m_items; // texts kept lower-cased
    int m_highlighted = -1;
    std::string m_typed;
    std::int64_t m_lastTyped = 0;
};

} // namespace vorn
