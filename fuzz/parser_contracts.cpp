#include "parser_contracts.h"

#include <unistd.h>

#include <cstdio>
#include <functional>
#include <utility>

#include <wx/image.h>
#include <wx/imagpng.h>
#include <wx/mstream.h>

#include <vorn/assets/archive_asset_loader.h>
#include <vorn/assets/asset.h>
#include <vorn/assets/asset_manager.h>
#include <vorn/assets/colour_database.h>
#include <vorn/assets/font_database.h>
#include <vorn/assets/image_cache.h>
#include <vorn/assets/skin_info.h>
#include <vorn/util/bitmap.h>
#include <vorn/util/diagnostics.h>

namespace vorn::fuzzcheck {

namespace {

using Warnings = std::vector<std::pair<std::string, std::string>>;

// Records the warnings of one check; debug lines are dropped (and counted).
class Sinks {
public:
    Sinks()
    {
        SetWarningHook([this](const std::string& title, const std::string& text) { warnings.emplace_back(title, text); });
        SetDebugHook([this](const std::string&) { ++debugLines; });
    }
    ~Sinks()
    {
        SetWarningHook([](const std::string&, const std::string&) {});
        SetDebugHook([](const std::string&) {});
    }
    Warnings warnings;
    int debugLines = 0;
};

bool StartsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

// An asset over bytes the caller keeps alive.
void AddAsset(AssetManager& manager, const char* name, std::string& bytes)
{
    auto* asset = new ArchiveAsset(reinterpret_cast<unsigned char*>(&bytes[0]), static_cast<int>(bytes.size()));
    asset->SetName(name);
    manager.SetAsset(asset);
}

// A script that fails gives exactly one warning under its title, naming its line, and
// stops; a script that loads warns about nothing.
void CheckScriptWarnings(bool ok, const Warnings& warnings, const char* title, Breaches& breaches)
{
    if (ok && !warnings.empty())
        breaches.push_back("a script that loaded warned: " + warnings[0].second);
    if (!ok && (warnings.size() != 1 || warnings[0].first != title ||
                warnings[0].second.find("line ") == std::string::npos))
        breaches.push_back("a failed script did not give one warning naming its line");
}

} // namespace

Breaches CheckArchive(const std::string& bytes)
{
    static const std::string path = "/tmp/vorn_archive_check_" + std::to_string(getpid()) + ".vrk";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return {"cannot write " + path};
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);

    Breaches breaches;
    Sinks sinks;
    std::vector<std::string> problems;
    const bool verified = ArchiveAssetLoader::Verify(path, problems);
    if (verified != problems.empty())
        breaches.push_back("verify's answer and its problems disagree");
    AssetManager manager;
    auto* loader = new ArchiveAssetLoader(path.c_str());
    manager.SetAssetLoader(loader);
    const bool loaded = manager.LoadAssets();
    if (verified && !loaded)
        breaches.push_back("a verified archive did not load");
    if (loaded) {
        if (!sinks.warnings.empty())
            breaches.push_back("a loaded archive warned");
        if (!loader->GetDirectoryProblems().empty())
            breaches.push_back("an archive with a damaged directory was registered");
        const std::vector<ArchiveEntry> entries = loader->GetEntries();
        if (manager.GetAssetCount() > entries.size())
            breaches.push_back("more assets than directory entries");
        for (const ArchiveEntry& entry : entries) {
            std::vector<Asset*> assets;
            manager.GetAllAssets(entry.name.c_str(), assets);
            for (Asset* asset : assets)
                if (!asset->GetTextPtr() || asset->GetSize() < 0)
                    breaches.push_back("a registered asset without its bytes");
        }
    } else if (manager.GetAssetCount() != 0 || sinks.warnings.size() != 1 ||
               sinks.warnings[0].first != "Asset Loader" ||
               !StartsWith(sinks.warnings[0].second, "Skipped archive '" + path + "': ")) {
        breaches.push_back("a skipped archive registered assets or did not warn once");
    }
    std::remove(path.c_str());
    return breaches;
}

Breaches CheckColourScript(const std::string& text)
{
    Breaches breaches;
    Sinks sinks;
    ColourDatabase db;
    CheckScriptWarnings(db.RunScript(text), sinks.warnings, "ColorDatabase Script Error", breaches);
    std::vector<std::string> names;
    db.GetColourNameList(names);
    sinks.debugLines = 0;
    for (const std::string& name : names) {
        wxColour colour;
        db.GetColour(name, colour);
    }
    if (sinks.debugLines != 0)
        breaches.push_back("a listed colour was not found");
    return breaches;
}

