#pragma once
// VornMultiEdit: the multi-line sibling of VornEdit. A skinned text area with word wrap, a
// caret that moves by characters and lines, mouse and keyboard selection, the clipboard, a
// vertical scroll bar and the same commit message to its group. Editing goes through
// TextEditModel (characters), the wrap through LineLayout (bytes, re-wrapped only around
// each edit), so a keystroke in a long text costs about one line's work; drawing touches
// only the visible lines.
//
// What reaches the group:
//   focus lost after a change  ControlSelected(id), then Update(0, StringValChanged)
//   focus lost, no change      nothing
//   SetText(s, true)           ControlSelected(id), then Update(0, StringValChanged)
//   click, not editable        ControlSelected(id)
//   double click, not editable ControlDoubleClick(id)
//
// The scroll bar stands inside the skin's text area, along its right edge; the text
// wraps 12 pixels short of the area's width so it never runs under the bar.
#include <climits>
#include <memory>
#include <string>

#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/cursor.h>
#include <wx/event.h>
#include <wx/timer.h>

#include <vorn/assets/skin_info.h>
#include <vorn/controls/simple_scroll_bar.h>
#include <vorn/framework/control.h>
#include <vorn/text_lists/line_layout.h>
#include <vorn/text_lists/text_model.h>

class wxMemoryDC;

namespace vorn {

class VornMultiEdit;

/// The scroll bar of a VornMultiEdit: moving it scrolls the box.
class VornMultiEditScrollBar : public VornSimpleScrollBar {
public:
    /// A bar that scrolls `edit` (the bar's parent); Create must follow.
    explicit VornMultiEditScrollBar(VornMultiEdit* edit = nullptr) : m_edit(edit) {}

protected:
    /// Scrolls the box to the bar's value.
    void OnSliderChange() override;

private:
    VornMultiEdit* m_edit;
};

/// A skinned multi-line edit box with word wrap, reporting its committed text as a StringValChanged hint.
class VornMultiEdit : public VornControl {
public:
    /// Timer id of the caret blink.
    static constexpr int kCaretTimerId = 101;
    /// Timer id of the drag auto-scroll.
    static constexpr int kScrollTimerId = 102;
    /// Width of the scroll bar plus the gap the text keeps from it, in pixels.
    static constexpr int kScrollBarSpace = 12;

    /// No window yet: Create must follow.
    VornMultiEdit();
    /// A box on a skin bitmap (not owned; null draws the info's background colour).
    VornMultiEdit(const wxBitmap* background, VornEditInfo& info, int x, int y, wxWindow* parent, int id,
                  bool editable, VornControlGroup* group, long style = 0);
    /// Stops the caret timer.
    ~VornMultiEdit() override;

    /// Makes the window of a default-constructed box (same arguments as the constructor).
    virtual bool Create(const wxBitmap* background, VornEditInfo& info, int x, int y, wxWindow* parent, int id,
                        bool editable, VornControlGroup* group, long style = 0);
    using VornControl::Create;

    /// Sets the text, also while the box has the focus; with `send`, commits it to the group
    /// first. Caret and view go back to the start.
    virtual void SetText(const std::string& text, bool send);
    /// Copies the text.
    virtual void GetText(std::string& text);
    /// Allows or forbids typing, selecting and the caret.
    virtual void SetEditable(bool editable);
    /// Whether the box takes typing.
    virtual bool IsEditable();
    /// Sets the font; the line height follows it and the text is wrapped anew.
    bool SetFont(const wxFont& font) override;

    /// Composes the visible lines in the buffer and copies it to `dc`.
    void OnDraw(wxDC* dc) override;

    /// The scroll bar's line, background and highlight colours.
    void SetScrollColours(wxColour line, wxColour background, wxColour highlight);
    /// Scrolls by `d` pixels (negative: up), kept between the first line and the last page.
    void SetScrollPos(double d);

    /// Moves the caret to character `index` and the view by whole lines until the caret's
    /// line shows; true when the view moved.
    bool UpdateCaretPos(int index);
    /// The caret's line: the number of the first line start beyond it, or the number of line starts.
    int GetCurrentLineNo() const;
    /// The character under a point relative to the text rectangle.
    int ScreenToIndex(wxPoint point) const;
    /// Wraps the whole text anew and fits the view and the scroll bar to it.
    void UpdateLineBreaks();

