#pragma once
// Colour components in 0..1 against bytes in 0..255: the one rounding rule the imaging
// layer writes with, shared by bitmaps, filters and colour conversions.
namespace vorn::detail {

// One byte step (1/255), the factor every byte-to-unit conversion multiplies by.
constexpr double kByteToUnit = 0.00392156862745098;
constexpr double kPi = 3.14159265358979323846;

// truncate(v x 255 + 0.5), clamped to 0..255; NaN gives 0.
inline unsigned char UnitToByte(double v)
{
    if (!(v > 0.0))
        return 0;
    if (v >= 1.0)
        return 255;
    return static_cast<unsigned char>(static_cast<int>(v * 255.0 + 0.5));
}

// truncate(v x 255) taken as a byte: the wxColour conversion's rule (CtoWxC). An
// out-of-range value wraps like the byte it becomes instead of being undefined.
inline unsigned char UnitToByteTruncated(double v)
{
    return static_cast<unsigned char>(static_cast<int>(v * 255.0));
}

} // namespace vorn::detail
