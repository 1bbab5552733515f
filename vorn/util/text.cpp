#include <vorn/util/text.h>

#include <cmath>
#include <cstdio>

namespace vorn {

std::string ToLower(const std::string& text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string MakeTime(double seconds)
{
    if (!(seconds > 0.0))
        seconds = 0.0;
    if (seconds > 1e15)
        seconds = 1e15; // keep the integer conversion defined
    const long long total = static_cast<long long>(seconds);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%lld:%02lld:%02lld", total / 3600, (total / 60) % 60, total % 60);
    return buffer;
}

std::string MakeDate(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > 1e9)
        value = 0.0;
    // Civil date from a day number (Howard Hinnant's days_from_civil inverse).
    long long z = static_cast<long long>(std::floor(value)) + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long y = yoe + era * 400;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long d = doy - (153 * mp + 2) / 5 + 1;
    const long long m = mp < 10 ? mp + 3 : mp - 9;
    if (m <= 2)
        ++y;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04lld-%02lld-%02lld", y, m, d);
    return buffer;
}

} // namespace vorn
