#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>

#include "bench_support.h"


namespace {
// Prints every result beside the cost of the blit baseline measured in the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                m_results.emplace_back(run.benchmark_name(), run.GetAdjustedRealTime() * 1e6 /
                                                                 benchmark::GetTimeUnitMultiplier(run.time_unit));
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        double baseline = 0.0;
        for (const auto& [name, time] : m_results)
            if (name.rfind("BM_BlitBaseline", 0) == 0)
                baseline = time;
        if (baseline <= 0.0)
            return;
        std::printf("\nRatio to BM_BlitBaseline (%.3f us):\n", baseline);
        for (const auto& [name, time] : m_results)
            std::printf("  %-40s %9.3f us  x%.1f\n", name.c_str(), time, time / baseline);
    }

private:
    std::vector<std::pair<std::string, double>> m_results; // name, real time in microseconds
};

class BenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};
wxFrame* g_frame = nullptr;
wxPanel* g_panel = nullptr;
} // namespace

void BenchPump()
{
    for (int i = 0; i < 5; ++i)
        wxTheApp->Yield(true);
}

wxPanel* BenchPanel()
{
    if (!g_panel) {
        g_frame = new wxFrame(nullptr, wxID_ANY, "bench", wxPoint(0, 0), wxSize(400, 300));
        g_panel = new wxPanel(g_frame, wxID_ANY, wxPoint(0, 0), wxSize(400, 300));
        g_frame->Show();
        BenchPump();
    }
    return g_panel;
}

int main(int argc, char** argv)
{
    setenv("NO_AT_BRIDGE", "1", 0);
    wxApp::SetInstance(new BenchApp);
    int wxArgc = 1;
    char arg0[] = "vorn_bench";
    char* wxArgv[] = {arg0, nullptr};
    if (!wxEntryStart(wxArgc, wxArgv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "wx could not start: run under xvfb-run\n");
        return 2;
    }
    wxInitAllImageHandlers();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (g_frame)
        g_frame->Destroy();
    wxTheApp->ProcessIdle();
    wxEntryCleanup();
    return 0;
}
