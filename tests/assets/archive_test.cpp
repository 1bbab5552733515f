#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <test_support.h>
#include <vorn/assets/archive_asset_loader.h>
#include <vorn/assets/archive_writer.h>
#include <vorn/assets/asset.h>
#include <vorn/assets/asset_manager.h>

#include "asset_test_util.h"

using namespace vorn;

using assettest::TempDir;

namespace {

std::string Le32(uint32_t v)
{
    return std::string{char(v & 0xff), char((v >> 8) & 0xff), char((v >> 16) & 0xff), char((v >> 24) & 0xff)};
}

// An archive file built byte by byte: header D, data, then the directory string.
std::string RawArchive(const std::string& data, const std::string& directory)
{
    return Le32(uint32_t(4 + data.size())) + data + Le32(uint32_t(directory.size())) + directory;
}

std::vector<unsigned char> Vec(const std::string& s)
{
    return std::vector<unsigned char>(s.begin(), s.end());
}

class ArchiveTest : public ::testing::Test {
protected:
    // Registers the archive's assets with the manager; returns what Open said.
    bool LoadArchive(const std::string& bytes, const std::string& file = "a.vrk")
    {
        auto* loader = new ArchiveAssetLoader(dir.Write(file, bytes).c_str());
        manager.SetAssetLoader(loader);
        return manager.LoadAssets();
    }
    std::string Content(const char* name)
    {
        Asset* asset = nullptr;
        if (!manager.GetAsset(name, asset))
            return "<missing>";
        return std::string(reinterpret_cast<const char*>(asset->GetDataPtr()), size_t(asset->GetSize()));
    }
    std::string LastError(const std::string& bytes)
    {
        ArchiveAssetLoader loader(dir.Write("bad.vrk", bytes).c_str());
        EXPECT_FALSE(loader.Open());
        EXPECT_FALSE(loader.IsOpen());
        EXPECT_TRUE(loader.LoadResources(manager));
        EXPECT_EQ(manager.GetAssetCount(), 0u);
        return loader.GetLastError();
    }
    vorntest::DiagnosticsRecorder diagnostics;
    TempDir dir;
    AssetManager manager;
};

} // namespace

TEST_F(ArchiveTest, LineWithNoneRegistersAssetRightAfterHeader)
{
    const std::string data(100, 'x');
    ASSERT_TRUE(LoadArchive(RawArchive(data, "logo.png NONE NONE NONE 4 104\n")));
    Asset* asset = nullptr;
    ASSERT_TRUE(manager.GetAsset("logo.png", asset));
    EXPECT_EQ(asset->GetSize(), 100);
    EXPECT_EQ(asset->GetPlatform(), "");
    EXPECT_EQ(asset->GetLanguageMajor(), "");
    EXPECT_EQ(asset->GetLanguageMinor(), "");
    EXPECT_EQ(Content("logo.png"), data);
}

TEST_F(ArchiveTest, OnlyUpperCaseNoneMeansNone)
{
    ASSERT_TRUE(LoadArchive(RawArchive("abcd", "Logo.PNG none NONE NONE 4 8\n")));
    std::vector<Asset*> all;
    ASSERT_TRUE(manager.GetAllAssets("logo.png", all));
    EXPECT_TRUE(all.empty()); // platform "none" fits no tier of an unset platform
    Asset* asset = nullptr;
    ASSERT_TRUE(manager.GetBestAsset(asset, "LOGO.png", "NONE", "", ""));
    EXPECT_EQ(asset->GetName(), "logo.png");
    EXPECT_EQ(asset->GetPlatform(), "none");
}

TEST_F(ArchiveTest, LanguagesAndExtraFieldsAndCrLfLines)
{
    ASSERT_TRUE(LoadArchive(RawArchive("hello", "t.txt Linux EN GB 4 9 extra words\r\n")));
    Asset* asset = nullptr;
    ASSERT_TRUE(manager.GetBestAsset(asset, "t.txt", "linux", "en", "gb"));
    EXPECT_EQ(asset->GetLanguageMajor(), "en");
    EXPECT_EQ(asset->GetLanguageMinor(), "gb");
    EXPECT_STREQ(asset->GetTextPtr(), "hello");
}

