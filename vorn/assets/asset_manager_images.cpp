// Loading single images and image sets by asset name: PNG assets and image scripts.
#include <vorn/assets/asset_manager.h>

#include <cstring>

#include <wx/log.h>
#include <wx/mstream.h>

#include <vorn/assets/asset.h>
#include <vorn/assets/detail/script_runner.h>
#include <vorn/util/diagnostics.h>
#include <vorn/util/wx_image_convert.h>

namespace vorn {

namespace {

enum class ImageKind { Unknown, Png, Script };

// The loader a name's last three characters choose; `anyCase` also takes "PNG" and "STS".
ImageKind KindOf(const char* name, bool anyCase)
{
    const size_t length = name ? std::strlen(name) : 0;
    if (length < 5)
        return ImageKind::Unknown;
    const std::string ext(name + length - 3);
    if (ext == "png" || (anyCase && ext == "PNG"))
        return ImageKind::Png;
    if (ext == "sts" || (anyCase && ext == "STS"))
        return ImageKind::Script;
    return ImageKind::Unknown;
}

// Hands the bytes of the asset to `decode(data, size)`, never with no bytes, between
// opening and closing it.
template <class Decode>
bool DecodeAssetBytes(Asset& asset, Decode decode)
{
    asset.Open();
    const unsigned char* data = asset.GetDataPtr();
    const int size = asset.GetSize();
    const bool ok = data && size > 0 && decode(data, static_cast<size_t>(size));
    asset.Close();
    return ok;
}

// Runs a set script and converts its states to the set's pixel type.
template <class Set>
bool LoadConvertedSet(detail::ScriptRunner& scripts, const char* name, Set& set)
{
    VornBitmapACache made;
    if (!scripts.RunSet(name, made))
        return false;
    detail::ConvertSet(made, set);
    return true;
}

} // namespace

template <class T>
bool AssetManager::LoadImageByKind(const char* name, T& image, bool anyCase)
{
    switch (KindOf(name, anyCase)) {
    case ImageKind::Png:
        return LoadImageDirect(name, image);
    case ImageKind::Script:
        return LoadImageFromScript(name, image);
    default:
        return false;
    }
}

bool AssetManager::LoadImage(const char* name, wxImage& image)
{
    return LoadImageByKind(name, image, true);
}

bool AssetManager::LoadImage(const char* name, wxBitmap& bitmap)
{
    wxImage image;
    return LoadImage(name, image) && detail::ToBitmap(bitmap, image);
}

bool AssetManager::LoadBitmap(const char* name, wxBitmap& bitmap)
{
    return LoadImage(name, bitmap);
}

bool AssetManager::LoadBitmap(const char* name, wxBitmap& bitmap, long)
{
    return LoadImage(name, bitmap);
}

bool AssetManager::LoadImage(const char* name, Bitmap& bitmap)
{
    return LoadImageByKind(name, bitmap, false);
}

bool AssetManager::LoadImage(const char* name, BitmapA& bitmap)
{
    return LoadImageByKind(name, bitmap, false);
}

bool AssetManager::LoadImageDirect(const char* name, wxImage& image)
{
    image.Destroy();
    Asset* asset = nullptr;
    if (!GetAsset(name, asset))
        return false;
    const bool ok = DecodeAssetBytes(*asset, [&](const unsigned char* data, size_t size) {
        wxLogNull quiet; // the warning below tells the user
        wxMemoryInputStream stream(data, size);
        return image.LoadFile(stream, wxBITMAP_TYPE_PNG) && image.IsOk();
    });
    if (!ok) {
        image.Destroy();
        const std::string text = std::string("Failed because the file was corrupt [") + name + "]";
        WarningMessage(text, text);
    }
    return ok;
}

bool AssetManager::LoadImageDirect(const char* name, Bitmap& bitmap)
{
    wxImage image;
    return LoadImageDirect(name, image) && ConvertTo(bitmap, image);
}

bool AssetManager::LoadImageDirect(const char* name, BitmapA& bitmap)
{
    Asset* asset = nullptr;
    if (!GetAsset(name, asset))
        return false;
    return DecodeAssetBytes(*asset, [&](const unsigned char* data, size_t size) {
        return LoadBitmapADecode(data, size, bitmap);
    });
}

bool AssetManager::LoadImageFromScript(const char* name, wxImage& image)
{
    BitmapA result;
    return m_scripts->RunImage(name, result) && ConvertTo(image, result);
}

bool AssetManager::LoadImageFromScript(const char* name, Bitmap& bitmap)
{
    bitmap.Clear();
    BitmapA result;
    return m_scripts->RunImage(name, result) && ConvertTo(bitmap, result);
}

bool AssetManager::LoadImageFromScript(const char* name, BitmapA& bitmap)
{
    return m_scripts->RunImage(name, bitmap);
}

bool AssetManager::LoadImagesFromScript(std::string& text, VornBitmapACache& set)
{
    return m_scripts->RunSetText(text, set);
}

bool AssetManager::LoadImages(const char* name, VornBitmapACache& set)
{
    return m_scripts->RunSet(name, set);
}

bool AssetManager::LoadImages(const char* name, VornBitmapCache& set)
{
    return LoadConvertedSet(*m_scripts, name, set);
}

bool AssetManager::LoadImages(const char* name, VornwxImageCache& set)
{
    return LoadConvertedSet(*m_scripts, name, set);
}

bool AssetManager::LoadImages(const char* name, VornwxBitmapCache& set)
{
    return LoadConvertedSet(*m_scripts, name, set);
}

} // namespace vorn
