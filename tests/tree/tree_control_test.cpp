// The tree as windows: layout numbers, the scroll bar, expand/collapse, the hints rows
// send, and rows drawn by the root control, with a toolkit window only under the pointer.
#include <gtest/gtest.h>

#include <vorn/assets/asset_loader.h>
#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/tree/tree_control.h>
#include <vorn/tree/tree_wrappers.h>

#include "pixels.h"
#include "test_support.h"

using namespace vorn;
using namespace vorntest;

namespace {
// A plain labelled row; its widget messages arrive through Relay.
class TestRow : public VUITreeControlBase {
public:
    explicit TestRow(AssetManager* assets, const std::string& name, bool func = false)
        : VUITreeControlBase(assets, name, func) {}
    void Relay(VornControl* from, VornControlHint* hint) { NotifyParentGroup(0, from, hint); }
};

class NodeHints : public MessageReceiver {
public:
    void OnMessage(unsigned int, VornControl*, VornControlHint* hint) override
    {
        if (auto* h = dynamic_cast<NodeChangedHint*>(hint))
            log.push_back("changed " + std::to_string(h->nodeId));
        else if (auto* h = dynamic_cast<NodeChangingHint*>(hint))
            log.push_back("changing " + std::to_string(h->nodeId));
        else if (auto* h = dynamic_cast<FunctionButtonPushHint*>(hint))
            log.push_back("function " + std::to_string(h->requestedKind) + " " + std::to_string(h->currentKind));
    }
    std::vector<std::string> log;
};

class TreeTest : public GuiTest {
protected:
    static void SetUpTestSuite()
    {
        s_assets = std::make_unique<AssetManager>();
        auto* loader = new FileAssetLoader;
        loader->Init(std::string(VORN_TEST_SKIN_DIR) + "/");
        s_assets->SetAssetLoader(loader);
        s_assets->LoadAssets();
        s_assets->LoadColourData(vornskin::kColourScript);
        s_assets->LoadFontData(vornskin::kFontScript);
    }
    static void TearDownTestSuite() { s_assets.reset(); }
    void SetUp() override
    {
        GuiTest::SetUp();
        tree = new VornMainVUITreeControl(120, &assets, 0, 0, 300, 200, panel, -1, nullptr);
        tree->GetTreeControlGroup()->Register(&hints);
    }
    // A press on the root control, which passes it to the window under it; true when that
    // window took a toolkit window for what follows.
    bool PressThroughRoot(VornWindow* target)
    {
        VornWindow* root = tree->GetTreeRoot()->GetRootControl();
        LeftDown(root, target->GetRectInHost().GetTopLeft() - root->GetDeferredOrigin() + wxPoint(1, 1));
        return target->IsRealised();
    }
    TestRow* Add(VornNode* where, const std::string& name)
    {
        auto* row = new TestRow(&assets, name);
        AddToEnd(where, row);
        return row;
    }
    static inline std::unique_ptr<AssetManager> s_assets;
    AssetManager& assets = *s_assets;
    VornMainVUITreeControl* tree = nullptr;
    NodeHints hints;
};
} // namespace

TEST_F(TreeTest, RowsAndBranchHeadersTakeTheirSizes)
{
    TestRow* row = Add(tree->GetTreeRoot(), "row");
    VornBranchNode* branch = AddBranchToEnd(tree, "branch");
    Add(branch, "inner one");
    Add(branch, "inner two");
    tree->RefreshTree();
    const int a = row->GetAllignmentPt();
    EXPECT_EQ(a, row->GetLabelSize().x + 20);
    EXPECT_EQ(row->GetSize(), wxSize(a + 103, 32));
    VornVUIBranchControl* header = branch->GetHeader();
    EXPECT_EQ(header->GetHeight(), 36);
    EXPECT_EQ(header->GetPosY(), 32);
    // Every alignment point of the top list sits at allign − bar width − 25 − root x = 120 − 36.
    EXPECT_EQ(row->GetPosX() + a, 84);
    EXPECT_EQ(header->GetPosX() + header->GetAllignmentPt(), 84);
    branch->Exp();
    EXPECT_EQ(header->GetHeight(), 102);
    EXPECT_TRUE(branch->GetHeader()->GetToggleButton()->GetOn());
    VornVUIControl* inner = branch->GetTree()->GetBegin()->GetVornVUIControl();
    EXPECT_TRUE(inner->IsVisible());
    EXPECT_EQ(inner->GetPosY(), 38);
    EXPECT_EQ(inner->GetPosX() + inner->GetAllignmentPt(), header->GetTreeOffsetX() + branch->GetTree()->GetAllignmentPoint());
    branch->Col();
    EXPECT_EQ(header->GetHeight(), 36);
    EXPECT_FALSE(inner->IsVisible());
    // A null branch empties its subtree and ignores its toggle.
    branch->SetNull(true);
    EXPECT_EQ(branch->GetTree()->GetSize(), 0);
    ShowFrame();
    tree->RefreshTree();
    VornBranchToggleButton* toggle = header->GetToggleButton();
    ASSERT_TRUE(PressThroughRoot(toggle));
    LeftUp(toggle->GetSurface(), {1, 1});
    EXPECT_FALSE(branch->IsExpanded());
}

