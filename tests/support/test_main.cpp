// Test main of the binaries that drive windows: a GUI wx application is started once per
// process (it needs a display: scripts/with-display.sh provides one).
#include "harness.h"

int main(int argc, char** argv) { return vorntest::RunAllTests(argc, argv, true); }
