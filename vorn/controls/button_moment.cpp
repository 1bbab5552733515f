#include <vorn/controls/button_moment.h>

namespace vorn {

VornMomentHint::~VornMomentHint() = default;
VornButtonClock::~VornButtonClock() = default;

// ---------------------------------------------------------------------------------------------
// VornButtonTimer

VornButtonTimer::VornButtonTimer(VornMomentBtn* owner)
    : m_owner(owner), m_clock(std::make_unique<VornStopWatchClock>())
{
}

void VornButtonTimer::SetClock(std::unique_ptr<VornButtonClock> clock)
{
    if (clock)
        m_clock = std::move(clock);
    m_clock->Restart();
}

VornButtonTimer::Repeats VornButtonTimer::CountRepeats(long elapsed, int repeat)
{
    if (repeat <= 0 || elapsed < 0)
        return {0, 0};
    return {static_cast<int>(elapsed / repeat), static_cast<int>(elapsed % repeat)};
}

void VornButtonTimer::Notify()
{
    const long elapsed = m_clock->Time() + m_carry;
    Start(m_owner->GetRepeat(), wxTIMER_ONE_SHOT);
    int n = 0;
    if (m_firstTick) {
        m_firstTick = false;
    } else {
        const Repeats repeats = CountRepeats(elapsed, m_owner->GetRepeat());
        n = repeats.n;
        m_carry = repeats.carry;
    }
    if (VornControlGroup* group = m_owner->GetGroup()) {
        VornMomentHint hint(false);
        const unsigned int id = m_owner->GetId();
        for (int i = 0; i < n + 2; ++i) {
            group->ControlSelected(id, m_owner);
            group->Update(id, m_owner, &hint);
        }
    }
    m_clock->Restart();
}

// ---------------------------------------------------------------------------------------------
// VornMomentBtn

VornMomentBtn::VornMomentBtn() = default;

VornMomentBtn::VornMomentBtn(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                             VornControlGroup* group, long style, int firstDelay, int repeat)
{
    VornMomentBtn::Create(cache, x, y, w, h, parent, id, group, style, firstDelay, repeat);
}

VornMomentBtn::VornMomentBtn(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                             VornControlGroup* group, long style, int firstDelay, int repeat)
{
    VornMomentBtn::Create(cache, x, y, parent, id, group, style, firstDelay, repeat);
}

VornMomentBtn::~VornMomentBtn()
{
    StopTimer();
}

void VornMomentBtn::InitMoment(int firstDelay, int repeat)
{
    StopTimer();
    m_timer = std::make_unique<VornButtonTimer>(this);
    m_firstDelay = firstDelay;
    m_repeat = repeat;
}

bool VornMomentBtn::Create(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                           VornControlGroup* group, long style, int firstDelay, int repeat)
{
    const bool ok = VornButton::Create(cache, x, y, w, h, parent, id, group, style);
    InitMoment(firstDelay, repeat);
    return ok;
}

bool VornMomentBtn::Create(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                           VornControlGroup* group, long style, int firstDelay, int repeat)
{
    const bool ok = VornButton::Create(cache, x, y, parent, id, group, style);
    InitMoment(firstDelay, repeat);
    return ok;
}

void VornMomentBtn::StopTimer()
{
    if (m_timer && m_timer->IsRunning())
        m_timer->Stop();
}

void VornMomentBtn::OnMouseButton()
{
    if (GetMouseDown()) {
        if (m_timer) {
            m_timer->SetFirstTick(true);
            m_timer->Start(m_firstDelay, wxTIMER_ONE_SHOT);
        }
        NotifySelected();
        VornMomentHint hint(true);
        NotifyUpdate(&hint);
    } else {
        if (GetMouseOver())
            NotifyUnSelected();
        StopTimer();
    }
    RefreshPressed();
}

void VornMomentBtn::OnEnable(bool enabled)
{
    if (!enabled)
        StopTimer();
}

} // namespace vorn
