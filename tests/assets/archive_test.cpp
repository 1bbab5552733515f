#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <test_support.h>
#include <vorn/assets/archive_asset_loader.h>
#include <vorn/assets/archive_writer.h>
#include <vorn/assets/asset.h>
#include <vorn/assets/asset_loader.h>
#include <vorn/assets/asset_manager.h>

#include "asset_test_util.h"

using namespace vorn;
using namespace assettest;

namespace {

using Warnings = std::vector<std::pair<std::string, std::string>>;

std::vector<unsigned char> Vec(const std::string& s)
{
    return std::vector<unsigned char>(s.begin(), s.end());
}

class ArchiveTest : public ::testing::Test {
protected:
    // Hands the manager one loader per archive file, in order, and loads them.
    bool Load(const std::vector<std::pair<std::string, std::string>>& archives)
    {
        for (const auto& archive : archives)
            manager.SetAssetLoader(new ArchiveAssetLoader(dir.Write(archive.first, archive.second).c_str()));
        return manager.LoadAssets();
    }
    Warnings Skipped(const std::string& file, const std::string& why)
    {
        return {{"Asset Loader", "Skipped archive '" + dir.Root() + file + "': " + why}};
    }
    vorntest::DiagnosticsRecorder diagnostics;
    TempDir dir;
    AssetManager manager;
};

} // namespace

// Each row is the second line of a directory whose first line is fine; a line that is
// not usable makes the whole archive damaged: nothing of it is registered.
TEST_F(ArchiveTest, DirectoryLines)
{
    const struct {
        const char* line;
        const char* name;
        const char* variant; // "platform/major/minor" or the damage report
        std::string content;
    } cases[] = {
        {"logo.png NONE NONE NONE 4 10", "logo.png", "//", "abcdef"},
        {"Logo.PNG none NONE NONE 4 8", "logo.png", "none//", "abcd"},
        {"t.txt Linux EN GB 6 9 extra words\r", "t.txt", "linux/en/gb", "cde"},
        {"header.txt NONE NONE NONE 0 4", "header.txt", "//", Le32(10)},
        {"empty.txt NONE NONE NONE 10 10", "empty.txt", "//", ""},
        {"   ", "first.txt", "//", "ab"},
        {"few.txt NONE NONE 4 6", "", "directory line 2: expected name, platform, language major, language minor, "
                                      "start and end offsets", ""},
        {"word.txt NONE NONE NONE four 6", "", "directory line 2: expected name, platform, language major, "
                                               "language minor, start and end offsets", ""},
        {"past.txt NONE NONE NONE 4 11", "", "directory line 2 (past.txt): offsets 4..11 lie outside the data "
                                             "region 0..10", ""},
        {"back.txt NONE NONE NONE 8 6", "", "directory line 2 (back.txt): offsets 8..6 run backwards", ""},
        {"neg.txt NONE NONE NONE -1 6", "", "directory line 2 (neg.txt): offsets -1..6 lie outside the data "
                                            "region 0..10", ""},
    };
    for (const auto& c : cases) {
        AssetManager local;
        local.SetPlatform(c.variant[0] == 'n' ? "none" : "linux");
        local.SetLanguage("en", "gb");
        diagnostics.warnings.clear();
        const std::string path = dir.Write("a.vrk", RawArchive("abcdef", std::string("first.txt NONE NONE NONE 4 6\n") +
                                                                           c.line));
        local.SetAssetLoader(new ArchiveAssetLoader(path.c_str()));
        const bool ok = local.LoadAssets();
        if (!*c.name) {
            EXPECT_FALSE(ok) << c.line;
            EXPECT_EQ(local.GetAssetCount(), 0u) << c.line;
            EXPECT_EQ(diagnostics.warnings, Skipped("a.vrk", std::string("damaged directory, ") + c.variant)) << c.line;
            continue;
        }
        EXPECT_TRUE(ok) << c.line;
        Asset* asset = nullptr;
        ASSERT_TRUE(local.GetAsset(c.name, asset)) << c.line;
        EXPECT_EQ(asset->GetName(), c.name);
        EXPECT_EQ(Describe(asset), c.variant) << c.line;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(asset->GetDataPtr()), size_t(asset->GetSize())),
                  c.content);
        EXPECT_TRUE(diagnostics.warnings.empty()) << c.line;
    }
}

