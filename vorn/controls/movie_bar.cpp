#include <vorn/controls/movie_bar.h>

#include <algorithm>

#include <wx/dcmemory.h>

#include <vorn/util/detail/blit.h>

namespace vorn {

namespace {
int Width(const wxBitmap* b) { return b && b->IsOk() ? b->GetWidth() : 0; }
int Height(const wxBitmap* b) { return b && b->IsOk() ? b->GetHeight() : 0; }

} // namespace

// The back buffer with its context, and the handle images each in a context of its own:
// a drag step then draws without making any context.
struct VornMovieBar::Buffer {
    wxBitmap bitmap;
    wxMemoryDC dc;
    detail::BlitSource start, end, value;
};

VornMovieBar::VornMovieBar() = default;
VornMovieBar::~VornMovieBar() = default;

VornMovieBar::VornMovieBar(const wxBitmap* start, const wxBitmap* end, const wxBitmap* value, int x, int y, int w,
                           int h, wxWindow* parent, int id, VornControlGroup* group, long style)
{
    VornMovieBar::Create(start, end, value, x, y, w, h, parent, id, group, style);
}

bool VornMovieBar::Create(const wxBitmap* start, const wxBitmap* end, const wxBitmap* value, int x, int y, int w,
                          int h, wxWindow* parent, int id, VornControlGroup* group, long style)
{
    m_barColour = *wxBLUE;
    m_rangeColour = *wxGREEN;
    m_backgroundColour = *wxRED;
    m_barY = m_barHeight = 0;
    m_model.SetLayout(w, h, Width(start), Height(start), Width(end), Width(value), Height(value));
    m_buffer = std::make_unique<Buffer>();
    m_buffer->bitmap = wxBitmap(std::max(w, 1), std::max(h, 1));
    m_buffer->dc.SelectObject(m_buffer->bitmap);
    m_buffer->start.SetBitmap(start);
    m_buffer->end.SetBitmap(end);
    m_buffer->value.SetBitmap(value);
    return VornControl::Create(x, y, w, h, parent, id, group, style);
}

void VornMovieBar::SetValue(double v)
{
    m_model.SetValue(v);
    Refresh(false);
}

void VornMovieBar::SetStart(double s)
{
    m_model.SetStart(s);
    Refresh(false);
}

void VornMovieBar::SetEnd(double e)
{
    m_model.SetEnd(e);
    Refresh(false);
}

void VornMovieBar::Reset()
{
    m_model.Reset();
    Refresh(false);
}

void VornMovieBar::SetColours(wxColour bar, wxColour range, wxColour background)
{
    m_barColour = bar;
    m_rangeColour = range;
    m_backgroundColour = background;
    Refresh(false);
}

void VornMovieBar::SetUp(int barY, int barHeight)
{
    m_barY = barY;
    m_barHeight = barHeight;
    Refresh(false);
}

// Pressing a second button during a drag begins nothing more; any release ends the drag.
void VornMovieBar::OnMouseButton()
{
    if (!GetMouseDown()) {
        EndDrags();
        return;
    }
    if (m_model.IsDragging())
        return;
    int x = 0, y = 0;
    GetLastMousePos(x, y);
    const unsigned begun = m_model.Press(x, y);
    if (!begun)
        return;
    CaptureMouse();
    if (begun & MovieBarModel::kDragValue)
        if (VornMovieBarCG* group = GetMovieGroup())
            group->ControlSelected(kValueHandleId, this);
}

void VornMovieBar::EndDrags()
{
    if (m_model.Release())
        if (VornMovieBarCG* group = GetMovieGroup())
            group->ControlUnSelected(kValueHandleId, this);
    ReleaseMouse();
}

void VornMovieBar::OnEnable(bool enabled)
{
    if (!enabled)
        EndDrags();
}

void VornMovieBar::OnMouseMove(int x, int)
{
    if (!m_model.IsDragging())
        return;
    const MovieHookList hooks = m_model.Move(x);
    if (VornMovieBarCG* group = GetMovieGroup()) {
        for (int i = 0; i < hooks.count; ++i) {
            switch (hooks.hooks[i]) {
            case MovieHook::Value: group->MovieValueChanged(GetId(), this); break;
            case MovieHook::Start: group->MovieStartChanged(GetId(), this); break;
            case MovieHook::End: group->MovieEndChanged(GetId(), this); break;
            }
        }
    }
    Refresh(false);
}

void VornMovieBar::OnDraw(wxDC* dc)
{
    if (!m_buffer || !m_buffer->dc.IsOk())
        return;
    wxMemoryDC& buffer = m_buffer->dc;
    const int w = m_buffer->bitmap.GetWidth(), h = m_buffer->bitmap.GetHeight();
    buffer.SetPen(*wxTRANSPARENT_PEN);
    buffer.SetBrush(wxBrush(m_backgroundColour));
    buffer.DrawRectangle(0, 0, w, h);
    if (m_barHeight > 0) {
        buffer.SetBrush(wxBrush(m_barColour));
        buffer.DrawRectangle(0, m_barY, w, m_barHeight);
        if (m_model.RangeWidth() > 0) {
            buffer.SetBrush(wxBrush(m_rangeColour));
            buffer.DrawRectangle(m_model.RangeLeft(), m_barY, m_model.RangeWidth(), m_barHeight);
        }
    }
    m_buffer->start.Blit(buffer, m_model.StartHandleLeft(), m_model.GetHandleY());
    m_buffer->end.Blit(buffer, m_model.EndHandleLeft(), m_model.GetHandleY());
    m_buffer->value.Blit(buffer, m_model.GetValueX(), 0);
    const wxSize client = GetClientSize();
    detail::BlitRegion(*dc, 0, 0, std::min(client.x, w), std::min(client.y, h), buffer);
    RecalcIfDirty();
}

} // namespace vorn
