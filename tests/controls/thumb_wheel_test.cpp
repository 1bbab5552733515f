// The thumb wheel driven by synthetic mouse events: what it reports, in order, and the
// texture window it draws through its mask under its frame.
#include <array>
#include <functional>

#include <gtest/gtest.h>

#include <vorn/controls/thumb_wheel.h>

#include "group_recorder.h"
#include "test_support.h"

using namespace vorn;

using namespace vorntest;

namespace {

using Rgba = std::array<unsigned char, 4>;

BitmapA MakeImage(int w, int h, const std::function<Rgba(int x, int y)>& pixel)
{
    BitmapA b;
    b.Create(w, h, 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Rgba p = pixel(x, y);
            std::copy(p.begin(), p.end(), b.PixelAt(x, y));
        }
    return b;
}

// A 60 x 6 texture whose red channel counts its columns (4 per column) and whose green
// channel counts its rows (40 per row), a 40 x 6 mask that hides columns 0 and 1 and
// half-shows column 2, and a 40 x 8 frame: transparent over the wheel except its last
// column (green) and a half-transparent white column 20, opaque blue below it.
struct WheelArt {
    BitmapA texture = MakeImage(60, 6, [](int x, int y) {
        return Rgba{static_cast<unsigned char>(4 * x), static_cast<unsigned char>(40 * y), 0, 255};
    });
    BitmapA tallTexture = MakeImage(40, 40, [](int x, int y) {
        return Rgba{static_cast<unsigned char>(4 * y), static_cast<unsigned char>(4 * x), 0, 255};
    });
    BitmapA mask = MakeImage(40, 6, [](int x, int) {
        const unsigned char v = x < 2 ? 0 : x == 2 ? 128 : 255;
        return Rgba{v, v, v, 255};
    });
    BitmapA frame = MakeImage(40, 8, [](int x, int y) {
        if (y >= 6)
            return Rgba{0, 0, 255, 255};
        if (x == 20)
            return Rgba{255, 255, 255, 128}; // a half-transparent highlight
        return x == 39 ? Rgba{0, 255, 0, 255} : Rgba{0, 0, 0, 0};
    });
};

class ThumbWheelTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        wheel = new VornThumbWheelControl(&art.frame, &art.texture, &art.mask, 0, 0, false, 20, panel, -1, &group);
        ShowFrame();
        group.events.clear();
    }
    std::string Id(const char* what) const { return std::string(what) + " id=" + std::to_string(wheel->GetId()); }

    WheelArt art;
    GroupRecorder group;
    VornThumbWheelControl* wheel = nullptr;
};

} // namespace

TEST_F(ThumbWheelTest, TakesTheFramesSizeAndRegisters)
{
    EXPECT_EQ(wheel->GetWidth(), 40);
    EXPECT_EQ(wheel->GetHeight(), 8);
    EXPECT_EQ(wheel->GetClientSize(), wxSize(40, 8));
    EXPECT_EQ(wheel->GetModel().period, 200);
    EXPECT_EQ(wheel->GetCurrentValue(), 0.0f);
    ReceiverRecorder receiver;
    group.Register(&receiver);
    wheel->SetCurrentValue(35.0f);
    LeftDown(wheel, {5, 3});
    LeftUp(wheel, {5, 3});
    EXPECT_EQ(receiver.events, (std::vector<std::string>{"Update id=0 RealValChanged 35"}));
    EXPECT_EQ(receiver.lastControl, wheel);
    group.DeRegister(&receiver);
}

TEST_F(ThumbWheelTest, DragRightFromThirtyFiveReportsEachStep)
{
    wheel->SetCurrentValue(35.0f);
    EXPECT_TRUE(group.events.empty()); // setting the value says nothing
    LeftDown(wheel, {10, 3});
    EXPECT_TRUE(wheel->HasCapture());
    Motion(wheel, {15, 3});
    Motion(wheel, {20, 5}); // across the wheel only x counts
    LeftUp(wheel, {20, 5});
    EXPECT_FALSE(wheel->HasCapture());
    EXPECT_EQ(wheel->GetCurrentValue(), 36.0f);
    EXPECT_EQ(group.events,
              (std::vector<std::string>{Id("Selected"), Id("Drag"), "Update id=0 RealValChanging 35.5", Id("Drag"),
                                        "Update id=0 RealValChanging 36", Id("UnSelected"),
                                        "Update id=0 RealValChanged 36"}));
    EXPECT_EQ(group.lastControl, wheel);
}

