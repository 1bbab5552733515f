// Test main of the binaries that need no display: wx runs as a console application.
#include "harness.h"

int main(int argc, char** argv) { return vorntest::RunAllTests(argc, argv, false); }
