// The skin checker run in-process on the default skin and on copies of it broken on purpose.
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "skin_check.h"
#include "skin_test_util.h"

using namespace vorn;

namespace {

using skintest::SkinCopy;

struct CheckRun {
    int status = -1;
    std::vector<std::string> lines; // stdout, without the summary line
    std::string summary;
    std::string err;

    bool Has(const std::string& line) const { return std::find(lines.begin(), lines.end(), line) != lines.end(); }
    std::string All() const
    {
        std::string all;
        for (const std::string& l : lines)
            all += l + "\n";
        return all;
    }
};

CheckRun Check(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    CheckRun run;
    run.status = RunSkinCheck(args, out, err);
    run.err = err.str();
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        if (line.compare(0, 11, "skin check:") == 0)
            run.summary = line;
        else
            run.lines.push_back(line);
    }
    return run;
}

TEST(SkinCheck, DefaultSkinIsCleanAsTreeAndAsArchives)
{
    const CheckRun tree = Check({skintest::DefaultSkinDir()});
    EXPECT_EQ(tree.status, 0) << tree.All();
    EXPECT_TRUE(tree.lines.empty()) << tree.All();
    EXPECT_NE(tree.summary.find(" 0 errors, 0 missing, 0 unused"), std::string::npos) << tree.summary;

    const std::string archives = skintest::DefaultArchiveDir();
    const CheckRun packed = Check({archives + "/vorn_1.vrk", archives + "/vorn_2.vrk"});
    EXPECT_EQ(packed.status, 0) << packed.All();
    EXPECT_TRUE(packed.lines.empty()) << packed.All();
    EXPECT_EQ(packed.summary, tree.summary); // the same assets, from the other source
}

TEST(SkinCheck, EveryLanguageShippedIsComplete)
{
    for (const char* language : {"fr", "en_gb"}) {
        const CheckRun run = Check({"--language", language, skintest::DefaultSkinDir()});
        EXPECT_EQ(run.status, 0) << language << "\n" << run.All();
    }
    const CheckRun german = Check({"--language", "de", skintest::DefaultSkinDir()});
    EXPECT_EQ(german.status, 1);
    EXPECT_TRUE(german.Has("vorn_messages.txt: missing: message text (host start-up: LoadMessages)")) << german.All();
}

TEST(SkinCheck, ScriptWithoutFinishIsNamedWithTheParserMessage)
{
    SkinCopy skin;
    skin.Edit("Generic/vui_tree_t.sts", [](std::string& text) { text.erase(text.rfind("finish")); });
    const CheckRun run = Check({skin.Dir()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.lines, std::vector<std::string>{
                             "vui_tree_t.sts: error: Image Script Parser: We've ended without a finish.. [vui_tree_t.sts]"});
}

TEST(SkinCheck, CorruptAndTruncatedPicturesAreNamedWithTheScriptsUsingThem)
{
    SkinCopy skin;
    skin.Write("Generic/tpl_17x17_t.png", "not a picture");
    const std::string dot = skin.Read("Generic/tpl_7x7_dot.png");
    skin.Write("Generic/tpl_7x7_dot.png", dot.substr(0, dot.size() / 2));
    const CheckRun run = Check({skin.Dir()});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.Has("tpl_17x17_t.png: error: Failed because the file was corrupt [tpl_17x17_t.png]")) << run.All();
    EXPECT_TRUE(run.Has("tpl_7x7_dot.png: error: Failed because the file was corrupt [tpl_7x7_dot.png]")) << run.All();
    EXPECT_TRUE(run.Has("vui_tree_t.sts: error: Image Script Parser: Cannot load image => tpl_17x17_t.png [vui_tree_t.sts]"))
        << run.All();
    EXPECT_TRUE(run.Has("vui_lb_seldot.sts: error: Image Script Parser: Cannot load image => tpl_7x7_dot.png "
                        "[vui_lb_seldot.sts]"))
        << run.All();
}