Breaches CheckFontScript(const std::string& text)
{
    Breaches breaches;
    Sinks sinks;
    FontDatabase db;
    CheckScriptWarnings(db.RunScript(text), sinks.warnings, "FontDatabase Script Error", breaches);
    std::vector<std::string> names;
    db.GetFontNameList(names);
    for (const std::string& name : names) {
        wxFont font;
        if (!db.GetFont(name, font) || !font.IsOk() || font.GetPointSize() <= 0)
            breaches.push_back("a listed font is not a usable font");
    }
    return breaches;
}

Breaches CheckMenuText(const std::string& bytes)
{
    Breaches breaches;
    Sinks sinks;
    std::string data = bytes;
    AssetManager manager;
    AddAsset(manager, "menu.txt", data);
    std::vector<MENUITEM> items;
    if (!manager.LoadMenuText("menu.txt", items))
        breaches.push_back("a present menu text did not load");
    for (const MENUITEM& item : items)
        if (item.label.empty() || item.label.length() > 98)
            breaches.push_back("a menu label of " + std::to_string(item.label.length()) + " characters");
    if (!sinks.warnings.empty())
        breaches.push_back("a menu text warned");
    return breaches;
}

Breaches CheckMessageText(const std::string& bytes)
{
    Breaches breaches;
    Sinks sinks;
    std::string data = bytes;
    AssetManager manager;
    AddAsset(manager, "messages.txt", data);
    if (!manager.LoadMessages("messages.txt"))
        breaches.push_back("a present message text did not load");
    std::string key = "FINISH", text = "x";
    if (!manager.SetMessage(key, text))
        breaches.push_back("the end mark was stored as a key");
    if (!sinks.warnings.empty())
        breaches.push_back("a message text warned");
    return breaches;
}

namespace {

std::string Png(int w, int h, bool alpha, int seed)
{
    wxImage image(w, h);
    if (alpha)
        image.InitAlpha();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const unsigned char grey = static_cast<unsigned char>((x * 16 + y * 5 + seed) & 0xff);
            image.SetRGB(x, y, grey, grey, grey);
            if (alpha)
                image.SetAlpha(x, y, static_cast<unsigned char>(255 - grey));
        }
    wxMemoryOutputStream out;
    image.SaveFile(out, wxBITMAP_TYPE_PNG);
    std::string bytes(out.GetLength(), '\0');
    out.CopyTo(&bytes[0], bytes.size());
    return bytes;
}

const char kScript[] = "fuzz.sts";

// The skin every script runs against: templates of the sizes scripts use and of other
// sizes, an alpha template, a corrupt PNG, nested scripts, colours and a font. Built
// once; the last entry is the script under test.
std::vector<std::pair<std::string, std::string>>& Skin()
{
    static std::vector<std::pair<std::string, std::string>> skin;
    if (!skin.empty())
        return skin;
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
    const std::string png = Png(16, 16, false, 0);
    skin = {
        {"t16.png", png},
        {"t16b.png", Png(16, 16, false, 77)},
        {"a16.png", Png(16, 16, true, 9)},
        {"t20.png", Png(20, 20, false, 3)},
        {"t8x12.png", Png(8, 12, false, 5)},
        {"t1.png", Png(1, 1, true, 1)},
        {"bad.png", png.substr(0, png.size() / 2)},
        {"notpng.png", "size rgb 16 16\nfinish\n"},
        {"sub.sts", "size rgba 16 16\nclear red\nmapmask blue t16.png\nassign image\nfinish\n"},
        {"sub20.sts", "size rgb 20 20\ncopy t20.png\nassign image\nfinish\n"},
        {"broken.sts", "size rgb 16 16\nclear nosuchcolour\nfrobnicate\nfinish\n"},
        {"loop.sts", "size rgb 16 16\ncopy loop.sts\nassign image\nfinish\n"},
        {"blender_scroll_off.sts", "size rgb 11 12\nclear grey\nassign image\nfinish\n"},
        {"blender_scroll_up.sts", "size rgb 11 12\nclear white\nassign image\nfinish\n"},
        // blender_scroll_down.sts is missing on purpose: "lbExpand" copes with a partial set.
        {"colours.txt", "pink 255 192 203\nred 255 0 0\nblue 0 0 255\npurple 128 0 128\n"
                        "brown 150 75 0\ngreen 0 255 0\norange 255 165 0\nlightblue 173 216 230\n"
                        "white 255 255 255\nblack 0 0 0\ngrey 128 128 128\nglass 10 20 30 40\n"
                        "accent red\n"},
        {"fonts.txt", "label 12 swiss\n"},
        {kScript, ""},
    };
    return skin;
}

