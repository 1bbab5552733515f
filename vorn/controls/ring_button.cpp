#include <vorn/controls/ring_button.h>

#include <wx/dcmemory.h>

#include <vorn/controls/detail/face_cache.h>
#include <vorn/util/detail/blit.h>
#include <vorn/util/raster.h>
#include <vorn/util/wx_colour.h>

namespace vorn {

namespace {

constexpr int kCapWidth = 7;
constexpr int kCapHeight = 8;
constexpr int kBaseLine = 24; // the bracket's bar when off, and the strip it rests on

// A cap: the bracket's upright ends in a short stroke leaning outwards at the top.
// `mirror` draws the right-hand cap.
wxBitmap DrawCap(const wxColour& background, const wxColour& line, bool mirror)
{
    const ColorA back = WxCtoCA(background);
    const ColorA ink = WxCtoCA(line);
    return detail::RenderFace(kCapWidth, kCapHeight, [&](Filter& target) {
        Clear(target, back);
        const double inner = mirror ? 0.5 : kCapWidth - 0.5;
        const double outer = mirror ? kCapWidth - 1.5 : 1.5;
        DrawLine(AntiAlias(target), inner, kCapHeight - 3.5, outer, 0.5, ink);
    });
}

} // namespace

VornRingButton::VornRingButton(const wxColour& background, const wxColour& line, const wxColour& fill, int x, int y,
                               int w, int h, wxWindow* parent, int id, VornValueControlGroup1ofN* group, long style)
{
    VornRingButton::Create(background, line, fill, x, y, w, h, parent, id, group, style);
}

bool VornRingButton::Create(const wxColour& background, const wxColour& line, const wxColour& fill, int x, int y,
                            int w, int h, wxWindow* parent, int id, VornValueControlGroup1ofN* group, long style)
{
    m_drag = Drag::None;
    m_lastX = 0;
    const bool ok = VornMoonButton::Create(nullptr, x, y, w, h, parent, id, group, style);
    m_background = background;
    m_line = line;
    m_fill = fill;
    m_leftCap = DrawCap(background, line, false);
    m_rightCap = DrawCap(background, line, true);
    return ok;
}

int VornRingButton::ParentWidth() const { return GetParent() ? GetParent()->GetSize().x : 0; }

// The press is the moon's (capture, choose, remember the grab); the spot picks the drag.
void VornRingButton::OnMouseButton()
{
    VornMoonButton::OnMouseButton();
    if (!GetMouseDown()) {
        m_drag = Drag::None;
        return;
    }
    int mx = 0, my = 0;
    GetLastMousePos(mx, my);
    if (mx < kGripWidth) {
        m_drag = Drag::Left;
    } else if (mx > GetWidth() - kGripWidth) {
        m_drag = Drag::Right;
        m_lastX = mx;
    } else {
        m_drag = Drag::Move;
    }
}

void VornRingButton::OnMouseMove(int x, int y)
{
    if (!GetMouseDown())
        return;
    switch (m_drag) {
    case Drag::Left: OnMoveLeft(x, y); break;
    case Drag::Right: OnMoveRight(x, y); break;
    case Drag::Move: OnMoveRing(x, y); break;
    case Drag::None: break;
    }
}

// x is where the left edge should go, relative to where it is.
void VornRingButton::OnMoveLeft(int x, int)
{
    const int w = GetWidth();
    const int left = GetPosX() + x;
    if (w - x > kMinWidth && left > 0)
        SetWindowPos(left, GetPosY(), w - x, GetHeight());
    else if (w - x <= kMinWidth && w + left < ParentWidth())
        SetPosition(left, GetPosY());
    Reshaped();
}

void VornRingButton::OnMoveRight(int x, int)
{
    const int w = GetWidth();
    const int d = x - m_lastX;
    if (w + d > kMinWidth && GetPosX() + w + d < ParentWidth()) {
        m_lastX = x;
        SetSize(w + d, GetHeight());
    } else if (w + d <= kMinWidth && GetPosX() - w / 2 + x > 0) {
        SetPosition(GetPosX() + d, GetPosY());
    }
    Reshaped();
}

// The moon button's slide: same formula, clamp and ControlDrag report.
void VornRingButton::OnMoveRing(int x, int y) { VornMoonButton::OnMouseMove(x, y); }

void VornRingButton::Reshaped()
{
    SetDirty();
    Refresh(false);
}

void VornRingButton::OnDraw(wxDC* dc)
{
    RecalcIfDirty();
    const int w = GetWidth(), h = GetHeight();
    if (w <= 0 || h <= 0)
        return;
    // The face depends only on the size and the on state: it is drawn again when one of
    // them changed, and a drag step or repaint is otherwise a single blit.
    if (!m_buffer.IsOk() || m_buffer.GetWidth() != w || m_buffer.GetHeight() != h) {
        m_buffer = wxBitmap(w, h);
        m_bufferOn = -1;
    }
    if (m_bufferOn != int(GetOn())) {
        m_bufferOn = int(GetOn());
        wxMemoryDC buffer(m_buffer);
        buffer.SetBackground(wxBrush(m_background));
        buffer.Clear();
        const wxPen line(m_line, 1);
        buffer.SetPen(line);
        detail::BlitBitmap(buffer, 0, 0, kCapWidth, kCapHeight, m_leftCap);
        detail::BlitBitmap(buffer, w - kCapWidth, 0, kCapWidth, kCapHeight, m_rightCap);
        if (!GetOn()) {
            buffer.DrawLine(6, 4, 6, kBaseLine);
            buffer.DrawLine(0, kBaseLine, w, kBaseLine);
            buffer.DrawLine(w - 7, 4, w - 7, kBaseLine);
        } else {
            buffer.DrawLine(6, 4, 6, h - 1);
            buffer.DrawLine(6, h - 1, w - 7, h - 1);
            buffer.DrawLine(w - 7, 4, w - 7, h - 1);
            buffer.DrawLine(0, kBaseLine, w, kBaseLine);
            buffer.SetBrush(wxBrush(m_fill));
            buffer.SetPen(*wxTRANSPARENT_PEN);
            buffer.DrawRectangle(6, 15, w - 12, h - 4);
            buffer.SetPen(line);
            buffer.DrawLine(0, kBaseLine, w - 7, kBaseLine);
            buffer.DrawLine(6, h - 1, w - 6, h - 1);
        }
    }
    detail::BlitBitmap(*dc, 0, 0, w, h, m_buffer);
}

} // namespace vorn
