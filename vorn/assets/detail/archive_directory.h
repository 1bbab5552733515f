#pragma once
// Reading the directory text of an archive (see archive_format.h): shared by the
// loader, its check and the archive writer.
#include <cstdint>
#include <string>
#include <vector>

#include <vorn/assets/archive_format.h>

namespace vorn::detail {

// The directory word for "no platform" or "no language".
extern const char* const kArchiveNone;

// Reads the six fields of one directory line; false when any is missing or an offset
// is not a number. Names and values keep the case they were written in.
bool ParseArchiveLine(const std::string& line, ArchiveEntry& entry);

// True when the entry's bytes lie inside a data region of the given size, do not run
// backwards and are few enough for one asset.
bool ArchiveEntryInRange(const ArchiveEntry& entry, int64_t dataSize);

// The directory text split at byte 10 (a final line without a line end is kept).
std::vector<std::string> SplitArchiveLines(const std::string& directory);

// White space only: such a line is harmless and registers nothing.
bool IsBlankArchiveLine(const std::string& line);

// One sentence per directory line that is neither blank nor usable, in line order,
// e.g. "directory line 4 (back.txt): offsets 8..6 run backwards".
std::vector<std::string> ArchiveDirectoryProblems(const std::string& directory, int64_t dataSize);

} // namespace vorn::detail
