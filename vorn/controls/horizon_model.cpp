#include <vorn/controls/horizon_model.h>

#include <cmath>
#include <cstdlib>

#include <vorn/util/extreme_helper.h>

namespace vorn {

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kRollPi = 3.1415926535; // roll to radians, as the handles are placed
constexpr double kTurnsPerRadian = 0.15915494309644432;
constexpr int kGrabReach = 5; // a handle is grabbed strictly within this many pixels

int Trunc(double v) { return static_cast<int>(v); }
} // namespace

void HorizonModel::SetGeometry(int cx, int cy, int radius)
{
    m_cx = cx;
    m_cy = cy;
    m_radius = radius;
    const double theta = m_roll * 2.0 * kRollPi;
    PlaceHandles(std::cos(theta), std::sin(theta));
    SetCValue(m_pitch);
}

void HorizonModel::PlaceHandles(double ux, double uy)
{
    m_a = {Trunc(m_cx + m_radius * ux), Trunc(m_cy - m_radius * uy)};
    m_b = {Trunc(m_cx - m_radius * ux), Trunc(m_cy + m_radius * uy)};
}

bool HorizonModel::SetRoll(float roll)
{
    if (!std::isfinite(roll))
        roll = 0.0f;
    if (roll == m_roll)
        return false;
    m_roll = roll;
    const double theta = roll * 2.0 * kRollPi;
    PlaceHandles(std::cos(theta), std::sin(theta));
    SetCValue(m_pitch);
    return true;
}

bool HorizonModel::SetPitch(float pitch)
{
    const float before = m_pitch;
    SetCValue(pitch);
    return m_pitch != before;
}

void HorizonModel::SetCValue(float pitch)
{
    if (std::isnan(pitch))
        pitch = 0.5f;
    ExtremeHelper::ClampValue(0.0f, 1.0f, pitch);
    m_pitch = pitch;
    // The horizon's direction turned by a quarter turn.
    m_p1 = {m_cx + (m_cy - m_a.y), m_cy - (m_cx - m_a.x)};
    m_p2 = {m_cx - (m_cy - m_a.y), m_cy + (m_cx - m_a.x)};
    m_q = {Trunc((m_p1.x - m_p2.x) * static_cast<double>(pitch) + m_p2.x),
           Trunc((m_p1.y - m_p2.y) * static_cast<double>(pitch) + m_p2.y)};
}

int HorizonModel::Press(int x, int y)
{
    const auto near = [x, y](DialPoint p) {
        return std::llabs(static_cast<long long>(p.x) - x) < kGrabReach &&
               std::llabs(static_cast<long long>(p.y) - y) < kGrabReach;
    };
    m_grabbed = 0;
    if (near(m_a))
        m_grabbed |= kHandleA;
    if (near(m_b))
        m_grabbed |= kHandleB;
    if (near(m_q)) {
        m_grabbed |= kHandleQ;
        m_grab = {x, y};
        m_grabPitch = m_pitch;
    }
    return m_grabbed;
}

bool HorizonModel::PointerTurns(int x, int y, double& turns) const
{
    const double dx = static_cast<double>(x) - m_cx, dy = static_cast<double>(m_cy) - y;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (!(d > 0.0))
        return false;
    // Straight right: atan2(-0.0, -1) is -pi, so the direction is 0 there and stays below 1.
    turns = (std::atan2(-dy / d, -dx / d) + kPi) * kTurnsPerRadian;
    return true;
}

bool HorizonModel::DragTo(int x, int y)
{
    if (m_grabbed & (kHandleA | kHandleB)) {
        double turns = 0.0;
        if (!PointerTurns(x, y, turns))
            return false;
        const double dx = static_cast<double>(x) - m_cx, dy = static_cast<double>(m_cy) - y;
        const double d = std::sqrt(dx * dx + dy * dy);
        if (m_grabbed & kHandleA) {
            m_roll = static_cast<float>(turns);
            PlaceHandles(dx / d, dy / d);
        } else {
            double r = std::fmod(turns + 0.5, 1.0);
            if (r < 0.0)
                r = 1.0 - std::fabs(r);
            m_roll = static_cast<float>(r);
            PlaceHandles(-dx / d, -dy / d); // the pointer holds B: A lies opposite
        }
        SetCValue(m_pitch);
        return true;
    }
    if (m_grabbed & kHandleQ) {
        DragPitch(x, y);
        return true;
    }
    return false;
}

// The pitch drag moves Q along the axis by the pointer's movement since the press, in
// the coordinate in which the axis runs further. With v = P1 - P2 (Q = P2 + v x pitch):
//   |v.x| > |v.y|:  pitch = pitch at press + (x - grab.x) / v.x
//   otherwise:      pitch = pitch at press + (y - grab.y) / v.y
// so Q's x (or y) follows the pointer's pixel for pixel while Q stays on the axis; the
// pitch is clamped to 0..1, which keeps Q on the segment. An axis of no length (radius 0)
// leaves the pitch alone.
void HorizonModel::DragPitch(int x, int y)
{
    const double vx = m_p1.x - m_p2.x, vy = m_p1.y - m_p2.y;
    double pitch = m_grabPitch;
    if (std::fabs(vx) > std::fabs(vy))
        pitch += (static_cast<double>(x) - m_grab.x) / vx;
    else if (vy != 0.0)
        pitch += (static_cast<double>(y) - m_grab.y) / vy;
    ExtremeHelper::ClampValue(0.0, 1.0, pitch);
    SetCValue(static_cast<float>(pitch));
}

} // namespace vorn
