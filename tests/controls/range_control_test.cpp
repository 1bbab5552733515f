// The range controls driven by synthetic events: the hooks each set and drag runs, in order,
// the capture a press takes, and the faces of both orientations.
#include <string>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

#include <vorn/controls/range_control.h>
#include <vorn/util/wx_colour.h>

#include "test_support.h"

using namespace vorn;
using namespace vorntest;

namespace {

const Color kOutline(0.9, 0.9, 0.9), kFill(0.2, 0.4, 0.8);
const wxColour kBackground(40, 40, 40);

// Records the hooks in the order they run: s(lider), z(oom), r(ange).
template <class Base>
class Recording : public Base {
public:
    using Base::Base;
    void OnSliderValueChanged() override { log += 's'; }
    void OnZoomValueChanged() override { log += 'z'; }
    void OnRangeChanged() override { log += 'r'; }
    std::string Take() { return std::exchange(log, {}); }
    std::string log;
};
using Outcome = std::pair<std::string, bool>;

// Presses at `from`, steps through `steps` and releases: the hooks run meanwhile, and
// whether the press took the capture (the release always gives it back).
template <class C>
Outcome Drag(C* c, wxPoint from, std::initializer_list<wxPoint> steps)
{
    LeftDown(c, from);
    const bool captured = c->HasCapture();
    for (const wxPoint& p : steps)
        Motion(c, from = p);
    LeftUp(c, from);
    EXPECT_FALSE(c->HasCapture());
    return {c->Take(), captured};
}

class RangeControlTest : public GuiTest {
protected:
    // Track 10..210, band 10..21 across, handles 8 x 6; faces 220 x 28 and 28 x 220.
    Recording<VornRangeControl>* MakeHorizontal()
    {
        auto* c = new Recording<VornRangeControl>(kOutline, kFill, 8, 6, 10, 10, 210, 22, &horizontalFace);
        c->Create(0, 0, 220, 28, panel, wxID_ANY, nullptr);
        return c;
    }
    Recording<VornVertRangeControl>* MakeVertical(bool bottomUp)
    {
        auto* c = new Recording<VornVertRangeControl>(kOutline, kFill, 8, 6, 10, 10, 210, 22, &verticalFace, bottomUp);
        c->Create(240, 0, 28, 220, panel, wxID_ANY, nullptr);
        c->SetZoomValue(0.5, false);
        c->SetSliderValue(0.0, false); // the track's first half
        return c;
    }
    wxBitmap horizontalFace = Solid(220, 28, kBackground), verticalFace = Solid(28, 220, kBackground);
};

} // namespace

TEST_F(RangeControlTest, SetsAndDragsRunTheirHooksInOrderWhileDragsHoldTheCapture)
{
    auto* range = MakeHorizontal();
    range->SetZoomValue(0.5, true);
    EXPECT_EQ(range->Take(), "zr");
    range->SetSliderValue(0.5, false); // thumb 60..159, handles 52..59 and 160..167
    EXPECT_EQ(range->Take(), "");
    ShowFrame();
    EXPECT_EQ(Drag(range, {100, 15}, {{120, 15}}), Outcome("sr", true));
    EXPECT_DOUBLE_EQ(range->GetSliderValue(), 0.7);
    // The low handle's ear (L = 80 now), two steps.
    EXPECT_EQ(Drag(range, {73, 6}, {{63, 6}, {53, 6}}), Outcome("zsrzsr", true));
    EXPECT_DOUBLE_EQ(range->GetZoomValue(), 0.7);
    EXPECT_EQ(Drag(range, {100, 3}, {{110, 3}}), Outcome("", false)); // on no part
    Motion(range, {140, 15}, kNone);
    EXPECT_EQ(range->Take(), "");
}

TEST_F(RangeControlTest, FaceShowsThumbHandlesAndMiddleMarkOverTheBackground)
{
    auto* range = MakeHorizontal();
    range->SetZoomValue(0.5, false);
    range->SetSliderValue(0.5, false);
    const wxImage face = RenderToImage(range);
    const std::string o = ColourStr(CtoWxC(kOutline)), f = ColourStr(CtoWxC(kFill)), b = ColourStr(kBackground);
    const std::string red = ColourStr(CtoWxC(Color(0.9529411764705882, 0.13725490196078433, 0.16862745098039217)));
    // Thumb edges, inside, the mark and its highlight; handles outlined outside, filled in.
    const std::vector<std::pair<wxPoint, std::string>> expected = {
        {{60, 15}, o},  {{159, 15}, o}, {{100, 10}, o}, {{61, 15}, f},  {{110, 15}, red}, {{111, 15}, "#FF7F7F"},
        {{52, 15}, o},  {{55, 15}, f},  {{167, 15}, o}, {{163, 15}, f}, {{5, 15}, b},     {{50, 15}, b},
        {{170, 15}, b}, {{100, 3}, b},  {{100, 24}, b}};
    for (const auto& [p, colour] : expected)
        EXPECT_EQ(PixelStr(face, p.x, p.y), colour) << p.x << "," << p.y;
}

TEST_F(RangeControlTest, BottomUpVerticalControlStartsAtTheBottomAndDragsAlongY)
{
    auto *up = MakeVertical(true), *down = MakeVertical(false);
    const wxImage upFace = RenderToImage(up), downFace = RenderToImage(down);
    const std::string fill = ColourStr(CtoWxC(kFill)), back = ColourStr(kBackground);
    // Thumb and far (high) handle: at the bottom bottom-up, at the top top-down.
    for (const auto& [x, y, upColour, downColour] : {std::make_tuple(15, 150, fill, back), {15, 50, back, fill},
                                                     {5, 105, fill, back}, {5, 113, back, fill}}) {
        EXPECT_EQ(PixelStr(upFace, x, y), upColour) << x << "," << y;
        EXPECT_EQ(PixelStr(downFace, x, y), downColour) << x << "," << y;
    }
    ShowFrame();
    // 10 pixels further from the bottom: the thumb grows upwards only.
    EXPECT_EQ(Drag(up, {6, 105}, {{6, 95}}), Outcome("zsr", true));
    EXPECT_DOUBLE_EQ(up->GetZoomValue(), 0.55);
    EXPECT_EQ(up->GetSliderValue(), 0.0);
}

TEST_F(RangeControlTest, PlainBarFillsTheLowerHalfBetweenItsSpaces)
{
    auto* bar = new RangeControl(0, 0, 100, 20, panel, wxID_ANY, nullptr);
    bar->SetBackgroundColour(kBackground);
    bar->SetFgColour(wxColour(200, 10, 10));
    bar->SetSpace(10, 20);
    const wxImage face = RenderToImage(bar, wxDefaultSize, *wxGREEN);
    for (const wxPoint& p : {wxPoint(9, 15), wxPoint(80, 15), wxPoint(50, 9), wxPoint(10, 10), wxPoint(79, 19)})
        EXPECT_EQ(PixelStr(face, p.x, p.y), p.x < 10 || p.x > 79 || p.y < 10 ? ColourStr(kBackground) : "#C80A0A");
}
