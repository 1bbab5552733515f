// The pop-up menu: which lines the items make, picks through the group, radio lines,
// closing from outside, hover and the keyboard.
#include <gtest/gtest.h>

#include <vorn/text_lists/menu.h>

#include "group_recorder.h"
#include "test_support.h"

using namespace vorn;
using namespace vorntest;

namespace {

const wxColour kFrame(20, 20, 20), kHigh(0, 200, 250), kLine(200, 200, 200), kSecond(40, 40, 60);

class MenuTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        const std::vector<MENUITEM> items{{1, "@Colours"}, {2, "%Open"},   {3, "*Red"}, {4, "-"},
                                          {5, "*Green"},   {6, "xNone"},   {7, ""},     {8, "%Reload"}};
        const wxFont font(wxFontInfo(10));
        menu = new VornMenu(items, nullptr, kFrame, kHigh, kLine, kSecond, font, font, 0, 0, &group, frame, wxID_ANY);
    }
    // The middle of line i, in the menu's client coordinates.
    wxPoint Line(int i) const { return {30, i * menu->GetLineHeight() + menu->GetLineHeight() / 2}; }
    bool On(int pos) const { return dynamic_cast<VirtualButton*>(menu->GetEntry(pos))->GetOn(); }
    void Open()
    {
        ShowFrame();
        menu->Popup();
        ASSERT_TRUE(menu->IsShown());
    }

    GroupRecorder group;
    VornMenu* menu = nullptr;
};

} // namespace

TEST_F(MenuTest, LinesComeFromTheFourPrefixesOnly)
{
    ASSERT_EQ(menu->GetCount(), 6);
    EXPECT_NE(dynamic_cast<VornMenuTitleEntry*>(menu->GetEntry(0)), nullptr);
    EXPECT_NE(dynamic_cast<VornMenuTextEntry*>(menu->GetEntry(1)), nullptr);
    EXPECT_NE(dynamic_cast<VornMenuRadioEntry*>(menu->GetEntry(2)), nullptr);
    EXPECT_NE(dynamic_cast<VornMenuBreakEntry*>(menu->GetEntry(3)), nullptr);
    EXPECT_EQ(menu->GetEntry(1)->GetText(), "Open");
    EXPECT_EQ(menu->FindItem(6), -1);
    EXPECT_EQ(menu->FindItem(8), 5);
    EXPECT_EQ(group.FindVirtualControlEntry(5)->control, menu->GetEntry(4));
    EXPECT_EQ(menu->GetEntry(5)->GetPosY(), 5 * menu->GetLineHeight());
    EXPECT_EQ(menu->GetClientSize().y, 6 * menu->GetLineHeight());
    EXPECT_FALSE(menu->IsShown());

    menu->AppendRadioItem("Blue", 9, &group);
    menu->AppendLineBreak();
    EXPECT_TRUE(menu->SetItemText(9, "Navy"));
    EXPECT_EQ(menu->GetEntry(6)->GetText(), "Navy");
    EXPECT_TRUE(menu->DeleteItemID(2));
    EXPECT_EQ(group.FindVirtualControlEntry(2), nullptr);
    EXPECT_FALSE(menu->DeleteItemPos(7));
    EXPECT_EQ(menu->GetCount(), 7);
    EXPECT_EQ(menu->GetClientSize().y, 7 * menu->GetLineHeight());
    menu->ClearAll();
    EXPECT_EQ(menu->GetCount(), 0);
    EXPECT_TRUE(group.IsEmpty());

    VornControlGroup own;
    auto* far = new VornMenu({{1, "%Far away"}}, nullptr, kFrame, kHigh, kLine, kSecond, wxFont(wxFontInfo(10)),
                             wxFont(wxFontInfo(10)), 100000, -100000, &own, frame, wxID_ANY);
    EXPECT_TRUE(VornPopupFrame::DisplayRectFor(far).Contains(far->GetRect()));
}

