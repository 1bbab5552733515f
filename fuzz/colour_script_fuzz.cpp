// The colour database script over arbitrary text.
#include <string>
#include <vector>

#include <vorn/assets/colour_database.h>

#include "fuzz_support.h"

using namespace vorn;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    ColourDatabase db;
    db.RunScript(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<std::string> names;
    db.GetColourNameList(names);
    for (const std::string& name : names) {
        wxColour colour;
        db.GetColour(name, colour);
    }
    return 0;
}
