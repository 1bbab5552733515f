#include <vorn/assets/detail/asset_text.h>

#include <sstream>

#include <vorn/assets/asset.h>
#include <vorn/assets/asset_manager.h>
#include <vorn/util/diagnostics.h>

namespace vorn::detail {

std::string ConvertAssetText(const unsigned char* data, int size)
{
    std::string text;
    if (!data || size <= 0)
        return text;
    text.reserve(static_cast<size_t>(size));
    for (int i = 0; i < size; ++i) {
        const unsigned char c = data[i];
        if (c == 13) {
            text.push_back('\n');
            if (i + 1 < size && data[i + 1] == 10)
                ++i;
        } else {
            text.push_back(static_cast<char>(c));
        }
    }
    return text;
}

bool ReadAssetText(Asset& asset, std::string& text)
{
    asset.Open();
    const char* converted = asset.GetTextPtr();
    if (converted)
        text = converted;
    asset.Close();
    return converted != nullptr;
}

wxString AssetTextToWx(const std::string& text)
{
    if (text.empty())
        return wxString();
    wxString wide = wxString::FromUTF8(text.data(), text.size());
    if (wide.empty())
        wide = wxString(text.data(), wxConvISO8859_1, text.size());
    return wide;
}

void ParseMenuText(const std::string& text, std::vector<MENUITEM>& items)
{
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
            items.push_back({id, AssetTextToWx(std::string(label + 1, static_cast<size_t>(count - 1)))});
    }
}

std::string MessageDatabase::Get(const std::string& key) const
{
    const auto it = m_texts.find(key);
    if (it != m_texts.end())
        return it->second;
    dprintf("WARNING : Message *%s* not translated\n", key.c_str());
    return key;
}

void MessageDatabase::AddFromText(const std::string& text)
{
    std::istringstream in(text);
    std::string key, message;
    const auto dropLast = [](std::string& line) {
        if (!line.empty())
            line.pop_back();
    };
    while (std::getline(in, key)) {
        dropLast(key);
        if (key == "FINISH" || !std::getline(in, message))
            return;
        dropLast(message);
        Set(key, message);
    }
}

} // namespace vorn::detail
