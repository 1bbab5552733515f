#pragma once
// Pieces the colour and font databases share: their name lists and the line walk of
// their scripts. Internal to the assets folder.
#include <sstream>
#include <string>
#include <vector>

#include <vorn/util/diagnostics.h>

namespace vorn::detail {

// Empties `names`, then appends the map's keys in its (ascending byte) order.
template <class Map>
bool ListKeys(const Map& map, std::vector<std::string>& names)
{
    names.clear();
    names.reserve(map.size());
    for (const auto& entry : map)
        names.push_back(entry.first);
    return true;
}

// Calls runLine(line, number) for each line of the text, numbered from 1 with empty
// lines counted, until it returns false; then returns false too.
template <class RunLine>
bool ForEachScriptLine(const std::string& text, RunLine runLine)
{
    std::istringstream in(text);
    std::string line;
    int lineNumber = 0;
    while (in.good()) {
        std::getline(in, line);
        ++lineNumber;
        if (!runLine(line, lineNumber))
            return false;
    }
    return true;
}

// Shows a script error (message followed by the line number); always false.
inline bool ScriptError(const char* title, const std::string& message, int lineNumber)
{
    WarningMessage(title, message + std::to_string(lineNumber));
    return false;
}

} // namespace vorn::detail
