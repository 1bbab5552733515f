// Archive files over arbitrary bytes: opening, listing, verifying and registering.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include <vorn/assets/archive_asset_loader.h>
#include <vorn/assets/asset.h>
#include <vorn/assets/asset_manager.h>

#include "fuzz_support.h"

using namespace vorn;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    // The loader reads from a path.
    static const std::string path = "/tmp/vorn_fuzz_archive_" + std::to_string(getpid()) + ".vrk";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    std::vector<std::string> problems;
    ArchiveAssetLoader::Verify(path, problems);

    AssetManager manager;
    ArchiveAssetLoader* loader = new ArchiveAssetLoader(path.c_str());
    manager.SetAssetLoader(loader);
    if (manager.LoadAssets()) {
        unsigned sum = 0;
        for (const ArchiveEntry& entry : loader->GetEntries()) {
            const unsigned char* bytes = loader->GetEntryData(entry);
            for (int64_t i = 0; bytes && i < entry.Size(); ++i)
                sum += bytes[i];
            std::vector<Asset*> assets;
            manager.GetAllAssets(entry.name.c_str(), assets);
            for (Asset* asset : assets)
                (void)asset->GetTextPtr();
        }
        (void)sum;
    }
    return 0;
}
