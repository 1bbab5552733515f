// Image buttons: the state table and its stand-ins, sizing, drawing from plain and
// wallpaper-backed image sets, the push/toggle/radio notification sequences, and the
// group operations that switch real buttons.
#include <map>

#include <gtest/gtest.h>
#include <wx/dcmemory.h>

#include <vorn/controls/button.h>
#include <vorn/controls/detail/button_image.h>

#include "group_recorder.h"
#include "test_support.h"

using namespace vorn;

using namespace vorntest;

namespace {

// One colour per state, so a pixel tells which image was drawn.
const std::map<VORNIMAGETYPE, wxColour> kStateColours = {
    {VORN_IMAGE_OFF, wxColour(200, 0, 0)},           {VORN_IMAGE_ON, wxColour(0, 200, 0)},
    {VORN_IMAGE_ON_MOUSE_OVER, wxColour(0, 0, 200)}, {VORN_IMAGE_OFF_MOUSE_OVER, wxColour(200, 200, 0)},
    {VORN_IMAGE_DISABLED_ON, wxColour(0, 200, 200)}, {VORN_IMAGE_DISABLED_OFF, wxColour(200, 0, 200)},
    {VORN_IMAGE_ON_DOWN, wxColour(90, 90, 90)},      {VORN_IMAGE_OFF_DOWN, wxColour(250, 250, 250)},
};

std::string Colour(VORNIMAGETYPE state) { return ColourStr(kStateColours.at(state)); }

// An image set of 12 x 8 images holding the given states.
void Fill(VornwxBitmapCache& cache, std::initializer_list<VORNIMAGETYPE> states)
{
    for (VORNIMAGETYPE s : states)
        cache.AssignImageOwn(s, NewSolid(12, 8, kStateColours.at(s)));
}

const std::initializer_list<VORNIMAGETYPE> kAllStates = {2, 3, 4, 5, 6, 7, 8, 9};

// Exposes the protected lookup.
class ProbeButton : public VornButton {
public:
    using VornButton::VornButton;
    using VornButton::GetImageInfo;
};

class ButtonTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        Fill(full, kAllStates);
        Fill(onOff, {VORN_IMAGE_OFF, VORN_IMAGE_ON});
        ShowFrame(); // enter and leave events convert screen positions
    }
    static std::string Ev(const char* what, const VornControl* w) { return std::string(what) + " id=" + std::to_string(w->GetId()); }
    static void Enter(wxWindow* w) { SendMouse(w, wxEVT_ENTER_WINDOW, {2, 2}); }
    static void Leave(wxWindow* w) { SendMouse(w, wxEVT_LEAVE_WINDOW, {-5, -5}); }
    static void Click(wxWindow* w)
    {
        LeftDown(w, {3, 3});
        LeftUp(w, {3, 3});
    }
    static std::string Drawn(VornButton* b) { return PixelStr(RenderToImage(b), 5, 4); }

    VornwxBitmapCache full, onOff;
    GroupRecorder group;
};

} // namespace

TEST(ButtonImageTest, StateFromFlagsDownWinsOverOver)
{
    // enabled, on, over, down
    EXPECT_EQ(detail::VornButtonImageState(true, false, false, false), VORN_IMAGE_OFF);
    EXPECT_EQ(detail::VornButtonImageState(true, true, false, false), VORN_IMAGE_ON);
    EXPECT_EQ(detail::VornButtonImageState(true, true, true, false), VORN_IMAGE_ON_MOUSE_OVER);
    EXPECT_EQ(detail::VornButtonImageState(true, false, true, false), VORN_IMAGE_OFF_MOUSE_OVER);
    EXPECT_EQ(detail::VornButtonImageState(true, true, true, true), VORN_IMAGE_ON_DOWN);
    EXPECT_EQ(detail::VornButtonImageState(true, true, false, true), VORN_IMAGE_ON_DOWN);
    EXPECT_EQ(detail::VornButtonImageState(true, false, true, true), VORN_IMAGE_OFF_DOWN);
    EXPECT_EQ(detail::VornButtonImageState(true, false, false, true), VORN_IMAGE_OFF_DOWN);
    for (bool over : {false, true})
        for (bool down : {false, true}) {
            EXPECT_EQ(detail::VornButtonImageState(false, true, over, down), VORN_IMAGE_DISABLED_ON);
            EXPECT_EQ(detail::VornButtonImageState(false, false, over, down), VORN_IMAGE_DISABLED_OFF);
        }
}

