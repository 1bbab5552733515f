#pragma once
// The multi-column table's geometry, apart from its windows: column placement and
// scaling, the resize grip and its height bounds, the scroll offset and the rows in view.
// The table paints, hit-tests and scrolls from these functions alone.
#include <vector>

namespace vorn {

/// Where a column lies across the table: x is the previous column's x + width.
struct MonsterColumnSpan {
    int x = 0;     ///< Left edge in the cell area, in pixels.
    int width = 0; ///< Width in pixels.
};

/// The geometry of a `VornMonsterBox` (see monster_box.h).
class MonsterBoxModel {
public:
    static constexpr int kMinHeight = 75;      ///< The lowest height a grip drag reaches.
    static constexpr int kDefaultMaxHeight = 9999; ///< The default upper bound of a grip drag.
    static constexpr int kCellAreaX = 12;      ///< Left edge of the cell area.
    static constexpr int kCellAreaY = 40;      ///< Top edge of the cell area.
    static constexpr int kCellAreaMarginW = 50; ///< The table's width less the cell area's.
    static constexpr int kInnerMargin = 62;    ///< The table's height less the cell area's.
    static constexpr int kViewMargin = 61;     ///< The table's height less the visible content.
    static constexpr int kButtonOffset = 45;   ///< Bottom buttons stand at inner height + this.
    static constexpr int kFirstButtonGap = 38; ///< The first button's x less the third image's width.
    static constexpr int kScrollBarInset = 11; ///< The scroll bar's x is the width less this.

    /// Height of the scrolling area for a table height.
    static int InnerHeight(int height) { return height - kInnerMargin; }
    /// True when (x, y) lies in the grip of a w × h table: x in w − 21 … w − 11 and
    /// y in h − 22 … h − 12, inclusive.
    static bool InGrip(int x, int y, int w, int h);
    /// A dragged height kept within kMinHeight … maxHeight (the minimum wins a bad maximum).
    static int ClampHeight(int height, int maxHeight);
    /// Appends a column of `width` at the right of the last span.
    static MonsterColumnSpan NextColumn(const std::vector<MonsterColumnSpan>& columns, int width);
    /// Spans for the current table width: each width at creation × width / initial width,
    /// x accumulating. A non-positive initial width keeps the creation widths.
    static std::vector<MonsterColumnSpan> ScaleColumns(const std::vector<int>& createdWidths, int width,
                                                       int initialWidth);
    /// Pixels of content for `rows` rows.
    static int ContentHeight(int rows, int rowHeight) { return rows * rowHeight; }
    /// True when the content does not fit a table of height h: a scroll bar is needed.
    static bool NeedsScroll(int rows, int rowHeight, int height);
    /// The visible part of the content, (h − 61) / content; 1 without content.
    static double VisibleFraction(int rows, int rowHeight, int height);
    /// The scroll offset for a scroll bar value f: (content − inner height) × f, truncated,
    /// with f taken in 0 … 1 and a result never below 0 (content that fits does not scroll).
    static int ScrollOffset(double f, int rows, int rowHeight, int innerHeight);
    /// The rows [first, last) that a view of `viewHeight` at `offset` touches.
    static void RowsInView(int offset, int viewHeight, int rowHeight, int rows, int& first, int& last);
    /// The row under content y, or -1 outside 0 … rows − 1.
    static int RowAt(int contentY, int rowHeight, int rows);
    /// x of a bottom button: the third image's width + 38 for the first (index 0), else the
    /// previous button's x + its width + the third image's width.
    static int ButtonX(int index, int thirdWidth, int previousX, int previousWidth);
    /// y of the bottom buttons for a table height.
    static int ButtonY(int height) { return InnerHeight(height) + kButtonOffset; }
};

} // namespace vorn
