#pragma once
// The arithmetic of the movie bar, apart from any window: handle positions, the three
// fractions, the press tests and the drags with their clamps.
//
// Layout along x (w = window width; sw, ew, vw = start-, end-, value-handle widths):
//   min start = sw               leftmost start x
//   max end   = w - ew - vw      rightmost end x
//   start handle drawn at start x - sw, end handle at end x + vw, value handle at value x
//   range fill from start x to end x + vw (both included)
//
//   step          | effect (each clamp lets its lower bound win when the range is empty)
//   --------------+------------------------------------------------------------------------
//   value drag    | value x = x - grab in start x .. end x;            hooks: value
//   start drag    | start x = x - grab in min start .. end x; a value x left behind moves
//                 | to start x;                                       hooks: [value,] start
//   end drag      | end x = x - grab in start x .. max end; a value x beyond it moves to
//                 | end x;                                            hooks: [value,] end
// SetStart / SetEnd never move the value handle, so GetValue may leave 0..1 until the next drag.

namespace vorn {

/// The hooks of a movie bar group, as a drag step asks for them.
enum class MovieHook { Value, Start, End };

/// The hooks one drag step calls, in calling order (at most two per active drag).
struct MovieHookList {
    MovieHook hooks[6] = {}; ///< The hooks, first to call first.
    int count = 0; ///< How many of `hooks` are used.
    /// Appends a hook.
    void Add(MovieHook hook) { hooks[count++] = hook; }
};

/// Positions, fractions, press tests and drags of a movie bar.
class MovieBarModel {
public:
    /// Which drags a press began (bits).
    enum DragBits : unsigned { kDragValue = 1, kDragStart = 2, kDragEnd = 4 };

    /// A bar of width x height with the given handle sizes (0 for a missing image);
    /// everything goes back to the initial state (see Reset).
    void SetLayout(int width, int height, int startW, int startH, int endW, int valueW, int valueH);

    /// (value x - start x) / (end x - start x); 0 when the range has no width.
    double GetValue() const;
    /// v clamped to 0..1; value x = start x + trunc((end x - start x) * v).
    void SetValue(double v);
    /// The stored start fraction.
    double GetStart() const { return m_start; }
    /// The stored end fraction.
    double GetEnd() const { return m_end; }
    /// s clamped to 0..1 and stored; start x = min start + trunc((max end - min start) * s).
    void SetStart(double s);
    /// e clamped to 0..1 and stored; end x = min start + trunc((max end - min start) * e).
    void SetEnd(double e);
    /// Handles to the ends, start 0, end 1, no drag.
    void Reset();

    /// The press tests at (x, y); begins the drags whose handle is hit. Returns their bits.
    unsigned Press(int x, int y);
    /// Ends every drag; true when the value handle was being dragged.
    bool Release();
    /// One pointer step to x for every active drag, in the order value, start, end; the
    /// hooks to call, in order.
    MovieHookList Move(int x);

    /// True while any handle is dragged.
    bool IsDragging() const { return m_dragValue || m_dragStart || m_dragEnd; }
    /// True while the value handle is dragged.
    bool IsDraggingValue() const { return m_dragValue; }
    /// True while the start handle is dragged.
    bool IsDraggingStart() const { return m_dragStart; }
    /// True while the end handle is dragged.
    bool IsDraggingEnd() const { return m_dragEnd; }

    /// Value-handle x.
    int GetValueX() const { return m_valueX; }
    /// Start x (the start handle's right edge).
    int GetStartX() const { return m_startX; }
    /// End x (the end handle sits at end x + value-handle width).
    int GetEndX() const { return m_endX; }
    /// Leftmost start x.
    int GetMinStart() const { return m_minStart; }
    /// Rightmost end x.
    int GetMaxEnd() const { return m_maxEnd; }
    /// Top of the start and end handles.
    int GetHandleY() const { return m_handleY; }
    /// Pointer x minus the grabbed handle's x at the press.
    int GetGrab() const { return m_grab; }

    /// Where the start handle is drawn.
    int StartHandleLeft() const { return m_startX - m_minStart; }
    /// Where the end handle is drawn.
    int EndHandleLeft() const { return m_endX + m_valueW; }
    /// Left edge of the range fill.
    int RangeLeft() const { return m_startX; }
    /// Width of the range fill.
    int RangeWidth() const { return m_width - m_startX - m_endW - (m_maxEnd - m_endX) + 1; }

private:
    double Fraction(int x) const;

    int m_width = 0, m_height = 0;
    int m_startW = 0, m_endW = 0, m_valueW = 0, m_valueH = 0;
    int m_grab = 0;
    int m_maxEnd = 0, m_minStart = 0;
    int m_valueX = 0, m_startX = 0, m_endX = 0;
    int m_handleY = 0;
    bool m_dragValue = false, m_dragStart = false, m_dragEnd = false;
    double m_start = 0.0, m_end = 1.0;
};

} // namespace vorn
