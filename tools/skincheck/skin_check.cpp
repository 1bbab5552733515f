#include "skin_check.h"

#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include <vorn/assets/archive_asset_loader.h>
#include <vorn/assets/asset.h>
#include <vorn/assets/asset_loader.h>
#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/util/diagnostics.h>
#include <vorn/util/text.h>

using namespace vorn;

namespace fs = std::filesystem;

namespace {

const char* const kUsage =
    "usage: vorn-skincheck [--platform P] [--language L[_M]] SKIN...\n"
    "\n"
    "Loads the skin as a host does (each SKIN a skin tree or a .vrk archive; later ones\n"
    "patch earlier ones), runs its colour, font and image scripts and skins, and reports\n"
    "  error    a warning or parse error, an unknown colour, a wrong size or a missing state\n"
    "  missing  a name the library or a host using the default looks needs\n"
    "  unused   a file nothing refers to\n"
    "one line each, named by the asset. Platform defaults to gtk, language to en.\n"
    "\n"
    "Exit status: 0 clean (unused files do not count), 1 errors or missing names,\n"
    "2 wrong command line.\n";

bool EndsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool IsScriptName(const std::string& lower) { return EndsWith(lower, ".sts") || EndsWith(lower, ".lbs"); }

// The checker's view of one run: what it found, and which asset it was working on when
// a diagnostic arrived, so that every line names its asset.
class Checker {
public:
    Checker(const SkinCheckOptions& options, std::ostream& out) : m_options(options), m_out(out)
    {
        SetWarningHook([this](const std::string& title, const std::string& text) {
            Error(title == text ? text : title + ": " + text);
        });
        SetDebugHook([this](const std::string& text) { OnDebug(text); });
    }
    ~Checker()
    {
        SetWarningHook(nullptr);
        SetDebugHook(nullptr);
    }

    SkinCheckResult Run();

private:
    bool LoadSources();
    void ListTree(const fs::path& root);
    void ListArchive(const std::string& path);
    void CheckDatabases();
    void CheckName(const SkinAssetName& entry);
    void CheckFile(const SkinAssetName& entry);
    void CheckOtherScripts();
    void CheckPictures();
    void CollectReferences(const std::string& name);
    void ReportUnused();

    void Begin(const std::string& asset)
    {
        m_current = asset;
        ++m_result.checked;
    }
    void Error(const std::string& text)
    {
        m_out << (m_current.empty() ? "skin" : m_current) << ": error: " << text << "\n";
        ++m_result.errors;
    }
    void Missing(const std::string& name, const std::string& what)
    {
        m_out << name << ": missing: " << what << "\n";
        ++m_result.missing;
    }
    void OnDebug(const std::string& text)
    {
        // An unknown colour never stops a script; it only leaves these lines behind.
        const std::string marker = "NONFATAL ERROR: Failed to find ";
        if (text.compare(0, marker.size(), marker) != 0)
            return;
        const size_t open = text.find('\'');
        const size_t close = text.rfind('\'');
        const std::string colour =
            open != std::string::npos && close > open ? text.substr(open + 1, close - open - 1) : text;
        if (m_unknownColours.insert(m_current + "\n" + colour).second)
            Error("unknown colour '" + colour + "'");
    }
    // "size rgb W H" of a script: its type word, or "" when the line does not read.
    std::string ScriptType(const std::string& name, int& width, int& height);
    void CheckSize(const SkinAssetName& entry, int width, int height, const std::string& what = "");
    template <class Set>
    void CheckStates(const SkinAssetName& entry, const Set& set);