TEST(ButtonImageTest, FallbackChainsEndAtOffAndOn)
{
    const std::map<VORNIMAGETYPE, VORNIMAGETYPE> expected = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 3}, {5, 2},
                                                             {6, 3}, {7, 2}, {8, 4}, {9, 5}, {10, 0}, {-1, 0}};
    for (const auto& [state, next] : expected)
        EXPECT_EQ(detail::VornButtonFallbackState(state), next) << "state " << state;
}

TEST(ButtonImageTest, LookupWalksTheChainToTheFirstImageTheSetHas)
{
    VornwxBitmapCache cache;
    cache.AssignImageOwn(VORN_IMAGE_OFF, NewSolid(4, 4, *wxRED));
    cache.AssignImageOwn(VORN_IMAGE_ON_MOUSE_OVER, NewSolid(4, 4, *wxBLUE));
    const wxBitmap* off = nullptr;
    const wxBitmap* onOver = nullptr;
    cache.GetImage(VORN_IMAGE_OFF, off);
    cache.GetImage(VORN_IMAGE_ON_MOUSE_OVER, onOver);
    WallpaperImageInfo<wxBitmap> info;
    EXPECT_TRUE(detail::FindButtonImage(&cache, VORN_IMAGE_OFF_DOWN, info)); // 9 -> 5 -> 2
    EXPECT_EQ(info.wallpaper, off);
    EXPECT_TRUE(detail::FindButtonImage(&cache, VORN_IMAGE_ON_DOWN, info)); // 8 -> 4
    EXPECT_EQ(info.wallpaper, onOver);
    EXPECT_EQ(info.width, 4);
    // No "on": the states that lead only to it find nothing.
    for (VORNIMAGETYPE s : {VORN_IMAGE_ON, VORN_IMAGE_DISABLED_ON}) {
        EXPECT_FALSE(detail::FindButtonImage(&cache, s, info)) << s;
        EXPECT_EQ(info.wallpaper, nullptr);
    }
    EXPECT_FALSE(detail::FindButtonImage(nullptr, VORN_IMAGE_OFF, info));
    EXPECT_FALSE(detail::FindButtonImage(&cache, VORN_IMAGE_NONE, info));
}

TEST_F(ButtonTest, SizeFromTheCacheOnlyWithoutAGivenSize)
{
    auto* sized = new VornButton(&full, 5, 6, 30, 20, panel, -1, &group);
    EXPECT_EQ(sized->GetWidth(), 30);
    EXPECT_EQ(sized->GetHeight(), 20);
    EXPECT_EQ(sized->GetClientSize(), wxSize(30, 20));
    auto* fromCache = new VornButton(&full, 5, 40, panel, -1, &group);
    EXPECT_EQ(fromCache->GetWidth(), 12);
    EXPECT_EQ(fromCache->GetHeight(), 8);
    EXPECT_EQ(fromCache->GetPosX(), 5);
    EXPECT_EQ(fromCache->GetPosY(), 40);
    EXPECT_EQ(fromCache->GetImageCache(), &full);
    auto* without = new VornButton(nullptr, 5, 60, panel, -1, &group);
    auto* plainControl = new VornControl(5, 60, panel, -1, nullptr);
    EXPECT_EQ(without->GetWidth(), plainControl->GetWidth());
    EXPECT_EQ(without->GetHeight(), plainControl->GetHeight());
    // A new set is drawn, but the window keeps its size.
    VornwxBitmapCache big;
    big.AssignImageOwn(VORN_IMAGE_OFF, NewSolid(40, 40, *wxWHITE));
    fromCache->SetImageCache(&big);
    EXPECT_EQ(fromCache->GetWidth(), 12);
    EXPECT_EQ(fromCache->GetImageCache(), &big);
    EXPECT_EQ(PixelStr(RenderToImage(fromCache), 11, 7), "#FFFFFF");
    fromCache->SetImageCache(nullptr); // before `big` goes
}

