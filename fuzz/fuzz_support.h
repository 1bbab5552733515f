#pragma once
// Shared set-up of the fuzz targets: the toolkit is started once, diagnostics are
// dropped, and a toolkit assertion counts as a crash (bad input must be caught before
// it reaches the toolkit).
#include <string>
#include <vector>

void FuzzSetUp();

// Prints each broken promise and aborts when there is one, so that the fuzzer keeps the input.
void ReportBreaches(const std::vector<std::string>& breaches);
