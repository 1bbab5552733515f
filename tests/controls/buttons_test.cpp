// Image buttons: the state table and its stand-ins, what every kind of button does the
// same way (creation in two steps, the disabled state, a click's exact report, life
// without a group), drawing, and the interactions each kind has of its own.
#include <functional>
#include <map>

#include <gtest/gtest.h>
#include <wx/dcmemory.h>

#include <vorn/controls/button.h>
#include <vorn/controls/button_drag.h>
#include <vorn/controls/button_moment.h>
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

// Each kind: Make (constructor) and MakeLater (default constructor, then Create), the
// report of one click on a button that is off, and whether that click leaves it on.
template <class B>
struct Kind {
    using Button = B;
    static B* Make(wxWindow* p, Recorder* g, int id) { return new B(&FullSet(), 0, 0, p, id, g ? g->Plain() : nullptr); }
    static B* MakeLater(wxWindow* p, Recorder* g, int id)
    {
        auto* b = new B;
        b->Create(&FullSet(), 0, 0, p, id, g ? g->Plain() : nullptr);
        return b;
    }
};
struct PlainKind : Kind<VornButton> {
    static std::vector<std::string> Clicked(const std::string&) { return {}; }
    static constexpr bool kOn = false;
};
struct PushKind : Kind<VornPushButton> {
    static std::vector<std::string> Clicked(const std::string& id) { return {"Selected " + id, "UnSelected " + id}; }
    static constexpr bool kOn = false;
};
struct ToggleKind : Kind<VornButtonToggle> {
    static std::vector<std::string> Clicked(const std::string& id)
    {
        return {"Selected " + id, "Update " + id + " IntValChanged 1"};
    }
    static constexpr bool kOn = true;
};
struct RadioKind : Kind<VornRadioButton> {
    static std::vector<std::string> Clicked(const std::string& id) { return {"Selected " + id}; }
    static constexpr bool kOn = true;
};
struct MoonKind : Kind<VornMoonButton> {
    static VornMoonButton* Make(wxWindow* p, Recorder* g, int id) { return new VornMoonButton(&FullSet(), 0, 0, p, id, g); }
    static VornMoonButton* MakeLater(wxWindow* p, Recorder* g, int id)
    {
        auto* b = new VornMoonButton;
        b->Create(&FullSet(), 0, 0, p, id, g);
        return b;
    }
    static std::vector<std::string> Clicked(const std::string& id) { return {"Selected " + id}; }
    static constexpr bool kOn = true;
};
struct MomentKind : Kind<VornMomentBtn> {
    static VornMomentBtn* Make(wxWindow* p, Recorder* g, int id)
    {
        return new VornMomentBtn(&FullSet(), 0, 0, p, id, g ? g->Plain() : nullptr, 0, 500, 100);
    }
    static VornMomentBtn* MakeLater(wxWindow* p, Recorder* g, int id)
    {
        auto* b = new VornMomentBtn;
        b->Create(&FullSet(), 0, 0, p, id, g ? g->Plain() : nullptr, 0, 500, 100);
        return b;
    }
    static std::vector<std::string> Clicked(const std::string& id)
    {
        return {"Selected " + id, "Update " + id + " press", "UnSelected " + id};
    }
    static constexpr bool kOn = false;
};
struct SizerKind : Kind<VornSizerButton> {
    static std::vector<std::string> Clicked(const std::string&) { return {}; }
    static constexpr bool kOn = false;
};

template <class K>
class ButtonKindTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ShowFrame(); // capture needs a shown window
    }
    Recorder group;
};
using ButtonKinds = ::testing::Types<PlainKind, PushKind, ToggleKind, RadioKind, MoonKind, MomentKind, SizerKind>;
TYPED_TEST_SUITE(ButtonKindTest, ButtonKinds);

} // namespace

TYPED_TEST(ButtonKindTest, CreatedInTwoStepsIsTheSameButton)
{
    auto* now = TypeParam::Make(this->panel, &this->group, 401);
    auto* later = TypeParam::MakeLater(this->panel, &this->group, 402);
    for (VornButton* b : {static_cast<VornButton*>(now), static_cast<VornButton*>(later)}) {
        EXPECT_EQ(b->GetClientSize(), wxSize(12, 8)); // the size of the set's images
        EXPECT_EQ(this->group.Plain()->FindControlEntry(b->GetId())->control, b);
        EXPECT_FALSE(b->GetOn());
        EXPECT_EQ(PixelStr(RenderToImage(b), 5, 4), Colour(VORN_IMAGE_OFF));
    }
}

