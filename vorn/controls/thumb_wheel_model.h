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
/// The arithmetic of the thumb wheel: the value, its clamps and step, the texture offset.
class ThumbWheelModel {
public:
    /// A fresh wheel; periodPixels must be positive (the texture does not scroll otherwise).
    void Reset(bool isVertical, int periodPixels);

    /// Start of a drag at pointer coordinate c (y when vertical, else x): fixes the step.
    void Press(int c);
    /// One drag step to pointer coordinate c.
    void DragTo(int c, bool fine);
    /// End of a drag: snaps values close to zero.
    void Release();

    /// Sets the value as it is: the clamps act on drags only.
    void SetValue(float v) { m_value = v; }
    /// The value.
    float GetValue() const { return m_value; }
    /// The clamps of drags.
    void SetMin(double v) { m_min = v; }
    /// The upper clamp of drags.
    void SetMax(double v) { m_max = v; }
    /// The lower clamp.
    double GetMin() const { return m_min; }
    /// The upper clamp.
    double GetMax() const { return m_max; }
    /// The value change per pixel of drag; the next press replaces it.
    void SetStep(double v) { m_step = v; }
    /// The step the next drag steps by.
    double GetStep() const { return m_step; }

    /// Whether the wheel turns up and down.
    bool IsVertical() const { return m_vertical; }
    /// The texture offset in tenths of a pixel, 0 <= position <= period.
    int GetPosition() const { return m_position; }
    /// The texture's wrap length in tenths of a pixel.
    int GetPeriod() const { return m_period; }
    /// Left (or top) edge of the texture window, in whole pixels.
    int GetWindowStart() const { return m_position / m_scale; }

private:
    /// Stores p brought into 0..period.
    void Wrap(long long p);

    int m_position = 0; // tenths of a pixel, 0 <= position <= period
    int m_period = 0;   // tenths of a pixel
    int m_scale = 10;
    int m_last = 0; // pointer coordinate of the previous drag step
    bool m_vertical = false;
    float m_value = 0.0f;
    double m_max = 1e+50;
    double m_min = -1e+50;
    double m_step = 10.0; // value change per pixel of drag
};

} // namespace vorn
