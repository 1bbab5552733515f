// Moment buttons: the repeat arithmetic of each timer tick (driven through a clock the
// test sets), and what stops the repeats. The press report is in buttons_test.cpp.
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
    VornButtonTimer& Timer() { return *button->GetTimer(); }

    GroupRecorder group;
    VornMomentBtn* button = nullptr;
    long now = 0;
};

} // namespace

TEST_F(MomentTest, HeldTicksRepeatEveryIntervalAndCarryTheRemainder)
{
    EXPECT_FALSE(Timer().IsRunning());
    LeftDown(button, {3, 3});
    EXPECT_TRUE(Timer().IsRunning());
    EXPECT_TRUE(Timer().IsOneShot());
    EXPECT_EQ(Timer().GetInterval(), 500); // the first delay
    // First tick: two pairs whatever the clock says, and the carry stays.
    EXPECT_EQ(Tick(537), Pairs(2));
    EXPECT_EQ(Timer().GetCarry(), 0);
    EXPECT_EQ(Timer().GetInterval(), 100); // then the repeat interval
    EXPECT_EQ(now, 0);                     // the clock restarts after every tick
    EXPECT_EQ(Tick(100), Pairs(3));        // one whole interval: n = 1
    EXPECT_EQ(Tick(250), Pairs(4));        // n = 2, carry 50
    EXPECT_EQ(Timer().GetCarry(), 50);
    EXPECT_EQ(Tick(70), Pairs(3)); // 70 + 50: n = 1, carry 20
    EXPECT_EQ(Tick(60), Pairs(2)); // 80: n = 0, carry 80
    EXPECT_EQ(Timer().GetCarry(), 80);
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
    const auto none = VornButtonTimer::CountRepeats(50, 0); // a zero interval repeats nothing extra
    EXPECT_EQ(none.n, 0);
}

TEST_F(MomentTest, LeavingOrDisablingStopsTheRepeats)
{
    ShowFrame(); // leave events convert screen positions
    group.events.clear();
    LeftDown(button, {3, 3});
    SendMouse(button, wxEVT_LEAVE_WINDOW, {-5, -5});
    EXPECT_FALSE(Timer().IsRunning());
    EXPECT_EQ(group.events, (std::vector<std::string>{"Selected id=501", "Update id=501 press"})); // no click
    LeftDown(button, {3, 3});
    ASSERT_TRUE(Timer().IsRunning());
    button->SetEnabled(false);
    EXPECT_FALSE(Timer().IsRunning());
    EXPECT_EQ(button->GetTimer(), &Timer());
    auto* later = new VornMomentBtn;
    EXPECT_EQ(later->GetTimer(), nullptr); // the timer comes with Create
    delete later;
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
