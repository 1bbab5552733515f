#include <vorn/text_lists/monster_box.h>

#include <algorithm>

#include <wx/dcmemory.h>

#include <vorn/assets/image_cache.h>
#include <vorn/controls/button.h>
#include <vorn/controls/detail/button_image.h>
#include <vorn/framework/control_group.h>
#include <vorn/text_lists/detail/monster_cell_area.h>
#include <vorn/util/detail/blit.h>
#include <vorn/util/detail/text_measure.h>

namespace vorn {

namespace {

constexpr int kHeadingHeight = 17; // the heading band ends where the cell area begins
constexpr int kTextIndent = 3;
constexpr long kStyleFlagBit = 1L << 4;

// Cell area style: the old toolkit's 0x280000, tab traversal without a border.
constexpr long kCellAreaStyle = wxTAB_TRAVERSAL | wxBORDER_NONE;

void TileAcross(wxDC& dc, const wxBitmap* image, int y, int width)
{
    if (!image || !image->IsOk() || image->GetWidth() <= 0)
        return;
    for (int x = 0; x < width; x += image->GetWidth())
        dc.DrawBitmap(*image, x, y, false);
}

int AlignedX(const wxRect& rect, int contentWidth, bool centred)
{
    return centred ? rect.x + (rect.width - contentWidth) / 2 : rect.x + kTextIndent;
}

} // namespace

MonSizeChangeHint::~MonSizeChangeHint() = default;
ColumnHeading::~ColumnHeading() = default;

// ---------------------------------------------------------------------------------------------
// Headings

TextColumnHeading::TextColumnHeading(const std::string& text, const wxColour& colour, const wxFont& font)
    : m_text(text), m_colour(colour), m_font(font)
{
}

void TextColumnHeading::Draw(wxDC& dc, const wxRect& rect, bool centred) const
{
    const wxString text = wxString::FromUTF8(m_text);
    if (m_font.IsOk())
        dc.SetFont(m_font);
    dc.SetTextForeground(m_colour);
    const wxSize extent = dc.GetTextExtent(text);
    wxDCClipper clip(dc, rect);
    detail::DrawTextRun(dc, text, AlignedX(rect, extent.x, centred), rect.y + (rect.height - extent.y) / 2);
}

void BitmapColumnHeading::Draw(wxDC& dc, const wxRect& rect, bool centred) const
{
    if (!m_image || !m_image->IsOk())
        return;
    wxDCClipper clip(dc, rect);
    dc.DrawBitmap(*m_image, AlignedX(rect, m_image->GetWidth(), centred),
                  rect.y + (rect.height - m_image->GetHeight()) / 2, false);
}

// ---------------------------------------------------------------------------------------------
// Cells

bool ColumnEntry::CreateEntry(const wxRect& rect, VornWindow* cellArea, const MonsterBoxColours& colours,
                              VornControlGroup* group)
{
    m_colours = colours;
    if (GetParent()) {
        SetWindowPos(rect.x, rect.y, rect.width, rect.height);
        return true;
    }
    if (!VornControl::Create(rect.x, rect.y, rect.width, rect.height, cellArea, wxID_ANY, nullptr))
        return false;
    SetBgColour(colours.background);
    OnCreated(group);
    Show();
    return true;
}

bool ColumnEntry::IsControl(const VornControl* control) const
{
    return control && control == this;
}

void ColumnEntry::SetFlag(bool flag)
{
    m_flag = flag;
    Refresh(false);
}

void ColumnEntry::SetColours(const MonsterBoxColours& colours)
{
    m_colours = colours;
    SetBgColour(colours.background);
    Refresh(false);
}

void ColumnEntry::OnDraw(wxDC* dc)
{
    const int w = GetWidth(), h = GetHeight();
    dc->SetPen(*wxTRANSPARENT_PEN);
    dc->SetBrush(wxBrush(m_flag ? m_colours.second : m_colours.background));
    dc->DrawRectangle(0, 0, w, h);
    // Each cell draws its own right and bottom edge, so the lines form a grid.
    dc->SetPen(wxPen(m_colours.separator));
    dc->DrawLine(w - 1, 0, w - 1, h);
    dc->DrawLine(0, h - 1, w, h - 1);
}

StaticTextColumnEntry::StaticTextColumnEntry(const std::string& text, const wxColour& colour, bool flag)
    : m_text(text), m_colour(colour)
{
    m_flag = flag;
}

void StaticTextColumnEntry::SetText(const std::string& text)
{
    m_text = text;
    Refresh(false);
}

void StaticTextColumnEntry::OnDraw(wxDC* dc)
{
    ColumnEntry::OnDraw(dc);
    const wxString text = wxString::FromUTF8(m_text);
    dc->SetFont(GetFont());
    dc->SetTextForeground(m_colour.IsOk() ? m_colour : m_colours.text);
    const wxRect rect(0, 0, GetWidth() - 1, GetHeight() - 1);
    const wxSize extent = dc->GetTextExtent(text);
    wxDCClipper clip(*dc, rect);
    detail::DrawTextRun(*dc, text, AlignedX(rect, extent.x, m_centred), (rect.height - extent.y) / 2);
}

CheckBoxColumnEntry::CheckBoxColumnEntry(const VornwxBitmapCache* cache, bool on) : m_cache(cache), m_on(on) {}

void CheckBoxColumnEntry::OnCreated(VornControlGroup* group) { SetGroup(group); }

void CheckBoxColumnEntry::SetOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    SetDirty();
    Refresh(false);
}

