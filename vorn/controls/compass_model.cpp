#include <vorn/controls/compass_model.h>

#include <cmath>

#include <vorn/controls/detail/wrap.h>

namespace vorn {

void CompassModel::Wrap(long long p)
{
    m_position = detail::WrapPosition(p, m_period);
    m_value = static_cast<float>(static_cast<double>(m_position) / m_period);
}

void CompassModel::SetValue(float v)
{
    // In float, as an int period times a float value is: SetValue(GetValue()) then keeps
    // the position far more often than a double product would (trunc drops 19.9999...).
    double p = std::trunc(static_cast<float>(m_period) * v);
    if (!std::isfinite(p))
        p = 0.0;
    // Whole turns first, in floating point: a value far beyond a turn fits no integer.
    if (std::fabs(p) > 1e9)
        p = std::fmod(p, static_cast<double>(m_period));
    Wrap(static_cast<long long>(p));
}

void CompassModel::DragTo(int x, bool unscaled)
{
    long long d = static_cast<long long>(x) - m_last;
    if (!unscaled)
        d *= m_scale;
    m_last = x;
    Wrap(m_position - d);
}

double CompassModel::GetTapeOffset() const
{
    return static_cast<double>(m_position) / m_period * kTurnPixels;
}

int CompassModel::GetPixelOffset() const
{
    return static_cast<int>(static_cast<long long>(m_position) * kTurnPixels / m_period);
}

} // namespace vorn