TEST_F(ButtonTest, DefaultConstructionThenCreate)
{
    auto* b = new VornButton;
    EXPECT_TRUE(b->Create(&full, 3, 4, panel, 812, &group));
    EXPECT_EQ(b->GetId(), 812u);
    EXPECT_EQ(b->GetWidth(), 12);
    EXPECT_FALSE(b->GetOn());
    EXPECT_FALSE(b->GetButtonDown());
    EXPECT_EQ(b->GetImageState(), VORN_IMAGE_NONE);
    EXPECT_EQ(group.FindControlEntry(812)->control, b);
}

TEST_F(ButtonTest, EveryStateDrawsItsOwnImage)
{
    auto* b = new VornButton(&full, 0, 0, panel, -1, nullptr);
    EXPECT_EQ(Drawn(b), Colour(VORN_IMAGE_OFF));
    EXPECT_EQ(b->GetImageState(), VORN_IMAGE_OFF);
    Enter(b);
    EXPECT_EQ(Drawn(b), Colour(VORN_IMAGE_OFF_MOUSE_OVER));
    LeftDown(b, {3, 3});
    EXPECT_EQ(Drawn(b), Colour(VORN_IMAGE_OFF_DOWN));
    b->SetOn(true);
    EXPECT_EQ(Drawn(b), Colour(VORN_IMAGE_ON_DOWN));
    LeftUp(b, {3, 3});
    EXPECT_EQ(Drawn(b), Colour(VORN_IMAGE_ON_MOUSE_OVER));
    Leave(b);
    EXPECT_EQ(Drawn(b), Colour(VORN_IMAGE_ON));
    b->SetEnabled(false);
    EXPECT_EQ(Drawn(b), Colour(VORN_IMAGE_DISABLED_ON));
    b->SetOn(false);
    EXPECT_EQ(Drawn(b), Colour(VORN_IMAGE_DISABLED_OFF));
    EXPECT_EQ(b->GetImageState(), VORN_IMAGE_DISABLED_OFF);
}

TEST_F(ButtonTest, OffAndOnServeEveryState)
{
    auto* b = new VornButton(&onOff, 0, 0, panel, -1, nullptr);
    const std::string off = Colour(VORN_IMAGE_OFF), on = Colour(VORN_IMAGE_ON);
    Enter(b);
    EXPECT_EQ(Drawn(b), off);
    LeftDown(b, {3, 3});
    EXPECT_EQ(Drawn(b), off);
    EXPECT_EQ(b->GetImageState(), VORN_IMAGE_OFF_DOWN);
    b->SetOn(true);
    EXPECT_EQ(Drawn(b), on);
    EXPECT_EQ(b->GetImageState(), VORN_IMAGE_ON_DOWN);
    LeftUp(b, {3, 3});
    EXPECT_EQ(Drawn(b), on);
    b->SetEnabled(false);
    EXPECT_EQ(Drawn(b), on);
    b->SetOn(false);
    EXPECT_EQ(Drawn(b), off);
}

TEST_F(ButtonTest, DrawsOnlyItsImageAndNothingWhenTheChainFails)
{
    VornwxBitmapCache onlyOn;
    Fill(onlyOn, {VORN_IMAGE_ON});
    auto* b = new ProbeButton(&onlyOn, 0, 0, 20, 20, panel, -1, nullptr);
    // Off has no image: nothing is drawn, the DC keeps what it had.
    wxImage img = RenderToImage(b, wxSize(20, 20), wxColour(1, 2, 3));
    EXPECT_EQ(PixelStr(img, 5, 4), "#010203");
    WallpaperImageInfo<wxBitmap> info;
    EXPECT_FALSE(b->GetImageInfo(info));
    EXPECT_EQ(info.wallpaper, nullptr);
    b->SetOn(true);
    img = RenderToImage(b, wxSize(20, 20), wxColour(1, 2, 3));
    EXPECT_EQ(PixelStr(img, 0, 0), Colour(VORN_IMAGE_ON));
    EXPECT_EQ(PixelStr(img, 11, 7), Colour(VORN_IMAGE_ON));
    EXPECT_EQ(PixelStr(img, 12, 7), "#010203"); // the image is 12 x 8 inside a 20 x 20 window
    EXPECT_EQ(PixelStr(img, 11, 8), "#010203");
    EXPECT_TRUE(b->GetImageInfo(info));
    // Without a set nothing at all.
    auto* none = new ProbeButton(nullptr, 0, 30, 20, 20, panel, -1, nullptr);
    EXPECT_EQ(PixelStr(RenderToImage(none, wxSize(20, 20), wxColour(1, 2, 3)), 5, 5), "#010203");
    EXPECT_FALSE(none->GetImageInfo(info));
}

