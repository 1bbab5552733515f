// Wallpapers: shelf packing, the holder's registries and cutting images back out.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/assets/wallpaper.h>

#include "test_support.h"

using namespace vorn;

namespace {

using Info = WallpaperImageInfo<wxBitmap>;

using vorntest::Solid;

std::string PixelOf(const wxBitmap& bmp, int x, int y)
{
    return vorntest::PixelStr(bmp.ConvertToImage(), x, y);
}

// x, y, width, height of an info, for readable comparisons.
std::vector<int> Rect(const Info& info) { return {info.x, info.y, info.width, info.height}; }

} // namespace

TEST(Wallpaper, TenImagesPackThreeToARow)
{
    VornwxBitmapWallpaper wp;
    EXPECT_EQ(wp.GetLowestBottom(), -1);
    const wxBitmap tile = Solid(300, 100);
    std::vector<std::vector<int>> rects;
    for (int i = 0; i < 10; ++i) {
        Info info;
        ASSERT_TRUE(wp.AddImage(&tile, info)) << i;
        EXPECT_EQ(info.wallpaper, wp.GetBitmap());
        rects.push_back(Rect(info));
    }
    EXPECT_EQ(rects, (std::vector<std::vector<int>>{{0, 0, 300, 100},
                                                    {300, 0, 300, 100},
                                                    {600, 0, 300, 100},
                                                    {0, 100, 300, 100},
                                                    {300, 100, 300, 100},
                                                    {600, 100, 300, 100},
                                                    {0, 200, 300, 100},
                                                    {300, 200, 300, 100},
                                                    {600, 200, 300, 100},
                                                    {0, 300, 300, 100}}));
    EXPECT_EQ(wp.NumImages(), 10);
    EXPECT_EQ(wp.GetLowestBottom(), 400);
    EXPECT_EQ(wp.GetBitmap()->GetWidth(), 1000);
    EXPECT_EQ(wp.GetBitmap()->GetHeight(), 1000);
}

TEST(Wallpaper, NewRowStartsBelowTheLowestBottom)
{
    VornwxBitmapWallpaper wp;
    const wxBitmap wide = Solid(600, 50), tall = Solid(300, 200), next = Solid(200, 10);
    Info a, b, c, d;
    ASSERT_TRUE(wp.AddImage(&wide, a));
    ASSERT_TRUE(wp.AddImage(&tall, b));
    ASSERT_TRUE(wp.AddImage(&next, c)); // 900 + 200 > 1000
    ASSERT_TRUE(wp.AddImage(&next, d)); // same row as c, at c's y
    EXPECT_EQ(Rect(b), (std::vector<int>{600, 0, 300, 200}));
    EXPECT_EQ(Rect(c), (std::vector<int>{0, 200, 200, 10}));
    EXPECT_EQ(Rect(d), (std::vector<int>{200, 200, 200, 10}));
    EXPECT_EQ(wp.GetLowestBottom(), 210);
}

TEST(Wallpaper, RefusesWhatDoesNotFit)
{
    VornwxBitmapWallpaper wp;
    const wxBitmap tooWide = Solid(1001, 10), tooTall = Solid(10, 1001), full = Solid(1000, 1000);
    Info info;
    EXPECT_FALSE(wp.AddImage(&tooWide, info));
    EXPECT_FALSE(wp.AddImage(&tooTall, info));
    EXPECT_FALSE(wp.AddImage(nullptr, info));
    EXPECT_FALSE(wp.AddImage(&wxNullBitmap, info));
    EXPECT_EQ(wp.NumImages(), 0);
    ASSERT_TRUE(wp.AddImage(&full, info));
    const wxBitmap dot = Solid(1, 1);
    EXPECT_FALSE(wp.AddImage(&dot, info)) << "nothing fits below a full-size image";
    EXPECT_EQ(wp.NumImages(), 1);
}

