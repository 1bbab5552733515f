#include <vorn/assets/font_database.h>

#include <sstream>

#include <vorn/assets/detail/database_common.h>
#include <vorn/util/diagnostics.h>

namespace vorn {

namespace {

const char* const kScriptTitle = "FontDatabase Script Error";

template <class T>
struct Keyword {
    const char* word;
    T value;
};

const Keyword<wxFontFamily> kFamilies[] = {
    {"default", wxFONTFAMILY_DEFAULT}, {"decorative", wxFONTFAMILY_DECORATIVE},
    {"roman", wxFONTFAMILY_ROMAN},     {"script", wxFONTFAMILY_SCRIPT},
    {"swiss", wxFONTFAMILY_SWISS},     {"modern", wxFONTFAMILY_MODERN},
};
const Keyword<wxFontStyle> kStyles[] = {
    {"normal", wxFONTSTYLE_NORMAL}, {"slant", wxFONTSTYLE_SLANT}, {"italic", wxFONTSTYLE_ITALIC}};
const Keyword<wxFontWeight> kWeights[] = {
    {"normal", wxFONTWEIGHT_NORMAL}, {"light", wxFONTWEIGHT_LIGHT}, {"bold", wxFONTWEIGHT_BOLD}};

// Keywords are lower case and compared exactly.
template <class T, size_t N>
bool Lookup(const Keyword<T> (&table)[N], const std::string& word, T& out)
{
    for (const Keyword<T>& k : table) {
        if (word == k.word) {
            out = k.value;
            return true;
        }
    }
    return false;
}

bool Fail(const std::string& message, int lineNumber)
{
    return detail::ScriptError(kScriptTitle, message, lineNumber);
}

} // namespace

bool FontDatabase::SetFont(const std::string& name, const wxFont& font)
{
    return m_fonts.emplace(name, font).second;
}

bool FontDatabase::GetFont(const std::string& name, wxFont& out) const
{
    dprintf("%s\n", name.c_str());
    const auto it = m_fonts.find(name);
    if (it == m_fonts.end())
        return false;
    out = it->second;
    return true;
}

bool FontDatabase::GetFontNameList(std::vector<std::string>& names) const
{
    return detail::ListKeys(m_fonts, names);
}

void FontDatabase::Clear() { m_fonts.clear(); }

bool FontDatabase::RunScript(const std::string& text)
{
    return detail::ForEachScriptLine(
        text, [this](const std::string& line, int lineNumber) { return RunLine(line, lineNumber); });
}

bool FontDatabase::RunLine(const std::string& line, int lineNumber)
{
    std::istringstream words(line);
    std::string name, familyWord;
    int pointSize = 0;
    // Empty lines and comments (whose second word is no number) fall out here, silently.
    if (!(words >> name >> pointSize >> familyWord))
        return true;
    std::string styleWord, weightWord;
    if (!(words >> styleWord))
        styleWord = "normal";
    if (!(words >> weightWord))
        weightWord = "normal";

    wxFontFamily family;
    wxFontStyle style;
    wxFontWeight weight;
    if (!Lookup(kFamilies, familyWord, family))
        return Fail("Unknown Family Arg [" + familyWord + "] on line ", lineNumber);
    if (!Lookup(kStyles, styleWord, style))
        return Fail("Unknown Style Arg [" + styleWord + "] on line ", lineNumber);
    if (!Lookup(kWeights, weightWord, weight))
        return Fail("Unknown Weight Arg [" + weightWord + "] on line ", lineNumber);
    // The toolkit asserts on sizes it cannot represent; refuse them here instead.
    if (pointSize < kMinPointSize || pointSize > kMaxPointSize)
        return Fail("Bad point size [" + std::to_string(pointSize) + "] on line ", lineNumber);

    wxFont font;
    font.Create(pointSize, family, style, weight, false, wxEmptyString, wxFONTENCODING_DEFAULT);
    if (!SetFont(name, font))
        return Fail("Already have font [" + name + "] on line ", lineNumber);
    return true;
}

} // namespace vorn
