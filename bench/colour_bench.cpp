// The colour editors' costs, each beside the blit of the area it redraws, in one run:
// - BM_HueValueDragStep: one motion of a drag in the picker's hue/value field (pick, the
//   colour hints to every part, the field and the boxes redrawn at once);
// - BM_HueValueFieldStep: the same on a field alone, without the picker's six boxes;
// - BM_HueValueFaceRebuild/W/H: the field's face rebuilt after a resize, per pixel of face;
// - BM_StopDragStep: one motion of a stop drag on a gradient editor's stop bar, 32 stops.
#include <benchmark/benchmark.h>
#include <wx/app.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/colour/colour_control.h>
#include <vorn/colour/colour_picker.h>
#include <vorn/util/gradient.h>

#include "bench_support.h"

using namespace vorn;

namespace {

ColourPicker* MakePicker()
{
    AssetManager& assets = BenchAssets();
    ColourPicker::RESOURCES res;
    for (auto& edit : res.edits)
        assets.LoadEditWidgetCached(vornskin::kEditSmall, edit.bitmap, edit.info);
    assets.LoadImagesCached(vornskin::kButtonMomentUp, res.satUp);
    assets.LoadImagesCached(vornskin::kButtonMomentDown, res.satDown);
    auto* picker = new ColourPicker(res, 0, 0, 330, 172, BenchPanel(), wxID_ANY, nullptr);
    picker->SetColourRGB(Color(0.9, 0.55, 0.2));
    BenchPump();
    return picker;
}

// Moves back and forth over [from, to] in steps of 7 pixels, each step one motion event.
class Sweep {
public:
    Sweep(int from, int to) : m_from(from), m_to(to), m_at(from) {}
    int Next()
    {
        m_at += m_step;
        if (m_at > m_to || m_at < m_from)
            m_step = -m_step, m_at += 2 * m_step;
        return m_at;
    }

private:
    int m_from, m_to, m_at, m_step = 7;
};

std::string FaceLabel(const char* what, const wxSize& size)
{
    return std::string(what) + " @" + std::to_string(size.x) + "x" + std::to_string(size.y);
}

void BM_BlitBaseline(benchmark::State& state) { RunBlit(state, 200, 20); }
BENCHMARK(BM_BlitBaseline)->Unit(benchmark::kMicrosecond);

void BM_BlitFace(benchmark::State& state)
{
    RunBlit(state, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
}
// The hue/value field of a 330 x 172 picker, and a 400-wide editor's stop bar.
BENCHMARK(BM_BlitFace)->Args({212, 125})->Args({400, 100})->Unit(benchmark::kMicrosecond);

// Presses at (x0, y), then moves over [x0, x1] on row y, one motion per iteration, with a
// receiver on `group` counting what reaches a host.
void RunDrag(benchmark::State& state, wxWindow* w, VornControlGroup& group, int x0, int x1, int y,
             const char* what, bool alternateRows)
{
    CountingReceiver receiver;
    group.Register(&receiver);
    BenchPump();
    BenchMouse(w, wxEVT_LEFT_DOWN, x0, y);
    Sweep sweep(x0, x1);
    int row = y;
    for (auto _ : state) {
        if (alternateRows)
            row = row == y ? y + 20 : y; // in the field, hue and value both change every step
        BenchMouse(w, wxEVT_MOTION, sweep.Next(), row);
    }
    BenchMouse(w, wxEVT_LEFT_UP, x0, y);
    state.SetLabel(FaceLabel(what, w->GetClientSize()));
    state.counters["updates"] = static_cast<double>(receiver.updates);
    group.DeRegister(&receiver);
}

void BM_HueValueDragStep(benchmark::State& state)
{
    ColourPicker* picker = MakePicker();
    HueValueControl* field = picker->GetField();
    RunDrag(state, field, *picker->GetPickerGroup(), 12, field->GetClientSize().x - 12, 40, "picker drag step", true);
    picker->Destroy();
    BenchPump();
}
BENCHMARK(BM_HueValueDragStep)->Unit(benchmark::kMicrosecond);

void BM_HueValueFieldStep(benchmark::State& state)
{
    VornControlGroup group;
    auto* field = new HueValueControl(0, 0, 212, 125, BenchPanel(), wxID_ANY, &group);
    RunDrag(state, field, group, 12, 200, 40, "field drag step", true);
    field->Destroy();
    BenchPump();
}
BENCHMARK(BM_HueValueFieldStep)->Unit(benchmark::kMicrosecond);

// A stop bar 400 wide over 32 stops; the drag holds the first stop and sweeps the bar.
void BM_StopDragStep(benchmark::State& state)
{
    Gradient gradient;
    for (int i = 0; i < 32; ++i)
        gradient.AddPoint(CONTROL_POINT(i / 31.0, Color(i / 31.0, 0.5, 1.0 - i / 31.0)));
    VornControlGroup group;
    auto* bar = new ColourControl(nullptr, 0, 0, 400, 100, BenchPanel(), wxID_ANY, &group);
    bar->SetSpace(15, 15);
    bar->Bind(&gradient);
    bar->SetDisplayRange(0.0, 1.0);
    RunDrag(state, bar, group, 15, 385, 8, "stop drag step", false);
    bar->Destroy();
    BenchPump();
}
BENCHMARK(BM_StopDragStep)->Unit(benchmark::kMicrosecond);

// Each iteration resizes the field and has it rebuild its face; the counter gives the cost per
// pixel of the face (the field less its border), in seconds.
void BM_HueValueFaceRebuild(benchmark::State& state)
{
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    HueValueControl field(0, 0, w, h, BenchPanel(), wxID_ANY, nullptr);
    BenchPump();
    bool wide = false;
    for (auto _ : state) {
        state.PauseTiming();
        wide = !wide;
        field.SetSize(w + (wide ? 1 : 0), h);
        state.ResumeTiming();
        benchmark::DoNotOptimize(field.GetModel());
    }
    const double pixels = static_cast<double>(w - 6 - HueValueFieldModel::kFirst) * (h - 1 - HueValueFieldModel::kFirst);
    state.counters["per_pixel"] = benchmark::Counter(pixels * static_cast<double>(state.iterations()),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.SetLabel(FaceLabel("hue/value face", wxSize(w, h)));
}
BENCHMARK(BM_HueValueFaceRebuild)->Args({212, 125})->Args({600, 400})->Unit(benchmark::kMicrosecond);

} // namespace