TEST_F(ArchiveTest, MalformedAndOutOfRangeLinesRegisterNothing)
{
    const std::string directory = "good.txt NONE NONE NONE 4 6\n"
                                  "\n"
                                  "few.txt NONE NONE 4 6\n"
                                  "word.txt NONE NONE NONE four 6\n"
                                  "past.txt NONE NONE NONE 4 11\n"
                                  "back.txt NONE NONE NONE 8 6\n"
                                  "neg.txt NONE NONE NONE -1 6\n"
                                  "huge.txt NONE NONE NONE 4 99999999999999999999\n"
                                  "header.txt NONE NONE NONE 0 4\n"
                                  "empty.txt NONE NONE NONE 10 10\n"
                                  "last.txt NONE NONE NONE 6 10";
    ASSERT_TRUE(LoadArchive(RawArchive("abcdef", directory)));
    EXPECT_EQ(manager.GetAssetCount(), 4u);
    EXPECT_EQ(Content("good.txt"), "ab");
    EXPECT_EQ(Content("header.txt"), Le32(10)); // inside the data region, if useless
    EXPECT_EQ(Content("empty.txt"), "");
    EXPECT_EQ(Content("last.txt"), "cdef");
    for (const char* name : {"few.txt", "word.txt", "past.txt", "back.txt", "neg.txt", "huge.txt"})
        EXPECT_EQ(Content(name), "<missing>") << name;
}

TEST_F(ArchiveTest, OpenWritesPathToDebugOutput)
{
    const std::string path = dir.Write("d.vrk", RawArchive("", ""));
    ArchiveAssetLoader loader(path.c_str());
    ASSERT_TRUE(loader.Open());
    EXPECT_EQ(diagnostics.debug, (std::vector<std::string>{path + "\n"}));
    EXPECT_TRUE(loader.IsOpen());
    EXPECT_EQ(loader.GetDataSize(), 4);
    EXPECT_TRUE(loader.Close());
    EXPECT_FALSE(loader.IsOpen());
}

TEST_F(ArchiveTest, BrokenFilesFailToOpenWithClearReasons)
{
    ArchiveAssetLoader empty("");
    EXPECT_FALSE(empty.Open());
    EXPECT_EQ(empty.GetLastError(), "no archive path given");
    EXPECT_TRUE(diagnostics.debug.empty());

    ArchiveAssetLoader missing((dir.Root() + "none.vrk").c_str());
    EXPECT_FALSE(missing.Open());
    EXPECT_EQ(missing.GetLastError(), "cannot open archive file '" + dir.Root() + "none.vrk'");
    ArchiveAssetLoader directory(dir.Root().c_str());
    EXPECT_FALSE(directory.Open());
    EXPECT_EQ(directory.GetLastError(), "cannot open archive file '" + dir.Root() + "'");

    EXPECT_EQ(LastError(""), "file too short for the archive header (0 bytes)");
    EXPECT_EQ(LastError("ab"), "file too short for the archive header (2 bytes)");
    EXPECT_EQ(LastError(Le32(2) + Le32(0)), "directory offset 2 lies inside the header");
    EXPECT_EQ(LastError(Le32(50) + "abcd"), "directory offset 50 lies past the end of the file (8 bytes)");
    EXPECT_EQ(LastError(Le32(8) + "abcd"), "directory at offset 8 is truncated (0 bytes left)");
    EXPECT_EQ(LastError(Le32(8) + "abcd" + "xy"), "directory at offset 8 is truncated (2 bytes left)");
    EXPECT_EQ(LastError(Le32(4) + Le32(1000) + "short"), "directory announces 1000 bytes but only 5 follow");
    EXPECT_EQ(LastError(Le32(4) + Le32(0xffffffffu)), "directory announces 4294967295 bytes but only 0 follow");
}

TEST_F(ArchiveTest, TruncatedValidArchiveNeverOpens)
{
    ArchiveWriter writer;
    std::string error;
    ASSERT_TRUE(writer.AddFile("a.png", "", "", "", Vec("0123456789"), error));
    std::ostringstream out;
    ASSERT_TRUE(writer.Write(out, error));
    const std::string whole = out.str();
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        ArchiveAssetLoader loader(dir.Write("cut.vrk", whole.substr(0, cut)).c_str());
        EXPECT_FALSE(loader.Open()) << "cut at " << cut;
    }
}

