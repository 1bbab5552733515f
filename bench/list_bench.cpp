// Opening the pop-up of a 10,000-line list box (click -> placed, shown, painted -> Escape ->
// destroyed) against showing a wxListBox with the same 10,000 lines in a frame of the
// same size (made, filled, shown, painted, destroyed), both in every iteration of one run;
// the ratio is printed as the counter "x_wxListBox". Drawing the open pop-up once is
// timed on its own.
#include <chrono>
#include <string>

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/arrstr.h>
#include <wx/dcmemory.h>
#include <wx/listbox.h>

#include <vorn/text_lists/list_box.h>
#include <vorn/text_lists/list_popup.h>

#include "bench_support.h"

using namespace vorn;

namespace {

constexpr int kLines = 10000;
using Clock = std::chrono::steady_clock;

std::string LineText(int i) { return "Line " + std::to_string(i + 1); }

VornListBox* MakeBox(VornControlGroup* group, VornListBoxInfo& info)
{
    info.x = 4;
    info.y = 2;
    info.width = 140;
    info.height = 16;
    info.textColour = *wxWHITE;
    info.expandValue = 200;
    auto* box = new VornListBox(info, 10, 100, BenchPanel(), wxID_ANY, group);
    for (int i = 0; i < kLines; ++i)
        box->Append(LineText(i));
    box->SetSelected(kLines / 2, false);
    return box;
}

void Send(wxWindow* w, wxEvent& event)
{
    event.SetEventObject(w);
    w->HandleWindowEvent(event);
}

double OpenAndClose(VornListBox* box)
{
    const auto start = Clock::now();
    wxMouseEvent down(wxEVT_LEFT_DOWN);
    down.SetPosition(wxPoint(5, 5));
    down.SetLeftDown(true);
    Send(box, down);
    ExpandedVornListBox* popup = box->GetExpandedBox();
    if (popup) {
        popup->Refresh(false);
        popup->Update();
        BenchPump();
        wxKeyEvent escape(wxEVT_KEY_DOWN);
        escape.m_keyCode = WXK_ESCAPE;
        Send(popup, escape);
    }
    wxTheApp->ProcessIdle(); // the closed pop-up is deleted here
    BenchPump();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double ShowWxListBox(const wxArrayString& lines, const wxSize& size)
{
    const auto start = Clock::now();
    auto* frame = new wxFrame(nullptr, wxID_ANY, "", wxPoint(10, 100), size);
    auto* list = new wxListBox(frame, wxID_ANY, wxDefaultPosition, size);
    list->Set(lines);
    list->SetSelection(kLines / 2);
    frame->Show();
    list->Update();
    BenchPump();
    frame->Destroy();
    wxTheApp->ProcessIdle();
    BenchPump();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_ListPopupOpen10k(benchmark::State& state)
{
    VornControlGroup group;
    VornListBoxInfo info;
    VornListBox* box = MakeBox(&group, info);
    wxArrayString lines;
    for (int i = 0; i < kLines; ++i)
        lines.Add(LineText(i));
    BenchPump();
    double vornTotal = 0.0, wxTotal = 0.0;
    for (auto _ : state) {
        const double vorn = OpenAndClose(box);
        wxTotal += ShowWxListBox(lines, wxSize(box->GetWidth(), 200));
        vornTotal += vorn;
        state.SetIterationTime(vorn);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["wxListBox_ms"] = wxTotal / n * 1e3;
    state.counters["x_wxListBox"] = wxTotal > 0.0 ? vornTotal / wxTotal : 0.0;
    box->Destroy();
    BenchPump();
}
BENCHMARK(BM_ListPopupOpen10k)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// One full paint of the open pop-up into memory: only the visible lines are drawn.
void BM_ListPopupRender10k(benchmark::State& state)
{
    VornControlGroup group;
    VornListBoxInfo info;
    VornListBox* box = MakeBox(&group, info);
    wxMouseEvent down(wxEVT_LEFT_DOWN);
    down.SetPosition(wxPoint(5, 5));
    down.SetLeftDown(true);
    Send(box, down);
    ExpandedVornListBox* popup = box->GetExpandedBox();
    const wxSize size = popup ? popup->GetClientSize() : wxSize(1, 1);
    wxBitmap target(size.x, size.y, 24);
    wxMemoryDC dc(target);
    for (auto _ : state)
        if (popup)
            popup->Render(dc);
    state.SetLabel("ExpandedVornListBox @" + std::to_string(size.x) + "x" + std::to_string(size.y));
    box->Destroy();
    wxTheApp->ProcessIdle();
    BenchPump();
}
BENCHMARK(BM_ListPopupRender10k)->Unit(benchmark::kMicrosecond);

} // namespace
