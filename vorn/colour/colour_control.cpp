#include <vorn/colour/colour_control.h>

#include <algorithm>
#include <string>
#include <utility>

#include <wx/brush.h>
#include <wx/dc.h>
#include <wx/pen.h>

#include <vorn/assets/image_cache.h>
#include <vorn/colour/colour_picker_model.h>
#include <vorn/colour/detail/software_face.h>
#include <vorn/colour/gradient_control.h>
#include <vorn/colour/gradient_hints.h>
#include <vorn/colour/gradient_strip_model.h>
#include <vorn/controls/button_moment.h>
#include <vorn/framework/control_group.h>
#include <vorn/text_lists/edit.h>
#include <vorn/util/diagnostics.h>
#include <vorn/util/gradient.h>
#include <vorn/util/raster.h>

namespace vorn {

namespace {

using Model = GradientStopBarModel;

// Everything but the span's guides lies above this row (the dot's ring ends at 93): only
// that much is drawn in software, the plain rest straight on the context, as copying a
// large face to the window costs far more than filling it.
constexpr int kFaceRows = 96;
// A marker: a tab 11 columns wide over rows 0..kTabShoulder, narrowing to a point at
// the last marker row, well inside the 6 columns either side a press takes for it.
constexpr double kTabHalf = 5.0;
constexpr int kTabShoulder = 9;
// The small box drawn for a toggle when no flag image is given.
constexpr int kBoxHalf = 4;

using detail::FaceColour;
using detail::InkOf;
using detail::MixColour;

double TabHalfWidth(int row)
{
    return row <= kTabShoulder ? kTabHalf : kTabHalf * (Model::kMarkerBottom - row) / (Model::kMarkerBottom - kTabShoulder);
}

// The tab's outline, grown by `grow` pixels on every side.
void TabOutline(Filter& f, double c, double grow, const ColorA& ink)
{
    const double l = c - kTabHalf - grow, r = c + kTabHalf + grow, top = -grow;
    const double shoulder = kTabShoulder, tip = Model::kMarkerBottom + grow;
    DrawLine(f, l, top, r, top, ink);
    DrawLine(f, l, top, l, shoulder, ink);
    DrawLine(f, r, top, r, shoulder, ink);
    DrawLine(f, l, shoulder, c, tip, ink);
    DrawLine(f, r, shoulder, c, tip, ink);
}

// The image a toggle in the given state draws with, or null for the plain box.
const wxBitmap* FlagImage(const VornwxBitmapCache* images, bool on)
{
    const wxBitmap* image = nullptr;
    if (!images || !images->GetImage(on ? VORN_IMAGE_ON : VORN_IMAGE_OFF, image) || !image->IsOk())
        return nullptr;
    return image;
}

} // namespace

ColourControl::ColourControl() = default;

ColourControl::ColourControl(const VornwxBitmapCache* flagImages, int x, int y, int w, int h, wxWindow* parent,
                             int id, VornControlGroup* group, long style)
{
    ColourControl::Create(flagImages, x, y, w, h, parent, id, group, style);
}

ColourControl::~ColourControl() = default;

bool ColourControl::Create(const VornwxBitmapCache* flagImages, int x, int y, int w, int h, wxWindow* parent, int id,
                           VornControlGroup* group, long style)
{
    m_flagImages = flagImages;
    if (!GradientControlComp::Create(x, y, w, h, parent, id, group, style))
        return false;
    SyncGeometry();
    return true;
}

void ColourControl::SetSpace(int left, int right)
{
    m_model.SetSpace(left, right);
    SetDirty();
    Refresh(false);
}

void ColourControl::SetComponentControls(VornEdit* red, VornEdit* green, VornEdit* blue)
{
    m_components[0] = red;
    m_components[1] = green;
    m_components[2] = blue;
}

void ColourControl::SetDisplayRange(double min, double max)
{
    GradientControlComp::SetDisplayRange(min, max);
    m_model.SetRange(min, max);
    SetDirty();
    Refresh(false);
}

void ColourControl::SetClock(std::unique_ptr<VornButtonClock> clock)
{
    m_model.SetClock(std::move(clock));
}

void ColourControl::SyncGeometry()
{
    m_model.SetWidth(std::max(GetWidth(), 0));
    m_model.SetRange(m_displayMin, m_displayMax);
}

void ColourControl::Send(VornControlHint* hint)
{
    if (m_group)
        m_group->Update(0, this, hint);
}

// The boxes only show the colour: their text is not committed, so no box reports a
// change back and nothing rounds the stop to the three decimals shown.
void ColourControl::ShowColour(const Color& colour)
{
    const double parts[3] = {colour.r, colour.g, colour.b};
    for (int i = 0; i < 3; ++i) {
        if (!m_components[i])
            continue;
        std::string current, text;
        m_components[i]->GetText(current);
        if (EditRefreshText(current, parts[i], text))
            m_components[i]->SetText(text, false);
    }
}

void ColourControl::SetSelect(unsigned int index)
{
    if (index == m_select)
        return;
    GradientControlComp::SetSelect(index);
    CONTROL_POINT point;
    if (m_gradient && m_gradient->GetPoint(index, point))
        ShowColour(point.colour);
    SetDirty();
    Refresh(false);
    GradientHintSelect hint(index);
    Send(&hint);
}

void ColourControl::OnMouseDownLeft()
{
    GradientControlComp::OnMouseDownLeft();
    int x = 0, y = 0;
    if (GetMouseDownLeft()) {
        GetLastDownPos(x, y);
        if (m_gradient)
            Press(x, y);
        return;
    }
    GetLastMousePos(x, y);
    SyncGeometry();
    const StopBarRelease release = m_model.Release(x, y);
    if (release.endDrag) {
        MoveSelectedTo(release.position);
        ReleaseMouse();
        Send(nullptr);
    }
    if (release.toggle != 0)
        ToggleFlag(release.toggle);
}

void ColourControl::Press(int x, int y)
{
    SyncGeometry();
    const StopBarPress press = m_model.Press(x, y, *m_gradient, m_select);
    switch (press.hit) {
    case StopBarHit::NoStop:
        SetSelect(0);
        dprintf("No closest gradient point\n");
        break;
    case StopBarHit::Marker:
        SetSelect(press.stop);
        dprintf(m_model.IsDragging() ? "Start mouse drag\n" : "Prepare mouse drag\n");
        break;
    case StopBarHit::NearStop:
        SetSelect(press.stop);
        break;
    case StopBarHit::ColourDot:
        PickColour(x, y);
        break;
    case StopBarHit::Nothing:
        break;
    }
}

void ColourControl::OnMouseMove(int x, int y)
{
    SyncGeometry();
    const StopBarMotion motion = m_model.Move(x, y);
    if (motion.waiting)
        dprintf("Cancelled mouse drag\n");
    if (motion.tracking) {
        CaptureMouse();
        dprintf("Tracking mouse drag\n");
    }
    if (motion.move)
        MoveSelectedTo(motion.position);
}

void ColourControl::MoveSelectedTo(double position)
{
    int32_t end = 0;
    double amount = 0.0;
    if (StopScrollRequest(position, m_displayMin, m_displayMax, end, amount)) {
        GradientHintScroll scroll(end, amount);
        Send(&scroll);
    }
    CONTROL_POINT point;
    if (m_gradient && m_gradient->GetPoint(m_select, point)) {
        const double old = point.position;
        point.position = position;
        m_gradient->SetPoint(m_select, point);
        ShowColour(point.colour);
        GradientHintMove move(old, position);
        Send(&move);
    }
    SetDirty();
    DrawAtOnce();
}

// The flags are not positions, but the other parts redraw a stop on a move hint, so a
// toggle reports itself as a move that stays put.
void ColourControl::ToggleFlag(int k)
{
    CONTROL_POINT point;
    if (!m_gradient || !m_gradient->GetPoint(m_select, point) || !Model::InvertFlag(point, k))
        return;
    m_gradient->SetPoint(m_select, point);
    GradientHintMove move(point.position, point.position);
    Send(&move);
    SetDirty();
    Refresh(false);
}

// Only an editor can open a colour picker: a bar on any other parent leaves the stop
// as it is.
void ColourControl::PickColour(int x, int y)
{
    dprintf("Colour dot click - try lauching the ColourPicker from (%d,%d)\n", x, y);
    auto* editor = dynamic_cast<GradientControl*>(GetParent());
    CONTROL_POINT point;
    if (!editor || !m_gradient->GetPoint(m_select, point))
        return;
    const wxPoint screen = ClientToScreen(wxPoint(x, y));
    editor->PickColour(screen.x, screen.y, point.colour);
    m_gradient->SetPoint(m_select, point);
    ShowColour(point.colour);
    GradientHintValue value;
    Send(&value);
    SetDirty();
    Refresh(false);
}

void ColourControl::DeleteKeyPressed()
{
    dprintf("Colour Control says \"thank you for the delete key notification\"\n");
    CONTROL_POINT point;
    if (m_select == 0 || !m_gradient || !m_gradient->GetPoint(m_select, point))
        return;
    if (!(point.position >= m_displayMin && point.position <= m_displayMax))
        return;
    const unsigned int index = m_select;
    m_gradient->DeletePoint(index);
    GradientHintDelete hint(index);
    Send(&hint);
    SetSelect(0);
    SetDirty();
    Refresh(false);
}

void ColourControl::OnDraw(wxDC* dc)
{
    RecalcIfDirty();
    if (!dc)
        return;
    SyncGeometry();
    const int w = GetWidth(), h = GetHeight(), faceH = std::min(h, kFaceRows);
    detail::DrawSoftwareFace(*dc, w, faceH, m_face, m_picture, [&](Filter& f) { RenderFace(f, w, faceH); });
    if (w > 0 && h > faceH) {
        const Palette colours = GetPalette();
        dc->SetPen(*wxTRANSPARENT_PEN);
        dc->SetBrush(wxBrush(FaceColour(colours.bg)));
        dc->DrawRectangle(0, faceH, w, h - faceH);
        dc->SetPen(wxPen(FaceColour(colours.guide)));
        for (const int x : {m_model.GetLeft(), w - m_model.GetRight()})
            dc->DrawLine(x, faceH, x, h);
    }
    DrawToggles(*dc);
}

// The look: faint guides at both ends of the span; a tab per stop in its colour (the
// selected one drawn last, ringed twice in the foreground colour); below the selected
// stop its three toggles, and its colour in the dot.
void ColourControl::RenderFace(Filter& f, int w, int h)
{
    const Palette colours = GetPalette();
    const Color &bg = colours.bg, &fg = colours.fg;
    // The face is mostly background: fill the image at once rather than pixel by pixel.
    const wxColour fill = FaceColour(bg);
    m_face.SetRGB(wxRect(0, 0, w, h), fill.Red(), fill.Green(), fill.Blue());
    const ColorA guide = CtoCA(colours.guide);
    const int right = w - m_model.GetRight();
    DrawLine(f, m_model.GetLeft(), 0, m_model.GetLeft(), h - 1, guide);
    DrawLine(f, right, 0, right, h - 1, guide);
    if (!m_gradient)
        return;

    FilterPtr smooth = AntiAlias(f);
    CONTROL_POINT selected;
    const bool hasSelected = m_gradient->GetPoint(m_select, selected);
    auto drawTab = [&](const CONTROL_POINT& p, bool isSelected) {
        const double c = m_model.ColumnOf(p.position);
        for (int y = 0; y <= Model::kMarkerBottom; ++y)
            DrawLine(f, c - TabHalfWidth(y), y, c + TabHalfWidth(y), y, CtoCA(p.colour));
        TabOutline(*smooth, c, 0.0, CtoCA(isSelected ? fg : MixColour(bg, fg, 0.55)));
        if (isSelected)
            TabOutline(*smooth, c, 1.0, CtoCA(fg));
    };
    for (const CONTROL_POINT& p : m_gradient->GetSortedPoints())
        if (!hasSelected || p.index != selected.index)
            drawTab(p, false);
    if (!hasSelected)
        return;
    drawTab(selected, true);

    const int c = m_model.ColumnOf(selected.position);
    for (int k = 1; k <= 3; ++k) {
        const bool on = Model::GetFlag(selected, k);
        if (FlagImage(m_flagImages, on))
            continue; // drawn on the context, over the face
        const int row = Model::kToggleRows[k - 1];
        const ColorA ink = CtoCA(fg);
        DrawLine(f, c - kBoxHalf, row - kBoxHalf, c + kBoxHalf, row - kBoxHalf, ink);
        DrawLine(f, c - kBoxHalf, row + kBoxHalf, c + kBoxHalf, row + kBoxHalf, ink);
        DrawLine(f, c - kBoxHalf, row - kBoxHalf, c - kBoxHalf, row + kBoxHalf, ink);
        DrawLine(f, c + kBoxHalf, row - kBoxHalf, c + kBoxHalf, row + kBoxHalf, ink);
        if (on)
            for (int y = row - kBoxHalf + 2; y <= row + kBoxHalf - 2; ++y)
                DrawLine(f, c - kBoxHalf + 2, y, c + kBoxHalf - 2, y, ink);
    }
    DrawCircle(*smooth, Model::kDotX, Model::kDotY, Model::kDotRadius, CtoCA(selected.colour), true);
    DrawCircle(*smooth, Model::kDotX, Model::kDotY, Model::kDotRadius + 1, CtoCA(MixColour(bg, fg, 0.6)), false);
}

ColourControl::Palette ColourControl::GetPalette()
{
    Palette p;
    p.bg = InkOf(GetBgColour());
    p.fg = InkOf(GetFgColour());
    p.guide = MixColour(p.bg, p.fg, 0.2);
    return p;
}

// Flag images are centred on the selected stop's column and the toggle's row.
void ColourControl::DrawToggles(wxDC& dc)
{
    CONTROL_POINT selected;
    if (!m_gradient || !m_gradient->GetPoint(m_select, selected))
        return;
    const int c = m_model.ColumnOf(selected.position);
    for (int k = 1; k <= 3; ++k) {
        if (const wxBitmap* image = FlagImage(m_flagImages, Model::GetFlag(selected, k)))
            dc.DrawBitmap(*image, c - image->GetWidth() / 2, Model::kToggleRows[k - 1] - image->GetHeight() / 2,
                          true);
    }
}

} // namespace vorn
