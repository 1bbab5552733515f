#include <vorn/controls/thumb_wheel_model.h>

#include <cfloat>
#include <cmath>

#include <vorn/controls/detail/wrap.h>
#include <vorn/util/extreme_helper.h>

namespace vorn {

namespace {
constexpr double kZeroBand = 1e-06;
constexpr double kStepPerMagnitude = 0.002857142857142857; // 1 / 350
} // namespace

void ThumbWheelModel::Reset(bool isVertical, int periodPixels)
{
    *this = ThumbWheelModel();
    m_vertical = isVertical;
    m_period = periodPixels > 0 ? 10 * periodPixels : 0;
}

void ThumbWheelModel::Press(int c)
{
    m_last = c;
    m_step = m_value == 0.0f ? kZeroBand : std::fabs(static_cast<double>(m_value)) * kStepPerMagnitude;
    if (!m_vertical)
        m_step = -m_step;
}

void ThumbWheelModel::Wrap(long long p)
{
    m_position = detail::WrapPosition(p, m_period); // no period, no scrolling
}

void ThumbWheelModel::DragTo(int c, bool fine)
{
    // In long long: a pointer far outside the window must not overflow the offset.
    const long long d = static_cast<long long>(c) - m_last;
    Wrap(m_position - (fine ? d : d * m_scale));
    m_last = c;

    double next = static_cast<double>(m_value) - (fine ? static_cast<double>(d) * m_step / m_scale
                                                       : static_cast<double>(d) * m_step);
    ExtremeHelper::ClampValue(m_min, m_max, next);
    // A float cannot hold what lies beyond its range (nor can the default clamps of 1e+50).
    ExtremeHelper::ClampValue(-static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX), next);
    m_value = static_cast<float>(next);
}

void ThumbWheelModel::Release()
{
    if (std::fabs(static_cast<double>(m_value)) < kZeroBand)
        m_value = 0.0f;
}

} // namespace vorn
