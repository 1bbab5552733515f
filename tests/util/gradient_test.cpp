// Gradients, enumeration texts and clamping.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/util/enum_string_parser.h>
#include <vorn/util/extreme_helper.h>
#include <vorn/util/gradient.h>

#include "pixels.h"

using namespace vorn;

using vorntest::ExpectColour;

TEST(GradientStops, IndicesStartAtOneAndAreNeverReused)
{
    Gradient g;
    const unsigned int a = g.AddPoint(CONTROL_POINT(0.2, Color(1, 0, 0)));
    const unsigned int b = g.AddPoint(CONTROL_POINT(0.8, Color(0, 0, 1)));
    EXPECT_EQ(std::make_pair(a, b), std::make_pair(1u, 2u));
    CONTROL_POINT p;
    EXPECT_FALSE(g.GetPoint(0, p)); // 0 is "no stop"
    ASSERT_TRUE(g.DeletePoint(a));
    EXPECT_FALSE(g.DeletePoint(a) || g.GetPoint(a, p));
    ASSERT_TRUE(g.GetPoint(b, p)); // the other stop keeps its index
    EXPECT_EQ(p.index, 2u);
    EXPECT_EQ(g.AddPoint(CONTROL_POINT(0.5, Color())), 3u);
    g.Clear();
    EXPECT_EQ(g.GetSize(), 0u);
    EXPECT_EQ(g.AddPoint(CONTROL_POINT(0.5, Color())), 4u);

    // SetPoint replaces everything but the index.
    CONTROL_POINT q(0.6, Color(0, 0.5, 0), false, true, false);
    q.index = 99;
    ASSERT_TRUE(g.SetPoint(4, q));
    EXPECT_FALSE(g.SetPoint(99, q));
    ASSERT_TRUE(g.GetPoint(4, p));
    EXPECT_EQ(p.index, 4u);
    EXPECT_DOUBLE_EQ(p.position, 0.6);
    EXPECT_TRUE(!p.flag1 && p.flag2 && !p.flag3);
    ExpectColour(p.colour, Color(0, 0.5, 0));
}

TEST(GradientStops, ClosestAndSortedOrder)
{
    Gradient g;
    CONTROL_POINT p;
    EXPECT_FALSE(g.GetClosest(0.5, p));
    const unsigned int late = g.AddPoint(CONTROL_POINT(0.9, Color()));
    const unsigned int early = g.AddPoint(CONTROL_POINT(0.1, Color()));
    const unsigned int twin = g.AddPoint(CONTROL_POINT(0.9, Color()));
    for (auto [at, want] : {std::pair{0.3, early}, {0.5, late} /* equally near: the one added first */, {5.0, late}}) {
        ASSERT_TRUE(g.GetClosest(at, p));
        EXPECT_EQ(p.index, want) << at;
    }
    std::vector<uint64_t> order;
    for (const CONTROL_POINT& q : g.GetSortedPoints())
        order.push_back(q.index);
    EXPECT_EQ(order, (std::vector<uint64_t>{early, late, twin}));
}

TEST(GradientColour, InterpolatesLinearlyAndClampsTheEnds)
{
    Gradient g;
    Color c(0.3, 0.3, 0.3);
    EXPECT_FALSE(g.GetColour(0.5, c));
    ExpectColour(c, Color(0.3, 0.3, 0.3)); // unchanged
    g.AddPoint(CONTROL_POINT(0.75, Color(0, 0, 1)));
    ASSERT_TRUE(g.GetColour(0.1, c));
    ExpectColour(c, Color(0, 0, 1)); // one stop: its colour everywhere

    g.AddPoint(CONTROL_POINT(0.25, Color(1, 0, 0)));
    g.AddPoint(CONTROL_POINT(0.5, Color(0, 1, 0)));
    const std::pair<double, Color> samples[] = {
        {0.0, {1, 0, 0}}, {0.375, {0.5, 0.5, 0}}, {0.5, {0, 1, 0}}, {0.6, {0, 0.6, 0.4}}, {2.0, {0, 0, 1}}};
    for (const auto& [at, want] : samples) {
        ASSERT_TRUE(g.GetColour(at, c));
        ExpectColour(c, want);
    }

    // Two stops at one position: a hard step, taking the later-added one beyond it.
    g.AddPoint(CONTROL_POINT(0.5, Color(1, 1, 1)));
    ASSERT_TRUE(g.GetColour(0.5, c));
    ExpectColour(c, Color(1, 1, 1));
    ASSERT_TRUE(g.GetColour(0.4999999, c));
    EXPECT_NEAR(c.g, 1.0, 1e-5);
    EXPECT_NEAR(c.b, 0.0, 1e-5);
}

namespace {
std::vector<std::string> Items(const EnumStringParser& p)
{
    std::vector<std::string> out;
    for (int i = -1; i <= p.GetSize(); ++i) // one beyond each end: ""
        out.push_back(p.GetEnumItem(i));
    return out;
}
} // namespace

TEST(EnumParser, ParsesItemsSelectionAndEscapesAndRoundTrips)
{
    EnumStringParser p;
    ASSERT_TRUE(p.Initialize("one"));
    EXPECT_EQ(p.GetSelection(), -1);
    ASSERT_TRUE(p.Initialize("x\\|y|*\\*star|back\\\\slash|mid*dle"));
    const std::vector<std::string> items = {"", "x|y", "*star", "back\\slash", "mid*dle", ""};
    EXPECT_EQ(Items(p), items);
    EXPECT_EQ(p.GetSelection(), 1);

    EXPECT_FALSE(p.SetSelection(4) || p.SetSelection(-2));
    EXPECT_EQ(p.GetSelection(), 1);
    ASSERT_TRUE(p.SetSelection(3));
    const std::string text = p.GetEnumString();
    EXPECT_EQ(text, "x\\|y|\\*star|back\\\\slash|*mid*dle");
    EnumStringParser q;
    ASSERT_TRUE(q.Initialize(text));
    EXPECT_EQ(Items(q), items);
    EXPECT_EQ(q.GetSelection(), 3);
    ASSERT_TRUE(q.SetSelection(-1));
    EXPECT_EQ(q.GetEnumString(), "x\\|y|\\*star|back\\\\slash|mid*dle");
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

TEST(Clamping, ClampValueKeepsValuesInRange)
{
    for (auto [in, want] : {std::pair{1.5, 0.9999}, {-3.0, 0.0001}, {0.5, 0.5}}) {
        ExtremeHelper::ClampValue(0.0001, 0.9999, in);
        EXPECT_DOUBLE_EQ(in, want);
    }
    double empty = 5;
    ExtremeHelper::ClampValue(3.0, 1.0, empty); // an empty range: min wins
    EXPECT_EQ(empty, 3.0);
}
