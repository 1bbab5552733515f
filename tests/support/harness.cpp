#include "harness.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>

#include <wx/app.h>
#include <wx/debug.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/strconv.h>
#include <wx/string.h>
#include <wx/toplevel.h>

#include <vorn/util/diagnostics.h>

using namespace vorn;

namespace vorntest {

namespace {

void AssertToGTest(const wxString& file, int line, const wxString& func, const wxString& cond,
                   const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_str().data(), line)
        << "wx assert in " << func.utf8_str().data() << ": " << cond.utf8_str().data() << " "
        << msg.utf8_str().data();
}

// Every test starts with the default debug sink and fails on any warning it does not
// expect (a test that expects one records it with DiagnosticsRecorder).
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

class TestApp : public wxApp {
public:
    bool OnInit() override { return true; } // wxApp::OnInit would parse --gtest_* and reject it
};

// Starts wx once per process. Without a wxApp instance wx makes a console application,
// enough for images, colours, handlers and streams, and never connects to an X server;
// the GUI one needs a display (scripts/with-display.sh provides one).
class WxEnvironment : public ::testing::Environment {
public:
    explicit WxEnvironment(bool gui) : m_gui(gui) {}
    void SetUp() override
    {
        static int argc = 1;
        static char arg0[] = "vorn_tests";
        static char* argv[] = {arg0, nullptr};
        if (m_gui) {
            wxApp::SetInstance(new TestApp);
        } else {
            // What a GTK host's start-up does and a console application skips: the locale of the
            // environment, and file names taken as UTF-8 with undecodable bytes kept as they are.
            std::setlocale(LC_ALL, "");
            static wxConvBrokenFileNames fileNames("UTF-8");
            wxConvFileName = &fileNames;
        }
        if (!wxEntryStart(argc, argv) || (m_gui && !wxTheApp->CallOnInit())) {
            std::fprintf(stderr, "wx could not start%s\n", m_gui ? ": is there a display (run under xvfb-run)?" : "");
            std::exit(2);
        }
        wxSetAssertHandler(AssertToGTest); // the default one opens a modal dialog
        delete wxLog::SetActiveTarget(new wxLogStderr);
        wxInitAllImageHandlers();
    }
    void TearDown() override
    {
        if (m_gui) {
            for (wxWindow* w : wxTopLevelWindows)
                w->Destroy();
            wxTheApp->ProcessIdle();
            wxTheApp->OnExit();
        }
        wxEntryCleanup();
    }

private:
    bool m_gui;
};

} // namespace

int RunAllTests(int argc, char** argv, bool gui)
{
    setenv("NO_AT_BRIDGE", "1", 0); // no accessibility bus: faster start, no leaks reported
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new WxEnvironment(gui));
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetDiagnostics);
    return RUN_ALL_TESTS();
}

DiagnosticsRecorder::DiagnosticsRecorder()
{
    SetDebugHook([this](const std::string& t) { debug.push_back(t); });
    SetWarningHook([this](const std::string& title, const std::string& t) { warnings.emplace_back(title, t); });
}

DiagnosticsRecorder::~DiagnosticsRecorder()
{
    SetDebugHook(nullptr);
    SetWarningHook(nullptr);
}

std::string DiagnosticsRecorder::DebugText() const
{
    std::string all;
    for (const auto& line : debug)
        all += line;
    return all;
}

} // namespace vorntest
