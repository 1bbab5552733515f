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
    int x = 0;                 ///< Left of the text area inside the widget image, in pixels.
    int y = 0;                 ///< Top of the text area, in pixels.
    int width = 0;             ///< Width of the text area, in pixels.
    int height = 0;            ///< Height of the text area, in pixels.
    wxColour textColour;       ///< First colour of the "edit" line.
    wxColour highlightColour;  ///< Second colour of the "edit" line.
    wxColour backgroundColour; ///< Not set by scripts.
    wxFont font = wxNullFont;  ///< wxNullFont when the skin names none.
};

/// What list-box controls get (LoadListBoxCached): the skin values, with the image set
/// shared with the manager's cache.
struct VornListBoxInfo {
    /// The skin's image set; owned by the manager's cache, null when the skin did not load.
    VornwxBitmapCache* imageCache = nullptr;
    int x = 0;                            ///< Left of the text area, in pixels (-1 when not loaded).
    int y = 0;                            ///< Top of the text area, in pixels.
    int width = 0;                        ///< Width of the text area, in pixels.
    int height = 0;                       ///< Height of the text area, in pixels.
    wxColour textColour;                  ///< Colour of the "lbText" line.
    int expandValue = 0;                  ///< Value of the "lbExpand" line; -1 when not loaded.
    const wxBitmap* selDot = nullptr;     ///< Image of the "lbSelDot" line (cache-owned), or null.
    wxColour expandColour1;               ///< First colour of the "lbExpand" line.
    wxColour expandColour2;               ///< Second colour of the "lbExpand" line.
    wxColour expandColour3;               ///< Third colour of the "lbExpand" line.
    const wxBitmap* scrollOff = nullptr;  ///< Scroll-bar image, idle (cache-owned), or null.
    const wxBitmap* scrollUp = nullptr;   ///< Scroll-bar image, up (cache-owned), or null.
    const wxBitmap* scrollDown = nullptr; ///< Scroll-bar image, down (cache-owned), or null.
};

/// The record a list-box script fills (through "lbText", "lbExpand" and "lbSelDot"); the
/// cache keeps it and hands out its VornListBoxInfo part.
struct OldVornListBoxInfo : VornListBoxInfo {
    /// A record whose text area is not set yet.
    OldVornListBoxInfo() { x = -999; } // -999 until an "lbText" line is seen
    bool ownsImageCache = false; ///< The image set belongs to the cache entry holding this record.
};

} // namespace vorn
