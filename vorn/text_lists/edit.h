#pragma once
// VornEdit: a custom-drawn single-line text field with a caret, mouse and keyboard
// selection, the clipboard, a password mode and numeric formats applied when the text is
// committed. What it does to text lives in TextEditModel; the box feeds it events and draws.
//
// What reaches the group:
//   Enter                      ControlSelected(id), then Update(0, StringValChanged) - always
//   focus lost after a change  ControlSelected(id), then Update(0, StringValChanged)
//   focus lost, no change      nothing
//   SetText(s, true)           [ControlDrag(id) on a value group], Update(0, StringValChanged)
//   click, not editable        ControlSelected(id)
//   double click, not editable ControlDoubleClick(id)
// While an update runs the box reads as not focused, so a receiver may SetText it.
#include <memory>
#include <string>

#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/cursor.h>
#include <wx/event.h>
#include <wx/timer.h>

#include <vorn/assets/skin_info.h>
#include <vorn/framework/control.h>
#include <vorn/text_lists/text_model.h>

namespace vorn {

class VornEdit;

/// What a host implements to hear the Tab key in an edit box.
class VornEditCallBack {
public:
    /// Nothing to release.
    virtual ~VornEditCallBack() = default;
    /// Tab was released in `edit`.
    virtual void OnTabKey(VornEdit* edit) = 0;
};

/// A skinned single-line edit box reporting its committed text as a StringValChanged hint.
class VornEdit : public VornControl {
public:
    /// The formatting rule (see EditStyleRule): 0 integer, 1 real, 2 free text, 3 password,
    /// 4 real with two decimals, 5 at most five characters.
    typedef int EDITSTYLE;
    /// Window style bit: a box that is not editable draws its text flush right.
    static constexpr long kRightAligned = 0x200;
    /// Timer id of the caret blink.
    static constexpr int kCaretTimerId = 101;
    /// Timer id of the drag auto-scroll.
    static constexpr int kScrollTimerId = 102;

    /// No window yet: Create must follow.
    VornEdit();
    /// A plain box of two colours: free text, not editable.
    VornEdit(int x, int y, int w, int h, wxWindow* parent, const wxColour& fg, const wxColour& bg, int id,
             VornControlGroup* group, long style = 0);
    /// A box on a skin bitmap (not owned; null draws the info's background colour) of the
    /// given edit style.
    VornEdit(const wxBitmap* background, VornEditInfo& info, int x, int y, wxWindow* parent, int id,
             bool editable, int style, VornControlGroup* group, long windowStyle = 0);
    /// Stops the timers.
    ~VornEdit() override;

    /// Makes the window of a default-constructed plain box (same arguments as the constructor).
    virtual bool Create(int x, int y, int w, int h, wxWindow* parent, const wxColour& fg, const wxColour& bg,
                        int id, VornControlGroup* group, long style = 0);
    /// Makes the window of a default-constructed skinned box (same arguments as the constructor).
    virtual bool Create(const wxBitmap* background, VornEditInfo& info, int x, int y, wxWindow* parent, int id,
                        bool editable, int style, VornControlGroup* group, long windowStyle = 0);
    using VornControl::Create;
    /// The size a skinned box takes: its skin bitmap's, else the text area's right and bottom edges.
    static wxSize SkinSize(const wxBitmap* background, const VornEditInfo& info);

    /// Sets the text (formatted by the style); ignored while the box has the focus. With
    /// `send`, the text is committed to the group. Redraws at once.
    virtual void SetText(const std::string& text, bool send);
    /// Copies the text.
    virtual void GetText(std::string& text);
    /// Allows or forbids typing, selecting and the caret.
    virtual void SetEditable(bool editable);
    /// Whether the box takes typing.
    virtual bool IsEditable();

    /// Composes the box in its buffer and copies it to `dc`.
    void OnDraw(wxDC* dc) override;

