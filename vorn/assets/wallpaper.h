#pragma once
// Wallpapers: a few large shared bitmaps onto which the images of wxBitmap image sets
// are packed, keeping the number of platform bitmaps small. Sets keep only where their
// images lie and cut each one out on first use.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <wx/bitmap.h>

#include <vorn/assets/image_cache.h>

namespace vorn {

/// One wallpaper bitmap, filled row by row (shelf packing).
class VornwxBitmapWallpaper {
public:
    static constexpr int kSize = 1000; ///< Width and height in pixels.

    /// A black kSize x kSize bitmap with nothing placed.
    VornwxBitmapWallpaper();
    ~VornwxBitmapWallpaper();
    VornwxBitmapWallpaper(const VornwxBitmapWallpaper&) = delete;
    VornwxBitmapWallpaper& operator=(const VornwxBitmapWallpaper&) = delete;

    /// Draws the image after the last one placed, or at the start of a new row below
    /// everything placed so far; false (placing nothing) when it does not fit or is
    /// not a valid bitmap.
    bool AddImage(const wxBitmap* image, WallpaperImageInfo<wxBitmap>& info);
    /// How many images were placed.
    int NumImages() const { return static_cast<int>(m_placed.size()); }

    /// The wallpaper bitmap itself.
    const wxBitmap* GetBitmap() const { return m_bitmap.get(); }
    /// Where each image was placed, in order.
    const std::vector<WallpaperImageInfo<wxBitmap>>& GetPlaced() const { return m_placed; }
    /// The lowest bottom edge reached so far; -1 while empty.
    int GetLowestBottom() const { return m_lowestBottom; }

private:
    std::unique_ptr<wxBitmap> m_bitmap;
    std::vector<WallpaperImageInfo<wxBitmap>> m_placed;
    int m_lowestBottom = -1;
};

/// Owns the wallpapers (one holder lives in the asset manager) and remembers, by name,
/// where the images of registered sets and single images were placed.
class WallpaperBitmapHolder {
public:
    /// No wallpapers yet.
    WallpaperBitmapHolder() = default;
    ~WallpaperBitmapHolder();
    WallpaperBitmapHolder(const WallpaperBitmapHolder&) = delete;
    WallpaperBitmapHolder& operator=(const WallpaperBitmapHolder&) = delete;

    /// Places every state image of the set; false if a set of that name is held already.
    bool AddImageCache(std::string name, const VornwxBitmapCache& cache);
    /// Clears the set and gives it the ten infos registered under the name.
    bool GetImageCache(std::string name, VornwxBitmapCache& cache) const;
    /// Places a single image; false if the name is held (filling `info` with the held
    /// one) or the bitmap is not valid.
    bool AddImage(std::string name, const wxBitmap& image, WallpaperImageInfo<wxBitmap>& info);
    /// Where the single image of that name was placed; false for an unknown name.
    bool GetImage(std::string name, WallpaperImageInfo<wxBitmap>& info) const;
    /// Deletes every wallpaper and oversize bitmap and forgets all names. Infos handed
    /// out before are dangling afterwards.
    void ClearAll();

    /// How many wallpapers exist.
    int NumWallpapers() const { return static_cast<int>(m_wallpapers.size()); }
    /// One wallpaper, in creation order.
    const VornwxBitmapWallpaper* GetWallpaper(int index) const { return m_wallpapers.at(index).get(); }
    /// How many images were too big for a wallpaper and are kept alone.
    int NumOversize() const { return static_cast<int>(m_oversize.size()); }

private:
    // Images too big for a wallpaper are kept on their own; others go on the last
    // wallpaper or, when it is full, on a new one (earlier ones are not tried again).
    bool AddImage(const wxBitmap* image, WallpaperImageInfo<wxBitmap>& info);

    std::vector<std::unique_ptr<VornwxBitmapWallpaper>> m_wallpapers;
    std::vector<std::unique_ptr<wxBitmap>> m_oversize;
    std::vector<std::pair<std::string, WallpaperImageInfo<wxBitmap>>> m_images;
    std::vector<std::pair<std::string, std::vector<WallpaperImageInfo<wxBitmap>>>> m_caches;
};

} // namespace vorn
