#pragma once
// Conversions between the imaging layer's colours and wxWidgets colours.
#include <vorn/util/color.h>

#include <wx/colour.h>

namespace vorn {

Color WxCtoC(const wxColour& c);
ColorA WxCtoCA(const wxColour& c);
// Each channel is multiplied by 255 and truncated toward zero: no rounding, no clamping.
wxColour CtoWxC(const Color& c);
wxColour CAtoWxC(const ColorA& c);

} // namespace vorn