bool KnownTitle(const std::string& title)
{
    for (const char* known : {"Error", "Image Script Parser", "Create Edit Widget", "Create List Box"})
        if (title == known)
            return true;
    return StartsWith(title, "Failed because the file was corrupt [");
}

int Width(const wxBitmap& image) { return image.IsOk() ? image.GetWidth() : 0; }
int Height(const wxBitmap& image) { return image.IsOk() ? image.GetHeight() : 0; }
int Width(const BitmapA& image) { return image.IsEmpty() ? 0 : image.width; }
int Height(const BitmapA& image) { return image.IsEmpty() ? 0 : image.height; }

// Every listed state has an image, all of the set's size; an empty set has no size.
template <class Image, class Set>
void CheckSet(const Set& set, Breaches& breaches)
{
    std::vector<VORNIMAGETYPE> states;
    set.GetStates(states);
    int width = 0, height = 0;
    if (states.empty()) {
        if (set.GetSize(width, height))
            breaches.push_back("an empty set has a size");
        return;
    }
    if (!set.GetSize(width, height) || width <= 0 || height <= 0)
        breaches.push_back("a filled set has no size");
    for (VORNIMAGETYPE state : states) {
        const Image* image = nullptr;
        if (state < 2 || state > 9)
            breaches.push_back("a script filled a state it cannot name");
        else if (!set.GetImage(state, image) || !image || Width(*image) <= 0)
            breaches.push_back("a listed state has no image");
        else if (Width(*image) != width || Height(*image) != height)
            breaches.push_back("the states of a set differ in size");
    }
}

void RunImageLoads(AssetManager& manager, Breaches& breaches)
{
    wxImage image;
    if (manager.LoadImage(kScript, image) && (!image.IsOk() || image.GetWidth() <= 0 || image.GetHeight() <= 0))
        breaches.push_back("a single image load succeeded without an image");
    BitmapA bitmap;
    if (manager.LoadImage(kScript, bitmap) == bitmap.IsEmpty())
        breaches.push_back("a BitmapA load's result and image disagree");
    VornBitmapACache made;
    if (manager.LoadImages(kScript, made))
        CheckSet<BitmapA>(made, breaches);
    const VornwxBitmapCache* set = nullptr;
    if (manager.LoadImagesCached(kScript, set)) {
        CheckSet<wxBitmap>(*set, breaches);
        const VornwxBitmapCache* again = nullptr;
        if (!manager.LoadImagesCached(kScript, again) || again != set)
            breaches.push_back("the set cache missed");
    }
}

void RunSkinLoads(AssetManager& manager, Breaches& breaches)
{
    const wxBitmap* bitmap = nullptr;
    VornEditInfo edit;
    if (manager.LoadEditWidgetCached(kScript, bitmap, edit)) {
        if (!bitmap || !bitmap->IsOk())
            breaches.push_back("an edit skin without its bitmap");
    } else if (bitmap || edit.x != -1 || edit.y != -1 || edit.width != -1 || edit.height != -1) {
        breaches.push_back("a failed edit skin without the fallback record");
    }
    VornListBoxInfo list;
    if (manager.LoadListBoxCached(kScript, list)) {
        if (!list.imageCache)
            breaches.push_back("a list-box skin without its image set");
        else
            CheckSet<wxBitmap>(*list.imageCache, breaches);
        if (list.x == -999)
            breaches.push_back("a list-box skin without its text area");
    } else if (list.imageCache || list.x != -1 || list.expandValue != -1 || list.selDot) {
        breaches.push_back("a failed list-box skin without the fallback record");
    }
}

} // namespace

Breaches CheckImageScript(const std::string& text)
{
    Breaches breaches;
    auto& skin = Skin();
    skin.back().second = text;
    Sinks sinks;
    AssetManager manager;
    for (auto& [name, bytes] : skin)
        AddAsset(manager, name.c_str(), bytes);
    if (!manager.LoadColourData("colours.txt") || !manager.LoadFontData("fonts.txt"))
        breaches.push_back("the fixed databases did not load");
    sinks.warnings.clear();
    RunImageLoads(manager, breaches);
    RunSkinLoads(manager, breaches);
    if (manager.GetSpecialInfo())
        breaches.push_back("a list-box load left its record in the special info");
    if (!manager.GetCurrentScriptName().empty())
        breaches.push_back("a script name outlived its run");
    for (const auto& [title, message] : sinks.warnings)
        if (!KnownTitle(title) || message.empty())
            breaches.push_back("a warning titled '" + title + "': " + message);
    return breaches;
}

} // namespace vorn::fuzzcheck