TEST_F(ThumbWheelTest, MetaKeyDragIsTenTimesFiner)
{
    wheel->SetCurrentValue(35.0f);
    LeftDown(wheel, {10, 3});
    Motion(wheel, {20, 3}, kLeftHeld | kShift);
    EXPECT_FLOAT_EQ(wheel->GetCurrentValue(), 35.1f);
    EXPECT_EQ(wheel->GetModel().position, 190); // a tenth of a pixel per pixel
    Motion(wheel, {30, 3}, kLeftHeld | kAlt);
    EXPECT_FLOAT_EQ(wheel->GetCurrentValue(), 35.2f);
    LeftUp(wheel, {30, 3});
    EXPECT_EQ(group.Updates(), (std::vector<std::string>{"Update id=0 RealValChanging 35.1",
                                                         "Update id=0 RealValChanging 35.2",
                                                         "Update id=0 RealValChanged 35.2"}));
}

TEST_F(ThumbWheelTest, StepFromZeroAndSnapBackAtRelease)
{
    LeftDown(wheel, {10, 3});
    Motion(wheel, {11, 3});
    Motion(wheel, {10, 3});
    LeftUp(wheel, {10, 3});
    const std::vector<std::string> updates = group.Updates();
    ASSERT_EQ(updates.size(), 3u);
    EXPECT_EQ(updates[0], "Update id=0 RealValChanging 1e-06");
    EXPECT_NE(updates[1], "Update id=0 RealValChanging 0"); // a float residue while dragging
    EXPECT_EQ(updates[2], "Update id=0 RealValChanged 0");
    EXPECT_EQ(wheel->GetCurrentValue(), 0.0f);
}

TEST_F(ThumbWheelTest, StepSetBeforeAPressIsReplacedByThePress)
{
    wheel->SetCurrentValue(35.0f);
    wheel->SetStepAmount(1000.0f);
    LeftDown(wheel, {10, 3});
    Motion(wheel, {20, 3});
    LeftUp(wheel, {20, 3});
    EXPECT_EQ(wheel->GetCurrentValue(), 36.0f);
}

TEST_F(ThumbWheelTest, ClampsOnlyWhatTheMouseDoes)
{
    wheel->SetMaxValue(35.5f);
    wheel->SetMinValue(-2.0f);
    wheel->SetCurrentValue(35.0f);
    LeftDown(wheel, {10, 3});
    Motion(wheel, {20, 3});
    EXPECT_EQ(wheel->GetCurrentValue(), 35.5f);
    LeftUp(wheel, {20, 3});
    wheel->SetCurrentValue(100.0f); // the host may go beyond the clamps
    EXPECT_EQ(wheel->GetCurrentValue(), 100.0f);
    wheel->SetCurrentValue(-1.0f);
    LeftDown(wheel, {0, 3});
    Motion(wheel, {-400, 3});
    EXPECT_EQ(wheel->GetCurrentValue(), -2.0f);
    LeftUp(wheel, {-400, 3});
}

TEST_F(ThumbWheelTest, MotionWithoutAPressDoesNothing)
{
    wheel->SetCurrentValue(35.0f);
    Motion(wheel, {20, 3}, kNone);
    Motion(wheel, {30, 3}); // a button held elsewhere: the wheel saw no press
    EXPECT_EQ(wheel->GetCurrentValue(), 35.0f);
    EXPECT_TRUE(group.events.empty());
}

