#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <test_support.h>
#include <vorn/assets/asset.h>
#include <vorn/assets/asset_loader.h>
#include <vorn/assets/asset_manager.h>

#include "asset_test_util.h"

using namespace vorn;

using assettest::MemoryAsset;

namespace {

struct Variant {
    const char* platform;
    const char* major;
    const char* minor;
};

std::string Describe(const Asset* a)
{
    return a->GetPlatform() + "/" + a->GetLanguageMajor() + "/" + a->GetLanguageMinor();
}

class AssetManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        manager.SetPlatform("Linux");
        manager.SetLanguage("En", "GB");
    }
    void Add(const Variant& v, const std::string& name = "a.png")
    {
        manager.SetAsset(new MemoryAsset(name, v.platform, v.major, v.minor, Describe(v), &deaths));
    }
    static std::string Describe(const Variant& v)
    {
        return std::string(v.platform) + "/" + v.major + "/" + v.minor;
    }
    std::string Best(const char* name = "a.png")
    {
        Asset* out = nullptr;
        if (!manager.GetAsset(name, out))
            return "<none>";
        return ::Describe(out);
    }
    // Registers a text asset with no platform or language.
    void AddText(const std::string& name, const std::string& text)
    {
        manager.SetAsset(new MemoryAsset(name, "", "", "", text));
    }
    int deaths = 0;
    AssetManager manager;
};

// The seven tiers for platform linux, language en/gb, best first.
const std::vector<Variant> kTiers = {{"linux", "en", "gb"}, {"generic", "en", "gb"}, {"linux", "en", ""},
                                     {"generic", "en", ""}, {"linux", "", ""},       {"generic", "", ""},
                                     {"", "", ""}};

} // namespace

TEST_F(AssetManagerTest, EachTierBeatsAllLowerOnes)
{
    for (size_t first = 0; first < kTiers.size(); ++first) {
        AssetManager local;
        local.SetPlatform("linux");
        local.SetLanguage("en", "gb");
        // registered worst first, so that registry order cannot explain the choice
        for (size_t i = kTiers.size(); i-- > first;)
            local.SetAsset(new MemoryAsset("a.png", kTiers[i].platform, kTiers[i].major, kTiers[i].minor));
        Asset* out = nullptr;
        ASSERT_TRUE(local.GetAsset("a.png", out));
        EXPECT_EQ(::Describe(out), Describe(kTiers[first])) << "tier " << first + 1;
    }
}

TEST_F(AssetManagerTest, GenericLanguageBeatsSpecificPlatformWithoutLanguage)
{
    Add({"generic", "en", ""});
    Add({"linux", "", ""});
    Add({"", "", ""});
    EXPECT_EQ(Best(), "generic/en/");
}

TEST_F(AssetManagerTest, OtherMinorLanguageAndOtherPlatformAreNeverChosen)
{
    Add({"linux", "en", "us"});
    Add({"windows", "", ""});
    Add({"", "", ""});
    EXPECT_EQ(Best(), "//");

    AssetManager only;
    only.SetPlatform("linux");
    only.SetAsset(new MemoryAsset("b.png", "windows", "", ""));
    only.SetAsset(new MemoryAsset("b.png", "", "fr", ""));
    Asset* out = reinterpret_cast<Asset*>(&only); // must stay untouched
    EXPECT_FALSE(only.GetAsset("b.png", out));
    EXPECT_EQ(out, reinterpret_cast<Asset*>(&only));
}

TEST_F(AssetManagerTest, LookupFoldsNameAndArguments)
{
    Add({"linux", "en", ""});
    EXPECT_EQ(Best("A.PNG"), "linux/en/");
    Asset* out = nullptr;
    ASSERT_TRUE(manager.GetBestAsset(out, "a.Png", "LINUX", "EN", "XX"));
    EXPECT_EQ(::Describe(out), "linux/en/");
    EXPECT_FALSE(manager.GetBestAsset(out, "a.png", "windows", "fr", ""));
    EXPECT_EQ(Best("b.png"), "<none>");
}

TEST_F(AssetManagerTest, ChangingLanguageLaterChangesTheChoice)
{
    Add({"", "", ""});
    Add({"generic", "fr", ""});
    Add({"", "fr", ""}); // no platform with a language fits no tier
    EXPECT_EQ(Best(), "//");
    manager.SetLanguage("FR", "");
    EXPECT_EQ(Best(), "generic/fr/");
}

