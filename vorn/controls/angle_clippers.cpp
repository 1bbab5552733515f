#include <vorn/controls/angle_clippers.h>

#include <vorn/controls/detail/face_cache.h>
#include <vorn/util/raster.h>

namespace vorn {

namespace {
// Left of the centre by more than the hub and the smoothing, nothing moves with the value.
constexpr int kMovingMargin = 3;
} // namespace

// The face at the opening it was made with, and the moving part for each blade end.
struct VornAngleClippers::Face {
    wxBitmap still;
    wxImage buffer;
    detail::PatchCache openings;
};

VornAngleClippers::VornAngleClippers() = default;
VornAngleClippers::~VornAngleClippers() = default;

VornAngleClippers::VornAngleClippers(ColorA background, ColorA line, ColorA second, int range, int x, int y, int w,
                                     int h, wxWindow* parent, int id, VornControlGroupValue* group, long style)
{
    VornAngleClippers::Create(background, line, second, range, x, y, w, h, parent, id, group, style);
}

bool VornAngleClippers::Create(ColorA background, ColorA line, ColorA second, int range, int x, int y, int w,
                               int h, wxWindow* parent, int id, VornControlGroupValue* group, long style)
{
    const bool ok = CreateValueControl(x, y, w, h, parent, id, group, style);
    m_line = line;
    m_background = background;
    m_second = second;
    m_model.Reset(w, h, range);
    SetValue(0.0, false);
    m_face = std::make_unique<Face>();
    if (w > 0 && h > 0) {
        m_face->still = detail::RenderFace(w, h, [&](Filter& target) { Paint(target, m_model.GetOuter()); });
        m_face->buffer.Create(w, h);
        // The blade's end takes at most two points per pixel of its radius.
        const int left = m_model.GetCentre().x - kMovingMargin;
        m_face->openings.Reset(2 * m_model.GetBladeLength() + 8, w - left, h);
    }
    return ok;
}

void VornAngleClippers::SetValue(double v, bool notify)
{
    const bool moved = m_model.SetValue(v);
    SetDirty();
    Refresh(false);
    if (moved && notify)
        ReportValueChanging(m_model.GetValue());
}

bool VornAngleClippers::OnDragStep(int, int y)
{
    if (!m_model.DragTo(y, GetMetaKey()))
        return false;
    SetDirty();
    return true;
}

void VornAngleClippers::Paint(Filter& target, DialPoint outer) const
{
    const DialPoint c = m_model.GetCentre();
    const int cx = c.x, cy = c.y, r = m_model.GetBladeLength(), ar = m_model.GetArcRadius();
    const double a = GetAngle(cx, cy, outer.x, outer.y);
    // The upper arc runs over the quarter above the axis, the lower one mirrors it;
    // AngleCrop keeps the part of each between the given directions.
    const auto upperArc = [&](double from, double to, const ColorA& colour) {
        DrawArc(AngleCrop(from, to, cx, cy, AntiAlias(target)), cx, cy - ar, cx + ar, cy, colour);
    };
    const auto lowerArc = [&](double from, double to, const ColorA& colour) {
        DrawArc(AngleCrop(from, to, cx, cy, AntiAlias(target)), cx, cy + ar, cx + ar, cy, colour);
    };
    vorn::Clear(target, m_background); // not wxWindow::Clear
    upperArc(a, 90.0, m_second);
    lowerArc(270.0, 360.0 - a, m_second);
    DrawLine(AntiAlias(target), 0, cy, cx, cy, m_line);
    DrawLine(AntiAlias(target), cx, cy - r, cx, cy + r, m_second);
    DrawLine(AntiAlias(target), cx, cy, outer.x, outer.y, m_line);
    DrawLine(AntiAlias(target), cx, cy, outer.x, 2 * cy - outer.y, m_line);
    upperArc(0.0, a, m_line);
    lowerArc(360.0 - a, 360.0, m_line);
    DrawCircle(target, cx, cy, 2, m_line, true);
}

void VornAngleClippers::OnDraw(wxDC* dc)
{
    if (!m_face || !m_face->still.IsOk())
        return;
    dc->DrawBitmap(m_face->still, 0, 0, false);
    const DialPoint c = m_model.GetCentre(), outer = m_model.GetOuter();
    const int left = c.x - kMovingMargin;
    const long key = static_cast<long>(outer.x - c.x + 1) * 65536 + (c.y - outer.y + 1);
    m_face->openings.Draw(*dc, key, wxRect(left, 0, m_face->buffer.GetWidth() - left, m_face->buffer.GetHeight()),
                          m_face->buffer, [&](Filter& target) { Paint(target, outer); });
    RecalcIfDirty();
}

} // namespace vorn