TEST(Wallpaper, RowThatWouldRunOffTheBottomIsRefused)
{
    VornwxBitmapWallpaper wp;
    const wxBitmap low = Solid(500, 900), high = Solid(400, 950);
    Info info;
    ASSERT_TRUE(wp.AddImage(&low, info));
    ASSERT_TRUE(wp.AddImage(&high, info)) << "the same row starts at y 0";
    const wxBitmap strip = Solid(200, 60);
    EXPECT_FALSE(wp.AddImage(&strip, info)) << "950 + 60 > 1000";
    const wxBitmap fits = Solid(100, 50);
    ASSERT_TRUE(wp.AddImage(&fits, info));
    EXPECT_EQ(Rect(info), (std::vector<int>{900, 0, 100, 50}));
}

TEST(Wallpaper, DrawsTheImageAtItsPlace)
{
    VornwxBitmapWallpaper wp;
    const wxBitmap red = Solid(10, 10, *wxRED), blue = Solid(5, 20, *wxBLUE);
    Info info;
    ASSERT_TRUE(wp.AddImage(&red, info));
    ASSERT_TRUE(wp.AddImage(&blue, info));
    const wxImage img = wp.GetBitmap()->ConvertToImage();
    EXPECT_EQ(vorntest::PixelStr(img, 0, 0), "#FF0000");
    EXPECT_EQ(vorntest::PixelStr(img, 9, 9), "#FF0000");
    EXPECT_EQ(vorntest::PixelStr(img, 10, 0), "#0000FF");
    EXPECT_EQ(vorntest::PixelStr(img, 14, 19), "#0000FF");
    EXPECT_EQ(vorntest::PixelStr(img, 15, 0), "#000000");
    EXPECT_EQ(vorntest::PixelStr(img, 0, 10), "#000000");
}

TEST(WallpaperHolder, PackingMovesToANewWallpaperAndNeverBack)
{
    WallpaperBitmapHolder holder;
    const wxBitmap half = Solid(1000, 600), small = Solid(100, 100);
    Info a, b, c;
    ASSERT_TRUE(holder.AddImage("a", half, a));
    ASSERT_TRUE(holder.AddImage("b", half, b)); // 600 + 600 > 1000
    ASSERT_TRUE(holder.AddImage("c", small, c));
    EXPECT_EQ(holder.NumWallpapers(), 2);
    EXPECT_EQ(a.wallpaper, holder.GetWallpaper(0)->GetBitmap());
    EXPECT_EQ(b.wallpaper, holder.GetWallpaper(1)->GetBitmap());
    EXPECT_EQ(c.wallpaper, holder.GetWallpaper(1)->GetBitmap()) << "free space of the first is not reused";
    EXPECT_EQ(Rect(c), (std::vector<int>{0, 600, 100, 100}));
    EXPECT_EQ(holder.GetWallpaper(0)->NumImages(), 1);
}

TEST(WallpaperHolder, OversizeImagesAreKeptAloneAndNeverPacked)
{
    WallpaperBitmapHolder holder;
    const wxBitmap huge = Solid(1001, 10, *wxGREEN);
    Info info;
    ASSERT_TRUE(holder.AddImage("huge", huge, info));
    EXPECT_EQ(holder.NumWallpapers(), 0);
    EXPECT_EQ(holder.NumOversize(), 1);
    EXPECT_EQ(Rect(info), (std::vector<int>{0, 0, 1001, 10}));
    ASSERT_NE(info.wallpaper, nullptr);
    EXPECT_NE(info.wallpaper, &huge);
    EXPECT_EQ(PixelOf(*info.wallpaper, 1000, 9), "#00FF00");
}