TEST_F(AssetManagerTest, RegisteringSameVariantReplacesAndDeletesTheFirst)
{
    manager.SetAsset(new MemoryAsset("a.png", "linux", "", "", "first", &deaths));
    manager.SetAsset(new MemoryAsset("a.png", "", "", "", "other", &deaths));
    manager.SetAsset(new MemoryAsset("A.PNG", "LINUX", "", "", "second", &deaths));
    EXPECT_EQ(deaths, 1);
    EXPECT_EQ(manager.GetAssetCount(), 2u);
    std::string text;
    ASSERT_TRUE(manager.LoadText("a.png", text));
    EXPECT_EQ(text, "second");
    EXPECT_FALSE(manager.SetAsset(nullptr));
}

TEST_F(AssetManagerTest, AllAssetsListsFittingVariantsInRegistrationOrder)
{
    Add({"", "", ""});
    Add({"windows", "", ""});
    Add({"linux", "en", "gb"});
    Add({"generic", "", ""});
    Add({"linux", "en", "us"});
    std::vector<Asset*> out(1, nullptr); // appended to, not cleared
    ASSERT_TRUE(manager.GetAllAssets("A.png", out));
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0], nullptr);
    EXPECT_EQ(::Describe(out[1]), "//");
    EXPECT_EQ(::Describe(out[2]), "linux/en/gb");
    EXPECT_EQ(::Describe(out[3]), "generic//");

    out.clear();
    manager.SetAsset(new MemoryAsset("b.png", "windows", "", ""));
    EXPECT_TRUE(manager.GetAllAssets("b.png", out)); // the name exists, nothing fits
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(manager.GetAllAssets("c.png", out));
}

namespace {

// A loader that records what the manager asks of it.
class ScriptedLoader : public AssetLoader {
public:
    ScriptedLoader(std::string name, std::vector<std::string>& log, bool openOk = true, bool loadOk = true,
                   int* deaths = nullptr)
        : m_name(std::move(name)), m_log(log), m_openOk(openOk), m_loadOk(loadOk), m_deaths(deaths)
    {
    }
    ~ScriptedLoader() override
    {
        if (m_deaths)
            ++*m_deaths;
    }
    bool Open() override
    {
        m_log.push_back(m_name + ".Open");
        return m_openOk;
    }
    bool Close() override
    {
        m_log.push_back(m_name + ".Close");
        return true;
    }
    bool LoadResources(AssetManager& manager) override
    {
        m_log.push_back(m_name + ".Load");
        manager.SetAsset(new MemoryAsset(m_name + ".txt", "", "", "", m_name));
        return m_loadOk;
    }

private:
    std::string m_name;
    std::vector<std::string>& m_log;
    bool m_openOk, m_loadOk;
    int* m_deaths;
};

} // namespace

TEST_F(AssetManagerTest, LoadAssetsWithoutLoadersFails)
{
    EXPECT_FALSE(manager.LoadAssets());
    EXPECT_FALSE(manager.SetAssetLoader(nullptr));
    EXPECT_FALSE(manager.LoadAssets());
}

TEST_F(AssetManagerTest, LoadAssetsOpensAndLoadsInOrderAndStopsAtFirstFailure)
{
    std::vector<std::string> log;
    EXPECT_TRUE(manager.SetAssetLoader(new ScriptedLoader("one", log)));
    manager.SetAssetLoader(new ScriptedLoader("two", log, true, false));
    manager.SetAssetLoader(new ScriptedLoader("three", log));
    EXPECT_FALSE(manager.LoadAssets());
    EXPECT_EQ(log, (std::vector<std::string>{"one.Open", "one.Load", "two.Open", "two.Load"}));
    EXPECT_EQ(manager.GetAssetCount(), 2u); // what ran before the failure stays

    AssetManager other;
    log.clear();
    other.SetAssetLoader(new ScriptedLoader("x", log, false));
    other.SetAssetLoader(new ScriptedLoader("y", log));
    EXPECT_FALSE(other.LoadAssets());
    EXPECT_EQ(log, (std::vector<std::string>{"x.Open"}));

    AssetManager good;
    log.clear();
    good.SetAssetLoader(new ScriptedLoader("p", log));
    good.SetAssetLoader(new ScriptedLoader("q", log));
    EXPECT_TRUE(good.LoadAssets());
    EXPECT_EQ(log, (std::vector<std::string>{"p.Open", "p.Load", "q.Open", "q.Load"}));
}

