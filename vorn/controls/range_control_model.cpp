#include <vorn/controls/range_control_model.h>

#include <cmath>

#include <vorn/util/extreme_helper.h>

namespace vorn {

namespace {
// The smallest half thumb a handle drag leaves.
constexpr double kMinHalf = 5.0;
// Below this the room W - T counts as none: floating sums of the two halves may miss W
// by an ulp, which would make s a quotient of two crumbs.
constexpr double kNoRoom = 1e-9;
} // namespace

bool RangeControlModel::SetSliderValue(double s)
{
    if (!std::isfinite(s))
        return false;
    m_s = s;
    return true;
}

bool RangeControlModel::SetZoomValue(double z)
{
    if (!std::isfinite(z))
        return false;
    // Outside 0..1 the thumb would be wider than the track or of negative width.
    ExtremeHelper::ClampValue(0.0, 1.0, z);
    const double centre = (1.0 - m_z) * m_s + m_z * 0.5;
    double left = centre - z * 0.5;
    if (left < 0.0)
        left = 0.0;
    else if (left + z > 1.0)
        left = 1.0 - z;
    m_s = z == 1.0 ? 0.0 : left / (1.0 - z);
    m_z = z;
    return true;
}

RangeLayout RangeControlModel::Layout() const
{
    const RangeGeometry& g = m_geometry;
    RangeLayout layout;
    // The toolkit draws at whole pixels: the thumb starts at floor(L).
    const int left = static_cast<int>(std::floor(ThumbLeft()));
    const int band = g.bandBottom - g.bandTop;
    layout.thumb = {left, g.bandTop, static_cast<int>(std::floor(TrackWidth() * m_z)), band};
    const int handleTop = g.bandTop - g.handleHeight;
    layout.lowHandle = {left - g.handleWidth, handleTop, g.handleWidth, band + g.handleHeight};
    layout.highHandle = {left + layout.thumb.w, handleTop, g.handleWidth, band + g.handleHeight};
    layout.middle = static_cast<int>(std::floor(ThumbMiddle()));
    return layout;
}

RangeDrag RangeControlModel::Press(int x, int y)
{
    const RangeGeometry& g = m_geometry;
    const double left = ThumbLeft(), width = ThumbWidth();
    const bool inHandleBand = y >= g.bandTop - g.handleHeight && y < g.bandBottom;
    if (x >= left && x <= left + width - 1 && y >= g.bandTop && y <= g.bandBottom - 1) {
        m_drag = RangeDrag::Body;
        m_grab = x - left;
    } else if (x >= left - g.handleWidth && x < left && inHandleBand) {
        m_drag = RangeDrag::Low;
        m_grab = g.handleWidth - left + x;
    } else if (x >= left + width && x < left + width + g.handleWidth && inHandleBand) {
        m_drag = RangeDrag::High;
        m_grab = x - left - width;
    }
    return m_drag;
}

RangeDrag RangeControlModel::Step(int x)
{
    if (m_drag == RangeDrag::None)
        return m_drag;
    if (m_drag == RangeDrag::Body) {
        StepBody(x);
        return m_drag;
    }
    // A track without width has no zoom to give.
    if (TrackWidth() <= 0.0)
        return RangeDrag::None;
    if (m_drag == RangeDrag::Low)
        StepLow(x);
    else
        StepHigh(x);
    return m_drag;
}

void RangeControlModel::StepBody(int x)
{
    const double room = TrackWidth() - ThumbWidth();
    m_s = room > 0.0 ? (x - m_grab - m_geometry.trackLeft) / room : 0.0;
    ExtremeHelper::ClampValue(0.0, 1.0, m_s);
}

void RangeControlModel::StepLow(int x)
{
    const RangeGeometry& g = m_geometry;
    const double middle = ThumbMiddle();
    double edge = g.handleWidth - m_grab + x;
    ExtremeHelper::ClampValue(static_cast<double>(g.trackLeft), middle - kMinHalf, edge);
    const double half = middle - edge, room = g.trackRight - middle;
    SetThumb(half > room ? room + half : 2.0 * half, edge);
}

void RangeControlModel::StepHigh(int x)
{
    const RangeGeometry& g = m_geometry;
    const double middle = ThumbMiddle();
    double edge = x - m_grab;
    ExtremeHelper::ClampValue(middle + kMinHalf, static_cast<double>(g.trackRight), edge);
    const double half = edge - middle, room = middle - g.trackLeft;
    const double width = half > room ? room + half : 2.0 * half;
    SetThumb(width, edge - width);
}

void RangeControlModel::SetThumb(double width, double left)
{
    const double track = TrackWidth();
    m_z = std::min(width / track, 1.0);
    const double room = track - width;
    m_s = room > kNoRoom ? (left - m_geometry.trackLeft) / room : 0.0;
}

void RangeAxes::ToModel(int x, int y, int& along, int& across) const
{
    along = m_vertical ? y : x;
    across = m_vertical ? x : y;
    if (m_reversed)
        along = m_mirror - 1 - along;
}

RangeRect RangeAxes::ToClient(const RangeRect& r) const
{
    const int along = m_reversed ? m_mirror - r.x - r.w : r.x;
    return m_vertical ? RangeRect{r.y, along, r.h, r.w} : RangeRect{along, r.y, r.w, r.h};
}

void RangeAxes::ImagePixel(int along, int across, int length, bool mirror, int& x, int& y) const
{
    if (mirror != m_reversed)
        along = length - 1 - along;
    x = m_vertical ? across : along;
    y = m_vertical ? along : across;
}

} // namespace vorn
