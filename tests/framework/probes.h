#pragma once
// Test doubles for the framework tests: real and virtual controls that log their hooks,
// and stand-ins for the buttons that groups switch on and off.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <vorn/framework/control.h>
#include <vorn/framework/on_off_control.h>
#include <vorn/framework/virtual_control.h>

#include "group_recorder.h"

namespace vorntest {
using namespace vorn;

// Logs every hook that real and virtual controls share. Updates also go, as
// "<tag> <hint>", to `shared` when set, so a test can read the routing order.
template <class Base>
class Probe : public Base {
public:
    using Base::Base;
    ~Probe() override
    {
        if (destructions)
            ++*destructions;
    }
    Log log;
    Log* shared = nullptr;
    std::string tag;
    int recalcs = 0;
    int* destructions = nullptr;
    VornControl* lastUpdateControl = nullptr;
    std::function<void()> onNextUpdate; // runs once, after the update is logged

    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override
    {
        lastUpdateControl = control;
        log.push_back("OnUpdate id=" + std::to_string(id) + " " + HintText(hint));
        if (shared)
            shared->push_back(tag + " " + HintText(hint));
        if (onNextUpdate)
            std::exchange(onNextUpdate, nullptr)();
    }
    void RecalcState() override
    {
        ++recalcs;
        Base::RecalcState();
    }
    Log Take() { return std::exchange(log, {}); }

protected:
    void OnEnable(bool e) override { log.push_back(e ? "OnEnable 1" : "OnEnable 0"); }
    void OnShow() override { log.push_back("OnShow"); }
    void OnHide() override { log.push_back("OnHide"); }
    void OnMouseMove(int x, int y) override
    {
        log.push_back("OnMouseMove " + std::to_string(x) + "," + std::to_string(y));
    }
    // Each hook is logged, then the base's own runs (it marks dirty and refreshes).
    void OnMouseOver() override { log.push_back("OnMouseOver"); Base::OnMouseOver(); }
    void OnMouseDownLeft() override { log.push_back("OnMouseDownLeft"); Base::OnMouseDownLeft(); }
    void OnMouseDownRight() override { log.push_back("OnMouseDownRight"); Base::OnMouseDownRight(); }
    void OnMouseButton() override { log.push_back("OnMouseButton"); Base::OnMouseButton(); }
};

class ProbeControl : public Probe<VornControl> {
public:
    using Probe::Probe;

protected:
    void OnMouseEntering() override { log.push_back("OnMouseEntering"); }
    void OnMouseLeaving() override { log.push_back("OnMouseLeaving"); }
};

// A virtual control's hooks only refresh its host: the refreshes are logged too.
class ProbeVirtual : public Probe<VirtualControl> {
public:
    using Probe::Probe;
    void Refresh(bool erase) override
    {
        log.push_back("Refresh");
        Probe::Refresh(erase);
    }
};

// Stands in for the buttons: the groups look for the on/off interface.
template <class Base>
class FakeOnOff : public Base, public VornOnOffControl {
public:
    using Base::Base;
    void SetOn(bool on) override
    {
        this->log.push_back(on ? "SetOn 1" : "SetOn 0");
        m_on = on;
    }
    bool GetOn() const override { return m_on; }

private:
    bool m_on = false;
};
using FakeButton = FakeOnOff<ProbeControl>;
using FakeVirtualButton = FakeOnOff<ProbeVirtual>;

} // namespace vorntest
