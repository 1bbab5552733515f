#pragma once
// The one registry through which the host and the controls get their resources. It
// owns the loaders and every asset they register, picks the variant of a name that
// best fits the current platform and language, and holds the colour, font and message
// databases and the image caches.
#include <map>
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

// One line of a menu text: an identifier and its label.
struct MENUITEM {
    int id = 0;
    wxString label;
};

class AssetManager {
public:
    AssetManager();
    virtual ~AssetManager();

    AssetManager(const AssetManager&) = delete;
    AssetManager& operator=(const AssetManager&) = delete;

    // Set-up. Platform and languages are stored in lower case; set them before
    // LoadAssets, since the directory scan reads them.
    void SetPlatform(const char* platform);
    void SetLanguage(const char* major, const char* minor);
    void GetPlatform(std::string& platform) const;
    void GetLanguage(std::string& major, std::string& minor) const;

    // Takes ownership of the loader and appends it.
    bool SetAssetLoader(AssetLoader* loader);
    // Opens each loader in turn and lets it register its assets; stops at the first
    // failure. False also when no loader was given.
    bool LoadAssets();
    // Takes ownership; replaces an asset with the same name, platform and languages.
    bool SetAsset(Asset* asset);

    // The best variant of a name for the current platform and language.
    bool GetAsset(const char* name, Asset*& out);
    // Seven tiers: (P,L,M) (generic,L,M) (P,L,-) (generic,L,-) (P,-,-) (generic,-,-) (-,-,-);
    // the first tier with a match wins. `out` is untouched when nothing fits.
    bool GetBestAsset(Asset*& out, const char* name, const char* platform, const char* languageMajor,
                      const char* languageMinor);
    // Appends every variant that any tier would accept, in registration order. True when
    // at least one asset carries the name, even if none fits.
    bool GetAllAssets(const char* name, std::vector<Asset*>& out);
    size_t GetAssetCount() const { return m_assets.size(); }

    // Texts (line ends already turned into byte 10), up to the first zero byte.
    bool LoadText(const char* name, std::string& text);
    bool LoadText(const char* name, wxString& text);
    // Appends "identifier separator label" lines; false only when the asset is missing.
    bool LoadMenuText(const char* name, std::vector<MENUITEM>& items);

    // Messages: pairs of lines (key, text), each carrying one extra final character,
    // until a key line "FINISH".
    bool LoadMessages(const char* name);
    // Refuses a key that is already present.
    bool SetMessage(std::string& key, std::string& text);
    // The text of a key; an unknown key yields itself and a debug line.
    std::string GetMessage(const std::string& key);
    std::string GetMessage(const char* key);
    void ClearMessageDatabase();

    // Colours (see ColourDatabase): unknown names give the fallback colour.
    bool SetColour(const std::string& name, int red, int green, int blue, int alpha);
    bool GetColour(const std::string& name, ColorA& out);
    bool GetColour(const std::string& name, Color& out);
    bool GetColour(const std::string& name, wxColour& out);
    bool GetColourNameList(std::vector<std::string>& names);
    bool HasColour(const std::string& name) const { return m_colours.HasColour(name); }
    void ClearColourDatabase();
    // Runs the colour script held by the asset; false when it is missing or broken.
    bool LoadColourData(const char* assetName);

    // Fonts (see FontDatabase).
    bool SetFont(const std::string& name, wxFont& font);
    bool GetFont(const std::string& name, wxFont& out);
    bool GetFontNameList(std::vector<std::string>& names);
    void ClearFontDatabase();
    bool LoadFontData(const char* assetName);

    // An opaque pointer for the host; list-box loads use it while their script runs.
    void SetSpecialInfo(void* info) { m_specialInfo = info; }
    void* GetSpecialInfo() const { return m_specialInfo; }

    // Single images by asset name: ".png" assets are decoded, ".sts" image scripts run.
    // The wxImage and wxBitmap forms also take ".PNG" and ".STS"; the others only lower case.
    bool LoadImage(const char* name, wxImage& image);
    bool LoadImage(const char* name, wxBitmap& bitmap);
    bool LoadImage(const char* name, Bitmap& bitmap);
    bool LoadImage(const char* name, BitmapA& bitmap);
    bool LoadBitmap(const char* name, wxBitmap& bitmap);
    bool LoadBitmap(const char* name, wxBitmap& bitmap, long type);
    // PNG data of an asset; undecodable data shows a warning.
    bool LoadImageDirect(const char* name, wxImage& image);
    bool LoadImageDirect(const char* name, Bitmap& bitmap);
    bool LoadImageDirect(const char* name, BitmapA& bitmap);
    // Runs the named image script for one image (alpha is dropped for wxImage and Bitmap).
    bool LoadImageFromScript(const char* name, wxImage& image);
    bool LoadImageFromScript(const char* name, Bitmap& bitmap);
    bool LoadImageFromScript(const char* name, BitmapA& bitmap);

