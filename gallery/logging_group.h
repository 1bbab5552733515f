#pragma once
// Host groups of the gallery that write what they hear (selection, release, drag) to the
// log, naming the control; updates reach the log as a registered receiver.
#include <string>

#include <vorn/framework/control_group.h>

#include "event_log.h"

template <class Group>
class LoggingGroup : public Group {
public:
    explicit LoggingGroup(EventLog* log) : m_log(log) {}
    void ControlSelected(unsigned int id, vorn::VornControl* c) override { Note("ControlSelected", id, c); }
    void ControlUnSelected(unsigned int id, vorn::VornControl* c) override { Note("ControlUnSelected", id, c); }

protected:
    void Note(const char* what, unsigned int id, vorn::VornControl* c)
    {
        m_log->Note(std::string(what) + " id=" + std::to_string(id) + "  " + EventLog::ControlName(c));
    }
    EventLog* m_log;
};

class LoggingValue1ofN : public LoggingGroup<vorn::VornValueControlGroup1ofN> {
public:
    using LoggingGroup::LoggingGroup;
    void ControlDrag(unsigned int id, vorn::VornControl* c) override { Note("ControlDrag", id, c); }
};
