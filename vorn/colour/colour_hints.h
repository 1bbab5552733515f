#pragma once
// The hints the colour picker's parts keep each other in step with. Each
// carries one colour; which form (RGB or HSV) it holds is told by the class.
#include <vorn/framework/hints.h>
#include <vorn/util/color.h>

namespace vorn {

/// Base of the colour hints: the one colour they carry. Receivers test for the
/// derived class, which says what the colour means.
class ColourHint : public VornControlHint {
public:
    /// Black.
    ColourHint() = default;
    /// The given colour.
    explicit ColourHint(const Color& c) : colour(c) { }
    /// Copies the colour.
    ColourHint(const ColourHint&) = default;
    /// Copies the colour.
    ColourHint& operator=(const ColourHint&) = default;
    ~ColourHint() override;
    Color colour; ///< The colour carried.
};

/// The current colour as red, green, blue.
class ColourHintCurrentRGB : public ColourHint {
public:
    using ColourHint::ColourHint;
    ~ColourHintCurrentRGB() override;
};

/// The current colour as hue, saturation, value.
class ColourHintCurrentHSV : public ColourHint {
public:
    using ColourHint::ColourHint;
    ~ColourHintCurrentHSV() override;
};

/// The colour the user started from, as red, green, blue.
class ColourHintPrev : public ColourHint {
public:
    using ColourHint::ColourHint;
    ~ColourHintPrev() override;
};

/// A hue; the picker's parts do not send it.
class ColourHintHue : public ColourHint {
public:
    using ColourHint::ColourHint;
    ~ColourHintHue() override;
};

/// A saturation; the picker's parts do not send it.
class ColourHintSaturation : public ColourHint {
public:
    using ColourHint::ColourHint;
    ~ColourHintSaturation() override;
};

/// A value (brightness); the picker's parts do not send it.
class ColourHintValue : public ColourHint {
public:
    using ColourHint::ColourHint;
    ~ColourHintValue() override;
};

} // namespace vorn
