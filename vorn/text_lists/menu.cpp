#include <vorn/text_lists/menu.h>

#include <algorithm>

#include <wx/dcclient.h>
#include <wx/dcmemory.h>

#include <vorn/framework/control_group.h>
#include <vorn/text_lists/popup_placement.h>
#include <vorn/util/detail/blit.h>
#include <vorn/util/detail/text_measure.h>

namespace vorn {

namespace {

constexpr int kTextX = 15;  // text and radio lines: room for the mark on the left
constexpr int kTitleX = 10;
constexpr int kMarkY = 4;
constexpr int kRightMargin = 20; // the frame is this much wider than its widest text

wxString Wx(const std::string& text) { return wxString::FromUTF8(text); }

} // namespace

// ---------------------------------------------------------------------------------------------
// VornMenuItem

// The set of radio marks is the menu's and is never owned by a line. Every line spans the
// menu's width at its row; Relayout places it.
VornMenuItem::VornMenuItem(VornMenu* menu, const std::string& text, int id, VornControlGroup* group)
    : m_menu(menu), m_text(text), m_colours(menu->m_colours), m_current(m_colours.normal), m_itemId(id)
{
    VirtualButton::Create(menu->GetImageCache(), false, 0, 0, 10, 10, 0, menu, id, group);
}

void VornMenuItem::SetHovered(bool hovered)
{
    if (hovered != m_hovered)
        SetDirty();
    m_hovered = hovered;
    m_current = hovered ? m_colours.highlight : m_colours.normal;
}

void VornMenuItem::SetText(const std::string& text)
{
    m_text = text;
    SetDirty();
    Refresh(false);
}

bool VornMenuItem::HitStrictly(int x, int y) const
{
    return x > m_x && x < m_x + m_width && y > m_y && y < m_y + m_height;
}

bool VornMenuItem::MenuMouseUp(int, int) { return true; }

void VornMenuItem::MenuMouseMove(int x, int y) { SetHovered(HitStrictly(x, y)); }

void VornMenuItem::DrawEntry(wxDC& dc)
{
    if (m_width <= 0 || m_height <= 0)
        return;
    // The face is drawn again only when something it shows changed (hover, on state,
    // text, size): a hover step then costs two faces and a blit per line.
    if (!m_face.IsOk() || m_face.GetWidth() != m_width || m_face.GetHeight() != m_height) {
        m_face = wxBitmap(m_width, m_height);
        SetDirty();
    }
    if (IsDirty()) {
        wxMemoryDC face(m_face);
        DrawFace(face);
        RecalcState();
    }
    detail::BlitBitmap(dc, m_x, m_y, m_width, m_height, m_face);
}

void VornMenuItem::DrawFace(wxDC& dc)
{
    dc.SetBackground(wxBrush(m_current));
    dc.Clear();
}

// The text is drawn in the line's own colour on a solid box of the second colour.
void VornMenuItem::DrawLabel(wxDC& dc, const wxFont& font, int x)
{
    VornMenuItem::DrawFace(dc);
    dc.SetFont(font);
    dc.SetTextForeground(m_current);
    dc.SetTextBackground(m_colours.second);
    dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
    detail::DrawTextRun(dc, Wx(m_text), x, 0);
}

void VornMenuTitleEntry::DrawFace(wxDC& dc) { DrawLabel(dc, m_menu->GetTitleFont(), kTitleX); }

void VornMenuTextEntry::DrawFace(wxDC& dc) { DrawLabel(dc, m_menu->GetEntryFont(), kTextX); }

bool VornMenuTextEntry::MenuMouseUp(int x, int y)
{
    if (HitStrictly(x, y))
        m_menu->Pick(this);
    return true;
}

void VornMenuRadioEntry::RecalcState()
{
    if (GetOn())
        m_imageState = m_hovered ? VORN_IMAGE_ON_MOUSE_OVER : VORN_IMAGE_ON;
    else
        m_imageState = m_hovered ? VORN_IMAGE_OFF_MOUSE_OVER : VORN_IMAGE_OFF;
    VirtualControl::RecalcState();
}

// The mark is drawn only when the set holds the state's own image: no stand-ins.
void VornMenuRadioEntry::DrawFace(wxDC& dc)
{
    VornMenuTextEntry::DrawFace(dc);
    RecalcState();
    WallpaperImageInfo<wxBitmap> info;
    if (m_cache && m_cache->GetImageInfo(m_imageState, info) && info.wallpaper)
        detail::BlitBitmap(dc, 0, kMarkY, info.width, info.height, *info.wallpaper, info.x, info.y);
}

bool VornMenuBreakEntry::MenuMouseUp(int, int) { return false; }

void VornMenuBreakEntry::DrawFace(wxDC& dc)
{
    VornMenuItem::DrawFace(dc);
    dc.SetPen(wxPen(m_colours.second, 1, wxPENSTYLE_SOLID));
    dc.SetBrush(wxBrush(m_colours.second));
    const int h = m_height / 2;
    dc.DrawLine(0, h, m_width, h);
}

// ---------------------------------------------------------------------------------------------
// VornMenu

wxBEGIN_EVENT_TABLE(VornMenu, VornPopupFrame)
    EVT_PAINT(VornMenu::OnPaint)
    EVT_ERASE_BACKGROUND(VornMenu::OnEraseBackground)
wxEND_EVENT_TABLE()

VornMenu::EntryKind VornMenu::KindOf(const wxString& label, std::string* text)
{
    if (label.empty())
        return EntryKind::None;
    if (text)
        *text = label.Mid(1).utf8_string();
    switch (static_cast<wxChar>(label[0])) {
    case '@': return EntryKind::Title;
    case '%': return EntryKind::Text;
    case '*': return EntryKind::Radio;
    case '-': return EntryKind::Break;
    default: return EntryKind::None;
    }
}

VornMenu::VornMenu(const std::vector<MENUITEM>& items, const VornwxBitmapCache* cache, const wxColour& c1,
                   const wxColour& c2, const wxColour& c3, const wxColour& c4, const wxFont& first,
                   const wxFont& second, int x, int y, VornControlGroup* group, wxWindow* parent, int id, long style)
{
    VornMenu::Create(items, cache, c1, c2, c3, c4, first, second, x, y, group, parent, id, style);
}

VornMenu::VornMenu(const VornwxBitmapCache* cache, const wxColour& c1, const wxColour& c2, const wxColour& c3,
                   const wxColour& c4, const wxFont& first, const wxFont& second, int x, int y,
                   VornControlGroup* group, wxWindow* parent, int id, long style)
{
    VornMenu::Create({}, cache, c1, c2, c3, c4, first, second, x, y, group, parent, id, style);
}

VornMenu::~VornMenu()
{
    for (VornMenuItem* entry : m_entries)
        delete entry;
}

// The id is the toolkit's for the frame; the pop-up frame picks its own.
bool VornMenu::Create(const std::vector<MENUITEM>& items, const VornwxBitmapCache* cache, const wxColour& c1,
                      const wxColour& c2, const wxColour& c3, const wxColour& c4, const wxFont& first,
                      const wxFont& second, int x, int y, VornControlGroup* group, wxWindow* parent, int id,
                      long style)
{
    const bool ok = VornPopupFrame::Create(parent, wxRect(wxPoint(x, y), wxSize(100, 100)), style);
    if (ok && id != wxID_ANY)
        SetId(id);
    m_items = items;
    m_cache = cache;
    m_first = first;
    m_second = second;
    m_frameColour = c1;
    m_colours = VornMenuColours{c3, c4, c2};
    m_group = group;
    if (ok) {
        SetBackgroundColour(c1);
        SetForegroundColour(c1);
    }
    SetupMenu();
    CreateEntries();
    return ok;
}

void VornMenu::SetupMenu()
{
    if (GetHandle())
        Hide();
    m_selected = 0;
    Relayout();
}

VornMenuItem* VornMenu::MakeEntry(EntryKind kind, const std::string& text, int id, VornControlGroup* group)
{
    switch (kind) {
    case EntryKind::Title: return new VornMenuTitleEntry(this, text, id, group);
    case EntryKind::Text: return new VornMenuTextEntry(this, text, id, group);
    case EntryKind::Radio: return new VornMenuRadioEntry(this, text, id, group);
    case EntryKind::Break: return new VornMenuBreakEntry(this, text, id, group);
    case EntryKind::None: break;
    }
    return nullptr;
}

// All lines first, then one layout: each line is measured once, not once per append.
void VornMenu::CreateEntries()
{
    for (const MENUITEM& item : m_items) {
        std::string text;
        const EntryKind kind = KindOf(item.label, &text);
        if (VornMenuItem* entry = MakeEntry(kind, text, item.id, m_group))
            m_entries.push_back(entry);
    }
    Relayout();
}

void VornMenu::Append(VornMenuItem* entry)
{
    m_entries.push_back(entry);
    Relayout();
}

void VornMenu::AppendRadioItem(const wxString& text, int id, VornControlGroup* group)
{
    Append(MakeEntry(EntryKind::Radio, text.utf8_string(), id, group));
}

void VornMenu::AppendSelectItem(const wxString& text, int id, VornControlGroup* group)
{
    Append(MakeEntry(EntryKind::Text, text.utf8_string(), id, group));
}

// A separator needs no id of its own: it takes a fresh one and no group.
void VornMenu::AppendLineBreak() { Append(MakeEntry(EntryKind::Break, std::string(), wxID_ANY, nullptr)); }

int VornMenu::FindItem(int id) const
{
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i]->GetItemId() == id)
            return static_cast<int>(i);
    return -1;
}

