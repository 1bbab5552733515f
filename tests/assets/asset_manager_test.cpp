#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <test_support.h>
#include <vorn/assets/asset.h>
#include <vorn/assets/asset_loader.h>
#include <vorn/assets/asset_manager.h>

#include "asset_test_util.h"

using namespace vorn;
using namespace assettest;

namespace {

struct Variant {
    const char* platform;
    const char* major;
    const char* minor;
};

// The seven tiers for platform linux, language en/gb, best first.
const std::vector<Variant> kTiers = {{"linux", "en", "gb"}, {"generic", "en", "gb"}, {"linux", "en", ""},
                                     {"generic", "en", ""}, {"linux", "", ""},       {"generic", "", ""},
                                     {"", "", ""}};

class AssetManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        manager.SetPlatform("Linux");
        manager.SetLanguage("En", "GB");
    }
    void Add(const Variant& v, const std::string& name = "a.png")
    {
        manager.SetAsset(new MemoryAsset(name, v.platform, v.major, v.minor, "", &deaths));
    }
    std::string Best(const char* name = "a.png")
    {
        Asset* out = nullptr;
        return manager.GetAsset(name, out) ? Describe(out) : "<none>";
    }
    void AddText(const std::string& name, const std::string& text)
    {
        manager.SetAsset(new MemoryAsset(name, "", "", "", text));
    }
    int deaths = 0;
    AssetManager manager;
};

} // namespace

TEST_F(AssetManagerTest, EachTierBeatsAllLowerOnes)
{
    for (size_t first = 0; first < kTiers.size(); ++first) {
        manager.Clear(); // keeps platform and language
        // registered worst first, so that registry order cannot explain the choice
        for (size_t i = kTiers.size(); i-- > first;)
            Add(kTiers[i]);
        const Variant& v = kTiers[first];
        EXPECT_EQ(Best("A.PNG"), std::string(v.platform) + "/" + v.major + "/" + v.minor) << "tier " << first + 1;
    }
}

TEST_F(AssetManagerTest, VariantsOfAnotherPlatformOrSubLanguageAreNeverChosen)
{
    const struct {
        std::vector<Variant> registered;
        const char* best;
    } cases[] = {
        {{{"generic", "en", ""}, {"linux", "", ""}, {"", "", ""}}, "generic/en/"},
        {{{"linux", "en", "us"}, {"windows", "", ""}, {"", "", ""}}, "//"},
        {{{"windows", "", ""}, {"", "en", ""}, {"linux", "fr", ""}}, "<none>"},
    };
    for (const auto& c : cases) {
        manager.Clear();
        for (const Variant& v : c.registered)
            Add(v);
        Asset* out = reinterpret_cast<Asset*>(&manager); // must stay untouched on failure
        const bool found = manager.GetAsset("a.png", out);
        EXPECT_EQ(found ? Describe(out) : "<none>", c.best);
        EXPECT_TRUE(found || out == reinterpret_cast<Asset*>(&manager)) << "a failed look-up leaves `out` alone";
    }
    manager.Clear();
    Add({"generic", "fr", ""});
    Asset* out = nullptr;
    ASSERT_TRUE(manager.GetBestAsset(out, "a.Png", "LINUX", "FR", "XX"));
    EXPECT_EQ(Describe(out), "generic/fr/");
    EXPECT_EQ(Best(), "<none>");
    manager.SetLanguage("FR", "");
    EXPECT_EQ(Best(), "generic/fr/") << "changing the language later changes the choice";
}

TEST_F(AssetManagerTest, RegisteringSameVariantReplacesAndDeletesTheFirst)
{
    manager.SetAsset(new MemoryAsset("a.png", "linux", "", "", "first", &deaths));
    manager.SetAsset(new MemoryAsset("a.png", "", "", "", "other", &deaths));
    manager.SetAsset(new MemoryAsset("A.PNG", "LINUX", "", "", "second", &deaths));
    EXPECT_EQ(deaths, 1);
    EXPECT_EQ(manager.GetAssetCount(), 2u);
    EXPECT_EQ(TextOf(manager, "a.png"), "second");
    EXPECT_FALSE(manager.SetAsset(nullptr));
}

TEST_F(AssetManagerTest, AllAssetsListsFittingVariantsInRegistrationOrder)
{
    for (const Variant& v : std::vector<Variant>{{"", "", ""}, {"windows", "", ""}, {"linux", "en", "gb"},
                                                 {"generic", "", ""}, {"linux", "en", "us"}})
        Add(v);
    std::vector<Asset*> out(1, nullptr); // appended to, not cleared
    ASSERT_TRUE(manager.GetAllAssets("A.png", out));
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(Describe(out[1]) + " " + Describe(out[2]) + " " + Describe(out[3]), "// linux/en/gb generic//");
    out.clear();
    Add({"windows", "", ""}, "b.png");
    EXPECT_TRUE(manager.GetAllAssets("b.png", out)); // the name exists, nothing fits
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(manager.GetAllAssets("c.png", out));
}

