#pragma once
// Asset sources. The manager opens each loader and asks it to register its assets;
// a loader only ever calls AssetManager::SetAsset (and reads the platform/language).
#include <string>

namespace vorn {

class AssetManager;

/// A source of assets that registers them with an asset manager.
class AssetLoader {
public:
    virtual ~AssetLoader();
    /// Registers the source's assets with SetAsset; false when the source is unusable.
    virtual bool LoadResources(AssetManager& manager) = 0;
    /// Makes the source readable; false when it cannot be read.
    virtual bool Open() = 0;
    /// Releases what Open read; assets of the source may become unusable.
    virtual bool Close() = 0;
    /// Names the source and says why Open or LoadResources failed, for the warning
    /// the manager shows when it skips the source.
    virtual std::string GetFailureReason() const;
};

/// Scans a directory tree laid out as
///   root/             no platform, no language
///   root/Generic/     platform "generic"
///   root/\<P\>/         the manager's platform
///   root/{Generic,\<P\>}/\<L\>/ and root/{Generic,\<P\>}/\<L\>/\<M\>/ for the languages.
class FileAssetLoader : public AssetLoader {
public:
    /// An empty root: Init must follow.
    FileAssetLoader() = default;

    /// The root is a prefix to which directory names are appended as they are, so it
    /// ends with a path separator. Roots shorter than 2 characters are refused.
    bool Init(const std::string& root);

    /// Registers every file of the seven levels the manager's platform and language name.
    bool LoadResources(AssetManager& manager) override;
    /// Nothing to open: always true.
    bool Open() override { return true; }
    /// Nothing to close: always true.
    bool Close() override { return true; }

    /// The root given to Init.
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
