// The colour database script over arbitrary text.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "parser_contracts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    ReportBreaches(vorn::fuzzcheck::CheckColourScript(std::string(reinterpret_cast<const char*>(data), size)));
    return 0;
}
