// The gradient editor driven through its parts: the add strip's clicks and page buttons,
// the part layout, the component boxes, the delete keys and the colour dot.
#include <algorithm>
#include <tuple>

#include <gtest/gtest.h>

#include <vorn/colour/colour_control.h>
#include <vorn/colour/colour_slug.h>
#include <vorn/colour/gradient_control.h>
#include <vorn/colour/gradient_hints.h>
#include <vorn/colour/gradient_strips.h>
#include <vorn/util/gradient.h>

#include "../support/group_recorder.h"
#include "../support/harness.h"
#include "../support/pixels.h"
#include "../support/test_support.h"

using namespace vorn;
using namespace vorntest;

namespace {

// The gradient hints reaching the editor's group, as "sender-id Kind fields".
struct GradientLog : MessageReceiver {
    Log events;
    void OnMessage(unsigned int, VornControl* c, VornControlHint* h) override
    {
        const std::string from = std::to_string(c ? c->GetId() : 0);
        if (auto* a = dynamic_cast<GradientHintAdd*>(h))
            events.push_back(from + " Add " + std::to_string(a->index));
        if (auto* s = dynamic_cast<GradientHintSelect*>(h))
            events.push_back(from + " Select " + std::to_string(s->index));
        if (auto* r = dynamic_cast<GradientHintRange*>(h))
            events.push_back(from + " Range " + FormatReal(r->min) + " " + FormatReal(r->max));
        if (dynamic_cast<GradientHintValue*>(h))
            events.push_back(from + " Value");
    }
};

// 330 x 220 editor over a gradient from red at 0 (stop 1) to blue at 1 (stop 2).
class GradientControlTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ShowFrame();
        gradient.AddPoint(CONTROL_POINT(0.0, Color(1.0, 0.0, 0.0)));
        gradient.AddPoint(CONTROL_POINT(1.0, Color(0.0, 0.0, 1.0)));
        editor = new GradientControl(res, 0, 0, 330, 220, panel, 7, nullptr);
        editor->Bind(&gradient);
        editor->GetGradientGroup()->Register(&log);
    }
    void Send(VornControlHint&& hint) { editor->GetGradientGroup()->Update(0, nullptr, &hint); }
    static void Press(wxWindow* w, wxPoint down, wxPoint up) { LeftDown(w, down), LeftUp(w, up); }
    int Lines(const std::string& line) const { return int(std::count(diag.debug.begin(), diag.debug.end(), line)); }
    GradientControl::RESOURCES res;
    Gradient gradient;
    GradientLog log; // outlives the editor's group, which goes with the frame
    GradientControl* editor = nullptr;
    DiagnosticsRecorder diag;
};

TEST_F(GradientControlTest, PartsSitWhereTheLayoutPutsThem)
{
    using R = std::tuple<unsigned int, int, int, int, int>;
    ColourSlug* slug = editor->GetSlug();
    for (const auto& [w, want] : {std::pair<VornWindow*, R>{editor->GetRangeStrip(), {101, 0, 0, 330, 20}},
                                  {slug, {102, 0, 35, 330, 40}}, {editor->GetSummary(), {103, 0, 20, 330, 16}},
                                  {editor->GetStopBar(), {104, 0, 109, 330, 111}},
                                  {slug->GetLeftButton(), {110, 0, 0, 15, 40}},
                                  {slug->GetRightButton(), {111, 315, 0, 15, 40}},
                                  {editor->GetEdit(0), {105, 30, 82, 65, 20}},
                                  {editor->GetEdit(2), {107, 200, 82, 65, 20}}})
        EXPECT_EQ(R(w->GetId(), w->GetPosX(), w->GetPosY(), w->GetWidth(), w->GetHeight()), want);
    EXPECT_EQ(editor->GetRangeStrip()->GetBarHeight(), 146); // trunc(2 * 220 / 3)
    EXPECT_EQ(std::tuple(editor->GetMinWidth(), editor->GetMinHeight(), editor->GetMaxHeight()),
              std::tuple(265, 202, 1000));
    EXPECT_EQ(std::tuple(slug->GetGradient(), editor->GetStopBar()->GetGradient()), std::tuple(&gradient, &gradient));
    GradientControl tall(res, 0, 0, 300, 1200, panel, 8, nullptr);
    EXPECT_EQ(tall.GetStopBar()->GetHeight(), 891); // the bar ends at row 1000
    tall.Clear();
    EXPECT_EQ(std::tuple(tall.GetRangeStrip(), tall.GetStopBar()), std::tuple(nullptr, nullptr));
}

