#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/bitmap.h>

#include <vorn/assets/image_cache.h>
#include <vorn/assets/skin_info.h>

#include "image_test_util.h"

using namespace vorn;

using assettest::ImageTest;
using assettest::MemoryAsset;
using assettest::SolidPng;

namespace {

using Warnings = std::vector<std::pair<std::string, std::string>>;

const char* const kButtonScript = "size rgba 4 3\n"
                                  "clear red\n"
                                  "mapmask red full.png\n"
                                  "assign off\n"
                                  "clear blue\n"
                                  "mapmask blue full.png\n"
                                  "assign on\n"
                                  "finish\n";

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
    wxImage image;
    ASSERT_TRUE(manager.LoadImage("solid.png", image));
    EXPECT_EQ(image.GetWidth(), 3);
    EXPECT_EQ(Pixel(image, 2, 1), "#010203");
    ASSERT_TRUE(manager.LoadImage("upper.PNG", image));
    ASSERT_TRUE(manager.LoadImage("one.sts", image));
    EXPECT_EQ(image.GetWidth(), 5);
    EXPECT_EQ(Pixel(image, 4, 5), "#00ff00");
    EXPECT_FALSE(image.HasAlpha());
    EXPECT_FALSE(manager.LoadImage("solid.Png", image)); // neither "png" nor "PNG"
    EXPECT_FALSE(manager.LoadImage(".png", image));
    EXPECT_FALSE(manager.LoadImage("one.txt", image));
    EXPECT_FALSE(manager.LoadImage(nullptr, image));

    BitmapA withAlpha;
    Bitmap plain;
    ASSERT_TRUE(manager.LoadImage("solid.png", withAlpha));
    EXPECT_EQ(Pixel(withAlpha, 0, 0, true), "#010203ff");
    ASSERT_TRUE(manager.LoadImage("one.sts", plain));
    EXPECT_EQ(plain.width, 5);
    EXPECT_FALSE(plain.HasAlpha());
    EXPECT_FALSE(manager.LoadImage("upper.PNG", withAlpha)); // lower case only here
    EXPECT_FALSE(manager.LoadImage("upper.PNG", plain));

    wxBitmap bitmap;
    ASSERT_TRUE(manager.LoadBitmap("one.sts", bitmap));
    EXPECT_EQ(bitmap.GetHeight(), 6);
    ASSERT_TRUE(manager.LoadBitmap("solid.png", bitmap, 15));
    EXPECT_EQ(bitmap.GetWidth(), 3);
    EXPECT_TRUE(diagnostics.warnings.empty());
}

TEST_F(ImageLoadingTest, CorruptPngWarnsAndFails)
{
    std::string png = SolidPng(8, 8, 1, 2, 3);
    Add("cut.png", png.substr(0, png.size() / 2));
    Add("junk.png", "not a picture at all");
    Add("empty.png", "");
    for (const char* name : {"cut.png", "junk.png", "empty.png"}) {
        diagnostics.warnings.clear();
        wxImage image(2, 2);
        EXPECT_FALSE(manager.LoadImage(name, image)) << name;
        EXPECT_FALSE(image.IsOk());
        const std::string text = std::string("Failed because the file was corrupt [") + name + "]";
        EXPECT_EQ(diagnostics.warnings, (Warnings{{text, text}}));
    }
    diagnostics.warnings.clear();
    BitmapA bitmap;
    EXPECT_FALSE(manager.LoadImage("junk.png", bitmap));
    wxImage image(2, 2);
    EXPECT_FALSE(manager.LoadImage("missing.png", image));
    EXPECT_FALSE(image.IsOk());
    EXPECT_TRUE(diagnostics.warnings.empty());
}

