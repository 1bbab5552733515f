// What realisation on demand saves: making rows as deferred windows against making them as
// toolkit windows, and scrolling through 10,000 deferred rows one view at a time (each
// step places the realised surfaces, realises what came into view and drops the rest).
#include <vector>

#include <benchmark/benchmark.h>

#include <vorn/framework/control.h>

#include "bench_support.h"

using namespace vorn;

namespace {

constexpr int kRowHeight = 32;
constexpr int kViewHeight = 600;

VornWindow* MakeHost(bool onDemand)
{
    auto* host = new VornWindow(0, 0, 400, kViewHeight, BenchPanel(), wxID_ANY);
    host->SetRealiseOnDemand(onDemand);
    host->Show();
    return host;
}

void MakeRows(VornWindow* host, int rows)
{
    for (int i = 0; i < rows; ++i)
        (new VornControl(0, i * kRowHeight, 400, kRowHeight, host, wxID_ANY, nullptr))->Show();
}

void BM_MakeRows(benchmark::State& state)
{
    const bool onDemand = state.range(0) != 0;
    const int rows = static_cast<int>(state.range(1));
    for (auto _ : state) {
        VornWindow* host = MakeHost(onDemand);
        MakeRows(host, rows);
        if (onDemand)
            host->RealiseInView(kRowHeight);
        BenchPump();
        host->Destroy();
    }
    state.SetLabel(onDemand ? "deferred rows, those in view realised" : "toolkit windows");
    state.counters["rows"] = rows;
}
BENCHMARK(BM_MakeRows)->Args({0, 1000})->Args({1, 1000})->Args({1, 10000})->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ScrollThrough(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    VornWindow* host = MakeHost(true);
    MakeRows(host, rows);
    const int steps = rows * kRowHeight / kViewHeight;
    for (auto _ : state) {
        for (int step = 0; step <= steps; ++step) {
            host->SetDeferredOrigin(wxPoint(0, step * kViewHeight));
            host->RealiseInView(kRowHeight);
        }
        host->SetDeferredOrigin(wxPoint(0, 0));
        host->RealiseInView(kRowHeight);
        BenchPump();
    }
    state.counters["steps"] = steps + 1;
    host->Destroy();
}
BENCHMARK(BM_ScrollThrough)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