TEST_F(ArchiveTest, GarbageNeverCrashesAndRegistersOnlyInRangeEntries)
{
    std::mt19937 random(1234);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(random() % 64, '\0');
        for (char& c : bytes)
            c = char(random() % 256);
        if (round % 2 && bytes.size() >= 4)
            bytes.replace(0, 4, Le32(uint32_t(random() % (bytes.size() + 1))));
        ArchiveAssetLoader loader(dir.Write("g.vrk", bytes).c_str());
        if (!loader.Open())
            continue;
        AssetManager local;
        EXPECT_TRUE(loader.LoadResources(local));
        for (const ArchiveEntry& e : loader.GetEntries())
            EXPECT_TRUE(e.start >= 0 && e.start <= e.end && e.end <= loader.GetDataSize());
    }
}

TEST_F(ArchiveTest, WriterRoundTripsThroughLoaderAndListing)
{
    ArchiveWriter writer;
    std::string error;
    ASSERT_TRUE(writer.AddFile("Button.sts", "", "", "", Vec("size rgb 4 4\r\n"), error));
    ASSERT_TRUE(writer.AddFile("Button.sts", "generic", "en", "gb", Vec("gb"), error));
    ASSERT_TRUE(writer.AddFile("empty.txt", "linux", "", "", {}, error));
    EXPECT_EQ(writer.GetCount(), 3u);
    const std::string path = dir.Root() + "w.vrk";
    ASSERT_TRUE(writer.WriteFile(path, error)) << error;

    const std::string bytes = assettest::ReadFile(path);
    const std::string directory = "Button.sts NONE NONE NONE 4 18\n"
                                  "Button.sts generic en gb 18 20\n"
                                  "empty.txt linux NONE NONE 20 20\n";
    EXPECT_EQ(bytes, RawArchive("size rgb 4 4\r\ngb", directory));

    ArchiveAssetLoader loader(path.c_str());
    ASSERT_TRUE(loader.Open());
    const std::vector<ArchiveEntry> entries = loader.GetEntries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].name, "Button.sts");
    EXPECT_EQ(entries[1].platform, "generic");
    EXPECT_EQ(entries[1].languageMajor, "en");
    EXPECT_EQ(entries[1].languageMinor, "gb");
    EXPECT_EQ(entries[1].start, 18);
    EXPECT_EQ(entries[1].Size(), 2);
    EXPECT_EQ(entries[2].platform, "linux");
    EXPECT_EQ(entries[2].languageMajor, "");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(loader.GetEntryData(entries[1])), 2), "gb");

    std::vector<std::string> problems;
    EXPECT_TRUE(ArchiveAssetLoader::Verify(path, problems));
    EXPECT_TRUE(problems.empty());

    manager.SetLanguage("en", "gb");
    manager.SetAssetLoader(new ArchiveAssetLoader(path.c_str()));
    ASSERT_TRUE(manager.LoadAssets());
    std::string text;
    ASSERT_TRUE(manager.LoadText("button.sts", text));
    EXPECT_EQ(text, "gb");
    manager.SetLanguage("", "");
    ASSERT_TRUE(manager.LoadText("button.sts", text));
    EXPECT_EQ(text, "size rgb 4 4\n");
}

TEST(ArchiveWriterTest, RefusesValuesTheDirectoryCannotHold)
{
    ArchiveWriter writer;
    std::string error;
    EXPECT_FALSE(writer.AddFile("", "", "", "", {}, error));
    EXPECT_EQ(error, "name is empty");
    EXPECT_FALSE(writer.AddFile("my file.png", "", "", "", {}, error));
    EXPECT_EQ(error, "name \"my file.png\" contains white space or control characters");
    EXPECT_FALSE(writer.AddFile("a.png", "NONE", "", "", {}, error));
    EXPECT_EQ(error, "platform \"NONE\" would be read as none");
    EXPECT_FALSE(writer.AddFile("a.png", "", "e\tn", "", {}, error));
    EXPECT_EQ(error, "language major \"e\tn\" contains white space or control characters");
    EXPECT_FALSE(writer.AddFile("a.png", "", "", "gb", {}, error));
    EXPECT_EQ(error, "language minor \"gb\" given without a language major");
    EXPECT_FALSE(writer.AddFileFromDisk("a.png", "", "", "", "/nonexistent/file", error));
    EXPECT_EQ(error, "cannot open '/nonexistent/file'");
    EXPECT_EQ(writer.GetCount(), 0u);
    EXPECT_FALSE(writer.WriteFile("/nonexistent/dir/out.vrk", error));
    EXPECT_EQ(error, "cannot create '/nonexistent/dir/out.vrk'");
}

