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
#include <vorn/util/detail/blit.h>
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
// The columns either side of the selected stop's column and the rows from the top that its
// marker (ring and anti-aliased edges included) and toggles may touch: the patch a drag
// redraws over the cached base.
constexpr int kPatchHalf = static_cast<int>(kTabHalf) + 3;
constexpr int kPatchRows = Model::kToggleRows[2] + kBoxHalf + 2;

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

// A stop's tab at column c filled with `fill`, outlined in `edge` and, when `ringed`, ringed
// once more outside in the same colour.
void DrawTab(Filter& f, Filter& smooth, double c, const Color& fill, const Color& edge, bool ringed)
{
    for (int y = 0; y <= Model::kMarkerBottom; ++y)
        DrawLine(f, c - TabHalfWidth(y), y, c + TabHalfWidth(y), y, CtoCA(fill));
    TabOutline(smooth, c, 0.0, CtoCA(edge));
    if (ringed)
        TabOutline(smooth, c, 1.0, CtoCA(edge));
}

// A patch of the face seen in the face's coordinates (its column 0 is the face's column
// `left`), so the selected stop is drawn into it with the very numbers a whole redraw uses:
// the anti-aliased edges come out the same to the last bit.
class PatchFilter : public WrappingFilter {
public:
    PatchFilter(Filter& patch, int left, int faceWidth, int faceHeight)
        : WrappingFilter(patch), m_left(left), m_width(faceWidth), m_height(faceHeight)
    {
    }
    bool WritePixel(int x, int y, const ColorA& c) override { return WrappingFilter::WritePixel(x - m_left, y, c); }
    bool ReadPixel(ColorA& c, int x, int y) override { return WrappingFilter::ReadPixel(c, x - m_left, y); }
    bool WritePixelI(int x, int y, const ColorA& c, double i) override
    {
        return WrappingFilter::WritePixelI(x - m_left, y, c, i);
    }
    int GetWidth() const override { return m_width; }
    int GetHeight() const override { return m_height; }

private:
    int m_left, m_width, m_height;
};

// The image a toggle in the given state draws with, or null for the plain box.
const wxBitmap* FlagImage(const VornwxBitmapCache* images, bool on)
{
    const wxBitmap* image = nullptr;
    if (!images || !images->GetImage(on ? VORN_IMAGE_ON : VORN_IMAGE_OFF, image) || !image->IsOk())
        return nullptr;
    return image;
}

} // namespace

ColourControl::ColourControl() : m_pictureSource(std::make_unique<detail::BlitSource>()) {}

ColourControl::ColourControl(const VornwxBitmapCache* flagImages, int x, int y, int w, int h, wxWindow* parent,
                             int id, VornControlGroup* group, long style)
    : ColourControl()
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
    DrawFace(*dc, w, faceH);
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

// The base is redrawn only when what it shows changed; the selected stop's marker and
// toggles are drawn afresh each time into a copy of the base's patch around them. They
// lie above the dot and the selected stop is drawn over the others anyway, so the
// picture is the one a whole redraw gives.
void ColourControl::DrawFace(wxDC& dc, int w, int h)
{
    if (w <= 0 || h <= 0)
        return;
    CONTROL_POINT point;
    const CONTROL_POINT* selected = m_gradient && m_gradient->GetPoint(m_select, point) ? &point : nullptr;
    if (BaseChanged(w, h, selected)) {
        if (!m_face.IsOk() || m_face.GetWidth() != w || m_face.GetHeight() != h)
            m_face.Create(w, h, false);
        if (FilterPtr f = CreateFilter(m_face))
            RenderBase(*f, w, h, selected);
        m_picture = wxBitmap(m_face, 24);
        m_pictureSource->SetBitmap(&m_picture);
    }
    wxRect patch;
    if (selected) {
        const int c = m_model.ColumnOf(selected->position);
        if (c > -kPatchHalf && c < w + kPatchHalf)
            patch = wxRect(c - kPatchHalf, 0, 2 * kPatchHalf + 1, kPatchRows).Intersect(wxRect(0, 0, w, h));
    }
    if (patch.IsEmpty()) {
        m_pictureSource->Blit(dc, 0, 0);
        return;
    }
    // The base around the patch, then the patch: no pixel is drawn twice, so none flickers.
    const int right = patch.GetRight() + 1, below = patch.GetBottom() + 1;
    m_pictureSource->Blit(dc, 0, 0, patch.x, h);
    m_pictureSource->Blit(dc, right, 0, w - right, h, right, 0);
    m_pictureSource->Blit(dc, patch.x, below, patch.width, h - below, patch.x, below);
    m_patch = m_face.GetSubImage(patch);
    if (FilterPtr f = CreateFilter(m_patch)) {
        PatchFilter inFace(*f, patch.x, w, h);
        RenderMovingParts(inFace, *selected);
    }
    // Drawn straight, unscaled and without mask: a copy, without the memory context a
    // blit needs, which costs more than the whole patch.
    m_patchPicture = wxBitmap(m_patch, 24);
    dc.DrawBitmap(m_patchPicture, patch.x, 0, false);
}

