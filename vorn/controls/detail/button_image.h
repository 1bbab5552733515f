#pragma once
// What every image button shows, computed in one place for real and virtual buttons:
// the state image chosen from the flags, the chain of stand-ins for a state the image
// set lacks, and the plain copy of the chosen region.
//
//   enabled  on   over  down   state
//   no       yes  -     -      6 disabled_on
//   no       no   -     -      7 disabled_off
//   yes      yes  no    no     3 on
//   yes      yes  yes   no     4 on_mouse_over
//   yes      yes  -     yes    8 on_down        (down wins over over)
//   yes      no   no    no     2 off
//   yes      no   yes   no     5 off_mouse_over
//   yes      no   -     yes    9 off_down
//
// Stand-ins: 4, 6 -> 3; 5, 7 -> 2; 8 -> 4; 9 -> 5. "off" and "on" end the chain, so a
// set holding only those two serves every state.
#include <vorn/assets/image_cache.h>

class wxDC;

namespace vorn::detail {

VORNIMAGETYPE VornButtonImageState(bool enabled, bool on, bool over, bool down);

// The state drawn instead of a missing one; VORN_IMAGE_NONE where the chain ends.
VORNIMAGETYPE VornButtonFallbackState(VORNIMAGETYPE state);

// The image region of `state`, or of the first stand-in the set has. False, with a null
// wallpaper in `info`, without a set or when the chain runs out.
bool FindButtonImage(const VornwxBitmapCache* cache, VORNIMAGETYPE state, WallpaperImageInfo<wxBitmap>& info);

// Copies the image of `state` (or its stand-in) to the DC's origin: plain copy, no mask,
// nothing cleared; nothing when the set has none.
void DrawButtonImage(wxDC& dc, const VornwxBitmapCache* cache, VORNIMAGETYPE state);

} // namespace vorn::detail
