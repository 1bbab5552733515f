// The numeric tree rows in a real tree: geometry, value conversions, the widgets following
// the row, and exactly one node hint per widget message (none for the host's own SetValue).
#include <cmath>

#include <vorn/text_lists/edit_boxes.h>
#include <vorn/tree/tree_control.h>
#include <vorn/tree/value_rows.h>

#include "test_support.h"
#include "tree_skin.h"

using namespace vorn;
using namespace vorntest;
using Log = std::vector<std::string>;

namespace {
struct NodeLog : MessageReceiver {
    void OnMessage(unsigned int, VornControl*, VornControlHint* h) override
    {
        log.push_back(dynamic_cast<NodeChangingHint*>(h) ? "changing" : dynamic_cast<NodeChangedHint*>(h) ? "changed" : "?");
    }
    Log log;
};

class ValueRowsTest : public TreeRowsTest<NodeLog, 300, 200> {
protected:
    template <class T, class Row> static T Get(Row* row) { T v{}; row->GetValue(v); return v; }
    static std::string Text(VornEdit* box) { std::string s; box->GetText(s); return s; }
};
} // namespace

TEST_F(ValueRowsTest, SliderRowConvertsBothWaysAndReportsOnlyWidgetMessages)
{
    for (const bool real : {true, false}) {
        auto* row = Add(new VUITreeSlider(am, "s", false, 10.0, 0.0, 2.5, real));
        Realise();
        const int a = row->GetAllignmentPt();
        EXPECT_EQ(row->GetSize(), wxSize(a + 143, 32));
        EXPECT_EQ(row->GetSlider()->GetRect(), wxRect(a + 4, 16, 120, 12));
        EXPECT_EQ(row->GetSlider()->GetValue(), 0.25);
        EXPECT_EQ(Text(row->GetEditBox()), real ? "2.500000" : "3");
        row->SetValue(7.5);
        EXPECT_EQ(row->GetSlider()->GetValue(), 0.75);
        EXPECT_EQ(Text(row->GetEditBox()) + " " + std::to_string(Get<int>(row)), real ? "7.500000 8" : "8 8");
    }
    EXPECT_TRUE(hints.log.empty()) << "the host's own SetValue is not echoed";
    auto* row = Add(new VUITreeSlider(am, "drag", false, 10.0, 0.0, 0.0, true));
    Realise();
    wxWindow* s = row->GetSlider()->GetSurface();
    ASSERT_NE(s, nullptr);
    LeftDown(s, {4, 6});
    Motion(s, {40, 6});
    Motion(s, {70, 6});
    LeftUp(s, {70, 6});
    EXPECT_GT(row->GetSlider()->GetValue(), 0.3);
    EXPECT_DOUBLE_EQ(Get<double>(row), 10.0 * row->GetSlider()->GetValue());
    row->GetEditBox()->SetText("2.5", true); // the box sends its fraction of the range
    EXPECT_EQ(Get<double>(row), 2.5);
    EXPECT_EQ(row->GetSlider()->GetValue(), 0.25);
    EXPECT_EQ(hints.log, (Log{"changing", "changing", "changed", "changed"}));
}

TEST_F(ValueRowsTest, WheelRowTakesTheValueAsItComes)
{
    auto* row = new VUITreeThumbWheel(am, "w", false, 100.0, -100.0, 1.0, 0.5, true);
    EXPECT_EQ(row->GetMaxWidth(), row->GetAllignmentPt() + 153);
    row->SetValue(3.0); // before Create: stored, and shown once the widgets exist
    const int width = Add(row)->GetMaxWidth();
    Realise();
    EXPECT_EQ(row->GetWheel()->GetCurrentValue(), 3.0f);
    EXPECT_EQ(width, row->GetAllignmentPt() + 3 + row->GetWheel()->GetWidth()) << "known before the widgets";
    row->GetEditBox()->SetText("-4.25", true); // a committed edit: one widget message
    EXPECT_EQ(Get<double>(row), -4.25);
    EXPECT_EQ(row->GetWheel()->GetCurrentValue(), -4.25f);
    EXPECT_EQ(hints.log, Log{"changed"});
}

