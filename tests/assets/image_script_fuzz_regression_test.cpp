// Inputs found by fuzzing image scripts, kept so that they stay handled.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/assets/image_cache.h>
#include <vorn/assets/image_script.h>
#include <vorn/assets/skin_info.h>

#include "image_test_util.h"

using namespace vorn;

using assettest::ImageTest;

namespace {

using Warnings = std::vector<std::pair<std::string, std::string>>;

std::string EightStates(const std::string& sizeLine)
{
    std::string text = sizeLine + "\n";
    for (const char* state : {"off", "on", "on_mouse_over", "off_mouse_over", "disabled_on", "disabled_off",
                              "on_down", "off_down"})
        text += std::string("clear red\nassign ") + state + "\n";
    return text + "lbText 1 1 4 4 white\nfinish\n";
}

class ImageScriptFuzzRegressionTest : public ImageTest {};

} // namespace

// A 4096 x 4096 set script made every load hold eight 64 MB states and their
// conversions: one short script took minutes and more than 2 GB. Such sizes are now
// refused on the size line, before anything is allocated, by every kind of load.
TEST_F(ImageScriptFuzzRegressionTest, HugeSetIsRefusedOnTheSizeLine)
{
    Add("huge.sts", EightStates("size rgba 4096 4096"));
    const Warnings refused{{"Error", "Image size [4096,4096] is out of range"}};

    const VornwxBitmapCache* set = nullptr;
    EXPECT_FALSE(manager.LoadImagesCached("huge.sts", set));
    EXPECT_EQ(set, nullptr);
    EXPECT_EQ(diagnostics.warnings, refused);

    diagnostics.warnings.clear();
    wxImage image;
    EXPECT_FALSE(manager.LoadImage("huge.sts", image));
    EXPECT_FALSE(image.IsOk());
    EXPECT_EQ(diagnostics.warnings, refused);

    diagnostics.warnings.clear();
    VornListBoxInfo info;
    EXPECT_FALSE(manager.LoadListBoxCached("huge.sts", info));
    EXPECT_EQ(info.imageCache, nullptr);
    EXPECT_EQ(info.x, -1);
    // The size line warns; the skin then misses its text area, since no line ran.
    EXPECT_EQ(diagnostics.warnings,
              (Warnings{refused[0], {"Create List Box", "Didn't find any text widget data"}}));
}

// The pixel limit is inclusive and holds whichever side is the long one.
TEST_F(ImageScriptFuzzRegressionTest, PixelLimitBoundary)
{
    ASSERT_EQ(ImageScriptRunner::kMaxPixels, 8192L * 512);
    Add("widest.sts", "size rgb 8192 512\nclear red\nassign image\nfinish\n");
    wxImage image;
    ASSERT_TRUE(manager.LoadImage("widest.sts", image));
    EXPECT_EQ(image.GetSize(), wxSize(8192, 512));
    EXPECT_EQ(Pixel(image, 8191, 511), "#ff0000");
    EXPECT_TRUE(diagnostics.warnings.empty());

    const struct {
        const char* size;
        const char* message;
    } refused[] = {{"8192 513", "Image size [8192,513] is out of range"},
                   {"2049 2048", "Image size [2049,2048] is out of range"},
                   {"8193 1", "Image size [8193,1] is out of range"},
                   {"1 -1", "Image size [1,-1] is out of range"}};
    for (const auto& c : refused) {
        diagnostics.warnings.clear();
        Add("over.sts", std::string("size rgb ") + c.size + "\nassign image\nfinish\n");
        BitmapA bitmap;
        EXPECT_FALSE(manager.LoadImage("over.sts", bitmap)) << c.size;
        EXPECT_TRUE(bitmap.IsEmpty()) << c.size;
        EXPECT_EQ(diagnostics.warnings, (Warnings{{"Error", c.message}})) << c.size;
    }
}
