#pragma once
// What every test process shares, with or without a display: wx asserts become test
// failures, each test starts with the default diagnostics sinks, and a recorder for
// what the library reports through them.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace vorntest {

// Installs the per-test listeners and an environment that starts wx (a GUI application
// when `gui`, else a console one), then runs every test. wx starts in the environment, not
// here, so that listing the tests at build time starts nothing; its asserts fail the test.
int RunAllTests(int argc, char** argv, bool gui);

// Records every dprintf line and WarningMessage while alive; restores the defaults after.
class DiagnosticsRecorder {
public:
    DiagnosticsRecorder();
    ~DiagnosticsRecorder();
    std::vector<std::string> debug;
    std::vector<std::pair<std::string, std::string>> warnings;
    // All debug text joined, for substring checks.
    std::string DebugText() const;
};

// Counts its own destructions, so a test can check ownership exactly.
template <class Base>
class Counted : public Base {
public:
    explicit Counted(int* deaths) : m_deaths(deaths) {}
    ~Counted() override { ++*m_deaths; }

private:
    int* m_deaths;
};

} // namespace vorntest