TEST_F(ValueRowsTest, CheckBoxClampsAndIgnoresValuesBeforeCreate)
{
    auto* row = new VUITreeCheckBox(am, "c", false);
    row->SetValue(1);
    EXPECT_EQ(Get<int>(Add(row)), 0);
    Realise();
    EXPECT_EQ(row->GetSize(), wxSize(row->GetAllignmentPt() + 103, 32));
    EXPECT_EQ(row->GetToggle()->GetPosition(), wxPoint(row->GetAllignmentPt() + 18, 9));
    std::string seen;
    for (const int in : {7, 0, -3, 1}) {
        row->SetValue(in);
        seen += std::to_string(Get<int>(row));
    }
    EXPECT_EQ(seen, "1001");
    LeftDown(row->GetToggle()->GetSurface(), {3, 3});
    LeftUp(row->GetToggle()->GetSurface(), {3, 3});
    EXPECT_EQ(Get<int>(row), 0);
    EXPECT_EQ(hints.log, Log{"changed"});
}

TEST_F(ValueRowsTest, AngleRowsKeepHalfTurnsAndFractionsOfTheirRange)
{
    auto* clip = Add(new VUITreeAngleClippers(am, "c", false, true));
    auto* dial = Add(new VUITreeAngleSelect(am, "d", false, true, true));
    auto* date = new VUITreeAngleSelect(am, "t", false, true, false);
    date->SetDisplayStyle(VUITreeAngleSelect::kDate);
    Add(date)->SetDisplayStyle(VUITreeAngleSelect::kAngle); // after Create: the box stays a date box
    Realise();
    EXPECT_EQ(clip->GetSize(), wxSize(clip->GetAllignmentPt() + 118, 44));
    EXPECT_EQ(dial->GetSize(), wxSize(dial->GetAllignmentPt() + 158, 44));
    clip->SetValue(M_PI);
    dial->SetValue(M_PI);
    EXPECT_NEAR(clip->GetHalfTurns(), 1.0, 1e-6);
    EXPECT_NEAR(Get<double>(clip), M_PI, 1e-6);
    EXPECT_EQ(Get<int>(clip), 3);
    EXPECT_EQ(clip->GetClippers()->GetValue(), 1.0);
    EXPECT_NEAR(dial->GetDial()->GetValue(), 0.5, 1e-6);
    EXPECT_EQ(Text(clip->GetEditBox()) + " " + Text(dial->GetEditBox()), "180.000000 180.000000");
    EXPECT_NE(dynamic_cast<DateEditBox*>(date->GetEditBox()), nullptr);
    EXPECT_TRUE(hints.log.empty());
}

// A row far below the view has no widgets yet; it holds a value set then, and its widgets
// show it once it scrolls into view.
TEST_F(ValueRowsTest, ARowFarOutOfViewMakesItsWidgetsWhenRealised)
{
    std::vector<VUITreeSlider*> rows;
    for (int i = 0; i < 60; ++i)
        rows.push_back(Add(new VUITreeSlider(am, "r", false, 1.0, 0.0, 0.0, true)));
    auto* box = Add(new VUITreeCheckBox(am, "c", false));
    const int width = rows.back()->GetMaxWidth();
    Realise();
    VUITreeSlider* far = rows.back();
    ASSERT_FALSE(far->IsRealised() || far->GetSlider() || box->GetToggle());
    far->SetValue(0.75);
    box->SetValue(7);
    EXPECT_EQ(Get<double>(far) + Get<int>(box), 1.75);
    tree->GetScrollBar()->SetSliderVal(1.0, true);
    tree->GetTreeRoot()->GetRootControl()->RealiseInView();
    ASSERT_TRUE(far->GetSlider() && far->GetEditBox()->IsRealised() && box->GetToggle());
    EXPECT_EQ(Text(far->GetEditBox()) + " " + std::to_string(box->GetToggle()->GetOn()), "0.750000 1");
    EXPECT_EQ(far->GetSize(), wxSize(width, 32));
    rows[0]->SetValue(0.75); // drawn as a row set while in view, unlike one at 0
    const auto face = [](VUITreeSlider* r) {
        const wxImage img = RenderToImage(r->GetSlider());
        return std::string(reinterpret_cast<const char*>(img.GetData()), img.GetWidth() * img.GetHeight() * 3);
    };
    EXPECT_TRUE(face(far) == face(rows[0]) && face(far) != face(rows[1]));
    EXPECT_TRUE(hints.log.empty());
}
