#pragma once
// The property tree's arithmetic, free of windows: how a list of rows lines up on its
// alignment points, which row a point falls in, the first/middle/last marks, the scroll
// rule and the shortened label. The nodes and rows call these; tests call them directly.
#include <functional>
#include <string>
#include <vector>

namespace vorn {

/// Width, height and alignment point of one row (or of a whole list).
struct TreeRowMetrics {
    int width = 0;     ///< Width in pixels.
    int height = 0;    ///< Height in pixels.
    int alignment = 0; ///< The x inside the row that lines up with its siblings'.
};

/// A rectangle as the tree stores it: its four edges.
struct TreeDisplayRect {
    int left = 0;   ///< Left edge.
    int right = 0;  ///< Right edge.
    int top = 0;    ///< Top edge.
    int bottom = 0; ///< Bottom edge.
    /// Stores the four edges.
    void Set(int l, int t, int r, int b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
};

/// A list stacked downwards: A = the largest alignment point, width = A + the largest
/// part right of it, height = the sum of heights (all 0 for an empty list).
TreeRowMetrics TreeListMetrics(const std::vector<TreeRowMetrics>& rows);

/// The left edge of a row of alignment point `rowAlignment` in a list of alignment point
/// `listAlignment` whose left edge is `left`.
inline int TreeRowLeft(int left, int listAlignment, int rowAlignment) { return left + listAlignment - rowAlignment; }

/// The row of a list under (x, y), relative to the list; -1 when no row is there. `rowY`
/// receives y relative to the row found and `rowX` x relative to it. A y exactly on a
/// row's bottom edge falls in that row.
int TreeListHit(const std::vector<TreeRowMetrics>& rows, int listAlignment, int x, int y, int& rowX, int& rowY);

/// The first/middle/last mark of child `index` of a list of `count` children:
/// 0 (first) for the first and an only child, 2 (last) for the last, 1 (middle) else.
int TreeRowPlace(int index, int count);

/// The view's scroll position: trunc(slider × (content − view) + 0.5).
int TreeScrollPosition(double slider, int contentHeight, int viewHeight);

/// Measures a text in pixels.
using TreeTextMeasure = std::function<int(const std::string&)>;

/// The label a row shows when its window lies at x = `rowX` (negative: pushed left past
/// its parent's edge). False when the row is pushed further left than `alignment` (no
/// label); else `text` and its x. Past the edge the label shrinks to the longest prefix
/// (whole characters) followed by "..." that fits in `labelWidth + rowX` pixels.
bool ShortenTreeLabel(const std::string& name, int labelWidth, int alignment, int rowX,
                      const TreeTextMeasure& measure, std::string& text, int& x);

} // namespace vorn
