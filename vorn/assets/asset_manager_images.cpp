// Loading single images and image sets by asset name: PNG assets and image scripts.
#include <vorn/assets/asset_manager.h>

#include <cstring>
#include <memory>

#include <wx/log.h>
#include <wx/mstream.h>

#include <vorn/assets/asset.h>
#include <vorn/assets/image_script.h>
#include <vorn/util/diagnostics.h>
#include <vorn/util/text.h>
#include <vorn/util/wx_image_convert.h>

namespace vorn {

// Marks a script as running for its lifetime: it becomes the current script name (the
// one error messages carry), and a script that is already running is refused, so that
// a script using itself, directly or through others, fails instead of recursing. Once
// entered, the script's text is loaded; Ready() says both went well.
class AssetManager::ScriptScope {
public:
    ScriptScope(AssetManager& manager, const char* name)
        : m_manager(manager), m_previous(manager.m_currentScriptName)
    {
        const std::string folded = ToLower(name ? name : "");
        for (const std::string& running : manager.m_runningScripts) {
            if (running == folded) {
                dprintf("Image script %s uses itself\n", folded.c_str());
                return;
            }
        }
        manager.m_runningScripts.push_back(folded);
        manager.m_currentScriptName = name ? name : "";
        m_entered = true;
        m_loaded = manager.LoadText(name, m_text);
    }
    ~ScriptScope()
    {
        if (!m_entered)
            return;
        m_manager.m_runningScripts.pop_back();
        m_manager.m_currentScriptName = m_previous;
    }
    bool Entered() const { return m_entered; }
    bool Ready() const { return m_entered && m_loaded; }
    std::string& Text() { return m_text; }

