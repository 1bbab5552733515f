// The text rows: values as text and back, widths, styles, the node hints a commit sends,
// the expand row's two modes, and a row that gets its window only when scrolled to.
#include <vorn/tree/text_rows.h>
#include <vorn/tree/tree_control.h>

#include "group_recorder.h"
#include "test_support.h"
#include "tree_skin.h"

using namespace vorn;
using namespace vorntest;

namespace {
class TextRowsTest : public GuiTest {
protected:
    static void SetUpTestSuite() { s_assets = LoadTreeSkin(); }
    static void TearDownTestSuite() { s_assets.reset(); }
    template <class Row>
    Row* Make(PTYPE type)
    {
        auto* row = new Row(s_assets.get(), "value", false, type);
        row->Create(panel, -1, &group, 0);
        return row;
    }
    static std::string Text(VornEdit* box) { std::string s; box->GetText(s); return s; }
    // Every box's text, separated by blanks.
    static std::string Texts(const TreeEditStrip& edits)
    {
        std::string all;
        for (int i = 0; i < edits.GetCount(); ++i)
            all += (i ? " " : "") + Text(edits.GetEdit(i));
        return all;
    }
    template <class T, class Row>
    static T Value(Row* row) { T v{}; row->GetValue(v); return v; }
    // Replaces the box's text by typing (Ctrl+A first); an Enter at the end also takes the focus away.
    static void Type(VornEdit* box, const std::wstring& text)
    {
        wxFocusEvent focus(wxEVT_SET_FOCUS, box->GetId());
        box->HandleWindowEvent(focus);
        for (wchar_t c : L"\x01" + text) {
            wxKeyEvent e(wxEVT_CHAR);
            e.m_keyCode = e.m_uniChar = c;
            e.SetControlDown(c == 1);
            box->HandleWindowEvent(e);
        }
        wxFocusEvent lost(wxEVT_KILL_FOCUS, box->GetId());
        if (text.back() == L'\r')
            box->HandleWindowEvent(lost);
    }
    static inline std::unique_ptr<AssetManager> s_assets;
    GroupRecorder group;
};
} // namespace

TEST_F(TextRowsTest, ValuesShowAsTextAndReadBack)
{
    auto* vec = Make<VUITreeTextEdits>(PTYPE_VEC3D);
    vec->SetValue(Vec3d(1, 2.5, -3));
    EXPECT_EQ(Texts(vec->GetEdits()), "1.000000 2.500000 -3.000000");
    EXPECT_EQ(Value<Vec3d>(vec), Vec3d(1, 2.5, -3));
    auto* integer = Make<VUITreeTextEdits>(PTYPE_INT);
    integer->SetValue(-42);
    EXPECT_EQ(Texts(integer->GetEdits()), "-42");
    Type(integer->GetEdits().GetEdit(0), L"12abc"); // not committed: the row parses the raw text
    EXPECT_EQ(Value<int>(integer), 12);
    VUITreeTextEdits text(s_assets.get(), "t", false, PTYPE_STRING), colour(s_assets.get(), "c", false, PTYPE_COLORA);
    text.SetValue(std::string("h\xC3\xA9llo 1,5")); // before Create: kept, shown once the box exists
    text.Create(panel, -1, &group, 0);
    EXPECT_EQ(Value<std::string>(&text) + "|" + Texts(text.GetEdits()), "h\xC3\xA9llo 1,5|h\xC3\xA9llo 1,5");
    colour.SetValue(ColorA(0.25, 0.5, 0.75, 0.125));
    const auto q = Value<Quaternion>(&colour); // another view of the same four boxes
    EXPECT_EQ(q.x + q.y + q.z + q.w, 1.625);
}

TEST_F(TextRowsTest, WidthsPlacesAndStyles)
{
    VUITreeTextEdits vec(s_assets.get(), "v", false, PTYPE_VEC2D), forced(s_assets.get(), "f", false, PTYPE_REAL);
    const int a = vec.GetAllignmentPt();
    EXPECT_EQ(vec.GetMaxWidth(), a + 50);
    vec.Create(panel, -1, &group, 0);
    const int w = vec.GetEdits().GetEditWidth();
    EXPECT_EQ(w, 56) << "vui_tree_ntextedit.sts";
    EXPECT_EQ(vec.GetMaxWidth(), a + 7 + 2 * (w + 8));
    EXPECT_EQ(vec.GetEdits().GetEdit(1)->GetPosition(), wxPoint(a + 15 + w + 8, 8));
    vec.ForceStyle(kEditText); // too late
    forced.ForceStyle(kEditText);
    forced.Create(panel, -1, &group, 0);
    vec.SetEditable(false);
    EXPECT_EQ(vec.GetEdits().GetEdit(0)->GetStyle() + vec.GetNumberStyle(), 2 * kEditReal);
    EXPECT_EQ(forced.GetEdits().GetEdit(0)->GetStyle(), kEditText);
    EXPECT_TRUE(!vec.GetEdits().GetEdit(1)->IsEditable() && forced.GetEdits().GetEdit(0)->IsEditable());
    auto* expand = Make<VUITreeExpandTextEdits>(PTYPE_VEC4D);
    EXPECT_EQ(expand->GetMaxWidth(), expand->GetAllignmentPt() + 7 + 4 * (w + 8) + 8);
}

