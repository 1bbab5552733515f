#include <vorn/assets/asset_manager.h>

#include <vorn/assets/asset.h>
#include <vorn/assets/asset_loader.h>
#include <vorn/util/text.h>

namespace vorn {

namespace {

std::string Folded(const char* text)
{
    return ToLower(text ? text : "");
}

struct Triple {
    const std::string& platform;
    const std::string& major;
    const std::string& minor;
};

bool HasTriple(const Asset& asset, const std::string& platform, const std::string& major,
               const std::string& minor)
{
    return asset.GetPlatform() == platform && asset.GetLanguageMajor() == major &&
           asset.GetLanguageMinor() == minor;
}

const std::string kGeneric = "generic";
const std::string kNone;

} // namespace

AssetManager::AssetManager() = default;

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
    m_loaders.push_back(loader);
    return true;
}

bool AssetManager::LoadAssets()
{
    if (m_loaders.empty())
        return false;
    for (AssetLoader* loader : m_loaders) {
        if (!loader->Open())
            return false;
        if (!loader->LoadResources(*this))
            return false;
    }
    return true;
}

bool AssetManager::SetAsset(Asset* asset)
{
    if (!asset)
        return false;
    const std::string name = asset->GetName();
    const std::string platform = asset->GetPlatform();
    const std::string major = asset->GetLanguageMajor();
    const std::string minor = asset->GetLanguageMinor();
    auto range = m_assets.equal_range(name);
    for (auto it = range.first; it != range.second; ++it) {
        if (it->second->IsEqual(name.c_str(), platform.c_str(), major.c_str(), minor.c_str())) {
            delete it->second;
            m_assets.erase(it);
            break;
        }
    }
    m_assets.emplace_hint(m_assets.upper_bound(name), name, asset);
    return true;
}

bool AssetManager::GetAsset(const char* name, Asset*& out)
{
    const std::string folded = Folded(name);
    return GetBestAsset(out, folded.c_str(), m_platform.c_str(), m_languageMajor.c_str(),
                        m_languageMinor.c_str());
}

namespace {

// The seven (platform, major, minor) triples in order of preference.
std::vector<Triple> PreferenceTiers(const std::string& p, const std::string& l, const std::string& m)
{
    return {{p, l, m},           {kGeneric, l, m},         {p, l, kNone},        {kGeneric, l, kNone},
            {p, kNone, kNone},   {kGeneric, kNone, kNone}, {kNone, kNone, kNone}};
}

} // namespace

bool AssetManager::GetBestAsset(Asset*& out, const char* name, const char* platform,
                                const char* languageMajor, const char* languageMinor)
{
    const std::string key = Folded(name);
    const std::string p = Folded(platform), l = Folded(languageMajor), m = Folded(languageMinor);
    const auto range = m_assets.equal_range(key);
    for (const Triple& tier : PreferenceTiers(p, l, m)) {
        for (auto it = range.first; it != range.second; ++it) {
            if (HasTriple(*it->second, tier.platform, tier.major, tier.minor)) {
                out = it->second;
                return true;
            }
        }
    }
    return false;
}

bool AssetManager::GetAllAssets(const char* name, std::vector<Asset*>& out)
{
    const std::string key = Folded(name);
    const auto range = m_assets.equal_range(key);
    const std::vector<Triple> tiers = PreferenceTiers(m_platform, m_languageMajor, m_languageMinor);
    for (auto it = range.first; it != range.second; ++it) {
        for (const Triple& tier : tiers) {
            if (HasTriple(*it->second, tier.platform, tier.major, tier.minor)) {
                out.push_back(it->second);
                break;
            }
        }
    }
    return range.first != range.second;
}

void AssetManager::ClearAssets()
{
    for (auto& entry : m_assets)
        delete entry.second;
    m_assets.clear();
    for (AssetLoader* loader : m_loaders)
        delete loader;
    m_loaders.clear();
}

void AssetManager::CloseAll()
{
    for (auto& entry : m_assets)
        entry.second->Close();
    for (AssetLoader* loader : m_loaders)
        loader->Close();
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
