#include <vorn/assets/detail/asset_registry.h>

#include <array>

namespace vorn::detail {

namespace {

struct Triple {
    const std::string& platform;
    const std::string& major;
    const std::string& minor;

    bool Matches(const Asset& asset) const
    {
        return asset.GetPlatform() == platform && asset.GetLanguageMajor() == major &&
               asset.GetLanguageMinor() == minor;
    }
};

const std::string kGeneric = "generic";
const std::string kNone;

// The seven (platform, major, minor) triples, best first: an exact language outranks
// any platform preference; within a language level the platform outranks "generic",
// which outranks none.
std::array<Triple, 7> PreferenceTiers(const std::string& p, const std::string& l, const std::string& m)
{
    return {{{p, l, m},
             {kGeneric, l, m},
             {p, l, kNone},
             {kGeneric, l, kNone},
             {p, kNone, kNone},
             {kGeneric, kNone, kNone},
             {kNone, kNone, kNone}}};
}

} // namespace

void AssetRegistry::Add(std::unique_ptr<Asset> asset)
{
    const std::string name = asset->GetName();
    const auto range = m_assets.equal_range(name);
    for (auto it = range.first; it != range.second; ++it) {
        if (it->second->IsEqual(name.c_str(), asset->GetPlatform().c_str(), asset->GetLanguageMajor().c_str(),
                                asset->GetLanguageMinor().c_str())) {
            m_assets.erase(it);
            break;
        }
    }
    m_assets.emplace_hint(m_assets.upper_bound(name), name, std::move(asset));
}

Asset* AssetRegistry::FindBest(const std::string& name, const std::string& platform, const std::string& major,
                               const std::string& minor) const
{
    const auto range = m_assets.equal_range(name);
    for (const Triple& tier : PreferenceTiers(platform, major, minor))
        for (auto it = range.first; it != range.second; ++it)
            if (tier.Matches(*it->second))
                return it->second.get();
    return nullptr;
}

bool AssetRegistry::FindAll(const std::string& name, const std::string& platform, const std::string& major,
                            const std::string& minor, std::vector<Asset*>& out) const
{
    const auto range = m_assets.equal_range(name);
    const auto tiers = PreferenceTiers(platform, major, minor);
    for (auto it = range.first; it != range.second; ++it) {
        for (const Triple& tier : tiers) {
            if (tier.Matches(*it->second)) {
                out.push_back(it->second.get());
                break;
            }
        }
    }
    return range.first != range.second;
}

void AssetRegistry::CloseAll()
{
    for (auto& entry : m_assets)
        entry.second->Close();
}

} // namespace vorn::detail
