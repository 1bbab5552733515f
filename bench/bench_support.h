#pragma once
// Benchmarks run inside a started wx (a display is needed: run under xvfb-run).
#include <benchmark/benchmark.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include <vorn/framework/control_group.h>

// A shown frame with a panel to parent controls on, created once per process.
wxPanel* BenchPanel();
// Lets GTK deliver what is pending.
void BenchPump();

// Times a plain copy of a w x h bitmap between two memory contexts: the unit the control
// benchmarks are measured in.
void RunBlit(benchmark::State& state, int w, int h);

// Counts updates, as a host's receiver would look at each.
class CountingReceiver : public vorn::MessageReceiver {
public:
    long updates = 0;
    void OnMessage(unsigned int, vorn::VornControl*, vorn::VornControlHint*) override { ++updates; }
};