TEST_F(ThumbWheelTest, SecondButtonDoesNotRestartTheDrag)
{
    wheel->SetCurrentValue(35.0f);
    LeftDown(wheel, {10, 3});
    Motion(wheel, {20, 3});
    SendMouse(wheel, wxEVT_RIGHT_DOWN, {20, 3}, kLeftHeld); // the step stays the one of the press
    Motion(wheel, {30, 3}, kLeftHeld | kRightHeld);
    SendMouse(wheel, wxEVT_RIGHT_UP, {30, 3}, kLeftHeld);
    EXPECT_TRUE(wheel->IsDragging());
    LeftUp(wheel, {30, 3});
    EXPECT_EQ(wheel->GetCurrentValue(), 37.0f);
    EXPECT_EQ(group.events,
              (std::vector<std::string>{Id("Selected"), Id("Drag"), "Update id=0 RealValChanging 36", Id("Drag"),
                                        "Update id=0 RealValChanging 37", Id("UnSelected"),
                                        "Update id=0 RealValChanged 37"}));
}

TEST_F(ThumbWheelTest, WorksWithoutAGroup)
{
    auto* lone = new VornThumbWheelControl(&art.frame, &art.texture, &art.mask, 0, 20, false, 20, panel, -1, nullptr);
    lone->SetCurrentValue(35.0f);
    LeftDown(lone, {10, 3});
    Motion(lone, {20, 3});
    LeftUp(lone, {20, 3});
    EXPECT_EQ(lone->GetCurrentValue(), 36.0f);
    EXPECT_TRUE(group.events.empty());
}

TEST_F(ThumbWheelTest, DrawsTheTextureWindowThroughTheMaskUnderTheFrame)
{
    wxImage img = RenderToImage(wheel, wxDefaultSize, *wxWHITE);
    EXPECT_EQ(PixelStr(img, 0, 2), "#000000");  // masked out: the black working image
    EXPECT_EQ(PixelStr(img, 1, 5), "#000000");
    EXPECT_EQ(PixelStr(img, 2, 0), "#040000");  // half of column 2 (red 8, green 0)
    EXPECT_EQ(PixelStr(img, 10, 2), "#285000"); // texture column 10, row 2
    EXPECT_EQ(PixelStr(img, 38, 5), "#98C800");
    EXPECT_EQ(PixelStr(img, 39, 2), "#00FF00"); // the frame on top
    EXPECT_EQ(PixelStr(img, 10, 7), "#0000FF");
    // Half of white over texture column 20 (80, 80, 0): the frame is blended by its alpha.
    EXPECT_EQ(PixelStr(img, 20, 2), "#A8A880");

    // 25 pixels to the left with a 20-pixel period: the window starts at column 5.
    LeftDown(wheel, {30, 3});
    Motion(wheel, {5, 3});
    LeftUp(wheel, {5, 3});
    EXPECT_EQ(wheel->GetModel().GetWindowStart(), 5);
    img = RenderToImage(wheel);
    EXPECT_EQ(PixelStr(img, 10, 2), "#3C5000"); // column 15
    EXPECT_EQ(PixelStr(img, 38, 0), "#AC0000"); // column 43
    EXPECT_EQ(PixelStr(img, 0, 2), "#000000");
    EXPECT_EQ(PixelStr(img, 39, 2), "#00FF00");

    // Right by 7 pixels scrolls back through 0: the window starts at column 18.
    LeftDown(wheel, {5, 3});
    Motion(wheel, {12, 3});
    LeftUp(wheel, {12, 3});
    img = RenderToImage(wheel);
    EXPECT_EQ(PixelStr(img, 10, 2), "#705000"); // column 28
}

