#include <vorn/controls/detail/horizon_ball.h>

#include <algorithm>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vorn::detail {

namespace {
// The outer ring of the face that stays still while the ball turns and moves; the default
// skin's bezel is this wide.
constexpr double kBezel = 3.0;
// The ball is read this far inside its rim: beyond it, the edge colour is carried on.
constexpr double kRimMargin = 2.0;
// Reading points beyond this many ball radii take the colour of the grid's border, which
// only an indicator with handles far outside its face ever shows.
constexpr double kMostReach = 3.0;

// The face's colour at the real point (x, y), bilinear in 1/256ths of a pixel, the border
// extended; a grey face gives its byte thrice.
void SampleFace(const BitmapA& face, double x, double y, unsigned char out[3])
{
    const int bytes = face.GetPixelBytes();
    const int ix = std::clamp(static_cast<int>(std::floor(x * 256.0)), 0, (face.width - 1) * 256);
    const int iy = std::clamp(static_cast<int>(std::floor(y * 256.0)), 0, (face.height - 1) * 256);
    const int x0 = ix >> 8, y0 = iy >> 8, fx = ix & 255, fy = iy & 255;
    const std::size_t row = static_cast<std::size_t>(face.width) * bytes;
    const unsigned char* p00 = face.data + y0 * row + static_cast<std::size_t>(x0) * bytes;
    const unsigned char* p10 = fx ? p00 + bytes : p00;
    const unsigned char* p01 = fy ? p00 + row : p00;
    const unsigned char* p11 = p01 + (p10 - p00);
    for (int c = 0; c < 3; ++c) {
        const int k = face.channels == 3 ? c : 0;
        const int top = p00[k] * (256 - fx) + p10[k] * fx, bottom = p01[k] * (256 - fx) + p11[k] * fx;
        out[c] = static_cast<unsigned char>((top * (256 - fy) + bottom * fy + 32768) >> 16);
    }
}

std::uint32_t Pack(const unsigned char rgb[3])
{
    return static_cast<std::uint32_t>(rgb[0]) | static_cast<std::uint32_t>(rgb[1]) << 8 |
           static_cast<std::uint32_t>(rgb[2]) << 16;
}

// The texel cell at t read at (fx, fy) in 128ths of a texel: rows first, then across, each
// step a + floor(((b - a) x f + 64) / 128). Red, green, blue in the low three bytes.
inline std::uint32_t Bilinear(const std::uint32_t* t, std::size_t texW, int fx, int fy)
{
#if defined(__SSE2__)
    // Both texels of a row in one load, a colour byte to each 16-bit lane.
    const __m128i zero = _mm_setzero_si128(), half = _mm_set1_epi16(64);
    const __m128i top = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(t)), zero);
    const __m128i bottom = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(t + texW)), zero);
    const __m128i column = _mm_add_epi16(
        top, _mm_srai_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_sub_epi16(bottom, top), _mm_set1_epi16(
                                                                static_cast<short>(fy))), half), 7));
    const __m128i right = _mm_srli_si128(column, 8);
    const __m128i pixel = _mm_add_epi16(
        column, _mm_srai_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_sub_epi16(right, column), _mm_set1_epi16(
                                                                 static_cast<short>(fx))), half), 7));
    return static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(pixel, pixel)));
#else
    // Offset by 255 x 128 so that the shift floors a non-negative number.
    const auto lerp = [](int a, int b, int f) { return a + (((b - a) * f + 64 + (255 << 7)) >> 7) - 255; };
    std::uint32_t out = 0;
    for (int k = 0; k < 24; k += 8) {
        const auto at = [k](std::uint32_t v) { return static_cast<int>(v >> k & 255); };
        const int left = lerp(at(t[0]), at(t[texW]), fy), right = lerp(at(t[1]), at(t[texW + 1]), fy);
        out |= static_cast<std::uint32_t>(lerp(left, right, fx)) << k;
    }
    return out;
#endif
}
} // namespace

