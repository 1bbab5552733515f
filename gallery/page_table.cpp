// Table page: a 1,000-row table with text and check-box columns, add and remove buttons
// along the bottom and a grip that changes its height. Everything the table and its
// cells report reaches the log; check-box clicks are named by row and column.
#include <wx/sizer.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/controls/button.h>
#include <vorn/text_lists/monster_box.h>

#include "host_controls.h"
#include "logging_group.h"
#include "mouse_script.h"
#include "pages.h"

using namespace vorn;

namespace {

constexpr int kRows = 1000;
constexpr int kTableWidth = 440;
constexpr int kTableHeight = 320;
const char* const kNames[] = {"camera", "key light", "fill light", "ground", "sky", "teapot", "torus", "fog"};

struct TableLook {
    const wxBitmap* top = nullptr;
    const wxBitmap* bottom = nullptr;
    const wxBitmap* divider = nullptr;
    const wxBitmap* handle = nullptr;
    const VornwxBitmapCache* check = nullptr;
    const VornwxBitmapCache* add = nullptr;
    const VornwxBitmapCache* remove = nullptr;
    wxColour background = wxColour(33, 36, 41), second = wxColour(52, 94, 140), text = wxColour(214, 218, 224);
    wxColour separator = wxColour(70, 76, 86), frame = wxColour(44, 48, 54);
};

TableLook LoadLook(AssetManager* assets)
{
    TableLook look;
    if (!assets)
        return look;
    assets->LoadImageCached(vornskin::kTableTop, look.top);
    assets->LoadImageCached(vornskin::kTableBottom, look.bottom);
    assets->LoadImageCached(vornskin::kTableDivider, look.divider);
    assets->LoadImageCached(vornskin::kTableHandle, look.handle);
    assets->LoadImagesCached(vornskin::kTableCheck, look.check);
    assets->LoadImagesCached(vornskin::kTableAdd, look.add);
    assets->LoadImagesCached(vornskin::kTableRemove, look.remove);
    assets->GetColour(vornskin::kTableBackground, look.background);
    assets->GetColour(vornskin::kTableSecond, look.second);
    assets->GetColour(vornskin::kTableText, look.text);
    assets->GetColour(vornskin::kTableSeparator, look.separator);
    assets->GetColour(vornskin::kTableFrame, look.frame);
    return look;
}

// The host's group: logs what reaches it, names check-box cells by row and column, and
// answers the bottom buttons.
class TableGroup : public LoggingGroup<VornControlGroupValue> {
public:
    using LoggingGroup::LoggingGroup;
    VornMonsterBox* table = nullptr;
    std::function<void(unsigned int id)> onButton;

