#pragma once
// A colour gradient: colour stops at positions, evaluated by linear interpolation between
// the stops in position order and held constant beyond the first and the last.
//
// Stops are addressed by index. An index is given out by AddPoint (1, 2, 3, ...) and stays
// with its stop until the stop is deleted; it is never reused, so 0 always means "no stop".
#include <cstddef>
#include <cstdint>
#include <vector>

#include <vorn/util/color.h>

namespace vorn {

/// One colour stop of a gradient.
struct CONTROL_POINT {
    /// The stop's index, filled in by the gradient (GetPoint, GetClosest, GetSortedPoints);
    /// ignored by AddPoint and SetPoint.
    uint64_t index = 0;
    double position = 0.0; ///< Where the stop sits along the gradient.
    Color colour;          ///< The stop's colour.
    bool flag1 = false;    ///< Kept for the gradient controls, which give it a meaning.
    bool flag2 = false;    ///< Kept for the gradient controls, which give it a meaning.
    bool flag3 = false;    ///< Kept for the gradient controls, which give it a meaning.

    /// A black stop at 0.
    CONTROL_POINT() = default;
    /// A stop of the colour at the position, with its flags.
    CONTROL_POINT(double pos, const Color& c, bool f1 = false, bool f2 = false, bool f3 = false)
        : position(pos), colour(c), flag1(f1), flag2(f2), flag3(f3)
    {
    }
};

/// Colour stops at positions, evaluated by linear interpolation.
class Gradient {
public:
    /// Adds a stop and returns its new index.
    unsigned int AddPoint(const CONTROL_POINT& point);
    /// Replace, remove or read the stop with that index; false when there is none.
    bool SetPoint(unsigned int index, const CONTROL_POINT& point);
    /// Removes the stop with that index; false when there is none.
    bool DeletePoint(unsigned int index);
    /// Reads the stop with that index; false when there is none.
    bool GetPoint(unsigned int index, CONTROL_POINT& point) const;
    /// The stop nearest to the position (of equally near stops, the one added first);
    /// false when the gradient has no stops.
    bool GetClosest(double position, CONTROL_POINT& point) const;
    /// The colour at the position; false, leaving `colour` unchanged, without stops.
    bool GetColour(double position, Color& colour) const;
    /// The stops ordered by position (equal positions in the order they were added).
    std::vector<CONTROL_POINT> GetSortedPoints() const;

    /// The number of stops.
    size_t GetSize() const { return m_points.size(); }
    /// Removes every stop; indices given out later still never repeat earlier ones.
    void Clear() { m_points.clear(); }

private:
    std::vector<CONTROL_POINT> m_points; // in the order added, index filled in
    unsigned int m_nextIndex = 1;
};

} // namespace vorn
