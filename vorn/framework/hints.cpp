#include <vorn/framework/hints.h>

namespace vorn {

// Out-of-line destructors give each hint class one home for its type information, so
// run-time type tests agree between the library and its hosts.
VornControlHint::~VornControlHint() = default;
VUIControlChanging::~VUIControlChanging() = default;
VUIControlChanged::~VUIControlChanged() = default;
IntValChanging::~IntValChanging() = default;
RealValChanging::~RealValChanging() = default;
StringValChanging::~StringValChanging() = default;
IntValChanged::~IntValChanged() = default;
RealValChanged::~RealValChanged() = default;
StringValChanged::~StringValChanged() = default;

} // namespace vorn