VornMenuItem* VornMenu::GetEntry(int pos) const
{
    return pos >= 0 && pos < GetCount() ? m_entries[static_cast<size_t>(pos)] : nullptr;
}

VornMenuItem* VornMenu::EntryWithId(int id) const { return GetEntry(FindItem(id)); }

bool VornMenu::SetItemText(int id, const wxString& text)
{
    VornMenuItem* entry = EntryWithId(id);
    if (!entry)
        return false;
    entry->SetText(text.utf8_string());
    Relayout();
    return true;
}

// A line leaves its group in its destructor, by pointer: removing it by id could drop
// another control that holds the same id in that group.
bool VornMenu::DeleteItemPos(int pos)
{
    VornMenuItem* entry = GetEntry(pos);
    if (!entry)
        return false;
    m_entries.erase(m_entries.begin() + pos);
    delete entry;
    Relayout();
    return true;
}

bool VornMenu::DeleteItemID(int id) { return DeleteItemPos(FindItem(id)); }

void VornMenu::ClearAll()
{
    std::vector<VornMenuItem*> entries;
    entries.swap(m_entries);
    for (VornMenuItem* entry : entries)
        delete entry;
    Relayout();
}

// One line height for all: the tallest text in either font, and room for the radio mark
// at y = 4. The width is that of the widest text (proportional fonts make the longest
// string by characters a poor guide) plus a margin.
void VornMenu::Relayout()
{
    int widest = 0, tallest = 0;
    if (GetHandle()) {
        for (VornMenuItem* entry : m_entries) {
            const bool title = dynamic_cast<VornMenuTitleEntry*>(entry) != nullptr;
            int w = 0, h = 0;
            const wxFont& font = title ? m_first : m_second;
            GetTextExtent(Wx(entry->GetText().empty() ? std::string("M") : entry->GetText()), &w, &h, nullptr,
                          nullptr, &font);
            widest = std::max(widest, w + (title ? kTitleX : kTextX));
            tallest = std::max(tallest, h);
        }
    }
    int markW = 0, markH = 0;
    if (m_cache && m_cache->GetSize(markW, markH))
        tallest = std::max(tallest, markH + kMarkY);
    m_lineHeight = std::max(tallest, 1);
    const int width = widest + kRightMargin;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        m_entries[i]->SetPosition(0, static_cast<int>(i) * m_lineHeight);
        m_entries[i]->SetSize(width, m_lineHeight);
    }
    if (GetHandle()) {
        SetClientSize(width, std::max(GetCount() * m_lineHeight, 1));
        // A menu the host placed itself, or one that grew, stays on its display.
        SetSize(KeepOnScreen(GetRect(), DisplayRectFor(this)));
        Refresh(false);
    }
    SyncNavigation();
}

