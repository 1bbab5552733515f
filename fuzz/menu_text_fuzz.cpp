// Menu texts over arbitrary bytes (line ends converted as for any text asset).
#include <string>
#include <vector>

#include <vorn/assets/asset_manager.h>

#include "fuzz_support.h"

using namespace vorn;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    std::string bytes(reinterpret_cast<const char*>(data), size);
    AssetManager manager;
    AddFuzzAsset(manager, "menu.txt", bytes);
    std::vector<MENUITEM> items;
    manager.LoadMenuText("menu.txt", items);
    for (const MENUITEM& item : items)
        (void)item.label.length();
    return 0;
}
