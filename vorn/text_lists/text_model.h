#pragma once
// The editing model of the edit boxes: UTF-8 text with a caret and a selection counted in
// characters (code points), the editing operations, and the single-line layout (text widths,
// the horizontal scroll offset, pointer to character) over an injected width function. No
// window is needed; the boxes feed it keys and clicks and draw from it.
//
// Text always holds valid UTF-8: bytes that are not part of a valid sequence become U+FFFD
// as they come in (SetText, Replace), one replacement character per bad byte.
//
// Widths are measured in blocks of characters, each block once, and only as far as a
// question needs: a caret near the start of a megabyte of text costs a few measurements.
// A block is measured as a whole, so kerning across block edges is ignored (well under a
// pixel per block edge).
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vorn {

// ---- UTF-8 helpers (the multi-line box uses them too) ----

/// The text with every byte that is not part of a valid UTF-8 sequence replaced by U+FFFD.
std::string Utf8Sanitize(const std::string& text);
/// True when the text is valid UTF-8 (no overlong forms, surrogates or values above U+10FFFF).
bool Utf8IsValid(const std::string& text);
/// Number of characters; a bad byte counts as one character.
int Utf8Length(const std::string& text);
/// Byte offset of character `index` (clamped to 0..length).
std::size_t Utf8Offset(const std::string& text, int index);
/// Byte offset of the character after the one starting at `byte` (at most the size).
std::size_t Utf8Next(const std::string& text, std::size_t byte);
/// Byte offset of the character before `byte` (0 at the start).
std::size_t Utf8Prev(const std::string& text, std::size_t byte);
/// The code point starting at `byte`; U+FFFD for a bad sequence, 0 at or past the end.
char32_t Utf8Decode(const std::string& text, std::size_t byte);
/// Appends the UTF-8 form of `c` (U+FFFD for a surrogate or a value above U+10FFFF).
void Utf8Append(std::string& out, char32_t c);
/// `count` characters from character `first` (both clamped to the text).
std::string Utf8Substr(const std::string& text, int first, int count);
/// Whitespace as word selection and word wrap see it: ASCII blanks, NBSP and Unicode spaces.
bool IsTextSpace(char32_t c);

// ---- Numbers as the edit boxes read and write them: always the C locale ----

/// Leading blanks, an optional sign and digits, as an int ("12abc" gives 12; no digits give
/// 0; values beyond the int range are clamped to it).
int TextToInt(const std::string& text);
/// The longest leading decimal number ("3.5x" gives 3.5, "1e3" 1000); no number gives 0, and
/// so do a number no double can hold ("1e400"), infinities and NaN.
double TextToReal(const std::string& text);
/// `value` with a fixed number of decimals and a '.' point ("%.*f" in the C locale); a value
/// that is not finite is written as 0.
std::string RealToText(double value, int decimals);
/// `value` in decimal ("%d").
std::string IntToText(int value);
/// `value` rounded half up (+ 0.5, truncated toward zero) and clamped to the int range.
int RoundToInt(double value);

/// The edit styles of the single-line box: what committing does to the text.
enum EditStyleRule {
    kEditInteger = 0,  ///< "%d" of the integer value.
    kEditReal = 1,     ///< "%f" of the real value.
    kEditText = 2,     ///< Unchanged.
    kEditPassword = 3, ///< Unchanged; shown as stars and never copied.
    kEditReal2 = 4,    ///< "%.2f" of the real value.
    kEditFive = 5      ///< Unchanged; at most five characters are kept.
};
/// The text as a box of `style` commits it (styles 2, 3, 5 and unknown ones leave it as it is).
std::string FormatForStyle(const std::string& text, int style);

// ---- The model ----

/// Text, caret, selection and single-line layout of an edit box.
///
/// The selection runs from an anchor (selection start) to the moving end (selection end);
/// it is empty when they are equal. Keys with Shift move the moving end together with the
/// caret; other moves collapse the selection onto the caret.
class TextEditModel {
public:
    /// Width in pixels of a piece of text, as the box's font draws it.
    using WidthFunction = std::function<int(const std::string& text)>;

    /// Empty text; widths of 0 until a width function is set.
    TextEditModel();

    // -- text --
    /// Replaces the text (sanitised); caret and selection go to 0 and the offset to 0.
    void SetText(const std::string& text);
    /// The text, valid UTF-8.
    const std::string& GetText() const { return m_text; }
    /// The number of characters.
    int GetLength() const { return m_length; }
    /// `count` characters from `first`.
    std::string GetRange(int first, int count) const;
    /// Cuts the text to at most `chars` characters; when it was longer the caret goes to the
    /// new end and the selection is clamped. True when something was cut.
    bool Truncate(int chars);

    // -- caret and selection --
    /// The caret, in characters.
    int GetCaret() const { return m_caret; }
    /// The selection's anchor, in characters.
    int GetSelectionStart() const { return m_selStart; }
    /// The selection's moving end, in characters.
    int GetSelectionEnd() const { return m_selEnd; }
    /// The smaller end of the selection.
    int GetSelectionMin() const { return m_selStart < m_selEnd ? m_selStart : m_selEnd; }
    /// The larger end of the selection.
    int GetSelectionMax() const { return m_selStart < m_selEnd ? m_selEnd : m_selStart; }
    /// True when the selection is not empty.
    bool HasSelection() const { return m_selStart != m_selEnd; }
    /// The selected text (empty when nothing is selected).
    std::string GetSelectedText() const;

    /// Puts the caret at `index` (clamped). With `extend` the selection's moving end follows
    /// it (starting from the old caret when nothing was selected); otherwise the selection
    /// collapses onto it.
    void SetCaret(int index, bool extend = false);
    /// Moves the caret by `delta` characters, as SetCaret.
    void MoveCaret(int delta, bool extend = false) { SetCaret(m_caret + delta, extend); }
    /// Selects from `anchor` to `end` (clamped); the caret goes to `end`.
    void SetSelection(int anchor, int end);
    /// Selects everything; the caret goes to the end.
    void SelectAll() { SetSelection(0, m_length); }
    /// Selects the run of non-blank characters around character `index` (the selection grows
    /// from the character both ways up to the nearest blanks). On a blank nothing but the
    /// caret moves.
    void SelectWordAt(int index);
    /// The selection collapses onto the caret.
    void CollapseSelection() { m_selStart = m_selEnd = m_caret; }

    // -- editing --
    /// Replaces the selection (or inserts at the caret) with `text` (sanitised); the caret
    /// follows the inserted text. True when the text changed.
    bool Replace(const std::string& text);
    /// Deletes the selection, or the character after the caret. True when the text changed.
    bool DeleteForward();
    /// Deletes the selection, or the character before the caret. True when the text changed.
    bool DeleteBackward();
    /// Deletes the selection. True when there was one.
    bool DeleteSelection();

    // -- layout --
    /// Sets how text is measured; forgets all widths measured so far.
    void SetWidthFunction(WidthFunction width);
    /// Shown as one '*' per character (password boxes); forgets the widths.
    void SetMasked(bool masked);
    /// True when the text is shown masked.
    bool IsMasked() const { return m_masked; }
    /// Forgets the widths measured so far (after a font change).
    void InvalidateWidths();
    /// What is shown for characters `first`..`first + count`: the text or its stars.
    std::string GetShown(int first, int count) const;
    /// Width of the first `chars` characters as shown.
    int PrefixWidth(int chars) const;
    /// Width of the whole text as shown.
    int TextWidth() const { return PrefixWidth(m_length); }
    /// The caret position for a pointer at `x` pixels from the text's start: a point on the
    /// right half of a character lies after it; 0 before the start, the length past the end.
    int MapMouseToCharacter(int x) const;

    /// The horizontal pixel offset of the text (0, or negative when scrolled left).
    int GetOffset() const { return m_offset; }
    /// Sets the offset; clamped to 0 at most.
    void SetOffset(int offset) { m_offset = offset < 0 ? offset : 0; }
    /// Moves the offset so that the caret lies inside a text area `visibleWidth` wide, and
    /// to 0 when the whole text fits.
    void KeepCaretVisible(int visibleWidth);
    /// Characters that a text area `visibleWidth` wide shows at the current offset: the first
    /// and the count, and the x of the first one relative to the text area.
    void VisibleRange(int visibleWidth, int& first, int& count, int& x) const
    {
        VisibleRange(m_offset, visibleWidth, first, count, x);
    }
    /// The same for the text drawn at `offset` pixels (may be positive: right-aligned text).
    void VisibleRange(int offset, int visibleWidth, int& first, int& count, int& x) const;

private:
    static constexpr int kBlock = 64; // characters per measured block

    void Rebuild(int fromChar);
    void Reindex(int lo, int removed, int inserted, std::ptrdiff_t byteDelta);
    std::size_t ByteOf(int index) const;
    int BlockWidth(int block) const;
    int Measure(int first, int count) const;
    bool FitsWithin(int width) const;

    std::string m_text;
    int m_length = 0;
    int m_caret = 0;
    int m_selStart = 0;
    int m_selEnd = 0;
    int m_offset = 0;
    bool m_masked = false;
    WidthFunction m_width;
    std::vector<std::size_t> m_blockByte;  // byte offset of each block's first character
    mutable std::vector<int> m_blockWidth; // measured widths; -1 = not yet
};

} // namespace vorn
