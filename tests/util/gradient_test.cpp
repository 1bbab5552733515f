// Gradients, enumeration texts and clamping.
#include <gtest/gtest.h>

#include <vorn/util/enum_string_parser.h>
#include <vorn/util/extreme_helper.h>
#include <vorn/util/gradient.h>

#include "test_support.h"

using namespace vorn;

namespace {
void ExpectColour(const Color& c, double r, double g, double b)
{
    EXPECT_NEAR(c.r, r, 1e-12);
    EXPECT_NEAR(c.g, g, 1e-12);
    EXPECT_NEAR(c.b, b, 1e-12);
}
} // namespace

TEST(GradientStops, IndicesStartAtOneAndAreNeverReused)
{
    Gradient g;
    const unsigned int a = g.AddPoint(CONTROL_POINT(0.2, Color(1, 0, 0)));
    const unsigned int b = g.AddPoint(CONTROL_POINT(0.8, Color(0, 0, 1), true, false, true));
    EXPECT_EQ(a, 1u);
    EXPECT_EQ(b, 2u);
    CONTROL_POINT p;
    EXPECT_FALSE(g.GetPoint(0, p)); // 0 is "no stop"
    ASSERT_TRUE(g.GetPoint(b, p));
    EXPECT_EQ(p.index, 2u);
    EXPECT_DOUBLE_EQ(p.position, 0.8);
    EXPECT_TRUE(p.flag1);
    EXPECT_FALSE(p.flag2);
    EXPECT_TRUE(p.flag3);

    ASSERT_TRUE(g.DeletePoint(a));
    EXPECT_FALSE(g.DeletePoint(a));
    EXPECT_FALSE(g.GetPoint(a, p));
    EXPECT_TRUE(g.GetPoint(b, p)); // the other stop keeps its index
    EXPECT_EQ(g.AddPoint(CONTROL_POINT(0.5, Color())), 3u);
    g.Clear();
    EXPECT_EQ(g.GetSize(), 0u);
    EXPECT_EQ(g.AddPoint(CONTROL_POINT(0.5, Color())), 4u);
}

TEST(GradientStops, SetPointReplacesAllButTheIndex)
{
    Gradient g;
    const unsigned int i = g.AddPoint(CONTROL_POINT(0.1, Color(1, 1, 1)));
    CONTROL_POINT q(0.6, Color(0, 0.5, 0), false, true, false);
    q.index = 99;
    ASSERT_TRUE(g.SetPoint(i, q));
    EXPECT_FALSE(g.SetPoint(99, q));
    CONTROL_POINT p;
    ASSERT_TRUE(g.GetPoint(i, p));
    EXPECT_EQ(p.index, i);
    EXPECT_DOUBLE_EQ(p.position, 0.6);
    EXPECT_TRUE(p.flag2);
    ExpectColour(p.colour, 0, 0.5, 0);
}

TEST(GradientStops, ClosestAndSortedOrder)
{
    Gradient g;
    CONTROL_POINT p;
    EXPECT_FALSE(g.GetClosest(0.5, p));
    const unsigned int late = g.AddPoint(CONTROL_POINT(0.9, Color()));
    const unsigned int early = g.AddPoint(CONTROL_POINT(0.1, Color()));
    const unsigned int twin = g.AddPoint(CONTROL_POINT(0.9, Color()));
    ASSERT_TRUE(g.GetClosest(0.3, p));
    EXPECT_EQ(p.index, early);
    ASSERT_TRUE(g.GetClosest(0.5, p)); // equally near 0.1 and 0.9: the one added first
    EXPECT_EQ(p.index, late);
    ASSERT_TRUE(g.GetClosest(5.0, p));
    EXPECT_EQ(p.index, late);

    const auto sorted = g.GetSortedPoints();
    ASSERT_EQ(sorted.size(), 3u);
    EXPECT_EQ(sorted[0].index, early);
    EXPECT_EQ(sorted[1].index, late);
    EXPECT_EQ(sorted[2].index, twin);
}

