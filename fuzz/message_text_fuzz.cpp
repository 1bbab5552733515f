// Message texts over arbitrary bytes.
#include <string>

#include <vorn/assets/asset_manager.h>

#include "fuzz_support.h"

using namespace vorn;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    std::string bytes(reinterpret_cast<const char*>(data), size);
    AssetManager manager;
    AddFuzzAsset(manager, "messages.txt", bytes);
    manager.LoadMessages("messages.txt");
    (void)manager.GetMessage("title");
    (void)manager.GetMessage(bytes.substr(0, 8));
    return 0;
}
