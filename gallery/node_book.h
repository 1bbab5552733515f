#pragma once
// The host's side of its property trees: what each row is and how to read its value, and a
// receiver that turns the tree's node hints into log lines naming the row and its new value.
#include <string>
#include <unordered_map>

#include <vorn/framework/control_group.h>
#include <vorn/tree/tree_node.h>

#include "event_log.h"

// What a row's value is, for the log.
enum class Shows { Real, Int, Vec3, Colour, Text, Nothing };

class NodeBook : public vorn::MessageReceiver {
public:
    explicit NodeBook(EventLog* log) : m_log(log) {}

    // Puts a row last in `where` and remembers it, so that its hints can name it and show its value.
    template <class Row>
    Row* Add(vorn::VornNode* where, Row* row, Shows kind)
    {
        if (vorn::VornLeafNode* node = vorn::AddToEnd(where, row))
            m_rows[node->GetNodeID()] = {row, kind};
        return row;
    }
    void Forget() { m_rows.clear(); }

    void OnMessage(unsigned int id, vorn::VornControl* control, vorn::VornControlHint* hint) override;

private:
    struct Entry {
        vorn::VornVUIControl* row;
        Shows kind;
    };
    EventLog* m_log;
    std::unordered_map<int, Entry> m_rows;
};
