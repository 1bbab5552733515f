#pragma once
// The items of an enumeration and the selected one, read from and written back to a text.
//
// Text form: items separated by '|'; the selected item, if any, is marked by a leading
// '*'. A backslash makes the next character literal ("\|", "\*", "\\").
//   "low|*medium|high"  -> three items, "medium" (index 1) selected
//   "low|medium|high"   -> no selection
// An empty text, an empty item or more than one marked item does not parse. GetEnumString writes
// the same form, so Initialize(GetEnumString()) gives the same items and selection.
#include <string>
#include <vector>

namespace vorn {

/// The items of an enumeration text and the selected one.
class EnumStringParser {
public:
    /// True when the text parsed; otherwise the parser keeps what it held.
    bool Initialize(const std::string& text);
    /// The number of items.
    int GetSize() const { return static_cast<int>(m_items.size()); }
    /// The item's text; empty for an index outside 0 .. size - 1.
    std::string GetEnumItem(int index) const;
    /// The selected index, or -1 when nothing is selected.
    int GetSelection() const { return m_selection; }
    /// Selects an item (0 .. size - 1) or nothing (-1); false otherwise, changing nothing.
    bool SetSelection(int index);
    /// The text of the items and the selection, in the form Initialize reads.
    std::string GetEnumString() const;
    /// Forgets every item and the selection.
    void Clear();

private:
    std::vector<std::string> m_items;
    int m_selection = -1;
};

} // namespace vorn
