// The angle clippers driven by synthetic mouse events: the vertical drag, its reports,
// and the blades and arcs they draw.
#include <gtest/gtest.h>

#include <vorn/controls/angle_clippers.h>

#include "group_recorder.h"
#include "test_support.h"

using namespace vorn;

using namespace vorntest;

namespace {

const ColorA kBackground(0, 0, 0, 1), kLine(1, 1, 1, 1), kSecond(1, 0, 0, 1);

class AngleClippersTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        // 80 x 44: r 22, centre (53, 22), arcs of radius 17; 100 pixels of drag open fully.
        clippers = new VornAngleClippers(kBackground, kLine, kSecond, 100, 0, 0, 80, 44, panel, -1, &group);
        ShowFrame();
        group.events.clear();
    }
    std::string Id(const char* what) const { return std::string(what) + " id=" + std::to_string(clippers->GetId()); }

    GroupRecorder group;
    VornAngleClippers* clippers = nullptr;
};

// The largest value of one channel in a small box.
int Brightest(const wxImage& img, int x0, int y0, int x1, int y1, int channel)
{
    int best = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            best = std::max(best, static_cast<int>(img.GetData()[(y * img.GetWidth() + x) * 3 + channel]));
    return best;
}

} // namespace

TEST_F(AngleClippersTest, DragDownOpensAndReportsEachMove)
{
    EXPECT_EQ(clippers->GetValue(), 0.0);
    LeftDown(clippers, {40, 10});
    EXPECT_TRUE(clippers->HasCapture());
    Motion(clippers, {40, 30}); // 20 of 100 pixels
    Motion(clippers, {70, 30}); // sideways: nothing
    Motion(clippers, {70, 40});
    LeftUp(clippers, {70, 40});
    EXPECT_FALSE(clippers->HasCapture());
    EXPECT_DOUBLE_EQ(clippers->GetValue(), 0.3);
    EXPECT_EQ(group.events,
              (std::vector<std::string>{Id("Selected"), Id("Drag"), "Update id=0 RealValChanging 0.2", Id("Drag"),
                                        "Update id=0 RealValChanging 0.3", Id("UnSelected"),
                                        "Update id=0 RealValChanged 0.3"}));
    EXPECT_EQ(group.lastControl, clippers);
}

TEST_F(AngleClippersTest, DragIsClampedAndFineWithTheMetaKey)
{
    LeftDown(clippers, {40, 10});
    Motion(clippers, {40, 0}); // already closed: nothing to report
    Motion(clippers, {40, 5}, kLeftHeld | kShift);
    EXPECT_DOUBLE_EQ(clippers->GetValue(), 0.005);
    Motion(clippers, {40, 500});
    EXPECT_EQ(clippers->GetValue(), 1.0);
    Motion(clippers, {40, 600});
    LeftUp(clippers, {40, 600});
    EXPECT_EQ(group.events,
              (std::vector<std::string>{Id("Selected"), Id("Drag"), "Update id=0 RealValChanging 0.005", Id("Drag"),
                                        "Update id=0 RealValChanging 1", Id("UnSelected"),
                                        "Update id=0 RealValChanged 1"}));
}

TEST_F(AngleClippersTest, SetValueReportsOnlyMovesWhenAsked)
{
    clippers->SetValue(0.5, true);
    clippers->SetValue(0.5, true);  // same position: nothing
    clippers->SetValue(0.7, false); // not asked
    clippers->SetValue(4.0, true);  // clamped to 1
    EXPECT_EQ(clippers->GetValue(), 1.0);
    EXPECT_EQ(group.events, (std::vector<std::string>{Id("Drag"), "Update id=0 RealValChanging 0.5", Id("Drag"),
                                                      "Update id=0 RealValChanging 1"}));
    group.events.clear();
    LeftDown(clippers, {10, 10});
    LeftUp(clippers, {10, 10});
    EXPECT_EQ(group.events,
              (std::vector<std::string>{Id("Selected"), Id("UnSelected"), "Update id=0 RealValChanged 1"}));
}

TEST_F(AngleClippersTest, ClosedBladesLieOnTheAxis)
{
    const wxImage img = RenderToImage(clippers);
    EXPECT_EQ(PixelStr(img, 10, 22), "#FFFFFF"); // the axis from the left edge to the centre
    EXPECT_EQ(PixelStr(img, 53, 22), "#FFFFFF"); // hub
    EXPECT_EQ(PixelStr(img, 74, 22), "#FFFFFF"); // both blades along the axis
    EXPECT_EQ(PixelStr(img, 76, 22), "#000000"); // beyond their length
    EXPECT_EQ(PixelStr(img, 53, 2), "#FF0000");  // the vertical line in the second colour
    EXPECT_EQ(PixelStr(img, 53, 40), "#FF0000");
    // Both arcs are wholly in the second colour.
    EXPECT_GT(Brightest(img, 64, 9, 66, 11, 0), 128);
    EXPECT_EQ(Brightest(img, 64, 9, 66, 11, 1), 0);
    EXPECT_GT(Brightest(img, 64, 33, 66, 35, 0), 128);
    EXPECT_EQ(Brightest(img, 64, 33, 66, 35, 1), 0);
    EXPECT_EQ(PixelStr(img, 30, 10), "#000000");
    EXPECT_EQ(PixelStr(img, 60, 16), "#000000"); // inside the arcs
}