TEST_F(AssetManagerTest, ClearDeletesAssetsLoadersAndDatabasesButKeepsMessagesAndSettings)
{
    std::vector<std::string> log;
    int loaderDeaths = 0;
    manager.SetAssetLoader(new ScriptedLoader("one", log, true, true, &loaderDeaths));
    Add({"", "", ""});
    ASSERT_TRUE(manager.SetColour("red", 255, 0, 0, 255));
    wxFont font(wxFontInfo(10));
    ASSERT_TRUE(manager.SetFont("body", font));
    std::string key = "k", text = "v";
    ASSERT_TRUE(manager.SetMessage(key, text));

    manager.Clear();
    EXPECT_EQ(deaths, 1);
    EXPECT_EQ(loaderDeaths, 1);
    EXPECT_TRUE(log.empty()); // deleted loaders are not closed afterwards
    EXPECT_EQ(manager.GetAssetCount(), 0u);
    EXPECT_FALSE(manager.LoadAssets());
    std::vector<std::string> names;
    manager.GetColourNameList(names);
    EXPECT_TRUE(names.empty());
    manager.GetFontNameList(names);
    EXPECT_TRUE(names.empty());
    EXPECT_EQ(manager.GetMessage("k"), "v");
    std::string platform, major, minor;
    manager.GetPlatform(platform);
    manager.GetLanguage(major, minor);
    EXPECT_EQ(platform + "/" + major + "/" + minor, "linux/en/gb");
}

TEST_F(AssetManagerTest, DestructorDeletesEverything)
{
    int loaderDeaths = 0;
    std::vector<std::string> log;
    {
        AssetManager local;
        local.SetAssetLoader(new ScriptedLoader("one", log, true, true, &loaderDeaths));
        local.SetAsset(new MemoryAsset("a", "", "", "", "", &deaths));
        local.SetAsset(new MemoryAsset("a", "x", "", "", "", &deaths));
    }
    EXPECT_EQ(deaths, 2);
    EXPECT_EQ(loaderDeaths, 1);
}

TEST_F(AssetManagerTest, LoadTextOpensCopiesUpToZeroAndCloses)
{
    auto* asset = new MemoryAsset("t.txt", "", "", "", std::string("one\r\ntwo\0three", 13));
    manager.SetAsset(asset);
    std::string text = "old";
    ASSERT_TRUE(manager.LoadText("T.TXT", text));
    EXPECT_EQ(text, "one\ntwo");
    EXPECT_EQ(asset->opens, 1);
    EXPECT_EQ(asset->closes, 1);

    wxString wide;
    ASSERT_TRUE(manager.LoadText("t.txt", wide));
    EXPECT_EQ(wide, wxString("one\ntwo"));

    text = "kept";
    wide = "kept";
    EXPECT_FALSE(manager.LoadText("none.txt", text));
    EXPECT_FALSE(manager.LoadText("none.txt", wide));
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(wide, wxString("kept"));
}

TEST_F(AssetManagerTest, LoadTextDecodesUtf8AndFallsBackToLatin1)
{
    AddText("u.txt", "caf\xc3\xa9");
    AddText("l.txt", "caf\xe9");
    wxString text;
    ASSERT_TRUE(manager.LoadText("u.txt", text));
    EXPECT_EQ(text, wxString::FromUTF8("caf\xc3\xa9"));
    ASSERT_TRUE(manager.LoadText("l.txt", text));
    EXPECT_EQ(text, wxString::FromUTF8("caf\xc3\xa9"));
}

TEST_F(AssetManagerTest, MenuTextReadsIdentifierSeparatorLabel)
{
    AddText("menu.txt", "10 %Open\r\n 20\t-\n\n30 @Title with  spaces\n40 last");
    std::vector<MENUITEM> items(1, MENUITEM{7, "kept"});
    ASSERT_TRUE(manager.LoadMenuText("menu.txt", items));
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0].id, 7);
    EXPECT_EQ(items[1].id, 10);
    EXPECT_EQ(items[1].label, wxString("%Open"));
    EXPECT_EQ(items[2].id, 20);
    EXPECT_EQ(items[2].label, wxString("-"));
    EXPECT_EQ(items[3].label, wxString("@Title with  spaces"));
    EXPECT_EQ(items[4].id, 40);
    EXPECT_EQ(items[4].label, wxString("last")); // no final line end needed

    EXPECT_FALSE(manager.LoadMenuText("missing.txt", items));
    EXPECT_EQ(items.size(), 5u);
}

