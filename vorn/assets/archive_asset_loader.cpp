#include <vorn/assets/archive_asset_loader.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <new>

#include <wx/filefn.h>
#include <wx/filename.h>

#include <vorn/assets/asset.h>
#include <vorn/assets/asset_manager.h>
#include <vorn/assets/detail/archive_directory.h>
#include <vorn/assets/detail/file_search.h>
#include <vorn/util/diagnostics.h>
#include <vorn/util/stream.h>
#include <vorn/util/text.h>

namespace vorn {

ArchiveAssetLoader::ArchiveAssetLoader(const char* path) : m_path(path ? path : "") {}

ArchiveAssetLoader::~ArchiveAssetLoader() = default;

bool ArchiveAssetLoader::Fail(const std::string& error)
{
    m_lastError = error;
    m_directory.clear();
    m_data.reset();
    m_dataSize = 0;
    return false;
}

bool ArchiveAssetLoader::Open()
{
    if (m_path.empty())
        return Fail("no archive path given");
    dprintf("%s\n", m_path.c_str());
    if (m_data)
        return true;
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(m_path, ignored)) // a pipe would block the open
        return Fail("cannot open archive file '" + m_path + "'");
    std::ifstream file(m_path, std::ios::binary);
    if (!file)
        return Fail("cannot open archive file '" + m_path + "'");
    file.seekg(0, std::ios::end);
    m_fileSize = static_cast<int64_t>(file.tellg());
    file.seekg(0, std::ios::beg);
    if (m_fileSize < 0 || !file)
        return Fail("cannot read archive file '" + m_path + "'");

    VornInputStream in(file);
    const uint32_t dirOffset = in.Read32();
    if (!in.good())
        return Fail("file too short for the archive header (" + std::to_string(m_fileSize) + " bytes)");
    if (dirOffset < 4)
        return Fail("directory offset " + std::to_string(dirOffset) + " lies inside the header");
    if (dirOffset > m_fileSize)
        return Fail("directory offset " + std::to_string(dirOffset) + " lies past the end of the file (" +
                    std::to_string(m_fileSize) + " bytes)");
    if (!file.seekg(dirOffset))
        return Fail("cannot seek to the directory at offset " + std::to_string(dirOffset));
    const int64_t left = m_fileSize - dirOffset;
    if (left < 4)
        return Fail("directory at offset " + std::to_string(dirOffset) + " is truncated (" +
                    std::to_string(left) + " bytes left)");
    const uint32_t dirLength = in.Read32();
    if (!in.good() || int64_t(dirLength) > left - 4)
        return Fail("directory announces " + std::to_string(dirLength) + " bytes but only " +
                    std::to_string(left - 4) + " follow");
    file.seekg(dirOffset);
    std::string directory;
    in >> directory;
    if (!in.good())
        return Fail("cannot read the directory");

    try {
        std::unique_ptr<unsigned char[]> data(new unsigned char[dirOffset]);
        file.seekg(0, std::ios::beg);
        if (!file.read(reinterpret_cast<char*>(data.get()), dirOffset))
            return Fail("cannot read the data region (" + std::to_string(dirOffset) + " bytes)");
        m_data = std::move(data);
    } catch (const std::bad_alloc&) {
        return Fail("not enough memory for the data region (" + std::to_string(dirOffset) + " bytes)");
    }
    m_directory.swap(directory);
    m_dataSize = dirOffset;
    m_directoryEnd = int64_t(dirOffset) + 4 + dirLength;
    m_lastError.clear();
    return true;
}

bool ArchiveAssetLoader::Close()
{
    m_data.reset();
    return true;
}

std::vector<ArchiveEntry> ArchiveAssetLoader::GetEntries() const
{
    std::vector<ArchiveEntry> entries;
    for (const std::string& line : detail::SplitArchiveLines(m_directory)) {
        ArchiveEntry entry;
        if (detail::ParseArchiveLine(line, entry) && detail::ArchiveEntryInRange(entry, m_dataSize))
            entries.push_back(entry);
    }
    return entries;
}

std::vector<std::string> ArchiveAssetLoader::GetDirectoryProblems() const
{
    return detail::ArchiveDirectoryProblems(m_directory, m_dataSize);
}

