#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/init.h>

#include <vorn/assets/asset_loader.h>
#include <vorn/assets/skin_names.h>

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
                m_results.push_back({run.benchmark_name(), run.report_label,
                                     run.GetAdjustedRealTime() * 1e6 / benchmark::GetTimeUnitMultiplier(run.time_unit)});
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        double baseline = 0.0;
        for (const Result& r : m_results)
            if (r.name.rfind("BM_BlitBaseline", 0) == 0)
                baseline = r.time;
        if (baseline <= 0.0)
            return;
        // A label "... @WxH" names the control's face; BM_BlitFace/W/H is the blit of that size.
        std::printf("\nRatio to BM_BlitBaseline (%.3f us), and to the blit of the face:\n", baseline);
        for (const Result& r : m_results) {
            std::printf("  %-40s %9.3f us  x%-6.1f", r.name.c_str(), r.time, r.time / baseline);
            const auto at = r.label.rfind('@');
            const auto by = r.label.find('x', at == std::string::npos ? 0 : at);
            if (at != std::string::npos && by != std::string::npos) {
                const std::string face = "BM_BlitFace/" + r.label.substr(at + 1, by - at - 1) + "/" + r.label.substr(by + 1);
                for (const Result& f : m_results)
                    if (f.name == face && f.time > 0.0)
                        std::printf(" x%.1f of its face (%s)", r.time / f.time, r.label.substr(at + 1).c_str());
            }
            std::printf("\n");
        }
    }

private:
    struct Result {
        std::string name, label;
        double time; // real time in microseconds
    };
    std::vector<Result> m_results;
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

void RunBlit(benchmark::State& state, int w, int h)
{
    wxBitmap source(w, h, 24);
    {
        wxMemoryDC dc(source);
        dc.SetBackground(*wxBLUE_BRUSH);
        dc.Clear();
    }
    wxBitmap target(w, h, 24);
    wxMemoryDC src;
    src.SelectObjectAsSource(source);
    wxMemoryDC dst(target);
    for (auto _ : state)
        dst.Blit(0, 0, w, h, &src, 0, 0, wxCOPY, false);
}

vorn::AssetManager& BenchAssets()
{
    static vorn::AssetManager assets;
    static bool loaded = false;
    if (!loaded) {
        auto* loader = new vorn::FileAssetLoader;
        loader->Init(std::string(VORN_BENCH_SKIN_DIR) + "/");
        assets.SetAssetLoader(loader);
        assets.LoadAssets();
        assets.LoadColourData(vorn::vornskin::kColourScript);
        assets.LoadFontData(vorn::vornskin::kFontScript);
        loaded = true;
    }
    return assets;
}

void BenchMouse(wxWindow* w, wxEventType type, int x, int y)
{
    wxMouseEvent e(type);
    e.SetPosition(wxPoint(x, y));
    e.SetLeftDown(type != wxEVT_LEFT_UP);
    w->GetEventHandler()->ProcessEvent(e);
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

void PrintPeakKb()
{
    long peak = -1;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            peak = std::stol(line.substr(6));
    std::printf("\npeak_kB=%ld\n", peak);
    std::fflush(stdout); // the program may end without flushing
}

namespace {
// The peak RSS of a fresh process of this program that runs one part, in kB; -1 on failure.
long ChildPeakKb(const char* variable, const std::string& part, const char* partBenchmark)
{
    std::error_code error;
    const std::string self = std::filesystem::read_symlink("/proc/self/exe", error).string(); // not the shell's
    if (error)
        return -1;
    const std::string command = std::string(variable) + "=" + part + " '" + self +
                                "' --benchmark_filter=" + partBenchmark + " 2>/dev/null";
    FILE* child = popen(command.c_str(), "r");
    if (!child)
        return -1;
    long peak = -1;
    char line[256];
    while (std::fgets(line, sizeof line, child))
        std::sscanf(line, "peak_kB=%ld", &peak);
    pclose(child);
    return peak;
}
} // namespace

void RunPeakRss(benchmark::State& state, const char* variable, const char* partBenchmark, const std::string& anchor)
{
    long base = -1, vorn = -1, other = -1;
    for (auto _ : state) {
        base = ChildPeakKb(variable, "none", partBenchmark);
        vorn = ChildPeakKb(variable, "vorn", partBenchmark);
        other = ChildPeakKb(variable, "wx", partBenchmark);
    }
    if (base < 0 || vorn < 0 || other < 0) {
        state.SkipWithError("a child process gave no peak");
        return;
    }
    state.counters["base_peak_kB"] = static_cast<double>(base);
    state.counters["vorn_peak_kB"] = static_cast<double>(vorn - base);
    state.counters[anchor + "_peak_kB"] = static_cast<double>(other - base);
    state.counters["x_" + anchor] = other > base ? double(vorn - base) / double(other - base) : 0.0;
}
