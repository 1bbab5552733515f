// Wallpapers: shelf packing, the holder's registries and cutting images back out.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/assets/wallpaper.h>

#include "test_support.h"

using namespace vorn;

namespace {

using Info = WallpaperImageInfo<wxBitmap>;
using Rects = std::vector<std::vector<int>>;
using vorntest::Solid;

std::string PixelOf(const wxBitmap& bmp, int x, int y)
{
    return vorntest::PixelStr(bmp.ConvertToImage(), x, y);
}

std::vector<int> Rect(const Info& info) { return {info.x, info.y, info.width, info.height}; }

// Places images of the given sizes and returns where each went ({} when refused).
Rects Place(VornwxBitmapWallpaper& wp, const Rects& sizes)
{
    Rects placed;
    for (const auto& size : sizes) {
        const wxBitmap image = Solid(size[0], size[1]);
        Info info;
        placed.push_back(wp.AddImage(&image, info) ? Rect(info) : std::vector<int>{});
    }
    return placed;
}

} // namespace

TEST(Wallpaper, ShelfPacking)
{
    const struct {
        Rects sizes;
        Rects placed;
        int lowest;
    } cases[] = {
        {{{300, 100}, {300, 100}, {300, 100}, {300, 100}},
         {{0, 0, 300, 100}, {300, 0, 300, 100}, {600, 0, 300, 100}, {0, 100, 300, 100}}, 200},
        // a new row starts below the lowest bottom; later images stay on that row
        {{{600, 50}, {300, 200}, {200, 10}, {200, 10}},
         {{0, 0, 600, 50}, {600, 0, 300, 200}, {0, 200, 200, 10}, {200, 200, 200, 10}}, 210},
        // too big, then nothing fits below a full-size image
        {{{1001, 10}, {10, 1001}, {1000, 1000}, {1, 1}}, {{}, {}, {0, 0, 1000, 1000}, {}}, 1000},
        // a row that would run off the bottom is refused, the same row still fills
        {{{500, 900}, {400, 950}, {200, 60}, {100, 50}}, {{0, 0, 500, 900}, {500, 0, 400, 950}, {}, {900, 0, 100, 50}},
         950},
    };
    for (const auto& c : cases) {
        VornwxBitmapWallpaper wp;
        EXPECT_EQ(wp.GetLowestBottom(), -1);
        EXPECT_EQ(Place(wp, c.sizes), c.placed);
        EXPECT_EQ(wp.GetLowestBottom(), c.lowest);
        EXPECT_EQ(size_t(wp.NumImages()), wp.GetPlaced().size());
    }
    VornwxBitmapWallpaper wp;
    Info info;
    EXPECT_FALSE(wp.AddImage(nullptr, info));
    EXPECT_FALSE(wp.AddImage(&wxNullBitmap, info));
}

TEST(WallpaperHolder, PacksOntoNewWallpapersKeepsOversizeAloneAndNamesSingleImages)
{
    WallpaperBitmapHolder holder;
    const wxBitmap half = Solid(1000, 600), small = Solid(100, 100), huge = Solid(1001, 10, *wxGREEN);
    Info a, b, c, big, again, found;
    ASSERT_TRUE(holder.AddImage("a", half, a));
    ASSERT_TRUE(holder.AddImage("b", half, b)); // 600 + 600 > 1000
    ASSERT_TRUE(holder.AddImage("c", small, c));
    ASSERT_TRUE(holder.AddImage("huge", huge, big));
    EXPECT_EQ(holder.NumWallpapers(), 2);
    EXPECT_EQ(holder.NumOversize(), 1);
    EXPECT_EQ(a.wallpaper, holder.GetWallpaper(0)->GetBitmap());
    EXPECT_EQ(c.wallpaper, holder.GetWallpaper(1)->GetBitmap()) << "free space of the first is not reused";
    EXPECT_EQ(Rects({Rect(c), Rect(big)}), Rects({{0, 600, 100, 100}, {0, 0, 1001, 10}}));
    EXPECT_EQ(PixelOf(*big.wallpaper, 1000, 9), "#00FF00");

    EXPECT_FALSE(holder.AddImage("c", Solid(8, 8), again));
    EXPECT_EQ(Rect(again), Rect(c)) << "a held name gives back the held image's info";
    EXPECT_FALSE(holder.AddImage("C", wxNullBitmap, again));
    EXPECT_FALSE(holder.GetImage("C", found));
    ASSERT_TRUE(holder.GetImage("c", found));
    EXPECT_EQ(found.wallpaper, c.wallpaper);
    holder.ClearAll();
    EXPECT_EQ(holder.NumWallpapers() + holder.NumOversize(), 0);
    EXPECT_FALSE(holder.GetImage("c", found));
}

