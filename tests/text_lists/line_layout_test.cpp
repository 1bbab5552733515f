#include <climits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/text_lists/line_layout.h>

using vorn::LineLayout;
using V = std::vector<int>;

namespace {

// 10 px per character, 4 px for 'i', so widths are not a byte count.
int Advance(std::string_view s)
{
    int w = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80)
            w += c == 'i' ? 4 : 10;
    return w;
}

LineLayout Wrapped(const std::string& text, int width)
{
    LineLayout layout;
    layout.SetWidthFunction(Advance);
    layout.SetTextWidth(width);
    layout.UpdateLineBreaks(text);
    return layout;
}

std::string LineText(const LineLayout& layout, const std::string& text, int line)
{
    const int start = layout.LineStart(line);
    return text.substr(start, layout.LineEnd(text, line) - start);
}

} // namespace

TEST(LineLayout, BreaksLines)
{
    struct Case {
        std::string text;
        int width;
        V starts;
    } cases[] = {
        {"abcdefghijkl", 50, {5, 10}},  // a word wider than the line is cut at the width
        {"ab\n", 50, {3}},              // a final newline leaves an empty last line
        {"aa bb cc", 50, {5}},          // the blank that overflows starts the next line
        {"aa bbb cc", 50, {2, 6}},      // a word that does not fit moves with the blank before it
        {"ab cdefghij", 50, {2, 8}},    // a cut word moves too, its second piece starts a line
        {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 30, {6}}, // never inside a character
        {"", 50, {}},
    };
    for (const Case& c : cases) {
        LineLayout layout = Wrapped(c.text, c.width);
        EXPECT_EQ(layout.GetLineStarts(), c.starts) << c.text;
        EXPECT_EQ(layout.GetLineCount(), static_cast<int>(c.starts.size()) + 1) << c.text;
    }
    LineLayout wrapped = Wrapped("aa bb cc", 50); // "aa bb" wraps before " cc"
    EXPECT_EQ(wrapped.IndexAt("aa bb cc", 0, 999), 4); // stays on the wrapped line
    LineLayout layout = Wrapped("ab\n", 50);
    EXPECT_EQ(layout.LineEnd("ab\n", 0), 2);
    EXPECT_EQ(layout.LineStart(1), layout.LineEnd("ab\n", 1));
}

TEST(LineLayout, MapsIndicesToLinesAndPixels)
{
    const std::string text = "ab\xC3\xA9i cd\nxyz"; // "abéi cd\nxyz"
    LineLayout layout = Wrapped(text, 1000);
    EXPECT_EQ(layout.GetLineStarts(), V{9});
    EXPECT_EQ(layout.GetLineCharStarts(), V{8});
    EXPECT_EQ(layout.LineOf(8), 0);
    EXPECT_EQ(layout.LineOf(9), 1);
    EXPECT_EQ(layout.XOf(text, 5), 34);         // a, b, é, i
    EXPECT_EQ(layout.IndexAt(text, 0, 26), 4);  // right half of é: after it
    EXPECT_EQ(layout.IndexAt(text, 0, 24), 2);  // left half: before it
    EXPECT_EQ(layout.IndexAt(text, 0, 999), 8); // past the end: before the newline
    EXPECT_EQ(layout.IndexAt(text, 1, 15), 11);
    for (int chr : {0, 2, 3, 8, 11})
        EXPECT_EQ(layout.CharOfByte(text, layout.ByteOfChar(text, chr)), chr);
    EXPECT_EQ(layout.CharOfByte(text, 3), 2); // inside é
}

// Re-wrapping only around an edit must give what a full wrap gives, for random texts
// and edits (insertions, deletions, replacements, at any character boundary).
TEST(LineLayout, ReflowEqualsFullWrap)
{
    const char* pieces[] = {"a", "bb", "iii", " ", " ", "\n", "\xC3\xA9", "wordwordword", "x y", "\n\n"};
    std::mt19937 rng(7);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    auto randomText = [&](int count) {
        std::string s;
        for (int k = 0; k < count; ++k)
            s += pieces[pick(10)];
        return s;
    };
    auto boundary = [&](const std::string& s) {
        int b = pick(static_cast<int>(s.size()) + 1);
        while (b < static_cast<int>(s.size()) && (static_cast<unsigned char>(s[b]) & 0xC0) == 0x80)
            ++b;
        return b;
    };
    for (int round = 0; round < 40; ++round) {
        const int width = 30 + pick(90);
        std::string text = randomText(pick(200));
        LineLayout layout = Wrapped(text, width);
        for (int edit = 0; edit < 30; ++edit) {
            const int at = boundary(text);
            const int to = std::max(at, boundary(text));
            const std::string insert = pick(3) ? randomText(pick(4)) : "";
            std::vector<std::string> before;
            for (int line = 0; line < layout.GetLineCount(); ++line)
                before.push_back(LineText(layout, text, line));
            text.replace(at, to - at, insert);
            const auto changed = layout.Reflow(text, at, to - at, static_cast<int>(insert.size()));
            LineLayout full = Wrapped(text, width);
            ASSERT_EQ(layout.GetLineStarts(), full.GetLineStarts()) << "round " << round << " edit " << edit;
            ASSERT_EQ(layout.GetLineCharStarts(), full.GetLineCharStarts());
            // Lines outside the reported range hold what they held.
            const int last = changed.second == INT_MAX ? -1 : changed.second;
            for (int line = 0; line < static_cast<int>(before.size()); ++line)
                if (line < changed.first || (last >= 0 && line > last))
                    ASSERT_EQ(LineText(layout, text, line), before[line]) << line;
        }
    }
}
