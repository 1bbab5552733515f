// Image buttons: the state table and its stand-ins, what every kind of button does the
// same way (creation in two steps, the disabled state, a click's exact report, life
// without a group), drawing, the interactions each kind has of its own, the moment
// button's repeats, and the windowless buttons.
#include <functional>
#include <map>

#include <gtest/gtest.h>
#include <wx/dcmemory.h>

#include <vorn/controls/button.h>
#include <vorn/controls/button_drag.h>
#include <vorn/controls/button_moment.h>
#include <vorn/controls/virtual_button.h>
#include <vorn/controls/detail/button_image.h>

#include "value_kinds.h"

#include "hand_clock.h"

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

// 12 x 8 images of the given states.
void Fill(VornwxBitmapCache& cache, std::initializer_list<VORNIMAGETYPE> states)
{
    for (VORNIMAGETYPE s : states)
        cache.AssignImageOwn(s, NewSolid(12, 8, kStateColours.at(s)));
}
VornwxBitmapCache& FullSet()
{
    static auto* cache = [] {
        auto* c = new VornwxBitmapCache;
        Fill(*c, {2, 3, 4, 5, 6, 7, 8, 9});
        return c;
    }();
    return *cache;
}

// A value 1-of-N group (it suits every kind of button) recording what buttons report.
class Recorder : public VornValueControlGroup1ofN {
public:
    std::vector<std::string> events;
    void ControlSelected(unsigned int id, VornControl*) override { Note("Selected", id); }
    void ControlUnSelected(unsigned int id, VornControl*) override { Note("UnSelected", id); }
    void ControlDrag(unsigned int id, VornControl*) override { Note("Drag", id); }
    void Update(unsigned int id, VornControl* control, VornControlHint* hint) override
    {
        events.push_back(DescribeUpdate(id, hint, [](const VornControlHint* h) -> std::string {
            auto* m = dynamic_cast<const VornMomentHint*>(h);
            return m ? (m->flag ? "press" : "repeat") : "";
        }));
        VornControlGroup1ofN::Update(id, control, hint);
    }
    VornControlGroup1ofN* Plain() { return this; }

private:
    void Note(const char* what, unsigned int id) { events.push_back(std::string(what) + " id=" + std::to_string(id)); }
};

void Click(wxWindow* w, int button = 0)
{
    SendMouse(w, button ? wxEVT_RIGHT_DOWN : wxEVT_LEFT_DOWN, {3, 3});
    SendMouse(w, button ? wxEVT_RIGHT_UP : wxEVT_LEFT_UP, {3, 3});
}

// Each kind: Make (constructor) and MakeLater (default constructor, then Create) with its
// group as G and any further arguments, the report of one click on a button that is off,
// and whether that click leaves it on.
template <class B, bool On, class G = VornControlGroup1ofN, int... More>
struct Kind {
    using Button = B;
    static constexpr bool kOn = On;
    static auto Args(wxWindow* p, Recorder* g, int id) { return std::make_tuple(&FullSet(), 0, 0, p, id, static_cast<G*>(g), More...); }
    static B* Make(wxWindow* p, Recorder* g, int id)
    {
        return std::apply([](auto... a) { return new B(a...); }, Args(p, g, id));
    }
    static B* MakeLater(wxWindow* p, Recorder* g, int id)
    {
        auto* b = new B;
        std::apply([b](auto... a) { b->Create(a...); }, Args(p, g, id));
        return b;
    }
};
struct PlainKind : Kind<VornButton, false> {
    static std::vector<std::string> Clicked(const std::string&) { return {}; }
};
struct PushKind : Kind<VornPushButton, false> {
    static std::vector<std::string> Clicked(const std::string& id) { return {"Selected " + id, "UnSelected " + id}; }
};
struct ToggleKind : Kind<VornButtonToggle, true> {
    static std::vector<std::string> Clicked(const std::string& id) { return {"Selected " + id, "Update " + id + " IntValChanged 1"}; }
};
struct RadioKind : Kind<VornRadioButton, true> {
    static std::vector<std::string> Clicked(const std::string& id) { return {"Selected " + id}; }
};
struct MoonKind : Kind<VornMoonButton, true, Recorder> {
    static std::vector<std::string> Clicked(const std::string& id) { return {"Selected " + id}; }
};
struct MomentKind : Kind<VornMomentBtn, false, VornControlGroup1ofN, 0, 500, 100> {
    static std::vector<std::string> Clicked(const std::string& id) { return {"Selected " + id, "Update " + id + " press", "UnSelected " + id}; }
};
struct SizerKind : Kind<VornSizerButton, false> {
    static std::vector<std::string> Clicked(const std::string&) { return {}; }
};

