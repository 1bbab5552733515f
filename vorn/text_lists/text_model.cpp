#include <vorn/text_lists/text_model.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <system_error>

namespace vorn {

namespace {

// Length of the valid UTF-8 sequence at byte i, with its code point; 0 when the byte there
// starts none (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut short).
int DecodeSequence(const std::string& text, std::size_t i, char32_t& cp)
{
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    const unsigned c = s[i];
    if (c < 0x80) {
        cp = c;
        return 1;
    }
    int len = 0;
    char32_t least = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        len = 2;
        cp = c & 0x1F;
        least = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        len = 3;
        cp = c & 0x0F;
        least = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4;
        cp = c & 0x07;
        least = 0x10000;
    } else {
        return 0;
    }
    if (i + len > n)
        return 0;
    for (int k = 1; k < len; ++k) {
        const unsigned b = s[i + k];
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

const char* SkipBlanks(const char* p, const char* end)
{
    while (p < end && (*p == ' ' || (*p >= '\t' && *p <= '\r')))
        ++p;
    return p;
}

} // namespace

// ---- UTF-8 helpers ----

bool Utf8IsValid(const std::string& text)
{
    char32_t cp = 0;
    for (std::size_t i = 0; i < text.size();) {
        const int len = DecodeSequence(text, i, cp);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

std::string Utf8Sanitize(const std::string& text)
{
    if (Utf8IsValid(text))
        return text;
    std::string out;
    out.reserve(text.size() + 16);
    char32_t cp = 0;
    for (std::size_t i = 0; i < text.size();) {
        const int len = DecodeSequence(text, i, cp);
        if (len == 0) {
            Utf8Append(out, 0xFFFD);
            ++i;
        } else {
            out.append(text, i, len);
            i += len;
        }
    }
    return out;
}

std::size_t Utf8Next(const std::string& text, std::size_t byte)
{
    if (byte >= text.size())
        return text.size();
    char32_t cp = 0;
    return byte + std::max(DecodeSequence(text, byte, cp), 1);
}

std::size_t Utf8Prev(const std::string& text, std::size_t byte)
{
    byte = std::min(byte, text.size());
    if (byte == 0)
        return 0;
    std::size_t p = byte - 1;
    while (p > 0 && byte - p < 4 && (static_cast<unsigned char>(text[p]) & 0xC0) == 0x80)
        --p;
    char32_t cp = 0;
    if (DecodeSequence(text, p, cp) == static_cast<int>(byte - p))
        return p;
    return byte - 1; // a bad byte is a character of its own
}

int Utf8Length(const std::string& text)
{
    int count = 0;
    for (std::size_t i = 0; i < text.size(); i = Utf8Next(text, i))
        ++count;
    return count;
}

std::size_t Utf8Offset(const std::string& text, int index)
{
    std::size_t byte = 0;
    for (int i = 0; i < index && byte < text.size(); ++i)
        byte = Utf8Next(text, byte);
    return byte;
}

char32_t Utf8Decode(const std::string& text, std::size_t byte)
{
    if (byte >= text.size())
        return 0;
    char32_t cp = 0;
    return DecodeSequence(text, byte, cp) ? cp : char32_t(0xFFFD);
}

void Utf8Append(std::string& out, char32_t c)
{
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = 0xFFFD;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string Utf8Substr(const std::string& text, int first, int count)
{
    const std::size_t from = Utf8Offset(text, std::max(first, 0));
    std::size_t to = from;
    for (int i = 0; i < count && to < text.size(); ++i)
        to = Utf8Next(text, to);
    return text.substr(from, to - from);
}

bool IsTextSpace(char32_t c)
{
    return c == ' ' || (c >= '\t' && c <= '\r') || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

// ---- Numbers ----

int TextToInt(const std::string& text)
{
    const char* p = SkipBlanks(text.data(), text.data() + text.size());
    const char* end = text.data() + text.size();
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-'))
        negative = *p++ == '-';
    long long value = 0;
    for (; p < end && *p >= '0' && *p <= '9'; ++p)
        value = std::min(value * 10 + (*p - '0'), static_cast<long long>(INT_MAX) + 1);
    if (negative)
        return static_cast<int>(-value);
    return static_cast<int>(std::min(value, static_cast<long long>(INT_MAX)));
}

double TextToReal(const std::string& text)
{
    const char* end = text.data() + text.size();
    const char* p = SkipBlanks(text.data(), end);
    if (p < end && *p == '+' && p + 1 < end && p[1] != '-')
        ++p; // from_chars takes '-' but not '+'
    double value = 0.0;
    const auto result = std::from_chars(p, end, value, std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return value;
}

std::string RealToText(double value, int decimals)
{
    if (!std::isfinite(value))
        value = 0.0;
    char buf[400]; // the largest double has 309 integer digits
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed,
                                      std::clamp(decimals, 0, 40));
    return std::string(buf, result.ptr);
}

std::string IntToText(int value)
{
    char buf[16];
    const auto result = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, result.ptr);
}

int RoundToInt(double value)
{
    const double r = value + 0.5;
    if (!(r > INT_MIN))
        return r != r ? 0 : INT_MIN;
    if (r >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(r);
}

std::string FormatForStyle(const std::string& text, int style)
{
    switch (style) {
    case kEditInteger:
        return IntToText(TextToInt(text));
    case kEditReal:
        return RealToText(TextToReal(text), 6);
    case kEditReal2:
        return RealToText(TextToReal(text), 2);
    default:
        return text;
    }
}

// ---- The model ----

TextEditModel::TextEditModel()
{
    SetText(std::string());
}

void TextEditModel::SetText(const std::string& text)
{
    m_text = Utf8Sanitize(text);
    m_blockByte.assign(1, 0);
    m_blockWidth.clear();
    Rebuild(0);
    m_caret = m_selStart = m_selEnd = 0;
    m_offset = 0;
}

// Everything from the block holding character `fromChar` on is indexed again; blocks before
// it keep their byte offsets and widths (an edit never moves what lies before it).
void TextEditModel::Rebuild(int fromChar)
{
    const std::size_t block = std::min<std::size_t>(std::max(fromChar, 0) / kBlock, m_blockByte.size() - 1);
    std::size_t byte = m_blockByte[block];
    int count = static_cast<int>(block) * kBlock;
    m_blockByte.resize(block + 1);
    while (byte < m_text.size()) {
        byte = Utf8Next(m_text, byte);
        if (++count % kBlock == 0)
            m_blockByte.push_back(byte);
    }
    m_length = count;
    m_blockWidth.resize(std::min(block, m_blockWidth.size()));
    m_blockWidth.resize((m_length + kBlock - 1) / kBlock, -1);
}

// After characters lo .. lo + removed of the old text became `inserted` characters
// (byteDelta bytes more), the block starts past the edit are found from the old ones: the
// character now at a block start was at most half a block away from an old block start, so
// each costs a few steps instead of walking the whole tail of a long text.
void TextEditModel::Reindex(int lo, int removed, int inserted, std::ptrdiff_t byteDelta)
{
    const int delta = inserted - removed;
    if (delta <= -kBlock || delta >= kBlock) {
        Rebuild(lo);
        return;
    }
    const std::vector<std::size_t> oldStarts = m_blockByte;
    const int oldLength = m_length;
    m_length = oldLength + delta;
    // Block starts up to the end of the inserted text are walked from the edit's block.
    const std::size_t first = static_cast<std::size_t>(lo / kBlock);
    const int editEnd = lo + inserted;
    m_blockByte.resize(first + 1);
    std::size_t byte = m_blockByte[first];
    int count = static_cast<int>(first) * kBlock;
    while (count < editEnd && byte < m_text.size()) {
        byte = Utf8Next(m_text, byte);
        if (++count % kBlock == 0)
            m_blockByte.push_back(byte);
    }
    const std::size_t editEndByte = byte;
    const int oldEditEnd = lo + removed;
    // Byte in the new text of old character j, which lies past the edit: walked from the
    // nearer of the old block starts around it (or from the edit's end), which past the edit
    // sit byteDelta bytes further.
    auto oldCharByte = [&](int j) {
        if (j == oldLength)
            return m_text.size();
        const std::size_t k = static_cast<std::size_t>(j / kBlock);
        int from = static_cast<int>(k) * kBlock;
        std::size_t at = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(oldStarts[k]) + byteDelta);
        if (from < oldEditEnd) {
            from = oldEditEnd;
            at = editEndByte;
        }
        const int after = static_cast<int>(k + 1) * kBlock;
        if (k + 1 < oldStarts.size() && after - j < j - from) {
            at = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(oldStarts[k + 1]) + byteDelta);
            for (int i = j; i < after; ++i)
                at = Utf8Prev(m_text, at);
            return at;
        }
        for (int i = from; i < j; ++i)
            at = Utf8Next(m_text, at);
        return at;
    };
    for (int c = static_cast<int>(m_blockByte.size()) * kBlock; c <= m_length; c += kBlock)
        m_blockByte.push_back(oldCharByte(c - delta));
    m_blockWidth.resize(std::min(first, m_blockWidth.size()));
    m_blockWidth.resize((m_length + kBlock - 1) / kBlock, -1);
}

std::size_t TextEditModel::ByteOf(int index) const
{
    index = std::clamp(index, 0, m_length);
    std::size_t byte = m_blockByte[index / kBlock];
    for (int i = index % kBlock; i > 0; --i)
        byte = Utf8Next(m_text, byte);
    return byte;
}

std::string TextEditModel::GetRange(int first, int count) const
{
    first = std::clamp(first, 0, m_length);
    count = std::clamp(count, 0, m_length - first);
    const std::size_t from = ByteOf(first);
    return m_text.substr(from, ByteOf(first + count) - from);
}

bool TextEditModel::Truncate(int chars)
{
    chars = std::max(chars, 0);
    if (m_length <= chars)
        return false;
    m_text.resize(ByteOf(chars));
    Rebuild(chars);
    m_caret = chars;
    m_selStart = std::min(m_selStart, chars);
    m_selEnd = std::min(m_selEnd, chars);
    return true;
}

std::string TextEditModel::GetSelectedText() const
{
    return GetRange(GetSelectionMin(), GetSelectionMax() - GetSelectionMin());
}

void TextEditModel::SetCaret(int index, bool extend)
{
    index = std::clamp(index, 0, m_length);
    if (extend) {
        if (!HasSelection())
            m_selStart = m_caret;
        m_selEnd = index;
    } else {
        m_selStart = m_selEnd = index;
    }
    m_caret = index;
}

void TextEditModel::SetSelection(int anchor, int end)
{
    m_selStart = std::clamp(anchor, 0, m_length);
    m_selEnd = m_caret = std::clamp(end, 0, m_length);
}

void TextEditModel::SelectWordAt(int index)
{
    if (m_length == 0) {
        SetCaret(0);
        return;
    }
    index = std::clamp(index, 0, m_length - 1);
    std::size_t byte = ByteOf(index);
    if (IsTextSpace(Utf8Decode(m_text, byte))) {
        SetCaret(index);
        return;
    }
    int first = index;
    for (std::size_t b = byte; first > 0;) {
        const std::size_t prev = Utf8Prev(m_text, b);
        if (IsTextSpace(Utf8Decode(m_text, prev)))
            break;
        b = prev;
        --first;
    }
    int last = index;
    for (; last < m_length && !IsTextSpace(Utf8Decode(m_text, byte)); ++last)
        byte = Utf8Next(m_text, byte);
    SetSelection(first, last);
}

bool TextEditModel::Replace(const std::string& text)
{
    const std::string clean = Utf8Sanitize(text);
    if (clean.empty())
        return DeleteSelection();
    const int lo = GetSelectionMin();
    const std::size_t from = ByteOf(lo);
    const std::size_t removedBytes = ByteOf(GetSelectionMax()) - from;
    const int inserted = Utf8Length(clean);
    m_text.replace(from, removedBytes, clean);
    Reindex(lo, GetSelectionMax() - lo, inserted,
            static_cast<std::ptrdiff_t>(clean.size()) - static_cast<std::ptrdiff_t>(removedBytes));
    m_caret = m_selStart = m_selEnd = lo + inserted;
    return true;
}

bool TextEditModel::DeleteSelection()
{
    if (!HasSelection())
        return false;
    const int lo = GetSelectionMin();
    const std::size_t from = ByteOf(lo);
    const std::size_t removedBytes = ByteOf(GetSelectionMax()) - from;
    m_text.erase(from, removedBytes);
    Reindex(lo, GetSelectionMax() - lo, 0, -static_cast<std::ptrdiff_t>(removedBytes));
    m_caret = m_selStart = m_selEnd = lo;
    return true;
}

bool TextEditModel::DeleteForward()
{
    if (HasSelection())
        return DeleteSelection();
    if (m_caret >= m_length)
        return false;
    SetSelection(m_caret, m_caret + 1);
    return DeleteSelection();
}

bool TextEditModel::DeleteBackward()
{
    if (HasSelection())
        return DeleteSelection();
    if (m_caret <= 0)
        return false;
    SetSelection(m_caret - 1, m_caret);
    return DeleteSelection();
}

// ---- Layout ----

void TextEditModel::SetWidthFunction(WidthFunction width)
{
    m_width = std::move(width);
    InvalidateWidths();
}

void TextEditModel::SetMasked(bool masked)
{
    if (masked != m_masked) {
        m_masked = masked;
        InvalidateWidths();
    }
}

void TextEditModel::InvalidateWidths()
{
    std::fill(m_blockWidth.begin(), m_blockWidth.end(), -1);
}

std::string TextEditModel::GetShown(int first, int count) const
{
    if (!m_masked)
        return GetRange(first, count);
    first = std::clamp(first, 0, m_length);
    return std::string(static_cast<std::size_t>(std::clamp(count, 0, m_length - first)), '*');
}

int TextEditModel::Measure(int first, int count) const
{
    if (count <= 0 || !m_width)
        return 0;
    return std::max(m_width(GetShown(first, count)), 0);
}

int TextEditModel::BlockWidth(int block) const
{
    int& width = m_blockWidth[block];
    if (width < 0)
        width = Measure(block * kBlock, kBlock);
    return width;
}

int TextEditModel::PrefixWidth(int chars) const
{
    chars = std::clamp(chars, 0, m_length);
    long long width = 0;
    const int blocks = chars / kBlock;
    for (int b = 0; b < blocks; ++b)
        width += BlockWidth(b);
    width += Measure(blocks * kBlock, chars % kBlock);
    return static_cast<int>(std::min<long long>(width, INT_MAX / 2));
}

// Walks the blocks to the one holding x, then halves inside it: the answer is the first
// character whose middle lies right of x (a point on a character's right half lies after it).
int TextEditModel::MapMouseToCharacter(int x) const
{
    if (x < 0)
        return 0;
    long long left = 0;
    const int blocks = static_cast<int>(m_blockWidth.size());
    for (int b = 0; b < blocks; ++b) {
        const int w = BlockWidth(b);
        if (x >= left + w) {
            left += w;
            continue;
        }
        const int start = b * kBlock;
        const int n = std::min(kBlock, m_length - start);
        auto edge = [&](int i) { return left + (i == 0 ? 0 : i == n ? w : Measure(start, i)); };
        int lo = 1, hi = n + 1; // smallest i in [1, n] with x < middle of character i
        while (lo < hi) {
            const int mid = (lo + hi) / 2;
            if (x < (edge(mid - 1) + edge(mid)) / 2)
                hi = mid;
            else
                lo = mid + 1;
        }
        return start + lo - 1;
    }
    return m_length;
}

bool TextEditModel::FitsWithin(int width) const
{
    long long total = 0;
    const int blocks = static_cast<int>(m_blockWidth.size());
    for (int b = 0; b < blocks && total <= width; ++b)
        total += BlockWidth(b);
    return total <= width;
}

void TextEditModel::KeepCaretVisible(int visibleWidth)
{
    const int room = visibleWidth - 2; // the caret is two pixels wide
    if (FitsWithin(room)) {
        m_offset = 0;
        return;
    }
    const int cx = PrefixWidth(m_caret);
    if (cx + m_offset < 0)
        m_offset = -cx;
    else if (cx + m_offset > room)
        m_offset = room - cx;
    // No gap right of the text while it is scrolled.
    if (m_offset < 0 && FitsWithin(room - m_offset))
        m_offset = std::min(0, room - TextWidth());
}

void TextEditModel::VisibleRange(int offset, int visibleWidth, int& first, int& count, int& x) const
{
    const long long from = -static_cast<long long>(offset);
    long long left = 0;
    const int blocks = static_cast<int>(m_blockWidth.size());
    int b = 0;
    for (; b < blocks && left + BlockWidth(b) <= from; ++b)
        left += BlockWidth(b);
    first = std::min(b * kBlock, m_length);
    x = static_cast<int>(left - from);
    for (; b < blocks && left < from + visibleWidth; ++b)
        left += BlockWidth(b);
    count = std::min(b * kBlock, m_length) - first;
}

} // namespace vorn
