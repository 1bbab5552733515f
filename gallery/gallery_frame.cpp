#include "gallery_frame.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/text_lists/list_popup.h>

using namespace vorn;

GalleryFrame::GalleryFrame(const std::vector<GalleryPage>& pages, AssetManager* assets)
    : wxFrame(nullptr, wxID_ANY, "Vorn gallery", wxPoint(0, 0), wxSize(960, 720))
{
    auto* root = new wxPanel(this);
    wxColour text = GetForegroundColour();
    if (assets) {
        SetTitle(wxString::FromUTF8(assets->GetMessage("gallery_title")));
        wxColour background;
        assets->GetColour(vornskin::kPanelBackground, background);
        assets->GetColour(vornskin::kPanelText, text);
        root->SetBackgroundColour(background);
    }
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
    auto* logTitle = new wxStaticText(root, wxID_ANY, "Updates reaching the host (newest last)");
    logTitle->SetForegroundColour(text);
    sizer->Add(logTitle, 0, wxLEFT, 6);
    sizer->Add(m_logPane, 0, wxEXPAND | wxALL, 4);
    root->SetSizer(sizer);
}

GalleryFrame::~GalleryFrame()
{
    // Pages deregister their groups' receivers as they go; the log outlives them.
    m_book->DeleteAllPages();
}

void GalleryFrame::ShowPage(size_t index)
{
    m_book->SetSelection(index);
}

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
        wxClientDC window(this);
        wxMemoryDC mem(shot);
        mem.Blit(0, 0, size.x, size.y, &window, 0, 0);
        ComposePopups(mem);
    }
    return shot.ConvertToImage();
}

// Pop-ups are top-level frames of their own, which the frame's read-back does not hold:
// each one that is open is drawn into the shot where it lies on the screen. A list pop-up
// renders itself; any other pop-up is read back from the screen, where it is on top.
void GalleryFrame::ComposePopups(wxDC& shot)
{
    const wxPoint origin = ClientToScreen(wxPoint(0, 0));
    for (wxWindow* top : wxTopLevelWindows) {
        auto* popup = dynamic_cast<VornPopupFrame*>(top);
        if (!popup || !popup->IsShown() || popup->IsBeingDestroyed())
            continue;
        const wxRect rect = popup->GetScreenRect();
        wxBitmap image(rect.width, rect.height, 24);
        {
            wxMemoryDC mem(image);
            if (auto* list = dynamic_cast<ExpandedVornListBox*>(popup)) {
                list->Render(mem);
            } else {
                wxScreenDC screen;
                mem.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y);
            }
        }
        shot.DrawBitmap(image, rect.x - origin.x, rect.y - origin.y);
    }
}
