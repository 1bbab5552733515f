// vorn-skingen DIR: draws the default skin's template pictures into DIR as PNG files.
#include <iostream>

#include <wx/init.h>
#include <wx/log.h>

#include "pictures.h"

using namespace vorn;

int main(int argc, char** argv)
{
    if (argc != 2 || std::string(argv[1]) == "--help") {
        std::cerr << "usage: vorn-skingen DIR   write the default skin's template pictures into DIR\n";
        return argc == 2 ? 0 : 2;
    }
    wxInitializer init;
    if (!init.IsOk()) {
        std::cerr << "vorn-skingen: cannot start wxWidgets\n";
        return 1;
    }
    wxLog::EnableLogging(false);
    return WriteSkinPictures(argv[1], std::cerr) ? 0 : 1;
}
