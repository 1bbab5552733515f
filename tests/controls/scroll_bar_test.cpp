// Both scroll bars as windows: layout, dragging the tab, the end buttons' repeats driven
// through a hand clock, the drawn separator and tab, and what VornScrollBar reports.
#include <memory>

#include <gtest/gtest.h>

#include <vorn/controls/scroll_bar.h>
#include <vorn/controls/simple_scroll_bar.h>

#include "group_recorder.h"
#include "test_support.h"

#include "hand_clock.h"

using namespace vorn;
using namespace vorntest;

namespace {
const wxColour kLine(200, 0, 0), kBack(0, 0, 200), kHigh(0, 200, 0);

class CountingBar : public VornSimpleScrollBar {
public:
    int changes = 0;
    using VornSimpleScrollBar::GetScrollHeight;
    using VornSimpleScrollBar::GetScrollStart;

protected:
    void OnSliderChange() override { ++changes; }
};

class SimpleBarTest : public GuiTest {
protected:
    CountingBar* Make(int h, bool endButtons = true, bool left = true)
    {
        auto* bar = new CountingBar;
        bar->SetEndButtons(endButtons);
        bar->SetLeft(left);
        bar->Create(kLine, kBack, kHigh, 0, 0, h, panel, -1, nullptr, 0);
        ShowFrame();
        return bar;
    }
};
} // namespace

TEST_F(SimpleBarTest, LayoutWithAndWithoutEndButtons)
{
    CountingBar* bar = Make(224);
    EXPECT_EQ(bar->GetSize(), wxSize(11, 224));
    EXPECT_EQ(std::tuple(bar->GetScrollStart(), bar->GetScrollHeight()), std::tuple(12, 200));
    EXPECT_EQ(bar->GetUpButton()->GetRect(), wxRect(0, 0, 11, 12));
    EXPECT_EQ(bar->GetDownButton()->GetRect(), wxRect(0, 212, 11, 12));
    bar->SetFractionVal(0.01);
    EXPECT_EQ(bar->GetModel().GetTabHeight(), 29);
    CountingBar* bare = Make(100, false);
    EXPECT_EQ(bare->GetUpButton(), nullptr);
    EXPECT_EQ(std::tuple(bare->GetScrollStart(), bare->GetScrollHeight()), std::tuple(0, 100));
}

TEST_F(SimpleBarTest, OnlyTheTabDragsAndOnlyChangesNotify)
{
    CountingBar* bar = Make(224);
    bar->SetFractionVal(0.5); // tab rows 12..111, 100 rows of travel
    LeftDown(bar, {5, 150});
    Motion(bar, {5, 180});
    EXPECT_FALSE(bar->IsDragging());
    EXPECT_EQ(std::tuple(bar->GetSliderVal(), bar->changes), std::tuple(0.0, 0));
    LeftUp(bar, {5, 180});
    LeftDown(bar, {5, 20});
    EXPECT_TRUE(bar->IsDragging());
    Motion(bar, {5, 70});
    EXPECT_EQ(std::tuple(bar->GetSliderVal(), bar->changes, bar->IsTabHighlighted()), std::tuple(0.5, 1, true));
    Motion(bar, {5, 400});
    EXPECT_EQ(std::tuple(bar->GetSliderVal(), bar->changes), std::tuple(1.0, 2));
    LeftUp(bar, {5, 400});
    EXPECT_FALSE(bar->IsDragging());
    EXPECT_FALSE(bar->HasCapture());
    EXPECT_FALSE(bar->IsTabHighlighted()); // the release re-reads the pointer: off the tab
    bar->SetSliderVal(1.0, true);
    bar->SetSliderVal(7.0, true); // clamps to the current value
    bar->SetSliderVal(0.25, false);
    EXPECT_EQ(bar->changes, 2);
    bar->SetSliderVal(0.3, true);
    EXPECT_EQ(std::tuple(bar->GetSliderVal(), bar->changes), std::tuple(0.3, 3));
}