TEST_F(AngleClippersTest, OpenBladesStandVerticalOneUpOneDown)
{
    clippers->SetValue(1.0, false);
    const wxImage img = RenderToImage(clippers);
    EXPECT_EQ(PixelStr(img, 53, 2), "#FFFFFF"); // the blades over the vertical line
    EXPECT_EQ(PixelStr(img, 53, 40), "#FFFFFF");
    EXPECT_EQ(PixelStr(img, 10, 22), "#FFFFFF"); // the axis stays
    EXPECT_EQ(PixelStr(img, 74, 22), "#000000"); // no blade along the axis now
    // Both arcs are wholly in the line colour.
    EXPECT_GT(Brightest(img, 64, 9, 66, 11, 1), 128);
    EXPECT_GT(Brightest(img, 64, 33, 66, 35, 1), 128);
}

TEST_F(AngleClippersTest, HalfOpenSplitsTheArcsAtTheBlades)
{
    clippers->SetValue(0.5, false); // blades at 45 degrees: outer point (68, 7) and (68, 37)
    const wxImage img = RenderToImage(clippers);
    EXPECT_GT(Brightest(img, 60, 14, 61, 15, 1), 128); // on the upper blade
    EXPECT_GT(Brightest(img, 60, 29, 61, 30, 1), 128); // on the lower blade
    // Upper arc: line colour below the blade (towards the axis), second colour above it.
    EXPECT_GT(Brightest(img, 68, 15, 70, 17, 1), 128);
    EXPECT_EQ(Brightest(img, 56, 4, 59, 6, 1), 0);
    EXPECT_GT(Brightest(img, 56, 4, 59, 6, 0), 128);
    // The lower arc mirrors it.
    EXPECT_GT(Brightest(img, 68, 27, 70, 29, 1), 128);
    EXPECT_EQ(Brightest(img, 56, 38, 59, 40, 1), 0);
    EXPECT_GT(Brightest(img, 56, 38, 59, 40, 0), 128);
}

TEST_F(AngleClippersTest, DisabledClippersIgnoreTheMouse)
{
    clippers->SetEnabled(false);
    LeftDown(clippers, {40, 10});
    Motion(clippers, {40, 40});
    LeftUp(clippers, {40, 40});
    EXPECT_EQ(clippers->GetValue(), 0.0);
    EXPECT_TRUE(group.events.empty());
}

TEST_F(AngleClippersTest, ControlWithoutAreaDrawsNothing)
{
    auto* empty = new VornAngleClippers(kBackground, kLine, kSecond, 100, 0, 50, 0, 0, panel, -1, nullptr);
    const wxImage img = RenderToImage(empty, wxSize(4, 4), *wxWHITE);
    EXPECT_EQ(PixelStr(img, 1, 1), "#FFFFFF");
    empty->SetValue(0.5, true); // no group: nothing to tell
    EXPECT_DOUBLE_EQ(empty->GetValue(), 0.5);
}

TEST_F(AngleClippersTest, DefaultConstructedThenCreated)
{
    auto* later = new VornAngleClippers;
    EXPECT_TRUE(later->Create(kBackground, kLine, kSecond, 100, 0, 50, 80, 44, panel, -1, &group));
    EXPECT_EQ(later->GetModel().cx, 53);
    EXPECT_EQ(later->GetModel().range, 1000);
    const wxImage a = RenderToImage(later), b = RenderToImage(clippers);
    for (const wxPoint p : {wxPoint(10, 22), wxPoint(74, 22), wxPoint(53, 2), wxPoint(30, 10)})
        EXPECT_EQ(PixelStr(a, p.x, p.y), PixelStr(b, p.x, p.y)) << p.x << "," << p.y;
}

TEST_F(AngleClippersTest, DisablingMidDragEndsIt)
{
    LeftDown(clippers, {40, 10});
    Motion(clippers, {40, 20});
    clippers->SetEnabled(false);
    EXPECT_FALSE(clippers->IsDragging());
    EXPECT_FALSE(clippers->HasCapture());
    EXPECT_EQ(group.events,
              (std::vector<std::string>{Id("Selected"), Id("Drag"), "Update id=0 RealValChanging 0.1", Id("UnSelected"),
                                        "Update id=0 RealValChanged 0.1"}));
}
