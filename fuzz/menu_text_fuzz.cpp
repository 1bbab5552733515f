// Menu texts over arbitrary bytes (line ends converted as for any text asset).
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "parser_contracts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    ReportBreaches(vorn::fuzzcheck::CheckMenuText(std::string(reinterpret_cast<const char*>(data), size)));
    return 0;
}
