#include <vorn/colour/gradient_control.h>

#include <algorithm>
#include <cmath>

#include <wx/dc.h>

#include <vorn/colour/colour_control.h>
#include <vorn/colour/colour_picker_model.h>
#include <vorn/colour/colour_slug.h>
#include <vorn/colour/gradient_hints.h>
#include <vorn/colour/gradient_strips.h>
#include <vorn/util/diagnostics.h>
#include <vorn/util/extreme_helper.h>
#include <vorn/util/gradient.h>
#include <vorn/util/wx_colour.h>

namespace vorn {

namespace {

constexpr int kMargin = 15;                     // every strip's left and right margin
constexpr int kRangeTop = 0, kRangeHeight = 20;
constexpr int kSummaryTop = 20, kSummaryHeight = 16;
constexpr int kSlugTop = 35, kSlugBottom = 75;
constexpr int kStopBarTop = 109, kStopBarBottom = 1000;
constexpr int kEditX[3] = {30, 115, 200};
constexpr int kEditY = 82;
constexpr int kEditW = 65, kEditH = 20;         // a skin of no size gets this box
// The stop bar's colour dot: centred at (200, 85) of the bar, taking presses within
// sqrt(52) of its centre, so 7 whole pixels each way.
constexpr int kDotX = 200, kDotY = 85, kDotReach = 7;
constexpr int kMaxWidth = 4096;
const char* const kLabels[3] = {"R", "G", "B"};

} // namespace

wxBEGIN_EVENT_TABLE(GradientControl, GradientControlComp)
    EVT_VORN_KEY_DOWN(GradientControl::OnPartKeyDown)
    EVT_VORN_KEY_UP(GradientControl::OnPartKeyUp)
wxEND_EVENT_TABLE()

GradientControl::GradientControl() = default;

GradientControl::GradientControl(RESOURCES& res, int x, int y, int width, int height, wxWindow* parent, int id,
                                 VornControlGroup* group, long style)
{
    Create(res, x, y, width, height, parent, id, group, style);
}

GradientControl::~GradientControl()
{
    m_gradientGroup.DeRegister(static_cast<VornControl*>(this));
    DeleteParts();
}

void GradientControl::Clear()
{
    DeleteParts();
    Refresh(false);
}

void GradientControl::DeleteParts()
{
    delete m_range;
    delete m_slug;
    delete m_summary;
    delete m_stopBar;
    m_range = nullptr;
    m_slug = nullptr;
    m_summary = nullptr;
    m_stopBar = nullptr;
}

// The order is the parts' contract: each part is made, then bound and coloured, before the
// next one exists.
bool GradientControl::Create(RESOURCES& res, int x, int y, int width, int height, wxWindow* parent, int id,
                             VornControlGroup* group, long style)
{
    if (!GradientControlComp::Create(x, y, width, height, parent, id, group, style))
        return false;
    const wxColour fg = GetFgColour();
    m_fg = fg.IsOk() ? WxCtoC(fg) : Color(0.0, 0.0, 0.0);
    m_bg = WxCtoC(GetBgColour());
    VornWindow::SetBgColour(m_bg);
    VornControlGroup* g = &m_gradientGroup;
    const int w = width;

    m_range = new GradientRangeControl(0, kRangeTop, w, kRangeHeight, this, kRange, g);
    m_range->SetSpace(kMargin, kMargin);
    m_range->SetBarHeight(static_cast<int>(2 * height * 0.3333333333333333));

    m_slug = new ColourSlug(res.pageLeft, res.pageRight, 0, kSlugTop, w, kSlugBottom - kSlugTop, this, kSlug, g);
    m_slug->Bind(m_gradient);
    m_slug->SetFgColour(m_fg);
    m_slug->SetBgColour(m_bg);
    m_slug->SetDisplayRange(m_displayMin, m_displayMax);

    m_summary = new GradientSummary(0, kSummaryTop, w, kSummaryHeight, this, kSummary, g);
    m_summary->Bind(m_gradient);
    m_summary->SetFgColour(m_fg);
    m_summary->SetBgColour(m_bg);
    m_summary->SetSpace(kMargin, kMargin);

    m_stopBar = new ColourControl();
    m_stopBar->SetFgColour(m_fg);
    m_stopBar->SetBgColour(m_bg);
    const int barHeight = std::max(std::min(kStopBarBottom, height) - kStopBarTop, 1);
    bool ok = m_stopBar->Create(res.flags, 0, kStopBarTop, w, barHeight, this, kStopBar, g);
    m_stopBar->Bind(m_gradient);
    m_stopBar->SetSpace(kMargin, kMargin);
    m_stopBar->SetDisplayRange(m_displayMin, m_displayMax);

    // The component boxes: real numbers, on the same group, shown by the stop bar.
    VornEditInfo info = res.edit.info;
    const wxSize skin = VornEdit::SkinSize(res.edit.bitmap, info);
    if (skin.x <= 0 || skin.y <= 0)
        info.x = 2, info.y = 0, info.width = kEditW - 2, info.height = kEditH;
    // Without a skin image a box is white, not the editor's background, so it reads as a field.
    if (!info.backgroundColour.IsOk() && !(res.edit.bitmap && res.edit.bitmap->IsOk()))
        info.backgroundColour = *wxWHITE;
    for (int i = 0; i < 3; ++i) {
        ok = m_edits[i].Create(res.edit.bitmap, info, kEditX[i], kEditY, this, kRedEdit + i, true, 1, g, 0) && ok;
        // Readable before a stop is shown; the stop bar rewrites the boxes that differ.
        m_edits[i].SetText("0.000", false);
    }
    m_stopBar->SetComponentControls(&m_edits[0], &m_edits[1], &m_edits[2]);
    // The range strip is coloured as the others are, once they all exist.
    m_range->SetFgColour(m_fg);
    m_range->SetBgColour(m_bg);
    // The editor listens on its own group without an id: its parts hold the ids there.
    m_gradientGroup.Register(static_cast<VornControl*>(this));
    return ok && m_range->GetHandle() && m_slug->GetHandle() && m_summary->GetHandle();
}

void GradientControl::ForEachPart(const std::function<void(VornWindow&)>& f)
{
    for (VornWindow* part : {static_cast<VornWindow*>(m_range), static_cast<VornWindow*>(m_slug),
                             static_cast<VornWindow*>(m_summary), static_cast<VornWindow*>(m_stopBar)})
        if (part)
            f(*part);
    if (m_edits[0].GetHandle())
        for (VornEdit& e : m_edits)
            f(e);
}

// The add strip is bound as well: a click there must add to the gradient on show.
void GradientControl::Bind(Gradient* gradient)
{
    const bool changed = gradient != m_gradient;
    GradientControlComp::Bind(gradient);
    for (GradientControlComp* part : {static_cast<GradientControlComp*>(m_range),
                                      static_cast<GradientControlComp*>(m_summary),
                                      static_cast<GradientControlComp*>(m_stopBar),
                                      static_cast<GradientControlComp*>(m_slug)})
        if (part)
            part->Bind(gradient);
    if (changed)
        SetDirty(true);
}

void GradientControl::SetDirty(bool dirty)
{
    if (!dirty) {
        GradientControlComp::RecalcState();
        return;
    }
    GradientControlComp::SetDirty();
    Refresh(false);
    for (GradientControlComp* strip :
         {static_cast<GradientControlComp*>(m_range), static_cast<GradientControlComp*>(m_summary)})
        if (strip) {
            strip->SetDirty();
            strip->Refresh(false);
        }
}

void GradientControl::SetFgColour(const Color& colour)
{
    m_fg = colour;
    VornWindow::SetFgColour(colour);
    ForEachPart([&](VornWindow& w) { w.SetFgColour(colour); });
    Refresh(false);
}

void GradientControl::SetBgColour(const Color& colour)
{
    m_bg = colour;
    VornWindow::SetBgColour(colour);
    ForEachPart([&](VornWindow& w) { w.SetBgColour(colour); });
    Refresh(false);
}

void GradientControl::PickColour(int, int, Color& colour)
{
    colour = Color(1.0, 0.5, 0.3);
}

void GradientControl::DeleteKeyPressed()
{
    if (m_stopBar)
        m_stopBar->DeleteKeyPressed();
}

void GradientControl::OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint)
{
    if (control == this)
        return;
    if (dynamic_cast<VUIControlChanged*>(hint)) {
        for (int box = 0; box < 3; ++box)
            if (control == &m_edits[box])
                StoreComponent(box);
        return;
    }
    GradientControlComp::OnUpdate(id, control, hint);
}

