// The property tree against wxPropertyGrid, each measured beside the other in every
// iteration of one run (the ratio is printed as the counter "x_wxPG"; below 1 Vorn is faster):
// - BM_TreeBuildPaint/N: a frame made, N mixed rows added in nested branches (all expanded),
//   the tree refreshed, the frame shown and flushed until every window in view has painted;
// - BM_TreeScroll/N: from top to bottom one view at a time, each step flushed and painted;
// - BM_TreeToggle: collapsing, then expanding, a branch of 1,000 rows, each flushed;
// - BM_TreePeakRss: the peak resident memory each adds at 10,000 rows, in processes of their own.
// The grid gets the same count of properties (float/int/bool/string/enum) in the same
// nesting of categories. Paints are counted by an event filter, so a step that paints
// nothing shows up in the counters ("paints").
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/propgrid/propgrid.h>
#include <wx/propgrid/props.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/tree/text_rows.h>
#include <vorn/tree/tree_control.h>
#include <vorn/tree/value_rows.h>

#include "bench_support.h"

using namespace vorn;

namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 700;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// Every paint event of the process, by the window it is for.
class PaintFilter : public wxEventFilter {
public:
    PaintFilter() { wxEvtHandler::AddFilter(this); }
    ~PaintFilter() override { wxEvtHandler::RemoveFilter(this); }
    int FilterEvent(wxEvent& event) override
    {
        if (event.GetEventType() == wxEVT_PAINT) {
            ++paints;
            painted.insert(event.GetEventObject());
        }
        return Event_Skip;
    }
    long paints = 0;
    std::set<wxObject*> painted;
};

PaintFilter& Paints()
{
    static PaintFilter filter;
    return filter;
}

// Lets GTK deliver what is pending until `done` (at most 2 s).
void PumpUntil(const std::function<bool()>& done)
{
    const auto end = Clock::now() + std::chrono::seconds(2);
    do
        wxTheApp->Yield(true);
    while (!done() && Clock::now() < end);
}

// The shape both trees take: groups of `group` rows, each a top-level branch holding 60 %
// of them and a nested branch with the rest.
struct Shape {
    int rows;
    int group;
};

// Each group stands for one object of a scene: its rows repeat the same parameter names.
std::string Label(int i) { return "parameter " + std::to_string(i % 100); }

// The mix of row kinds a property panel shows: sliders, check boxes, wheels, text rows
// of reals, vectors and strings, now and then a separator.
VornVUIControl* MakeRow(int i)
{
    AssetManager* a = &BenchAssets();
    const std::string name = Label(i);
    const bool func = i % 4 == 1;
    switch (i % 10) {
    case 0: return new VUITreeSlider(a, name, func, 10.0, 0.0, i % 10 * 0.5, true);
    case 1: return new VUITreeCheckBox(a, name, func);
    case 2: return new VUITreeTextEdits(a, name, func, PTYPE_REAL);
    case 3: return new VUITreeThumbWheel(a, name, func, 100.0, -100.0, 0.0, 0.1, true);
    case 4: return new VUITreeTextEdits(a, name, func, PTYPE_STRING);
    case 5: return new VUITreeSlider(a, name, func, 100.0, 0.0, 50.0, false);
    case 6: return new VUITreeTextEdits(a, name, func, PTYPE_VEC3D);
    case 7: return new VUITreeCheckBox(a, name, func);
    case 8: return new VUITreeTextEdits(a, name, func, PTYPE_INT);
    default: return new VUITreeSeperator(200);
    }
}

wxPGProperty* MakeProperty(int i)
{
    static const wxArrayString choices = [] {
        wxArrayString c;
        for (const char* s : {"linear", "smooth", "step", "spline"})
            c.Add(s);
        return c;
    }();
    const wxString label = Label(i), name = wxString::Format("p%d", i);
    switch (i % 5) {
    case 0: return new wxFloatProperty(label, name, i * 0.5);
    case 1: return new wxIntProperty(label, name, i);
    case 2: return new wxBoolProperty(label, name, i % 2 == 0);
    case 3: return new wxStringProperty(label, name, "text " + std::to_string(i));
    default: return new wxEnumProperty(label, name, choices, wxArrayInt(), i % 4);
    }
}

// Lays the shape out through `branch(parent, name)` (parent null: top level) and
// `add(branch, i)`, the same for both sides; returns the first top-level branch.
template <class Branch, class Add>
auto LayOut(const Shape& shape, Branch branch, Add add)
{
    decltype(branch(nullptr, std::string())) first = nullptr;
    for (int g = 0, row = 0; row < shape.rows; ++g) {
        const auto top = branch(nullptr, "Group " + std::to_string(g));
        const int end = std::min(shape.rows, row + shape.group), split = row + shape.group * 6 / 10;
        for (; row < end && row < split; ++row)
            add(top, row);
        const auto inner = branch(top, "Detail " + std::to_string(g));
        for (; row < end; ++row)
            add(inner, row);
        if (!first)
            first = top;
    }
    return first;
}

// The frame each side is shown in.
wxFrame* NewFrame() { return new wxFrame(nullptr, wxID_ANY, "", wxPoint(10, 10), wxSize(kWidth, kHeight)); }

