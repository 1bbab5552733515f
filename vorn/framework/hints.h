#pragma once
// Hints: what a control tells its group on every update. Receivers find out what
// happened with a run-time type test and read the value from the message part.
#include <string>

namespace vorn {

// Polymorphic base of every hint.
class VornControlHint {
public:
    VornControlHint() = default;
    VornControlHint(const VornControlHint&) = default;
    VornControlHint& operator=(const VornControlHint&) = default;
    virtual ~VornControlHint();
};

// Value holders shared by the "Changing" and "Changed" forms, so a receiver that does
// not care which form it got tests against the message class alone.
class IntValMessage {
public:
    IntValMessage() = default;
    explicit IntValMessage(int v) : value(v) {}
    int value = 0;
};

class RealValMessage {
public:
    RealValMessage() = default;
    explicit RealValMessage(double v) : value(v) {}
    double value = 0.0;
};

class StringValMessage {
public:
    StringValMessage() = default;
    explicit StringValMessage(const std::string& v) : value(v) {}
    std::string value;
};

// Sent while the user is still dragging or typing.
class VUIControlChanging : public VornControlHint {
public:
    ~VUIControlChanging() override;
};

// Sent when a value has been set. No sender in the library sets the flag.
class VUIControlChanged : public VornControlHint {
public:
    ~VUIControlChanged() override;
    bool flag = false;
};

class IntValChanging : public VUIControlChanging, public IntValMessage {
public:
    IntValChanging() = default;
    explicit IntValChanging(int v) : IntValMessage(v) {}
    ~IntValChanging() override;
};

class RealValChanging : public VUIControlChanging, public RealValMessage {
public:
    RealValChanging() = default;
    explicit RealValChanging(double v) : RealValMessage(v) {}
    ~RealValChanging() override;
};

class StringValChanging : public VUIControlChanging, public StringValMessage {
public:
    StringValChanging() = default;
    explicit StringValChanging(const std::string& v) : StringValMessage(v) {}
    ~StringValChanging() override;
};

class IntValChanged : public VUIControlChanged, public IntValMessage {
public:
    IntValChanged() = default;
    explicit IntValChanged(int v) : IntValMessage(v) {}
    ~IntValChanged() override;
};

class RealValChanged : public VUIControlChanged, public RealValMessage {
public:
    RealValChanged() = default;
    explicit RealValChanged(double v) : RealValMessage(v) {}
    ~RealValChanged() override;
};

class StringValChanged : public VUIControlChanged, public StringValMessage {
public:
    StringValChanged() = default;
    explicit StringValChanged(const std::string& v) : StringValMessage(v) {}
    ~StringValChanged() override;
};

} // namespace vorn
