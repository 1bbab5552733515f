#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/bitmap.h>

#include <vorn/assets/image_cache.h>
#include <vorn/assets/skin_info.h>

#include "image_test_util.h"

using namespace vorn;

using namespace assettest;
using vorntest::PixelStr;

namespace {

using Warnings = std::vector<std::pair<std::string, std::string>>;

const char* const kButtonScript =
    "size rgba 4 3\nclear red\nmapmask red full.png\nassign off\nclear blue\nmapmask blue full.png\nassign on\nfinish\n";

class ImageLoadingTest : public ImageTest {
protected:
    void SetUp() override
    {
        ImageTest::SetUp();
        Add("full.png", SolidPng(4, 3, 255, 255, 255));
        Add("button.sts", kButtonScript);
    }
};

} // namespace

TEST_F(ImageLoadingTest, ExtensionChoosesTheLoader)
{
    Add("solid.png", SolidPng(3, 2, 1, 2, 3));
    Add("upper.PNG", SolidPng(3, 2, 1, 2, 3));
    Add("one.sts", "size rgb 5 6\nclear green\nassign image\nfinish\n");
    Add("none.sts", "size rgb 2 2\nclear red\nfinish\n"); // assigns no image
    const struct {
        const char* name;
        const char* loads; // wxImage, wxBitmap, BitmapA, Bitmap: 1 loads, 0 does not
    } cases[] = {{"solid.png", "1111"}, {"upper.PNG", "1100"}, {"one.sts", "1111"}, {"solid.Png", "0000"},
                 {".png", "0000"},      {"one.txt", "0000"},   {"none.sts", "0000"}, {nullptr, "0000"}};
    for (const auto& c : cases) {
        wxImage image;
        wxBitmap bitmap;
        BitmapA withAlpha;
        Bitmap plain;
        const std::string loads = std::string(manager.LoadImage(c.name, image) ? "1" : "0") +
                                  (manager.LoadBitmap(c.name, bitmap, 15) ? "1" : "0") +
                                  (manager.LoadImage(c.name, withAlpha) ? "1" : "0") +
                                  (manager.LoadImage(c.name, plain) ? "1" : "0");
        EXPECT_EQ(loads, c.loads) << (c.name ? c.name : "null");
    }
    wxImage image;
    ASSERT_TRUE(manager.LoadImage("one.sts", image));
    EXPECT_EQ(PixelStr(image, 4, 5), "#00FF00");
    EXPECT_FALSE(image.HasAlpha());
    BitmapA withAlpha;
    ASSERT_TRUE(manager.LoadImage("solid.png", withAlpha));
    EXPECT_EQ(Px(withAlpha, 2, 1), (Bytes{1, 2, 3, 255}));
    EXPECT_TRUE(diagnostics.warnings.empty());
    EXPECT_EQ(manager.GetCurrentScriptName(), "");
}

TEST_F(ImageLoadingTest, CorruptPngWarnsAndFailsAndAMissingOneJustFails)
{
    const std::string png = SolidPng(8, 8, 1, 2, 3);
    Add("cut.png", png.substr(0, png.size() / 2));
    Add("junk.png", "not a picture at all");
    Add("empty.png", "");
    for (const std::string name : {"cut.png", "junk.png", "empty.png", "missing.png"}) {
        diagnostics.warnings.clear();
        wxImage image(2, 2);
        EXPECT_FALSE(manager.LoadImage(name.c_str(), image)) << name;
        EXPECT_FALSE(image.IsOk());
        const std::string text = "Failed because the file was corrupt [" + name + "]";
        EXPECT_EQ(diagnostics.warnings, (name == "missing.png" ? Warnings{} : Warnings{{text, text}})) << name;
    }
}

