#include <vorn/assets/asset_loader.h>

#include <wx/filename.h>

#include <vorn/assets/asset.h>
#include <vorn/assets/asset_manager.h>
#include <vorn/assets/detail/file_search.h>

namespace vorn {

AssetLoader::~AssetLoader() = default;

std::string AssetLoader::GetFailureReason() const
{
    return "an asset source that failed to load";
}

bool FileAssetLoader::Init(const std::string& root)
{
    if (root.size() < 2)
        return false;
    m_root = root;
    return true;
}

void FileAssetLoader::SetPlatform(const char* platform)
{
    m_platform = platform ? platform : "";
}

void FileAssetLoader::SetLanguage(const char* major, const char* minor)
{
    m_languageMajor = major ? major : "";
    m_languageMinor = minor ? minor : "";
}

bool FileAssetLoader::LoadResources(AssetManager& manager)
{
    std::string platform, major, minor;
    manager.GetPlatform(platform);
    manager.GetLanguage(major, minor);
    SetPlatform(platform.c_str());
    SetLanguage(major.c_str(), minor.c_str());

    const std::string& p = m_platform;
    const std::string& l = m_languageMajor;
    const std::string& m = m_languageMinor;
    const std::string generic = m_root + "Generic/";
    const std::string specific = m_root + p + "/";
    ScanPass(manager, m_root + "*.*", "", "", "");
    ScanPass(manager, generic + "*.*", "generic", "", "");
    ScanPass(manager, specific + "*.*", p.c_str(), "", "");
    ScanPass(manager, generic + l + "/*.*", "generic", l.c_str(), "");
    ScanPass(manager, specific + l + "/*.*", p.c_str(), l.c_str(), "");
    ScanPass(manager, generic + l + "/" + m + "/*.*", "generic", l.c_str(), m.c_str());
    ScanPass(manager, specific + l + "/" + m + "/*.*", p.c_str(), l.c_str(), m.c_str());
    return true;
}

void FileAssetLoader::ScanPass(AssetManager& manager, const std::string& pattern, const char* platform,
                               const char* languageMajor, const char* languageMinor)
{
    for (const std::string& path : detail::FindFiles(pattern)) {
        wxString base, ext;
        wxFileName::SplitPath(detail::PathToWx(path), nullptr, &base, &ext);
        const std::string name = detail::PathFromWx(base + "." + ext);
        FileAsset* asset = new FileAsset(path);
        asset->SetName(name.c_str());
        asset->SetPlatform(platform);
        asset->SetLanguageMajor(languageMajor);
        asset->SetLanguageMinor(languageMinor);
        manager.SetAsset(asset);
    }
}

} // namespace vorn
