#pragma once
// Benchmarks run inside a started wx (a display is needed: run under xvfb-run).
#include <string>

#include <benchmark/benchmark.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/framework/control_group.h>

// A shown frame with a panel to parent controls on, created once per process.
wxPanel* BenchPanel();
// The default skin as built (its colour and font databases loaded), created once per process.
vorn::AssetManager& BenchAssets();
// A skin image loaded through BenchAssets(), or null when the name does not load.
template <class Image>
const Image* BenchSkinImage(const char* name)
{
    const Image* image = nullptr;
    BenchAssets().LoadImageCached(name, image);
    return image;
}
// Hands `w` a synthetic mouse event at (x, y), the left button held for all but a left release.
void BenchMouse(wxWindow* w, wxEventType type, int x, int y);
// Lets GTK deliver what is pending.
void BenchPump();

// Times a plain copy of a w x h bitmap between two memory contexts: the unit the control
// benchmarks are measured in.
void RunBlit(benchmark::State& state, int w, int h);

// Peak resident memory, each side in a process of its own: the program starts itself again
// with `variable`=`part` set and only the benchmark `partBenchmark` selected; that benchmark
// builds one side (or, for the part "none", shows only an empty frame) and ends with
// PrintPeakKb(). The parent's benchmark calls RunPeakRss, which reports the base peak and each
// side's peak less the base, and the ratio of the two sides.
void PrintPeakKb();
void RunPeakRss(benchmark::State& state, const char* variable, const char* partBenchmark, const std::string& anchor);

// Counts updates, as a host's receiver would look at each.
class CountingReceiver : public vorn::MessageReceiver {
public:
    long updates = 0;
    void OnMessage(unsigned int, vorn::VornControl*, vorn::VornControlHint*) override { ++updates; }
};
