#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/assets/asset.h>
#include <vorn/assets/asset_loader.h>
#include <vorn/assets/asset_manager.h>

#include "asset_test_util.h"

using namespace vorn;

using assettest::TempDir;

namespace {

// "platform/major/minor" of every variant of a name, in registration order.
std::vector<std::string> Variants(AssetManager& manager, const char* name)
{
    std::vector<Asset*> assets;
    manager.GetAllAssets(name, assets);
    std::vector<std::string> out;
    for (Asset* a : assets)
        out.push_back(a->GetPlatform() + "/" + a->GetLanguageMajor() + "/" + a->GetLanguageMinor());
    return out;
}

std::string TextOf(AssetManager& manager, const char* name)
{
    std::string text;
    EXPECT_TRUE(manager.LoadText(name, text)) << name;
    return text;
}

class FileAssetLoaderTest : public ::testing::Test {
protected:
    // Loads the tree with platform linux, language en/gb.
    void Load()
    {
        manager.SetPlatform("Linux");
        manager.SetLanguage("EN", "gb");
        auto* loader = new FileAssetLoader;
        ASSERT_TRUE(loader->Init(dir.Root()));
        manager.SetAssetLoader(loader);
        ASSERT_TRUE(manager.LoadAssets());
    }
    TempDir dir;
    AssetManager manager;
};

} // namespace

TEST_F(FileAssetLoaderTest, SameNameAtThreeLevelsGivesThreeVariants)
{
    dir.Write("a.png", "root");
    dir.Write("Generic/a.png", "generic");
    dir.Write("linux/a.png", "linux");
    Load();
    EXPECT_EQ(Variants(manager, "a.png"), (std::vector<std::string>{"//", "generic//", "linux//"}));
    EXPECT_EQ(TextOf(manager, "a.png"), "linux");
    EXPECT_EQ(manager.GetAssetCount(), 3u);
}

TEST_F(FileAssetLoaderTest, LanguageLevelsCarryTheirLanguages)
{
    dir.Write("Generic/en/t.txt", "g-en");
    dir.Write("linux/en/t.txt", "l-en");
    dir.Write("Generic/en/gb/t.txt", "g-en-gb");
    dir.Write("linux/en/gb/t.txt", "l-en-gb");
    Load();
    EXPECT_EQ(Variants(manager, "t.txt"),
              (std::vector<std::string>{"generic/en/", "linux/en/", "generic/en/gb", "linux/en/gb"}));
    EXPECT_EQ(TextOf(manager, "t.txt"), "l-en-gb");
}

TEST_F(FileAssetLoaderTest, OtherPlatformsLanguagesAndSubdirectoriesAreNotScanned)
{
    dir.Write("windows/w.png", "w");
    dir.Write("Generic/fr/f.txt", "f");
    dir.Write("linux/en/us/u.txt", "u");
    dir.Write("misc/m.png", "m");
    dir.Write("Generic/misc/g.png", "g");
    dir.Write("keep.txt", "k");
    Load();
    EXPECT_EQ(manager.GetAssetCount(), 1u);
    std::vector<Asset*> all;
    for (const char* name : {"w.png", "f.txt", "u.txt", "m.png", "g.png"})
        EXPECT_FALSE(manager.GetAllAssets(name, all)) << name;
    EXPECT_EQ(TextOf(manager, "keep.txt"), "k");
}

TEST_F(FileAssetLoaderTest, NamesAreLowerCaseAndFilesWithoutExtensionEndInDot)
{
    dir.Write("Readme", "r");
    dir.Write("Logo.PNG", "l");
    dir.Write("archive.tar.gz", "t");
    Load();
    EXPECT_EQ(TextOf(manager, "readme."), "r");
    EXPECT_EQ(TextOf(manager, "LOGO.png"), "l");
    EXPECT_EQ(TextOf(manager, "archive.tar.gz"), "t");
    Asset* asset = nullptr;
    EXPECT_FALSE(manager.GetAsset("readme", asset));
    ASSERT_TRUE(manager.GetAsset("logo.png", asset));
    auto* file = dynamic_cast<FileAsset*>(asset);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->GetPath(), dir.Root() + "Logo.PNG");
}

TEST_F(FileAssetLoaderTest, NamesDifferingOnlyInCaseReplaceEachOther)
{
    dir.Write("README", "upper");
    dir.Write("readme", "lower");
    Load();
    EXPECT_EQ(manager.GetAssetCount(), 1u);
    EXPECT_EQ(TextOf(manager, "readme."), "lower"); // enumerated in name order: later wins
}

TEST_F(FileAssetLoaderTest, EmptyTreeRegistersNothingAndSucceeds)
{
    Load();
    EXPECT_EQ(manager.GetAssetCount(), 0u);
}

TEST_F(FileAssetLoaderTest, MissingRootRegistersNothingAndSucceeds)
{
    FileAssetLoader loader;
    ASSERT_TRUE(loader.Init(dir.Root() + "absent/"));
    EXPECT_TRUE(loader.LoadResources(manager));
    EXPECT_EQ(manager.GetAssetCount(), 0u);
}

TEST_F(FileAssetLoaderTest, EmptyPlatformScansRootTwiceWithoutDuplicates)
{
    dir.Write("a.png", "root");
    dir.Write("en/b.png", "en");
    auto* loader = new FileAssetLoader;
    ASSERT_TRUE(loader->Init(dir.Root()));
    manager.SetLanguage("en", "");
    manager.SetAssetLoader(loader);
    ASSERT_TRUE(manager.LoadAssets());
    EXPECT_EQ(Variants(manager, "a.png"), (std::vector<std::string>{"//"}));
    // root + "" + "/" + "en" names the language directory of the empty platform
    EXPECT_EQ(Variants(manager, "b.png"), (std::vector<std::string>{"/en/"}));
}

TEST_F(FileAssetLoaderTest, NamesThatAreNotUtf8KeepTheirBytesAndOpen)
{
    // A tree copied from a system that writes file names in Latin-1.
    dir.Write("Caf\xe9.txt", "latin");
    dir.Write("linux/men\xfc.txt", "menu");
    dir.Write("caf\xc3\xa9.txt", "utf-8");
    Load();
    EXPECT_EQ(manager.GetAssetCount(), 3u);
    EXPECT_EQ(TextOf(manager, "caf\xe9.txt"), "latin");
    EXPECT_EQ(TextOf(manager, "MEN\xfc.TXT"), "menu");
    EXPECT_EQ(TextOf(manager, "caf\xc3\xa9.txt"), "utf-8");
}

TEST(FileAssetLoaderInit, ShortRootsAreRefused)
{
    FileAssetLoader loader;
    EXPECT_FALSE(loader.Init(""));
    EXPECT_FALSE(loader.Init("/"));
    EXPECT_EQ(loader.GetRoot(), "");
    EXPECT_TRUE(loader.Init("a/"));
    EXPECT_EQ(loader.GetRoot(), "a/");
    EXPECT_TRUE(loader.Open());
    EXPECT_TRUE(loader.Close());
}
