#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>

#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

#include <vorn/util/diagnostics.h>

using namespace vorn;

namespace {

class FuzzApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

void AssertIsACrash(const wxString& file, int line, const wxString&, const wxString& cond, const wxString& msg)
{
    std::fprintf(stderr, "toolkit assertion at %s:%d: %s %s\n", static_cast<const char*>(file.utf8_str()),
                 line, static_cast<const char*>(cond.utf8_str()), static_cast<const char*>(msg.utf8_str()));
    std::abort();
}

} // namespace

// The toolkit's font and accessibility caches live as long as the process.
extern "C" __attribute__((visibility("default"), used)) const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n"
           "leak:libatk-bridge-2.0.so\n"
           "leak:libatspi.so\n"
           "leak:libglib-2.0.so\n";
}

void FuzzSetUp()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    setenv("NO_AT_BRIDGE", "1", 0); // no accessibility bus
    wxApp::SetInstance(new FuzzApp);
    static int argc = 1;
    static char arg0[] = "vorn_fuzz";
    static char* argv[] = {arg0, nullptr};
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "wx could not start: run under xvfb-run\n");
        std::exit(2);
    }
    wxSetAssertHandler(AssertIsACrash);
    delete wxLog::SetActiveTarget(new wxLogStderr);
    SetDebugHook([](const std::string&) {});
    SetWarningHook([](const std::string&, const std::string&) {});
}

void ReportBreaches(const std::vector<std::string>& breaches)
{
    for (const std::string& breach : breaches)
        std::fprintf(stderr, "contract broken: %s\n", breach.c_str());
    if (!breaches.empty())
        std::abort();
}
