// Set-up, the loader sequence, registration and selection, and clearing.
#include <vorn/assets/asset_manager.h>

#include <vorn/assets/asset.h>
#include <vorn/assets/asset_loader.h>
#include <vorn/assets/detail/asset_caches.h>
#include <vorn/assets/detail/asset_registry.h>
#include <vorn/assets/detail/asset_text.h>
#include <vorn/assets/detail/script_runner.h>
#include <vorn/util/diagnostics.h>
#include <vorn/util/text.h>

namespace vorn {

namespace {

std::string Folded(const char* text)
{
    return ToLower(text ? text : "");
}

} // namespace

AssetManager::AssetManager()
    : m_registry(std::make_unique<detail::AssetRegistry>()),
      m_messages(std::make_unique<detail::MessageDatabase>()),
      m_caches(std::make_unique<detail::AssetCaches>()),
      m_scripts(std::make_unique<detail::ScriptRunner>(*this))
{
}

AssetManager::~AssetManager()
{
    Clear();
}

void AssetManager::SetPlatform(const char* platform)
{
    m_platform = Folded(platform);
}

void AssetManager::SetLanguage(const char* major, const char* minor)
{
    m_languageMajor = Folded(major);
    m_languageMinor = Folded(minor);
}

void AssetManager::GetPlatform(std::string& platform) const
{
    platform = m_platform;
}

void AssetManager::GetLanguage(std::string& major, std::string& minor) const
{
    major = m_languageMajor;
    minor = m_languageMinor;
}

bool AssetManager::SetAssetLoader(AssetLoader* loader)
{
    if (!loader)
        return false;
    m_loaders.emplace_back(loader);
    return true;
}

bool AssetManager::LoadAssets()
{
    if (m_loaders.empty())
        return false;
    bool all = true;
    for (const auto& loader : m_loaders) {
        if (loader->Open() && loader->LoadResources(*this))
            continue;
        // One broken source (a damaged patch archive) must not take the whole skin down.
        all = false;
        WarningMessage("Asset Loader", "Skipped " + loader->GetFailureReason());
    }
    return all;
}

bool AssetManager::SetAsset(Asset* asset)
{
    if (!asset)
        return false;
    m_registry->Add(std::unique_ptr<Asset>(asset));
    return true;
}

bool AssetManager::GetAsset(const char* name, Asset*& out)
{
    return GetBestAsset(out, name, m_platform.c_str(), m_languageMajor.c_str(), m_languageMinor.c_str());
}

bool AssetManager::GetBestAsset(Asset*& out, const char* name, const char* platform,
                                const char* languageMajor, const char* languageMinor)
{
    Asset* found = m_registry->FindBest(Folded(name), Folded(platform), Folded(languageMajor),
                                        Folded(languageMinor));
    if (found)
        out = found;
    return found != nullptr;
}

bool AssetManager::GetAllAssets(const char* name, std::vector<Asset*>& out)
{
    return m_registry->FindAll(Folded(name), m_platform, m_languageMajor, m_languageMinor, out);
}

size_t AssetManager::GetAssetCount() const
{
    return m_registry->Count();
}

const std::string& AssetManager::GetCurrentScriptName() const
{
    return m_scripts->CurrentName();
}

void AssetManager::ClearAssets()
{
    m_registry->Clear();
    m_loaders.clear(); // frees the archives' data regions
}

void AssetManager::CloseAll()
{
    m_registry->CloseAll();
    for (const auto& loader : m_loaders)
        loader->Close();
}

void AssetManager::ClearCaches()
{
    m_caches->Clear();
}

void AssetManager::Clear()
{
    ClearAssets();
    ClearCaches();
    CloseAll();
    m_fonts.Clear();
    m_colours.Clear();
}

} // namespace vorn
