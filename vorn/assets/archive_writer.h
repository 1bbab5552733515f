#pragma once
// Builds archive files (format in archive_format.h) that ArchiveAssetLoader reads.
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace vorn {

/// Builds archive files that ArchiveAssetLoader reads.
class ArchiveWriter {
public:
    /// Adds one asset. Empty platform or languages mean none. Every value must be one
    /// word (the directory separates fields by white space), and "NONE" cannot be a value.
    /// On failure nothing is added and `error` says why.
    bool AddFile(const std::string& name, const std::string& platform, const std::string& languageMajor,
                 const std::string& languageMinor, const std::vector<unsigned char>& bytes,
                 std::string& error);
    /// The same with the bytes of a file on disk.
    bool AddFileFromDisk(const std::string& name, const std::string& platform,
                         const std::string& languageMajor, const std::string& languageMinor,
                         const std::string& path, std::string& error);

    /// How many assets were added.
    size_t GetCount() const { return m_entries.size(); }

    /// Writes the archive: header, data, directory.
    bool Write(std::ostream& out, std::string& error) const;
    /// Writes the archive to a file, replacing it.
    bool WriteFile(const std::string& path, std::string& error) const;

private:
    struct Entry {
        std::string name, platform, languageMajor, languageMinor;
        std::vector<unsigned char> bytes;
    };
    std::vector<Entry> m_entries;
    uint64_t m_dataBytes = 0;
};

} // namespace vorn
