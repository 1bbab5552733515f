#pragma once
// The arithmetic of the range controls, apart from any window. Written once along one axis:
// "along" runs with the track, "across" through the band. The horizontal control uses its
// client x and y as they are; the vertical one exchanges them (RangeAxes), so both share
// every rule below.
//
//   W = track right - track left     thumb width T = W * z
//   thumb left L = track left + (W - T) * s     thumb middle M = L + T / 2
//
//   event                 | effect on the model
//   ----------------------+-----------------------------------------------------------------
//   press on the body     | body drag, grab = x - L           (L <= x <= L + T - 1, in band)
//   press on the low      | low drag, grab = handle width - L + x
//   handle                |   (L - handle width <= x < L, band top - handle height <= y < band bottom)
//   press on the high     | high drag, grab = x - L - T       (L + T <= x < L + T + handle width)
//   handle                |
//   body step to x        | s = (x - grab - track left) / (W - T), clamped to 0..1
//   low step to x         | left edge e = handle width - grab + x, clamped to track left .. M - 5;
//                         | both edges move about M until the far one meets the track's end
//   high step to x        | the mirror image: e = x - grab, clamped to M + 5 .. track right
//   release               | no drag
// The three press areas do not overlap, so at most one drag begins. A handle step never
// leaves the thumb narrower than 10 pixels.

namespace vorn {

/// Which part of a range control a drag moves.
enum class RangeDrag {
    None, ///< No drag.
    Body, ///< The whole thumb: the slider value.
    Low,  ///< The handle before the thumb (left, or the track's start): zoom and slider value.
    High, ///< The handle after the thumb: zoom and slider value.
};

/// The fixed geometry of a range control, in the model's axes (pixels).
struct RangeGeometry {
    int handleWidth = 0;  ///< A handle's extent along the track.
    int handleHeight = 0; ///< How far a handle stands out before the band, across the track.
    int trackLeft = 0;    ///< Where the track starts, along.
    int trackRight = 0;   ///< Where the track ends, along.
    int bandTop = 0;      ///< Where the band starts, across.
    int bandBottom = 0;   ///< Where the band ends (exclusive), across.
};

/// A rectangle in pixels.
struct RangeRect {
    int x = 0; ///< Left edge.
    int y = 0; ///< Top edge.
    int w = 0; ///< Width.
    int h = 0; ///< Height.
    /// Same edges and size.
    bool operator==(const RangeRect& o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
};

/// What is drawn where, in the model's axes: the thumb, its handles and its middle.
struct RangeLayout {
    RangeRect thumb;      ///< From (floor L, band top), floor(W * z) wide, the band's height.
    RangeRect lowHandle;  ///< Just before the thumb, from band top - handle height to band bottom.
    RangeRect highHandle; ///< Just after the thumb, the same height.
    int middle = 0;       ///< floor(M): where the thumb's middle mark goes.
};

/// The values, presses and drags of a range control.
class RangeControlModel {
public:
    /// Slider value 0, zoom 1, no drag.
    RangeControlModel() = default;
    /// The same over the given geometry.
    explicit RangeControlModel(const RangeGeometry& geometry) : m_geometry(geometry) {}

    /// Replaces the geometry; the values stay.
    void SetGeometry(const RangeGeometry& geometry) { m_geometry = geometry; }
    /// The geometry.
    const RangeGeometry& GetGeometry() const { return m_geometry; }

    /// Where the thumb lies in the room the track leaves it, 0..1.
    double GetSliderValue() const { return m_s; }
    /// The thumb's share of the track, 0..1.
    double GetZoomValue() const { return m_z; }
    /// Stores s unclamped; false (nothing stored) when s is no finite number.
    bool SetSliderValue(double s);
    /// Sets the zoom keeping the thumb's centre where the track allows; z is clamped to 0..1,
    /// and z = 1 gives s = 0. False (nothing changed) when z is no finite number.
    bool SetZoomValue(double z);

    /// W: the track's width.
    double TrackWidth() const { return m_geometry.trackRight - m_geometry.trackLeft; }
    /// T: the thumb's width.
    double ThumbWidth() const { return TrackWidth() * m_z; }
    /// L: the thumb's left edge.
    double ThumbLeft() const { return m_geometry.trackLeft + (TrackWidth() - ThumbWidth()) * m_s; }
    /// M: the thumb's middle.
    double ThumbMiddle() const { return ThumbLeft() + ThumbWidth() * 0.5; }
    /// Where thumb, handles and middle mark are drawn.
    RangeLayout Layout() const;

    /// A button went down at (x, y): begins the drag of the part there, if any.
    RangeDrag Press(int x, int y);
    /// The buttons came up: no drag.
    void Release() { m_drag = RangeDrag::None; }
    /// The drag in progress.
    RangeDrag GetDrag() const { return m_drag; }
    /// The grab offset of the drag in progress (see the table above).
    double GetGrab() const { return m_grab; }
    /// One pointer step of the drag in progress to x; returns the drag moved (None: nothing).
    RangeDrag Step(int x);

private:
    void StepBody(int x);
    void StepLow(int x);
    void StepHigh(int x);
    void SetThumb(double width, double left);

    RangeGeometry m_geometry;
    double m_s = 0.0;
    double m_z = 1.0;
    double m_grab = 0.0;
    RangeDrag m_drag = RangeDrag::None;
};

/// Maps a control's client coordinates to the model's axes and back. Horizontal: as they
/// are. Vertical: x and y exchanged, and when reversed also mirrored along the track, so
/// that the track's start (slider value 0, the low handle) lies at its bottom end.
class RangeAxes {
public:
    /// The horizontal control's axes.
    RangeAxes() = default;
    /// Exchanged axes when `vertical`; `reversed` mirrors about the track [start, end].
    RangeAxes(bool vertical, bool reversed, int trackStart, int trackEnd)
        : m_vertical(vertical), m_reversed(reversed), m_mirror(trackStart + trackEnd)
    {
    }

    /// True when x and y are exchanged.
    bool IsVertical() const { return m_vertical; }
    /// True when the track is mirrored.
    bool IsReversed() const { return m_reversed; }
    /// A client pixel to the model's (along, across).
    void ToModel(int x, int y, int& along, int& across) const;
    /// A rectangle in the model's axes to client pixels.
    RangeRect ToClient(const RangeRect& r) const;
    /// A pixel (along, across) of an image `length` pixels long (model axes) to its pixel in
    /// client orientation; `mirror` flips the image along itself, on top of the reversal.
    void ImagePixel(int along, int across, int length, bool mirror, int& x, int& y) const;

private:
    bool m_vertical = false;
    bool m_reversed = false;
    int m_mirror = 0; // track start + track end: a pixel p mirrors to m_mirror - 1 - p
};

} // namespace vorn