namespace {

// A loader that logs what the manager asks of it; "!open" or "!load" in its name makes
// that step fail.
class ScriptedLoader : public AssetLoader {
public:
    ScriptedLoader(std::string name, std::vector<std::string>& log, int* deaths = nullptr)
        : m_name(std::move(name)), m_log(log), m_deaths(deaths)
    {
    }
    ~ScriptedLoader() override { m_deaths && ++*m_deaths; }
    bool Open() override { return Step("Open", "!open"); }
    bool Close() override { return Step("Close", ""); }
    bool LoadResources(AssetManager& manager) override
    {
        const bool ok = Step("Load", "!load");
        if (ok)
            manager.SetAsset(new MemoryAsset(m_name + ".txt", "", "", "", m_name));
        return ok;
    }

private:
    bool Step(const char* what, const char* failing)
    {
        m_log.push_back(m_name + "." + what);
        return !*failing || m_name.find(failing) == std::string::npos;
    }
    std::string m_name;
    std::vector<std::string>& m_log;
    int* m_deaths;
};

} // namespace

TEST_F(AssetManagerTest, LoadAssetsSkipsFailingSourcesWithAWarningAndGoesOn)
{
    EXPECT_FALSE(manager.LoadAssets());
    EXPECT_FALSE(manager.SetAssetLoader(nullptr));
    std::vector<std::string> log;
    vorntest::DiagnosticsRecorder diagnostics;
    EXPECT_TRUE(manager.SetAssetLoader(new ScriptedLoader("one", log)));
    manager.SetAssetLoader(new ScriptedLoader("two!open", log));
    manager.SetAssetLoader(new ScriptedLoader("three!load", log));
    manager.SetAssetLoader(new ScriptedLoader("four", log));
    EXPECT_FALSE(manager.LoadAssets());
    EXPECT_EQ(log, (std::vector<std::string>{"one.Open", "one.Load", "two!open.Open", "three!load.Open",
                                             "three!load.Load", "four.Open", "four.Load"}));
    EXPECT_EQ(manager.GetAssetCount(), 2u);
    const std::pair<std::string, std::string> skipped{"Asset Loader", "Skipped an asset source that failed to load"};
    EXPECT_EQ(diagnostics.warnings, (std::vector<std::pair<std::string, std::string>>{skipped, skipped}));

    AssetManager good;
    good.SetAssetLoader(new ScriptedLoader("p", log));
    EXPECT_TRUE(good.LoadAssets());
}

TEST_F(AssetManagerTest, ClearDeletesAssetsLoadersAndDatabasesButKeepsMessagesAndSettings)
{
    std::vector<std::string> log;
    int loaderDeaths = 0;
    manager.SetAssetLoader(new ScriptedLoader("one", log, &loaderDeaths));
    Add({"", "", ""});
    ASSERT_TRUE(manager.SetColour("red", 255, 0, 0, 255));
    wxFont font(wxFontInfo(10));
    ASSERT_TRUE(manager.SetFont("body", font));
    std::string key = "k", text = "v";
    ASSERT_TRUE(manager.SetMessage(key, text));

    manager.Clear();
    EXPECT_EQ(deaths + loaderDeaths, 2);
    EXPECT_TRUE(log.empty()); // deleted loaders are not closed afterwards
    EXPECT_EQ(manager.GetAssetCount(), 0u);
    EXPECT_FALSE(manager.LoadAssets());
    EXPECT_FALSE(manager.HasColour("red"));
    EXPECT_FALSE(manager.GetFont("body", font));
    EXPECT_EQ(manager.GetMessage("k"), "v");
    std::string platform, major, minor;
    manager.GetPlatform(platform);
    manager.GetLanguage(major, minor);
    EXPECT_EQ(platform + "/" + major + "/" + minor, "linux/en/gb");

    {
        AssetManager local;
        local.SetAssetLoader(new ScriptedLoader("one", log, &loaderDeaths));
        local.SetAsset(new MemoryAsset("a", "", "", "", "", &deaths));
    }
    EXPECT_EQ(deaths + loaderDeaths, 4) << "the destructor deletes everything";
}

