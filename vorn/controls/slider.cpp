#include <vorn/controls/slider.h>

#include <algorithm>

#include <wx/dcmemory.h>

#include <vorn/controls/detail/face_cache.h>
#include <vorn/util/detail/blit.h>
#include <vorn/util/raster.h>
#include <vorn/util/wx_colour.h>

namespace vorn {

namespace {
int BitmapWidth(const wxBitmap* b) { return b && b->IsOk() ? b->GetWidth() : 0; }
int BitmapHeight(const wxBitmap* b) { return b && b->IsOk() ? b->GetHeight() : 0; }
} // namespace

// ---------------------------------------------------------------------------------------------
// VornSlider

VornSlider::VornSlider() = default;

VornSlider::VornSlider(int x, int y, int height, int width, wxWindow* parent, int id,
                       VornControlGroupValue* group, long style)
{
    VornSlider::Create(x, y, height, width, parent, id, group, style);
}

bool VornSlider::Create(int x, int y, int height, int width, wxWindow* parent, int id,
                        VornControlGroupValue* group, long style)
{
    const bool ok = CreateValueControl(x, y, parent, id, group, style);
    SetReportEveryRelease(true);
    m_model.Reset(width, height);
    VornWindow::SetSize(width, height);
    SetValue(0.0, false);
    return ok;
}

void VornSlider::SetupSlider(int left, int knobWidth, int knobHeight, int right)
{
    m_model.Setup(left, knobWidth, knobHeight, right);
    SetValue(0.0, false);
}

void VornSlider::SetValue(double v, bool notify)
{
    v = m_model.SetReported(v);
    Refresh(false);
    if (notify)
        ReportValueChanging(v);
}

bool VornSlider::AcceptPress(int, int y)
{
    return m_model.InBand(y);
}

// A press on the knob grabs it; one on the track centres the knob under the pointer, and
// the drag that follows reports the value.
void VornSlider::OnDragBegin(int x, int)
{
    if (m_model.OnKnob(x)) {
        m_model.Grab(x);
        return;
    }
    m_model.JumpTo(x);
    Refresh(false);
    ReportDrag();
}

bool VornSlider::OnDragStep(int x, int)
{
    return m_model.DragTo(x, GetMetaKey());
}

void VornSlider::OnDraw(wxDC* dc)
{
    dc->SetBackground(wxBrush(GetBackgroundColour()));
    dc->Clear();
    const wxColour blue("BLUE");
    dc->SetBrush(wxBrush(blue, wxBRUSHSTYLE_SOLID));
    dc->SetPen(wxPen(blue, 1, wxPENSTYLE_SOLID));
    dc->DrawRectangle(GetCurPosition(), (m_model.GetHeight() - m_model.GetKnobHeight()) / 2, 10, 10);
    RecalcIfDirty();
}

// ---------------------------------------------------------------------------------------------
// VornSliderA

// Left of the knob the slider shows the filled layer, right of it the empty one.
struct VornSliderA::Layers {
    wxBitmap empty, filled;
    detail::BlitSource emptySource{&empty}, filledSource{&filled}, knob;
};

VornSliderA::VornSliderA() = default;
VornSliderA::~VornSliderA() = default;

VornSliderA::VornSliderA(SliderType type, const wxBitmap* leftCap, const wxBitmap* knob, const wxBitmap* cap0,
                         const wxBitmap* cap1, const wxBitmap* cap2, const wxBitmap* fill, int x, int y,
                         int height, int width, wxColour background, wxWindow* parent, int id,
                         VornControlGroupValue* group, long style)
{
    VornSliderA::Create(type, leftCap, knob, cap0, cap1, cap2, fill, x, y, height, width, background, parent, id,
                        group, style);
}

bool VornSliderA::Create(SliderType type, const wxBitmap* leftCap, const wxBitmap* knob, const wxBitmap* cap0,
                         const wxBitmap* cap1, const wxBitmap* cap2, const wxBitmap* fill, int x, int y,
                         int height, int width, wxColour background, wxWindow* parent, int id,
                         VornControlGroupValue* group, long style)
{
    const bool ok = VornSlider::Create(x, y, height, width, parent, id, group, style);
    m_leftCap = leftCap;
    m_knob = knob;
    m_cap0 = cap0;
    m_cap1 = cap1;
    m_cap2 = cap2;
    m_fill = fill;
    m_type = type;
    m_background = background;
    SetupSlider(BitmapWidth(leftCap), BitmapWidth(knob), BitmapHeight(knob), -1);
    MakeLayers();
    return ok;
}

void VornSliderA::SetSliderType(SliderType type)
{
    m_type = type;
    MakeLayers();
    Refresh(false);
}

const wxBitmap* VornSliderA::LeftCapForType() const
{
    switch (m_type) {
    case SLIDER_CAP0: return m_cap0;
    case SLIDER_CAP2: return m_cap2;
    case SLIDER_PLAIN: return m_leftCap;
    default: return m_cap1;
    }
}

void VornSliderA::MakeLayers()
{
    m_layers = std::make_unique<Layers>();
    m_layers->knob.SetBitmap(m_knob);
    const int w = std::max(m_model.GetWidth(), 1), h = std::max(m_model.GetHeight(), 1);
    const int capWidth = BitmapWidth(m_leftCap);
    for (wxBitmap* layer : {&m_layers->empty, &m_layers->filled}) {
        layer->Create(w, h);
        wxMemoryDC dc(*layer);
        dc.SetBackground(wxBrush(m_background, wxBRUSHSTYLE_SOLID));
        dc.Clear();
        // The typed caps are drawn in the plain cap's footprint.
        if (const wxBitmap* cap = LeftCapForType())
            detail::BlitBitmap(dc, 0, 0, capWidth, BitmapHeight(m_leftCap), *cap);
        if (layer == &m_layers->filled && m_fill)
            detail::BlitBitmap(dc, capWidth, GetGap(), w - capWidth, BitmapHeight(m_fill), *m_fill);
    }
}

void VornSliderA::OnDraw(wxDC* dc)
{
    if (!m_layers || !m_layers->empty.IsOk())
        return;
    const wxSize client = GetClientSize();
    const int w = std::min(client.x, m_layers->empty.GetWidth()), h = std::min(client.y, m_layers->empty.GetHeight());
    const int knob = std::clamp(GetCurPosition(), 0, std::max(w, 0));
    m_layers->filledSource.Blit(*dc, 0, 0, knob, h);
    m_layers->emptySource.Blit(*dc, knob, 0, w - knob, h, knob, 0);
    m_layers->knob.Blit(*dc, GetCurPosition(), GetGap());
    RecalcIfDirty();
}

// ---------------------------------------------------------------------------------------------
// VornSliderB

namespace {
constexpr int kRoundKnob = 12; // the knob's box
constexpr int kKnobMargin = 2; // room around the box for the smoothed outline
} // namespace

// The line is drawn first and the knob over it, but the line never reaches under the
// knob's outline: so the face is the background, the knob (drawn once over the
// background) and the line's row up to the knob's left edge.
struct VornSliderB::Layers {
    wxBitmap empty, knob, lineRow;
    detail::BlitSource knobSource{&knob}, lineSource{&lineRow};
};

VornSliderB::VornSliderB() = default;
VornSliderB::~VornSliderB() = default;

VornSliderB::VornSliderB(wxColour background, wxColour line, int x, int y, int width, int height,
                         wxWindow* parent, int id, VornControlGroupValue* group, long style)
{
    VornSliderB::Create(background, line, x, y, width, height, parent, id, group, style);
}

bool VornSliderB::Create(wxColour background, wxColour line, int x, int y, int width, int height,
                         wxWindow* parent, int id, VornControlGroupValue* group, long style)
{
    const bool ok = VornSlider::Create(x, y, height, width, parent, id, group, style);
    m_line = line;
    m_background = background;
    SetupSlider(0, kRoundKnob, kRoundKnob, -1);
    m_faceSize = wxSize(width, height);
    m_layers.reset(); // drawn at the next paint: a slider that is never seen never draws them
    return ok;
}

void VornSliderB::MakeLayers(int width, int height)
{
    m_layers = std::make_unique<Layers>();
    const ColorA background = WxCtoCA(m_background), line = WxCtoCA(m_line);
    m_layers->empty = detail::RenderFace(width, height, [&](Filter& f) { vorn::Clear(f, background); });
    m_layers->lineRow = detail::RenderFace(width, 1, [&](Filter& f) {
        vorn::Clear(f, background);
        DrawLine(f, 0, 0, width - 1, 0, line);
    });
    const int side = kRoundKnob + 2 * kKnobMargin;
    m_layers->knob = detail::RenderFace(side, side, [&](Filter& f) {
        vorn::Clear(f, background);
        DrawEllipse(AntiAlias(f), kKnobMargin, kKnobMargin, kKnobMargin + kRoundKnob - 1,
                    kKnobMargin + kRoundKnob - 1, line);
    });
}

void VornSliderB::OnDraw(wxDC* dc)
{
    if (!m_layers && m_faceSize.x > 0 && m_faceSize.y > 0)
        MakeLayers(m_faceSize.x, m_faceSize.y);
    if (!m_layers || !m_layers->empty.IsOk())
        return;
    const int w = m_layers->empty.GetWidth(), h = m_layers->empty.GetHeight();
    const int x = GetCurPosition(), gap = GetGap();
    dc->DrawBitmap(m_layers->empty, 0, 0, false);
    // The knob with its margin, cut to the face.
    const wxRect knob = wxRect(x - kKnobMargin, gap - kKnobMargin, m_layers->knob.GetWidth(), m_layers->knob.GetHeight())
                            .Intersect(wxRect(0, 0, w, h));
    if (!knob.IsEmpty())
        m_layers->knobSource.Blit(*dc, knob.x, knob.y, knob.width, knob.height, knob.x - (x - kKnobMargin),
                                  knob.y - (gap - kKnobMargin));
    if (gap >= 0 && gap < h)
        m_layers->lineSource.Blit(*dc, 0, gap, std::min(x + 1, w), 1);
    RecalcIfDirty();
}

// ---------------------------------------------------------------------------------------------
// VornSliderC

struct VornSliderC::Layers {
    detail::BlitSource knob, track;
};

VornSliderC::VornSliderC() = default;
VornSliderC::~VornSliderC() = default;

VornSliderC::VornSliderC(const wxBitmap* knob, const wxBitmap* track, int leftMargin, int rightMargin, int x,
                         int y, wxWindow* parent, int id, VornControlGroupValue* group, long style)
{
    VornSliderC::Create(knob, track, leftMargin, rightMargin, x, y, parent, id, group, style);
}

bool VornSliderC::Create(const wxBitmap* knob, const wxBitmap* track, int leftMargin, int rightMargin, int x,
                         int y, wxWindow* parent, int id, VornControlGroupValue* group, long style)
{
    const bool ok = VornSlider::Create(x, y, BitmapHeight(track), BitmapWidth(track), parent, id, group, style);
    m_layers = std::make_unique<Layers>(Layers{detail::BlitSource(knob), detail::BlitSource(track)});
    SetupSlider(leftMargin, BitmapWidth(knob), BitmapHeight(knob), rightMargin);
    return ok;
}

void VornSliderC::OnDraw(wxDC* dc)
{
    if (!m_layers)
        return;
    m_layers->track.Blit(*dc, 0, 0);
    // The knob's top is always one pixel below the track's.
    m_layers->knob.Blit(*dc, GetCurPosition(), 1);
    RecalcIfDirty();
}

} // namespace vorn
