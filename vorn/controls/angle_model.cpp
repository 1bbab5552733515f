#include <vorn/controls/angle_model.h>

#include <cmath>

#include <vorn/util/extreme_helper.h>

namespace vorn {

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kTurnsPerRadian = 0.15915494309189535;
constexpr double kQuarterTurn = 1.57079632675;

// The point at `length` from the centre in direction theta (radians, counter-clockwise
// on screen), each offset truncated towards zero. A direction that is not finite (a host's
// NaN or infinite zero) points along the x axis rather than into an undefined conversion.
DialPoint PointAt(int cx, int cy, int length, double theta)
{
    if (!std::isfinite(theta))
        theta = 0.0;
    return {cx + static_cast<int>(length * std::cos(theta)), cy - static_cast<int>(length * std::sin(theta))};
}
} // namespace

void AngleDialModel::SetGeometry(int cx, int cy, int radius)
{
    m_cx = cx;
    m_cy = cy;
    m_radius = radius;
}

double AngleDialModel::GetValue() const
{
    double v = m_angle - m_zero / 360.0;
    if (v < 0)
        v += 1.0;
    return v;
}

void AngleDialModel::PlaceKnob()
{
    const DialPoint p = PointAt(m_cx, m_cy, m_radius, m_angle * 2.0 * kPi);
    m_knobX = p.x;
    m_knobY = p.y;
}

void AngleDialModel::SetFraction(float f)
{
    if (!std::isfinite(f))
        f = 0.0f; // no direction to point at: the zero direction
    double a = f + m_zero / 360.0;
    if (a > 1.0)
        a -= 1.0;
    if (!std::isfinite(a))
        a = 0.0; // nor is a zero direction that is no number: straight right
    m_angle = static_cast<float>(a);
    PlaceKnob();
}

bool AngleDialModel::PointerTurns(int x, int y, double& turns) const
{
    const double dx = x - m_cx, dy = m_cy - y;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (!(d > 0.0))
        return false;
    const double ux = dx / d, uy = dy / d;
    // Straight right: atan2(-0.0, -1) is -pi, so a = 0 there, and a stays below 1.
    turns = (std::atan2(-uy, -ux) + kPi) * kTurnsPerRadian;
    return true;
}

bool AngleDialModel::Follow(int x, int y, bool fine)
{
    double a = 0.0;
    if (!PointerTurns(x, y, a))
        return false;
    if (!fine) {
        const double dx = x - m_cx, dy = m_cy - y;
        const double d = std::sqrt(dx * dx + dy * dy);
        m_angle = static_cast<float>(a);
        m_knobX = static_cast<int>(m_cx + m_radius * (dx / d));
        m_knobY = static_cast<int>(m_cy - m_radius * (dy / d));
        return true;
    }
    // Across the +x axis the pointer's direction jumps by a whole turn: take the previous
    // direction over with it so that the step stays small.
    if (m_previous > 0.75 && a < 0.25)
        m_previous -= 1.0;
    else if (m_previous < 0.25 && a > 0.75)
        m_previous += 1.0;
    m_angle = static_cast<float>(m_angle - (m_previous - a) * 0.1);
    m_previous = a;
    PlaceKnob();
    return true;
}

void AngleClippersModel::Reset(int width, int height, int rangePixels)
{
    *this = AngleClippersModel();
    m_r = height / 2;
    m_cx = width - m_r - 5;
    m_cy = m_r;
    m_range = 10 * rangePixels;
}

bool AngleClippersModel::SetValue(double v)
{
    if (std::isnan(v))
        v = 0.0;
    ExtremeHelper::ClampValue(0.0, 1.0, v);
    m_value = v;
    const double theta = v * kQuarterTurn;
    m_inner = PointAt(m_cx, m_cy, GetArcRadius(), theta);
    m_outer = PointAt(m_cx, m_cy, m_r, theta);
    const int old = m_position;
    m_position = static_cast<int>(m_range * v);
    return m_position != old;
}

bool AngleClippersModel::DragTo(int y, bool fine)
{
    long long d = static_cast<long long>(y) - m_last;
    if (!fine)
        d *= m_scale;
    m_last = y;
    long long p = m_position + d;
    ExtremeHelper::ClampValue(0LL, static_cast<long long>(m_range), p);
    if (p == m_position)
        return false;
    // The blades follow; the position stays the drag's own, since trunc(range * (p / range))
    // can fall one short of p.
    SetValue(m_range > 0 ? static_cast<double>(p) / m_range : 0.0);
    m_position = static_cast<int>(p);
    return true;
}

} // namespace vorn
