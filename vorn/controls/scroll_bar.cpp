#include <vorn/controls/scroll_bar.h>

#include <algorithm>

#include <wx/dcclient.h>
#include <wx/dcmemory.h>

#include <vorn/util/detail/blit.h>

namespace vorn {

namespace {
constexpr int kFirstDelay = 500; // ms from an end button's press to its first repeat
constexpr int kRepeat = 40;      // ms between repeats: 25 rows a second

int BitmapHeight(const wxBitmap* b) { return b && b->IsOk() ? b->GetHeight() : 0; }
} // namespace

VornScrollBar::VornScrollBar() = default;

VornScrollBar::VornScrollBar(const wxBitmap* tab, const wxBitmap* up, const wxBitmap* down, wxColour line,
                             wxColour track, double page, int x, int y, int h, wxWindow* parent, int id,
                             VornControlGroupValue* group, long style)
{
    VornScrollBar::Create(tab, up, down, line, track, page, x, y, h, parent, id, group, style);
}

VornScrollBar::~VornScrollBar()
{
    m_buttonGroup.DeRegister(static_cast<VornControl*>(this));
}

int VornScrollBar::TabWidth() const
{
    return m_tab && m_tab->IsOk() ? m_tab->GetWidth() : SimpleScrollBarModel::kWidth;
}

bool VornScrollBar::Create(const wxBitmap* tab, const wxBitmap* up, const wxBitmap* down, wxColour line,
                           wxColour track, double page, int x, int y, int h, wxWindow* parent, int id,
                           VornControlGroupValue* group, long style)
{
    m_tab = tab;
    m_up = up;
    m_down = down;
    m_line = line;
    m_track = track;
    m_dragging = false;
    m_model.SetPage(page);
    const bool ok = VornControl::Create(x, y, TabWidth() + 1, h, parent, id, group, style);
    if (!ok)
        return false;
    m_buttonGroup.Register(static_cast<VornControl*>(this));
    // The buttons span the bar's width, separator column included.
    const int w = TabWidth() + 1;
    if (BitmapHeight(m_up) > 0) {
        m_upImages.AssignImage(VORN_IMAGE_OFF, m_up);
        m_upButton.Create(&m_upImages, 0, 0, w, BitmapHeight(m_up), this, -1, &m_buttonGroup, 0, kFirstDelay,
                          kRepeat);
    }
    if (BitmapHeight(m_down) > 0) {
        m_downImages.AssignImage(VORN_IMAGE_OFF, m_down);
        m_downButton.Create(&m_downImages, 0, h - BitmapHeight(m_down), w, BitmapHeight(m_down), this, -1,
                            &m_buttonGroup, 0, kFirstDelay, kRepeat);
    }
    Layout(h);
    return true;
}

// The tab's top travels from below the up button to where its bottom meets the down button.
void VornScrollBar::Layout(int height)
{
    m_tabHeight = BitmapHeight(m_tab);
    const int lowest = BitmapHeight(m_up);
    m_model.SetTravel(lowest, height - BitmapHeight(m_down) - m_tabHeight);
    m_buffer = wxBitmap(std::max(TabWidth() + 1, 1), std::max(height, 1));
}

void VornScrollBar::ReportDrag()
{
    if (VornControlGroupValue* group = GetGroup())
        group->ControlDrag(GetId(), this);
}

void VornScrollBar::SetRange(double range)
{
    m_model.SetRange(range);
    Refresh(false);
}

void VornScrollBar::AddToRange(double d, bool notify)
{
    if (m_model.AddToRange(d))
        SetValue(1.0);
    if (notify)
        ReportDrag();
    Refresh(false);
}

void VornScrollBar::SetValue(double f)
{
    m_model.SetValue(f);
    ReportDrag();
    Refresh(false);
}

void VornScrollBar::OnDraw(wxDC* dc)
{
    const wxSize size = GetClientSize();
    if (size.x <= 0 || size.y <= 0)
        return;
    if (m_buffer.GetHeight() != size.y)
        Layout(size.y);
    {
        wxMemoryDC mdc(m_buffer);
        mdc.SetBackground(wxBrush(m_track, wxBRUSHSTYLE_SOLID));
        mdc.Clear();
        mdc.SetPen(wxPen(m_line, 1, wxPENSTYLE_SOLID));
        mdc.DrawLine(TabWidth(), 0, TabWidth(), size.y);
        if (m_tab && m_tab->IsOk())
            detail::BlitBitmap(mdc, 0, m_model.GetPosition(), m_tab->GetWidth(), m_tabHeight, *m_tab);
    }
    detail::BlitBitmap(*dc, 0, 0, size.x, size.y, m_buffer);
    RecalcIfDirty();
}

void VornScrollBar::OnUpdate(unsigned int, VornControl* control, VornControlHint* hint)
{
    auto* moment = dynamic_cast<VornMomentHint*>(hint);
    const bool up = control == &m_upButton;
    if (!moment || (!up && control != &m_downButton))
        return;
    const int rows = moment->flag ? std::max(1, (m_model.GetHighest() - m_model.GetLowest()) / 10) : 1;
    m_model.BeginDrag(0);
    if (!m_model.DragTo(up ? -rows : rows))
        return;
    ReportDrag();
    Refresh(false);
}

void VornScrollBar::OnMouseButton()
{
    int x = 0, y = 0;
    GetLastMousePos(x, y);
    if (GetMouseDown()) {
        const int top = m_model.GetPosition();
        if (m_dragging || y < top || y >= top + m_tabHeight)
            return;
        m_dragging = true;
        CaptureMouse();
        m_model.BeginDrag(y);
        if (VornControlGroupValue* group = GetGroup())
            group->ControlSelected(GetId(), this);
        return;
    }
    if (!m_dragging)
        return; // a release ends only a drag that a press on the tab began
    m_dragging = false;
    ReleaseMouse();
    if (VornControlGroupValue* group = GetGroup())
        group->ControlUnSelected(GetId(), this);
}

void VornScrollBar::OnMouseMove(int, int y)
{
    if (!m_dragging)
        return;
    if (!m_model.DragTo(y))
        return;
    ReportDrag();
    DrawAtOnce(); // as every value control is while dragged
}

} // namespace vorn
