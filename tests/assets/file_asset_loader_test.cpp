#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/assets/archive_asset_loader.h>
#include <vorn/assets/asset.h>
#include <vorn/assets/asset_loader.h>
#include <vorn/assets/asset_manager.h>

#include "asset_test_util.h"

using namespace vorn;
using namespace assettest;

namespace {

class FileAssetLoaderTest : public ::testing::Test {
protected:
    // Loads the tree with platform linux, language en/gb unless told otherwise.
    void Load(const char* platform = "Linux", const char* major = "EN")
    {
        manager.SetPlatform(platform);
        manager.SetLanguage(major, "gb");
        auto* loader = new FileAssetLoader;
        ASSERT_TRUE(loader->Init(dir.Root()));
        manager.SetAssetLoader(loader);
        ASSERT_TRUE(manager.LoadAssets());
    }
    // "platform/major/minor" of every variant of a name, in registration order.
    std::vector<std::string> Variants(const char* name)
    {
        std::vector<Asset*> assets;
        manager.GetAllAssets(name, assets);
        std::vector<std::string> out;
        for (Asset* a : assets)
            out.push_back(Describe(a));
        return out;
    }
    TempDir dir;
    AssetManager manager;
};

} // namespace

TEST_F(FileAssetLoaderTest, EveryLevelRegistersItsVariantAndTheDeepestWinsButNothingElseIsScanned)
{
    for (const char* path : {"a.png", "Generic/a.png", "linux/a.png", "Generic/en/t.txt", "linux/en/t.txt",
                             "Generic/en/gb/t.txt", "linux/en/gb/t.txt", "windows/w.png", "Generic/fr/f.txt",
                             "linux/en/us/u.txt", "misc/m.png", "Generic/misc/g.png"})
        dir.Write(path, path);
    Load();
    EXPECT_EQ(Variants("a.png"), (std::vector<std::string>{"//", "generic//", "linux//"}));
    EXPECT_EQ(TextOf(manager, "a.png"), "linux/a.png");
    EXPECT_EQ(Variants("t.txt"), (std::vector<std::string>{"generic/en/", "linux/en/", "generic/en/gb", "linux/en/gb"}));
    EXPECT_EQ(TextOf(manager, "t.txt"), "linux/en/gb/t.txt");
    EXPECT_EQ(manager.GetAssetCount(), 7u) << "other platforms, languages and sub-directories are not scanned";
}

TEST_F(FileAssetLoaderTest, NamesAreLowerCaseAndFilesWithoutExtensionEndInDot)
{
    dir.Write("Readme", "r");
    dir.Write("Logo.PNG", "l");
    dir.Write("archive.tar.gz", "t");
    dir.Write("SAME", "upper");
    dir.Write("same", "lower"); // enumerated in name order: the later one replaces the first
    Load();
    EXPECT_EQ(manager.GetAssetCount(), 4u);
    EXPECT_EQ(TextOf(manager, "readme."), "r");
    EXPECT_EQ(TextOf(manager, "readme"), "<missing>");
    EXPECT_EQ(TextOf(manager, "archive.tar.gz"), "t");
    EXPECT_EQ(TextOf(manager, "same."), "lower");
    Asset* asset = nullptr;
    ASSERT_TRUE(manager.GetAsset("LOGO.png", asset));
    auto* file = dynamic_cast<FileAsset*>(asset);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->GetPath(), dir.Root() + "Logo.PNG");
}

TEST_F(FileAssetLoaderTest, ShortRootsAreRefusedAndEmptyOrMissingTreesRegisterNothing)
{
    Load();
    EXPECT_EQ(manager.GetAssetCount(), 0u);
    FileAssetLoader loader;
    EXPECT_FALSE(loader.Init(""));
    EXPECT_FALSE(loader.Init("/"));
    EXPECT_EQ(loader.GetRoot(), "");
    ASSERT_TRUE(loader.Init(dir.Root() + "absent/"));
    EXPECT_EQ(loader.GetRoot(), dir.Root() + "absent/");
    EXPECT_TRUE(loader.LoadResources(manager));
    EXPECT_EQ(manager.GetAssetCount(), 0u);
}

TEST_F(FileAssetLoaderTest, EmptyPlatformScansRootTwiceWithoutDuplicates)
{
    dir.Write("a.png", "root");
    dir.Write("en/b.png", "en");
    Load("", "en");
    EXPECT_EQ(Variants("a.png"), (std::vector<std::string>{"//"}));
    // root + "" + "/" + "en" names the language directory of the empty platform
    EXPECT_EQ(Variants("b.png"), (std::vector<std::string>{"/en/"}));
}

// A tree or archives copied from a system that writes file names in Latin-1 (the file
// name conversion is the toolkit's, set up by a GUI application).
TEST_F(FileAssetLoaderTest, NamesThatAreNotUtf8KeepTheirBytesAndOpen)
{
    dir.Write("res_2_caf\xe9.vrk", "");
    const std::vector<ArchiveAssetLoader*> archives = ArchiveAssetLoader::GetArchiveAssetLoaders(dir.Root(), "res");
    ASSERT_EQ(archives.size(), 1u);
    EXPECT_EQ(archives[0]->GetPath(), dir.Root() + "res_2_caf\xe9.vrk");
    delete archives[0];
    dir.Write("Caf\xe9.txt", "latin");
    dir.Write("linux/men\xfc.txt", "menu");
    dir.Write("caf\xc3\xa9.txt", "utf-8");
    Load();
    EXPECT_EQ(TextOf(manager, "caf\xe9.txt"), "latin");
    EXPECT_EQ(TextOf(manager, "MEN\xfc.TXT"), "menu");
    EXPECT_EQ(TextOf(manager, "caf\xc3\xa9.txt"), "utf-8");
}
