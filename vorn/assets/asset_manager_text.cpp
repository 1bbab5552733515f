// Texts, menu texts, messages, and the colour and font databases of AssetManager.
#include <vorn/assets/asset_manager.h>

#include <vorn/assets/detail/asset_text.h>
#include <vorn/util/diagnostics.h>

namespace vorn {

bool AssetManager::LoadText(const char* name, std::string& text)
{
    Asset* asset = nullptr;
    return GetAsset(name, asset) && detail::ReadAssetText(*asset, text);
}

bool AssetManager::LoadText(const char* name, wxString& text)
{
    std::string narrow;
    if (!LoadText(name, narrow))
        return false;
    text = detail::AssetTextToWx(narrow);
    return true;
}

bool AssetManager::LoadMenuText(const char* name, std::vector<MENUITEM>& items)
{
    std::string text;
    if (!LoadText(name, text))
        return false;
    detail::ParseMenuText(text, items);
    return true;
}

bool AssetManager::LoadMessages(const char* name)
{
    std::string text;
    if (!LoadText(name, text))
        return false;
    m_messages->AddFromText(text);
    return true;
}

bool AssetManager::SetMessage(std::string& key, std::string& text)
{
    return m_messages->Set(key, text);
}

std::string AssetManager::GetMessage(const std::string& key)
{
    return m_messages->Get(key);
}

std::string AssetManager::GetMessage(const char* key)
{
    return m_messages->Get(key ? key : "");
}

void AssetManager::ClearMessageDatabase()
{
    m_messages->Clear();
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
    return LoadText(assetName, text) && m_colours.RunScript(text);
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
    return LoadText(assetName, text) && m_fonts.RunScript(text);
}

} // namespace vorn
