#include <vorn/colour/colour_slug.h>

#include <algorithm>

#include <wx/dc.h>

#include <vorn/colour/detail/software_face.h>
#include <vorn/colour/gradient_hints.h>
#include <vorn/colour/gradient_strip_model.h>
#include <vorn/util/detail/blit.h>
#include <vorn/util/diagnostics.h>
#include <vorn/util/gradient.h>
#include <vorn/util/raster.h>
#include <vorn/util/wx_colour.h>
#include <vorn/util/wx_image_filter.h>

namespace vorn {

namespace {
// The page buttons start repeating after half a second, then every 50 ms.
constexpr int kFirstDelay = 500;
constexpr int kRepeat = 50;
} // namespace

void SlugButtonGroup::Update(unsigned int id, VornControl* control, VornControlHint* hint)
{
    if (m_slug)
        m_slug->OnButtonUpdate(control, hint);
    VornControlGroup::Update(id, control, hint);
}

ColourSlug::ColourSlug() : m_buttonGroup(this) {}

ColourSlug::ColourSlug(const VornwxBitmapCache* leftImages, const VornwxBitmapCache* rightImages, int x, int y,
                       int w, int h, wxWindow* parent, int id, VornControlGroup* group, long style)
    : ColourSlug()
{
    Create(leftImages, rightImages, x, y, w, h, parent, id, group, style);
}

ColourSlug::~ColourSlug() = default;

bool ColourSlug::Create(const VornwxBitmapCache* leftImages, const VornwxBitmapCache* rightImages, int x, int y,
                        int w, int h, wxWindow* parent, int id, VornControlGroup* group, long style)
{
    if (!GradientControlComp::Create(x, y, w, h, parent, id, group, style))
        return false;
    const int bh = std::max(h, 1);
    bool ok = m_left.Create(leftImages, 0, 0, kSlugButtonWidth, bh, this, kLeftButton, &m_buttonGroup, 0,
                            kFirstDelay, kRepeat);
    ok = m_right.Create(rightImages, w - kSlugButtonWidth, 0, kSlugButtonWidth, bh, this, kRightButton,
                        &m_buttonGroup, 0, kFirstDelay, kRepeat)
         && ok;
    SetDisplayRange(0.0, 1.0);
    return ok;
}

void ColourSlug::SetDisplayRange(double min, double max)
{
    GradientControlComp::SetDisplayRange(min, max);
    UpdateButtons();
}

void ColourSlug::UpdateButtons()
{
    const bool minEnable = m_displayMin != 0.0, maxEnable = m_displayMax != 1.0;
    m_left.SetEnabled(minEnable);
    m_right.SetEnabled(maxEnable);
    dprintf(" Min = %f, Max = %f, MinEnable = %d, MaxEnable = %d\n", m_displayMin, m_displayMax, int(minEnable),
            int(maxEnable));
}

// Its own echoes (the add and range hints it sends) are left out: the strip already
// did what they say.
void ColourSlug::OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint)
{
    if (control == this)
        return;
    if (dynamic_cast<GradientHintMove*>(hint)) {
        SetDirty();
        Refresh(false);
    } else {
        GradientControlComp::OnUpdate(id, control, hint);
    }
    UpdateButtons();
}

void ColourSlug::OnButtonUpdate(VornControl* control, VornControlHint* hint)
{
    if (!dynamic_cast<VornMomentHint*>(hint))
        return;
    if (control == &m_left || control == &m_right)
        Page(control == &m_right);
    UpdateButtons();
}

void ColourSlug::Page(bool towardMax)
{
    double min = m_displayMin, max = m_displayMax;
    if (!PageDisplayRange(min, max, towardMax))
        return;
    GradientControlComp::SetDisplayRange(min, max);
    SetDirty();
    Refresh(false);
    if (m_group) {
        GradientHintRange hint(min, max);
        m_group->Update(0, this, &hint);
    }
}

// The click is judged at the release; the stop goes where the press was.
void ColourSlug::OnMouseDownLeft()
{
    GradientControlComp::OnMouseDownLeft();
    if (GetMouseDownLeft()) {
        GetLastDownPos(m_pressX, m_pressY);
        m_pressed = true;
        return;
    }
    if (!m_pressed)
        return;
    m_pressed = false;
    int x = 0, y = 0;
    GetLastMousePos(x, y);
    if (IsSlugClick(m_pressX, m_pressY, x, y))
        AddStopAt(m_pressX);
}

void ColourSlug::AddStopAt(int x)
{
    double p = 0.0;
    if (!m_gradient || !SlugPositionOfColumn(x, GetWidth(), m_displayMin, m_displayMax, p))
        return;
    CONTROL_POINT stop(p, Color(), true, true, true);
    m_gradient->GetColour(p, stop.colour);
    const unsigned int index = m_gradient->AddPoint(stop);
    SetSelect(index);
    SetDirty();
    Refresh(false);
    if (m_group) {
        GradientHintAdd hint(index);
        m_group->Update(0, this, &hint);
    }
}

void ColourSlug::OnDraw(wxDC* dc)
{
    RecalcIfDirty();
    const int w = GetWidth(), h = GetHeight();
    if (!dc || w <= 0 || h <= 0)
        return;
    detail::DrawSoftwareFace(*dc, w, h, m_face, m_picture, [&](Filter& f) { RenderFace(f, w, h); });
}

// The look: the band of the displayed colours inside a frame of the foreground colour;
// each stop in the displayed range has a short tick down from the top and up from the
// bottom; the selected stop's tick runs the full height with a small anti-aliased
// triangle at each end, so it stands out on any colour.
void ColourSlug::RenderFace(Filter& f, int w, int h)
{
    const Color bg = detail::InkOf(GetBgColour()), fg = detail::InkOf(GetFgColour());
    vorn::Clear(f, CtoCA(bg));
    const int left = kSlugButtonWidth, right = w - kSlugButtonWidth - 1, bottom = h - 1;
    if (m_gradient && m_gradient->GetSize() > 0) {
        for (int x = left + 1; x < right; ++x) {
            double p = 0.0;
            Color c;
            if (SlugPositionOfColumn(x, w, m_displayMin, m_displayMax, p) && m_gradient->GetColour(p, c))
                DrawLine(f, x, 1, x, bottom - 1, CtoCA(c));
        }
    }
    const ColorA frame = CtoCA(fg);
    DrawLine(f, left, 0, right, 0, frame);
    DrawLine(f, left, bottom, right, bottom, frame);
    DrawLine(f, left, 0, left, bottom, frame);
    DrawLine(f, right, 0, right, bottom, frame);
    if (!m_gradient)
        return;
    const ColorA tick(fg.r, fg.g, fg.b, 0.75);
    const int reach = std::max(h / 4, 2);
    FilterPtr smooth = AntiAlias(f);
    for (const CONTROL_POINT& stop : m_gradient->GetSortedPoints()) {
        int x = 0;
        if (!SlugColumnOfPosition(stop.position, w, m_displayMin, m_displayMax, x))
            continue;
        if (stop.index != m_select) {
            DrawLine(f, x, 1, x, reach, tick);
            DrawLine(f, x, bottom - reach, x, bottom - 1, tick);
            continue;
        }
        DrawLine(f, x, 1, x, bottom - 1, frame);
        for (int k = 0; k <= 3; ++k) {
            DrawLine(smooth, x - 3.5 + k, 1 + k, x + 3.5 - k, 1 + k, frame);
            DrawLine(smooth, x - 3.5 + k, bottom - 1 - k, x + 3.5 - k, bottom - 1 - k, frame);
        }
    }
}

} // namespace vorn
