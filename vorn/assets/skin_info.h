#pragma once
// Skins loaded by image scripts: the layout data of edit boxes and list boxes that
// comes with their background images.
#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/font.h>

namespace vorn {

class VornwxBitmapCache;

/// Edit-box skin, filled by the script's "edit" line. The widget image is x + width wide
/// and y + height high.
struct VornEditInfo {
    int x = 0;      // text area inside the widget image
    int y = 0;
    int width = 0;
    int height = 0;
    wxColour textColour;       // first colour of the "edit" line
    wxColour highlightColour;  // second colour
    wxColour backgroundColour; // not set by scripts
    wxFont font = wxNullFont;  // wxNullFont when the skin names none
};

/// What list-box controls get (LoadListBoxCached): the skin values, with the image set
/// shared with the manager's cache.
struct VornListBoxInfo {
    VornwxBitmapCache* imageCache = nullptr;
    int x = 0; // text area
    int y = 0;
    int width = 0;
    int height = 0;
    wxColour textColour;
    int expandValue = 0;
    const wxBitmap* selDot = nullptr;
    wxColour expandColour1;
    wxColour expandColour2;
    wxColour expandColour3;
    const wxBitmap* scrollOff = nullptr;
    const wxBitmap* scrollUp = nullptr;
    const wxBitmap* scrollDown = nullptr;
};

/// The record a list-box script fills (through "lbText", "lbExpand" and "lbSelDot"); the
/// cache keeps it and hands out its VornListBoxInfo part.
struct OldVornListBoxInfo : VornListBoxInfo {
    /// A record whose text area is not set yet.
    OldVornListBoxInfo() { x = -999; } // -999 until an "lbText" line is seen
    bool ownsImageCache = false;
};

} // namespace vorn
