#include <vorn/controls/range_control.h>

#include <algorithm>
#include <cmath>

#include <wx/dcmemory.h>
#include <wx/image.h>

#include <vorn/util/detail/blit.h>
#include <vorn/util/raster.h>
#include <vorn/util/wx_colour.h>
#include <vorn/util/wx_image_filter.h>

namespace vorn {

// ---------------------------------------------------------------------------------------------
// Handle images

namespace {

double Coverage(double d) { return std::clamp(d + 0.5, 0.0, 1.0); }

// A filled rectangle; the caller has set a transparent pen (a stroked rectangle is
// smoothed at its corners).
void FillRect(wxDC& dc, const wxBrush& brush, const RangeRect& r)
{
    if (r.w <= 0 || r.h <= 0)
        return;
    dc.SetBrush(brush);
    dc.DrawRectangle(r.x, r.y, r.w, r.h);
}

// Paints in the model's axes (along, across) into an image held in client orientation, so
// that one painter serves both controls and both handles.
class OrientedFilter : public WrappingFilter {
public:
    OrientedFilter(Filter& inner, const RangeAxes& axes, int length, int depth, bool mirror)
        : WrappingFilter(inner), m_axes(axes), m_length(length), m_depth(depth), m_mirror(mirror)
    {
    }
    bool WritePixel(int a, int c, const ColorA& colour) override
    {
        int x = 0, y = 0;
        return Inside(a, c) && (Map(a, c, x, y), m_inner->WritePixel(x, y, colour));
    }
    bool ReadPixel(ColorA& colour, int a, int c) override
    {
        int x = 0, y = 0;
        return Inside(a, c) && (Map(a, c, x, y), m_inner->ReadPixel(colour, x, y));
    }
    bool WritePixelI(int a, int c, const ColorA& colour, double intensity) override
    {
        int x = 0, y = 0;
        return Inside(a, c) && (Map(a, c, x, y), m_inner->WritePixelI(x, y, colour, intensity));
    }
    int GetWidth() const override { return m_length; }
    int GetHeight() const override { return m_depth; }

private:
    bool Inside(int a, int c) const { return a >= 0 && c >= 0 && a < m_length && c < m_depth; }
    void Map(int a, int c, int& x, int& y) const { m_axes.ImagePixel(a, c, m_length, m_mirror, x, y); }

