#pragma once
// Shared set-up of the fuzz targets: the toolkit is started once, diagnostics are
// dropped, and a toolkit assertion counts as a crash (bad input must be caught before
// it reaches the toolkit).
#include <cstddef>
#include <cstdint>
#include <string>

namespace vorn {
class AssetManager;
}

void FuzzSetUp();

// A manager holding one asset of the given name whose bytes are `data`. The bytes must
// outlive the manager's use of the asset.
void AddFuzzAsset(vorn::AssetManager& manager, const char* name, std::string& data);
