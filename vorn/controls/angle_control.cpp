#include <vorn/controls/angle_control.h>

#include <vorn/controls/detail/angle_common.h>
#include <vorn/util/raster.h>
#include <vorn/util/wx_image_filter.h>

namespace vorn {

// ---------------------------------------------------------------------------------------------
// VornAngleControl

// clang-format off
wxBEGIN_EVENT_TABLE(VornAngleControl, VornControl)
    EVT_PAINT(VornAngleControl::OnDialPaint)
wxEND_EVENT_TABLE()
// clang-format on

VornAngleControl::VornAngleControl() = default;

VornAngleControl::VornAngleControl(int cx, int cy, int radius, int x, int y, int w, int h, wxWindow* parent,
                                   int id, VornControlGroupValue* group, long style)
    : VornControl(x, y, w, h, parent, id, group, style)
{
    Setup(cx, cy, radius, group);
}

VornAngleControl::VornAngleControl(int cx, int cy, int radius, int x, int y, wxWindow* parent, int id,
                                   VornControlGroupValue* group, long style)
    : VornControl(x, y, parent, id, group, style)
{
    Setup(cx, cy, radius, group);
}

bool VornAngleControl::Create(int cx, int cy, int radius, int x, int y, int w, int h, wxWindow* parent, int id,
                              VornControlGroupValue* group, long style)
{
    const bool ok = VornControl::Create(x, y, w, h, parent, id, group, style);
    Setup(cx, cy, radius, group);
    return ok;
}

void VornAngleControl::Setup(int cx, int cy, int radius, VornControlGroupValue* group)
{
    m_model.cx = cx;
    m_model.cy = cy;
    m_model.radius = radius;
    m_valueGroup = group;
    SetValue(0.0f, false);
}

VornControlGroupValue* VornAngleControl::GetGroup() { return m_valueGroup; }

void VornAngleControl::GetCurPosition(int& x, int& y) const
{
    x = m_model.knobX;
    y = m_model.knobY;
}

void VornAngleControl::GetCentre(int& x, int& y) const
{
    x = m_model.cx;
    y = m_model.cy;
}

void VornAngleControl::SetZeroVal(double degrees)
{
    m_model.zero = degrees;
    SetValue(0.0f, false);
}

void VornAngleControl::SetValue(float f, bool notify)
{
    m_model.SetFraction(f);
    if (notify)
        ReportValueChanging(*this, m_valueGroup, GetValue());
    SetDirty();
    Refresh(false);
}

void VornAngleControl::SetValue(int x, int y)
{
    if (!m_model.Follow(x, y, GetMetaKey()))
        return;
    SetDirty();
    ReportValueChanging(*this, m_valueGroup, GetValue());
}

void VornAngleControl::OnMouseButton()
{
    if (!GetMouseDown())
        m_drag.End(*this, m_valueGroup, GetValue());
    else if (m_drag.Begin(*this, m_valueGroup))
        m_model.Press();
}

void VornAngleControl::OnEnable(bool enabled)
{
    if (!enabled)
        m_drag.End(*this, m_valueGroup, GetValue());
}

void VornAngleControl::OnMouseMove(int x, int y)
{
    if (!GetMouseDown() || !m_drag.IsActive())
        return;
    SetValue(x, y);
    detail::DrawAtOnce(*this);
}

void VornAngleControl::OnDialPaint(wxPaintEvent& event)
{
    SetDirty();
    event.Skip(); // the window base paints through OnDraw
}

// The plain dial draws only what changed since it was last drawn.
void VornAngleControl::OnDraw(wxDC* dc)
{
    if (!IsDirty())
        return;
    dc->SetBackground(wxBrush(GetBackgroundColour()));
    dc->Clear();
    const wxColour blue("BLUE");
    dc->SetBrush(wxBrush(blue, wxBRUSHSTYLE_SOLID));
    dc->SetPen(wxPen(blue, 1, wxPENSTYLE_SOLID));
    dc->DrawRectangle(m_model.knobX - 5, m_model.knobY - 5, 10, 10);
    RecalcState();
}

// ---------------------------------------------------------------------------------------------
// VornAngleControlB

namespace {
int HalfHeight(int h) { return static_cast<int>(h * 0.5); }
} // namespace

VornAngleControlB::VornAngleControlB() = default;

VornAngleControlB::VornAngleControlB(ColorA line, ColorA background, int x, int y, int w, int h, wxWindow* parent,
                                     int id, VornControlGroupValue* group, long style)
    : VornAngleControl(w - HalfHeight(h), HalfHeight(h), HalfHeight(h), x, y, w, h, parent, id, group, style),
      m_line(line), m_background(background), m_image(detail::MakeDrawingBuffer(w, h)), m_halfHeight(HalfHeight(h))
{
}

bool VornAngleControlB::Create(ColorA line, ColorA background, int x, int y, int w, int h, wxWindow* parent,
                               int id, VornControlGroupValue* group, long style)
{
    m_line = line;
    m_background = background;
    m_halfHeight = HalfHeight(h);
    m_image = detail::MakeDrawingBuffer(w, h);
    return VornAngleControl::Create(w - m_halfHeight, m_halfHeight, m_halfHeight, x, y, w, h, parent, id, group,
                                    style);
}

void VornAngleControlB::OnDraw(wxDC* dc)
{
    if (!m_image || !m_image->IsOk())
        return;
    {
        FilterPtr filter = CreateFilter(*m_image);
        if (!filter)
            return;
        const int cx = m_model.cx, cy = m_model.cy, r = m_model.radius;
        vorn::Clear(filter, m_background); // not wxWindow::Clear
        DrawLine(AntiAlias(*filter), 0, m_halfHeight, static_cast<int>(r * 0.2 + (cx - r)), m_halfHeight, m_line);
        DrawCircle(filter, cx, cy, static_cast<int>(r - r * 0.2), m_line, false);
        DrawLine(AntiAlias(*filter), cx, m_halfHeight, m_model.knobX, m_model.knobY, m_line);
        DrawCircle(filter, cx, cy, 2, m_line, true);
    }
    detail::CopyImage(*dc, *m_image);
    if (IsDirty())
        RecalcState();
}

} // namespace vorn