TYPED_TEST(ButtonKindTest, AClickReportsExactly)
{
    auto* b = TypeParam::Make(this->panel, &this->group, 403);
    Click(b);
    EXPECT_EQ(this->group.events, TypeParam::Clicked("id=403"));
    EXPECT_EQ(b->GetOn(), TypeParam::kOn);
    EXPECT_FALSE(b->HasCapture());
}

TYPED_TEST(ButtonKindTest, DisabledButtonIgnoresClicks)
{
    auto* b = TypeParam::Make(this->panel, &this->group, 404);
    b->SetEnabled(false);
    Click(b);
    EXPECT_TRUE(this->group.events.empty());
    EXPECT_FALSE(b->GetOn());
    EXPECT_EQ(PixelStr(RenderToImage(b), 5, 4), Colour(VORN_IMAGE_DISABLED_OFF));
}

TYPED_TEST(ButtonKindTest, DisablingWhilePressedLetsGoOfThePointer)
{
    auto* b = TypeParam::Make(this->panel, &this->group, 405);
    LeftDown(b, {3, 3});
    this->group.events.clear();
    b->SetEnabled(false);
    EXPECT_FALSE(b->HasCapture());
    EXPECT_FALSE(b->GetMouseDown());
    LeftUp(b, {3, 3}); // ignored while disabled
    EXPECT_TRUE(this->group.events.empty());
}

TYPED_TEST(ButtonKindTest, WithoutAGroupAClickStillActs)
{
    auto* b = TypeParam::Make(this->panel, nullptr, 406);
    Click(b);
    EXPECT_EQ(b->GetOn(), TypeParam::kOn);
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

namespace {
class ButtonTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ShowFrame(); // enter and leave events convert screen positions
    }
    static void Enter(wxWindow* w) { SendMouse(w, wxEVT_ENTER_WINDOW, {2, 2}); }
    static void Leave(wxWindow* w) { SendMouse(w, wxEVT_LEAVE_WINDOW, {-5, -5}); }
    static std::string Drawn(VornButton* b) { return PixelStr(RenderToImage(b), 5, 4); }
    Recorder group;
};
} // namespace

TEST_F(ButtonTest, EachStateDrawsItsImageOrItsStandIn)
{
    VornwxBitmapCache onOff;
    Fill(onOff, {VORN_IMAGE_OFF, VORN_IMAGE_ON});
    auto* b = new VornButton(&FullSet(), 0, 0, panel, -1, nullptr);
    auto* few = new VornButton(&onOff, 20, 0, panel, -1, nullptr); // off and on serve every state
    const auto both = [&](VORNIMAGETYPE state) {
        EXPECT_EQ(Drawn(b), Colour(state));
        EXPECT_EQ(b->GetImageState(), state);
        EXPECT_EQ(Drawn(few), Colour(b->GetOn() ? VORN_IMAGE_ON : VORN_IMAGE_OFF)) << state;
    };
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
        both(state);
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
    EXPECT_EQ(PixelStr(img, 11, 7), Colour(VORN_IMAGE_ON));
    EXPECT_EQ(PixelStr(img, 12, 7), "#010203"); // a 12 x 8 image in a 20 x 20 window
    EXPECT_EQ(PixelStr(img, 11, 8), "#010203");
    b->SetImageCache(nullptr);
    EXPECT_EQ(PixelStr(RenderToImage(b, wxSize(20, 20), wxColour(1, 2, 3)), 5, 5), "#010203");

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
    auto* w = new VornButton(&cache, 0, 30, panel, -1, nullptr);
    EXPECT_EQ(w->GetWidth(), 10);
    w->SetOn(true);
    img = RenderToImage(w, wxSize(14, 14), *wxBLACK);
    EXPECT_EQ(PixelStr(img, 0, 0), "#00FF00");
    EXPECT_EQ(PixelStr(img, 9, 9), "#00FF00");
    EXPECT_EQ(PixelStr(img, 10, 10), "#000000");
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
    EXPECT_EQ(VornMoonButton::ClampToParent(-7, 200, 20), 0);
    EXPECT_EQ(VornMoonButton::ClampToParent(90, 200, 20), 90);
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
