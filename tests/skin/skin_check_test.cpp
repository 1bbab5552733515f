// The skin checker run in-process on the default skin and on copies of it broken on purpose.
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "skin_check.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// A private copy of the default skin tree, removed again at the end of the test.
class SkinCopy {
public:
    SkinCopy() { fs::copy(VORN_TEST_SKIN_DIR, m_dir, fs::copy_options::recursive); }
    ~SkinCopy() { fs::remove_all(m_dir, m_ignored); }

    std::string Dir() const { return m_dir.string(); }
    std::string Path(const std::string& relative) const { return (m_dir / relative).string(); }
    void Write(const std::string& relative, const std::string& bytes) const
    {
        std::ofstream(Path(relative), std::ios::binary | std::ios::trunc) << bytes;
    }
    // Rewrites one file: edit gets its text and changes it in place.
    void Edit(const std::string& relative, const std::function<void(std::string&)>& edit) const
    {
        std::ostringstream text;
        text << std::ifstream(Path(relative), std::ios::binary).rdbuf();
        std::string bytes = text.str();
        edit(bytes);
        Write(relative, bytes);
    }

private:
    static inline std::atomic<int> s_count{0};
    fs::path m_dir =
        fs::temp_directory_path() / ("vorn-skin-" + std::to_string(getpid()) + "-" + std::to_string(s_count++));
    std::error_code m_ignored;
};

struct CheckRun {
    int status = -1;
    Lines lines; // stdout, without the summary line
    std::string summary;
    std::string err;

    bool Has(const std::string& line) const { return std::find(lines.begin(), lines.end(), line) != lines.end(); }
};

std::ostream& operator<<(std::ostream& os, const CheckRun& run)
{
    for (const std::string& l : run.lines)
        os << l << "\n";
    return os << run.summary << "\n" << run.err;
}

CheckRun Check(const Lines& args)
{
    std::ostringstream out, err;
    CheckRun run;
    run.status = RunSkinCheck(args, out, err);
    run.err = err.str();
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("skin check:", 0) == 0)
            run.summary = line;
        else
            run.lines.push_back(line);
    return run;
}

void DropFinish(std::string& text) { text.erase(text.rfind("finish")); }

TEST(SkinCheck, DefaultSkinIsCleanAsTreeAsArchivesAndInEveryLanguage)
{
    // The command's own tests check both are clean; in-process they count the same assets.
    const CheckRun tree = Check({VORN_TEST_SKIN_DIR});
    const std::string archives = std::string(VORN_TEST_ARCHIVE_DIR);
    EXPECT_EQ(Check({archives + "/vorn_1.vrk", archives + "/vorn_2.vrk"}).summary, tree.summary);
    EXPECT_EQ(tree.status, 0) << tree;
    for (const char* language : {"fr", "en_gb"})
        EXPECT_EQ(Check({"--language", language, VORN_TEST_SKIN_DIR}).status, 0) << language;
    const CheckRun german = Check({"--language", "de", VORN_TEST_SKIN_DIR});
    EXPECT_EQ(german.status, 1);
    EXPECT_TRUE(german.Has("vorn_messages.txt: missing: message text (host start-up: LoadMessages)")) << german;
}

// A copy of the default skin broken one way, and the lines the checker must print for it.
struct Breakage {
    const char* name;
    std::function<void(SkinCopy&)> breakSkin;
    int status;
    Lines expected;
    bool exact; // the lines are all of the output, in order
};

