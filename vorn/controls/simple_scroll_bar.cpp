#include <vorn/controls/simple_scroll_bar.h>

#include <algorithm>
#include <array>

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include <vorn/assets/image_cache.h>
#include <vorn/controls/button_moment.h>
#include <vorn/framework/control_group.h>
#include <vorn/util/detail/blit.h>
#include <vorn/util/raster.h>
#include <vorn/util/wx_colour.h>
#include <vorn/util/wx_image_convert.h>
#include <vorn/util/wx_image_filter.h>

namespace vorn {

namespace {

constexpr int kPieceW = SimpleScrollBarModel::kWidth;
constexpr int kPieceH = 13;
constexpr int kArrowH = SimpleScrollBarModel::kButtonHeight;
constexpr int kFirstDelay = 500; // ms from an end button's press to its first repeat
constexpr int kRepeat = 10;      // ms between repeats

// The tab's outline runs in columns 1 and 9: column 0 and 10 stay free for the
// separator line, whichever side of its owner the bar stands on.
constexpr int kOutlineLeft = 1;
constexpr int kOutlineRight = 9;

// The order of the base pieces within one set.
enum Piece { kRoundCap, kBody, kFlatCap, kGrip, kPieces };
// The order of the tab images within one set.
enum Tab { kTabMiddle, kTabAtBottom, kTabAtTop, kTabs };

ColorA Mix(const ColorA& a, const ColorA& b, double t)
{
    return ColorA(a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, 1.0);
}

// Rows y0..y1 of the tab's sides and the fill between them.
void DrawBody(Filter& f, int y0, int y1, const ColorA& line, const ColorA& fill)
{
    for (int y = y0; y <= y1; ++y) {
        DrawLine(f, kOutlineLeft + 1, y, kOutlineRight - 1, y, fill);
        f.WritePixel(kOutlineLeft, y, line);
        f.WritePixel(kOutlineRight, y, line);
    }
}

// One base piece of 11 x 13: a rounded or a flat top end, the plain body, or the body
// with three grip marks. Bottom ends are these mirrored.
wxImage MakeBasePiece(Piece piece, const ColorA& colour, const ColorA& background)
{
    wxImage image(kPieceW, kPieceH);
    FilterPtr f = CreateFilter(image);
    if (!f)
        return image;
    const ColorA fill = Mix(background, colour, 0.35);
    Clear(*f, background);
    const int mid = (kOutlineLeft + kOutlineRight) / 2;
    const int radius = mid - kOutlineLeft;
    switch (piece) {
    case kRoundCap:
        DrawCircle(f, mid, 1 + radius, radius - 0.5, fill, true);
        DrawBody(*f, 1 + radius, kPieceH - 1, colour, fill);
        // Left quarter drawn, right quarter its mirror, so the cap is symmetric to the pixel.
        DrawArc(AntiAlias(*f), mid, 1, kOutlineLeft, 1 + radius, colour);
        {
            wxImage mirrored;
            FlipHoz(mirrored, image);
            FilterPtr m = CreateFilter(mirrored);
            Copy(Crop(mid + 1, 0, kPieceW, 1 + radius, *f), Crop(mid + 1, 0, kPieceW, 1 + radius, *m));
        }
        break;
    case kFlatCap:
        DrawBody(*f, 0, kPieceH - 1, colour, fill);
        DrawLine(*f, kOutlineLeft, 0, kOutlineRight, 0, colour);
        break;
    case kBody:
    case kGrip:
        DrawBody(*f, 0, kPieceH - 1, colour, fill);
        if (piece == kGrip)
            for (int y : {4, 6, 8})
                DrawLine(*f, mid - 2, y, mid + 2, y, colour);
        break;
    default:
        break;
    }
    return image;
}

// A tab of the given height from one set of pieces: a top end, the body repeated, a bottom
// end, the grip over the middle. Heights below two ends are raised to two ends.
wxBitmap AssembleTab(const wxImage* pieces, bool flatTop, bool flatBottom, int height)
{
    height = std::max(height, 2 * kPieceH);
    wxImage tab(kPieceW, height);
    FilterPtr t = CreateFilter(tab);
    wxImage topEnd = pieces[flatTop ? kFlatCap : kRoundCap];
    wxImage bottomEnd;
    FlipVert(bottomEnd, pieces[flatBottom ? kFlatCap : kRoundCap]);
    FilterPtr top = CreateFilter(topEnd), bottom = CreateFilter(bottomEnd);
    FilterPtr body = CreateFilter(const_cast<wxImage&>(pieces[kBody]));
    FilterPtr grip = CreateFilter(const_cast<wxImage&>(pieces[kGrip]));
    if (!t || !top || !bottom || !body || !grip)
        return wxBitmap(tab);
    for (int y = kPieceH; y < height - kPieceH; y += kPieceH)
        Blit(*t, *body, 0, y);
    Blit(*t, *top, 0, 0);
    Blit(*t, *bottom, 0, height - kPieceH);
    // The grip's rows hold only sides and fill outside its marks, so it may cover the ends'
    // straight rows: with two ends of 13 rows it never reaches their curves.
    Blit(*t, *grip, 0, height / 2 - kPieceH / 2);
    return wxBitmap(tab);
}

// The up arrow of an end button: a filled triangle in `arrow` on `face`.
wxImage MakeArrow(const ColorA& arrow, const ColorA& face, const ColorA& edge)
{
    wxImage image(kPieceW, kArrowH);
    if (FilterPtr f = CreateFilter(image)) {
        Clear(*f, face);
        DrawLine(*f, 0, kArrowH - 1, kPieceW - 1, kArrowH - 1, edge);
        const int mid = kPieceW / 2, apex = 3, base = 7;
        // Whole rows only: at this size smoothed edges blur the point.
        for (int y = apex; y <= base; ++y)
            DrawLine(*f, mid - (y - apex), y, mid + (y - apex), y, arrow);
    }
    return image;
}

wxBitmap* FlippedBitmap(const wxImage& image, bool flip)
{
    if (!flip)
        return new wxBitmap(image);
    wxImage mirrored;
    FlipVert(mirrored, image);
    return new wxBitmap(mirrored);
}

} // namespace

struct VornSimpleScrollBar::Images {
    std::array<wxImage, 2 * kPieces> pieces; // normal set, then highlighted set; made once
    std::array<wxBitmap, 2 * kTabs> tabs;   // normal: middle, at bottom, at top; then highlighted
    wxBitmap buffer;
    VornwxBitmapCache up, down;
};

VornSimpleScrollBar::VornSimpleScrollBar() : m_images(std::make_unique<Images>()) {}

VornSimpleScrollBar::VornSimpleScrollBar(wxColour line, wxColour background, wxColour highlight, int x, int y,
                                         int h, wxWindow* parent, int id, VornControlGroupValue* group,
                                         long style)
    : VornSimpleScrollBar()
{
    VornSimpleScrollBar::Create(line, background, highlight, x, y, h, parent, id, group, style);
}

VornSimpleScrollBar::~VornSimpleScrollBar()
{
    // The buttons leave their group when they go, so they go before it.
    delete m_upButton;
    delete m_downButton;
    if (m_buttonGroup)
        m_buttonGroup->DeRegister(this);
}

bool VornSimpleScrollBar::Create(wxColour line, wxColour background, wxColour highlight, int x, int y, int h,
                                 wxWindow* parent, int id, VornControlGroupValue* group, long style)
{
    m_line = line;
    m_background = background;
    m_highlight = highlight;
    m_sliderVal = 0.0;
    m_dragging = false;
    m_tabHighlighted = false;
    const bool ok = VornControl::Create(x, y, SimpleScrollBarModel::kWidth, h, parent, id, group, style);
    m_model.SetLayout(h, m_endButtons);
    MakeButtonImages();
    // The tab is made here with or without end buttons, so a press before the first paint
    // already finds it.
    MakeTabImages();
    if (m_endButtons && ok) {
        m_buttonGroup = std::make_unique<VornControlGroup>();
        m_buttonGroup->Register(static_cast<VornControl*>(this));
        m_upButton = new VornMomentBtn(&m_images->up, 0, 0, this, -1, m_buttonGroup.get(), 0, kFirstDelay, kRepeat);
        m_downButton = new VornMomentBtn(&m_images->down, 0, GetScrollStart() + GetScrollHeight(), this, -1,
                                         m_buttonGroup.get(), 0, kFirstDelay, kRepeat);
    }
    return ok;
}

void VornSimpleScrollBar::SetSliderVal(double v, bool notify)
{
    // Compared after clamping: a step past either end changes nothing and reports nothing.
    v = SimpleScrollBarModel::ClampValue(v);
    if (v == m_sliderVal)
        return;
    m_sliderVal = v;
    if (m_dragging)
        DrawAtOnce();
    else
        Refresh(false);
    if (notify)
        OnSliderChange();
}

void VornSimpleScrollBar::SetFractionVal(double f)
{
    if (f == m_fraction)
        return;
    m_fraction = SimpleScrollBarModel::ClampFraction(f);
    MakeTabImages();
    Refresh(false);
}

void VornSimpleScrollBar::PlaceEndButtons()
{
    if (m_upButton)
        m_upButton->VornWindow::SetPosition(0, 0);
    if (m_downButton)
        m_downButton->VornWindow::SetPosition(0, m_model.GetWindowHeight() - m_downButton->GetSize().y);
}

void VornSimpleScrollBar::MakeTabImages()
{
    if (!m_line.IsOk())
        return; // before Create: no colours to draw with yet
    const int height = m_model.TabHeightFor(m_fraction);
    Images& im = *m_images;
    if (im.tabs[kTabMiddle].IsOk() && im.tabs[kTabMiddle].GetHeight() == height)
        return;
    if (!im.pieces[0].IsOk()) {
        const ColorA background = WxCtoCA(m_background);
        for (int set = 0; set < 2; ++set)
            for (int p = 0; p < kPieces; ++p)
                im.pieces[set * kPieces + p] =
                    MakeBasePiece(Piece(p), WxCtoCA(set ? m_highlight : m_line), background);
    }
    for (int set = 0; set < 2; ++set) {
        const wxImage* pieces = &im.pieces[set * kPieces];
        im.tabs[set * kTabs + kTabMiddle] = AssembleTab(pieces, false, false, height);
        im.tabs[set * kTabs + kTabAtBottom] = AssembleTab(pieces, false, true, height);
        im.tabs[set * kTabs + kTabAtTop] = AssembleTab(pieces, true, false, height);
    }
    m_model.SetTabHeight(im.tabs[kTabMiddle].GetHeight());
}

void VornSimpleScrollBar::MakeButtonImages()
{
    const ColorA line = WxCtoCA(m_line), background = WxCtoCA(m_background), highlight = WxCtoCA(m_highlight);
    const wxImage off = MakeArrow(line, background, line);
    const wxImage over = MakeArrow(highlight, background, line);
    const wxImage down = MakeArrow(background, highlight, line);
    for (VornwxBitmapCache* cache : {&m_images->up, &m_images->down}) {
        const bool flip = cache == &m_images->down;
        cache->Clear();
        cache->AssignImageOwn(VORN_IMAGE_OFF, FlippedBitmap(off, flip));
        cache->AssignImageOwn(VORN_IMAGE_OFF_MOUSE_OVER, FlippedBitmap(over, flip));
        cache->AssignImageOwn(VORN_IMAGE_OFF_DOWN, FlippedBitmap(down, flip));
    }
}

void VornSimpleScrollBar::OnDraw(wxDC* dc)
{
    const wxSize size = GetClientSize();
    if (size.x <= 0 || size.y <= 0)
        return;
    Images& im = *m_images;
    if (!im.buffer.IsOk() || im.buffer.GetSize() != size) {
        im.buffer.Create(size);
        m_model.SetLayout(size.y, m_endButtons);
        PlaceEndButtons();
        MakeTabImages();
    }
    {
        wxMemoryDC mdc(im.buffer);
        mdc.SetBackground(wxBrush(m_background, wxBRUSHSTYLE_SOLID));
        mdc.SetPen(wxPen(m_line, 1, wxPENSTYLE_SOLID));
        mdc.Clear();
        const int tabIndex = (m_tabHighlighted ? kTabs : 0) +
                             (m_sliderVal == 0.0 ? kTabAtTop : m_sliderVal == 1.0 ? kTabAtBottom : kTabMiddle);
        const wxBitmap& tab = im.tabs[tabIndex];
        if (m_endButtons) {
            const int x = m_left ? size.x - 1 : 0;
            mdc.DrawLine(x, GetScrollStart(), x, GetScrollStart() + GetScrollHeight());
        }
        const int top = GetTabTop(), tabH = m_model.GetTabHeight();
        if (tab.IsOk()) {
            if (m_left)
                detail::BlitBitmap(mdc, 0, top, tab.GetWidth() - 1, tabH, tab);
            else
                detail::BlitBitmap(mdc, 1, top, tab.GetWidth(), tabH, tab, 1, 0);
        }
    }
    detail::BlitBitmap(*dc, 0, 0, size.x, size.y, im.buffer);
    RecalcIfDirty();
}

void VornSimpleScrollBar::OnUpdate(unsigned int, VornControl* control, VornControlHint* hint)
{
    auto* moment = dynamic_cast<VornMomentHint*>(hint);
    if (!moment || control == this || !control || (control != m_upButton && control != m_downButton))
        return;
    const double step = moment->flag ? m_initialStep : m_momentStep;
    SetSliderVal(SimpleScrollBarModel::StepValue(m_sliderVal, step, GetSize().y, m_fraction, control == m_upButton),
                 true);
}

void VornSimpleScrollBar::OnMouseButton()
{
    int x = 0, y = 0;
    GetLastMousePos(x, y);
    if (GetMouseDown()) {
        if (m_dragging || !m_model.OnTab(y, m_sliderVal))
            return; // only the tab can be dragged
        m_dragging = true;
        CaptureMouse();
        m_pressVal = m_sliderVal;
        m_pressY = y;
        return;
    }
    m_dragging = false;
    ReleaseMouse();
    OnMouseMove(x, y);
}

void VornSimpleScrollBar::OnEnable(bool enabled)
{
    for (VornMomentBtn* button : {m_upButton, m_downButton})
        if (button)
            button->SetEnabled(enabled);
    if (!enabled) {
        m_dragging = false; // the control base has released the capture already
        m_tabHighlighted = false;
    }
    Refresh(false);
}

void VornSimpleScrollBar::OnMouseMove(int x, int y)
{
    // A drag whose release never came (a lost capture) ends here.
    if (m_dragging && !GetMouseDown())
        m_dragging = false;
    double value = m_sliderVal;
    bool over = m_model.OnTab(y, m_sliderVal) && x >= 0 && x <= GetSize().x;
    if (m_dragging) {
        over = true;
        value = SimpleScrollBarModel::ClampValue(m_model.DragValue(y, m_pressY, m_pressVal));
    }
    if (value != m_sliderVal) {
        m_tabHighlighted = over;
        SetSliderVal(value, true);
    } else if (over != m_tabHighlighted) {
        m_tabHighlighted = over;
        DrawAtOnce();
    }
}

void VornSimpleScrollBar::OnMouseLeaving()
{
    if (m_tabHighlighted && !m_dragging) {
        m_tabHighlighted = false;
        Refresh(false);
    }
}

} // namespace vorn
