// Cost of drawing the thumb wheel (120 x 18) and the three dials, and of one drag step
// (motion event -> notifications -> immediate redraw), beside the cost of blitting a
// 200 x 20 bitmap.
#include <cmath>

#include <benchmark/benchmark.h>
#include <wx/dcmemory.h>

#include <vorn/controls/angle_clippers.h>
#include <vorn/controls/angle_control.h>
#include <vorn/controls/thumb_wheel.h>

#include "bench_support.h"

using namespace vorn;

namespace {
constexpr int kWheelW = 120, kWheelH = 18, kPeriod = 300;

// A wheel like the default skin's: ridges every 6 pixels, a frame with an open middle.
struct WheelArt {
    BitmapA frame, texture, mask;
    WheelArt()
    {
        frame.Create(kWheelW, kWheelH, 3);
        texture.Create(kWheelW + kPeriod, kWheelH, 3);
        mask.Create(kWheelW, kWheelH, 3);
        for (int y = 0; y < kWheelH; ++y) {
            for (int x = 0; x < kWheelW; ++x) {
                const bool rim = y < 2 || y >= kWheelH - 2 || x < 4 || x >= kWheelW - 4;
                const unsigned char f[4] = {20, 22, 26, static_cast<unsigned char>(rim ? 255 : 60)};
                std::copy_n(f, 4, frame.PixelAt(x, y));
                const unsigned char m[4] = {255, 255, 255, 255};
                std::copy_n(m, 4, mask.PixelAt(x, y));
            }
            for (int x = 0; x < texture.width; ++x) {
                const unsigned char v = x % 6 < 2 ? 150 : 70;
                const unsigned char t[4] = {v, v, v, 255};
                std::copy_n(t, 4, texture.PixelAt(x, y));
            }
        }
    }
};
WheelArt& GetArt()
{
    static WheelArt art;
    return art;
}

void SendMouse(VornControl* c, wxEventType type, int x, int y, bool held)
{
    wxMouseEvent e(type);
    e.SetPosition(wxPoint(x, y));
    e.SetLeftDown(held);
    c->HandleWindowEvent(e);
}

const ColorA kBack(0.15, 0.16, 0.18, 1.0), kLine(0.77, 0.79, 0.82, 1.0), kSecond(0.43, 0.63, 0.86, 1.0);

VornControl* MakeDial(int kind, VornControlGroupValue* group)
{
    wxPanel* panel = BenchPanel();
    switch (kind) {
    case 1: return new VornAngleControlB(kLine, kBack, 0, 0, 200, 64, panel, wxID_ANY, group);
    case 2: return new VornAngleClippers(kBack, kLine, kSecond, 60, 0, 0, 120, 56, panel, wxID_ANY, group);
    default: return new VornAngleControl(50, 50, 40, 0, 0, 100, 100, panel, wxID_ANY, group);
    }
}

const char* DialName(int kind)
{
    static const char* names[] = {"VornAngleControl @100x100", "VornAngleControlB @200x64", "VornAngleClippers @120x56"};
    return names[kind];
}

void BM_BlitBaseline(benchmark::State& state) { RunBlit(state, 200, 20); }
BENCHMARK(BM_BlitBaseline)->Unit(benchmark::kMicrosecond);

// The blit of a face of the given size, for the ratio of each control to its own face.
void BM_BlitFace(benchmark::State& state)
{
    RunBlit(state, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
}
BENCHMARK(BM_BlitFace)
    ->Args({kWheelW, kWheelH})
    ->Args({100, 100})
    ->Args({200, 64})
    ->Args({120, 56})
    ->Unit(benchmark::kMicrosecond);

void BM_WheelDraw(benchmark::State& state)
{
    WheelArt& a = GetArt();
    auto* wheel = new VornThumbWheelControl(&a.frame, &a.texture, &a.mask, 0, 0, false, kPeriod, BenchPanel(),
                                            wxID_ANY, nullptr);
    wxBitmap target(kWheelW, kWheelH, 24);
    wxMemoryDC dc(target);
    for (auto _ : state)
        wheel->OnDraw(&dc);
    state.SetLabel("VornThumbWheelControl @120x18");
    wheel->Destroy();
}
BENCHMARK(BM_WheelDraw)->Unit(benchmark::kMicrosecond);

void BM_WheelDragStep(benchmark::State& state)
{
    VornControlGroupValue group;
    CountingReceiver receiver;
    group.Register(&receiver);
    WheelArt& a = GetArt();
    auto* wheel =
        new VornThumbWheelControl(&a.frame, &a.texture, &a.mask, 0, 0, false, kPeriod, BenchPanel(), wxID_ANY, &group);
    wheel->SetCurrentValue(35.0f);
    BenchPump();
    SendMouse(wheel, wxEVT_LEFT_DOWN, 10, 9, true);
    int x = 10, step = 3;
    for (auto _ : state) {
        x += step;
        if (x > kWheelW - 10 || x < 10)
            step = -step;
        SendMouse(wheel, wxEVT_MOTION, x, 9, true);
    }
    SendMouse(wheel, wxEVT_LEFT_UP, x, 9, false);
    state.SetLabel("VornThumbWheelControl @120x18");
    state.counters["updates"] = static_cast<double>(receiver.updates);
    group.DeRegister(&receiver);
    wheel->Destroy();
    BenchPump();
}
BENCHMARK(BM_WheelDragStep)->Unit(benchmark::kMicrosecond);

// The plain dial draws only when changed: each of its rounds sets the value first.
void BM_DialDraw(benchmark::State& state)
{
    const int kind = static_cast<int>(state.range(0));
    VornControl* dial = MakeDial(kind, nullptr);
    auto* plain = dynamic_cast<VornAngleControl*>(dial);
    const wxSize size = dial->GetClientSize();
    wxBitmap target(std::max(size.x, 1), std::max(size.y, 1), 24);
    wxMemoryDC dc(target);
    float v = 0.0f;
    for (auto _ : state) {
        v = v > 0.99f ? 0.0f : v + 0.01f;
        if (kind == 0)
            plain->SetValue(v, false);
        dial->OnDraw(&dc);
    }
    state.SetLabel(DialName(kind));
    dial->Destroy();
}
BENCHMARK(BM_DialDraw)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_DialDragStep(benchmark::State& state)
{
    const int kind = static_cast<int>(state.range(0));
    VornControlGroupValue group;
    CountingReceiver receiver;
    group.Register(&receiver);
    VornControl* dial = MakeDial(kind, &group);
    BenchPump();
    // The direction dials follow the pointer round their centre; the clippers go up and down.
    int cx = 50, cy = 50;
    if (kind == 1) {
        cx = 168;
        cy = 32;
    }
    SendMouse(dial, wxEVT_LEFT_DOWN, cx + 20, cy, true);
    double turn = 0.0;
    int y = 0, step = 3;
    for (auto _ : state) {
        if (kind == 2) {
            y += step;
            if (y > 60 || y < 0)
                step = -step;
            SendMouse(dial, wxEVT_MOTION, 60, y, true);
            continue;
        }
        turn += 0.05;
        SendMouse(dial, wxEVT_MOTION, cx + static_cast<int>(30 * std::cos(turn)),
                  cy - static_cast<int>(30 * std::sin(turn)), true);
    }
    SendMouse(dial, wxEVT_LEFT_UP, cx, cy, false);
    state.SetLabel(DialName(kind));
    state.counters["updates"] = static_cast<double>(receiver.updates);
    group.DeRegister(&receiver);
    dial->Destroy();
    BenchPump();
}
BENCHMARK(BM_DialDragStep)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
} // namespace
