#pragma once
// Everything the asset manager caches by name, each kind in one TypedCache.
#include <memory>

#include <wx/bitmap.h>
#include <wx/image.h>

#include <vorn/assets/detail/typed_cache.h>
#include <vorn/assets/image_cache.h>
#include <vorn/assets/skin_info.h>
#include <vorn/assets/wallpaper.h>
#include <vorn/util/bitmap.h>

namespace vorn::detail {

// An edit-box skin: its widget image and layout.
struct EditSkin {
    wxBitmap bitmap;
    VornEditInfo info;
};

// A list-box skin: the record its script filled and the image set the record points to.
struct ListBoxSkin {
    OldVornListBoxInfo record;
    std::unique_ptr<VornwxBitmapCache> images = std::make_unique<VornwxBitmapCache>();

    ListBoxSkin()
    {
        record.imageCache = images.get();
        record.ownsImageCache = true;
    }
};

struct AssetCaches {
    // The images of the cached wxBitmap sets live on these wallpapers.
    WallpaperBitmapHolder wallpapers;
    TypedCache<VornBitmapACache> bitmapASets;
    TypedCache<VornBitmapCache> bitmapSets;
    TypedCache<VornwxBitmapCache> wxBitmapSets;
    TypedCache<VornwxImageCache> wxImageSets;
    TypedCache<BitmapA> bitmapAImages;
    TypedCache<Bitmap> bitmapImages;
    TypedCache<wxBitmap> wxBitmapImages;
    TypedCache<wxImage> wxImages;
    TypedCache<ListBoxSkin> listBoxes;
    TypedCache<EditSkin> editSkins;

    void Clear()
    {
        wallpapers.ClearAll();
        bitmapASets.Clear();
        bitmapSets.Clear();
        wxBitmapSets.Clear();
        wxImageSets.Clear();
        bitmapAImages.Clear();
        bitmapImages.Clear();
        wxBitmapImages.Clear();
        wxImages.Clear();
        listBoxes.Clear();
        editSkins.Clear();
    }
};

} // namespace vorn::detail