void VornMenu::SyncNavigation()
{
    std::vector<PopupNavItem> items;
    items.reserve(m_entries.size());
    for (VornMenuItem* entry : m_entries)
        items.push_back(PopupNavItem{entry->GetText(), entry->IsSelectable()});
    m_nav.SetItems(std::move(items));
}

// Each radio line is switched through the group it is registered with; a line that is
// not found falls back to the menu's group.
void VornMenu::SetSelected(int id)
{
    auto groupOf = [this](int lineId) {
        VornMenuItem* entry = EntryWithId(lineId);
        return entry && entry->GetGroup() ? entry->GetGroup() : m_group;
    };
    if (VornControlGroup* group = groupOf(m_selected))
        group->SetOnControl(static_cast<unsigned int>(m_selected), false, nullptr);
    if (VornControlGroup* group = groupOf(id))
        group->SetOnControl(static_cast<unsigned int>(id), true, nullptr);
    m_selected = id;
    Refresh(false);
}

// A picked radio line switches on and the other radio lines of its group go off, so the
// marks always follow the last pick. The menu then closes as a click outside would.
void VornMenu::Pick(VornMenuItem* entry)
{
    if (!entry || !entry->IsSelectable())
        return;
    if (VornControlGroup* group = entry->GetGroup())
        group->ControlSelected(static_cast<unsigned int>(entry->GetId()), entry);
    if (auto* radio = dynamic_cast<VornMenuRadioEntry*>(entry)) {
        for (VornMenuItem* other : m_entries)
            if (other != radio && dynamic_cast<VornMenuRadioEntry*>(other) && other->GetGroup() == radio->GetGroup())
                other->SetOn(false);
        radio->SetOn(true);
        m_selected = radio->GetItemId();
    }
    CloseMenu();
}

