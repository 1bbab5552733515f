// Text buttons, the ring button and the menu buttons: what they draw for each pointer
// state, what they report, and the ring's drags.
#include <gtest/gtest.h>

#include <vorn/controls/popup_button.h>
#include <vorn/controls/ring_button.h>
#include <vorn/controls/text_button.h>

#include "group_recorder.h"
#include "test_support.h"

using namespace vorn;
using namespace vorntest;

namespace {

const wxColour kBack(10, 20, 30), kText(250, 250, 0), kHigh(0, 250, 250), kSecond(90, 0, 0);

// How many pixels of the picture have exactly this colour.
int Count(const wxImage& image, const wxColour& c)
{
    int n = 0;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            n += PixelStr(image, x, y) == ColourStr(c);
    return n;
}

wxFont Big() { return wxFont(wxFontInfo(16).Bold()); }

class Value1ofNRecorder : public VornValueControlGroup1ofN {
public:
    Log events;
    void ControlSelected(unsigned int id, VornControl*) override { events.push_back("Selected " + std::to_string(id)); }
    void ControlDrag(unsigned int id, VornControl*) override { events.push_back("Drag " + std::to_string(id)); }
};

using TextButtonTest = GuiTest;

} // namespace

TEST_F(TextButtonTest, PushButtonWithoutImagesHighlightsItsTextOnlyAndReportsTheClick)
{
    GroupRecorder group;
    auto* b = new VornTextPushButton("WWW", 10, 10, Big(), kText, kBack, kHigh, 90, 30, panel, 501, &group);
    const wxPoint t = b->GetTextPos();
    EXPECT_GT(t.x, 0); // centred, not at the window's own position
    EXPECT_LT(t.x, 45);
    wxImage idle = RenderToImage(b);
    EXPECT_EQ(PixelStr(idle, 1, 1), ColourStr(kBack));
    EXPECT_GT(Count(idle, kText), 20);
    EXPECT_EQ(Count(idle, kHigh), 0);

    SendMouse(b, wxEVT_ENTER_WINDOW, {5, 5});
    LeftDown(b, {5, 5});
    wxImage pressed = RenderToImage(b);
    EXPECT_EQ(Count(pressed, kText), 0);
    EXPECT_EQ(Count(pressed, kHigh), Count(idle, kText));
    EXPECT_EQ(Count(pressed, kBack), Count(idle, kBack));
    LeftUp(b, {5, 5});
    LeftDown(b, {5, 5});
    SendMouse(b, wxEVT_LEAVE_WINDOW, {200, 5}); // released away from the button: no click
    EXPECT_EQ(group.events, (Log{"Selected id=501", "UnSelected id=501", "Selected id=501"}));
}

TEST_F(TextButtonTest, RadioTextsFollowTheOnStateAndTheColourForm)
{
    VornwxBitmapCache cache;
    cache.AssignImageOwn(VORN_IMAGE_OFF, NewSolid(80, 24, kBack));
    cache.AssignImageOwn(VORN_IMAGE_ON, NewSolid(80, 24, kBack));
    VornControlGroup1ofN group;
    auto* three = new VornTextRadioButton("WW", 4, 2, Big(), kText, kSecond, kHigh, &cache, 0, 0, panel, 601, &group);
    auto* two = new VornTextRadioButton("WW", 4, 2, Big(), kText, kSecond, &cache, 0, 30, panel, 602, &group);
    auto* both = new VornTextRadioButton("W", 2, 2, "W", 40, 2, Big(), kText, kSecond, kHigh, &cache, 0, 60, panel,
                                         603, &group);
    EXPECT_EQ(three->GetSize(), wxSize(80, 24));
    const int oneText = Count(RenderToImage(three), kText);
    EXPECT_GT(oneText, 10);
    EXPECT_EQ(Count(RenderToImage(three), kSecond), 0); // stored, never drawn

    for (auto* b : {three, two}) {
        LeftDown(b, {5, 5});
        LeftUp(b, {5, 5});
        SendMouse(b, wxEVT_LEAVE_WINDOW, {200, 5});
    }
    EXPECT_EQ(group.GetSelected(), 602);
    EXPECT_FALSE(three->GetOn()); // the second choice switched the first off
    EXPECT_EQ(Count(RenderToImage(two), kText), oneText); // on, but two colours never highlight
    LeftDown(three, {5, 5});
    LeftUp(three, {5, 5});
    SendMouse(three, wxEVT_LEAVE_WINDOW, {200, 5});
    EXPECT_EQ(Count(RenderToImage(three), kHigh), oneText); // on, pointer gone: still highlighted

    wxImage pair = RenderToImage(both);
    both->SetText2("");
    EXPECT_GT(Count(pair, kText), Count(RenderToImage(both), kText));
}