// Capture, and enter and leave events (which convert screen positions), need a shown window.
class ButtonTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ShowFrame();
    }
    static void Enter(wxWindow* w) { SendMouse(w, wxEVT_ENTER_WINDOW, {2, 2}); }
    static void Leave(wxWindow* w) { SendMouse(w, wxEVT_LEAVE_WINDOW, {-5, -5}); }
    static std::string Drawn(VornButton* b) { return PixelStr(RenderToImage(b), 5, 4); }
    Recorder group;
};
template <class K>
class ButtonKindTest : public ButtonTest {};
using ButtonKinds = ::testing::Types<PlainKind, PushKind, ToggleKind, RadioKind, MoonKind, MomentKind, SizerKind>;
TYPED_TEST_SUITE(ButtonKindTest, ButtonKinds);

class MomentTest : public ButtonTest {
protected:
    void SetUp() override
    {
        ButtonTest::SetUp();
        button = new VornMomentBtn(nullptr, 0, 0, 16, 16, panel, 501, group.Plain(), 0, 500, 100);
        button->GetTimer()->SetClock(std::make_unique<HandClock>(&now));
    }
    // Runs one tick `ms` milliseconds after the previous one (or the press).
    std::vector<std::string> Tick(long ms)
    {
        group.events.clear();
        now = ms;
        button->GetTimer()->Notify();
        return group.events;
    }
    static std::vector<std::string> Pairs(int n)
    {
        std::vector<std::string> out;
        for (int i = 0; i < n; ++i) {
            out.push_back("Selected id=501");
            out.push_back("Update id=501 repeat");
        }
        return out;
    }
    VornButtonTimer& Timer() { return *button->GetTimer(); }

    VornMomentBtn* button = nullptr;
    long now = 0;
};

using CountedCache = Counted<VornwxBitmapCache>;

class VirtualButtonTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        Fill(cache, {VORN_IMAGE_OFF, VORN_IMAGE_ON, VORN_IMAGE_OFF_MOUSE_OVER, VORN_IMAGE_DISABLED_OFF});
    }
    // Draws with the DC's origin moved to (ox, oy), as a host window would.
    static wxImage DrawAt(VirtualButton& b, int ox = 0, int oy = 0)
    {
        wxBitmap bmp(30, 20, 24);
        {
            wxMemoryDC dc(bmp);
            dc.SetBackground(*wxBLACK_BRUSH);
            dc.Clear();
            dc.SetDeviceOrigin(ox, oy);
            b.OnDraw(&dc);
        }
        return bmp.ConvertToImage();
    }
    VornwxBitmapCache cache;
};

} // namespace

TYPED_TEST(ButtonKindTest, CreatedInTwoStepsIsTheSameButton)
{
    auto* now = TypeParam::Make(this->panel, &this->group, 401);
    auto* later = TypeParam::MakeLater(this->panel, &this->group, 402);
    for (VornButton* b : {static_cast<VornButton*>(now), static_cast<VornButton*>(later)}) {
        EXPECT_EQ(b->GetClientSize(), wxSize(12, 8)); // the size of the set's images
        EXPECT_EQ(this->group.Plain()->FindControlEntry(b->GetId())->control, b);
        EXPECT_FALSE(b->GetOn());
        EXPECT_EQ(this->Drawn(b), Colour(VORN_IMAGE_OFF));
    }
}

TYPED_TEST(ButtonKindTest, AClickReportsExactly)
{
    auto* b = TypeParam::Make(this->panel, &this->group, 403);
    Click(b);
    EXPECT_EQ(this->group.events, TypeParam::Clicked("id=403"));
    EXPECT_EQ(b->GetOn(), TypeParam::kOn);
    EXPECT_FALSE(b->HasCapture());
    auto* lone = TypeParam::Make(this->panel, nullptr, 406); // without a group a click still acts
    Click(lone);
    EXPECT_EQ(lone->GetOn(), TypeParam::kOn);
}

