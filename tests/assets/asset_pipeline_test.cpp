// The host's start-up path end to end: a skin tree on disk and patch archives, then
// colours, fonts, messages, menus and images by name.
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/assets/archive_asset_loader.h>
#include <vorn/assets/archive_writer.h>
#include <vorn/assets/asset_loader.h>
#include <vorn/assets/image_script.h>

#include "image_test_util.h"

using namespace vorn;

using assettest::SolidPng;
using assettest::TempDir;

namespace {

std::vector<unsigned char> Vec(const std::string& s)
{
    return std::vector<unsigned char>(s.begin(), s.end());
}

class AssetPipelineTest : public ::testing::Test {
protected:
    vorntest::DiagnosticsRecorder diagnostics;
    TempDir dir;
    AssetManager manager;
};

} // namespace

TEST_F(AssetPipelineTest, SkinTreeThenArchivePatch)
{
    dir.Write("skin/colours.txt", "# palette\r\nface 200 200 200\r\nedge 0 0 0\r\nlabel edge\r\n");
    dir.Write("skin/fonts.txt", "title 14 swiss normal bold\n");
    dir.Write("skin/Generic/en/messages.txt", "Open.\nOpen.\nFINISH.\n");
    dir.Write("skin/Generic/fr/messages.txt", "Open.\nOuvrir.\nFINISH.\n");
    dir.Write("skin/Generic/menu.txt", "1 %Open\r\n2 -\r\n");
    dir.Write("skin/Generic/face.png", SolidPng(6, 4, 255, 255, 255));
    dir.Write("skin/gtk/Button.STS", "size rgba 6 4\r\nclear face\r\nmapmask face face.png\r\nassign off\r\n"
                                     "clear edge\r\nmapmask edge face.png\r\nassign on\r\nfinish\r\n");

    ArchiveWriter patch;
    std::string error;
    ASSERT_TRUE(patch.AddFile("colours.txt", "", "", "", Vec("face 10 20 30\nedge 1 2 3\nlabel edge\n"), error));
    ASSERT_TRUE(patch.WriteFile(dir.Root() + "skin_1.vrk", error));

    manager.SetPlatform("GTK");
    manager.SetLanguage("fr", "");
    auto* files = new FileAssetLoader;
    ASSERT_TRUE(files->Init(dir.Root() + "skin/"));
    manager.SetAssetLoader(files);
    for (ArchiveAssetLoader* loader : ArchiveAssetLoader::GetArchiveAssetLoaders(dir.Root(), "skin"))
        manager.SetAssetLoader(loader);
    ASSERT_TRUE(manager.LoadAssets());

    ASSERT_TRUE(manager.LoadColourData("colours.txt"));
    wxColour face;
    manager.GetColour("face", face);
    EXPECT_EQ(face, wxColour(10, 20, 30)); // the archive replaced the file of the tree
    ASSERT_TRUE(manager.LoadFontData("fonts.txt"));
    ASSERT_TRUE(manager.LoadMessages("messages.txt"));
    EXPECT_EQ(manager.GetMessage("Open"), "Ouvrir");
    std::vector<MENUITEM> menu;
    ASSERT_TRUE(manager.LoadMenuText("menu.txt", menu));
    ASSERT_EQ(menu.size(), 2u);
    EXPECT_EQ(menu[1].label, wxString("-"));

    const VornwxBitmapCache* button = nullptr;
    ASSERT_TRUE(manager.LoadImagesCached("button.sts", button));
    const wxBitmap* off = nullptr;
    ASSERT_TRUE(button->GetImage(VORN_IMAGE_OFF, off));
    EXPECT_EQ(ToLower(vorntest::PixelStr(off->ConvertToImage(), 5, 3)), "#0a141e");
    EXPECT_TRUE(diagnostics.warnings.empty());

    manager.Clear();
    EXPECT_EQ(manager.GetAssetCount(), 0u);
    EXPECT_FALSE(manager.LoadImagesCached("button.sts", button));
    EXPECT_EQ(manager.GetMessage("Open"), "Ouvrir");
}

TEST_F(AssetPipelineTest, LoadingTwiceKeepsArchiveAssetsValid)
{
    ArchiveWriter writer;
    std::string error;
    ASSERT_TRUE(writer.AddFile("a.txt", "", "", "", Vec("alpha"), error));
    ASSERT_TRUE(writer.WriteFile(dir.Root() + "r_1.vrk", error));
    for (ArchiveAssetLoader* loader : ArchiveAssetLoader::GetArchiveAssetLoaders(dir.Root(), "r"))
        manager.SetAssetLoader(loader);
    ASSERT_TRUE(manager.LoadAssets());
    ASSERT_TRUE(manager.LoadAssets());
    EXPECT_EQ(manager.GetAssetCount(), 1u);
    std::string text;
    ASSERT_TRUE(manager.LoadText("a.txt", text));
    EXPECT_EQ(text, "alpha");
}

TEST_F(AssetPipelineTest, MissingArchiveStopsLoading)
{
    manager.SetAssetLoader(new ArchiveAssetLoader((dir.Root() + "gone.vrk").c_str()));
    EXPECT_FALSE(manager.LoadAssets());
}

TEST_F(AssetPipelineTest, GarbageTextsNeverBreakTheParsers)
{
    std::mt19937 random(77);
    const std::string alphabet = "size rgba 0123456789 -\n\r\t#clear copy map assign off on finish lbText edit FINISH";
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const int length = int(random() % 120);
        for (int i = 0; i < length; ++i)
            text += random() % 4 ? alphabet[random() % alphabet.size()] : char(random() % 256);
        if (round % 3 == 0)
            text = "size rgba 3 3\n" + text;
        AssetManager local;
        local.SetAsset(new assettest::MemoryAsset("t.sts", "", "", "", text));
        std::vector<MENUITEM> items;
        EXPECT_TRUE(local.LoadMenuText("t.sts", items));
        EXPECT_TRUE(local.LoadMessages("t.sts"));
        local.LoadColourData("t.sts");
        local.LoadFontData("t.sts");
        wxImage image;
        local.LoadImage("t.sts", image);
        VornBitmapACache set;
        local.LoadImages("t.sts", set);
        VornListBoxInfo info;
        local.LoadListBoxCached("t.sts", info);
    }
}
