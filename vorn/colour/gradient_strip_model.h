#pragma once
// The arithmetic of the gradient editor's two strips, apart from any window: the range
// strip, which shows and chooses the displayed part [min, max] of the gradient, and the
// summary strip, which shows the whole gradient as one colour per column.
//
// Range strip, press at (x, y) on a strip of height h (columns xmin, xmax of min, max):
//   where                                   | grip  | a drag by dx (pixels) does
//   ----------------------------------------+-------+-------------------------------------
//   xmin-3 <= x <= xmax+3 and y > h/2       | Move  | UpdateMove(dx)
//   xmin-10 <= x < xmin                     | Left  | UpdateLeft(dx)  (meta: + UpdateRight(-dx))
//   xmax < x <= xmax+10                     | Right | UpdateRight(dx) (meta: + UpdateLeft(-dx))
//   anywhere else                           | None  | nothing, but the release still reports
// Every update measures from the range at the press and clamps in a fixed order (see
// UpdateLeft), so a handle dragged past the other end empties the range instead of
// crossing it.
#include <cstddef>
#include <cstdint>
#include <vector>

#include <vorn/util/color.h>

namespace vorn {

class Gradient;

/// The horizontal extent both strips share: client width and the margins.
class GradientStripSpace {
public:
    /// The margins left and right of the usable width, in pixels.
    void SetSpace(int left, int right)
    {
        m_left = left;
        m_right = right;
    }
    /// The client width.
    void SetWidth(int width) { m_width = width; }
    /// The left margin.
    int GetLeft() const { return m_left; }
    /// The right margin.
    int GetRight() const { return m_right; }
    /// The client width.
    int GetWidth() const { return m_width; }
    /// The usable width W: the client width less both margins (may be 0 or less).
    int GetUsableWidth() const { return m_width - m_left - m_right; }
    /// The column of a gradient position: trunc(W * position + left + 0.5).
    int ColumnOf(double position) const;

private:
    int m_left = 0;
    int m_right = 0;
    int m_width = 0;
};

/// What a press on the range strip took hold of.
enum class GradientRangeGrip {
    None,  ///< Nothing: the drag changes nothing.
    Move,  ///< The bar itself: the range moves, keeping its width.
    Left,  ///< The minimum's handle.
    Right, ///< The maximum's handle.
};

/// The range strip's geometry, hit test and drag arithmetic.
class GradientRangeModel : public GradientStripSpace {
public:
    /// The client height (the lower half is the bar's grip).
    void SetHeight(int height) { m_height = height; }
    /// The client height.
    int GetHeight() const { return m_height; }
    /// Sets the displayed range as given (no clamping: only drags clamp).
    void SetRange(double min, double max)
    {
        m_min = min;
        m_max = max;
    }
    /// The displayed range's lower end.
    double GetMin() const { return m_min; }
    /// The displayed range's upper end.
    double GetMax() const { return m_max; }
    /// The column where the bar starts.
    int GetMinColumn() const { return ColumnOf(m_min); }
    /// The column where the bar ends.
    int GetMaxColumn() const { return ColumnOf(m_max); }

    /// What a press at (x, y) would take hold of.
    GradientRangeGrip HitTest(int x, int y) const;
    /// A left press at (x, y): takes hold and starts a drag, whatever lies there.
    void Press(int x, int y);
    /// One motion step to x; `meta` moves the other end the opposite way. The updates go
    /// through `u` (anything with UpdateLeft/UpdateRight/UpdateMove(int), such as the strip
    /// control); returns true when the range may have changed (a drag and x off the press).
    template <class Updates>
    bool DragTo(int x, bool meta, Updates& u);
    /// DragTo with the model's own updates.
    bool DragTo(int x, bool meta) { return DragTo(x, meta, *this); }
    /// The release at x: applies the grip's update and ends the drag. Returns true when a
    /// drag was in progress, that is when the strip reports its range.
    template <class Updates>
    bool Release(int x, Updates& u);
    /// Release with the model's own updates.
    bool Release(int x) { return Release(x, *this); }

    /// min = pressed min + dx / W, clamped; when min passes max, max follows it.
    void UpdateLeft(int dx);
    /// max = pressed max + dx / W, clamped; when max passes min, min follows it.
    void UpdateRight(int dx);
    /// Both ends by dx / W from the press, stopped at 0 and 1 so the width is kept.
    void UpdateMove(int dx);

