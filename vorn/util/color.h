#pragma once

namespace vorn {

// Colour and vector value types of the imaging layer. Components are doubles; colours
// run 0.0 to 1.0 per channel (after RGBtoHSV the three hold hue, saturation, value,
// each also 0.0 to 1.0).

struct Color {
    double r = 0.0, g = 0.0, b = 0.0;
    Color() = default;
    Color(double red, double green, double blue) : r(red), g(green), b(blue) {}
    void RGBtoHSV();
    void HSVtoRGB();
    bool operator==(const Color& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Color& o) const { return !(*this == o); }
};

struct ColorA {
    double r = 0.0, g = 0.0, b = 0.0, a = 1.0;
    ColorA() = default;
    ColorA(double red, double green, double blue, double alpha = 1.0) : r(red), g(green), b(blue), a(alpha) {}
    bool operator==(const ColorA& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
    bool operator!=(const ColorA& o) const { return !(*this == o); }
};

inline ColorA CtoCA(const Color& c) { return ColorA(c.r, c.g, c.b, 1.0); }
inline Color CAtoC(const ColorA& c) { return Color(c.r, c.g, c.b); }

struct Vec2d {
    double x = 0.0, y = 0.0;
    Vec2d() = default;
    Vec2d(double x_, double y_) : x(x_), y(y_) {}
    bool operator==(const Vec2d& o) const { return x == o.x && y == o.y; }
};

struct Vec3d {
    double x = 0.0, y = 0.0, z = 0.0;
    Vec3d() = default;
    Vec3d(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}
    bool operator==(const Vec3d& o) const { return x == o.x && y == o.y && z == o.z; }
};

struct Vec4d {
    double x = 0.0, y = 0.0, z = 0.0, w = 0.0;
    Vec4d() = default;
    Vec4d(double x_, double y_, double z_, double w_) : x(x_), y(y_), z(z_), w(w_) {}
    bool operator==(const Vec4d& o) const { return x == o.x && y == o.y && z == o.z && w == o.w; }
};

// Stored as (x, y, z, w); the identity rotation is (0, 0, 0, 1).
struct Quaternion {
    double x = 0.0, y = 0.0, z = 0.0, w = 1.0;
    Quaternion() = default;
    Quaternion(double x_, double y_, double z_, double w_) : x(x_), y(y_), z(z_), w(w_) {}
    bool operator==(const Quaternion& o) const { return x == o.x && y == o.y && z == o.z && w == o.w; }
};

} // namespace vorn
