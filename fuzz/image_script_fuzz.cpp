// Image scripts over arbitrary text, run as a single image, an image set, an edit skin
// and a list-box skin against a small skin: templates of the script sizes people use and
// of other sizes, an alpha template, a corrupt PNG, nested scripts, colours and a font.
// Besides crashes, it aborts when a load breaks its contract: a set whose states differ
// in size, a successful load without an image, a skin record half filled on failure, or
// a warning under a title the library does not use.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <wx/image.h>
#include <wx/imagpng.h>
#include <wx/mstream.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/image_cache.h>
#include <vorn/assets/skin_info.h>
#include <vorn/util/bitmap.h>
#include <vorn/util/diagnostics.h>

#include "fuzz_support.h"

using namespace vorn;

namespace {

const char kScript[] = "fuzz.sts";

void Fail(const char* what)
{
    std::fprintf(stderr, "contract broken: %s\n", what);
    std::abort();
}

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

// The skin every input runs against; built once, the bytes live for the process.
std::vector<std::pair<std::string, std::string>>& Skin()
{
    static std::vector<std::pair<std::string, std::string>> skin;
    if (!skin.empty())
        return skin;
    std::string png = Png(16, 16, false, 0);
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

// Warnings of the image loads are recorded, never shown; each must carry a title the
// library uses for them.
std::vector<std::pair<std::string, std::string>> g_warnings;

bool KnownTitle(const std::string& title)
{
    static const char* known[] = {"Error", "Image Script Parser", "Create Edit Widget", "Create List Box"};
    for (const char* k : known)
        if (title == k)
            return true;
    return title.rfind("Failed because the file was corrupt [", 0) == 0;
}

void CheckWarnings()
{
    static const bool trace = std::getenv("VORN_FUZZ_TRACE") != nullptr; // for triage
    for (const auto& [title, text] : g_warnings) {
        if (trace)
            std::fprintf(stderr, "warning: %s: %s\n", title.c_str(), text.c_str());
        if (!KnownTitle(title))
            Fail(("warning title " + title).c_str());
        if (text.empty())
            Fail("warning without text");
    }
    g_warnings.clear();
}

int Width(const wxBitmap& image) { return image.IsOk() ? image.GetWidth() : 0; }
int Height(const wxBitmap& image) { return image.IsOk() ? image.GetHeight() : 0; }
int Width(const BitmapA& image) { return image.IsEmpty() ? 0 : image.width; }
int Height(const BitmapA& image) { return image.IsEmpty() ? 0 : image.height; }

// Every listed state has an image, all of the set's size; an empty set has no size.
template <class Image, class Set>
void CheckSet(const Set& set)
{
    std::vector<VORNIMAGETYPE> states;
    set.GetStates(states);
    int width = 0, height = 0;
    if (states.empty()) {
        if (set.GetSize(width, height))
            Fail("an empty set has a size");
        return;
    }
    if (!set.GetSize(width, height) || width <= 0 || height <= 0)
        Fail("a filled set has no size");
    for (VORNIMAGETYPE state : states) {
        if (state < 2 || state > 9)
            Fail("a script filled a state it cannot name");
        const Image* image = nullptr;
        if (!set.GetImage(state, image) || !image || Width(*image) <= 0)
            Fail("a listed state has no image");
        if (Width(*image) != width || Height(*image) != height)
            Fail("the states of a set differ in size");
    }
}

void RunSingle(AssetManager& manager)
{
    wxImage image;
    if (manager.LoadImage(kScript, image) && (!image.IsOk() || image.GetWidth() <= 0 || image.GetHeight() <= 0))
        Fail("a single image load succeeded without an image");
    BitmapA bitmap;
    if (manager.LoadImage(kScript, bitmap) == bitmap.IsEmpty())
        Fail("a BitmapA load's result and image disagree");
}

void RunSets(AssetManager& manager)
{
    {
        VornBitmapACache made;
        if (manager.LoadImages(kScript, made))
            CheckSet<BitmapA>(made);
    }
    const VornwxBitmapCache* set = nullptr;
    if (manager.LoadImagesCached(kScript, set)) {
        if (!set)
            Fail("a cached set load gave no set");
        CheckSet<wxBitmap>(*set);
        const VornwxBitmapCache* again = nullptr;
        if (!manager.LoadImagesCached(kScript, again) || again != set)
            Fail("the set cache missed");
    }
}

void RunEdit(AssetManager& manager)
{
    const wxBitmap* bitmap = nullptr;
    VornEditInfo info;
    if (manager.LoadEditWidgetCached(kScript, bitmap, info)) {
        if (!bitmap || !bitmap->IsOk())
            Fail("an edit skin without its bitmap");
    } else if (bitmap || info.x != -1 || info.y != -1 || info.width != -1 || info.height != -1) {
        Fail("a failed edit skin without the fallback record");
    }
}

void RunListBox(AssetManager& manager)
{
    VornListBoxInfo info;
    if (manager.LoadListBoxCached(kScript, info)) {
        if (!info.imageCache)
            Fail("a list-box skin without its image set");
        CheckSet<wxBitmap>(*info.imageCache);
        if (info.x == -999)
            Fail("a list-box skin without its text area");
    } else if (info.imageCache || info.x != -1 || info.expandValue != -1 || info.selDot) {
        Fail("a failed list-box skin without the fallback record");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    static bool hooked = false;
    if (!hooked) {
        hooked = true;
        if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
            wxImage::AddHandler(new wxPNGHandler);
        SetWarningHook([](const std::string& title, const std::string& text) {
            g_warnings.emplace_back(title, text);
        });
    }
    auto& skin = Skin();
    skin.back().second.assign(reinterpret_cast<const char*>(data), size);

    AssetManager manager;
    for (auto& [name, bytes] : skin)
        AddFuzzAsset(manager, name.c_str(), bytes);
    if (!manager.LoadColourData("colours.txt") || !manager.LoadFontData("fonts.txt"))
        Fail("the fixed databases did not load");
    g_warnings.clear();

    RunSingle(manager);
    RunSets(manager);
    RunEdit(manager);
    RunListBox(manager);
    if (manager.GetSpecialInfo())
        Fail("a list-box load left its record in the special info");
    if (!manager.GetCurrentScriptName().empty())
        Fail("a script name outlived its run");
    CheckWarnings();
    return 0;
}