TEST_F(ImageLoadingTest, ScriptWithoutAssignedImageOrWithBadSizeLineFails)
{
    Add("none.sts", "size rgb 2 2\nclear red\nfinish\n");
    Add("bad.sts", "size rgb\n");
    wxImage image;
    EXPECT_FALSE(manager.LoadImage("none.sts", image));
    EXPECT_FALSE(manager.LoadImage("bad.sts", image));
    EXPECT_EQ(diagnostics.warnings, (Warnings{{"Error", "Image not same size as specified by Size command"}}));
    EXPECT_EQ(manager.GetCurrentScriptName(), "");
}

TEST_F(ImageLoadingTest, BrokenScriptGivesErrorPictureNamingTheScript)
{
    Add("broken.sts", "size rgb 2 2\nclear white\ncopy big.png\nassign image\nfinish\n");
    Add("big.png", SolidPng(20, 20, 0, 0, 0));
    wxImage image;
    ASSERT_TRUE(manager.LoadImage("broken.sts", image));
    EXPECT_EQ(Pixel(image, 1, 1), "#ffc0cb");
    EXPECT_EQ(diagnostics.warnings,
              (Warnings{{"Image Script Parser",
                         "File [big.png] is of size [20,20] but should be of size [2,2].  Cannot load.. [broken.sts]"}}));
}

TEST_F(ImageLoadingTest, NestedScriptsKeepTheOuterNameAndSelfUseFails)
{
    Add("inner.sts", "size rgb 2 2\nclear blue\nassign image\nfinish\n");
    Add("outer.sts", "size rgb 2 2\ncopy inner.sts\nassign image\nbogus\nfinish\n");
    Add("self.sts", "size rgb 2 2\ncopy SELF.sts\nassign image\nfinish\n");
    Add("ping.sts", "size rgb 2 2\ncopy pong.sts\nassign image\nfinish\n");
    Add("pong.sts", "size rgb 2 2\ncopy ping.sts\nassign image\nfinish\n");
    wxImage image;
    ASSERT_TRUE(manager.LoadImage("outer.sts", image));
    ASSERT_TRUE(manager.LoadImage("self.sts", image));
    ASSERT_TRUE(manager.LoadImage("ping.sts", image));
    EXPECT_EQ(diagnostics.warnings,
              (Warnings{{"Image Script Parser", "we got something that was not a command in the file... [outer.sts]"},
                        {"Image Script Parser", "Cannot load image => SELF.sts [self.sts]"},
                        {"Image Script Parser", "Cannot load image => ping.sts [pong.sts]"}}));
    EXPECT_EQ(manager.GetCurrentScriptName(), "");
    const wxImage* cached = nullptr;
    ASSERT_TRUE(manager.LoadImageCached("inner.sts", cached));
    EXPECT_EQ(Pixel(*cached, 0, 0), "#0000ff");
}

TEST_F(ImageLoadingTest, SetsInEveryPixelType)
{
    VornBitmapACache a;
    ASSERT_TRUE(manager.LoadImages("button.sts", a));
    const BitmapA* offA = nullptr;
    ASSERT_TRUE(a.GetImage(VORN_IMAGE_OFF, offA));
    EXPECT_EQ(Pixel(*offA, 3, 2, true), "#ff0000ff");

    VornBitmapCache b;
    ASSERT_TRUE(manager.LoadImages("button.sts", b));
    const Bitmap* onB = nullptr;
    ASSERT_TRUE(b.GetImage(VORN_IMAGE_ON, onB));
    EXPECT_FALSE(onB->HasAlpha());
    EXPECT_EQ(onB->width, 4);

    VornwxImageCache w;
    ASSERT_TRUE(manager.LoadImages("button.sts", w));
    const wxImage* onW = nullptr;
    ASSERT_TRUE(w.GetImage(VORN_IMAGE_ON, onW));
    EXPECT_EQ(Pixel(*onW, 0, 0), "#0000ff");

    VornwxBitmapCache x;
    ASSERT_TRUE(manager.LoadImages("button.sts", x));
    std::vector<VORNIMAGETYPE> states;
    x.GetStates(states);
    EXPECT_EQ(states, (std::vector<VORNIMAGETYPE>{2, 3}));
    EXPECT_EQ(x.GetHeight(), 3);

    EXPECT_FALSE(manager.LoadImages("missing.sts", x));
    std::string text = "size rgb\n";
    EXPECT_FALSE(manager.LoadImagesFromScript(text, a));
    EXPECT_EQ(diagnostics.warnings.size(), 1u);
}