TYPED_TEST(ButtonKindTest, DisabledButtonIgnoresClicksAndDisablingLetsGoOfThePointer)
{
    auto* b = TypeParam::Make(this->panel, &this->group, 404);
    auto* pressed = TypeParam::Make(this->panel, &this->group, 405);
    LeftDown(pressed, {3, 3});
    this->group.events.clear();
    pressed->SetEnabled(false);
    EXPECT_FALSE(pressed->HasCapture());
    EXPECT_FALSE(pressed->GetMouseDown());
    LeftUp(pressed, {3, 3}); // ignored while disabled
    b->SetEnabled(false);
    Click(b);
    EXPECT_TRUE(this->group.events.empty());
    EXPECT_FALSE(b->GetOn());
    EXPECT_EQ(this->Drawn(b), Colour(VORN_IMAGE_DISABLED_OFF));
}

// ---- the state image ----

TEST(ButtonImageTest, StateTableAndStandIns)
{
    struct Case {
        bool enabled, on, over, down;
        VORNIMAGETYPE state;
    };
    for (const Case& c : {Case{true, false, false, false, VORN_IMAGE_OFF}, Case{true, true, false, false, VORN_IMAGE_ON},
                          Case{true, true, true, false, VORN_IMAGE_ON_MOUSE_OVER},
                          Case{true, false, true, false, VORN_IMAGE_OFF_MOUSE_OVER},
                          Case{true, true, true, true, VORN_IMAGE_ON_DOWN}, Case{true, true, false, true, VORN_IMAGE_ON_DOWN},
                          Case{true, false, true, true, VORN_IMAGE_OFF_DOWN},
                          Case{false, true, true, true, VORN_IMAGE_DISABLED_ON},
                          Case{false, false, false, true, VORN_IMAGE_DISABLED_OFF}})
        EXPECT_EQ(detail::VornButtonImageState(c.enabled, c.on, c.over, c.down), c.state)
            << c.enabled << c.on << c.over << c.down;
    const std::map<VORNIMAGETYPE, VORNIMAGETYPE> next = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 3}, {5, 2},
                                                         {6, 3}, {7, 2}, {8, 4}, {9, 5}, {10, 0}, {-1, 0}};
    for (const auto& [state, standIn] : next)
        EXPECT_EQ(detail::VornButtonFallbackState(state), standIn) << "state " << state;
    // The lookup walks the chain to the first image the set has.
    VornwxBitmapCache cache;
    Fill(cache, {VORN_IMAGE_OFF, VORN_IMAGE_ON_MOUSE_OVER});
    WallpaperImageInfo<wxBitmap> info;
    EXPECT_TRUE(detail::FindButtonImage(&cache, VORN_IMAGE_ON_DOWN, info)); // 8 -> 4
    const wxBitmap* onOver = nullptr;
    cache.GetImage(VORN_IMAGE_ON_MOUSE_OVER, onOver);
    EXPECT_EQ(info.wallpaper, onOver);
    EXPECT_FALSE(detail::FindButtonImage(&cache, VORN_IMAGE_DISABLED_ON, info)); // 6 -> 3, which it lacks
    EXPECT_EQ(info.wallpaper, nullptr);
    EXPECT_FALSE(detail::FindButtonImage(nullptr, VORN_IMAGE_OFF, info));
}

TEST_F(ButtonTest, EachStateDrawsItsImageOrItsStandIn)
{
    VornwxBitmapCache onOff;
    Fill(onOff, {VORN_IMAGE_OFF, VORN_IMAGE_ON});
    auto* b = new VornButton(&FullSet(), 0, 0, panel, -1, nullptr);
    auto* few = new VornButton(&onOff, 20, 0, panel, -1, nullptr); // off and on serve every state
    const std::pair<std::function<void(VornButton*)>, VORNIMAGETYPE> steps[] = {
        {[](VornButton*) {}, VORN_IMAGE_OFF},
        {[](VornButton* x) { Enter(x); }, VORN_IMAGE_OFF_MOUSE_OVER},
        {[](VornButton* x) { LeftDown(x, {3, 3}); }, VORN_IMAGE_OFF_DOWN},
        {[](VornButton* x) { x->SetOn(true); }, VORN_IMAGE_ON_DOWN},
        {[](VornButton* x) { LeftUp(x, {3, 3}); }, VORN_IMAGE_ON_MOUSE_OVER},
        {[](VornButton* x) { Leave(x); }, VORN_IMAGE_ON},
        {[](VornButton* x) { x->SetEnabled(false); }, VORN_IMAGE_DISABLED_ON}};
    for (const auto& [step, state] : steps) {
        step(b);
        step(few);
        EXPECT_EQ(Drawn(b), Colour(state));
        EXPECT_EQ(b->GetImageState(), state);
        EXPECT_EQ(Drawn(few), Colour(b->GetOn() ? VORN_IMAGE_ON : VORN_IMAGE_OFF)) << state;
    }
}

