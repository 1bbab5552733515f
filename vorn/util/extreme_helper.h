#pragma once

namespace vorn {

/// Clamping of values into a closed range.
class ExtremeHelper {
public:
    /// Clamps value into [min, max] (min wins if the range is empty).
    template <class T, class U>
    static void ClampValue(U min, U max, T& value)
    {
        if (value > static_cast<T>(max))
            value = static_cast<T>(max);
        if (value < static_cast<T>(min))
            value = static_cast<T>(min);
    }
};

} // namespace vorn
