#pragma once
// Records what a control reports, in order, as readable strings, so a test can compare
// the whole sequence at once:
//   "Selected id=5", "UnSelected id=5", "DoubleClick id=5", "Drag id=5",
//   "ShapeChanged id=5", "Update id=0 RealValChanging 0.25", "Update id=0 IntValChanged 3",
//   "Update id=0 StringValChanged \"abc\"", "Update id=0 VornMomentHint", "Update id=0 null".
// Notifications from virtual controls read "Selected virtual id=5" and so on.
// Doubles are printed with %g; hints of other classes print their class name.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <vorn/framework/control_group.h>
#include <vorn/framework/hint_text.h>
#include <vorn/framework/hints.h>

namespace vorntest {
using namespace vorn;
using Log = std::vector<std::string>;

using HintDescriber = std::function<std::string(const VornControlHint* hint)>;

inline std::string FormatReal(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

// The library's description of a hint, unless the recorder's hook has a better one.
inline std::string HintText(const VornControlHint* hint, const HintDescriber& extra = nullptr)
{
    if (hint && extra) {
        std::string text = extra(hint);
        if (!text.empty())
            return text;
    }
    return DescribeHint(hint);
}

inline std::string DescribeUpdate(unsigned int id, const VornControlHint* hint, const HintDescriber& extra)
{
    return "Update id=" + std::to_string(id) + " " + HintText(hint, extra);
}

// A value group that records every notification and update, then routes updates on as
// any group does (to registered controls, sub-groups and receivers).
class GroupRecorder : public VornControlGroupValue {
public:
    Log events;
    VornControl* lastControl = nullptr;

    void ControlSelected(unsigned int id, VirtualControl*) override { Note("Selected virtual", id); }
    void ControlSelected(unsigned int id, VornControl* c) override { Note("Selected", id, c); }
    void ControlUnSelected(unsigned int id, VirtualControl*) override { Note("UnSelected virtual", id); }
    void ControlUnSelected(unsigned int id, VornControl* c) override { Note("UnSelected", id, c); }
    void ControlDoubleClick(unsigned int id, VirtualControl*) override { Note("DoubleClick virtual", id); }
    void ControlDoubleClick(unsigned int id, VornControl* c) override { Note("DoubleClick", id, c); }
    void ControlDrag(unsigned int id, VornControl* c) override { Note("Drag", id, c); }
    void ControlShapeChanged(unsigned int id, VornControl* c) override { Note("ShapeChanged", id, c); }

    void Update(unsigned int id, VornControl* control, VornControlHint* hint) override
    {
        lastControl = control;
        events.push_back(DescribeUpdate(id, hint, nullptr));
        VornControlGroupValue::Update(id, control, hint);
    }

    // Only the updates, for tests that ignore selection notifications.
    std::vector<std::string> Updates() const
    {
        std::vector<std::string> out;
        for (const auto& e : events)
            if (e.rfind("Update ", 0) == 0)
                out.push_back(e);
        return out;
    }

private:
    void Note(const char* what, unsigned int id, VornControl* control = nullptr)
    {
        if (control)
            lastControl = control;
        events.push_back(std::string(what) + " id=" + std::to_string(id));
    }
};

} // namespace vorntest
