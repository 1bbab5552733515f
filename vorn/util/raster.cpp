#include <vorn/util/raster.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include <vorn/util/detail/unit_bytes.h>

namespace vorn {

namespace {
using detail::kPi;
constexpr double kEps = 1e-9;

bool Finite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

// Writes one pixel at the given coverage: full coverage sets it, partial blends.
void Plot(Filter& f, int x, int y, const ColorA& c, double coverage)
{
    if (coverage >= 1.0 - kEps)
        f.WritePixel(x, y, c);
    else if (coverage > kEps)
        f.WritePixelI(x, y, c, coverage);
}

// The whole-pixel range [lo, hi] covering [a, b] on an axis of n pixels; empty if lo > hi.
std::pair<int, int> PixelRange(double a, double b, int n)
{
    const double lo = std::max(std::ceil(std::min(a, b)), 0.0);
    const double hi = std::min(std::floor(std::max(a, b)), double(n) - 1.0);
    if (lo > hi)
        return {1, 0};
    return {static_cast<int>(lo), static_cast<int>(hi)};
}

// The outline of the ellipse about (cx, cy) with radii rx, ry, one pixel wide (equal
// radii take the exact circle distance, also for 0). With a quadrant (qx, qy non-zero)
// only pixels on that side of both axes are drawn.
void EllipseOutline(Filter& f, double cx, double cy, double rx, double ry, int qx, int qy,
                    const ColorA& c)
{
    const auto xs = PixelRange(cx - rx - 1.0, cx + rx + 1.0, f.GetWidth());
    const auto ys = PixelRange(cy - ry - 1.0, cy + ry + 1.0, f.GetHeight());
    const bool circle = rx == ry;
    for (int y = ys.first; y <= ys.second; ++y) {
        const double dy = y - cy;
        if (qy * dy < 0.0)
            continue;
        for (int x = xs.first; x <= xs.second; ++x) {
            const double dx = x - cx;
            if (qx * dx < 0.0)
                continue;
            double d;
            if (circle) {
                d = std::fabs(std::hypot(dx, dy) - rx);
            } else {
                // Distance to the ellipse, to first order: the implicit function over
                // its gradient.
                const double k0 = std::hypot(dx / rx, dy / ry);
                const double k1 = std::hypot(dx / (rx * rx), dy / (ry * ry));
                d = k1 > 0.0 ? std::fabs(k0 * (k0 - 1.0) / k1) : std::min(rx, ry);
            }
            Plot(f, x, y, c, 1.0 - d);
        }
    }
}

int Sign(double v) { return v > 0.0 ? 1 : (v < 0.0 ? -1 : 0); }
} // namespace

bool Clear(Filter& filter, const ColorA& colour)
{
    const int w = filter.GetWidth(), h = filter.GetHeight();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            filter.WritePixel(x, y, colour);
    return true;
}

bool Copy(Filter& dst, Filter& src)
{
    const int w = std::min(dst.GetWidth(), src.GetWidth());
    const int h = std::min(dst.GetHeight(), src.GetHeight());
    ColorA c;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (src.ReadPixel(c, x, y))
                dst.WritePixel(x, y, c);
    return true;
}

namespace {
bool BlitImpl(Filter& dst, Filter& src, Filter* mask, int x, int y)
{
    // Source columns and rows that land inside dst.
    const auto xs = PixelRange(-double(x), double(dst.GetWidth()) - 1.0 - x, src.GetWidth());
    const auto ys = PixelRange(-double(y), double(dst.GetHeight()) - 1.0 - y, src.GetHeight());
    ColorA c, m, d;
    for (int sy = ys.first; sy <= ys.second; ++sy) {
        for (int sx = xs.first; sx <= xs.second; ++sx) {
            if (!src.ReadPixel(c, sx, sy))
                continue;
            double w = c.a;
            if (mask) {
                if (!mask->ReadPixel(m, sx, sy))
                    continue;
                w *= (m.r + m.g + m.b) / 3.0 * m.a;
            }
            if (w <= kEps)
                continue;
            const int dx = sx + x, dy = sy + y;
            if (w >= 1.0 - kEps) {
                dst.WritePixel(dx, dy, ColorA(c.r, c.g, c.b, 1.0));
                continue;
            }
            if (!dst.ReadPixel(d, dx, dy))
                continue;
            // "Source over": over an opaque pixel this is a plain blend by w; over a
            // transparent one the colour stays the source's and only alpha is partial.
            const double a = w + d.a * (1.0 - w);
            const double k = d.a * (1.0 - w);
            dst.WritePixel(dx, dy, ColorA((c.r * w + d.r * k) / a, (c.g * w + d.g * k) / a, (c.b * w + d.b * k) / a, a));
        }
    }
    return true;
}
} // namespace

bool Blit(Filter& dst, Filter& src, int x, int y) { return BlitImpl(dst, src, nullptr, x, y); }

bool Blit(Filter& dst, Filter& src, Filter& mask, int x, int y) { return BlitImpl(dst, src, &mask, x, y); }

bool DrawLine(Filter& filter, double x0, double y0, double x1, double y1, const ColorA& colour)
{
    if (!Finite({x0, y0, x1, y1}))
        return false;
    // Walk the longer axis ("major"); the other ("minor") follows the true line.
    const bool steep = std::fabs(y1 - y0) > std::fabs(x1 - x0);
    if (steep) {
        std::swap(x0, y0);
        std::swap(x1, y1);
    }
    if (x0 > x1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    const int majorSize = steep ? filter.GetHeight() : filter.GetWidth();
    const int minorSize = steep ? filter.GetWidth() : filter.GetHeight();
    const double gradient = x1 > x0 ? (y1 - y0) / (x1 - x0) : 0.0;
    const auto range = PixelRange(std::floor(x0 + 0.5), std::floor(x1 + 0.5), majorSize);
    for (int a = range.first; a <= range.second; ++a) {
        const double b = y0 + (a - x0) * gradient;
        const double bf = std::floor(b);
        if (bf < -1.0 || bf > minorSize)
            continue;
        const double frac = b - bf;
        const int ib = static_cast<int>(bf);
        if (steep) {
            Plot(filter, ib, a, colour, 1.0 - frac);
            Plot(filter, ib + 1, a, colour, frac);
        } else {
            Plot(filter, a, ib, colour, 1.0 - frac);
            Plot(filter, a, ib + 1, colour, frac);
        }
    }
    return true;
}

bool DrawArc(Filter& filter, double x0, double y0, double x1, double y1, const ColorA& colour)
{
    if (!Finite({x0, y0, x1, y1}))
        return false;
    const double rx = std::fabs(x1 - x0), ry = std::fabs(y1 - y0);
    if (rx < kEps || ry < kEps)
        return DrawLine(filter, x0, y0, x1, y1, colour);
    EllipseOutline(filter, x0, y1, rx, ry, Sign(x1 - x0), Sign(y0 - y1), colour);
    return true;
}

bool DrawEllipse(Filter& filter, double x0, double y0, double x1, double y1, const ColorA& colour)
{
    if (!Finite({x0, y0, x1, y1}))
        return false;
    const double rx = std::fabs(x1 - x0) * 0.5, ry = std::fabs(y1 - y0) * 0.5;
    if (rx < kEps || ry < kEps)
        return DrawLine(filter, x0, y0, x1, y1, colour);
    EllipseOutline(filter, (x0 + x1) * 0.5, (y0 + y1) * 0.5, rx, ry, 0, 0, colour);
    return true;
}

bool DrawCircle(Filter& filter, double cx, double cy, double radius, const ColorA& colour, bool filled)
{
    if (!Finite({cx, cy, radius}))
        return false;
    if (radius < 0.0)
        return true;
    if (!filled) {
        EllipseOutline(filter, cx, cy, radius, radius, 0, 0, colour);
        return true;
    }
    const auto xs = PixelRange(cx - radius - 1.0, cx + radius + 1.0, filter.GetWidth());
    const auto ys = PixelRange(cy - radius - 1.0, cy + radius + 1.0, filter.GetHeight());
    for (int y = ys.first; y <= ys.second; ++y)
        for (int x = xs.first; x <= xs.second; ++x)
            Plot(filter, x, y, colour, std::clamp(radius + 0.5 - std::hypot(x - cx, y - cy), 0.0, 1.0));
    return true;
}

double GetAngle(double x0, double y0, double x1, double y1)
{
    const double dx = x1 - x0, dy = y0 - y1; // y grows downwards on screen
    if (dx == 0.0 && dy == 0.0)
        return 0.0;
    double a = std::atan2(dy, dx) * 180.0 / kPi;
    if (a < 0.0)
        a += 360.0;
    return a >= 360.0 ? 0.0 : a;
}

} // namespace vorn
