#include <vorn/text_lists/list_popup.h>

#include <algorithm>
#include <vector>

#include <wx/dcbuffer.h>

#include <vorn/text_lists/list_box.h>
#include <vorn/util/detail/blit.h>
#include <vorn/util/diagnostics.h>
#include <vorn/util/detail/text_measure.h>

namespace vorn {

// clang-format off
wxBEGIN_EVENT_TABLE(ExpandedVornListBox, VornPopupFrame)
    EVT_PAINT(ExpandedVornListBox::LocalPaint)
    EVT_MOUSEWHEEL(ExpandedVornListBox::LocalWheel)
    EVT_TIMER(ExpandedVornListBox::kTypeAheadTimerId, ExpandedVornListBox::LocalTypeAheadTimer)
wxEND_EVENT_TABLE()
// clang-format on

ExpandedVornListBox::ExpandedVornListBox() : m_typeAheadTimer(this, kTypeAheadTimerId) {}

ExpandedVornListBox::ExpandedVornListBox(VornListBoxCallback* owner, const VornListBoxItems& items,
                                         const VornListBoxInfo& info, const wxFont& font, const wxRect& rect)
    : m_typeAheadTimer(this, kTypeAheadTimerId)
{
    ExpandedVornListBox::Create(owner, items, info, font, rect);
}

ExpandedVornListBox::~ExpandedVornListBox()
{
    m_typeAheadTimer.Stop();
}

// Colour roles of the skin's "lbExpand" line: the first colour fills the pop-up, the
// second fills the highlighted line and the scroll bar's tab, the third draws the frame,
// the separators and the scroll bar's edge. The text keeps the closed box's text colour.
bool ExpandedVornListBox::Create(VornListBoxCallback* owner, const VornListBoxItems& items,
                                 const VornListBoxInfo& info, const wxFont& font, const wxRect& rect)
{
    m_owner = owner;
    m_items = &items;
    m_info = info;
    m_font = font;
    if (info.expandColour1.IsOk())
        m_background = info.expandColour1;
    if (info.expandColour2.IsOk())
        m_highlight = info.expandColour2;
    if (info.expandColour3.IsOk())
        m_line = info.expandColour3;
    m_text = info.textColour.IsOk() ? info.textColour : *wxWHITE;
    // The skin's dot is drawn on the pop-up's colour; that colour becomes its mask so the
    // dot also sits cleanly on the highlighted line.
    if (info.selDot && info.selDot->IsOk()) {
        m_dot = wxBitmap(info.selDot->ConvertToImage());
        m_dot.SetMask(new wxMask(m_dot, m_background));
    }

    std::vector<int> heights;
    std::vector<PopupNavItem> lines;
    heights.reserve(static_cast<std::size_t>(items.GetCount()));
    lines.reserve(static_cast<std::size_t>(items.GetCount()));
    for (int i = 0; i < items.GetCount(); ++i) {
        const VornListBoxElement* e = items.GetElement(i);
        heights.push_back(e->height);
        lines.push_back({e->GetText(), e->selectable});
    }
    m_column.SetHeights(heights);
    m_nav.SetItems(std::move(lines));

    if (!VornPopupFrame::Create(nullptr, rect))
        return false;
    SetBackgroundColour(m_background);
    SetForegroundColour(m_text);
    SetFont(m_font);
    return true;
}

ExpandedVornListBox* ExpandedVornListBox::Open(VornListBoxCallback* owner, const VornListBoxItems& items,
                                               const VornListBoxInfo& info, const wxFont& font,
                                               const wxWindow* anchor, int width)
{
    if (!owner || !anchor || items.GetCount() == 0)
        return nullptr;
    const wxPoint at = anchor->GetScreenPosition();
    auto* popup = new ExpandedVornListBox(owner, items, info, font, wxRect(at, wxSize(std::max(width, 1), 1)));
    const int selected = owner->GetSelected();
    const ListPopupPlacement place = PlaceListPopup(popup->m_column, at, std::max(width, 1), selected,
                                                    info.expandValue, DisplayRectFor(anchor));
    popup->SetSize(place.rect);
    popup->m_hasBar = place.scrolled;
    popup->m_scrollOffset = place.scrollOffset;
    popup->m_bar.SetLayout(place.rect.height - 2, true);
    popup->m_bar.SetTabHeight(
        popup->m_bar.TabHeightFor(static_cast<double>(place.rect.height) / popup->m_column.Total()));
    // The selected line starts highlighted, so the arrow keys move on from the selection.
    popup->m_selected = selected;
    popup->m_nav.SetHighlighted(selected);
    popup->Popup();
    return popup;
}

void ExpandedVornListBox::SetScrollOffset(int offset)
{
    const int clamped = m_column.ClampOffset(offset, GetClientSize().y);
    if (clamped == m_scrollOffset)
        return;
    m_scrollOffset = clamped;
    Refresh(false);
}

int ExpandedVornListBox::ListWidth() const
{
    return GetClientSize().x - 2 - (m_hasBar ? SimpleScrollBarModel::kWidth : 0);
}

bool ExpandedVornListBox::OnBar(const wxPoint& pt) const
{
    const wxSize size = GetClientSize();
    return m_hasBar && pt.x >= size.x - 1 - SimpleScrollBarModel::kWidth && pt.x < size.x - 1 && pt.y >= 1 &&
           pt.y < size.y - 1;
}

// A press on the bar at row y (bar rows): the end buttons step one text line, the track
// pages, the tab starts a drag.
void ExpandedVornListBox::PressBar(int y)
{
    const int view = GetClientSize().y;
    const double value = m_column.ValueForOffset(m_scrollOffset, view);
    const int line = std::max(m_items ? m_items->GetTextHeight() : 1, 1);
    if (y < SimpleScrollBarModel::kButtonHeight) {
        SetScrollOffset(m_scrollOffset + line);
    } else if (y >= m_bar.GetWindowHeight() - SimpleScrollBarModel::kButtonHeight) {
        SetScrollOffset(m_scrollOffset - line);
    } else if (m_bar.OnTab(y, value)) {
        m_dragging = true;
        m_pressY = y;
        m_pressValue = value;
    } else {
        const int page = std::max(view - line, line);
        SetScrollOffset(m_scrollOffset + (y < m_bar.TabTop(value) ? page : -page));
    }
}

void ExpandedVornListBox::OnPopupLeftDown(const wxPoint& pt)
{
    if (OnBar(pt)) {
        PressBar(pt.y - 1);
        return;
    }
    OnPopupMotion(pt);
    ChooseHighlighted();
}

void ExpandedVornListBox::OnPopupLeftUp(const wxPoint&)
{
    m_dragging = false;
}

void ExpandedVornListBox::OnPopupMotion(const wxPoint& pt)
{
    const int view = GetClientSize().y;
    if (m_dragging) {
        const double value = m_bar.DragValue(pt.y - 1, m_pressY, m_pressValue);
        SetScrollOffset(m_column.OffsetForValue(value, view));
        return;
    }
    if (OnBar(pt))
        return;
    const bool inList = pt.x >= 1 && pt.x < 1 + ListWidth() && pt.y >= 1 && pt.y < view - 1;
    if (m_nav.SetHighlighted(inList ? m_column.ItemAt(pt.y, m_scrollOffset) : -1))
        Refresh(false);
}

bool ExpandedVornListBox::OnPopupKey(const wxKeyEvent& event)
{
    switch (m_nav.OnKey(event.GetKeyCode())) {
    case PopupKeyAction::Moved:
        AfterMove();
        return true;
    case PopupKeyAction::Choose:
        ChooseHighlighted();
        return true;
    case PopupKeyAction::Dismiss:
        Dismiss();
        return true;
    case PopupKeyAction::None:
        break;
    }
    // Enter on a separator is used up without effect.
    return event.GetKeyCode() == WXK_RETURN || event.GetKeyCode() == WXK_NUMPAD_ENTER;
}

bool ExpandedVornListBox::OnPopupChar(const wxKeyEvent& event)
{
    const wxChar c = event.GetUnicodeKey();
    if (c == WXK_NONE || m_nav.OnChar(static_cast<char32_t>(c)) == PopupKeyAction::None)
        return false;
    m_typeAheadTimer.StartOnce(static_cast<int>(PopupNavigation::kTypeAheadMs));
    AfterMove();
    return true;
}

// Three text lines per notch of the wheel.
void ExpandedVornListBox::LocalWheel(wxMouseEvent& event)
{
    const int delta = std::max(event.GetWheelDelta(), 1);
    const int line = std::max(m_items ? m_items->GetTextHeight() : 1, 1);
    SetScrollOffset(m_scrollOffset + event.GetWheelRotation() * 3 * line / delta);
}

void ExpandedVornListBox::LocalTypeAheadTimer(wxTimerEvent&)
{
    m_nav.ClearTypeAhead();
}

void ExpandedVornListBox::AfterMove()
{
    if (m_nav.GetHighlighted() >= 0)
        m_scrollOffset = m_column.ScrollToShow(m_scrollOffset, m_nav.GetHighlighted(), GetClientSize().y);
    Refresh(false);
}

void ExpandedVornListBox::ChooseHighlighted()
{
    if (m_nav.IsSelectable(m_nav.GetHighlighted()))
        Close(m_nav.GetHighlighted());
}

void ExpandedVornListBox::OnDismiss()
{
    Close(-1);
}

// The owner forgets the pop-up before anything else, so whatever the owner's group does
// with the choice finds it closed; the frame itself goes once the event is over.
void ExpandedVornListBox::Close(int choice)
{
    if (IsBeingDestroyed())
        return;
    VornListBoxCallback* owner = m_owner;
    m_owner = nullptr;
    m_typeAheadTimer.Stop();
    m_dragging = false;
    if (owner) {
        owner->OnPopupClosed();
        owner->Show(true);
    }
    HidePopup();
    if (choice >= 0) {
        dprintf("selected item %d\n", choice);
        if (owner)
            owner->SetSelected(choice, true);
    }
    DestroyPopup();
}

void ExpandedVornListBox::LocalPaint(wxPaintEvent&)
{
    wxBufferedPaintDC dc(this);
    if (!IsBeingDestroyed()) // the owner and its lines may be gone already
        Render(dc);
}

void ExpandedVornListBox::Render(wxDC& dc)
{
    const wxSize size = GetClientSize();
    dc.SetBackground(wxBrush(m_background));
    dc.Clear();
    const int listWidth = ListWidth();
    m_column.VisibleRange(m_scrollOffset, size.y, m_drawnFirst, m_drawnLast);

    dc.SetClippingRegion(1, 1, std::max(listWidth, 0), std::max(size.y - 2, 0));
    dc.SetFont(m_font);
    dc.SetTextForeground(m_text);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    for (int i = m_drawnFirst; i < m_drawnLast && m_items; ++i) {
        const VornListBoxElement* e = m_items->GetElement(i);
        const int top = m_scrollOffset + m_column.Top(i);
        const int h = m_column.Height(i);
        if (!e->selectable) { // separator: a rule across the middle
            dc.SetPen(wxPen(m_line, 1));
            dc.DrawLine(5, top + h / 2, listWidth - 3, top + h / 2);
            continue;
        }
        if (i == m_nav.GetHighlighted()) {
            dc.SetPen(*wxTRANSPARENT_PEN);
            dc.SetBrush(wxBrush(m_highlight));
            dc.DrawRectangle(1, top, listWidth, h);
        }
        if (i == m_selected && m_dot.IsOk())
            dc.DrawBitmap(m_dot, (kTextLeft - m_dot.GetWidth()) / 2, top + (h - m_dot.GetHeight()) / 2, true);
        detail::DrawTextRun(dc, wxString::FromUTF8(e->GetText()), kTextLeft, top + 1);
    }
    dc.DestroyClippingRegion();

    if (m_hasBar)
        DrawBar(dc);
    dc.SetPen(wxPen(m_line, 1));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(0, 0, size.x, size.y);
}

// The bar's end buttons are the skin's up and down images; its tab is a highlight-coloured
// block with the skin's idle image as the grip in its middle.
void ExpandedVornListBox::DrawBar(wxDC& dc)
{
    constexpr int w = SimpleScrollBarModel::kWidth;
    constexpr int bh = SimpleScrollBarModel::kButtonHeight;
    const wxSize size = GetClientSize();
    const int x = size.x - 1 - w;
    const int h = m_bar.GetWindowHeight();
    const auto image = [&](const wxBitmap* bitmap, int y) {
        if (bitmap && bitmap->IsOk())
            detail::BlitBitmap(dc, x, y, w, bh, *bitmap);
        else {
            dc.SetPen(*wxTRANSPARENT_PEN);
            dc.SetBrush(wxBrush(m_line));
            dc.DrawRectangle(x, y, w, bh);
        }
    };
    const double value = m_column.ValueForOffset(m_scrollOffset, size.y);
    const int tabTop = 1 + m_bar.TabTop(value);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(m_highlight));
    dc.DrawRectangle(x + 1, tabTop, w - 2, m_bar.GetTabHeight());
    if (m_info.scrollOff && m_info.scrollOff->IsOk())
        detail::BlitBitmap(dc, x, tabTop + (m_bar.GetTabHeight() - bh) / 2, w,
                           std::min(bh, m_bar.GetTabHeight()), *m_info.scrollOff);
    image(m_info.scrollUp, 1);
    image(m_info.scrollDown, 1 + h - bh);
    dc.SetPen(wxPen(m_line, 1));
    dc.DrawLine(x - 1, 1, x - 1, size.y - 1);
}

} // namespace vorn
