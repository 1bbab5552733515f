#pragma once
// The widgets a tree row embeds, wrapped so they follow the row's value: the row
// broadcasts a value message in its value group and each wrapper applies it to its
// widget without notification. A wrapper ignores the updates it sent itself.
#include <vorn/controls/angle_clippers.h>
#include <vorn/controls/angle_control.h>
#include <vorn/controls/button.h>
#include <vorn/controls/slider.h>
#include <vorn/controls/thumb_wheel.h>
#include <vorn/text_lists/edit.h>

namespace vorn {

/// An edit box showing a row's value as text (integer, real or free text by its style).
class VUITreeSubEditBox : public VornEdit {
public:
    using VornEdit::VornEdit;
    /// Shows a real, integer or string message's value.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;
};

/// A toggle following a row's integer value (non-zero: on).
class VUITreeSubButtonToggle : public VornButtonToggle {
public:
    using VornButtonToggle::VornButtonToggle;
    /// Applies an integer message; ignores every other.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;
};

/// Angle clippers following a row's value.
class VUITreeSubAngleClippers : public VornAngleClippers {
public:
    using VornAngleClippers::VornAngleClippers;
    /// Applies a real, integer or string message.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;
};

/// An angle dial following a row's value.
class VUITreeSubAngle : public VornAngleControlB {
public:
    using VornAngleControlB::VornAngleControlB;
    /// Applies a real, integer or string message.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;
};

/// A slider following a row's value.
class VUITreeSubSlider : public VornSliderB {
public:
    using VornSliderB::VornSliderB;
    /// Applies a real, integer or string message.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;
};

/// A thumb wheel following a row's value.
class VUITreeSubThumbWheel : public VornThumbWheelControl {
public:
    using VornThumbWheelControl::VornThumbWheelControl;
    /// Applies a real, integer or string message.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;
};

/// The text an edit box of number style `style` shows for a real.
std::string TreeEditText(double value, int style);
/// The text an edit box of number style `style` shows for an integer.
std::string TreeEditText(int value, int style);
/// The number a text starts with, read in the C locale; 0 when it starts with none.
double TreeLeadingReal(const std::string& text);

} // namespace vorn
