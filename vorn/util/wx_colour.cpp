#include <vorn/util/wx_colour.h>

#include <vorn/util/detail/unit_bytes.h>

namespace vorn {

using detail::kByteToUnit;

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
    return wxColour(detail::UnitToByteTruncated(c.r), detail::UnitToByteTruncated(c.g), detail::UnitToByteTruncated(c.b));
}

wxColour CAtoWxC(const ColorA& c)
{
    return wxColour(detail::UnitToByteTruncated(c.r), detail::UnitToByteTruncated(c.g), detail::UnitToByteTruncated(c.b));
}

} // namespace vorn
