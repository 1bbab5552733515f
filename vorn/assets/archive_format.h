#pragma once
// The archive file (".vrk"):
//   offset 0      directory offset D, 32-bit little-endian
//   offset 4..D-1 asset data, each asset one run of bytes addressed by file offsets
//   offset D      the directory: one string (32-bit byte count, then the bytes)
// The directory holds one line per asset: name, platform, language major, language
// minor ("NONE" for none), start offset, end offset (one past the last byte).
#include <cstdint>
#include <string>

namespace vorn {

/// File name extension of archives (".vrk").
extern const char* const kArchiveExtension;

/// One usable line of an archive directory.
struct ArchiveEntry {
    std::string name;          ///< The asset name.
    std::string platform;      ///< Platform tag; empty for "NONE".
    std::string languageMajor; ///< Major language tag; empty for "NONE".
    std::string languageMinor; ///< Minor language tag; empty for "NONE".
    int64_t start = 0;         ///< First byte, as an offset into the archive's data.
    int64_t end = 0;           ///< One past the last byte, as the same kind of offset.

    /// Number of bytes from start to end.
    int64_t Size() const { return end - start; }
};

} // namespace vorn
