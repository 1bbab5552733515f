#pragma once
// Readable text for a hint, for logs and traces: "RealValChanging 0.25",
// "IntValChanged 3", "StringValChanged \"abc\"", the class name for other hints, or
// "null". Doubles are printed with %g.
#include <string>

namespace vorn {

class VornControlHint;

/// Readable text for a hint (see above).
std::string DescribeHint(const VornControlHint* hint);
/// The hint's class name, demangled; the library's own hints without "vorn::".
std::string HintClassName(const VornControlHint& hint);

} // namespace vorn
