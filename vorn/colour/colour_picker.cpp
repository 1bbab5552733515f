#include <vorn/colour/colour_picker.h>

#include <vector>

#include <wx/dc.h>
#include <wx/image.h>
#include <wx/rawbmp.h>

#include <vorn/util/detail/unit_bytes.h>
#include <vorn/util/diagnostics.h>
#include <vorn/util/wx_colour.h>

namespace vorn {

namespace {

Color HsvToRgb(const Color& hsv)
{
    Color c = hsv;
    c.HSVtoRGB();
    return c;
}

Color RgbToHsv(const Color& rgb)
{
    Color c = rgb;
    c.RGBtoHSV();
    return c;
}

void FillRect(wxDC* dc, const wxColour& colour, int x, int y, int w, int h)
{
    dc->SetPen(wxPen(colour));
    dc->SetBrush(wxBrush(colour));
    dc->DrawRectangle(x, y, w, h);
}

} // namespace

// ---- ColourPickerComp ----

void ColourPickerComp::OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint)
{
    if (control == this || !hint)
        return;
    if (auto* h = dynamic_cast<ColourHintCurrentRGB*>(hint)) {
        m_rgb = h->colour;
        m_hsv = PartHsvOfRgb(m_rgb, m_prev);
    } else if (auto* h = dynamic_cast<ColourHintCurrentHSV*>(hint)) {
        m_hsv = h->colour;
        m_rgb = HsvToRgb(m_hsv);
    } else if (auto* h = dynamic_cast<ColourHintPrev*>(hint)) {
        m_prev = h->colour;
    } else {
        VornControl::OnUpdate(id, control, hint);
        return;
    }
    SetDirty();
    Refresh(false);
}

void ColourPickerComp::SendCurrentHSV()
{
    if (!m_group)
        return;
    ColourHintCurrentHSV hint(m_hsv);
    m_group->Update(0, this, &hint);
}

double ColourPickerComp::PreviousHue() const { return RgbToHsv(m_prev).r; }

// ---- HueValueControl ----

HueValueControl::HueValueControl(int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroup* group,
                                 long style)
{
    Create(x, y, w, h, parent, id, group, style);
}

const HueValueFieldModel& HueValueControl::GetModel()
{
    Resize();
    return m_model;
}

// The face shows every pickable pixel at full saturation in the colour a pick there
// gives, read from the model's own tables, so face and pick cannot disagree.
void HueValueControl::Resize()
{
    const wxSize size = GetClientSize();
    if (m_face.IsOk() && size.x == m_model.GetWidth() && size.y == m_model.GetHeight())
        return;
    m_model.SetSize(size.x, size.y);
    const int first = HueValueFieldModel::kFirst;
    const int fw = size.x - 6 - first, fh = size.y - 1 - first; // x 6..w-7, y 6..h-2
    if (fw <= 0 || fh <= 0) {
        m_face = wxBitmap();
        return;
    }
    // At full saturation every channel is the value times a factor of the hue alone (1, 0 or
    // the ramp between), the very product HSVtoRGB forms; so the factors are worked out once
    // per column and each pixel costs three multiplications, exactly as a pick there would.
    std::vector<Color> columnFactors(fw);
    std::vector<unsigned char> greyRow(fw);
    for (int x = 0; x < fw; ++x) {
        const double col = m_model.ColumnAt(x + first);
        columnFactors[x] = HsvToRgb(Color(col, 1.0, 1.0));
        greyRow[x] = detail::UnitToByteTruncated(col);
    }
    // Written straight into the bitmap's own pixels: going through a wxImage costs an
    // allocation and a conversion of the whole face again.
    m_face = wxBitmap(fw, fh, 24);
    wxNativePixelData data(m_face);
    if (!data) {
        m_face = wxBitmap();
        return;
    }
    wxNativePixelData::Iterator rowStart(data);
    for (int y = 0; y < fh; ++y, rowStart.OffsetY(data, 1)) {
        const double row = m_model.RowAt(y + first);
        const bool grey = row == HueValueFieldModel::kGreyRow;
        wxNativePixelData::Iterator p = rowStart;
        for (int x = 0; x < fw; ++x, ++p) {
            if (grey) {
                p.Red() = p.Green() = p.Blue() = greyRow[x];
                continue;
            }
            const Color& k = columnFactors[x];
            p.Red() = detail::UnitToByteTruncated(row * k.r);
            p.Green() = detail::UnitToByteTruncated(row * k.g);
            p.Blue() = detail::UnitToByteTruncated(row * k.b);
        }
    }
}

