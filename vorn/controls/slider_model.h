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
class SliderModel {
public:
    int max = 0;        // tenths of a pixel
    double value = 0.0; // tenths of a pixel, min <= value <= max
    int lastX = 0;
    int knobWidth = 10;
    int knobHeight = 10;
    int min = 0;        // tenths of a pixel
    int width = 0;
    int height = 0;
    int scale = 10;

    // The defaults of a fresh slider of the given window size.
    void Reset(int windowWidth, int windowHeight);
    // Knob size and the margins that bound the knob's travel; right == -1 means none.
    void Setup(int left, int knobW, int knobH, int right);

    double GetReported() const;
    // Sets the knob from a reported value (clamped to 0..1); returns the clamped value.
    double SetReported(double v);

    int GetCurPosition() const { return static_cast<int>(value / scale); }
    int GetGap() const { return (height - knobHeight) >> 1; }
    bool InBand(int y) const { return !(y < GetGap() || y > height - GetGap()); }
    bool OnKnob(int x) const;

    // Press on the track: centres the knob under x, clamped.
    void JumpTo(int x);
    // One drag step to pointer x; returns true when the value changed.
    bool DragTo(int x, bool fine);
    // End of a drag: lastX becomes the knob's left edge again.
    void EndDrag() { lastX = GetCurPosition(); }

private:
    void ClampValue();
};

} // namespace vorn