bool HorizonBall::Prepare(const BitmapA& face, int cx, int cy, int shift, int w, int h)
{
    m_texels.clear();
    m_spans.clear();
    m_cover.clear();
    m_width = w;
    const double ball = std::min(face.width, face.height) / 2.0 - kBezel;
    const double reach = ball - kRimMargin;
    if (face.IsEmpty() || reach <= 0.0 || w <= 0 || h <= 0)
        return false;
    const double fcx = (face.width - 1) / 2.0, fcy = (face.height - 1) / 2.0;
    const double tcx = cx - face.width / 2 + fcx, tcy = cy - face.height / 2 + fcy;

    // Every reading point lies within the ball's radius of q, and q within `shift` of the
    // centre.
    const double extent = std::min(ball + 1.0 + std::max(shift, 0) + 2.0, kMostReach * ball + 8.0);
    const int loX = static_cast<int>(std::floor(fcx - extent)) - 1, hiX = static_cast<int>(std::ceil(fcx + extent)) + 2;
    const int loY = static_cast<int>(std::floor(fcy - extent)) - 1, hiY = static_cast<int>(std::ceil(fcy + extent)) + 2;
    m_texW = hiX - loX + 1;
    m_texH = hiY - loY + 1;
    m_originX = fcx - loX;
    m_originY = fcy - loY;
    m_texels.resize(static_cast<std::size_t>(m_texW) * m_texH);
    for (int j = 0; j < m_texH; ++j)
        for (int i = 0; i < m_texW; ++i) {
            double vx = i + loX - fcx, vy = j + loY - fcy;
            const double v = std::sqrt(vx * vx + vy * vy);
            if (v > reach) {
                vx *= reach / v;
                vy *= reach / v;
            }
            unsigned char rgb[3];
            SampleFace(face, fcx + vx, fcy + vy, rgb);
            m_texels[static_cast<std::size_t>(j) * m_texW + i] = Pack(rgb);
        }

    const double inner2 = (ball - 0.5) * (ball - 0.5), outer2 = (ball + 0.5) * (ball + 0.5);
    for (int y = std::max(0, static_cast<int>(tcy - ball - 1)); y < h && y <= tcy + ball + 1; ++y) {
        const double dy = y - tcy, rest = outer2 - dy * dy;
        if (rest <= 0.0)
            continue;
        const double half = std::sqrt(rest);
        Span span{y, std::max(0, static_cast<int>(std::ceil(tcx - half))),
                  std::min(w - 1, static_cast<int>(std::floor(tcx + half))), m_cover.size()};
        if (span.xa > span.xb)
            continue;
        for (int x = span.xa; x <= span.xb; ++x) {
            const double dx = x - tcx, d2 = dx * dx + dy * dy;
            const double cover = d2 <= inner2 ? 1.0 : ball + 0.5 - std::sqrt(d2);
            m_cover.push_back(static_cast<std::uint16_t>(std::clamp(std::lround(cover * 256.0), 0L, 256L)));
        }
        m_spans.push_back(span);
    }
    return true;
}

void HorizonBall::Paint(unsigned char* rgb, double turns, int qx, int qy) const
{
    if (m_texels.empty())
        return;
    const double theta = turns * 2.0 * 3.14159265358979323846;
    const double cs = std::cos(theta), sn = std::sin(theta);
    // Texel coordinates in 16.16 fixed point, stepped along each row: over a row of a few
    // hundred pixels the steps drift by far less than a 256th of a pixel.
    const auto fixed = [](double v) { return static_cast<std::int64_t>(std::llround(v * 65536.0)); };
    const std::int64_t stepX = fixed(cs), stepY = fixed(sn);
    // Locals, so that the byte stores below (which may alias anything) force no reloads.
    const int maxX = m_texW - 2, maxY = m_texH - 2;
    const std::size_t texW = static_cast<std::size_t>(m_texW), width = static_cast<std::size_t>(m_width);
    const std::uint32_t* const texels = m_texels.data();
    const std::uint16_t* const covers = m_cover.data();
    const double originX = m_originX, originY = m_originY;
    for (const Span& span : m_spans) {
        const double dx = span.xa - qx, dy = span.y - qy;
        std::int64_t u = fixed(dx * cs - dy * sn + originX), v = fixed(dx * sn + dy * cs + originY);
        const std::uint16_t* cover = covers + span.cover;
        unsigned char* px = rgb + (static_cast<std::size_t>(span.y) * width + span.xa) * 3;
        for (int n = span.xb - span.xa + 1; n > 0; --n, u += stepX, v += stepY, px += 3, ++cover) {
            const unsigned c = *cover;
            if (c == 0)
                continue;
            const int ix = std::clamp(static_cast<int>(u >> 16), 0, maxX);
            const int iy = std::clamp(static_cast<int>(v >> 16), 0, maxY);
            const int fx = static_cast<int>(u >> 9) & 127, fy = static_cast<int>(v >> 9) & 127;
            const std::uint32_t colour = Bilinear(texels + static_cast<std::size_t>(iy) * texW + ix, texW, fx, fy);
            const unsigned r = colour & 255, g = colour >> 8 & 255, b = colour >> 16 & 255;
            if (c == 256) {
                px[0] = static_cast<unsigned char>(r);
                px[1] = static_cast<unsigned char>(g);
                px[2] = static_cast<unsigned char>(b);
                continue;
            }
            px[0] = static_cast<unsigned char>((px[0] * (256 - c) + r * c + 128) >> 8);
            px[1] = static_cast<unsigned char>((px[1] * (256 - c) + g * c + 128) >> 8);
            px[2] = static_cast<unsigned char>((px[2] * (256 - c) + b * c + 128) >> 8);
        }
    }
}

} // namespace vorn::detail
