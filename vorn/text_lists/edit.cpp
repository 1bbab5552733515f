#include <vorn/text_lists/edit.h>

#include <algorithm>

#include <wx/dcclient.h>
#include <wx/dcmemory.h>

#include <vorn/framework/control_group.h>
#include <vorn/framework/hints.h>
#include <vorn/text_lists/detail/text_input.h>
#include <vorn/util/detail/blit.h>
#include <vorn/util/detail/text_measure.h>
#include <vorn/util/diagnostics.h>

namespace vorn {

namespace {

constexpr int kScrollStep = 8;   // pixels the text moves per auto-scroll step
constexpr int kCaretBlinkMs = 500;
constexpr int kScrollRepeatMs = 50;

// The box holds one line: pasted line breaks, tabs and other control characters become spaces.
std::string OneLine(std::string text)
{
    std::replace_if(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; },
                    ' ');
    return text;
}

} // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(VornEdit, VornControl)
    EVT_CHAR(VornEdit::LocalChar)
    EVT_LEFT_DOWN(VornEdit::LocalLeftDown)
    EVT_LEFT_UP(VornEdit::LocalLeftUp)
    EVT_LEFT_DCLICK(VornEdit::LocalLeftDClick)
    EVT_MOTION(VornEdit::LocalMotion)
    EVT_ENTER_WINDOW(VornEdit::LocalEnterWindow)
    EVT_LEAVE_WINDOW(VornEdit::LocalLeaveWindow)
    EVT_TIMER(VornEdit::kCaretTimerId, VornEdit::LocalTimer)
    EVT_TIMER(VornEdit::kScrollTimerId, VornEdit::ShooftyTimer)
    EVT_SET_FOCUS(VornEdit::LocalSetFocus)
    EVT_KILL_FOCUS(VornEdit::LocalKillFocus)
    EVT_SIZE(VornEdit::LocalOnSize)
wxEND_EVENT_TABLE()
// clang-format on

VornEdit::VornEdit()
    : m_caretTimer(this, kCaretTimerId), m_textCursor(wxCURSOR_IBEAM), m_scrollTimer(this, kScrollTimerId)
{
}

VornEdit::VornEdit(int x, int y, int w, int h, wxWindow* parent, const wxColour& fg, const wxColour& bg, int id,
                   VornControlGroup* group, long style)
    : VornEdit()
{
    VornEdit::Create(x, y, w, h, parent, fg, bg, id, group, style);
}

VornEdit::VornEdit(const wxBitmap* background, VornEditInfo& info, int x, int y, wxWindow* parent, int id,
                   bool editable, int style, VornControlGroup* group, long windowStyle)
    : VornEdit()
{
    VornEdit::Create(background, info, x, y, parent, id, editable, style, group, windowStyle);
}

VornEdit::~VornEdit()
{
    m_caretTimer.Stop();
    m_scrollTimer.Stop();
}

bool VornEdit::Create(int x, int y, int w, int h, wxWindow* parent, const wxColour& fg, const wxColour& bg, int id,
                      VornControlGroup* group, long style)
{
    const bool ok = VornControl::Create(x, y, w, h, parent, id, group, wxWANTS_CHARS);
    m_style = kEditText;
    m_editable = false;
    m_background = nullptr;
    m_textX = m_textY = 0;
    m_textW = w;
    m_textH = h;
    m_textColour = fg;
    m_highlightColour = *wxBLACK;
    m_backgroundColour = bg;
    m_rightAligned = (style & kRightAligned) != 0;
    MakeBuffer(w, h);
    InitModel();
    return ok;
}

bool VornEdit::Create(const wxBitmap* background, VornEditInfo& info, int x, int y, wxWindow* parent, int id,
                      bool editable, int style, VornControlGroup* group, long windowStyle)
{
    const bool hasBitmap = background && background->IsOk();
    const wxSize size = SkinSize(background, info);
    const int w = size.x, h = size.y;
    const bool ok = VornControl::Create(x, y, w, h, parent, id, group, wxWANTS_CHARS);
    // The right-aligned bit is taken from either argument; the style keeps only the rule.
    m_rightAligned = ((windowStyle | style) & kRightAligned) != 0;
    m_style = style & ~static_cast<int>(kRightAligned);
    m_editable = editable;
    m_background = hasBitmap ? background : nullptr;
    m_textX = info.x;
    m_textY = info.y;
    m_textW = info.width;
    m_textH = info.height;
    m_textColour = info.textColour;
    m_highlightColour = info.highlightColour.IsOk() ? info.highlightColour : *wxBLACK;
    // Scripts never set the third colour; without one the parent's background fills the box.
    m_backgroundColour = info.backgroundColour.IsOk() || !parent ? info.backgroundColour
                                                                 : parent->GetBackgroundColour();
    if (info.font.IsOk())
        wxWindow::SetFont(info.font);
    MakeBuffer(w, h);
    InitModel();
    return ok;
}

