#include <vorn/controls/time_control.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <vorn/controls/detail/button_image.h>
#include <vorn/controls/detail/face_cache.h>

namespace vorn {

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr int kTurnSteps = 240; // directions a turn is drawn in

// The step of a direction in turns (any number of turns), 0 .. kTurnSteps - 1.
long TurnStep(double turns)
{
    const double step = std::round((turns - std::floor(turns)) * kTurnSteps);
    return std::isfinite(step) ? static_cast<long>(step) % kTurnSteps : 0;
}

// Pixel bytes of `image` as red, green, blue, alpha (grey repeated), the border carried one
// pixel outwards on every side: a (w + 2) x (h + 2) grid whose texel (i, j) is image pixel
// (i - 1, j - 1) clamped into the image.
std::vector<std::uint8_t> PaddedTexels(const BitmapA& image)
{
    const int tw = image.width + 2, th = image.height + 2, bytes = image.GetPixelBytes();
    std::vector<std::uint8_t> texels(static_cast<std::size_t>(tw) * th * 4);
    std::uint8_t* t = texels.data();
    for (int j = 0; j < th; ++j)
        for (int i = 0; i < tw; ++i, t += 4) {
            const unsigned char* p = image.data + (static_cast<std::size_t>(std::clamp(j - 1, 0, image.height - 1)) *
                                                       image.width + std::clamp(i - 1, 0, image.width - 1)) * bytes;
            for (int k = 0; k < 3; ++k)
                t[k] = p[image.channels == 3 ? k : 0];
            t[3] = p[bytes - 1];
        }
    return texels;
}

// The RGBA texels t[0], t[1] (row above) and t[row], t[row + 1] (row below) read at (fx, fy)
// in 256ths of a texel, blended by their alpha over `bg` into `shown`; false where clear.
// Each row is weighed across first, halved to 1/128 of a level so that the step down fits
// 16 bits, then down: each channel times 32768. (Not the horizon ball's sampler: that one
// reads RGB only, in 1/128 steps; here alpha is wanted too, and 1/256 steps keep the picture
// within a level of the imaging layer's bilinear reads.)
inline bool Shade(const std::uint8_t* t, std::size_t row, std::uint32_t fx, std::uint32_t fy, const unsigned char bg[3],
                  unsigned char shown[3])
{
    std::uint32_t s[4];
#if defined(__SSE2__)
    // A channel's two texels side by side in 16-bit lanes, so that one multiply-add weighs both.
    const __m128i zero = _mm_setzero_si128();
    const __m128i across = _mm_set1_epi32(static_cast<int>(fx << 16 | (256 - fx)));
    const __m128i down = _mm_set1_epi32(static_cast<int>(fy << 16 | (256 - fy)));
    const auto weighRow = [&](const std::uint8_t* p) {
        const __m128i lanes = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)), zero);
        return _mm_srli_epi32(_mm_madd_epi16(_mm_unpacklo_epi16(lanes, _mm_srli_si128(lanes, 8)), across), 1);
    };
    const __m128i rows = _mm_packs_epi32(weighRow(t), weighRow(t + row));
    const __m128i pixel = _mm_madd_epi16(_mm_unpacklo_epi16(rows, _mm_srli_si128(rows, 8)), down);
    if (static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(pixel, 12))) == 255u << 15) {
        const __m128i bytes = _mm_srli_epi32(_mm_add_epi32(pixel, _mm_set1_epi32(1 << 14)), 15);
        const auto rgb = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(_mm_packs_epi32(bytes, bytes), zero)));
        shown[0] = static_cast<unsigned char>(rgb);
        shown[1] = static_cast<unsigned char>(rgb >> 8);
        shown[2] = static_cast<unsigned char>(rgb >> 16);
        return true;
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(s), pixel);
#else
    for (int k = 0; k < 4; ++k) {
        const std::uint32_t top = (t[k] * (256 - fx) + t[k + 4] * fx) >> 1;
        const std::uint32_t bottom = (t[row + k] * (256 - fx) + t[row + k + 4] * fx) >> 1;
        s[k] = top * (256 - fy) + bottom * fy;
    }
    if (s[3] == 255u << 15) {
        for (int k = 0; k < 3; ++k)
            shown[k] = static_cast<unsigned char>((s[k] + (1u << 14)) >> 15);
        return true;
    }
