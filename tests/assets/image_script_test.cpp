#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/assets/image_cache.h>
#include <vorn/assets/image_script.h>
#include <vorn/assets/skin_info.h>

#include "image_test_util.h"

using namespace vorn;

using assettest::ImageTest;
using assettest::SolidPng;

namespace {

using Warnings = std::vector<std::pair<std::string, std::string>>;

class ImageScriptTest : public ImageTest {
protected:
    // Runs a script for one image.
    ImageScriptResult RunImage(const std::string& text, BitmapA& image, VornEditInfo* edit = nullptr)
    {
        ImageScriptTargets targets;
        targets.image = &image;
        targets.edit = edit;
        return Run(text, targets);
    }
    ImageScriptResult RunSet(const std::string& text, VornBitmapACache& set, OldVornListBoxInfo* listBox = nullptr)
    {
        ImageScriptTargets targets;
        targets.set = &set;
        targets.listBox = listBox;
        return Run(text, targets);
    }
    ImageScriptResult Run(const std::string& text, const ImageScriptTargets& targets)
    {
        ImageScriptRunner runner(manager, "t.sts");
        const ImageScriptResult result = runner.Run(text, targets);
        error = runner.GetError();
        line = runner.GetErrorLine();
        return result;
    }
    std::string error;
    int line = 0;
};

} // namespace

TEST_F(ImageScriptTest, SizeLineErrorsWarnAndFail)
{
    const struct {
        const char* script;
        const char* message;
    } cases[] = {{"", "cannot get first word off first line..."},
                 {"   \nsize rgb 4 4\n", "cannot get first word off first line..."},
                 {"sise rgb 4 4\n", "first line not size..."},
                 {"size\n", "cannot get second arg off first line..."},
                 {"size rgb16 4 4\n", "token not rgb,rgba or gui8"},
                 {"size rgb 4\n", "Image not same size as specified by Size command"},
                 {"size rgba four 4\n", "Image not same size as specified by Size command"},
                 {"size rgb 0 4\nfinish\n", "Image size [0,4] is out of range"},
                 {"size rgb 100000 100000\nfinish\n", "Image size [100000,100000] is out of range"}};
    for (const auto& c : cases) {
        diagnostics.warnings.clear();
        BitmapA image;
        EXPECT_EQ(RunImage(c.script, image), ImageScriptResult::Failed) << c.script;
        EXPECT_EQ(diagnostics.warnings, (Warnings{{"Error", c.message}})) << c.script;
        EXPECT_TRUE(image.IsEmpty());
    }
}

TEST_F(ImageScriptTest, Gui8FailsWithoutMessage)
{
    BitmapA image;
    EXPECT_EQ(RunImage("size gui8 4 4\nassign image\nfinish\n", image), ImageScriptResult::Failed);
    EXPECT_TRUE(diagnostics.warnings.empty());
}

TEST_F(ImageScriptTest, AssignImageTakesTheFreshWorkingImage)
{
    BitmapA image;
    ASSERT_EQ(RunImage("size rgb 16 16\nassign image\nfinish\n", image), ImageScriptResult::Finished);
    EXPECT_EQ(image.width, 16);
    EXPECT_EQ(image.height, 16);
    EXPECT_EQ(image.channels, 3);
    EXPECT_EQ(Pixel(image, 15, 15, true), "#00000000");
}

TEST_F(ImageScriptTest, ClearIsOpaqueOnRgbAndTransparentOnRgba)
{
    BitmapA rgb, rgba;
    ASSERT_EQ(RunImage("size rgb 2 2\nclear pink\nassign image\nfinish\n", rgb), ImageScriptResult::Finished);
    ASSERT_EQ(RunImage("size rgba 2 2\nclear pink\nassign image\nfinish\n", rgba), ImageScriptResult::Finished);
    EXPECT_EQ(Pixel(rgb, 1, 1, true), "#ffc0cbff");
    EXPECT_EQ(Pixel(rgba, 1, 1, true), "#ffc0cb00");
}

TEST_F(ImageScriptTest, CommentsEmptyLinesAndExtraWordsAreIgnored)
{
    BitmapA image;
    ASSERT_EQ(RunImage("size rgb 2 2 extra\n# clear red\n\n   \nclear blue and more\nassign image now\nfinish it\n"
                       "bogus after finish\n",
                       image),
              ImageScriptResult::Finished);
    EXPECT_EQ(Pixel(image, 0, 0), "#0000ff");
    EXPECT_TRUE(diagnostics.warnings.empty());
}

