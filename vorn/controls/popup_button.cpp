#include <vorn/controls/popup_button.h>

#include <vorn/text_lists/popup_placement.h>

namespace vorn {

namespace {
constexpr int kBackdropMargin = 3; // the backdrop shows this much around the menu
} // namespace

// ---------------------------------------------------------------------------------------------
// VornPopMenuButton

VornPopMenuButton::~VornPopMenuButton()
{
    if (VornMenu* menu = GetMenu(); menu && menu->GetPopUpButton() == this)
        menu->SetPopUpButton(nullptr);
    if (m_backdrop)
        m_backdrop->Destroy();
}

bool VornPopMenuButton::Create(const VornwxBitmapCache* cache, VornMenu* menu, int x, int y, int w, int h, int gap,
                               int backdrop, wxWindow* parent, int id, VornControlGroup* group, long style)
{
    return FinishMenu(VornButton::Create(cache, x, y, w, h, parent, id, group, style), menu, gap, backdrop);
}

bool VornPopMenuButton::Create(const VornwxBitmapCache* cache, VornMenu* menu, int x, int y, int gap, int backdrop,
                               wxWindow* parent, int id, VornControlGroup* group, long style)
{
    return FinishMenu(VornButton::Create(cache, x, y, parent, id, group, style), menu, gap, backdrop);
}

bool VornPopMenuButton::FinishMenu(bool ok, VornMenu* menu, int gap, int backdrop)
{
    m_menu = menu;
    m_gap = gap;
    m_backdropMode = backdrop;
    SetUpMenu();
    return ok;
}

void VornPopMenuButton::SetUpMenu()
{
    VornMenu* menu = GetMenu();
    if (!menu || !GetParent())
        return;
    menu->SetPopUpButton(this);
    const wxRect button(GetParent()->ClientToScreen(wxPoint(GetPosX(), GetPosY())), wxSize(GetWidth(), GetHeight()));
    const wxRect place = PlaceMenu(button, menu->GetSize(), VornPopupFrame::DisplayRectFor(this));
    menu->SetSize(place);
}

void VornPopMenuButton::OnMouseButton()
{
    SetButtonDown(GetMouseDown());
    if (!GetMouseDown() || GetOn())
        return;
    SetOn(true);
    Refresh(false);
    VornMenu* menu = GetMenu();
    if (!menu)
        return;
    SetUpMenu();
    if (WantsBackdrop())
        ShowBackdrop(menu->GetRect());
    menu->Popup();
    OnMenuOpened();
}

void VornPopMenuButton::ShowBackdrop(const wxRect& menuRect)
{
    VornMenu* menu = GetMenu();
    // Parented like the button's frame, so it goes with the host's window at the latest.
    if (!m_backdrop)
        m_backdrop = new wxFrame(wxGetTopLevelParent(this), wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                                 VornPopupFrame::kPopupStyle);
    m_backdrop->SetBackgroundColour(menu->GetHeadColour());
    m_backdrop->SetSize(wxRect(menuRect).Inflate(kBackdropMargin, kBackdropMargin));
    m_backdrop->Show();
    m_backdrop->Refresh();
}

// The menu held the mouse, so the button never saw the release of the press that opened
// it: the pressed flags are cleared here without running the hooks.
void VornPopMenuButton::Reset()
{
    SetOn(false);
    SetButtonDown(false);
    m_pointer.downLeft = m_pointer.downRight = false;
    if (VornMenu* menu = GetMenu())
        menu->HidePopup();
    if (m_backdrop)
        m_backdrop->Hide();
    SetDirty();
    Refresh(false);
}

void VornPopMenuButton::AppendRadioItem(const wxString& text, int id, VornControlGroup* group)
{
    if (VornMenu* menu = GetMenu())
        menu->AppendRadioItem(text, id, group);
}

void VornPopMenuButton::AppendSelectItem(const wxString& text, int id, VornControlGroup* group)
{
    if (VornMenu* menu = GetMenu())
        menu->AppendSelectItem(text, id, group);
}

void VornPopMenuButton::AppendLineBreak()
{
    if (VornMenu* menu = GetMenu())
        menu->AppendLineBreak();
}

bool VornPopMenuButton::SetItemText(int id, const wxString& text)
{
    VornMenu* menu = GetMenu();
    return menu && menu->SetItemText(id, text);
}

bool VornPopMenuButton::DeleteItemPos(int pos)
{
    VornMenu* menu = GetMenu();
    return menu && menu->DeleteItemPos(pos);
}

bool VornPopMenuButton::DeleteItemID(int id)
{
    VornMenu* menu = GetMenu();
    return menu && menu->DeleteItemID(id);
}

int VornPopMenuButton::FindItem(int id) const
{
    VornMenu* menu = GetMenu();
    return menu ? menu->FindItem(id) : -1;
}

void VornPopMenuButton::ClearAll()
{
    if (VornMenu* menu = GetMenu())
        menu->ClearAll();
}

int VornPopMenuButton::GetCount() const
{
    VornMenu* menu = GetMenu();
    return menu ? menu->GetCount() : 0;
}

int VornPopMenuButton::GetSelected() const
{
    VornMenu* menu = GetMenu();
    return menu ? menu->GetSelected() : 0;
}

void VornPopMenuButton::SetSelected(int id)
{
    if (VornMenu* menu = GetMenu())
        menu->SetSelected(id);
}

// ---------------------------------------------------------------------------------------------
// VornPopUpButton, VornPopSideButton

VornPopUpButton::VornPopUpButton(const VornwxBitmapCache* cache, VornMenu* menu, int x, int y, int p1, int p2,
                                 wxWindow* parent, int id, VornControlGroup* group, long style)
{
    VornPopMenuButton::Create(cache, menu, x, y, p1, p2, parent, id, group, style);
}

VornPopUpButton::VornPopUpButton(const VornwxBitmapCache* cache, VornMenu* menu, int x, int y, int w, int h, int p1,
                                 int p2, wxWindow* parent, int id, VornControlGroup* group, long style)
{
    VornPopMenuButton::Create(cache, menu, x, y, w, h, p1, p2, parent, id, group, style);
}

wxRect VornPopUpButton::PlaceMenu(const wxRect& button, const wxSize& menu, const wxRect& display) const
{
    // The button's rectangle grows by the gap on the sides the menu may take.
    return PlaceBelowOrAbove(wxRect(button).Inflate(0, Gap()), menu, display);
}

VornPopSideButton::VornPopSideButton(const VornwxBitmapCache* cache, VornMenu* menu, int x, int y, int p1, int p2,
                                     wxWindow* parent, int id, VornControlGroup* group, long style)
{
    VornPopMenuButton::Create(cache, menu, x, y, p1, p2, parent, id, group, style);
}

VornPopSideButton::VornPopSideButton(const VornwxBitmapCache* cache, VornMenu* menu, int x, int y, int w, int h,
                                     int p1, int p2, wxWindow* parent, int id, VornControlGroup* group, long style)
{
    VornPopMenuButton::Create(cache, menu, x, y, w, h, p1, p2, parent, id, group, style);
}

wxRect VornPopSideButton::PlaceMenu(const wxRect& button, const wxSize& menu, const wxRect& display) const
{
    return PlaceBeside(wxRect(button).Inflate(Gap(), 0), menu, display);
}

} // namespace vorn
