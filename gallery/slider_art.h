#pragma once
// The default skin's slider looks, as a host fetches them: single images by name from
// the asset manager, which owns them (valid until its caches are cleared).
#include <wx/bitmap.h>

namespace vorn {
class AssetManager;
}

struct SliderArt {
    const wxBitmap* leftCap = nullptr; // vorn::VornSliderA: caps, fill and knob, 20 pixels high
    const wxBitmap* cap0 = nullptr;
    const wxBitmap* cap1 = nullptr;
    const wxBitmap* cap2 = nullptr;
    const wxBitmap* fill = nullptr;
    const wxBitmap* knobA = nullptr;
    const wxBitmap* track = nullptr; // vorn::VornSliderC
    const wxBitmap* knobC = nullptr;
};

// False when the skin lacks any of them (the pointers it found are kept).
bool LoadSliderArt(vorn::AssetManager& assets, SliderArt& art);
