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
struct DialPoint {
    int x = 0;
    int y = 0;
};

class AngleDialModel {
public:
    float angle = 0.0f;
    int knobX = 0, knobY = 0;
    int cx = 0, cy = 0;
    int radius = 0;
    double zero = 0.0; // degrees
    double previous = 0.0;

    // Reported value: the fraction of a turn from the zero direction.
    double GetValue() const;
    // Sets the direction from a reported fraction and places the knob; a fraction that is
    // no finite number counts as 0.
    void SetFraction(float f);
    // Start of a drag.
    void Press() { previous = angle; }
    // The pointer's direction about the centre in turns, 0 <= a < 1, 0 straight to the
    // right; false for a pointer on the centre, which has none.
    bool PointerTurns(int x, int y, double& turns) const;
    // One drag step towards the pointer; false (nothing changed) for a pointer on the centre.
    bool Follow(int x, int y, bool fine);

private:
    void PlaceKnob();
};

class AngleClippersModel {
public:
    int r = 0;          // half the height: blade length, centre y
    int cx = 0, cy = 0;
    double value = 0.0; // 0 closed (horizontal) .. 1 open (vertical)
    int position = 0;   // tenths of a pixel, 0..range
    int range = 0;      // tenths of a pixel
    int scale = 10;
    int last = 0;       // pointer y of the previous step
    DialPoint outer, inner; // end of the upper blade, and the point at the arcs' radius

    // A control of the given size; rangePixels of drag open the blades fully.
    void Reset(int width, int height, int rangePixels);
    int GetArcRadius() const { return r - 5; }

    // Clamps v to 0..1, stores it and places the blades; true when the position changed.
    bool SetValue(double v);
    // One drag step to pointer y; true when the position changed (the value follows it).
    bool DragTo(int y, bool fine);
};

} // namespace vorn