void CheckBoxColumnEntry::OnMouseButton()
{
    // The press only shows; the release over the cell flips and reports, as a toggle button does.
    if (!GetMouseDown() && GetMouseOver()) {
        SetOn(!m_on);
        if (m_group) {
            if (m_on)
                m_group->ControlSelected(GetId(), this);
            else
                m_group->ControlUnSelected(GetId(), this);
            IntValChanged hint(m_on ? 1 : 0);
            m_group->Update(GetId(), this, &hint);
        }
    }
    VornControl::OnMouseButton();
}

void CheckBoxColumnEntry::OnDraw(wxDC* dc)
{
    ColumnEntry::OnDraw(dc);
    RecalcIfDirty();
    int w = 0, h = 0;
    if (!m_cache || !m_cache->GetSize(w, h))
        return;
    const wxRect cell(0, 0, GetWidth() - 1, GetHeight() - 1);
    const wxPoint origin = dc->GetDeviceOrigin();
    dc->SetDeviceOrigin(origin.x + AlignedX(cell, w, m_centred), origin.y + (cell.height - h) / 2);
    detail::DrawButtonImage(*dc, m_cache,
                            detail::VornButtonImageState(GetEnabled(), m_on, GetMouseOver(), GetMouseDown()));
    dc->SetDeviceOrigin(origin.x, origin.y);
}

// ---------------------------------------------------------------------------------------------
// MonsterScrollBar

void MonsterScrollBar::SetHandle(const wxBitmap* handle)
{
    m_handle = handle;
    Refresh(false);
}

// Every row added changes the fraction and so the tab's height: a table filled row by row
// would make the tab images again for each row. They are made once, when first needed.
void MonsterScrollBar::MakeTabImages()
{
    m_tabsStale = true;
    if (m_drawing)
        MakeStaleTabs();
}

void MonsterScrollBar::MakeStaleTabs() const
{
    if (!m_tabsStale)
        return;
    m_tabsStale = false;
    const_cast<MonsterScrollBar*>(this)->VornSimpleScrollBar::MakeTabImages();
}

const SimpleScrollBarModel& MonsterScrollBar::GetModel() const
{
    MakeStaleTabs();
    return VornSimpleScrollBar::GetModel();
}

void MonsterScrollBar::OnMouseButton()
{
    MakeStaleTabs();
    VornSimpleScrollBar::OnMouseButton();
}

void MonsterScrollBar::OnMouseMove(int x, int y)
{
    MakeStaleTabs();
    VornSimpleScrollBar::OnMouseMove(x, y);
}

void MonsterScrollBar::OnDraw(wxDC* dc)
{
    MakeStaleTabs();
    m_drawing = true;
    VornSimpleScrollBar::OnDraw(dc);
    m_drawing = false;
    if (!m_handle || !m_handle->IsOk())
        return;
    const int tabHeight = GetModel().GetTabHeight();
    if (m_handle->GetHeight() > tabHeight)
        return; // a short tab shows without its handle rather than overflowing
    dc->DrawBitmap(*m_handle, (GetWidth() - m_handle->GetWidth()) / 2,
                   GetTabTop() + (tabHeight - m_handle->GetHeight()) / 2, false);
}

void MonsterScrollBar::OnSliderChange()
{
    if (m_table)
        m_table->SetScrollPos(GetSliderVal());
}

// ---------------------------------------------------------------------------------------------
// VornMonsterBox

wxBEGIN_EVENT_TABLE(VornMonsterBox, VornControl)
    EVT_LEFT_DCLICK(VornMonsterBox::OnDoubleClick)