TEST_F(ButtonTest, DrawsOnlyItsImageFromPlainOrWallpaperSets)
{
    VornwxBitmapCache onlyOn;
    Fill(onlyOn, {VORN_IMAGE_ON});
    auto* b = new VornButton(&onlyOn, 0, 0, 20, 20, panel, -1, nullptr); // keeps the given size
    EXPECT_EQ(b->GetClientSize(), wxSize(20, 20));
    // Off has no image: nothing is drawn, the DC keeps what it had.
    EXPECT_EQ(PixelStr(RenderToImage(b, wxSize(20, 20), wxColour(1, 2, 3)), 5, 4), "#010203");
    b->SetOn(true);
    wxImage img = RenderToImage(b, wxSize(20, 20), wxColour(1, 2, 3));
    ExpectPixels(img, {{{11, 7}, Colour(VORN_IMAGE_ON)}, {{12, 7}, "#010203"}, {{11, 8}, "#010203"}}); // 12 x 8 image in 20 x 20
    b->SetImageCache(nullptr);
    EXPECT_EQ(PixelStr(RenderToImage(b, wxSize(20, 20), wxColour(1, 2, 3)), 5, 5), "#010203");

    // A 40 x 20 wallpaper: "off" at (0, 0), "on" at (20, 10), each 10 x 10.
    wxImage art(40, 20);
    art.SetRGB(wxRect(0, 0, 40, 20), 50, 50, 50);
    art.SetRGB(wxRect(0, 0, 10, 10), 255, 0, 0);
    art.SetRGB(wxRect(20, 10, 10, 10), 0, 255, 0);
    const wxBitmap wallpaper(art);
    std::vector<WallpaperImageInfo<wxBitmap>> infos(kVornImageStates);
    infos[VORN_IMAGE_OFF] = WallpaperImageInfo<wxBitmap>(0, 0, 10, 10, &wallpaper);
    infos[VORN_IMAGE_ON] = WallpaperImageInfo<wxBitmap>(20, 10, 10, 10, &wallpaper);
    VornwxBitmapCache cache;
    cache.SetImageInfos(infos);
    auto* w = new VornButton(&cache, 0, 30, panel, -1, nullptr);
    EXPECT_EQ(w->GetWidth(), 10);
    w->SetOn(true);
    ExpectPixels(RenderToImage(w, wxSize(14, 14), *wxBLACK), {{{0, 0}, "#00FF00"}, {{9, 9}, "#00FF00"}, {{10, 10}, "#000000"}});
    const wxBitmap* cut = nullptr; // drawn through the region: no slot was filled by cutting
    EXPECT_FALSE(cache.VornImageCache<wxBitmap>::GetImage(VORN_IMAGE_ON, cut));
    w->SetOn(false);
    EXPECT_EQ(PixelStr(RenderToImage(w), 4, 4), "#FF0000");
    w->SetImageCache(nullptr);
}

TEST_F(ButtonTest, SettersMarkChangesOnlyAndTheHeldFlagBlocksClicks)
{
    auto* t = new VornButtonToggle(&FullSet(), 0, 0, panel, 410, group.Plain());
    RenderToImage(t);
    t->SetOn(false);
    t->SetButtonDown(false);
    EXPECT_FALSE(t->IsDirty());
    t->SetButtonDown(true);
    EXPECT_TRUE(t->IsDirty());
    EXPECT_EQ(Drawn(t), Colour(VORN_IMAGE_OFF)); // the held flag chooses no image
    Click(t);
    EXPECT_FALSE(t->GetOn());
    t->SetOn(true); // the programmatic setter never tells the group
    EXPECT_TRUE(group.events.empty());
    t->SetButtonDown(false);
    Click(t, 1); // the right button toggles as well
    EXPECT_FALSE(t->GetOn());
    EXPECT_EQ(group.events, (std::vector<std::string>{"UnSelected id=410", "Update id=410 IntValChanged 0"}));
}