    RangeAxes m_axes;
    int m_length, m_depth;
    bool m_mirror;
};

// The handle before the thumb: a tab of the thumb's colours whose outer corners are rounded
// and whose side facing the thumb stays open along the band (it joins the thumb's outline
// there), with an arrow pointing away from the thumb in the ear standing out above the band.
void PaintHandle(Filter& f, int ear, const ColorA& outline, const ColorA& fill, const ColorA& arrow)
{
    const int w = f.GetWidth(), h = f.GetHeight();
    vorn::Clear(f, ColorA(0, 0, 0, 0));
    const double r = std::min({3.0, w / 2.0, h / 2.0});
    for (int c = 0; c < h; ++c) {
        for (int a = 0; a < w; ++a) {
            const double px = a + 0.5, py = c + 0.5;
            // Outlined all round but where the side facing the thumb meets the band.
            const bool edge = a < 1 || c < 1 || c >= h - 1 || (a == w - 1 && c < ear);
            double outer = 1.0, inner = edge ? 0.0 : 1.0;
            if (px < r && (py < r || py > h - r)) {
                const double d = std::hypot(px - r, py - (py < r ? r : h - r));
                outer = Coverage(r - d);
                inner = Coverage(r - 1.0 - d);
            }
            if (outer <= 0.0)
                continue;
            const double ring = outer - inner;
            const auto mix = [&](double o, double i) { return (o * ring + i * inner) / outer; };
            f.WritePixel(a, c, ColorA(mix(outline.r, fill.r), mix(outline.g, fill.g), mix(outline.b, fill.b), outer));
        }
    }
    // The arrow: its tip a quarter in, its base two pixels short of the thumb.
    const double cy = (ear >= 5 ? ear : h) / 2.0, tip = std::max(1.5, w / 4.0), base = w - 1.5;
    const double halfBase = std::min((base - tip) * 0.6, cy - 1.5);
    if (base <= tip || halfBase <= 0.0)
        return;
    for (int c = 0; c < h; ++c)
        for (int a = static_cast<int>(tip); a < w - 1; ++a) {
            const double half = (a + 0.5 - tip) / (base - tip) * halfBase;
            const double cover = Coverage(half - std::abs(c + 0.5 - cy));
            if (a + 0.5 >= tip && cover > 0.0)
                f.WritePixelI(a, c, arrow, cover);
        }
}

} // namespace

// ---------------------------------------------------------------------------------------------
// VornRangeControl

// The handle images in client orientation, the working bitmap of the face's size, kept
// selected so that a redraw costs no fresh contexts, and the brushes of the thumb's parts.
struct VornRangeControl::Images {
    wxBitmap low, high;
    wxBrush outline, fill, mark, markLight;
    wxBitmap work;
    wxMemoryDC workDc;
    detail::BlitSource background;
};

VornRangeControl::VornRangeControl() = default;
VornRangeControl::~VornRangeControl() = default;

VornRangeControl::VornRangeControl(const Color& outline, const Color& fill, int handleWidth, int handleHeight,
                                   int trackLeft, int bandTop, int trackRight, int bandBottom,
                                   const wxBitmap* background)
    : VornRangeControl(RangeAxes(), outline, fill,
                       RangeGeometry{handleWidth, handleHeight, trackLeft, trackRight, bandTop, bandBottom}, background)
{
}

VornRangeControl::VornRangeControl(const RangeAxes& axes, const Color& outline, const Color& fill,
                                   const RangeGeometry& geometry, const wxBitmap* background)
    : m_outline(outline), m_fill(fill), m_background(background), m_model(geometry), m_axes(axes)
{
}

void VornRangeControl::SetSliderValue(double s, bool notify)
{
    AfterSet(m_model.SetSliderValue(s) && notify, &VornRangeControl::OnSliderValueChanged);
}

void VornRangeControl::SetZoomValue(double z, bool notify)
{
    AfterSet(m_model.SetZoomValue(z) && notify, &VornRangeControl::OnZoomValueChanged);
}

void VornRangeControl::AfterSet(bool notify, void (VornRangeControl::*hook)())
{
    if (notify) {
        (this->*hook)();
        OnRangeChanged();
    }
    SetDirty();
    Refresh(false);
}

void VornRangeControl::OnMouseButton()
{
    if (!GetMouseDown()) {
        m_model.Release();
        ReleaseMouse();
        return;
    }
    int x = 0, y = 0, along = 0, across = 0;
    GetLastMousePos(x, y);
    m_axes.ToModel(x, y, along, across);
    if (m_model.Press(along, across) != RangeDrag::None)
        CaptureMouse();
}

void VornRangeControl::OnMouseMove(int x, int y)
{
    int along = 0, across = 0;
    m_axes.ToModel(x, y, along, across);
    const RangeDrag moved = m_model.Step(along);
    if (moved == RangeDrag::None)
        return;
    Redraw();
    if (moved != RangeDrag::Body)
        OnZoomValueChanged();
    OnSliderValueChanged();
    OnRangeChanged();
}

// A drag step repaints as every control does (Refresh) and, as the value controls do while
// dragging, also draws at once, so the thumb follows the pointer without waiting for idle.
void VornRangeControl::Redraw()
{
    SetDirty();
    Refresh(false);
    DrawAtOnce();
}

void VornRangeControl::MakeBlitImages()
{
    m_images = std::make_unique<Images>();
    m_images->background.SetBitmap(m_background);
    wxSize size = GetClientSize();
    if (m_images->background.IsOk())
        size = wxSize(m_images->background.GetWidth(), m_images->background.GetHeight());
    m_images->work.Create(std::max(size.x, 1), std::max(size.y, 1), 24);
    m_images->workDc.SelectObject(m_images->work);
    m_images->outline = wxBrush(CtoWxC(m_outline));
    m_images->fill = wxBrush(CtoWxC(m_fill));
    m_images->mark = wxBrush(CtoWxC(m_mark));
    m_images->markLight = wxBrush(CtoWxC(m_markLight));

    const RangeGeometry& g = m_model.GetGeometry();
    const int length = g.handleWidth, depth = g.handleHeight + g.bandBottom - g.bandTop;
    if (length <= 0 || depth <= 0)
        return;
    for (wxBitmap* handle : {&m_images->low, &m_images->high}) {
        const bool vertical = m_axes.IsVertical();
        wxImage image(vertical ? depth : length, vertical ? length : depth);
        image.InitAlpha();
        FilterPtr target = CreateFilter(image);
        if (!target)
            continue;
        OrientedFilter oriented(*target, m_axes, length, depth, handle == &m_images->high);
        // Through the toolkit's colours, so that handles and thumb match to the byte.
        PaintHandle(oriented, g.handleHeight, WxCtoCA(CtoWxC(m_outline)), WxCtoCA(CtoWxC(m_fill)),
                    WxCtoCA(CtoWxC(m_mark)));
        *handle = wxBitmap(image, 32);
    }
}

void VornRangeControl::OnDraw(wxDC* dc)
{
    if (!m_images)
        MakeBlitImages();
    Images& im = *m_images;
    wxMemoryDC& work = im.workDc;
    const int w = im.work.GetWidth(), h = im.work.GetHeight();
    if (im.background.IsOk()) {
        im.background.Blit(work, 0, 0);
    } else {
        work.SetBackground(wxBrush(GetBackgroundColour()));
        work.Clear();
    }
    const RangeLayout layout = m_model.Layout();
    const auto fillRect = [&](const wxBrush& brush, const RangeRect& r) {
        FillRect(work, brush, m_axes.ToClient(r));
    };
    const RangeRect& thumb = layout.thumb;
    work.SetPen(*wxTRANSPARENT_PEN);
    if (thumb.w > 0 && thumb.h > 0) {
        fillRect(im.outline, thumb);
        fillRect(im.fill, {thumb.x + 1, thumb.y + 1, thumb.w - 2, thumb.h - 2});
    }
    const RangeRect low = m_axes.ToClient(layout.lowHandle), high = m_axes.ToClient(layout.highHandle);
    if (im.low.IsOk())
        work.DrawBitmap(im.low, low.x, low.y, true);
    if (im.high.IsOk())
        work.DrawBitmap(im.high, high.x, high.y, true);
    // The two lines: the thumb's middle mark inside its outline, and its highlight beside it.
    if (thumb.w > 4) {
        fillRect(im.mark, {layout.middle, thumb.y + 1, 1, thumb.h - 2});
        fillRect(im.markLight, {layout.middle + 1, thumb.y + 1, 1, thumb.h - 2});
    }
    detail::BlitRegion(*dc, 0, 0, w, h, work);
    RecalcIfDirty();
}

// ---------------------------------------------------------------------------------------------
// VornVertRangeControl

VornVertRangeControl::VornVertRangeControl() : VornRangeControl(RangeAxes(true, false, 0, 0), Color(), Color(), {}, nullptr)
{
}

VornVertRangeControl::VornVertRangeControl(const Color& outline, const Color& fill, int handleWidth,
                                           int handleHeight, int trackTop, int bandLeft, int trackBottom,
                                           int bandRight, const wxBitmap* background, bool bottomUp)
    : VornRangeControl(RangeAxes(true, bottomUp, trackTop, trackBottom), outline, fill,
                       RangeGeometry{handleWidth, handleHeight, trackTop, trackBottom, bandLeft, bandRight},
                       background)
{
}

// ---------------------------------------------------------------------------------------------
// RangeControl

RangeControl::RangeControl() = default;

RangeControl::RangeControl(int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroup* group,
                           long style)
{
    VornControl::Create(x, y, w, h, parent, id, group, style);
}

void RangeControl::SetSpace(int left, int right)
{
    m_leftSpace = left;
    m_rightSpace = right;
}

void RangeControl::OnDraw(wxDC* dc)
{
    const wxSize size = GetClientSize();
    const wxColour background = GetBackgroundColour();
    // The library's foreground colour; the toolkit's until a host sets one.
    const wxColour foreground = GetFgColour().IsOk() ? GetFgColour() : GetForegroundColour();
    dc->SetPen(*wxTRANSPARENT_PEN);
    FillRect(*dc, wxBrush(background), {0, 0, size.x, size.y});
    FillRect(*dc, wxBrush(foreground), {m_leftSpace, size.y / 2, size.x - m_rightSpace - m_leftSpace, size.y / 2});
    RecalcIfDirty();
}

} // namespace vorn
