#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/assets/image_cache.h>
#include <vorn/assets/image_script.h>
#include <vorn/assets/skin_info.h>

#include "image_test_util.h"

using namespace vorn;
using namespace assettest;

namespace {

using Warnings = std::vector<std::pair<std::string, std::string>>;

class ImageScriptTest : public ImageTest {
protected:
    void SetUp() override
    {
        ImageTest::SetUp();
        Add("big.png", SolidPng(20, 20, 1, 2, 3));
        Add("grey.png", SolidPng(4, 4, 9, 9, 9));
        Add("solid.png", SolidPng(2, 1, 10, 20, 30));
        Add("alpha.png", Png(2, 1, [](int x, int, unsigned char* p) { p[0] = 200; p[3] = x ? 255 : 40; }, true));
        // left column grey 255, right column grey 0
        Add("mask.png", Png(2, 1, [](int x, int, unsigned char* p) { p[0] = p[1] = p[2] = x ? 0 : 255; }));
    }
    ImageScriptResult Run(const std::string& text, BitmapA* image, VornBitmapACache* set = nullptr,
                          VornEditInfo* edit = nullptr, OldVornListBoxInfo* listBox = nullptr,
                          const char* name = "t.sts")
    {
        ImageScriptTargets targets;
        targets.image = image;
        targets.set = set;
        targets.edit = edit;
        targets.listBox = listBox;
        ImageScriptRunner runner(manager, name);
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
        const char* message; // "" for none
    } cases[] = {{"", "cannot get first word off first line..."},
                 {"   \nsize rgb 4 4\n", "cannot get first word off first line..."},
                 {"sise rgb 4 4\n", "first line not size..."},
                 {"size\n", "cannot get second arg off first line..."},
                 {"size rgb16 4 4\n", "token not rgb,rgba or gui8"},
                 {"size rgb 4\n", "Image not same size as specified by Size command"},
                 {"size rgba four 4\n", "Image not same size as specified by Size command"},
                 {"size rgb 0 4\nfinish\n", "Image size [0,4] is out of range"},
                 {"size rgb 100000 100000\nfinish\n", "Image size [100000,100000] is out of range"},
                 // The pixel limit is inclusive and holds whichever side is the long one.
                 {"size rgb 8192 513\n", "Image size [8192,513] is out of range"},
                 {"size rgb 2049 2048\n", "Image size [2049,2048] is out of range"},
                 {"size rgb 8193 1\n", "Image size [8193,1] is out of range"},
                 {"size rgb 1 -1\n", "Image size [1,-1] is out of range"},
                 {"size gui8 4 4\nassign image\nfinish\n", ""}};
    BitmapA widest;
    ASSERT_EQ(Run("size rgb 8192 512\nclear red\nassign image\nfinish\n", &widest), ImageScriptResult::Finished);
    EXPECT_EQ(Px(widest, 8191, 511), (Bytes{255, 0, 0, 255}));
    for (const auto& c : cases) {
        diagnostics.warnings.clear();
        BitmapA image;
        EXPECT_EQ(Run(c.script, &image), ImageScriptResult::Failed) << c.script;
        const Warnings expected = *c.message ? Warnings{{"Error", c.message}} : Warnings{};
        EXPECT_EQ(diagnostics.warnings, expected) << c.script;
        EXPECT_TRUE(image.IsEmpty());
    }
}

TEST_F(ImageScriptTest, CommandsDrawThePicture)
{
    const struct {
        const char* script; // between the size line and "assign image"
        const char* type;
        Bytes at0, at1; // pixels (0, 0) and (1, 0)
    } cases[] = {
        {"", "rgb", {0, 0, 0, 0}, {0, 0, 0, 0}}, // the fresh working image
        {"clear pink", "rgb", {255, 192, 203, 255}, {255, 192, 203, 255}},
        {"clear pink", "rgba", {255, 192, 203, 0}, {255, 192, 203, 0}},
        {"# clear red\n\n   \nclear blue and more", "rgb", {0, 0, 255, 255}, {0, 0, 255, 255}},
        {"clear nosuch", "rgb", {255, 100, 100, 255}, {255, 100, 100, 255}}, // the fallback colour, and the run goes on
        {"clear red\ncopy solid.png", "rgba", {10, 20, 30, 255}, {10, 20, 30, 255}},
        {"copya alpha.png", "rgba", {200, 0, 0, 40}, {200, 0, 0, 255}},
        {"clear blue\nmap red mask.png", "rgb", {255, 0, 0, 255}, {0, 0, 255, 255}},
        {"clear blue\nmapmask green mask.png", "rgba", {0, 255, 0, 255}, {0, 0, 255, 0}},
        {"clear white\nsetalphafromgrey mask.png", "rgba", {255, 255, 255, 255}, {255, 255, 255, 0}},
    };
    for (const auto& c : cases) {
        BitmapA image;
        const std::string script = std::string("size ") + c.type + " 2 1 extra\n" + c.script +
                                   "\nassign image now\nfinish it\nbogus after finish\n";
        ASSERT_EQ(Run(script, &image), ImageScriptResult::Finished) << c.script;
        EXPECT_EQ(Px(image, 0, 0), c.at0) << c.script;
        EXPECT_EQ(Px(image, 1, 0), c.at1) << c.script;
    }
    EXPECT_TRUE(diagnostics.warnings.empty());
    EXPECT_NE(diagnostics.DebugText().find("Failed to find ColourA called 'nosuch'"), std::string::npos);
}

TEST_F(ImageScriptTest, AssignStatesFillOnlyThoseSlots)
{
    VornBitmapACache set;
    ASSERT_EQ(Run("size rgba 3 2\nclear red\nassign off\nclear blue\nassign on\nfinish\n", nullptr, &set),
              ImageScriptResult::Finished);
    std::vector<VORNIMAGETYPE> states;
    set.GetStates(states);
    EXPECT_EQ(states, (std::vector<VORNIMAGETYPE>{2, 3}));
    const BitmapA* off = nullptr;
    const BitmapA* on = nullptr;
    ASSERT_TRUE(set.GetImage(VORN_IMAGE_OFF, off) && set.GetImage(VORN_IMAGE_ON, on));
    EXPECT_EQ(Px(*off, 2, 1), (Bytes{255, 0, 0, 0}));
    EXPECT_EQ(Px(*on, 0, 0), (Bytes{0, 0, 255, 0}));
}

TEST_F(ImageScriptTest, ErrorPictures)
{
    VornBitmapACache set;
    ASSERT_EQ(Run("size rgb 1 1\nclear white\nassign off_down\n", nullptr, &set), ImageScriptResult::Recovered);
    EXPECT_EQ(error, "We've ended without a finish..");
    EXPECT_EQ(line, 3);
    EXPECT_EQ(diagnostics.warnings, (Warnings{{"Image Script Parser", "We've ended without a finish.. [t.sts]"}}));
    std::vector<Bytes> pixels;
    for (VORNIMAGETYPE state = 2; state <= 9; ++state) {
        const BitmapA* image = nullptr;
        ASSERT_TRUE(set.GetImage(state, image)) << state;
        pixels.push_back(Px(*image, 0, 0));
    }
    EXPECT_EQ(pixels, (std::vector<Bytes>{{255, 0, 0, 255}, {255, 192, 203, 255}, {150, 75, 0, 255}, {0, 255, 0, 255},
                                          {255, 165, 0, 255}, {173, 216, 230, 255}, {0, 0, 255, 255}, {128, 0, 128, 255}}));

    ASSERT_EQ(Run("size rgba 1 1\nbogus\nfinish\n", nullptr, &set), ImageScriptResult::Recovered);
    const BitmapA* on = nullptr;
    ASSERT_TRUE(set.GetImage(3, on));
    EXPECT_EQ(Px(*on, 0, 0), (Bytes{255, 192, 203, 0})) << "the error picture of an rgba set is transparent";

    diagnostics.warnings.clear();
    BitmapA image;
    EXPECT_EQ(Run("size rgb 1 1\n", &image, nullptr, nullptr, nullptr, ""), ImageScriptResult::Recovered);
    EXPECT_EQ(diagnostics.warnings, (Warnings{{"Image Script Parser", "We've ended without a finish.."}}));
}

TEST_F(ImageScriptTest, CommandErrorsCarryTheirMessagesAndLines)
{
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
        diagnostics.debug.clear();
        BitmapA image;
        const std::string script = std::string("size ") + c.type + " 4 4\n# note\n\n" + c.command + "\nfinish\n";
        EXPECT_EQ(Run(script, &image), ImageScriptResult::Recovered) << c.command;
        EXPECT_EQ(error, c.message) << c.command;
        EXPECT_EQ(line, 4) << c.command;
        EXPECT_EQ(diagnostics.warnings, (Warnings{{"Image Script Parser", std::string(c.message) + " [t.sts]"}}));
        const int alpha = std::string(c.type) == "rgb" ? 255 : 0;
        EXPECT_EQ(Px(image, 3, 3), (Bytes{255, 192, 203, alpha})) << c.command; // the error picture
        EXPECT_EQ(diagnostics.DebugText(), std::string("Image script t.sts, line 4: ") + c.message + "\n");
    }
}

