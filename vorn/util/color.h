#pragma once

namespace vorn {

// Colour and vector value types of the imaging layer. Components are doubles; colours
// run 0.0 to 1.0 per channel (after RGBtoHSV the three hold hue, saturation, value,
// each also 0.0 to 1.0).

/// An opaque colour: red, green and blue in 0.0 to 1.0.
struct Color {
    double r = 0.0; ///< Red (hue after RGBtoHSV).
    double g = 0.0; ///< Green (saturation after RGBtoHSV).
    double b = 0.0; ///< Blue (value after RGBtoHSV).
    /// Black.
    Color() = default;
    /// The colour of the three components.
    Color(double red, double green, double blue) : r(red), g(green), b(blue) {}
    /// Turns red, green, blue into hue, saturation, value in place.
    void RGBtoHSV();
    /// Turns hue, saturation, value into red, green, blue in place (hue wraps at 1.0).
    void HSVtoRGB();
    /// True when all three components are equal.
    bool operator==(const Color& o) const { return r == o.r && g == o.g && b == o.b; }
    /// True when any component differs.
    bool operator!=(const Color& o) const { return !(*this == o); }
};

/// A colour with alpha: red, green, blue and alpha in 0.0 to 1.0.
struct ColorA {
    double r = 0.0; ///< Red.
    double g = 0.0; ///< Green.
    double b = 0.0; ///< Blue.
    double a = 1.0; ///< Alpha: 1.0 is opaque.
    /// Opaque black.
    ColorA() = default;
    /// The colour of the four components (opaque unless alpha is given).
    ColorA(double red, double green, double blue, double alpha = 1.0) : r(red), g(green), b(blue), a(alpha) {}
    /// True when all four components are equal.
    bool operator==(const ColorA& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
    /// True when any component differs.
    bool operator!=(const ColorA& o) const { return !(*this == o); }
};

/// The opaque ColorA of a colour.
inline ColorA CtoCA(const Color& c) { return ColorA(c.r, c.g, c.b, 1.0); }
/// The colour of a ColorA, alpha dropped.
inline Color CAtoC(const ColorA& c) { return Color(c.r, c.g, c.b); }

/// Two doubles, stored and passed by value.
struct Vec2d {
    double x = 0.0; ///< First component.
    double y = 0.0; ///< Second component.
    /// Zero.
    Vec2d() = default;
    /// The vector of the two components.
    Vec2d(double x_, double y_) : x(x_), y(y_) {}
    /// True when both components are equal.
    bool operator==(const Vec2d& o) const { return x == o.x && y == o.y; }
};

/// Three doubles, stored and passed by value.
struct Vec3d {
    double x = 0.0; ///< First component.
    double y = 0.0; ///< Second component.
    double z = 0.0; ///< Third component.
    /// Zero.
    Vec3d() = default;
    /// The vector of the three components.
    Vec3d(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}
    /// True when all components are equal.
    bool operator==(const Vec3d& o) const { return x == o.x && y == o.y && z == o.z; }
};

/// Four doubles, stored and passed by value.
struct Vec4d {
    double x = 0.0; ///< First component.
    double y = 0.0; ///< Second component.
    double z = 0.0; ///< Third component.
    double w = 0.0; ///< Fourth component.
    /// Zero.
    Vec4d() = default;
    /// The vector of the four components.
    Vec4d(double x_, double y_, double z_, double w_) : x(x_), y(y_), z(z_), w(w_) {}
    /// True when all components are equal.
    bool operator==(const Vec4d& o) const { return x == o.x && y == o.y && z == o.z && w == o.w; }
};

/// A rotation as four doubles, stored as (x, y, z, w); the identity is (0, 0, 0, 1).
struct Quaternion {
    double x = 0.0; ///< First vector component.
    double y = 0.0; ///< Second vector component.
    double z = 0.0; ///< Third vector component.
    double w = 1.0; ///< Scalar component.
    /// The identity rotation.
    Quaternion() = default;
    /// The quaternion of the four components.
    Quaternion(double x_, double y_, double z_, double w_) : x(x_), y(y_), z(z_), w(w_) {}
    /// True when all components are equal.
    bool operator==(const Quaternion& o) const { return x == o.x && y == o.y && z == o.z && w == o.w; }
};

} // namespace vorn
