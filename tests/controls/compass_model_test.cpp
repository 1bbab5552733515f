// The compass's tape arithmetic and the attitude indicator's handles, without a window.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/controls/compass_model.h>
#include <vorn/controls/detail/horizon_ball.h>
#include <vorn/controls/horizon_model.h>

using namespace vorn;

TEST(CompassModel, DraggingOneTurnEitherWayBringsTheValueBack)
{
    for (const int way : {1, -1}) {
        CompassModel m;
        m.SetValue(0.3f);
        const float start = m.GetValue();
        m.Press(0);
        for (int x = 7; x <= 321; x += 7) // 45 steps of 7 pixels, crossing the wrap
            m.DragTo(way * x, false);
        m.DragTo(way * 321, false);
        EXPECT_EQ(m.GetValue(), start) << way;
    }
}

TEST(CompassModel, StepsWrapAndTheMetaKeyStepsTenths)
{
    CompassModel m;
    m.MoveRight(); // position -= 10 from 0
    EXPECT_EQ(m.GetPosition(), 3200);
    m.MoveLeft();
    EXPECT_EQ(m.GetPosition(), 3210); // a whole turn is kept until the next step
    m.Press(10);
    m.DragTo(15, true); // 5 tenths, unscaled
    EXPECT_EQ(m.GetPosition(), 3205);
    m.DragTo(12, false); // three pixels back: 3235, wrapped
    EXPECT_EQ(m.GetPosition(), 25);
}

TEST(CompassModel, SetValueKeepsOneTurn)
{
    const std::pair<float, int> cases[] = {{0.25f, 802}, {1.25f, 802}, {-0.25f, 2408}, {5.3f, 963},
                                           {1.0f, 3210}, {NAN, 0},     {1e30f, -1}};
    for (const auto& [in, position] : cases) {
        CompassModel m;
        m.SetValue(in);
        if (position >= 0) {
            EXPECT_EQ(m.GetPosition(), position) << in;
        }
        EXPECT_TRUE(m.GetPosition() >= 0 && m.GetPosition() <= 3210) << in;
        EXPECT_FLOAT_EQ(m.GetValue(), m.GetPosition() / 3210.0f) << in;
    }
}

// Every ten tenths move the tape window exactly one pixel.
TEST(CompassModel, PixelOffsetIsOnePixelPerTenTenths)
{
    CompassModel m;
    m.Press(0);
    for (int tenths = 1; tenths <= 3210; ++tenths) {
        m.DragTo(-tenths, true);
        ASSERT_EQ(m.GetPixelOffset(), tenths / 10) << tenths;
        ASSERT_NEAR(m.GetTapeOffset(), tenths / 10.0, 1e-9);
    }
}

namespace {
using Pt = std::pair<int, int>;
Pt P(DialPoint p) { return {p.x, p.y}; }
HorizonModel Level(int radius = 40)
{
    HorizonModel m;
    m.SetGeometry(50, 50, radius);
    return m;
}
} // namespace

TEST(HorizonModel, HandlesAndAxisFromRollAndPitch)
{
    HorizonModel m = Level();
    EXPECT_EQ(P(m.GetA()), Pt(90, 50)); // right
    EXPECT_EQ(P(m.GetB()), Pt(10, 50));
    EXPECT_EQ(P(m.GetP1()), Pt(50, 90));
    EXPECT_EQ(P(m.GetQ()), Pt(50, 50)); // pitch 0.5: the centre
    EXPECT_TRUE(m.SetPitch(0.0f));
    EXPECT_EQ(P(m.GetQ()), Pt(50, 10));
    EXPECT_TRUE(m.SetPitch(7.0f)); // clamped
    EXPECT_EQ(m.GetPitch(), 1.0f);
    EXPECT_FALSE(m.SetPitch(2.0f));
    EXPECT_TRUE(m.SetRoll(0.25f)); // A up; the axis turns with it, Q stays at P1
    EXPECT_FALSE(m.SetRoll(0.25f));
    EXPECT_EQ(P(m.GetA()), Pt(50, 10));
    EXPECT_EQ(P(m.GetQ()), Pt(90, 50));
}

TEST(HorizonModel, PressGrabsStrictlyWithinFivePixelsInTheOrderABQ)
{
    HorizonModel m = Level();
    EXPECT_EQ(m.Press(94, 46), HorizonModel::kHandleA);
    EXPECT_EQ(m.Press(95, 50), 0);
    EXPECT_EQ(m.Press(6, 54), HorizonModel::kHandleB);
    EXPECT_EQ(m.Press(70, 70), 0); // far from all: nothing moves
    EXPECT_FALSE(m.DragTo(50, 0));
    EXPECT_EQ(m.GetRoll(), 0.0f);
    HorizonModel small = Level(3); // all three under one press: A acts
    EXPECT_EQ(small.Press(51, 50), HorizonModel::kHandleA | HorizonModel::kHandleB | HorizonModel::kHandleQ);
    EXPECT_TRUE(small.DragTo(50, 40));
    EXPECT_FLOAT_EQ(small.GetRoll(), 0.25f);
    EXPECT_EQ(small.GetPitch(), 0.5f);
}