TEST_F(AssetManagerTest, MenuTextEdgeCases)
{
    std::vector<MENUITEM> items;
    AddText("bare.txt", "1 one\n2\n3 three\n");
    ASSERT_TRUE(manager.LoadMenuText("bare.txt", items));
    ASSERT_EQ(items.size(), 1u); // a bare identifier ends the reading
    EXPECT_EQ(items[0].label, wxString("one"));

    items.clear();
    AddText("blank.txt", "1 \n2 two\n");
    ASSERT_TRUE(manager.LoadMenuText("blank.txt", items));
    ASSERT_EQ(items.size(), 1u); // one blank adds nothing, the reading goes on
    EXPECT_EQ(items[0].id, 2);

    items.clear();
    AddText("text.txt", "x 1\n2 two\n");
    ASSERT_TRUE(manager.LoadMenuText("text.txt", items));
    EXPECT_TRUE(items.empty());

    const std::string label(98, 'a');
    items.clear();
    AddText("long.txt", "1 " + label + "5 rest\n2 " + label + "zz\n3 x\n");
    ASSERT_TRUE(manager.LoadMenuText("long.txt", items));
    ASSERT_EQ(items.size(), 3u); // the overflow "5 rest" is read as the next entry
    EXPECT_EQ(items[0].label, wxString(label));
    EXPECT_EQ(items[1].id, 5);
    EXPECT_EQ(items[1].label, wxString("rest"));
    EXPECT_EQ(items[2].id, 2);
    EXPECT_EQ(items[2].label, wxString(label)); // "zz" then ends the reading
}

TEST_F(AssetManagerTest, MessagesDropOneCharacterAndStopAtFinish)
{
    AddText("msg.txt", "hello.\nBonjour.\r\nbye*\nAu revoir*\nhello.\nignored.\nFINISH.\nafter.\nx.\n");
    ASSERT_TRUE(manager.LoadMessages("MSG.txt"));
    EXPECT_EQ(manager.GetMessage("hello"), "Bonjour");
    EXPECT_EQ(manager.GetMessage(std::string("bye")), "Au revoir");

    vorntest::DiagnosticsRecorder diagnostics;
    EXPECT_EQ(manager.GetMessage("after"), "after");
    EXPECT_EQ(diagnostics.debug, (std::vector<std::string>{"WARNING : Message *after* not translated\n"}));
}

TEST_F(AssetManagerTest, MessagesFinishFirstAndMissingAsset)
{
    AddText("fin.txt", "FINISH!\nkey.\ntext.\n");
    EXPECT_TRUE(manager.LoadMessages("fin.txt"));
    AddText("odd.txt", "key.\n");
    EXPECT_TRUE(manager.LoadMessages("odd.txt")); // a key without its text line is dropped
    EXPECT_FALSE(manager.LoadMessages("none.txt"));
    vorntest::DiagnosticsRecorder diagnostics;
    EXPECT_EQ(manager.GetMessage("key"), "key");
    EXPECT_EQ(diagnostics.debug.size(), 1u);
}

TEST_F(AssetManagerTest, SetMessageKeepsTheFirstText)
{
    std::string key = "k", first = "one", second = "two";
    EXPECT_TRUE(manager.SetMessage(key, first));
    EXPECT_FALSE(manager.SetMessage(key, second));
    EXPECT_EQ(manager.GetMessage("k"), "one");
    manager.ClearMessageDatabase();
    vorntest::DiagnosticsRecorder diagnostics;
    EXPECT_EQ(manager.GetMessage("k"), "k");
}

TEST_F(AssetManagerTest, ColourAndFontDataComeFromScriptAssets)
{
    AddText("colours.txt", "highlight 255 200 0\naccent highlight\n");
    AddText("fonts.txt", "body 12 swiss\n");
    ASSERT_TRUE(manager.LoadColourData("Colours.txt"));
    wxColour colour;
    ASSERT_TRUE(manager.GetColour("accent", colour));
    EXPECT_EQ(colour, wxColour(255, 200, 0));
    ColorA withAlpha;
    ASSERT_TRUE(manager.GetColour("highlight", withAlpha));
    EXPECT_DOUBLE_EQ(withAlpha.a, 1.0);
    EXPECT_FALSE(manager.LoadColourData("none.txt"));

    vorntest::DiagnosticsRecorder diagnostics;
    ASSERT_TRUE(manager.LoadFontData("fonts.txt"));
    wxFont font;
    ASSERT_TRUE(manager.GetFont("body", font));
    EXPECT_EQ(font.GetPointSize(), 12);
    EXPECT_FALSE(manager.LoadFontData("none.txt"));
    EXPECT_EQ(diagnostics.debug.front(), "fonts.txt\n");
    std::vector<std::string> names;
    ASSERT_TRUE(manager.GetFontNameList(names));
    EXPECT_EQ(names, (std::vector<std::string>{"body"}));
    manager.ClearFontDatabase();
    EXPECT_FALSE(manager.GetFont("body", font));
    manager.ClearColourDatabase();
    manager.GetColourNameList(names);
    EXPECT_TRUE(names.empty());
}

TEST_F(AssetManagerTest, SpecialInfoIsAnOpaquePointer)
{
    EXPECT_EQ(manager.GetSpecialInfo(), nullptr);
    int value = 3;
    manager.SetSpecialInfo(&value);
    EXPECT_EQ(manager.GetSpecialInfo(), &value);
}
