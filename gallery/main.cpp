// vorn-gallery: the host application a user of the library would write, and our showcase.
//   vorn-gallery                      interactive
//   vorn-gallery --screenshot DIR     renders every page to DIR/<page>.png and exits
#include <cstdio>
#include <string>

#include <wx/app.h>
#include <wx/cmdline.h>
#include <wx/filename.h>
#include <wx/image.h>

#include "gallery_frame.h"

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
};

void GalleryApp::OnInitCmdLine(wxCmdLineParser& parser)
{
    wxApp::OnInitCmdLine(parser);
    parser.AddOption("", "screenshot", "render every page to DIR/<page>.png and exit", wxCMD_LINE_VAL_STRING);
}

bool GalleryApp::OnCmdLineParsed(wxCmdLineParser& parser)
{
    parser.Found("screenshot", &m_screenshotDir);
    return wxApp::OnCmdLineParsed(parser);
}

bool GalleryApp::OnInit()
{
    if (!wxApp::OnInit())
        return false;
    wxInitAllImageHandlers();
    m_frame = new GalleryFrame(AllGalleryPages(), nullptr);
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
    PumpUntilIdle();
    for (size_t i = 0; i < m_frame->GetPageCount(); ++i) {
        m_frame->ShowPage(i);
        PumpUntilIdle();
        m_frame->RunPageDemo(i);
        PumpUntilIdle();
        const wxString path = wxFileName(m_screenshotDir, wxString::FromUTF8(m_frame->GetPageName(i)) + ".png")
                                  .GetFullPath();
        if (!m_frame->Capture().SaveFile(path, wxBITMAP_TYPE_PNG)) {
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
    const bool ok = WriteScreenshots();
    m_frame->Destroy();
    ProcessIdle();
    return ok ? 0 : 1;
}

wxIMPLEMENT_APP(GalleryApp);
