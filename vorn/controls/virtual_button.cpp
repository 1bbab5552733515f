#include <vorn/controls/virtual_button.h>

#include <vorn/controls/detail/button_image.h>

namespace vorn {

VirtualButton::VirtualButton(const VornwxBitmapCache* cache, bool ownsCache, int x, int y, int w, int h, int arg,
                             wxWindow* host, int id, VornControlGroup* group)
{
    VirtualButton::Create(cache, ownsCache, x, y, w, h, arg, host, id, group);
}

VirtualButton::VirtualButton(const VornwxBitmapCache* cache, bool ownsCache, int x, int y, int arg, wxWindow* host,
                             int id, VornControlGroup* group)
{
    VirtualButton::Create(cache, ownsCache, x, y, arg, host, id, group);
}

VirtualButton::~VirtualButton()
{
    TakeCache(nullptr, false);
}

bool VirtualButton::Create(const VornwxBitmapCache* cache, bool ownsCache, int x, int y, int w, int h, int arg,
                           wxWindow* host, int id, VornControlGroup* group)
{
    m_imageState = VORN_IMAGE_NONE;
    m_on = false;
    m_buttonDown = false;
    TakeCache(cache, ownsCache);
    const bool ok = VirtualControl::Create(x, y, w, h, arg, host, id, group);
    SizeToCache();
    return ok;
}

bool VirtualButton::Create(const VornwxBitmapCache* cache, bool ownsCache, int x, int y, int arg, wxWindow* host,
                           int id, VornControlGroup* group)
{
    m_imageState = VORN_IMAGE_NONE;
    m_on = false;
    m_buttonDown = false;
    TakeCache(cache, ownsCache);
    const bool ok = VirtualControl::Create(x, y, arg, host, id, group);
    SizeToCache();
    return ok;
}

void VirtualButton::TakeCache(const VornwxBitmapCache* cache, bool ownsCache)
{
    if (m_ownsCache && m_cache != cache)
        delete m_cache;
    m_cache = cache;
    m_ownsCache = cache && ownsCache;
}

void VirtualButton::SizeToCache()
{
    int w = 0, h = 0;
    if (m_cache && m_cache->GetSize(w, h))
        SetSize(w, h);
}

void VirtualButton::SetImageCache(const VornwxBitmapCache* cache, bool ownsCache)
{
    TakeCache(cache, ownsCache);
    SetDirty();
    Refresh(false);
}

void VirtualButton::SetOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    SetDirty();
    Refresh(false);
}

void VirtualButton::SetButtonDown(bool down)
{
    if (down == m_buttonDown)
        return;
    m_buttonDown = down;
    SetDirty();
    Refresh(false);
}

void VirtualButton::RecalcState()
{
    m_imageState = detail::VornButtonImageState(GetEnabled(), m_on, GetMouseOver(), GetMouseDown());
    VirtualControl::RecalcState();
}

bool VirtualButton::GetImageInfo(WallpaperImageInfo<wxBitmap>& info)
{
    if (!m_cache) {
        info.wallpaper = nullptr;
        return false;
    }
    if (IsDirty())
        RecalcState();
    return detail::FindButtonImage(m_cache, m_imageState, info);
}

void VirtualButton::OnDraw(wxDC* dc)
{
    if (IsDirty())
        RecalcState();
    detail::DrawButtonImage(*dc, m_cache, m_imageState);
}

} // namespace vorn
