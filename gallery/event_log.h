#pragma once
// The gallery's MessageReceiver: every update of every page goes to a live log pane.
#include <string>

#include <wx/listbox.h>

#include <vorn/framework/control_group.h>

class EventLog : public vorn::MessageReceiver {
public:
    explicit EventLog(wxListBox* pane) : m_pane(pane) {}
    void OnMessage(unsigned int id, vorn::VornControl* control, vorn::VornControlHint* hint) override;
    // Host-side actions (enable, set value, ...) are logged beside the updates.
    void Note(const std::string& text);
    // Names a control in the log; unnamed controls show their window id.
    static std::string ControlName(vorn::VornControl* control);

private:
    void Append(const wxString& line);
    wxListBox* m_pane;
    unsigned long m_count = 0;
};
