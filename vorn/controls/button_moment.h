#pragma once
// The moment button: reports a press at once, then keeps reporting while it is held.
//
//   press     first-tick flag set, timer one-shot with the first delay;
//             ControlSelected, Update(VornMomentHint(true))
//   each tick timer one-shot with the repeat interval; n + 2 pairs of ControlSelected,
//             Update(VornMomentHint(false)), where n is 0 on the first tick and after
//             that the whole repeat intervals since the previous tick (the remainder is
//             carried to the next tick)
//   release   over the button: ControlUnSelected; the timer stops
// Disabling the button stops the timer too. The timer reads the time through a
// VornButtonClock, which tests replace to drive the tick arithmetic.
#include <memory>

#include <wx/stopwatch.h>
#include <wx/timer.h>

#include <vorn/controls/button.h>
#include <vorn/framework/hints.h>

namespace vorn {

// Sent by moment buttons: flag true for the press, false for each repeat.
class VornMomentHint : public VornControlHint {
public:
    VornMomentHint() = default;
    explicit VornMomentHint(bool f) : flag(f) {}
    ~VornMomentHint() override;
    bool flag = false;
};

// Milliseconds since the last restart.
class VornButtonClock {
public:
    virtual ~VornButtonClock();
    virtual long Time() const = 0;
    virtual void Restart() = 0;
};

// The real clock: a wxStopWatch, running from construction.
class VornStopWatchClock : public VornButtonClock {
public:
    long Time() const override { return m_watch.Time(); }
    void Restart() override { m_watch.Start(); }

private:
    wxStopWatch m_watch;
};

class VornMomentBtn;

class VornButtonTimer : public wxTimer {
public:
    explicit VornButtonTimer(VornMomentBtn* owner);
    void Notify() override;

    // Replaces the clock (the timer owns it) and restarts it; null keeps the current one.
    void SetClock(std::unique_ptr<VornButtonClock> clock);
    VornButtonClock& GetClock() { return *m_clock; }
    void SetFirstTick(bool first) { m_firstTick = first; }
    bool GetFirstTick() const { return m_firstTick; }
    int GetCarry() const { return m_carry; }

    // How many repeats a tick reports: its n and the carry left for the next tick.
    struct Repeats {
        int n;
        int carry;
    };
    static Repeats CountRepeats(long elapsed, int repeat);

private:
    VornMomentBtn* m_owner;
    std::unique_ptr<VornButtonClock> m_clock;
    int m_carry = 0;
    bool m_firstTick = true;
};

class VornMomentBtn : public VornButton {
public:
    VornMomentBtn();
    VornMomentBtn(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                  VornControlGroup* group, long style, int firstDelay, int repeat);
    VornMomentBtn(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id, VornControlGroup* group,
                  long style, int firstDelay, int repeat);
    ~VornMomentBtn() override;

    virtual bool Create(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                        VornControlGroup* group, long style, int firstDelay, int repeat);
    virtual bool Create(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                        VornControlGroup* group, long style, int firstDelay, int repeat);

    VornButtonTimer* GetTimer() const { return m_timer; }
    int GetFirstDelay() const { return m_firstDelay; }
    int GetRepeat() const { return m_repeat; }

protected:
    void OnMouseButton() override;
    void OnEnable(bool enabled) override;
    // Leaving releases the button through the control base; nothing more to do.
    void OnMouseLeaving() override {}

private:
    void InitMoment(int firstDelay, int repeat);
    void StopTimer();

    VornButtonTimer* m_timer = nullptr;
    int m_firstDelay = 0;
    int m_repeat = 0;
};

} // namespace vorn
