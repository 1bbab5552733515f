#include <vorn/util/filter.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include <vorn/util/detail/unit_bytes.h>

namespace vorn {

namespace {
using detail::kByteToUnit;
using detail::kPi;

int RoundCoord(double v)
{
    // Far-away points become a coordinate that every filter refuses.
    const double r = std::floor(v + 0.5);
    if (!(r > -1e9 && r < 1e9))
        return -1;
    return static_cast<int>(r);
}

int BlendByte(int old, double component, double intensity)
{
    const double v = old * (1.0 - intensity) + intensity * component * 255.0 + 0.5;
    if (!(v > 0.0))
        return 0;
    return v >= 255.0 ? 255 : static_cast<int>(v);
}

// Exact values on the quarter turns, so that rotated whole pixels land on whole pixels.
void SinCos(double degrees, double& s, double& c)
{
    const double turns = degrees / 90.0;
    if (turns == std::floor(turns) && std::fabs(turns) < 1e9) {
        static const double kSin[4] = {0.0, 1.0, 0.0, -1.0};
        static const double kCos[4] = {1.0, 0.0, -1.0, 0.0};
        const int q = static_cast<int>(std::fmod(std::fmod(turns, 4.0) + 4.0, 4.0));
        s = kSin[q];
        c = kCos[q];
        return;
    }
    s = std::sin(degrees * kPi / 180.0);
    c = std::cos(degrees * kPi / 180.0);
}

// The four pixels around a point, from (ix, iy) to (ix + 1, iy + 1) in reading order,
// and their bilinear weights. False for a point no filter can hold.
bool BilinearWeights(double x, double y, int& ix, int& iy, double weights[4])
{
    if (!std::isfinite(x) || !std::isfinite(y) || std::fabs(x) > 1e9 || std::fabs(y) > 1e9)
        return false;
    const double fx = std::floor(x), fy = std::floor(y);
    const double ax = x - fx, ay = y - fy;
    ix = static_cast<int>(fx);
    iy = static_cast<int>(fy);
    weights[0] = (1 - ax) * (1 - ay);
    weights[1] = ax * (1 - ay);
    weights[2] = (1 - ax) * ay;
    weights[3] = ax * ay;
    return true;
}

class CropFilter : public WrappingFilter {
public:
    template <class F>
    CropFilter(int x0, int y0, int x1, int y1, F&& inner)
        : WrappingFilter(std::forward<F>(inner)), m_x0(x0), m_y0(y0), m_w(Extent(x0, x1)), m_h(Extent(y0, y1))
    {
    }
    bool WritePixel(int x, int y, const ColorA& c) override
    {
        return Contains(x, y) && WrappingFilter::WritePixel(x + m_x0, y + m_y0, c);
    }
    bool ReadPixel(ColorA& c, int x, int y) override
    {
        return Contains(x, y) && WrappingFilter::ReadPixel(c, x + m_x0, y + m_y0);
    }
    bool WritePixelI(int x, int y, const ColorA& c, double i) override
    {
        return Contains(x, y) && WrappingFilter::WritePixelI(x + m_x0, y + m_y0, c, i);
    }
    int GetWidth() const override { return m_w; }
    int GetHeight() const override { return m_h; }
    void Clear() override {}
    bool Create(int, int) override { return false; }

private:
    // The side from a to b, in a width no sum of a coordinate and an offset overflows.
    static int Extent(int a, int b)
    {
        return static_cast<int>(std::clamp<int64_t>(int64_t(b) - a, 0, std::numeric_limits<int>::max()));
    }
    int m_x0, m_y0, m_w, m_h;
};

class RotateFilter : public WrappingFilter {
public:
    template <class F>
    RotateFilter(double angle, double cx, double cy, F&& inner)
        : WrappingFilter(std::forward<F>(inner)), m_cx(cx), m_cy(cy)
    {
        SinCos(angle, m_sin, m_cos);
    }
    bool WritePixel(int x, int y, const ColorA& c) override { return WritePointI(x, y, c, 1.0); }
    bool WritePixelI(int x, int y, const ColorA& c, double i) override { return WritePointI(x, y, c, i); }
    bool ReadPixel(ColorA& c, int x, int y) override { return ReadPoint(c, x, y); }
    bool WritePoint(double x, double y, const ColorA& c) override { return WritePointI(x, y, c, 1.0); }
    bool WritePointI(double x, double y, const ColorA& c, double i) override
    {
        if (!m_inner)
            return false;
        double rx, ry;
        Map(x, y, rx, ry);
        return i >= 1.0 ? m_inner->WritePoint(rx, ry, c) : m_inner->WritePointI(rx, ry, c, i);
    }
    bool ReadPoint(ColorA& c, double x, double y) override
    {
        if (!m_inner)
            return false;
        double rx, ry;
        Map(x, y, rx, ry);
        return m_inner->ReadPoint(c, rx, ry);
    }
    void Clear() override {}
    bool Create(int, int) override { return false; }

private:
    // Counter-clockwise on screen, where y runs downwards.
    void Map(double x, double y, double& rx, double& ry) const
    {
        const double dx = x - m_cx, dy = y - m_cy;
        rx = m_cx + dx * m_cos + dy * m_sin;
        ry = m_cy - dx * m_sin + dy * m_cos;
    }
    double m_cx, m_cy, m_sin = 0.0, m_cos = 1.0;
};

class AngleCropFilter : public WrappingFilter {
public:
    template <class F>
    AngleCropFilter(double from, double to, double cx, double cy, F&& inner)
        : WrappingFilter(std::forward<F>(inner)), m_from(from), m_cx(cx), m_cy(cy)
    {
        m_span = to - from;
        if (m_span < 0.0)
            m_span += 360.0;
        m_all = m_span >= 360.0;
        m_from = std::fmod(m_from, 360.0);
        if (m_from < 0.0)
            m_from += 360.0;
    }
    bool WritePixel(int x, int y, const ColorA& c) override
    {
        return Passes(x, y) && WrappingFilter::WritePixel(x, y, c);
    }
    bool WritePixelI(int x, int y, const ColorA& c, double i) override
    {
        return Passes(x, y) && WrappingFilter::WritePixelI(x, y, c, i);
    }
    // Points keep their fraction, so that a smoothing filter underneath still smooths.
    bool WritePoint(double x, double y, const ColorA& c) override
    {
        return m_inner && Passes(x, y) && m_inner->WritePoint(x, y, c);
    }
    bool WritePointI(double x, double y, const ColorA& c, double i) override
    {
        return m_inner && Passes(x, y) && m_inner->WritePointI(x, y, c, i);
    }
    void Clear() override {}
    bool Create(int, int) override { return false; }

private:
    bool Passes(double x, double y) const
    {
        if (m_all)
            return true;
        const double dx = x - m_cx, dy = m_cy - y;
        double a = (dx == 0.0 && dy == 0.0) ? 0.0 : std::atan2(dy, dx) * 180.0 / kPi;
        a -= m_from;
        a = std::fmod(a, 360.0);
        if (a < 0.0)
            a += 360.0;
        // A direction a hair below `from` counts as `from` (whole-degree boundaries).
        if (a > 360.0 - 1e-9)
            a = 0.0;
        return a <= m_span + 1e-9;
    }
    double m_from, m_span = 0.0, m_cx, m_cy;
    bool m_all = false;
};

template <class F>
FilterPtr MakeCrop(int x0, int y0, int x1, int y1, F&& f)
{
    return std::make_unique<CropFilter>(x0, y0, x1, y1, std::forward<F>(f));
}
} // namespace

// ---- Filter ------------------------------------------------------------------------

Filter::~Filter() = default;

bool Filter::WritePoint(double x, double y, const ColorA& colour)
{
    return WritePixel(RoundCoord(x), RoundCoord(y), colour);
}

bool Filter::ReadPoint(ColorA& colour, double x, double y)
{
    return ReadPixel(colour, RoundCoord(x), RoundCoord(y));
}

bool Filter::WritePointI(double x, double y, const ColorA& colour, double intensity)
{
    return WritePixelI(RoundCoord(x), RoundCoord(y), colour, intensity);
}

// ---- WrappingFilter ------------------------------------------------------------------

bool WrappingFilter::WritePixel(int x, int y, const ColorA& c) { return m_inner && m_inner->WritePixel(x, y, c); }
bool WrappingFilter::ReadPixel(ColorA& c, int x, int y) { return m_inner && m_inner->ReadPixel(c, x, y); }
bool WrappingFilter::WritePixelI(int x, int y, const ColorA& c, double i)
{
    return m_inner && m_inner->WritePixelI(x, y, c, i);
}
int WrappingFilter::GetWidth() const { return m_inner ? m_inner->GetWidth() : 0; }
int WrappingFilter::GetHeight() const { return m_inner ? m_inner->GetHeight() : 0; }
void WrappingFilter::Clear()
{
    if (m_inner)
        m_inner->Clear();
}
bool WrappingFilter::Create(int width, int height) { return m_inner && m_inner->Create(width, height); }

// ---- Filters over bitmaps ---------------------------------------------------------------

namespace {
// Writes store truncate(component x 255 + 0.5), clamped to 0..255; a grey bitmap stores the
// mean of red, green and blue and reads back as that grey. Without alpha bytes, alpha is
// ignored on write and reads give 1.0.
class BitmapFilter : public Filter {
public:
    explicit BitmapFilter(PixelBuffer& bitmap) : m_bitmap(&bitmap) {}

