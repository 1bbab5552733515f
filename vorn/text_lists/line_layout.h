#pragma once
// LineLayout: the word wrap of the multi-line edit box, apart from any window. It works on
// UTF-8 text in byte indices that always sit on character boundaries (and keeps each
// line's first character index too, so the editor's character positions map to bytes
// within one line rather than from the text's start), and measures text
// through a width function the owner injects (the box's font in a DC, or a fixed advance
// in tests), so it needs no display.
//
// Tokens are a single whitespace character, or a run of other characters ended by
// whitespace, by the end of the text, or by reaching the text width (a word wider than a
// line is cut there). A newline token starts a new line after it. Any other token that
// would carry the line past the text width moves to a new line, together with the one
// whitespace character before it (the recorded line start is "the index just before the
// token" when that is whitespace).
//
// Every width is a sum of token widths, so the scan after a recorded line start depends
// only on that start and the text after it; that is what lets Reflow re-measure an edit
// from the line before it until the line starts fall back in step with the old ones.
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vorn {

/// The word wrap of a multi-line text: line starts, line count and index ↔ (line, x) mapping.
class LineLayout {
public:
    /// Pixel width of a piece of UTF-8 text, drawn in one piece.
    using WidthFunction = std::function<int(std::string_view text)>;

    /// Sets how text is measured (forgetting the widths measured so far); takes effect at the
    /// next UpdateLineBreaks.
    void SetWidthFunction(WidthFunction width)
    {
        m_width = std::move(width);
        m_wordWidths.clear();
    }
    /// Sets the width lines wrap at, in pixels; takes effect at the next UpdateLineBreaks.
    void SetTextWidth(int width) { m_textWidth = width; }
    /// The width lines wrap at, in pixels.
    int GetTextWidth() const { return m_textWidth; }

    /// Wraps the whole text anew.
    void UpdateLineBreaks(const std::string& text);
    /// Re-wraps after `removed` bytes at `index` were replaced by `inserted` bytes; `text`
    /// is the new text. Costs about the lines the edit touches. The width function and
    /// text width must be those of the last wrap. Returns the first and last line whose
    /// text may now differ; the last is INT_MAX when the lines after them were renumbered.
    std::pair<int, int> Reflow(const std::string& text, int index, int removed, int inserted);

    /// The end of the token starting at `pos` (see the file comment); pos itself at the end of the text.
    int FindToken(const std::string& text, int pos) const;

    /// Where each line after the first begins (byte indices, ascending).
    const std::vector<int>& GetLineStarts() const { return m_starts; }
    /// The same starts as character indices.
    const std::vector<int>& GetLineCharStarts() const { return m_charStarts; }
    /// Number of lines, at least 1.
    int GetLineCount() const { return static_cast<int>(m_starts.size()) + 1; }
    /// First index of a line (clamped to the existing lines).
    int LineStart(int line) const;
    /// One past the last index of a line's visible text: its newline is left out.
    int LineEnd(const std::string& text, int line) const;
    /// The line of an index: the number of the first line start beyond it, or the number of line starts.
    int LineOf(int index) const;

    /// The byte index of character `chr` (clamped to the text).
    int ByteOfChar(const std::string& text, int chr) const;
    /// The character index of byte `index` (a byte inside a character counts as that character).
    int CharOfByte(const std::string& text, int index) const;

    /// Pixel x of an index within its line (0 at the line start).
    int XOf(const std::string& text, int index) const;
    /// The index on a line nearest to pixel x: a point on the right half of a character lies
    /// after it. On a wrapped line, a point past its end gives its last character.
    int IndexAt(const std::string& text, int line, int x) const;

private:
    int Width(const std::string& text, int from, int to) const;
    // Scans from a line start, appending the starts after it to `out`; stops once a
    // recorded start lies at or beyond `syncFrom` and equals an old start shifted by
    // `delta`, and returns that old start's position in m_starts (npos: ran to the end).
    size_t Scan(const std::string& text, int from, int fromChar, int syncFrom, int delta, std::vector<int>& out,
                std::vector<int>& outChars) const;

    WidthFunction m_width;
    int m_textWidth = 0;
    std::vector<int> m_starts;
    std::vector<int> m_charStarts;
    // Widths of short pieces (words, blanks): text repeats them, and a toolkit measure costs
    // microseconds. Cleared when it grows past a few thousand entries.
    mutable std::unordered_map<std::string, int> m_wordWidths;
};

} // namespace vorn
