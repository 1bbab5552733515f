// Colour database: storage, lookups with their fallback, and the colour script.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/assets/colour_database.h>

#include "script_warning.h"
#include "test_support.h"

using namespace vorn;

namespace {

// The text of the one warning a failing script gives.
std::string ErrorOf(ColourDatabase& db, const std::string& script)
{
    return RunFailing(db, script, "ColorDatabase Script Error");
}

constexpr double kUnit = 0.00392156862745098;

} // namespace

TEST(ColourDatabaseStore, ScalesChannelsWithoutClampingAndNeverReplaces)
{
    ColourDatabase db;
    EXPECT_TRUE(db.SetColour("x", 255, 0, 51, 128));
    ColorA c;
    ASSERT_TRUE(db.GetColour("x", c));
    EXPECT_DOUBLE_EQ(c.r, 255 * kUnit);
    EXPECT_DOUBLE_EQ(c.g, 0.0);
    EXPECT_DOUBLE_EQ(c.b, 51 * kUnit);
    EXPECT_DOUBLE_EQ(c.a, 128 * kUnit);

    EXPECT_FALSE(db.SetColour("x", 1, 2, 3, 4));
    db.GetColour("x", c);
    EXPECT_DOUBLE_EQ(c.b, 51 * kUnit) << "an existing entry must not be replaced";

    EXPECT_TRUE(db.SetColour("wild", 510, -255, 0, 255));
    db.GetColour("wild", c);
    EXPECT_DOUBLE_EQ(c.r, 510 * kUnit);
    EXPECT_DOUBLE_EQ(c.g, -255 * kUnit);
}

TEST(ColourDatabaseStore, NamesAreCaseSensitiveAndListedInByteOrder)
{
    ColourDatabase db;
    db.SetColour("text", 1, 1, 1, 255);
    db.SetColour("Text", 2, 2, 2, 255);
    db.SetColour("back", 3, 3, 3, 255);
    db.SetColour("\xc3\xa9t\xc3\xa9", 4, 4, 4, 255); // bytes above 127 sort last
    std::vector<std::string> names = {"stale"};
    EXPECT_TRUE(db.GetColourNameList(names));
    EXPECT_EQ(names, (std::vector<std::string>{"Text", "back", "text", "\xc3\xa9t\xc3\xa9"}));

    db.Clear();
    EXPECT_TRUE(db.GetColourNameList(names));
    EXPECT_TRUE(names.empty());
    EXPECT_TRUE(db.SetColour("text", 9, 9, 9, 255)) << "a cleared name can be set again";
}

TEST(ColourDatabaseLookup, KnownColourInEveryForm)
{
    ColourDatabase db;
    db.SetColour("c", 33, 100, 200, 10);
    vorntest::DiagnosticsRecorder rec;
    Color rgb;
    ASSERT_TRUE(db.GetColour("c", rgb));
    EXPECT_DOUBLE_EQ(rgb.r, 33 * kUnit);
    EXPECT_DOUBLE_EQ(rgb.b, 200 * kUnit);
    wxColour wx;
    ASSERT_TRUE(db.GetColour("c", wx));
    // 33 * (1/255) * 255 lands a hair below 33 and is truncated.
    EXPECT_EQ(vorntest::ColourStr(wx), vorntest::ColourStr(wxColour(32, 100, 200)));
    EXPECT_EQ(wx.Alpha(), wxALPHA_OPAQUE);
    EXPECT_TRUE(rec.debug.empty());
}