TEST_F(TreeTest, TheToggleExpandsAndTheColoursReachOnlyTheRoot)
{
    VornBranchNode* branch = AddBranchToEnd(tree, "b");
    Add(branch, "x");
    TestRow* old = Add(tree->GetTreeRoot(), "old");
    ShowFrame();
    tree->RefreshTree();
    VornBranchToggleButton* toggle = branch->GetHeader()->GetToggleButton();
    EXPECT_FALSE(toggle->IsRealised()) << "drawn by the root control until the pointer comes";
    ASSERT_TRUE(PressThroughRoot(toggle)) << "the press reaches the header's toggle";
    EXPECT_FALSE(branch->IsExpanded()) << "the press only shows";
    LeftUp(toggle->GetSurface(), {1, 1});
    EXPECT_TRUE(branch->IsExpanded());
    EXPECT_EQ(branch->GetHeader()->GetHeight(), 32 + 38);
    tree->SetBackgroundCol(Color(1, 0, 0));
    EXPECT_EQ(tree->GetTreeRoot()->GetRootControl()->GetBackgroundCol().r, 1.0);
    EXPECT_NE(old->GetBackgroundCol().r, 1.0);
    EXPECT_EQ(Add(tree->GetTreeRoot(), "new")->GetBackgroundCol().r, 1.0);
}

TEST_F(TreeTest, TheScrollBarShowsOnlyForTallContent)
{
    for (int i = 0; i < 3; ++i)
        Add(tree->GetTreeRoot(), "r");
    tree->RefreshTree();
    EXPECT_FALSE(tree->GetScrollBar()->IsVisible());
    for (int i = 0; i < 17; ++i)
        Add(tree->GetTreeRoot(), "r");
    tree->RefreshTree();
    ASSERT_TRUE(tree->GetScrollBar()->IsVisible());
    EXPECT_EQ(tree->GetScrollBar()->GetSliderVal(), 0.0);
    EXPECT_DOUBLE_EQ(tree->GetScrollBar()->GetFractionVal(), 200.0 / 640.0);
    tree->GetScrollBar()->SetSliderVal(0.5, true);
    EXPECT_EQ(tree->GetScrollPos(), 220);
    tree->SetScrollPos(100); // stored only: the view stays
    EXPECT_EQ(tree->GetTreeRoot()->GetRootControl()->GetDeferredOrigin().y, 220);
    tree->Update(); // scrolls by 220 − 100 more, as the stored position says
    EXPECT_EQ(tree->GetTreeRoot()->GetRootControl()->GetDeferredOrigin().y, 340);
}