TEST_F(ImageScriptTest, UnknownColourGivesFallbackAndRunGoesOn)
{
    BitmapA image;
    ASSERT_EQ(RunImage("size rgb 1 1\nclear nosuch\nassign image\nfinish\n", image), ImageScriptResult::Finished);
    EXPECT_EQ(Pixel(image, 0, 0), "#ff6464");
    EXPECT_NE(diagnostics.DebugText().find("Failed to find ColourA called 'nosuch'"), std::string::npos);
}

TEST_F(ImageScriptTest, AssignStatesFillOnlyThoseSlots)
{
    VornBitmapACache set;
    ASSERT_EQ(RunSet("size rgba 3 2\nclear red\nassign off\nclear blue\nassign on\nfinish\n", set),
              ImageScriptResult::Finished);
    std::vector<VORNIMAGETYPE> states;
    set.GetStates(states);
    EXPECT_EQ(states, (std::vector<VORNIMAGETYPE>{2, 3}));
    const BitmapA* off = nullptr;
    ASSERT_TRUE(set.GetImage(VORN_IMAGE_OFF, off));
    EXPECT_EQ(Pixel(*off, 2, 1), "#ff0000");
    const BitmapA* on = nullptr;
    ASSERT_TRUE(set.GetImage(VORN_IMAGE_ON, on));
    EXPECT_EQ(Pixel(*on, 0, 0), "#0000ff");
    EXPECT_EQ(set.GetWidth(), 3);
}

