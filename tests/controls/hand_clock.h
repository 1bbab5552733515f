#pragma once
// A moment-button clock the test moves by hand; Restart sets it back to 0.
#include <vorn/controls/button_moment.h>

class HandClock : public vorn::VornButtonClock {
public:
    explicit HandClock(long* now) : m_now(now) {}
    long Time() const override { return *m_now; }
    void Restart() override { *m_now = 0; }

private:
    long* m_now;
};