TEST_F(ImageLoadingTest, CachedSetsAreSharedPerSpelling)
{
    const VornBitmapACache* first = nullptr;
    const VornBitmapACache* second = nullptr;
    const VornBitmapACache* other = nullptr;
    ASSERT_TRUE(manager.LoadImagesCached("button.sts", first));
    ASSERT_TRUE(manager.LoadImagesCached("button.sts", second));
    ASSERT_TRUE(manager.LoadImagesCached("Button.sts", other));
    EXPECT_EQ(first, second);
    EXPECT_NE(first, other);

    const VornBitmapCache* b = nullptr;
    const VornwxImageCache* w = nullptr;
    ASSERT_TRUE(manager.LoadImagesCached("button.sts", b));
    ASSERT_TRUE(manager.LoadImagesCached("button.sts", w));
    EXPECT_EQ(b->GetWidth(), 4);
    EXPECT_EQ(w->GetWidth(), 4);
}

TEST_F(ImageLoadingTest, FailedCachedLoadCachesNothing)
{
    const BitmapA* image = reinterpret_cast<const BitmapA*>(&manager); // must stay untouched
    EXPECT_FALSE(manager.LoadImageCached("late.png", image));
    EXPECT_EQ(image, reinterpret_cast<const BitmapA*>(&manager));
    Add("late.png", SolidPng(2, 2, 9, 9, 9));
    ASSERT_TRUE(manager.LoadImageCached("late.png", image));
    EXPECT_EQ(image->width, 2);
}

TEST_F(ImageLoadingTest, CachedSingleImagesOfEveryType)
{
    const Bitmap* bitmap = nullptr;
    const BitmapA* bitmapA = nullptr;
    const wxBitmap* wxbitmap = nullptr;
    const wxImage* image = nullptr;
    ASSERT_TRUE(manager.LoadImageCached("full.png", bitmap));
    ASSERT_TRUE(manager.LoadImageCached("full.png", bitmapA));
    ASSERT_TRUE(manager.LoadImageCached("full.png", wxbitmap));
    ASSERT_TRUE(manager.LoadImageCached("full.png", image));
    EXPECT_EQ(bitmap->width, 4);
    EXPECT_EQ(bitmapA->height, 3);
    EXPECT_EQ(wxbitmap->GetWidth(), 4);
    EXPECT_EQ(image->GetHeight(), 3);
    const wxImage* again = nullptr;
    ASSERT_TRUE(manager.LoadImageCached("full.png", again));
    EXPECT_EQ(again, image);
}

TEST_F(ImageLoadingTest, CachedBitmapSetsLiveInWallpapers)
{
    const VornwxBitmapCache* set = nullptr;
    ASSERT_TRUE(manager.LoadImagesCached("button.sts", set));
    WallpaperImageInfo<wxBitmap> info;
    ASSERT_TRUE(set->GetImageInfo(VORN_IMAGE_ON, info));
    EXPECT_EQ(info.width, 4);
    EXPECT_EQ(info.height, 3);
    EXPECT_EQ(info.x, 4); // placed after the "off" image on the shared wallpaper
    const wxBitmap* on = nullptr;
    ASSERT_TRUE(set->GetImage(VORN_IMAGE_ON, on)); // cut out on first use
    EXPECT_EQ(Pixel(on->ConvertToImage(), 3, 2), "#0000ff");
    std::vector<VORNIMAGETYPE> states;
    set->GetStates(states);
    EXPECT_EQ(states, (std::vector<VORNIMAGETYPE>{2, 3}));
}

