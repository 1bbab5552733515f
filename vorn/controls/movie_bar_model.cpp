#include <vorn/controls/movie_bar_model.h>

#include <cmath>

#include <vorn/util/extreme_helper.h>

namespace vorn {

namespace {
// Fractions that are no finite number count as 0.
double Clamp01(double v)
{
    if (!std::isfinite(v))
        return 0.0;
    ExtremeHelper::ClampValue(0.0, 1.0, v);
    return v;
}

int Clamped(int v, int lo, int hi)
{
    ExtremeHelper::ClampValue(lo, hi, v);
    return v;
}
} // namespace

void MovieBarModel::SetLayout(int width, int height, int startW, int startH, int endW, int valueW, int valueH)
{
    m_width = width;
    m_height = height;
    m_startW = startW;
    m_endW = endW;
    m_valueW = valueW;
    m_valueH = valueH;
    m_maxEnd = width - endW - valueW;
    m_minStart = startW;
    m_handleY = height - startH;
    Reset();
}

double MovieBarModel::Fraction(int x) const
{
    const int span = m_maxEnd - m_minStart;
    return span != 0 ? double(x - m_minStart) / span : 0.0;
}

double MovieBarModel::GetValue() const
{
    const int span = m_endX - m_startX;
    return span != 0 ? double(m_valueX - m_startX) / span : 0.0;
}

void MovieBarModel::SetValue(double v)
{
    m_valueX = m_startX + static_cast<int>((m_endX - m_startX) * Clamp01(v));
}

void MovieBarModel::SetStart(double s)
{
    m_start = Clamp01(s);
    m_startX = m_minStart + static_cast<int>((m_maxEnd - m_minStart) * m_start);
}

void MovieBarModel::SetEnd(double e)
{
    m_end = Clamp01(e);
    m_endX = m_minStart + static_cast<int>((m_maxEnd - m_minStart) * m_end);
}

void MovieBarModel::Reset()
{
    m_startX = m_valueX = m_minStart;
    m_endX = m_maxEnd;
    m_start = 0.0;
    m_end = 1.0;
    m_dragValue = m_dragStart = m_dragEnd = false;
}

// The tests are those of the bar as drawn; the end handle's assumes that the end- and
// value-handle images have the same width, as the default skin's do.
unsigned MovieBarModel::Press(int x, int y)
{
    unsigned begun = 0;
    if (m_valueX < x && x < m_valueX + m_valueW && 1 <= y && y < m_valueH) {
        m_dragValue = true;
        m_grab = x - m_valueX;
        begun |= kDragValue;
    }
    if (m_handleY < y && y < m_height) {
        if (m_startX - m_startW < x && x < m_startX) {
            m_dragStart = true;
            m_grab = x - m_startX;
            begun |= kDragStart;
        }
        if (m_endX + m_endW < x && x < m_endX + 2 * m_endW) {
            m_dragEnd = true;
            m_grab = x - m_endX;
            begun |= kDragEnd;
        }
    }
    return begun;
}

bool MovieBarModel::Release()
{
    const bool value = m_dragValue;
    m_dragValue = m_dragStart = m_dragEnd = false;
    return value;
}

MovieHookList MovieBarModel::Move(int x)
{
    MovieHookList hooks;
    if (m_dragValue) {
        m_valueX = Clamped(x - m_grab, m_startX, m_endX);
        hooks.Add(MovieHook::Value);
    }
    if (m_dragStart) {
        m_startX = Clamped(x - m_grab, m_minStart, m_endX);
        if (m_valueX < m_startX) {
            m_valueX = m_startX;
            hooks.Add(MovieHook::Value);
        }
        m_start = Fraction(m_startX);
        hooks.Add(MovieHook::Start);
    }
    if (m_dragEnd) {
        m_endX = Clamped(x - m_grab, m_startX, m_maxEnd);
        if (m_valueX > m_endX) {
            m_valueX = m_endX;
            hooks.Add(MovieHook::Value);
        }
        m_end = Fraction(m_endX);
        hooks.Add(MovieHook::End);
    }
    return hooks;
}

} // namespace vorn
