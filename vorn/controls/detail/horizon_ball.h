#pragma once
// The moving part of the attitude indicator's face: its sky/ground ball turned by the roll
// and carried along the pitch axis, painted straight into an RGB picture.
#include <cstddef>
#include <cstdint>
#include <vector>

#include <vorn/util/bitmap.h>

namespace vorn::detail {

// Picture pixel p shows the face at  fc + clamp(R(roll)(p - q)),  q being the pitch
// handle: the face's centre follows q and its horizon passes through it. The clamp holds
// the reading point within `reach` of the face's centre, so that the rim's colours carry on
// outwards and a ball moved far along the axis still fills its window with sky or ground.
//
// What a drag step needs is made once per face and geometry, so that a step is a plain
// bilinear walk along each row with no branch for the rim or the bounds:
//  - the face with the clamp baked in: a texel grid aligned with the face's pixels (inside
//    the reach it is the face itself), wide enough for every q the handles allow, red,
//    green and blue packed in 32 bits so that a row's two texels are one load;
//  - the ball's disc in the picture: per row its span and each pixel's coverage, which
//    smooths the ball's edge over what lies under it.
class HorizonBall {
public:
    // The ball of `face` with its centre pixel about (cx, cy) of a w x h picture, the
    // pitch handle at most `shift` pixels from there. False (nothing to paint) for a face
    // too small to have a ball.
    bool Prepare(const BitmapA& face, int cx, int cy, int shift, int w, int h);
    // Paints the ball turned by `turns` with the face's centre on (qx, qy) into `rgb`
    // (the w x h picture, 3 bytes a pixel), blended over it at the ball's edge.
    void Paint(unsigned char* rgb, double turns, int qx, int qy) const;

private:
    struct Span {
        int y, xa, xb;     // the picture row and its first and last pixel in the disc
        std::size_t cover; // where its coverage starts in m_cover
    };
    std::vector<std::uint32_t> m_texels;
    int m_texW = 0, m_texH = 0;
    double m_originX = 0.0, m_originY = 0.0; // the face's centre in texel coordinates
    int m_width = 0;
    std::vector<Span> m_spans;
    std::vector<std::uint16_t> m_cover; // 0..256, 256 = fully inside
};

} // namespace vorn::detail
