#include <vorn/colour/gradient_hints.h>

namespace vorn {

// Out-of-line destructors anchor each hint's type information in the library, so the
// run-time type tests of hosts and parts agree.
GradientControlHint::~GradientControlHint() = default;
GradientHintSelect::~GradientHintSelect() = default;
GradientHintAdd::~GradientHintAdd() = default;
GradientHintDelete::~GradientHintDelete() = default;
GradientHintMove::~GradientHintMove() = default;
GradientHintValue::~GradientHintValue() = default;
GradientHintRange::~GradientHintRange() = default;
GradientHintScroll::~GradientHintScroll() = default;
GradientHintColSmooth::~GradientHintColSmooth() = default;

} // namespace vorn
