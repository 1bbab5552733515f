#include <vorn/colour/gradient_strips.h>

#include <algorithm>

#include <wx/dc.h>

#include <vorn/colour/detail/software_face.h>
#include <vorn/colour/gradient_hints.h>
#include <vorn/framework/control_group.h>
#include <vorn/util/detail/blit.h>
#include <vorn/util/raster.h>
#include <vorn/util/wx_colour.h>
#include <vorn/util/wx_image_filter.h>

namespace vorn {

namespace {

// Filled with `colour` from column x0 to x1 (real ends are blended) over rows y0..y1.
void FillRows(Filter& f, double x0, double x1, int y0, int y1, const ColorA& colour)
{
    for (int y = y0; y <= y1; ++y)
        DrawLine(f, x0, y, x1, y, colour);
}

} // namespace

// ---- GradientRangeControl ----

GradientRangeControl::GradientRangeControl() = default;

GradientRangeControl::GradientRangeControl(int x, int y, int w, int h, wxWindow* parent, int id,
                                           VornControlGroup* group, long style)
    : GradientControlComp(x, y, w, h, parent, id, group, style)
{
}

GradientRangeControl::~GradientRangeControl() = default;

void GradientRangeControl::SetSpace(int left, int right)
{
    m_model.SetSpace(left, right);
    SetDirty();
    Refresh(false);
}

void GradientRangeControl::SetBarHeight(int height)
{
    m_barHeight = height;
    SetDirty();
    Refresh(false);
}

void GradientRangeControl::SetDisplayRange(double min, double max)
{
    GradientControlComp::SetDisplayRange(min, max);
    m_model.SetRange(min, max);
}

void GradientRangeControl::SyncGeometry()
{
    m_model.SetWidth(std::max(GetWidth(), 0));
    m_model.SetHeight(std::max(GetHeight(), 0));
}

void GradientRangeControl::TakeModelRange()
{
    GradientControlComp::SetDisplayRange(m_model.GetMin(), m_model.GetMax());
    SetDirty();
}

void GradientRangeControl::UpdateLeft(int dx)
{
    m_model.UpdateLeft(dx);
    TakeModelRange();
}

void GradientRangeControl::UpdateRight(int dx)
{
    m_model.UpdateRight(dx);
    TakeModelRange();
}

void GradientRangeControl::UpdateMove(int dx)
{
    m_model.UpdateMove(dx);
    TakeModelRange();
}

// Every press begins a drag, even one that takes hold of nothing: its release still
// reports the (unchanged) range, so the other parts can rely on hearing of each drag.
void GradientRangeControl::OnMouseDownLeft()
{
    GradientControlComp::OnMouseDownLeft();
    int x = 0, y = 0;
    if (GetMouseDownLeft()) {
        GetLastDownPos(x, y);
        SyncGeometry();
        m_model.Press(x, y);
        CaptureMouse();
        return;
    }
    GetLastMousePos(x, y);
    if (!m_model.Release(x, *this))
        return;
    ReleaseMouse();
    SetDirty();
    Refresh(false);
    if (m_group) {
        GradientHintRange hint(m_displayMin, m_displayMax);
        m_group->Update(0, this, &hint);
    }
}

void GradientRangeControl::OnMouseMove(int x, int)
{
    SyncGeometry();
    if (m_model.DragTo(x, GetMetaA(), *this))
        Refresh(false);
}

void GradientRangeControl::OnDraw(wxDC* dc)
{
    RecalcIfDirty();
    if (!dc)
        return;
    SyncGeometry();
    const int w = m_model.GetWidth(), h = m_model.GetHeight();
    detail::DrawSoftwareFace(*dc, w, h, m_face, m_picture, [&](Filter& f) { RenderFace(f, h); });
}

// The look: a groove across the usable width in the lower half, the bar over it from
// the minimum's column to the maximum's (lit from above), and at each end a handle: a
// stem the height of the strip with a triangle in the upper half pointing at the bar, in
// the ten columns a press takes for that handle.
void GradientRangeControl::RenderFace(Filter& f, int h)
{
    const Color bg = detail::InkOf(GetBgColour());
    const Color fg = detail::InkOf(GetFgColour());
    const Color white(1.0, 1.0, 1.0);
    vorn::Clear(f, CtoCA(bg));

    const int half = h / 2;
    const int barH = std::clamp(m_barHeight > 0 ? m_barHeight : half, 1, std::max(h - half - 1, 1));
    const int y0 = h - 1 - barH, y1 = h - 1;
    const int left = m_model.GetLeft(), right = left + std::max(m_model.GetUsableWidth(), 0);
    const int xmin = m_model.GetMinColumn(), xmax = m_model.GetMaxColumn();

    const int groove = (y0 + y1) / 2;
    FillRows(f, left, right, groove - 1, groove + 1, CtoCA(detail::MixColour(bg, fg, 0.25)));

    const Color lit = detail::MixColour(bg, white, 0.55), shade = detail::MixColour(bg, fg, 0.45);
    for (int y = y0; y <= y1; ++y)
        DrawLine(f, xmin, y, xmax, y, CtoCA(detail::MixColour(lit, shade, double(y - y0) / std::max(y1 - y0, 1))));
    const ColorA edge = CtoCA(fg);
    DrawLine(f, xmin, y0, xmax, y0, edge);
    DrawLine(f, xmin, y1, xmax, y1, edge);

    const double r = std::max(std::min(half / 2.0 - 1.0, 5.0), 1.0);
    const double mid = half / 2.0;
    FilterPtr smooth = AntiAlias(f);
    for (const int side : {-1, 1}) {
        const int stem = side < 0 ? xmin : xmax;
        DrawLine(f, stem, 0, stem, y1, edge);
        const double base = stem + side * 9.0, tip = stem + side * 1.0;
        for (int y = int(mid - r); y <= int(mid + r + 0.5); ++y) {
            const double reach = std::max(0.0, 1.0 - std::abs(y - mid) / r) * 8.0;
            DrawLine(f, base, y, base - side * reach, y, CtoCA(detail::MixColour(fg, bg, 0.2)));
        }
        DrawLine(smooth, base, mid - r, tip, mid, edge);
        DrawLine(smooth, base, mid + r, tip, mid, edge);
        DrawLine(smooth, base, mid - r, base, mid + r, edge);
    }
}

// ---- GradientSummary ----

GradientSummary::GradientSummary() = default;

GradientSummary::GradientSummary(int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroup* group,
                                 long style)
    : GradientControlComp(x, y, w, h, parent, id, group, style)
{
}

GradientSummary::~GradientSummary() = default;

void GradientSummary::SetSpace(int left, int right)
{
    m_model.SetSpace(left, right);
    SetDirty();
    Refresh(false);
}

void GradientSummary::RecalcState()
{
    m_model.SetWidth(std::max(GetWidth(), 0));
    m_model.Rebuild(m_gradient);
    GradientControlComp::RecalcState();
}

void GradientSummary::OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint)
{
    if (control == this)
        return;
    if (auto* add = dynamic_cast<GradientHintAdd*>(hint)) {
        SetSelect(add->index);
        SetDirty();
    } else if (dynamic_cast<GradientHintRange*>(hint) || dynamic_cast<GradientHintMove*>(hint)) {
        SetDirty();
    } else if (auto* select = dynamic_cast<GradientHintSelect*>(hint)) {
        SetSelect(select->index);
    } else {
        GradientControlComp::OnUpdate(id, control, hint);
        return;
    }
    Refresh(false);
}

