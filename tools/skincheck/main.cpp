// vorn-skincheck: checks a skin the way a host loads it (see skin_check.h).
#include <algorithm>
#include <iostream>

#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

#include "skin_check.h"


namespace {
class CheckApp : public wxApp {
public:
    bool OnInit() override { return true; } // the checker parses its own arguments
};
} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    // The usage text needs no toolkit, and so no display.
    if (args.empty() || std::find(args.begin(), args.end(), "--help") != args.end() ||
        std::find(args.begin(), args.end(), "-h") != args.end())
        return RunSkinCheck(args, std::cout, std::cerr);
    // Fonts and bitmaps need the GUI toolkit, which needs a display (xvfb-run will do).
    wxApp::SetInstance(new CheckApp);
    int wxArgc = 1;
    char* wxArgv[] = {argv[0], nullptr};
    if (!wxEntryStart(wxArgc, wxArgv) || !wxTheApp->CallOnInit()) {
        std::cerr << "vorn-skincheck: cannot start wxWidgets: is there a display? (run under xvfb-run)\n";
        return 1;
    }
    wxLog::EnableLogging(false);
    wxInitAllImageHandlers();
    const int status = RunSkinCheck(args, std::cout, std::cerr);
    wxTheApp->OnExit();
    wxEntryCleanup();
    return status;
}
