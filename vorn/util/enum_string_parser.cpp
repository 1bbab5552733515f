#include <vorn/util/enum_string_parser.h>

namespace vorn {

namespace {
constexpr char kSeparator = '|';
constexpr char kSelected = '*';
constexpr char kEscape = '\\';

std::string Escape(const std::string& item)
{
    std::string out;
    for (size_t i = 0; i < item.size(); ++i) {
        const char c = item[i];
        // A leading '*' would read as the selection mark; '*' elsewhere is plain text.
        if (c == kSeparator || c == kEscape || (c == kSelected && i == 0))
            out += kEscape;
        out += c;
    }
    return out;
}
} // namespace

bool EnumStringParser::Initialize(const std::string& text)
{
    std::vector<std::string> items;
    int selection = -1;
    std::string item;
    bool atItemStart = true;
    bool marked = false; // the current item carries the selection mark
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == kSeparator) {
            if (item.empty())
                return false;
            if (marked) {
                if (selection >= 0)
                    return false;
                selection = static_cast<int>(items.size());
            }
            items.push_back(item);
            item.clear();
            atItemStart = true;
            marked = false;
            continue;
        }
        char c = text[i];
        if (c == kSelected && atItemStart && !marked) {
            marked = true;
            continue;
        }
        if (c == kEscape) {
            if (i + 1 == text.size())
                return false; // nothing left to escape
            c = text[++i];
        }
        item += c;
        atItemStart = false;
    }
    m_items = std::move(items);
    m_selection = selection;
    return true;
}

std::string EnumStringParser::GetEnumItem(int index) const
{
    if (index < 0 || index >= GetSize())
        return std::string();
    return m_items[static_cast<size_t>(index)];
}

bool EnumStringParser::SetSelection(int index)
{
    if (index < -1 || index >= GetSize())
        return false;
    m_selection = index;
    return true;
}

std::string EnumStringParser::GetEnumString() const
{
    std::string out;
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (i > 0)
            out += kSeparator;
        if (static_cast<int>(i) == m_selection)
            out += kSelected;
        out += Escape(m_items[i]);
    }
    return out;
}

void EnumStringParser::Clear()
{
    m_items.clear();
    m_selection = -1;
}

} // namespace vorn
