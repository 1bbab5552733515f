#include <vorn/controls/slider_model.h>

#include <cmath>

#include <vorn/util/extreme_helper.h>

namespace vorn {

void SliderModel::Reset(int windowWidth, int windowHeight)
{
    *this = SliderModel();
    m_width = windowWidth;
    m_height = windowHeight;
    m_max = 10 * (windowWidth - 10);
    m_value = m_min;
}

void SliderModel::Setup(int left, int knobW, int knobH, int right)
{
    m_knobWidth = knobW;
    m_knobHeight = knobH;
    m_lastX = left;
    m_max = (right == -1 ? m_width - knobW : m_width - knobW - right) * m_scale;
    m_min = left * m_scale;
}

double SliderModel::GetReported() const
{
    if (m_max == m_min)
        return 0.0; // a knob as wide as the slider cannot move
    return (m_value - m_min) / (m_max - m_min);
}

double SliderModel::SetReported(double v)
{
    if (std::isnan(v))
        v = 0.0;
    ExtremeHelper::ClampValue(0.0, 1.0, v);
    m_value = (m_max - m_min) * v + m_min;
    m_lastX = static_cast<int>(m_value / m_scale);
    return v;
}

bool SliderModel::OnKnob(int x) const
{
    const double knobLeft = m_value / m_scale;
    return knobLeft <= x && x <= knobLeft + m_knobWidth;
}

void SliderModel::JumpTo(int x)
{
    m_value += static_cast<double>(x - m_knobWidth / 2 - m_lastX) * m_scale;
    m_lastX = x;
    ExtremeHelper::ClampValue(m_min, m_max, m_value);
}

bool SliderModel::DragTo(int x, bool fine)
{
    if (!fine)
        ExtremeHelper::ClampValue(0, m_width, x);
    const double old = std::trunc(m_value);
    const double delta = fine ? static_cast<double>(x - m_lastX) : static_cast<double>(x - m_lastX) * m_scale;
    m_lastX = x;
    m_value += delta;
    ExtremeHelper::ClampValue(m_min, m_max, m_value);
    return m_value != old;
}

} // namespace vorn