TEST_F(TextButtonTest, RingStretchesNoNarrowerThanTwelveAndReportsMoves)
{
    ShowFrame();
    Value1ofNRecorder group;
    auto* ring = new VornRingButton(kBack, kText, kHigh, 100, 10, 60, 30, panel, 701, &group);
    LeftDown(ring, {2, 10}); // left grip
    EXPECT_EQ(ring->GetDrag(), VornRingButton::Drag::Left);
    EXPECT_TRUE(ring->GetOn());
    Motion(ring, {30, 10});
    EXPECT_EQ(ring->GetRect(), wxRect(130, 10, 30, 30)); // right edge stayed
    Motion(ring, {20, 10});                               // would be 10 wide: moves instead
    EXPECT_EQ(ring->GetRect(), wxRect(150, 10, 30, 30));
    LeftUp(ring, {20, 10});

    LeftDown(ring, {28, 10}); // right grip
    Motion(ring, {5, 10});
    EXPECT_EQ(ring->GetRect(), wxRect(127, 10, 30, 30)); // 7 wide refused: moved by the step
    Motion(ring, {20, 10});
    EXPECT_EQ(ring->GetRect(), wxRect(127, 10, 22, 30));
    LeftUp(ring, {20, 10});
    EXPECT_GT(ring->GetWidth(), VornRingButton::kMinWidth);

    group.events.clear();
    LeftDown(ring, {11, 10}); // middle: the moon's slide
    EXPECT_EQ(ring->GetDrag(), VornRingButton::Drag::Move);
    Motion(ring, {21, 10});
    Motion(ring, {-500, 10});
    EXPECT_EQ(ring->GetPosX(), 0);
    LeftUp(ring, {0, 10});
    EXPECT_EQ(group.events, (Log{"Selected 701", "Drag 701", "Drag 701"}));
    // Drawn on: the fill shows under the bar, the strip line across.
    wxImage on = RenderToImage(ring);
    EXPECT_EQ(PixelStr(on, 10, 20), ColourStr(kHigh));
    EXPECT_EQ(PixelStr(on, 1, 24), ColourStr(kText));
}

TEST_F(TextButtonTest, MenuButtonsOpenOnceUntilReset)
{
    ShowFrame();
    GroupRecorder group;
    std::vector<MENUITEM> items{{1, "%One"}, {2, "%Two"}};
    auto* menu = new VornMenu(items, nullptr, kBack, kHigh, kText, kSecond, Big(), Big(), 0, 0, nullptr, frame,
                              wxID_ANY);
    auto* side = new VornPopSideButton(nullptr, menu, 20, 20, 20, 20, 4, 0, panel, 801, &group);
    const wxPoint corner = side->ClientToScreen(wxPoint(0, 0));
    EXPECT_EQ(menu->GetPosition(), corner + wxPoint(24, 0)); // beside it, 4 pixels away
    EXPECT_EQ(side->GetCount(), 2);
    for (int i = 0; i < 2; ++i) {
        LeftDown(side, {5, 5});
        LeftUp(side, {5, 5});
    }
    EXPECT_TRUE(side->GetOn());
    EXPECT_TRUE(menu->IsShown());
    EXPECT_EQ(menu->GetPopUpButton(), side);
    EXPECT_EQ(group.events, Log{"Selected id=801"});
    side->Reset();
    EXPECT_FALSE(side->GetOn());
    EXPECT_FALSE(menu->IsShown());
    LeftDown(side, {5, 5});
    EXPECT_EQ(group.events, (Log{"Selected id=801", "Selected id=801"}));

    auto* up = new VornPopUpButton(nullptr, menu, 60, 20, 20, 20, 0, 1, panel, 802, &group);
    LeftDown(up, {5, 5});
    EXPECT_EQ(menu->GetPopUpButton(), up);
    EXPECT_EQ(menu->GetPosition(), up->ClientToScreen(wxPoint(0, 20)));
    ASSERT_NE(up->GetBackdrop(), nullptr);
    EXPECT_TRUE(up->GetBackdrop()->IsShown());
    menu->CloseMenu(); // what a click outside does
    EXPECT_FALSE(up->GetOn());
    EXPECT_FALSE(up->GetBackdrop()->IsShown());
    delete up;
    EXPECT_EQ(menu->GetPopUpButton(), nullptr);
}