TEST(WallpaperHolder, NamedSingleImages)
{
    WallpaperBitmapHolder holder;
    Info first, again, found;
    EXPECT_FALSE(holder.GetImage("dot", found));
    ASSERT_TRUE(holder.AddImage("dot", Solid(4, 4), first));
    EXPECT_FALSE(holder.AddImage("dot", Solid(8, 8), again));
    EXPECT_EQ(Rect(again), Rect(first)) << "a held name gives back the held image's info";
    EXPECT_FALSE(holder.AddImage("Dot", wxNullBitmap, again));
    EXPECT_FALSE(holder.GetImage("Dot", found));
    ASSERT_TRUE(holder.GetImage("dot", found));
    EXPECT_EQ(found.wallpaper, first.wallpaper);
    EXPECT_EQ(holder.GetWallpaper(0)->NumImages(), 1);

    holder.ClearAll();
    EXPECT_EQ(holder.NumWallpapers(), 0);
    EXPECT_FALSE(holder.GetImage("dot", found));
    EXPECT_TRUE(holder.AddImage("dot", Solid(4, 4), first));
}

TEST(WallpaperHolder, ImageSetRoundTripCutsEachStateOutOnce)
{
    WallpaperBitmapHolder holder;
    VornwxBitmapCache set;
    set.AssignImageOwn(VORN_IMAGE_OFF, new wxBitmap(Solid(30, 20, *wxRED)));
    set.AssignImageOwn(VORN_IMAGE_ON, new wxBitmap(Solid(30, 20, *wxBLUE)));
    set.AssignImageOwn(VORN_IMAGE_OFF_DOWN, new wxBitmap(Solid(30, 20, *wxGREEN)));
    ASSERT_TRUE(holder.AddImageCache("button.sts", set));
    ASSERT_TRUE(set.Clear());
    EXPECT_EQ(set.GetWidth(), -1);
    ASSERT_TRUE(holder.GetImageCache("button.sts", set));

    std::vector<VORNIMAGETYPE> states;
    set.GetStates(states);
    EXPECT_EQ(states, (std::vector<VORNIMAGETYPE>{2, 3, 9}));
    EXPECT_EQ(set.GetWidth(), 30);
    EXPECT_EQ(set.GetHeight(), 20);

    Info info;
    ASSERT_TRUE(set.GetImageInfo(VORN_IMAGE_ON, info));
    EXPECT_EQ(Rect(info), (std::vector<int>{30, 0, 30, 20}));
    EXPECT_EQ(info.wallpaper, holder.GetWallpaper(0)->GetBitmap());
    EXPECT_FALSE(set.GetImageInfo(VORN_IMAGE_ON_DOWN, info));
    EXPECT_EQ(info.wallpaper, nullptr);

    const wxBitmap* on = nullptr;
    ASSERT_TRUE(set.GetImage(VORN_IMAGE_ON, on));
    EXPECT_EQ(on->GetWidth(), 30);
    EXPECT_EQ(PixelOf(*on, 0, 0), "#0000FF");
    EXPECT_EQ(PixelOf(*on, 29, 19), "#0000FF");
    const wxBitmap* again = nullptr;
    ASSERT_TRUE(set.GetImage(VORN_IMAGE_ON, again));
    EXPECT_EQ(again, on) << "a state is cut out once";
    const wxBitmap* down = nullptr;
    ASSERT_TRUE(set.GetImage(VORN_IMAGE_OFF_DOWN, down));
    EXPECT_EQ(PixelOf(*down, 15, 10), "#00FF00");
    const wxBitmap* none = nullptr;
    EXPECT_FALSE(set.GetImage(VORN_IMAGE_DISABLED_ON, none));

    // A filled slot reports itself as its own wallpaper.
    ASSERT_TRUE(set.GetImageInfo(VORN_IMAGE_ON, info));
    EXPECT_EQ(Rect(info), (std::vector<int>{0, 0, 30, 20}));
    EXPECT_EQ(info.wallpaper, on);
    states.clear();
    set.GetStates(states);
    EXPECT_EQ(states, (std::vector<VORNIMAGETYPE>{2, 3, 9})) << "each state once";
}

