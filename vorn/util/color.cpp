#include <vorn/util/color.h>

#include <algorithm>
#include <cmath>

namespace vorn {

void Color::RGBtoHSV()
{
    const double mx = std::max({r, g, b});
    const double mn = std::min({r, g, b});
    const double delta = mx - mn;
    double h = 0.0;
    if (delta > 0.0) {
        if (mx == r)
            h = (g - b) / delta;
        else if (mx == g)
            h = 2.0 + (b - r) / delta;
        else
            h = 4.0 + (r - g) / delta;
        h /= 6.0;
        if (h < 0.0)
            h += 1.0;
    }
    const double s = mx > 0.0 ? delta / mx : 0.0;
    r = h;
    g = s;
    b = mx;
}

void Color::HSVtoRGB()
{
    const double h = r, s = g, v = b;
    if (s <= 0.0) {
        r = g = b = v;
        return;
    }
    double sector = (h - std::floor(h)) * 6.0; // hue wraps at 1.0
    const int i = std::min(5, static_cast<int>(sector));
    const double f = sector - i;
    const double p = v * (1.0 - s);
    const double q = v * (1.0 - s * f);
    const double t = v * (1.0 - s * (1.0 - f));
    switch (i) {
    case 0: r = v; g = t; b = p; break;
    case 1: r = q; g = v; b = p; break;
    case 2: r = p; g = v; b = t; break;
    case 3: r = p; g = q; b = v; break;
    case 4: r = t; g = p; b = v; break;
    default: r = v; g = p; b = q; break;
    }
}

} // namespace vorn
