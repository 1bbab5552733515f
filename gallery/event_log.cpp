#include "event_log.h"

#include <vorn/framework/control.h>
#include <vorn/framework/hint_text.h>
#include <vorn/controls/button_moment.h>

using namespace vorn;

namespace {
// The library's text for a hint, with what the gallery knows of the controls' own hints.
std::string HintForLog(const VornControlHint* hint)
{
    if (auto* moment = dynamic_cast<const VornMomentHint*>(hint))
        return moment->flag ? "VornMomentHint press" : "VornMomentHint repeat";
    return DescribeHint(hint);
}
} // namespace

void EventLog::OnMessage(unsigned int id, VornControl* control, VornControlHint* hint)
{
    Append(wxString::Format("update id=%u  %s  %s", id, ControlName(control), HintForLog(hint)));
}

void EventLog::Note(const std::string& text) { Append(wxString::FromUTF8("host: " + text)); }

std::string EventLog::ControlName(VornControl* control)
{
    if (!control)
        return "(none)";
    const wxString name = control->GetName();
    if (!name.empty() && name != wxPanelNameStr)
        return name.utf8_string();
    return "window " + std::to_string(control->GetId());
}

void EventLog::Append(const wxString& line)
{
    ++m_count;
    m_pane->Append(wxString::Format("%5lu  %s", m_count, line));
    // Keep the pane bounded and scrolled to the newest line.
    while (m_pane->GetCount() > 500)
        m_pane->Delete(0);
    m_pane->EnsureVisible(m_pane->GetCount() - 1);
}
