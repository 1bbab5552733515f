#pragma once
// The one registry through which the host and the controls get their resources. It
// owns the loaders and every asset they register, picks the variant of a name that
// best fits the current platform and language, and holds the colour, font and message
// databases and the image caches.
#include <map>
#include <string>
#include <vector>

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/string.h>

#include <vorn/assets/colour_database.h>
#include <vorn/assets/font_database.h>
#include <vorn/util/color.h>

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

    // Drops the cached images and image sets.
    void ClearCaches();
    // Drops assets, loaders, caches and the colour and font databases; messages,
    // platform and languages are kept.
    void Clear();

private:
    void ClearAssets();
    void CloseAll();

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
};
