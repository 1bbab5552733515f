#pragma once
// Runs the asset manager's image scripts by name: single images, image sets and the
// edit-box and list-box skins. It keeps the name of the script running now (error
// messages carry it) and refuses a script that would use itself.
#include <string>
#include <vector>

#include <wx/bitmap.h>

#include <vorn/assets/image_cache.h>
#include <vorn/assets/skin_info.h>
#include <vorn/util/bitmap.h>

namespace vorn {
class AssetManager;
}

namespace vorn::detail {

class ScriptRunner {
public:
    explicit ScriptRunner(AssetManager& manager) : m_manager(manager) {}

    // False when the script is missing, already running, fails on its size line or
    // (for an image) assigns none.
    bool RunImage(const char* name, BitmapA& image);
    bool RunSet(const char* name, VornBitmapACache& set);
    // A script's text for a set, under the current script name.
    bool RunSetText(const std::string& text, VornBitmapACache& set);
    // Skins: false, with a warning, when the script lacks its "edit" or "lbText" line.
    bool RunEditSkin(const char* name, wxBitmap& bitmap, VornEditInfo& info);
    bool RunListBoxSkin(const char* name, OldVornListBoxInfo& info);

    const std::string& CurrentName() const { return m_current; }

    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

private:
    class Scope;

    AssetManager& m_manager;
    std::string m_current;
    // Names of the scripts running now, innermost last.
    std::vector<std::string> m_running;
};

// A set's states converted to another pixel type (states that fail to convert stay empty).
void ConvertSet(const VornBitmapACache& from, VornBitmapCache& to);
void ConvertSet(const VornBitmapACache& from, VornwxImageCache& to);
void ConvertSet(const VornBitmapACache& from, VornwxBitmapCache& to);

// A bitmap of the image; false for an invalid image.
bool ToBitmap(wxBitmap& bitmap, const wxImage& image);

} // namespace vorn::detail
