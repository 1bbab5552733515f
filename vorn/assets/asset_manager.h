#pragma once
// The one registry through which the host and the controls get their resources. It
// owns the loaders and every asset they register, picks the variant of a name that
// best fits the current platform and language, and holds the colour, font and message
// databases and the image caches. Its parts (registry, texts, script runs, caches)
// live in detail/ and are held here by pointer.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/font.h>
#include <wx/image.h>
#include <wx/string.h>

#include <vorn/assets/colour_database.h>
#include <vorn/assets/font_database.h>
#include <vorn/assets/image_cache.h>
#include <vorn/assets/skin_info.h>
#include <vorn/assets/wallpaper.h>
#include <vorn/util/bitmap.h>
#include <vorn/util/color.h>

namespace vorn {

class Asset;
class AssetLoader;

namespace detail {
class AssetRegistry;
class MessageDatabase;
class ScriptRunner;
struct AssetCaches;
} // namespace detail

/// One line of a menu text: an identifier and its label.
struct MENUITEM {
    int id = 0;     ///< The menu identifier.
    wxString label; ///< The label shown.
};

/// Loads, selects and caches every resource of a skin by asset name.
class AssetManager {
public:
    /// An empty manager: no loaders, assets or database entries; platform and languages empty.
    AssetManager();
    /// Clears everything, then destroys the parts.
    virtual ~AssetManager();

    AssetManager(const AssetManager&) = delete;
    AssetManager& operator=(const AssetManager&) = delete;

    /// Stores the platform in lower case; set it before LoadAssets, since the directory scan reads it.
    void SetPlatform(const char* platform);
    /// Stores both languages in lower case; set them before LoadAssets.
    void SetLanguage(const char* major, const char* minor);
    /// Copies the stored platform out.
    void GetPlatform(std::string& platform) const;
    /// Copies the stored languages out.
    void GetLanguage(std::string& major, std::string& minor) const;

    /// Takes ownership of the loader and appends it; false for null.
    bool SetAssetLoader(AssetLoader* loader);
    /// Opens each loader in turn and lets it register its assets. A loader that cannot
    /// be opened or loaded (a damaged archive) is skipped with a warning naming it, and
    /// the others still run; false then, and when no loader was given.
    bool LoadAssets();
    /// Takes ownership; replaces an asset with the same name, platform and languages.
    bool SetAsset(Asset* asset);

    /// The best variant of a name for the current platform and language.
    bool GetAsset(const char* name, Asset*& out);
    /// Seven tiers: (P,L,M) (generic,L,M) (P,L,-) (generic,L,-) (P,-,-) (generic,-,-) (-,-,-);
    /// the first tier with a match wins. `out` is untouched when nothing fits.
    bool GetBestAsset(Asset*& out, const char* name, const char* platform, const char* languageMajor,
                      const char* languageMinor);
    /// Appends every variant that any tier would accept, in registration order. True when
    /// at least one asset carries the name, even if none fits.
    bool GetAllAssets(const char* name, std::vector<Asset*>& out);
    /// Number of registered assets, all variants counted.
    size_t GetAssetCount() const;

    /// The text of an asset (line ends already turned into byte 10), up to the first zero byte.
    bool LoadText(const char* name, std::string& text);
    /// The same as a toolkit string (UTF-8, or Latin-1 where that fails).
    bool LoadText(const char* name, wxString& text);
    /// Appends "identifier separator label" lines; false only when the asset is missing.
    bool LoadMenuText(const char* name, std::vector<MENUITEM>& items);

    /// Reads pairs of lines (key, text), each carrying one extra final character,
    /// until a key line "FINISH"; false when the asset is missing.
    bool LoadMessages(const char* name);
    /// Stores a message; refuses a key that is already present.
    bool SetMessage(std::string& key, std::string& text);
    /// The text of a key; an unknown key yields itself and a debug line.
    std::string GetMessage(const std::string& key);
    /// The same for a C string key.
    std::string GetMessage(const char* key);
    /// Forgets every message.
    void ClearMessageDatabase();

    /// Stores a colour (see ColourDatabase); refuses a name that is already present.
    bool SetColour(const std::string& name, int red, int green, int blue, int alpha);
    /// A colour by name; unknown names give the fallback colour.
    bool GetColour(const std::string& name, ColorA& out);
    /// A colour by name, without alpha.
    bool GetColour(const std::string& name, Color& out);
    /// A colour by name as a toolkit colour.
    bool GetColour(const std::string& name, wxColour& out);
    /// The colour names in byte order.
    bool GetColourNameList(std::vector<std::string>& names);
    /// True when the colour database holds the name.
    bool HasColour(const std::string& name) const { return m_colours.HasColour(name); }
    /// Forgets every colour.
    void ClearColourDatabase();
    /// Runs the colour script held by the asset; false when it is missing or broken.
    bool LoadColourData(const char* assetName);

    /// Stores a font (see FontDatabase); refuses a name that is already present.
    bool SetFont(const std::string& name, wxFont& font);
    /// A font by name; `out` is untouched for an unknown name.
    bool GetFont(const std::string& name, wxFont& out);
    /// The font names in byte order.
    bool GetFontNameList(std::vector<std::string>& names);
    /// Forgets every font.
    void ClearFontDatabase();
    /// Runs the font script held by the asset; false when it is missing or broken.
    bool LoadFontData(const char* assetName);

