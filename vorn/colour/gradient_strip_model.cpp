#include <vorn/colour/gradient_strip_model.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <vorn/util/extreme_helper.h>
#include <vorn/util/gradient.h>

namespace vorn {

namespace {
// Columns and pixel steps stay far inside int, so hit tests can add their slack
// without overflow whatever range or pointer position comes in.
constexpr double kColumnLimit = 1e9;
constexpr long long kStepLimit = 1000000000;
} // namespace

int GradientStripSpace::ColumnOf(double position) const
{
    double column = GetUsableWidth() * position + m_left + 0.5;
    if (std::isnan(column))
        column = m_left;
    ExtremeHelper::ClampValue(-kColumnLimit, kColumnLimit, column);
    return static_cast<int>(column);
}

GradientRangeGrip GradientRangeModel::HitTest(int x, int y) const
{
    const int xmin = GetMinColumn();
    const int xmax = GetMaxColumn();
    if (x >= xmin - 3 && x <= xmax + 3 && y > m_height / 2)
        return GradientRangeGrip::Move;
    if (x >= xmin - 10 && x < xmin)
        return GradientRangeGrip::Left;
    if (x > xmax && x <= xmax + 10)
        return GradientRangeGrip::Right;
    return GradientRangeGrip::None;
}

void GradientRangeModel::Press(int x, int y)
{
    // A press always starts afresh, even if the release of an earlier one never came.
    m_grip = HitTest(x, y);
    m_pressX = x;
    m_pressMin = m_min;
    m_pressMax = m_max;
    m_dragging = true;
}

int GradientRangeModel::DxFrom(int x) const
{
    const long long dx = static_cast<long long>(x) - m_pressX;
    return static_cast<int>(std::clamp(dx, -kStepLimit, kStepLimit));
}

double GradientRangeModel::Step(int dx) const
{
    // A strip without usable width cannot turn pixels into positions: nothing moves.
    const int w = GetUsableWidth();
    return w > 0 ? static_cast<double>(dx) / w : 0.0;
}

void GradientRangeModel::Clamp(bool maxFollows)
{
    // Written as "not at least" so a NaN end lands on 0 as well.
    if (!(m_max >= 0.0))
        m_max = 0.0;
    if (m_max > 1.0)
        m_max = 1.0;
    if (!(m_min >= 0.0))
        m_min = 0.0;
    if (m_min > 1.0)
        m_min = 1.0;
    if (m_min > m_max) {
        if (maxFollows)
            m_max = m_min;
        else
            m_min = m_max;
    }
}

void GradientRangeModel::UpdateLeft(int dx)
{
    m_min = m_pressMin + Step(dx);
    Clamp(true);
}

void GradientRangeModel::UpdateRight(int dx)
{
    m_max = m_pressMax + Step(dx);
    Clamp(false);
}

void GradientRangeModel::UpdateMove(int dx)
{
    double d = Step(dx);
    if (d > 0.0)
        d = std::min(d, 1.0 - m_pressMax);
    else if (d < 0.0)
        d = std::max(d, -m_pressMin);
    m_min = m_pressMin + d;
    m_max = m_pressMax + d;
    Clamp(false);
}

double GradientSummaryModel::PositionOfEntry(size_t i, size_t n)
{
    // One column shows the gradient's start rather than 0 / 0.
    return n > 1 ? static_cast<double>(i) / static_cast<double>(n - 1) : 0.0;
}

void GradientSummaryModel::Rebuild(const Gradient* gradient)
{
    const size_t n = static_cast<size_t>(std::max(GetUsableWidth(), 0));
    // New entries start green in every case: a gradient without stops leaves them so, as
    // it would without a gradient.
    m_row.resize(n, Color(0.0, 1.0, 0.0));
    if (!gradient)
        return;
    for (size_t i = 0; i < n; ++i)
        gradient->GetColour(PositionOfEntry(i, n), m_row[i]);
}

bool PageDisplayRange(double& min, double& max, bool towardMax)
{
    const double width = max - min;
    double d = 0.0;
    if (towardMax && max < 1.0)
        d = std::min(width, 1.0 - max);
    else if (!towardMax && min > 0.0)
        d = std::min(width, min);
    if (!(d > 0.0))
        return false;
    if (!towardMax)
        d = -d;
    min += d;
    max += d;
    return true;
}

bool StopScrollRequest(double p, double min, double max, int32_t& end, double& amount)
{
    if (min < 0.0 || (p != min && p != max))
        return false;
    end = p == min ? 0 : 1;
    amount = max - 0.1 * min;
    return true;
}

bool SlugPositionOfColumn(int x, int width, double min, double max, double& position)
{
    const int usable = width - 2 * kSlugButtonWidth - 2;
    if (usable <= 0 || x < kSlugButtonWidth + 1 || x > width - kSlugButtonWidth - 2)
        return false;
    position = static_cast<double>(x - kSlugButtonWidth + 1) / usable * (max - min) + min;
    return true;
}

bool SlugColumnOfPosition(double position, int width, double min, double max, int& column)
{
    const int usable = width - 2 * kSlugButtonWidth - 2;
    if (usable <= 0 || !(max > min) || !(position >= min && position <= max))
        return false;
    // Inverse of the column rule: x = (p - min) / (max - min) * usable + 15 - 1.
    const double x = (position - min) / (max - min) * usable + kSlugButtonWidth - 1;
    column = std::clamp(static_cast<int>(std::lround(x)), kSlugButtonWidth + 1, width - kSlugButtonWidth - 2);
    return true;
}

bool IsSlugClick(int x0, int y0, int x1, int y1)
{
    // In 64 bits: positions far off the window must not overflow the difference.
    const long long dx = static_cast<long long>(x1) - x0, dy = static_cast<long long>(y1) - y0;
    return std::llabs(dx) <= 2 && std::llabs(dy) <= 2;
}

} // namespace vorn
