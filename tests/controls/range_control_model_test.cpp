// The range arithmetic without a window: zoom about the centre, the press areas, the three
// drags and their limits, and the vertical control's axes.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include <vorn/controls/range_control_model.h>

using namespace vorn;

namespace {
using D = RangeDrag;
// Track 10..210 (W = 200), band rows 10..21, handles 8 long standing 6 above the band.
RangeControlModel Range(double s, double z)
{
    RangeControlModel m(RangeGeometry{8, 6, 10, 210, 10, 22});
    m.SetZoomValue(z);
    m.SetSliderValue(s);
    return m;
}
} // namespace

TEST(RangeControlModel, ZoomKeepsTheThumbCentreUnlessAnEndStopsIt)
{
    struct Case { double s, z, newZ, expectS; };
    const Case cases[] = {{0.5, 1.0, 0.5, 0.5}, {0.25, 0.5, 0.25, 1.0 / 3}, {0.0, 0.2, 0.6, 0.0}, {1.0, 0.2, 0.6, 1.0},
                          {0.7, 0.3, 1.0, 0.0}, {1.0, 0.9, 1.0, 0.0}};
    for (const Case& c : cases) {
        RangeControlModel m = Range(c.s, c.z);
        const double middle = m.ThumbMiddle();
        ASSERT_TRUE(m.SetZoomValue(c.newZ));
        EXPECT_NEAR(m.GetSliderValue(), c.expectS, 1e-12) << c.s << " " << c.z << " -> " << c.newZ;
        EXPECT_DOUBLE_EQ(m.ThumbWidth(), 200 * c.newZ);
        if (c.expectS > 0.0 && c.expectS < 1.0)
            EXPECT_NEAR(m.ThumbMiddle(), middle, 1e-9);
    }
    RangeControlModel m = Range(0.5, 0.5); // bad values change nothing; zoom stays in 0..1
    EXPECT_FALSE(m.SetSliderValue(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(m.SetZoomValue(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(std::make_pair(m.GetSliderValue(), m.GetZoomValue()), std::make_pair(0.5, 0.5));
    EXPECT_TRUE(m.SetZoomValue(3.0));
    EXPECT_EQ(std::make_pair(m.GetSliderValue(), m.GetZoomValue()), std::make_pair(0.0, 1.0));
}

TEST(RangeControlModel, PressesFindBodyAndHandlesAtTheirEdgesAndLayoutDrawsThere)
{
    // L = 60, T = 100: body 60..159 in rows 10..21, handles 52..59 and 160..167 in rows 4..21.
    struct Case { int x, y; D part; double grab; };
    const Case cases[] = {{60, 10, D::Body, 0}, {159, 21, D::Body, 99}, {60, 9, D::None, 0},  {100, 22, D::None, 0},
                          {59, 4, D::Low, 7},   {52, 21, D::Low, 0},    {51, 15, D::None, 0}, {59, 3, D::None, 0},
                          {160, 4, D::High, 0}, {167, 21, D::High, 7},  {168, 15, D::None, 0}};
    for (const Case& c : cases) {
        RangeControlModel m = Range(0.5, 0.5);
        EXPECT_EQ(m.Press(c.x, c.y), c.part) << c.x << "," << c.y;
        EXPECT_EQ(m.GetGrab(), c.grab) << c.x << "," << c.y;
        m.Release();
        EXPECT_EQ(m.Step(c.x + 5), D::None); // no drag, nothing moves
        EXPECT_EQ(m.GetSliderValue(), 0.5);
    }
    const RangeLayout l = Range(0.5, 0.375).Layout(); // L = 72.5, T = 75, M = 110
    EXPECT_EQ(l.thumb, (RangeRect{72, 10, 75, 12}));
    EXPECT_EQ(l.lowHandle, (RangeRect{64, 4, 8, 18}));
    EXPECT_EQ(l.highHandle, (RangeRect{147, 4, 8, 18}));
    EXPECT_EQ(l.middle, 110);
}

TEST(RangeControlModel, DragsMoveTheBodyAndStretchAboutTheMiddleDownToTenPixels)
{
    struct Case { double s, z; D part; int pressX, toX; double left, width; };
    const Case cases[] = {
        {0.5, 0.5, D::Body, 65, 85, 80, 100},  // grabbed 5 in: s = 70 / 100
        {0.5, 0.5, D::Body, 65, 565, 110, 100}, {0.5, 0.5, D::Body, 65, -435, 10, 100}, // clamped
        {0.0, 1.0, D::Body, 100, 130, 10, 200}, // no room: s = 0
        {0.5, 0.5, D::Low, 55, 45, 50, 120},   // both edges move about M = 110
        {0.5, 0.5, D::High, 163, 143, 80, 60},  {0.5, 0.5, D::Low, 55, -245, 10, 200}, // out to both ends
        {0.0, 0.5, D::Low, 7, 407, 55, 10},    // never narrower than 10 pixels
        {1.0, 0.5, D::Low, 107, 507, 155, 10},  {0.0, 0.5, D::High, 112, -288, 55, 10},
        {1.0, 0.5, D::High, 212, -188, 155, 10},
        {1.0, 0.5, D::Low, 105, 95, 100, 110}, // at the track's end only the free edge moves
        {0.0, 0.5, D::High, 112, 122, 10, 110},
    };
    for (const Case& c : cases) {
        RangeControlModel m = Range(c.s, c.z);
        ASSERT_EQ(m.Press(c.pressX, 15), c.part) << c.pressX;
        EXPECT_EQ(m.Step(c.toX), c.part);
        EXPECT_NEAR(m.ThumbLeft(), c.left, 1e-9) << c.pressX << " -> " << c.toX;
        EXPECT_NEAR(m.ThumbWidth(), c.width, 1e-9) << c.pressX << " -> " << c.toX;
    }
}

TEST(RangeAxes, VerticalExchangesAxesAndBottomUpMirrorsTheTrack)
{
    int a = 0, c = 0, x = 0, y = 0;
    const RangeAxes down(true, false, 10, 210), up(true, true, 10, 210), flat;
    up.ToModel(5, 50, a, c);
    EXPECT_EQ(std::make_pair(a, c), std::make_pair(169, 5));
    EXPECT_EQ(down.ToClient({60, 10, 100, 12}), (RangeRect{10, 60, 12, 100}));
    EXPECT_EQ(up.ToClient({10, 10, 100, 12}), (RangeRect{10, 110, 12, 100})); // the start at the bottom
    // Every client pixel of a mapped rectangle maps back into the model's rectangle.
    const RangeRect model{37, 4, 9, 18};
    for (const RangeAxes* axes : {&down, &up, &flat}) {
        const RangeRect r = axes->ToClient(model);
        for (int py = r.y; py < r.y + r.h; ++py)
            for (int px = r.x; px < r.x + r.w; ++px) {
                axes->ToModel(px, py, a, c);
                ASSERT_TRUE(a >= model.x && a < model.x + model.w && c >= model.y && c < model.y + model.h);
            }
    }
    up.ImagePixel(0, 3, 8, false, x, y); // mirrored with the track
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(3, 7));
    flat.ImagePixel(1, 3, 8, true, x, y); // the far handle
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(6, 3));
}
