// The movie bar driven with synthetic events (exact hooks, the selection only on a movie
// group, the bar as drawn) and the time control's states and turning picture.
#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

#include <vorn/controls/movie_bar.h>
#include <vorn/controls/time_control.h>

#include <vorn/util/raster.h>
#include <vorn/util/wx_colour.h>
#include <vorn/util/wx_image_filter.h>

#include "group_recorder.h"
#include "test_support.h"

using namespace vorn;
using namespace vorntest;

namespace {

class MovieRecorder : public VornMovieBarCG {
public:
    Log events;
    void ControlSelected(unsigned int id, VornControl*) override { events.push_back("Selected " + Id(id)); }
    void ControlUnSelected(unsigned int id, VornControl*) override { events.push_back("UnSelected " + Id(id)); }
    void MovieValueChanged(unsigned int id, VornControl*) override { events.push_back("Value " + Id(id)); }
    void MovieStartChanged(unsigned int id, VornControl*) override { events.push_back("Start " + Id(id)); }
    void MovieEndChanged(unsigned int id, VornControl*) override { events.push_back("End " + Id(id)); }
    static std::string Id(unsigned int id) { return "id=" + std::to_string(id); }
};

class MovieBarTest : public GuiTest {
protected:
    VornMovieBar* MakeBar(VornControlGroup* g)
    {
        return new VornMovieBar(&start, &end, &value, 0, 0, 300, 24, panel, 7, g);
    }
    // Drags the start handle from its place to 100 and 50, then the value handle to 200.
    void DragStartThenValue(VornMovieBar* bar)
    {
        const std::pair<wxEventType, wxPoint> steps[] = {
            {wxEVT_LEFT_DOWN, {5, 20}}, {wxEVT_MOTION, {96, 20}}, {wxEVT_MOTION, {46, 20}}, {wxEVT_LEFT_UP, {46, 20}},
            {wxEVT_LEFT_DOWN, {104, 5}}, {wxEVT_MOTION, {204, 5}}, {wxEVT_LEFT_UP, {204, 5}}};
        for (const auto& [type, at] : steps)
            SendMouse(bar, type, at, type == wxEVT_MOTION ? kLeftHeld : kNone);
    }
    wxBitmap start = Solid(9, 8, wxColour(255, 0, 255)), end = Solid(9, 8, wxColour(0, 255, 255)),
             value = Solid(9, 10, wxColour(255, 255, 0));
};

} // namespace

TEST_F(MovieBarTest, HooksReachOnlyAMovieGroupInOrderAndOnlyAValueDragSelects)
{
    MovieRecorder group;
    VornMovieBar* bar = MakeBar(&group);
    DragStartThenValue(bar);
    EXPECT_EQ(group.events, (Log{"Value id=7", "Start id=7", "Start id=7", "Selected id=102", "Value id=7",
                                 "UnSelected id=102"}));
    EXPECT_FALSE(bar->GetModel().IsDragging() || bar->IsMouseCaptive());
    // Disabling mid-drag ends the drag as a release does.
    LeftDown(bar, {204, 5});
    bar->SetEnabled(false);
    EXPECT_EQ(std::make_pair(group.events.back(), bar->GetModel().IsDragging()),
              std::make_pair(std::string("UnSelected id=102"), false));
    EXPECT_TRUE(MovieRecorder(group).IsEmpty() && !group.IsEmpty()); // a copy starts empty

    // Any other group hears nothing, though the bar moves all the same.
    GroupRecorder other;
    bar = MakeBar(&other);
    DragStartThenValue(bar);
    EXPECT_EQ(other.events, Log{});
    EXPECT_EQ(bar->GetModel().GetValueX(), 200);
}

TEST_F(MovieBarTest, DrawsBackgroundBarRangeAndHandles)
{
    VornMovieBar* bar = MakeBar(nullptr);
    bar->SetColours(wxColour(0, 0, 128), wxColour(0, 128, 0), wxColour(64, 64, 64));
    bar->SetUp(10, 6);
    bar->SetStart(0.5); // start x 145
    bar->SetEnd(0.75);  // end x 213
    bar->SetValue(0.5); // value x 179
    const wxImage img = RenderToImage(bar);
    const std::string back = "#404040", barC = "#000080", range = "#008000", start = "#FF00FF", end = "#00FFFF",
                      value = "#FFFF00";
    const std::pair<wxPoint, const std::string&> expect[] = {
        {{5, 9}, back}, {{5, 10}, barC}, {{144, 15}, barC}, {{145, 10}, range}, {{222, 15}, range}, {{223, 12}, barC},
        {{135, 16}, back}, {{136, 16}, start}, {{144, 23}, start}, {{222, 16}, end}, {{230, 23}, end},
        {{231, 16}, back}, {{178, 0}, back}, {{179, 0}, value}, {{187, 9}, value}, {{188, 9}, back}, {{179, 10}, range},
    };
    for (const auto& [at, colour] : expect)
        EXPECT_EQ(PixelStr(img, at.x, at.y), colour) << at.x << "," << at.y;
}

