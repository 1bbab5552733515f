// The list box and list button with their pop-up: selection, opening, choosing, closing.
#include <wx/dcmemory.h>

#include <vorn/assets/image_cache.h>
#include <vorn/text_lists/list_box.h>
#include <vorn/text_lists/list_button.h>
#include <vorn/text_lists/list_popup.h>

#include "../support/group_recorder.h"
#include "../support/test_support.h"

using namespace vorn;
using namespace vorntest;

namespace {

const wxColour kFace(40, 40, 40);
const wxColour kText(250, 250, 250);

class ListBoxTest : public GuiTest, public LBDisplayCallback {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        for (int s : {VORN_IMAGE_OFF, VORN_IMAGE_ON, VORN_IMAGE_ON_MOUSE_OVER})
            cache.AssignImageOwn(s, NewSolid(150, 20, kFace));
        info.imageCache = &cache;
        info.x = 4;
        info.y = 2;
        info.width = 120;
        info.height = 16;
        info.textColour = kText;
        info.expandValue = 100;
        box = new VornListBox(info, 20, 200, panel, 7, &group);
        box->SetDisplayCallback(this);
    }
    void UpDateData(VornListBox* b) override { refills.push_back(b); }

    void Fill(int count)
    {
        for (int i = 0; i < count; ++i)
            i % 4 == 3 ? box->Append() : box->Append("item " + std::to_string(i));
    }
    ExpandedVornListBox* Open()
    {
        LeftDown(box, {10, 10});
        return box->GetExpandedBox();
    }
    // A point on item i of the open pop-up.
    static wxPoint On(ExpandedVornListBox* p, int i)
    {
        return {20, p->GetScrollOffset() + p->GetColumn().Top(i) + 2};
    }

    VornwxBitmapCache cache;
    VornListBoxInfo info;
    GroupRecorder group;
    VornListBox* box = nullptr;
    std::vector<VornListBox*> refills;
};

// Pixels of the text area that are not the face colour.
int TextPixels(VornListBox* box)
{
    const wxImage img = RenderToImage(box);
    int n = 0;
    for (int y = 2; y < 18; ++y)
        for (int x = 4; x < 124; ++x)
            n += PixelStr(img, x, y) != ColourStr(kFace);
    return n;
}

TEST_F(ListBoxTest, SelectionShowsTextAndNotifies)
{
    Fill(4);
    box->SetSelected(2, true);
    box->SetSelected(0, false);
    EXPECT_EQ(group.events, Log({"Selected id=7"}));
    EXPECT_EQ(box->GetShownText(), "item 0");
    EXPECT_GT(TextPixels(box), 20);
    box->SetSelected(-1, false);
    EXPECT_EQ(box->GetShownText(), "");
    EXPECT_EQ(TextPixels(box), 0);

    box->SetItemText(1, std::string(80, 'W'));
    box->SetSelected(1, false);
    wxBitmap bmp(10, 10);
    wxMemoryDC dc(bmp);
    dc.SetFont(box->GetListFont());
    const std::string fitted = box->FitText(dc, info.width);
    ASSERT_GT(fitted.size(), 4u);
    EXPECT_EQ(fitted.substr(fitted.size() - 4), "....");
    EXPECT_LE(dc.GetTextExtent(fitted.substr(0, fitted.size() - 4)).x, info.width - 4 - info.x);
}

TEST_F(ListBoxTest, EmptyListCallsBackAndOpensNothing)
{
    ShowFrame();
    EXPECT_EQ(Open(), nullptr);
    EXPECT_EQ(refills, std::vector<VornListBox*>({box}));
    EXPECT_EQ(wxWindow::GetCapture(), nullptr);
}

TEST_F(ListBoxTest, ClickOnItemChoosesAndGivesMouseBack)
{
    ShowFrame();
    Fill(40);
    box->SetSelected(20, false);
    ExpandedVornListBox* popup = Open();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->HasScrollBar());
    EXPECT_EQ(popup->GetHighlighted(), 20);
    EXPECT_EQ(wxWindow::GetCapture(), popup);
    // The selected item lies over the box.
    const wxPoint boxTop = box->GetScreenPosition();
    EXPECT_NEAR(popup->GetScreenPosition().y + popup->GetScrollOffset() + popup->GetColumn().Top(20), boxTop.y, 1);

    Motion(popup, On(popup, 19), kNone); // a separator: nothing highlighted
    EXPECT_EQ(popup->GetHighlighted(), -1);
    LeftDown(popup, On(popup, 19));
    EXPECT_EQ(box->GetExpandedBox(), popup);
    LeftDown(popup, On(popup, 21));
    EXPECT_EQ(box->GetExpandedBox(), nullptr);
    EXPECT_EQ(box->GetSelected(), 21);
    EXPECT_EQ(group.events, Log({"Selected id=7"}));
    EXPECT_EQ(wxWindow::GetCapture(), nullptr);
}