TEST_F(SimpleBarTest, HeldEndButtonsStepByContentPixels)
{
    CountingBar* bar = Make(200);
    bar->SetFractionVal(0.5); // 400 content pixels
    bar->SetSliderVal(0.5, false);
    long now = 0;
    VornMomentBtn* down = bar->GetDownButton();
    down->GetTimer()->SetClock(std::make_unique<HandClock>(&now));
    LeftDown(down, {3, 3});
    EXPECT_DOUBLE_EQ(bar->GetSliderVal(), 0.5 + 20.0 / 400);
    now = 537;
    down->GetTimer()->Notify(); // first tick: two repeats
    EXPECT_DOUBLE_EQ(bar->GetSliderVal(), 0.5 + 30.0 / 400);
    now = 30;
    down->GetTimer()->Notify(); // three intervals passed: five repeats
    EXPECT_DOUBLE_EQ(bar->GetSliderVal(), 0.5 + 55.0 / 400);
    EXPECT_EQ(bar->changes, 1 + 2 + 5); // one per step
    LeftUp(down, {3, 3});
    EXPECT_FALSE(down->GetTimer()->IsRunning());
    LeftDown(bar->GetUpButton(), {3, 3});
    LeftUp(bar->GetUpButton(), {3, 3});
    EXPECT_DOUBLE_EQ(bar->GetSliderVal(), 0.5 + 35.0 / 400);
}

TEST_F(SimpleBarTest, SeparatorFollowsTheSideAndTheTabItsHighlight)
{
    for (bool left : {true, false}) {
        CountingBar* bar = Make(224, true, left);
        bar->SetFractionVal(0.5);
        wxImage img = RenderToImage(bar);
        const int separator = left ? 10 : 0;
        EXPECT_EQ(PixelStr(img, separator, 150), ColourStr(kLine)) << left;
        EXPECT_EQ(PixelStr(img, 10 - separator, 150), ColourStr(kBack)) << left;
        EXPECT_EQ(PixelStr(img, 1, 60), ColourStr(kLine)) << left; // the tab's side
        Motion(bar, {5, 60}, kNone);
        EXPECT_TRUE(bar->IsTabHighlighted());
        img = RenderToImage(bar);
        EXPECT_EQ(PixelStr(img, 1, 60), ColourStr(kHigh)) << left;
        EXPECT_EQ(PixelStr(img, 9, 60), ColourStr(kHigh)) << left;
    }
}

TEST_F(GuiTest, RangeBarReportsDragsOfItsTabAndButtons)
{
    GroupRecorder group;
    const wxBitmap tab = Solid(11, 12, *wxRED), up = Solid(11, 12, *wxGREEN), down = Solid(11, 12, *wxBLUE);
    auto* bar = new VornScrollBar(&tab, &up, &down, kLine, kBack, 100.0, 0, 0, 124, panel, 77, &group);
    ShowFrame();
    EXPECT_EQ(bar->GetSize(), wxSize(12, 124));
    EXPECT_EQ(std::tuple(bar->GetModel().GetLowest(), bar->GetModel().GetHighest()), std::tuple(12, 100));
    bar->SetRange(1000);
    bar->SetValue(0.5);
    EXPECT_DOUBLE_EQ(bar->GetValue(), 450.0);
    LeftDown(bar, {5, 80}); // below the tab (rows 56..67)
    LeftUp(bar, {5, 80});
    LeftDown(bar, {5, 60});
    Motion(bar, {5, 70});
    LeftUp(bar, {5, 70});
    EXPECT_EQ(bar->GetModel().GetPosition(), 66);
    LeftDown(&bar->GetDownButton(), {3, 3}); // a press steps a tenth of the travel
    LeftUp(&bar->GetDownButton(), {3, 3});
    EXPECT_EQ(bar->GetModel().GetPosition(), 74);
    bar->AddToRange(-950, true); // fits the page now: the tab goes to the end
    EXPECT_EQ(bar->GetModel().GetPosition(), 100);
    EXPECT_EQ(bar->GetValue(), 0.0);
    EXPECT_EQ(group.events, (Log{"Drag id=77", "Selected id=77", "Drag id=77", "UnSelected id=77", "Drag id=77",
                                 "Drag id=77", "Drag id=77"}));
    EXPECT_EQ(PixelStr(RenderToImage(bar), 5, 101), ColourStr(*wxRED));
}