    bool WritePixel(int x, int y, const ColorA& c) override
    {
        unsigned char* p = m_bitmap->PixelAt(x, y);
        if (!p)
            return false;
        if (m_bitmap->channels == 1) {
            p[0] = detail::UnitToByte((c.r + c.g + c.b) / 3.0);
        } else {
            p[0] = detail::UnitToByte(c.r);
            p[1] = detail::UnitToByte(c.g);
            p[2] = detail::UnitToByte(c.b);
        }
        if (m_bitmap->HasAlpha())
            p[m_bitmap->channels] = detail::UnitToByte(c.a);
        return true;
    }

    bool ReadPixel(ColorA& c, int x, int y) override
    {
        const unsigned char* p = m_bitmap->PixelAt(x, y);
        if (!p)
            return false;
        if (m_bitmap->channels == 1) {
            c.r = c.g = c.b = p[0] * kByteToUnit;
        } else {
            c.r = p[0] * kByteToUnit;
            c.g = p[1] * kByteToUnit;
            c.b = p[2] * kByteToUnit;
        }
        c.a = m_bitmap->HasAlpha() ? p[m_bitmap->channels] * kByteToUnit : 1.0;
        return true;
    }

    bool WritePixelI(int x, int y, const ColorA& c, double i) override
    {
        unsigned char* p = m_bitmap->PixelAt(x, y);
        if (!p)
            return false;
        if (m_bitmap->channels == 1) {
            p[0] = static_cast<unsigned char>(BlendByte(p[0], (c.r + c.g + c.b) / 3.0, i));
        } else {
            p[0] = static_cast<unsigned char>(BlendByte(p[0], c.r, i));
            p[1] = static_cast<unsigned char>(BlendByte(p[1], c.g, i));
            p[2] = static_cast<unsigned char>(BlendByte(p[2], c.b, i));
        }
        if (m_bitmap->HasAlpha()) {
            unsigned char& a = p[m_bitmap->channels];
            a = static_cast<unsigned char>(BlendByte(a, c.a, i));
        }
        return true;
    }