    /// Stores an opaque pointer for the host; list-box loads use it while their script runs.
    void SetSpecialInfo(void* info) { m_specialInfo = info; }
    /// The opaque pointer last stored.
    void* GetSpecialInfo() const { return m_specialInfo; }

    /// A single image by asset name: ".png" assets are decoded, ".sts" image scripts run;
    /// this form and the wxBitmap one also take ".PNG" and ".STS".
    bool LoadImage(const char* name, wxImage& image);
    /// The same as a toolkit bitmap.
    bool LoadImage(const char* name, wxBitmap& bitmap);
    /// The same without alpha; lower-case extensions only.
    bool LoadImage(const char* name, Bitmap& bitmap);
    /// The same with alpha; lower-case extensions only.
    bool LoadImage(const char* name, BitmapA& bitmap);
    /// LoadImage into a toolkit bitmap.
    bool LoadBitmap(const char* name, wxBitmap& bitmap);
    /// LoadImage into a toolkit bitmap; the type is ignored.
    bool LoadBitmap(const char* name, wxBitmap& bitmap, long type);
    /// Decodes the PNG data of an asset; undecodable data shows a warning.
    bool LoadImageDirect(const char* name, wxImage& image);
    /// The same without alpha.
    bool LoadImageDirect(const char* name, Bitmap& bitmap);
    /// The same with alpha.
    bool LoadImageDirect(const char* name, BitmapA& bitmap);
    /// Runs the named image script for one image (alpha is dropped).
    bool LoadImageFromScript(const char* name, wxImage& image);
    /// The same without alpha.
    bool LoadImageFromScript(const char* name, Bitmap& bitmap);
    /// The same with alpha.
    bool LoadImageFromScript(const char* name, BitmapA& bitmap);

    /// Fills the button states of a set from one image script.
    bool LoadImages(const char* name, VornBitmapACache& set);
    /// The same, converted to images without alpha.
    bool LoadImages(const char* name, VornBitmapCache& set);
    /// The same, converted to toolkit images.
    bool LoadImages(const char* name, VornwxImageCache& set);
    /// The same, converted to toolkit bitmaps.
    bool LoadImages(const char* name, VornwxBitmapCache& set);
    /// Runs a set script given as text, under the current script name.
    bool LoadImagesFromScript(std::string& text, VornBitmapACache& set);

    /// Cached forms: the manager keeps one copy per name exactly as spelled and hands out
    /// const pointers that stay valid until ClearCaches, Clear or destruction. A failed
    /// load caches nothing and leaves the pointer alone.
    /// Cached LoadImages into a set without alpha.
    bool LoadImagesCached(const char* name, const VornBitmapCache*& set);
    /// Cached LoadImages into a set with alpha.
    bool LoadImagesCached(const char* name, const VornBitmapACache*& set);
    /// Cached LoadImages into a bitmap set whose images live on the shared wallpapers.
    bool LoadImagesCached(const char* name, const VornwxBitmapCache*& set);
    /// Cached LoadImages into a toolkit image set.
    bool LoadImagesCached(const char* name, const VornwxImageCache*& set);
    /// Cached LoadImage without alpha.
    bool LoadImageCached(const char* name, const Bitmap*& image);
    /// Cached LoadImage with alpha.
    bool LoadImageCached(const char* name, const BitmapA*& image);
    /// Cached LoadImage as a toolkit bitmap.
    bool LoadImageCached(const char* name, const wxBitmap*& image);
    /// Cached LoadImage as a toolkit image.
    bool LoadImageCached(const char* name, const wxImage*& image);
    /// An edit-box skin. On failure the pointer is null and the record gets the fallback values.
    bool LoadEditWidgetCached(const char* name, const wxBitmap*& bitmap, VornEditInfo& info);
    /// A list-box skin. On failure the record gets the fallback values and no image set.
    bool LoadListBoxCached(const char* name, VornListBoxInfo& info);

    /// The image script being run ("" otherwise); error messages name it.
    const std::string& GetCurrentScriptName() const;

    /// Drops the cached images, image sets and skins.
    void ClearCaches();
    /// Drops assets, loaders, caches and the colour and font databases; messages,
    /// platform and languages are kept.
    void Clear();

private:
    void ClearAssets();
    void CloseAll();
    // PNG or script by the name's last three characters.
    template <class T>
    bool LoadImageByKind(const char* name, T& image, bool anyCase);

    std::string m_platform;
    std::string m_languageMajor;
    std::string m_languageMinor;
    std::unique_ptr<detail::AssetRegistry> m_registry;
    std::vector<std::unique_ptr<AssetLoader>> m_loaders;
    void* m_specialInfo = nullptr;
    ColourDatabase m_colours;
    FontDatabase m_fonts;
    std::unique_ptr<detail::MessageDatabase> m_messages;
    std::unique_ptr<detail::AssetCaches> m_caches;
    std::unique_ptr<detail::ScriptRunner> m_scripts;
};

} // namespace vorn
