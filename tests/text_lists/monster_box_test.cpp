// The multi-column table: grip drag and its notifications, scroll bar, cell lookup, column
// scaling, and cells drawn by the cell area with a toolkit window only under the pointer.
#include <vorn/assets/image_cache.h>
#include <vorn/controls/button.h>
#include <vorn/text_lists/monster_box.h>

#include "../support/group_recorder.h"
#include "../support/test_support.h"

using namespace vorn;
using namespace vorntest;

namespace {

const wxColour kInk(255, 0, 0);

class MonsterBoxTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        for (int s = VORN_IMAGE_OFF; s <= VORN_IMAGE_OFF_DOWN; ++s)
            checks.AssignImageOwn(s, NewSolid(11, 11, *wxWHITE));
        table = new VornMonsterBox(nullptr, nullptr, nullptr, 0, 0, 300, 200, "t", panel, 5, &group);
        table->AddColumn("name", *wxWHITE, 100, false);
        table->AddColumn("on", *wxWHITE, 40, true);
        table->Show();
    }
    void AddRows(int n)
    {
        for (int i = 0; i < n; ++i) {
            table->AddEntry(0, "row " + std::to_string(i), kInk, false);
            table->AddEntry(1, &checks, i % 2 == 0);
        }
    }
    VornwxBitmapCache checks;
    GroupRecorder group;
    VornMonsterBox* table = nullptr;
};

} // namespace

TEST_F(MonsterBoxTest, GripDragReportsAndStopsAtTheBounds)
{
    ShowFrame();
    VornPushButton* button = table->AddButton(&checks, 40, "add", nullptr);
    EXPECT_EQ(button->GetPosition(), wxPoint(38, 183));
    LeftDown(table, {150, 183}); // outside the grip
    EXPECT_FALSE(table->IsResizing());
    LeftUp(table, {150, 183});
    LeftDown(table, {284, 183});
    ASSERT_TRUE(table->IsResizing());
    group.events.clear();
    Motion(table, {284, 193});
    EXPECT_EQ(group.events, (Log{"Selected id=5", "Update id=0 MonSizeChangeHint"}));
    EXPECT_EQ(table->GetHeight(), 210);
    Motion(table, {284, 0});
    EXPECT_EQ(table->GetHeight(), 75);
    EXPECT_EQ(table->GetInnerHeight(), 13);
    EXPECT_EQ(table->GetCellArea()->GetSize(), wxSize(250, 13));
    EXPECT_EQ(button->GetPosY(), 58);
    table->SetMaxSize(240);
    Motion(table, {284, 900});
    EXPECT_EQ(table->GetHeight(), 240);
    LeftUp(table, {284, 900});
    EXPECT_FALSE(table->IsResizing());
    EXPECT_FALSE(table->IsMouseCaptive());
    table->Resizable(false);
    LeftDown(table, {284, 220});
    EXPECT_FALSE(table->IsResizing());
}

TEST_F(MonsterBoxTest, ScrollBarOnlyWhenRowsDoNotFitAndLookups)
{
    AddRows(9); // 135 px in 139
    EXPECT_EQ(table->GetRowCount(), 9);
    EXPECT_TRUE(table->GetScrollBar() == nullptr || !table->GetScrollBar()->IsVisible());
    AddRows(1);
    ASSERT_NE(table->GetScrollBar(), nullptr);
    EXPECT_TRUE(table->GetScrollBar()->IsVisible());
    EXPECT_DOUBLE_EQ(table->GetScrollBar()->GetFractionVal(), 139.0 / 150.0);
    const SimpleScrollBarModel& bar = table->GetScrollBar()->GetModel(); // the tab follows before any paint
    EXPECT_EQ(bar.GetTabHeight(), bar.TabHeightFor(139.0 / 150.0));

    int row = 0, column = 0;
    VornButton foreign(&checks, 0, 0, panel, 99, nullptr);
    table->FindRowColumn(&foreign, row, column);
    EXPECT_EQ(wxPoint(row, column), wxPoint(-1, -1));
    table->FindRowColumn(table->GetRowColumn(7, 1), row, column);
    EXPECT_EQ(wxPoint(row, column), wxPoint(7, 1));
    EXPECT_EQ(table->GetRowColumn(7, 0), nullptr) << "a text cell has no control";

    table->DeleteRow(0);
    EXPECT_EQ(table->GetRowCount(), 9);
    EXPECT_FALSE(table->GetScrollBar()->IsVisible());
    EXPECT_EQ(table->GetRowColumnEntry(0, 0)->GetPosition(), wxPoint(0, 0));
    EXPECT_EQ(static_cast<StaticTextColumnEntry*>(table->GetRowColumnEntry(0, 0))->GetText(), "row 1");
}

