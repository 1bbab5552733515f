// The editing model of the edit boxes, without a window: UTF-8, editing, numbers, layout.
#include <algorithm>
#include <clocale>
#include <locale>
#include <string>

#include <gtest/gtest.h>

#include <vorn/text_lists/text_model.h>

using namespace vorn;

namespace {
// Every character 10 pixels wide, 'W' 20: easy to reason about.
int FakeWidth(const std::string& text)
{
    int w = 0;
    for (std::size_t i = 0; i < text.size(); i = Utf8Next(text, i))
        w += text[i] == 'W' ? 20 : 10;
    return w;
}

TextEditModel Model(const std::string& text, int* calls = nullptr)
{
    TextEditModel m;
    m.SetWidthFunction([calls](const std::string& t) {
        if (calls)
            ++*calls;
        return FakeWidth(t);
    });
    m.SetText(text);
    return m;
}

// A ',' decimal point for the C++ number functions.
struct Comma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};
} // namespace

TEST(Utf8, BadBytesBecomeOneReplacementEach)
{
    const std::string fffd = "\xEF\xBF\xBD";
    const struct { std::string in, out; } cases[] = {
        {"a\xFF" "b", "a" + fffd + "b"},                   // stray byte
        {"\xC3", fffd},                                    // cut short
        {"\xC0\xAF", fffd + fffd},                         // overlong
        {"\xED\xA0\x80", fffd + fffd + fffd},              // surrogate
        {"\xC3\xA9\xE6\x97\xA5", "\xC3\xA9\xE6\x97\xA5"}, // valid é日 stays
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8Sanitize(c.in), c.out);
        EXPECT_EQ(Utf8Length(c.in), Utf8Length(c.out));
        EXPECT_EQ(Model(c.in).GetText(), c.out);
    }
}

TEST(TextEditModel, CaretMovesByWholeCharacters)
{
    TextEditModel m = Model("a\xC3\xA9\xC3\x9F\xE6\x97\xA5\xF0\x9F\x98\x80"); // aéß日😀
    ASSERT_EQ(m.GetLength(), 5);
    m.SetCaret(1);
    m.MoveCaret(2, true); // Shift+Right twice
    EXPECT_EQ(m.GetSelectedText(), "\xC3\xA9\xC3\x9F");
    m.MoveCaret(-1, true); // shrinks from the caret
    EXPECT_EQ(m.GetSelectedText(), "\xC3\xA9");
    EXPECT_TRUE(m.DeleteForward()); // deletes the selection
    EXPECT_EQ(m.GetText(), "a\xC3\x9F\xE6\x97\xA5\xF0\x9F\x98\x80");
    m.SetCaret(m.GetLength());
    EXPECT_TRUE(m.DeleteBackward());
    EXPECT_FALSE(m.DeleteForward()); // nothing after the caret
    EXPECT_EQ(m.GetText(), "a\xC3\x9F\xE6\x97\xA5");
    m.MoveCaret(-1);
    EXPECT_TRUE(m.Replace("\xC3\xA9x"));
    EXPECT_EQ(m.GetText(), "a\xC3\x9F\xC3\xA9x\xE6\x97\xA5");
    EXPECT_EQ(m.GetCaret(), 4);
    EXPECT_EQ(m.GetRange(3, 1), "x");
    EXPECT_TRUE(m.Truncate(3)); // a five-character box cuts the same way
    EXPECT_EQ(m.GetCaret(), 3);
    EXPECT_EQ(m.GetText(), "a\xC3\x9F\xC3\xA9");
}

TEST(TextEditModel, WordSelectionStopsAtBlanks)
{
    TextEditModel m = Model("hello w\xC3\xB6rld\xE3\x80\x80" "foo");
    const struct { int at; std::string word; int caret; } cases[] = {
        {0, "hello", 5}, {8, "w\xC3\xB6rld", 11}, {12, "foo", 15}, {5, "", 5}, {99, "foo", 15}};
    for (const auto& c : cases) {
        m.SelectWordAt(c.at);
        EXPECT_EQ(m.GetSelectedText(), c.word) << c.at;
        EXPECT_EQ(m.GetCaret(), c.caret) << c.at;
    }
    m.SelectAll();
    EXPECT_EQ(m.GetSelectionMin(), 0);
    EXPECT_EQ(m.GetSelectionMax(), m.GetLength());
}