wxSize VornEdit::SkinSize(const wxBitmap* background, const VornEditInfo& info)
{
    if (background && background->IsOk())
        return background->GetSize();
    return {info.x + info.width, info.y + info.height};
}

// Widths come from the contexts every box shares, with the box's font, as the buffer draws;
// the numbers a box shows again and again are measured once.
void VornEdit::InitModel()
{
    m_model.SetWidthFunction([this](const std::string& text) { return detail::CachedTextExtent(GetFont(), text).x; });
    m_model.SetMasked(m_style == kEditPassword);
    m_modelReady = true;
}

bool VornEdit::SetFont(const wxFont& font)
{
    const bool ok = VornControl::SetFont(font);
    if (m_modelReady) {
        m_model.InvalidateWidths();
        m_model.KeepCaretVisible(m_textW);
    }
    Refresh(false);
    return ok;
}

void VornEdit::MakeBuffer(int w, int h)
{
    m_buffer.Create(std::max(w, 1), std::max(h, 1));
}

void VornEdit::SetText(const std::string& text, bool send)
{
    if (m_hasFocus)
        return; // the user's typing wins
    m_model.SetText(text);
    CheckFormating();
    if (m_style == kEditFive)
        m_model.Truncate(5);
    m_modified = true;
    m_model.SetCaret(0);
    m_model.SetOffset(0);
    if (send && m_group) {
        if (auto* valueGroup = dynamic_cast<VornControlGroupValue*>(m_group))
            valueGroup->ControlDrag(GetId(), this);
        SendCommit();
    }
    DrawAtOnce();
}

void VornEdit::GetText(std::string& text)
{
    text = m_model.GetText();
}

void VornEdit::SetEditable(bool editable)
{
    m_editable = editable;
    SetCursor(wxNullCursor);
    m_cursorShown = false;
    Refresh(false);
}

bool VornEdit::IsEditable()
{
    return m_editable;
}

void VornEdit::SetBackgroundCol(const wxColour& colour)
{
    m_backgroundColour = colour;
    Refresh(false);
}

void VornEdit::DoSendTranslation(std::string&) {}

void VornEdit::CheckFormating()
{
    const std::string formatted = FormatForStyle(m_model.GetText(), m_style);
    if (formatted != m_model.GetText()) {
        const int caret = m_model.GetCaret();
        m_model.SetText(formatted);
        m_model.SetCaret(caret);
        m_model.KeepCaretVisible(m_textW);
    }
    Refresh(false);
}

void VornEdit::SendCommit()
{
    if (!m_group)
        return;
    StringValChanged hint(m_model.GetText());
    DoSendTranslation(hint.value);
    // Receivers may set this box's text while the update runs.
    const bool hadFocus = m_hasFocus;
    m_hasFocus = false;
    m_group->Update(0, this, &hint);
    m_hasFocus = hadFocus;
}

// ---- Drawing ----

void VornEdit::OnDraw(wxDC* dc)
{
    RecalcIfDirty();
    if (!m_buffer.IsOk())
        return;
    wxMemoryDC mdc(m_buffer);
    if (m_background) {
        detail::BlitBitmap(mdc, 0, 0, m_background->GetWidth(), m_background->GetHeight(), *m_background);
    } else {
        mdc.SetBackground(wxBrush(m_backgroundColour.IsOk() ? m_backgroundColour : *wxWHITE));
        mdc.Clear();
    }
    mdc.SetFont(GetFont());
    mdc.SetTextForeground(m_textColour.IsOk() ? m_textColour : *wxBLACK);
    mdc.SetClippingRegion(m_textX, m_textY, m_textW, m_textH);

    // Right-aligned boxes end their text at the right edge; the others scroll by the offset.
    const int textWidth = m_rightAligned && !m_editable ? m_model.TextWidth() : 0;
    const int offset = m_rightAligned && !m_editable ? m_textW - textWidth : m_model.GetOffset();
    int first = 0, count = 0, x = 0;
    m_model.VisibleRange(offset, m_textW, first, count, x);
    const int end = first + count;
    const int selLo = std::clamp(m_model.GetSelectionMin(), first, end);
    const int selHi = std::clamp(m_model.GetSelectionMax(), first, end);
    auto xOf = [&](int index) { return m_textX + offset + m_model.PrefixWidth(index); };
    if (selLo > first)
        detail::DrawTextRun(mdc, wxString::FromUTF8(m_model.GetShown(first, selLo - first)), xOf(first), m_textY);
    if (selHi > selLo) {
        mdc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
        mdc.SetTextBackground(m_highlightColour);
        mdc.DrawText(wxString::FromUTF8(m_model.GetShown(selLo, selHi - selLo)), xOf(selLo), m_textY);
        mdc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    }
    if (end > selHi)
        detail::DrawTextRun(mdc, wxString::FromUTF8(m_model.GetShown(selHi, end - selHi)), xOf(selHi), m_textY);

    if (m_editable && m_hasFocus && m_caretPhase) {
        mdc.SetPen(*wxTRANSPARENT_PEN);
        mdc.SetBrush(*wxBLACK_BRUSH);
        mdc.DrawRectangle(xOf(m_model.GetCaret()), m_textY, 2, m_textH);
    }
    mdc.DestroyClippingRegion();
    dc->Blit(0, 0, m_buffer.GetWidth(), m_buffer.GetHeight(), &mdc, 0, 0);
}