// A branch made expanded, as the grid's categories are, without a refresh per branch.
void ExpandQuietly(VornBranchNode* branch)
{
    branch->Expand();
    branch->GetHeader()->GetToggleButton()->SetOn(true);
}

struct VornSide {
    wxFrame* frame = nullptr;
    VornMainVUITreeControl* tree = nullptr;
    VornBranchNode* first = nullptr;

    void Build(const Shape& shape)
    {
        frame = NewFrame();
        auto* panel = new wxPanel(frame, wxID_ANY, wxPoint(0, 0), wxSize(kWidth, kHeight));
        tree = new VornMainVUITreeControl(150, &BenchAssets(), 0, 0, kWidth, kHeight, panel, wxID_ANY, nullptr);
        first = LayOut(
            shape,
            [this](VornBranchNode* parent, const std::string& name) {
                VornBranchNode* branch = parent ? AddBranchToEnd(parent, name) : AddBranchToEnd(tree, name);
                ExpandQuietly(branch);
                return branch;
            },
            [](VornBranchNode* branch, int i) { AddToEnd(branch, MakeRow(i)); });
        tree->RefreshTree();
    }
    // Every surface in view has painted.
    bool Painted() const
    {
        for (wxWindow* surface : tree->GetTreeRoot()->GetRootControl()->GetChildren())
            if (surface->IsShown() && !Paints().painted.count(surface))
                return false;
        return Paints().painted.count(tree->GetTreeRoot()->GetRootControl()) > 0;
    }
    int ViewHeight() const { return tree->GetTreeRoot()->GetRootControl()->GetHeight(); }
    int ContentHeight() const { return tree->GetTreeRoot()->GetHeight(); }
    void ScrollTo(int y)
    {
        if (range < 0)
            range = ContentHeight() - ViewHeight();
        tree->GetScrollBar()->SetSliderVal(range > 0 ? std::min(1.0, double(y) / range) : 0.0, true);
    }
    int range = -1; // of the slider, in pixels
};

struct GridSide {
    wxFrame* frame = nullptr;
    wxPropertyGrid* grid = nullptr;
    wxPGProperty* first = nullptr;

    void Build(const Shape& shape)
    {
        frame = NewFrame();
        grid = new wxPropertyGrid(frame, wxID_ANY, wxDefaultPosition, wxSize(kWidth, kHeight),
                                  wxPG_DEFAULT_STYLE | wxPG_SPLITTER_AUTO_CENTER);
        first = LayOut(
            shape,
            [this](wxPGProperty* parent, const std::string& name) {
                auto* category = new wxPropertyCategory(name);
                return parent ? grid->AppendIn(parent, category) : grid->Append(category);
            },
            [this](wxPGProperty* category, int i) { grid->AppendIn(category, MakeProperty(i)); });
    }
    bool Painted() const { return Paints().painted.count(grid) > 0; }
    int ViewHeight() const { return grid->GetClientSize().y; }
    int ContentHeight() const { return grid->GetVirtualSize().y; }
    void ScrollTo(int y)
    {
        int unit = 1;
        grid->GetScrollPixelsPerUnit(nullptr, &unit);
        grid->Scroll(-1, y / std::max(unit, 1));
    }
};

template <class Side>
void Destroy(Side& side)
{
    side.frame->Destroy();
    wxTheApp->ProcessIdle();
    BenchPump();
}

// Made, filled, shown and flushed until everything in view painted; seconds.
template <class Side>
double BuildAndPaint(Side& side, const Shape& shape)
{
    Paints().painted.clear();
    const auto start = Clock::now();
    side.Build(shape);
    side.frame->Show();
    side.frame->Update();
    PumpUntil([&] { return side.Painted(); });
    return Seconds(start);
}

// Top to bottom, one view per step, each step flushed; seconds, and the steps taken.
template <class Side>
double ScrollThrough(Side& side, int& steps, long& paints)
{
    const int view = side.ViewHeight(), end = std::max(0, side.ContentHeight() - view);
    const long before = Paints().paints;
    steps = 0;
    const auto start = Clock::now();
    for (int y = view; ; y += view) {
        side.ScrollTo(std::min(y, end));
        side.frame->Update();
        ++steps;
        if (y >= end)
            break;
    }
    const double seconds = Seconds(start);
    paints = Paints().paints - before;
    side.ScrollTo(0);
    side.frame->Update();
    return seconds;
}

