#pragma once
// The default skin as the build assembled it, copies of it to break, and a manager
// loaded from it as a host would.
#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include <unistd.h>

#include <vorn/assets/archive_asset_loader.h>
#include <vorn/assets/asset_loader.h>
#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>

namespace skintest {
using namespace vorn;

namespace fs = std::filesystem;

inline std::string DefaultSkinDir() { return VORN_TEST_SKIN_DIR; }
inline std::string DefaultArchiveDir() { return VORN_TEST_ARCHIVE_DIR; }

// A private copy of the default skin tree, removed again at the end of the test.
class SkinCopy {
public:
    SkinCopy()
    {
        static std::atomic<int> counter{0};
        m_dir = fs::temp_directory_path() /
                ("vorn-skin-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
        fs::copy(DefaultSkinDir(), m_dir, fs::copy_options::recursive);
    }
    ~SkinCopy()
    {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }
    SkinCopy(const SkinCopy&) = delete;
    SkinCopy& operator=(const SkinCopy&) = delete;

    std::string Dir() const { return m_dir.string(); }
    std::string Path(const std::string& relative) const { return (m_dir / relative).string(); }
    std::string Read(const std::string& relative) const
    {
        std::ifstream in(Path(relative), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void Write(const std::string& relative, const std::string& bytes) const
    {
        std::ofstream(Path(relative), std::ios::binary | std::ios::trunc) << bytes;
    }
    // Rewrites one file: edit gets its text and changes it in place.
    void Edit(const std::string& relative, const std::function<void(std::string&)>& edit) const
    {
        std::string text = Read(relative);
        edit(text);
        Write(relative, text);
    }

private:
    fs::path m_dir;
};

// A manager with the skin loaded as the host of the README does it.
inline std::unique_ptr<AssetManager> LoadSkin(const std::string& treeDir, const char* language = "en")
{
    auto manager = std::make_unique<AssetManager>();
    manager->SetPlatform("gtk");
    manager->SetLanguage(language, "");
    auto* loader = new FileAssetLoader;
    loader->Init(treeDir + "/");
    manager->SetAssetLoader(loader);
    if (!manager->LoadAssets() || !manager->LoadColourData(vornskin::kColourScript) ||
        !manager->LoadFontData(vornskin::kFontScript) || !manager->LoadMessages(vornskin::kMessageText))
        return nullptr;
    return manager;
}

} // namespace skintest
