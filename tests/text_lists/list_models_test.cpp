// Pop-up placement, the list opening rule and the keyboard model of pop-up lists.
#include <gtest/gtest.h>
#include <wx/defs.h>

#include <vorn/text_lists/popup_navigation.h>
#include <vorn/text_lists/popup_placement.h>

using namespace vorn;

namespace {

const wxRect kDisplay(0, 0, 1000, 800);

TEST(PopupPlacement, StaysOnScreenAtEveryEdge)
{
    struct Case {
        wxRect in, out;
    } cases[] = {
        {{-30, 100, 100, 50}, {0, 100, 100, 50}},      // left
        {{100, -5, 100, 50}, {100, 0, 100, 50}},       // top
        {{950, 100, 100, 50}, {899, 100, 100, 50}},    // right: one pixel inside
        {{100, 790, 100, 50}, {100, 749, 100, 50}},    // bottom
        {{-10, -10, 2000, 2000}, {0, 0, 2000, 2000}},  // larger than the display
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeepOnScreen(c.in, kDisplay), c.out) << c.in.x << "," << c.in.y;
}

TEST(PopupPlacement, BelowOrAboveAndBeside)
{
    const wxSize size(100, 200);
    EXPECT_EQ(PlaceBelowOrAbove({50, 100, 80, 20}, size, kDisplay), wxRect(50, 120, 100, 200));
    EXPECT_EQ(PlaceBelowOrAbove({50, 700, 80, 20}, size, kDisplay), wxRect(50, 500, 100, 200));
    EXPECT_EQ(PlaceBeside({50, 100, 80, 20}, size, kDisplay), wxRect(130, 100, 100, 200));
    EXPECT_EQ(PlaceBeside({950, 100, 40, 20}, size, kDisplay), wxRect(850, 100, 100, 200));
    // No room on either side: the roomier side, then kept on the display.
    EXPECT_EQ(PlaceBelowOrAbove({0, 300, 80, 20}, wxSize(50, 500), kDisplay), wxRect(0, 299, 50, 500));
}

ListColumn Column(int count, int height)
{
    ListColumn column;
    column.SetHeights(std::vector<int>(static_cast<std::size_t>(count), height));
    return column;
}

TEST(ListColumn, HitTestVisibleRangeAndScrolling)
{
    const ListColumn c = Column(100, 20); // total 2002
    EXPECT_EQ(c.Total(), 2002);
    EXPECT_EQ(c.ItemAt(1, 1), 0);
    EXPECT_EQ(c.ItemAt(0, 1), -1);
    EXPECT_EQ(c.ItemAt(45, -20), 3);
    int first = 0, last = 0;
    c.VisibleRange(-395, 200, first, last);
    EXPECT_EQ(first, 19);
    EXPECT_EQ(last, 30);
    EXPECT_EQ(c.MinOffset(200), -1801);
    EXPECT_EQ(c.ScrollToShow(1, 50, 200), -821); // item 50 ends one row above the bottom
    EXPECT_EQ(c.ScrollToShow(-821, 3, 200), -59);
    EXPECT_EQ(c.OffsetForValue(1.0, 200), -1801);
    EXPECT_DOUBLE_EQ(c.ValueForOffset(-1801, 200), 1.0);
}

TEST(ListPopupPlacement, OpeningRule)
{
    const wxPoint box(300, 400);
    struct Case {
        int count, selected, max;
        int y, height, offset;
        bool scrolled;
    } cases[] = {
        {5, 2, 200, 360, 102, 1, false},       // fits: moves up by the lines above
        {100, 3, 200, 340, 200, 1, true},      // near the top: up by above, unscrolled
        {100, 50, 200, 310, 200, -910, true},  // middle: item half-way down
        {100, 98, 200, 242, 200, -1801, true}, // near the end: scrolled to the end
        {100, -1, 200, 400, 200, 1, true},     // nothing selected: at the box, at the top
        {5, 4, 200, 320, 102, 1, false},
    };
    for (const Case& c : cases) {
        const ListPopupPlacement p = PlaceListPopup(Column(c.count, 20), box, 150, c.selected, c.max, kDisplay);
        EXPECT_EQ(p.rect, wxRect(300, c.y, 150, c.height)) << c.count << "/" << c.selected;
        EXPECT_EQ(p.scrollOffset, c.offset) << c.count << "/" << c.selected;
        EXPECT_EQ(p.scrolled, c.scrolled);
    }
    // At the top of the display the pop-up is pushed down; without a maximum the display limits it.
    EXPECT_EQ(PlaceListPopup(Column(5, 20), {10, 20}, 150, 4, 200, kDisplay).rect.y, 0);
    EXPECT_EQ(PlaceListPopup(Column(100, 20), {10, 20}, 150, 0, -1, kDisplay).rect.height, 800);
}

PopupNavigation Nav(std::int64_t* now)
{
    PopupNavigation nav([now] { return *now; });
    nav.SetItems({{"Apple", true}, {"", false}, {"Apricot", true}, {"Banana", true}, {"", false}, {"Berry", true}});
    return nav;
}

TEST(PopupNavigation, KeysSkipSeparators)
{
    std::int64_t now = 0;
    PopupNavigation nav = Nav(&now);
    const std::pair<int, int> steps[] = {{WXK_DOWN, 0}, {WXK_RIGHT, 2}, {WXK_DOWN, 3}, {WXK_DOWN, 5},
                                         {WXK_DOWN, 5}, {WXK_UP, 3},    {WXK_LEFT, 2}, {WXK_UP, 0},
                                         {WXK_END, 5},  {WXK_HOME, 0}};
    for (const auto& [key, expected] : steps) {
        EXPECT_EQ(nav.OnKey(key), PopupKeyAction::Moved);
        EXPECT_EQ(nav.GetHighlighted(), expected) << key;
    }
    EXPECT_EQ(nav.OnKey(WXK_RETURN), PopupKeyAction::Choose);
    EXPECT_EQ(nav.OnKey(WXK_ESCAPE), PopupKeyAction::Dismiss);
    EXPECT_FALSE(nav.SetHighlighted(1) && nav.GetHighlighted() == 1); // separators never highlight
    EXPECT_EQ(nav.GetHighlighted(), -1);
    EXPECT_EQ(nav.OnKey(WXK_NUMPAD_ENTER), PopupKeyAction::None);
}

TEST(PopupNavigation, TypeAheadWithinAndAfterOneSecond)
{
    std::int64_t now = 5000;
    PopupNavigation nav = Nav(&now);
    nav.OnChar(U'A');
    EXPECT_EQ(nav.GetHighlighted(), 0);
    now += 999;
    nav.OnChar(U'p');
    nav.OnChar(U'r');
    EXPECT_EQ(nav.GetTypeAhead(), "apr");
    EXPECT_EQ(nav.GetHighlighted(), 2);
    now += 1000;
    EXPECT_EQ(nav.OnChar(U'b'), PopupKeyAction::Moved);
    EXPECT_EQ(nav.GetTypeAhead(), "b");
    EXPECT_EQ(nav.GetHighlighted(), 3);
    nav.OnChar(U'E');
    EXPECT_EQ(nav.GetHighlighted(), 5);
    EXPECT_EQ(nav.OnChar(U'\x1b'), PopupKeyAction::None); // control characters are not typed
    nav.ClearTypeAhead();
    EXPECT_EQ(nav.GetTypeAhead(), "");
}

} // namespace