    ScriptScope(const ScriptScope&) = delete;
    ScriptScope& operator=(const ScriptScope&) = delete;

private:
    AssetManager& m_manager;
    std::string m_previous;
    bool m_entered = false;
    bool m_loaded = false;
    std::string m_text;
};

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

bool ToBitmap(wxBitmap& bitmap, const wxImage& image)
{
    if (!image.IsOk())
        return false;
    bitmap = wxBitmap(image);
    return bitmap.IsOk();
}

// One state image of a script's set in the pixel type of another set.
bool MakeStateImage(const BitmapA& from, Bitmap& to) { return ConvertTo(to, from); }
bool MakeStateImage(const BitmapA& from, wxImage& to) { return ConvertTo(to, from); }
bool MakeStateImage(const BitmapA& from, wxBitmap& to)
{
    wxImage image;
    return ConvertTo(image, from) && ToBitmap(to, image);
}

template <class T, class Set>
void FillSetFrom(const VornBitmapACache& from, Set& to)
{
    to.Clear();
    std::vector<VORNIMAGETYPE> states;
    from.GetStates(states);
    for (VORNIMAGETYPE state : states) {
        const BitmapA* source = nullptr;
        if (!from.GetImage(state, source))
            continue;
        std::unique_ptr<T> image(new T);
        if (MakeStateImage(*source, *image))
            to.AssignImageOwn(state, image.release());
    }
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
    return LoadImage(name, image) && ToBitmap(bitmap, image);
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
    Asset* asset = nullptr;
    if (!GetAsset(name, asset)) {
        image.Destroy();
        return false;
    }
    image.Destroy();
    asset->Open();
    const unsigned char* data = asset->GetDataPtr();
    const int size = asset->GetSize();
    bool ok = false;
    if (data && size > 0) {
        wxLogNull quiet; // the warning below tells the user
        wxMemoryInputStream stream(data, static_cast<size_t>(size));
        ok = image.LoadFile(stream, wxBITMAP_TYPE_PNG) && image.IsOk();
    }
    asset->Close();
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
    asset->Open();
    const unsigned char* data = asset->GetDataPtr();
    const int size = asset->GetSize();
    const bool ok = data && size > 0 && LoadBitmapADecode(data, static_cast<size_t>(size), bitmap);
    asset->Close();
    return ok;
}

bool AssetManager::RunImageScript(const char* name, BitmapA& image)
{
    ScriptScope script(*this, name);
    if (!script.Ready())
        return false;
    image.Clear();
    ImageScriptTargets targets;
    targets.image = &image;
    ImageScriptRunner runner(*this, m_currentScriptName);
    if (runner.Run(script.Text(), targets) == ImageScriptResult::Failed)
        return false;
    return !image.IsEmpty(); // a script that never assigned its image made none
}

bool AssetManager::LoadImageFromScript(const char* name, wxImage& image)
{
    BitmapA result;
    return RunImageScript(name, result) && ConvertTo(image, result);
}

bool AssetManager::LoadImageFromScript(const char* name, Bitmap& bitmap)
{
    bitmap.Clear();
    BitmapA result;
    return RunImageScript(name, result) && ConvertTo(bitmap, result);
}

bool AssetManager::LoadImageFromScript(const char* name, BitmapA& bitmap)
{
    return RunImageScript(name, bitmap);
}

bool AssetManager::RunSetScript(const char* name, VornBitmapACache& set)
{
    ScriptScope script(*this, name);
    if (!script.Ready())
        return false;
    return LoadImagesFromScript(script.Text(), set);
}

bool AssetManager::LoadImagesFromScript(std::string& text, VornBitmapACache& set)
{
    set.Clear();
    ImageScriptTargets targets;
    targets.set = &set;
    ImageScriptRunner runner(*this, m_currentScriptName);
    return runner.Run(text, targets) != ImageScriptResult::Failed;
}

template <class T, class Set>
bool AssetManager::LoadImagesAs(const char* name, Set& set)
{
    VornBitmapACache made;
    if (!RunSetScript(name, made))
        return false;
    FillSetFrom<T>(made, set);
    return true;
}

bool AssetManager::LoadImages(const char* name, VornBitmapACache& set)
{
    return RunSetScript(name, set);
}

bool AssetManager::LoadImages(const char* name, VornBitmapCache& set)
{
    return LoadImagesAs<Bitmap>(name, set);
}

bool AssetManager::LoadImages(const char* name, VornwxImageCache& set)
{
    return LoadImagesAs<wxImage>(name, set);
}

bool AssetManager::LoadImages(const char* name, VornwxBitmapCache& set)
{
    return LoadImagesAs<wxBitmap>(name, set);
}

bool AssetManager::LoadEditWidget(const char* name, wxBitmap& bitmap, VornEditInfo& info)
{
    ScriptScope script(*this, name);
    if (!script.Ready())
        return false;
    info.x = -999;
    BitmapA image;
    ImageScriptTargets targets;
    targets.image = &image;
    targets.edit = &info;
    ImageScriptRunner runner(*this, m_currentScriptName);
    runner.Run(script.Text(), targets);
    if (info.x == -999) {
        runner.FillErrorPicture();
        WarningMessage("Create Edit Widget", "Didn't find any edit widget data");
        return false;
    }
    wxImage converted;
    return ConvertTo(converted, image) && ToBitmap(bitmap, converted);
}

bool AssetManager::LoadListBox(const char* name, OldVornListBoxInfo& info)
{
    ScriptScope script(*this, name);
    if (!script.Entered())
        return false;
    SetSpecialInfo(&info);
    if (!script.Ready()) {
        SetSpecialInfo(nullptr);
        return false;
    }
    info.x = -999;
    VornBitmapACache made;
    ImageScriptTargets targets;
    targets.set = &made;
    targets.listBox = &info;
    ImageScriptRunner runner(*this, m_currentScriptName);
    const ImageScriptResult result = runner.Run(script.Text(), targets);
    SetSpecialInfo(nullptr);
    if (info.x == -999) {
        runner.FillErrorPicture();
        WarningMessage("Create List Box", "Didn't find any text widget data");
        return false;
    }
    if (result == ImageScriptResult::Failed)
        return false;
    if (info.imageCache)
        FillSetFrom<wxBitmap>(made, *info.imageCache);
    return true;
}

} // namespace vorn