    const SkinCheckOptions& m_options;
    std::ostream& m_out;
    SkinCheckResult m_result;
    AssetManager m_assets;
    std::string m_current;
    std::set<std::string> m_unknownColours;
    std::set<std::string> m_files;      // lower-case names of every file the sources hold
    std::set<std::string> m_referenced; // lower-case names something refers to
};

bool Checker::LoadSources()
{
    m_assets.SetPlatform(m_options.platform.c_str());
    m_assets.SetLanguage(m_options.languageMajor.c_str(), m_options.languageMinor.c_str());
    bool ok = true;
    for (const std::string& source : m_options.sources) {
        m_current = source;
        std::error_code ec;
        if (fs::is_directory(source, ec)) {
            auto* loader = new FileAssetLoader;
            loader->Init(EndsWith(source, "/") ? source : source + "/");
            m_assets.SetAssetLoader(loader);
            ListTree(source);
        } else if (fs::is_regular_file(source, ec) && EndsWith(ToLower(source), ".vrk")) {
            ArchiveAssetLoader probe(source.c_str());
            if (!probe.Open()) {
                Error("cannot open the archive: " + probe.GetLastError());
                ok = false;
                continue;
            }
            // A host would skip the whole archive; the check stops so that its missing
            // assets are not reported one by one.
            const std::vector<std::string> problems = probe.GetDirectoryProblems();
            if (!problems.empty()) {
                for (const std::string& problem : problems)
                    Error("damaged archive, " + problem);
                ok = false;
                continue;
            }
            for (const ArchiveEntry& entry : probe.GetEntries())
                m_files.insert(ToLower(entry.name));
            m_assets.SetAssetLoader(new ArchiveAssetLoader(source.c_str()));
        } else {
            Error("not a skin tree or a .vrk archive");
            ok = false;
        }
    }
    m_current.clear();
    if (ok && !m_assets.LoadAssets()) {
        Error("the asset loaders failed");
        ok = false;
    }
    return ok;
}

void Checker::ListTree(const fs::path& root)
{
    std::error_code ec;
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string file = it->path().filename().string();
        if (!file.empty() && file[0] == '.') {
            if (it->is_directory())
                it.disable_recursion_pending();
            continue;
        }
        if (it->is_regular_file())
            m_files.insert(ToLower(file.find('.') == std::string::npos ? file + "." : file));
    }
}

std::string Checker::ScriptType(const std::string& name, int& width, int& height)
{
    std::string text;
    if (!m_assets.LoadText(name.c_str(), text))
        return "";
    std::istringstream in(text.substr(0, text.find('\n')));
    std::string size, type;
    if (!(in >> size >> type >> width >> height) || size != "size")
        return "";
    return type;
}

void Checker::CheckSize(const SkinAssetName& entry, int width, int height, const std::string& what)
{
    if (entry.width > 0 && (width != entry.width || height != entry.height))
        Error(what + "is " + std::to_string(width) + "x" + std::to_string(height) + ", its control expects " +
              std::to_string(entry.width) + "x" + std::to_string(entry.height));
}

template <class Set>
void Checker::CheckStates(const SkinAssetName& entry, const Set& set)
{
    for (int state = VORN_IMAGE_OFF; state <= VORN_IMAGE_OFF_DOWN; ++state) {
        if (!(entry.states & SkinStateBit(state)))
            continue;
        const wxBitmap* image = nullptr;
        if (!set.GetImage(state, image) || !image)
            Error(std::string("has no image for state '") + VornImageStateName(state) + "'");
        else
            CheckSize(entry, image->GetWidth(), image->GetHeight(),
                      std::string("state '") + VornImageStateName(state) + "' ");
    }
}

void Checker::CheckDatabases()
{
    struct Script {
        const char* name;
        bool (AssetManager::*load)(const char*);
    };
    for (const Script& s : {Script{vornskin::kColourScript, &AssetManager::LoadColourData},
                            Script{vornskin::kFontScript, &AssetManager::LoadFontData},
                            Script{vornskin::kMessageText, &AssetManager::LoadMessages}}) {
        Begin(s.name);
        Asset* asset = nullptr;
        if (!m_assets.GetAsset(s.name, asset)) {
            const SkinAssetName* entry = FindSkinAssetName(s.name);
            Missing(s.name, std::string(SkinAssetKindName(entry->kind)) + " (" + entry->use + ")");
            continue;
        }
        const int before = m_result.errors;
        if (!(m_assets.*s.load)(s.name) && m_result.errors == before)
            Error("cannot be read");
    }
}