TEST_F(ArchiveTest, BrokenFilesFailToOpenWithClearReasons)
{
    const struct {
        std::string bytes;
        std::string error;
    } cases[] = {
        {"", "file too short for the archive header (0 bytes)"},
        {"ab", "file too short for the archive header (2 bytes)"},
        {Le32(2) + Le32(0), "directory offset 2 lies inside the header"},
        {Le32(50) + "abcd", "directory offset 50 lies past the end of the file (8 bytes)"},
        {Le32(8) + "abcd" + "xy", "directory at offset 8 is truncated (2 bytes left)"},
        {Le32(4) + Le32(1000) + "short", "directory announces 1000 bytes but only 5 follow"},
        {Le32(4) + Le32(0xffffffffu), "directory announces 4294967295 bytes but only 0 follow"},
    };
    for (const auto& c : cases) {
        ArchiveAssetLoader loader(dir.Write("bad.vrk", c.bytes).c_str());
        EXPECT_FALSE(loader.Open());
        EXPECT_FALSE(loader.IsOpen());
        EXPECT_EQ(loader.GetLastError(), c.error);
        EXPECT_TRUE(loader.LoadResources(manager)) << "nothing read, nothing to register";
    }
    EXPECT_EQ(manager.GetAssetCount(), 0u);
    ArchiveAssetLoader empty("");
    EXPECT_FALSE(empty.Open());
    EXPECT_EQ(empty.GetLastError(), "no archive path given");
    ArchiveAssetLoader directory(dir.Root().c_str());
    EXPECT_FALSE(directory.Open());
    EXPECT_EQ(directory.GetLastError(), "cannot open archive file '" + dir.Root() + "'");
}

TEST_F(ArchiveTest, TruncatedValidArchiveNeverOpens)
{
    const std::string whole = RawArchive("0123456789", "a.png NONE NONE NONE 4 14\n");
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        ArchiveAssetLoader loader(dir.Write("cut.vrk", whole.substr(0, cut)).c_str());
        EXPECT_FALSE(loader.Open()) << "cut at " << cut;
    }
}

// One broken patch among several must not take the skin down: it registers nothing,
// says why, and the sources after it still patch the ones before (the tree included).
TEST_F(ArchiveTest, DamagedArchivesAmongSeveralAreSkipped)
{
    dir.Write("tree/a.txt", "tree a");
    auto* tree = new FileAssetLoader;
    ASSERT_TRUE(tree->Init(dir.Root() + "tree/"));
    manager.SetAssetLoader(tree);
    const std::string base = RawArchive("base abase b", "a.txt NONE NONE NONE 4 10\nb.txt NONE NONE NONE 10 16\n");
    const std::string patch = RawArchive("patched a", "A.TXT NONE NONE NONE 4 13\n");
    const std::string badDirectory = RawArchive("bad b!", "b.txt NONE NONE NONE 4 10\nc.txt NONE NONE NONE 4 99\n");
    EXPECT_FALSE(Load({{"s_1.vrk", base}, {"s_2.vrk", base.substr(0, 20)}, {"s_3.vrk", badDirectory},
                       {"s_4.vrk", patch}}));
    EXPECT_EQ(manager.GetAssetCount(), 2u);
    EXPECT_EQ(TextOf(manager, "a.txt"), "patched a");
    EXPECT_EQ(TextOf(manager, "b.txt"), "base b");
    EXPECT_EQ(TextOf(manager, "c.txt"), "<missing>");
    Warnings expected = Skipped("s_2.vrk", "directory announces 53 bytes but only 0 follow");
    expected.push_back(Skipped("s_3.vrk", "damaged directory, directory line 2 (c.txt): offsets 4..99 lie outside "
                                          "the data region 0..10")[0]);
    EXPECT_EQ(diagnostics.warnings, expected);
    EXPECT_NE(diagnostics.DebugText().find(dir.Root() + "s_4.vrk\n"), std::string::npos);
}

