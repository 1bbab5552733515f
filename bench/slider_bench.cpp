// Cost of drawing each slider look at 200 x 20 and of one drag step (motion event ->
// notifications -> immediate redraw), beside the cost of blitting a 200 x 20 bitmap.
#include <benchmark/benchmark.h>
#include <wx/dcmemory.h>

#include <vorn/controls/slider.h>

#include "bench_support.h"

using namespace vorn;

namespace {
constexpr int kW = 200, kH = 20;

wxBitmap Solid(int w, int h, const wxColour& c)
{
    wxBitmap bmp(w, h, 24);
    wxMemoryDC dc(bmp);
    dc.SetBackground(wxBrush(c));
    dc.Clear();
    return bmp;
}

struct Art {
    wxBitmap cap = Solid(6, kH, *wxLIGHT_GREY), knob = Solid(10, 14, *wxWHITE), fill = Solid(kW, 6, *wxBLUE),
             track = Solid(kW, kH, *wxBLACK), knobC = Solid(10, 18, *wxRED);
};
Art& GetArt()
{
    static Art art;
    return art;
}

VornSlider* MakeSlider(int look, VornControlGroupValue* group)
{
    Art& a = GetArt();
    wxPanel* panel = BenchPanel();
    switch (look) {
    case 1:
        return new VornSliderA(VornSliderA::SLIDER_CAP1, &a.cap, &a.knob, &a.cap, &a.cap, &a.cap, &a.fill, 0, 0, kH,
                               kW, *wxBLACK, panel, wxID_ANY, group);
    case 2: return new VornSliderB(*wxBLACK, *wxWHITE, 0, 0, kW, kH, panel, wxID_ANY, group);
    case 3: return new VornSliderC(&a.knobC, &a.track, 2, 2, 0, 0, panel, wxID_ANY, group);
    default: return new VornSlider(0, 0, kH, kW, panel, wxID_ANY, group);
    }
}

const char* LookName(int look)
{
    static const char* names[] = {"VornSlider @200x20", "VornSliderA @200x20", "VornSliderB @200x20",
                                  "VornSliderC @200x20"};
    return names[look];
}

void BM_BlitBaseline(benchmark::State& state) { RunBlit(state, 200, 20); }
BENCHMARK(BM_BlitBaseline)->Unit(benchmark::kMicrosecond);

// The blit of a face of the given size, for the ratio of each control to its own face.
void BM_BlitFace(benchmark::State& state)
{
    RunBlit(state, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
}
BENCHMARK(BM_BlitFace)->Args({kW, kH})->Unit(benchmark::kMicrosecond);

void BM_SliderDraw(benchmark::State& state)
{
    VornControlGroupValue group;
    VornSlider* slider = MakeSlider(static_cast<int>(state.range(0)), &group);
    slider->SetValue(0.5, false);
    wxBitmap target(kW, kH, 24);
    wxMemoryDC dc(target);
    for (auto _ : state)
        slider->OnDraw(&dc);
    state.SetLabel(LookName(static_cast<int>(state.range(0))));
    slider->Destroy();
}
BENCHMARK(BM_SliderDraw)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_SliderDragStep(benchmark::State& state)
{
    VornControlGroupValue group;
    CountingReceiver receiver;
    group.Register(&receiver);
    VornSlider* slider = MakeSlider(static_cast<int>(state.range(0)), &group);
    slider->SetValue(0.0, false);
    BenchPump();
    // Press on the knob, then move back and forth across the track.
    wxMouseEvent down(wxEVT_LEFT_DOWN);
    down.SetPosition(wxPoint(3, kH / 2));
    down.SetLeftDown(true);
    slider->HandleWindowEvent(down);
    int x = 3, step = 7;
    for (auto _ : state) {
        x += step;
        if (x > kW - 10 || x < 3)
            step = -step;
        wxMouseEvent move(wxEVT_MOTION);
        move.SetPosition(wxPoint(x, kH / 2));
        move.SetLeftDown(true);
        slider->HandleWindowEvent(move);
    }
    wxMouseEvent up(wxEVT_LEFT_UP);
    up.SetPosition(wxPoint(x, kH / 2));
    slider->HandleWindowEvent(up);
    state.SetLabel(LookName(static_cast<int>(state.range(0))));
    state.counters["updates"] = static_cast<double>(receiver.updates);
    group.DeRegister(&receiver);
    slider->Destroy();
    BenchPump();
}
BENCHMARK(BM_SliderDragStep)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
} // namespace