// Warnings name the script being loaded, the outer one when scripts nest; a broken script
// still gives its error picture, and no script can use itself, directly or through another.
TEST_F(ImageLoadingTest, BrokenAndNestedScriptsWarnNamingTheOuterScript)
{
    Add("broken.sts", "size rgb 2 2\nclear white\ncopy big.png\nassign image\nfinish\n");
    Add("big.png", SolidPng(20, 20, 0, 0, 0));
    Add("bad.sts", "size rgb\n");
    Add("inner.sts", "size rgb 2 2\nclear blue\nassign image\nfinish\n");
    Add("outer.sts", "size rgb 2 2\ncopy inner.sts\nassign image\nbogus\nfinish\n");
    Add("self.sts", "size rgb 2 2\ncopy SELF.sts\nassign image\nfinish\n");
    Add("ping.sts", "size rgb 2 2\ncopy pong.sts\nassign image\nfinish\n");
    Add("pong.sts", "size rgb 2 2\ncopy ping.sts\nassign image\nfinish\n");
    wxImage image;
    ASSERT_TRUE(manager.LoadImage("broken.sts", image));
    EXPECT_EQ(PixelStr(image, 1, 1), "#FFC0CB");
    EXPECT_FALSE(manager.LoadImage("bad.sts", image));
    ASSERT_TRUE(manager.LoadImage("outer.sts", image));
    ASSERT_TRUE(manager.LoadImage("self.sts", image));
    ASSERT_TRUE(manager.LoadImage("ping.sts", image));
    EXPECT_EQ(diagnostics.warnings,
              (Warnings{{"Image Script Parser",
                         "File [big.png] is of size [20,20] but should be of size [2,2].  Cannot load.. [broken.sts]"},
                        {"Error", "Image not same size as specified by Size command"},
                        {"Image Script Parser", "we got something that was not a command in the file... [outer.sts]"},
                        {"Image Script Parser", "Cannot load image => SELF.sts [self.sts]"},
                        {"Image Script Parser", "Cannot load image => ping.sts [pong.sts]"}}));
    EXPECT_EQ(manager.GetCurrentScriptName(), "");
    const wxImage* cached = nullptr;
    ASSERT_TRUE(manager.LoadImageCached("inner.sts", cached));
    EXPECT_EQ(PixelStr(*cached, 0, 0), "#0000FF");
}

TEST_F(ImageLoadingTest, SetsInEveryPixelTypeAndBitmapSetsLiveInWallpapers)
{
    VornBitmapACache a;
    VornBitmapCache b;
    const VornwxImageCache* w = nullptr;
    const VornwxBitmapCache* x = nullptr;
    ASSERT_TRUE(manager.LoadImages("button.sts", a) && manager.LoadImages("button.sts", b));
    ASSERT_TRUE(manager.LoadImagesCached("button.sts", w) && manager.LoadImagesCached("button.sts", x));
    const BitmapA* offA = nullptr;
    const Bitmap* onB = nullptr;
    const wxImage* onW = nullptr;
    const wxBitmap* onX = nullptr;
    ASSERT_TRUE(a.GetImage(VORN_IMAGE_OFF, offA) && b.GetImage(VORN_IMAGE_ON, onB));
    EXPECT_EQ(Px(*offA, 3, 2), (Bytes{255, 0, 0, 255}));
    EXPECT_FALSE(onB->HasAlpha());
    EXPECT_EQ(onB->width, 4);
    ASSERT_TRUE(w->GetImage(VORN_IMAGE_ON, onW));
    EXPECT_EQ(PixelStr(*onW, 0, 0), "#0000FF");
    WallpaperImageInfo<wxBitmap> info;
    ASSERT_TRUE(x->GetImageInfo(VORN_IMAGE_ON, info));
    EXPECT_EQ(std::vector<int>({info.x, info.y, info.width, info.height}), std::vector<int>({4, 0, 4, 3}));
    ASSERT_TRUE(x->GetImage(VORN_IMAGE_ON, onX)); // cut out on first use
    EXPECT_EQ(PixelStr(onX->ConvertToImage(), 3, 2), "#0000FF");
    std::vector<VORNIMAGETYPE> states;
    x->GetStates(states);
    EXPECT_EQ(states, (std::vector<VORNIMAGETYPE>{2, 3}));
    EXPECT_FALSE(manager.LoadImages("missing.sts", a));
    std::string text = "size rgb\n";
    EXPECT_FALSE(manager.LoadImagesFromScript(text, a));
    EXPECT_EQ(diagnostics.warnings.size(), 1u);
}