// A component outside 0..1 is stored clamped, and the box shows what was stored.
void GradientControl::StoreComponent(int box)
{
    CONTROL_POINT stop;
    if (!m_gradient || m_select == 0 || !m_gradient->GetPoint(m_select, stop))
        return;
    std::string text;
    m_edits[box].GetText(text);
    Color c = ColourWithEditText(stop.colour, box, text);
    double* component = box == 0 ? &c.r : box == 1 ? &c.g : &c.b;
    if (std::isnan(*component))
        *component = 0.0;
    ExtremeHelper::ClampValue(0.0, 1.0, *component);
    std::string shown;
    if (EditRefreshText(text, *component, shown))
        m_edits[box].SetText(shown, false);
    stop.colour = c;
    m_gradient->SetPoint(m_select, stop);
    GradientHintValue hint;
    m_gradientGroup.Update(0, this, &hint);
}

void GradientControl::OnVornKeyDown(wxKeyEvent& event)
{
    dprintf("GradientControl: On X Key down (code = %d)\n", event.GetKeyCode());
}

// Delete and backspace typed into a component box edit its text, not the gradient.
void GradientControl::OnPartKeyDown(VornWindowKeyEvent& event)
{
    const long code = event.m_keyCode;
    dprintf("GradientControl: Vorn Key Down (code = %d)\n", static_cast<int>(code));
    const wxObject* from = event.GetEventObject();
    const bool fromBox = from == &m_edits[0] || from == &m_edits[1] || from == &m_edits[2];
    if ((code == WXK_DELETE || code == WXK_BACK) && !fromBox)
        DeleteKeyPressed();
}

