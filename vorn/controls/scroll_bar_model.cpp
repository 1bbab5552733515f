#include <vorn/controls/scroll_bar_model.h>

#include <algorithm>
#include <cmath>

#include <vorn/util/extreme_helper.h>

namespace vorn {

void SimpleScrollBarModel::SetLayout(int windowHeight, bool endButtons)
{
    m_windowHeight = windowHeight;
    m_endButtons = endButtons;
}

int SimpleScrollBarModel::TabHeightFor(double fraction) const
{
    return std::max(kMinTabHeight, static_cast<int>(GetScrollHeight() * ClampFraction(fraction)));
}

int SimpleScrollBarModel::TabTop(double value) const
{
    return static_cast<int>(GetScrollStart() + (GetScrollHeight() - m_tabHeight) * ClampValue(value));
}

bool SimpleScrollBarModel::OnTab(int y, double value) const
{
    const int top = TabTop(value);
    return top <= y && y < top + m_tabHeight;
}

double SimpleScrollBarModel::DragValue(int y, int pressY, double pressValue) const
{
    const int travel = GetScrollHeight() - m_tabHeight;
    if (travel <= 0)
        return 0.0; // the tab fills the track: nothing to scroll
    const int start = GetScrollStart();
    return static_cast<double>((y - start) - (pressY - start)) / travel + pressValue;
}

double SimpleScrollBarModel::StepValue(double value, double step, int windowHeight, double fraction, bool up)
{
    if (windowHeight <= 0)
        return value; // no content length to measure the step against
    const double contentPixels = windowHeight / ClampFraction(fraction);
    return up ? value - step / contentPixels : value + step / contentPixels;
}

double SimpleScrollBarModel::ClampValue(double v)
{
    if (std::isnan(v))
        return 0.0;
    ExtremeHelper::ClampValue(0.0, 1.0, v);
    return v;
}

double SimpleScrollBarModel::ClampFraction(double f)
{
    if (std::isnan(f))
        return 0.0001;
    ExtremeHelper::ClampValue(0.0001, 0.9999, f);
    return f;
}

void ScrollBarRangeModel::SetTravel(int lowest, int highest)
{
    m_lowest = lowest;
    m_highest = std::max(lowest, highest);
    m_position = std::clamp(m_position, m_lowest, m_highest);
}

bool ScrollBarRangeModel::AddToRange(double d)
{
    const bool wasLonger = m_range > m_page;
    m_range += d;
    return wasLonger && m_range <= m_page;
}

void ScrollBarRangeModel::SetValue(double f)
{
    f = SimpleScrollBarModel::ClampValue(f);
    m_position = m_lowest + static_cast<int>((m_highest - m_lowest) * f);
}

double ScrollBarRangeModel::GetValue() const
{
    if (m_range < m_page || m_highest == m_lowest)
        return 0.0;
    return static_cast<double>(m_position - m_lowest) / (m_highest - m_lowest) * (m_range - m_page);
}

bool ScrollBarRangeModel::DragTo(int y)
{
    if (!(m_range > m_page))
        return false;
    const int before = m_position;
    m_position = std::clamp(m_position + (y - m_lastY), m_lowest, m_highest);
    m_lastY = y;
    return m_position != before;
}

} // namespace vorn