// What the skin lines read is checked where the manager loads skins.
TEST_F(ImageScriptTest, SkinLineErrors)
{
    BitmapA image;
    VornBitmapACache set;
    const struct {
        const char* command;
        const char* message;
    } errors[] = {
        {"edit 3 4 50", "Missing arguments for edit line"},
        {"edit 1 2 3 4 white red nofont", "Could not get font => nofont"},
        {"lbText 1 2", "Error parsing list box text line"},
        {"lbText a 2 3 4 white", "Error parsing list box text line"},
        {"lbExpand 5 white", "Error parsing list box expand line"},
        {"lbExpand 5 white black nosuch", "Could not get colour => nosuch"},
        {"lbExpand 5 white black white", "Bad Vorn loading the scroll bar images for the list box"},
        {"lbSelDot", "Error parsing list box selDot line"},
        {"lbSelDot missing.png", "Error parsing list box selDot line"},
        {"assign image", "Image being assigned to a ButtonCache. Cannot do that!!"},
    };
    for (const auto& c : errors) {
        OldVornListBoxInfo list;
        VornEditInfo editInfo;
        const std::string script = std::string("size rgb 2 2\n") + c.command + "\nfinish\n";
        const bool isEdit = c.command[0] == 'e';
        EXPECT_EQ(Run(script, isEdit ? &image : nullptr, isEdit ? nullptr : &set, &editInfo, &list),
                  ImageScriptResult::Recovered)
            << c.command;
        EXPECT_EQ(error, c.message) << c.command;
        EXPECT_EQ(line, 2);
        EXPECT_TRUE(!isEdit || !editInfo.font.IsOk()) << "a failed edit line names no font";
    }
}

// A 4096 x 4096 set once held eight 64 MB states per load (found by fuzzing): such sizes
// are refused on the size line, before anything is allocated, by every kind of load.
TEST_F(ImageScriptTest, HugeSizeIsRefusedBeforeAnyLoadAllocates)
{
    Add("huge.sts", "size rgba 4096 4096\nclear red\nassign off\nlbText 1 1 4 4 white\nfinish\n");
    const std::pair<std::string, std::string> refused{"Error", "Image size [4096,4096] is out of range"};
    const VornBitmapACache* set = nullptr;
    wxImage image;
    VornListBoxInfo info;
    EXPECT_FALSE(manager.LoadImagesCached("huge.sts", set));
    EXPECT_FALSE(manager.LoadImage("huge.sts", image));
    EXPECT_FALSE(manager.LoadListBoxCached("huge.sts", info));
    EXPECT_EQ(set, nullptr);
    EXPECT_EQ(info.imageCache, nullptr);
    // The skin then misses its text area, since no line ran.
    EXPECT_EQ(diagnostics.warnings,
              (Warnings{refused, refused, refused, {"Create List Box", "Didn't find any text widget data"}}));
}
