// Texts, menu texts, messages, and the colour and font databases of AssetManager.
#include <vorn/assets/asset_manager.h>

#include <sstream>

#include <vorn/assets/asset.h>
#include <vorn/util/diagnostics.h>

namespace vorn {

namespace {

// Asset texts are UTF-8 where they are not plain ASCII; other bytes are taken as Latin-1
// rather than lost.
wxString ToWx(const char* bytes, size_t length)
{
    if (length == 0)
        return wxString();
    wxString text = wxString::FromUTF8(bytes, length);
    if (text.empty())
        text = wxString(bytes, wxConvISO8859_1, length);
    return text;
}

void DropLastCharacter(std::string& line)
{
    if (!line.empty())
        line.pop_back();
}

} // namespace

bool AssetManager::LoadText(const char* name, std::string& text)
{
    Asset* asset = nullptr;
    if (!GetAsset(name, asset))
        return false;
    asset->Open();
    const char* converted = asset->GetTextPtr();
    const bool ok = converted != nullptr;
    if (ok)
        text = converted;
    asset->Close();
    return ok;
}

bool AssetManager::LoadText(const char* name, wxString& text)
{
    std::string narrow;
    if (!LoadText(name, narrow))
        return false;
    text = ToWx(narrow.data(), narrow.size());
    return true;
}

bool AssetManager::LoadMenuText(const char* name, std::vector<MENUITEM>& items)
{
    std::string text;
    if (!LoadText(name, text))
        return false;
    std::istringstream in(text);
    while (in.good()) {
        int id = 0;
        if (!(in >> id))
            break;
        char label[100];
        in.get(label, sizeof label, '\n'); // at most 99 characters; the line end stays
        const std::streamsize count = in.gcount();
        if (count == 0)
            break;
        if (count >= 2 && !in.fail())
            items.push_back({id, ToWx(label + 1, static_cast<size_t>(count - 1))});
    }
    return true;
}

bool AssetManager::LoadMessages(const char* name)
{
    std::string text;
    if (!LoadText(name, text))
        return false;
    std::istringstream in(text);
    std::string key, message;
    while (std::getline(in, key)) {
        DropLastCharacter(key);
        if (key == "FINISH")
            return true;
        if (!std::getline(in, message))
            break;
        DropLastCharacter(message);
        SetMessage(key, message);
    }
    return true;
}

bool AssetManager::SetMessage(std::string& key, std::string& text)
{
    return m_messages.emplace(key, text).second;
}

std::string AssetManager::GetMessage(const std::string& key)
{
    const auto it = m_messages.find(key);
    if (it != m_messages.end())
        return it->second;
    dprintf("WARNING : Message *%s* not translated\n", key.c_str());
    return key;
}

std::string AssetManager::GetMessage(const char* key)
{
    return GetMessage(std::string(key ? key : ""));
}

void AssetManager::ClearMessageDatabase()
{
    m_messages.clear();
}

bool AssetManager::SetColour(const std::string& name, int red, int green, int blue, int alpha)
{
    return m_colours.SetColour(name, red, green, blue, alpha);
}

bool AssetManager::GetColour(const std::string& name, ColorA& out)
{
    return m_colours.GetColour(name, out);
}

bool AssetManager::GetColour(const std::string& name, Color& out)
{
    return m_colours.GetColour(name, out);
}

bool AssetManager::GetColour(const std::string& name, wxColour& out)
{
    return m_colours.GetColour(name, out);
}

bool AssetManager::GetColourNameList(std::vector<std::string>& names)
{
    return m_colours.GetColourNameList(names);
}

void AssetManager::ClearColourDatabase()
{
    m_colours.Clear();
}

bool AssetManager::LoadColourData(const char* assetName)
{
    std::string text;
    if (!LoadText(assetName, text))
        return false;
    return m_colours.RunScript(text);
}

bool AssetManager::SetFont(const std::string& name, wxFont& font)
{
    return m_fonts.SetFont(name, font);
}

bool AssetManager::GetFont(const std::string& name, wxFont& out)
{
    return m_fonts.GetFont(name, out);
}

bool AssetManager::GetFontNameList(std::vector<std::string>& names)
{
    return m_fonts.GetFontNameList(names);
}

void AssetManager::ClearFontDatabase()
{
    m_fonts.Clear();
}

bool AssetManager::LoadFontData(const char* assetName)
{
    dprintf("%s\n", assetName ? assetName : "");
    std::string text;
    if (!LoadText(assetName, text))
        return false;
    return m_fonts.RunScript(text);
}

} // namespace vorn
