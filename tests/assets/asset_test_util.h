#pragma once
// Helpers for the asset tests: a temporary directory tree and in-memory assets.
#include <filesystem>
#include <string>
#include <vector>

#include <vorn/assets/asset.h>

namespace assettest {
using namespace vorn;

// A fresh directory, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The directory with a trailing separator, as loaders want their roots.
    std::string Root() const { return m_path.string() + "/"; }
    // Writes a file (creating parent directories) and returns its full path.
    std::string Write(const std::string& relative, const std::string& bytes) const;

private:
    std::filesystem::path m_path;
};

// An asset over bytes it owns; counts its own destruction.
class MemoryAsset : public Asset {
public:
    MemoryAsset(const std::string& name, const std::string& platform, const std::string& major,
                const std::string& minor, const std::string& bytes = std::string(), int* deaths = nullptr);
    ~MemoryAsset() override;

    bool Open() override { ++opens; return true; }
    bool Close() override { ++closes; return true; }
    const unsigned char* GetDataPtr() override { return reinterpret_cast<const unsigned char*>(m_bytes.data()); }
    const char* GetTextPtr() override;
    int GetSize() override { return static_cast<int>(m_bytes.size()); }

    int opens = 0;
    int closes = 0;

private:
    std::string m_bytes;
    std::string m_text;
    int* m_deaths;
};

// Reads a whole file.
std::string ReadFile(const std::string& path);

} // namespace assettest
