#include <vorn/text_lists/detail/monster_cell_area.h>

#include <vorn/text_lists/monster_box.h>

namespace vorn::detail {

MonsterCellArea::MonsterCellArea(VornMonsterBox* table, int x, int y, int w, int h, long style)
    : VornWindow(x, y, w, h, table, wxID_ANY, style)
{
    SetRealiseOnDemand(true);
    SetPaintDeferred(true);
}

// A cell without a surface sends its repaint to the area's rectangle of it.
void MonsterCellArea::RefreshCell(ColumnEntry& cell) { cell.Refresh(false); }

} // namespace vorn::detail
