#include <vorn/controls/angle_model.h>

#include <cmath>

namespace vorn {

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kTurnsPerRadian = 0.15915494309189535;
constexpr double kQuarterTurn = 1.57079632675;

// The point at `length` from the centre in direction theta (radians, counter-clockwise
// on screen), each offset truncated towards zero.
DialPoint PointAt(int cx, int cy, int length, double theta)
{
    return {cx + static_cast<int>(length * std::cos(theta)), cy - static_cast<int>(length * std::sin(theta))};
}
} // namespace

double AngleDialModel::GetValue() const
{
    double v = angle - zero / 360.0;
    if (v < 0)
        v += 1.0;
    return v;
}

void AngleDialModel::PlaceKnob()
{
    const DialPoint p = PointAt(cx, cy, radius, angle * 2.0 * kPi);
    knobX = p.x;
    knobY = p.y;
}

void AngleDialModel::SetFraction(float f)
{
    if (!std::isfinite(f))
        f = 0.0f; // no direction to point at: the zero direction
    double a = f + zero / 360.0;
    if (a > 1.0)
        a -= 1.0;
    if (!std::isfinite(a))
        a = 0.0; // nor is a zero direction that is no number: straight right
    angle = static_cast<float>(a);
    PlaceKnob();
}

bool AngleDialModel::PointerTurns(int x, int y, double& turns) const
{
    const double dx = x - cx, dy = cy - y;
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
        const double dx = x - cx, dy = cy - y;
        const double d = std::sqrt(dx * dx + dy * dy);
        angle = static_cast<float>(a);
        knobX = static_cast<int>(cx + radius * (dx / d));
        knobY = static_cast<int>(cy - radius * (dy / d));
        return true;
    }
    // Across the +x axis the pointer's direction jumps by a whole turn: take the previous
    // direction over with it so that the step stays small.
    if (previous > 0.75 && a < 0.25)
        previous -= 1.0;
    else if (previous < 0.25 && a > 0.75)
        previous += 1.0;
    angle = static_cast<float>(angle - (previous - a) * 0.1);
    previous = a;
    PlaceKnob();
    return true;
}

void AngleClippersModel::Reset(int width, int height, int rangePixels)
{
    r = static_cast<int>(height / 2);
    cx = width - r - 5;
    cy = r;
    value = 0.0;
    position = 0;
    range = 10 * rangePixels;
    scale = 10;
    last = 0;
}

bool AngleClippersModel::SetValue(double v)
{
    if (!(v >= 0.0)) // also NaN
        v = 0.0;
    if (v > 1.0)
        v = 1.0;
    value = v;
    const double theta = v * kQuarterTurn;
    inner = PointAt(cx, cy, GetArcRadius(), theta);
    outer = PointAt(cx, cy, r, theta);
    const int old = position;
    position = static_cast<int>(range * v);
    return position != old;
}

bool AngleClippersModel::DragTo(int y, bool fine)
{
    long long d = static_cast<long long>(y) - last;
    if (!fine)
        d *= scale;
    last = y;
    long long p = position + d;
    if (p > range)
        p = range;
    if (p < 0)
        p = 0;
    if (p == position)
        return false;
    // The blades follow; the position stays the drag's own, since trunc(range * (p / range))
    // can fall one short of p.
    SetValue(range > 0 ? static_cast<double>(p) / range : 0.0);
    position = static_cast<int>(p);
    return true;
}

} // namespace vorn
