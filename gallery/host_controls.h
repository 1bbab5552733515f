#pragma once
// Host-side helpers of the gallery pages: what an application writes around the
// library's controls to drive them programmatically.
#include <functional>
#include <string>

#include <wx/panel.h>
#include <wx/sizer.h>

#include <vorn/framework/control.h>
#include <vorn/framework/hint_event.h>
#include <vorn/framework/hints.h>
#include <vorn/framework/value_interfaces.h>

#include "gallery_frame.h"

// A control as a host would derive it: it also answers the RealVal value interface and
// takes a value pushed to it with a VornHintEvent addressed to its id. (Its group also
// passes it the updates of its siblings, under id 0: those are not for it.)
template <class Slider>
class HostValueSlider : public Slider, public RealVal {
public:
    using Slider::Slider;
    using Slider::GetValue;
    using Slider::SetValue;

    void GetValue(double& out) override { out = Slider::GetValue(); }
    void SetValue(double value) override { Slider::SetValue(value, false); }

    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override
    {
        auto* message = dynamic_cast<RealValMessage*>(hint);
        if (message && id == Slider::GetId())
            Slider::SetValue(message->value, false);
        Slider::OnUpdate(id, control, hint);
    }
};

// One row of host-side controls for a control that reports a 0..1 value: enable,
// show, and three ways to set the value (the control's own setter, a posted hint event,
// the value interface).
struct ValueRowActions {
    std::function<void(double value, bool notify)> setValue; // the control's own SetValue
    RealVal* valueInterface = nullptr;
};

wxSizer* MakeHostRow(wxWindow* parent, VornControl* control, const std::string& label,
                     const ValueRowActions& actions, GalleryContext& context);
