#include <vorn/assets/archive_format.h>

#include <climits>
#include <sstream>

#include <vorn/assets/detail/archive_directory.h>

namespace vorn {

const char* const kArchiveExtension = ".vrk";

namespace detail {

const char* const kArchiveNone = "NONE";

namespace {

std::string NoneToEmpty(const std::string& field)
{
    return field == kArchiveNone ? std::string() : field;
}

} // namespace

bool ParseArchiveLine(const std::string& line, ArchiveEntry& entry)
{
    std::istringstream in(line);
    std::string name, platform, major, minor;
    long long start = 0, end = 0;
    if (!(in >> name >> platform >> major >> minor >> start >> end))
        return false;
    entry.name = name;
    entry.platform = NoneToEmpty(platform);
    entry.languageMajor = NoneToEmpty(major);
    entry.languageMinor = NoneToEmpty(minor);
    entry.start = start;
    entry.end = end;
    return true;
}

bool ArchiveEntryInRange(const ArchiveEntry& entry, int64_t dataSize)
{
    return entry.start >= 0 && entry.start <= entry.end && entry.end <= dataSize && entry.Size() <= INT_MAX;
}

std::vector<std::string> SplitArchiveLines(const std::string& directory)
{
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < directory.size()) {
        const size_t eol = directory.find('\n', at);
        if (eol == std::string::npos) {
            lines.push_back(directory.substr(at));
            break;
        }
        lines.push_back(directory.substr(at, eol - at));
        at = eol + 1;
    }
    return lines;
}

bool IsBlankArchiveLine(const std::string& line)
{
    return line.find_first_not_of(" \t\r\v\f") == std::string::npos;
}

std::vector<std::string> ArchiveDirectoryProblems(const std::string& directory, int64_t dataSize)
{
    std::vector<std::string> problems;
    const std::vector<std::string> lines = SplitArchiveLines(directory);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (IsBlankArchiveLine(lines[i]))
            continue;
        const std::string where = "directory line " + std::to_string(i + 1);
        ArchiveEntry entry;
        if (!ParseArchiveLine(lines[i], entry)) {
            problems.push_back(where + ": expected name, platform, language major, language minor, "
                                       "start and end offsets");
            continue;
        }
        const std::string range = std::to_string(entry.start) + ".." + std::to_string(entry.end);
        if (entry.start > entry.end)
            problems.push_back(where + " (" + entry.name + "): offsets " + range + " run backwards");
        else if (!ArchiveEntryInRange(entry, dataSize))
            problems.push_back(where + " (" + entry.name + "): offsets " + range +
                               " lie outside the data region 0.." + std::to_string(dataSize));
    }
    return problems;
}

} // namespace detail
} // namespace vorn
