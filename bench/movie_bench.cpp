// One drag step of the movie bar's value handle (motion event -> hooks -> the bar drawn
// into a memory context, as the paint that follows would) and of the time control's dial
// (motion event -> notifications -> the picture composed and drawn at once), in the
// default skin's looks.
#include <cmath>

#include <wx/dcmemory.h>

#include <vorn/assets/skin_names.h>
#include <vorn/controls/movie_bar.h>
#include <vorn/controls/time_control.h>

#include "bench_support.h"

using namespace vorn;

namespace {

class CountingMovieGroup : public VornMovieBarCG {
public:
    long hooks = 0;
    void MovieValueChanged(unsigned int, VornControl*) override { ++hooks; }
};

void BM_MovieValueDragStep(benchmark::State& state)
{
    const wxBitmap *start = nullptr, *end = nullptr, *value = nullptr;
    AssetManager& assets = BenchAssets();
    if (!assets.LoadImageCached(vornskin::kMovieStart, start) || !assets.LoadImageCached(vornskin::kMovieEnd, end) ||
        !assets.LoadImageCached(vornskin::kMovieValue, value)) {
        state.SkipWithError("the movie bar's skin images do not load");
        return;
    }
    CountingMovieGroup group;
    auto* bar = new VornMovieBar(start, end, value, 0, 0, 300, 24, BenchPanel(), wxID_ANY, &group);
    bar->SetUp(10, 6);
    BenchPump();
    wxBitmap target(300, 24, 24);
    wxMemoryDC dc(target);
    BenchMouse(bar, wxEVT_LEFT_DOWN, bar->GetModel().GetValueX() + 4, 5);
    int x = 13, step = 7;
    for (auto _ : state) {
        x += step;
        if (x > 280 || x < 13)
            step = -step;
        BenchMouse(bar, wxEVT_MOTION, x, 5);
        bar->OnDraw(&dc);
    }
    BenchMouse(bar, wxEVT_LEFT_UP, x, 5);
    state.SetLabel("VornMovieBar value drag @300x24");
    state.counters["hooks"] = static_cast<double>(group.hooks);
    bar->Destroy();
    BenchPump();
}
BENCHMARK(BM_MovieValueDragStep)->Unit(benchmark::kMicrosecond);

// The time control in the default skin's looks, centred in its face; null when they do not load.
VornTimeControl* MakeTimeControl(benchmark::State& state, VornControlGroupValue* group)
{
    const BitmapA* face = nullptr;
    const VornBitmapACache* hand = nullptr;
    AssetManager& assets = BenchAssets();
    if (!assets.LoadImageCached(vornskin::kTimeFace, face) || !assets.LoadImagesCached(vornskin::kTimeHand, hand)) {
        state.SkipWithError("the time control's skin images do not load");
        return nullptr;
    }
    return new VornTimeControl(hand, face, 32, 32, 24, 0, 0, BenchPanel(), wxID_ANY, group);
}

void BM_TimeDialDragStep(benchmark::State& state)
{
    VornControlGroupValue group;
    CountingReceiver receiver;
    group.Register(&receiver);
    VornTimeControl* dial = MakeTimeControl(state, &group);
    if (!dial)
        return;
    BenchPump();
    BenchMouse(dial, wxEVT_LEFT_DOWN, 56, 32);
    // The pointer walks round the dial, a new direction at every step.
    double turn = 0.0;
    for (auto _ : state) {
        turn += 0.013;
        BenchMouse(dial, wxEVT_MOTION, 32 + static_cast<int>(std::lround(24 * std::cos(2 * M_PI * turn))),
             32 - static_cast<int>(std::lround(24 * std::sin(2 * M_PI * turn))));
    }
    BenchMouse(dial, wxEVT_LEFT_UP, 56, 32);
    state.SetLabel("VornTimeControl drag @65x65");
    state.counters["updates"] = static_cast<double>(receiver.updates);
    group.DeRegister(&receiver);
    dial->Destroy();
    BenchPump();
}
BENCHMARK(BM_TimeDialDragStep)->Unit(benchmark::kMicrosecond);

// A direction drawn for the first time: the whole picture composed and kept. Each timed
// draw is of a direction not drawn before; after a turn a change of background makes the
// control forget its pictures, off the clock with the first draw that makes the store, so
// that what is timed is the composing and keeping of one picture.
void BM_TimeDialFirstDraw(benchmark::State& state)
{
    VornTimeControl* dial = MakeTimeControl(state, nullptr);
    if (!dial)
        return;
    wxBitmap target(65, 65, 24);
    wxMemoryDC dc(target);
    const wxColour backgrounds[2] = {wxColour(38, 42, 46), wxColour(38, 42, 47)};
    int step = 0, turn = 0;
    for (auto _ : state) {
        if (step == 0) {
            state.PauseTiming();
            dial->SetBackgroundColour(backgrounds[++turn & 1]);
            dial->SetValue(0.0f, false);
            dial->OnDraw(&dc);
            step = 1;
            state.ResumeTiming();
        }
        dial->SetValue(static_cast<float>(step) / 240.0f, false);
        dial->OnDraw(&dc);
        step = (step + 1) % 240;
    }
    state.SetLabel("VornTimeControl first draw of a direction @65x65");
    dial->Destroy();
    BenchPump();
}
BENCHMARK(BM_TimeDialFirstDraw)->Unit(benchmark::kMicrosecond);

} // namespace
