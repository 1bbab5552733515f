// vrk: packing a skin tree, listing, extracting and verifying archives.
#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/assets/archive_asset_loader.h>
#include <vorn/assets/archive_writer.h>
#include <vorn/assets/asset.h>
#include <vorn/assets/asset_loader.h>
#include <vorn/assets/asset_manager.h>

#include "asset_test_util.h"
#include "skin_check.h"
#include "vrk_commands.h"

using namespace vorn;
using assettest::ReadFile;

namespace fs = std::filesystem;

namespace {

// Every plain file below a root, as (relative path, content), sorted.
std::vector<std::pair<std::string, std::string>> TreeContents(const fs::path& root)
{
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file())
            files.emplace_back(fs::relative(e.path(), root).generic_string(), ReadFile(e.path().string()));
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
        MakeSkinTree();
        archive = (dir / "skin.vrk").string();
        ASSERT_EQ(Run({"pack", archive, (dir / "skin").string()}), kVrkOk) << err.str();
    }

    int Run(const std::vector<std::string>& args)
    {
        out.str("");
        err.str("");
        return RunVrk(args, out, err);
    }

    // A skin tree using every level the directory loader reads, and things it skips.
    void MakeSkinTree()
    {
        tmp.Write("skin/readme.txt", "top level");
        tmp.Write("skin/Readme", "no extension");
        tmp.Write("skin/Generic/button.sts", "generic button");
        tmp.Write("skin/Generic/english/msg.txt", "hello");
        tmp.Write("skin/Generic/english/uk/msg.txt", "hello, old chap");
        tmp.Write("skin/linux/button.sts", std::string("bin\0ary\r\n", 9));
        tmp.Write("skin/linux/english/uk/Logo.PNG", "png bytes");
        tmp.Write("skin/linux/english/uk/deeper/ignored.txt", "never read");
        tmp.Write("skin/.hidden/x.txt", "hidden");
        tmp.Write("skin/Generic/.swap", "hidden");
    }

    assettest::TempDir tmp;
    const fs::path dir = tmp.Root();
    std::string archive; // the skin tree, packed
    std::ostringstream out, err;
};

const std::vector<std::string> kTreeNames = {"readme.txt", "readme.", "button.sts", "msg.txt", "logo.png",
                                             "ignored.txt", "x.txt", ".swap"};

} // namespace

TEST_F(Vrk, PackedTreeRegistersWhatTheDirectoryLoaderRegisters)
{
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
    // What the tree holds is pinned by the listing below.
    const std::vector<Registered> registered = RegisteredAssets(fromTree, kTreeNames);
    EXPECT_EQ(registered.size(), 7u);
    EXPECT_EQ(RegisteredAssets(fromArchive, kTreeNames), registered);
}

TEST_F(Vrk, ListAndExtractRebuildTheTreeThatRepacksToTheSameBytes)
{
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
    ASSERT_EQ(Run({"extract", archive, (dir / "out").string()}), kVrkOk) << err.str();
    EXPECT_EQ(out.str(), "extracted 7 files into " + (dir / "out").string() + "\n");
    // Where each entry goes is TreeDirectoryFor's (below); repacking shows nothing was lost.
    EXPECT_EQ(TreeContents(dir / "out").size(), 7u);
    ASSERT_EQ(Run({"pack", (dir / "again.vrk").string(), (dir / "out").string()}), kVrkOk);
    EXPECT_EQ(ReadFile(dir / "again.vrk"), ReadFile(archive));
}