void Checker::CheckName(const SkinAssetName& entry)
{
    const std::string what = std::string(SkinAssetKindName(entry.kind)) + " (" + entry.use + ")";
    m_referenced.insert(ToLower(entry.name));
    switch (entry.kind) {
    case SkinAssetKind::Colour:
        if (!m_assets.HasColour(entry.name))
            Missing(entry.name, what);
        return;
    case SkinAssetKind::Font: {
        Begin(entry.name);
        wxFont font;
        if (!m_assets.GetFont(entry.name, font))
            Missing(entry.name, what);
        return;
    }
    case SkinAssetKind::ColourScript:
    case SkinAssetKind::FontScript:
    case SkinAssetKind::MessageText: return; // run first, by CheckDatabases
    default: break;
    }
    Asset* asset = nullptr;
    if (!m_assets.GetAsset(entry.name, asset)) {
        Missing(entry.name, what);
        return;
    }
    Begin(entry.name);
    CollectReferences(entry.name);
    CheckFile(entry);
}

void Checker::CheckFile(const SkinAssetName& entry)
{
    const char* name = entry.name;
    int w = 0, h = 0;
    const std::string type = ScriptType(name, w, h);
    // Everything but the thumb wheel's images reaches the screen as a wxBitmap without
    // alpha: transparent pixels would show whatever colour bytes they hold.
    if (type == "rgba" && entry.kind != SkinAssetKind::BitmapA)
        Error("is rgba, but its control draws it without alpha: make it rgb, painted on the colour it sits on");
    switch (entry.kind) {
    case SkinAssetKind::Bitmap: {
        const wxBitmap* image = nullptr;
        if (m_assets.LoadImageCached(name, image))
            CheckSize(entry, image->GetWidth(), image->GetHeight());
        else
            Error("does not load");
        break;
    }
    case SkinAssetKind::BitmapA: {
        const BitmapA* image = nullptr;
        if (m_assets.LoadImageCached(name, image))
            CheckSize(entry, image->GetWidth(), image->GetHeight());
        else
            Error("does not load");
        break;
    }
    case SkinAssetKind::ImageSet: {
        const VornwxBitmapCache* set = nullptr;
        if (m_assets.LoadImagesCached(name, set))
            CheckStates(entry, *set);
        else
            Error("does not load");
        break;
    }
    case SkinAssetKind::EditSkin: {
        const wxBitmap* image = nullptr;
        VornEditInfo info;
        if (!m_assets.LoadEditWidgetCached(name, image, info)) {
            Error("does not load");
            break;
        }
        CheckSize(entry, image->GetWidth(), image->GetHeight());
        if (info.x < 0 || info.y < 0 || info.x + info.width > image->GetWidth() ||
            info.y + info.height > image->GetHeight())
            Error("its edit area lies outside its image");
        break;
    }
    case SkinAssetKind::ListBoxSkin: {
        VornListBoxInfo info;
        if (!m_assets.LoadListBoxCached(name, info) || !info.imageCache) {
            Error("does not load");
            break;
        }
        CheckStates(entry, *info.imageCache);
        if (!info.selDot)
            Error("has no selection dot (lbSelDot)");
        if (!info.scrollOff || !info.scrollUp || !info.scrollDown)
            Error("its pop-up lacks a scroll bar image");
        break;
    }
    default: break;
    }
}

// Every image a script names is used; an "lbExpand" line uses the three scroll images.
void Checker::CollectReferences(const std::string& name)
{
    std::string text;
    if (!m_assets.LoadText(name.c_str(), text))
        return;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string command, a, b;
        words >> command >> a >> b;
        if (command == "copy" || command == "copya" || command == "setalphafromgrey" || command == "lbSelDot")
            m_referenced.insert(ToLower(a));
        else if (command == "map" || command == "mapmask")
            m_referenced.insert(ToLower(b));
        else if (command == "lbExpand")
            for (const char* scroll : {vornskin::kScrollOff, vornskin::kScrollUp, vornskin::kScrollDown})
                m_referenced.insert(scroll);
    }
}

