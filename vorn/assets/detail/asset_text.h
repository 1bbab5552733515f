#pragma once
// Text assets: the bytes-to-text conversion, and the menu and message formats read
// from such texts.
#include <map>
#include <string>
#include <vector>

#include <wx/string.h>

namespace vorn {
class Asset;
struct MENUITEM;
} // namespace vorn

namespace vorn::detail {

// CR LF becomes LF, a lone CR becomes LF, every other byte (zero included) is kept.
std::string ConvertAssetText(const unsigned char* data, int size);

// Opens the asset, copies its text up to the first zero byte and closes it again;
// false (text untouched) when it has none.
bool ReadAssetText(Asset& asset, std::string& text);

// UTF-8 where it decodes, else Latin-1, so that no byte is lost.
wxString AssetTextToWx(const std::string& text);

// Appends the entries of "identifier separator label" lines; reading ends at the
// first line that does not start with a number.
void ParseMenuText(const std::string& text, std::vector<MENUITEM>& items);

// Translated texts by key; a key keeps its first text.
class MessageDatabase {
public:
    bool Set(const std::string& key, const std::string& text) { return m_texts.emplace(key, text).second; }
    // The text of the key, or the key itself and a debug line.
    std::string Get(const std::string& key) const;
    // Pairs of lines (key, text), each with one extra final character, until a key
    // line "FINISH".
    void AddFromText(const std::string& text);
    void Clear() { m_texts.clear(); }

private:
    std::map<std::string, std::string> m_texts;
};

} // namespace vorn::detail
