#pragma once
// Tape and texture positions that go round.

namespace vorn::detail {

// p brought into 0..period as repeated subtraction (down to at most period) and addition
// (up to at least 0) would, without looping over long drags or far-off values: a whole
// turn stays a whole turn. No period (0 or less) gives 0.
inline int WrapPosition(long long p, int period)
{
    if (period <= 0)
        return 0;
    if (p > period)
        p = (p - 1) % period + 1;
    else if (p < 0) {
        p %= period;
        if (p < 0)
            p += period;
    }
    return static_cast<int>(p);
}

} // namespace vorn::detail
