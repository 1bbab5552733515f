#pragma once
// Helpers for the asset tests: a temporary directory tree, in-memory assets, raw
// archive bytes and the fuzz seed inputs.
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <vorn/assets/asset.h>
#include <vorn/assets/asset_manager.h>

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

// "platform/major/minor" of an asset.
std::string Describe(const Asset* asset);

// The text of the best variant of an asset, "<missing>" when there is none.
std::string TextOf(AssetManager& manager, const char* name);

// Reads a whole file.
std::string ReadFile(const std::string& path);

// 32-bit little-endian bytes, as the archive header stores them.
std::string Le32(uint32_t value);
// An archive built byte by byte: header D, data, then the directory string.
std::string RawArchive(const std::string& data, const std::string& directory);

// The seed inputs of one fuzz target, as (file name, bytes), sorted by name.
std::vector<std::pair<std::string, std::string>> Corpus(const std::string& target);

} // namespace assettest