TEST_F(ThumbWheelTest, VerticalWheelScrollsRows)
{
    const BitmapA mask = MakeImage(8, 20, [](int, int) { return Rgba{255, 255, 255, 255}; });
    const BitmapA frame = MakeImage(8, 20, [](int, int) { return Rgba{0, 0, 0, 0}; });
    auto* v = new VornThumbWheelControl(&frame, &art.tallTexture, &mask, 50, 0, true, 10, panel, -1, &group);
    v->SetCurrentValue(35.0f);
    wxImage img = RenderToImage(v);
    EXPECT_EQ(PixelStr(img, 3, 4), "#100C00"); // texture row 4, column 3
    LeftDown(v, {3, 10});
    Motion(v, {3, 7}); // up 3 pixels: the value rises, the window moves 3 rows down the texture
    EXPECT_FLOAT_EQ(v->GetCurrentValue(), 35.3f);
    EXPECT_EQ(v->GetModel().position, 30);
    Motion(v, {3, 16}); // down 9: 30 - 90 wraps to 40 over the 100-tenth period
    EXPECT_EQ(v->GetModel().position, 40);
    LeftUp(v, {3, 16});
    img = RenderToImage(v);
    EXPECT_EQ(PixelStr(img, 3, 4), "#200C00"); // texture row 8
}

TEST_F(ThumbWheelTest, MissingImagesDrawNothingAndDoNotFail)
{
    auto* empty = new VornThumbWheelControl(nullptr, nullptr, nullptr, 0, 40, false, 20, panel, -1, &group);
    EXPECT_EQ(empty->GetWidth(), 0);
    const wxImage img = RenderToImage(empty, wxSize(4, 4), *wxWHITE);
    EXPECT_EQ(PixelStr(img, 1, 1), "#FFFFFF");
    // Frame only: drawn over black.
    auto* frameOnly = new VornThumbWheelControl(&art.frame, nullptr, nullptr, 0, 50, false, 20, panel, -1, &group);
    const wxImage framed = RenderToImage(frameOnly, wxDefaultSize, *wxWHITE);
    EXPECT_EQ(PixelStr(framed, 10, 2), "#000000");
    EXPECT_EQ(PixelStr(framed, 39, 2), "#00FF00");
}

TEST_F(ThumbWheelTest, DefaultConstructedThenCreatedIsTheSameWheel)
{
    auto* later = new VornThumbWheelControl;
    EXPECT_TRUE(later->Create(&art.frame, &art.texture, &art.mask, 0, 60, false, 20, panel, -1, &group));
    EXPECT_EQ(later->GetClientSize(), wxSize(40, 8));
    EXPECT_EQ(later->GetModel().period, 200);
    later->SetCurrentValue(35.0f);
    LeftDown(later, {10, 3});
    Motion(later, {20, 3});
    LeftUp(later, {20, 3});
    EXPECT_EQ(group.Updates(),
              (std::vector<std::string>{"Update id=0 RealValChanging 36", "Update id=0 RealValChanged 36"}));
    // Ten pixels to the right scroll back through 0: 200 - 100 tenths, column 10 + 10.
    EXPECT_EQ(later->GetModel().position, 100);
    const wxImage img = RenderToImage(later);
    EXPECT_EQ(PixelStr(img, 10, 2), "#505000");
    EXPECT_EQ(PixelStr(img, 39, 2), "#00FF00");
}

TEST_F(ThumbWheelTest, DisablingMidDragEndsItAsAReleaseWould)
{
    LeftDown(wheel, {10, 3});
    Motion(wheel, {11, 3});
    Motion(wheel, {10, 3}); // a residue near zero: the end snaps it
    wheel->SetEnabled(false);
    EXPECT_FALSE(wheel->IsDragging());
    EXPECT_FALSE(wheel->HasCapture());
    EXPECT_EQ(wheel->GetCurrentValue(), 0.0f);
    LeftUp(wheel, {10, 3}); // ignored while disabled
    EXPECT_EQ(group.events.size(), 7u);
    EXPECT_EQ(group.events[5], Id("UnSelected"));
    EXPECT_EQ(group.events[6], "Update id=0 RealValChanged 0");
    wheel->SetEnabled(true);
    group.events.clear();
    LeftDown(wheel, {10, 3}); // a fresh drag starts normally
    EXPECT_EQ(group.events, (std::vector<std::string>{Id("Selected")}));
    LeftUp(wheel, {10, 3});
}
