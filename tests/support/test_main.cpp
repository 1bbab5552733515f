// Starts wx once per test process. Initialisation lives in a gtest Environment so that
// test discovery (--gtest_list_tests) at build time needs no display.
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/toplevel.h>

#include <vorn/util/diagnostics.h>

using namespace vorn;

namespace {

class TestApp : public wxApp {
public:
    bool OnInit() override { return true; } // wxApp::OnInit would parse --gtest_* and reject it
};

void AssertToGTest(const wxString& file, int line, const wxString& func, const wxString& cond,
                   const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_str().data(), line)
        << "wx assert in " << func.utf8_str().data() << ": " << cond.utf8_str().data() << " "
        << msg.utf8_str().data();
}

class WxEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        wxApp::SetInstance(new TestApp);
        static int argc = 1;
        static char arg0[] = "vorn_tests";
        static char* argv[] = {arg0, nullptr};
        if (!wxEntryStart(argc, argv)) {
            std::fprintf(stderr, "wx could not start: is there a display (run under xvfb-run)?\n");
            std::exit(2);
        }
        if (!wxTheApp->CallOnInit())
            std::exit(2);
        wxSetAssertHandler(AssertToGTest); // the default handler opens a modal dialog
        delete wxLog::SetActiveTarget(new wxLogStderr);
        wxInitAllImageHandlers();
    }
    void TearDown() override
    {
        for (wxWindow* w : wxTopLevelWindows)
            w->Destroy();
        wxTheApp->ProcessIdle();
        wxTheApp->OnExit();
        wxEntryCleanup();
    }
};

// Every test starts with the default diagnostics sinks.
class ResetDiagnostics : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        SetDebugHook(nullptr);
        SetWarningHook([](const std::string& title, const std::string& text) {
            ADD_FAILURE() << "unexpected warning \"" << title << "\": " << text;
        });
    }
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        SetDebugHook(nullptr);
        SetWarningHook(nullptr);
    }
};

} // namespace

int main(int argc, char** argv)
{
    setenv("NO_AT_BRIDGE", "1", 0); // no accessibility bus: faster start, no leaks reported
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new WxEnvironment);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetDiagnostics);
    return RUN_ALL_TESTS();
}
