#pragma once

namespace vorn {

// The arithmetic of the thumb wheel, apart from any window.
//
// The texture offset is kept in tenths of a pixel ("scale" sub-steps per pixel) and
// wraps over one period; the value is a float clamped to [min, max] by drags only.
//
//   event              | effect on the model
//   -------------------+-----------------------------------------------------------------
//   press at c         | last = c; step = |value| / 350 (1e-06 at exactly 0), negated
//                      | for a horizontal wheel
//   drag step to c     | d = c - last; position -= d * scale (d with the meta key), wrapped
//                      | to 0..period; value -= d * step (/ scale with the meta key), clamped
//   release            | values within 1e-06 of zero become 0
//
// So dragging right (or up) raises the value, and 350 pixels of drag change it by its
// magnitude at the press.
class ThumbWheelModel {
public:
    int position = 0;   // tenths of a pixel, 0 <= position <= period
    int period = 0;     // tenths of a pixel
    int scale = 10;
    int last = 0;       // pointer coordinate of the previous drag step
    bool vertical = false;
    float value = 0.0f;
    double max = 1e+50;
    double min = -1e+50;
    double step = 10.0; // value change per pixel of drag

    // A fresh wheel; periodPixels must be positive (the texture does not scroll otherwise).
    void Reset(bool isVertical, int periodPixels);

    // Start of a drag at pointer coordinate c (y when vertical, else x): fixes the step.
    void Press(int c);
    // One drag step to pointer coordinate c.
    void DragTo(int c, bool fine);
    // End of a drag: snaps values close to zero.
    void Release();

    // Left (or top) edge of the texture window, in whole pixels.
    int GetWindowStart() const { return position / scale; }

private:
    // Stores p brought into 0..period.
    void Wrap(long long p);
};

} // namespace vorn