#endif
    if (s[3] == 0)
        return false;
    // Colour in 1/256 and alpha in 1/32768: every sum stays below 2^31.
    const std::uint32_t a = s[3] / 255;
    for (int k = 0; k < 3; ++k)
        shown[k] = static_cast<unsigned char>(((s[k] >> 7) * a + (bg[k] << 8u) * (32768 - a) + (1u << 22)) >> 23);
    return true;
}

// Channel k of the pixel `in` (of `channels` colour bytes) blended by alpha `a` over `under`,
// rounded half up.
inline unsigned char Over(const unsigned char* in, int channels, unsigned a, unsigned under, int k)
{
    const unsigned c = in[channels == 3 ? k : 0];
    return static_cast<unsigned char>(a == 255 ? c : ((c * a + under * (255 - a)) * 2 + 255) / 510);
}

// Draws `image` turned counter-clockwise (on screen) by `degrees` about its centre pixel,
// which lands on (cx, cy), between the background colour `bg` and `cover` (at the picture's
// corner, may be null): `rgb`, the w x h RGB picture, already holds the cover over the
// background, and only pixels where the image shows are written again. Each picture pixel
// reads the image at the point turned back, bilinear over colour and alpha apart, and is
// blended by that alpha. A point less than a pixel beyond the image's edge reads the edge
// pixels (the bilinear weights of the outside pixels dropped); one further out reads nothing.
// `texels` are the image's PaddedTexels.
// Fixed point: positions in 1/65536 pixel stepped along each row, weights rounded to 1/256.
void DrawTurned(unsigned char* rgb, int w, int h, const BitmapA& image, const std::vector<std::uint8_t>& texels,
                int cx, int cy, double degrees, const unsigned char bg[3], const BitmapA* cover)
{
    const int px = (image.width - 1) / 2, py = (image.height - 1) / 2;
    const int ox = cx - px, oy = cy - py; // where image pixel (0, 0) lands unturned
    const int x0 = std::max(0, ox), x1 = std::min(w, ox + image.width);
    const int y0 = std::max(0, oy), y1 = std::min(h, oy + image.height);
    if (x0 >= x1 || y0 >= y1)
        return;
    const std::size_t tw = static_cast<std::size_t>(image.width) + 2;
    // Multiples of a quarter turn exactly, so that an upright hand reads its pixels unblurred.
    const double quarters = degrees / 90.0;
    double sn = std::sin(degrees * kPi / 180.0), cs = std::cos(degrees * kPi / 180.0);
    if (quarters == std::floor(quarters)) {
        const int q = static_cast<int>(std::fmod(std::fmod(quarters, 4.0) + 4.0, 4.0));
        sn = q == 1 ? 1.0 : q == 3 ? -1.0 : 0.0;
        cs = q == 0 ? 1.0 : q == 2 ? -1.0 : 0.0;
    }
    const auto fixed = [](double v) { return static_cast<std::int32_t>(std::lround(v * 65536.0)); };
    const std::int32_t du = fixed(cs), dv = fixed(sn);
    // The padded grid's coordinates (image + 1) in 1/256 pixel must lie strictly inside this.
    const std::int32_t limU = (image.width + 1) << 8, limV = (image.height + 1) << 8;
    for (int y = y0; y < y1; ++y) {
        // Picture pixel (x, y) reads image point  centre + R(-degrees)(x - ox - px, y - oy - py).
        const double dx = x0 - ox - px, dy = y - oy - py;
        std::int32_t u = fixed(px + 1 + dx * cs - dy * sn), v = fixed(py + 1 + dx * sn + dy * cs);
        unsigned char* out = rgb + (static_cast<std::size_t>(y) * w + x0) * 3;
        // The cover's alpha bytes along the row, where it reaches.
        const int coverBytes = cover ? cover->GetPixelBytes() : 0;
        const int covered = cover && y < cover->height ? std::min(x1, cover->width) : x0;
        const unsigned char* coverRow = covered > x0 ? cover->PixelAt(0, y) : nullptr;
        for (int x = x0; x < x1; ++x, u += du, v += dv, out += 3) {
            const unsigned char* over = x < covered ? coverRow + static_cast<std::size_t>(x) * coverBytes : nullptr;
            if (over && over[coverBytes - 1] == 255)
                continue;
            const std::int32_t u8 = (u + 128) >> 8, v8 = (v + 128) >> 8;
            if (u8 <= 0 || v8 <= 0 || u8 >= limU || v8 >= limV)
                continue;
            unsigned char shown[3];
            if (!Shade(texels.data() + ((v8 >> 8) * tw + (u8 >> 8)) * 4, tw * 4, u8 & 255, v8 & 255, bg, shown))
                continue;
            const unsigned coverAlpha = over ? over[coverBytes - 1] : 0;
            if (coverAlpha == 0) {
                out[0] = shown[0];
                out[1] = shown[1];
                out[2] = shown[2];
                continue;
            }
            for (int k = 0; k < 3; ++k)
                out[k] = Over(over, cover->channels, coverAlpha, shown[k], k);
        }
    }
}

