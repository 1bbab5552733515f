#pragma once

namespace vorn {

// The arithmetic of the horizontal sliders, apart from any window.
//
// Positions are kept in tenths of a pixel ("scale" sub-steps per pixel). `value` is the
// x of the knob's left edge in tenths; the reported value runs 0..1 over [min, max].
// Between drags `lastX` is the knob's left edge in whole pixels; during a drag it is the
// pointer x of the previous step.
//
//   event                    | effect on the model
//   -------------------------+------------------------------------------------------
//   press outside the band   | nothing (the release still reports)
//   press on the knob        | lastX = pointer x
//   press on the track       | knob centred under the pointer, clamped
//   motion while dragging    | value += (x - lastX) * scale   (x - lastX with meta key)
//   release                  | lastX = knob left edge in pixels
/// The arithmetic of the horizontal sliders: knob position, travel and drag steps.
class SliderModel {
public:
    /// The defaults of a fresh slider of the given window size.
    void Reset(int windowWidth, int windowHeight);
    /// Knob size and the margins that bound the knob's travel; right == -1 means none.
    void Setup(int left, int knobW, int knobH, int right);

    /// The value reported to hosts, 0..1 over the travel.
    double GetReported() const;
    /// Sets the knob from a reported value (clamped to 0..1); returns the clamped value.
    double SetReported(double v);

    /// The knob's left edge in whole pixels.
    int GetCurPosition() const { return static_cast<int>(m_value / m_scale); }
    /// Rows above (and below) the knob.
    int GetGap() const { return (m_height - m_knobHeight) >> 1; }
    /// Whether a press at y lies in the knob's band (edges included).
    bool InBand(int y) const { return !(y < GetGap() || y > m_height - GetGap()); }
    /// Whether x lies on the knob (edges included).
    bool OnKnob(int x) const;

    /// Press on the knob at x: the drag measures from there.
    void Grab(int x) { m_lastX = x; }
    /// Press on the track: centres the knob under x, clamped.
    void JumpTo(int x);
    /// One drag step to pointer x; returns true when the value changed.
    bool DragTo(int x, bool fine);
    /// End of a drag: lastX becomes the knob's left edge again.
    void EndDrag() { m_lastX = GetCurPosition(); }

    /// The knob's left edge in tenths of a pixel.
    double GetValue() const { return m_value; }
    /// The travel's ends in tenths of a pixel.
    int GetMin() const { return m_min; }
    /// The travel's right end in tenths of a pixel.
    int GetMax() const { return m_max; }
    /// The pointer x a drag measures from (the knob's edge between drags).
    int GetLastX() const { return m_lastX; }
    /// The knob's width in pixels.
    int GetKnobWidth() const { return m_knobWidth; }
    /// The knob's height in pixels.
    int GetKnobHeight() const { return m_knobHeight; }
    /// The window's width.
    int GetWidth() const { return m_width; }
    /// The window's height.
    int GetHeight() const { return m_height; }

private:
    int m_max = 0;        // tenths of a pixel
    double m_value = 0.0; // tenths of a pixel, min <= value <= max
    int m_lastX = 0;
    int m_knobWidth = 10;
    int m_knobHeight = 10;
    int m_min = 0; // tenths of a pixel
    int m_width = 0;
    int m_height = 0;
    int m_scale = 10;
};

} // namespace vorn
