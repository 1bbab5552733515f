// Colour database: storage, lookups with their fallback, and the colour script.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/assets/colour_database.h>

#include "script_warning.h"
#include "test_support.h"

using namespace vorn;

namespace {

constexpr double kUnit = 0.00392156862745098;

ColorA Unit(double r, double g, double b, double a = 255) { return ColorA(r * kUnit, g * kUnit, b * kUnit, a * kUnit); }

} // namespace

TEST(ColourDatabaseStore, ScalesWithoutClampingNeverReplacesAndListsInByteOrder)
{
    ColourDatabase db;
    EXPECT_TRUE(db.SetColour("x", 255, 0, 51, 128));
    EXPECT_FALSE(db.SetColour("x", 1, 2, 3, 4));
    EXPECT_TRUE(db.SetColour("X", 510, -255, 0, 255));
    EXPECT_TRUE(db.SetColour("\xc3\xa9t\xc3\xa9", 4, 4, 4, 255)); // bytes above 127 sort last
    ColorA c;
    ASSERT_TRUE(db.GetColour("x", c));
    EXPECT_EQ(c, Unit(255, 0, 51, 128));
    db.GetColour("X", c);
    EXPECT_EQ(c, Unit(510, -255, 0));
    std::vector<std::string> names = {"stale"};
    EXPECT_TRUE(db.GetColourNameList(names));
    EXPECT_EQ(names, (std::vector<std::string>{"X", "x", "\xc3\xa9t\xc3\xa9"}));
    db.Clear();
    EXPECT_EQ(db.GetCount(), 0u);
    EXPECT_TRUE(db.SetColour("x", 9, 9, 9, 255)) << "a cleared name can be set again";
}

TEST(ColourDatabaseLookup, TruncationToBytesLosesOneUnitForExactlyTheListedValues)
{
    ColourDatabase db;
    std::vector<int> lossy;
    for (int v = 0; v < 256; ++v) {
        const std::string name = "v" + std::to_string(v);
        db.SetColour(name, v, v, v, 255);
        wxColour wx;
        ASSERT_TRUE(db.GetColour(name, wx));
        if (wx.Red() != v) {
            EXPECT_EQ(wx.Red(), v - 1);
            lossy.push_back(v);
        }
    }
    EXPECT_EQ(lossy, (std::vector<int>{33, 37, 41, 45, 49, 53, 57, 61, 66, 74, 82, 90, 98, 106, 114, 122, 132,
                                       148, 164, 180, 196, 212, 228, 244}));
}

TEST(ColourDatabaseLookup, UnknownNamesGetFunnyRedAndTwoDebugLines)
{
    ColourDatabase db;
    vorntest::DiagnosticsRecorder rec;
    ColorA ca(0, 0, 0, 0);
    EXPECT_TRUE(db.GetColour("nope", ca));
    EXPECT_EQ(ca, ColorA(1.0, 0.39215686274509803, 0.39215686274509803, 1.0));
    Color c;
    EXPECT_TRUE(db.GetColour("Nope", c));
    EXPECT_EQ(c, Color(1.0, 0.39215686274509803, 0.39215686274509803));
    wxColour wx(*wxBLACK);
    EXPECT_TRUE(db.GetColour("NOPE", wx));
    EXPECT_EQ(vorntest::ColourStr(wx), "#FF6464");
    EXPECT_EQ(rec.DebugText(), "NONFATAL ERROR: Failed to find ColourA called 'nope'\n"
                               "Setting 'nope' to default funny red\n"
                               "NONFATAL ERROR: Failed to find Colour called 'Nope'\n"
                               "Setting 'Nope' to default funny red\n"
                               "NONFATAL ERROR: Failed to find wxColour called 'NOPE'\n"
                               "Setting 'NOPE' to default funny red\n");
    EXPECT_TRUE(rec.warnings.empty());
}

TEST(ColourScript, LoadsEveryForm)
{
    const struct {
        std::string script, name;
        ColorA colour;
    } cases[] = {
        {"# palette\nhighlight 255 200 0\n\nshadow 0 0 0 128\n", "shadow", Unit(0, 0, 0, 128)},
        {"highlight 255 200 0\naccent highlight\n", "accent", Unit(255, 200, 0)},
        {"shadow 0 0 0 128\nghost shadow trailing words ignored\n", "ghost", Unit(0, 0, 0, 128)},
        {"extra 1 2 3 4 5 six\n", "extra", Unit(1, 2, 3, 4)},
        {"a 33 66 100 33\nb a\n", "b", Unit(32, 65, 100, 32)}, // a copy goes through the byte form
        {"a 1 2 3 half\n", "a", Unit(1, 2, 3)},                 // an alpha that is no number: opaque
        {"a\t10  20\t30", "a", Unit(10, 20, 30)},
        {"a 1 2 3\nb 9 9 9\na b\nc a\n", "c", Unit(1, 2, 3)},   // a second copy line changes nothing
        {std::string("n\0m 1 2 3\n", 10), std::string("n\0m", 3), Unit(1, 2, 3)},
        {"# 1 2 3\n  # x\n#\n", "", Unit(0, 0, 0)},
    };
    for (const auto& c : cases) {
        ColourDatabase db;
        vorntest::DiagnosticsRecorder rec;
        ASSERT_TRUE(db.RunScript(c.script)) << c.script;
        EXPECT_TRUE(rec.warnings.empty()) << c.script;
        ColorA got;
        if (!c.name.empty())
            db.GetColour(c.name, got);
        EXPECT_EQ(got, c.colour) << c.script;
        EXPECT_EQ(db.GetCount() == 0, c.name.empty()) << c.script;
    }
}

TEST(ColourScript, ErrorsStopTheLoadWithTheLineNumber)
{
    ExpectScriptErrors<ColourDatabase>(
        {
            {"a 1 2 3\nb 4 5 6\na 7 8 9\nc 1 1 1\n", "We've already got colour [a] on line 3", "b", "c"},
            {"ok 1 2 3\ntwo 10 20\nz 1 1 1\n", "Got red but Cannot get green and blue data's on line 2", "ok", "z"},
            {"x 10 green 30\n", "Got red but Cannot get green and blue data's on line 1", "", "x"},
            {"\n\na 1 2 3\n\n   \t\nb 1 2 3\n", "Cannot get 1st arg (colourname) on line 5", "a", "b"},
            {"a 1 2 3\r\n\r\nb 1 2 3\n", "Cannot get 1st arg (colourname) on line 2", "a", "b"},
            {"# header\nlonely\n", "Cannot get 2nd arg (predef_colorname or rednum) on line 2", "", ""},
            {"# comment\n#glued\n", "Cannot get 2nd arg (predef_colorname or rednum) on line 2", "", ""},
            {"#glued comment\n", "Colour [comment] does not exist, on line 1", "", ""},
            {"a 1 2 3\nb A\n", "Colour [A] does not exist, on line 2", "a", "b"},
            {"c 99999999999 1 1\n", "Colour [99999999999] does not exist, on line 1", "", "c"},
        },
        "ColorDatabase Script Error", [](const ColourDatabase& db, const char* name) { return db.HasColour(name); });
}