TEST_F(TreeTest, RowsInViewAreDrawnByTheRootWithoutWindows)
{
    std::vector<TestRow*> rows;
    for (int i = 0; i < 1000; ++i)
        rows.push_back(Add(tree->GetTreeRoot(), "row " + std::to_string(i)));
    ShowFrame();
    tree->RefreshTree();
    VornVUITreeRootControl* root = tree->GetTreeRoot()->GetRootControl();
    EXPECT_TRUE(root->GetChildren().empty()) << "no row has a toolkit window";
    rows[500]->ChangeName("renamed");
    tree->GetScrollBar()->SetSliderVal(0.5, true); // position 15900: row 500 at 16000
    wxBitmap painted(root->GetClientSize(), 24);
    {
        wxMemoryDC dc(painted);
        root->DrawWithDeferred(&dc); // what the root control's paint shows
    }
    const wxImage view = painted.ConvertToImage(), own = RenderToImage(rows[500]);
    const wxPoint at(rows[500]->GetPosX(), 100);
    const int w = std::min(own.GetWidth(), view.GetWidth() - at.x);
    int same = 0;
    for (int y = 0; y < own.GetHeight(); ++y)
        for (int x = 0; x < w; ++x)
            same += PixelStr(own, x, y) == PixelStr(view, at.x + x, at.y + y);
    EXPECT_EQ(same, w * own.GetHeight()) << "the row renamed out of view is drawn in place";
    EXPECT_FALSE(rows[500]->IsRealised());
    Motion(root, at + wxPoint(2, 2), kNone);
    ASSERT_TRUE(rows[500]->IsRealised()) << "the row under the pointer takes a window";
    EXPECT_EQ(rows[500]->GetSurface()->GetPosition(), at);
    tree->GetScrollBar()->SetSliderVal(0.0, true);
    EXPECT_FALSE(rows[500]->IsRealised()) << "scrolled from under the pointer";
    EXPECT_EQ(rows[500]->GetRowName(), "renamed");
    auto* node = rows[500]->GetVUIControlNode();
    EXPECT_EQ(tree->GetTreeRoot()->GetNodeFromVornControlID(rows[500]->GetId()), node);
}

// A toggle lays out only what it moves; every row must still stand where a whole refresh puts it.
TEST_F(TreeTest, ExpandAndCollapsePlaceEveryRowAsAWholeRefreshDoes)
{
    VornBranchNode* outer = AddBranchToEnd(tree, "outer");
    VornBranchNode* inner = AddBranchToEnd(outer, "inner with a longer label");
    for (int i = 0; i < 3; ++i) {
        Add(outer, "o");
        Add(inner, "i");
        Add(tree->GetTreeRoot(), "below");
    }
    Add(AddBranchToEnd(tree, "last"), "l");
    tree->RefreshTree();
    const auto places = [&] {
        std::string out = std::to_string(tree->GetTreeRoot()->GetHeight());
        for (VornNode* node : tree->GetTreeRoot()->GetNodeList())
            if (VornVUIControl* c = node->GetVornVUIControl()) {
                const wxRect r = c->GetRect();
                out += wxString::Format(" %d,%d,%d,%d,%d", r.x, r.y, r.width, r.height, c->IsVisible()).ToStdString();
            }
        return out;
    };
    for (const auto& [branch, expand] : std::vector<std::pair<VornBranchNode*, bool>>{
             {outer, true}, {inner, true}, {inner, false}, {outer, false}, {outer, true}}) {
        expand ? branch->Exp() : branch->Col();
        const std::string toggled = places();
        tree->RefreshTree();
        EXPECT_EQ(toggled, places()) << branch->GetHeader()->GetRowName() << (expand ? " expanded" : " collapsed");
    }
}

TEST_F(TreeTest, ScrollingThroughNestedRowsKeepsAViewsWorthOfWindows)
{
    for (int b = 0; b < 20; ++b) {
        VornBranchNode* branch = AddBranchToEnd(tree, "branch");
        for (int i = 0; i < 20; ++i)
            Add(branch, "row");
        branch->Expand();
    }
    ShowFrame();
    tree->RefreshTree();
    for (int step = 1; step <= 100; ++step)
        tree->GetScrollBar()->SetSliderVal(step / 100.0, true);
    // About ten rows and headers lie in and near the 200-pixel view.
    EXPECT_LT(tree->GetTreeRoot()->GetRootControl()->GetChildren().size(), 30u);
}