TEST_F(ArchiveTest, VerifyNamesEveryProblem)
{
    const std::string path = dir.Write("v.vrk", RawArchive("abcdef", "ok.txt NONE NONE NONE 4 6\n"
                                                                   "  \n"
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

    problems.clear();
    EXPECT_FALSE(ArchiveAssetLoader::Verify(dir.Write("t.vrk", "abc"), problems));
    EXPECT_EQ(problems, (std::vector<std::string>{"file too short for the archive header (3 bytes)"}));
}

TEST_F(ArchiveTest, HigherNumberedArchivesPatchLowerOnes)
{
    ArchiveWriter base, patch;
    std::string error;
    ASSERT_TRUE(base.AddFile("a.txt", "", "", "", Vec("base a"), error));
    ASSERT_TRUE(base.AddFile("b.txt", "", "", "", Vec("base b"), error));
    ASSERT_TRUE(patch.AddFile("A.TXT", "", "", "", Vec("patched a"), error));
    ASSERT_TRUE(patch.WriteFile(dir.Root() + "skin_2.vrk", error));
    ASSERT_TRUE(base.WriteFile(dir.Root() + "skin_1.vrk", error));
    for (ArchiveAssetLoader* loader : ArchiveAssetLoader::GetArchiveAssetLoaders(dir.Root(), "skin"))
        manager.SetAssetLoader(loader);
    ASSERT_TRUE(manager.LoadAssets());
    EXPECT_EQ(manager.GetAssetCount(), 2u);
    EXPECT_EQ(Content("a.txt"), "patched a");
    EXPECT_EQ(Content("b.txt"), "base b");
}

TEST_F(ArchiveTest, DiscoveryKeepsNumberedArchivesInNumberOrder)
{
    for (const char* name : {"res_2.vrk", "res_10.vrk", "res_1_patch.vrk", "res_x.vrk", "res.vrk", "other_1.vrk",
                             "res_3.txt", "res_.vrk", "res_4a.vrk", "Res_7.VRK", "res_7_b.vrk", "res_7_a.vrk"})
        dir.Write(name, "");
    dir.Write("res_5.vrk/inner", ""); // a directory is not an archive
    const std::vector<ArchiveAssetLoader*> loaders = ArchiveAssetLoader::GetArchiveAssetLoaders(dir.Root(), "RES");
    std::vector<std::string> paths;
    for (ArchiveAssetLoader* loader : loaders) {
        paths.push_back(loader->GetPath().substr(dir.Root().size()));
        delete loader;
    }
    EXPECT_EQ(paths, (std::vector<std::string>{"res_1_patch.vrk", "res_2.vrk", "Res_7.VRK", "res_7_a.vrk",
                                               "res_7_b.vrk", "res_10.vrk"}));
    EXPECT_EQ(diagnostics.debug, (std::vector<std::string>{dir.Root() + "\n"}));
}

TEST_F(ArchiveTest, DiscoveryKeepsNamesThatAreNotUtf8)
{
    dir.Write("res_2_caf\xe9.vrk", RawArchive("ab", "x.txt NONE NONE NONE 4 6\n"));
    const std::vector<ArchiveAssetLoader*> loaders = ArchiveAssetLoader::GetArchiveAssetLoaders(dir.Root(), "res");
    ASSERT_EQ(loaders.size(), 1u);
    EXPECT_EQ(loaders[0]->GetPath(), dir.Root() + "res_2_caf\xe9.vrk");
    manager.SetAssetLoader(loaders[0]);
    ASSERT_TRUE(manager.LoadAssets());
    EXPECT_EQ(Content("x.txt"), "ab");
}

TEST_F(ArchiveTest, DiscoveryInMissingDirectoryFindsNothing)
{
    EXPECT_TRUE(ArchiveAssetLoader::GetArchiveAssetLoaders(dir.Root() + "absent/", "res").empty());
    EXPECT_TRUE(ArchiveAssetLoader::GetArchiveAssetLoaders("", "res").empty());
}