TEST_F(ImageLoadingTest, CachedObjectsAreSharedPerSpellingUntilClearCachesAndFailuresAreNotCached)
{
    const VornBitmapACache* first = nullptr;
    const VornBitmapACache* second = nullptr;
    const VornBitmapACache* other = nullptr;
    ASSERT_TRUE(manager.LoadImagesCached("button.sts", first) && manager.LoadImagesCached("button.sts", second));
    ASSERT_TRUE(manager.LoadImagesCached("Button.sts", other));
    EXPECT_EQ(first, second);
    EXPECT_NE(first, other);
    const Bitmap* bitmap = nullptr;
    const wxBitmap* wxbitmap = nullptr;
    const wxImage* image = nullptr;
    const wxImage* again = nullptr;
    ASSERT_TRUE(manager.LoadImageCached("full.png", bitmap) && manager.LoadImageCached("full.png", wxbitmap));
    ASSERT_TRUE(manager.LoadImageCached("full.png", image) && manager.LoadImageCached("full.png", again));
    EXPECT_EQ(again, image);
    EXPECT_EQ(std::vector<int>({bitmap->width, wxbitmap->GetWidth(), image->GetHeight()}), std::vector<int>({4, 4, 3}));

    const BitmapA* late = reinterpret_cast<const BitmapA*>(&manager); // must stay untouched
    EXPECT_FALSE(manager.LoadImageCached("late.png", late));
    EXPECT_EQ(late, reinterpret_cast<const BitmapA*>(&manager));
    Add("late.png", SolidPng(2, 2, 9, 9, 9));
    ASSERT_TRUE(manager.LoadImageCached("late.png", late));
    EXPECT_EQ(late->width, 2);

    Add("c.sts", "size rgb 1 1\nclear red\nassign image\nfinish\n");
    ASSERT_TRUE(manager.LoadImageCached("c.sts", image));
    Add("c.sts", "size rgb 1 1\nclear blue\nassign image\nfinish\n");
    ASSERT_TRUE(manager.LoadImageCached("c.sts", image));
    EXPECT_EQ(PixelStr(*image, 0, 0), "#FF0000"); // still the cached copy
    const VornwxBitmapCache* set = nullptr;
    ASSERT_TRUE(manager.LoadImagesCached("button.sts", set));
    manager.ClearCaches();
    ASSERT_TRUE(manager.LoadImageCached("c.sts", image));
    EXPECT_EQ(PixelStr(*image, 0, 0), "#0000FF");
    ASSERT_TRUE(manager.LoadImagesCached("button.sts", set)) << "the wallpapers were cleared with the sets";
    const wxBitmap* on = nullptr;
    ASSERT_TRUE(set->GetImage(VORN_IMAGE_ON, on));
    EXPECT_EQ(PixelStr(on->ConvertToImage(), 0, 0), "#0000FF");
}

TEST_F(ImageLoadingTest, EditWidgetSkins)
{
    wxFont font(wxFontInfo(11));
    manager.SetFont("editfont", font);
    Add("edit.sts", "size rgb 60 20\nclear white\nedit 4 3 52 14 black blue editfont\nassign image\nfinish\n");
    Add("noedit.sts", "size rgb 6 6\nclear white\nassign image\nfinish\n");
    const wxBitmap* bitmap = nullptr;
    const wxBitmap* again = nullptr;
    VornEditInfo info, copy;
    ASSERT_TRUE(manager.LoadEditWidgetCached("edit.sts", bitmap, info));
    ASSERT_TRUE(manager.LoadEditWidgetCached("edit.sts", again, copy));
    EXPECT_EQ(again, bitmap);
    EXPECT_EQ(PixelStr(bitmap->ConvertToImage(), 59, 19), "#FFFFFF");
    EXPECT_EQ(std::vector<int>({info.x, info.y, copy.width, info.height, info.font.GetPointSize()}),
              std::vector<int>({4, 3, 52, 14, 11}));
    EXPECT_EQ(vorntest::ColourStr(info.textColour) + vorntest::ColourStr(info.highlightColour), "#000000#0000FF");
    EXPECT_TRUE(diagnostics.warnings.empty());

    for (const char* failing : {"noedit.sts", "missing.sts"}) {
        bitmap = &wxNullBitmap;
        EXPECT_FALSE(manager.LoadEditWidgetCached(failing, bitmap, info));
        EXPECT_EQ(bitmap, nullptr);
        EXPECT_EQ(std::vector<int>({info.x, info.y, info.width, info.height}), std::vector<int>(4, -1));
        EXPECT_EQ(vorntest::ColourStr(info.textColour) + vorntest::ColourStr(info.highlightColour) +
                      vorntest::ColourStr(info.backgroundColour),
                  "#000064#FF00FF#006400");
    }
    EXPECT_EQ(diagnostics.warnings, (Warnings{{"Create Edit Widget", "Didn't find any edit widget data"}}));
}

