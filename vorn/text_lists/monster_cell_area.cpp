#include <vorn/text_lists/detail/monster_cell_area.h>

#include <algorithm>

#include <wx/dc.h>

#include <vorn/text_lists/monster_box.h>

namespace vorn::detail {

wxBEGIN_EVENT_TABLE(MonsterCellArea, VornWindow)
    EVT_MOUSE_EVENTS(MonsterCellArea::OnMouse)
wxEND_EVENT_TABLE()

MonsterCellArea::MonsterCellArea(VornMonsterBox* table, int x, int y, int w, int h, long style)
    : VornWindow(x, y, w, h, table, wxID_ANY, style), m_table(table)
{
    SetRealiseOnDemand(true);
}

wxRect MonsterCellArea::ClientRectOf(const ColumnEntry& cell) const
{
    wxRect rect = cell.GetRectInHost();
    rect.Offset(-GetDeferredOrigin());
    return rect;
}

void MonsterCellArea::OnDraw(wxDC* dc)
{
    VornWindow::OnDraw(dc);
    int first = 0, last = 0;
    MonsterBoxModel::RowsInView(GetDeferredOrigin().y, GetHeight(), m_table->GetRowHeight(), m_table->GetRowCount(),
                                first, last);
    const wxPoint origin = dc->GetDeviceOrigin();
    for (int c = 0; c < m_table->GetColumnCount(); ++c) {
        const std::vector<ColumnEntry*>& cells = m_table->GetColumn(c)->cells;
        const int end = std::min(last, static_cast<int>(cells.size()));
        for (int row = first; row < end; ++row) {
            ColumnEntry* cell = cells[row];
            if (!cell->IsShown())
                continue;
            // A cell with a surface lies below it, drawn again here at no visible cost.
            const wxRect rect = ClientRectOf(*cell);
            dc->SetDeviceOrigin(origin.x + rect.x, origin.y + rect.y);
            wxDCClipper clip(*dc, wxRect(rect.GetSize()));
            cell->OnDraw(dc);
        }
    }
    dc->SetDeviceOrigin(origin.x, origin.y);
}

void MonsterCellArea::RefreshCell(const ColumnEntry& cell)
{
    const wxRect rect = ClientRectOf(cell).Intersect(wxRect(0, 0, GetWidth(), GetHeight()));
    if (!rect.IsEmpty())
        Refresh(false, &rect);
}

void MonsterCellArea::ViewChanged()
{
    wxRect view(GetClientSize());
    view.Offset(GetDeferredOrigin());
    for (VornWindow* child : GetDeferredChildren()) {
        if (!child->IsRealised() || child->IsMouseCaptive() || child->GetRectInHost().Intersects(view))
            continue;
        if (child == m_pointerCell)
            m_pointerCell = nullptr;
        child->Unrealise();
    }
    Refresh(false);
}

void MonsterCellArea::ForgetCell(const ColumnEntry* cell)
{
    if (cell == m_pointerCell)
        m_pointerCell = nullptr;
}

ColumnEntry* MonsterCellArea::CellAt(const wxPoint& point) const
{
    const wxPoint content = point + GetDeferredOrigin();
    const int row = MonsterBoxModel::RowAt(content.y, m_table->GetRowHeight(), m_table->GetRowCount());
    if (row < 0)
        return nullptr;
    for (int c = 0; c < m_table->GetColumnCount(); ++c) {
        const std::vector<ColumnEntry*>& cells = m_table->GetColumn(c)->cells;
        if (row < static_cast<int>(cells.size()) && cells[row]->IsShown() &&
            cells[row]->GetRectInHost().Contains(content))
            return cells[row];
    }
    return nullptr;
}

// The previous pointer cell gives its surface back (a captive one keeps it until the view
// moves on), after hearing that the pointer left, should its surface not have told it.
void MonsterCellArea::TakePointer(ColumnEntry* cell)
{
    ColumnEntry* previous = m_pointerCell;
    m_pointerCell = cell;
    if (previous && !previous->IsMouseCaptive()) {
        if (previous->GetMouseOver()) {
            wxMouseEvent leave(wxEVT_LEAVE_WINDOW);
            leave.SetEventObject(previous);
            previous->GetEventHandler()->ProcessEvent(leave);
        }
        previous->Unrealise();
    }
    if (cell)
        cell->Realise();
}

void MonsterCellArea::OnMouse(wxMouseEvent& event)
{
    if (event.Leaving())
        return; // into a cell's surface, or away
    ColumnEntry* cell = CellAt(event.GetPosition());
    const bool entered = cell && cell != m_pointerCell;
    if (cell != m_pointerCell)
        TakePointer(cell);
    if (!cell)
        return;
    // From now on the cell's surface lies under the pointer and hears it; this event, which
    // reached the area, goes to the cell in the cell's coordinates.
    const wxPoint corner = ClientRectOf(*cell).GetTopLeft();
    wxMouseEvent forwarded(event);
    forwarded.SetEventObject(cell);
    forwarded.SetId(cell->GetId());
    forwarded.m_x -= corner.x;
    forwarded.m_y -= corner.y;
    if (entered && !event.Entering()) {
        wxMouseEvent enter(forwarded);
        enter.SetEventType(wxEVT_ENTER_WINDOW);
        cell->GetEventHandler()->ProcessEvent(enter);
    }
    cell->GetEventHandler()->ProcessEvent(forwarded);
}

} // namespace vorn::detail
