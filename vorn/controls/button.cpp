#include <vorn/controls/button.h>

#include <vorn/controls/detail/button_image.h>
#include <vorn/framework/hints.h>
#include <vorn/util/diagnostics.h>

namespace vorn {

// ---------------------------------------------------------------------------------------------
// VornButton

VornButton::VornButton() = default;

VornButton::VornButton(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                       VornControlGroup* group, long style)
{
    VornButton::Create(cache, x, y, w, h, parent, id, group, style);
}

VornButton::VornButton(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                       VornControlGroup* group, long style)
{
    VornButton::Create(cache, x, y, parent, id, group, style);
}

void VornButton::Init()
{
    m_imageState = VORN_IMAGE_NONE;
    m_on = false;
    m_buttonDown = false;
    m_cache = nullptr;
}

bool VornButton::Create(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                        VornControlGroup* group, long style)
{
    Init();
    return FinishCreate(VornControl::Create(x, y, w, h, parent, id, group, style), cache, false);
}

bool VornButton::Create(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                        VornControlGroup* group, long style)
{
    Init();
    return FinishCreate(VornControl::Create(x, y, parent, id, group, style), cache, true);
}

bool VornButton::FinishCreate(bool ok, const VornwxBitmapCache* cache, bool sizeToCache)
{
    m_cache = cache;
    int w = 0, h = 0;
    if (sizeToCache && cache && cache->GetSize(w, h))
        VornWindow::SetSize(w, h);
    return ok;
}

void VornButton::SetOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    SetDirty();
    Refresh(false);
}

void VornButton::SetButtonDown(bool down)
{
    if (down == m_buttonDown)
        return;
    m_buttonDown = down;
    SetDirty();
    OnButtonDown();
}

void VornButton::SetImageCache(const VornwxBitmapCache* cache)
{
    m_cache = cache;
    SetDirty();
    Refresh(false);
}

void VornButton::RecalcState()
{
    m_imageState = detail::VornButtonImageState(GetEnabled(), m_on, GetMouseOver(), GetMouseDown());
    VornControl::RecalcState();
}

bool VornButton::GetImageInfo(WallpaperImageInfo<wxBitmap>& info)
{
    if (!m_cache) {
        info.wallpaper = nullptr;
        return false;
    }
    RecalcIfDirty();
    return detail::FindButtonImage(m_cache, m_imageState, info);
}

void VornButton::OnDraw(wxDC* dc)
{
    RecalcIfDirty();
    detail::DrawButtonImage(*dc, m_cache, m_imageState);
}

void VornButton::OnMouseButton()
{
    SetButtonDown(GetMouseDown());
    dprintf(GetMouseDown() ? "button - mouse down\n" : "button - mouse up\n");
    RefreshPressed();
}

void VornButton::RefreshPressed()
{
    SetDirty();
    Refresh(false);
}

void VornButton::NotifySelected()
{
    if (m_group)
        m_group->ControlSelected(GetId(), this);
}

void VornButton::NotifyUnSelected()
{
    if (m_group)
        m_group->ControlUnSelected(GetId(), this);
}

void VornButton::NotifyUpdate(VornControlHint* hint)
{
    if (m_group)
        m_group->Update(GetId(), this, hint);
}

// ---------------------------------------------------------------------------------------------
// VornPushButton

// A release away from the button is no click: it reports nothing.
void VornPushButton::OnMouseButton()
{
    RefreshPressed();
    if (GetMouseDown())
        NotifySelected();
    else if (GetMouseOver())
        NotifyUnSelected();
}

// ---------------------------------------------------------------------------------------------
// VornButtonToggle

// Flips on the release; the press only shows.
void VornButtonToggle::OnMouseButton()
{
    if (!GetMouseDown() && !m_buttonDown) {
        if (!m_on) {
            SetOn(true);
            NotifySelected();
            IntValChanged hint(1);
            NotifyUpdate(&hint);
        } else {
            SetOn(false);
            NotifyUnSelected();
            IntValChanged hint(0);
            NotifyUpdate(&hint);
        }
    }
    RefreshPressed();
}

// ---------------------------------------------------------------------------------------------
// VornRadioButton

VornRadioButton::VornRadioButton(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent,
                                 int id, VornControlGroup1ofN* group, long style)
{
    VornRadioButton::Create(cache, x, y, w, h, parent, id, group, style);
}

VornRadioButton::VornRadioButton(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                                 VornControlGroup1ofN* group, long style)
{
    VornRadioButton::Create(cache, x, y, parent, id, group, style);
}

void VornRadioButton::InitRadio(VornControlGroup1ofN* group)
{
    m_radioGroup = group;
    m_toggle = false;
}

bool VornRadioButton::Create(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                             VornControlGroup1ofN* group, long style)
{
    InitRadio(nullptr);
    const bool ok = VornButton::Create(cache, x, y, w, h, parent, id, group, style);
    InitRadio(group);
    return ok;
}

bool VornRadioButton::Create(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                             VornControlGroup1ofN* group, long style)
{
    InitRadio(nullptr);
    const bool ok = VornButton::Create(cache, x, y, parent, id, group, style);
    InitRadio(group);
    return ok;
}

void VornRadioButton::Choose()
{
    SetOn(true);
    if (m_radioGroup) {
        m_radioGroup->SetOnAll(this, false, nullptr);
        m_radioGroup->ControlSelected(GetId(), this);
    }
}

// Acts on the release: an "off" button is chosen; an "on" one switches off only when it
// may toggle.
void VornRadioButton::OnMouseButton()
{
    if (!GetMouseDown() && !m_buttonDown) {
        if (!m_on) {
            Choose();
        } else if (m_toggle) {
            SetOn(false);
            NotifyUnSelected();
        }
    }
    RefreshPressed();
}

} // namespace vorn
