#include <vorn/text_lists/line_layout.h>

#include <algorithm>
#include <climits>

namespace vorn {

namespace {

// Only ASCII whitespace breaks lines: a no-break space must not, and other Unicode spaces
// are rare enough in edited text to be treated as letters.
bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Whitespace that moves to the next line with the token after it (a newline never does).
bool IsBlank(char c) { return IsSpace(c) && c != '\n'; }

// The index after the UTF-8 character at pos; stray continuation bytes count as characters.
int NextChar(const std::string& text, int pos)
{
    const int n = static_cast<int>(text.size());
    ++pos;
    while (pos < n && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80)
        ++pos;
    return std::min(pos, n);
}

constexpr size_t kCachedPiece = 24;    // bytes: longer pieces are measured each time
constexpr size_t kCachedPieces = 8192; // entries before the cache starts afresh

int Clamp(int v, int lo, int hi) { return std::max(lo, std::min(v, hi)); }

int CountChars(const std::string& text, int from, int to)
{
    int count = 0;
    for (int i = from; i < to; ++i)
        count += (static_cast<unsigned char>(text[static_cast<size_t>(i)]) & 0xC0) != 0x80;
    return count;
}

} // namespace

int LineLayout::Width(const std::string& text, int from, int to) const
{
    if (to <= from)
        return 0;
    if (!m_width)
        return to - from; // no font yet: a pixel a byte keeps the layout defined
    const std::string_view piece = std::string_view(text).substr(static_cast<size_t>(from), static_cast<size_t>(to - from));
    if (piece.size() > kCachedPiece)
        return m_width(piece);
    if (m_wordWidths.size() > kCachedPieces)
        m_wordWidths.clear();
    auto [at, fresh] = m_wordWidths.try_emplace(std::string(piece), 0);
    if (fresh)
        at->second = m_width(piece);
    return at->second;
}

int LineLayout::FindToken(const std::string& text, int pos) const
{
    const int n = static_cast<int>(text.size());
    if (pos < 0)
        pos = 0;
    if (pos >= n)
        return n;
    if (IsSpace(text[pos]))
        return pos + 1;
    int end = pos;
    while (end < n && !IsSpace(text[end]))
        end = NextChar(text, end);
    if (Width(text, pos, end) <= m_textWidth)
        return end;
    // Wider than a line: cut at the last character boundary that still fits, keeping at
    // least one character so the scan always moves on.
    std::vector<int> bounds;
    for (int e = NextChar(text, pos); e < end; e = NextChar(text, e))
        bounds.push_back(e);
    auto fits = std::partition_point(bounds.begin(), bounds.end(),
                                     [&](int e) { return Width(text, pos, e) <= m_textWidth; });
    return fits == bounds.begin() ? NextChar(text, pos) : *(fits - 1);
}

size_t LineLayout::Scan(const std::string& text, int from, int fromChar, int syncFrom, int delta,
                        std::vector<int>& out, std::vector<int>& outChars) const
{
    const int n = static_cast<int>(text.size());
    size_t oldNext = static_cast<size_t>(std::upper_bound(m_starts.begin(), m_starts.end(), from) - m_starts.begin());
    // Records a line start; true when it meets an old start shifted by delta, which means
    // every later start is the old one shifted too.
    auto record = [&](int start, int chr) {
        out.push_back(start);
        outChars.push_back(chr);
        if (start < syncFrom)
            return false;
        while (oldNext < m_starts.size() && m_starts[oldNext] < start - delta)
            ++oldNext;
        return oldNext < m_starts.size() && m_starts[oldNext] == start - delta;
    };
    int lineStart = from, x = 0, pos = from, chr = fromChar;
    while (pos < n) {
        const int end = FindToken(text, pos);
        if (text[pos] == '\n') {
            lineStart = end;
            x = 0;
            pos = end;
            if (record(end, ++chr))
                return oldNext;
            continue;
        }
        const int w = Width(text, pos, end);
        if (x + w > m_textWidth) {
            const bool blank = pos > 0 && IsBlank(text[pos - 1]);
            const int start = blank ? pos - 1 : pos;
            // A line never breaks at its own start: a token wider than the line stays where it is.
            // The new line's x counts the moved blank and the token rather than restarting at
            // 0, so the next word cannot run past the edge.
            if (start > lineStart) {
                lineStart = start;
                x = Width(text, start, pos);
                if (record(start, blank ? chr - 1 : chr))
                    return oldNext;
            }
        }
        x += w;
        chr += CountChars(text, pos, end);
        pos = end;
    }
    return std::string::npos;
}

void LineLayout::UpdateLineBreaks(const std::string& text)
{
    std::vector<int> starts, chars;
    Scan(text, 0, 0, INT_MAX, 0, starts, chars);
    m_starts.swap(starts);
    m_charStarts.swap(chars);
}

std::pair<int, int> LineLayout::Reflow(const std::string& text, int index, int removed, int inserted)
{
    const int n = static_cast<int>(text.size());
    removed = std::max(removed, 0);
    inserted = Clamp(inserted, 0, n);
    index = Clamp(index, 0, n - inserted);
    const int delta = inserted - removed;
    // Decisions on the line holding the character before the edit may change (its last
    // word may now fit on the line above), so the scan starts one line earlier still.
    const int editLine = LineOf(index - 1);
    const int first = std::max(0, editLine - 1);
    const size_t at = static_cast<size_t>(first);
    const int from = first == 0 ? 0 : m_starts[at - 1];
    const int fromChar = first == 0 ? 0 : m_charStarts[at - 1];
    std::vector<int> fresh, freshChars;
    const size_t sync = Scan(text, from, fromChar, index + inserted, delta, fresh, freshChars);
    // Old starts [first, sync] are replaced by the fresh ones; the rest move by the same
    // bytes and characters as the start where the scans met.
    const size_t keepFrom = sync == std::string::npos ? m_starts.size() : sync + 1;
    const int charDelta = sync == std::string::npos ? 0 : freshChars.back() - m_charStarts[sync];
    // The line before the edit's changed only when its end moved.
    const bool firstKept = first < editLine && !fresh.empty() && fresh[0] == m_starts[at];
    for (size_t k = keepFrom; k < m_starts.size(); ++k) {
        m_starts[k] += delta;
        m_charStarts[k] += charDelta;
    }
    const auto cut = [&](std::vector<int>& v, const std::vector<int>& with) {
        v.erase(v.begin() + static_cast<long>(at), v.begin() + static_cast<long>(keepFrom));
        v.insert(v.begin() + static_cast<long>(at), with.begin(), with.end());
    };
    cut(m_starts, fresh);
    cut(m_charStarts, freshChars);
    // Past the start where the scans met, the lines hold the same text as before; they keep
    // their numbers only when as many starts came back as went.
    const bool renumbered = sync == std::string::npos || fresh.size() != keepFrom - at;
    return {firstKept ? first + 1 : first, renumbered ? INT_MAX : first + static_cast<int>(fresh.size()) - 1};
}

int LineLayout::LineStart(int line) const
{
    line = Clamp(line, 0, GetLineCount() - 1);
    return line == 0 ? 0 : m_starts[static_cast<size_t>(line - 1)];
}

int LineLayout::LineEnd(const std::string& text, int line) const
{
    line = Clamp(line, 0, GetLineCount() - 1);
    const int n = static_cast<int>(text.size());
    int end = line + 1 < GetLineCount() ? std::min(m_starts[static_cast<size_t>(line)], n) : n;
    const int start = std::min(LineStart(line), end);
    if (end > start && text[static_cast<size_t>(end - 1)] == '\n')
        --end;
    return end;
}

int LineLayout::LineOf(int index) const
{
    return static_cast<int>(std::upper_bound(m_starts.begin(), m_starts.end(), index) - m_starts.begin());
}

int LineLayout::ByteOfChar(const std::string& text, int chr) const
{
    const size_t line = static_cast<size_t>(std::upper_bound(m_charStarts.begin(), m_charStarts.end(), chr) -
                                            m_charStarts.begin());
    int pos = line == 0 ? 0 : m_starts[line - 1];
    int at = line == 0 ? 0 : m_charStarts[line - 1];
    const int n = static_cast<int>(text.size());
    while (at < chr && pos < n) {
        pos = NextChar(text, pos);
        ++at;
    }
    return std::min(pos, n);
}

int LineLayout::CharOfByte(const std::string& text, int index) const
{
    index = Clamp(index, 0, static_cast<int>(text.size()));
    while (index > 0 && index < static_cast<int>(text.size()) &&
           (static_cast<unsigned char>(text[static_cast<size_t>(index)]) & 0xC0) == 0x80)
        --index;
    const int line = LineOf(index);
    const int start = std::min(LineStart(line), index);
    return (line == 0 ? 0 : m_charStarts[static_cast<size_t>(line - 1)]) + CountChars(text, start, index);
}

int LineLayout::XOf(const std::string& text, int index) const
{
    index = Clamp(index, 0, static_cast<int>(text.size()));
    return Width(text, std::min(LineStart(LineOf(index)), index), index);
}

int LineLayout::IndexAt(const std::string& text, int line, int x) const
{
    const int end = LineEnd(text, line);
    int prev = std::min(LineStart(line), end);
    const int start = prev;
    int prevX = 0;
    // The end of a wrapped line is the next line's start, where the caret shows on the next
    // line; a point past a wrapped line's end stays on it, before its last character.
    const bool wrapped = line + 1 < GetLineCount() && end == m_starts[static_cast<size_t>(line)];
    while (prev < end) {
        const int next = NextChar(text, prev);
        const int nextX = Width(text, start, next);
        if (2 * x < prevX + nextX || (wrapped && next == end))
            return prev;
        prev = next;
        prevX = nextX;
    }
    return end;
}

} // namespace vorn