void VornMenu::CloseMenu()
{
    if (VornControl* button = GetPopUpButton())
        button->Reset();
    else
        HidePopup();
}

bool VornMenu::Show(bool show)
{
    for (VornMenuItem* entry : m_entries)
        entry->Show(show);
    m_nav.SetHighlighted(-1);
    return VornPopupFrame::Show(show);
}

void VornMenu::ShowMenu(bool show)
{
    ReleaseHeldMouse();
    Show(show);
}

bool VornMenu::InsideStrictly(const wxPoint& p) const
{
    const wxSize client = GetClientSize();
    return p.x > 0 && p.y > 0 && p.x < client.x && p.y < client.y;
}

void VornMenu::OnPopupLeftUp(const wxPoint& p)
{
    if (!InsideStrictly(p))
        return;
    // Copy: a pick may close the menu and the host may change the lines in its handler.
    const std::vector<VornMenuItem*> entries = m_entries;
    for (VornMenuItem* entry : entries) {
        if (std::find(m_entries.begin(), m_entries.end(), entry) == m_entries.end())
            continue;
        entry->MenuMouseUp(p.x, p.y);
        if (!IsShown())
            break; // picked and closed
    }
}

void VornMenu::OnPopupMotion(const wxPoint& p)
{
    if (!InsideStrictly(p))
        return;
    int hovered = -1;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        m_entries[i]->MenuMouseMove(p.x, p.y);
        if (m_entries[i]->IsHovered())
            hovered = static_cast<int>(i);
    }
    m_nav.SetHighlighted(hovered);
    RedrawNow();
}

void VornMenu::HoverOnly(int pos)
{
    for (size_t i = 0; i < m_entries.size(); ++i)
        m_entries[i]->SetHovered(static_cast<int>(i) == pos);
    RedrawNow();
}

bool VornMenu::OnPopupKey(const wxKeyEvent& event)
{
    switch (m_nav.OnKey(event.GetKeyCode())) {
    case PopupKeyAction::Moved: HoverOnly(m_nav.GetHighlighted()); return true;
    case PopupKeyAction::Choose: Pick(GetEntry(m_nav.GetHighlighted())); return true;
    case PopupKeyAction::Dismiss: Dismiss(); return true;
    case PopupKeyAction::None: break;
    }
    return false;
}

bool VornMenu::OnPopupChar(const wxKeyEvent& event)
{
    const wxChar c = event.GetUnicodeKey();
    if (c == WXK_NONE || m_nav.OnChar(static_cast<char32_t>(c)) != PopupKeyAction::Moved)
        return false;
    HoverOnly(m_nav.GetHighlighted());
    return true;
}

void VornMenu::DrawEntries(wxDC& dc)
{
    for (VornMenuItem* entry : m_entries)
        entry->DrawEntry(dc);
}

void VornMenu::RedrawNow()
{
    if (!IsShownOnScreen())
        return;
    wxClientDC dc(this);
    DrawEntries(dc);
}

// Lines cover the client area; the frame colour shows only where they leave room.
void VornMenu::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    const wxSize client = GetClientSize();
    if (client.x <= 0 || client.y <= 0)
        return;
    if (!m_buffer.IsOk() || m_buffer.GetSize() != client)
        m_buffer = wxBitmap(client.x, client.y);
    {
        wxMemoryDC buffer(m_buffer);
        buffer.SetBackground(wxBrush(m_frameColour));
        buffer.Clear();
        DrawEntries(buffer);
    }
    detail::BlitBitmap(dc, 0, 0, client.x, client.y, m_buffer);
}

void VornMenu::OnEraseBackground(wxEraseEvent&) {}

} // namespace vorn
