// The manager's caches: one copy of each image, image set and skin per name as spelled.
#include <vorn/assets/asset_manager.h>

#include <memory>

namespace vorn {

namespace {

std::string Key(const char* name)
{
    return name ? name : "";
}

// Finds the name in the cache, or makes, loads and caches a new object. A failed load
// caches nothing, so that the next call tries again.
template <class T, class Load>
bool CachedLoad(std::map<std::string, T*>& cache, const char* name, const T*& out, Load load)
{
    const std::string key = Key(name);
    const auto found = cache.find(key);
    if (found != cache.end()) {
        out = found->second;
        return true;
    }
    std::unique_ptr<T> made(new T);
    if (!load(*made))
        return false;
    // A script run by `load` may have cached other names, never this one: a script
    // cannot use itself.
    T* stored = made.release();
    cache[key] = stored;
    out = stored;
    return true;
}

template <class T>
void DeleteAll(std::map<std::string, T*>& cache)
{
    for (auto& entry : cache)
        delete entry.second;
    cache.clear();
}

void DeleteListBox(OldVornListBoxInfo* info)
{
    if (info->ownsImageCache && info->imageCache) {
        info->imageCache->Clear();
        delete info->imageCache;
    }
    delete info;
}

} // namespace

bool AssetManager::LoadImagesCached(const char* name, const VornBitmapCache*& set)
{
    return CachedLoad(m_bitmapSets, name, set, [&](VornBitmapCache& s) { return LoadImages(name, s); });
}

bool AssetManager::LoadImagesCached(const char* name, const VornBitmapACache*& set)
{
    return CachedLoad(m_bitmapASets, name, set, [&](VornBitmapACache& s) { return LoadImages(name, s); });
}

bool AssetManager::LoadImagesCached(const char* name, const VornwxImageCache*& set)
{
    return CachedLoad(m_wxImageSets, name, set, [&](VornwxImageCache& s) { return LoadImages(name, s); });
}

bool AssetManager::LoadImagesCached(const char* name, const VornwxBitmapCache*& set)
{
    return CachedLoad(m_wxBitmapSets, name, set, [&](VornwxBitmapCache& s) {
        if (!LoadImages(name, s))
            return false;
        // The states move into the shared wallpapers; the set keeps where they lie.
        const std::string key = Key(name);
        m_wallpapers.AddImageCache(key, s);
        s.Clear();
        m_wallpapers.GetImageCache(key, s);
        return true;
    });
}

bool AssetManager::LoadImageCached(const char* name, const Bitmap*& image)
{
    return CachedLoad(m_bitmapImages, name, image, [&](Bitmap& i) { return LoadImage(name, i); });
}

bool AssetManager::LoadImageCached(const char* name, const BitmapA*& image)
{
    return CachedLoad(m_bitmapAImages, name, image, [&](BitmapA& i) { return LoadImage(name, i); });
}

bool AssetManager::LoadImageCached(const char* name, const wxBitmap*& image)
{
    return CachedLoad(m_wxBitmapImages, name, image, [&](wxBitmap& i) { return LoadImage(name, i); });
}

bool AssetManager::LoadImageCached(const char* name, const wxImage*& image)
{
    return CachedLoad(m_wxImages, name, image, [&](wxImage& i) { return LoadImage(name, i); });
}

bool AssetManager::LoadEditWidgetCached(const char* name, const wxBitmap*& bitmap, VornEditInfo& info)
{
    const std::string key = Key(name);
    auto found = m_editWidgets.find(key);
    if (found == m_editWidgets.end()) {
        wxBitmap loaded;
        VornEditInfo loadedInfo;
        if (LoadEditWidget(name, loaded, loadedInfo))
            found = m_editWidgets.emplace(key, std::make_pair(loaded, loadedInfo)).first;
    }
    if (found != m_editWidgets.end()) {
        bitmap = &found->second.first;
        info = found->second.second;
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
    const std::string key = Key(name);
    auto found = m_listBoxes.find(key);
    if (found == m_listBoxes.end()) {
        auto* record = new OldVornListBoxInfo;
        record->imageCache = new VornwxBitmapCache;
        record->ownsImageCache = true;
        if (LoadListBox(name, *record))
            found = m_listBoxes.emplace(key, record).first;
        else
            DeleteListBox(record);
    }
    if (found != m_listBoxes.end()) {
        info = *found->second; // the VornListBoxInfo part
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

void AssetManager::ClearCaches()
{
    m_wallpapers.ClearAll();
    DeleteAll(m_bitmapASets);
    DeleteAll(m_bitmapSets);
    DeleteAll(m_wxBitmapSets);
    DeleteAll(m_wxImageSets);
    DeleteAll(m_bitmapAImages);
    DeleteAll(m_bitmapImages);
    DeleteAll(m_wxBitmapImages);
    DeleteAll(m_wxImages);
    for (auto& entry : m_listBoxes)
        DeleteListBox(entry.second);
    m_listBoxes.clear();
    m_editWidgets.clear();
}

} // namespace vorn