    /// Text, caret and selection (in characters).
    const TextEditModel& GetModel() const { return m_model; }
    /// The word wrap (in bytes of the text).
    const LineLayout& GetLayout() const { return m_layout; }
    /// The first visible line; fractional while scrolled between lines.
    double GetFirstLine() const { return m_firstLine; }
    /// Lines that show whole in the text rectangle (at least 1).
    int GetVisibleLines() const { return m_visibleLines; }
    /// Pixel height of a line.
    int GetLineHeight() const { return m_lineHeight; }
    /// The area the text is drawn and clicked in (the scroll bar's strip left out).
    wxRect GetTextRect() const { return m_textRect; }
    /// The scroll bar (a child of the box).
    VornMultiEditScrollBar* GetScrollBar() const { return m_scrollBar; }
    /// True when the text changed since the box got the focus.
    bool IsModified() const { return m_modified; }
    /// The has-focus flag (false while a commit message runs).
    bool IThinkIHaveFocus() const { return m_hasFocus; }
    /// True while the blinking caret is in its drawn phase.
    bool GetCaretPhase() const { return m_caretPhase; }
    /// True while the caret timer runs.
    bool IsCaretTimerRunning() const { return m_caretTimer.IsRunning(); }

    /// Toolkit handler: typed characters, Backspace, Enter and the Control commands.
    void LocalChar(wxKeyEvent& event);
    /// Toolkit handler: Delete and the arrow keys (with Shift: selection).
    void OnVornKeyDown(wxKeyEvent& event) override;
    /// Toolkit handler: places the caret (with Shift: extends the selection) and starts a drag.
    void LocalLeftDown(wxMouseEvent& event);
    /// Toolkit handler: ends the drag.
    void LocalLeftUp(wxMouseEvent& event);
    /// Toolkit handler: selects the word under the pointer.
    void LocalLeftDClick(wxMouseEvent& event);
    /// Toolkit handler: drag selection and the text cursor.
    void LocalMotion(wxMouseEvent& event);
    /// Toolkit handler: the wheel scrolls three lines a notch.
    void LocalMouseWheel(wxMouseEvent& event);
    /// Toolkit handler: caret blink (timer 101).
    void LocalTimer(wxTimerEvent& event);
    /// Toolkit handler: drag auto-scroll (timer 102) re-posts the last drag event.
    void ShooftyTimer(wxTimerEvent& event);
    /// Toolkit handler: the box got the keyboard focus.
    void LocalSetFocus(wxFocusEvent& event);
    /// Toolkit handler: the box lost the focus; commits a changed text.
    void LocalKillFocus(wxFocusEvent& event);
    /// Toolkit handler: a box without a background bitmap follows its new size.
    void LocalOnSize(wxSizeEvent& event);

private:
    friend class VornMultiEditScrollBar;
    void ScrollToSlider(double value);
    void FitTextArea();
    void PlaceScrollBar();
    void CheckScrollBar();
    void SendCommit();
    template <class Edit>
    void ApplyEdit(int loChar, int hiChar, Edit edit);
    void AfterCaretMove();
    void MoveVertically(int lines, bool extend);
    void Copy();
    void Paste();
    void ShowTextCursor(bool show);
    int CaretByte() const;
    void DrawLine(wxMemoryDC& dc, int line, int y, int selLo, int selHi) const;
    void ClearArea(wxMemoryDC& dc, const wxRect& area) const;

    // What the buffer shows, so that a paint redraws only what changed since.
    struct Painted {
        double firstLine = 0.0;
        int selLo = 0, selHi = 0; // bytes
        int caretLine = -1;       // -1: no caret drawn
        bool valid = false;
    };

    TextEditModel m_model;
    LineLayout m_layout;
    wxBitmap m_buffer;
    wxTimer m_caretTimer;
    wxTimer m_scrollTimer;
    wxMouseEvent m_lastMouseEvent;
    wxCursor m_textCursor;
    const wxBitmap* m_background = nullptr;
    bool m_editable = false;
    double m_firstLine = 0.0;
    int m_lineHeight = 1;
    int m_visibleLines = 1;
    int m_goalX = -1; // pixel x Up and Down keep while they repeat; -1 when unset
    bool m_dragging = false;
    bool m_hasFocus = false;
    bool m_caretPhase = false;
    bool m_cursorShown = false;
    wxRect m_textRect;
    wxRect m_infoRect; // the skin's text area, scroll bar strip included
    wxColour m_textColour;
    wxColour m_highlightColour;
    wxColour m_backgroundColour;
    bool m_modified = true;
    VornMultiEditScrollBar* m_scrollBar = nullptr; // a child window: the toolkit destroys it
    std::unique_ptr<wxMemoryDC> m_measure;         // measures text as the buffer draws it
    Painted m_painted;
    int m_dirtyFrom = INT_MAX; // lines edited since the last paint
    int m_dirtyTo = -1;

    wxDECLARE_EVENT_TABLE();
};

} // namespace vorn