TEST_F(Vrk, VerifyAcceptsAGoodArchiveAndEveryCommandRejectsATruncatedOne)
{
    ASSERT_EQ(Run({"verify", archive}), kVrkOk) << err.str();
    EXPECT_EQ(out.str(), archive + ": ok, 7 entries, 73 bytes of data\n");
    const std::string bytes = ReadFile(archive);
    for (size_t keep : {bytes.size() - 1, size_t(50), size_t(3)}) {
        const std::string cut = tmp.Write("cut.vrk", bytes.substr(0, keep));
        EXPECT_EQ(Run({"verify", cut}), kVrkFailed) << "kept " << keep;
        EXPECT_EQ(err.str().rfind(cut + ": ", 0), 0u) << err.str();
        EXPECT_EQ(Run({"list", cut}), kVrkFailed) << "kept " << keep;
        EXPECT_EQ(err.str().rfind("vrk: cannot read '" + cut + "': ", 0), 0u) << err.str();
        EXPECT_EQ(Run({"extract", cut, (dir / "x").string()}), kVrkFailed);
        EXPECT_FALSE(fs::exists(dir / "x"));
        EXPECT_EQ(out.str(), "");
    }
}

// A damaged archive: vrk verify names every bad line, and the skin checker, loading
// it as a host would, fails on it and on a truncated one.
TEST_F(Vrk, DamagedArchivesFailVerifyAndTheSkinCheck)
{
    // Header (data ends at 8), four data bytes, then a directory of one good line,
    // one running past the data, one running backwards and one that does not parse.
    const std::string directory = "good NONE NONE NONE 4 8\nfar NONE NONE NONE 4 9\n"
                                  "back NONE NONE NONE 7 5\nshort NONE 4\n";
    const std::string path = tmp.Write("bad.vrk", assettest::RawArchive("abcd", directory));
    const std::string cut = tmp.Write("cut.vrk", ReadFile(archive).substr(0, 50));
    EXPECT_EQ(Run({"verify", path}), kVrkFailed);
    EXPECT_EQ(err.str(), path + ": directory line 2 (far): offsets 4..9 lie outside the data region 0..8\n" + path +
                             ": directory line 3 (back): offsets 7..5 run backwards\n" + path +
                             ": directory line 4: expected name, platform, language major, language minor, start "
                             "and end offsets\n");
    // list shows the usable entry and says that a host takes nothing from the archive.
    EXPECT_EQ(Run({"list", path}), kVrkOk);
    EXPECT_EQ(out.str(), "NAME  PLATFORM  LANGUAGES  SIZE\ngood  -         -          4\n");
    EXPECT_EQ(err.str(), "vrk: 3 directory lines give no entry, so a host registers nothing from this archive "
                         "(see vrk verify)\n");

    out.str("");
    EXPECT_EQ(RunSkinCheck({archive, cut, path}, out, err), 1);
    EXPECT_EQ(out.str(), cut + ": error: cannot open the archive: directory offset 77 lies past the end of the file "
                               "(50 bytes)\n" +
                             path + ": error: damaged archive, directory line 2 (far): offsets 4..9 lie outside the "
                                    "data region 0..8\n" +
                             path + ": error: damaged archive, directory line 3 (back): offsets 7..5 run backwards\n" +
                             path + ": error: damaged archive, directory line 4: expected name, platform, language "
                                    "major, language minor, start and end offsets\n"
                                    "skin check: 0 assets checked, 4 errors, 0 missing, 0 unused\n");
}

TEST_F(Vrk, ExtractRefusesEntriesWithoutAPlaceInTheTree)
{
    ArchiveWriter writer;
    std::string error;
    const std::vector<unsigned char> data = {'x'};
    ASSERT_TRUE(writer.AddFile("ok.txt", "", "", "", data, error));
    ASSERT_TRUE(writer.AddFile("lang.txt", "", "english", "", data, error));
    ASSERT_TRUE(writer.AddFile("../escape.txt", "generic", "", "", data, error));
    ASSERT_TRUE(writer.AddFile("Caps.TXT", "Generic", "EN", "", data, error));
    ASSERT_TRUE(writer.WriteFile((dir / "odd.vrk").string(), error)) << error;

    EXPECT_EQ(Run({"extract", (dir / "odd.vrk").string(), (dir / "out").string()}), kVrkFailed);
    EXPECT_EQ(err.str(), "vrk: cannot extract 'lang.txt': the tree has no place for a language without a platform\n"
                         "vrk: cannot extract '../escape.txt': the name cannot be a file name\n");
    EXPECT_EQ(out.str(), "extracted 2 files into " + (dir / "out").string() + "\n");
    const std::vector<std::pair<std::string, std::string>> expected = {{"Generic/en/caps.txt", "x"},
                                                                       {"ok.txt", "x"}};
    EXPECT_EQ(TreeContents(dir / "out"), expected);
    EXPECT_FALSE(fs::exists(dir / "escape.txt"));
}