wxEND_EVENT_TABLE()

VornMonsterBox::VornMonsterBox() { Init(); }

VornMonsterBox::VornMonsterBox(const wxBitmap* a, const wxBitmap* b, const wxBitmap* c, int x, int y, int w, int h,
                               const std::string& name, wxWindow* parent, int id, VornControlGroup* group,
                               long style)
{
    Init();
    Create(a, b, c, x, y, w, h, name, parent, id, group, style);
}

VornMonsterBox::~VornMonsterBox()
{
    // The cells leave the group now, while their columns still exist.
    if (m_cellArea)
        m_cellArea->Destroy();
}

void VornMonsterBox::Init()
{
    m_columns.clear();
    m_buttons.clear();
    m_lineData.clear();
    m_name = "no name";
    m_rowHeight = 15;
    m_rows = 0;
    m_resizing = false;
    m_resizable = true;
    m_scrollOffset = 0;
    m_maxHeight = MonsterBoxModel::kDefaultMaxHeight;
    m_cellArea = nullptr;
    m_scrollBar = nullptr;
}

bool VornMonsterBox::Create(const wxBitmap* a, const wxBitmap* b, const wxBitmap* c, int x, int y, int w, int h,
                            const std::string& name, wxWindow* parent, int id, VornControlGroup* group, long style)
{
    Init();
    if (!VornControl::Create(x, y, w, h, parent, id, group, style))
        return false;
    m_name = name;
    m_initialWidth = w;
    m_innerHeight = MonsterBoxModel::InnerHeight(h);
    m_images[0] = a;
    m_images[1] = b;
    m_images[2] = c;
    m_flag = (style & kStyleFlagBit) != 0;
    if (w > 0 && h > 0)
        m_buffer.Create(w, h);
    m_cellArea = new detail::MonsterCellArea(this, MonsterBoxModel::kCellAreaX, MonsterBoxModel::kCellAreaY,
                                             std::max(1, w - MonsterBoxModel::kCellAreaMarginW),
                                             std::max(1, m_innerHeight), kCellAreaStyle);
    m_cellArea->SetName(wxString::FromUTF8(name));
    m_cellArea->SetBgColour(m_colours.background);
    m_cellArea->Show();
    return true;
}

void VornMonsterBox::SetRowHeight(int height)
{
    m_rowHeight = std::max(1, height);
    for (auto& column : m_columns)
        PlaceCells(*column, 0);
    CheckForScroll();
    if (m_cellArea)
        ViewChanged();
}

void VornMonsterBox::SetColors(const wxColour& background, const wxColour& second, const wxColour& text)
{
    m_colours.background = background;
    m_colours.second = second;
    m_colours.text = text;
    SetSepColour(text);
}

void VornMonsterBox::SetSepColour(const wxColour& colour)
{
    m_colours.separator = colour;
    if (m_cellArea) {
        m_cellArea->SetBgColour(m_colours.background);
        m_cellArea->Refresh(false);
    }
    for (auto& column : m_columns)
        for (ColumnEntry* cell : column->cells)
            cell->SetColours(m_colours);
    Refresh(false);
}

void VornMonsterBox::SetScrollHandle(const wxBitmap* handle)
{
    m_scrollHandle = handle;
    if (m_scrollBar)
        m_scrollBar->SetHandle(handle);
}

void VornMonsterBox::AddColumn(std::unique_ptr<ColumnHeading> heading, int width, bool flag)
{
    auto column = std::make_unique<MonsterColumn>();
    column->x = m_columns.empty() ? 0 : m_columns.back()->x + m_columns.back()->width;
    column->width = column->createdWidth = std::max(0, width);
    column->heading = std::move(heading);
    column->flag = flag;
    column->table = this;
    m_columns.push_back(std::move(column));
    Refresh(false);
}

void VornMonsterBox::AddColumn(const wxBitmap* image, int width, bool flag)
{
    AddColumn(std::make_unique<BitmapColumnHeading>(image), width, flag);
}

void VornMonsterBox::AddColumn(const std::string& text, const wxColour& colour, int width, bool flag)
{
    AddColumn(std::make_unique<TextColumnHeading>(text, colour, GetFont()), width, flag);
}

void VornMonsterBox::AddColumn(const std::string& text, const wxColour& colour, const wxFont& font, int width,
                               bool flag)
{
    AddColumn(std::make_unique<TextColumnHeading>(text, colour, font), width, flag);
}