TEST_F(ListBoxTest, KeysEscapeAndClickOutside)
{
    ShowFrame();
    Fill(5);
    ExpandedVornListBox* popup = Open();
    ASSERT_NE(popup, nullptr);
    EXPECT_FALSE(popup->HasScrollBar());
    SendKey(popup, wxEVT_KEY_DOWN, WXK_DOWN);
    SendKey(popup, wxEVT_KEY_DOWN, WXK_DOWN);
    SendKey(popup, wxEVT_KEY_DOWN, WXK_DOWN);
    EXPECT_EQ(popup->GetHighlighted(), 2);
    SendKey(popup, wxEVT_KEY_DOWN, WXK_DOWN); // over the separator
    SendKey(popup, wxEVT_KEY_DOWN, WXK_RETURN);
    EXPECT_EQ(box->GetSelected(), 4);
    EXPECT_EQ(group.events, Log({"Selected id=7"}));

    popup = Open();
    ASSERT_NE(popup, nullptr);
    SendKey(popup, wxEVT_KEY_DOWN, WXK_ESCAPE);
    EXPECT_EQ(box->GetExpandedBox(), nullptr);
    ASSERT_NE(Open(), nullptr);
    SendKey(box, wxEVT_KEY_DOWN, WXK_ESCAPE); // keys that reach the box go to its pop-up
    EXPECT_EQ(box->GetExpandedBox(), nullptr);

    popup = Open();
    ASSERT_NE(popup, nullptr);
    LeftDown(popup, {-5, popup->GetClientSize().y + 30});
    EXPECT_EQ(box->GetExpandedBox(), nullptr);
    EXPECT_EQ(box->GetSelected(), 4);
    EXPECT_EQ(group.events.size(), 1u);
    EXPECT_EQ(wxWindow::GetCapture(), nullptr);
}

TEST_F(ListBoxTest, ScrollBarStepsDragsAndWheels)
{
    ShowFrame();
    Fill(40);
    box->SetSelected(0, false);
    ExpandedVornListBox* popup = Open();
    ASSERT_NE(popup, nullptr);
    const wxSize size = popup->GetClientSize();
    const int x = size.x - 6, line = box->GetTextHeight();
    EXPECT_EQ(popup->GetScrollOffset(), 1);
    LeftDown(popup, {x, size.y - 5}); // the down arrow
    EXPECT_EQ(popup->GetScrollOffset(), 1 - line);
    LeftDown(popup, {x, 15}); // the tab, just below the up arrow
    Motion(popup, {x, size.y + 200});
    LeftUp(popup, {x, size.y + 200});
    EXPECT_EQ(popup->GetScrollOffset(), popup->GetColumn().MinOffset(size.y));
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.m_wheelRotation = 120;
    wheel.m_wheelDelta = 120;
    popup->HandleWindowEvent(wheel);
    EXPECT_EQ(popup->GetScrollOffset(), popup->GetColumn().MinOffset(size.y) + 3 * line);
    EXPECT_EQ(box->GetExpandedBox(), popup);
    EXPECT_TRUE(group.events.empty());
}

TEST_F(ListBoxTest, ListButtonOpensWideEnoughAndSelects)
{
    ShowFrame();
    VornListButton button(info, 300, 50, panel, 9, &group);
    button.SetSize(20, 20);
    button.Append("a rather long line of text");
    button.Append("b");
    EXPECT_GT(button.PopupWidth(), 120);
    LeftDown(&button, {5, 5});
    ExpandedVornListBox* popup = button.GetExpandedBox();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetClientSize().x, button.PopupWidth());
    LeftDown(popup, On(popup, 1));
    EXPECT_EQ(button.GetSelected(), 1);
    EXPECT_EQ(group.events, Log({"Selected id=9"}));
    EXPECT_FALSE(button.GetMouseDown());
}

} // namespace
