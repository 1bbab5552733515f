#include "shapes.h"

#include <algorithm>
#include <cmath>

#include <vorn/util/raster.h>

using namespace vorn;

Shape RoundRect(double x0, double y0, double x1, double y1, double r)
{
    return [=](double x, double y) {
        if (x < x0 || x >= x1 || y < y0 || y >= y1)
            return false;
        // Distance into the corner square decides for points near a corner.
        const double cx = std::clamp(x, x0 + r, x1 - r);
        const double cy = std::clamp(y, y0 + r, y1 - r);
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
    };
}

Shape Disc(double cx, double cy, double r)
{
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

Shape Triangle(double ax, double ay, double bx, double by, double cx, double cy)
{
    return [=](double x, double y) {
        const double d1 = (x - bx) * (ay - by) - (ax - bx) * (y - by);
        const double d2 = (x - cx) * (by - cy) - (bx - cx) * (y - cy);
        const double d3 = (x - ax) * (cy - ay) - (cx - ax) * (y - ay);
        const bool negative = d1 < 0 || d2 < 0 || d3 < 0;
        const bool positive = d1 > 0 || d2 > 0 || d3 > 0;
        return !(negative && positive);
    };
}

Shape Minus(Shape a, Shape b)
{
    return [=](double x, double y) { return a(x, y) && !b(x, y); };
}

Shape Union(Shape a, Shape b)
{
    return [=](double x, double y) { return a(x, y) || b(x, y); };
}

Shape RoundRing(double x0, double y0, double x1, double y1, double r, double w)
{
    return Minus(RoundRect(x0, y0, x1, y1, r), RoundRect(x0 + w, y0 + w, x1 - w, y1 - w, std::max(0.0, r - w)));
}

void Fill(Filter& f, const Shape& shape, double level)
{
    constexpr int kSamples = 4;
    for (int j = 0; j < f.GetHeight(); ++j) {
        for (int i = 0; i < f.GetWidth(); ++i) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    hits += shape(i + (sx + 0.5) / kSamples, j + (sy + 0.5) / kSamples) ? 1 : 0;
            if (!hits)
                continue;
            const double grey = level * hits / (kSamples * kSamples);
            ColorA old;
            f.ReadPixel(old, i, j);
            if (grey > old.r)
                f.WritePixel(i, j, ColorA(grey, grey, grey));
        }
    }
}

void Stroke(Filter& f, double x0, double y0, double x1, double y1, double level)
{
    DrawLine(f, x0, y0, x1, y1, ColorA(level, level, level));
}