    /// The fill colour used when there is no background bitmap.
    void SetBackgroundCol(const wxColour& colour);
    /// The has-focus flag (false while a commit message runs).
    bool IThinkIHaveFocus() const { return m_hasFocus; }
    /// Sets the Tab listener (not owned; null for none).
    void SetCallBackHandler(VornEditCallBack* callback) { m_callback = callback; }

    /// The edit style.
    EDITSTYLE GetStyle() const { return m_style; }
    /// Text, caret, selection and scroll offset.
    const TextEditModel& GetModel() const { return m_model; }
    /// True when the text changed since the box got the focus.
    bool IsModified() const { return m_modified; }
    /// True while the blinking caret is in its drawn phase.
    bool GetCaretPhase() const { return m_caretPhase; }
    /// True while the caret timer runs.
    bool IsCaretTimerRunning() const { return m_caretTimer.IsRunning(); }
    /// The area the text is drawn and clicked in.
    wxRect GetTextRect() const { return wxRect(m_textX, m_textY, m_textW, m_textH); }
    /// The caret position for a pointer `x` pixels right of the text's start.
    int MapMouseToCharacter(int x) const { return m_model.MapMouseToCharacter(x); }

    /// Sets the font the text is drawn and measured with.
    bool SetFont(const wxFont& font) override;

    /// Toolkit handler: a typed character, Backspace, Enter and the Control commands.
    void LocalChar(wxKeyEvent& event);
    /// Toolkit handler: places the caret and starts a drag selection.
    void LocalLeftDown(wxMouseEvent& event);
    /// Toolkit handler: ends the drag selection.
    void LocalLeftUp(wxMouseEvent& event);
    /// Toolkit handler: selects the word under the pointer.
    void LocalLeftDClick(wxMouseEvent& event);
    /// Toolkit handler: drag selection, auto-scroll and the text cursor.
    void LocalMotion(wxMouseEvent& event);
    /// Toolkit handler: the pointer came over the box.
    void LocalEnterWindow(wxMouseEvent& event);
    /// Toolkit handler: the pointer left the box.
    void LocalLeaveWindow(wxMouseEvent& event);
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
    /// Toolkit handler: Tab goes to the callback.
    void OnVornKeyUp(wxKeyEvent& event) override;
    /// Toolkit handler: Delete, Left and Right (with Shift: selection).
    void OnVornKeyDown(wxKeyEvent& event) override;

protected:
    /// Lets a subclass rewrite the value a commit sends; does nothing here.
    virtual void DoSendTranslation(std::string& value);
    /// Formats the text by the style ("%d", "%f", "%.2f"), then refreshes.
    void CheckFormating();
    /// Sends the commit message: Update(0, this, StringValChanged) with the translated text.
    void SendCommit();

private:
    void InitModel();
    void MakeBuffer(int w, int h);
    bool InTextRect(int x, int y) const;
    void AfterEdit();
    void ShowTextCursor(bool show);
    void Copy();
    void Paste();
    int CharacterUnder(int x) const;

    TextEditModel m_model;
    EDITSTYLE m_style = kEditText;
    wxBitmap m_buffer;
    wxTimer m_caretTimer;
    wxCursor m_textCursor;
    wxTimer m_scrollTimer;
    wxMouseEvent m_lastMouseEvent;
    const wxBitmap* m_background = nullptr;
    bool m_editable = false;
    bool m_dragging = false;
    bool m_mouseInside = false;
    bool m_hasFocus = false;
    bool m_caretPhase = false;
    bool m_cursorShown = false;
    int m_textX = 0;
    int m_textW = 0;
    int m_textY = 0;
    int m_textH = 0;
    wxColour m_highlightColour;
    wxColour m_textColour;
    wxColour m_backgroundColour;
    bool m_rightAligned = false;
    bool m_modified = true;
    VornEditCallBack* m_callback = nullptr;
    bool m_modelReady = false; // the model measures with the box's font

    wxDECLARE_EVENT_TABLE();
};

} // namespace vorn