TEST_F(ButtonTest, PushButtonShowsThePressAndReleasedOutsideIsNoClick)
{
    auto* b = new VornPushButton(&FullSet(), 0, 0, panel, 411, group.Plain());
    LeftDown(b, {3, 3});
    EXPECT_EQ(Drawn(b), Colour(VORN_IMAGE_OFF_DOWN));
    Leave(b); // the control base releases an uncaptured button on leaving
    LeftUp(b, {-5, -5});
    EXPECT_EQ(group.events, (std::vector<std::string>{"Selected id=411"}));
    EXPECT_EQ(Drawn(b), Colour(VORN_IMAGE_OFF));
}

TEST_F(ButtonTest, RadioButtonsChooseOneOfTheGroup)
{
    VornRadioButton* radio[3];
    for (int i = 0; i < 3; ++i)
        radio[i] = new VornRadioButton(nullptr, 20 * i, 0, 16, 16, panel, 701 + i, group.Plain());
    radio[0]->SetOn(true);
    radio[2]->SetOn(true);
    LeftDown(radio[1], {3, 3}); // the press alone chooses nothing
    EXPECT_FALSE(radio[1]->GetOn());
    LeftUp(radio[1], {3, 3});
    EXPECT_EQ(std::vector<bool>({radio[0]->GetOn(), radio[1]->GetOn(), radio[2]->GetOn()}),
              std::vector<bool>({false, true, false}));
    EXPECT_EQ(group.GetSelected(), 702);
    Click(radio[1]); // an "on" radio stays on
    radio[1]->SetToggle(true);
    Click(radio[1]); // unless it may toggle
    EXPECT_FALSE(radio[1]->GetOn());
    EXPECT_EQ(group.GetSelected(), 702); // the group keeps the last choice
    EXPECT_EQ(group.events, (std::vector<std::string>{"Selected id=702", "UnSelected id=702"}));
    auto* later = new VornRadioButton;
    later->SetToggle(true);
    later->Create(nullptr, 0, 40, 16, 16, panel, 710, group.Plain()); // Create resets the toggle flag
    EXPECT_FALSE(later->GetToggle());
}

TEST_F(ButtonTest, MoonSlidesInsideItsParentWhileHeld)
{
    auto* track = new wxPanel(panel, wxID_ANY, wxPoint(10, 10), wxSize(200, 40));
    auto* moon = new VornMoonButton(nullptr, 50, 5, 20, 20, track, 801, &group);
    auto* other = new VornMoonButton(nullptr, 100, 5, 20, 20, track, 802, &group);
    PumpPending();
    other->SetOn(true);
    LeftDown(moon, {5, 5}); // the press chooses and grabs
    EXPECT_TRUE(moon->GetOn());
    EXPECT_FALSE(other->GetOn());
    EXPECT_TRUE(moon->HasCapture());
    Motion(moon, {15, 9}); // 10 pixels right; vertical motion is ignored
    EXPECT_EQ(moon->GetPosition(), wxPoint(60, 5));
    Motion(moon, {5, 5}); // the grab point stays under the pointer
    EXPECT_EQ(moon->GetPosX(), 60);
    SendMouse(moon, wxEVT_LEAVE_WINDOW, {-300, 5}, kLeftHeld); // captive: still held outside
    Motion(moon, {-300, 5});
    EXPECT_EQ(moon->GetPosX(), 0);
    Motion(moon, {500, 5});
    EXPECT_EQ(moon->GetPosX(), 180); // parent width 200 - moon width 20
    LeftUp(moon, {5, 5});
    EXPECT_FALSE(moon->HasCapture());
    EXPECT_EQ(group.events, (std::vector<std::string>{"Selected id=801", "Drag id=801", "Drag id=801", "Drag id=801",
                                                      "Drag id=801"}));
}

TEST_F(ButtonTest, SizerGripResizesItsParentAndJumpsToItsCorner)
{
    auto* box = new wxPanel(panel, wxID_ANY, wxPoint(10, 10), wxSize(200, 100));
    auto* grip = new VornSizerButton(nullptr, 188, 88, 12, 12, box, -1, group.Plain());
    PumpPending();
    Motion(grip, {30, 30}); // no press seen: nothing
    LeftDown(grip, {3, 3});
    EXPECT_TRUE(grip->IsDragging());
    Motion(grip, {13, 8});
    EXPECT_EQ(box->GetSize(), wxSize(210, 105));
    EXPECT_EQ(grip->GetPosX(), 188); // the grip stays put during the drag
    Motion(grip, {3, -2}); // measured from the previous step; shrinking works the same
    EXPECT_EQ(box->GetSize(), wxSize(200, 95));
    LeftUp(grip, {3, -2});
    EXPECT_FALSE(grip->IsDragging());
    EXPECT_EQ(grip->GetPosition(), wxPoint(200 - 12, 95 - 12));
    EXPECT_TRUE(group.events.empty()); // the grip reports nothing
}

