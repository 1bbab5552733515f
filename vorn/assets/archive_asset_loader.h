#pragma once
// Reads one archive file (format in archive_format.h) and registers its entries.
// The data region stays in memory while the loader is open; the ArchiveAssets made
// from it point into it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <vorn/assets/archive_format.h>
#include <vorn/assets/asset_loader.h>

namespace vorn {

/// An asset source reading one numbered archive file.
class ArchiveAssetLoader : public AssetLoader {
public:
    /// Stores the path; nothing is read yet.
    explicit ArchiveAssetLoader(const char* path);
    ~ArchiveAssetLoader() override;

    /// Reads the header, the directory and the data region. A loader that is already
    /// open keeps what it holds (its assets may be registered).
    bool Open() override;
    /// Registers one ArchiveAsset per directory line. A damaged directory (a line that
    /// does not parse or points outside the data region) registers nothing at all, so
    /// that a broken patch cannot half-apply: the call then fails and closes the loader.
    bool LoadResources(AssetManager& manager) override;
    /// Frees the data region; the assets made from it are unusable afterwards.
    bool Close() override;
    /// "archive 'PATH': " and why the last Open or LoadResources failed.
    std::string GetFailureReason() const override;

    /// Loaders for the archives searchPath + prefix + "_" + number [+ "_" + anything] + ".vrk",
    /// in ascending number order (equal numbers keep the enumeration order). The caller
    /// owns them; none is opened.
    static std::vector<ArchiveAssetLoader*> GetArchiveAssetLoaders(std::string searchPath,
                                                                  std::string archivePrefix);

    /// The archive file's path as given.
    const std::string& GetPath() const { return m_path; }
    /// True while the data region is in memory.
    bool IsOpen() const { return m_data != nullptr; }
    /// Why the last Open or LoadResources failed (empty after a success).
    const std::string& GetLastError() const { return m_lastError; }
    /// The directory text read by Open.
    const std::string& GetDirectory() const { return m_directory; }
    /// Bytes 0 to D - 1 of the file.
    int64_t GetDataSize() const { return m_dataSize; }
    /// Every directory line that is usable on its own, in directory order.
    std::vector<ArchiveEntry> GetEntries() const;
    /// One sentence per directory line that is neither blank nor usable; while any is
    /// left, LoadResources registers nothing.
    std::vector<std::string> GetDirectoryProblems() const;
    /// The bytes of one entry from GetEntries (null while closed or out of range).
    const unsigned char* GetEntryData(const ArchiveEntry& entry) const;

    /// Checks an archive file: header, directory, and that every line parses with its
    /// offsets in range. Each problem gets one line of text; true when there is none.
    static bool Verify(const std::string& path, std::vector<std::string>& problems);

    ArchiveAssetLoader(const ArchiveAssetLoader&) = delete;
    ArchiveAssetLoader& operator=(const ArchiveAssetLoader&) = delete;

private:
    bool Fail(const std::string& error);

    std::string m_path;
    std::string m_directory;
    std::unique_ptr<unsigned char[]> m_data;
    int64_t m_dataSize = 0;
    int64_t m_fileSize = 0;
    int64_t m_directoryEnd = 0;
    std::string m_lastError;
};

} // namespace vorn