TEST_F(ImageLoadingTest, ClearCachesMakesTheNextLoadRunAgain)
{
    const wxImage* image = nullptr;
    Add("c.sts", "size rgb 1 1\nclear red\nassign image\nfinish\n");
    ASSERT_TRUE(manager.LoadImageCached("c.sts", image));
    EXPECT_EQ(Pixel(*image, 0, 0), "#ff0000");
    const VornwxBitmapCache* set = nullptr;
    ASSERT_TRUE(manager.LoadImagesCached("button.sts", set));

    Add("c.sts", "size rgb 1 1\nclear blue\nassign image\nfinish\n");
    ASSERT_TRUE(manager.LoadImageCached("c.sts", image));
    EXPECT_EQ(Pixel(*image, 0, 0), "#ff0000"); // still the cached copy
    manager.ClearCaches();
    ASSERT_TRUE(manager.LoadImageCached("c.sts", image));
    EXPECT_EQ(Pixel(*image, 0, 0), "#0000ff");
    ASSERT_TRUE(manager.LoadImagesCached("button.sts", set));
    const wxBitmap* off = nullptr;
    ASSERT_TRUE(set->GetImage(VORN_IMAGE_OFF, off));
    EXPECT_EQ(off->GetWidth(), 4);
}

TEST_F(ImageLoadingTest, EditWidgetSkin)
{
    wxFont font(wxFontInfo(11));
    manager.SetFont("editfont", font);
    Add("edit.sts", "size rgb 60 20\nclear white\nedit 4 3 52 14 black blue editfont\nassign image\nfinish\n");
    const wxBitmap* bitmap = nullptr;
    VornEditInfo info;
    ASSERT_TRUE(manager.LoadEditWidgetCached("edit.sts", bitmap, info));
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->GetWidth(), 60);
    EXPECT_EQ(Pixel(bitmap->ConvertToImage(), 59, 19), "#ffffff");
    EXPECT_EQ(info.x, 4);
    EXPECT_EQ(info.y, 3);
    EXPECT_EQ(info.width, 52);
    EXPECT_EQ(info.height, 14);
    EXPECT_EQ(info.textColour, wxColour(0, 0, 0));
    EXPECT_EQ(info.highlightColour, wxColour(0, 0, 255));
    EXPECT_EQ(info.font.GetPointSize(), 11);

    const wxBitmap* again = nullptr;
    VornEditInfo copy;
    ASSERT_TRUE(manager.LoadEditWidgetCached("edit.sts", again, copy));
    EXPECT_EQ(again, bitmap);
    EXPECT_EQ(copy.width, 52);
}

TEST_F(ImageLoadingTest, EditWidgetWithoutEditLineGivesFallback)
{
    Add("noedit.sts", "size rgb 6 6\nclear white\nassign image\nfinish\n");
    const wxBitmap* bitmap = reinterpret_cast<const wxBitmap*>(&manager);
    VornEditInfo info;
    EXPECT_FALSE(manager.LoadEditWidgetCached("noedit.sts", bitmap, info));
    EXPECT_EQ(bitmap, nullptr);
    EXPECT_EQ(info.x, -1);
    EXPECT_EQ(info.y, -1);
    EXPECT_EQ(info.width, -1);
    EXPECT_EQ(info.height, -1);
    EXPECT_EQ(info.textColour, wxColour(0, 0, 100));
    EXPECT_EQ(info.highlightColour, wxColour(255, 0, 255));
    EXPECT_EQ(info.backgroundColour, wxColour(0, 100, 0));
    EXPECT_EQ(diagnostics.warnings, (Warnings{{"Create Edit Widget", "Didn't find any edit widget data"}}));
    EXPECT_FALSE(manager.LoadEditWidgetCached("missing.sts", bitmap, info));
    EXPECT_EQ(diagnostics.warnings.size(), 1u);
}

