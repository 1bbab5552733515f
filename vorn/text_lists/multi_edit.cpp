#include <vorn/text_lists/multi_edit.h>

#include <algorithm>
#include <climits>
#include <cmath>

#include <wx/dcclient.h>
#include <wx/dcmemory.h>

#include <vorn/framework/control_group.h>
#include <vorn/framework/hints.h>
#include <vorn/text_lists/detail/text_input.h>
#include <vorn/util/detail/text_measure.h>

namespace vorn {

// clang-format off
wxBEGIN_EVENT_TABLE(VornMultiEdit, VornControl)
    EVT_CHAR(VornMultiEdit::LocalChar)
    EVT_LEFT_DOWN(VornMultiEdit::LocalLeftDown)
    EVT_LEFT_UP(VornMultiEdit::LocalLeftUp)
    EVT_LEFT_DCLICK(VornMultiEdit::LocalLeftDClick)
    EVT_MOTION(VornMultiEdit::LocalMotion)
    EVT_MOUSEWHEEL(VornMultiEdit::LocalMouseWheel)
    EVT_TIMER(VornMultiEdit::kCaretTimerId, VornMultiEdit::LocalTimer)
    EVT_TIMER(VornMultiEdit::kScrollTimerId, VornMultiEdit::ShooftyTimer)
    EVT_SET_FOCUS(VornMultiEdit::LocalSetFocus)
    EVT_KILL_FOCUS(VornMultiEdit::LocalKillFocus)
    EVT_SIZE(VornMultiEdit::LocalOnSize)
wxEND_EVENT_TABLE()
// clang-format on

void VornMultiEditScrollBar::OnSliderChange()
{
    if (m_edit)
        m_edit->ScrollToSlider(GetSliderVal());
}

VornMultiEdit::VornMultiEdit() : m_caretTimer(this, kCaretTimerId), m_scrollTimer(this, kScrollTimerId) {}

VornMultiEdit::VornMultiEdit(const wxBitmap* background, VornEditInfo& info, int x, int y, wxWindow* parent,
                             int id, bool editable, VornControlGroup* group, long style)
    : m_caretTimer(this, kCaretTimerId), m_scrollTimer(this, kScrollTimerId)
{
    VornMultiEdit::Create(background, info, x, y, parent, id, editable, group, style);
}

VornMultiEdit::~VornMultiEdit()
{
    m_caretTimer.Stop();
    m_scrollTimer.Stop();
}

bool VornMultiEdit::Create(const wxBitmap* background, VornEditInfo& info, int x, int y, wxWindow* parent, int id,
                           bool editable, VornControlGroup* group, long style)
{
    const bool bitmap = background && background->IsOk();
    const int w = std::max(1, bitmap ? background->GetWidth() : info.x + info.width);
    const int h = std::max(1, bitmap ? background->GetHeight() : info.y + info.height);
    if (!VornControl::Create(x, y, w, h, parent, id, group, style | wxWANTS_CHARS))
        return false;
    m_background = bitmap ? background : nullptr;
    m_editable = editable;
    m_infoRect = wxRect(info.x, info.y, std::max(0, info.width), std::max(0, info.height));
    m_textColour = info.textColour.IsOk() ? info.textColour : *wxBLACK;
    m_highlightColour = info.highlightColour.IsOk() ? info.highlightColour : *wxBLACK;
    m_backgroundColour = info.backgroundColour.IsOk() ? info.backgroundColour : GetBackgroundColour();
    m_textCursor = wxCursor(wxCURSOR_IBEAM);
    m_measure = std::make_unique<wxMemoryDC>();
    wxBitmap probe(1, 1);
    m_measure->SelectObject(probe);
    m_layout.SetWidthFunction([this](std::string_view text) {
        wxCoord width = 0, height = 0;
        m_measure->GetTextExtent(wxString::FromUTF8(text.data(), text.size()), &width, &height);
        return static_cast<int>(width);
    });
    // Until the host picks the skin's scroll colours, the bar takes the box's own.
    SetScrollColours(m_textColour, m_backgroundColour, m_highlightColour);
    SetFont(info.font.IsOk() ? info.font : GetFont());
    return true;
}

void VornMultiEdit::SetScrollColours(wxColour line, wxColour background, wxColour highlight)
{
    // The bar draws its images from the colours it was made with, so it is made anew.
    if (m_scrollBar)
        m_scrollBar->Destroy();
    m_scrollBar = new VornMultiEditScrollBar(this);
    m_scrollBar->Create(line, background, highlight, 0, 0, std::max(m_infoRect.height, 30), this, wxID_ANY,
                        nullptr);
    PlaceScrollBar();
    CheckScrollBar();
}

bool VornMultiEdit::SetFont(const wxFont& font)
{
    const bool ok = VornControl::SetFont(font);
    if (!m_measure) // the toolkit's own calls during creation
        return ok;
    m_measure->SetFont(GetFont());
    m_lineHeight = std::max(1, GetCharHeight());
    FitTextArea();
    return ok;
}

void VornMultiEdit::PlaceScrollBar()
{
    if (m_scrollBar)
        m_scrollBar->SetWindowPos(m_infoRect.GetRight() + 1 - 11, m_infoRect.y, 11, std::max(m_infoRect.height, 30));
}

void VornMultiEdit::FitTextArea()
{
    m_textRect = m_infoRect;
    m_textRect.width = std::max(1, m_infoRect.width - kScrollBarSpace);
    m_visibleLines = std::max(1, m_textRect.height / m_lineHeight);
    PlaceScrollBar();
    UpdateLineBreaks();
}

void VornMultiEdit::UpdateLineBreaks()
{
    m_layout.SetTextWidth(m_textRect.width);
    m_layout.UpdateLineBreaks(m_model.GetText());
    m_painted.valid = false;
    SetScrollPos(0.0); // keeps the view inside the new line count
    CheckScrollBar();
}

void VornMultiEdit::CheckScrollBar()
{
    if (!m_scrollBar)
        return;
    const int hidden = m_layout.GetLineCount() - m_visibleLines;
    m_scrollBar->SetFractionVal(hidden > 0 ? static_cast<double>(m_visibleLines) / m_layout.GetLineCount() : 0.9999);
    m_scrollBar->SetSliderVal(hidden > 0 ? m_firstLine / hidden : 0.0, false);
}

void VornMultiEdit::SetScrollPos(double d)
{
    // With no more lines than fit, the view stays at the top rather than scrolling into
    // empty space.
    const int last = std::max(0, m_layout.GetLineCount() - m_visibleLines);
    const double first = std::clamp(m_firstLine + d / m_lineHeight, 0.0, static_cast<double>(last));
    if (first == m_firstLine)
        return;
    m_firstLine = first;
    CheckScrollBar();
    Refresh(false);
}

void VornMultiEdit::ScrollToSlider(double value)
{
    const int last = std::max(0, m_layout.GetLineCount() - m_visibleLines);
    SetScrollPos((value * last - m_firstLine) * m_lineHeight);
}

int VornMultiEdit::CaretByte() const
{
    return m_layout.ByteOfChar(m_model.GetText(), m_model.GetCaret());
}

int VornMultiEdit::GetCurrentLineNo() const
{
    return m_layout.LineOf(CaretByte());
}

bool VornMultiEdit::UpdateCaretPos(int index)
{
    if (index != m_model.GetCaret())
        m_model.SetCaret(index);
    const double before = m_firstLine;
    const int line = GetCurrentLineNo();
    // One line at a time, as typing and the arrows need; a paste or a jump repeats it
    // until the caret's line shows.
    while (line > m_firstLine + m_visibleLines - 1)
        m_firstLine += 1.0;
    while (m_firstLine > 0.0 && line + 0.5 < m_firstLine)
        m_firstLine = std::max(0.0, m_firstLine - 1.0);
    if (m_firstLine == before)
        return false;
    CheckScrollBar();
    return true;
}

int VornMultiEdit::ScreenToIndex(wxPoint point) const
{
    const int line = std::clamp(static_cast<int>(std::floor(static_cast<double>(point.y) / m_lineHeight + m_firstLine)),
                                0, m_layout.GetLineCount() - 1);
    const std::string& text = m_model.GetText();
    return m_layout.CharOfByte(text, m_layout.IndexAt(text, line, point.x));
}

void VornMultiEdit::SetText(const std::string& text, bool send)
{
    m_model.SetText(text);
    // The wrap follows the text before the group hears of it, so a receiver that looks at
    // the box (or draws it) finds the two in step.
    m_firstLine = 0.0;
    m_goalX = -1;
    UpdateLineBreaks();
    if (send && m_group) {
        m_modified = false;
        m_group->ControlSelected(GetId(), this);
        SendCommit();
    }
    m_modified = true;
    Refresh(false);
}

void VornMultiEdit::GetText(std::string& text)
{
    text = m_model.GetText();
}

void VornMultiEdit::SetEditable(bool editable)
{
    m_editable = editable;
    SetCursor(wxNullCursor);
    m_cursorShown = false;
    m_painted.valid = false;
    Refresh(false);
}

bool VornMultiEdit::IsEditable()
{
    return m_editable;
}

void VornMultiEdit::SendCommit()
{
    StringValChanged hint(m_model.GetText());
    m_group->Update(0, this, &hint);
}

// ---- editing ----

// The edit may remove the selection, or `before` characters before the caret and `after`
// characters after it; the wrap is redone around those bytes only.
template <class Edit>
void VornMultiEdit::ApplyEdit(int before, int after, Edit edit)
{
    const std::string& text = m_model.GetText();
    const int caret = m_model.GetCaret();
    const int lo = m_model.HasSelection() ? m_model.GetSelectionMin() : std::max(0, caret - before);
    const int hi = m_model.HasSelection() ? m_model.GetSelectionMax() : std::min(m_model.GetLength(), caret + after);
    const int loByte = m_layout.ByteOfChar(text, lo);
    const int removed = m_layout.ByteOfChar(text, hi) - loByte;
    const int oldSize = static_cast<int>(text.size());
    if (!edit())
        return;
    const auto changed = m_layout.Reflow(text, loByte, removed, static_cast<int>(text.size()) - oldSize + removed);
    m_dirtyFrom = std::min(m_dirtyFrom, changed.first);
    m_dirtyTo = std::max(m_dirtyTo, changed.second);
    m_modified = true;
    SetScrollPos(0.0); // the text may have lost lines
    AfterCaretMove();
    CheckScrollBar();
}

void VornMultiEdit::AfterCaretMove()
{
    m_goalX = -1;
    m_caretPhase = true; // a moved caret shows at once
    UpdateCaretPos(m_model.GetCaret());
    Refresh(false);
}

void VornMultiEdit::MoveVertically(int lines, bool extend)
{
    const std::string& text = m_model.GetText();
    const int caretByte = CaretByte();
    const int line = m_layout.LineOf(caretByte) + lines;
    if (line < 0 || line >= m_layout.GetLineCount())
        return;
    const int goal = m_goalX >= 0 ? m_goalX : m_layout.XOf(text, caretByte);
    m_model.SetCaret(m_layout.CharOfByte(text, m_layout.IndexAt(text, line, goal)), extend);
    AfterCaretMove();
    m_goalX = goal; // kept while Up and Down repeat, so the caret returns to its column
}

void VornMultiEdit::Copy()
{
    if (m_model.HasSelection())
        detail::CopyToClipboard(m_model.GetSelectedText());
}

void VornMultiEdit::Paste()
{
    std::string pasted;
    detail::PasteFromClipboard(pasted);
    pasted.erase(std::remove(pasted.begin(), pasted.end(), '\r'), pasted.end()); // lines end in '\n' here
    if (!pasted.empty())
        ApplyEdit(0, 0, [&] { return m_model.Replace(pasted); });
}

void VornMultiEdit::OnVornKeyDown(wxKeyEvent& event)
{
    VornWindow::OnVornKeyDown(event); // climbs to the parents, as every key press does
    if (!m_editable || !m_enabled) {
        event.Skip();
        return;
    }
    const bool shift = event.ShiftDown();
    switch (event.GetKeyCode()) {
    case WXK_DELETE:
    case WXK_NUMPAD_DELETE: ApplyEdit(0, 1, [this] { return m_model.DeleteForward(); }); break;
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT:
        m_model.MoveCaret(-1, shift);
        AfterCaretMove();
        break;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT:
        m_model.MoveCaret(1, shift);
        AfterCaretMove();
        break;
    case WXK_UP:
    case WXK_NUMPAD_UP: MoveVertically(-1, shift); break;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN: MoveVertically(1, shift); break;
    default: event.Skip(); // becomes a character
    }
}

void VornMultiEdit::LocalChar(wxKeyEvent& event)
{
    if (!m_editable || !m_enabled) {
        event.Skip();
        return;
    }
    const int code = event.GetKeyCode();
    if (code == WXK_BACK) {
        ApplyEdit(1, 0, [this] { return m_model.DeleteBackward(); });
        return;
    }
    if (code == WXK_RETURN || code == WXK_NUMPAD_ENTER) {
        ApplyEdit(0, 0, [this] { return m_model.Replace("\n"); });
        return;
    }
    // Control+letter comes as the letter or as its control code (1 for A) depending on the
    // toolkit port; Control+Alt is AltGr on many layouts and types a character.
    if (event.ControlDown() && !event.AltDown()) {
        const int letter = detail::ControlLetter(code);
        if (letter == 'A') {
            m_model.SelectAll();
            AfterCaretMove();
        } else if (letter == 'C') {
            Copy();
        } else if (letter == 'X') {
            Copy();
            ApplyEdit(0, 0, [this] { return m_model.DeleteSelection(); });
        } else if (letter == 'V') {
            Paste();
        }
        return;
    }
    // Any printable Unicode character types (the toolkit delivers characters, not bytes).
    const wxChar32 uc = event.GetUnicodeKey();
    if (uc == WXK_NONE || !detail::IsTypedCharacter(uc)) {
        event.Skip();
        return;
    }
    std::string typed;
    Utf8Append(typed, static_cast<char32_t>(uc));
    ApplyEdit(0, 0, [&] { return m_model.Replace(typed); });
}

// ---- mouse ----

namespace {
bool InRect(const wxRect& r, wxPoint p) // borders included on every side
{
    return p.x >= r.x && p.x <= r.x + r.width && p.y >= r.y && p.y <= r.y + r.height;
}
} // namespace

void VornMultiEdit::LocalLeftDown(wxMouseEvent& event)
{
    if (!m_enabled)
        return;
    if (!m_editable) {
        if (m_group)
            m_group->ControlSelected(GetId(), this);
        return;
    }
    if (!InRect(m_textRect, event.GetPosition()))
        return;
    if (!m_hasFocus && IsShownOnScreen())
        SetFocus();
    m_model.SetCaret(ScreenToIndex(event.GetPosition() - m_textRect.GetTopLeft()), event.ShiftDown());
    m_goalX = -1;
    m_dragging = true;
    m_caretPhase = true;
    CheckScrollBar();
    CaptureMouse();
    Refresh(false);
}

void VornMultiEdit::LocalLeftUp(wxMouseEvent&)
{
    if (!m_enabled || !m_editable)
        return;
    m_dragging = false;
    ReleaseMouse();
}

void VornMultiEdit::LocalLeftDClick(wxMouseEvent& event)
{
    if (!m_enabled || !m_editable) {
        if (m_group)
            m_group->ControlDoubleClick(GetId(), this);
        return;
    }
    if (!InRect(m_textRect, event.GetPosition()))
        return;
    m_model.SelectWordAt(ScreenToIndex(event.GetPosition() - m_textRect.GetTopLeft()));
    Refresh(false);
}

void VornMultiEdit::LocalMotion(wxMouseEvent& event)
{
    const bool over = InRect(m_textRect, event.GetPosition());
    ShowTextCursor(over && m_editable && m_enabled);
    if (!m_dragging)
        return;
    const int index = ScreenToIndex(event.GetPosition() - m_textRect.GetTopLeft());
    m_model.SetCaret(index, true);
    // A drag past the top or bottom edge scrolls a line per step, and keeps scrolling while
    // the pointer stands still there, as the single-line box does sideways.
    const int y = event.GetPosition().y;
    if (UpdateCaretPos(index) && (y < m_textRect.y || y >= m_textRect.GetBottom())) {
        m_lastMouseEvent = event;
        m_scrollTimer.StartOnce(50);
    }
    Refresh(false);
}

void VornMultiEdit::ShooftyTimer(wxTimerEvent&)
{
    if (m_dragging)
        AddPendingEvent(m_lastMouseEvent);
}

void VornMultiEdit::LocalMouseWheel(wxMouseEvent& event)
{
    const int delta = std::max(1, event.GetWheelDelta());
    SetScrollPos(-3.0 * event.GetWheelRotation() / delta * m_lineHeight);
}

void VornMultiEdit::ShowTextCursor(bool show)
{
    if (show == m_cursorShown)
        return;
    SetCursor(show ? m_textCursor : wxNullCursor);
    m_cursorShown = show;
}

// ---- focus and caret ----

void VornMultiEdit::LocalTimer(wxTimerEvent&)
{
    m_caretPhase = !m_caretPhase;
    Refresh(false);
}

void VornMultiEdit::LocalSetFocus(wxFocusEvent& event)
{
    event.Skip();
    if (!m_enabled)
        return;
    m_hasFocus = true;
    m_caretTimer.Start(500);
    m_modified = false;
    Refresh(false);
}

void VornMultiEdit::LocalKillFocus(wxFocusEvent& event)
{
    event.Skip();
    if (!m_enabled)
        return;
    m_hasFocus = false;
    if (m_group && m_modified) {
        m_modified = false;
        m_group->ControlSelected(GetId(), this);
        SendCommit();
    }
    m_caretTimer.Stop();
    m_dragging = false;
    ReleaseMouse();
    Refresh(false);
}

void VornMultiEdit::LocalOnSize(wxSizeEvent& event)
{
    event.Skip();
    if (m_background || !m_measure)
        return;
    m_infoRect.width = std::max(0, event.GetSize().x - m_infoRect.x);
    m_infoRect.height = std::max(0, event.GetSize().y - m_infoRect.y);
    FitTextArea();
    Refresh(false);
}

// ---- drawing ----

void VornMultiEdit::DrawLine(wxMemoryDC& dc, int line, int y, int selLo, int selHi) const
{
    const std::string& text = m_model.GetText();
    const int end = m_layout.LineEnd(text, line);
    const int start = std::min(m_layout.LineStart(line), end);
    const auto piece = [&](int from, int to) { return wxString::FromUTF8(text.data() + from, to - from); };
    const int x = m_textRect.x, top = m_textRect.y + y;
    const int lo = std::clamp(selLo, start, end), hi = std::clamp(selHi, start, end);
    if (lo >= hi) {
        detail::DrawTextRun(dc, piece(start, end), x, top);
        return;
    }
    const int loX = m_layout.XOf(text, lo), hiX = m_layout.XOf(text, hi);
    detail::DrawTextRun(dc, piece(start, lo), x, top);
    dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
    detail::DrawTextRun(dc, piece(lo, hi), x + loX, top);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    detail::DrawTextRun(dc, piece(hi, end), x + hiX, top);
}

// The buffer keeps the last frame. A paint after a keystroke or a caret blink redraws only
// the lines the edit changed and the caret's old and new lines; a scroll, a new selection,
// a new size or a new wrap redraws everything.
void VornMultiEdit::OnDraw(wxDC* dc)
{
    const wxSize size = GetClientSize();
    bool full = !m_painted.valid;
    if (!m_buffer.IsOk() || m_buffer.GetSize() != size) {
        m_buffer = wxBitmap(std::max(1, size.x), std::max(1, size.y));
        full = true;
    }
    const std::string& text = m_model.GetText();
    const bool selection = m_model.HasSelection();
    const int selLo = selection ? m_layout.ByteOfChar(text, m_model.GetSelectionMin()) : 0;
    const int selHi = selection ? m_layout.ByteOfChar(text, m_model.GetSelectionMax()) : 0;
    const int caretByte = CaretByte();
    const int caretLine = m_editable && m_hasFocus && m_caretPhase ? m_layout.LineOf(caretByte) : -1;
    full = full || m_firstLine != m_painted.firstLine || selLo != m_painted.selLo || selHi != m_painted.selHi;
    int from = 0, to = INT_MAX;
    if (!full) {
        from = m_dirtyFrom;
        to = m_dirtyTo;
        for (int line : {m_painted.caretLine, caretLine})
            if (line >= 0) {
                from = std::min(from, line);
                to = std::max(to, line);
            }
    }
    wxMemoryDC mdc(m_buffer);
    if (full)
        ClearArea(mdc, wxRect(size));
    mdc.SetFont(GetFont());
    mdc.SetTextForeground(m_textColour);
    mdc.SetTextBackground(m_highlightColour);
    // Only the lines that show are drawn, whatever the length of the text.
    for (int line = std::max(from, static_cast<int>(m_firstLine)); line <= to; ++line) {
        const int y = static_cast<int>(std::lround((line - m_firstLine) * m_lineHeight));
        if (y >= m_textRect.height || (line >= m_layout.GetLineCount() && full))
            break;
        const wxRect strip = wxRect(m_textRect.x, m_textRect.y + y, m_textRect.width, m_lineHeight)
                                 .Intersect(m_textRect);
        mdc.SetClippingRegion(strip);
        if (!full)
            ClearArea(mdc, strip);
        if (line < m_layout.GetLineCount())
            DrawLine(mdc, line, y, selLo, selHi);
        if (line == caretLine) {
            const int x = m_textRect.x + m_layout.XOf(text, caretByte);
            mdc.SetPen(wxPen(*wxBLACK, 2));
            mdc.DrawLine(x, m_textRect.y + y, x, m_textRect.y + y + m_lineHeight - 1);
        }
        mdc.DestroyClippingRegion();
    }
    dc->Blit(0, 0, size.x, size.y, &mdc, 0, 0);
    m_painted = {m_firstLine, selLo, selHi, caretLine, true};
    m_dirtyFrom = INT_MAX;
    m_dirtyTo = -1;
    RecalcState();
}

// The background under `area`; a bitmap is drawn whole, so the caller clips it there.
void VornMultiEdit::ClearArea(wxMemoryDC& dc, const wxRect& area) const
{
    if (m_background) {
        dc.DrawBitmap(*m_background, 0, 0);
        return;
    }
    dc.SetBrush(wxBrush(m_backgroundColour));
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.DrawRectangle(area);
}

} // namespace vorn