TEST_F(ButtonTest, WallpaperBackedSetDrawsItsRegionWithoutCuttingItOut)
{
    // A 40 x 20 wallpaper: "off" at (0, 0), "on" at (20, 10), each 10 x 10.
    wxBitmap wallpaper(40, 20, 24);
    {
        wxMemoryDC dc(wallpaper);
        dc.SetBackground(wxBrush(wxColour(50, 50, 50)));
        dc.Clear();
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(wxColour(255, 0, 0)));
        dc.DrawRectangle(0, 0, 10, 10);
        dc.SetBrush(wxBrush(wxColour(0, 255, 0)));
        dc.DrawRectangle(20, 10, 10, 10);
    }
    std::vector<WallpaperImageInfo<wxBitmap>> infos(kVornImageStates);
    infos[VORN_IMAGE_OFF] = WallpaperImageInfo<wxBitmap>(0, 0, 10, 10, &wallpaper);
    infos[VORN_IMAGE_ON] = WallpaperImageInfo<wxBitmap>(20, 10, 10, 10, &wallpaper);
    VornwxBitmapCache cache;
    cache.SetImageInfos(infos);

    auto* b = new ProbeButton(&cache, 0, 0, panel, -1, nullptr);
    EXPECT_EQ(b->GetWidth(), 10);
    b->SetOn(true);
    Enter(b); // on_mouse_over falls back to on
    const wxImage img = RenderToImage(b, wxSize(14, 14), *wxBLACK);
    EXPECT_EQ(PixelStr(img, 0, 0), "#00FF00");
    EXPECT_EQ(PixelStr(img, 9, 9), "#00FF00");
    EXPECT_EQ(PixelStr(img, 10, 10), "#000000");
    WallpaperImageInfo<wxBitmap> info;
    ASSERT_TRUE(b->GetImageInfo(info));
    EXPECT_EQ(info.wallpaper, &wallpaper);
    EXPECT_EQ(info.x, 20);
    EXPECT_EQ(info.y, 10);
    // Drawing went through the region: no slot was filled by cutting.
    const wxBitmap* cut = nullptr;
    EXPECT_FALSE(cache.VornImageCache<wxBitmap>::GetImage(VORN_IMAGE_ON, cut));
    b->SetOn(false);
    EXPECT_EQ(PixelStr(RenderToImage(b), 4, 4), "#FF0000");
}

TEST_F(ButtonTest, PlainButtonTracksTheHeldFlagAndTellsNoGroup)
{
    DiagnosticsRecorder diag;
    auto* b = new VornButton(&full, 0, 0, panel, -1, &group);
    LeftDown(b, {3, 3});
    EXPECT_TRUE(b->GetButtonDown());
    LeftUp(b, {3, 3});
    EXPECT_FALSE(b->GetButtonDown());
    SendMouse(b, wxEVT_RIGHT_DOWN, {3, 3});
    EXPECT_TRUE(b->GetButtonDown());
    SendMouse(b, wxEVT_RIGHT_UP, {3, 3});
    EXPECT_EQ(diag.debug, (std::vector<std::string>{"button - mouse down\n", "button - mouse up\n",
                                                    "button - mouse down\n", "button - mouse up\n"}));
    EXPECT_FALSE(b->GetOn());
    EXPECT_TRUE(group.events.empty());
}

