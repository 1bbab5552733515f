// The gallery: a host application built from the library's controls.
#include <wx/wx.h>

#include <vorn/vorn.h>

class GalleryApp : public wxApp {
public:
    bool OnInit() override
    {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "Vorn gallery", wxDefaultPosition, wxSize(800, 600));
        frame->Show();
        return true;
    }
};

wxIMPLEMENT_APP(GalleryApp);
