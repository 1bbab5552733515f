#pragma once
// VornMonsterBox: a table of columns under text or image headings, whose rows are small
// per-cell windows (text cells and check-box cells) in a scrolling cell area, with a
// vertical scroll bar, image push buttons along the bottom and a grip that changes the
// table's height (reported to the group with a MonSizeChangeHint).
//
// The cells are full windows (geometry, id, group, value) placed in content coordinates,
// row × row height, without toolkit windows of their own: the cell area draws those in view
// in one paint, and only the cell under the pointer holds a toolkit window (a surface), so a
// table of many thousand rows costs no more on screen than its view, and a view of many
// cells no more than one window.
//
//   pointer event              | what happens
//   ---------------------------+----------------------------------------------------------
//   left press in the grip     | (when resizable) height drag begins: capture, last y kept
//   motion while dragging      | height follows (75 … maximum); layout; ControlSelected,
//                              | then an update with a MonSizeChangeHint
//   left release while dragging| capture released, drag over
//   double click               | swallowed
//   any, over the cell area    | the cell under the pointer takes a surface and hears it
#include <memory>
#include <string>
#include <vector>

#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/font.h>

#include <vorn/controls/simple_scroll_bar.h>
#include <vorn/framework/control.h>
#include <vorn/framework/hints.h>
#include <vorn/text_lists/monster_box_model.h>

namespace vorn {

class VornControlGroup;
class VornMonsterBox;
class VornPushButton;
class VornwxBitmapCache;

namespace detail {
class MonsterCellArea;
}

/// The table changed its height (no fields).
class MonSizeChangeHint : public VornControlHint {
public:
    ~MonSizeChangeHint() override;
};

/// The four colours a table and its cells draw with.
struct MonsterBoxColours {
    wxColour background = wxColour(33, 36, 41); ///< Cell area and cells.
    wxColour second = wxColour(52, 94, 140);    ///< Flagged (highlighted) cells and the scroll tab's highlight.
    wxColour text = wxColour(214, 218, 224);    ///< Text of cells without a colour of their own, and headings.
    wxColour separator = wxColour(122, 130, 142); ///< Lines between cells and around the cell area.
};

/// A column heading: drawn by the table above its column.
class ColumnHeading {
public:
    virtual ~ColumnHeading();
    /// Draws into `rect` of the table's face; centred when the column's flag is set.
    virtual void Draw(wxDC& dc, const wxRect& rect, bool centred) const = 0;
};

/// A heading that shows a text in a font and colour.
class TextColumnHeading : public ColumnHeading {
public:
    /// The text (UTF-8), its colour and font.
    TextColumnHeading(const std::string& text, const wxColour& colour, const wxFont& font);
    /// Draws the text, cut at the rectangle.
    void Draw(wxDC& dc, const wxRect& rect, bool centred) const override;
    /// The text.
    const std::string& GetText() const { return m_text; }

private:
    std::string m_text;
    wxColour m_colour;
    wxFont m_font;
};

/// A heading that shows an image (not owned).
class BitmapColumnHeading : public ColumnHeading {
public:
    /// The image, or null for an empty heading.
    explicit BitmapColumnHeading(const wxBitmap* image) : m_image(image) {}
    /// Draws the image, vertically centred.
    void Draw(wxDC& dc, const wxRect& rect, bool centred) const override;

private:
    const wxBitmap* m_image;
};

/// A cell of the table: a child of the cell area. The cell is a VornControl, which is a
/// VornWindow and so a wxWindow: the cell area holds it without a toolkit window while it
/// is out of view, and a check-box cell is itself the control it reports as (a toggle
/// window inside the cell would need a second surface overlapping the cell's).
/// Its flag highlights it: it is drawn on the table's second colour. Without a surface of
/// its own (see above) the cell area draws it, and its repaints go there.
class ColumnEntry : public VornControl {
public:
    /// Makes the window at `rect` of the cell area the first time, moves it afterwards.
    virtual bool CreateEntry(const wxRect& rect, VornWindow* cellArea, const MonsterBoxColours& colours,
                             VornControlGroup* group);
    /// True when `control` is this cell.
    virtual bool IsControl(const VornControl* control) const;
    /// The control the cell reports as, or null for a cell that reports nothing.
    virtual VornControl* GetControl() { return nullptr; }

