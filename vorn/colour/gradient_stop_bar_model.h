#pragma once
// The stop bar's geometry and press/drag rules, apart from any window: paint, hit test and
// the control all read the same columns and rows from here.
//
// Columns, for a client width w, margins L and R and the displayed range [min, max]:
//   position(x) = min for x < L, max for x > w - R, else (x - L) / (w - R - L) * (max - min) + min
//   column(p)   = trunc((p - min) / (max - min) * (w - R - L) + L + 0.5)
// Rows: the markers fill rows 0..15; a stop's three flag toggles sit at rows 19, 31 and 43
// (3 rows either side count); the colour dot is centred at (200, 85), radius^2 52 counts.
//
// A left press, at the stop nearest the position of x:
//   where                                    | does
//   -----------------------------------------+------------------------------------------
//   no stop at all                           | NoStop: select nothing
//   |column - x| <= 6, y in 0..15            | Marker: selected stop armed only,
//                                            |   other stop dragging at once (and armed)
//   |column - x| <= 6, y < 50, other rows    | NearStop: select it; on a toggle row, mark it
//   elsewhere, a stop selected, on the dot   | ColourDot: pick a new colour
// Motion while armed: before 101 ms a move of 2 pixels (x or y) from the press disarms;
// from 101 ms on the drag starts tracking (capture). Motion while dragging moves the stop.
// Release: a drag ends at the release column; a marked toggle flips when the release lies
// within 3 pixels in x of the press and within 3 rows of the toggle's row.
#include <memory>

namespace vorn {

class Gradient;
class VornButtonClock;
struct CONTROL_POINT;

/// What a left press on the stop bar hit.
enum class StopBarHit {
    Nothing,   ///< Nothing the bar acts on.
    NoStop,    ///< The gradient has no stops: select nothing.
    Marker,    ///< A stop's marker: select it, arm (and maybe start) a drag.
    NearStop,  ///< Below a stop's marker: select it; maybe a flag toggle was pressed.
    ColourDot, ///< The colour dot, with a stop selected: pick its colour.
};

/// What the control does after a left press.
struct StopBarPress {
    StopBarHit hit = StopBarHit::Nothing; ///< What the press hit.
    unsigned int stop = 0;                ///< The stop to select (Marker, NearStop).
};

/// What the control does after a pointer motion.
struct StopBarMotion {
    bool waiting = false;  ///< Armed within the first 101 ms (the "cancelled" debug line).
    bool tracking = false; ///< The drag starts tracking now: capture the pointer.
    bool move = false;     ///< Move the selected stop to `position`.
    double position = 0.0; ///< Where the selected stop goes.
};

/// What the control does after the left release.
struct StopBarRelease {
    bool endDrag = false;  ///< A drag ends: move the stop to `position`, release, report.
    double position = 0.0; ///< The position of the release column.
    int toggle = 0;        ///< The flag (1..3) of the selected stop to invert; 0: none.
};

/// The stop bar's geometry, hit regions and press / motion / release state machine.
class GradientStopBarModel {
public:
    static constexpr int kMarkerBottom = 15; ///< Markers fill rows 0 to this.
    static constexpr int kNearColumns = 6;   ///< A press this close to a stop's column is on it.
    static constexpr int kNearBelow = 50;    ///< ... when above this row.
    static constexpr int kToggleSlack = 3;   ///< Rows (and release columns) a toggle allows.
    static constexpr int kToggleRows[3] = {19, 31, 43}; ///< The rows of flags 1, 2 and 3.
    static constexpr int kDotX = 200;        ///< The colour dot's centre column.
    static constexpr int kDotY = 85;         ///< The colour dot's centre row.
    static constexpr int kDotRadius = 7;     ///< The colour dot's drawn radius.
    static constexpr int kDotHit = 52;       ///< Squared distance from the centre a press may lie.
    static constexpr long kArmMs = 101;      ///< Held this long, an armed drag starts tracking.
    static constexpr int kWobble = 2;        ///< Moving this far while armed disarms.

    /// Not dragging, not armed, timed by a stopwatch.
    GradientStopBarModel();
    ~GradientStopBarModel();

    /// The margins left and right of the stops' span.
    void SetSpace(int left, int right)
    {
        m_left = left;
        m_right = right;
    }
    /// The client width.
    void SetWidth(int width) { m_width = width; }
    /// The displayed range the span shows.
    void SetRange(double min, double max)
    {
        m_min = min;
        m_max = max;
    }
    /// The left margin.
    int GetLeft() const { return m_left; }
    /// The right margin.
    int GetRight() const { return m_right; }
    /// The client width.
    int GetWidth() const { return m_width; }
    /// The displayed range's lower end.
    double GetMin() const { return m_min; }
    /// The displayed range's upper end.
    double GetMax() const { return m_max; }

    /// The position a column stands for (clamped to the range outside the span).
    double PositionOf(int x) const;
    /// The column a position is drawn at.
    int ColumnOf(double position) const;
    /// Whether a press at (x, y) is on the stop drawn at `column`.
    static bool NearStop(int column, int x, int y);
    /// Whether row y is a marker row.
    static bool OnMarker(int y) { return y >= 0 && y <= kMarkerBottom; }
    /// The flag (1..3) whose toggle row y lies on, or 0.
    static int ToggleAt(int y);
    /// Whether (x, y) lies on the colour dot.
    static bool OnColourDot(int x, int y);
    /// Inverts flag k (1..3) of the stop; false, changing nothing, for another k.
    static bool InvertFlag(CONTROL_POINT& point, int k);
    /// Flag k (1..3) of the stop; false for another k.
    static bool GetFlag(const CONTROL_POINT& point, int k);

    /// A left press at (x, y) over the gradient, with `selected` the selected stop.
    StopBarPress Press(int x, int y, const Gradient& gradient, unsigned int selected);
    /// Pointer motion to (x, y).
    StopBarMotion Move(int x, int y);
    /// The left release at (x, y).
    StopBarRelease Release(int x, int y);

    /// Whether a drag moves the selected stop.
    bool IsDragging() const { return m_dragging; }
    /// Whether a drag waits for the button to be held long enough.
    bool IsArmed() const { return m_armed; }
    /// The flag (1..3) whose toggle the press marked, or 0.
    int GetPressedToggle() const;
    /// The x of the last press.
    int GetPressX() const { return m_pressX; }
    /// Replaces the stopwatch (tests drive it by hand); null keeps the current one.
    void SetClock(std::unique_ptr<VornButtonClock> clock);

private:
    void ClearToggles();

    int m_left = 0;
    int m_right = 0;
    int m_width = 0;
    double m_min = 0.0;
    double m_max = 1.0;
    bool m_dragging = false;
    bool m_armed = false;
    bool m_toggle[3] = {false, false, false};
    int m_pressX = 0;
    int m_pressY = 0;
    std::unique_ptr<VornButtonClock> m_clock;
};

} // namespace vorn
