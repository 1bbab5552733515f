#include <vorn/text_lists/popup_placement.h>

#include <algorithm>

namespace vorn {

wxRect KeepOnScreen(wxRect popup, const wxRect& display)
{
    // Right and bottom first, so that a pop-up larger than the display keeps its top-left
    // corner (where its first line and its left edge are) on the display.
    if (popup.x + popup.width >= display.x + display.width)
        popup.x = display.x + display.width - popup.width - 1;
    if (popup.y + popup.height >= display.y + display.height)
        popup.y = display.y + display.height - popup.height - 1;
    popup.x = std::max(popup.x, display.x);
    popup.y = std::max(popup.y, display.y);
    return popup;
}

namespace {

// One axis of PlaceBelowOrAbove / PlaceBeside: `after` is the position past the anchor,
// `before` the position in front of it; the side with room wins, else the roomier one.
int PickSide(int after, int before, int length, int lo, int hi)
{
    if (after + length <= hi)
        return after;
    if (before >= lo)
        return before;
    return (hi - after) >= (before + length - lo) ? after : before;
}

} // namespace

wxRect PlaceBelowOrAbove(const wxRect& anchor, const wxSize& size, const wxRect& display)
{
    const int y = PickSide(anchor.y + anchor.height, anchor.y - size.y, size.y, display.y,
                           display.y + display.height);
    return KeepOnScreen(wxRect(wxPoint(anchor.x, y), size), display);
}

wxRect PlaceBeside(const wxRect& anchor, const wxSize& size, const wxRect& display)
{
    const int x = PickSide(anchor.x + anchor.width, anchor.x - size.x, size.x, display.x,
                           display.x + display.width);
    return KeepOnScreen(wxRect(wxPoint(x, anchor.y), size), display);
}

void ListColumn::SetHeights(const std::vector<int>& heights)
{
    m_tops.assign(1, 0);
    m_tops.reserve(heights.size() + 1);
    for (int h : heights)
        m_tops.push_back(m_tops.back() + std::max(h, 0));
}

int ListColumn::Top(int i) const
{
    return (i < 0 || i >= GetCount()) ? 0 : m_tops[static_cast<std::size_t>(i)];
}

int ListColumn::Height(int i) const
{
    return (i < 0 || i >= GetCount()) ? 0 : m_tops[static_cast<std::size_t>(i) + 1] - m_tops[static_cast<std::size_t>(i)];
}

int ListColumn::ItemAt(int y, int offset) const
{
    const int row = y - offset;
    if (row < 0 || row >= m_tops.back())
        return -1;
    // The last top at or above the row; zero-height items are never hit.
    return static_cast<int>(std::upper_bound(m_tops.begin(), m_tops.end(), row) - m_tops.begin()) - 1;
}

void ListColumn::VisibleRange(int offset, int viewHeight, int& first, int& last) const
{
    const int top = std::max(0, -offset);
    const int bottom = viewHeight - offset; // first content row below the view
    first = static_cast<int>(std::upper_bound(m_tops.begin(), m_tops.end(), top) - m_tops.begin()) - 1;
    first = std::clamp(first, 0, GetCount());
    last = static_cast<int>(std::lower_bound(m_tops.begin(), m_tops.end(), bottom) - m_tops.begin());
    last = std::clamp(last, first, GetCount());
}

int ListColumn::MinOffset(int viewHeight) const
{
    return std::min(1, viewHeight - Total() + 1);
}

int ListColumn::ClampOffset(int offset, int viewHeight) const
{
    return std::clamp(offset, MinOffset(viewHeight), 1);
}

int ListColumn::ScrollToShow(int offset, int i, int viewHeight) const
{
    if (i < 0 || i >= GetCount())
        return ClampOffset(offset, viewHeight);
    const int row = Top(i) + offset;
    if (row + Height(i) > viewHeight - 1)
        offset = viewHeight - 1 - Height(i) - Top(i);
    if (Top(i) + offset < 1) // an item taller than the view shows its top
        offset = 1 - Top(i);
    return ClampOffset(offset, viewHeight);
}

int ListColumn::OffsetForValue(double value, int viewHeight) const
{
    const int range = 1 - MinOffset(viewHeight);
    if (!(value > 0.0)) // also NaN
        return 1;
    return ClampOffset(1 - static_cast<int>(range * std::min(value, 1.0) + 0.5), viewHeight);
}

double ListColumn::ValueForOffset(int offset, int viewHeight) const
{
    const int range = 1 - MinOffset(viewHeight);
    return range <= 0 ? 0.0 : static_cast<double>(1 - ClampOffset(offset, viewHeight)) / range;
}

ListPopupPlacement PlaceListPopup(const ListColumn& column, const wxPoint& anchor, int width, int selected,
                                  int maxHeight, const wxRect& display)
{
    // A skin without a maximum (or one beyond the display) is limited by the display.
    const int limit = maxHeight > 0 ? std::min(maxHeight, display.height) : display.height;
    const int total = column.Total();
    const bool valid = selected >= 0 && selected < column.GetCount();
    const int above = valid ? column.Top(selected) : 0;

    ListPopupPlacement out;
    out.rect = wxRect(anchor.x, anchor.y, width, total);
    if (total > limit) {
        out.rect.height = limit;
        out.scrolled = true;
        if (valid) {
            const int half = (limit - column.Height(selected)) / 2;
            const int wanted = half - above; // offset that puts the item half-way down
            if (above < half)
                out.rect.y -= above;
            else if (wanted >= column.MinOffset(limit))
                out.rect.y -= half;
            else
                out.rect.y += total - limit - above;
            out.scrollOffset = column.ClampOffset(wanted, limit);
        }
        // Nothing selected: the pop-up opens at the box, scrolled to the top.
    } else {
        out.rect.y -= above;
    }
    out.rect = KeepOnScreen(out.rect, display);
    return out;
}

} // namespace vorn