void HueValueControl::OnDraw(wxDC* dc)
{
    Resize();
    RecalcIfDirty();
    const wxSize size = GetClientSize();
    FillRect(dc, GetBgColour(), 0, 0, size.x, size.y);
    if (m_face.IsOk())
        dc->DrawBitmap(m_face, HueValueFieldModel::kFirst, HueValueFieldModel::kFirst);
    FieldPoint at;
    if (!m_model.Marker(m_hsv, at))
        return;
    // A hollow ring, so the pixel under its centre keeps the face's colour; dark on
    // light colours, light on dark ones.
    dc->SetPen(wxPen(m_hsv.b > 0.6 ? *wxBLACK : *wxWHITE, 1));
    dc->SetBrush(*wxTRANSPARENT_BRUSH);
    dc->DrawCircle(at.x, at.y, 4);
}

void HueValueControl::PickAt(int x, int y)
{
    Resize();
    Color hsv;
    if (!m_model.Pick(x, y, m_hsv, PreviousHue(), hsv))
        return;
    m_hsv = hsv;
    m_rgb = HsvToRgb(m_hsv);
    SetDirty();
    // Drawn at once, as a drag step should be: a deferred refresh would also repaint the
    // picker beneath the field.
    DrawAtOnce();
    SendCurrentHSV();
}

void HueValueControl::OnMouseDownLeft()
{
    if (GetMouseDownLeft()) {
        int x, y;
        GetLastDownPos(x, y);
        PickAt(x, y);
    }
    VornControl::OnMouseDownLeft();
}

void HueValueControl::OnMouseMove(int x, int y)
{
    if (GetMouseDownLeft())
        PickAt(x, y);
}

// ---- SaturationPreview ----

SaturationPreview::SaturationPreview(int x, int y, int w, int h, wxWindow* parent, int id,
                                     VornControlGroup* group, long style)
{
    Create(x, y, w, h, parent, id, group, style);
}

void SaturationPreview::OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint)
{
    const double before = m_hsv.g;
    ColourPickerComp::OnUpdate(id, control, hint);
    if (m_hsv.g != before || m_model.GetRow() < 0)
        m_model.SetSaturation(m_hsv.g);
}

void SaturationPreview::Apply(const SaturationBarEvent& e)
{
    if (e.startedDrag)
        CaptureMouse();
    if (e.stoppedDrag)
        ReleaseMouse();
    if (!e.changed)
        return;
    m_hsv.g = m_model.GetSaturation();
    m_rgb = HsvToRgb(m_hsv);
    SetDirty();
    DrawAtOnce();
    SendCurrentHSV();
}

void SaturationPreview::Step(bool up)
{
    SaturationBarEvent e;
    e.changed = up ? m_model.StepUp() : m_model.StepDown();
    Apply(e);
}

void SaturationPreview::OnMouseDownLeft()
{
    int x, y;
    if (GetMouseDownLeft()) {
        GetLastDownPos(x, y);
        const SaturationBarEvent e = m_model.Press(x, y, GetMetaA());
        if (e.startedDrag)
            dprintf("Starting Drag\n");
        Apply(e);
    } else if (m_model.IsDragging()) {
        GetLastMousePos(x, y);
        Apply(m_model.Release(y, GetMetaA()));
        dprintf("Stopping Drag\n");
    } else {
        m_model.Release(0, false); // drops a click-drag arming
    }
    VornControl::OnMouseDownLeft();
}

