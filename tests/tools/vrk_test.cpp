// vrk: packing a skin tree, listing, extracting and verifying archives.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include <vorn/assets/archive_asset_loader.h>
#include <vorn/assets/archive_writer.h>
#include <vorn/assets/asset.h>
#include <vorn/assets/asset_loader.h>
#include <vorn/assets/asset_manager.h>

#include "vrk_commands.h"

using namespace vorn;

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& p, const std::string& bytes)
{
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out << bytes;
}

// Every plain file below a root, as (relative path, content), sorted.
std::vector<std::pair<std::string, std::string>> TreeContents(const fs::path& root)
{
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file())
            files.emplace_back(fs::relative(e.path(), root).generic_string(), ReadFile(e.path()));
    std::sort(files.begin(), files.end());
    return files;
}

typedef std::tuple<std::string, std::string, std::string, std::string, std::string> Registered;

// What a manager registered for the given names: name, platform, languages and bytes.
std::vector<Registered> RegisteredAssets(AssetManager& manager, const std::vector<std::string>& names)
{
    std::vector<Registered> out;
    for (const std::string& name : names) {
        std::vector<Asset*> assets;
        manager.GetAllAssets(name.c_str(), assets);
        for (Asset* a : assets) {
            a->Open();
            const char* bytes = reinterpret_cast<const char*>(a->GetDataPtr());
            out.emplace_back(a->GetName(), a->GetPlatform(), a->GetLanguageMajor(), a->GetLanguageMinor(),
                             std::string(bytes ? bytes : "", bytes ? a->GetSize() : 0));
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

class Vrk : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() /
              ("vrk_test_" + std::to_string(getpid()) + "_" + info->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    int Run(const std::vector<std::string>& args)
    {
        out.str("");
        err.str("");
        return RunVrk(args, out, err);
    }

    // A skin tree using every level the directory loader reads, and things it skips.
    void MakeSkinTree(const fs::path& root)
    {
        WriteFile(root / "readme.txt", "top level");
        WriteFile(root / "Readme", "no extension");
        WriteFile(root / "Generic/button.sts", "generic button");
        WriteFile(root / "Generic/english/msg.txt", "hello");
        WriteFile(root / "Generic/english/uk/msg.txt", "hello, old chap");
        WriteFile(root / "linux/button.sts", std::string("bin\0ary\r\n", 9));
        WriteFile(root / "linux/english/uk/Logo.PNG", "png bytes");
        WriteFile(root / "linux/english/uk/deeper/ignored.txt", "never read");
        WriteFile(root / ".hidden/x.txt", "hidden");
        WriteFile(root / "Generic/.swap", "hidden");
    }

    fs::path dir;
    std::ostringstream out, err;
};

const std::vector<std::string> kTreeNames = {"readme.txt", "readme.", "button.sts", "msg.txt", "logo.png",
                                             "ignored.txt", "x.txt", ".swap"};

} // namespace

TEST_F(Vrk, PackedTreeRegistersWhatTheDirectoryLoaderRegisters)
{
    MakeSkinTree(dir / "skin");
    const std::string archive = (dir / "skin.vrk").string();
    ASSERT_EQ(Run({"pack", archive, (dir / "skin").string()}), kVrkOk) << err.str();
    EXPECT_EQ(out.str(), "packed 7 files into " + archive + "\n");
    EXPECT_NE(err.str().find("skipping '" + (dir / "skin/linux/english/uk/deeper").string() + "'"),
              std::string::npos)
        << err.str();

    AssetManager fromTree, fromArchive;
    for (AssetManager* m : {&fromTree, &fromArchive}) {
        m->SetPlatform("linux");
        m->SetLanguage("english", "uk");
    }
    FileAssetLoader* files = new FileAssetLoader;
    ASSERT_TRUE(files->Init((dir / "skin").string() + "/"));
    fromTree.SetAssetLoader(files);
    ASSERT_TRUE(fromTree.LoadAssets());
    fromArchive.SetAssetLoader(new ArchiveAssetLoader(archive.c_str()));
    ASSERT_TRUE(fromArchive.LoadAssets());

    const std::vector<Registered> expected = {
        {"button.sts", "generic", "", "", "generic button"},
        {"button.sts", "linux", "", "", std::string("bin\0ary\r\n", 9)},
        {"logo.png", "linux", "english", "uk", "png bytes"},
        {"msg.txt", "generic", "english", "", "hello"},
        {"msg.txt", "generic", "english", "uk", "hello, old chap"},
        {"readme.", "", "", "", "no extension"},
        {"readme.txt", "", "", "", "top level"},
    };
    EXPECT_EQ(RegisteredAssets(fromTree, kTreeNames), expected);
    EXPECT_EQ(RegisteredAssets(fromArchive, kTreeNames), expected);
}

TEST_F(Vrk, ListShowsNamePlatformLanguagesAndSize)
{
    MakeSkinTree(dir / "skin");
    const std::string archive = (dir / "skin.vrk").string();
    ASSERT_EQ(Run({"pack", archive, (dir / "skin").string()}), kVrkOk);
    ASSERT_EQ(Run({"list", archive}), kVrkOk) << err.str();
    // Files of a directory come before its sub-directories, each sorted by name.
    EXPECT_EQ(out.str(), "NAME        PLATFORM  LANGUAGES   SIZE\n"
                         "readme.     -         -           12\n"
                         "readme.txt  -         -           9\n"
                         "button.sts  generic   -           14\n"
                         "msg.txt     generic   english     5\n"
                         "msg.txt     generic   english/uk  15\n"
                         "button.sts  linux     -           9\n"
                         "logo.png    linux     english/uk  9\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(Vrk, ExtractRebuildsTheTreeAndRepacksToTheSameBytes)
{
    MakeSkinTree(dir / "skin");
    const fs::path archive = dir / "skin.vrk";
    ASSERT_EQ(Run({"pack", archive.string(), (dir / "skin").string()}), kVrkOk);
    ASSERT_EQ(Run({"extract", archive.string(), (dir / "out").string()}), kVrkOk) << err.str();
    EXPECT_EQ(out.str(), "extracted 7 files into " + (dir / "out").string() + "\n");

    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Generic/button.sts", "generic button"},
        {"Generic/english/msg.txt", "hello"},
        {"Generic/english/uk/msg.txt", "hello, old chap"},
        {"linux/button.sts", std::string("bin\0ary\r\n", 9)},
        {"linux/english/uk/logo.png", "png bytes"},
        {"readme.", "no extension"},
        {"readme.txt", "top level"},
    };
    EXPECT_EQ(TreeContents(dir / "out"), expected);

    ASSERT_EQ(Run({"pack", (dir / "again.vrk").string(), (dir / "out").string()}), kVrkOk);
    EXPECT_EQ(ReadFile(dir / "again.vrk"), ReadFile(archive));
}

TEST_F(Vrk, VerifyAcceptsAGoodArchiveAndRejectsATruncatedOne)
{
    MakeSkinTree(dir / "skin");
    const fs::path archive = dir / "skin.vrk";
    ASSERT_EQ(Run({"pack", archive.string(), (dir / "skin").string()}), kVrkOk);
    ASSERT_EQ(Run({"verify", archive.string()}), kVrkOk) << err.str();
    EXPECT_EQ(out.str(), archive.string() + ": ok, 7 entries, 73 bytes of data\n");

    const std::string bytes = ReadFile(archive);
    for (size_t keep : {bytes.size() - 1, bytes.size() - 40, size_t(50), size_t(3), size_t(0)}) {
        const fs::path cut = dir / "cut.vrk";
        WriteFile(cut, bytes.substr(0, keep));
        EXPECT_EQ(Run({"verify", cut.string()}), kVrkFailed) << "kept " << keep;
        EXPECT_EQ(err.str().rfind(cut.string() + ": ", 0), 0u) << err.str();
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(Run({"list", cut.string()}), kVrkFailed) << "kept " << keep;
        EXPECT_EQ(err.str().rfind("vrk: cannot read '" + cut.string() + "': ", 0), 0u) << err.str();
        EXPECT_EQ(Run({"extract", cut.string(), (dir / "x").string()}), kVrkFailed);
        EXPECT_FALSE(fs::exists(dir / "x"));
    }
    EXPECT_EQ(Run({"verify", (dir / "missing.vrk").string()}), kVrkFailed);
}

TEST_F(Vrk, VerifyNamesEveryBadDirectoryLine)
{
    // Header (data ends at 8), four data bytes, then a directory of one good line,
    // one running past the data, one running backwards and one that does not parse.
    const std::string directory = "good NONE NONE NONE 4 8\n"
                                  "far NONE NONE NONE 4 9\n"
                                  "back NONE NONE NONE 7 5\n"
                                  "short NONE 4\n";
    std::string bytes("\x08\0\0\0abcd", 8);
    const uint32_t n = static_cast<uint32_t>(directory.size());
    bytes += std::string{char(n & 0xff), char((n >> 8) & 0xff), char((n >> 16) & 0xff), char(n >> 24)};
    bytes += directory;
    WriteFile(dir / "bad.vrk", bytes);

    const std::string path = (dir / "bad.vrk").string();
    EXPECT_EQ(Run({"verify", path}), kVrkFailed);
    std::vector<std::string> lines;
    std::istringstream errLines(err.str());
    for (std::string line; std::getline(errLines, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 3u) << err.str();
    EXPECT_NE(lines[0].find("directory line 2 (far)"), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find("directory line 3 (back)"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find("directory line 4"), std::string::npos) << lines[2];

    // list shows the usable entry and points at verify for the rest.
    EXPECT_EQ(Run({"list", path}), kVrkOk);
    EXPECT_EQ(out.str(), "NAME  PLATFORM  LANGUAGES  SIZE\ngood  -         -          4\n");
    EXPECT_EQ(err.str(), "vrk: 3 directory lines give no entry (see vrk verify)\n");
}

TEST_F(Vrk, ExtractRefusesEntriesWithoutAPlaceInTheTree)
{
    ArchiveWriter writer;
    std::string error;
    const std::vector<unsigned char> data = {'x'};
    ASSERT_TRUE(writer.AddFile("ok.txt", "", "", "", data, error));
    ASSERT_TRUE(writer.AddFile("lang.txt", "", "english", "", data, error));
    ASSERT_TRUE(writer.AddFile("../escape.txt", "generic", "", "", data, error));
    ASSERT_TRUE(writer.AddFile("up.txt", "..", "", "", data, error));
    ASSERT_TRUE(writer.AddFile("Caps.TXT", "Generic", "EN", "", data, error));
    ASSERT_TRUE(writer.WriteFile((dir / "odd.vrk").string(), error)) << error;

    EXPECT_EQ(Run({"extract", (dir / "odd.vrk").string(), (dir / "out").string()}), kVrkFailed);
    EXPECT_EQ(err.str(), "vrk: cannot extract 'lang.txt': the tree has no place for a language without a platform\n"
                         "vrk: cannot extract '../escape.txt': the name cannot be a file name\n"
                         "vrk: cannot extract 'up.txt': \"..\" cannot be a directory name\n");
    EXPECT_EQ(out.str(), "extracted 2 files into " + (dir / "out").string() + "\n");
    const std::vector<std::pair<std::string, std::string>> expected = {{"Generic/en/caps.txt", "x"},
                                                                       {"ok.txt", "x"}};
    EXPECT_EQ(TreeContents(dir / "out"), expected);
    EXPECT_FALSE(fs::exists(dir / "escape.txt"));
    EXPECT_FALSE(fs::exists(dir / "up.txt"));
}

TEST_F(Vrk, PackRefusesWhatAnArchiveCannotHold)
{
    EXPECT_EQ(Run({"pack", (dir / "a.vrk").string(), (dir / "none").string()}), kVrkFailed);
    EXPECT_EQ(err.str(), "vrk: '" + (dir / "none").string() + "' is not a directory\n");

    WriteFile(dir / "skin/my button.sts", "x");
    EXPECT_EQ(Run({"pack", (dir / "a.vrk").string(), (dir / "skin").string()}), kVrkFailed);
    EXPECT_NE(err.str().find("vrk: cannot pack '" + (dir / "skin/my button.sts").string() + "': name"),
              std::string::npos)
        << err.str();
    EXPECT_FALSE(fs::exists(dir / "a.vrk"));
}

TEST_F(Vrk, PackLeavesOutItsOwnEarlierOutputAndFoldsDirectoryNames)
{
    WriteFile(dir / "skin/a.txt", "a");
    WriteFile(dir / "skin/Linux/b.txt", "b");
    const std::string archive = (dir / "skin/skin.vrk").string();
    ASSERT_EQ(Run({"pack", archive, (dir / "skin").string()}), kVrkOk);
    EXPECT_EQ(err.str(), "vrk: note: directory '" + (dir / "skin/Linux").string() + "' is stored as 'linux'\n");
    ASSERT_EQ(Run({"pack", archive, (dir / "skin").string()}), kVrkOk);
    EXPECT_EQ(out.str(), "packed 2 files into " + archive + "\n");
}

TEST_F(Vrk, EmptyTreeMakesAValidEmptyArchive)
{
    fs::create_directories(dir / "empty");
    const std::string archive = (dir / "e.vrk").string();
    ASSERT_EQ(Run({"pack", archive, (dir / "empty").string()}), kVrkOk);
    ASSERT_EQ(Run({"verify", archive}), kVrkOk) << err.str();
    EXPECT_EQ(out.str(), archive + ": ok, 0 entries, 0 bytes of data\n");
}

TEST_F(Vrk, CommandLineMistakesPrintUsage)
{
    EXPECT_EQ(Run({}), kVrkUsage);
    EXPECT_EQ(err.str().rfind("vrk: no command given\nusage: vrk pack OUT.vrk DIR", 0), 0u) << err.str();
    EXPECT_EQ(Run({"squash", "x"}), kVrkUsage);
    EXPECT_EQ(err.str().rfind("vrk: unknown command 'squash'\n", 0), 0u);
    EXPECT_EQ(Run({"pack", "only.vrk"}), kVrkUsage);
    EXPECT_EQ(err.str().rfind("vrk: pack expects OUT.vrk DIR\n", 0), 0u);
    EXPECT_EQ(Run({"list", "a.vrk", "b.vrk"}), kVrkUsage);
    EXPECT_EQ(err.str().rfind("vrk: list expects FILE.vrk\n", 0), 0u);
    EXPECT_EQ(Run({"--help"}), kVrkOk);
    EXPECT_EQ(out.str().rfind("usage: vrk pack OUT.vrk DIR", 0), 0u);
    EXPECT_EQ(err.str(), "");
}

TEST(VrkNames, FileNamesBecomeAssetNamesAsTheDirectoryLoaderMakesThem)
{
    EXPECT_EQ(AssetNameForFile("Button.STS"), "button.sts");
    EXPECT_EQ(AssetNameForFile("Readme"), "readme.");
    EXPECT_EQ(AssetNameForFile("trailing."), "trailing.");
    EXPECT_EQ(AssetNameForFile("a.tar.gz"), "a.tar.gz");
}

TEST(VrkNames, TreeDirectories)
{
    std::string d, why;
    ASSERT_TRUE(TreeDirectoryFor("", "", "", d, why));
    EXPECT_EQ(d, "");
    ASSERT_TRUE(TreeDirectoryFor("generic", "english", "uk", d, why));
    EXPECT_EQ(d, "Generic/english/uk/");
    ASSERT_TRUE(TreeDirectoryFor("mac", "french", "", d, why));
    EXPECT_EQ(d, "mac/french/");
    EXPECT_FALSE(TreeDirectoryFor("mac", "", "uk", d, why));
    EXPECT_EQ(why, "the tree has no place for a sub-language without a language");
    EXPECT_FALSE(TreeDirectoryFor("mac", "a/b", "", d, why));
    EXPECT_EQ(why, "\"a/b\" cannot be a directory name");
}