    /// Highlights the cell (second colour) or not.
    void SetFlag(bool flag);
    /// The highlight flag.
    bool GetFlag() const { return m_flag; }
    /// Centres the content (the column's flag) or puts it at the left.
    void SetCentred(bool centred) { m_centred = centred; }
    /// The table's colours; redraws.
    void SetColours(const MonsterBoxColours& colours);
    /// Fills with the background or second colour and draws the right and bottom separators.
    void OnDraw(wxDC* dc) override;

protected:
    /// Runs once after the window was made, with the table's group; does nothing here.
    virtual void OnCreated(VornControlGroup*) {}

    MonsterBoxColours m_colours; ///< The table's colours.
    bool m_flag = false;         ///< Highlighted.
    bool m_centred = false;      ///< Content centred.
};

/// A cell showing one line of text; it reports nothing.
class StaticTextColumnEntry : public ColumnEntry {
public:
    /// Text (UTF-8) and its colour; an invalid colour draws in the table's text colour.
    StaticTextColumnEntry(const std::string& text, const wxColour& colour, bool flag);
    /// Changes the text; redraws.
    void SetText(const std::string& text);
    /// The text.
    const std::string& GetText() const { return m_text; }
    /// Draws the cell, then the text, cut at the cell.
    void OnDraw(wxDC* dc) override;

private:
    std::string m_text;
    wxColour m_colour;
};

/// A cell that is an on/off toggle drawn from an image set (the button states), in the
/// table's group. A click (press and release over the cell) that switches it on sends
/// ControlSelected and an IntValChanged 1 with the cell as control; one that switches it
/// off ControlUnSelected and an IntValChanged 0. FindRowColumn maps the cell back to its
/// row and column. The cell's flag is its state at creation (never a highlight).
class CheckBoxColumnEntry : public ColumnEntry {
public:
    /// The image set (not owned; may be null: an empty cell that still toggles) and the first state.
    CheckBoxColumnEntry(const VornwxBitmapCache* cache, bool on);
    /// The cell itself.
    VornControl* GetControl() override { return this; }
    /// The on state.
    bool GetOn() const { return m_on; }
    /// Sets the state without telling the group.
    void SetOn(bool on);
    /// Draws the cell, then the state image centred (or at the left).
    void OnDraw(wxDC* dc) override;

protected:
    /// Joins the table's group under the cell's id.
    void OnCreated(VornControlGroup* group) override;
    /// A release over the cell flips the state and reports it.
    void OnMouseButton() override;

private:
    const VornwxBitmapCache* m_cache;
    bool m_on;
};

/// The table's scroll bar: scrolls the cell area and draws the handle image on its tab.
class MonsterScrollBar : public VornSimpleScrollBar {
public:
    /// A bar that scrolls `table`; Create follows.
    explicit MonsterScrollBar(VornMonsterBox* table) : m_table(table) {}
    /// The handle image (not owned), or null.
    void SetHandle(const wxBitmap* handle);
    /// Draws the bar, then the handle centred on the tab when it fits.
    void OnDraw(wxDC* dc) override;
    /// The track and tab geometry, with the tab made for the current fraction.
    const SimpleScrollBarModel& GetModel() const;
    /// The tab's top row at the current value.
    int GetTabTop() const { return GetModel().TabTop(GetSliderVal()); }

protected:
    /// Scrolls the table to the bar's value.
    void OnSliderChange() override;
    /// Marks the tab images stale: they are made when the bar is next drawn, hit or measured.
    void MakeTabImages() override;
    /// Hits the tab made for the current fraction.
    void OnMouseButton() override;
    /// Hits the tab made for the current fraction.
    void OnMouseMove(int x, int y) override;

private:
    void MakeStaleTabs() const;