TEST(TextEditModel, NumbersIgnoreTheLocale)
{
    const struct { int style; std::string in, out; } cases[] = {
        {kEditInteger, "12abc", "12"},     {kEditReal2, "3.14159", "3.14"},
        {kEditText, "12abc", "12abc"},     {kEditReal, "3.5", "3.500000"},
        {kEditReal, " +2e3x", "2000.000000"}, {kEditReal, "1e400", "0.000000"},
        {kEditReal, "nan", "0.000000"},    {kEditReal, "", "0.000000"},
        {kEditInteger, "", "0"},           {kEditInteger, "-99999999999", "-2147483648"},
        {kEditPassword, "3,5", "3,5"},     {kEditReal2, "-0.005", "-0.01"},
    };
    const std::string oldC = std::setlocale(LC_ALL, nullptr);
    for (int pass = 0; pass < 2; ++pass) {
        if (pass && !std::setlocale(LC_ALL, "de_DE.UTF-8")) // the C functions too, where installed
            std::setlocale(LC_ALL, "de_DE.utf8");
        const std::locale oldCpp = std::locale::global(pass ? std::locale(std::locale::classic(), new Comma)
                                                            : std::locale::classic());
        for (const auto& c : cases)
            EXPECT_EQ(FormatForStyle(c.in, c.style), c.out) << c.in << " pass " << pass;
        EXPECT_EQ(RoundToInt(49.6), 50);
        EXPECT_EQ(RoundToInt(1e300), 2147483647);
        std::locale::global(oldCpp);
    }
    std::setlocale(LC_ALL, oldC.c_str());
}

TEST(TextEditModel, PointerMapsToTheNearerEdge)
{
    TextEditModel m = Model("aWb");             // edges 0, 10, 30, 40
    const int cases[][2] = {{-3, 0}, {4, 0}, {5, 1}, {19, 1}, {20, 2}, {35, 3}, {400, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(m.MapMouseToCharacter(c[0]), c[1]) << c[0];
    TextEditModel longer = Model(std::string(200, 'x'));
    EXPECT_EQ(longer.MapMouseToCharacter(1234), 123); // past a block edge
    EXPECT_EQ(longer.PrefixWidth(130), 1300);
}

TEST(TextEditModel, CaretStaysVisible)
{
    TextEditModel m = Model(std::string(100, 'x')); // 1000 pixels in a 50-pixel area
    m.SetCaret(100);
    m.KeepCaretVisible(50);
    EXPECT_EQ(m.GetOffset(), 48 - 1000); // the caret's two pixels end at the right edge
    int first = 0, count = 0, x = 0;
    m.VisibleRange(50, first, count, x);
    EXPECT_EQ(first + count, 100);
    m.SetCaret(3);
    m.KeepCaretVisible(50);
    EXPECT_EQ(m.GetOffset(), -30);
    m.SetSelection(0, 100);
    m.DeleteSelection();
    m.KeepCaretVisible(50);
    EXPECT_EQ(m.GetOffset(), 0); // fits again
}

TEST(TextEditModel, MegabyteTextMeasuresOnlyWhatChanged)
{
    int calls = 0;
    TextEditModel m = Model(std::string(1 << 20, 'x'), &calls);
    m.SetCaret(m.GetLength());
    m.KeepCaretVisible(200);
    const int first = calls;
    m.Replace("y");
    m.KeepCaretVisible(200);
    EXPECT_LE(calls - first, 4);
    EXPECT_EQ(m.GetOffset(), 198 - 10 * ((1 << 20) + 1));
    calls = 0;
    m.SetCaret(0);
    m.Replace("z"); // an edit at the start forgets every block, but measures only a few
    m.KeepCaretVisible(200);
    EXPECT_LE(calls, 8);
}

// Small edits re-index only around themselves; every position must still find the bytes a
// model indexed from scratch finds.
TEST(TextEditModel, EditsKeepTheIndexOfAFreshModel)
{
    const char* pieces[] = {"a", "\xC3\xA9", "\xE6\x97\xA5", "\xF0\x9F\x98\x80", " ", "xyz"};
    std::string text;
    for (int i = 0; i < 700; ++i)
        text += pieces[(i * 7) % 6];
    TextEditModel m = Model(text);
    unsigned seed = 1;
    auto next = [&seed](int n) { return static_cast<int>((seed = seed * 1103515245u + 12345u) >> 16) % n; };
    for (int step = 0; step < 200; ++step) {
        const int at = next(m.GetLength() + 1);
        m.SetSelection(at, std::min(m.GetLength(), at + next(step % 3 == 0 ? 150 : 3)));
        if (step % 2)
            m.Replace(pieces[next(6)]);
        else
            m.DeleteBackward();
        const TextEditModel fresh = Model(m.GetText());
        ASSERT_EQ(m.GetLength(), fresh.GetLength());
        for (int i = 0; i <= m.GetLength(); i += 13)
            ASSERT_EQ(m.GetRange(i, 70), fresh.GetRange(i, 70)) << "step " << step << " at " << i;
    }
}
