#include <vorn/text_lists/list_box.h>

#include <algorithm>

#include <wx/dcmemory.h>

#include <vorn/assets/image_cache.h>
#include <vorn/controls/detail/button_image.h>
#include <vorn/framework/control_group.h>
#include <vorn/text_lists/list_popup.h>
#include <vorn/util/detail/blit.h>
#include <vorn/util/detail/text_measure.h>

namespace vorn {

// ---------------------------------------------------------------------------------------------
// VornListBoxItems

VornListBoxItems::~VornListBoxItems()
{
    HideExpandedBox(); // before the lines it lists go
    for (VornListBoxElement* e : m_elements)
        delete e;
}

void VornListBoxItems::InsertElement(int index, VornListBoxElement* element)
{
    const int at = std::clamp(index, 0, GetCount());
    m_elements.insert(m_elements.begin() + at, element);
}

void VornListBoxItems::Append()
{
    InsertElement(GetCount(), new VornListBoxSeperator());
}

void VornListBoxItems::Append(const std::string& text, void* data)
{
    InsertElement(GetCount(), new VornListBoxText(text, data, m_textHeight));
}

void VornListBoxItems::Insert(int index)
{
    InsertElement(index, new VornListBoxSeperator());
}

void VornListBoxItems::Insert(int index, const std::string& text, void* data)
{
    InsertElement(index, new VornListBoxText(text, data, m_textHeight));
}

void VornListBoxItems::Delete(int index)
{
    if (index < 0 || index >= GetCount())
        return;
    HideExpandedBox(); // an open pop-up must not draw a deleted line
    delete m_elements[static_cast<std::size_t>(index)];
    m_elements.erase(m_elements.begin() + index);
}

bool VornListBoxItems::Delete(const std::string& text)
{
    for (int i = 0; i < GetCount(); ++i) {
        const VornListBoxElement* e = m_elements[static_cast<std::size_t>(i)];
        if (e->selectable && e->GetText() == text) {
            Delete(i);
            return true;
        }
    }
    return false;
}

const VornListBoxElement* VornListBoxItems::GetElement(int index) const
{
    return (index < 0 || index >= GetCount()) ? nullptr : m_elements[static_cast<std::size_t>(index)];
}

void* VornListBoxItems::GetItemData(int index) const
{
    const VornListBoxElement* e = GetElement(index);
    return e ? e->itemData : nullptr;
}

std::string VornListBoxItems::GetItemText(int index) const
{
    const VornListBoxElement* e = GetElement(index);
    return e ? e->GetText() : std::string();
}

void VornListBoxItems::SetItemText(int index, const std::string& text)
{
    if (index < 0 || index >= GetCount())
        return;
    m_elements[static_cast<std::size_t>(index)]->SetText(text);
}

void VornListBoxItems::ClearAll()
{
    HideExpandedBox();
    for (VornListBoxElement* e : m_elements)
        delete e;
    m_elements.clear();
}

// A text line is the font's line height plus a pixel above and below, so the highlight
// fill never touches the glyphs.
void VornListBoxItems::MeasureTextHeight(const wxWindow* window, const wxFont& font)
{
    int w = 0, h = 0;
    if (window && font.IsOk())
        window->GetTextExtent("Ag", &w, &h, nullptr, nullptr, &font);
    SetTextHeight(h + 2);
}

void VornListBoxItems::HideExpandedBox()
{
    if (!m_popup)
        return;
    ExpandedVornListBox* popup = m_popup;
    m_popup = nullptr;
    popup->DestroyPopup();
}

// Keys reach whichever window the system gives the focus: without a window manager that
// is rarely the pop-up, so the owner passes on what it gets while its pop-up is open.
bool VornListBoxItems::ForwardKeyToPopup(wxKeyEvent& event)
{
    if (!m_popup)
        return false;
    wxKeyEvent copy(event);
    copy.SetEventObject(m_popup);
    copy.Skip(false);
    m_popup->GetEventHandler()->ProcessEvent(copy);
    event.Skip(copy.GetSkipped());
    return true;
}

bool VornListBoxItems::OpenExpandedBox(VornListBoxCallback* owner, const VornListBoxInfo& info, const wxFont& font,
                                       const wxWindow* anchor, int width)
{
    if (!m_popup)
        m_popup = ExpandedVornListBox::Open(owner, *this, info, font, anchor, width);
    return m_popup != nullptr;
}

// ---------------------------------------------------------------------------------------------
// VornListBox

// clang-format off
wxBEGIN_EVENT_TABLE(VornListBox, VornControl)
    EVT_LEFT_DOWN(VornListBox::LocalLeftDown)
    EVT_LEFT_UP(VornListBox::LocalLeftUp)
    EVT_KEY_DOWN(VornListBox::LocalKeyDown)
    EVT_CHAR(VornListBox::LocalChar)
wxEND_EVENT_TABLE()
// clang-format on

VornListBox::VornListBox() = default;

VornListBox::VornListBox(VornListBoxInfo& info, int x, int y, wxWindow* parent, int id, VornControlGroup* group,
                         long style)
{
    VornListBox::Create(info, x, y, parent, id, group, style);
}

VornListBox::VornListBox(VornListBoxInfo& info, int x, int y, wxWindow* parent, wxFont& font, int id,
                         VornControlGroup* group, long style)
{
    VornListBox::Create(info, x, y, parent, font, id, group, style);
}

bool VornListBox::Create(VornListBoxInfo& info, int x, int y, wxWindow* parent, int id, VornControlGroup* group,
                         long style)
{
    m_font = wxFont(12, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    m_ownFont = false;
    return FinishCreate(VornControl::Create(x, y, parent, id, group, style), info);
}

bool VornListBox::Create(VornListBoxInfo& info, int x, int y, wxWindow* parent, wxFont& font, int id,
                         VornControlGroup* group, long style)
{
    m_font = font;
    m_ownFont = true;
    return FinishCreate(VornControl::Create(x, y, parent, id, group, style), info);
}

bool VornListBox::FinishCreate(bool ok, const VornListBoxInfo& info)
{
    m_info = info;
    m_shownText.clear();
    m_selected = -1;
    int w = 0, h = 0;
    if (!info.imageCache || !info.imageCache->GetSize(w, h)) {
        w = std::max(info.x + info.width, 1); // no images: the text area decides
        h = std::max(info.y + info.height, 1);
    }
    if (ok) {
        VornWindow::SetSize(w, h);
        MeasureTextHeight(this, m_font);
    }
    m_buffer = wxBitmap(w, h, 24);
    return ok;
}

void VornListBox::ClearAll()
{
    VornListBoxItems::ClearAll();
    m_shownText.clear();
    SetDirty();
    Refresh(false);
}

void VornListBox::SetSelected(int index, bool notify)
{
    m_selected = index;
    m_shownText = GetItemText(index); // empty for -1 and separators
    if (notify && m_group)
        m_group->ControlSelected(GetId(), this);
    SetDirty();
    Refresh(false);
}

void VornListBox::OnPopupClosed()
{
    m_popup = nullptr;
    m_pressed = false;
    SetDirty();
    Refresh(false);
}

std::string VornListBox::FitText(wxDC& dc, int width) const
{
    const int room = width - 4 - m_info.x;
    const wxString text = wxString::FromUTF8(m_shownText.data(), m_shownText.size());
    if (dc.GetTextExtent(text).x <= room)
        return m_shownText;
    // The longest prefix that fits, in whole characters (found by halving, not one by one,
    // so a huge text costs a few measurements).
    std::size_t lo = 0, hi = text.length();
    while (lo < hi) {
        const std::size_t mid = (lo + hi + 1) / 2;
        if (dc.GetTextExtent(text.Left(mid)).x <= room)
            lo = mid;
        else
            hi = mid - 1;
    }
    return (text.Left(lo) + "....").ToStdString(wxConvUTF8);
}

void VornListBox::OnDraw(wxDC* dc)
{
    RecalcIfDirty();
    if (!m_buffer.IsOk())
        return;
    {
        wxMemoryDC mdc(m_buffer);
        mdc.SetBackground(wxBrush(GetBackgroundColour()));
        mdc.Clear();
        detail::DrawButtonImage(mdc, m_info.imageCache, m_pressed ? VORN_IMAGE_ON_MOUSE_OVER : VORN_IMAGE_ON);
        mdc.SetFont(m_font);
        mdc.SetTextForeground(m_info.textColour);
        mdc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
        mdc.SetClippingRegion(m_info.x, m_info.y, std::max(m_info.width, 0), std::max(m_info.height, 0));
        detail::DrawTextRun(mdc, wxString::FromUTF8(FitText(mdc, m_info.width)), m_info.x, m_info.y);
        mdc.DestroyClippingRegion();
    }
    detail::BlitBitmap(*dc, 0, 0, m_buffer.GetWidth(), m_buffer.GetHeight(), m_buffer);
}

void VornListBox::LocalLeftDown(wxMouseEvent& event)
{
    VornControl::OnLeftDown(event);
    if (!m_enabled || m_popup)
        return;
    m_pressed = true;
    SetDirty();
    Refresh(false);
    if (m_displayCallback)
        m_displayCallback->UpDateData(this);
    if (!OpenExpandedBox(this, m_info, m_font, this, GetWidth()))
        OnPopupClosed(); // nothing to list: the box comes back up
}

void VornListBox::LocalLeftUp(wxMouseEvent& event)
{
    VornControl::OnLeftUp(event);
    if (m_pressed && !m_popup) {
        m_pressed = false;
        SetDirty();
        Refresh(false);
    }
}

void VornListBox::LocalKeyDown(wxKeyEvent& event)
{
    if (!ForwardKeyToPopup(event))
        VornControl::OnVornKeyDown(event);
}

void VornListBox::LocalChar(wxKeyEvent& event)
{
    if (!ForwardKeyToPopup(event))
        event.Skip();
}

} // namespace vorn