    VornMonsterBox* m_table;
    const wxBitmap* m_handle = nullptr;
    mutable bool m_tabsStale = false; // the fraction changed since the tab images were made
    bool m_drawing = false;           // inside OnDraw, where the base remakes the tabs on a resize
};

/// One column: its place, heading, flag and cells (which the cell area owns).
struct MonsterColumn {
    int x = 0;            ///< The previous column's x + width; 0 for the first.
    int width = 0;        ///< Current width.
    int createdWidth = 0; ///< Width at creation, the reference for scaling.
    std::unique_ptr<ColumnHeading> heading; ///< The heading (owned).
    bool flag = false;    ///< The column's cells and heading are centred.
    std::vector<ColumnEntry*> cells; ///< The cells, top to bottom.
    VornMonsterBox* table = nullptr; ///< The table it belongs to.
};

/// The multi-column table.
class VornMonsterBox : public VornControl {
public:
    /// No window yet: Create must follow.
    VornMonsterBox();
    /// A table at (x, y) of w × h with three frame images (a: heading band, b: bottom band,
    /// c: divider before each bottom button, its width spacing them), all not owned and
    /// each may be null.
    VornMonsterBox(const wxBitmap* a, const wxBitmap* b, const wxBitmap* c, int x, int y, int w, int h,
                   const std::string& name, wxWindow* parent, int id, VornControlGroup* group, long style = 0);
    /// Takes the surfaces' owner, the cell area, down first.
    ~VornMonsterBox() override;

    /// Makes the table window, its buffer and the cell area at (12, 40) of (w − 50, h − 62).
    virtual bool Create(const wxBitmap* a, const wxBitmap* b, const wxBitmap* c, int x, int y, int w, int h,
                        const std::string& name, wxWindow* parent, int id, VornControlGroup* group, long style = 0);
    using VornControl::Create;

    /// Pixels per row (at least 1); the cells follow.
    void SetRowHeight(int height);
    /// Pixels per row.
    int GetRowHeight() const { return m_rowHeight; }
    /// Whether the grip works.
    void Resizable(bool resizable) { m_resizable = resizable; }
    /// The upper bound of a height drag.
    void SetMaxSize(int maxHeight) { m_maxHeight = maxHeight; }
    /// Background, second and text colours; the text colour is also the separator colour
    /// and the cell area takes the background.
    void SetColors(const wxColour& background, const wxColour& second, const wxColour& text);
    /// The separator colour.
    void SetSepColour(const wxColour& colour);
    /// The colours.
    const MonsterBoxColours& GetColours() const { return m_colours; }
    /// The scroll bar's handle image (not owned), or null.
    void SetScrollHandle(const wxBitmap* handle);

    /// Appends a column with an image heading.
    void AddColumn(const wxBitmap* image, int width, bool flag);
    /// Appends a column with a text heading in the window's font.
    void AddColumn(const std::string& text, const wxColour& colour, int width, bool flag);
    /// Appends a column with a text heading in a font.
    void AddColumn(const std::string& text, const wxColour& colour, const wxFont& font, int width, bool flag);
    /// Number of columns.
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    /// A column, or null for a bad index.
    const MonsterColumn* GetColumn(int column) const;

    /// Appends a text cell to a column (a bad column is ignored).
    void AddEntry(int column, const std::string& text, const wxColour& colour, bool flag);
    /// Appends a check-box cell to a column.
    void AddEntry(int column, const VornwxBitmapCache* cache, bool flag);
    /// Inserts a text cell at a row (clamped to the column's cells).
    void InsertEntry(int column, int row, const std::string& text, const wxColour& colour, bool flag);
    /// Inserts a check-box cell at a row.
    void InsertEntry(int column, int row, const VornwxBitmapCache* cache, bool flag);

    /// Appends a host pointer for the next row (not owned).
    void AddLineData(void* data) { m_lineData.push_back(data); }
    /// Inserts a host pointer at a row (clamped).
    void InsertLineData(int row, void* data);
    /// The host pointer of a row, or null.
    void* GetLineData(int row) const;

