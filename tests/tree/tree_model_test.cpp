// The node layer without windows: rows of fixed metrics in plain lists.
#include <gtest/gtest.h>

#include <climits>

#include <vorn/tree/tree_node.h>
#include <vorn/tree/tree_row.h>
#include <vorn/tree/tree_wrappers.h>

using namespace vorn;

namespace {
// A row of fixed metrics that remembers where the layout put it.
class FixedRow : public VornLeafNode {
public:
    FixedRow(int w, int h, int a) : m{w, h, a} {}
    int GetWidth() override { return m.width; }
    int GetHeight() override { return m.height; }
    int GetAllignmentPoint() override { return m.alignment; }
    void SetDisplay(int l, int t, int r, int b) override { rect = wxRect(l, t, r - l, b - t); }
    VornVUIControl* GetVornVUIControl() override { return nullptr; }
    void Refresh() override {}
    TreeRowMetrics m;
    wxRect rect;
};

FixedRow* Row(VornTreeNode& list, int w, int h, int a)
{
    auto* row = new FixedRow(w, h, a);
    list.AddToEnd(row);
    return row;
}
} // namespace

TEST(TreeLayout, RowsLineUpOnTheirAlignmentPoints)
{
    VornTreeNode list;
    FixedRow* first = Row(list, 200, 32, 40);
    FixedRow* second = Row(list, 150, 20, 100);
    EXPECT_EQ(std::tuple(list.GetAllignmentPoint(), list.GetWidth(), list.GetHeight()), std::tuple(100, 260, 52));
    list.SetDisplay(5, 7, 265, 59);
    EXPECT_EQ(first->rect, wxRect(65, 7, 200, 32));
    EXPECT_EQ(second->rect, wxRect(5, 39, 150, 20));
    VornTreeNode empty;
    EXPECT_EQ(std::tuple(empty.GetAllignmentPoint(), empty.GetWidth(), empty.GetHeight()), std::tuple(0, 0, 0));
}

TEST(TreeLayout, PositionsAndListLimits)
{
    VornTreeRootNode registry(0, Color(), nullptr); // Exchange finds nodes by id
    VornTreeNode list;
    auto* extra = new FixedRow(1, 1, 0);
    EXPECT_FALSE(list.AddAtPosition(extra, 0)) << "cannot insert into an empty list";
    std::vector<FixedRow*> rows;
    const std::vector<std::vector<POSITION>> expected = {
        {FIRST}, {FIRST, LAST}, {FIRST, MIDDLE, LAST}, {FIRST, MIDDLE, MIDDLE, LAST}, {FIRST, MIDDLE, MIDDLE, MIDDLE, LAST}};
    for (const auto& marks : expected) {
        rows.push_back(Row(list, 10, 10, 0));
        for (size_t i = 0; i < marks.size(); ++i)
            EXPECT_EQ(rows[i]->GetPosition(), marks[i]) << marks.size() << " children, child " << i;
    }
    EXPECT_FALSE(list.AddAtPosition(extra, 5)) << "pos == size cannot append";
    EXPECT_FALSE(extra->OnTree());
    VornLeafNode* out = extra;
    EXPECT_FALSE(list.RemoveAtPosition(out, 5));
    EXPECT_EQ(out, nullptr);
    EXPECT_TRUE(list.RemoveFromEnd(out));
    EXPECT_EQ(out, rows[4]);
    EXPECT_FALSE(out->OnTree());
    EXPECT_EQ(rows[3]->GetPosition(), LAST);
    EXPECT_TRUE(list.AddAtPosition(out, 0));
    EXPECT_EQ(std::tuple(out->GetPosition(), rows[0]->GetPosition()), std::tuple(FIRST, MIDDLE));
    for (VornNode* node : {(VornNode*)extra, (VornNode*)rows[0], (VornNode*)rows[3], (VornNode*)out})
        registry.Register(node);
    EXPECT_TRUE(list.Exchange(extra, rows[3]));
    EXPECT_EQ(std::tuple(list.GetEnd(), extra->GetPosition(), rows[3]->OnTree()), std::tuple(extra, LAST, false));
    delete rows[3];
}

TEST(TreeLayout, HitTestsFindTheRowUnderThePoint)
{
    VornTreeNode list;
    FixedRow* top = Row(list, 100, 30, 50);
    FixedRow* narrow = Row(list, 20, 30, 10);
    VornNode* out = nullptr;
    list.GetNodeFromPoint(out, 10, 30);
    EXPECT_EQ(out, top) << "the bottom edge belongs to the row";
    list.GetNodeFromPoint(out, 45, 31);
    EXPECT_EQ(out, narrow);
    list.GetNodeFromPoint(out, 39, 31);
    EXPECT_EQ(out, &list) << "left of the narrow row";
    list.GetNodeFromPoint(out, 10, 61);
    EXPECT_EQ(out, &list) << "below every row";
}