    void ControlSelected(unsigned int id, VornControl* c) override
    {
        LoggingGroup::ControlSelected(id, c);
        NoteCell(c);
        if (onButton && c != table)
            onButton(id);
    }
    void ControlUnSelected(unsigned int id, VornControl* c) override
    {
        LoggingGroup::ControlUnSelected(id, c);
        NoteCell(c);
    }

private:
    void NoteCell(VornControl* c)
    {
        int row = -1, column = -1;
        if (table)
            table->FindRowColumn(c, row, column);
        if (row < 0)
            return;
        auto* cell = dynamic_cast<CheckBoxColumnEntry*>(table->GetRowColumnEntry(row, column));
        m_log->Note("  cell row " + std::to_string(row) + " column " + std::to_string(column) +
                    (cell && cell->GetOn() ? " on" : " off"));
    }
};

class TablePage : public wxPanel, public GalleryDemo {
public:
    TablePage(wxWindow* parent, GalleryContext& context)
        : wxPanel(parent), m_context(context), m_look(LoadLook(context.assets)), m_group(context.log)
    {
        m_group.Register(context.log);
        ApplyPageColours(this, context.assets);
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        AddIntro(this, sizer,
                 "1,000 rows, drawn by the table; only the cell under the pointer holds a toolkit window. Click a "
                 "check box, add or remove rows, drag the grip (bottom right).");
        m_table = new VornMonsterBox(m_look.top, m_look.bottom, m_look.divider, 0, 0, kTableWidth, kTableHeight,
                                     "objects", this, NextControlId(), &m_group);
        m_table->SetBgColour(m_look.frame);
        m_table->SetColors(m_look.background, m_look.second, m_look.text);
        m_table->SetSepColour(m_look.separator);
        m_table->SetScrollHandle(m_look.handle);
        m_table->AddColumn("#", m_look.text, 50, false);
        m_table->AddColumn("object", m_look.text, 180, false);
        m_table->AddColumn("visible", m_look.text, 80, true);
        m_table->AddColumn("locked", m_look.text, 80, true);
        for (int i = 0; i < kRows; ++i)
            AddRow(i);
        m_addId = NextControlId();
        m_removeId = NextControlId();
        m_table->AddButton(m_look.add, m_addId, "add a row", &m_group);
        m_table->AddButton(m_look.remove, m_removeId, "remove the last row", &m_group);
        m_group.table = m_table;
        m_group.onButton = [this](unsigned int id) {
            if (id == m_addId)
                AddRow(m_table->GetRowCount());
            else if (id == m_removeId)
                m_table->DeleteRow(m_table->GetRowCount() - 1);
            else
                return;
            m_context.log->Note("host: " + std::to_string(m_table->GetRowCount()) + " rows");
        };
        m_table->Show();
        sizer->Add(m_table, 0, wxALL, 8);
        SetSizer(sizer);
    }

    ~TablePage() override
    {
        m_group.DeRegister(m_context.log);
        DestroyChildren();
    }

    // Drags the grip up by 60 pixels, then the scroll tab a good way down, then clicks the
    // first check box in view.
    void RunDemo() override
    {
        using namespace gallery;
        const wxPoint grip(m_table->GetWidth() - 16, m_table->GetHeight() - 17);
        Press(m_table, grip);
        for (int dy = 15; dy <= 60; dy += 15)
            DragTo(m_table, grip - wxPoint(0, dy));
        Release(m_table, grip - wxPoint(0, 60));
        MonsterScrollBar* bar = m_table->GetScrollBar();
        if (bar) {
            const int tab = bar->GetTabTop() + 3;
            Press(bar, {5, tab});
            DragTo(bar, {5, tab + 60});
            Release(bar, {5, tab + 60});
        }
        int first = 0, last = 0;
        MonsterBoxModel::RowsInView(m_table->GetScrollOffset(), m_table->GetInnerHeight(), m_table->GetRowHeight(),
                                    m_table->GetRowCount(), first, last);
        // The press reaches the cell area, which hands it to the cell under it; from then on
        // the cell has a surface of its own, which hears the release.
        ColumnEntry* check = m_table->GetRowColumnEntry(first + 1, 2);
        if (check) {
            const wxPoint at = check->GetPosition() + wxPoint(4, 4 - m_table->GetScrollOffset());
            Press(m_table->GetCellArea(), at);
            if (check->GetSurface())
                Release(check->GetSurface(), {4, 4});
        }
    }

private:
    void AddRow(int i)
    {
        const wxColour& ink = i % 10 == 0 ? m_look.second : m_look.text;
        m_table->AddEntry(0, std::to_string(i + 1), ink, false);
        m_table->AddEntry(1, std::string(kNames[i % 8]) + " " + std::to_string(i / 8 + 1), wxNullColour, i % 25 == 0);
        m_table->AddEntry(2, m_look.check, i % 3 != 0);
        m_table->AddEntry(3, m_look.check, i % 7 == 0);
        m_table->AddLineData(nullptr);
    }

    GalleryContext& m_context;
    TableLook m_look;
    TableGroup m_group;
    VornMonsterBox* m_table = nullptr;
    unsigned int m_addId = 0;
    unsigned int m_removeId = 0;
};

} // namespace

wxWindow* BuildTablePage(wxWindow* parent, GalleryContext& context) { return new TablePage(parent, context); }
