// The compass and the attitude indicator driven with synthetic events: what each tells its
// group, and the pictures they draw.
#include <algorithm>

#include <gtest/gtest.h>

#include <vorn/controls/compass.h>
#include <vorn/controls/horizon.h>

#include "value_kinds.h"

using namespace vorn;
using namespace vorntest;

namespace {

// A 481 x 4 tape whose red channel counts its columns (mod 256) and whose green is 100 per
// 256 columns; a 20 x 4 mask hiding column 0; a 20 x 6 frame, clear over the tape window
// and blue below it. A 60 x 60 round face: blue sky over green ground, clear outside.
struct Art {
    BitmapA tape = MakeImage(481, 4, [](int x, int) {
        return Rgba{static_cast<unsigned char>(x & 255), static_cast<unsigned char>((x >> 8) * 100), 0, 255};
    });
    BitmapA mask = MakeImage(20, 4, [](int x, int) { return x ? Rgba{255, 255, 255, 255} : Rgba{0, 0, 0, 255}; });
    BitmapA frame = MakeImage(20, 6, [](int, int y) { return y >= 4 ? Rgba{0, 0, 255, 255} : Rgba{0, 0, 0, 0}; });
    BitmapA face = MakeImage(60, 60, [](int x, int y) {
        if ((x - 29.5) * (x - 29.5) + (y - 29.5) * (y - 29.5) > 900.0)
            return Rgba{0, 0, 0, 0};
        return y < 30 ? Rgba{0, 0, 255, 255} : Rgba{0, 255, 0, 255};
    });
};

class InstrumentTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        Art& a = Kept<Art>();
        compass = new VornCompassControl(&a.frame, &a.tape, &a.mask, 0, 0, 20, 6, panel, -1, &group);
        horizon = new VornAHorizonControl(&a.face, 50, 50, 40, 0, 10, 100, 100, panel, -1, &group);
        horizon->SetBgColour(wxColour(40, 40, 40));
    }
    // The tape column shown at x = 5 of the window, read back from its red and green.
    int ColumnAt5()
    {
        const wxImage img = RenderToImage(compass);
        return img.GetRed(5, 1) + img.GetGreen(5, 1) / 100 * 256;
    }
    GroupRecorder group;
    VornCompassControl* compass = nullptr;
    VornAHorizonControl* horizon = nullptr;
};

} // namespace

TEST_F(InstrumentTest, CompassEachDragStepAndEachArrowStepReportsASelectionAndNothingElse)
{
    ShowFrame();
    LeftDown(compass, {10, 2});
    EXPECT_TRUE(compass->HasCapture());
    Motion(compass, {7, 2});
    Motion(compass, {7, 2}); // reports though it does not move
    Motion(compass, {8, 2});
    LeftUp(compass, {8, 2});
    EXPECT_FALSE(compass->HasCapture());
    Motion(compass, {0, 2}, kNone); // no button: no drag
    const float v = compass->GetValue();
    compass->MoveLeft();
    compass->MoveRight();
    EXPECT_EQ(compass->GetValue(), v);
    compass->SetValue(0.5f); // tells nobody
    EXPECT_EQ(group.events, Log(5, Said("Selected", compass)));
}

// The tape window moves one column per ten tenths, through the mask and under the frame.
TEST_F(InstrumentTest, CompassPictureShiftsOnePixelPerTenTenthsAndWraps)
{
    ExpectPixels(RenderToImage(compass, wxDefaultSize, *wxWHITE),
                 {{{5, 1}, "#050000"}, {{0, 1}, "#000000"}, {{5, 5}, "#0000FF"}});
    LeftDown(compass, {10, 2});
    Motion(compass, {7, 2}); // three pixels left: offset 30 tenths
    EXPECT_EQ(ColumnAt5(), 8);
    for (int k = 1; k <= 10; ++k) {
        Motion(compass, {7 - k, 2}, kLeftHeld | kShift); // tenths: the tenth gives the fourth pixel
        EXPECT_EQ(ColumnAt5(), k < 10 ? 8 : 9) << k;
    }
    LeftUp(compass, {-3, 2});
    compass->SetValue(1.999f); // 3206 tenths
    EXPECT_EQ(ColumnAt5(), 325);
}

