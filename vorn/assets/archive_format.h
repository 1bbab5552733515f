#pragma once
// The archive file (".vrk"):
//   offset 0      directory offset D, 32-bit little-endian
//   offset 4..D-1 asset data, each asset one run of bytes addressed by file offsets
//   offset D      the directory: one string (32-bit byte count, then the bytes)
// The directory holds one line per asset: name, platform, language major, language
// minor ("NONE" for none), start offset, end offset (one past the last byte).
#include <cstdint>
#include <string>
#include <vector>

namespace vorn {

extern const char* const kArchiveExtension; // ".vrk"
extern const char* const kArchiveNone;      // "NONE"

struct ArchiveEntry {
    std::string name;
    std::string platform;      // empty for "NONE"
    std::string languageMajor; // empty for "NONE"
    std::string languageMinor; // empty for "NONE"
    int64_t start = 0;
    int64_t end = 0;

    int64_t Size() const { return end - start; }
};

// Reads the six fields of one directory line; false when any is missing or an offset
// is not a number. Names and values keep the case they were written in.
bool ParseArchiveLine(const std::string& line, ArchiveEntry& entry);

// True when the entry's bytes lie inside a data region of the given size and do not
// run backwards.
bool ArchiveEntryInRange(const ArchiveEntry& entry, int64_t dataSize);

// The directory text split at byte 10 (a final line without a line end is kept).
std::vector<std::string> SplitArchiveLines(const std::string& directory);

} // namespace vorn
