#pragma once

namespace vorn {

// The on/off face of a button. Groups switch buttons through this interface
// (SetOnControl, SetEnableControl, SetOnAll); VornButton and VirtualButton implement
// it, and only buttons may: the groups treat "is a VornOnOffControl" as "is a button".
/// The on/off state of a button, as groups switch it.
class VornOnOffControl {
public:
    /// Switches the button on or off.
    virtual void SetOn(bool on) = 0;
    /// True when on.
    virtual bool GetOn() const = 0;

protected:
    ~VornOnOffControl() = default;
};

} // namespace vorn