    // Keeps the channel count (3 for a bitmap that has none yet).
    bool Create(int width, int height) override
    {
        const int channels = m_bitmap->channels ? m_bitmap->channels : 3;
        return m_bitmap->Create(width, height, channels, 0);
    }
    int GetWidth() const override { return m_bitmap->width; }
    int GetHeight() const override { return m_bitmap->height; }
    void Clear() override { m_bitmap->Clear(); }

private:
    PixelBuffer* m_bitmap;
};
} // namespace

FilterPtr CreateFilter(Bitmap& bitmap) { return std::make_unique<BitmapFilter>(bitmap); }
FilterPtr CreateFilter(BitmapA& bitmap) { return std::make_unique<BitmapFilter>(bitmap); }

// ---- UnDoFilter ----------------------------------------------------------------------

void UnDoFilter::Remember(int x, int y)
{
    Entry e{x, y, ColorA()};
    if (WrappingFilter::ReadPixel(e.old, x, y))
        m_record.push_back(e);
}

bool UnDoFilter::WritePixel(int x, int y, const ColorA& c)
{
    Remember(x, y);
    return WrappingFilter::WritePixel(x, y, c);
}

bool UnDoFilter::WritePixelI(int x, int y, const ColorA& c, double i)
{
    Remember(x, y);
    return WrappingFilter::WritePixelI(x, y, c, i);
}

void UnDoFilter::Clear()
{
    m_record.clear();
    WrappingFilter::Clear();
}

bool UnDoFilter::Create(int width, int height)
{
    m_record.clear();
    return WrappingFilter::Create(width, height);
}

void UnDoFilter::UnDo()
{
    for (auto it = m_record.rbegin(); it != m_record.rend(); ++it)
        WrappingFilter::WritePixel(it->x, it->y, it->old);
    m_record.clear();
}

// ---- Views -----------------------------------------------------------------------------

FilterPtr Crop(int x0, int y0, int x1, int y1, FilterPtr filter) { return MakeCrop(x0, y0, x1, y1, std::move(filter)); }
FilterPtr Crop(int x0, int y0, int x1, int y1, Filter& filter) { return MakeCrop(x0, y0, x1, y1, filter); }

FilterPtr Rotate(double angle, double cx, double cy, FilterPtr filter)
{
    return std::make_unique<RotateFilter>(angle, cx, cy, std::move(filter));
}
FilterPtr Rotate(double angle, double cx, double cy, Filter& filter)
{
    return std::make_unique<RotateFilter>(angle, cx, cy, filter);
}

FilterPtr AngleCrop(double from, double to, double cx, double cy, FilterPtr filter)
{
    return std::make_unique<AngleCropFilter>(from, to, cx, cy, std::move(filter));
}
FilterPtr AngleCrop(double from, double to, double cx, double cy, Filter& filter)
{
    return std::make_unique<AngleCropFilter>(from, to, cx, cy, filter);
}

bool DumbAntiAliasFilter::WritePoint(double x, double y, const ColorA& c) { return WritePointI(x, y, c, 1.0); }

bool DumbAntiAliasFilter::WritePointI(double x, double y, const ColorA& c, double intensity)
{
    int ix, iy;
    double weights[4];
    if (!BilinearWeights(x, y, ix, iy, weights))
        return false;
    bool any = false;
    for (int k = 0; k < 4; ++k) {
        const double w = weights[k] * intensity;
        if (w <= 0.0)
            continue;
        const int px = ix + (k & 1), py = iy + (k >> 1);
        any |= w >= 1.0 ? WritePixel(px, py, c) : WritePixelI(px, py, c, w);
    }
    return any;
}

bool AntiAliasFilter::ReadPoint(ColorA& colour, double x, double y)
{
    int ix, iy;
    double weights[4];
    if (!BilinearWeights(x, y, ix, iy, weights))
        return false;
    ColorA sum(0, 0, 0, 0);
    double total = 0.0;
    for (int k = 0; k < 4; ++k) {
        ColorA c;
        if (weights[k] <= 0.0 || !ReadPixel(c, ix + (k & 1), iy + (k >> 1)))
            continue;
        sum.r += weights[k] * c.r;
        sum.g += weights[k] * c.g;
        sum.b += weights[k] * c.b;
        sum.a += weights[k] * c.a;
        total += weights[k];
    }
    if (total <= 0.0)
        return false;
    colour = ColorA(sum.r / total, sum.g / total, sum.b / total, sum.a / total);
    return true;
}

FilterPtr AntiAlias(FilterPtr filter) { return std::make_unique<AntiAliasFilter>(std::move(filter)); }
FilterPtr AntiAlias(Filter& filter) { return std::make_unique<AntiAliasFilter>(filter); }

} // namespace vorn