TEST_F(Vrk, PackRefusesWhatAnArchiveCannotHoldAndLeavesOutItsOwnOutput)
{
    EXPECT_EQ(Run({"pack", (dir / "a.vrk").string(), (dir / "none").string()}), kVrkFailed);
    EXPECT_EQ(err.str(), "vrk: '" + (dir / "none").string() + "' is not a directory\n");
    tmp.Write("bad/my button.sts", "x");
    EXPECT_EQ(Run({"pack", (dir / "a.vrk").string(), (dir / "bad").string()}), kVrkFailed);
    EXPECT_EQ(err.str(), "vrk: cannot pack '" + (dir / "bad/my button.sts").string() +
                             "': name \"my button.sts\" contains white space or control characters\n");
    EXPECT_FALSE(fs::exists(dir / "a.vrk"));

    fs::create_directories(dir / "empty");
    ASSERT_EQ(Run({"pack", (dir / "e.vrk").string(), (dir / "empty").string()}), kVrkOk);
    ASSERT_EQ(Run({"verify", (dir / "e.vrk").string()}), kVrkOk) << err.str();
    EXPECT_EQ(out.str(), (dir / "e.vrk").string() + ": ok, 0 entries, 0 bytes of data\n");

    tmp.Write("own/a.txt", "a");
    tmp.Write("own/Linux/b.txt", "b");
    const std::string inside = (dir / "own/own.vrk").string();
    ASSERT_EQ(Run({"pack", inside, (dir / "own").string()}), kVrkOk);
    EXPECT_EQ(err.str(), "vrk: note: directory '" + (dir / "own/Linux").string() + "' is stored as 'linux'\n");
    ASSERT_EQ(Run({"pack", inside, (dir / "own").string()}), kVrkOk);
    EXPECT_EQ(out.str(), "packed 2 files into " + inside + "\n");
}

TEST_F(Vrk, CommandLineMistakesPrintUsage)
{
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {{{}, "vrk: no command given\n"},
                 {{"squash", "x"}, "vrk: unknown command 'squash'\n"},
                 {{"pack", "only.vrk"}, "vrk: pack expects OUT.vrk DIR\n"},
                 {{"list", "a.vrk", "b.vrk"}, "vrk: list expects FILE.vrk\n"}};
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.args), kVrkUsage);
        EXPECT_EQ(err.str().rfind(std::string(c.message) + "usage: vrk pack OUT.vrk DIR", 0), 0u) << err.str();
    }
    EXPECT_EQ(Run({"--help"}), kVrkOk);
    EXPECT_EQ(out.str().rfind("usage: vrk pack OUT.vrk DIR", 0), 0u);
    EXPECT_EQ(err.str(), "");
}

TEST(VrkNames, AssetNamesAndTreeDirectories)
{
    EXPECT_EQ(AssetNameForFile("Button.STS") + " " + AssetNameForFile("Readme") + " " +
                  AssetNameForFile("trailing.") + " " + AssetNameForFile("a.tar.gz"),
              "button.sts readme. trailing. a.tar.gz");
    const struct {
        const char *platform, *major, *minor, *result;
    } cases[] = {{"", "", "", ""},
                 {"generic", "english", "uk", "Generic/english/uk/"},
                 {"mac", "french", "", "mac/french/"},
                 {"mac", "", "uk", "the tree has no place for a sub-language without a language"},
                 {"", "en", "", "the tree has no place for a language without a platform"},
                 {"mac", "a/b", "", "\"a/b\" cannot be a directory name"}};
    for (const auto& c : cases) {
        std::string d, why;
        const bool ok = TreeDirectoryFor(c.platform, c.major, c.minor, d, why);
        EXPECT_EQ(ok ? d : why, c.result);
        EXPECT_EQ(ok, why.empty());
    }
}
