// The manager's caches: one copy of each image, image set and skin per name as spelled.
#include <vorn/assets/asset_manager.h>

#include <vorn/assets/detail/asset_caches.h>
#include <vorn/assets/detail/script_runner.h>

namespace vorn {

namespace {

// The cached object of the name, or a fresh one that `load(T&)` fills and the cache keeps.
template <class T, class Load>
bool Cached(detail::TypedCache<T>& cache, const char* name, const T*& out, Load load)
{
    const T* found = cache.FindOrMake(name, [&] { return detail::MakeLoaded<T>(load); });
    if (found)
        out = found;
    return found != nullptr;
}

} // namespace

bool AssetManager::LoadImagesCached(const char* name, const VornBitmapCache*& set)
{
    return Cached(m_caches->bitmapSets, name, set, [&](VornBitmapCache& s) { return LoadImages(name, s); });
}

bool AssetManager::LoadImagesCached(const char* name, const VornBitmapACache*& set)
{
    return Cached(m_caches->bitmapASets, name, set, [&](VornBitmapACache& s) { return LoadImages(name, s); });
}

bool AssetManager::LoadImagesCached(const char* name, const VornwxImageCache*& set)
{
    return Cached(m_caches->wxImageSets, name, set, [&](VornwxImageCache& s) { return LoadImages(name, s); });
}

bool AssetManager::LoadImagesCached(const char* name, const VornwxBitmapCache*& set)
{
    return Cached(m_caches->wxBitmapSets, name, set, [&](VornwxBitmapCache& s) {
        if (!LoadImages(name, s))
            return false;
        // The states move into the shared wallpapers; the set keeps where they lie.
        const std::string key = name ? name : "";
        m_caches->wallpapers.AddImageCache(key, s);
        s.Clear();
        m_caches->wallpapers.GetImageCache(key, s);
        return true;
    });
}

bool AssetManager::LoadImageCached(const char* name, const Bitmap*& image)
{
    return Cached(m_caches->bitmapImages, name, image, [&](Bitmap& i) { return LoadImage(name, i); });
}

bool AssetManager::LoadImageCached(const char* name, const BitmapA*& image)
{
    return Cached(m_caches->bitmapAImages, name, image, [&](BitmapA& i) { return LoadImage(name, i); });
}

bool AssetManager::LoadImageCached(const char* name, const wxBitmap*& image)
{
    return Cached(m_caches->wxBitmapImages, name, image, [&](wxBitmap& i) { return LoadImage(name, i); });
}

bool AssetManager::LoadImageCached(const char* name, const wxImage*& image)
{
    return Cached(m_caches->wxImages, name, image, [&](wxImage& i) { return LoadImage(name, i); });
}

bool AssetManager::LoadEditWidgetCached(const char* name, const wxBitmap*& bitmap, VornEditInfo& info)
{
    const detail::EditSkin* skin = m_caches->editSkins.FindOrMake(name, [&] {
        return detail::MakeLoaded<detail::EditSkin>(
            [&](detail::EditSkin& s) { return m_scripts->RunEditSkin(name, s.bitmap, s.info); });
    });
    if (skin) {
        bitmap = &skin->bitmap;
        info = skin->info;
        return true;
    }
    bitmap = nullptr;
    info.x = info.y = info.width = info.height = -1;
    info.textColour = wxColour(0, 0, 100);
    info.highlightColour = wxColour(255, 0, 255);
    info.backgroundColour = wxColour(0, 100, 0);
    return false;
}

bool AssetManager::LoadListBoxCached(const char* name, VornListBoxInfo& info)
{
    const detail::ListBoxSkin* skin = m_caches->listBoxes.FindOrMake(name, [&] {
        return detail::MakeLoaded<detail::ListBoxSkin>(
            [&](detail::ListBoxSkin& s) { return m_scripts->RunListBoxSkin(name, s.record); });
    });
    if (skin) {
        info = skin->record; // the VornListBoxInfo part
        return true;
    }
    info.imageCache = nullptr;
    info.x = info.y = info.width = info.height = -1;
    info.textColour = wxColour(255, 255, 255);
    info.expandValue = -1;
    info.selDot = nullptr;
    info.expandColour1 = wxColour(100, 0, 0);
    info.expandColour2 = wxColour(0, 100, 0);
    info.expandColour3 = wxColour(0, 0, 100);
    info.scrollOff = info.scrollUp = info.scrollDown = nullptr;
    return false;
}

} // namespace vorn
