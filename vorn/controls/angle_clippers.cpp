#include <vorn/controls/angle_clippers.h>

#include <vorn/controls/detail/angle_common.h>
#include <vorn/util/raster.h>
#include <vorn/util/wx_image_filter.h>

namespace vorn {

VornAngleClippers::VornAngleClippers() = default;

VornAngleClippers::VornAngleClippers(ColorA background, ColorA line, ColorA second, int range, int x, int y, int w,
                                     int h, wxWindow* parent, int id, VornControlGroupValue* group, long style)
    : VornControl(x, y, w, h, parent, id, group, style)
{
    Setup(background, line, second, range, w, h, group);
}

bool VornAngleClippers::Create(ColorA background, ColorA line, ColorA second, int range, int x, int y, int w,
                               int h, wxWindow* parent, int id, VornControlGroupValue* group, long style)
{
    const bool ok = VornControl::Create(x, y, w, h, parent, id, group, style);
    Setup(background, line, second, range, w, h, group);
    return ok;
}

void VornAngleClippers::Setup(ColorA background, ColorA line, ColorA second, int range, int w, int h,
                              VornControlGroupValue* group)
{
    m_line = line;
    m_background = background;
    m_second = second;
    m_image = detail::MakeDrawingBuffer(w, h);
    m_model.Reset(w, h, range);
    m_valueGroup = group;
    SetValue(0.0, false);
}

void VornAngleClippers::SetValue(double v, bool notify)
{
    const bool moved = m_model.SetValue(v);
    SetDirty();
    Refresh(false);
    if (moved && notify)
        ReportValueChanging(*this, m_valueGroup, m_model.value);
}

void VornAngleClippers::SetValue(int y)
{
    if (!m_model.DragTo(y, GetMetaKey()))
        return;
    SetDirty();
    Refresh(false);
    ReportValueChanging(*this, m_valueGroup, m_model.value);
}

void VornAngleClippers::OnMouseButton()
{
    if (!GetMouseDown()) {
        m_drag.End(*this, m_valueGroup, m_model.value);
        return;
    }
    if (m_drag.IsActive())
        return;
    int mx = 0, my = 0;
    GetLastMousePos(mx, my);
    m_model.last = my;
    m_drag.Begin(*this, m_valueGroup);
}

void VornAngleClippers::OnEnable(bool enabled)
{
    if (!enabled)
        m_drag.End(*this, m_valueGroup, m_model.value);
}

void VornAngleClippers::OnMouseMove(int /*x*/, int y)
{
    if (!GetMouseDown() || !m_drag.IsActive())
        return;
    SetValue(y);
    Refresh(false);
}

void VornAngleClippers::OnDraw(wxDC* dc)
{
    if (!m_image || !m_image->IsOk())
        return;
    {
        FilterPtr filter = CreateFilter(*m_image);
        if (!filter)
            return;
        const AngleClippersModel& m = m_model;
        const int cx = m.cx, cy = m.cy, r = m.r, ar = m.GetArcRadius();
        const double a = GetAngle(cx, cy, m.outer.x, m.outer.y);
        // The upper arc runs over the quarter above the axis, the lower one mirrors it;
        // AngleCrop keeps the part of each between the given directions.
        const auto upperArc = [&](double from, double to, const ColorA& c) {
            DrawArc(AngleCrop(from, to, cx, cy, AntiAlias(*filter)), cx, cy - ar, cx + ar, cy, c);
        };
        const auto lowerArc = [&](double from, double to, const ColorA& c) {
            DrawArc(AngleCrop(from, to, cx, cy, AntiAlias(*filter)), cx, cy + ar, cx + ar, cy, c);
        };
        vorn::Clear(filter, m_background); // not wxWindow::Clear
        upperArc(a, 90.0, m_second);
        lowerArc(270.0, 360.0 - a, m_second);
        DrawLine(AntiAlias(*filter), 0, cy, cx, cy, m_line);
        DrawLine(AntiAlias(*filter), cx, cy - r, cx, cy + r, m_second);
        DrawLine(AntiAlias(*filter), cx, cy, m.outer.x, m.outer.y, m_line);
        DrawLine(AntiAlias(*filter), cx, cy, m.outer.x, 2 * cy - m.outer.y, m_line);
        upperArc(0.0, a, m_line);
        lowerArc(360.0 - a, 360.0, m_line);
        DrawCircle(filter, cx, cy, 2, m_line, true);
    }
    detail::CopyImage(*dc, *m_image);
    if (IsDirty())
        RecalcState();
}

} // namespace vorn
