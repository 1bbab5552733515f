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
class HostValueSlider : public Slider, public vorn::RealVal {
public:
    using Slider::Slider;
    using Slider::GetValue;
    using Slider::SetValue;

    void GetValue(double& out) override { out = Slider::GetValue(); }
    void SetValue(double value) override { Slider::SetValue(value, false); }

    void OnUpdate(unsigned int id, vorn::VornControl* control, vorn::VornControlHint* hint) override
    {
        auto* message = dynamic_cast<vorn::RealValMessage*>(hint);
        if (message && id == Slider::GetId())
            Slider::SetValue(message->value, false);
        Slider::OnUpdate(id, control, hint);
    }
};

// A number as the log shows it, in the C locale's format `format` ("%g", "%.3f", ...).
std::string FormatNumber(double value, const char* format = "%g");

// Gives a page the skin's panel background and text colours (a dark default without a skin).
void ApplyPageColours(wxWindow* page, vorn::AssetManager* assets);

// Identifiers for the library's controls on the gallery's pages, unique across pages, so
// that the log reads "id=104" rather than a toolkit-chosen number.
int NextControlId();

// One row of host-side controls for a control that reports a 0..1 value: enable,
// show, and three ways to set the value (the control's own setter, a posted hint event,
// the value interface).
struct ValueRowActions {
    std::function<void(double value, bool notify)> setValue; // the control's own SetValue
    vorn::RealVal* valueInterface = nullptr;
};

// The "enabled" and "visible" boxes a host row starts with, added to `row`; both log
// what they do.
void AddEnableShow(wxWindow* parent, wxSizer* row, vorn::VornControl* control, const std::string& label, EventLog* log);

wxSizer* MakeHostRow(wxWindow* parent, vorn::VornControl* control, const std::string& label,
                     const ValueRowActions& actions, GalleryContext& context);

// A page whose controls share one value group that reports to the log. The page lets
// its controls go while the group still exists, and takes the log off the group first.
class ValueGroupPage : public wxPanel, public GalleryDemo {
protected:
    ValueGroupPage(wxWindow* parent, GalleryContext& context) : wxPanel(parent), m_context(context)
    {
        m_group.Register(context.log);
    }
    ~ValueGroupPage() override
    {
        m_group.DeRegister(m_context.log);
        DestroyChildren();
    }

    GalleryContext& m_context;
    vorn::VornControlGroupValue m_group;
};

// The explanation at the top of a page.
void AddIntro(wxWindow* page, wxSizer* sizer, const wxString& text);

// Adds a labelled row to a page: the control, at its best size, then the host controls.
// Returns the column of host controls, for a page to add its own below them.
wxSizer* AddHostRow(wxWindow* page, wxSizer* sizer, vorn::VornControl* control, const std::string& label,
                    const ValueRowActions& actions, GalleryContext& context);

// The same for a control with a 0..1 value.
template <class Slider>
wxSizer* AddValueRow(wxWindow* page, wxSizer* sizer, HostValueSlider<Slider>* control, const std::string& label,
                     GalleryContext& context)
{
    ValueRowActions actions;
    actions.setValue = [control](double v, bool notify) { control->SetValue(v, notify); };
    actions.valueInterface = control;
    return AddHostRow(page, sizer, control, label, actions, context);
}
