#include <vorn/util/wx_colour.h>

#include <vorn/util/detail/unit_bytes.h>

namespace vorn {

namespace {
using detail::kByteToUnit;

unsigned char TruncateChannel(double component)
{
    // Truncation of the product is the contract; the cast of an out-of-range value is
    // done through int so that it wraps like the byte it becomes rather than being UB.
    return static_cast<unsigned char>(static_cast<int>(component * 255.0));
}
} // namespace

Color WxCtoC(const wxColour& c)
{
    return Color(c.Red() * kByteToUnit, c.Green() * kByteToUnit, c.Blue() * kByteToUnit);
}

ColorA WxCtoCA(const wxColour& c)
{
    return ColorA(c.Red() * kByteToUnit, c.Green() * kByteToUnit, c.Blue() * kByteToUnit, 1.0);
}

wxColour CtoWxC(const Color& c)
{
    return wxColour(TruncateChannel(c.r), TruncateChannel(c.g), TruncateChannel(c.b));
}

wxColour CAtoWxC(const ColorA& c)
{
    return wxColour(TruncateChannel(c.r), TruncateChannel(c.g), TruncateChannel(c.b));
}

} // namespace vorn
