// Image scripts over arbitrary text, run as a single image, an image set, an edit skin
// and a list-box skin against a small skin (see parser_contracts.h); a broken promise aborts.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "parser_contracts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    ReportBreaches(vorn::fuzzcheck::CheckImageScript(std::string(reinterpret_cast<const char*>(data), size)));
    return 0;
}
