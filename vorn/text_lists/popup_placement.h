#pragma once
// Where pop-ups go on the screen, and the vertical layout of a pop-up list, apart from any
// window. Rectangles are in screen pixels; a display rectangle is the usable screen area.
#include <cstddef>
#include <vector>

#include <wx/gdicmn.h>

namespace vorn {

/// Moves a pop-up so that it lies on the display: the top-left corner is kept at or inside
/// the display's top-left, and a right or bottom edge past the display's is pulled back to
/// one pixel inside it. A pop-up larger than the display keeps its top-left on the display.
wxRect KeepOnScreen(wxRect popup, const wxRect& display);

/// A pop-up of `size` under `anchor`, left edges aligned, or above it when there is no
/// room below (then wherever more of it fits), kept on the display.
wxRect PlaceBelowOrAbove(const wxRect& anchor, const wxSize& size, const wxRect& display);

/// A pop-up of `size` right of `anchor`, top edges aligned, or left of it when there is no
/// room on the right (then wherever more of it fits), kept on the display.
wxRect PlaceBeside(const wxRect& anchor, const wxSize& size, const wxRect& display);

/// The vertical layout of a pop-up list: item tops, the total height and the scroll offset
/// rules. Item i is drawn at row `offset + Top(i)`; offset 1 shows the first item under the
/// one-pixel frame, and scrolled lists have offsets down to `MinOffset(view)`.
class ListColumn {
public:
    /// Lays out items of the given heights (negative heights count as 0).
    void SetHeights(const std::vector<int>& heights);
    /// The number of items.
    int GetCount() const { return static_cast<int>(m_tops.size()) - 1; }
    /// Top of item i from the top of the content (0 for the first item), or 0 when out of range.
    int Top(int i) const;
    /// Height of item i, or 0 when out of range.
    int Height(int i) const;
    /// The sum of the item heights and the two rows of the frame.
    int Total() const { return m_tops.back() + 2; }

    /// The item drawn at row y of a view scrolled to `offset`, or -1 where there is none.
    int ItemAt(int y, int offset) const;
    /// First and one-past-last items that show in a view of `viewHeight` rows at `offset`.
    void VisibleRange(int offset, int viewHeight, int& first, int& last) const;
    /// The lowest offset of a view of `viewHeight` rows (1 when everything fits).
    int MinOffset(int viewHeight) const;
    /// The offset clamped to MinOffset(viewHeight) … 1.
    int ClampOffset(int offset, int viewHeight) const;
    /// The nearest offset to `offset` at which item i lies wholly in the view (as far as it fits).
    int ScrollToShow(int offset, int i, int viewHeight) const;
    /// The offset of a scroll-bar value 0 (top) … 1 (bottom).
    int OffsetForValue(double value, int viewHeight) const;
    /// The scroll-bar value 0 … 1 of an offset (0 when everything fits).
    double ValueForOffset(int offset, int viewHeight) const;

private:
    std::vector<int> m_tops{0}; // prefix sums: m_tops[i] is item i's top, back() the sum
};

/// Where a pop-up list opens and how it is scrolled.
struct ListPopupPlacement {
    wxRect rect;          ///< The pop-up on the screen.
    int scrollOffset = 1; ///< The initial offset (see ListColumn).
    bool scrolled = false; ///< The list is taller than the pop-up, which shows a scroll bar.
};

/// The opening rule of a list pop-up: `anchor` is the owner's top-left on the screen,
/// `width` the pop-up's width, `selected` the selected item (or -1) and `maxHeight` the
/// tallest pop-up the skin allows. The pop-up is moved so that the selected item lies over
/// the owner, scrolled when the list is taller than `maxHeight`, then kept on `display`.
ListPopupPlacement PlaceListPopup(const ListColumn& column, const wxPoint& anchor, int width, int selected,
                                  int maxHeight, const wxRect& display);

} // namespace vorn
