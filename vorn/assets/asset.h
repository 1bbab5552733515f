#pragma once
// Asset records: one named block of bytes, from a file on disk or from an archive's
// data region. Name, platform and languages are always held in lower case.
#include <memory>
#include <string>

namespace vorn {

class Asset {
public:
    Asset() = default;
    virtual ~Asset();

    virtual bool Open() = 0;
    virtual bool Close() = 0;
    virtual const unsigned char* GetDataPtr() = 0;
    // The bytes as text with CR LF and lone CR turned into LF.
    virtual const char* GetTextPtr() = 0;
    virtual int GetSize() = 0;

    void SetName(const char* name);
    void SetPlatform(const char* platform);
    void SetLanguageMajor(const char* language);
    void SetLanguageMinor(const char* language);

    std::string GetName() const { return m_name; }
    std::string GetPlatform() const { return m_platform; }
    std::string GetLanguageMajor() const { return m_languageMajor; }
    std::string GetLanguageMinor() const { return m_languageMinor; }

    // True when all four values, folded to lower case, equal this asset's fields.
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

// The text form of asset bytes: CR LF becomes LF, a lone CR becomes LF, every other
// byte (zero included) is kept.
std::string ConvertAssetText(const unsigned char* data, int size);

// An asset read from one file; the bytes are held only while it is open.
class FileAsset : public Asset {
public:
    explicit FileAsset(const std::string& path);
    ~FileAsset() override;

    bool Open() override;
    bool Close() override;
    const unsigned char* GetDataPtr() override;
    const char* GetTextPtr() override;
    int GetSize() override { return m_size; }

    const std::string& GetPath() const { return m_path; }

private:
    std::string m_path;
    std::unique_ptr<unsigned char[]> m_data;
    bool m_open = false;
    int m_size = -1;
    std::string m_text;
    bool m_textReady = false;
};

// An asset inside an archive loader's data region; the bytes belong to the loader and
// are valid only while it is open.
class ArchiveAsset : public Asset {
public:
    ArchiveAsset(unsigned char* data, int size);

    bool Open() override { return true; }
    bool Close() override { return true; }
    const unsigned char* GetDataPtr() override { return m_data; }
    const char* GetTextPtr() override;
    int GetSize() override { return m_size; }

private:
    std::string m_text;
    bool m_textReady = false;
    int m_size;
    unsigned char* m_data;
};

} // namespace vorn