const MonsterColumn* VornMonsterBox::GetColumn(int column) const
{
    return column >= 0 && column < GetColumnCount() ? m_columns[column].get() : nullptr;
}

void VornMonsterBox::AddEntry(int column, const std::string& text, const wxColour& colour, bool flag)
{
    InsertEntry(column, m_rows + 1, text, colour, flag);
}

void VornMonsterBox::AddEntry(int column, const VornwxBitmapCache* cache, bool flag)
{
    InsertEntry(column, m_rows + 1, cache, flag);
}

void VornMonsterBox::InsertEntry(int column, int row, const std::string& text, const wxColour& colour, bool flag)
{
    if (GetColumn(column) && m_cellArea)
        InsertCell(column, row, new StaticTextColumnEntry(text, colour, flag));
}

void VornMonsterBox::InsertEntry(int column, int row, const VornwxBitmapCache* cache, bool flag)
{
    // A check box's flag is its first state; it is never drawn highlighted.
    if (GetColumn(column) && m_cellArea)
        InsertCell(column, row, new CheckBoxColumnEntry(cache, flag));
}

void VornMonsterBox::InsertCell(int columnIndex, int row, ColumnEntry* cell)
{
    MonsterColumn& column = *m_columns[columnIndex];
    const size_t at = static_cast<size_t>(std::clamp(row, 0, static_cast<int>(column.cells.size())));
    cell->SetCentred(column.flag);
    cell->CreateEntry(wxRect(column.x, static_cast<int>(at) * m_rowHeight, column.width, m_rowHeight), m_cellArea,
                      m_colours, m_group);
    column.cells.insert(column.cells.begin() + static_cast<std::ptrdiff_t>(at), cell);
    const bool appended = at + 1 == column.cells.size();
    if (!appended)
        PlaceCells(column, at + 1);
    RecountRows();
    const int offset = m_scrollOffset;
    CheckForScroll();
    // Appending touches one cell; an insertion moves the ones below it, and a scroll
    // reset moves them all.
    if (appended && offset == 0)
        m_cellArea->RefreshCell(*cell);
    else
        ViewChanged();
}

void VornMonsterBox::PlaceCells(MonsterColumn& column, size_t from)
{
    for (size_t i = from; i < column.cells.size(); ++i)
        column.cells[i]->SetWindowPos(column.x, static_cast<int>(i) * m_rowHeight, column.width, m_rowHeight);
}

void VornMonsterBox::ViewChanged() { m_cellArea->ViewChanged(); }

VornWindow* VornMonsterBox::GetCellArea() const { return m_cellArea; }

void VornMonsterBox::DeleteCell(ColumnEntry* cell)
{
    delete cell;
}

void VornMonsterBox::RecountRows()
{
    size_t rows = 0;
    for (auto& column : m_columns)
        rows = std::max(rows, column->cells.size());
    m_rows = static_cast<int>(rows);
}

void VornMonsterBox::InsertLineData(int row, void* data)
{
    const int at = std::clamp(row, 0, static_cast<int>(m_lineData.size()));
    m_lineData.insert(m_lineData.begin() + at, data);
}

void* VornMonsterBox::GetLineData(int row) const
{
    return row >= 0 && row < static_cast<int>(m_lineData.size()) ? m_lineData[row] : nullptr;
}

ColumnEntry* VornMonsterBox::GetRowColumnEntry(int row, int column) const
{
    const MonsterColumn* c = GetColumn(column);
    if (!c || row < 0 || row >= static_cast<int>(c->cells.size()))
        return nullptr;
    return c->cells[row];
}

VornControl* VornMonsterBox::GetRowColumn(int row, int column) const
{
    ColumnEntry* cell = GetRowColumnEntry(row, column);
    return cell ? cell->GetControl() : nullptr;
}

void VornMonsterBox::FindRowColumn(VornControl* control, int& row, int& column) const
{
    for (int c = 0; c < GetColumnCount(); ++c) {
        const auto& cells = m_columns[c]->cells;
        for (size_t r = 0; r < cells.size(); ++r) {
            if (cells[r]->IsControl(control)) {
                row = static_cast<int>(r);
                column = c;
                return;
            }
        }
    }
    row = column = -1;
}

void VornMonsterBox::DeleteRow(int row)
{
    if (row < 0)
        return;
    for (auto& column : m_columns) {
        if (row >= static_cast<int>(column->cells.size()))
            continue;
        DeleteCell(column->cells[row]);
        column->cells.erase(column->cells.begin() + row);
        PlaceCells(*column, static_cast<size_t>(row));
    }
    if (row < static_cast<int>(m_lineData.size()))
        m_lineData.erase(m_lineData.begin() + row);
    RecountRows();
    CheckForScroll();
    if (m_cellArea)
        ViewChanged();
}

