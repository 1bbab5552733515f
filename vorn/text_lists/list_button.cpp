#include <vorn/text_lists/list_button.h>

#include <algorithm>

#include <vorn/controls/scroll_bar_model.h>
#include <vorn/framework/control_group.h>
#include <vorn/text_lists/list_popup.h>

namespace vorn {

// clang-format off
wxBEGIN_EVENT_TABLE(VornListButton, VornPushButton)
    EVT_KEY_DOWN(VornListButton::LocalKeyDown)
    EVT_CHAR(VornListButton::LocalChar)
wxEND_EVENT_TABLE()
// clang-format on

VornListButton::VornListButton() = default;

VornListButton::VornListButton(VornListBoxInfo& info, int x, int y, wxWindow* parent, int id,
                               VornControlGroup* group, long style)
{
    VornListButton::Create(info, x, y, parent, id, group, style);
}

VornListButton::VornListButton(VornListBoxInfo& info, int x, int y, wxWindow* parent, wxFont& font, int id,
                               VornControlGroup* group, long style)
{
    VornListButton::Create(info, x, y, parent, font, id, group, style);
}

bool VornListButton::Create(VornListBoxInfo& info, int x, int y, wxWindow* parent, int id,
                            VornControlGroup* group, long style)
{
    wxFont font(12, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    const bool ok = VornListButton::Create(info, x, y, parent, font, id, group, style);
    m_ownFont = false;
    return ok;
}

bool VornListButton::Create(VornListBoxInfo& info, int x, int y, wxWindow* parent, wxFont& font, int id,
                            VornControlGroup* group, long style)
{
    m_info = info;
    m_font = font;
    m_ownFont = true;
    m_selected = -1;
    const bool ok = VornPushButton::Create(info.imageCache, x, y, parent, id, group, style);
    if (ok)
        MeasureTextHeight(this, m_font);
    return ok;
}

void VornListButton::SetSelected(int index, bool notify)
{
    m_selected = index;
    if (notify && m_group)
        m_group->ControlSelected(GetId(), this);
    Refresh(false);
}

void VornListButton::OnPopupClosed()
{
    m_popup = nullptr;
    // The release went to the pop-up, which held the mouse: the button comes back up.
    SetMouseDownLeft(false);
    SetMouseDownRight(false);
}

// A narrow button (an icon, say) would make an unreadable list, so the list is at least as
// wide as its widest text plus the dot margin, a right margin and room for the scroll bar.
int VornListButton::PopupWidth() const
{
    int widest = 0;
    for (int i = 0; i < GetCount(); ++i) {
        int w = 0, h = 0;
        GetTextExtent(wxString::FromUTF8(GetItemText(i)), &w, &h, nullptr, nullptr, &m_font);
        widest = std::max(widest, w);
    }
    return std::max(GetWidth(), widest + ExpandedVornListBox::kTextLeft + 8 + SimpleScrollBarModel::kWidth + 2);
}

// Unlike the plain push button, the press does not report ControlSelected: the group hears
// from the list button only when a line is chosen.
void VornListButton::OnMouseButton()
{
    RefreshPressed();
    if (m_popup || !GetMouseOver() || !GetMouseDown())
        return;
    if (m_displayCallback)
        m_displayCallback->UpDateData(this);
    OpenExpandedBox(this, m_info, m_font, this, PopupWidth());
}

void VornListButton::LocalKeyDown(wxKeyEvent& event)
{
    if (!ForwardKeyToPopup(event))
        VornPushButton::OnVornKeyDown(event);
}

void VornListButton::LocalChar(wxKeyEvent& event)
{
    if (!ForwardKeyToPopup(event))
        event.Skip();
}

} // namespace vorn