TEST(GradientColour, InterpolatesLinearlyAndClampsTheEnds)
{
    Gradient g;
    Color c(0.3, 0.3, 0.3);
    EXPECT_FALSE(g.GetColour(0.5, c));
    ExpectColour(c, 0.3, 0.3, 0.3); // unchanged

    g.AddPoint(CONTROL_POINT(0.75, Color(0, 0, 1)));
    ASSERT_TRUE(g.GetColour(0.1, c));
    ExpectColour(c, 0, 0, 1); // one stop: its colour everywhere

    g.AddPoint(CONTROL_POINT(0.25, Color(1, 0, 0)));
    g.AddPoint(CONTROL_POINT(0.5, Color(0, 1, 0)));
    ASSERT_TRUE(g.GetColour(0.0, c));
    ExpectColour(c, 1, 0, 0);
    ASSERT_TRUE(g.GetColour(0.375, c));
    ExpectColour(c, 0.5, 0.5, 0);
    ASSERT_TRUE(g.GetColour(0.5, c));
    ExpectColour(c, 0, 1, 0);
    ASSERT_TRUE(g.GetColour(0.6, c));
    ExpectColour(c, 0, 0.6, 0.4);
    ASSERT_TRUE(g.GetColour(2.0, c));
    ExpectColour(c, 0, 0, 1);

    // Two stops at one position: a hard step, taking the later-added one beyond it.
    g.AddPoint(CONTROL_POINT(0.5, Color(1, 1, 1)));
    ASSERT_TRUE(g.GetColour(0.5, c));
    ExpectColour(c, 1, 1, 1);
    ASSERT_TRUE(g.GetColour(0.4999999, c));
    EXPECT_NEAR(c.g, 1.0, 1e-5);
    EXPECT_NEAR(c.b, 0.0, 1e-5);
}

TEST(EnumParser, ParsesItemsAndSelection)
{
    EnumStringParser p;
    EXPECT_EQ(p.GetSize(), 0);
    EXPECT_EQ(p.GetSelection(), -1);
    ASSERT_TRUE(p.Initialize("low|*medium|high"));
    EXPECT_EQ(p.GetSize(), 3);
    EXPECT_EQ(p.GetEnumItem(0), "low");
    EXPECT_EQ(p.GetEnumItem(1), "medium");
    EXPECT_EQ(p.GetEnumItem(2), "high");
    EXPECT_EQ(p.GetEnumItem(3), "");
    EXPECT_EQ(p.GetEnumItem(-1), "");
    EXPECT_EQ(p.GetSelection(), 1);

    ASSERT_TRUE(p.Initialize("one"));
    EXPECT_EQ(p.GetSize(), 1);
    EXPECT_EQ(p.GetSelection(), -1);
}

TEST(EnumParser, RejectsBrokenTextsAndKeepsWhatItHad)
{
    EnumStringParser p;
    ASSERT_TRUE(p.Initialize("a|*b"));
    for (const char* bad : {"", "|", "a||b", "a|", "*a|*b", "*", "a|b\\"})
        EXPECT_FALSE(p.Initialize(bad)) << '"' << bad << '"';
    EXPECT_EQ(p.GetEnumString(), "a|*b");
    p.Clear();
    EXPECT_EQ(p.GetSize(), 0);
    EXPECT_EQ(p.GetSelection(), -1);
    EXPECT_EQ(p.GetEnumString(), "");
}

TEST(EnumParser, SelectionAndRoundTripWithEscapes)
{
    EnumStringParser p;
    ASSERT_TRUE(p.Initialize("x\\|y|*\\*star|back\\\\slash|mid*dle"));
    EXPECT_EQ(p.GetEnumItem(0), "x|y");
    EXPECT_EQ(p.GetEnumItem(1), "*star");
    EXPECT_EQ(p.GetEnumItem(2), "back\\slash");
    EXPECT_EQ(p.GetEnumItem(3), "mid*dle");
    EXPECT_EQ(p.GetSelection(), 1);

    EXPECT_FALSE(p.SetSelection(4));
    EXPECT_FALSE(p.SetSelection(-2));
    EXPECT_EQ(p.GetSelection(), 1);
    ASSERT_TRUE(p.SetSelection(3));
    const std::string text = p.GetEnumString();
    EXPECT_EQ(text, "x\\|y|\\*star|back\\\\slash|*mid*dle");

    EnumStringParser q;
    ASSERT_TRUE(q.Initialize(text));
    ASSERT_EQ(q.GetSize(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(q.GetEnumItem(i), p.GetEnumItem(i));
    EXPECT_EQ(q.GetSelection(), 3);
    ASSERT_TRUE(q.SetSelection(-1));
    EXPECT_EQ(q.GetEnumString(), "x\\|y|\\*star|back\\\\slash|mid*dle");
}

TEST(Clamping, ClampValueKeepsValuesInRange)
{
    double f = 1.5;
    ExtremeHelper::ClampValue(0.0001, 0.9999, f);
    EXPECT_DOUBLE_EQ(f, 0.9999);
    f = -3.0;
    ExtremeHelper::ClampValue(0.0001, 0.9999, f);
    EXPECT_DOUBLE_EQ(f, 0.0001);
    f = 0.5;
    ExtremeHelper::ClampValue(0.0, 1.0, f);
    EXPECT_DOUBLE_EQ(f, 0.5);
    int i = 12;
    ExtremeHelper::ClampValue(0, 10, i);
    EXPECT_EQ(i, 10);
    float s = -1.0f;
    ExtremeHelper::ClampValue(0.0, 1.0, s);
    EXPECT_EQ(s, 0.0f);
}
