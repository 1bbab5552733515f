// vorn-gallery: the host application a user of the library would write, and our showcase.
//   vorn-gallery                      interactive, on the default skin as the build assembled it
//   vorn-gallery --archives           the same skin from its numbered archives (vorn_N.vrk)
//   vorn-gallery --skin DIR           another skin tree
//   vorn-gallery --language fr        the skin's texts in another language
//   vorn-gallery --screenshot DIR     renders every page to DIR/<page>.png and exits
#include <cstdio>
#include <memory>
#include <string>

#include <wx/app.h>
#include <wx/cmdline.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/image.h>

#include <vorn/assets/archive_asset_loader.h>
#include <vorn/assets/asset_loader.h>
#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>

#include "gallery_frame.h"

using namespace vorn;

// Where the build put the default skin, and where installing puts it (set by the skin's
// build rules). The build tree's copy wins while it exists.
#ifndef VORN_GALLERY_SKIN_DIR
#define VORN_GALLERY_SKIN_DIR ""
#endif
#ifndef VORN_GALLERY_ARCHIVE_DIR
#define VORN_GALLERY_ARCHIVE_DIR ""
#endif
#ifndef VORN_GALLERY_INSTALLED_SKIN_DIR
#define VORN_GALLERY_INSTALLED_SKIN_DIR ""
#endif
#ifndef VORN_GALLERY_INSTALLED_ARCHIVE_DIR
#define VORN_GALLERY_INSTALLED_ARCHIVE_DIR ""
#endif

namespace {

std::string WithSlash(std::string dir) { return dir.empty() || dir.back() == '/' ? dir : dir + "/"; }

std::string FirstExisting(const char* built, const char* installed)
{
    return wxDirExists(wxString::FromUTF8(built)) ? built : installed;
}

// Start-up as every host does it: platform and language first, then the loaders, the
// assets, and the colour, font and message scripts. Later loaders patch earlier ones.
bool LoadSkin(AssetManager& assets, const std::string& tree, const std::string& archiveDir,
              const std::string& language, std::string& why)
{
    assets.SetPlatform("gtk");
    assets.SetLanguage(language.c_str(), "");
    if (!archiveDir.empty()) {
        for (ArchiveAssetLoader* loader : ArchiveAssetLoader::GetArchiveAssetLoaders(WithSlash(archiveDir), "vorn"))
            assets.SetAssetLoader(loader);
    } else {
        auto* loader = new FileAssetLoader;
        if (!loader->Init(WithSlash(tree))) {
            delete loader;
            why = "no skin directory given";
            return false;
        }
        assets.SetAssetLoader(loader);
    }
    if (!assets.LoadAssets() || assets.GetAssetCount() == 0) {
        why = "no assets found in " + (archiveDir.empty() ? tree : archiveDir);
        return false;
    }
    if (!assets.LoadColourData(vornskin::kColourScript) || !assets.LoadFontData(vornskin::kFontScript)) {
        why = "the skin's colour or font database did not load";
        return false;
    }
    assets.LoadMessages(vornskin::kMessageText); // texts fall back to their keys
    return true;
}

} // namespace

class GalleryApp : public wxApp {
public:
    bool OnInit() override;
    int OnRun() override;
    void OnInitCmdLine(wxCmdLineParser& parser) override;
    bool OnCmdLineParsed(wxCmdLineParser& parser) override;

private:
    bool WriteScreenshots();
    void PumpUntilIdle();

    GalleryFrame* m_frame = nullptr;
    wxString m_screenshotDir;
    wxString m_skinDir; // empty: the default skin
    wxString m_language = "en";
    bool m_archives = false;
    std::unique_ptr<AssetManager> m_assets; // outlives the frame and every control on it
};

void GalleryApp::OnInitCmdLine(wxCmdLineParser& parser)
{
    wxApp::OnInitCmdLine(parser);
    parser.AddOption("", "screenshot", "render every page to DIR/<page>.png and exit", wxCMD_LINE_VAL_STRING);
    parser.AddOption("", "skin", "load the skin tree DIR instead of the default skin", wxCMD_LINE_VAL_STRING);
    parser.AddSwitch("", "archives", "load the default skin from its archives (vorn_N.vrk)");
    parser.AddOption("", "language", "language of the skin's texts (default en)", wxCMD_LINE_VAL_STRING);
}

bool GalleryApp::OnCmdLineParsed(wxCmdLineParser& parser)
{
    parser.Found("screenshot", &m_screenshotDir);
    parser.Found("skin", &m_skinDir);
    parser.Found("language", &m_language);
    m_archives = parser.Found("archives");
    return wxApp::OnCmdLineParsed(parser);
}

bool GalleryApp::OnInit()
{
    if (!wxApp::OnInit())
        return false;
    wxInitAllImageHandlers();
    m_assets = std::make_unique<AssetManager>();
    std::string why;
    if (m_skinDir.empty())
        m_skinDir = wxString::FromUTF8(FirstExisting(VORN_GALLERY_SKIN_DIR, VORN_GALLERY_INSTALLED_SKIN_DIR));
    const std::string archives =
        m_archives ? FirstExisting(VORN_GALLERY_ARCHIVE_DIR, VORN_GALLERY_INSTALLED_ARCHIVE_DIR) : std::string();
    if (!LoadSkin(*m_assets, m_skinDir.utf8_string(), archives, m_language.utf8_string(), why)) {
        std::fprintf(stderr, "vorn-gallery: cannot load the skin: %s (pass --skin DIR)\n", why.c_str());
        return false;
    }
    if (!m_screenshotDir.empty())
        return true; // OnRun makes a frame per page
    m_frame = new GalleryFrame(AllGalleryPages(), m_assets.get());
    m_frame->Show();
    return true;
}

void GalleryApp::PumpUntilIdle()
{
    // Let GTK map, lay out and paint what changed.
    for (int i = 0; i < 20; ++i) {
        Yield(true);
        wxMilliSleep(5);
    }
    ProcessPendingEvents();
}

bool GalleryApp::WriteScreenshots()
{
    if (!wxFileName::Mkdir(m_screenshotDir, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL)) {
        std::fprintf(stderr, "vorn-gallery: cannot create %s\n", m_screenshotDir.utf8_str().data());
        return false;
    }
    // One fresh frame per page, showing that page from the start: under Xvfb a page that
    // the notebook switches to later does not reach the screen that Capture reads.
    const std::vector<GalleryPage> pages = AllGalleryPages();
    for (size_t i = 0; i < pages.size(); ++i) {
        auto* frame = new GalleryFrame(pages, m_assets.get());
        frame->ShowPage(i);
        frame->Show();
        PumpUntilIdle();
        frame->RunPageDemo(i);
        PumpUntilIdle();
        const wxString path =
            wxFileName(m_screenshotDir, wxString::FromUTF8(frame->GetPageName(i)) + ".png").GetFullPath();
        const bool saved = frame->Capture().SaveFile(path, wxBITMAP_TYPE_PNG);
        frame->Destroy();
        ProcessIdle();
        if (!saved) {
            std::fprintf(stderr, "vorn-gallery: cannot write %s\n", path.utf8_str().data());
            return false;
        }
        std::printf("%s\n", path.utf8_str().data());
    }
    return true;
}

int GalleryApp::OnRun()
{
    if (m_screenshotDir.empty())
        return wxApp::OnRun();
    return WriteScreenshots() ? 0 : 1;
}

wxIMPLEMENT_APP(GalleryApp);