TEST(ColourDatabaseLookup, TruncationLosesOneUnitForExactlyTheListedValues)
{
    const std::vector<int> expected = {33,  37,  41,  45,  49,  53,  57,  61,  66,  74,  82,  90,
                                       98,  106, 114, 122, 132, 148, 164, 180, 196, 212, 228, 244};
    ColourDatabase db;
    std::vector<int> lossy;
    for (int v = 0; v < 256; ++v) {
        const std::string name = "v" + std::to_string(v);
        db.SetColour(name, v, v, v, 255);
        wxColour wx;
        db.GetColour(name, wx);
        if (wx.Red() != v) {
            EXPECT_EQ(wx.Red(), v - 1);
            lossy.push_back(v);
        }
    }
    EXPECT_EQ(lossy, expected);
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

    EXPECT_EQ(rec.debug, (std::vector<std::string>{
                             "NONFATAL ERROR: Failed to find ColourA called 'nope'\n",
                             "Setting 'nope' to default funny red\n",
                             "NONFATAL ERROR: Failed to find Colour called 'Nope'\n",
                             "Setting 'Nope' to default funny red\n",
                             "NONFATAL ERROR: Failed to find wxColour called 'NOPE'\n",
                             "Setting 'NOPE' to default funny red\n",
                         }));
    EXPECT_TRUE(rec.warnings.empty());
}

TEST(ColourScript, OpaqueAlphaAndCopyForms)
{
    ColourDatabase db;
    const std::string script = "# palette\n"
                               "highlight 255 200 0\n"
                               "\n"
                               "shadow 0 0 0 128\n"
                               "accent highlight\n"
                               "ghost shadow trailing words ignored\n"
                               "extra 1 2 3 4 5 six\n";
    ASSERT_TRUE(db.RunScript(script));
    std::vector<std::string> names;
    db.GetColourNameList(names);
    EXPECT_EQ(names, (std::vector<std::string>{"accent", "extra", "ghost", "highlight", "shadow"}));

    ColorA c;
    db.GetColour("highlight", c);
    EXPECT_EQ(c, ColorA(255 * kUnit, 200 * kUnit, 0.0, 255 * kUnit));
    db.GetColour("shadow", c);
    EXPECT_EQ(c, ColorA(0.0, 0.0, 0.0, 128 * kUnit));
    // A copy goes through 255-scaling and truncation, so it equals the original here.
    db.GetColour("accent", c);
    EXPECT_EQ(c, ColorA(255 * kUnit, 200 * kUnit, 0.0, 255 * kUnit));
    db.GetColour("ghost", c);
    EXPECT_EQ(c, ColorA(0.0, 0.0, 0.0, 128 * kUnit));
    db.GetColour("extra", c);
    EXPECT_EQ(c, ColorA(1 * kUnit, 2 * kUnit, 3 * kUnit, 4 * kUnit));
}

TEST(ColourScript, CopyOfALossyChannelLosesAUnit)
{
    ColourDatabase db;
    ASSERT_TRUE(db.RunScript("a 33 66 100 33\nb a\n"));
    ColorA c;
    db.GetColour("b", c);
    EXPECT_EQ(c, ColorA(32 * kUnit, 65 * kUnit, 100 * kUnit, 32 * kUnit));
}

TEST(ColourScript, AlphaThatIsNoNumberMeansOpaque)
{
    ColourDatabase db;
    ASSERT_TRUE(db.RunScript("a 1 2 3 half\nb 1 2 3\t\n"));
    ColorA c;
    db.GetColour("a", c);
    EXPECT_DOUBLE_EQ(c.a, 255 * kUnit);
    db.GetColour("b", c);
    EXPECT_DOUBLE_EQ(c.a, 255 * kUnit);
}

TEST(ColourScript, LastLineWithoutNewlineAndTabsBetweenWords)
{
    ColourDatabase db;
    ASSERT_TRUE(db.RunScript("a\t10  20\t30"));
    ColorA c;
    db.GetColour("a", c);
    EXPECT_EQ(c, ColorA(10 * kUnit, 20 * kUnit, 30 * kUnit, 255 * kUnit));
    EXPECT_TRUE(db.RunScript(""));
    EXPECT_EQ(db.GetCount(), 1u);
}

