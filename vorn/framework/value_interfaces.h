#pragma once
// Value interfaces: a host reads and writes a control's value through these without
// knowing the control's class (property-tree rows inherit the ones they edit).
#include <string>

#include <vorn/util/color.h>

namespace vorn {

/// A value of type T that a host reads and writes.
template <class T>
class ValInterface {
public:
    /// Reads the value into `out`.
    virtual void GetValue(T& out) = 0;
    /// Sets the value.
    virtual void SetValue(T value) = 0;

protected:
    // Controls are deleted as windows, never through this interface.
    ~ValInterface() = default;
};

/// An integer value.
class IntVal : public ValInterface<int> {};
/// A real value.
class RealVal : public ValInterface<double> {};
/// A 2D vector value.
class Vec2dVal : public ValInterface<Vec2d> {};
/// A 3D vector value.
class Vec3dVal : public ValInterface<Vec3d> {};
/// A 4D vector value.
class Vec4dVal : public ValInterface<Vec4d> {};
/// A rotation value.
class QuaternionVal : public ValInterface<Quaternion> {};
/// A colour value.
class ColorVal : public ValInterface<Color> {};
/// A colour value with alpha.
class ColorAVal : public ValInterface<ColorA> {};
/// A text value.
class VornStringVal : public ValInterface<std::string> {};

} // namespace vorn