TEST_F(MonsterBoxTest, CheckBoxClickOnTheCellAreaReportsThroughTheTableGroup)
{
    AddRows(2);
    ShowFrame();
    auto* cell = static_cast<CheckBoxColumnEntry*>(table->GetRowColumnEntry(1, 1));
    ASSERT_EQ(cell->GetControl(), cell);
    EXPECT_FALSE(cell->IsRealised()) << "drawn by the cell area until the pointer comes";
    group.events.clear();
    VornWindow* area = table->GetCellArea();
    LeftDown(area, {103, 18}); // row 1, column 1
    ASSERT_TRUE(cell->IsRealised());
    LeftUp(cell->GetSurface(), {3, 3});
    const std::string id = std::to_string(cell->GetId());
    EXPECT_EQ(group.events, (Log{"Selected id=" + id, "Update id=" + id + " IntValChanged 1"}));
    EXPECT_TRUE(cell->GetOn());
    Motion(area, {10, 3}, kNone);
    EXPECT_FALSE(cell->IsRealised()) << "the surface follows the pointer";
    EXPECT_FALSE(cell->GetMouseOver());
    EXPECT_TRUE(table->GetRowColumnEntry(0, 0)->IsRealised());
}

TEST_F(MonsterBoxTest, DoublingTheWidthDoublesEveryColumn)
{
    AddRows(3);
    table->SetSize(600, 200);
    EXPECT_EQ(table->GetColumn(0)->width, 200);
    EXPECT_EQ(table->GetColumn(1)->width, 80);
    EXPECT_EQ(table->GetColumn(1)->x, 200);
    EXPECT_EQ(table->GetRowColumnEntry(2, 1)->GetRect(), wxRect(200, 30, 80, 15));
}

TEST_F(MonsterBoxTest, TheCellAreaDrawsTheCellsInViewAndThePointerCellAloneHasASurface)
{
    AddRows(1000);
    VornWindow* area = table->GetCellArea();
    EXPECT_TRUE(area->GetChildren().empty());
    auto* far = static_cast<StaticTextColumnEntry*>(table->GetRowColumnEntry(995, 0));
    EXPECT_EQ(far->GetWindowVariant(), wxWINDOW_VARIANT_NORMAL) << "cheap construction keeps the toolkit's default";
    far->SetText("deep");
    table->GetScrollBar()->SetSliderVal(1.0, true);
    EXPECT_EQ(table->GetScrollOffset(), 15000 - 138);
    const int top = 995 * 15 - table->GetScrollOffset();
    wxBitmap painted(area->GetClientSize(), 24);
    {
        wxMemoryDC dc(painted);
        area->DrawWithDeferred(&dc); // what the area's paint shows
    }
    const wxImage own = RenderToImage(far), shot = painted.ConvertToImage();
    int same = 0;
    for (int y = 0; y < own.GetHeight(); ++y)
        for (int x = 0; x < own.GetWidth(); ++x)
            same += PixelStr(own, x, y) == PixelStr(shot, x, top + y);
    EXPECT_EQ(same, own.GetWidth() * own.GetHeight()) << "the text set while out of view is drawn in place";
    EXPECT_FALSE(far->IsRealised());
    Motion(area, {5, top + 4}, kNone);
    ASSERT_TRUE(far->IsRealised());
    EXPECT_EQ(far->GetSurface()->GetPosition(), wxPoint(0, top));
    table->GetScrollBar()->SetSliderVal(0.0, true);
    EXPECT_FALSE(far->IsRealised()) << "scrolled out of view";
}