// What the base is drawn from: size, margins, range, colours, the selected stop and its
// colour (the dot), and the order, positions and colours of the other stops (only the
// selected stop shows its flags). Cheaper to compare at each draw than to track every
// way the gradient can change behind the bar's back.
bool ColourControl::BaseChanged(int w, int h, const CONTROL_POINT* selected)
{
    const Palette colours = GetPalette();
    std::vector<double>& key = m_scratchKey;
    key.assign({double(w), double(h), double(m_model.GetLeft()), double(m_model.GetRight()), m_model.GetMin(),
                m_model.GetMax(), colours.bg.r, colours.bg.g, colours.bg.b, colours.fg.r, colours.fg.g, colours.fg.b,
                double(selected != nullptr)});
    if (selected)
        key.insert(key.end(), {double(selected->index), selected->colour.r, selected->colour.g, selected->colour.b});
    if (m_gradient)
        for (const CONTROL_POINT& p : m_gradient->GetSortedPoints())
            if (!selected || p.index != selected->index)
                key.insert(key.end(), {double(p.index), p.position, p.colour.r, p.colour.g, p.colour.b});
    if (key == m_faceKey && m_picture.IsOk())
        return false;
    std::swap(m_faceKey, m_scratchKey);
    return true;
}

// The look: faint guides at both ends of the span; a tab per stop in its colour (the
// selected one drawn last, ringed twice in the foreground colour); below the selected
// stop its three toggles, and its colour in the dot. The base holds all but the selected
// stop's tab and toggles.
void ColourControl::RenderBase(Filter& f, int w, int h, const CONTROL_POINT* selected)
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
    for (const CONTROL_POINT& p : m_gradient->GetSortedPoints())
        if (!selected || p.index != selected->index)
            DrawTab(f, *smooth, m_model.ColumnOf(p.position), p.colour, MixColour(bg, fg, 0.55), false);
    if (!selected)
        return;
    DrawCircle(*smooth, Model::kDotX, Model::kDotY, Model::kDotRadius, CtoCA(selected->colour), true);
    DrawCircle(*smooth, Model::kDotX, Model::kDotY, Model::kDotRadius + 1, CtoCA(MixColour(bg, fg, 0.6)), false);
}

// The selected stop's tab and toggle boxes, drawn over the base.
void ColourControl::RenderMovingParts(Filter& f, const CONTROL_POINT& selected)
{
    const Color fg = GetPalette().fg;
    const int c = m_model.ColumnOf(selected.position);
    FilterPtr smooth = AntiAlias(f);
    DrawTab(f, *smooth, c, selected.colour, fg, true);
    const ColorA ink = CtoCA(fg);
    for (int k = 1; k <= 3; ++k) {
        const bool on = Model::GetFlag(selected, k);
        if (FlagImage(m_flagImages, on))
            continue; // drawn on the context, over the face
        const int row = Model::kToggleRows[k - 1];
        DrawLine(f, c - kBoxHalf, row - kBoxHalf, c + kBoxHalf, row - kBoxHalf, ink);
        DrawLine(f, c - kBoxHalf, row + kBoxHalf, c + kBoxHalf, row + kBoxHalf, ink);
        DrawLine(f, c - kBoxHalf, row - kBoxHalf, c - kBoxHalf, row + kBoxHalf, ink);
        DrawLine(f, c + kBoxHalf, row - kBoxHalf, c + kBoxHalf, row + kBoxHalf, ink);
        if (on)
            for (int y = row - kBoxHalf + 2; y <= row + kBoxHalf - 2; ++y)
                DrawLine(f, c - kBoxHalf + 2, y, c + kBoxHalf - 2, y, ink);
    }
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
