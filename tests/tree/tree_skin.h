#pragma once
// The default skin as the tree tests load it (once per suite): images, colours and fonts.
#include <memory>
#include <string>

#include <vorn/assets/asset_loader.h>
#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>

namespace vorntest {

inline std::unique_ptr<vorn::AssetManager> LoadTreeSkin()
{
    auto assets = std::make_unique<vorn::AssetManager>();
    auto* loader = new vorn::FileAssetLoader;
    loader->Init(std::string(VORN_TEST_SKIN_DIR) + "/");
    assets->SetAssetLoader(loader);
    assets->LoadAssets();
    assets->LoadColourData(vorn::vornskin::kColourScript);
    assets->LoadFontData(vorn::vornskin::kFontScript);
    return assets;
}

} // namespace vorntest
