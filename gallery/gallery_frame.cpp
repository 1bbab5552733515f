#include "gallery_frame.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

GalleryFrame::GalleryFrame(const std::vector<GalleryPage>& pages, AssetManager* assets)
    : wxFrame(nullptr, wxID_ANY, "Vorn gallery", wxPoint(0, 0), wxSize(960, 720))
{
    auto* root = new wxPanel(this);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    m_book = new wxNotebook(root, wxID_ANY);
    m_logPane = new wxListBox(root, wxID_ANY, wxDefaultPosition, wxSize(-1, 170));
    m_logPane->SetFont(wxFont(wxFontInfo(9).Family(wxFONTFAMILY_TELETYPE)));
    m_log = std::make_unique<EventLog>(m_logPane);
    m_context.log = m_log.get();
    m_context.assets = assets;

    for (const GalleryPage& page : pages) {
        wxWindow* content = page.build(m_book, m_context);
        m_book->AddPage(content, wxString::FromUTF8(page.name));
        m_names.push_back(page.name);
    }
    sizer->Add(m_book, 1, wxEXPAND | wxALL, 4);
    sizer->Add(new wxStaticText(root, wxID_ANY, "Updates reaching the host (newest last)"), 0, wxLEFT, 6);
    sizer->Add(m_logPane, 0, wxEXPAND | wxALL, 4);
    root->SetSizer(sizer);
}

GalleryFrame::~GalleryFrame()
{
    // Pages deregister their groups' receivers as they go; the log outlives them.
    m_book->DeleteAllPages();
}

void GalleryFrame::ShowPage(size_t index) { m_book->SetSelection(index); }

void GalleryFrame::RunPageDemo(size_t index)
{
    if (auto* demo = dynamic_cast<GalleryDemo*>(m_book->GetPage(index)))
        demo->RunDemo();
}

wxImage GalleryFrame::Capture()
{
    const wxSize size = GetClientSize();
    wxBitmap shot(size.x, size.y, 24);
    {
        // The screen, not the frame's own DC: child windows draw on their own surfaces.
        wxScreenDC screen;
        const wxPoint origin = ClientToScreen(wxPoint(0, 0));
        wxMemoryDC mem(shot);
        mem.Blit(0, 0, size.x, size.y, &screen, origin.x, origin.y);
    }
    return shot.ConvertToImage();
}
