#include <vorn/assets/archive_format.h>

#include <sstream>

namespace vorn {

const char* const kArchiveExtension = ".vrk";
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
    return entry.start >= 0 && entry.start <= entry.end && entry.end <= dataSize;
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

} // namespace vorn