TEST_F(ButtonTest, GroupOperationsSwitchAndEnableButtonsOnly)
{
    VornControlGroup1ofN& g = *group.Plain();
    auto* a = new VornButton(nullptr, 0, 0, 16, 16, panel, 621, &g);
    auto* b = new VornButtonToggle(nullptr, 20, 0, 16, 16, panel, 622, &g);
    auto* c = new VornPushButton(nullptr, 40, 0, 16, 16, panel, 623, &g);
    auto* listed = new VornButton(nullptr, 60, 0, 16, 16, panel, 624, nullptr);
    auto* notAButton = new VornControl(80, 0, panel, 625, &g);
    g.Register(listed);
    g.SetOnControl(621, true, nullptr); // by id, and every listed button
    EXPECT_TRUE(a->GetOn());
    EXPECT_FALSE(b->GetOn());
    EXPECT_TRUE(listed->GetOn());
    g.SetOnAll(b, false, nullptr); // all but the chosen one off; listed buttons have no id
    EXPECT_EQ(g.GetSelected(), 622);
    EXPECT_FALSE(a->GetOn());
    EXPECT_TRUE(listed->GetOn());
    g.SetEnableControl(625, false, nullptr);
    EXPECT_TRUE(notAButton->GetEnabled());
    EXPECT_FALSE(listed->GetEnabled()); // listed buttons follow whatever the id
    g.SetEnableControl(623, false, nullptr);
    EXPECT_FALSE(c->GetEnabled());
    g.DeRegister(listed);
}

// ---- moment buttons: the repeats of each timer tick, driven through a clock the test sets ----

TEST_F(MomentTest, HeldTicksRepeatEveryIntervalAndCarryTheRemainder)
{
    EXPECT_FALSE(Timer().IsRunning());
    LeftDown(button, {3, 3});
    EXPECT_TRUE(Timer().IsRunning());
    EXPECT_TRUE(Timer().IsOneShot());
    EXPECT_EQ(Timer().GetInterval(), 500); // the first delay
    // First tick: two pairs whatever the clock says, and the carry stays; then the repeat
    // interval, n whole intervals of the time plus the carry: 1, 2 carry 50, 1 carry 20, 0 carry 80.
    for (const auto& [ms, pairs, carry] : {std::tuple{537L, 2, 0L}, {100L, 3, 0L}, {250L, 4, 50L}, {70L, 3, 20L}, {60L, 2, 80L}}) {
        EXPECT_EQ(Tick(ms), Pairs(pairs)) << ms;
        EXPECT_EQ(Timer().GetCarry(), carry) << ms;
        EXPECT_EQ(Timer().GetInterval(), 100);
        EXPECT_EQ(now, 0); // the clock restarts after every tick
    }
    group.events.clear();
    LeftUp(button, {3, 3});
    EXPECT_EQ(group.events, (std::vector<std::string>{"UnSelected id=501"}));
    EXPECT_FALSE(Timer().IsRunning());
    // A new press starts with the first delay and two pairs again.
    LeftDown(button, {3, 3});
    EXPECT_TRUE(Timer().GetFirstTick());
    EXPECT_EQ(Timer().GetInterval(), 500);
    EXPECT_EQ(Tick(900), Pairs(2));
    LeftUp(button, {3, 3});
    EXPECT_EQ(VornButtonTimer::CountRepeats(50, 0).n, 0); // a zero interval repeats nothing extra
}

TEST_F(MomentTest, LeavingOrDisablingStopsTheRepeats)
{
    LeftDown(button, {3, 3});
    Leave(button);
    EXPECT_FALSE(Timer().IsRunning());
    EXPECT_EQ(group.events, (std::vector<std::string>{"Selected id=501", "Update id=501 press"})); // no click
    LeftDown(button, {3, 3});
    ASSERT_TRUE(Timer().IsRunning());
    button->SetEnabled(false);
    EXPECT_FALSE(Timer().IsRunning());
}