TEST_F(ArchiveTest, WriterRoundTripsThroughLoaderAndListing)
{
    ArchiveWriter writer;
    std::string error;
    ASSERT_TRUE(writer.AddFile("Button.sts", "", "", "", Vec("size rgb 4 4\r\n"), error));
    ASSERT_TRUE(writer.AddFile("Button.sts", "generic", "en", "gb", Vec("gb"), error));
    ASSERT_TRUE(writer.AddFile("empty.txt", "linux", "", "", {}, error));
    const std::string path = dir.Root() + "w.vrk";
    ASSERT_TRUE(writer.WriteFile(path, error)) << error;
    EXPECT_EQ(ReadFile(path), RawArchive("size rgb 4 4\r\ngb", "Button.sts NONE NONE NONE 4 18\n"
                                                               "Button.sts generic en gb 18 20\n"
                                                               "empty.txt linux NONE NONE 20 20\n"));
    std::vector<std::string> problems;
    EXPECT_TRUE(ArchiveAssetLoader::Verify(path, problems));
    EXPECT_TRUE(problems.empty());
    manager.SetLanguage("en", "gb");
    manager.SetAssetLoader(new ArchiveAssetLoader(path.c_str()));
    ASSERT_TRUE(manager.LoadAssets());
    ASSERT_TRUE(manager.LoadAssets()) << "loading twice keeps the assets valid";
    EXPECT_EQ(TextOf(manager, "button.sts"), "gb");
    manager.SetLanguage("", "");
    EXPECT_EQ(TextOf(manager, "button.sts"), "size rgb 4 4\n");
}

TEST(ArchiveWriterTest, RefusesValuesTheDirectoryCannotHold)
{
    const struct {
        const char *name, *platform, *major, *minor, *error;
    } cases[] = {
        {"", "", "", "", "name is empty"},
        {"my file.png", "", "", "", "name \"my file.png\" contains white space or control characters"},
        {"a.png", "NONE", "", "", "platform \"NONE\" would be read as none"},
        {"a.png", "", "e\tn", "", "language major \"e\tn\" contains white space or control characters"},
        {"a.png", "", "", "gb", "language minor \"gb\" given without a language major"},
    };
    ArchiveWriter writer;
    std::string error;
    for (const auto& c : cases) {
        EXPECT_FALSE(writer.AddFile(c.name, c.platform, c.major, c.minor, {}, error));
        EXPECT_EQ(error, c.error);
    }
    EXPECT_FALSE(writer.AddFileFromDisk("a.png", "", "", "", "/nonexistent/file", error));
    EXPECT_EQ(error, "cannot open '/nonexistent/file'");
    EXPECT_EQ(writer.GetCount(), 0u);
    EXPECT_FALSE(writer.WriteFile("/nonexistent/dir/out.vrk", error));
    EXPECT_EQ(error, "cannot create '/nonexistent/dir/out.vrk'");
}

TEST_F(ArchiveTest, VerifyNamesEveryProblem)
{
    const std::string path = dir.Write("v.vrk", RawArchive("abcdef", "ok.txt NONE NONE NONE 4 6\n  \n"
                                                                     "short.txt NONE 4 6\n"
                                                                     "back.txt NONE NONE NONE 8 6\n"
                                                                     "past.txt NONE NONE NONE 4 12\n") +
                                                    "zz");
    std::vector<std::string> problems;
    EXPECT_FALSE(ArchiveAssetLoader::Verify(path, problems));
    EXPECT_EQ(problems,
              (std::vector<std::string>{
                  "directory line 3: expected name, platform, language major, language minor, start and end offsets",
                  "directory line 4 (back.txt): offsets 8..6 run backwards",
                  "directory line 5 (past.txt): offsets 4..12 lie outside the data region 0..10",
                  "2 stray bytes after the directory"}));
}

TEST_F(ArchiveTest, DiscoveryKeepsNumberedArchivesInNumberOrder)
{
    for (const char* name : {"res_2.vrk", "res_10.vrk", "res_1_patch.vrk", "res_x.vrk", "res.vrk", "other_1.vrk",
                             "res_3.txt", "res_.vrk", "res_4a.vrk", "Res_7.VRK", "res_7_b.vrk", "res_7_a.vrk"})
        dir.Write(name, "");
    dir.Write("res_5.vrk/inner", ""); // a directory is not an archive
    std::vector<std::string> paths;
    for (ArchiveAssetLoader* loader : ArchiveAssetLoader::GetArchiveAssetLoaders(dir.Root(), "RES")) {
        paths.push_back(loader->GetPath().substr(dir.Root().size()));
        delete loader;
    }
    EXPECT_EQ(paths, (std::vector<std::string>{"res_1_patch.vrk", "res_2.vrk", "Res_7.VRK", "res_7_a.vrk",
                                               "res_7_b.vrk", "res_10.vrk"}));
    EXPECT_EQ(diagnostics.debug, (std::vector<std::string>{dir.Root() + "\n"}));
    EXPECT_TRUE(ArchiveAssetLoader::GetArchiveAssetLoaders(dir.Root() + "absent/", "res").empty());
    EXPECT_TRUE(ArchiveAssetLoader::GetArchiveAssetLoaders("", "res").empty());
}