TEST(HorizonModel, RollHandlesFollowThePointerAndBIsHalfATurnOn)
{
    HorizonModel m = Level();
    m.Press(90, 50);
    EXPECT_TRUE(m.DragTo(50, 20)); // straight up
    EXPECT_FLOAT_EQ(m.GetRoll(), 0.25f);
    EXPECT_EQ(P(m.GetA()), Pt(50, 10));
    EXPECT_EQ(P(m.GetB()), Pt(50, 90));
    EXPECT_FALSE(m.DragTo(50, 50)); // the centre has no direction
    m.SetRoll(0.0f);
    m.Press(10, 50); // B
    EXPECT_TRUE(m.DragTo(50, 70)); // B down: 0.75 + 0.5 -> 0.25
    EXPECT_FLOAT_EQ(m.GetRoll(), 0.25f);
    EXPECT_EQ(P(m.GetA()), Pt(50, 10));
}

// Q follows the pointer along the axis in the coordinate the axis runs further in.
TEST(HorizonModel, PitchDragFollowsThePointerAlongTheAxisClamped)
{
    HorizonModel m = Level();
    ASSERT_EQ(m.Press(52, 48), HorizonModel::kHandleQ);
    EXPECT_TRUE(m.DragTo(90, 58)); // vertical axis: the x movement does nothing
    EXPECT_FLOAT_EQ(m.GetPitch(), 0.625f);
    EXPECT_EQ(P(m.GetQ()), Pt(50, 60));
    m.DragTo(52, 500);
    EXPECT_EQ(P(m.GetQ()), Pt(50, 90));
    m.SetPitch(0.5f);
    m.SetRoll(0.25f); // horizontal axis, P1 right
    ASSERT_EQ(m.Press(50, 50), HorizonModel::kHandleQ);
    m.DragTo(70, 0);
    EXPECT_FLOAT_EQ(m.GetPitch(), 0.75f);
    EXPECT_EQ(P(m.GetQ()), Pt(70, 50));
}

// The ball against the face read directly: a face whose colours are linear in x and y makes
// the bilinear reading exact, so each pixel's colour tells where in the face it was read.
TEST(HorizonBall, ShowsTheFaceTurnedAboutQClampedToTheRimAndLeavesTheRestAlone)
{
    constexpr int kFace = 40, kSize = 60;
    constexpr double kCentre = 29.5, kBall = 17.0, kReach = 15.0; // face centre 19.5 at 30 - 20
    struct Case {
        int channels;
        double turns;
        int qx, qy;
    };
    for (const Case& c : {Case{3, 0.0, 30, 30}, Case{3, 0.125, 33, 27}, Case{3, 0.6, 30, 45}, Case{1, 0.3, 28, 31}}) {
        BitmapA face;
        ASSERT_TRUE(face.Create(kFace, kFace, c.channels));
        for (int y = 0; y < kFace; ++y)
            for (int x = 0; x < kFace; ++x) {
                unsigned char* p = face.PixelAt(x, y);
                p[0] = static_cast<unsigned char>(20 + 5 * x);
                if (c.channels == 3) {
                    p[1] = static_cast<unsigned char>(20 + 5 * y);
                    p[2] = 77;
                }
                p[c.channels] = 255;
            }
        detail::HorizonBall ball;
        ASSERT_TRUE(ball.Prepare(face, 30, 30, 20, kSize, kSize));
        std::vector<unsigned char> rgb(kSize * kSize * 3, 9);
        ball.Paint(rgb.data(), c.turns, c.qx, c.qy);
        const double th = c.turns * 2.0 * 3.14159265358979323846, cs = std::cos(th), sn = std::sin(th);
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                const unsigned char* got = &rgb[(y * kSize + x) * 3];
                const double d = std::hypot(x - kCentre, y - kCentre);
                if (d >= kBall + 0.5) {
                    ASSERT_TRUE(got[0] == 9 && got[1] == 9 && got[2] == 9) << x << "," << y;
                    continue;
                }
                double ux = (x - c.qx) * cs - (y - c.qy) * sn, uy = (x - c.qx) * sn + (y - c.qy) * cs;
                const double u = std::hypot(ux, uy);
                if (u > kReach) {
                    ux *= kReach / u;
                    uy *= kReach / u;
                }
                const double fx = 20 + 5 * (19.5 + ux), fy = 20 + 5 * (19.5 + uy);
                const double want[3] = {fx, c.channels == 3 ? fy : fx, c.channels == 3 ? 77.0 : fx};
                for (int k = 0; k < 3; ++k) {
                    if (d <= kBall - 0.5) { // inside: the face; at the edge: between it and what lay there
                        ASSERT_NEAR(got[k], want[k], 2.0) << x << "," << y << " turns " << c.turns;
                    } else {
                        ASSERT_GE(got[k], std::min(9.0, want[k]) - 2.0) << x << "," << y;
                        ASSERT_LE(got[k], std::max(9.0, want[k]) + 2.0) << x << "," << y;
                    }
                }
            }
    }
    BitmapA tiny; // no room for a ball inside the bezel: nothing to paint
    ASSERT_TRUE(tiny.Create(8, 8, 3));
    EXPECT_FALSE(detail::HorizonBall().Prepare(tiny, 4, 4, 10, 10, 10));
}
