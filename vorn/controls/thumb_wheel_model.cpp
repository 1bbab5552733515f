#include <vorn/controls/thumb_wheel_model.h>

#include <cfloat>
#include <cmath>

namespace vorn {

namespace {
constexpr double kZeroBand = 1e-06;
constexpr double kStepPerMagnitude = 0.002857142857142857; // 1 / 350
} // namespace

void ThumbWheelModel::Reset(bool isVertical, int periodPixels)
{
    vertical = isVertical;
    period = periodPixels > 0 ? 10 * periodPixels : 0;
    position = 0;
    scale = 10;
    last = 0;
    value = 0.0f;
    max = 1e+50;
    min = -1e+50;
    step = 10.0;
}

void ThumbWheelModel::Press(int c)
{
    last = c;
    step = value == 0.0f ? kZeroBand : std::fabs(static_cast<double>(value)) * kStepPerMagnitude;
    if (!vertical)
        step = -step;
}

// Leaves position in 0..period, as repeated subtraction (down to at most period) and
// addition (up to at least 0) would, without looping over long drags.
void ThumbWheelModel::Wrap(long long p)
{
    if (period <= 0) {
        position = 0; // no period, no scrolling
        return;
    }
    if (p > period)
        p = (p - 1) % period + 1;
    else if (p < 0) {
        p %= period;
        if (p < 0)
            p += period;
    }
    position = static_cast<int>(p);
}

void ThumbWheelModel::DragTo(int c, bool fine)
{
    // In long long: a pointer far outside the window must not overflow the offset.
    const long long d = static_cast<long long>(c) - last;
    Wrap(position - (fine ? d : d * scale));
    last = c;

    double next = static_cast<double>(value) - (fine ? static_cast<double>(d) * step / scale
                                                     : static_cast<double>(d) * step);
    // A float cannot hold what lies beyond its range (nor can the clamps below 1e+50).
    if (next > FLT_MAX)
        next = FLT_MAX;
    if (next < -FLT_MAX)
        next = -FLT_MAX;
    value = static_cast<float>(next);
    if (value > max)
        value = static_cast<float>(max);
    if (value < min)
        value = static_cast<float>(min);
}

void ThumbWheelModel::Release()
{
    if (std::fabs(static_cast<double>(value)) < kZeroBand)
        value = 0.0f;
}

} // namespace vorn
