#pragma once
// ExpandedVornListBox: the pop-up list of a list box or list button. It lists the owner's
// items, highlights the one under the pointer or reached by the keys, and closes on a
// choice (telling its owner through VornListBoxCallback), on Escape, on a click outside
// and on focus loss. Only the visible lines are drawn, so long lists open as fast as
// short ones.
//
// The scroll bar is drawn by the pop-up itself from the skin's three scroll images (up
// arrow, down arrow, tab grip) on the SimpleScrollBarModel geometry, not as a child
// scroll-bar window: the frame then keeps the keyboard focus and the mouse capture for
// itself, a click on the bar can never read as a focus loss, and one hit-test serves the
// lines and the bar.
#include <string>

#include <wx/bitmap.h>
#include <wx/font.h>
#include <wx/timer.h>

#include <vorn/assets/skin_info.h>
#include <vorn/controls/scroll_bar_model.h>
#include <vorn/text_lists/popup_frame.h>
#include <vorn/text_lists/popup_navigation.h>
#include <vorn/text_lists/popup_placement.h>

namespace vorn {

class VornListBoxCallback;
class VornListBoxItems;

/// The pop-up list of VornListBox and VornListButton.
class ExpandedVornListBox : public VornPopupFrame {
public:
    /// Timer id of the type-ahead reset.
    static constexpr int kTypeAheadTimerId = 101;
    /// Width of the margin left of the text, where the selection dot goes.
    static constexpr int kTextLeft = 16;

    /// No toolkit window yet: Create must follow.
    ExpandedVornListBox();
    /// A hidden pop-up of `rect` listing `items` for `owner`.
    ExpandedVornListBox(VornListBoxCallback* owner, const VornListBoxItems& items, const VornListBoxInfo& info,
                        const wxFont& font, const wxRect& rect);
    /// Stops the type-ahead timer.
    ~ExpandedVornListBox() override;

    /// Makes the hidden frame; colours from the skin, lines from the items.
    virtual bool Create(VornListBoxCallback* owner, const VornListBoxItems& items, const VornListBoxInfo& info,
                        const wxFont& font, const wxRect& rect);
    using VornPopupFrame::Create;

    /// Opens the pop-up of `owner` over `anchor` (a window, for its screen position) at
    /// `width`: places it by the list opening rule, scrolls to the selection and shows it.
    /// Returns null, opening nothing, when the list is empty.
    static ExpandedVornListBox* Open(VornListBoxCallback* owner, const VornListBoxItems& items,
                                     const VornListBoxInfo& info, const wxFont& font, const wxWindow* anchor,
                                     int width);

    /// The highlighted line, or -1.
    int GetHighlighted() const { return m_nav.GetHighlighted(); }
    /// The row offset of the lines (see ListColumn).
    int GetScrollOffset() const { return m_scrollOffset; }
    /// Sets the row offset (clamped) and repaints.
    void SetScrollOffset(int offset);
    /// Whether the list is taller than the pop-up and shows a scroll bar.
    bool HasScrollBar() const { return m_hasBar; }
    /// The line layout.
    const ListColumn& GetColumn() const { return m_column; }
    /// The keyboard model.
    PopupNavigation& GetNavigation() { return m_nav; }
    /// The lines drawn by the last paint (first, one past last), for tests and measurements.
    void GetDrawnRange(int& first, int& last) const { first = m_drawnFirst; last = m_drawnLast; }

    /// Chooses the highlighted line when it can be chosen: closes and tells the owner.
    void ChooseHighlighted();
    /// Draws the whole pop-up into `dc` (client coordinates).
    void Render(wxDC& dc);

    /// Toolkit handler: paints through Render.
    void LocalPaint(wxPaintEvent& event);
    /// Toolkit handler: the wheel scrolls.
    void LocalWheel(wxMouseEvent& event);
    /// Toolkit handler: the typed text is forgotten.
    void LocalTypeAheadTimer(wxTimerEvent& event);

protected:
    /// Closes without a choice.
    void OnDismiss() override;
    /// A line or the scroll bar pressed.
    void OnPopupLeftDown(const wxPoint& pt) override;
    /// Ends a drag of the scroll bar's tab.
    void OnPopupLeftUp(const wxPoint& pt) override;
    /// Highlights the line under the pointer, or drags the tab.
    void OnPopupMotion(const wxPoint& pt) override;
    /// Arrows, Home, End, Enter.
    bool OnPopupKey(const wxKeyEvent& event) override;
    /// Type-ahead.
    bool OnPopupChar(const wxKeyEvent& event) override;

private:
    int ListWidth() const;
    bool OnBar(const wxPoint& pt) const;
    void PressBar(int y);
    void Close(int choice);
    void AfterMove();
    void DrawBar(wxDC& dc);

    VornListBoxCallback* m_owner = nullptr;
    const VornListBoxItems* m_items = nullptr;
    int m_scrollOffset = 1;
    wxColour m_background{0, 100, 0};
    wxColour m_highlight{100, 0, 0};
    wxColour m_line{255, 255, 255};
    wxColour m_text;
    wxFont m_font;
    wxBitmap m_dot;
    VornListBoxInfo m_info;
    wxTimer m_typeAheadTimer;
    PopupNavigation m_nav;
    ListColumn m_column;
    SimpleScrollBarModel m_bar;
    bool m_hasBar = false;
    bool m_dragging = false;
    int m_pressY = 0;
    double m_pressValue = 0.0;
    int m_selected = -1;
    int m_drawnFirst = 0;
    int m_drawnLast = 0;

    wxDECLARE_EVENT_TABLE();
};

} // namespace vorn
