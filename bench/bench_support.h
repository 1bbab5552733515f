#pragma once
// Benchmarks run inside a started wx (a display is needed: run under xvfb-run).
#include <wx/frame.h>
#include <wx/panel.h>

// A shown frame with a panel to parent controls on, created once per process.
wxPanel* BenchPanel();
// Lets GTK deliver what is pending.
void BenchPump();
