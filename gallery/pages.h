#pragma once
// Page builders of the gallery, one per control family.
#include <wx/window.h>

#include "gallery_frame.h"

wxWindow* BuildSlidersPage(wxWindow* parent, GalleryContext& context);
wxWindow* BuildWheelPage(wxWindow* parent, GalleryContext& context);
wxWindow* BuildDialsPage(wxWindow* parent, GalleryContext& context);
wxWindow* BuildButtonsPage(wxWindow* parent, GalleryContext& context);