TEST_F(TextRowsTest, EachCommitIsOneNodeHintAndSetValueNone)
{
    auto* row = Make<VUITreeTextEdits>(PTYPE_VEC3D);
    row->SetValue(Vec3d(1, 2, 3));
    for (int i = 0; i < 3; ++i)
        Type(row->GetEdits().GetEdit(i), L"7\r");
    EXPECT_EQ(group.Updates(), Log(3, "Update id=0 NodeChangedHint"));
    EXPECT_EQ(Value<Vec3d>(row), Vec3d(7, 7, 7));
}

TEST_F(TextRowsTest, ExpandRowCarriesTheValueAndTheUniformValueSetsEveryComponent)
{
    ShowFrame();
    auto* row = Make<VUITreeExpandTextEdits>(PTYPE_VEC3D);
    row->SetValue(Vec3d(1.5, 2, 3));
    const auto click = [](VornWindow* w) { LeftDown(w, {2, 2}), LeftUp(w, {2, 2}); };
    click(row->GetExpandButton());
    ASSERT_FALSE(row->IsExpanded());
    EXPECT_TRUE(row->GetWheel()->IsVisible() && !row->GetEdits().GetEdit(0)->IsVisible());
    EXPECT_EQ(Text(row->GetUniformEdit()) + " " + std::to_string(row->GetWheel()->GetCurrentValue()), "1.500000 1.500000");
    EXPECT_EQ(Value<Vec3d>(row), Vec3d(1.5, 2, 3)) << "switching alone changes nothing";
    Type(row->GetUniformEdit(), L"-4\r");
    EXPECT_EQ(Value<Vec3d>(row), Vec3d(-4, -4, -4));
    EXPECT_EQ(row->GetWheel()->GetCurrentValue(), -4.0f);
    LeftDown(row->GetWheel(), {40, 5});
    Motion(row->GetWheel(), {60, 5});
    LeftUp(row->GetWheel(), {60, 5});
    const std::string t = RealToText(row->GetWheel()->GetCurrentValue(), 6);
    EXPECT_NE(t, "-4.000000");
    EXPECT_EQ(Texts(row->GetEdits()) + " " + Text(row->GetUniformEdit()), t + " " + t + " " + t + " " + t);
    const std::string changed = "Update id=0 NodeChangedHint";
    EXPECT_EQ(group.Updates(), (Log{changed, "Update id=0 NodeChangingHint", changed})) << "commit, step, release";
    click(row->GetExpandButton());
    EXPECT_TRUE(row->IsExpanded() && row->GetEdits().GetEdit(1)->IsVisible() && !row->GetWheel()->IsVisible());
    EXPECT_EQ(Value<Vec3d>(row).z, std::stod(t));
}

TEST_F(TextRowsTest, ARowFarOutOfViewKeepsAValueSetBeforeItIsRealised)
{
    auto* tree = new VornMainVUITreeControl(120, s_assets.get(), 0, 0, 300, 200, panel, -1, nullptr);
    for (int i = 0; i < 300; ++i)
        AddToEnd(tree->GetTreeRoot(), new VUITreeTextEdits(s_assets.get(), "filler", false, PTYPE_INT));
    auto* row = new VUITreeExpandTextEdits(s_assets.get(), "far", false, PTYPE_VEC2D);
    AddToEnd(tree->GetTreeRoot(), row);
    ShowFrame();
    tree->RefreshTree();
    const int width = row->GetMaxWidth();
    row->SetValue(Vec2d(0.5, -8));
    ASSERT_FALSE(row->IsRealised() || row->GetEdits().IsCreated() || row->GetExpandButton());
    EXPECT_EQ(Value<Vec2d>(row), Vec2d(0.5, -8));
    tree->GetScrollBar()->SetSliderVal(1.0, true);
    tree->GetTreeRoot()->GetRootControl()->RealiseInView();
    ASSERT_TRUE(row->IsRealised() && row->GetEdits().GetEdit(1)->IsRealised());
    EXPECT_EQ(row->GetMaxWidth(), width) << "known from the skin before the boxes";
    EXPECT_EQ(Texts(row->GetEdits()), "0.500000 -8.000000");
}
