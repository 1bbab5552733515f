#include <vorn/controls/detail/button_image.h>

#include <vorn/util/detail/blit.h>

namespace vorn::detail {

VORNIMAGETYPE VornButtonImageState(bool enabled, bool on, bool over, bool down)
{
    if (!enabled)
        return on ? VORN_IMAGE_DISABLED_ON : VORN_IMAGE_DISABLED_OFF;
    if (down)
        return on ? VORN_IMAGE_ON_DOWN : VORN_IMAGE_OFF_DOWN;
    if (over)
        return on ? VORN_IMAGE_ON_MOUSE_OVER : VORN_IMAGE_OFF_MOUSE_OVER;
    return on ? VORN_IMAGE_ON : VORN_IMAGE_OFF;
}

VORNIMAGETYPE VornButtonFallbackState(VORNIMAGETYPE state)
{
    switch (state) {
    case VORN_IMAGE_ON_MOUSE_OVER:
    case VORN_IMAGE_DISABLED_ON:
        return VORN_IMAGE_ON;
    case VORN_IMAGE_OFF_MOUSE_OVER:
    case VORN_IMAGE_DISABLED_OFF:
        return VORN_IMAGE_OFF;
    case VORN_IMAGE_ON_DOWN:
        return VORN_IMAGE_ON_MOUSE_OVER;
    case VORN_IMAGE_OFF_DOWN:
        return VORN_IMAGE_OFF_MOUSE_OVER;
    default:
        return VORN_IMAGE_NONE;
    }
}

bool FindButtonImage(const VornwxBitmapCache* cache, VORNIMAGETYPE state, WallpaperImageInfo<wxBitmap>& info)
{
    info.wallpaper = nullptr;
    if (!cache)
        return false;
    // Every step moves towards 2 or 3, so the walk ends after at most three.
    for (; state != VORN_IMAGE_NONE; state = VornButtonFallbackState(state)) {
        if (cache->GetImageInfo(state, info) && info.wallpaper)
            return true;
    }
    info.wallpaper = nullptr;
    return false;
}

void DrawButtonImage(wxDC& dc, const VornwxBitmapCache* cache, VORNIMAGETYPE state)
{
    WallpaperImageInfo<wxBitmap> info;
    if (FindButtonImage(cache, state, info))
        BlitBitmap(dc, 0, 0, info.width, info.height, *info.wallpaper, info.x, info.y);
}

} // namespace vorn::detail