// Press and release within 2 pixels add a stop of the gradient's colour there, flags set,
// which every part selects and the strip marks; a release 3 pixels off adds nothing.
TEST_F(GradientControlTest, AddStripClickAddsAStopEveryPartSelects)
{
    ColourSlug* slug = editor->GetSlug();
    const double p = 86.0 / 298.0; // column 100 of 330: (100 - 14) / (330 - 32)
    Color want;
    ASSERT_TRUE(gradient.GetColour(p, want));
    Press(slug, {100, 20}, {102, 18});
    CONTROL_POINT stop;
    ASSERT_TRUE(gradient.GetPoint(3, stop));
    EXPECT_EQ(std::tuple(stop.position, stop.colour, stop.flag1, stop.flag2, stop.flag3),
              std::tuple(p, want, true, true, true));
    EXPECT_EQ(log.events, (Log{"104 Select 3", "102 Add 3"}));
    EXPECT_EQ(std::tuple(editor->GetRangeStrip()->GetSelect(), editor->GetSummary()->GetSelect(), editor->GetSelect()),
              std::tuple(3u, 3u, 3u));
    const wxImage face = RenderToImage(slug);
    ASSERT_TRUE(gradient.GetColour((200 - 14) / 298.0, want));
    const Bytes band = Px(face, 200, 20);
    for (const auto& [got, c] : {std::pair{band[0], want.r}, {band[1], want.g}, {band[2], want.b}})
        EXPECT_NEAR(got, c * 255.0, 1.0);
    EXPECT_EQ(std::tuple(Px(face, 100, 20), Px(face, 15, 20)), std::tuple(Bytes{0, 0, 0}, Bytes{0, 0, 0}));
    Press(slug, {200, 20}, {203, 20});
    Press(slug, {5, 20}, {5, 20}); // on the frame: no position
    EXPECT_EQ(gradient.GetSize(), 3u);
}

// The page buttons move the range by its width up to the ends, tell the others, and are
// enabled only while there is room on their side.
TEST_F(GradientControlTest, PageButtonsStopAtTheEnds)
{
    ColourSlug* slug = editor->GetSlug();
    VornMomentBtn* left = slug->GetLeftButton();
    VornMomentBtn* right = slug->GetRightButton();
    EXPECT_EQ(std::tuple(left->GetEnabled(), right->GetEnabled(), right->GetFirstDelay(), right->GetRepeat()),
              std::tuple(false, false, 500, 50));
    Send(GradientHintRange(0.5, 0.8));
    log.events.clear();
    Press(right, {2, 2}, {2, 2});
    EXPECT_EQ(log.events, (Log{"102 Range 0.7 1"}));
    EXPECT_EQ(Lines(" Min = 0.700000, Max = 1.000000, MinEnable = 1, MaxEnable = 0\n"), 1);
    EXPECT_EQ(std::tuple(left->GetEnabled(), right->GetEnabled()), std::tuple(true, false));
    for (const double min : {0.4, 0.1, 0.0}) {
        Press(left, {2, 2}, {2, 2});
        EXPECT_NEAR(editor->GetStopBar()->GetDisplayMin(), min, 1e-12);
        EXPECT_NEAR(editor->GetRangeStrip()->GetDisplayMax(), min + 0.3, 1e-12);
    }
    EXPECT_EQ(std::tuple(slug->GetDisplayMin(), left->GetEnabled(), right->GetEnabled()), std::tuple(0.0, false, true));
    Press(left, {2, 2}, {2, 2}); // disabled: nothing more
    EXPECT_EQ(log.events.size(), 4u);
}

