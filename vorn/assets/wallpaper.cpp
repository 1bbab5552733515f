#include <vorn/assets/wallpaper.h>

#include <wx/dcmemory.h>

namespace vorn {

VornwxBitmapWallpaper::VornwxBitmapWallpaper()
    : m_bitmap(std::make_unique<wxBitmap>(kSize, kSize, wxBITMAP_SCREEN_DEPTH))
{
    // A fresh platform bitmap holds whatever memory it got; make the free space defined.
    wxMemoryDC dc(*m_bitmap);
    dc.SetBackground(*wxBLACK_BRUSH);
    dc.Clear();
}

VornwxBitmapWallpaper::~VornwxBitmapWallpaper() = default;

bool VornwxBitmapWallpaper::AddImage(const wxBitmap* image, WallpaperImageInfo<wxBitmap>& info)
{
    if (!image || !image->IsOk())
        return false;
    const int width = image->GetWidth();
    const int height = image->GetHeight();
    if (width > kSize || height > kSize)
        return false;

    int x = 0;
    int y = 0;
    if (!m_placed.empty()) {
        const WallpaperImageInfo<wxBitmap>& last = m_placed.back();
        x = last.x + last.width;
        y = last.y;
        if (x + width > kSize) {
            x = 0;
            y = m_lowestBottom;
        }
        if (y + height > kSize)
            return false;
    }
    {
        wxMemoryDC dc(*m_bitmap);
        dc.DrawBitmap(*image, x, y, true);
    }
    if (y + height > m_lowestBottom)
        m_lowestBottom = y + height;
    info = WallpaperImageInfo<wxBitmap>(x, y, width, height, m_bitmap.get());
    m_placed.push_back(info);
    return true;
}

WallpaperBitmapHolder::~WallpaperBitmapHolder() { ClearAll(); }

bool WallpaperBitmapHolder::AddImage(const wxBitmap* image, WallpaperImageInfo<wxBitmap>& info)
{
    if (!image || !image->IsOk())
        return false;
    if (image->GetWidth() > VornwxBitmapWallpaper::kSize || image->GetHeight() > VornwxBitmapWallpaper::kSize) {
        m_oversize.push_back(std::make_unique<wxBitmap>(*image)); // shares the image's data
        const wxBitmap* alone = m_oversize.back().get();
        info = WallpaperImageInfo<wxBitmap>(0, 0, alone->GetWidth(), alone->GetHeight(), alone);
        return true;
    }
    if (m_wallpapers.empty())
        m_wallpapers.push_back(std::make_unique<VornwxBitmapWallpaper>());
    if (m_wallpapers.back()->AddImage(image, info))
        return true;
    m_wallpapers.push_back(std::make_unique<VornwxBitmapWallpaper>());
    return m_wallpapers.back()->AddImage(image, info);
}

bool WallpaperBitmapHolder::AddImageCache(std::string name, const VornwxBitmapCache& cache)
{
    for (const auto& held : m_caches)
        if (held.first == name)
            return false;
    std::vector<WallpaperImageInfo<wxBitmap>> infos(kVornImageStates);
    for (int state = 0; state < kVornImageStates; ++state) {
        const wxBitmap* image = nullptr;
        if (cache.GetImage(state, image) && !AddImage(image, infos[state]))
            infos[state] = WallpaperImageInfo<wxBitmap>();
    }
    m_caches.emplace_back(std::move(name), std::move(infos));
    return true;
}

bool WallpaperBitmapHolder::GetImageCache(std::string name, VornwxBitmapCache& cache) const
{
    for (const auto& held : m_caches) {
        if (held.first == name) {
            cache.Clear();
            cache.SetImageInfos(held.second);
            return true;
        }
    }
    return false;
}

bool WallpaperBitmapHolder::AddImage(std::string name, const wxBitmap& image,
                                     WallpaperImageInfo<wxBitmap>& info)
{
    if (GetImage(name, info))
        return false;
    if (!AddImage(&image, info)) {
        info = WallpaperImageInfo<wxBitmap>();
        return false;
    }
    m_images.emplace_back(std::move(name), info);
    return true;
}

bool WallpaperBitmapHolder::GetImage(std::string name, WallpaperImageInfo<wxBitmap>& info) const
{
    for (const auto& held : m_images) {
        if (held.first == name) {
            info = held.second;
            return true;
        }
    }
    return false;
}

void WallpaperBitmapHolder::ClearAll()
{
    m_wallpapers.clear();
    m_oversize.clear();
    m_images.clear();
    m_caches.clear();
}

} // namespace vorn