TEST(SkinCheck, MissingColoursAreReportedAsMissingOrUnknown)
{
    SkinCopy skin;
    skin.Edit("Generic/vorn_colours.txt", [](std::string& text) {
        for (const std::string line : {"vuiedit_tree_mo 64 71 82\n", "skin_tick 92 98 108\n"}) {
            const size_t at = text.find(line);
            ASSERT_NE(at, std::string::npos) << line;
            text.erase(at, line.size());
        }
    });
    const CheckRun run = Check({skin.Dir()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.lines, (std::vector<std::string>{
                             "vorn_sliderc_track.sts: error: unknown colour 'skin_tick'",
                             "vuiedit_tree_mo: missing: colour (property tree: mouse-over colour)",
                         }))
        << run.All();
}

TEST(SkinCheck, DatabaseScriptErrorsCarryTheirLineNumbers)
{
    SkinCopy skin;
    int lines = 0;
    skin.Edit("Generic/vorn_colours.txt", [&](std::string& text) {
        lines = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
        text += "half_colour 10 20\n";
    });
    int fontLines = 0;
    skin.Edit("Generic/vorn_fonts.txt", [&](std::string& text) {
        fontLines = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
        text += "heavy 9 swiss bold\n";
    });
    const CheckRun run = Check({skin.Dir()});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.Has("vorn_colours.txt: error: ColorDatabase Script Error: Got red but Cannot get green and blue "
                        "data's on line " +
                        std::to_string(lines + 1)))
        << run.All();
    EXPECT_TRUE(run.Has("vorn_fonts.txt: error: FontDatabase Script Error: Unknown Style Arg [bold] on line " +
                        std::to_string(fontLines + 1)))
        << run.All();
}

TEST(SkinCheck, SetsNeedEveryStateAtTheirControlsSize)
{
    SkinCopy skin;
    skin.Write("Generic/vui_tree_x.sts", "size rgb 12 12\nclear vuiedit_tree_bg\nassign off\nassign on\nfinish\n");
    skin.Edit("Generic/vorn_slider_knob.sts", [](std::string& text) { text.replace(0, 14, "size rgba 12 16"); });
    const CheckRun run = Check({skin.Dir()});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.Has("vui_tree_x.sts: error: state 'off' is 12x12, its control expects 13x13")) << run.All();
    EXPECT_TRUE(run.Has("vui_tree_x.sts: error: has no image for state 'off_down'")) << run.All();
    EXPECT_TRUE(run.Has("vorn_slider_knob.sts: error: is rgba, but its control draws it without alpha: make it rgb, "
                        "painted on the colour it sits on"))
        << run.All();
    // The check box's templates are no longer used by anything.
    EXPECT_TRUE(run.Has("tpl_13x13_check.png: unused")) << run.All();
}

TEST(SkinCheck, MissingScriptsFailUnusedFilesDoNot)
{
    SkinCopy skin;
    std::filesystem::remove(skin.Path("Generic/vui_tree_m.sts"));
    const CheckRun missing = Check({skin.Dir()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.lines, (std::vector<std::string>{"vui_tree_m.sts: missing: image set (tree material button)",
                                                        "tpl_17x17_m.png: unused"}))
        << missing.All();

    SkinCopy extra;
    std::filesystem::copy_file(extra.Path("Generic/tpl_7x7_dot.png"), extra.Path("Generic/Spare.PNG"));
    const CheckRun unused = Check({extra.Dir()});
    EXPECT_EQ(unused.status, 0);
    EXPECT_EQ(unused.lines, std::vector<std::string>{"spare.png: unused"});
}

TEST(SkinCheck, LaterSourcesPatchEarlierOnes)
{
    // An archive of a broken script, then a tree holding the good one: the tree wins.
    SkinCopy broken;
    broken.Edit("Generic/vui_tree_t.sts", [](std::string& text) { text.erase(text.rfind("finish")); });
    const std::string archives = skintest::DefaultArchiveDir();
    const CheckRun patched = Check({archives + "/vorn_1.vrk", broken.Dir(), skintest::DefaultSkinDir()});
    EXPECT_EQ(patched.status, 0) << patched.All();
    const CheckRun unpatched = Check({skintest::DefaultSkinDir(), broken.Dir()});
    EXPECT_EQ(unpatched.status, 1);
}

TEST(SkinCheck, CommandLine)
{
    EXPECT_EQ(Check({}).status, 2);
    const CheckRun help = Check({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.All().find("usage: vorn-skincheck [--platform P] [--language L[_M]] SKIN..."), std::string::npos);
    const CheckRun unknown = Check({"--colour", skintest::DefaultSkinDir()});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("unknown option --colour"), std::string::npos);
    const CheckRun nothing = Check({"/no/such/skin"});
    EXPECT_EQ(nothing.status, 1);
    EXPECT_EQ(nothing.lines, std::vector<std::string>{"/no/such/skin: error: not a skin tree or a .vrk archive"});
}

} // namespace
