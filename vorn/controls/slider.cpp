#include <vorn/controls/slider.h>

#include <wx/dcclient.h>
#include <wx/dcmemory.h>

#include <vorn/framework/hints.h>
#include <vorn/util/raster.h>
#include <vorn/util/wx_colour.h>
#include <vorn/util/wx_image_filter.h>

namespace vorn {

namespace {
int BitmapWidth(const wxBitmap* b) { return b && b->IsOk() ? b->GetWidth() : 0; }
int BitmapHeight(const wxBitmap* b) { return b && b->IsOk() ? b->GetHeight() : 0; }

// Plain copy of a region of a bitmap, without mask.
void CopyBitmap(wxDC& dc, const wxBitmap* bmp, int x, int y, int w, int h)
{
    if (!bmp || !bmp->IsOk() || w <= 0 || h <= 0)
        return;
    wxMemoryDC src;
    src.SelectObjectAsSource(*bmp);
    dc.Blit(x, y, w, h, &src, 0, 0, wxCOPY, false);
}
} // namespace

// ---------------------------------------------------------------------------------------------
// VornSlider

VornSlider::VornSlider() = default;

VornSlider::VornSlider(int x, int y, int height, int width, wxWindow* parent, int id,
                       VornControlGroupValue* group, long style)
    : VornControl(x, y, parent, id, group, style)
{
    m_valueGroup = group;
    m_model.Reset(width, height);
    m_dragging = false;
    VornWindow::SetSize(width, height);
    SetValue(0.0, false);
}

bool VornSlider::Create(int x, int y, int height, int width, wxWindow* parent, int id,
                        VornControlGroupValue* group, long style)
{
    const bool ok = VornControl::Create(x, y, parent, id, group, style);
    m_valueGroup = group;
    m_model.Reset(width, height);
    m_dragging = false;
    VornWindow::SetSize(width, height);
    SetValue(0.0, false);
    return ok;
}

VornControlGroupValue* VornSlider::GetGroup() { return m_valueGroup; }

void VornSlider::SetupSlider(int left, int knobWidth, int knobHeight, int right)
{
    m_model.Setup(left, knobWidth, knobHeight, right);
    SetValue(0.0, false);
}

void VornSlider::SetValue(double v, bool notify)
{
    v = m_model.SetReported(v);
    Refresh(false);
    if (m_valueGroup && notify) {
        m_valueGroup->ControlDrag(GetId(), this);
        RealValChanging hint;
        hint.value = v;
        m_valueGroup->Update(0, this, &hint);
    }
}

void VornSlider::OnMouseButton()
{
    if (GetMouseDown())
        Press();
    else
        Release();
}

void VornSlider::OnEnable(bool enabled)
{
    if (!enabled && m_dragging)
        Release();
}

void VornSlider::Press()
{
    int mx = 0, my = 0;
    GetLastMousePos(mx, my);
    if (!m_model.InBand(my))
        return;
    m_dragging = true;
    CaptureMouse();
    if (m_model.OnKnob(mx)) {
        m_model.lastX = mx;
        if (m_valueGroup)
            m_valueGroup->ControlSelected(GetId(), this);
        return;
    }
    // A press on the track centres the knob under the pointer; the drag that follows
    // reports the value.
    if (m_valueGroup)
        m_valueGroup->ControlSelected(GetId(), this);
    m_model.JumpTo(mx);
    Refresh(false);
    if (m_valueGroup)
        m_valueGroup->ControlDrag(GetId(), this);
}

void VornSlider::Release()
{
    m_dragging = false;
    ReleaseMouse();
    m_model.EndDrag();
    if (m_valueGroup) {
        m_valueGroup->ControlUnSelected(GetId(), this);
        RealValChanged hint;
        hint.value = m_model.GetReported();
        m_valueGroup->Update(0, this, &hint);
    }
}

void VornSlider::OnMouseMove(int x, int /*y*/)
{
    if (!m_dragging)
        return;
    if (m_model.DragTo(x, GetMetaKey()) && m_valueGroup) {
        m_valueGroup->ControlDrag(GetId(), this);
        RealValChanging hint;
        hint.value = m_model.GetReported();
        m_valueGroup->Update(0, this, &hint);
    }
    DrawNow();
}

void VornSlider::DrawNow()
{
    // Dragging redraws at once rather than waiting for the next paint event.
    if (!IsShownOnScreen())
        return;
    wxClientDC dc(this);
    OnDraw(&dc);
}

void VornSlider::OnDraw(wxDC* dc)
{
    dc->SetBackground(wxBrush(GetBackgroundColour()));
    dc->Clear();
    const wxColour blue("BLUE");
    dc->SetBrush(wxBrush(blue, wxBRUSHSTYLE_SOLID));
    dc->SetPen(wxPen(blue, 1, wxPENSTYLE_SOLID));
    dc->DrawRectangle(GetCurPosition(), (m_model.height - m_model.knobHeight) / 2, 10, 10);
    if (IsDirty())
        RecalcState();
}

// ---------------------------------------------------------------------------------------------
// VornSliderA

VornSliderA::VornSliderA() = default;

VornSliderA::VornSliderA(SliderType type, const wxBitmap* leftCap, const wxBitmap* knob, const wxBitmap* cap0,
                         const wxBitmap* cap1, const wxBitmap* cap2, const wxBitmap* fill, int x, int y,
                         int height, int width, wxColour background, wxWindow* parent, int id,
                         VornControlGroupValue* group, long style)
    : VornSlider(x, y, height, width, parent, id, group, style),
      m_leftCap(leftCap), m_knob(knob), m_cap0(cap0), m_cap1(cap1), m_cap2(cap2), m_fill(fill), m_type(type),
      m_background(background)
{
    SetupSlider(BitmapWidth(leftCap), BitmapWidth(knob), BitmapHeight(knob), -1);
    m_backBuffer.Create(std::max(width, 1), std::max(height, 1));
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
    m_backBuffer.Create(std::max(width, 1), std::max(height, 1));
    return ok;
}

void VornSliderA::SetSliderType(SliderType type)
{
    m_type = type;
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

void VornSliderA::OnDraw(wxDC* dc)
{
    if (!m_backBuffer.IsOk())
        return;
    const int capWidth = BitmapWidth(m_leftCap);
    {
        wxMemoryDC buffer(m_backBuffer);
        buffer.SetBackground(wxBrush(m_background, wxBRUSHSTYLE_SOLID));
        buffer.Clear();
        // The typed caps are drawn in the plain cap's footprint.
        CopyBitmap(buffer, LeftCapForType(), 0, 0, capWidth, BitmapHeight(m_leftCap));
        CopyBitmap(buffer, m_fill, capWidth, GetGap(), GetCurPosition() - capWidth, BitmapHeight(m_fill));
        CopyBitmap(buffer, m_knob, GetCurPosition(), GetGap(), BitmapWidth(m_knob), BitmapHeight(m_knob));
    }
    const wxSize client = GetClientSize();
    CopyBitmap(*dc, &m_backBuffer, 0, 0, client.x, client.y);
    if (IsDirty())
        RecalcState();
}

// ---------------------------------------------------------------------------------------------
// VornSliderB

VornSliderB::VornSliderB() = default;

VornSliderB::VornSliderB(wxColour background, wxColour line, int x, int y, int width, int height,
                         wxWindow* parent, int id, VornControlGroupValue* group, long style)
    : VornSlider(x, y, height, width, parent, id, group, style), m_line(line), m_background(background)
{
    SetupSlider(0, 12, 12, -1);
    m_image = std::make_unique<wxImage>(width, height);
}

bool VornSliderB::Create(wxColour background, wxColour line, int x, int y, int width, int height,
                         wxWindow* parent, int id, VornControlGroupValue* group, long style)
{
    const bool ok = VornSlider::Create(x, y, height, width, parent, id, group, style);
    m_line = line;
    m_background = background;
    SetupSlider(0, 12, 12, -1);
    m_image = std::make_unique<wxImage>(width, height);
    return ok;
}

void VornSliderB::OnDraw(wxDC* dc)
{
    if (!m_image || !m_image->IsOk())
        return;
    {
        std::unique_ptr<Filter> filter = CreateFilter(*m_image);
        if (!filter)
            return;
        const ColorA background = WxCtoCA(m_background);
        const ColorA line = WxCtoCA(m_line);
        vorn::Clear(*filter, background); // not wxWindow::Clear
        DrawLine(*filter, 0, GetGap(), GetCurPosition(), GetGap(), line);
        DumbAntiAliasFilter aa(*filter); // borrows the filter
        // The round knob in its 12 x 12 box.
        DrawEllipse(aa, GetCurPosition(), GetGap(), GetCurPosition() + 11, GetGap() + 11, line);
    }
    const wxBitmap bitmap(*m_image);
    const wxSize client = GetClientSize();
    CopyBitmap(*dc, &bitmap, 0, 0, client.x, client.y);
    if (IsDirty())
        RecalcState();
}

// ---------------------------------------------------------------------------------------------
// VornSliderC

VornSliderC::VornSliderC() = default;

VornSliderC::VornSliderC(const wxBitmap* knob, const wxBitmap* track, int leftMargin, int rightMargin, int x,
                         int y, wxWindow* parent, int id, VornControlGroupValue* group, long style)
    : VornSlider(x, y, BitmapHeight(track), BitmapWidth(track), parent, id, group, style), m_knob(knob),
      m_track(track)
{
    SetupSlider(leftMargin, BitmapWidth(knob), BitmapHeight(knob), rightMargin);
}

bool VornSliderC::Create(const wxBitmap* knob, const wxBitmap* track, int leftMargin, int rightMargin, int x,
                         int y, wxWindow* parent, int id, VornControlGroupValue* group, long style)
{
    const bool ok = VornSlider::Create(x, y, BitmapHeight(track), BitmapWidth(track), parent, id, group, style);
    m_knob = knob;
    m_track = track;
    SetupSlider(leftMargin, BitmapWidth(knob), BitmapHeight(knob), rightMargin);
    return ok;
}

void VornSliderC::OnDraw(wxDC* dc)
{
    CopyBitmap(*dc, m_track, 0, 0, BitmapWidth(m_track), BitmapHeight(m_track));
    // The knob's top is always one pixel below the track's.
    CopyBitmap(*dc, m_knob, GetCurPosition(), 1, BitmapWidth(m_knob), BitmapHeight(m_knob));
    if (IsDirty())
        RecalcState();
}

} // namespace vorn
