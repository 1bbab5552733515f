// Font database: storage, lookups and the font script with its messages.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/assets/font_database.h>

#include "script_warning.h"
#include "test_support.h"

using namespace vorn;

namespace {

// The text of the one warning a failing script gives.
std::string ErrorOf(FontDatabase& db, const std::string& script)
{
    return RunFailing(db, script, "FontDatabase Script Error");
}

wxFont FontOf(const FontDatabase& db, const std::string& name)
{
    wxFont f;
    EXPECT_TRUE(db.GetFont(name, f)) << name;
    return f;
}

} // namespace

TEST(FontDatabaseStore, NeverReplacesAndListsInByteOrder)
{
    FontDatabase db;
    wxFont small(8, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    wxFont big(20, wxFONTFAMILY_ROMAN, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD);
    EXPECT_TRUE(db.SetFont("label", small));
    EXPECT_FALSE(db.SetFont("label", big));
    EXPECT_TRUE(db.SetFont("Label", big));
    EXPECT_TRUE(db.SetFont("body", big));
    EXPECT_EQ(FontOf(db, "label").GetPointSize(), 8);
    EXPECT_EQ(FontOf(db, "Label").GetPointSize(), 20);

    std::vector<std::string> names = {"stale"};
    EXPECT_TRUE(db.GetFontNameList(names));
    EXPECT_EQ(names, (std::vector<std::string>{"Label", "body", "label"}));
    db.Clear();
    EXPECT_TRUE(db.GetFontNameList(names));
    EXPECT_TRUE(names.empty());
}

TEST(FontDatabaseStore, GetFontLogsEveryNameAndLeavesOutAloneWhenUnknown)
{
    FontDatabase db;
    db.SetFont("known", wxFont(9, wxFONTFAMILY_MODERN, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
    vorntest::DiagnosticsRecorder rec;
    wxFont out(31, wxFONTFAMILY_ROMAN, wxFONTSTYLE_ITALIC, wxFONTWEIGHT_BOLD);
    EXPECT_FALSE(db.GetFont("unknown", out));
    EXPECT_EQ(out.GetPointSize(), 31);
    EXPECT_EQ(out.GetStyle(), wxFONTSTYLE_ITALIC);
    EXPECT_TRUE(db.GetFont("known", out));
    EXPECT_EQ(out.GetPointSize(), 9);
    EXPECT_EQ(rec.debug, (std::vector<std::string>{"unknown\n", "known\n"}));
}

TEST(FontScript, FamilyStyleAndWeightWords)
{
    FontDatabase db;
    const std::string script = "# fonts of the skin\n"
                               "\n"
                               "plain 12 swiss\n"
                               "bolded 11 swiss normal bold\n"
                               "leaning 10 roman italic light\n"
                               "slanted 9 modern slant\n"
                               "dflt 8 default normal normal trailing ignored\n"
                               "deco 7 decorative\n"
                               "hand 6 script\n";
    ASSERT_TRUE(db.RunScript(script));
    EXPECT_EQ(db.GetCount(), 7u);

    const wxFont plain = FontOf(db, "plain");
    EXPECT_EQ(plain.GetPointSize(), 12);
    EXPECT_EQ(plain.GetFamily(), wxFONTFAMILY_SWISS);
    EXPECT_EQ(plain.GetStyle(), wxFONTSTYLE_NORMAL);
    EXPECT_EQ(plain.GetWeight(), wxFONTWEIGHT_NORMAL);
    EXPECT_FALSE(plain.GetUnderlined());

    const wxFont bolded = FontOf(db, "bolded");
    EXPECT_EQ(bolded.GetStyle(), wxFONTSTYLE_NORMAL);
    EXPECT_EQ(bolded.GetWeight(), wxFONTWEIGHT_BOLD);

    const wxFont leaning = FontOf(db, "leaning");
    EXPECT_EQ(leaning.GetPointSize(), 10);
    EXPECT_EQ(leaning.GetFamily(), wxFONTFAMILY_ROMAN);
    EXPECT_EQ(leaning.GetStyle(), wxFONTSTYLE_ITALIC);
    EXPECT_EQ(leaning.GetWeight(), wxFONTWEIGHT_LIGHT);

    const wxFont slanted = FontOf(db, "slanted");
    EXPECT_EQ(slanted.GetStyle(), wxFONTSTYLE_SLANT);
    EXPECT_EQ(slanted.GetWeight(), wxFONTWEIGHT_NORMAL);
    // The toolkit reports monospace faces as teletype, its modern family's fixed form.
    EXPECT_TRUE(slanted.IsFixedWidth());

    EXPECT_EQ(FontOf(db, "dflt").GetPointSize(), 8);
    EXPECT_EQ(FontOf(db, "deco").GetPointSize(), 7);
    EXPECT_EQ(FontOf(db, "hand").GetPointSize(), 6);
}

TEST(FontScript, LinesWithoutNameSizeAndFamilyAreSkippedSilently)
{
    FontDatabase db;
    vorntest::DiagnosticsRecorder rec;
    ASSERT_TRUE(db.RunScript("# a comment line\n"
                             "   \n"
                             "onlyname\n"
                             "nosize big swiss\n"
                             "nofamily 12\n"
                             "ok 12 swiss"));
    EXPECT_TRUE(rec.warnings.empty());
    std::vector<std::string> names;
    db.GetFontNameList(names);
    EXPECT_EQ(names, (std::vector<std::string>{"ok"}));
}

TEST(FontScript, WeightWithoutStyleIsReadAsStyle)
{
    FontDatabase db;
    EXPECT_EQ(ErrorOf(db, "a 12 swiss\nb 12 swiss bold\nc 12 swiss\n"),
              "Unknown Style Arg [bold] on line 2");
    EXPECT_TRUE(db.HasFont("a"));
    EXPECT_FALSE(db.HasFont("c"));
}

TEST(FontScript, UnknownWordsAreCaseSensitiveErrors)
{
    FontDatabase db;
    EXPECT_EQ(ErrorOf(db, "\n\na 12 Swiss\n"), "Unknown Family Arg [Swiss] on line 3");
    EXPECT_EQ(ErrorOf(db, "a 12 swiss Italic\n"), "Unknown Style Arg [Italic] on line 1");
    EXPECT_EQ(ErrorOf(db, "a 12 swiss normal heavy\n"), "Unknown Weight Arg [heavy] on line 1");
    // The family is checked before the style, the style before the weight.
    EXPECT_EQ(ErrorOf(db, "a 12 sans oblique heavy\n"), "Unknown Family Arg [sans] on line 1");
    EXPECT_EQ(db.GetCount(), 0u);
}

TEST(FontScript, DuplicateNameStopsTheLoad)
{
    FontDatabase db;
    EXPECT_EQ(ErrorOf(db, "a 12 swiss\nA 10 roman\na 14 modern\nz 8 swiss\n"),
              "Already have font [a] on line 3");
    EXPECT_EQ(FontOf(db, "a").GetPointSize(), 12);
    EXPECT_TRUE(db.HasFont("A"));
    EXPECT_FALSE(db.HasFont("z"));
}

TEST(FontScript, PointSizesTheToolkitCannotTakeAreRefused)
{
    FontDatabase db;
    EXPECT_EQ(ErrorOf(db, "a -5 swiss\n"), "Bad point size [-5] on line 1");
    EXPECT_EQ(ErrorOf(db, "a 12 swiss\nb 2147483647 swiss\n"),
              "Bad point size [2147483647] on line 2");
    ASSERT_TRUE(db.RunScript("dflt -1 swiss\n"));
    EXPECT_GT(FontOf(db, "dflt").GetPointSize(), 0) << "-1 asks for the default size";
}
