#pragma once
// Conversions between the imaging layer's colours and wxWidgets colours.
#include <vorn/util/color.h>

#include <wx/colour.h>

namespace vorn {

/// The colour of a wxColour: each byte channel times 1/255.
Color WxCtoC(const wxColour& c);
/// The opaque ColorA of a wxColour: each byte channel times 1/255, alpha 1.0.
ColorA WxCtoCA(const wxColour& c);
/// The wxColour of a colour: each channel times 255, truncated toward zero.
/// No rounding and no clamping.
wxColour CtoWxC(const Color& c);
/// The wxColour of a ColorA, truncated as CtoWxC does; alpha is dropped.
wxColour CAtoWxC(const ColorA& c);

} // namespace vorn
