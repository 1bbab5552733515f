#pragma once
// Asset sources. The manager opens each loader and asks it to register its assets;
// a loader only ever calls AssetManager::SetAsset (and reads the platform/language).
#include <string>

namespace vorn {

class AssetManager;

class AssetLoader {
public:
    virtual ~AssetLoader();
    virtual bool LoadResources(AssetManager& manager) = 0;
    virtual bool Open() = 0;
    virtual bool Close() = 0;
};

// Scans a directory tree laid out as
//   root/             no platform, no language
//   root/Generic/     platform "generic"
//   root/<P>/         the manager's platform
//   root/{Generic,<P>}/<L>/ and root/{Generic,<P>}/<L>/<M>/ for the languages.
class FileAssetLoader : public AssetLoader {
public:
    FileAssetLoader() = default;

    // The root is a prefix to which directory names are appended as they are, so it
    // ends with a path separator. Roots shorter than 2 characters are refused.
    bool Init(const std::string& root);

    bool LoadResources(AssetManager& manager) override;
    bool Open() override { return true; }
    bool Close() override { return true; }

    const std::string& GetRoot() const { return m_root; }

private:
    void SetPlatform(const char* platform);
    void SetLanguage(const char* major, const char* minor);
    void ScanPass(AssetManager& manager, const std::string& pattern, const char* platform,
                  const char* languageMajor, const char* languageMinor);

    std::string m_root;
    std::string m_platform;
    std::string m_languageMajor;
    std::string m_languageMinor;
};

} // namespace vorn