TEST_F(TreeTest, RowsReportNodeHintsButNeverTheirOwnChanges)
{
    TestRow* row = Add(tree->GetTreeRoot(), "value");
    auto* func = new TestRow(&assets, "func", true);
    AddToEnd(tree, func);
    ASSERT_TRUE(func->Realise()); // a row makes its widgets when it is first seen
    const int id = row->GetVUIControlNode()->GetNodeID();
    RealValChanged changed(0.5);
    RealValChanging changing(0.25);
    row->Relay(row, &changed);
    row->Relay(func, &changing);
    row->Relay(func, &changed);
    ASSERT_NE(func->GetFunctionButton(), nullptr);
    func->GetFunctionButton()->SetSelected(0, true); // "Widget": nothing to say
    func->GetFunctionButton()->SetSelected(2, true); // "Texture"
    EXPECT_EQ(hints.log, (std::vector<std::string>{"changing " + std::to_string(id), "changed " + std::to_string(id),
                                                   "function 1 0"}));
}

TEST_F(TreeTest, WrappersFollowTheRowButNeverEchoThemselves)
{
    auto* toggle = new VUITreeSubButtonToggle(nullptr, 0, 0, 10, 10, panel, -1, nullptr);
    auto* slider = new VUITreeSubSlider(*wxBLACK, *wxWHITE, 0, 20, 100, 20, panel, -1, nullptr);
    IntValChanged one(1);
    RealValChanged real(1.0);
    StringValChanged text("0.25");
    toggle->OnUpdate(0, toggle, &one);
    toggle->OnUpdate(0, slider, &real);
    EXPECT_FALSE(toggle->GetOn()) << "its own update and a real are ignored";
    toggle->OnUpdate(0, slider, &one);
    EXPECT_TRUE(toggle->GetOn());
    slider->OnUpdate(0, slider, &text);
    EXPECT_EQ(slider->GetValue(), 0.0);
    slider->OnUpdate(0, toggle, &text);
    EXPECT_EQ(slider->GetValue(), 0.25);
}

TEST_F(TreeTest, RowsDrawTheTreeLineAndDotAndTallHeadersTheirLine)
{
    tree->SetBackgroundCol(Color(0, 0, 1));
    tree->SetLineCol(Color(1, 0, 0));
    TestRow* row = Add(tree->GetTreeRoot(), "row");
    VornBranchNode* branch = AddBranchToEnd(tree, "tall");
    for (int i = 0; i < 200; ++i)
        Add(branch, "inner");
    branch->Exp();
    const int a = row->GetAllignmentPt();
    const wxImage face = RenderToImage(row);
    EXPECT_EQ(PixelStr(face, a, 1), "#FF0000");
    EXPECT_EQ(PixelStr(face, a + 3, 16), "#FF0000") << "the dot's ring";
    EXPECT_EQ(PixelStr(face, a, 16), "#0000FF") << "the dot is open";
    VornVUIBranchControl* header = branch->GetHeader();
    ASSERT_EQ(header->GetHeight(), 200 * 32 + 38);
    const wxImage tall = RenderToImage(header);
    const int ha = header->GetAllignmentPt(), bottom = header->GetHeight() - 1;
    EXPECT_EQ(PixelStr(tall, ha, bottom) + " " + PixelStr(tall, ha + 1, bottom), "#FF0000 #0000FF");
    EXPECT_EQ(PixelStr(tall, ha + 2, 18), "#FF0000") << "the line to the first child";
}

namespace {
class CountingLBBranch : public VornLBBranchNode {
public:
    using VornLBBranchNode::VornLBBranchNode;
    void OnStartUp() override { ++startUps; }
    void OnItemSelected() override { ++choices; }
    int startUps = 0, choices = 0;
};
} // namespace

TEST_F(TreeTest, AListBoxBranchCarriesItsListInTheHeader)
{
    auto* branch = new CountingLBBranch(tree->GetTreeRoot(), "list");
    tree->GetTreeRoot()->AddToEnd(branch);
    Add(branch, "inner");
    branch->DoStartSequence();
    VornVUIBranchControl* header = branch->GetHeader();
    VornListBox* list = branch->GetListBox();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(branch->startUps, 1);
    EXPECT_EQ(header->GetMaxWidth(), header->GetAllignmentPt() + 250 + 10);
    EXPECT_EQ(list->GetPosX(), header->GetAllignmentPt() + 15);
    EXPECT_EQ(list->GetPosY(), (36 - list->GetHeight()) / 2);
    branch->Exp();
    EXPECT_EQ(list->GetPosY(), 0);
    list->Append("a");
    list->SetSelected(0, true);
    EXPECT_EQ(branch->choices, 1);
}
