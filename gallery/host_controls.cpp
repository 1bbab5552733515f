#include "host_controls.h"

#include <cstdio>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>

using namespace vorn;

void AddEnableShow(wxWindow* parent, wxSizer* row, VornControl* control, const std::string& label, EventLog* log)
{
    auto* enabled = new wxCheckBox(parent, wxID_ANY, "enabled");
    enabled->SetValue(true);
    auto* visible = new wxCheckBox(parent, wxID_ANY, "visible");
    visible->SetValue(true);
    enabled->Bind(wxEVT_CHECKBOX, [=](wxCommandEvent& e) {
        control->SetEnabled(e.IsChecked());
        log->Note(label + (e.IsChecked() ? " enabled" : " disabled"));
    });
    visible->Bind(wxEVT_CHECKBOX, [=](wxCommandEvent& e) {
        if (e.IsChecked())
            control->Show();
        else
            control->Hide();
        log->Note(label + (e.IsChecked() ? " shown" : " hidden"));
    });
    row->Add(enabled, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    row->Add(visible, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 10);
}

wxSizer* MakeHostRow(wxWindow* parent, VornControl* control, const std::string& label,
                     const ValueRowActions& actions, GalleryContext& context)
{
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    EventLog* log = context.log;
    AddEnableShow(parent, row, control, label, log);
    auto* value = new wxSpinCtrlDouble(parent, wxID_ANY, "0.5", wxDefaultPosition, wxDefaultSize,
                                       wxSP_ARROW_KEYS, 0.0, 1.0, 0.5, 0.05);
    auto* notify = new wxCheckBox(parent, wxID_ANY, "notify");
    auto* set = new wxButton(parent, wxID_ANY, "SetValue", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    auto* post = new wxButton(parent, wxID_ANY, "hint event", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    auto* viaInterface = new wxButton(parent, wxID_ANY, "RealVal", wxDefaultPosition, wxDefaultSize,
                                      wxBU_EXACTFIT);
    auto* readout = new wxButton(parent, wxID_ANY, "read", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);

    set->Bind(wxEVT_BUTTON, [=](wxCommandEvent&) {
        actions.setValue(value->GetValue(), notify->IsChecked());
        log->Note(label + wxString::Format(" SetValue(%g, %s)", value->GetValue(),
                                           notify->IsChecked() ? "true" : "false").utf8_string());
    });
    post->Bind(wxEVT_BUTTON, [=](wxCommandEvent&) {
        // The event owns the hint; the control answers with OnUpdate.
        VornHintEvent event(VORN_EVT_HINT, control->GetId(), nullptr, new RealValChanged(value->GetValue()));
        control->GetEventHandler()->ProcessEvent(event);
        log->Note(label + wxString::Format(" got a hint event RealValChanged %g", value->GetValue()).utf8_string());
    });
    viaInterface->Bind(wxEVT_BUTTON, [=](wxCommandEvent&) {
        if (actions.valueInterface)
            actions.valueInterface->SetValue(value->GetValue());
        log->Note(label + wxString::Format(" RealVal::SetValue(%g)", value->GetValue()).utf8_string());
    });
    readout->Bind(wxEVT_BUTTON, [=](wxCommandEvent&) {
        double v = 0.0;
        if (actions.valueInterface)
            actions.valueInterface->GetValue(v);
        log->Note(label + wxString::Format(" RealVal::GetValue -> %g", v).utf8_string());
    });

    row->Add(value, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
    row->Add(notify, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
    row->Add(set, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 2);
    row->Add(post, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 2);
    row->Add(viaInterface, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 2);
    row->Add(readout, 0, wxALIGN_CENTER_VERTICAL);
    return row;
}

void AddIntro(wxWindow* page, wxSizer* sizer, const wxString& text)
{
    sizer->Add(new wxStaticText(page, wxID_ANY, text), 0, wxALL, 8);
}

wxSizer* AddHostRow(wxWindow* page, wxSizer* sizer, VornControl* control, const std::string& label,
                    const ValueRowActions& actions, GalleryContext& context)
{
    sizer->Add(new wxStaticText(page, wxID_ANY, wxString::FromUTF8(label)), 0, wxLEFT | wxTOP, 8);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(control, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 16);
    auto* controls = new wxBoxSizer(wxVERTICAL);
    controls->Add(MakeHostRow(page, control, label, actions, context));
    row->Add(controls, 0, wxALIGN_CENTER_VERTICAL);
    sizer->Add(row, 0, wxLEFT | wxTOP, 8);
    return controls;
}

int NextControlId()
{
    static int next = 100;
    return next++;
}

void ApplyPageColours(wxWindow* page, AssetManager* assets)
{
    wxColour background(38, 42, 46), text(214, 218, 224);
    if (assets) {
        assets->GetColour(vornskin::kPanelBackground, background);
        assets->GetColour(vornskin::kPanelText, text);
    }
    page->SetBackgroundColour(background);
    page->SetForegroundColour(text);
}

std::string FormatNumber(double value, const char* format)
{
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}
