#pragma once

namespace vorn {

// The arithmetic of the angle dials, apart from any window.
//
// AngleDialModel: a full-turn direction. `angle` is in turns, counter-clockwise on screen
// from the +x axis; the reported value counts from the zero direction:
//   v = angle - zero / 360, plus 1 when negative.
//
//   event                       | effect on the model
//   ----------------------------+---------------------------------------------------------
//   SetFraction(f)              | angle = f + zero / 360, less one turn when above 1
//   press                       | previous = angle
//   pointer step                | angle = the pointer's direction a (0 <= a < 1)
//   pointer step, fine          | previous unwrapped towards a across the +x axis, then
//                               | angle -= (previous - a) / 10, previous = a (not wrapped)
//
// AngleClippersModel: a quarter-turn opening 0..1 driven by a vertical drag, the position
// kept in tenths of a pixel over `range` tenths.
/// A point of a dial in client coordinates.
struct DialPoint {
    int x = 0; ///< x in client pixels.
    int y = 0; ///< y in client pixels.
};

/// The arithmetic of the full-turn direction dials.
class AngleDialModel {
public:
    /// The centre and the radius the knob moves on.
    void SetGeometry(int cx, int cy, int radius);
    /// The zero direction in degrees (the dial is pointed again by SetFraction).
    void SetZero(double degrees) { m_zero = degrees; }
    /// The zero direction in degrees.
    double GetZero() const { return m_zero; }

    /// Reported value: the fraction of a turn from the zero direction.
    double GetValue() const;
    /// Sets the direction from a reported fraction and places the knob; a fraction that is
    /// no finite number counts as 0.
    void SetFraction(float f);
    /// Start of a drag.
    void Press() { m_previous = m_angle; }
    /// The pointer's direction about the centre in turns, 0 <= a < 1, 0 straight to the
    /// right; false for a pointer on the centre, which has none.
    bool PointerTurns(int x, int y, double& turns) const;
    /// One drag step towards the pointer; false (nothing changed) for a pointer on the centre.
    bool Follow(int x, int y, bool fine);

    /// The direction in turns (fine drags may leave 0..1).
    float GetAngle() const { return m_angle; }
    /// The pointer direction of the previous fine step (unwrapped).
    double GetPrevious() const { return m_previous; }
    /// The knob point.
    DialPoint GetKnob() const { return {m_knobX, m_knobY}; }
    /// The centre.
    DialPoint GetCentre() const { return {m_cx, m_cy}; }
    /// The radius the knob moves on.
    int GetRadius() const { return m_radius; }

private:
    void PlaceKnob();

    float m_angle = 0.0f;
    int m_knobX = 0, m_knobY = 0;
    int m_cx = 0, m_cy = 0;
    int m_radius = 0;
    double m_zero = 0.0; // degrees
    double m_previous = 0.0;
};

/// The arithmetic of the angle clippers: the opening, its drag and the blade points.
class AngleClippersModel {
public:
    /// A control of the given size; rangePixels of drag open the blades fully.
    void Reset(int width, int height, int rangePixels);

    /// Clamps v to 0..1, stores it and places the blades; true when the position changed.
    bool SetValue(double v);
    /// Start of a drag at pointer y.
    void Grab(int y) { m_last = y; }
    /// One drag step to pointer y; true when the position changed (the value follows it).
    bool DragTo(int y, bool fine);

    /// 0 closed (horizontal) .. 1 open (vertical).
    double GetValue() const { return m_value; }
    /// The drag position in tenths of a pixel, 0..range.
    int GetPosition() const { return m_position; }
    /// The drag from closed to open, in tenths of a pixel.
    int GetRange() const { return m_range; }
    /// The pointer y of the previous step.
    int GetLast() const { return m_last; }
    /// Half the height: the blade length and the centre's y.
    int GetBladeLength() const { return m_r; }
    /// The radius of the arcs.
    int GetArcRadius() const { return m_r - 5; }
    /// The centre, on the axis.
    DialPoint GetCentre() const { return {m_cx, m_cy}; }
    /// The end of the upper blade, and the point of it at the arcs' radius.
    DialPoint GetOuter() const { return m_outer; }
    /// The point of the upper blade at the arcs' radius.
    DialPoint GetInner() const { return m_inner; }

private:
    int m_r = 0; // half the height: blade length, centre y
    int m_cx = 0, m_cy = 0;
    double m_value = 0.0;
    int m_position = 0; // tenths of a pixel, 0..range
    int m_range = 0;    // tenths of a pixel
    int m_scale = 10;
    int m_last = 0; // pointer y of the previous step
    DialPoint m_outer, m_inner;
};

} // namespace vorn
