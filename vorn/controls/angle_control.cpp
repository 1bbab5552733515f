#include <vorn/controls/angle_control.h>

#include <cstdlib>

#include <vorn/controls/detail/face_cache.h>
#include <vorn/util/raster.h>

namespace vorn {

// ---------------------------------------------------------------------------------------------
// VornAngleControl

// clang-format off
wxBEGIN_EVENT_TABLE(VornAngleControl, VornValueControl)
    EVT_PAINT(VornAngleControl::OnDialPaint)
wxEND_EVENT_TABLE()
// clang-format on

VornAngleControl::VornAngleControl() = default;

VornAngleControl::VornAngleControl(int cx, int cy, int radius, int x, int y, int w, int h, wxWindow* parent,
                                   int id, VornControlGroupValue* group, long style)
{
    VornAngleControl::Create(cx, cy, radius, x, y, w, h, parent, id, group, style);
}

VornAngleControl::VornAngleControl(int cx, int cy, int radius, int x, int y, wxWindow* parent, int id,
                                   VornControlGroupValue* group, long style)
{
    CreateValueControl(x, y, parent, id, group, style);
    Setup(cx, cy, radius);
}

bool VornAngleControl::Create(int cx, int cy, int radius, int x, int y, int w, int h, wxWindow* parent, int id,
                              VornControlGroupValue* group, long style)
{
    const bool ok = CreateValueControl(x, y, w, h, parent, id, group, style);
    Setup(cx, cy, radius);
    return ok;
}

void VornAngleControl::Setup(int cx, int cy, int radius)
{
    m_model.SetGeometry(cx, cy, radius);
    SetValue(0.0f, false);
}

void VornAngleControl::GetCurPosition(int& x, int& y) const
{
    x = m_model.GetKnob().x;
    y = m_model.GetKnob().y;
}

void VornAngleControl::GetCentre(int& x, int& y) const
{
    x = m_model.GetCentre().x;
    y = m_model.GetCentre().y;
}

void VornAngleControl::SetZeroVal(double degrees)
{
    m_model.SetZero(degrees);
    SetValue(0.0f, false);
}

void VornAngleControl::SetValue(float f, bool notify)
{
    m_model.SetFraction(f);
    if (notify)
        ReportValueChanging(GetValue());
    SetDirty();
    Refresh(false);
}

bool VornAngleControl::OnDragStep(int x, int y)
{
    if (!m_model.Follow(x, y, GetMetaKey()))
        return false;
    SetDirty();
    return true;
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
    dc->DrawRectangle(m_model.GetKnob().x - 5, m_model.GetKnob().y - 5, 10, 10);
    RecalcState();
}

// ---------------------------------------------------------------------------------------------
// VornAngleControlB

namespace {
int HalfHeight(int h) { return static_cast<int>(h * 0.5); }
// Room around the pointer's box for its smoothing and the hub over it.
constexpr int kPointerMargin = 3;
} // namespace

// The face without the pointer, and the part the pointer crosses for each knob point.
struct VornAngleControlB::Face {
    wxBitmap bare;
    wxImage buffer;
    detail::PatchCache pointers;
};

VornAngleControlB::VornAngleControlB() = default;
VornAngleControlB::~VornAngleControlB() = default;

VornAngleControlB::VornAngleControlB(ColorA line, ColorA background, int x, int y, int w, int h, wxWindow* parent,
                                     int id, VornControlGroupValue* group, long style)
{
    VornAngleControlB::Create(line, background, x, y, w, h, parent, id, group, style);
}

bool VornAngleControlB::Create(ColorA line, ColorA background, int x, int y, int w, int h, wxWindow* parent,
                               int id, VornControlGroupValue* group, long style)
{
    m_line = line;
    m_background = background;
    m_halfHeight = HalfHeight(h);
    const bool ok = VornAngleControl::Create(w - m_halfHeight, m_halfHeight, m_halfHeight, x, y, w, h, parent, id,
                                             group, style);
    m_face = std::make_unique<Face>();
    if (w > 0 && h > 0) {
        m_face->bare = detail::RenderFace(w, h, [&](Filter& target) { Paint(target, nullptr); });
        m_face->buffer.Create(w, h);
        // A knob point on each pixel of the circle's outline, a patch up to the radius square.
        const int side = m_halfHeight + 2 * kPointerMargin + 2;
        m_face->pointers.Reset(8 * m_halfHeight + 8, side, side);
    }
    return ok;
}

void VornAngleControlB::Paint(Filter& target, const DialPoint* knob) const
{
    const DialPoint c = m_model.GetCentre();
    const int r = m_model.GetRadius();
    vorn::Clear(target, m_background); // not wxWindow::Clear
    DrawLine(AntiAlias(target), 0, m_halfHeight, static_cast<int>(r * 0.2 + (c.x - r)), m_halfHeight, m_line);
    DrawCircle(target, c.x, c.y, static_cast<int>(r - r * 0.2), m_line, false);
    if (knob)
        DrawLine(AntiAlias(target), c.x, m_halfHeight, knob->x, knob->y, m_line);
    DrawCircle(target, c.x, c.y, 2, m_line, true);
}

void VornAngleControlB::OnDraw(wxDC* dc)
{
    if (!m_face || !m_face->bare.IsOk())
        return;
    dc->DrawBitmap(m_face->bare, 0, 0, false);
    const DialPoint c = m_model.GetCentre(), knob = m_model.GetKnob();
    const wxRect box = wxRect(wxPoint(std::min(c.x, knob.x), std::min(c.y, knob.y)),
                              wxSize(std::abs(knob.x - c.x) + 1, std::abs(knob.y - c.y) + 1))
                           .Inflate(kPointerMargin);
    const long key = (static_cast<long>(knob.y) + 32768) * 65536 + (knob.x + 32768);
    m_face->pointers.Draw(*dc, key, box, m_face->buffer, [&](Filter& target) { Paint(target, &knob); });
    RecalcIfDirty();
}

} // namespace vorn