    /// The control of a cell (a check box's toggle; null for text cells and bad indices).
    VornControl* GetRowColumn(int row, int column) const;
    /// The cell, or null.
    ColumnEntry* GetRowColumnEntry(int row, int column) const;
    /// Finds the cell whose control (or itself) is `control`; row and column are -1 when none is.
    void FindRowColumn(VornControl* control, int& row, int& column) const;
    /// The largest number of cells in any column.
    int GetRowCount() const { return m_rows; }

    /// Removes the row's cell from every column, and its line data.
    void DeleteRow(int row);
    /// Removes every row.
    void ClearAll();

    /// Appends a bottom push button (size of its images) at y = inner height + 45.
    VornPushButton* AddButton(const VornwxBitmapCache* cache, int id, const std::string& tooltip,
                              VornControlGroup* group);
    /// The bottom buttons.
    const std::vector<VornPushButton*>& GetButtons() const { return m_buttons; }

    /// Stores the size; the buffer, the columns, the cell area and the inner height follow.
    void SetSize(int w, int h);
    using VornWindow::SetSize;
    /// Scrolls the cell area to (content − inner height) × f.
    void SetScrollPos(double f);
    using wxWindow::SetScrollPos;
    /// Shows the scroll bar when the rows do not fit, hides it otherwise, back to the top.
    void CheckForScroll();

    /// The table's name.
    const std::string& GetTableName() const { return m_name; }
    /// Height of the scrolling area.
    int GetInnerHeight() const { return m_innerHeight; }
    /// Content pixels the cell area is scrolled by.
    int GetScrollOffset() const { return m_scrollOffset; }
    /// The window that holds the cells.
    VornWindow* GetCellArea() const;
    /// The scroll bar, or null before it was first needed.
    MonsterScrollBar* GetScrollBar() const { return m_scrollBar; }
    /// True during a height drag.
    bool IsResizing() const { return m_resizing; }
    /// Style bit 4 at creation.
    bool GetStyleFlag() const { return m_flag; }

    /// Draws the frame, headings and grip through the buffer.
    void OnDraw(wxDC* dc) override;
    /// Toolkit handler: double clicks are swallowed.
    void OnDoubleClick(wxMouseEvent& event);

protected:
    /// A left press in the grip begins a height drag; the release ends it.
    void OnMouseButton() override;
    /// Follows the pointer while a height drag is under way.
    void OnMouseMove(int x, int y) override;

private:
    void Init();
    void AddColumn(std::unique_ptr<ColumnHeading> heading, int width, bool flag);
    void InsertCell(int column, int row, ColumnEntry* cell);
    void PlaceCells(MonsterColumn& column, size_t from);
    void DeleteCell(ColumnEntry* cell);
    void ViewChanged();
    void RecountRows();
    void DrawGrip(wxDC& dc) const;
    int ThirdImageWidth() const;

    std::vector<std::unique_ptr<MonsterColumn>> m_columns;
    std::vector<VornPushButton*> m_buttons; // children of the table: the toolkit destroys them
    std::vector<void*> m_lineData;
    std::string m_name = "no name";
    int m_initialWidth = 0;
    int m_innerHeight = 0;
    int m_rowHeight = 15;
    wxBitmap m_buffer;
    MonsterBoxColours m_colours;
    const wxBitmap* m_images[3] = {nullptr, nullptr, nullptr};
    const wxBitmap* m_scrollHandle = nullptr;
    detail::MonsterCellArea* m_cellArea = nullptr;
    MonsterScrollBar* m_scrollBar = nullptr;
    int m_rows = 0;
    bool m_resizing = false;
    int m_lastY = 0;
    bool m_resizable = true;
    int m_scrollOffset = 0;
    int m_maxHeight = MonsterBoxModel::kDefaultMaxHeight;
    bool m_flag = false;

    wxDECLARE_EVENT_TABLE();
};

} // namespace vorn
