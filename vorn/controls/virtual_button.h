#pragma once
// VirtualButton: the windowless image button a host window draws and feeds with mouse
// events (menus build their entries from them). It chooses, looks up and draws its state
// image as VornButton does, at the origin of the DC it is given.
#include <vorn/assets/image_cache.h>
#include <vorn/framework/on_off_control.h>
#include <vorn/framework/virtual_control.h>

namespace vorn {

/// A windowless image button drawn and fed by its host window.
class VirtualButton : public VirtualControl, public VornOnOffControl {
public:
    /// Nothing yet: Create must follow.
    VirtualButton() = default;
    /// A button at the given place; the size of the set's images when it has any.
    VirtualButton(const VornwxBitmapCache* cache, bool ownsCache, int x, int y, int w, int h, int arg,
                  wxWindow* host, int id, VornControlGroup* group);
    /// The same without a size.
    VirtualButton(const VornwxBitmapCache* cache, bool ownsCache, int x, int y, int arg, wxWindow* host, int id,
                  VornControlGroup* group);
    /// Deletes an owned image set.
    ~VirtualButton() override;

    using VirtualControl::Create;
    /// Both forms take the size of the cache's images when the cache has any.
    virtual bool Create(const VornwxBitmapCache* cache, bool ownsCache, int x, int y, int w, int h, int arg,
                        wxWindow* host, int id, VornControlGroup* group);
    /// The same without a size.
    virtual bool Create(const VornwxBitmapCache* cache, bool ownsCache, int x, int y, int arg, wxWindow* host,
                        int id, VornControlGroup* group);

    /// Sets the on flag; never tells the group.
    void SetOn(bool on) override;
    /// The on flag.
    bool GetOn() const override { return m_on; }
    /// Sets the host-held flag.
    void SetButtonDown(bool down);
    /// The host-held flag.
    bool GetButtonDown() const { return m_buttonDown; }

    /// An owned cache is deleted when replaced or with the button.
    void SetImageCache(const VornwxBitmapCache* cache, bool ownsCache);
    /// The image set, or null.
    const VornwxBitmapCache* GetImageCache() const { return m_cache; }
    /// Whether the button deletes its set.
    bool OwnsImageCache() const { return m_ownsCache; }
    /// The state image chosen by the last recalculation.
    VORNIMAGETYPE GetImageState() const { return m_imageState; }

    /// Chooses the state image from the flags.
    void RecalcState() override;
    /// Draws the image of the current state at the DC's origin.
    void OnDraw(wxDC* dc) override;

protected:
    /// The region to draw for the current state, after the stand-in chain.
    bool GetImageInfo(WallpaperImageInfo<wxBitmap>& info);

    const VornwxBitmapCache* m_cache = nullptr; ///< The button images, or null.
    bool m_ownsCache = false; ///< The images are deleted with the button or on replacement.
    VORNIMAGETYPE m_imageState = VORN_IMAGE_NONE; ///< The image to draw, worked out by RecalcState.
    bool m_on = false; ///< The on flag.
    bool m_buttonDown = false; ///< The host-held down flag (SetButtonDown).

private:
    void TakeCache(const VornwxBitmapCache* cache, bool ownsCache);
    void SizeToCache();
};

} // namespace vorn
