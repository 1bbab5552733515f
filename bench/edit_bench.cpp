// One keystroke into a single-line box with its repaint, for VornEdit and for the toolkit's
// own wxTextCtrl in the same run (printed as a ratio at the end), and a megabyte pasted.
#include <chrono>
#include <cstdio>
#include <string>

#include <benchmark/benchmark.h>
#include <wx/clipbrd.h>
#include <wx/textctrl.h>

#include <vorn/text_lists/edit.h>

#include "bench_support.h"

using namespace vorn;

namespace {
constexpr int kW = 120, kH = 20;

// Microseconds per keystroke of each box, printed side by side when the process ends.
struct Ratio {
    double edit = 0.0, native = 0.0;
    ~Ratio()
    {
        if (edit > 0.0 && native > 0.0)
            std::printf("\nkeystroke + repaint: VornEdit %.1f us, wxTextCtrl %.1f us, ratio %.2f\n", edit, native,
                        edit / native);
    }
} g_ratio;

// Runs `keystroke` once per iteration and returns the mean wall time in microseconds.
template <class F>
double Timed(benchmark::State& state, F keystroke)
{
    const auto start = std::chrono::steady_clock::now();
    long n = 0;
    for (auto _ : state)
        keystroke(n++);
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    return n ? spent.count() / n : 0.0;
}

VornEdit* MakeEdit()
{
    VornEditInfo info;
    info.x = 5, info.y = 3, info.width = kW - 10, info.height = kH - 6;
    info.textColour = *wxBLACK, info.highlightColour = *wxBLUE, info.backgroundColour = *wxWHITE;
    auto* box = new VornEdit(nullptr, info, 0, 0, BenchPanel(), wxID_ANY, true, 2, nullptr);
    box->SetText("some text", false);
    wxFocusEvent focus(wxEVT_SET_FOCUS);
    box->HandleWindowEvent(focus);
    BenchPump();
    return box;
}

void Char(wxWindow* w, int code, bool control = false)
{
    wxKeyEvent e(wxEVT_CHAR);
    e.m_keyCode = e.m_uniChar = code;
    e.SetControlDown(control);
    w->HandleWindowEvent(e);
}

void BM_BlitBaseline(benchmark::State& state) { RunBlit(state, 200, 20); }
BENCHMARK(BM_BlitBaseline)->Unit(benchmark::kMicrosecond);

void BM_BlitFace(benchmark::State& state) { RunBlit(state, kW, kH); }
BENCHMARK(BM_BlitFace)->Args({kW, kH})->Unit(benchmark::kMicrosecond);

// A character, then Backspace: every iteration is one edit and its synchronous repaint.
void BM_EditKeystroke(benchmark::State& state)
{
    VornEdit* box = MakeEdit();
    g_ratio.edit = Timed(state, [box](long n) {
        Char(box, n % 2 ? WXK_BACK : 'x');
        box->Update();
    });
    state.SetLabel("VornEdit @120x20");
    box->Destroy();
    BenchPump();
}
BENCHMARK(BM_EditKeystroke)->Unit(benchmark::kMicrosecond);

void BM_TextCtrlKeystroke(benchmark::State& state)
{
    auto* ctrl = new wxTextCtrl(BenchPanel(), wxID_ANY, "some text", wxPoint(0, 30), wxSize(kW, kH));
    ctrl->SetFocus();
    ctrl->SetInsertionPointEnd();
    BenchPump();
    g_ratio.native = Timed(state, [ctrl](long n) {
        if (n % 2)
            ctrl->Remove(ctrl->GetLastPosition() - 1, ctrl->GetLastPosition());
        else
            ctrl->WriteText("x");
        ctrl->Update();
    });
    state.SetLabel("wxTextCtrl @120x20");
    ctrl->Destroy();
    BenchPump();
}
BENCHMARK(BM_TextCtrlKeystroke)->Unit(benchmark::kMicrosecond);

// Select all and paste a megabyte (clipboard transfer included), then one keystroke.
void BM_EditPasteMegabyte(benchmark::State& state)
{
    VornEdit* box = MakeEdit();
    if (wxTheClipboard->Open()) {
        wxTheClipboard->SetData(new wxTextDataObject(wxString(1 << 20, 'x')));
        wxTheClipboard->Close();
    }
    for (auto _ : state) {
        Char(box, 'a', true);
        Char(box, 'v', true);
        Char(box, 'y');
        box->Update();
    }
    std::string text;
    box->GetText(text);
    state.counters["chars"] = static_cast<double>(text.size());
    box->Destroy();
    BenchPump();
}
BENCHMARK(BM_EditPasteMegabyte)->Iterations(3)->Unit(benchmark::kMillisecond);
} // namespace
