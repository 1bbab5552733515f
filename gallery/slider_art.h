#pragma once
// Slider bitmaps drawn in code with the imaging layer, for the looks whose images a
// host passes in.
#include <wx/bitmap.h>

struct SliderArt {
    wxBitmap leftCap, cap0, cap1, cap2, fill, knobA; // VornSliderA, 20 pixels high
    wxBitmap track, knobC;                           // VornSliderC
};

SliderArt MakeSliderArt(int width);