TEST(WallpaperHolder, ImageSetRoundTripCutsEachStateOutOnce)
{
    WallpaperBitmapHolder holder;
    VornwxBitmapCache set, other;
    set.AssignImageOwn(VORN_IMAGE_OFF, new wxBitmap(Solid(8, 8, *wxRED)));
    set.AssignImageOwn(VORN_IMAGE_ON, new wxBitmap(Solid(30, 20, *wxBLUE)));
    set.AssignImageOwn(VORN_IMAGE_OFF_DOWN, new wxBitmap(Solid(1200, 5, *wxGREEN)));
    other.AssignImageOwn(VORN_IMAGE_ON, new wxBitmap(Solid(20, 20)));
    ASSERT_TRUE(holder.AddImageCache("button.sts", set));
    EXPECT_FALSE(holder.AddImageCache("button.sts", other)) << "a second set of a name is refused";
    EXPECT_EQ(holder.GetWallpaper(0)->NumImages(), 2);
    EXPECT_EQ(holder.NumOversize(), 1);
    ASSERT_TRUE(set.Clear());
    EXPECT_FALSE(holder.GetImageCache("Button.sts", set));
    ASSERT_TRUE(holder.GetImageCache("button.sts", set));
    std::vector<VORNIMAGETYPE> states;
    set.GetStates(states);
    EXPECT_EQ(states, (std::vector<VORNIMAGETYPE>{2, 3, 9}));
    EXPECT_EQ(set.GetWidth() * 100 + set.GetHeight(), 808) << "the lowest state, off, gives the size";

    Info info;
    ASSERT_TRUE(set.GetImageInfo(VORN_IMAGE_ON, info));
    EXPECT_EQ(Rect(info), (std::vector<int>{8, 0, 30, 20}));
    EXPECT_FALSE(set.GetImageInfo(VORN_IMAGE_ON_DOWN, info));
    EXPECT_EQ(info.wallpaper, nullptr);
    const wxBitmap* on = nullptr;
    const wxBitmap* again = nullptr;
    const wxBitmap* down = nullptr;
    ASSERT_TRUE(set.GetImage(VORN_IMAGE_ON, on) && set.GetImage(VORN_IMAGE_ON, again));
    EXPECT_EQ(again, on) << "a state is cut out once";
    EXPECT_EQ(PixelOf(*on, 0, 0) + PixelOf(*on, 29, 19), "#0000FF#0000FF");
    ASSERT_TRUE(set.GetImage(VORN_IMAGE_OFF_DOWN, down));
    EXPECT_EQ(PixelOf(*down, 1199, 4), "#00FF00");
    // A filled slot reports itself as its own wallpaper, and wins over lower states' infos.
    ASSERT_TRUE(set.GetImageInfo(VORN_IMAGE_ON, info));
    EXPECT_EQ(Rect(info), (std::vector<int>{0, 0, 30, 20}));
    EXPECT_EQ(info.wallpaper, on);
    states.clear();
    set.GetStates(states);
    EXPECT_EQ(states.size(), 3u) << "each state once";
    set.Clear();
    int w = 0, h = 0;
    EXPECT_FALSE(set.GetSize(w, h)) << "clearing a set drops its wallpaper infos";
}

TEST(WallpaperHolder, CutOutOfABadRectangleGivesNothing)
{
    VornwxBitmapCache set;
    const wxBitmap wall = Solid(50, 50);
    for (const Info& bad : {Info(40, 40, 20, 20, &wall), Info(-1, 0, 5, 5, &wall), Info(0, 0, 0, 5, &wall),
                            Info(0, 0, 5, 5, nullptr)})
        EXPECT_EQ(set.MakeImageFromWallpaper(bad), nullptr) << Rect(bad)[0];
    std::unique_ptr<wxBitmap> ok(set.MakeImageFromWallpaper(Info(30, 30, 20, 20, &wall)));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->GetWidth(), 20);
    std::vector<Info> infos(kVornImageStates);
    infos[VORN_IMAGE_ON] = Info(45, 45, 10, 10, &wall);
    set.SetImageInfos(infos);
    const wxBitmap* out = nullptr;
    EXPECT_FALSE(set.GetImage(VORN_IMAGE_ON, out));
}