// Blends `image` by its alpha over the w x h RGB picture `rgb`, its corner on the picture's.
void DrawOver(unsigned char* rgb, int w, int h, const BitmapA& image)
{
    const int bytes = image.GetPixelBytes();
    for (int y = 0; y < std::min(h, image.height); ++y) {
        const unsigned char* in = image.PixelAt(0, y);
        unsigned char* out = rgb + static_cast<std::size_t>(y) * w * 3;
        for (int x = 0; x < std::min(w, image.width); ++x, in += bytes, out += 3) {
            const unsigned a = in[bytes - 1];
            for (int k = 0; k < 3 && a; ++k)
                out[k] = Over(in, image.channels, a, out[k], k);
        }
    }
}
} // namespace

// The pictures drawn so far, by state and direction, for a window of one size and background.
struct VornTimeControl::Pictures {
    wxSize size;
    wxColour background;
    wxImage buffer;
    detail::PatchCache cache;
    std::vector<unsigned char> base;   // RGB of the face over the background
    const BitmapA* texelsOf = nullptr; // the state image `texels` were made from
    std::vector<std::uint8_t> texels;
};

VornTimeControl::VornTimeControl() = default;
VornTimeControl::~VornTimeControl() = default;

VornTimeControl::VornTimeControl(const VornBitmapACache* cache, const BitmapA* face, int cx, int cy, int radius,
                                 int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroupValue* group,
                                 long style)
{
    VornTimeControl::Create(cache, face, cx, cy, radius, x, y, w, h, parent, id, group, style);
}

VornTimeControl::VornTimeControl(const VornBitmapACache* cache, const BitmapA* face, int cx, int cy, int radius,
                                 int x, int y, wxWindow* parent, int id, VornControlGroupValue* group, long style)
{
    VornTimeControl::Create(cache, face, cx, cy, radius, x, y, parent, id, group, style);
}

bool VornTimeControl::Create(const VornBitmapACache* cache, const BitmapA* face, int cx, int cy, int radius, int x,
                             int y, int w, int h, wxWindow* parent, int id, VornControlGroupValue* group, long style)
{
    m_cache = cache;
    m_face = face && !face->IsEmpty() ? face : nullptr;
    m_pictures.reset();
    m_imageState = VORN_IMAGE_OFF;
    return VornAngleControl::Create(cx, cy, radius, x, y, w, h, parent, id, group, style);
}

