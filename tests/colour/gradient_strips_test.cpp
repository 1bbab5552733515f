// The range strip's drags and what they report, the summary strip's pixels, and how both
// follow the hints of the other parts of a gradient editor.
#include <cmath>
#include <tuple>

#include <vorn/colour/gradient_hints.h>
#include <vorn/colour/gradient_strips.h>
#include <vorn/util/gradient.h>

#include "group_recorder.h"
#include "test_support.h"

using namespace vorn;
using namespace vorntest;

namespace {
// 100 usable columns between margins of 15; the range 0.2..0.6 spans columns 35..75.
class GradientStripsTest : public GuiTest {
protected:
    GradientRangeControl* MakeRange()
    {
        auto* r = new GradientRangeControl(0, 0, 130, 20, panel, -1, &group);
        r->SetSpace(15, 15);
        r->SetDisplayRange(0.2, 0.6);
        return r;
    }
    GroupRecorder group;
};
} // namespace

// Each grip, dragged from its press to the release x, reports the clamped range once;
// the strip's partner on the group takes it up.
TEST_F(GradientStripsTest, ADragReportsTheClampedRangeOnRelease)
{
    ShowFrame();
    for (const auto& [px, py, mods, tx, min, max] :
         {std::tuple{30, 5, kNone, 50, 0.4, 0.6}, {80, 5, kNone, 120, 0.2, 1.0}, {30, 5, kNone, 90, 0.8, 0.8},
          {50, 15, kNone, 100, 0.6, 1.0}, {5, 5, kNone, 60, 0.2, 0.6}, {30, 5, kAlt, 40, 0.3, 0.5}}) {
        GradientRangeControl* range = MakeRange();
        GradientRangeControl* partner = MakeRange();
        group.events.clear();
        LeftDown(range, {px, py}, mods);
        Motion(range, {tx, py}, kLeftHeld | mods);
        LeftUp(range, {tx, py}, mods);
        EXPECT_EQ(group.events, Log{"Update id=0 GradientHintRange"}) << px << "->" << tx;
        EXPECT_EQ(group.lastControl, range);
        EXPECT_FALSE(range->HasCapture());
        EXPECT_NEAR(range->GetDisplayMin(), min, 1e-9) << px << "->" << tx;
        EXPECT_NEAR(range->GetDisplayMax(), max, 1e-9) << px << "->" << tx;
        EXPECT_EQ(std::tuple(partner->GetDisplayMin(), partner->GetDisplayMax()),
                  std::tuple(range->GetDisplayMin(), range->GetDisplayMax()));
        delete range;
        delete partner;
    }
}

// A range pushed in from outside moves the bar: its lower half now lies where it was not.
TEST_F(GradientStripsTest, ARangeHintFromAnotherControlMovesTheBar)
{
    GradientRangeControl* range = MakeRange();
    GradientRangeControl* other = MakeRange();
    const wxImage before = RenderToImage(range);
    VornHintEvent ev(VORN_EVT_HINT, 0, other, new GradientHintRange(0.7, 0.9));
    range->GetEventHandler()->ProcessEvent(ev);
    EXPECT_EQ(std::tuple(range->GetModel().GetMinColumn(), range->GetModel().GetMaxColumn()), std::tuple(85, 105));
    const wxImage after = RenderToImage(range);
    EXPECT_EQ(PixelStr(before, 95, 16), PixelStr(before, 120, 16)); // beside the bar, before
    EXPECT_NE(PixelStr(after, 95, 16), PixelStr(before, 95, 16));
    EXPECT_EQ(PixelStr(after, 50, 16), PixelStr(before, 120, 16)); // where it was: empty
}

// The summary's columns are the gradient's colours from 0 to 1, green without one, and a
// stop moved by another part is shown after its hint.
TEST_F(GradientStripsTest, SummaryPixelsAreTheGradientsColours)
{
    auto* summary = new GradientSummary(0, 0, 130, 12, panel, -1, &group);
    summary->SetSpace(15, 15);
    EXPECT_EQ(Px(RenderToImage(summary), 60, 6), (Bytes{0, 255, 0}));
    Gradient gradient;
    gradient.AddPoint(CONTROL_POINT(0.0, Color(1.0, 0.0, 0.0)));
    const unsigned int blue = gradient.AddPoint(CONTROL_POINT(1.0, Color(0.0, 0.2, 1.0)));
    summary->Bind(&gradient);
    summary->SetDirty();
    auto expectRow = [&](const char* when) {
        const wxImage image = RenderToImage(summary);
        for (const int i : {0, 33, 50, 99}) {
            Color c;
            ASSERT_TRUE(gradient.GetColour(i / 99.0, c));
            const Bytes px = Px(image, 15 + i, 6);
            for (const auto& [got, want] : {std::pair{px[0], c.r}, {px[1], c.g}, {px[2], c.b}})
                EXPECT_NEAR(got, want * 255.0, 1.0) << when << " column " << i;
        }
    };
    expectRow("bound");
    gradient.SetPoint(blue, CONTROL_POINT(0.5, Color(0.0, 0.2, 1.0)));
    GradientHintMove move(1.0, 0.5);
    group.Update(0, nullptr, &move);
    expectRow("after the move");
}
