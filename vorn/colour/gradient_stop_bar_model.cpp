#include <vorn/colour/gradient_stop_bar_model.h>

#include <cmath>
#include <cstdlib>
#include <utility>

#include <vorn/controls/button_moment.h>
#include <vorn/util/extreme_helper.h>
#include <vorn/util/gradient.h>

namespace vorn {

namespace {
// Columns stay far inside int so hit tests can add their slack without overflow.
constexpr double kColumnLimit = 1e9;

bool Within(long long a, long long b, long long slack)
{
    return std::llabs(a - b) <= slack;
}
} // namespace

GradientStopBarModel::GradientStopBarModel() : m_clock(std::make_unique<VornStopWatchClock>()) {}

GradientStopBarModel::~GradientStopBarModel() = default;

double GradientStopBarModel::PositionOf(int x) const
{
    if (x < m_left)
        return m_min;
    if (x > m_width - m_right)
        return m_max;
    const double span = m_width - m_right - m_left;
    // A span without width (the only one left here is 0) maps its one column to min.
    if (!(span > 0.0))
        return m_min;
    return (x - m_left) / span * (m_max - m_min) + m_min;
}

int GradientStopBarModel::ColumnOf(double position) const
{
    const double span = m_width - m_right - m_left;
    double column = (position - m_min) / (m_max - m_min) * span + m_left + 0.5;
    // An empty range (or a NaN) has no scale: its stops sit at the left margin.
    if (std::isnan(column))
        column = m_left;
    ExtremeHelper::ClampValue(-kColumnLimit, kColumnLimit, column);
    return static_cast<int>(column);
}

bool GradientStopBarModel::NearStop(int column, int x, int y)
{
    return Within(column, x, kNearColumns) && y < kNearBelow;
}

int GradientStopBarModel::ToggleAt(int y)
{
    for (int k = 0; k < 3; ++k)
        if (Within(y, kToggleRows[k], kToggleSlack))
            return k + 1;
    return 0;
}

bool GradientStopBarModel::OnColourDot(int x, int y)
{
    const long long dx = static_cast<long long>(x) - kDotX, dy = static_cast<long long>(y) - kDotY;
    return dx * dx + dy * dy <= kDotHit;
}

bool GradientStopBarModel::InvertFlag(CONTROL_POINT& point, int k)
{
    bool* flags[3] = {&point.flag1, &point.flag2, &point.flag3};
    if (k < 1 || k > 3)
        return false;
    *flags[k - 1] = !*flags[k - 1];
    return true;
}

bool GradientStopBarModel::GetFlag(const CONTROL_POINT& point, int k)
{
    return k == 1 ? point.flag1 : k == 2 ? point.flag2 : k == 3 && point.flag3;
}

int GradientStopBarModel::GetPressedToggle() const
{
    for (int k = 0; k < 3; ++k)
        if (m_toggle[k])
            return k + 1;
    return 0;
}

void GradientStopBarModel::ClearToggles()
{
    m_toggle[0] = m_toggle[1] = m_toggle[2] = false;
}

StopBarPress GradientStopBarModel::Press(int x, int y, const Gradient& gradient, unsigned int selected)
{
    StopBarPress out;
    m_pressX = x;
    m_pressY = y;
    CONTROL_POINT closest;
    if (!gradient.GetClosest(PositionOf(x), closest)) {
        out.hit = StopBarHit::NoStop;
        return out;
    }
    const auto index = static_cast<unsigned int>(closest.index);
    if (NearStop(ColumnOf(closest.position), x, y)) {
        out.stop = index;
        if (OnMarker(y)) {
            out.hit = StopBarHit::Marker;
            // The selected stop's marker only arms: a click on it must not nudge it.
            m_dragging = index != selected;
            m_armed = true;
            m_clock->Restart();
            ClearToggles();
            return out;
        }
        out.hit = StopBarHit::NearStop;
        if (index != selected)
            m_dragging = m_armed = false;
        if (const int k = ToggleAt(y))
            m_toggle[k - 1] = true;
        return out;
    }
    if (selected != 0 && OnColourDot(x, y))
        out.hit = StopBarHit::ColourDot;
    return out;
}

StopBarMotion GradientStopBarModel::Move(int x, int y)
{
    StopBarMotion out;
    if (m_armed && m_clock->Time() < kArmMs) {
        out.waiting = true;
        if (!Within(x, m_pressX, kWobble - 1) || !Within(y, m_pressY, kWobble - 1))
            m_armed = false;
    } else if (m_armed) {
        m_dragging = true;
        m_armed = false;
        out.tracking = true;
    }
    if (m_dragging) {
        out.move = true;
        out.position = PositionOf(x);
    }
    return out;
}

StopBarRelease GradientStopBarModel::Release(int x, int y)
{
    StopBarRelease out;
    if (m_dragging) {
        out.endDrag = true;
        out.position = PositionOf(x);
        m_dragging = false;
    }
    const int k = GetPressedToggle();
    if (k != 0 && Within(x, m_pressX, kToggleSlack) && Within(y, kToggleRows[k - 1], kToggleSlack))
        out.toggle = k;
    ClearToggles();
    m_armed = false;
    return out;
}

void GradientStopBarModel::SetClock(std::unique_ptr<VornButtonClock> clock)
{
    if (clock)
        m_clock = std::move(clock);
}

} // namespace vorn
