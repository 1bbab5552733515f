#include <vorn/util/bitmap.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <vector>

#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>

#include <vorn/util/detail/unit_bytes.h>

namespace vorn {

namespace {
using detail::kPi;
using detail::UnitToByte;

// Larger buffers are refused rather than attempted (1 GiB).
constexpr size_t kMaxBytes = size_t(1) << 30;
// The widest sampling window GetHQColor uses.
constexpr double kMaxRadius = 16.0;

unsigned char RoundToByte(double v)
{
    if (!(v > 0.0))
        return 0;
    if (v >= 255.0)
        return 255;
    return static_cast<unsigned char>(static_cast<int>(v + 0.5));
}

// Lanczos window of half-width a; exactly 1 at 0 and 0 at the other whole numbers.
double Lanczos(double x, double a)
{
    const double ax = std::fabs(x);
    if (ax < 1e-12)
        return 1.0;
    if (ax >= a)
        return 0.0;
    if (std::fabs(ax - std::round(ax)) < 1e-12)
        return 0.0;
    const double px = kPi * x;
    return a * std::sin(px) * std::sin(px / a) / (px * px);
}

// Taps of the window around v on an axis of n pixels (indices clamped to the border).
void Taps(double v, double a, int n, std::vector<int>& index, std::vector<double>& weight)
{
    index.clear();
    weight.clear();
    const int first = static_cast<int>(std::floor(v - a)) + 1;
    const int last = static_cast<int>(std::floor(v + a));
    for (int i = first; i <= last; ++i) {
        const double w = Lanczos(v - i, a);
        if (w == 0.0)
            continue;
        index.push_back(std::clamp(i, 0, n - 1));
        weight.push_back(w);
    }
    if (index.empty()) { // cannot happen for a >= 1, kept for safety
        index.push_back(std::clamp(static_cast<int>(std::lround(v)), 0, n - 1));
        weight.push_back(1.0);
    }
}

bool SameShape(const PixelBuffer& a, const PixelBuffer& b)
{
    return a.width == b.width && a.height == b.height && a.channels == b.channels;
}

template <class B>
bool CopyBuffer(B& dst, const B& src)
{
    if (&dst == &src)
        return true;
    if (src.IsEmpty()) {
        dst.Clear();
        return true;
    }
    if (!SameShape(dst, src) || dst.IsEmpty()) {
        if (!dst.Create(src.width, src.height, src.channels, 0))
            return false;
    }
    std::memcpy(dst.data, src.data, src.GetByteCount());
    return true;
}

// The overlap of a w x h source placed at (x, y) in a dw x dh target, in source coordinates.
struct Overlap {
    int sx0, sy0, sx1, sy1;
    bool Empty() const { return sx0 >= sx1 || sy0 >= sy1; }
};

// The source rectangle of src that lands in dst at (x, y), as 0..0 when nothing lands (so
// loops over it do nothing). False when the channel counts differ.
bool ClipBlit(const PixelBuffer& dst, const PixelBuffer& src, int x, int y, Overlap& o)
{
    o = Overlap{0, 0, 0, 0};
    if (src.IsEmpty() || dst.IsEmpty())
        return true;
    if (dst.channels != src.channels)
        return false;
    const Overlap clipped{static_cast<int>(std::max<int64_t>(0, -int64_t(x))),
                          static_cast<int>(std::max<int64_t>(0, -int64_t(y))),
                          static_cast<int>(std::min<int64_t>(src.width, int64_t(dst.width) - x)),
                          static_cast<int>(std::min<int64_t>(src.height, int64_t(dst.height) - y))};
    if (!clipped.Empty())
        o = clipped;
    return true;
}

void FillPixels(PixelBuffer& b, const unsigned char* pixel)
{
    const int n = b.GetPixelBytes();
    const size_t count = size_t(b.width) * size_t(b.height);
    for (size_t i = 0; i < count; ++i)
        std::memcpy(b.data + i * n, pixel, n);
}

// Fills with a colour: 1 channel takes the mean of red, green and blue; alpha, if the
// buffer has it, follows the colour bytes.
bool FillColour(PixelBuffer& b, double red, double green, double blue, double alpha)
{
    if (b.IsEmpty())
        return false;
    unsigned char pixel[4];
    if (b.channels == 1) {
        pixel[0] = UnitToByte((red + green + blue) / 3.0);
    } else {
        pixel[0] = UnitToByte(red);
        pixel[1] = UnitToByte(green);
        pixel[2] = UnitToByte(blue);
    }
    pixel[b.channels] = UnitToByte(alpha);
    FillPixels(b, pixel);
    return true;
}
} // namespace

PixelBuffer::~PixelBuffer() { delete[] data; }

PixelBuffer::PixelBuffer(const PixelBuffer& other) : m_alphaBytes(other.m_alphaBytes)
{
    *this = other;
}

PixelBuffer& PixelBuffer::operator=(const PixelBuffer& other)
{
    if (this == &other)
        return *this;
    if (other.IsEmpty()) {
        Clear();
        return *this;
    }
    // Copy into fresh storage first so that a failed allocation keeps this buffer intact.
    unsigned char* copy = new (std::nothrow) unsigned char[other.GetByteCount()];
    if (!copy)
        return *this;
    std::memcpy(copy, other.data, other.GetByteCount());
    delete[] data;
    data = copy;
    width = other.width;
    height = other.height;
    channels = other.channels;
    return *this;
}

PixelBuffer::PixelBuffer(PixelBuffer&& other) noexcept
    : data(other.data), width(other.width), height(other.height), channels(other.channels),
      m_alphaBytes(other.m_alphaBytes)
{
    other.data = nullptr;
    other.width = other.height = other.channels = 0;
}

PixelBuffer& PixelBuffer::operator=(PixelBuffer&& other) noexcept
{
    if (this == &other)
        return *this;
    delete[] data;
    data = other.data;
    width = other.width;
    height = other.height;
    channels = other.channels;
    other.data = nullptr;
    other.width = other.height = other.channels = 0;
    return *this;
}

bool PixelBuffer::Create(int w, int h, int ch, int)
{
    Clear();
    if (w < 0 || h < 0 || (ch != 1 && ch != 3))
        return false;
    const size_t bytes = size_t(w) * size_t(h) * size_t(ch + m_alphaBytes);
    if (size_t(w) * size_t(h) > kMaxBytes || bytes > kMaxBytes)
        return false;
    if (bytes > 0) {
        data = new (std::nothrow) unsigned char[bytes]();
        if (!data)
            return false;
    }
    width = w;
    height = h;
    channels = ch;
    return true;
}

size_t PixelBuffer::GetByteCount() const
{
    return size_t(width) * size_t(height) * size_t(GetPixelBytes());
}

unsigned char* PixelBuffer::PixelAt(int x, int y)
{
    if (!data || x < 0 || y < 0 || x >= width || y >= height)
        return nullptr;
    return data + (size_t(y) * size_t(width) + size_t(x)) * size_t(GetPixelBytes());
}

const unsigned char* PixelBuffer::PixelAt(int x, int y) const
{
    return const_cast<PixelBuffer*>(this)->PixelAt(x, y);
}

bool PixelBuffer::Set(int byteCount, const unsigned char* pixel)
{
    if (!pixel || byteCount != GetPixelBytes() || IsEmpty())
        return false;
    FillPixels(*this, pixel);
    return true;
}

void PixelBuffer::Clear()
{
    delete[] data;
    data = nullptr;
    width = height = channels = 0;
}

bool PixelBuffer::Resize(int newWidth, int newHeight)
{
    if (IsEmpty() || newWidth < 0 || newHeight < 0)
        return false;
    if (newWidth == width && newHeight == height)
        return true;
    unsigned char* old = data;
    const int oldW = width, oldH = height, ch = channels;
    data = nullptr;
    width = height = 0;
    // Sample the old content through a temporary view of it.
    struct View : PixelBuffer {
        explicit View(int alpha) : PixelBuffer(alpha) {}
        ~View() override { data = nullptr; }
    } source(m_alphaBytes);
    source.data = old;
    source.width = oldW;
    source.height = oldH;
    source.channels = ch;
    if (!Create(newWidth, newHeight, ch, 0)) {
        data = old; // keep the old content on failure
        width = oldW;
        height = oldH;
        channels = ch;
        return false;
    }
    const int n = GetPixelBytes();
    for (int y = 0; y < newHeight; ++y)
        for (int x = 0; x < newWidth; ++x)
            source.GetHQColor(double(x) / newWidth * oldW, double(y) / newHeight * oldH, 1.5,
                              data + (size_t(y) * newWidth + x) * n);
    delete[] old;
    return true;
}

bool PixelBuffer::GetHQColor(double x, double y, double radius, unsigned char* out) const
{
    if (IsEmpty() || !out || !std::isfinite(x) || !std::isfinite(y) || !std::isfinite(radius))
        return false;
    const double a = std::clamp(radius, 1.0, kMaxRadius);
    // Beyond the border extension every point samples the same: keep the numbers small.
    x = std::clamp(x, -a - 1.0, width + a);
    y = std::clamp(y, -a - 1.0, height + a);
    std::vector<int> xi, yi;
    std::vector<double> xw, yw;
    Taps(x, a, width, xi, xw);
    Taps(y, a, height, yi, yw);

    const int n = GetPixelBytes();
    double colour[3] = {0.0, 0.0, 0.0};
    double weighted[3] = {0.0, 0.0, 0.0}; // colour x alpha
    double total = 0.0, alphaTotal = 0.0;
    for (size_t j = 0; j < yi.size(); ++j) {
        for (size_t i = 0; i < xi.size(); ++i) {
            const double w = xw[i] * yw[j];
            const unsigned char* p = PixelAt(xi[i], yi[j]);
            const double alpha = HasAlpha() ? p[channels] / 255.0 : 1.0;
            for (int c = 0; c < channels; ++c) {
                colour[c] += w * p[c];
                weighted[c] += w * alpha * p[c];
            }
            total += w;
            alphaTotal += w * alpha;
        }
    }
    if (std::fabs(total) < 1e-12)
        total = 1.0;
    const bool byAlpha = HasAlpha() && alphaTotal > 1e-6;
    for (int c = 0; c < channels; ++c)
        out[c] = RoundToByte(byAlpha ? weighted[c] / alphaTotal : colour[c] / total);
    if (HasAlpha())
        out[n - 1] = RoundToByte(alphaTotal / total * 255.0);
    return true;
}

bool Copy(Bitmap& dst, const Bitmap& src) { return CopyBuffer(dst, src); }
bool Copy(BitmapA& dst, const BitmapA& src) { return CopyBuffer(dst, src); }

bool Blit(Bitmap& dst, const Bitmap& src, int x, int y)
{
    Overlap o;
    if (!ClipBlit(dst, src, x, y, o))
        return false;
    const size_t rowBytes = size_t(o.sx1 - o.sx0) * src.GetPixelBytes();
    for (int sy = o.sy0; sy < o.sy1; ++sy)
        std::memmove(dst.PixelAt(o.sx0 + x, sy + y), src.PixelAt(o.sx0, sy), rowBytes);
    return true;
}

bool Blit(BitmapA& dst, const BitmapA& src, int x, int y)
{
    Overlap o;
    if (!ClipBlit(dst, src, x, y, o))
        return false;
    const int ch = src.channels;
    for (int sy = o.sy0; sy < o.sy1; ++sy) {
        for (int sx = o.sx0; sx < o.sx1; ++sx) {
            const unsigned char* s = src.PixelAt(sx, sy);
            unsigned char* d = dst.PixelAt(sx + x, sy + y);
            const int sa = s[ch];
            if (sa == 255) {
                std::memcpy(d, s, ch + 1);
                continue;
            }
            if (sa == 0)
                continue;
            // Source over destination, in 0..255 units.
            const double as = sa / 255.0, ad = d[ch] / 255.0;
            const double ao = as + ad * (1.0 - as);
            for (int c = 0; c < ch; ++c)
                d[c] = RoundToByte((s[c] * as + d[c] * ad * (1.0 - as)) / ao);
            d[ch] = RoundToByte(ao * 255.0);
        }
    }
    return true;
}

bool ConvertTo(Bitmap& dst, const BitmapA& src)
{
    if (src.IsEmpty()) {
        dst.Clear();
        return true;
    }
    if (!dst.Create(src.width, src.height, src.channels, 0))
        return false;
    const size_t count = size_t(src.width) * size_t(src.height);
    const int ch = src.channels;
    for (size_t i = 0; i < count; ++i)
        std::memcpy(dst.data + i * ch, src.data + i * (ch + 1), ch);
    return true;
}

bool ClearBitmap(BitmapA& bitmap, const ColorA& colour) { return FillColour(bitmap, colour.r, colour.g, colour.b, colour.a); }
bool ClearBitmap(Bitmap& bitmap, const Color& colour) { return FillColour(bitmap, colour.r, colour.g, colour.b, 1.0); }

namespace {
// A PNG whose header declares more pixels than we would ever hold is refused before the
// decoder allocates for it.
bool DeclaresHugePng(const unsigned char* bytes, size_t length)
{
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (length < 24 || std::memcmp(bytes, kSignature, 8) != 0)
        return false;
    auto be32 = [bytes](size_t at) {
        return (uint32_t(bytes[at]) << 24) | (uint32_t(bytes[at + 1]) << 16) | (uint32_t(bytes[at + 2]) << 8) |
               uint32_t(bytes[at + 3]);
    };
    const uint64_t pixels = uint64_t(be32(16)) * uint64_t(be32(20)); // IHDR width x height
    return pixels > kMaxBytes / 4;
}
} // namespace

bool LoadBitmapADecode(const unsigned char* bytes, size_t length, BitmapA& out)
{
    if (!bytes || length == 0 || length > kMaxBytes || DeclaresHugePng(bytes, length))
        return false;
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxInitAllImageHandlers();
    wxImage image;
    {
        wxLogNull quiet; // a broken image is reported by our result, not by a wx log box
        wxMemoryInputStream stream(bytes, length);
        if (!image.LoadFile(stream, wxBITMAP_TYPE_ANY) || !image.IsOk())
            return false;
    }
    BitmapA decoded;
    if (!decoded.Create(image.GetWidth(), image.GetHeight(), 3, 0))
        return false;
    const unsigned char* rgb = image.GetData();
    const unsigned char* alpha = image.HasAlpha() ? image.GetAlpha() : nullptr;
    const bool masked = !alpha && image.HasMask();
    const unsigned char mr = masked ? image.GetMaskRed() : 0;
    const unsigned char mg = masked ? image.GetMaskGreen() : 0;
    const unsigned char mb = masked ? image.GetMaskBlue() : 0;
    const size_t count = size_t(image.GetWidth()) * size_t(image.GetHeight());
    for (size_t i = 0; i < count; ++i) {
        unsigned char* d = decoded.data + i * 4;
        const unsigned char* s = rgb + i * 3;
        d[0] = s[0];
        d[1] = s[1];
        d[2] = s[2];
        if (alpha)
            d[3] = alpha[i];
        else if (masked && s[0] == mr && s[1] == mg && s[2] == mb)
            d[3] = 0;
        else
            d[3] = 255;
    }
    out = std::move(decoded);
    return true;
}

} // namespace vorn
