#pragma once
// The arithmetic of the colour picker's parts, apart from any window: the saturation bar's
// rows and drags, the hue/value field's marker and pick tables, and the picker's rules for
// keeping parts, edit boxes and step buttons in step.
//
// Saturation bar rows (client y):
//   saturation(row) = 1 for rows below 5, 1 - (row - 5) / 110 for 5..115, 0 from 116 on
//   row(s)          = 3 for s >= 1, 117 for s <= 0, else trunc((1 - s) * 110 + 4)
//
// Hue/value field of w x h: hue left to right over x 11..w-11, value top to bottom over
// y 11..h-25, a grey strip below with its marker row at h-11.
#include <memory>
#include <string>
#include <vector>

#include <vorn/util/color.h>

namespace vorn {

class VornButtonClock;

/// What a pointer event did to the saturation bar.
struct SaturationBarEvent {
    bool changed = false; ///< The saturation (and marker row) changed.
    bool startedDrag = false; ///< A drag began: the control captures the mouse.
    bool stoppedDrag = false; ///< A drag ended: the control releases the mouse.
};

/// The saturation bar: marker row, step buttons, press, click-drag arming and
/// drag.
class SaturationBarModel {
public:
    static constexpr int kTopRow = 3; ///< Marker row of saturation 1.
    static constexpr int kBottomRow = 117; ///< Marker row of saturation 0.

    /// A bar at saturation 0 with no marker row yet (-1), timed by a stopwatch.
    SaturationBarModel();
    ~SaturationBarModel();

    /// The saturation a row stands for.
    static double SaturationOfRow(int row);
    /// The marker row of a saturation.
    static int RowOfSaturation(double saturation);

    /// The saturation.
    double GetSaturation() const { return m_saturation; }
    /// The marker row (-1 until a saturation was set).
    int GetRow() const { return m_row; }
    /// Stores a saturation and places the marker from it.
    void SetSaturation(double saturation);

    /// One row up (towards 1); false at the top row, where nothing changes.
    bool StepUp();
    /// One row down (towards 0); false at the bottom row, where nothing changes.
    bool StepDown();

    /// True when a point lies on the marker (x 78..106, within 2 rows of the
    /// marker row).
    bool HitsMarker(int x, int y) const;
    /// True when a point lies on the bar (x 80..100, y 1..120).
    static bool HitsBar(int x, int y);

    /// Left press at (x, y): a drag on the marker, else a click on the bar sets
    /// the saturation of that row and arms a click-drag.
    SaturationBarEvent Press(int x, int y, bool fine);
    /// Pointer motion; `buttonDown` tells whether the left button is still held.
    SaturationBarEvent Move(int x, int y, bool buttonDown, bool fine);
    /// Left release at the last pointer row.
    SaturationBarEvent Release(int y, bool fine);

    /// True while dragging.
    bool IsDragging() const { return m_dragging; }
    /// True while a click-drag is armed.
    bool IsArmed() const { return m_armed; }
    /// Saturation change per pixel of drag.
    double GetPerPixel() const { return m_perPixel; }
    /// Replaces the arming clock (tests drive it by hand).
    void SetClock(std::unique_ptr<VornButtonClock> clock);

private:
    bool Drag(int y, bool fine);
    void Anchor(int x, int y);

    double m_saturation = 0.0;
    int m_row = -1;
    bool m_dragging = false;
    bool m_armed = false;
    int m_originX = 0;
    int m_originRow = 0;
    double m_startSaturation = 0.0;
    // One pixel per row of the bar.
    double m_perPixel = 1.0 / 110.0;
    std::unique_ptr<VornButtonClock> m_clock;
};

/// A point of the hue/value field in client pixels.
struct FieldPoint {
    int x = 0; ///< x in client pixels.
    int y = 0; ///< y in client pixels.
};

/// The hue/value field: marker places and the column and row tables picks read.
class HueValueFieldModel {
public:
    /// The first column and row the tables hold.
    static constexpr int kFirst = 6;
    /// Row value of the grey strip.
    static constexpr double kGreyRow = -1.0;

    /// Rebuilds the tables for a client area of w x h.
    void SetSize(int w, int h);
    /// Client width.
    int GetWidth() const { return m_w; }
    /// Client height.
    int GetHeight() const { return m_h; }
    /// First row of the grey strip.
    int GreyStripTop() const { return m_h - 18; }

    /// The marker of an HSV colour; a grey (saturation 0) sits in the grey strip.
    /// False (no marker) when hue or value lie outside 0..1.
    bool Marker(const Color& hsv, FieldPoint& at) const;
    /// The marker of hue and value (truncated); false outside 0..1.
    bool MarkerOfHueValue(double hue, double value, FieldPoint& at) const;
    /// The marker of a grey of the value (truncated); false outside 0..1.
    bool MarkerOfGrey(double value, FieldPoint& at) const;

    /// True for points a pick ignores: x <= 5, x > w - 7, y <= 5 or y > h - 2.
    bool Ignores(int x, int y) const;
    /// Column table: the hue of a column (in the grey strip, the grey's value); 0
    /// outside.
    double ColumnAt(int x) const;
    /// Row table: the value of a row, or -1 in the grey strip; 0 outside.
    double RowAt(int y) const;
    /// The HSV colour a pick at (x, y) makes from the current HSV colour and the
    /// previous colour's hue; false (nothing picked) where picks are ignored.
    bool Pick(int x, int y, const Color& currentHsv, double previousHue, Color& hsv) const;

private:
    int m_w = 0;
    int m_h = 0;
    std::vector<double> m_columns;
    std::vector<double> m_rows;
};

/// The HSV form a part takes for an RGB colour: a grey (saturation exactly 0)
/// keeps the hue of the previous colour.
Color PartHsvOfRgb(const Color& rgb, const Color& previousRgb);
/// The text an edit box is rewritten with ("%0.3f"), or false when its text
/// already reads as the component and is left alone.
bool EditRefreshText(const std::string& current, double component, std::string& text);
/// The colour with component `index` (0..2) replaced by the number a box's text
/// reads as (no number gives 0); an index outside 0..2 changes nothing.
Color ColourWithEditText(const Color& colour, int index, const std::string& text);
/// The saturation-down button is enabled while the saturation is not 0.
inline bool SaturationDownEnabled(double saturation) { return saturation != 0.0; }
/// The saturation-up button is enabled while the saturation is not 1.
inline bool SaturationUpEnabled(double saturation) { return saturation != 1.0; }

} // namespace vorn
