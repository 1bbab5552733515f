// GL page (placeholder).
#include <wx/panel.h>

#include "pages.h"

wxWindow* BuildGlPage(wxWindow* parent, GalleryContext&) { return new wxPanel(parent); }