    // Image sets: one script fills the button states of a set.
    bool LoadImages(const char* name, VornBitmapACache& set);
    bool LoadImages(const char* name, VornBitmapCache& set);
    bool LoadImages(const char* name, VornwxImageCache& set);
    bool LoadImages(const char* name, VornwxBitmapCache& set);
    bool LoadImagesFromScript(std::string& text, VornBitmapACache& set);

    // Cached forms: the manager keeps one copy per name exactly as spelled and hands out
    // const pointers that stay valid until ClearCaches, Clear or destruction. A failed
    // load caches nothing and leaves the pointer alone.
    bool LoadImagesCached(const char* name, const VornBitmapCache*& set);
    bool LoadImagesCached(const char* name, const VornBitmapACache*& set);
    bool LoadImagesCached(const char* name, const VornwxBitmapCache*& set);
    bool LoadImagesCached(const char* name, const VornwxImageCache*& set);
    bool LoadImageCached(const char* name, const Bitmap*& image);
    bool LoadImageCached(const char* name, const BitmapA*& image);
    bool LoadImageCached(const char* name, const wxBitmap*& image);
    bool LoadImageCached(const char* name, const wxImage*& image);
    // Skins. On failure the pointer is null and the record gets the fallback values.
    bool LoadEditWidgetCached(const char* name, const wxBitmap*& bitmap, VornEditInfo& info);
    bool LoadListBoxCached(const char* name, VornListBoxInfo& info);

    // The image script being run ("" otherwise); error messages name it.
    const std::string& GetCurrentScriptName() const { return m_currentScriptName; }

    // Drops the cached images, image sets and skins.
    void ClearCaches();
    // Drops assets, loaders, caches and the colour and font databases; messages,
    // platform and languages are kept.
    void Clear();

private:
    class ScriptScope;

    void ClearAssets();
    void CloseAll();
    bool LoadEditWidget(const char* name, wxBitmap& bitmap, VornEditInfo& info);
    bool LoadListBox(const char* name, OldVornListBoxInfo& info);
    // Runs a script's text for one image; false when it made none.
    bool RunImageScript(const char* name, BitmapA& image);
    // Runs a script by name into a fresh BitmapA set.
    bool RunSetScript(const char* name, VornBitmapACache& set);
    // Runs a set script and converts its states to the set's pixel type T.
    template <class T, class Set>
    bool LoadImagesAs(const char* name, Set& set);
    // PNG or script by the name's last three characters.
    template <class T>
    bool LoadImageByKind(const char* name, T& image, bool anyCase);

    std::string m_currentScriptName;
    std::string m_platform;
    std::string m_languageMajor;
    std::string m_languageMinor;
    std::multimap<std::string, Asset*> m_assets;
    std::vector<AssetLoader*> m_loaders;
    void* m_specialInfo = nullptr;
    ColourDatabase m_colours;
    FontDatabase m_fonts;
    std::map<std::string, std::string> m_messages;
    WallpaperBitmapHolder m_wallpapers;
    std::map<std::string, VornBitmapACache*> m_bitmapASets;
    std::map<std::string, VornBitmapCache*> m_bitmapSets;
    std::map<std::string, VornwxBitmapCache*> m_wxBitmapSets;
    std::map<std::string, VornwxImageCache*> m_wxImageSets;
    std::map<std::string, BitmapA*> m_bitmapAImages;
    std::map<std::string, Bitmap*> m_bitmapImages;
    std::map<std::string, wxBitmap*> m_wxBitmapImages;
    std::map<std::string, wxImage*> m_wxImages;
    std::map<std::string, OldVornListBoxInfo*> m_listBoxes;
    std::map<std::string, std::pair<wxBitmap, VornEditInfo>> m_editWidgets;
    // Names of the scripts running now, innermost last: a script may not use itself.
    std::vector<std::string> m_runningScripts;
};

} // namespace vorn