// The row fills the usable columns between a one-pixel frame above, below and at both
// ends; a strip of two rows or less is all row.
void GradientSummary::OnDraw(wxDC* dc)
{
    const int w = std::max(GetWidth(), 0), h = std::max(GetHeight(), 0);
    if (IsDirty() || m_model.GetWidth() != w)
        RecalcState();
    if (!dc)
        return;
    wxImage image;
    wxBitmap picture;
    detail::DrawSoftwareFace(*dc, w, h, image, picture, [&](Filter& f) {
        const Color bg = detail::InkOf(GetBgColour());
        vorn::Clear(f, CtoCA(bg));
        const std::vector<Color>& row = m_model.GetRow();
        const int left = m_model.GetLeft(), n = int(row.size());
        const bool framed = h > 2;
        const int top = framed ? 1 : 0, bottom = framed ? h - 2 : h - 1;
        for (int i = 0; i < n; ++i)
            DrawLine(f, left + i, top, left + i, bottom, CtoCA(row[size_t(i)]));
        if (framed && n > 0) {
            const ColorA frame = CtoCA(detail::MixColour(bg, detail::InkOf(GetFgColour()), 0.6));
            DrawLine(f, left - 1, 0, left + n, 0, frame);
            DrawLine(f, left - 1, h - 1, left + n, h - 1, frame);
            DrawLine(f, left - 1, 0, left - 1, h - 1, frame);
            DrawLine(f, left + n, 0, left + n, h - 1, frame);
        }
    });
}

} // namespace vorn
