#pragma once
// The asset manager's registry: every registered asset under its (lower-case) name,
// variants of one name in registration order.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <vorn/assets/asset.h>

namespace vorn::detail {

class AssetRegistry {
public:
    // Replaces the first asset with the same name, platform and languages (deleting
    // it), else adds a variant after the others of that name.
    void Add(std::unique_ptr<Asset> asset);
    // The variant of the first preference tier that has one; null when none fits.
    // The name and the triple must be lower case already.
    Asset* FindBest(const std::string& name, const std::string& platform, const std::string& major,
                    const std::string& minor) const;
    // Appends every variant any tier accepts, in registration order; true when the
    // name is registered at all.
    bool FindAll(const std::string& name, const std::string& platform, const std::string& major,
                 const std::string& minor, std::vector<Asset*>& out) const;
    size_t Count() const { return m_assets.size(); }
    void CloseAll();
    void Clear() { m_assets.clear(); }

private:
    std::multimap<std::string, std::unique_ptr<Asset>> m_assets;
};

} // namespace vorn::detail
