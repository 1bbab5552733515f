#include <vorn/assets/image_cache.h>

#include <wx/dcmemory.h>

#include <vorn/util/detail/blit.h>

namespace vorn {

template class VornImageCache<Bitmap>;
template class VornImageCache<BitmapA>;
template class VornImageCache<wxImage>;
template class VornImageCache<wxBitmap>;
template class VornWallpaperImageCache<wxBitmap>;

namespace {
// Script names of the states 2 to 9, in value order.
const char* const kStateNames[] = {"off",         "on",           "on_mouse_over", "off_mouse_over",
                                   "disabled_on", "disabled_off", "on_down",       "off_down"};
constexpr int kFirstNamedState = VORN_IMAGE_OFF;
} // namespace

bool VornImageStateFromName(const std::string& name, VORNIMAGETYPE& state)
{
    for (int i = 0; i < kVornImageStates - kFirstNamedState; ++i) {
        if (name == kStateNames[i]) {
            state = kFirstNamedState + i;
            return true;
        }
    }
    return false;
}

const char* VornImageStateName(VORNIMAGETYPE state)
{
    if (state < kFirstNamedState || state >= kVornImageStates)
        return "";
    return kStateNames[state - kFirstNamedState];
}

int VornBitmapCache::GetImageWidth(const Bitmap* image) const { return image ? image->width : -1; }
int VornBitmapCache::GetImageHeight(const Bitmap* image) const { return image ? image->height : -1; }
int VornBitmapACache::GetImageWidth(const BitmapA* image) const { return image ? image->width : -1; }
int VornBitmapACache::GetImageHeight(const BitmapA* image) const { return image ? image->height : -1; }
int VornwxImageCache::GetImageWidth(const wxImage* image) const { return image ? image->GetWidth() : -1; }
int VornwxImageCache::GetImageHeight(const wxImage* image) const { return image ? image->GetHeight() : -1; }
int VornwxBitmapCache::GetImageWidth(const wxBitmap* image) const { return image ? image->GetWidth() : -1; }
int VornwxBitmapCache::GetImageHeight(const wxBitmap* image) const { return image ? image->GetHeight() : -1; }

wxBitmap* VornwxBitmapCache::MakeImageFromWallpaper(WallpaperImageInfo<wxBitmap> info) const
{
    if (!info.wallpaper || !info.wallpaper->IsOk() || info.width <= 0 || info.height <= 0)
        return nullptr;
    // A rectangle reaching outside the wallpaper would copy undefined pixels.
    if (info.x < 0 || info.y < 0 || info.x > info.wallpaper->GetWidth() - info.width ||
        info.y > info.wallpaper->GetHeight() - info.height)
        return nullptr;
    wxBitmap* image = new wxBitmap(info.width, info.height, info.wallpaper->GetDepth());
    {
        wxMemoryDC to(*image);
        detail::BlitBitmap(to, 0, 0, info.width, info.height, *info.wallpaper, info.x, info.y);
    }
    return image;
}

} // namespace vorn