TEST_F(ButtonTest, SettersChangeOnlyOnAChangeAndNeverNotify)
{
    auto* b = new VornButton(&full, 0, 0, panel, -1, &group);
    RenderToImage(b);
    EXPECT_FALSE(b->IsDirty());
    b->SetOn(false);
    EXPECT_FALSE(b->IsDirty());
    b->SetOn(true);
    EXPECT_TRUE(b->IsDirty());
    RenderToImage(b);
    b->SetButtonDown(false);
    EXPECT_FALSE(b->IsDirty());
    b->SetButtonDown(true);
    EXPECT_TRUE(b->IsDirty());
    EXPECT_TRUE(b->GetButtonDown());
    // The held flag does not choose the image.
    EXPECT_EQ(Drawn(b), Colour(VORN_IMAGE_ON));
    EXPECT_TRUE(group.events.empty());
}

TEST_F(ButtonTest, PushButtonReportsPressAndClick)
{
    auto* b = new VornPushButton(&full, 0, 0, panel, -1, &group);
    Click(b);
    EXPECT_EQ(group.events, (std::vector<std::string>{Ev("Selected", b), Ev("UnSelected", b)}));
    EXPECT_EQ(group.lastControl, b);
    EXPECT_FALSE(b->GetOn());
    // The press shows the down image at once.
    LeftDown(b, {3, 3});
    EXPECT_EQ(Drawn(b), Colour(VORN_IMAGE_OFF_DOWN));
    LeftUp(b, {3, 3});
    EXPECT_EQ(Drawn(b), Colour(VORN_IMAGE_OFF_MOUSE_OVER));
}

TEST_F(ButtonTest, PushButtonReleasedOutsideReportsOnlyThePress)
{
    auto* b = new VornPushButton(&full, 0, 0, panel, -1, &group);
    LeftDown(b, {3, 3});
    Leave(b); // the control base releases an uncaptured button on leaving
    LeftUp(b, {-5, -5});
    EXPECT_EQ(group.events, (std::vector<std::string>{Ev("Selected", b)}));
    EXPECT_EQ(Drawn(b), Colour(VORN_IMAGE_OFF));
}

TEST_F(ButtonTest, ToggleFlipsOnEachClick)
{
    auto* t = new VornButtonToggle(&full, 0, 0, panel, -1, &group);
    LeftDown(t, {3, 3});
    EXPECT_TRUE(group.events.empty()); // the press itself does nothing
    LeftUp(t, {3, 3});
    EXPECT_TRUE(t->GetOn());
    Click(t);
    EXPECT_FALSE(t->GetOn());
    EXPECT_EQ(group.events,
              (std::vector<std::string>{Ev("Selected", t), "Update id=" + std::to_string(t->GetId()) + " IntValChanged 1",
                                        Ev("UnSelected", t),
                                        "Update id=" + std::to_string(t->GetId()) + " IntValChanged 0"}));
    // The right button toggles as well.
    SendMouse(t, wxEVT_RIGHT_DOWN, {3, 3});
    SendMouse(t, wxEVT_RIGHT_UP, {3, 3});
    EXPECT_TRUE(t->GetOn());
}

TEST_F(ButtonTest, HeldFlagMakesToggleIgnoreClicksButNotSetOn)
{
    auto* t = new VornButtonToggle(&full, 0, 0, panel, -1, &group);
    t->SetButtonDown(true);
    Click(t);
    EXPECT_FALSE(t->GetOn());
    t->SetOn(true);
    EXPECT_TRUE(t->GetOn());
    Click(t);
    EXPECT_TRUE(t->GetOn());
    EXPECT_TRUE(group.events.empty());
    t->SetButtonDown(false);
    Click(t);
    EXPECT_FALSE(t->GetOn());
    EXPECT_EQ(group.events.size(), 2u);
}

TEST_F(ButtonTest, ToggleWithoutGroupStillFlips)
{
    auto* t = new VornButtonToggle(&full, 0, 0, 12, 8, panel, -1, nullptr);
    Click(t);
    EXPECT_TRUE(t->GetOn());
}