bool VornTimeControl::Create(const VornBitmapACache* cache, const BitmapA* face, int cx, int cy, int radius, int x,
                             int y, wxWindow* parent, int id, VornControlGroupValue* group, long style)
{
    const bool sized = face && !face->IsEmpty();
    return Create(cache, face, cx, cy, radius, x, y, sized ? face->width : wxDefaultCoord,
                  sized ? face->height : wxDefaultCoord, parent, id, group, style);
}

const BitmapA* VornTimeControl::FindImage(VORNIMAGETYPE& found) const
{
    found = VORN_IMAGE_NONE;
    if (!m_cache)
        return nullptr;
    // Every stand-in moves towards "off", so the walk ends after at most three steps.
    for (found = m_imageState; found != VORN_IMAGE_NONE; found = detail::VornButtonFallbackState(found)) {
        const BitmapA* image = nullptr;
        if (m_cache->GetImage(found, image) && image && !image->IsEmpty())
            return image;
    }
    return nullptr;
}

const BitmapA* VornTimeControl::GetImage() const
{
    VORNIMAGETYPE found;
    return FindImage(found);
}

void VornTimeControl::RecalcState()
{
    m_imageState = VORN_IMAGE_OFF;
    if (GetMouseOver())
        m_imageState = VORN_IMAGE_OFF_MOUSE_OVER;
    if (GetMouseDown())
        m_imageState = VORN_IMAGE_OFF_DOWN;
    VornControl::RecalcState();
}

void VornTimeControl::OnMouseButton()
{
    VornAngleControl::OnMouseButton();
    SetDirty();
    Refresh(false);
}

void VornTimeControl::Paint(Pictures& p, const BitmapA* image, double degrees) const
{
    const int w = p.buffer.GetWidth(), h = p.buffer.GetHeight();
    unsigned char* const rgb = p.buffer.GetData();
    if (w <= 0 || h <= 0 || !rgb)
        return;
    const wxColour background = GetBackgroundColour();
    const unsigned char bg[3] = {background.Red(), background.Green(), background.Blue()};
    const std::size_t bytes = static_cast<std::size_t>(w) * h * 3;
    if (p.base.size() != bytes) { // the face over the background, the same in every picture
        p.base.resize(bytes);
        for (std::size_t i = 0; i < bytes; ++i)
            p.base[i] = bg[i % 3];
        if (m_face)
            DrawOver(p.base.data(), w, h, *m_face);
    }
    std::copy(p.base.begin(), p.base.end(), rgb);
    if (image) {
        if (p.texelsOf != image) {
            p.texels = PaddedTexels(*image);
            p.texelsOf = image;
        }
        const DialPoint c = m_model.GetCentre();
        DrawTurned(rgb, w, h, *image, p.texels, c.x, c.y, degrees, bg, m_face);
    }
}

void VornTimeControl::OnDraw(wxDC* dc)
{
    RecalcIfDirty();
    const wxSize size = GetClientSize();
    if (size.x <= 0 || size.y <= 0)
        return;
    if (!m_pictures)
        m_pictures = std::make_unique<Pictures>();
    Pictures& p = *m_pictures;
    if (p.size != size || p.background != GetBackgroundColour()) {
        p.size = size;
        p.background = GetBackgroundColour();
        p.base.clear();
        p.buffer.Create(size);
        // A turn in each of the three states, as far as the store's pixel budget goes
        // (about 250 pictures of 65 x 65); beyond it pictures are composed at every draw.
        p.cache.Reset(3 * kTurnSteps, size.x, size.y);
    }
    VORNIMAGETYPE state;
    const BitmapA* image = FindImage(state);
    const long step = TurnStep(m_model.GetAngle());
    // The whole window is the patch, so the picture is written straight into the buffer.
    p.cache.Draw(*dc, state * kTurnSteps + step, wxRect(size), p.buffer,
                 [&](Filter&) { Paint(p, image, 360.0 * step / kTurnSteps); });
}

} // namespace vorn
