// The instruments' drag steps, each beside the blit of its face (BM_BlitFace/W/H), measured
// in one run: the range controls (range_bench.cpp), the compass and the horizon
// (compass_bench.cpp), the movie bar and the time control (movie_bench.cpp).
#include "bench_support.h"

namespace {

void BM_BlitBaseline(benchmark::State& state) { RunBlit(state, 200, 20); }
BENCHMARK(BM_BlitBaseline)->Unit(benchmark::kMicrosecond);

// The faces of the instruments, for the ratio of each drag step to its own face; a
// benchmark whose face is not listed here adds its size in its own file.
void BM_BlitFace(benchmark::State& state)
{
    RunBlit(state, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
}
BENCHMARK(BM_BlitFace)->Args({200, 20})->Args({160, 28})->Args({100, 100})->Args({300, 24})->Args({65, 65})->Args({240, 28})->Args({28, 240})->Unit(benchmark::kMicrosecond);

} // namespace
