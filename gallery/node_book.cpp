#include "node_book.h"

#include <vorn/framework/value_interfaces.h>
#include <vorn/tree/tree_row.h>

#include "host_controls.h"

using namespace vorn;

namespace {

std::string Describe(VornVUIControl* row, Shows kind)
{
    switch (kind) {
    case Shows::Real: {
        double v = 0;
        if (auto* r = dynamic_cast<RealVal*>(row))
            r->GetValue(v);
        return FormatNumber(v);
    }
    case Shows::Int: {
        int v = 0;
        if (auto* r = dynamic_cast<IntVal*>(row))
            r->GetValue(v);
        return std::to_string(v);
    }
    case Shows::Vec3: {
        Vec3d v;
        if (auto* r = dynamic_cast<Vec3dVal*>(row))
            r->GetValue(v);
        return "(" + FormatNumber(v.x) + ", " + FormatNumber(v.y) + ", " + FormatNumber(v.z) + ")";
    }
    case Shows::Colour: {
        Color c;
        if (auto* r = dynamic_cast<ColorVal*>(row))
            r->GetValue(c);
        return "rgb(" + FormatNumber(c.r) + ", " + FormatNumber(c.g) + ", " + FormatNumber(c.b) + ")";
    }
    case Shows::Nothing:
        return {};
    case Shows::Text: {
        std::string v;
        if (auto* r = dynamic_cast<VornStringVal*>(row))
            r->GetValue(v);
        return "\"" + v + "\"";
    }
    }
    return {};
}

} // namespace

void NodeBook::OnMessage(unsigned int, VornControl*, VornControlHint* hint)
{
    auto* node = dynamic_cast<NodeHint*>(hint);
    if (!node)
        return;
    std::string what = "node " + std::to_string(node->nodeId);
    auto row = m_rows.find(node->nodeId);
    auto* labelled = row != m_rows.end() ? dynamic_cast<VUITreeControlBase*>(row->second.row) : nullptr;
    if (labelled)
        what += " \"" + labelled->GetRowName() + "\"";
    if (auto* f = dynamic_cast<FunctionButtonPushHint*>(hint)) {
        m_log->Note(what + " asks for source " + std::to_string(f->requestedKind) + " (has " +
                    std::to_string(f->currentKind) + ")");
        return;
    }
    what += dynamic_cast<NodeChangingHint*>(hint) ? " changing"
            : dynamic_cast<NodeChangedHint*>(hint) ? " changed"
                                                   : " button";
    if (row != m_rows.end() && row->second.kind != Shows::Nothing)
        what += ": " + Describe(row->second.row, row->second.kind);
    m_log->Note(what);
}