TEST(WallpaperHolder, SecondRegistrationOfASetNameIsRefused)
{
    WallpaperBitmapHolder holder;
    VornwxBitmapCache first, second;
    first.AssignImageOwn(VORN_IMAGE_OFF, new wxBitmap(Solid(10, 10)));
    second.AssignImageOwn(VORN_IMAGE_ON, new wxBitmap(Solid(20, 20)));
    ASSERT_TRUE(holder.AddImageCache("set", first));
    EXPECT_FALSE(holder.AddImageCache("set", second));
    EXPECT_EQ(holder.GetWallpaper(0)->NumImages(), 1) << "the refused set places nothing";

    VornwxBitmapCache out;
    EXPECT_FALSE(holder.GetImageCache("Set", out));
    ASSERT_TRUE(holder.GetImageCache("set", out));
    std::vector<VORNIMAGETYPE> states;
    out.GetStates(states);
    EXPECT_EQ(states, std::vector<VORNIMAGETYPE>{VORN_IMAGE_OFF});
    EXPECT_EQ(out.GetWidth(), 10);
}

TEST(WallpaperHolder, ClearingASetDropsItsWallpaperInfos)
{
    WallpaperBitmapHolder holder;
    VornwxBitmapCache set;
    set.AssignImageOwn(VORN_IMAGE_OFF, new wxBitmap(Solid(10, 10)));
    holder.AddImageCache("s", set);
    holder.GetImageCache("s", set);
    EXPECT_EQ(set.GetWidth(), 10);
    set.Clear();
    std::vector<VORNIMAGETYPE> states;
    set.GetStates(states);
    EXPECT_TRUE(states.empty());
    EXPECT_EQ(set.GetWidth(), -1);
    int w = 0, h = 0;
    EXPECT_FALSE(set.GetSize(w, h));
}

TEST(WallpaperHolder, OversizeStateInASetIsCutFromItsOwnBitmap)
{
    WallpaperBitmapHolder holder;
    VornwxBitmapCache set;
    set.AssignImageOwn(VORN_IMAGE_ON, new wxBitmap(Solid(1200, 5, *wxBLUE)));
    set.AssignImageOwn(VORN_IMAGE_OFF, new wxBitmap(Solid(8, 8, *wxRED)));
    holder.AddImageCache("wide", set);
    holder.GetImageCache("wide", set);
    EXPECT_EQ(holder.NumOversize(), 1);
    EXPECT_EQ(holder.GetWallpaper(0)->NumImages(), 1);
    EXPECT_EQ(set.GetWidth(), 8) << "the lowest state, off, gives the size";
    const wxBitmap* on = nullptr;
    ASSERT_TRUE(set.GetImage(VORN_IMAGE_ON, on));
    EXPECT_EQ(on->GetWidth(), 1200);
    EXPECT_EQ(PixelOf(*on, 1199, 4), "#0000FF");
    // A filled slot wins over the wallpaper infos, even over a lower state's.
    EXPECT_EQ(set.GetWidth(), 1200);
}

TEST(WallpaperHolder, CutOutOfABadRectangleGivesNothing)
{
    VornwxBitmapCache set;
    const wxBitmap wall = Solid(50, 50);
    EXPECT_EQ(set.MakeImageFromWallpaper(Info(40, 40, 20, 20, &wall)), nullptr);
    EXPECT_EQ(set.MakeImageFromWallpaper(Info(-1, 0, 5, 5, &wall)), nullptr);
    EXPECT_EQ(set.MakeImageFromWallpaper(Info(0, 0, 0, 5, &wall)), nullptr);
    EXPECT_EQ(set.MakeImageFromWallpaper(Info(0, 0, 5, 5, nullptr)), nullptr);
    wxBitmap* ok = set.MakeImageFromWallpaper(Info(30, 30, 20, 20, &wall));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->GetWidth(), 20);
    delete ok;

    std::vector<Info> infos(kVornImageStates);
    infos[VORN_IMAGE_ON] = Info(45, 45, 10, 10, &wall);
    set.SetImageInfos(infos);
    const wxBitmap* out = nullptr;
    EXPECT_FALSE(set.GetImage(VORN_IMAGE_ON, out));
}