void BM_TreeBuildPaint(benchmark::State& state)
{
    const Shape shape{static_cast<int>(state.range(0)), 100};
    BenchAssets();
    // One untimed round of each side first: whichever side runs first would otherwise pay
    // alone for what the process sets up once for both (fonts, the theme, the first frame).
    {
        VornSide vorn;
        BuildAndPaint(vorn, {100, 100});
        Destroy(vorn);
        GridSide grid;
        BuildAndPaint(grid, {100, 100});
        Destroy(grid);
    }
    double vornTotal = 0.0, wxTotal = 0.0;
    for (auto _ : state) {
        VornSide vorn;
        const double v = BuildAndPaint(vorn, shape);
        Destroy(vorn);
        GridSide grid;
        wxTotal += BuildAndPaint(grid, shape);
        Destroy(grid);
        vornTotal += v;
        state.SetIterationTime(v);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["wxPG_ms"] = wxTotal / n * 1e3;
    state.counters["x_wxPG"] = wxTotal > 0.0 ? vornTotal / wxTotal : 0.0;
}
BENCHMARK(BM_TreeBuildPaint)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_TreeScroll(benchmark::State& state)
{
    const Shape shape{static_cast<int>(state.range(0)), 100};
    VornSide vorn;
    GridSide grid;
    BuildAndPaint(vorn, shape);
    BuildAndPaint(grid, shape);
    double vornTotal = 0.0, wxTotal = 0.0;
    int vornSteps = 0, wxSteps = 0;
    long vornPaints = 0, wxPaints = 0;
    for (auto _ : state) {
        const double v = ScrollThrough(vorn, vornSteps, vornPaints);
        wxTotal += ScrollThrough(grid, wxSteps, wxPaints);
        vornTotal += v;
        state.SetIterationTime(v);
    }
    // The toolkit windows the tree holds after scrolling through: a view's worth, not the content's.
    state.counters["surfaces"] = static_cast<double>(vorn.tree->GetTreeRoot()->GetRootControl()->GetChildren().size());
    Destroy(vorn);
    Destroy(grid);
    const double n = static_cast<double>(state.iterations());
    state.counters["steps"] = vornSteps;
    state.counters["paints"] = static_cast<double>(vornPaints);
    state.counters["wxPG_steps"] = wxSteps;
    state.counters["wxPG_paints"] = static_cast<double>(wxPaints);
    state.counters["wxPG_ms"] = wxTotal / n * 1e3;
    state.counters["x_wxPG"] = wxTotal > 0.0 ? vornTotal / wxTotal : 0.0;
    state.counters["x_wxPG_per_step"] =
        wxTotal > 0.0 && vornSteps > 0 ? (vornTotal / vornSteps) / (wxTotal / wxSteps) : 0.0;
}
BENCHMARK(BM_TreeScroll)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// Collapsing and expanding the first of ten branches of 1,000 rows, each flushed.
void BM_TreeToggle(benchmark::State& state)
{
    const Shape shape{10000, 1000};
    VornSide vorn;
    GridSide grid;
    BuildAndPaint(vorn, shape);
    BuildAndPaint(grid, shape);
    double vornCollapse = 0.0, vornExpand = 0.0, wxCollapse = 0.0, wxExpand = 0.0;
    const auto timed = [](wxFrame* frame, const std::function<void()>& act) {
        const auto start = Clock::now();
        act();
        frame->Update();
        return Seconds(start);
    };
    for (auto _ : state) {
        const double c = timed(vorn.frame, [&] { vorn.first->Col(); });
        const double e = timed(vorn.frame, [&] { vorn.first->Exp(); });
        wxCollapse += timed(grid.frame, [&] { grid.grid->Collapse(grid.first); });
        wxExpand += timed(grid.frame, [&] { grid.grid->Expand(grid.first); });
        vornCollapse += c;
        vornExpand += e;
        state.SetIterationTime(c + e);
    }
    Destroy(vorn);
    Destroy(grid);
    const double n = static_cast<double>(state.iterations());
    state.counters["collapse_ms"] = vornCollapse / n * 1e3;
    state.counters["expand_ms"] = vornExpand / n * 1e3;
    state.counters["wxPG_collapse_ms"] = wxCollapse / n * 1e3;
    state.counters["wxPG_expand_ms"] = wxExpand / n * 1e3;
    state.counters["x_wxPG"] = wxCollapse + wxExpand > 0.0 ? (vornCollapse + vornExpand) / (wxCollapse + wxExpand) : 0.0;
}
BENCHMARK(BM_TreeToggle)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// ---- Peak resident memory, each side in a process of its own ----

constexpr const char* kPartVariable = "VORN_TREE_BENCH_PART";

// In the child: builds and paints one side once (or only an empty frame) and prints the peak.
void BM_TreePart(benchmark::State& state)
{
    const std::string part = std::getenv(kPartVariable);
    const Shape shape{10000, 100};
    for (auto _ : state) {
        if (part == "vorn") {
            VornSide side;
            BuildAndPaint(side, shape);
            Destroy(side);
        } else if (part == "wx") {
            GridSide side;
            BuildAndPaint(side, shape);
            Destroy(side);
        } else {
            auto* frame = NewFrame();
            frame->Show();
            BenchPump();
            frame->Destroy();
            BenchPump();
        }
    }
    PrintPeakKb();
}
const bool kPartRegistered =
    std::getenv(kPartVariable) && benchmark::RegisterBenchmark("BM_TreePart", BM_TreePart)->Iterations(1);

// Each side's peak less that of a process that only showed an empty frame.
void BM_TreePeakRss(benchmark::State& state)
{
    RunPeakRss(state, kPartVariable, "BM_TreePart", "wxPG");
}
BENCHMARK(BM_TreePeakRss)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