void GradientControl::OnPartKeyUp(VornWindowKeyEvent&)
{
    dprintf("GradientControl: Vorn Key Up\n");
}

void GradientControl::OnDraw(wxDC* dc)
{
    RecalcIfDirty();
    const wxSize size = GetClientSize();
    dc->SetPen(wxPen(CtoWxC(m_bg)));
    dc->SetBrush(wxBrush(CtoWxC(m_bg)));
    dc->DrawRectangle(0, 0, size.x, size.y);
    dc->SetFont(GetFont());
    dc->SetTextForeground(CtoWxC(m_fg));
    for (int i = 0; i < 3; ++i) {
        wxCoord tw = 0, th = 0;
        dc->GetTextExtent(kLabels[i], &tw, &th);
        const wxRect box = m_edits[i].GetHandle() ? m_edits[i].GetRect() : wxRect(kEditX[i], kEditY, kEditW, kEditH);
        dc->DrawText(kLabels[i], box.x - tw - 4, box.y + (box.height - th) / 2);
    }
}

wxPoint GradientControl::GetAllignmentPt() const { return wxPoint(kMargin, 0); }

int GradientControl::GetMaxWidth() const { return kMaxWidth; }

int GradientControl::GetMaxHeight() const { return kStopBarBottom; }

int GradientControl::GetMinWidth() const
{
    int right = kDotX + kDotReach + 1;
    for (const VornEdit& e : m_edits)
        right = std::max(right, e.GetHandle() ? e.GetPosX() + e.GetWidth() : kEditX[2] + kEditW);
    return right;
}

int GradientControl::GetMinHeight() const { return kStopBarTop + kDotY + kDotReach + 1; }

} // namespace vorn
