#include <vorn/assets/asset.h>

#include <climits>
#include <filesystem>
#include <new>

#include <wx/file.h>
#include <wx/log.h>

#include <vorn/assets/detail/asset_text.h>
#include <vorn/assets/detail/file_search.h>
#include <vorn/util/text.h>

namespace vorn {

namespace {

std::string Folded(const char* text)
{
    return ToLower(text ? text : "");
}

} // namespace

Asset::~Asset() = default;

void Asset::SetName(const char* name) { m_name = Folded(name); }
void Asset::SetPlatform(const char* platform) { m_platform = Folded(platform); }
void Asset::SetLanguageMajor(const char* language) { m_languageMajor = Folded(language); }
void Asset::SetLanguageMinor(const char* language) { m_languageMinor = Folded(language); }

bool Asset::IsEqual(const char* name, const char* platform, const char* languageMajor,
                    const char* languageMinor) const
{
    return Folded(name) == m_name && Folded(platform) == m_platform &&
           Folded(languageMajor) == m_languageMajor && Folded(languageMinor) == m_languageMinor;
}

FileAsset::FileAsset(const std::string& path) : m_path(path) {}

FileAsset::~FileAsset() = default;

bool FileAsset::Open()
{
    if (m_open)
        return true;
    m_data.reset();
    m_size = -1;
    try {
        // Only regular files: opening a pipe or a device could block or never end.
        std::error_code ignored;
        if (!std::filesystem::is_regular_file(m_path, ignored))
            return false;
        wxLogNull quiet; // a vanished or unreadable file is reported by the result
        wxFile file;
        if (!file.Open(detail::PathToWx(m_path), wxFile::read))
            return false;
        const wxFileOffset length = file.Length();
        if (length < 0 || length > INT_MAX)
            return false;
        std::unique_ptr<unsigned char[]> data(new unsigned char[static_cast<size_t>(length) + 1]);
        if (length > 0 && file.Read(data.get(), static_cast<size_t>(length)) != static_cast<ssize_t>(length))
            return false;
        file.Close();
        m_data = std::move(data);
        m_size = static_cast<int>(length);
        m_open = true;
        return true;
    } catch (const std::bad_alloc&) {
        m_data.reset();
        m_size = -1;
        return false;
    }
}

bool FileAsset::Close()
{
    m_data.reset();
    m_size = -1;
    m_open = false;
    return true;
}

const unsigned char* FileAsset::GetDataPtr()
{
    return m_open ? m_data.get() : nullptr;
}

const char* FileAsset::GetTextPtr()
{
    if (!m_open)
        return nullptr;
    if (!m_textReady) {
        m_text = detail::ConvertAssetText(m_data.get(), m_size);
        m_textReady = true;
    }
    return m_text.c_str();
}

ArchiveAsset::ArchiveAsset(unsigned char* data, int size) : m_size(size), m_data(data) {}

const char* ArchiveAsset::GetTextPtr()
{
    if (!m_textReady) {
        m_text = detail::ConvertAssetText(m_data, m_size);
        m_textReady = true;
    }
    return m_text.c_str();
}

} // namespace vorn