void VornMonsterBox::ClearAll()
{
    for (auto& column : m_columns) {
        for (ColumnEntry* cell : column->cells)
            DeleteCell(cell);
        column->cells.clear();
    }
    m_lineData.clear();
    m_rows = 0;
    CheckForScroll();
    if (m_cellArea)
        ViewChanged();
}

int VornMonsterBox::ThirdImageWidth() const
{
    return m_images[2] && m_images[2]->IsOk() ? m_images[2]->GetWidth() : 0;
}

VornPushButton* VornMonsterBox::AddButton(const VornwxBitmapCache* cache, int id, const std::string& tooltip,
                                          VornControlGroup* group)
{
    const VornPushButton* previous = m_buttons.empty() ? nullptr : m_buttons.back();
    const int x = MonsterBoxModel::ButtonX(static_cast<int>(m_buttons.size()), ThirdImageWidth(),
                                           previous ? previous->GetPosX() : 0, previous ? previous->GetWidth() : 0);
    auto* button = new VornPushButton(cache, x, MonsterBoxModel::ButtonY(GetHeight()), this, id, group);
    button->Show();
    button->SetToolTip(tooltip);
    m_buttons.push_back(button);
    Refresh(false);
    return button;
}

void VornMonsterBox::SetSize(int w, int h)
{
    VornWindow::SetSize(w, h);
    if (w > 0 && h > 0)
        m_buffer.Create(w, h);
    std::vector<int> created;
    for (auto& column : m_columns)
        created.push_back(column->createdWidth);
    const std::vector<MonsterColumnSpan> spans = MonsterBoxModel::ScaleColumns(created, w, m_initialWidth);
    for (size_t i = 0; i < m_columns.size(); ++i) {
        const bool moved = m_columns[i]->x != spans[i].x || m_columns[i]->width != spans[i].width;
        m_columns[i]->x = spans[i].x;
        m_columns[i]->width = spans[i].width;
        if (moved)
            PlaceCells(*m_columns[i], 0);
    }
    m_innerHeight = MonsterBoxModel::InnerHeight(h);
    // The scroll bar follows the right edge and the height, also when the host resizes.
    if (m_scrollBar)
        m_scrollBar->SetWindowPos(w - MonsterBoxModel::kScrollBarInset, MonsterBoxModel::kCellAreaY,
                                  m_scrollBar->GetWidth(), std::max(1, m_innerHeight));
    if (m_cellArea) {
        m_cellArea->SetSize(std::max(1, w - MonsterBoxModel::kCellAreaMarginW), std::max(1, m_innerHeight));
        ViewChanged();
    }
    Refresh(false);
}

void VornMonsterBox::SetScrollPos(double f)
{
    const int offset = MonsterBoxModel::ScrollOffset(f, m_rows, m_rowHeight, m_innerHeight);
    if (!m_cellArea || offset == m_scrollOffset)
        return;
    // Instead of scrolling toolkit windows, the deferred content moves under the view and
    // the cell area draws the cells now in view.
    m_scrollOffset = offset;
    m_cellArea->SetDeferredOrigin(wxPoint(0, offset));
    ViewChanged();
}

void VornMonsterBox::CheckForScroll()
{
    const int h = GetHeight();
    if (MonsterBoxModel::NeedsScroll(m_rows, m_rowHeight, h)) {
        if (!m_scrollBar) {
            m_scrollBar = new MonsterScrollBar(this);
            m_scrollBar->Create(m_colours.separator, m_colours.background, m_colours.second,
                                GetWidth() - MonsterBoxModel::kScrollBarInset, MonsterBoxModel::kCellAreaY,
                                std::max(1, m_innerHeight), this, wxID_ANY, nullptr);
            m_scrollBar->SetHandle(m_scrollHandle);
        }
        m_scrollBar->SetSliderVal(0.0, false);
        m_scrollBar->Show();
    } else if (m_scrollBar) {
        m_scrollBar->Hide();
    }
    if (m_scrollOffset != 0 && m_cellArea) {
        m_scrollOffset = 0;
        m_cellArea->SetDeferredOrigin(wxPoint(0, 0));
        ViewChanged();
    }
    if (m_scrollBar)
        m_scrollBar->SetFractionVal(MonsterBoxModel::VisibleFraction(m_rows, m_rowHeight, h));
    Refresh(false);
}

