// One drag step of the range controls (motion event -> model -> the immediate redraw through
// the working bitmap -> hooks), of the body and of a handle, beside the blit of each face
// (BM_BlitFace/240/28 and /28/240 in instruments_bench.cpp). Both look as the default skin
// draws them.
#include <utility>

#include <benchmark/benchmark.h>

#include <vorn/assets/skin_names.h>
#include <vorn/controls/range_control.h>

#include "bench_support.h"

using namespace vorn;
using namespace vornskin;

namespace {

// Hooks that count, so that the steps cannot be optimised into nothing.
template <class Base>
class Counting : public Base {
public:
    template <class... Args>
    explicit Counting(long* counter, Args&&... args) : Base(std::forward<Args>(args)...), m_counter(counter)
    {
    }
    void OnRangeChanged() override { ++*m_counter; }

private:
    long* m_counter;
};

enum Case { kBody, kHandle, kVerticalBody };

// The thumb (zoom 0.4, starting at s = 0) pressed on its body or its low handle and dragged
// back and forth along the track, 3 pixels a step.
void BM_RangeDragStep(benchmark::State& state)
{
    const Case which = static_cast<Case>(state.range(0));
    const bool vertical = which == kVerticalBody;
    const Color outline(0.55, 0.6, 0.68), fill(0.2, 0.36, 0.55);
    long changes = 0;
    VornRangeControl* range = nullptr;
    if (vertical) {
        range = new Counting<VornVertRangeControl>(&changes, outline, fill, kRangeHandleWidth, kRangeHandleHeight,
                                                   kRangeTrackStart, kRangeBandStart, kRangeTrackEnd, kRangeBandEnd,
                                                   BenchSkinImage<wxBitmap>(kVRangeBackground), true);
        range->Create(0, 0, 28, 240, BenchPanel(), wxID_ANY, nullptr);
    } else {
        range = new Counting<VornRangeControl>(&changes, outline, fill, kRangeHandleWidth, kRangeHandleHeight,
                                               kRangeTrackStart, kRangeBandStart, kRangeTrackEnd, kRangeBandEnd,
                                               BenchSkinImage<wxBitmap>(kRangeBackground));
        range->Create(0, 0, 240, 28, BenchPanel(), wxID_ANY, nullptr);
    }
    range->SetZoomValue(0.4, false);
    range->SetSliderValue(0.0, false);
    BenchPump();
    // Along the track from its start: the body from 20 to 140, the low handle (which starts at
    // 2..9, below the band's top) out to 60, so the thumb shrinks and grows by turns.
    const int across = which == kHandle ? kRangeBandStart - 3 : (kRangeBandStart + kRangeBandEnd) / 2;
    const int first = which == kHandle ? 6 : 20, last = which == kHandle ? 60 : 140;
    const auto at = [&](int along, wxEventType type) {
        if (vertical)
            BenchMouse(range, type, across, kRangeTrackStart + kRangeTrackEnd - 1 - along);
        else
            BenchMouse(range, type, along, across);
    };
    at(first, wxEVT_LEFT_DOWN);
    int along = first, step = 3;
    for (auto _ : state) {
        along += step;
        if (along >= last || along <= first)
            step = -step;
        at(along, wxEVT_MOTION);
    }
    at(along, wxEVT_LEFT_UP);
    static const char* const labels[] = {"VornRangeControl body @240x28", "VornRangeControl handle @240x28",
                                         "VornVertRangeControl body @28x240"};
    state.SetLabel(labels[which]);
    state.counters["changes"] = static_cast<double>(changes);
    range->Destroy();
    BenchPump();
}
BENCHMARK(BM_RangeDragStep)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

} // namespace
