// Start-up cost of a skin of about 200 assets (PNG templates, image scripts composing
// button sets and single pictures from them, a colour and a font script), read from a
// directory tree and from one archive; and what the image caches save per lookup.
// The skin is generated into a temporary directory on first use and removed at exit.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <unistd.h>
#include <wx/image.h>

#include <vorn/assets/archive_asset_loader.h>
#include <vorn/assets/archive_writer.h>
#include <vorn/assets/asset_loader.h>
#include <vorn/assets/asset_manager.h>
#include <vorn/util/diagnostics.h>

#include "bench_support.h"

using namespace vorn;

namespace fs = std::filesystem;

namespace {

struct Size {
    int w, h;
};
const Size kSizes[] = {{16, 16}, {22, 22}, {24, 18}, {32, 32}, {48, 20},
                       {64, 16}, {11, 12}, {100, 24}, {20, 40}, {40, 40}};
const char* kStates[] = {"off", "on", "on_mouse_over", "off_mouse_over",
                         "disabled_on", "disabled_off", "on_down", "off_down"};
const char* kTemplates[] = {"edge", "face", "light", "glyph", "alpha"};
constexpr int kSetsPerSize = 14;
constexpr int kColours = 24;

std::string Tpl(const Size& s, const char* part)
{
    return "tpl_" + std::to_string(s.w) + "x" + std::to_string(s.h) + "_" + part + ".png";
}

// A grey template: a frame, a gradient face, a highlight band or a diagonal glyph; the
// "alpha" one carries a soft round mask in its alpha channel.
wxImage TemplateImage(const Size& s, int part)
{
    wxImage image(s.w, s.h);
    if (part == 4)
        image.InitAlpha();
    for (int y = 0; y < s.h; ++y)
        for (int x = 0; x < s.w; ++x) {
            int grey = 0;
            switch (part) {
            case 0: grey = (x == 0 || y == 0 || x == s.w - 1 || y == s.h - 1) ? 255 : 0; break;
            case 1: grey = 60 + 150 * y / s.h; break;
            case 2: grey = y < s.h / 3 ? 200 - 60 * y / (s.h / 3 + 1) : 0; break;
            case 3: grey = std::abs(x * s.h - y * s.w) < s.w + s.h ? 255 : 0; break;
            default: grey = 128 + 127 * x / s.w; break;
            }
            image.SetRGB(x, y, grey, grey, grey);
            if (part == 4) {
                const int dx = 2 * x - s.w, dy = 2 * y - s.h;
                const int r = std::min(s.w, s.h);
                image.SetAlpha(x, y, dx * dx + dy * dy < r * r ? 255 : 40);
            }
        }
    return image;
}

std::string Colour(int i) { return "c" + std::to_string(i % kColours); }

// A button set: every state redrawn from the templates. Sets alternate between "rgb"
// (clear, copy, map) and "rgba" (mapmask, setalphafromgrey, copya).
std::string SetScript(const Size& s, int variant)
{
    const bool rgba = variant % 2 == 1;
    std::string text = "size " + std::string(rgba ? "rgba" : "rgb") + " " + std::to_string(s.w) + " " +
                       std::to_string(s.h) + "\n# button set " + std::to_string(variant) + "\n";
    for (int state = 0; state < 8; ++state) {
        const int c = variant * 3 + state;
        if (rgba) {
            if (state % 4 == 3) {
                text += "copya " + Tpl(s, "alpha") + "\n";
            } else {
                text += "clear panel_bg\n";
                text += "mapmask " + Colour(c) + " " + Tpl(s, "face") + "\n";
                text += "mapmask edge " + Tpl(s, "edge") + "\n";
                text += "setalphafromgrey " + Tpl(s, "alpha") + "\n";
            }
        } else {
            if (state % 4 == 3)
                text += "copy " + Tpl(s, "face") + "\n";
            else
                text += "clear panel_bg\n";
            text += "map edge " + Tpl(s, "edge") + "\n";
            text += "map " + Colour(c) + " " + Tpl(s, "face") + "\n";
            text += "map " + Colour(c + 1) + " " + Tpl(s, "light") + "\n";
            text += "map glyph " + Tpl(s, "glyph") + "\n";
        }
        text += "assign " + std::string(kStates[state]) + "\n";
    }
    return text + "finish\n";
}

std::string SingleScript(const Size& s)
{
    return "size rgb " + std::to_string(s.w) + " " + std::to_string(s.h) + "\nclear panel_bg\ncopy " +
           Tpl(s, "face") + "\nmap glyph " + Tpl(s, "glyph") + "\nassign image\nfinish\n";
}

void WriteText(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// The generated skin: a tree under root/ and the same files packed into one archive.
class Skin {
public:
    Skin()
    {
        m_dir = fs::temp_directory_path() / ("vorn_assets_bench_" + std::to_string(getpid()));
        fs::create_directories(m_dir / "tree" / "Generic");
        fs::create_directories(m_dir / "archive");
        const fs::path generic = m_dir / "tree" / "Generic";

        std::string colours = "# palette\npanel_bg 60 60 64\nedge 20 20 24\nglyph 240 240 240\n";
        for (int i = 0; i < kColours; ++i)
            colours += Colour(i) + " " + std::to_string(40 + i * 9) + " " + std::to_string(200 - i * 5) + " " +
                       std::to_string((i * 37) % 256) + (i % 3 == 0 ? " 200" : "") + "\n";
        colours += "accent c3\nhighlight c7\n";
        WriteText(m_dir / "tree" / "colours.txt", colours);
        WriteText(m_dir / "tree" / "fonts.txt", "label 9 swiss\ntitle 12 swiss normal bold\nmono 9 modern\n"
                                                "small 7 swiss italic\nheading 14 roman normal bold\n"
                                                "fixed 10 decorative\n");
        m_files = {"colours.txt", "fonts.txt"};

        for (const Size& s : kSizes) {
            for (int part = 0; part < 5; ++part) {
                const std::string name = Tpl(s, kTemplates[part]);
                TemplateImage(s, part).SaveFile((generic / name).string(), wxBITMAP_TYPE_PNG);
                m_files.push_back("Generic/" + name);
            }
            for (int v = 0; v < kSetsPerSize; ++v) {
                const std::string name = "set_" + std::to_string(s.w) + "x" + std::to_string(s.h) + "_" +
                                         std::to_string(v) + ".sts";
                WriteText(generic / name, SetScript(s, v));
                m_files.push_back("Generic/" + name);
                m_sets.push_back(name);
            }
            const std::string name = "pic_" + std::to_string(s.w) + "x" + std::to_string(s.h) + ".sts";
            WriteText(generic / name, SingleScript(s));
            m_files.push_back("Generic/" + name);
            m_singles.push_back(name);
        }

        ArchiveWriter writer;
        for (const std::string& file : m_files) {
            const bool inGeneric = file.rfind("Generic/", 0) == 0;
            const std::string name = inGeneric ? file.substr(8) : file;
            if (!writer.AddFileFromDisk(name, inGeneric ? "generic" : "", "", "", (m_dir / "tree" / file).string(),
                                        m_error))
                return;
        }
        writer.WriteFile((m_dir / "archive" / "skin_1.vrk").string(), m_error);
    }
    ~Skin()
    {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }
    Skin(const Skin&) = delete;
    Skin& operator=(const Skin&) = delete;

    std::string TreeRoot() const { return (m_dir / "tree").string() + "/"; }
    std::string ArchiveDir() const { return (m_dir / "archive").string() + "/"; }
    const std::string& Error() const { return m_error; }
    size_t FileCount() const { return m_files.size(); }
    const std::vector<std::string>& Sets() const { return m_sets; }
    const std::vector<std::string>& Singles() const { return m_singles; }

private:
    fs::path m_dir;
    std::string m_error;
    std::vector<std::string> m_files; // relative to the tree root
    std::vector<std::string> m_sets;
    std::vector<std::string> m_singles;
};

Skin& GetSkin()
{
    static Skin skin;
    return skin;
}

// Counts warnings while alive: a benchmark that caused one reports an error, since
// its figure would time the error path.
class WarningCount {
public:
    WarningCount()
    {
        SetWarningHook([this](const std::string& title, const std::string& text) {
            if (m_count++ == 0)
                m_first = title + ": " + text;
        });
    }
    ~WarningCount() { SetWarningHook(nullptr); }
    bool Check(benchmark::State& state) const
    {
        if (m_count)
            state.SkipWithError(("warning: " + m_first).c_str());
        return m_count == 0;
    }

private:
    int m_count = 0;
    std::string m_first;
};

enum Source { kTree = 0, kArchive = 1 };

bool LoadSkin(AssetManager& manager, Source source)
{
    const Skin& skin = GetSkin();
    manager.SetPlatform("gtk");
    if (source == kTree) {
        auto* loader = new FileAssetLoader;
        loader->Init(skin.TreeRoot());
        manager.SetAssetLoader(loader);
    } else {
        for (ArchiveAssetLoader* loader : ArchiveAssetLoader::GetArchiveAssetLoaders(skin.ArchiveDir(), "skin"))
            manager.SetAssetLoader(loader);
    }
    return manager.LoadAssets() && manager.LoadColourData("colours.txt") && manager.LoadFontData("fonts.txt");
}

// Composes every script of the skin the way controls ask for them.
bool ComposeAll(AssetManager& manager)
{
    for (const std::string& name : GetSkin().Sets()) {
        const VornwxBitmapCache* set = nullptr;
        if (!manager.LoadImagesCached(name.c_str(), set))
            return false;
    }
    for (const std::string& name : GetSkin().Singles()) {
        const wxBitmap* image = nullptr;
        if (!manager.LoadImageCached(name.c_str(), image))
            return false;
    }
    return true;
}

bool SkinReady(benchmark::State& state)
{
    BenchPanel(); // wallpapers are bitmaps of the display
    if (!GetSkin().Error().empty()) {
        state.SkipWithError(("skin not generated: " + GetSkin().Error()).c_str());
        return false;
    }
    return true;
}

const char* SourceName(int source) { return source == kTree ? "tree" : "archive"; }

// LoadAssets, LoadColourData and LoadFontData, then every script composed.
void BM_StartUp(benchmark::State& state)
{
    if (!SkinReady(state))
        return;
    const Source source = static_cast<Source>(state.range(0));
    const bool compose = state.range(1) != 0;
    WarningCount warnings;
    size_t assets = 0;
    for (auto _ : state) {
        auto* manager = new AssetManager;
        if (!LoadSkin(*manager, source) || (compose && !ComposeAll(*manager))) {
            state.SkipWithError("the skin did not load");
            delete manager;
            break;
        }
        assets = manager->GetAssetCount();
        state.PauseTiming();
        delete manager;
        state.ResumeTiming();
    }
    warnings.Check(state);
    state.counters["assets"] = static_cast<double>(assets);
    state.counters["scripts"] = compose ? static_cast<double>(GetSkin().Sets().size() + GetSkin().Singles().size()) : 0;
    state.SetLabel(std::string(SourceName(source)) + (compose ? " load+compose" : " load only"));
}
BENCHMARK(BM_StartUp)
    ->ArgsProduct({{kTree, kArchive}, {0, 1}})
    ->ArgNames({"from_archive", "compose"})
    ->Unit(benchmark::kMicrosecond);

// A loaded skin shared by the lookup benchmarks; null when it did not load.
AssetManager* LoadedManager()
{
    static AssetManager* manager = nullptr;
    static bool loaded = false;
    if (!manager) {
        manager = new AssetManager; // never deleted: its bitmaps may not outlive the toolkit
        loaded = LoadSkin(*manager, kTree) && ComposeAll(*manager);
    }
    return loaded ? manager : nullptr;
}

const std::string& SampleSet() { return GetSkin().Sets()[3 * kSetsPerSize + 1]; } // 32 x 32, rgba
const std::string& SampleSingle() { return GetSkin().Singles()[3]; }

// Times `step(manager)` (true on success) on the shared loaded skin.
template <class Step>
void RunOnLoadedSkin(benchmark::State& state, Step step)
{
    if (!SkinReady(state))
        return;
    AssetManager* manager = LoadedManager();
    if (!manager) {
        state.SkipWithError("the skin did not load");
        return;
    }
    WarningCount warnings;
    for (auto _ : state) {
        if (!step(*manager)) {
            state.SkipWithError("load failed");
            break;
        }
    }
    warnings.Check(state);
}

// A LoadImagesCached hit: a map lookup by name.
void BM_SetCachedHit(benchmark::State& state)
{
    RunOnLoadedSkin(state, [](AssetManager& manager) {
        const VornwxBitmapCache* set = nullptr;
        const bool ok = manager.LoadImagesCached(SampleSet().c_str(), set);
        benchmark::DoNotOptimize(set);
        return ok;
    });
}
BENCHMARK(BM_SetCachedHit)->Unit(benchmark::kMicrosecond);

// The same set run afresh (its templates already decoded in the single-image cache).
void BM_SetFreshLoad(benchmark::State& state)
{
    RunOnLoadedSkin(state, [](AssetManager& manager) {
        VornwxBitmapCache set;
        const bool ok = manager.LoadImages(SampleSet().c_str(), set);
        benchmark::DoNotOptimize(set);
        return ok;
    });
}
BENCHMARK(BM_SetFreshLoad)->Unit(benchmark::kMicrosecond);

// Single pictures: a LoadImageCached hit against running the script again.
void BM_ImageCachedHit(benchmark::State& state)
{
    RunOnLoadedSkin(state, [](AssetManager& manager) {
        const wxBitmap* image = nullptr;
        const bool ok = manager.LoadImageCached(SampleSingle().c_str(), image);
        benchmark::DoNotOptimize(image);
        return ok;
    });
}
BENCHMARK(BM_ImageCachedHit)->Unit(benchmark::kMicrosecond);

void BM_ImageFreshLoad(benchmark::State& state)
{
    RunOnLoadedSkin(state, [](AssetManager& manager) {
        wxBitmap image;
        const bool ok = manager.LoadImage(SampleSingle().c_str(), image);
        benchmark::DoNotOptimize(image);
        return ok;
    });
}
BENCHMARK(BM_ImageFreshLoad)->Unit(benchmark::kMicrosecond);

// A cold cached load: the caches dropped, so the templates are decoded again and the
// set goes onto a new wallpaper.
void BM_SetColdLoad(benchmark::State& state)
{
    if (!SkinReady(state))
        return;
    AssetManager manager;
    WarningCount warnings;
    if (!LoadSkin(manager, kTree)) {
        state.SkipWithError("the skin did not load");
        return;
    }
    for (auto _ : state) {
        manager.ClearCaches();
        const VornwxBitmapCache* set = nullptr;
        if (!manager.LoadImagesCached(SampleSet().c_str(), set)) {
            state.SkipWithError("load failed");
            break;
        }
        const wxBitmap* off = nullptr;
        benchmark::DoNotOptimize(set->GetImage(2, off)); // cut one state out of the wallpaper
    }
    warnings.Check(state);
}
BENCHMARK(BM_SetColdLoad)->Unit(benchmark::kMicrosecond);

} // namespace