void VornMonsterBox::OnMouseButton()
{
    int x = 0, y = 0;
    GetLastMousePos(x, y);
    if (GetMouseDownLeft() && !m_resizing && m_resizable && MonsterBoxModel::InGrip(x, y, GetWidth(), GetHeight())) {
        m_resizing = true;
        CaptureMouse();
        m_lastY = y;
    } else if (!GetMouseDownLeft() && m_resizing) {
        ReleaseMouse();
        m_resizing = false;
    }
    VornControl::OnMouseButton();
}

void VornMonsterBox::OnMouseMove(int, int y)
{
    if (!m_resizing)
        return;
    const int height = MonsterBoxModel::ClampHeight(GetHeight() + y - m_lastY, m_maxHeight);
    m_lastY = y;
    SetSize(GetWidth(), height);
    CheckForScroll(); // SetSize moved the scroll bar along
    SetScrollPos(m_scrollBar ? m_scrollBar->GetSliderVal() : 0.0);
    for (VornPushButton* button : m_buttons)
        button->SetPosition(button->GetPosX(), MonsterBoxModel::ButtonY(height));
    if (m_group) {
        MonSizeChangeHint hint;
        m_group->ControlSelected(GetId(), this);
        m_group->Update(0, this, &hint);
    }
    Refresh(false);
}

void VornMonsterBox::OnDoubleClick(wxMouseEvent&) {}

void VornMonsterBox::DrawGrip(wxDC& dc) const
{
    // Three diagonal ridges filling the grip rectangle's lower right half.
    const int right = GetWidth() - 11, bottom = GetHeight() - 12;
    dc.SetPen(wxPen(m_colours.separator));
    for (int i = 0; i < 3; ++i) {
        const int d = 3 + 3 * i;
        dc.DrawLine(right - d, bottom, right + 1, bottom - d - 1);
    }
}

void VornMonsterBox::OnDraw(wxDC* dc)
{
    RecalcIfDirty();
    const int w = GetWidth(), h = GetHeight();
    if (w <= 0 || h <= 0 || !m_buffer.IsOk())
        return;
    wxMemoryDC mdc(m_buffer);
    mdc.SetBackground(wxBrush(GetBackgroundColour()));
    mdc.Clear();
    // The heading band at the top, the bottom band under the buttons, a divider before each button.
    TileAcross(mdc, m_images[0], 0, w);
    if (m_images[1] && m_images[1]->IsOk())
        TileAcross(mdc, m_images[1], h - m_images[1]->GetHeight(), w);
    if (m_images[2] && m_images[2]->IsOk()) {
        for (const VornPushButton* button : m_buttons)
            mdc.DrawBitmap(*m_images[2], button->GetPosX() - m_images[2]->GetWidth(),
                           button->GetPosY() + (button->GetHeight() - m_images[2]->GetHeight()) / 2, false);
    }
    const int top = MonsterBoxModel::kCellAreaY - kHeadingHeight;
    for (const auto& column : m_columns) {
        if (column->heading)
            column->heading->Draw(
                mdc, wxRect(MonsterBoxModel::kCellAreaX + column->x, top, column->width, kHeadingHeight), column->flag);
    }
    // A frame around the cell area.
    mdc.SetPen(wxPen(m_colours.separator));
    mdc.SetBrush(*wxTRANSPARENT_BRUSH);
    mdc.DrawRectangle(MonsterBoxModel::kCellAreaX - 1, MonsterBoxModel::kCellAreaY - 1,
                      w - MonsterBoxModel::kCellAreaMarginW + 2, m_innerHeight + 2);
    if (m_resizable)
        DrawGrip(mdc);
    // The cell area, a shown child, covers its part of the table: only the band around it
    // goes to the screen (a copy costs by the pixel).
    const wxRect cells = m_cellArea && m_cellArea->IsShown() ? m_cellArea->GetRect() : wxRect();
    const int right = cells.GetRight() + 1, bottom = cells.GetBottom() + 1;
    detail::BlitRegion(*dc, 0, 0, w, cells.y, mdc, 0, 0);
    detail::BlitRegion(*dc, 0, bottom, w, h - bottom, mdc, 0, bottom);
    detail::BlitRegion(*dc, 0, cells.y, cells.x, cells.height, mdc, 0, cells.y);
    detail::BlitRegion(*dc, right, cells.y, w - right, cells.height, mdc, right, cells.y);
}

} // namespace vorn