void SaturationPreview::OnMouseMove(int x, int y) { Apply(m_model.Move(x, y, GetMouseDownLeft(), GetMetaA())); }

// Left of the bar: the current colour over the previous one. The bar (x 80..100) ramps
// the current hue and value from full saturation at row 5 down to grey at row 115, the
// rows the model maps; the marker is a line across x 78..106, its hit band.
void SaturationPreview::OnDraw(wxDC* dc)
{
    RecalcIfDirty();
    const wxSize size = GetClientSize();
    FillRect(dc, GetBgColour(), 0, 0, size.x, size.y);
    FillRect(dc, CtoWxC(m_rgb), 5, 5, 65, 55);
    FillRect(dc, CtoWxC(m_prev), 5, 60, 65, 55);
    for (int row = 1; row <= 120 && row < size.y; ++row) {
        const Color hsv(m_hsv.r, SaturationBarModel::SaturationOfRow(row), m_hsv.b);
        dc->SetPen(wxPen(CtoWxC(HsvToRgb(hsv))));
        dc->DrawLine(80, row, 101, row);
    }
    if (m_model.GetRow() >= 0) {
        dc->SetPen(wxPen(GetFgColour(), 1));
        dc->DrawLine(78, m_model.GetRow(), 107, m_model.GetRow());
    }
}

// ---- ColourPicker ----

ColourPicker::ColourPicker()
{
    m_rgb = Color(1.0, 0.0, 0.0);
    m_hsv = RgbToHsv(m_rgb);
    m_prev = Color(0.0, 1.0, 0.5);
}

ColourPicker::ColourPicker(RESOURCES& res, int x, int y, int width, int height, wxWindow* parent, int id,
                           VornControlGroup* group, long style)
    : ColourPicker()
{
    Create(res, x, y, width, height, parent, id, group, style);
}

ColourPicker::~ColourPicker()
{
    m_pickerGroup.DeRegister(static_cast<VornControl*>(this));
    delete m_field;
    delete m_bar;
}

bool ColourPicker::Create(RESOURCES& res, int x, int y, int width, int height, wxWindow* parent, int id,
                          VornControlGroup* group, long style)
{
    if (!VornControl::Create(x, y, width, height, parent, id, group, style))
        return false;
    VornControlGroup* g = &m_pickerGroup;
    m_field = new HueValueControl(110, 5, 212, 125, this, kField, g);
    m_bar = new SaturationPreview(5, 10, 110, 120, this, kBar, g);
    bool ok = m_field->GetHandle() && m_bar->GetHandle();
    static const int kEditX[3] = {115, 180, 245};
    for (int i = 0; i < 6; ++i) {
        RESOURCES::EditSkin& skin = res.edits[i];
        ok = m_edits[i].Create(skin.bitmap, skin.info, kEditX[i % 3], i < 3 ? 130 : 150, this, kRedEdit + i, true,
                               1, g, 0)
             && ok;
        skin.bitmap = nullptr;
        // Boxes start readable; the colours sent below rewrite those that differ.
        m_edits[i].SetText("0.000", false);
    }
    ok = m_satDown.Create(res.satDown, 85, 130, this, kSatDown, g, 0, 250, 50) && ok;
    ok = m_satUp.Create(res.satUp, 85, 0, this, kSatUp, g, 0, 250, 50) && ok;
    if (!ok)
        return false;
    // The picker listens on its own group, without an id: its parts hold the ids there.
    m_pickerGroup.Register(static_cast<VornControl*>(this));
    SetColourRGB(m_rgb);
    SetInitialRGB(m_prev);
    // A picker given no foreground draws its parts' lines in black.
    const wxColour fg = GetFgColour();
    SetFgColour(fg.IsOk() ? WxCtoC(fg) : Color());
    SetBgColour(WxCtoC(GetBgColour()));
    return true;
}

void ColourPicker::Send(ColourHint& hint, VornControl* sender) { m_pickerGroup.Update(0, sender, &hint); }