TEST(ColourScript, SecondNumericLineForANameStopsTheLoad)
{
    ColourDatabase db;
    EXPECT_EQ(ErrorOf(db, "a 1 2 3\nb 4 5 6\na 7 8 9\nc 1 1 1\n"),
              "We've already got colour [a] on line 3");
    EXPECT_TRUE(db.HasColour("b"));
    EXPECT_FALSE(db.HasColour("c")) << "lines after the error must not run";
    ColorA c;
    db.GetColour("a", c);
    EXPECT_DOUBLE_EQ(c.r, 1 * kUnit);
}

TEST(ColourScript, SecondCopyLineForANameChangesNothingSilently)
{
    ColourDatabase db;
    vorntest::DiagnosticsRecorder rec;
    ASSERT_TRUE(db.RunScript("a 1 2 3\nb 9 9 9\na b\nc a\n"));
    EXPECT_TRUE(rec.warnings.empty());
    ColorA c;
    db.GetColour("a", c);
    EXPECT_DOUBLE_EQ(c.r, 1 * kUnit);
    db.GetColour("c", c);
    EXPECT_DOUBLE_EQ(c.r, 1 * kUnit);
}

TEST(ColourScript, MissingGreenOrBlue)
{
    ColourDatabase db;
    EXPECT_EQ(ErrorOf(db, "ok 1 2 3\ntwo 10 20\n"),
              "Got red but Cannot get green and blue data's on line 2");
    EXPECT_EQ(ErrorOf(db, "x 10 green 30\n"),
              "Got red but Cannot get green and blue data's on line 1");
    EXPECT_TRUE(db.HasColour("ok"));
    EXPECT_FALSE(db.HasColour("x"));
}

TEST(ColourScript, BlankLineIsAnErrorButEmptyLinesAreSkippedAndCounted)
{
    ColourDatabase db;
    EXPECT_EQ(ErrorOf(db, "\n\na 1 2 3\n\n   \t\nb 1 2 3\n"),
              "Cannot get 1st arg (colourname) on line 5");
    EXPECT_TRUE(db.HasColour("a"));
    EXPECT_FALSE(db.HasColour("b"));
}

TEST(ColourScript, CopyFormErrors)
{
    ColourDatabase db;
    EXPECT_EQ(ErrorOf(db, "# header\nlonely\n"),
              "Cannot get 2nd arg (predef_colorname or rednum) on line 2");
    // Only a lone # starts a comment: "#glued" is a colour name.
    EXPECT_EQ(ErrorOf(db, "# comment\n#glued\n"),
              "Cannot get 2nd arg (predef_colorname or rednum) on line 2");
    EXPECT_EQ(ErrorOf(db, "#glued comment\n"), "Colour [comment] does not exist, on line 1");
    EXPECT_EQ(ErrorOf(db, "a 1 2 3\nb A\n"), "Colour [A] does not exist, on line 2");
    EXPECT_EQ(ErrorOf(db, "c 99999999999 1 1\n"),
              "Colour [99999999999] does not exist, on line 1")
        << "a red channel beyond int is no number";
}

TEST(ColourScript, CommentLinesMayHoldAnything)
{
    ColourDatabase db;
    vorntest::DiagnosticsRecorder rec;
    EXPECT_TRUE(db.RunScript("# 1 2 3\n  # x\n#\n"));
    EXPECT_EQ(db.GetCount(), 0u);
    EXPECT_TRUE(rec.warnings.empty());
}

TEST(ColourScript, SurvivesHostileBytes)
{
    ColourDatabase db;
    std::string nul("n\0m 1 2 3\n", 10);
    ASSERT_TRUE(db.RunScript(nul));
    EXPECT_TRUE(db.HasColour(std::string("n\0m", 3)));
    EXPECT_EQ(ErrorOf(db, "a 1 2 3\r\n\r\n"), "Cannot get 1st arg (colourname) on line 2");
    EXPECT_TRUE(db.RunScript("big 2147483647 -2147483647 0 2147483647\nbig2 big\n"));
    ColorA c;
    db.GetColour("big2", c);
    EXPECT_GT(c.r, 8e6);
    EXPECT_LT(c.g, -8e6);
}
