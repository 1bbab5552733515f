#pragma once
// The hints the parts of a gradient editor send one another on their control group, so
// the stop bar, the strips and the add strip keep in step over the one bound gradient.
#include <cstdint>

#include <vorn/framework/hints.h>

namespace vorn {

/// Base of every gradient hint.
class GradientControlHint : public VornControlHint {
public:
    ~GradientControlHint() override;
};

/// A stop was selected (index 0: none).
class GradientHintSelect : public GradientControlHint {
public:
    /// Index 0.
    GradientHintSelect() = default;
    /// The given stop.
    explicit GradientHintSelect(uint32_t i) : index(i) {}
    ~GradientHintSelect() override;
    uint32_t index = 0; ///< The newly selected stop.
};

/// A stop was added.
class GradientHintAdd : public GradientControlHint {
public:
    /// Index 0.
    GradientHintAdd() = default;
    /// The given stop.
    explicit GradientHintAdd(uint32_t i) : index(i) {}
    ~GradientHintAdd() override;
    uint32_t index = 0; ///< The added stop.
};

/// A stop was deleted.
class GradientHintDelete : public GradientControlHint {
public:
    /// Index 0.
    GradientHintDelete() = default;
    /// The given stop.
    explicit GradientHintDelete(uint32_t i) : index(i) {}
    ~GradientHintDelete() override;
    uint32_t index = 0; ///< The deleted stop.
};

/// A stop moved (the stop bar also sends it when it toggles a stop's flags).
class GradientHintMove : public GradientControlHint {
public:
    /// Both positions 0.
    GradientHintMove() = default;
    /// A move from one position to another.
    GradientHintMove(double from, double to) : oldPosition(from), newPosition(to) {}
    ~GradientHintMove() override;
    double oldPosition = 0.0; ///< Where the stop was.
    double newPosition = 0.0; ///< Where the stop is now.
};

/// A stop's colour or flags changed.
class GradientHintValue : public GradientControlHint {
public:
    ~GradientHintValue() override;
};

/// The displayed part of the gradient changed.
class GradientHintRange : public GradientControlHint {
public:
    /// The range [0, 0].
    GradientHintRange() = default;
    /// The range [lo, hi].
    GradientHintRange(double lo, double hi) : min(lo), max(hi) {}
    ~GradientHintRange() override;
    double min = 0.0; ///< The displayed range's lower end.
    double max = 0.0; ///< The displayed range's upper end.
};

/// Asks the range strip to scroll one end of the displayed range.
class GradientHintScroll : public GradientControlHint {
public:
    /// End 0, amount 0.
    GradientHintScroll() = default;
    /// The given end (0: minimum, 1: maximum) and amount.
    GradientHintScroll(int32_t whichEnd, double by) : end(whichEnd), amount(by) {}
    ~GradientHintScroll() override;
    int32_t end = 0;     ///< 0 for the minimum end, 1 for the maximum end.
    double amount = 0.0; ///< How far to scroll.
};

/// Redraw from the current state without rebuilding cached faces.
class GradientHintColSmooth : public GradientControlHint {
public:
    ~GradientHintColSmooth() override;
};

} // namespace vorn
