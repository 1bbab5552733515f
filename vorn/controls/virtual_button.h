#pragma once
// VirtualButton: the windowless image button a host window draws and feeds with mouse
// events (menus build their entries from them). It chooses, looks up and draws its state
// image as VornButton does, at the origin of the DC it is given.
#include <vorn/assets/image_cache.h>
#include <vorn/framework/on_off_control.h>
#include <vorn/framework/virtual_control.h>

namespace vorn {

class VirtualButton : public VirtualControl, public VornOnOffControl {
public:
    VirtualButton() = default;
    VirtualButton(const VornwxBitmapCache* cache, bool ownsCache, int x, int y, int w, int h, int arg,
                  wxWindow* host, int id, VornControlGroup* group);
    VirtualButton(const VornwxBitmapCache* cache, bool ownsCache, int x, int y, int arg, wxWindow* host, int id,
                  VornControlGroup* group);
    ~VirtualButton() override;

    using VirtualControl::Create;
    // Both forms take the size of the cache's images when the cache has any.
    virtual bool Create(const VornwxBitmapCache* cache, bool ownsCache, int x, int y, int w, int h, int arg,
                        wxWindow* host, int id, VornControlGroup* group);
    virtual bool Create(const VornwxBitmapCache* cache, bool ownsCache, int x, int y, int arg, wxWindow* host,
                        int id, VornControlGroup* group);

    void SetOn(bool on) override;
    bool GetOn() const override { return m_on; }
    void SetButtonDown(bool down);
    bool GetButtonDown() const { return m_buttonDown; }

    // An owned cache is deleted when replaced or with the button.
    void SetImageCache(const VornwxBitmapCache* cache, bool ownsCache);
    const VornwxBitmapCache* GetImageCache() const { return m_cache; }
    bool OwnsImageCache() const { return m_ownsCache; }
    VORNIMAGETYPE GetImageState() const { return m_imageState; }

    void RecalcState() override;
    void OnDraw(wxDC* dc) override;

protected:
    bool GetImageInfo(WallpaperImageInfo<wxBitmap>& info);

    const VornwxBitmapCache* m_cache = nullptr;
    bool m_ownsCache = false;
    VORNIMAGETYPE m_imageState = VORN_IMAGE_NONE;
    bool m_on = false;
    bool m_buttonDown = false;

private:
    void TakeCache(const VornwxBitmapCache* cache, bool ownsCache);
    void SizeToCache();
};

} // namespace vorn
