// Font database: storage, lookups and the font script with its messages.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/assets/font_database.h>

#include "script_warning.h"
#include "test_support.h"

using namespace vorn;

TEST(FontDatabaseStore, NeverReplacesListsInByteOrderAndLogsEveryLookup)
{
    FontDatabase db;
    wxFont small(8, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    wxFont big(20, wxFONTFAMILY_ROMAN, wxFONTSTYLE_ITALIC, wxFONTWEIGHT_BOLD);
    EXPECT_TRUE(db.SetFont("label", small));
    EXPECT_FALSE(db.SetFont("label", big));
    EXPECT_TRUE(db.SetFont("Label", big));
    std::vector<std::string> names = {"stale"};
    EXPECT_TRUE(db.GetFontNameList(names));
    EXPECT_EQ(names, (std::vector<std::string>{"Label", "label"}));

    vorntest::DiagnosticsRecorder rec;
    wxFont out = big;
    EXPECT_FALSE(db.GetFont("unknown", out));
    EXPECT_EQ(out.GetPointSize(), 20) << "an unknown name leaves the font alone";
    EXPECT_TRUE(db.GetFont("label", out));
    EXPECT_EQ(out.GetPointSize(), 8);
    EXPECT_EQ(rec.debug, (std::vector<std::string>{"unknown\n", "label\n"}));
    db.Clear();
    EXPECT_EQ(db.GetCount(), 0u);
}

TEST(FontScript, FamilyStyleAndWeightWords)
{
    FontDatabase db;
    vorntest::DiagnosticsRecorder rec;
    ASSERT_TRUE(db.RunScript("# fonts of the skin\n\nplain 12 swiss\nbolded 11 swiss normal bold\n"
                             "leaning 10 roman italic light\nslanted 9 modern slant\n"
                             "dflt 8 default normal normal trailing ignored\ndeco 7 decorative\nhand 6 script\n"
                             "onlyname\nnosize big swiss\nnofamily 12\n   \n"));
    EXPECT_TRUE(rec.warnings.empty()) << "lines without name, size and family are skipped silently";
    const struct {
        const char* name;
        int size;
        wxFontFamily family;
        wxFontStyle style;
        wxFontWeight weight;
    } cases[] = {
        {"plain", 12, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL},
        {"bolded", 11, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD},
        {"leaning", 10, wxFONTFAMILY_ROMAN, wxFONTSTYLE_ITALIC, wxFONTWEIGHT_LIGHT},
        // The toolkit reports monospace faces as teletype, its modern family's fixed form.
        {"slanted", 9, wxFONTFAMILY_TELETYPE, wxFONTSTYLE_SLANT, wxFONTWEIGHT_NORMAL},
        {"dflt", 8, wxFONTFAMILY_UNKNOWN, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL},
        {"deco", 7, wxFONTFAMILY_UNKNOWN, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL},
        {"hand", 6, wxFONTFAMILY_UNKNOWN, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL},
    };
    EXPECT_EQ(db.GetCount(), 7u);
    for (const auto& c : cases) {
        wxFont f;
        ASSERT_TRUE(db.GetFont(c.name, f)) << c.name;
        EXPECT_EQ(f.GetPointSize(), c.size) << c.name;
        if (c.family == wxFONTFAMILY_TELETYPE)
            EXPECT_TRUE(f.IsFixedWidth());
        else if (c.family != wxFONTFAMILY_UNKNOWN)
            EXPECT_EQ(f.GetFamily(), c.family) << c.name;
        EXPECT_EQ(f.GetStyle(), c.style) << c.name;
        EXPECT_EQ(f.GetWeight(), c.weight) << c.name;
        EXPECT_FALSE(f.GetUnderlined());
    }
    ASSERT_TRUE(db.RunScript("dflt2 -1 swiss\n"));
    wxFont f;
    ASSERT_TRUE(db.GetFont("dflt2", f));
    EXPECT_GT(f.GetPointSize(), 0) << "-1 asks for the default size";
}

TEST(FontScript, ErrorsStopTheLoadWithTheLineNumber)
{
    ExpectScriptErrors<FontDatabase>(
        {
            {"a 12 swiss\nb 12 swiss bold\nc 12 swiss\n", "Unknown Style Arg [bold] on line 2", "a", "c"},
            {"\n\na 12 Swiss\n", "Unknown Family Arg [Swiss] on line 3", "", "a"},
            {"a 12 swiss Italic\n", "Unknown Style Arg [Italic] on line 1", "", "a"},
            {"a 12 swiss normal heavy\n", "Unknown Weight Arg [heavy] on line 1", "", "a"},
            {"a 12 sans oblique heavy\n", "Unknown Family Arg [sans] on line 1", "", "a"},
            {"a 12 swiss\nA 10 roman\na 14 modern\nz 8 swiss\n", "Already have font [a] on line 3", "A", "z"},
            {"a -5 swiss\n", "Bad point size [-5] on line 1", "", "a"},
            {"a 12 swiss\nb 2147483647 swiss\n", "Bad point size [2147483647] on line 2", "a", "b"},
        },
        "FontDatabase Script Error", [](const FontDatabase& db, const char* name) { return db.HasFont(name); });
}