void ColourPicker::SetInitialRGB(const Color& rgb)
{
    ColourHintPrev hint(rgb);
    Send(hint, nullptr);
}

void ColourPicker::SetColourRGB(const Color& rgb)
{
    ColourHintCurrentRGB hint(rgb);
    Send(hint, nullptr);
}

void ColourPicker::SetColourHSV(const Color& hsv)
{
    ColourHintCurrentHSV hint(hsv);
    Send(hint, nullptr);
}

void ColourPicker::ForEachPart(const std::function<void(VornWindow&)>& f)
{
    if (!m_field)
        return;
    f(*m_field);
    f(*m_bar);
    for (VornEdit& e : m_edits)
        f(e);
    f(m_satUp);
    f(m_satDown);
}

void ColourPicker::SetFgColour(const Color& colour)
{
    VornWindow::SetFgColour(colour);
    ForEachPart([&](VornWindow& w) { w.SetFgColour(colour); });
}

void ColourPicker::SetBgColour(const Color& colour)
{
    VornWindow::SetBgColour(colour);
    ForEachPart([&](VornWindow& w) { w.SetBgColour(colour); });
    Refresh(false);
}

void ColourPicker::UpdateEdits(int first, const Color& c)
{
    // Rewriting a box commits it, which reaches OnUpdate again: those echoes of our own
    // text are ignored, or the rounding of one form would keep rewriting the other.
    const bool outer = !m_refreshingEdits;
    m_refreshingEdits = true;
    for (int i = 0; i < 3; ++i) {
        std::string current, text;
        m_edits[first + i].GetText(current);
        if (EditRefreshText(current, i == 0 ? c.r : i == 1 ? c.g : c.b, text))
            m_edits[first + i].SetText(text, true);
    }
    if (outer)
        m_refreshingEdits = false;
}

void ColourPicker::UpdateEditRGB(const Color& rgb) { UpdateEdits(0, rgb); }

void ColourPicker::UpdateEditHSV(const Color& hsv) { UpdateEdits(3, hsv); }

void ColourPicker::OnUpdate(unsigned int /*id*/, VornControl* control, VornControlHint* hint)
{
    if (control == this || !hint || !m_field)
        return;
    if (auto* h = dynamic_cast<ColourHintCurrentRGB*>(hint)) {
        m_rgb = h->colour;
        m_hsv = RgbToHsv(m_rgb);
    } else if (auto* h = dynamic_cast<ColourHintCurrentHSV*>(hint)) {
        m_hsv = h->colour;
        m_rgb = HsvToRgb(m_hsv);
    } else if (auto* h = dynamic_cast<ColourHintPrev*>(hint)) {
        m_prev = h->colour;
    } else if (auto* h = dynamic_cast<VUIControlChanged*>(hint)) {
        const int box = control ? static_cast<int>(control->GetId()) - kRedEdit : -1;
        if (h->flag || box < 0 || box >= 6 || control != &m_edits[box] || m_refreshingEdits)
            return;
        std::string text;
        m_edits[box].GetText(text);
        if (box < 3) {
            ColourHintCurrentRGB next(ColourWithEditText(m_rgb, box, text));
            Send(next, control);
        } else {
            ColourHintCurrentHSV next(ColourWithEditText(m_hsv, box - 3, text));
            Send(next, control);
        }
        return;
    } else if (dynamic_cast<VornMomentHint*>(hint)) {
        if (control == &m_satUp || control == &m_satDown)
            m_bar->Step(control == &m_satUp);
        return;
    } else {
        return;
    }
    UpdateEditRGB(m_rgb);
    UpdateEditHSV(m_hsv);
    m_satDown.SetEnabled(SaturationDownEnabled(m_hsv.g));
    m_satUp.SetEnabled(SaturationUpEnabled(m_hsv.g));
}

void ColourPicker::OnDraw(wxDC* dc)
{
    RecalcIfDirty();
    const wxSize size = GetClientSize();
    FillRect(dc, GetBgColour(), 0, 0, size.x, size.y);
}

} // namespace vorn
