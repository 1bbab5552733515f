#pragma once
// Value interfaces: a host reads and writes a control's value through these without
// knowing the control's class (property-tree rows inherit the ones they edit).
#include <string>

#include <vorn/util/color.h>

namespace vorn {

template <class T>
class ValInterface {
public:
    virtual void GetValue(T& out) = 0;
    virtual void SetValue(T value) = 0;

protected:
    // Controls are deleted as windows, never through this interface.
    ~ValInterface() = default;
};

class IntVal : public ValInterface<int> {};
class RealVal : public ValInterface<double> {};
class Vec2dVal : public ValInterface<Vec2d> {};
class Vec3dVal : public ValInterface<Vec3d> {};
class Vec4dVal : public ValInterface<Vec4d> {};
class QuaternionVal : public ValInterface<Quaternion> {};
class ColorVal : public ValInterface<Color> {};
class ColorAVal : public ValInterface<ColorA> {};
class VornStringVal : public ValInterface<std::string> {};

} // namespace vorn
