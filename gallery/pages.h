#pragma once
// Page builders of the gallery, one per control family.
#include <wx/window.h>

#include "gallery_frame.h"

wxWindow* BuildSlidersPage(wxWindow* parent, GalleryContext& context);
wxWindow* BuildWheelPage(wxWindow* parent, GalleryContext& context);
wxWindow* BuildDialsPage(wxWindow* parent, GalleryContext& context);
wxWindow* BuildButtonsPage(wxWindow* parent, GalleryContext& context);
wxWindow* BuildTextPage(wxWindow* parent, GalleryContext& context);
wxWindow* BuildListsPage(wxWindow* parent, GalleryContext& context);
wxWindow* BuildScrollBarsPage(wxWindow* parent, GalleryContext& context);
wxWindow* BuildTablePage(wxWindow* parent, GalleryContext& context);
wxWindow* BuildTreePage(wxWindow* parent, GalleryContext& context);
wxWindow* BuildColourPage(wxWindow* parent, GalleryContext& context);
wxWindow* BuildInstrumentsPage(wxWindow* parent, GalleryContext& context);
wxWindow* BuildGlPage(wxWindow* parent, GalleryContext& context);

// Parts of the pages above, built by their own files.
wxWindow* BuildMultiLineDemo(wxWindow* parent, GalleryContext& context); // on "text"
wxWindow* BuildMenuDemo(wxWindow* parent, GalleryContext& context);      // on "lists"
