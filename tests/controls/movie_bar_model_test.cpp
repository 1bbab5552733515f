// The movie bar's arithmetic on the default skin's geometry: a 300 x 24 bar, start and end
// handles 9 x 8, value handle 9 x 10 (min start 9, max end 282, handles from y 16).
#include <limits>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include <vorn/controls/movie_bar_model.h>

using namespace vorn;

namespace {

using Hooks = std::vector<MovieHook>;
constexpr MovieHook V = MovieHook::Value, S = MovieHook::Start, E = MovieHook::End;

class MovieBarModelTest : public ::testing::Test {
protected:
    void SetUp() override { m.SetLayout(300, 24, 9, 8, 9, 9, 10); }
    Hooks Step(int x)
    {
        const MovieHookList list = m.Move(x);
        return Hooks(list.hooks, list.hooks + list.count);
    }
    // Presses at (x, y), which must begin the drag `which`, moves to `to` and lets go.
    Hooks Drag(int x, int y, unsigned which, int to)
    {
        EXPECT_EQ(m.Press(x, y), which);
        const Hooks hooks = Step(to);
        m.Release();
        return hooks;
    }
    MovieBarModel m;
};
const unsigned kV = MovieBarModel::kDragValue, kS = MovieBarModel::kDragStart, kE = MovieBarModel::kDragEnd;

} // namespace

TEST_F(MovieBarModelTest, PressTestsHitOnlyInsideEachHandle)
{
    m.SetStart(0.5);                // start x 145
    m.SetEnd(0.75);                 // end x 213: the end handle from 222
    m.SetValue(0.5);                // value x 179
    // Just inside each handle; then its edges, the rows above and below it, and the gaps.
    const int cases[][3] = {{180, 1, kV}, {187, 9, kV}, {137, 17, kS}, {144, 23, kS}, {223, 20, kE}, {230, 20, kE},
                            {179, 5, 0}, {188, 5, 0}, {183, 0, 0}, {183, 10, 0}, {136, 20, 0}, {145, 20, 0},
                            {140, 16, 0}, {140, 24, 0}, {222, 20, 0}, {231, 20, 0}, {183, 20, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(m.Press(c[0], c[1]), unsigned(c[2])) << c[0] << "," << c[1];
        EXPECT_EQ(m.Release(), unsigned(c[2]) == kV);
    }
}

TEST_F(MovieBarModelTest, RangeHandlesPushTheValueAndReportItFirst)
{
    m.SetValue(0.25); // value x 77
    ASSERT_EQ(m.Press(5, 20), kS); // grab -4
    EXPECT_EQ(Step(96), (Hooks{V, S}));
    EXPECT_EQ(m.GetValueX(), 100);
    EXPECT_DOUBLE_EQ(m.GetStart(), 91.0 / 273.0);
    EXPECT_EQ(Step(46), (Hooks{S})); // back to the left the value stays
    EXPECT_EQ(m.GetValueX(), 100);
    m.Release();
    EXPECT_EQ(Drag(295, 20, kE, 103), (Hooks{V, E})); // grab 13
    EXPECT_DOUBLE_EQ(m.GetValue(), 1.0); // pushed to the end
    m.Press(46, 20);
    m.Reset();
    EXPECT_EQ(std::make_tuple(m.GetStart(), m.GetEnd(), m.GetValue(), m.GetEndX(), m.IsDragging()),
              std::make_tuple(0.0, 1.0, 0.0, 282, false));
}

TEST_F(MovieBarModelTest, NoHandlePassesTheOthersOrTheBarEndsAndSetStartLeavesTheValue)
{
    m.SetStart(0.5); // start x 145
    m.SetEnd(0.6);   // end x 172
    Drag(185, 20, kE, 0);
    EXPECT_EQ(m.GetEndX(), 145);
    EXPECT_DOUBLE_EQ(m.GetValue(), 0.0); // a range without width has value 0
    Drag(158, 20, kE, 1000);
    EXPECT_EQ(m.GetEndX(), 282);
    m.SetEnd(0.6);
    Drag(141, 20, kS, 1000);
    EXPECT_EQ(m.GetStartX(), 172);
    Drag(168, 20, kS, -1000);
    EXPECT_EQ(m.GetStartX(), 9);
    m.SetValue(0.5); // value x 90
    EXPECT_EQ(Drag(94, 5, kV, 1000), (Hooks{V}));
    EXPECT_EQ(m.GetValueX(), 172);
    Drag(176, 5, kV, -1000);
    EXPECT_EQ(m.GetValueX(), 9);
    m.SetEnd(1.0);
    m.SetValue(0.5); // value x 145
    m.SetStart(0.8);
    EXPECT_EQ(m.GetValueX(), 145);
    EXPECT_LT(m.GetValue(), 0.0);
    m.SetValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(m.GetValueX(), m.GetStartX());
}
