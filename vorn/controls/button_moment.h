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

/// Sent by moment buttons: flag true for the press, false for each repeat.
class VornMomentHint : public VornControlHint {
public:
    /// A repeat hint.
    VornMomentHint() = default;
    /// A hint for the press (true) or a repeat (false).
    explicit VornMomentHint(bool f) : flag(f) {}
    /// Out of line, for the hint's type information.
    ~VornMomentHint() override;
    bool flag = false; ///< True for the press, false for a repeat.
};

/// Milliseconds since the last restart.
class VornButtonClock {
public:
    /// Clocks are owned through this interface.
    virtual ~VornButtonClock();
    /// Milliseconds since the last restart.
    virtual long Time() const = 0;
    /// Starts counting from 0.
    virtual void Restart() = 0;
};

/// The real clock: a wxStopWatch, running from construction.
class VornStopWatchClock : public VornButtonClock {
public:
    /// Milliseconds since the last restart.
    long Time() const override { return m_watch.Time(); }
    /// Starts counting from 0.
    void Restart() override { m_watch.Start(); }

private:
    wxStopWatch m_watch;
};

class VornMomentBtn;

/// The moment button's repeat timer.
class VornButtonTimer : public wxTimer {
public:
    /// A timer for the button, with a real clock.
    explicit VornButtonTimer(VornMomentBtn* owner);
    /// One tick: rearms itself and reports the repeats.
    void Notify() override;

    /// Replaces the clock (the timer owns it) and restarts it; null keeps the current one.
    void SetClock(std::unique_ptr<VornButtonClock> clock);
    /// The clock the ticks read.
    VornButtonClock& GetClock() { return *m_clock; }
    /// Marks the next tick as the first of a press.
    void SetFirstTick(bool first) { m_firstTick = first; }
    /// Whether the next tick is the first of a press.
    bool GetFirstTick() const { return m_firstTick; }
    /// Milliseconds left over from the last tick.
    int GetCarry() const { return m_carry; }

    /// How many repeats a tick reports: its n and the carry left for the next tick.
    struct Repeats {
        int n; ///< Number of repeats.
        int carry; ///< Milliseconds left for the next tick.
    };
    /// The repeats of a tick `elapsed` ms after the previous one.
    static Repeats CountRepeats(long elapsed, int repeat);

private:
    VornMomentBtn* m_owner;
    std::unique_ptr<VornButtonClock> m_clock;
    int m_carry = 0;
    bool m_firstTick = true;
};

/// A button that reports its press at once and then repeatedly while held.
class VornMomentBtn : public VornButton {
public:
    /// No window yet: Create must follow.
    VornMomentBtn();
    /// A moment button of the given size; repeats after firstDelay, then every repeat ms.
    VornMomentBtn(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                  VornControlGroup* group, long style, int firstDelay, int repeat);
    /// The same at the size of the set's images.
    VornMomentBtn(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id, VornControlGroup* group,
                  long style, int firstDelay, int repeat);
    /// Stops the timer.
    ~VornMomentBtn() override;

    /// Makes the window and the timer of a default-constructed button.
    virtual bool Create(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                        VornControlGroup* group, long style, int firstDelay, int repeat);
    /// The same, at the size of the set's images.
    virtual bool Create(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                        VornControlGroup* group, long style, int firstDelay, int repeat);

    /// The repeat timer (null before Create).
    VornButtonTimer* GetTimer() const { return m_timer.get(); }
    /// Milliseconds from the press to the first repeat.
    int GetFirstDelay() const { return m_firstDelay; }
    /// Milliseconds between repeats.
    int GetRepeat() const { return m_repeat; }

protected:
    /// The press reports and starts the timer; the release stops it.
    void OnMouseButton() override;
    /// Disabling stops the timer.
    void OnEnable(bool enabled) override;
    /// Leaving releases the button through the control base; nothing more to do.
    void OnMouseLeaving() override {}

private:
    void InitMoment(int firstDelay, int repeat);
    void StopTimer();

    std::unique_ptr<VornButtonTimer> m_timer;
    int m_firstDelay = 0;
    int m_repeat = 0;
};

} // namespace vorn
