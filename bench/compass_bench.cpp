// One drag step of the compass and of the attitude indicator (motion event -> notification
// -> the paint the step asks for), beside the blit of each face (BM_BlitFace/160/28 and
// /100/100 in instruments_bench.cpp). Both look as the default skin draws them.
#include <cmath>

#include <benchmark/benchmark.h>
#include <wx/dcmemory.h>

#include <vorn/assets/skin_names.h>
#include <vorn/controls/compass.h>
#include <vorn/controls/horizon.h>

#include "bench_support.h"

using namespace vorn;

namespace {

const BitmapA* SkinImage(const char* name)
{
    const BitmapA* image = nullptr;
    BenchAssets().LoadImageCached(name, image);
    return image;
}

void Send(wxWindow* w, wxEventType type, int x, int y)
{
    wxMouseEvent e(type);
    e.SetPosition(wxPoint(x, y));
    e.SetLeftDown(type != wxEVT_LEFT_UP);
    w->HandleWindowEvent(e);
}

// The compass dragged back and forth over `span` pixels: up to a turn, every offset comes
// again and is copied from the kept pictures; a wider sweep outruns their room (about 230
// offsets of this face) and composes some offsets at every pass.
void BM_CompassDragStep(benchmark::State& state)
{
    const int span = static_cast<int>(state.range(0));
    VornControlGroup group;
    auto* compass = new VornCompassControl(SkinImage(vornskin::kCompassFrame), SkinImage(vornskin::kCompassTape),
                                           SkinImage(vornskin::kCompassMask), 0, 0, 160, 28, BenchPanel(), wxID_ANY,
                                           &group);
    wxBitmap target(160, 28, 24);
    wxMemoryDC dc(target);
    Send(compass, wxEVT_LEFT_DOWN, 0, 10);
    int x = 0, step = 3;
    for (auto _ : state) {
        x += step;
        if (x >= span || x <= 0)
            step = -step;
        Send(compass, wxEVT_MOTION, x, 10);
        compass->OnDraw(&dc);
    }
    Send(compass, wxEVT_LEFT_UP, x, 10);
    state.SetLabel("VornCompassControl @160x28");
    compass->Destroy();
    BenchPump();
}
BENCHMARK(BM_CompassDragStep)->Arg(100)->Arg(400)->Unit(benchmark::kMicrosecond);

VornAHorizonControl* MakeHorizon(VornControlGroupValue& group)
{
    return new VornAHorizonControl(SkinImage(vornskin::kHorizonFace), 50, 50, 40, 0, 40, 100, 100, BenchPanel(),
                                   wxID_ANY, &group);
}

// The roll handle dragged round and round the dial, 2 degrees a step: the first lap
// composes each picture, the later ones find it kept.
void BM_HorizonDragStep(benchmark::State& state)
{
    VornControlGroupValue group;
    auto* horizon = MakeHorizon(group);
    wxBitmap target(100, 100, 24);
    wxMemoryDC dc(target);
    Send(horizon, wxEVT_LEFT_DOWN, 90, 50);
    int k = 0;
    for (auto _ : state) {
        const double a = ++k * 3.14159265358979 / 90.0;
        Send(horizon, wxEVT_MOTION, 50 + static_cast<int>(40 * std::cos(a)), 50 - static_cast<int>(40 * std::sin(a)));
        horizon->OnDraw(&dc);
    }
    Send(horizon, wxEVT_LEFT_UP, 50, 50);
    state.SetLabel("VornAHorizonControl @100x100");
    horizon->Destroy();
    BenchPump();
}
BENCHMARK(BM_HorizonDragStep)->Unit(benchmark::kMicrosecond);

// Steps to states never drawn before (once the kept pictures are full, none is kept): the
// cost of composing a picture, as the first lap pays it. The roll walks in 1/7 of a
// degree, the pitch in steps coprime to the axis, so the handles rarely repeat.
void BM_HorizonNewStateStep(benchmark::State& state)
{
    VornControlGroupValue group;
    auto* horizon = MakeHorizon(group);
    wxBitmap target(100, 100, 24);
    wxMemoryDC dc(target);
    long k = 0;
    for (auto _ : state) {
        ++k;
        horizon->SetValue(static_cast<float>(k) / 2520.0f);
        horizon->SetPitchValue(static_cast<float>(k % 61) / 61.0f);
        horizon->OnDraw(&dc);
    }
    state.SetLabel("VornAHorizonControl @100x100");
    horizon->Destroy();
    BenchPump();
}
BENCHMARK(BM_HorizonNewStateStep)->Unit(benchmark::kMicrosecond);

} // namespace