const unsigned char* ArchiveAssetLoader::GetEntryData(const ArchiveEntry& entry) const
{
    if (!m_data || !detail::ArchiveEntryInRange(entry, m_dataSize))
        return nullptr;
    return m_data.get() + entry.start;
}

bool ArchiveAssetLoader::LoadResources(AssetManager& manager)
{
    if (!m_data)
        return true; // nothing read, nothing to register
    const std::vector<std::string> problems = GetDirectoryProblems();
    if (!problems.empty()) {
        const std::string first = problems.front();
        Close();
        m_lastError = "damaged directory, " + first;
        if (problems.size() > 1)
            m_lastError += " (and " + std::to_string(problems.size() - 1) + " more)";
        return false;
    }
    for (const ArchiveEntry& entry : GetEntries()) {
        auto* asset = new ArchiveAsset(m_data.get() + entry.start, static_cast<int>(entry.Size()));
        asset->SetName(entry.name.c_str());
        if (!entry.platform.empty())
            asset->SetPlatform(entry.platform.c_str());
        if (!entry.languageMajor.empty())
            asset->SetLanguageMajor(entry.languageMajor.c_str());
        if (!entry.languageMinor.empty())
            asset->SetLanguageMinor(entry.languageMinor.c_str());
        manager.SetAsset(asset);
    }
    return true;
}

std::string ArchiveAssetLoader::GetFailureReason() const
{
    return "archive '" + m_path + "': " + (m_lastError.empty() ? std::string("unknown failure") : m_lastError);
}

bool ArchiveAssetLoader::Verify(const std::string& path, std::vector<std::string>& problems)
{
    ArchiveAssetLoader loader(path.c_str());
    if (!loader.Open()) {
        problems.push_back(loader.GetLastError());
        return false;
    }
    const std::vector<std::string> found = loader.GetDirectoryProblems();
    problems.insert(problems.end(), found.begin(), found.end());
    if (loader.m_directoryEnd != loader.m_fileSize)
        problems.push_back(std::to_string(loader.m_fileSize - loader.m_directoryEnd) +
                           " stray bytes after the directory");
    return found.empty() && loader.m_directoryEnd == loader.m_fileSize;
}

namespace {

// The number of an archive called prefix + "_" + digits + ("." or "_") ...; -1 otherwise.
long ArchiveNumber(const std::string& name, const std::string& prefix)
{
    size_t at = prefix.size();
    if (at >= name.size() || name[at] != '_')
        return -1;
    ++at;
    long number = 0;
    size_t digits = 0;
    for (; at < name.size() && name[at] != '.' && name[at] != '_'; ++at) {
        const char c = name[at];
        if (c < '0' || c > '9')
            return -1;
        number = std::min<long>(number * 10 + (c - '0'), INT_MAX);
        ++digits;
    }
    return digits > 0 ? number : -1;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

std::vector<ArchiveAssetLoader*> ArchiveAssetLoader::GetArchiveAssetLoaders(std::string searchPath,
                                                                           std::string archivePrefix)
{
    dprintf("%s\n", searchPath.c_str());
    std::vector<ArchiveAssetLoader*> loaders;
    const std::string pattern = searchPath + "*.*";
    if (!detail::SearchDirectoryExists(pattern))
        return loaders;
    const std::string prefix = ToLower(archivePrefix);
    const std::string extension = kArchiveExtension;
    struct Found {
        long number;
        std::string path;
    };
    std::vector<Found> found;
    for (const std::string& path : detail::FindFiles(pattern)) {
        const std::string name = ToLower(detail::PathFromWx(wxFileNameFromPath(detail::PathToWx(path))));
        if (name.size() <= extension.size() || !EndsWith(name, extension) || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const long number = ArchiveNumber(name, prefix);
        if (number >= 0)
            found.push_back({number, path}); // the path keeps its case: file names here are case-sensitive
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Found& a, const Found& b) { return a.number < b.number; });
    for (const Found& f : found)
        loaders.push_back(new ArchiveAssetLoader(f.path.c_str()));
    return loaders;
}

} // namespace vorn
