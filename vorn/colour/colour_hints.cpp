#include <vorn/colour/colour_hints.h>

namespace vorn {

// Out of line so each hint's type information lives in one place.
ColourHint::~ColourHint() = default;
ColourHintCurrentRGB::~ColourHintCurrentRGB() = default;
ColourHintCurrentHSV::~ColourHintCurrentHSV() = default;
ColourHintPrev::~ColourHintPrev() = default;
ColourHintHue::~ColourHintHue() = default;
ColourHintSaturation::~ColourHintSaturation() = default;
ColourHintValue::~ColourHintValue() = default;

} // namespace vorn
