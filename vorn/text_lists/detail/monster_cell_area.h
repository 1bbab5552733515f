#pragma once
// The window that holds a VornMonsterBox's cells.
#include <wx/event.h>

#include <vorn/framework/window.h>

namespace vorn {
class ColumnEntry;
class VornMonsterBox;
} // namespace vorn

namespace vorn::detail {

/// Holds the table's cells, deferred windows placed in content coordinates. It draws the
/// cells in view itself, all in one paint, instead of giving each a surface: a surface costs
/// a toolkit window made, mapped, painted and destroyed, which for a view of a few dozen
/// cells is most of what showing a table costs. The pointer needs a window to talk to, so
/// the cell under it takes a surface (and so its tooltip, cursor and events) and gives it
/// back when the pointer moves on to another cell; pointer events that reach the area
/// itself go to the cell under them.
class MonsterCellArea : public VornWindow {
public:
    /// The area of `table` at (x, y) of w × h, realising its children on demand.
    MonsterCellArea(VornMonsterBox* table, int x, int y, int w, int h, long style);

    /// Clears to the background and draws the cells in view.
    void OnDraw(wxDC* dc) override;
    /// Repaints where `cell` lies, when that is in view.
    void RefreshCell(const ColumnEntry& cell);
    /// After a scroll, a resize or a change of rows: cells out of view give their surfaces
    /// back (unless they hold the pointer capture) and the view is repainted.
    void ViewChanged();
    /// The cell is about to be deleted.
    void ForgetCell(const ColumnEntry* cell);
    /// The cell holding a surface for the pointer, or null.
    ColumnEntry* GetPointerCell() const { return m_pointerCell; }
    /// The cell at a point of the area's client coordinates, or null.
    ColumnEntry* CellAt(const wxPoint& point) const;
    /// The rectangle of `cell` in the area's client coordinates (its content rectangle less the scroll).
    wxRect ClientRectOf(const ColumnEntry& cell) const;

    /// Toolkit handler: hands a pointer event to the cell under it, which takes a surface.
    void OnMouse(wxMouseEvent& event);

private:
    void TakePointer(ColumnEntry* cell);

    VornMonsterBox* m_table;
    ColumnEntry* m_pointerCell = nullptr;

    wxDECLARE_EVENT_TABLE();
};

} // namespace vorn::detail