TEST_F(ImageLoadingTest, ListBoxSkin)
{
    Add("dot.png", SolidPng(5, 5, 0, 0, 0));
    for (const char* name : {"blender_scroll_off.sts", "blender_scroll_up.sts"})
        Add(name, "size rgb 7 9\nclear white\nassign image\nfinish\n");
    Add("list.lbs", "size rgb 40 16\nclear white\nassign on\nclear blue\nassign on_mouse_over\n"
                    "lbText 2 3 30 12 red\nlbExpand 120 white black blue\nlbSelDot dot.png\nfinish\n");
    int host = 5;
    manager.SetSpecialInfo(&host);
    VornListBoxInfo info;
    ASSERT_TRUE(manager.LoadListBoxCached("list.lbs", info));
    EXPECT_EQ(manager.GetSpecialInfo(), nullptr);
    ASSERT_NE(info.imageCache, nullptr);
    std::vector<VORNIMAGETYPE> states;
    info.imageCache->GetStates(states);
    EXPECT_EQ(states, (std::vector<VORNIMAGETYPE>{3, 4}));
    EXPECT_EQ(info.imageCache->GetWidth(), 40);
    const wxBitmap* over = nullptr;
    ASSERT_TRUE(info.imageCache->GetImage(4, over));
    EXPECT_EQ(Pixel(over->ConvertToImage(), 0, 0), "#0000ff");
    EXPECT_EQ(info.x, 2);
    EXPECT_EQ(info.y, 3);
    EXPECT_EQ(info.width, 30);
    EXPECT_EQ(info.height, 12);
    EXPECT_EQ(info.textColour, wxColour(255, 0, 0));
    EXPECT_EQ(info.expandValue, 120);
    EXPECT_EQ(info.expandColour3, wxColour(0, 0, 255));
    ASSERT_NE(info.selDot, nullptr);
    EXPECT_EQ(info.selDot->GetWidth(), 5);
    ASSERT_NE(info.scrollOff, nullptr);
    EXPECT_EQ(info.scrollOff->GetHeight(), 9);
    EXPECT_NE(info.scrollUp, nullptr);
    EXPECT_EQ(info.scrollDown, nullptr); // one of three is enough

    VornListBoxInfo again;
    ASSERT_TRUE(manager.LoadListBoxCached("list.lbs", again));
    EXPECT_EQ(again.imageCache, info.imageCache);
    EXPECT_TRUE(diagnostics.warnings.empty());
}

TEST_F(ImageLoadingTest, ListBoxWithoutTextLineGivesFallback)
{
    Add("bare.lbs", "size rgb 4 4\nassign on\nfinish\n");
    VornListBoxInfo info;
    EXPECT_FALSE(manager.LoadListBoxCached("bare.lbs", info));
    EXPECT_EQ(info.imageCache, nullptr);
    EXPECT_EQ(info.x, -1);
    EXPECT_EQ(info.height, -1);
    EXPECT_EQ(info.textColour, wxColour(255, 255, 255));
    EXPECT_EQ(info.expandValue, -1);
    EXPECT_EQ(info.selDot, nullptr);
    EXPECT_EQ(info.expandColour1, wxColour(100, 0, 0));
    EXPECT_EQ(info.expandColour2, wxColour(0, 100, 0));
    EXPECT_EQ(info.expandColour3, wxColour(0, 0, 100));
    EXPECT_EQ(diagnostics.warnings, (Warnings{{"Create List Box", "Didn't find any text widget data"}}));
    EXPECT_EQ(manager.GetSpecialInfo(), nullptr);
    EXPECT_FALSE(manager.LoadListBoxCached("missing.lbs", info));
}

TEST_F(ImageLoadingTest, ListBoxCommandsOutsideListBoxLoadIgnoreSpecialInfo)
{
    OldVornListBoxInfo record;
    manager.SetSpecialInfo(&record);
    Add("lb.sts", "size rgb 2 2\nlbText 1 2 3 4 red\nassign image\nfinish\n");
    wxImage image;
    ASSERT_TRUE(manager.LoadImage("lb.sts", image));
    EXPECT_EQ(record.x, -999);
    EXPECT_EQ(diagnostics.warnings, (Warnings{{"Image Script Parser", "No list box info set up for lbText [lb.sts]"}}));
}