// ---- Keys ----

// The key handlers override the window's (its table reaches them): a press left skipped
// stays unhandled, and wx 3.2 on GTK then makes the char event that LocalChar types.
void VornEdit::OnVornKeyDown(wxKeyEvent& event)
{
    bool used = m_editable && m_enabled;
    if (used) {
        switch (event.GetKeyCode()) {
        case WXK_DELETE:
        case WXK_NUMPAD_DELETE:
            m_model.DeleteForward();
            m_modified = true;
            break;
        case WXK_LEFT:
        case WXK_NUMPAD_LEFT:
            m_model.MoveCaret(-1, event.ShiftDown());
            break;
        case WXK_RIGHT:
        case WXK_NUMPAD_RIGHT:
            m_model.MoveCaret(1, event.ShiftDown());
            break;
        default:
            used = false;
        }
    }
    if (!used) {
        // Other keys go to the parents as every library window sends them, and on to the
        // toolkit, which makes the char event.
        VornWindow::OnVornKeyDown(event);
        event.Skip();
        return;
    }
    m_model.KeepCaretVisible(m_textW);
    Refresh(false);
}

void VornEdit::OnVornKeyUp(wxKeyEvent& event)
{
    if (event.GetKeyCode() == WXK_TAB && m_callback)
        m_callback->OnTabKey(this);
    if (!m_editable || !m_enabled)
        VornWindow::OnVornKeyUp(event); // a box that does not edit passes the key on
}

void VornEdit::LocalChar(wxKeyEvent& event)
{
    if (!m_editable || !m_enabled) {
        event.Skip();
        return;
    }
    const int code = event.GetKeyCode();
    if (event.ControlDown() && !event.AltDown() && code != WXK_BACK && code != WXK_RETURN) {
        switch (detail::ControlLetter(code)) {
        case 'A':
            m_model.SelectAll();
            Refresh(false);
            return;
        case 'C':
            Copy();
            return;
        case 'X':
            if (m_style != kEditPassword && m_model.HasSelection()) {
                Copy();
                m_model.DeleteSelection();
                AfterEdit();
            }
            return;
        case 'V':
            Paste();
            return;
        default:
            if (detail::ControlLetter(code) >= 'A' && detail::ControlLetter(code) <= 'Z')
                return; // other letters do nothing
            event.Skip();
            return;
        }
    }
    if (code == WXK_BACK) {
        m_model.DeleteBackward();
        AfterEdit();
        return;
    }
    if (code == WXK_RETURN || code == WXK_NUMPAD_ENTER) {
        CheckFormating();
        if (m_group) {
            m_group->ControlSelected(GetId(), this);
            SendCommit();
        }
        m_modified = false;
        return;
    }
    // wx 3.2 delivers Unicode: every printable character is taken, not only those below 256.
    const wxChar32 c = event.GetUnicodeKey();
    if (c == WXK_NONE || !detail::IsTypedCharacter(c)) {
        event.Skip();
        return;
    }
    std::string utf8;
    Utf8Append(utf8, static_cast<char32_t>(c));
    m_model.Replace(utf8);
    AfterEdit();
}

// Every change of the text: it is modified, a five-character box keeps five, and the caret
// stays in view.
void VornEdit::AfterEdit()
{
    m_modified = true;
    if (m_style == kEditFive)
        m_model.Truncate(5);
    m_model.KeepCaretVisible(m_textW);
    Refresh(false);
}

void VornEdit::Copy()
{
    if (m_style == kEditPassword || !m_model.HasSelection())
        return; // a password never leaves the box
    detail::CopyToClipboard(m_model.GetSelectedText());
}

void VornEdit::Paste()
{
    std::string text;
    if (!detail::PasteFromClipboard(text))
        return;
    m_model.Replace(OneLine(std::move(text)));
    AfterEdit();
}

// ---- Mouse ----

