#include <vorn/util/gradient.h>

#include <algorithm>
#include <cmath>

namespace vorn {

namespace {
// Sorts by position; equal positions keep the order of addition (ascending index).
bool ByPosition(const CONTROL_POINT& a, const CONTROL_POINT& b)
{
    if (a.position != b.position)
        return a.position < b.position;
    return a.index < b.index;
}
} // namespace

unsigned int Gradient::AddPoint(const CONTROL_POINT& point)
{
    CONTROL_POINT p = point;
    p.index = m_nextIndex++;
    m_points.push_back(p);
    return static_cast<unsigned int>(p.index);
}

bool Gradient::SetPoint(unsigned int index, const CONTROL_POINT& point)
{
    for (CONTROL_POINT& p : m_points) {
        if (p.index == index) {
            p = point;
            p.index = index;
            return true;
        }
    }
    return false;
}

bool Gradient::DeletePoint(unsigned int index)
{
    const auto it = std::find_if(m_points.begin(), m_points.end(),
                                 [index](const CONTROL_POINT& p) { return p.index == index; });
    if (it == m_points.end())
        return false;
    m_points.erase(it);
    return true;
}

bool Gradient::GetPoint(unsigned int index, CONTROL_POINT& point) const
{
    for (const CONTROL_POINT& p : m_points) {
        if (p.index == index) {
            point = p;
            return true;
        }
    }
    return false;
}

bool Gradient::GetClosest(double position, CONTROL_POINT& point) const
{
    const CONTROL_POINT* best = nullptr;
    double bestDistance = 0.0;
    for (const CONTROL_POINT& p : m_points) {
        const double d = std::fabs(p.position - position);
        if (!best || d < bestDistance) {
            best = &p;
            bestDistance = d;
        }
    }
    if (!best)
        return false;
    point = *best;
    return true;
}

bool Gradient::GetColour(double position, Color& colour) const
{
    if (m_points.empty())
        return false;
    const std::vector<CONTROL_POINT> sorted = GetSortedPoints();
    if (!(position > sorted.front().position)) { // also for NaN
        colour = sorted.front().colour;
        return true;
    }
    if (position >= sorted.back().position) {
        colour = sorted.back().colour;
        return true;
    }
    // The first stop beyond the position; the one before it is at or below it.
    size_t i = 1;
    while (sorted[i].position <= position)
        ++i;
    const CONTROL_POINT& a = sorted[i - 1];
    const CONTROL_POINT& b = sorted[i];
    const double t = (position - a.position) / (b.position - a.position);
    colour = Color(a.colour.r + (b.colour.r - a.colour.r) * t, a.colour.g + (b.colour.g - a.colour.g) * t,
                   a.colour.b + (b.colour.b - a.colour.b) * t);
    return true;
}

std::vector<CONTROL_POINT> Gradient::GetSortedPoints() const
{
    std::vector<CONTROL_POINT> sorted = m_points;
    std::stable_sort(sorted.begin(), sorted.end(), ByPosition);
    return sorted;
}

} // namespace vorn