TEST_F(MenuTest, PicksReachTheGroupAndRadiosFollowTheLastPick)
{
    Open();
    LeftUp(menu, Line(0)); // title
    LeftUp(menu, Line(3)); // separator
    EXPECT_TRUE(group.events.empty());
    LeftUp(menu, Line(1));
    EXPECT_EQ(group.events, Log{"Selected virtual id=2"});
    EXPECT_FALSE(menu->IsShown()); // a pick closes the menu

    for (int pos : {2, 4}) {
        menu->Popup();
        LeftUp(menu, Line(pos));
    }
    EXPECT_EQ(group.events, (Log{"Selected virtual id=2", "Selected virtual id=3", "Selected virtual id=5"}));
    EXPECT_FALSE(On(2));
    EXPECT_TRUE(On(4));
    EXPECT_EQ(menu->GetSelected(), 5);
    menu->SetSelected(3);
    EXPECT_TRUE(On(2));
    EXPECT_FALSE(On(4));
}

TEST_F(MenuTest, ClickOutsideClosesWithoutChoice)
{
    Open();
    SendMouse(menu, wxEVT_LEFT_DOWN, {-5, -5});
    EXPECT_FALSE(menu->IsShown());
    EXPECT_TRUE(group.events.empty());
}

TEST_F(MenuTest, HoverAndKeysSkipTitlesAndSeparators)
{
    Open();
    Motion(menu, Line(4), kNone);
    EXPECT_TRUE(menu->GetEntry(4)->IsHovered());
    EXPECT_EQ(menu->GetEntry(4)->GetCurrentColour(), kHigh);
    EXPECT_EQ(menu->GetEntry(1)->GetCurrentColour(), kLine);

    SendKey(menu, wxEVT_KEY_DOWN, WXK_UP); // from Green over the separator to Red
    EXPECT_EQ(menu->GetNavigation().GetHighlighted(), 2);
    EXPECT_TRUE(menu->GetEntry(2)->IsHovered());
    EXPECT_FALSE(menu->GetEntry(4)->IsHovered());
    SendKey(menu, wxEVT_KEY_DOWN, WXK_UP);
    SendKey(menu, wxEVT_KEY_DOWN, WXK_UP); // the title is never highlighted
    EXPECT_EQ(menu->GetNavigation().GetHighlighted(), 1);
    SendKey(menu, wxEVT_CHAR, 'g'); // type-ahead
    EXPECT_EQ(menu->GetNavigation().GetHighlighted(), 4);
    SendKey(menu, wxEVT_KEY_DOWN, WXK_RETURN);
    EXPECT_EQ(group.events, Log{"Selected virtual id=5"});
    EXPECT_TRUE(On(4));
    EXPECT_FALSE(menu->IsShown());
}

TEST_F(MenuTest, LinesDrawTextBoxesSeparatorsAndRadioMarks)
{
    VornwxBitmapCache marks;
    marks.AssignImageOwn(VORN_IMAGE_OFF, NewSolid(12, 12, *wxRED));
    marks.AssignImageOwn(VORN_IMAGE_ON, NewSolid(12, 12, *wxGREEN));
    const wxFont font(wxFontInfo(10));
    VornControlGroup own; // the fixture's menu holds these ids in its group
    auto* withMarks = new VornMenu({{3, "*Red"}, {5, "*Green"}, {4, "-"}, {8, "%Reload"}}, &marks, kFrame, kHigh,
                                   kLine, kSecond, font, font, 0, 0, &own, frame, wxID_ANY);
    withMarks->SetSelected(5);
    const int h = withMarks->GetLineHeight();
    const wxSize size = withMarks->GetClientSize();
    wxBitmap bitmap(size.x, size.y);
    {
        wxMemoryDC dc(bitmap);
        withMarks->DrawEntries(dc);
    }
    const wxImage image = bitmap.ConvertToImage();
    auto rowHas = [&](int line, const wxColour& c) {
        for (int y = line * h; y < (line + 1) * h; ++y)
            for (int x = 15; x < size.x; ++x)
                if (PixelStr(image, x, y) == ColourStr(c))
                    return true;
        return false;
    };
    EXPECT_EQ(PixelStr(image, 5, 4 + 5), ColourStr(*wxRED));       // Red is off
    EXPECT_EQ(PixelStr(image, 5, h + 4 + 5), ColourStr(*wxGREEN)); // Green is chosen
    EXPECT_EQ(PixelStr(image, size.x - 1, h + 1), ColourStr(kLine));
    EXPECT_TRUE(rowHas(3, kSecond)); // the text box behind "Reload"
    EXPECT_EQ(PixelStr(image, 3, 2 * h + h / 2), ColourStr(kSecond));
    EXPECT_EQ(PixelStr(image, 3, 2 * h + h / 2 + 1), ColourStr(kLine));
}