TEST_F(InstrumentTest, HorizonRollAndPitchDragsReportControlDragPerStepOnly)
{
    ShowFrame();
    LeftDown(horizon, {88, 52}); // A
    EXPECT_TRUE(horizon->WeCurrentlyDragging());
    EXPECT_TRUE(horizon->HasCapture());
    Motion(horizon, {50, 20});
    Motion(horizon, {50, 50}); // the centre: no direction, no step
    Motion(horizon, {20, 50});
    LeftUp(horizon, {20, 50});
    EXPECT_FALSE(horizon->WeCurrentlyDragging());
    EXPECT_FALSE(horizon->HasCapture());
    EXPECT_FLOAT_EQ(horizon->GetValue(), 0.5f);
    int x = 0, y = 0;
    horizon->GetCurPosition(x, y);
    EXPECT_EQ(wxPoint(x, y), wxPoint(10, 50));
    LeftDown(horizon, {50, 50}); // Q
    Motion(horizon, {50, 60}); // roll 0.5: P1 above, so Q going down lowers the pitch
    LeftUp(horizon, {50, 60});
    EXPECT_FLOAT_EQ(horizon->GetPitchValue(), 0.375f);
    horizon->SetValue(0.0f);
    horizon->SetPitchValue(3.0f); // the host's calls tell nobody
    EXPECT_EQ(group.events, Log(3, Said("Drag", horizon)));
}

// Sky and ground turn with the roll and move with the pitch; the handles lie on top.
TEST_F(InstrumentTest, HorizonFaceTurnsWithRollAndItsHorizonFollowsQ)
{
    ExpectPixels(RenderToImage(horizon),
                 {{{40, 35}, "#0000FF"}, {{40, 65}, "#00FF00"}, {{3, 3}, "#282828"}, // level
                  {{90, 50}, "#1F1F24"}, {{10, 50}, "#1F1F24"}, {{50, 50}, "#99E0FF"}}); // A, B, Q
    horizon->SetPitchValue(1.0f); // Q at the bottom: sky nearly everywhere
    ExpectPixels(RenderToImage(horizon), {{{40, 65}, "#0000FF"}, {{50, 90}, "#99E0FF"}, // Q at P1
                                          {{50, 30}, "#8C9199"}, {{50, 50}, "#FFB833"}}); // axis, A-B line
    horizon->SetPitchValue(0.5f);
    horizon->SetValue(0.25f); // A up: the sky to the left
    ExpectPixels(RenderToImage(horizon), {{{35, 45}, "#0000FF"}, {{65, 55}, "#00FF00"}, {{50, 10}, "#1F1F24"}});
}

// Pictures are kept per state and shared by indicators of the same look: a state drawn again,
// or by a twin, shows what was composed for it, and a new background gets new pictures.
TEST_F(InstrumentTest, HorizonKeptPicturesMatchTheStateAndFollowTheBackground)
{
    const auto same = [](const wxImage& a, const wxImage& b) {
        return a.GetSize() == b.GetSize() && std::equal(a.GetData(), a.GetData() + a.GetWidth() * a.GetHeight() * 3, b.GetData());
    };
    const wxImage level = RenderToImage(horizon);
    horizon->SetValue(0.1f);
    horizon->SetPitchValue(0.3f);
    const wxImage turned = RenderToImage(horizon);
    EXPECT_FALSE(same(turned, level));
    horizon->SetPitchValue(0.35f); // the same roll, Q moved: another picture
    EXPECT_FALSE(same(RenderToImage(horizon), turned));
    auto* twin = new VornAHorizonControl(&Kept<Art>().face, 50, 50, 40, 0, 120, 100, 100, panel, -1, &group);
    twin->SetBgColour(wxColour(40, 40, 40));
    EXPECT_TRUE(same(RenderToImage(twin), level));
    twin->SetValue(0.1f);
    twin->SetPitchValue(0.3f);
    EXPECT_TRUE(same(RenderToImage(twin), turned));
    horizon->SetValue(0.0f);
    horizon->SetPitchValue(0.5f);
    EXPECT_TRUE(same(RenderToImage(horizon), level));
    horizon->SetBgColour(wxColour(0, 90, 0));
    ExpectPixels(RenderToImage(horizon), {{{3, 3}, "#005A00"}, {{40, 35}, "#0000FF"}});
    ExpectPixels(RenderToImage(twin), {{{3, 3}, "#282828"}});
}
