#pragma once
// The default skin as the tree tests load it (once per suite): images, colours and fonts.
#include <memory>
#include <string>

#include <vorn/assets/asset_loader.h>
#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/tree/tree_control.h>
#include <vorn/tree/tree_node.h>

#include "test_support.h"

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

// Rows in a real tree of W x H in a shown frame: the skin loaded once per suite, the tree's
// group heard by `hints`. Rows get their widgets when first realised.
template <class HintLog, int W, int H>
class TreeRowsTest : public GuiTest {
protected:
    static void SetUpTestSuite() { s_assets = LoadTreeSkin(); }
    static void TearDownTestSuite() { s_assets.reset(); }
    void SetUp() override
    {
        GuiTest::SetUp();
        am = s_assets.get();
        tree = new vorn::VornMainVUITreeControl(120, am, 0, 0, W, H, panel, -1, nullptr);
        tree->GetTreeControlGroup()->Register(&hints);
    }
    template <class Row>
    Row* Add(Row* row)
    {
        vorn::AddToEnd(tree->GetTreeRoot(), row);
        return row;
    }
    void Realise()
    {
        ShowFrame();
        tree->RefreshTree();
        tree->GetTreeRoot()->GetRootControl()->RealiseInView();
    }
    static inline std::unique_ptr<vorn::AssetManager> s_assets;
    vorn::AssetManager* am = nullptr;
    vorn::VornMainVUITreeControl* tree = nullptr;
    HintLog hints;
};

} // namespace vorntest