// Scripts that no control names directly (nested pictures, a skin author's extras) are
// run as well, in the form their text says they take.
void Checker::CheckOtherScripts()
{
    for (const std::string& name : m_files) {
        if (!IsScriptName(name) || FindSkinAssetName(name))
            continue;
        Asset* asset = nullptr;
        if (!m_assets.GetAsset(name.c_str(), asset))
            continue; // another platform's or language's variant
        Begin(name);
        CollectReferences(name);
        std::string text;
        m_assets.LoadText(name.c_str(), text);
        if (EndsWith(name, ".lbs")) {
            VornListBoxInfo info;
            m_assets.LoadListBoxCached(name.c_str(), info);
        } else if (text.find("\nedit ") != std::string::npos) {
            const wxBitmap* image = nullptr;
            VornEditInfo info;
            m_assets.LoadEditWidgetCached(name.c_str(), image, info);
        } else if (text.find("assign image") != std::string::npos) {
            const BitmapA* image = nullptr;
            m_assets.LoadImageCached(name.c_str(), image);
        } else {
            const VornBitmapACache* set = nullptr;
            m_assets.LoadImagesCached(name.c_str(), set);
        }
    }
}

void Checker::CheckPictures()
{
    for (const std::string& name : m_files) {
        Asset* asset = nullptr;
        if (!EndsWith(name, ".png") || !m_assets.GetAsset(name.c_str(), asset))
            continue;
        Begin(name);
        const int before = m_result.errors;
        const wxImage* image = nullptr;
        if (!m_assets.LoadImageCached(name.c_str(), image) && m_result.errors == before)
            Error("does not load");
    }
}

void Checker::ReportUnused()
{
    m_current.clear();
    for (const std::string& name : m_files) {
        if (m_referenced.count(name))
            continue;
        m_out << name << ": unused\n";
        ++m_result.unused;
    }
}

SkinCheckResult Checker::Run()
{
    if (!LoadSources())
        return m_result;
    CheckDatabases();
    CheckPictures();
    // Single images before the sets and skins that nest them, so that a broken one is
    // reported under its own name.
    for (const bool single : {true, false})
        for (const SkinAssetName& entry : SkinAssetNames())
            if (single == (entry.kind == SkinAssetKind::Bitmap || entry.kind == SkinAssetKind::BitmapA))
                CheckName(entry);
    CheckOtherScripts();
    ReportUnused();
    return m_result;
}

} // namespace

SkinCheckResult CheckSkin(const SkinCheckOptions& options, std::ostream& out)
{
    Checker checker(options, out);
    return checker.Run();
}

int RunSkinCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    SkinCheckOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            out << kUsage;
            return 0;
        }
        if ((arg == "--platform" || arg == "--language") && i + 1 < args.size()) {
            const std::string value = args[++i];
            if (arg == "--platform") {
                options.platform = value;
            } else {
                const size_t split = value.find('_');
                options.languageMajor = value.substr(0, split);
                options.languageMinor = split == std::string::npos ? "" : value.substr(split + 1);
            }
        } else if (!arg.empty() && arg[0] == '-') {
            err << "vorn-skincheck: unknown option " << arg << "\n" << kUsage;
            return 2;
        } else {
            options.sources.push_back(arg);
        }
    }
    if (options.sources.empty()) {
        err << kUsage;
        return 2;
    }
    const SkinCheckResult result = CheckSkin(options, out);
    out << "skin check: " << result.checked << " assets checked, " << result.errors << " errors, " << result.missing
        << " missing, " << result.unused << " unused\n";
    return result.Clean() ? 0 : 1;
}
