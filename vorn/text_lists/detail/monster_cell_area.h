#pragma once
// The window that holds a VornMonsterBox's cells.
#include <vorn/framework/window.h>

namespace vorn {
class ColumnEntry;
class VornMonsterBox;
} // namespace vorn

namespace vorn::detail {

/// Holds the table's cells, deferred windows placed in content coordinates, and draws the
/// cells in view itself, all in one paint (VornWindow's painting through the host): a
/// surface per cell costs a toolkit window made, mapped, painted and destroyed, which for a
/// view of a few dozen cells is most of what showing a table costs. Only the cell under the
/// pointer (or holding it, or the focus) has a surface.
class MonsterCellArea : public VornWindow {
public:
    /// The area of `table` at (x, y) of w × h, realising its children on demand.
    MonsterCellArea(VornMonsterBox* table, int x, int y, int w, int h, long style);

    /// Repaints where `cell` lies, when that is in view.
    void RefreshCell(ColumnEntry& cell);
    /// After a scroll, a resize or a change of rows: cells that need their surfaces no more
    /// give them back and the view is repainted.
    void ViewChanged() { RepaintDeferred(); }
};

} // namespace vorn::detail
