#include "asset_test_util.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include <vorn/assets/detail/asset_text.h>

using namespace vorn;

namespace assettest {

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    m_path = std::filesystem::temp_directory_path() /
             ("vorn_assets_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempDir::Write(const std::string& relative, const std::string& bytes) const
{
    const std::filesystem::path path = m_path / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

MemoryAsset::MemoryAsset(const std::string& name, const std::string& platform, const std::string& major,
                         const std::string& minor, const std::string& bytes, int* deaths)
    : m_bytes(bytes), m_deaths(deaths)
{
    SetName(name.c_str());
    SetPlatform(platform.c_str());
    SetLanguageMajor(major.c_str());
    SetLanguageMinor(minor.c_str());
}

MemoryAsset::~MemoryAsset()
{
    if (m_deaths)
        ++*m_deaths;
}

const char* MemoryAsset::GetTextPtr()
{
    m_text = detail::ConvertAssetText(GetDataPtr(), GetSize());
    return m_text.c_str();
}

std::string Describe(const Asset* asset)
{
    return asset->GetPlatform() + "/" + asset->GetLanguageMajor() + "/" + asset->GetLanguageMinor();
}

std::string TextOf(AssetManager& manager, const char* name)
{
    std::string text = "<missing>";
    manager.LoadText(name, text);
    return text;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string Le32(uint32_t v)
{
    return std::string{char(v & 0xff), char((v >> 8) & 0xff), char((v >> 16) & 0xff), char((v >> 24) & 0xff)};
}

std::string RawArchive(const std::string& data, const std::string& directory)
{
    return Le32(uint32_t(4 + data.size())) + data + Le32(uint32_t(directory.size())) + directory;
}

std::vector<std::pair<std::string, std::string>> Corpus(const std::string& target)
{
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(VORN_FUZZ_CORPUS_DIR) + "/" + target))
        files.emplace_back(entry.path().filename().string(), ReadFile(entry.path().string()));
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace assettest
