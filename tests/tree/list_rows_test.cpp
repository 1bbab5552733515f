// The list, enumeration, table and pop rows in a real tree: sizes before and after their
// widgets exist, the tree's layout following a row that folds open, and the hints they send.
#include <vorn/text_lists/monster_box.h>
#include <vorn/tree/list_rows.h>
#include <vorn/tree/tree_control.h>

#include "pixels.h"
#include "test_support.h"
#include "tree_skin.h"

using namespace vorn;
using namespace vorntest;

namespace {
struct NodeLog : MessageReceiver {
    void OnMessage(unsigned int, VornControl*, VornControlHint* h) override
    {
        log.push_back(dynamic_cast<NodeChangedHint*>(h) ? "changed" : "other");
    }
    std::vector<std::string> log;
};

class ListRowsTest : public TreeRowsTest<NodeLog, 400, 300> {
protected:
    static void Click(VornWindow* w)
    {
        LeftDown(w->GetSurface(), {3, 3});
        LeftUp(w->GetSurface(), {3, 3});
    }
};
} // namespace

TEST_F(ListRowsTest, OpeningATableRowGrowsItAndMovesTheRowsBelow)
{
    std::string name = "table";
    auto* row = Add(new VUITreeMonsterBox(am, "t", nullptr, nullptr, nullptr, false, 200, 100, name, nullptr));
    ASSERT_NE(row->GetMonsterBox(), nullptr) << "the host fills it before the row shows";
    auto* below = Add(new VUITreeLB(am, "below"));
    Realise();
    const int a = row->GetAllignmentPt(), indent = row->GetIndent();
    ASSERT_GT(indent, 0);
    const int y0 = below->GetPosY();
    EXPECT_EQ(row->GetSize(), wxSize(a + indent + 1, 32));
    Click(row->GetToggle());
    EXPECT_TRUE(row->GetExpanded());
    EXPECT_EQ(row->GetSize(), wxSize(a + indent + 200, 116));
    EXPECT_EQ(below->GetPosY() - y0, 84);
    EXPECT_EQ(row->GetMonsterBox()->GetRect(), wxRect(a + indent, 16, 200, 100));
    EXPECT_TRUE(row->GetMonsterBox()->IsShown());

    // The grip's drag reaches the row as a MonSizeChangeHint; the tree follows.
    Realise();
    wxWindow* table = row->GetMonsterBox()->GetSurface();
    ASSERT_NE(table, nullptr);
    LeftDown(table, {200 - 16, 100 - 17});
    Motion(table, {200 - 16, 100 - 17 + 30});
    LeftUp(table, {200 - 16, 100 - 17 + 30});
    EXPECT_EQ(row->GetHeight(), 146);
    EXPECT_EQ(below->GetPosY() - y0, 114);

    row->SetExpanded(false, true);
    EXPECT_FALSE(row->GetToggle()->GetOn());
    EXPECT_FALSE(row->GetMonsterBox()->IsShown());
    EXPECT_EQ(below->GetPosY(), y0);
}

TEST_F(ListRowsTest, PopRowOpensOnlyWithAHostWindow)
{
    auto* row = Add(new VUITreePopControl(am, "pop"));
    auto* below = Add(new VUITreeLB(am, "below"));
    Realise();
    const int y0 = below->GetPosY();
    Click(row->GetToggle());
    EXPECT_FALSE(row->GetExpanded());
    EXPECT_FALSE(row->GetToggle()->GetOn()) << "the toggle shows off again";
    EXPECT_EQ(row->GetHeight(), 32);

    auto* host = new VornWindow(row->GetXOffset(), row->GetYOffset(), 150, 60, row->GetDisplayWindow(), -1);
    row->SetVornWindowPtr(host);
    EXPECT_FALSE(host->IsShown());
    Click(row->GetToggle());
    EXPECT_TRUE(row->GetExpanded() && host->IsShown());
    EXPECT_EQ(row->GetSize(), wxSize(row->GetXOffset() + 150, 76));
    EXPECT_EQ(below->GetPosY() - y0, 44);
    Click(row->GetToggle());
    EXPECT_FALSE(row->GetExpanded() || host->IsShown());
    EXPECT_EQ(below->GetPosY(), y0);
}

TEST_F(ListRowsTest, ListRowSizesFromItsSkinBeforeAndAfterTheBox)
{
    auto* row = new VUITreeLB(am, "list");
    EXPECT_EQ(row->GetMaxWidth(), row->GetAllignmentPt() + 4);
    const int before = Add(row)->GetMaxWidth();
    Realise();
    VornListBox* box = row->GetListBox();
    ASSERT_NE(box, nullptr);
    const int a = row->GetAllignmentPt(), ih = box->GetInfo().imageCache->GetHeight();
    EXPECT_GT(box->GetWidth(), 1);
    EXPECT_EQ(row->GetSize(), wxSize(before, 32));
    EXPECT_EQ(before, a + box->GetWidth() + 23) << "known before the box";
    EXPECT_EQ(box->GetPosition(), wxPoint(a + 15, static_cast<int>(16.0 - ih * 0.5)));
}

TEST_F(ListRowsTest, EnumRowShowsItsSelectionAndReportsEachChoiceOnce)
{
    auto* row = Add(new VUITreeEnumLB(am, "enum"));
    row->SetValue("low|medium|high"); // before the box: held, shown once it exists
    Realise();
    VornListBox* box = row->GetListBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->GetCount(), 3);
    EXPECT_EQ(box->GetSelected(), -1);
    EXPECT_EQ(box->GetShownText(), "");

    box->SetSelected(2, true); // what the pop-up does when an entry is clicked
    EXPECT_EQ(hints.log, std::vector<std::string>{"changed"});
    std::string value;
    row->GetValue(value);
    EXPECT_EQ(value, "low|medium|*high");

    row->SetValue("a|*b");
    EXPECT_EQ(std::make_tuple(box->GetCount(), box->GetSelected(), box->GetShownText()),
              std::make_tuple(2, 1, std::string("b")));
    row->SetValue("|"); // does not parse: the row empties
    row->GetValue(value);
    EXPECT_EQ(std::make_tuple(value, box->GetCount()), std::make_tuple(std::string(), 0));
    EXPECT_EQ(hints.log.size(), 1u) << "the host's SetValue is not echoed";
}

TEST_F(ListRowsTest, MovieBarDrawsInTheTreeColours)
{
    const wxBitmap start = Solid(6, 10), end = Solid(6, 10), value = Solid(5, 8);
    auto* bar = new VornVUIMovieBar(&start, &end, &value, 0, 0, 200, 24, panel, -1, nullptr);
    bar->SetTreeColours(Color(0.2, 0.2, 0.2), Color(1.0, 1.0, 1.0), Color(0.0, 0.0, 1.0));
    bar->SetStart(0.25);
    const wxImage image = RenderToImage(bar, wxSize(200, 24));
    const int rangeLeft = bar->GetModel().RangeLeft();
    const std::string background = ColourStr(wxColour(51, 51, 51));
    EXPECT_EQ(PixelStr(image, 100, 3), background) << "above the bar";
    EXPECT_EQ(PixelStr(image, 120, 16), ColourStr(*wxBLUE)) << "range";
    EXPECT_EQ(PixelStr(image, rangeLeft - 20, 16), background) << "bar left of the range";
}