TEST(TreeRegistry, IdsComeInOrderAndDeletedNodesLeave)
{
    VornTreeRootNode root(100, Color(), nullptr);
    EXPECT_EQ(root.GetNodeID(), 0);
    EXPECT_FALSE(root.Register(&root));
    FixedRow a(1, 1, 0), b(1, 1, 0);
    EXPECT_TRUE(root.Register(&a));
    EXPECT_TRUE(root.Register(&b));
    EXPECT_EQ(std::tuple(a.GetNodeID(), b.GetNodeID()), std::tuple(1, 2));
    EXPECT_FALSE(root.Register(&a));
    EXPECT_TRUE(root.Deregister(&a));
    EXPECT_EQ(a.GetNodeID(), -1);
    EXPECT_FALSE(root.Deregister(&a));
    EXPECT_TRUE(root.Register(&a));
    EXPECT_EQ(a.GetNodeID(), 3) << "ids are never reused";
    auto* list = new VornTreeNode;
    auto* gone = new FixedRow(1, 1, 0);
    root.Register(gone);
    list->AddToEnd(gone);
    EXPECT_EQ(root.GetNodeList().size(), 3u);
    delete list; // deletes its child, which leaves the registry
    EXPECT_EQ(root.GetNodeList(), (std::list<VornNode*>{&b, &a}));
    EXPECT_EQ(root.GetNodeFromVornControlID(1), nullptr);
    // The root lines its children's alignment points up at its allign x (100).
    auto* child = Row(root, 80, 30, 40);
    EXPECT_EQ(root.GetWidth(), 140);
    VornNode* out = nullptr;
    root.GetNodeFromPoint(out, 60, 10);
    EXPECT_EQ(out, child);
    root.GetNodeFromPoint(out, 59, 10);
    EXPECT_EQ(out, &root);
}

TEST(TreeLayout, KeptMetricsFollowEveryChange)
{
    VornTreeRootNode root(100, Color(), nullptr);
    FixedRow* row = Row(root, 80, 30, 40);
    EXPECT_EQ(root.GetHeight(), 30);
    Row(root, 50, 20, 60);
    EXPECT_EQ(std::tuple(root.GetHeight(), root.GetRealTreeAllign()), std::tuple(50, 60));
    VornLeafNode* out = nullptr;
    root.RemoveFromEnd(out);
    delete out;
    EXPECT_EQ(root.GetRealTreeAllign(), 40);
    row->m = {90, 44, 40}; // a row tells a new size by refreshing the root
    root.Refresh();
    EXPECT_EQ(std::tuple(root.GetHeight(), root.GetWidth()), std::tuple(44, 150));
}

TEST(TreeLayout, ScrollRuleAndShortenedLabels)
{
    EXPECT_EQ(TreeScrollPosition(0.5, 1000, 200), 400);
    EXPECT_EQ(TreeScrollPosition(0.333, 1000, 199), 267); // 266.733 rounds up
    EXPECT_EQ(TreeScrollPosition(1.0, 32000, 200), 31800);
    // Ten pixels a character (a multi-byte character counts once).
    const TreeTextMeasure measure = [](const std::string& s) {
        int n = 0;
        for (unsigned char c : s)
            n += (c & 0xC0) != 0x80;
        return 10 * n;
    };
    struct Case {
        std::string name;
        int rowX;
        bool shown;
        std::string text;
        int x;
    };
    const std::vector<Case> cases = {
        {"abcdef", 0, true, "abcdef", 0},      {"abcdef", 5, true, "abcdef", 0},
        {"abcdef", -10, true, "ab...", 10},    {"abcdef", -35, true, "..", 35},
        {"abcdef", -45, true, ".", 45},        {"abcdef", -55, true, "", 55},
        {"abcdef", -80, true, "", 80},         {"abcdef", -81, false, "", 0},
        {"\xC3\xA9\xC3\xA9\xC3\xA9xyz", -10, true, "\xC3\xA9\xC3\xA9...", 10},
    };
    for (const Case& c : cases) {
        std::string text;
        int x = 0;
        const bool shown = ShortenTreeLabel(c.name, 60, 80, c.rowX, measure, text, x);
        EXPECT_EQ(std::tuple(shown, text, x), std::tuple(c.shown, c.text, c.x)) << c.name << " at " << c.rowX;
    }
}

TEST(TreeWrappers, EditTextAndLeadingNumbers)
{
    EXPECT_EQ(TreeEditText(2.5, 0), "3");
    EXPECT_EQ(TreeEditText(-0.7, 0), "0"); // +0.5, then truncated toward zero
    EXPECT_EQ(TreeEditText(1e300, 0), std::to_string(INT_MAX));
    EXPECT_EQ(TreeEditText(3, 1), "3.000000");
    EXPECT_EQ(TreeEditText(1.25, 2), "1.250000");
    EXPECT_EQ(TreeEditText(7, 2), "7");
    EXPECT_EQ(TreeLeadingReal(" 2.5abc"), 2.5);
    EXPECT_EQ(TreeLeadingReal("+1e2"), 100.0);
    EXPECT_EQ(TreeLeadingReal("x1"), 0.0);
    EXPECT_EQ(TreeLeadingReal(""), 0.0);
}

TEST(TreeSeparator, StoresEachKindOfValueApart)
{
    VUITreeSeperator sep(41);
    static_cast<IntVal&>(sep).SetValue(3);
    static_cast<VornStringVal&>(sep).SetValue("x");
    int i = 0;
    double d = 1.0;
    std::string s;
    static_cast<IntVal&>(sep).GetValue(i);
    static_cast<RealVal&>(sep).GetValue(d);
    static_cast<VornStringVal&>(sep).GetValue(s);
    EXPECT_EQ(std::tuple(i, d, s, sep.GetAllignmentPt(), sep.GetMaxHeight()), std::tuple(3, 0.0, "x", 20, 1));
}