TEST_F(ImageLoadingTest, ListBoxSkins)
{
    Add("dot.png", SolidPng(5, 5, 0, 0, 0));
    for (const char* name : {"blender_scroll_off.sts", "blender_scroll_up.sts"})
        Add(name, "size rgb 7 9\nclear white\nassign image\nfinish\n");
    Add("list.lbs", "size rgb 40 16\nclear white\nassign on\nclear blue\nassign on_mouse_over\n"
                    "lbText 2 3 30 12 red\nlbExpand 120 white black blue\nlbSelDot dot.png\nfinish\n");
    Add("bare.lbs", "size rgb 4 4\nassign on\nfinish\n");
    Add("lb.sts", "size rgb 2 2\nlbText 1 2 3 4 red\nassign image\nfinish\n");
    OldVornListBoxInfo host;
    manager.SetSpecialInfo(&host);
    VornListBoxInfo info, again;
    ASSERT_TRUE(manager.LoadListBoxCached("list.lbs", info));
    ASSERT_TRUE(manager.LoadListBoxCached("list.lbs", again));
    EXPECT_EQ(manager.GetSpecialInfo(), nullptr);
    ASSERT_NE(info.imageCache, nullptr);
    EXPECT_EQ(again.imageCache, info.imageCache);
    const wxBitmap* over = nullptr;
    ASSERT_TRUE(info.imageCache->GetImage(4, over));
    EXPECT_EQ(PixelStr(over->ConvertToImage(), 0, 0), "#0000FF");
    EXPECT_EQ(std::vector<int>({info.x, info.y, info.width, info.height, info.expandValue, info.selDot->GetWidth(),
                                info.scrollOff->GetHeight()}),
              std::vector<int>({2, 3, 30, 12, 120, 5, 9}));
    EXPECT_EQ(vorntest::ColourStr(info.textColour) + vorntest::ColourStr(info.expandColour3), "#FF0000#0000FF");
    EXPECT_NE(info.scrollUp, nullptr);
    EXPECT_EQ(info.scrollDown, nullptr); // one of three is enough
    EXPECT_TRUE(diagnostics.warnings.empty());

    for (const char* failing : {"bare.lbs", "missing.lbs"}) {
        EXPECT_FALSE(manager.LoadListBoxCached(failing, info));
        EXPECT_EQ(info.imageCache, nullptr);
        EXPECT_EQ(info.selDot, nullptr);
        EXPECT_EQ(std::vector<int>({info.x, info.y, info.width, info.height, info.expandValue}),
                  std::vector<int>(5, -1));
        EXPECT_EQ(vorntest::ColourStr(info.textColour) + vorntest::ColourStr(info.expandColour1) +
                      vorntest::ColourStr(info.expandColour2) + vorntest::ColourStr(info.expandColour3),
                  "#FFFFFF#640000#006400#000064");
    }
    // Outside a list-box load the list-box commands ignore the special info.
    manager.SetSpecialInfo(&host);
    wxImage image;
    ASSERT_TRUE(manager.LoadImage("lb.sts", image));
    EXPECT_EQ(host.x, -999);
    EXPECT_EQ(diagnostics.warnings, (Warnings{{"Create List Box", "Didn't find any text widget data"},
                                              {"Image Script Parser", "No list box info set up for lbText [lb.sts]"}}));
}
