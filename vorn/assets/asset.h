#pragma once
// Asset records: one named block of bytes, from a file on disk or from an archive's
// data region. Name, platform and languages are always held in lower case.
#include <memory>
#include <string>

namespace vorn {

/// A named block of bytes with the platform and languages it is meant for.
class Asset {
public:
    /// Empty name, platform and languages.
    Asset() = default;
    virtual ~Asset();

    /// Makes the bytes readable; true when they are.
    virtual bool Open() = 0;
    /// Releases the bytes where the asset owns them.
    virtual bool Close() = 0;
    /// The bytes, or null while they are not readable.
    virtual const unsigned char* GetDataPtr() = 0;
    /// The bytes as text with CR LF and lone CR turned into LF.
    virtual const char* GetTextPtr() = 0;
    /// The number of bytes.
    virtual int GetSize() = 0;

    /// Stores the name in lower case.
    void SetName(const char* name);
    /// Stores the platform in lower case (empty: any).
    void SetPlatform(const char* platform);
    /// Stores the language in lower case (empty: any).
    void SetLanguageMajor(const char* language);
    /// Stores the sub-language in lower case (empty: any).
    void SetLanguageMinor(const char* language);

    /// The lower-case name, with its extension.
    std::string GetName() const { return m_name; }
    /// The lower-case platform.
    std::string GetPlatform() const { return m_platform; }
    /// The lower-case language.
    std::string GetLanguageMajor() const { return m_languageMajor; }
    /// The lower-case sub-language.
    std::string GetLanguageMinor() const { return m_languageMinor; }

    /// True when all four values, folded to lower case, equal this asset's fields.
    bool IsEqual(const char* name, const char* platform, const char* languageMajor,
                 const char* languageMinor) const;

    Asset(const Asset&) = delete;
    Asset& operator=(const Asset&) = delete;

private:
    std::string m_name;
    std::string m_platform;
    std::string m_languageMajor;
    std::string m_languageMinor;
};

/// An asset read from one file; the bytes are held only while it is open.
class FileAsset : public Asset {
public:
    /// Remembers the path; nothing is read yet.
    explicit FileAsset(const std::string& path);
    ~FileAsset() override;

    /// Reads the whole file (regular files only); true at once when already open.
    bool Open() override;
    /// Frees the bytes; the converted text is kept.
    bool Close() override;
    /// The bytes while open, else null.
    const unsigned char* GetDataPtr() override;
    /// Null while closed; the text converted on the first call otherwise.
    const char* GetTextPtr() override;
    /// The file's length while open, -1 while closed.
    int GetSize() override { return m_size; }

    /// The file's path as given.
    const std::string& GetPath() const { return m_path; }

private:
    std::string m_path;
    std::unique_ptr<unsigned char[]> m_data;
    bool m_open = false;
    int m_size = -1;
    std::string m_text;
    bool m_textReady = false;
};

/// An asset inside an archive loader's data region; the bytes belong to the loader and
/// are valid only while it is open.
class ArchiveAsset : public Asset {
public:
    /// Points at `size` bytes the loader owns.
    ArchiveAsset(unsigned char* data, int size);

    /// Nothing to open: always true.
    bool Open() override { return true; }
    /// Nothing to close: always true.
    bool Close() override { return true; }
    /// The bytes in the loader's data region.
    const unsigned char* GetDataPtr() override { return m_data; }
    /// The text converted on the first call.
    const char* GetTextPtr() override;
    /// The number of bytes.
    int GetSize() override { return m_size; }

private:
    std::string m_text;
    bool m_textReady = false;
    int m_size;
    unsigned char* m_data;
};

} // namespace vorn