TEST_F(ImageScriptTest, EveryStateNameHasItsSlot)
{
    VornBitmapACache set;
    ASSERT_EQ(RunSet("size rgb 1 1\nassign off\nassign on\nassign on_mouse_over\nassign off_mouse_over\n"
                     "assign disabled_on\nassign disabled_off\nassign on_down\nassign off_down\nfinish\n",
                     set),
              ImageScriptResult::Finished);
    std::vector<VORNIMAGETYPE> states;
    set.GetStates(states);
    EXPECT_EQ(states, (std::vector<VORNIMAGETYPE>{2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(ImageScriptTest, MissingFinishReplacesSetWithErrorPictureAndWarns)
{
    VornBitmapACache set;
    ASSERT_EQ(RunSet("size rgb 1 1\nclear white\nassign off_down\n", set), ImageScriptResult::Recovered);
    EXPECT_EQ(error, "We've ended without a finish..");
    EXPECT_EQ(line, 3);
    EXPECT_EQ(diagnostics.warnings, (Warnings{{"Image Script Parser", "We've ended without a finish.. [t.sts]"}}));
    const struct {
        VORNIMAGETYPE state;
        const char* pixel;
    } expected[] = {{3, "#ffc0cb"}, {2, "#ff0000"}, {8, "#0000ff"}, {9, "#800080"},
                    {4, "#964b00"}, {5, "#00ff00"}, {6, "#ffa500"}, {7, "#add8e6"}};
    for (const auto& e : expected) {
        const BitmapA* image = nullptr;
        ASSERT_TRUE(set.GetImage(e.state, image)) << e.state;
        EXPECT_EQ(Pixel(*image, 0, 0, true), std::string(e.pixel) + "ff") << e.state;
    }
    std::vector<VORNIMAGETYPE> states;
    set.GetStates(states);
    EXPECT_EQ(states.size(), 8u);
}

TEST_F(ImageScriptTest, ErrorPictureOfRgbaSetIsTransparentAndOfImageIsPink)
{
    VornBitmapACache set;
    ASSERT_EQ(RunSet("size rgba 1 1\nbogus\nfinish\n", set), ImageScriptResult::Recovered);
    const BitmapA* image = nullptr;
    ASSERT_TRUE(set.GetImage(3, image));
    EXPECT_EQ(Pixel(*image, 0, 0, true), "#ffc0cb00");

    BitmapA single;
    ASSERT_EQ(RunImage("size rgb 2 1\nclear blue\nassign image\nbogus\nfinish\n", single),
              ImageScriptResult::Recovered);
    EXPECT_EQ(Pixel(single, 1, 0, true), "#ffc0cbff");
}

TEST_F(ImageScriptTest, CommandErrorsCarryTheirMessagesAndLines)
{
    Add("big.png", SolidPng(20, 20, 1, 2, 3));
    Add("grey.png", SolidPng(4, 4, 9, 9, 9));
    const struct {
        const char* type;
        const char* command;
        const char* message;
    } cases[] = {
        {"rgb", "clear", "missing arg for clear"},
        {"rgb", "copy", "missing arg for copy"},
        {"rgb", "copya", "missing arg for copya"},
        {"rgb", "copy nothing.png", "Cannot load image => nothing.png"},
        {"rgb", "copya nothing.png", "Cannot load image => nothing.png"},
        {"rgb", "copy big.png", "File [big.png] is of size [20,20] but should be of size [4,4].  Cannot load.."},
        {"rgb", "copya big.png", "File [big.png] is of size [20,20] but should be of size [4,4].  Cannot load.."},
        {"rgb", "map", "Missing 1st arg for map"},
        {"rgb", "map red", "Missing 2nd arg for map"},
        {"rgb", "map red big.png", "File [big.png] is of size [20,20] but should be of size [4,4].  Cannot load.."},
        {"rgb", "mapmask red grey.png", "Cannot use mapmask on an image type other than rgba"},
        {"rgba", "mapmask", "Missing 1st arg for mapmask"},
        {"rgba", "mapmask red", "Missing 2nd arg for mapmask"},
        {"rgba", "mapmask red nothing.png", "Cannot load image => nothing.png"},
        {"rgb", "setalphafromgrey grey.png", "Cannot use setalphafromgrey on an image type other than rgba"},
        {"rgba", "setalphafromgrey", "Missing 1st arg for setalphafromgrey"},
        {"rgba", "setalphafromgrey big.png",
         "File [big.png] is of size [20,20] but should be of size [4,4].  Cannot load.."},
        {"rgb", "assign", "missing arg for assign"},
        {"rgb", "assign off", "Either trying to assign a buttonstate to an image, or spelled 'assign image' wrong."},
        {"rgb", "assign sideways", "unrecognisez button state [sideways]"},
        {"rgb", "assign Image", "unrecognisez button state [Image]"},
        {"rgb", "edit 1 2 3 4 white black", "Found edit line without an edit class"},
        {"rgb", "lbText 1 2 3 4 white", "No list box info set up for lbText"},
        {"rgb", "lbExpand 1 white white white", "No list box info set up for lbExpand"},
        {"rgb", "lbSelDot grey.png", "No list box info set up for lbSelDot"},
        {"rgb", "Clear white", "we got something that was not a command in the file..."},
        {"rgb", "#comment", "we got something that was not a command in the file..."},
    };
    for (const auto& c : cases) {
        diagnostics.warnings.clear();
        BitmapA image;
        const std::string script = std::string("size ") + c.type + " 4 4\n# note\n\n" + c.command + "\nfinish\n";
        EXPECT_EQ(RunImage(script, image), ImageScriptResult::Recovered) << c.command;
        EXPECT_EQ(error, c.message) << c.command;
        EXPECT_EQ(line, 4) << c.command;
        EXPECT_EQ(diagnostics.warnings, (Warnings{{"Image Script Parser", std::string(c.message) + " [t.sts]"}}))
            << c.command;
        EXPECT_EQ(Pixel(image, 3, 3), "#ffc0cb") << c.command; // the error picture
        EXPECT_NE(diagnostics.DebugText().find(std::string("Image script t.sts, line 4: ") + c.message + "\n"),
                  std::string::npos)
            << c.command;
        diagnostics.debug.clear();
    }
}

TEST_F(ImageScriptTest, AssignImageIntoSetIsAnError)
{
    VornBitmapACache set;
    ASSERT_EQ(RunSet("size rgb 1 1\nassign image\nfinish\n", set), ImageScriptResult::Recovered);
    EXPECT_EQ(error, "Image being assigned to a ButtonCache. Cannot do that!!");
    EXPECT_EQ(line, 2);
}

TEST_F(ImageScriptTest, WarningWithoutScriptNameHasNoBrackets)
{
    ImageScriptTargets targets;
    BitmapA image;
    targets.image = &image;
    ImageScriptRunner runner(manager, "");
    EXPECT_EQ(runner.Run("size rgb 1 1\n", targets), ImageScriptResult::Recovered);
    EXPECT_EQ(diagnostics.warnings, (Warnings{{"Image Script Parser", "We've ended without a finish.."}}));
    EXPECT_EQ(runner.GetErrorLine(), 1);
}

TEST_F(ImageScriptTest, CopyAndCopyaBringInPictures)
{
    Add("solid.png", SolidPng(2, 2, 10, 20, 30));
    Add("alpha.png", assettest::Png(
                         2, 2, [](int x, int, unsigned char* p) { p[0] = 200; p[3] = x ? 255 : 40; }, true));
    BitmapA copied, copiedA;
    ASSERT_EQ(RunImage("size rgba 2 2\nclear red\ncopy solid.png\nassign image\nfinish\n", copied),
              ImageScriptResult::Finished);
    EXPECT_EQ(Pixel(copied, 1, 1, true), "#0a141eff");
    ASSERT_EQ(RunImage("size rgba 2 2\ncopya alpha.png\nassign image\nfinish\n", copiedA), ImageScriptResult::Finished);
    EXPECT_EQ(Pixel(copiedA, 0, 0, true), "#c8000028");
    EXPECT_EQ(Pixel(copiedA, 1, 0, true), "#c80000ff");
}

TEST_F(ImageScriptTest, GreyMappingCommands)
{
    // left column grey 255, right column grey 0
    Add("mask.png", assettest::Png(2, 1, [](int x, int, unsigned char* p) { p[0] = p[1] = p[2] = x ? 0 : 255; }));
    BitmapA mapped, masked, alpha;
    ASSERT_EQ(RunImage("size rgb 2 1\nclear blue\nmap red mask.png\nassign image\nfinish\n", mapped),
              ImageScriptResult::Finished);
    EXPECT_EQ(Pixel(mapped, 0, 0), "#ff0000");
    EXPECT_EQ(Pixel(mapped, 1, 0), "#0000ff");
    ASSERT_EQ(RunImage("size rgba 2 1\nclear blue\nmapmask green mask.png\nassign image\nfinish\n", masked),
              ImageScriptResult::Finished);
    EXPECT_EQ(Pixel(masked, 0, 0, true), "#00ff00ff");
    EXPECT_EQ(Pixel(masked, 1, 0, true), "#0000ff00");
    ASSERT_EQ(RunImage("size rgba 2 1\nclear white\nsetalphafromgrey mask.png\nassign image\nfinish\n", alpha),
              ImageScriptResult::Finished);
    EXPECT_EQ(Pixel(alpha, 0, 0, true), "#ffffffff");
    EXPECT_EQ(Pixel(alpha, 1, 0, true), "#ffffff00");
}

TEST_F(ImageScriptTest, EditLineFillsTheEditRecord)
{
    wxFont font(wxFontInfo(9));
    manager.SetFont("small", font);
    VornEditInfo info;
    BitmapA image;
    ASSERT_EQ(RunImage("size rgb 4 4\nedit 3 4 50 12 white red small\nassign image\nfinish\n", image, &info),
              ImageScriptResult::Finished);
    EXPECT_EQ(info.x, 3);
    EXPECT_EQ(info.y, 4);
    EXPECT_EQ(info.width, 50);
    EXPECT_EQ(info.height, 12);
    EXPECT_EQ(info.textColour, wxColour(255, 255, 255));
    EXPECT_EQ(info.highlightColour, wxColour(255, 0, 0));
    ASSERT_TRUE(info.font.IsOk());
    EXPECT_EQ(info.font.GetPointSize(), 9);

    EXPECT_EQ(RunImage("size rgb 4 4\nedit 3 4 50\nfinish\n", image, &info), ImageScriptResult::Recovered);
    EXPECT_EQ(error, "Missing arguments for edit line");
    EXPECT_EQ(RunImage("size rgb 4 4\nedit 1 2 3 4 white red nofont\nfinish\n", image, &info),
              ImageScriptResult::Recovered);
    EXPECT_EQ(error, "Could not get font => nofont");
    EXPECT_FALSE(info.font.IsOk());
}

TEST_F(ImageScriptTest, ListBoxCommandErrors)
{
    Add("dot.png", SolidPng(3, 3, 0, 0, 0));
    const struct {
        const char* command;
        const char* message;
    } cases[] = {
        {"lbText 1 2", "Error parsing list box text line"},
        {"lbText a 2 3 4 white", "Error parsing list box text line"},
        {"lbExpand 5 white", "Error parsing list box expand line"},
        {"lbExpand 5 white black nosuch", "Could not get colour => nosuch"},
        {"lbExpand 5 white black white", "Bad Vorn loading the scroll bar images for the list box"},
        {"lbSelDot", "Error parsing list box selDot line"},
        {"lbSelDot missing.png", "Error parsing list box selDot line"},
    };
    for (const auto& c : cases) {
        OldVornListBoxInfo info;
        VornBitmapACache set;
        EXPECT_EQ(RunSet(std::string("size rgb 2 2\n") + c.command + "\nfinish\n", set, &info),
                  ImageScriptResult::Recovered)
            << c.command;
        EXPECT_EQ(error, c.message) << c.command;
        EXPECT_EQ(line, 2);
    }
    OldVornListBoxInfo info;
    VornBitmapACache set;
    ASSERT_EQ(RunSet("size rgb 2 2\nlbText 1 2 30 40 red\nlbSelDot dot.png\nfinish\n", set, &info),
              ImageScriptResult::Finished);
    EXPECT_EQ(info.x, 1);
    EXPECT_EQ(info.height, 40);
    EXPECT_EQ(info.textColour, wxColour(255, 0, 0));
    ASSERT_NE(info.selDot, nullptr);
    EXPECT_EQ(info.selDot->GetWidth(), 3);
}
