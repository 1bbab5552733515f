#pragma once
#include <string>

namespace vorn {

/// Folds ASCII letters to lower case; asset names, platforms and languages go through it.
std::string ToLower(const std::string& text);

/// "H:MM:SS" for a number of seconds (negative values count as 0; fractions are dropped).
std::string MakeTime(double seconds);
/// "YYYY-MM-DD" for a day count since 1970-01-01 (the fraction of a day is dropped).
std::string MakeDate(double value);

} // namespace vorn
