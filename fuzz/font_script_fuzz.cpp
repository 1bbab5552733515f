// The font database script over arbitrary text.
#include <string>
#include <vector>

#include <vorn/assets/font_database.h>

#include "fuzz_support.h"

using namespace vorn;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    FontDatabase db;
    db.RunScript(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<std::string> names;
    db.GetFontNameList(names);
    for (const std::string& name : names) {
        wxFont font;
        if (db.GetFont(name, font))
            (void)font.GetPointSize();
    }
    return 0;
}
