#pragma once
// Test doubles for the framework tests: controls that log their hooks, and a stand-in
// for the buttons that groups switch on and off.
#include <string>
#include <vector>

#include <vorn/framework/control.h>
#include <vorn/framework/on_off_control.h>
#include <vorn/framework/virtual_control.h>

#include "group_recorder.h"

namespace vorntest {
using namespace vorn;

class ProbeControl : public VornControl {
public:
    using VornControl::VornControl;
    std::vector<std::string> log;
    // When set, every update is logged as "<tag> <describe>" into this shared list.
    std::vector<std::string>* shared = nullptr;
    std::string tag;
    int recalcs = 0;
    int* destructions = nullptr;

    ~ProbeControl() override
    {
        if (destructions)
            ++*destructions;
    }

    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override
    {
        const std::string text = "OnUpdate id=" + std::to_string(id) + " " + HintText(hint);
        lastUpdateControl = control;
        log.push_back(text);
        if (shared)
            shared->push_back(tag + " " + HintText(hint));
    }
    void RecalcState() override
    {
        ++recalcs;
        VornControl::RecalcState();
    }
    VornControl* lastUpdateControl = nullptr;

protected:
    void OnEnable(bool e) override { log.push_back(e ? "OnEnable 1" : "OnEnable 0"); }
    void OnMouseMove(int x, int y) override
    {
        log.push_back("OnMouseMove " + std::to_string(x) + "," + std::to_string(y));
    }
    void OnMouseOver() override
    {
        log.push_back("OnMouseOver");
        VornControl::OnMouseOver();
    }
    void OnMouseDownLeft() override
    {
        log.push_back("OnMouseDownLeft");
        VornControl::OnMouseDownLeft();
    }
    void OnMouseDownRight() override
    {
        log.push_back("OnMouseDownRight");
        VornControl::OnMouseDownRight();
    }
    void OnMouseButton() override
    {
        log.push_back("OnMouseButton");
        VornControl::OnMouseButton();
    }
    void OnMouseEntering() override { log.push_back("OnMouseEntering"); }
    void OnMouseLeaving() override { log.push_back("OnMouseLeaving"); }
};

// Stands in for VornButton: the groups look for the on/off interface.
class FakeButton : public ProbeControl, public VornOnOffControl {
public:
    using ProbeControl::ProbeControl;
    void SetOn(bool on) override
    {
        log.push_back(on ? "SetOn 1" : "SetOn 0");
        m_on = on;
    }
    bool GetOn() const override { return m_on; }

private:
    bool m_on = false;
};

class ProbeVirtual : public VirtualControl {
public:
    using VirtualControl::VirtualControl;
    std::vector<std::string> log;
    std::vector<std::string>* shared = nullptr;
    std::string tag;
    int* destructions = nullptr;

    ~ProbeVirtual() override
    {
        if (destructions)
            ++*destructions;
    }
    void OnUpdate(unsigned int id, VornControl*, VornControlHint* hint) override
    {
        log.push_back("OnUpdate id=" + std::to_string(id) + " " + HintText(hint));
        if (shared)
            shared->push_back(tag + " " + HintText(hint));
    }
    void RecalcState() override
    {
        log.push_back("RecalcState");
        VirtualControl::RecalcState();
    }
    void Refresh(bool erase) override
    {
        log.push_back("Refresh");
        VirtualControl::Refresh(erase);
    }

protected:
    void OnShow() override { log.push_back("OnShow"); }
    void OnHide() override { log.push_back("OnHide"); }
    void OnMouseOver() override
    {
        log.push_back("OnMouseOver");
        VirtualControl::OnMouseOver();
    }
    void OnMouseDownLeft() override
    {
        log.push_back("OnMouseDownLeft");
        VirtualControl::OnMouseDownLeft();
    }
    void OnMouseDownRight() override
    {
        log.push_back("OnMouseDownRight");
        VirtualControl::OnMouseDownRight();
    }
    void OnMouseButton() override
    {
        log.push_back("OnMouseButton");
        VirtualControl::OnMouseButton();
    }
};

class FakeVirtualButton : public ProbeVirtual, public VornOnOffControl {
public:
    using ProbeVirtual::ProbeVirtual;
    void SetOn(bool on) override
    {
        log.push_back(on ? "SetOn 1" : "SetOn 0");
        m_on = on;
    }
    bool GetOn() const override { return m_on; }

private:
    bool m_on = false;
};

} // namespace vorntest