TEST_F(AssetManagerTest, LoadTextOpensCopiesUpToZeroAndCloses)
{
    auto* asset = new MemoryAsset("t.txt", "", "", "", std::string("one\r\ntwo\0three", 13));
    manager.SetAsset(asset);
    AddText("u.txt", "caf\xc3\xa9");
    AddText("l.txt", "caf\xe9");
    std::string text = "old";
    ASSERT_TRUE(manager.LoadText("T.TXT", text));
    EXPECT_EQ(text, "one\ntwo");
    EXPECT_EQ(asset->opens, 1);
    EXPECT_EQ(asset->closes, 1);
    wxString wide;
    ASSERT_TRUE(manager.LoadText("u.txt", wide));
    EXPECT_EQ(wide, wxString::FromUTF8("caf\xc3\xa9"));
    ASSERT_TRUE(manager.LoadText("l.txt", wide)); // not UTF-8: read as Latin-1
    EXPECT_EQ(wide, wxString::FromUTF8("caf\xc3\xa9"));
    EXPECT_FALSE(manager.LoadText("none.txt", text));
    EXPECT_FALSE(manager.LoadText("none.txt", wide));
    EXPECT_EQ(text + wide.utf8_string(), "one\ntwocaf\xc3\xa9");
}

TEST_F(AssetManagerTest, MenuTexts)
{
    const std::string label(98, 'a');
    const struct {
        std::string text;
        std::string items; // "id:label;" per item
    } cases[] = {
        {"10 %Open\r\n 20\t-\n\n30 @Title with  spaces\n40 last", "10:%Open;20:-;30:@Title with  spaces;40:last;"},
        {"1 one\n2\n3 three\n", "1:one;"},       // a bare identifier ends the reading
        {"1 \n2 two\n", "2:two;"},               // one blank adds nothing, the reading goes on
        {"x 1\n2 two\n", ""},
        {"1 " + label + "5 rest\n2 " + label + "zz\n3 x\n", "1:" + label + ";5:rest;2:" + label + ";"},
    };
    for (const auto& c : cases) {
        AddText("menu.txt", c.text);
        std::vector<MENUITEM> items(1, MENUITEM{7, "kept"});
        ASSERT_TRUE(manager.LoadMenuText("menu.txt", items));
        std::string got;
        for (size_t i = 1; i < items.size(); ++i)
            got += std::to_string(items[i].id) + ":" + items[i].label.utf8_string() + ";";
        EXPECT_EQ(items[0].label, wxString("kept"));
        EXPECT_EQ(got, c.items) << c.text;
    }
    std::vector<MENUITEM> items;
    EXPECT_FALSE(manager.LoadMenuText("missing.txt", items));
}

TEST_F(AssetManagerTest, MessagesDropOneCharacterKeepTheFirstTextAndStopAtFinish)
{
    AddText("msg.txt", "hello.\nBonjour.\r\nbye*\nAu revoir*\nhello.\nignored.\nFINISH.\nafter.\nx.\n");
    AddText("fin.txt", "FINISH!\nkey.\ntext.\n");
    AddText("odd.txt", "odd.\n");
    ASSERT_TRUE(manager.LoadMessages("MSG.txt"));
    EXPECT_TRUE(manager.LoadMessages("fin.txt"));
    EXPECT_TRUE(manager.LoadMessages("odd.txt")); // a key without its text line is dropped
    EXPECT_FALSE(manager.LoadMessages("none.txt"));
    std::string key = "bye", text = "Tschuess";
    EXPECT_FALSE(manager.SetMessage(key, text));
    EXPECT_EQ(manager.GetMessage("hello") + "|" + manager.GetMessage(std::string("bye")), "Bonjour|Au revoir");

    vorntest::DiagnosticsRecorder diagnostics;
    for (const char* unknown : {"after", "key", "odd"})
        EXPECT_EQ(manager.GetMessage(unknown), unknown);
    EXPECT_EQ(diagnostics.DebugText(), "WARNING : Message *after* not translated\n"
                                       "WARNING : Message *key* not translated\n"
                                       "WARNING : Message *odd* not translated\n");
    manager.ClearMessageDatabase();
    EXPECT_EQ(manager.GetMessage("hello"), "hello");
}

TEST_F(AssetManagerTest, FontDataComesFromAScriptAsset)
{
    AddText("fonts.txt", "body 12 swiss\n");
    vorntest::DiagnosticsRecorder diagnostics;
    ASSERT_TRUE(manager.LoadFontData("Fonts.txt"));
    EXPECT_FALSE(manager.LoadFontData("none.txt"));
    wxFont font;
    ASSERT_TRUE(manager.GetFont("body", font));
    EXPECT_EQ(diagnostics.DebugText(), "Fonts.txt\nnone.txt\nbody\n");
}