// The real toolkit timer and clock: short delays, waited for by pumping events.
TEST_F(MomentTest, RealTimerRepeatsWhileHeld)
{
    auto* quick = new VornMomentBtn(nullptr, 40, 0, 16, 16, panel, 503, group.Plain(), 0, 5, 5);
    group.events.clear();
    LeftDown(quick, {3, 3});
    ASSERT_TRUE(PumpUntil([&] { return group.events.size() >= 6; }));
    LeftUp(quick, {3, 3});
    EXPECT_FALSE(quick->GetTimer()->IsRunning());
    const std::vector<std::string> start(group.events.begin(), group.events.begin() + 6);
    EXPECT_EQ(start, (std::vector<std::string>{"Selected id=503", "Update id=503 press", "Selected id=503",
                                               "Update id=503 repeat", "Selected id=503", "Update id=503 repeat"}));
    EXPECT_EQ(group.events.back(), "UnSelected id=503");
}

// ---- virtual buttons: windowless, sized from their set, drawn at the DC's origin ----

TEST_F(VirtualButtonTest, SizedFromTheSetAndDrawnAtTheOriginOfTheDC)
{
    VirtualButton a(&cache, false, 12, 9, 50, 50, 7, panel, 901, nullptr);
    EXPECT_EQ(a.GetWidth(), 12);
    EXPECT_EQ(a.GetHeight(), 8);
    VirtualButton sized(nullptr, false, 0, 0, 40, 30, 0, panel, 904, nullptr); // no set: the given size
    EXPECT_EQ(sized.GetWidth(), 40);
    // Its own position is the host's business: it draws where the DC's origin is.
    const std::string off = Colour(VORN_IMAGE_OFF); // and not at its own position (17, 12)
    ExpectPixels(DrawAt(a, 5, 3), {{{4, 3}, "#000000"}, {{5, 3}, off}, {{16, 10}, off}, {{17, 10}, "#000000"}, {{17, 12}, "#000000"}});
}

TEST_F(VirtualButtonTest, StateFollowsTheFedMouseAndTheStandIns)
{
    VirtualButton b(&cache, false, 0, 0, 0, panel, 905, nullptr);
    DrawAt(b);
    b.SetOn(false);
    b.SetButtonDown(false);
    EXPECT_FALSE(b.IsDirty()); // setters mark only changes
    b.SetMouseOver(true);
    EXPECT_EQ(PixelStr(DrawAt(b), 0, 0), Colour(VORN_IMAGE_OFF_MOUSE_OVER));
    b.SetMouseDownLeft(true); // off_down -> off_mouse_over
    EXPECT_EQ(PixelStr(DrawAt(b), 0, 0), Colour(VORN_IMAGE_OFF_MOUSE_OVER));
    EXPECT_EQ(b.GetImageState(), VORN_IMAGE_OFF_DOWN);
    b.SetOn(true); // on_down -> on_mouse_over -> on
    EXPECT_EQ(PixelStr(DrawAt(b), 0, 0), Colour(VORN_IMAGE_ON));
    b.SetMouseDownLeft(false);
    b.SetOn(false);
    b.SetEnabled(false);
    b.SetButtonDown(true); // the held flag chooses no image
    EXPECT_EQ(PixelStr(DrawAt(b), 0, 0), Colour(VORN_IMAGE_DISABLED_OFF));
    b.SetOn(true); // disabled_on -> on
    EXPECT_EQ(PixelStr(DrawAt(b), 0, 0), Colour(VORN_IMAGE_ON));
}

TEST_F(VirtualButtonTest, OwnedSetIsDeletedWithTheButtonOrWhenReplaced)
{
    int deaths = 0;
    {
        VirtualButton owner(new CountedCache(&deaths), true, 0, 0, 0, panel, 908, nullptr);
        EXPECT_TRUE(owner.OwnsImageCache());
        VirtualButton borrower(owner.GetImageCache(), false, 0, 0, 0, panel, 909, nullptr);
    }
    EXPECT_EQ(deaths, 1);
    CountedCache kept(&deaths);
    {
        VirtualButton b(new CountedCache(&deaths), true, 0, 0, 0, panel, 910, nullptr);
        b.SetImageCache(&kept, false);
        EXPECT_EQ(deaths, 2);
    }
    EXPECT_EQ(deaths, 2); // the borrowed set outlives the button
}