TEST(SkinCheck, BrokenCopiesAreReportedByAssetWithTheMessage)
{
    const std::string tpl = "Generic/tpl_7x7_dot.png";
    const Breakage cases[] = {
        {"corrupt and truncated pictures",
         [&](SkinCopy& s) {
             s.Write("Generic/tpl_17x17_t.png", "not a picture");
             fs::resize_file(s.Path(tpl), fs::file_size(s.Path(tpl)) / 2);
         },
         1,
         {"tpl_17x17_t.png: error: Failed because the file was corrupt [tpl_17x17_t.png]",
          "tpl_7x7_dot.png: error: Failed because the file was corrupt [tpl_7x7_dot.png]",
          "vui_tree_t.sts: error: Image Script Parser: Cannot load image => tpl_17x17_t.png [vui_tree_t.sts]",
          "vui_lb_seldot.sts: error: Image Script Parser: Cannot load image => tpl_7x7_dot.png [vui_lb_seldot.sts]"},
         false},
        {"missing colours",
         [](SkinCopy& s) {
             s.Edit("Generic/vorn_colours.txt", [](std::string& t) {
                 for (const std::string line : {"vuiedit_tree_mo 64 71 82\n", "skin_tick 92 98 108\n"})
                     t.erase(t.find(line), line.size()); // throws, failing the test, if the line is gone
             });
         },
         1,
         {"vorn_sliderc_track.sts: error: unknown colour 'skin_tick'",
          "vorn_range_background.sts: error: unknown colour 'skin_tick'",
          "vorn_vrange_background.sts: error: unknown colour 'skin_tick'",
          "vuiedit_tree_mo: missing: colour (property tree: mouse-over colour)"},
         true},
        {"sets without every state or at the wrong size",
         [](SkinCopy& s) {
             s.Write("Generic/vui_tree_x.sts",
                     "size rgb 12 12\nclear vuiedit_tree_bg\nassign off\nassign on\nfinish\n");
             s.Edit("Generic/vorn_slider_knob.sts", [](std::string& t) { t.replace(0, 14, "size rgba 12 16"); });
         },
         1,
         {"vui_tree_x.sts: error: state 'off' is 12x12, its control expects 13x13",
          "vui_tree_x.sts: error: has no image for state 'off_down'",
          "vorn_slider_knob.sts: error: is rgba, but its control draws it without alpha: make it rgb, painted on the "
          "colour it sits on",
          "tpl_13x13_check.png: unused"}, // the check box's templates are no longer used by anything
         false},
        {"a missing script", [](SkinCopy& s) { std::filesystem::remove(s.Path("Generic/vui_tree_m.sts")); }, 1,
         {"vui_tree_m.sts: missing: image set (tree material button)", "tpl_17x17_m.png: unused"}, true},
        {"an extra file", [&](SkinCopy& s) { std::filesystem::copy_file(s.Path(tpl), s.Path("Generic/Spare.PNG")); }, 0,
         {"spare.png: unused"}, true},
    };
    for (const Breakage& k : cases) {
        SCOPED_TRACE(k.name);
        SkinCopy skin;
        k.breakSkin(skin);
        const CheckRun run = Check({skin.Dir()});
        EXPECT_EQ(run.status, k.status) << run;
        if (k.exact)
            EXPECT_EQ(run.lines, k.expected) << run;
        for (const std::string& line : k.expected)
            EXPECT_TRUE(run.Has(line)) << line << "\n" << run;
    }
}

TEST(SkinCheck, DatabaseScriptErrorsCarryTheirLineNumbers)
{
    SkinCopy skin;
    // Appends a line to a script; returns its number.
    auto append = [&skin](const char* file, const std::string& line) {
        int number = 0;
        skin.Edit(file, [&](std::string& text) {
            number = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
            text += line;
        });
        return number;
    };
    const int colourLine = append("Generic/vorn_colours.txt", "half_colour 10 20\n");
    const int fontLine = append("Generic/vorn_fonts.txt", "heavy 9 swiss bold\n");
    const CheckRun run = Check({skin.Dir()});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.Has("vorn_colours.txt: error: ColorDatabase Script Error: Got red but Cannot get green and blue "
                        "data's on line " + std::to_string(colourLine)))
        << run;
    EXPECT_TRUE(run.Has("vorn_fonts.txt: error: FontDatabase Script Error: Unknown Style Arg [bold] on line " +
                        std::to_string(fontLine)))
        << run;
}

TEST(SkinCheck, LaterSourcesPatchEarlierOnes)
{
    // An archive of a broken script, then a tree holding the good one: the tree wins.
    SkinCopy broken;
    broken.Edit("Generic/vui_tree_t.sts", DropFinish);
    const std::string archives = std::string(VORN_TEST_ARCHIVE_DIR);
    EXPECT_EQ(Check({archives + "/vorn_1.vrk", broken.Dir(), VORN_TEST_SKIN_DIR}).status, 0);
    EXPECT_EQ(Check({VORN_TEST_SKIN_DIR, broken.Dir()}).status, 1);
}

TEST(SkinCheck, CommandLine)
{
    EXPECT_EQ(Check({}).status, 2);
    const CheckRun unknown = Check({"--colour", VORN_TEST_SKIN_DIR});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("unknown option --colour"), std::string::npos);
    const CheckRun nothing = Check({"/no/such/skin"});
    EXPECT_EQ(nothing.status, 1);
    EXPECT_EQ(nothing.lines, Lines{"/no/such/skin: error: not a skin tree or a .vrk archive"});
}

} // namespace
