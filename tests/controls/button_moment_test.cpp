// Moment buttons: the press report, the repeat arithmetic of each timer tick (driven
// through a clock the test sets), and what stops the repeats.
#include <gtest/gtest.h>

#include <vorn/controls/button_moment.h>

#include "group_recorder.h"
#include "test_support.h"

using namespace vorn;

using namespace vorntest;

namespace {

// A clock the test moves by hand; Restart sets it back to 0.
class HandClock : public VornButtonClock {
public:
    explicit HandClock(long* now) : m_now(now) {}
    long Time() const override { return *m_now; }
    void Restart() override { *m_now = 0; }

private:
    long* m_now;
};

class MomentTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        group.describe = [](const VornControlHint* hint) -> std::string {
            if (auto* m = dynamic_cast<const VornMomentHint*>(hint))
                return m->flag ? "press" : "repeat";
            return "";
        };
        button = new VornMomentBtn(nullptr, 0, 0, 16, 16, panel, 501, &group, 0, 500, 100);
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

    GroupRecorder group;
    VornMomentBtn* button = nullptr;
    long now = 0;
};

} // namespace

TEST_F(MomentTest, PressReportsAtOnceAndStartsTheFirstDelay)
{
    EXPECT_EQ(button->GetFirstDelay(), 500);
    EXPECT_EQ(button->GetRepeat(), 100);
    EXPECT_FALSE(button->GetTimer()->IsRunning());
    LeftDown(button, {3, 3});
    EXPECT_EQ(group.events, (std::vector<std::string>{"Selected id=501", "Update id=501 press"}));
    EXPECT_TRUE(button->GetTimer()->IsRunning());
    EXPECT_TRUE(button->GetTimer()->IsOneShot());
    EXPECT_EQ(button->GetTimer()->GetInterval(), 500);
    EXPECT_TRUE(button->GetTimer()->GetFirstTick());
    LeftUp(button, {3, 3});
    EXPECT_FALSE(button->GetTimer()->IsRunning());
}

TEST_F(MomentTest, HeldForSevenHundredMilliseconds)
{
    LeftDown(button, {3, 3});
    // First tick at 500 ms: two pairs whatever the clock says.
    EXPECT_EQ(Tick(500), Pairs(2));
    EXPECT_FALSE(button->GetTimer()->GetFirstTick());
    EXPECT_EQ(button->GetTimer()->GetInterval(), 100);
    EXPECT_TRUE(button->GetTimer()->IsOneShot());
    EXPECT_EQ(now, 0); // the clock restarts after every tick
    // 600 and 700 ms: one whole interval each, n = 1.
    EXPECT_EQ(Tick(100), Pairs(3));
    EXPECT_EQ(Tick(100), Pairs(3));
    group.events.clear();
    LeftUp(button, {3, 3});
    EXPECT_EQ(group.events, (std::vector<std::string>{"UnSelected id=501"}));
    EXPECT_FALSE(button->GetTimer()->IsRunning());
}

TEST_F(MomentTest, LateTicksCatchUpAndCarryTheRemainder)
{
    LeftDown(button, {3, 3});
    Tick(537);
    EXPECT_EQ(button->GetTimer()->GetCarry(), 0); // the first tick leaves the carry alone
    EXPECT_EQ(Tick(250), Pairs(4));               // n = 2, carry 50
    EXPECT_EQ(button->GetTimer()->GetCarry(), 50);
    EXPECT_EQ(Tick(70), Pairs(3)); // 70 + 50: n = 1, carry 20
    EXPECT_EQ(button->GetTimer()->GetCarry(), 20);
    EXPECT_EQ(Tick(60), Pairs(2)); // 80: n = 0, carry 80
    EXPECT_EQ(button->GetTimer()->GetCarry(), 80);
    LeftUp(button, {3, 3});
}

TEST_F(MomentTest, RepeatCountArithmetic)
{
    const auto r = VornButtonTimer::CountRepeats(1234, 100);
    EXPECT_EQ(r.n, 12);
    EXPECT_EQ(r.carry, 34);
    EXPECT_EQ(VornButtonTimer::CountRepeats(99, 100).n, 0);
    EXPECT_EQ(VornButtonTimer::CountRepeats(99, 100).carry, 99);
    EXPECT_EQ(VornButtonTimer::CountRepeats(50, 0).n, 0); // a zero interval repeats nothing extra
}

TEST_F(MomentTest, ANewPressStartsWithTwoPairsAgain)
{
    LeftDown(button, {3, 3});
    Tick(500);
    Tick(100);
    LeftUp(button, {3, 3});
    LeftDown(button, {3, 3});
    EXPECT_TRUE(button->GetTimer()->GetFirstTick());
    EXPECT_EQ(button->GetTimer()->GetInterval(), 500);
    EXPECT_EQ(Tick(900), Pairs(2));
    LeftUp(button, {3, 3});
}

TEST_F(MomentTest, ReleaseAwayFromTheButtonStopsWithoutAClick)
{
    ShowFrame(); // leave events convert screen positions
    group.events.clear();
    LeftDown(button, {3, 3});
    SendMouse(button, wxEVT_LEAVE_WINDOW, {-5, -5});
    EXPECT_FALSE(button->GetTimer()->IsRunning());
    EXPECT_EQ(group.events, (std::vector<std::string>{"Selected id=501", "Update id=501 press"}));
}

TEST_F(MomentTest, DisablingStopsTheTimer)
{
    LeftDown(button, {3, 3});
    ASSERT_TRUE(button->GetTimer()->IsRunning());
    button->SetEnabled(false);
    EXPECT_FALSE(button->GetTimer()->IsRunning());
    group.events.clear();
    LeftUp(button, {3, 3}); // ignored while disabled
    EXPECT_TRUE(group.events.empty());
}

TEST_F(MomentTest, WithoutAGroupTicksStillRearmTheTimer)
{
    auto* lone = new VornMomentBtn(nullptr, 20, 0, panel, -1, nullptr, 0, 300, 40);
    LeftDown(lone, {3, 3});
    lone->GetTimer()->Notify();
    EXPECT_TRUE(lone->GetTimer()->IsRunning());
    EXPECT_EQ(lone->GetTimer()->GetInterval(), 40);
    LeftUp(lone, {3, 3});
    EXPECT_FALSE(lone->GetTimer()->IsRunning());
}

TEST_F(MomentTest, DefaultConstructionThenCreateMakesTheTimer)
{
    auto* b = new VornMomentBtn;
    EXPECT_EQ(b->GetTimer(), nullptr);
    b->Create(nullptr, 0, 30, 16, 16, panel, 502, &group, 0, 250, 50);
    ASSERT_NE(b->GetTimer(), nullptr);
    EXPECT_EQ(b->GetFirstDelay(), 250);
    EXPECT_EQ(b->GetRepeat(), 50);
    EXPECT_EQ(b->GetWidth(), 16);
}

// The real toolkit timer and clock: short delays, waited for by pumping events.
TEST_F(MomentTest, RealTimerRepeatsWhileHeld)
{
    auto* quick = new VornMomentBtn(nullptr, 40, 0, 16, 16, panel, 503, &group, 0, 5, 5);
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
