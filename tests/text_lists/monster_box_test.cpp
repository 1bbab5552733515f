// The multi-column table: grip drag and its notifications, scroll bar, cell lookup, column
// scaling, and cells that get toolkit windows only when scrolled into view.
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

TEST_F(MonsterBoxTest, CheckBoxClickReportsThroughTheTableGroup)
{
    AddRows(2);
    ShowFrame();
    auto* cell = static_cast<CheckBoxColumnEntry*>(table->GetRowColumnEntry(1, 1));
    VornControl* toggle = cell->GetControl();
    ASSERT_EQ(toggle, cell);
    ASSERT_TRUE(toggle->IsRealised());
    EXPECT_FALSE(cell->GetOn());
    group.events.clear();
    LeftDown(toggle->GetSurface(), {3, 3});
    LeftUp(toggle->GetSurface(), {3, 3});
    const std::string id = std::to_string(toggle->GetId());
    EXPECT_EQ(group.events, (Log{"Selected id=" + id, "Update id=" + id + " IntValChanged 1"}));
    EXPECT_TRUE(cell->GetOn());
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

TEST_F(MonsterBoxTest, CellsGetToolkitWindowsOnlyInView)
{
    AddRows(1000);
    EXPECT_LT(table->GetCellArea()->GetChildren().size(), 40u) << "only the rows in view";
    auto* far = static_cast<StaticTextColumnEntry*>(table->GetRowColumnEntry(995, 0));
    EXPECT_FALSE(far->IsRealised());
    EXPECT_EQ(far->GetSurface(), nullptr);
    far->SetText("deep");
    table->GetScrollBar()->SetSliderVal(1.0, true);
    EXPECT_EQ(table->GetScrollOffset(), 15000 - 138);
    ASSERT_TRUE(far->IsRealised());
    ASSERT_NE(far->GetSurface(), nullptr);
    EXPECT_EQ(far->GetSurface()->GetPosition(), wxPoint(0, 995 * 15 - table->GetScrollOffset()));
    EXPECT_FALSE(table->GetRowColumnEntry(0, 0)->IsRealised());
    const wxImage shot = RenderToImage(far);
    int ink = 0;
    for (int y = 0; y < shot.GetHeight(); ++y)
        for (int x = 0; x < shot.GetWidth(); ++x)
            ink += PixelStr(shot, x, y) == ColourStr(kInk);
    EXPECT_GT(ink, 5) << "the text set while deferred is drawn";
}