    /// Whether a drag is in progress.
    bool IsDragging() const { return m_dragging; }
    /// What the drag in progress holds.
    GradientRangeGrip GetGrip() const { return m_grip; }
    /// The x of the press.
    int GetPressX() const { return m_pressX; }

private:
    double Step(int dx) const;
    int DxFrom(int x) const;
    // The order matters: max, then min, then the crossing rule of the caller.
    void Clamp(bool maxFollows);

    int m_height = 0;
    double m_min = 0.0;
    double m_max = 1.0;
    bool m_dragging = false;
    GradientRangeGrip m_grip = GradientRangeGrip::None;
    int m_pressX = 0;
    double m_pressMin = 0.0;
    double m_pressMax = 1.0;
};

template <class Updates>
bool GradientRangeModel::DragTo(int x, bool meta, Updates& u)
{
    const int dx = DxFrom(x);
    if (!m_dragging || dx == 0)
        return false;
    switch (m_grip) {
    case GradientRangeGrip::Move:
        u.UpdateMove(dx);
        break;
    case GradientRangeGrip::Left:
        u.UpdateLeft(dx);
        if (meta)
            u.UpdateRight(-dx);
        break;
    case GradientRangeGrip::Right:
        u.UpdateRight(dx);
        if (meta)
            u.UpdateLeft(-dx);
        break;
    case GradientRangeGrip::None:
        break;
    }
    return true;
}

template <class Updates>
bool GradientRangeModel::Release(int x, Updates& u)
{
    if (!m_dragging)
        return false;
    // The release applies the grip's own update only: a meta drag keeps the other end
    // where the last motion left it.
    const int dx = DxFrom(x);
    if (m_grip == GradientRangeGrip::Left)
        u.UpdateLeft(dx);
    else if (m_grip == GradientRangeGrip::Right)
        u.UpdateRight(dx);
    else if (m_grip == GradientRangeGrip::Move)
        u.UpdateMove(dx);
    m_grip = GradientRangeGrip::None;
    m_dragging = false;
    return true;
}

/// The summary strip's row: one colour per usable column, showing positions 0.0 to 1.0.
class GradientSummaryModel : public GradientStripSpace {
public:
    /// Resizes the row to W entries and fills it from the gradient; without one (or
    /// without stops) entries keep their colours and new ones are pure green.
    void Rebuild(const Gradient* gradient);
    /// The row; entry i is drawn at column left + i.
    const std::vector<Color>& GetRow() const { return m_row; }
    /// The position entry i of a row of n entries shows: i / (n - 1), 0 for one entry.
    static double PositionOfEntry(size_t i, size_t n);

private:
    std::vector<Color> m_row;
};

/// One page step of the displayed range, as the add strip's page buttons do it: by the
/// range's width, but no further than 0 (toward the minimum) or 1 (toward the maximum).
/// Returns true when the range moved.
bool PageDisplayRange(double& min, double& max, bool towardMax);

/// Whether a stop dragged to position p asks the range strip to scroll (p pinned at an end
/// of a range whose min is not negative); if so gives the end (0: min, 1: max) and amount.
bool StopScrollRequest(double p, double min, double max, int32_t& end, double& amount);

/// The add strip's columns: page buttons kSlugButtonWidth wide at both ends, frame lines at
/// x = 15 and x = w - 16, and between them the columns 16 .. w - 17 that hold positions.
/// Its usable width is w - 32.
constexpr int kSlugButtonWidth = 15;

/// The position of column x on an add strip of width w showing [min, max]:
/// (x - 15 + 1) / (w - 32) * (max - min) + min for x from 16 to w - 17 (so the last column
/// lies a little past max); false, leaving `position` alone, anywhere else.
bool SlugPositionOfColumn(int x, int width, double min, double max, double& position);

/// The column the add strip marks a stop at position p on, the inverse of
/// SlugPositionOfColumn rounded to the nearest column; false when p lies outside
/// [min, max] or the strip shows no range.
bool SlugColumnOfPosition(double position, int width, double min, double max, int& column);

/// Whether a press at (x0, y0) and its release at (x1, y1) make a click on the add strip:
/// no more than 2 pixels apart in x and in y.
bool IsSlugClick(int x0, int y0, int x1, int y1);

} // namespace vorn