// A committed box recolours the selected stop (clamped to 0..1) and tells the others, so
// the summary shows it; without a selection nothing changes. A click on the stop bar's
// colour dot gives the selected stop the built-in colour.
TEST_F(GradientControlTest, BoxesAndColourDotRecolourTheSelectedStop)
{
    Send(GradientHintSelect(1));
    log.events.clear();
    editor->GetEdit(1)->SetText("0.25", true);
    editor->GetEdit(2)->SetText("1.7", true);
    CONTROL_POINT stop;
    ASSERT_TRUE(gradient.GetPoint(1, stop));
    EXPECT_EQ(stop.colour, Color(1.0, 0.25, 1.0));
    EXPECT_EQ(log.events, (Log{"7 Value", "7 Value"}));
    const Bytes first = Px(RenderToImage(editor->GetSummary()), 15, 8); // position 0
    EXPECT_EQ(std::tuple(first[0], first[2]), std::tuple(255, 255));
    EXPECT_NEAR(first[1], 0.25 * 255, 1.0);
    Send(GradientHintSelect(0));
    editor->GetEdit(0)->SetText("0.5", true);
    ASSERT_TRUE(gradient.GetPoint(1, stop));
    EXPECT_EQ(stop.colour.r, 1.0);
    EXPECT_EQ(log.events, (Log{"7 Value", "7 Value", "104 Select 0", "0 Select 0"})); // no value
    Send(GradientHintSelect(2));
    log.events.clear();
    Press(editor->GetStopBar(), {200, 85}, {200, 85});
    ASSERT_TRUE(gradient.GetPoint(2, stop));
    EXPECT_EQ(stop.colour, Color(1.0, 0.5, 0.3));
    EXPECT_EQ(log.events, (Log{"104 Value"}));
}

// Delete and backspace pressed in a part delete the selected stop inside the range only;
// the editor's own keys and the boxes' keys are only logged.
TEST_F(GradientControlTest, DeleteKeysDeleteOnlyInsideTheRange)
{
    Send(GradientHintSelect(1));
    SendKey(editor, wxEVT_KEY_DOWN, WXK_DELETE);
    SendKey(editor->GetEdit(0), wxEVT_KEY_DOWN, WXK_BACK);
    EXPECT_EQ(gradient.GetSize(), 2u);
    SendKey(editor->GetRangeStrip(), wxEVT_KEY_DOWN, WXK_DELETE);
    EXPECT_EQ(gradient.GetSize(), 1u);
    EXPECT_EQ(std::tuple(Lines("GradientControl: On X Key down (code = 127)\n"),
                         Lines("GC OnKeyDown - Posting a VornWindowEvent\n"),
                         Lines("GradientControl: Vorn Key Down (code = 127)\n"),
                         Lines("GradientControl: Vorn Key Down (code = 8)\n")),
              std::tuple(1, 1, 1, 1));
    Send(GradientHintRange(0.2, 0.8));
    Send(GradientHintSelect(2)); // at 1.0: outside
    SendKey(editor->GetSummary(), wxEVT_KEY_DOWN, WXK_BACK);
    EXPECT_EQ(gradient.GetSize(), 1u);
    Send(GradientHintRange(0.2, 1.0));
    SendKey(editor->GetSlug(), wxEVT_KEY_DOWN, WXK_BACK);
    EXPECT_EQ(gradient.GetSize(), 0u);
    SendKey(editor->GetSlug(), wxEVT_KEY_UP, WXK_BACK);
    EXPECT_EQ(Lines("GradientControl: Vorn Key Up\n"), 0); // the release comes later
    PumpPending();
    EXPECT_EQ(Lines("GradientControl: Vorn Key Up\n"), 1);
}

} // namespace
