#pragma once
// Hints: what a control tells its group on every update. Receivers find out what
// happened with a run-time type test and read the value from the message part.
#include <string>

namespace vorn {

/// Polymorphic base of every hint.
class VornControlHint {
public:
    /// An empty hint.
    VornControlHint() = default;
    /// Hints copy as plain values.
    VornControlHint(const VornControlHint&) = default;
    /// Hints assign as plain values.
    VornControlHint& operator=(const VornControlHint&) = default;
    virtual ~VornControlHint();
};

// Value holders shared by the "Changing" and "Changed" forms, so a receiver that does
// not care which form it got tests against the message class alone.
/// An integer value of a hint.
class IntValMessage {
public:
    /// Value 0.
    IntValMessage() = default;
    /// The given value.
    explicit IntValMessage(int v) : value(v) {}
    int value = 0; ///< The value carried.
};

/// A real value of a hint.
class RealValMessage {
public:
    /// Value 0.
    RealValMessage() = default;
    /// The given value.
    explicit RealValMessage(double v) : value(v) {}
    double value = 0.0; ///< The value carried.
};

/// A text value of a hint.
class StringValMessage {
public:
    /// The empty text.
    StringValMessage() = default;
    /// The given text.
    explicit StringValMessage(const std::string& v) : value(v) {}
    std::string value; ///< The text carried.
};

/// Sent while the user is still dragging or typing.
class VUIControlChanging : public VornControlHint {
public:
    ~VUIControlChanging() override;
};

/// Sent when a value has been set. No sender in the library sets the flag.
class VUIControlChanged : public VornControlHint {
public:
    ~VUIControlChanged() override;
    bool flag = false; ///< Free for the host; the library leaves it false.
};

/// An integer while it changes.
class IntValChanging : public VUIControlChanging, public IntValMessage {
public:
    /// Value 0 (empty text).
    IntValChanging() = default;
    /// The given value.
    explicit IntValChanging(int v) : IntValMessage(v) {}
    ~IntValChanging() override;
};

/// A real value while it changes.
class RealValChanging : public VUIControlChanging, public RealValMessage {
public:
    /// Value 0 (empty text).
    RealValChanging() = default;
    /// The given value.
    explicit RealValChanging(double v) : RealValMessage(v) {}
    ~RealValChanging() override;
};

/// A text while it is typed.
class StringValChanging : public VUIControlChanging, public StringValMessage {
public:
    /// Value 0 (empty text).
    StringValChanging() = default;
    /// The given value.
    explicit StringValChanging(const std::string& v) : StringValMessage(v) {}
    ~StringValChanging() override;
};

/// An integer once set.
class IntValChanged : public VUIControlChanged, public IntValMessage {
public:
    /// Value 0 (empty text).
    IntValChanged() = default;
    /// The given value.
    explicit IntValChanged(int v) : IntValMessage(v) {}
    ~IntValChanged() override;
};

/// A real value once set.
class RealValChanged : public VUIControlChanged, public RealValMessage {
public:
    /// Value 0 (empty text).
    RealValChanged() = default;
    /// The given value.
    explicit RealValChanged(double v) : RealValMessage(v) {}
    ~RealValChanged() override;
};

/// A text once set.
class StringValChanged : public VUIControlChanged, public StringValMessage {
public:
    /// Value 0 (empty text).
    StringValChanged() = default;
    /// The given value.
    explicit StringValChanged(const std::string& v) : StringValMessage(v) {}
    ~StringValChanged() override;
};

} // namespace vorn
