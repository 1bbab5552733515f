#pragma once

namespace vorn {

// The arithmetic of the heading tape, apart from any window.
//
// The tape offset is kept in tenths of a pixel ("scale" sub-steps per pixel) over one
// turn of `period` tenths; the value is the heading in turns, position / period.
//
//   event              | effect on the model
//   -------------------+-----------------------------------------------------------------
//   SetValue(v)        | position = trunc(period * v), wrapped; value = position / period
//   MoveLeft / Right   | position += scale / -= scale (one pixel), wrapped
//   press at x         | last = x
//   drag step to x     | d = x - last (times scale unless unscaled); last = x;
//                      | position -= d, wrapped
//
// Wrapped: above period, periods are subtracted; below 0, added; so 0 <= position <= period
// (a whole turn stays a whole turn until the next step takes it round).
/// The arithmetic of the compass: heading, tape position with wrap, drag steps.
class CompassModel {
public:
    /// One turn of the tape, in pixels.
    static constexpr int kTurnPixels = 321;

    /// Sets the heading in turns; any number of turns (and a value that is no finite
    /// number, taken as 0) lands in one turn.
    void SetValue(float v);
    /// One pixel to the left: position += scale.
    void MoveLeft() { Wrap(static_cast<long long>(m_position) + m_scale); }
    /// One pixel to the right: position -= scale.
    void MoveRight() { Wrap(static_cast<long long>(m_position) - m_scale); }
    /// Start of a drag at pointer x.
    void Press(int x) { m_last = x; }
    /// One drag step to pointer x; unscaled (the meta key) moves a tenth as far.
    void DragTo(int x, bool unscaled);

    /// The heading in turns, 0 <= value <= 1.
    float GetValue() const { return m_value; }
    /// The tape offset in tenths of a pixel, 0 <= position <= period.
    int GetPosition() const { return m_position; }
    /// One turn in tenths of a pixel.
    int GetPeriod() const { return m_period; }
    /// Sub-steps per pixel.
    int GetScale() const { return m_scale; }
    /// The pointer x of the previous step.
    int GetLast() const { return m_last; }
    /// The tape offset in pixels, position / period x 321.
    double GetTapeOffset() const;
    /// The whole pixels of the tape offset: the left edge of the tape window. Computed in
    /// integers, so that every ten tenths are exactly one pixel (the quotient in floating
    /// point falls just short of a whole number at some positions).
    int GetPixelOffset() const;

private:
    void Wrap(long long p);

    float m_value = 0.0f;
    int m_position = 0; // tenths of a pixel
    int m_period = 3210;
    int m_last = 0;
    int m_scale = 10;
};

} // namespace vorn
