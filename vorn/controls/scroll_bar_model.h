#pragma once
// The arithmetic of the two vertical scroll bars, apart from any window. Both bars
// paint and hit-test through these, so the tab drawn is the tab the pointer grabs.

namespace vorn {

/// Track and tab geometry of `VornSimpleScrollBar`: rows are window rows, values run 0..1.
class SimpleScrollBarModel {
public:
    static constexpr int kWidth = 11; ///< The bar's width in pixels.
    static constexpr int kButtonHeight = 12; ///< Height of each end button.
    static constexpr int kMinTabHeight = 29; ///< The shortest tab, whatever the fraction.

    /// Sets the window height and whether the end buttons take rows off the track.
    void SetLayout(int windowHeight, bool endButtons);
    /// The window height the track was laid out for.
    int GetWindowHeight() const { return m_windowHeight; }
    /// First row of the track: 12 with end buttons, else 0.
    int GetScrollStart() const { return m_endButtons ? kButtonHeight : 0; }
    /// Rows of the track: the window height less both end buttons, when there are any.
    int GetScrollHeight() const { return m_endButtons ? m_windowHeight - 2 * kButtonHeight : m_windowHeight; }

    /// The tab height a fraction gives on this track: max(29, trunc(track × fraction)).
    int TabHeightFor(double fraction) const;
    /// The tab height the tab images were made with (0 before any).
    int GetTabHeight() const { return m_tabHeight; }
    /// Records the height of the tab images.
    void SetTabHeight(int h) { m_tabHeight = h; }
    /// The tab's top row at a value: trunc(start + (track − tab) × value).
    int TabTop(double value) const;
    /// Whether row y lies on the tab (top included, bottom excluded).
    bool OnTab(int y, double value) const;
    /// The value of a drag to row y that began at pressY with pressValue; 0 when the tab fills the track.
    double DragValue(int y, int pressY, double pressValue) const;

    /// One end-button step of `step` content pixels: the content is windowHeight ÷ fraction pixels long.
    static double StepValue(double value, double step, int windowHeight, double fraction, bool up);
    /// The slider value clamped to 0 … 1 (anything not a number gives 0).
    static double ClampValue(double v);
    /// The fraction clamped to 0.0001 … 0.9999 (anything not a number gives the lower bound).
    static double ClampFraction(double f);

private:
    int m_windowHeight = 0;
    bool m_endButtons = true;
    int m_tabHeight = 0;
};

/// Value model of `VornScrollBar`: a content range, a visible page and a tab between two rows.
class ScrollBarRangeModel {
public:
    /// Sets the rows between which the tab's top travels; the tab keeps its value.
    void SetTravel(int lowest, int highest);
    /// The tab's topmost row.
    int GetLowest() const { return m_lowest; }
    /// The tab's bottommost top row.
    int GetHighest() const { return m_highest; }
    /// The tab's top row.
    int GetPosition() const { return m_position; }

    /// The content length.
    double GetRange() const { return m_range; }
    /// Sets the content length; the tab stays where it is.
    void SetRange(double range) { m_range = range; }
    /// The visible length.
    double GetPage() const { return m_page; }
    /// Sets the visible length.
    void SetPage(double page) { m_page = page; }
    /// Adds d to the range; true when the content was longer than the page and now fits in it.
    bool AddToRange(double d);

    /// Places the tab at f (clamped to 0 … 1) of its travel.
    void SetValue(double f);
    /// The scroll offset in content units: 0 while the range is below the page.
    double GetValue() const;

    /// Starts a drag at row y.
    void BeginDrag(int y) { m_lastY = y; }
    /// Follows the pointer to row y while the range exceeds the page; true when the tab moved.
    bool DragTo(int y);

private:
    double m_range = 0.0;
    double m_page = 1.0;
    int m_lowest = 0;
    int m_highest = 0;
    int m_position = 0;
    int m_lastY = 0;
};

} // namespace vorn