namespace {

// A 31 x 31 plate of one colour with a white hand from its centre pixel (15, 15) to the right.
BitmapA* Plate(int r, int g, int b)
{
    auto* plate = new BitmapA(Filled<BitmapA>(31, 31, {r, g, b, 255}));
    DrawLine(*CreateFilter(*plate), 15, 15, 30, 15, kWhite);
    return plate;
}

class TimeControlTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        cache.AssignImageOwn(VORN_IMAGE_OFF, Plate(40, 40, 40));
        cache.AssignImageOwn(VORN_IMAGE_OFF_MOUSE_OVER, Plate(0, 0, 160));
        cache.AssignImageOwn(VORN_IMAGE_OFF_DOWN, Plate(160, 0, 0));
        // Grey and opaque outside a clear window of radius 12 about (20, 20).
        face = Filled<BitmapA>(41, 41, {100, 100, 100, 255});
        DrawCircle(*CreateFilter(face), 20, 20, 12, ColorA(0, 0, 0, 0), true);
    }
    VornTimeControl* Make(const VornBitmapACache* set)
    {
        return new VornTimeControl(set, &face, 20, 20, 15, 0, 0, panel, -1, &group);
    }
    // The hand's pixel 7 from the centre to the right, and 7 above.
    static std::pair<Bytes, Bytes> RightAndUp(const wxImage& img) { return {Px(img, 27, 20), Px(img, 20, 13)}; }

    VornBitmapACache cache;
    BitmapA face;
    GroupRecorder group;
};

} // namespace

TEST_F(TimeControlTest, ThePictureTurnsUnderTheFaceAndItsStatesFollowThePointer)
{
    VornTimeControl* dial = Make(&cache);
    EXPECT_EQ(dial->GetClientSize(), wxSize(41, 41)); // the face's size
    const Bytes plate{40, 40, 40}, grey{100, 100, 100}, kHand{255, 255, 255};
    wxImage img = RenderToImage(dial);
    EXPECT_EQ(RightAndUp(img), std::make_pair(kHand, plate));
    EXPECT_EQ(std::make_pair(Px(img, 34, 20), Px(img, 0, 0)), std::make_pair(grey, grey)); // the face hides the tip
    dial->SetValue(0.25f, false); // a quarter turn counter-clockwise: the hand points up
    EXPECT_EQ(RightAndUp(RenderToImage(dial)), std::make_pair(plate, kHand));
    dial->SetValue(0.0f, false);
    // The state, then the plate's colour above the centre as red x 1000 + blue.
    const auto shown = [&] {
        const wxImage img = RenderToImage(dial);
        return std::make_pair(dial->GetImageState(), img.GetRed(20, 13) * 1000 + img.GetBlue(20, 13));
    };
    EXPECT_EQ(shown(), std::make_pair(+VORN_IMAGE_OFF, 40040));
    SendMouse(dial, wxEVT_ENTER_WINDOW, {20, 13});
    EXPECT_EQ(shown(), std::make_pair(+VORN_IMAGE_OFF_MOUSE_OVER, 160));
    LeftDown(dial, {20, 13});
    EXPECT_EQ(shown(), std::make_pair(+VORN_IMAGE_OFF_DOWN, 160000));
    LeftUp(dial, {20, 13});
    EXPECT_EQ(shown(), std::make_pair(+VORN_IMAGE_OFF_MOUSE_OVER, 160));
    SendMouse(dial, wxEVT_LEAVE_WINDOW, {50, 50});
    EXPECT_EQ(shown(), std::make_pair(+VORN_IMAGE_OFF, 40040));

    // Only "off": every state shows it. No set at all: the face over the background.
    VornBitmapACache offOnly;
    offOnly.AssignImageOwn(VORN_IMAGE_OFF, Plate(40, 40, 40));
    dial = Make(&offOnly);
    LeftDown(dial, {20, 13});
    EXPECT_EQ(shown(), std::make_pair(+VORN_IMAGE_OFF_DOWN, 40040));
    dial = Make(nullptr);
    EXPECT_EQ(dial->GetImage(), nullptr);
}

// The turned picture against the imaging layer's composition of the same layers (the
// background, the plate read bilinearly through a turned view, the face blended on top), for
// directions off the pixel grid, over a plate and a face with graded alpha.
TEST_F(TimeControlTest, TurnedPictureMatchesTheImagingLayerWithinOnePerChannel)
{
    BitmapA* plate = new BitmapA(Filled<BitmapA>(31, 31, {0, 0, 0, 255}));
    for (int y = 0; y < 31; ++y)
        for (int x = 0; x < 31; ++x) {
            unsigned char* p = plate->PixelAt(x, y);
            p[0] = static_cast<unsigned char>(x * 8);
            p[1] = static_cast<unsigned char>(y * 8);
            p[2] = static_cast<unsigned char>(x * y % 256);
            p[3] = static_cast<unsigned char>(x + y < 20 ? 255 : (x * 37 + y * 11) % 256);
        }
    VornBitmapACache set;
    set.AssignImageOwn(VORN_IMAGE_OFF, plate);
    DrawCircle(*CreateFilter(face), 20, 20, 7, ColorA(0.2, 0.6, 0.9, 0.4), true); // tinted glass
    VornTimeControl* dial = Make(&set);
    for (const int step : {0, 7, 37, 60, 131, 200}) {
        dial->SetValue(step / 240.0f, false);
        const wxImage drawn = RenderToImage(dial);
        wxImage expected(41, 41);
        FilterPtr target = CreateFilter(expected);
        Clear(*target, WxCtoCA(dial->GetBackgroundColour()));
        Blit(*target, *Rotate(-360.0 * step / 240, 15, 15, AntiAlias(CreateFilter(*plate))), 5, 5);
        Blit(*target, *CreateFilter(face), 0, 0);
        int worst = 0;
        for (int i = 0; i < 41 * 41 * 3; ++i)
            worst = std::max(worst, std::abs(drawn.GetData()[i] - expected.GetData()[i]));
        EXPECT_LE(worst, 1) << "step " << step;
    }
}
