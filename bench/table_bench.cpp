// Building and painting a 1,000 x 4 table (two text columns, two check-box columns):
// VornMonsterBox against wxDataViewListCtrl with the same data, both in every iteration
// of one run, each in a frame of the same size (made, filled, shown, painted, destroyed);
// the ratio is printed as the counter "x_wxDataView". BM_TablePeakRss measures the peak
// resident memory each adds, each in a process of its own (see there).
#include <dlfcn.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/dataview.h>
#include <wx/frame.h>

#include <vorn/assets/image_cache.h>
#include <vorn/text_lists/monster_box.h>

#include "bench_support.h"

using namespace vorn;

namespace {

constexpr int kRows = 1000;
constexpr int kWidth = 440;
constexpr int kHeight = 320;
using Clock = std::chrono::steady_clock;

std::string Name(int i) { return "object " + std::to_string(i + 1); }

const VornwxBitmapCache* CheckImages()
{
    static VornwxBitmapCache cache;
    static bool made = false;
    for (int s = VORN_IMAGE_OFF; !made && s <= VORN_IMAGE_OFF_DOWN; ++s)
        cache.AssignImageOwn(s, new wxBitmap(13, 13, 24));
    made = true;
    return &cache;
}

// The display server draws what a side asked for after the side's calls return; a round trip
// makes each side's time include its own drawing, so that none of it lands in the other
// side's time. The toolkit's display library is loaded already: its sync call is looked up
// by name, which spares the benchmark a link to it.
void SyncWithDisplay()
{
    using GetDisplay = void* (*)();
    using Sync = void (*)(void*);
    static const auto get = reinterpret_cast<GetDisplay>(dlsym(RTLD_DEFAULT, "gdk_display_get_default"));
    static const auto sync = reinterpret_cast<Sync>(dlsym(RTLD_DEFAULT, "gdk_display_sync"));
    if (get && sync && get())
        sync(get());
}

// Both sides end the same way: shown, painted (reading the screen back after the pump found
// each side's rows there), flushed to the display server, destroyed.
void Finish(wxFrame* frame, wxWindow* shown)
{
    frame->Show();
    if (shown)
        shown->Update();
    BenchPump();
    SyncWithDisplay();
    frame->Destroy();
    wxTheApp->ProcessIdle();
    BenchPump();
    SyncWithDisplay();
}

double ShowVornTable()
{
    const auto start = Clock::now();
    auto* frame = new wxFrame(nullptr, wxID_ANY, "", wxPoint(10, 100), wxSize(kWidth, kHeight));
    VornControlGroup group;
    auto* table = new VornMonsterBox(nullptr, nullptr, nullptr, 0, 0, kWidth, kHeight, "bench", frame, wxID_ANY,
                                     &group);
    table->AddColumn("#", *wxWHITE, 60, false);
    table->AddColumn("name", *wxWHITE, 180, false);
    table->AddColumn("visible", *wxWHITE, 70, true);
    table->AddColumn("locked", *wxWHITE, 70, true);
    for (int i = 0; i < kRows; ++i) {
        table->AddEntry(0, std::to_string(i + 1), wxNullColour, false);
        table->AddEntry(1, Name(i), wxNullColour, false);
        table->AddEntry(2, CheckImages(), i % 3 != 0);
        table->AddEntry(3, CheckImages(), i % 7 == 0);
    }
    table->Show();
    Finish(frame, table);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double ShowDataView()
{
    const auto start = Clock::now();
    auto* frame = new wxFrame(nullptr, wxID_ANY, "", wxPoint(10, 100), wxSize(kWidth, kHeight));
    auto* list = new wxDataViewListCtrl(frame, wxID_ANY, wxDefaultPosition, wxSize(kWidth, kHeight));
    list->AppendTextColumn("#", wxDATAVIEW_CELL_INERT, 60);
    list->AppendTextColumn("name", wxDATAVIEW_CELL_INERT, 180);
    list->AppendToggleColumn("visible", wxDATAVIEW_CELL_ACTIVATABLE, 70);
    list->AppendToggleColumn("locked", wxDATAVIEW_CELL_ACTIVATABLE, 70);
    wxVector<wxVariant> row;
    for (int i = 0; i < kRows; ++i) {
        row.clear();
        row.push_back(wxVariant(wxString::Format("%d", i + 1)));
        row.push_back(wxVariant(wxString(Name(i))));
        row.push_back(wxVariant(i % 3 != 0));
        row.push_back(wxVariant(i % 7 == 0));
        list->AppendItem(row);
    }
    Finish(frame, list);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_Table1000x4(benchmark::State& state)
{
    BenchPump();
    // One untimed round first: whichever side runs first would otherwise pay alone for what
    // the process sets up once for both (font configuration, the theme's styles, the image
    // handlers' first use).
    ShowVornTable();
    ShowDataView();
    double vornTotal = 0.0, wxTotal = 0.0;
    for (auto _ : state) {
        const double vorn = ShowVornTable();
        wxTotal += ShowDataView();
        vornTotal += vorn;
        state.SetIterationTime(vorn);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["wxDataView_ms"] = wxTotal / n * 1e3;
    state.counters["x_wxDataView"] = wxTotal > 0.0 ? vornTotal / wxTotal : 0.0;
}
BENCHMARK(BM_Table1000x4)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

constexpr const char* kPartVariable = "VORN_TABLE_BENCH_PART";

// In a child process: runs one part once and prints the process's peak RSS.
void BM_TablePart(benchmark::State& state)
{
    const std::string part = std::getenv(kPartVariable);
    for (auto _ : state) {
        if (part == "vorn")
            ShowVornTable();
        else if (part == "wx")
            ShowDataView();
        else
            Finish(new wxFrame(nullptr, wxID_ANY, "", wxPoint(10, 100), wxSize(kWidth, kHeight)), nullptr);
    }
    PrintPeakKb();
}
const bool kPartRegistered =
    std::getenv(kPartVariable) && benchmark::RegisterBenchmark("BM_TablePart", BM_TablePart)->Iterations(1);

// Peak resident memory: each part runs once in a process of its own (this program, started
// again); the peak RSS (VmHWM) of a process that only shows and destroys an empty frame of
// the same size is subtracted.
void BM_TablePeakRss(benchmark::State& state)
{
    RunPeakRss(state, kPartVariable, "BM_TablePart", "wxDataView");
}
BENCHMARK(BM_TablePeakRss)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