bool VornEdit::InTextRect(int x, int y) const
{
    return x >= m_textX && x <= m_textX + m_textW && y >= m_textY && y <= m_textY + m_textH;
}

// The character under the pointer (not the caret place: a point on a character's right half
// still means that character).
int VornEdit::CharacterUnder(int x) const
{
    const int rel = x - (m_textX + m_model.GetOffset());
    int index = m_model.MapMouseToCharacter(rel);
    if (index > 0 && m_model.PrefixWidth(index) > rel)
        --index;
    return index;
}

void VornEdit::LocalLeftDown(wxMouseEvent& event)
{
    const wxPoint p = event.GetPosition();
    if (m_enabled && m_editable && InTextRect(p.x, p.y)) {
        m_model.SetCaret(m_model.MapMouseToCharacter(p.x - (m_textX + m_model.GetOffset())));
        Refresh(false);
        m_dragging = true;
        CaptureMouse();
        // GTK focuses a window on a click only when the press went unhandled.
        if (!m_hasFocus && IsShownOnScreen())
            SetFocus();
    }
    if (!m_editable && m_group)
        m_group->ControlSelected(GetId(), this);
}

void VornEdit::LocalLeftUp(wxMouseEvent&)
{
    if (!m_enabled || !m_editable)
        return;
    m_dragging = false;
    m_scrollTimer.Stop();
    ReleaseMouse();
}

void VornEdit::LocalLeftDClick(wxMouseEvent& event)
{
    if (!m_enabled || !m_editable) {
        if (m_group)
            m_group->ControlDoubleClick(GetId(), this);
        return;
    }
    const wxPoint p = event.GetPosition();
    if (!InTextRect(p.x, p.y))
        return;
    m_model.SelectWordAt(CharacterUnder(p.x));
    Refresh(false);
}

void VornEdit::LocalMotion(wxMouseEvent& event)
{
    const wxPoint p = event.GetPosition();
    if (m_dragging) {
        const int room = m_textW - 2;
        if (p.x < m_textX || p.x > m_textX + m_textW) {
            const int before = m_model.GetOffset();
            const int offset = before + (p.x < m_textX ? kScrollStep : -kScrollStep);
            // Never scroll past either end of the text; at an end the repeats stop.
            m_model.SetOffset(std::max(offset, std::min(0, room - m_model.TextWidth())));
            m_lastMouseEvent = event;
            if (m_model.GetOffset() != before)
                m_scrollTimer.StartOnce(kScrollRepeatMs);
        }
        const int index = m_model.MapMouseToCharacter(p.x - (m_textX + m_model.GetOffset()));
        dprintf("mouse mapped to character %d\n", index);
        m_model.SetCaret(index, true);
        Refresh(false);
    }
    ShowTextCursor(m_editable && InTextRect(p.x, p.y));
}

void VornEdit::ShowTextCursor(bool show)
{
    if (show == m_cursorShown)
        return;
    m_cursorShown = show;
    SetCursor(show ? m_textCursor : wxNullCursor);
}

void VornEdit::ShooftyTimer(wxTimerEvent&)
{
    if (m_dragging)
        AddPendingEvent(m_lastMouseEvent);
}

void VornEdit::LocalEnterWindow(wxMouseEvent&)
{
    m_mouseInside = true;
}

void VornEdit::LocalLeaveWindow(wxMouseEvent&)
{
    m_mouseInside = false;
}

// ---- Focus and caret ----

void VornEdit::LocalSetFocus(wxFocusEvent&)
{
    if (!m_enabled)
        return;
    m_hasFocus = true;
    m_caretPhase = true; // the caret shows at once, then blinks
    m_caretTimer.Start(kCaretBlinkMs);
    Refresh(false);
    m_modified = false;
}

void VornEdit::LocalTimer(wxTimerEvent&)
{
    m_caretPhase = !m_caretPhase;
    Refresh(false);
}

void VornEdit::LocalKillFocus(wxFocusEvent&)
{
    if (!m_enabled)
        return;
    m_hasFocus = false;
    m_dragging = false;
    m_caretTimer.Stop();
    m_scrollTimer.Stop();
    ReleaseMouse();
    Refresh(false);
    if (m_modified)
        CheckFormating();
    if (m_modified && m_group) {
        m_modified = false;
        m_group->ControlSelected(GetId(), this);
        SendCommit();
    }
    m_model.CollapseSelection();
}

void VornEdit::LocalOnSize(wxSizeEvent& event)
{
    event.Skip();
    if (m_background)
        return;
    const wxSize size = event.GetSize();
    MakeBuffer(size.x, size.y);
    m_textW = size.x - m_textX;
    m_textH = size.y - m_textY;
    m_model.KeepCaretVisible(m_textW);
    Refresh(false);
}

} // namespace vorn
