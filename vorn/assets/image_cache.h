#pragma once
// Image sets: one image per visual state of a control, in the pixel type the control
// draws with. The asset manager owns the sets it makes and hands out const pointers.
#include <string>
#include <utility>
#include <vector>

#include <wx/bitmap.h>
#include <wx/image.h>

#include <vorn/util/bitmap.h>

namespace vorn {

/// The state index of an image in an image set, 0 to 9. Image scripts name 2 to 9.
typedef int VORNIMAGETYPE;
enum : int {
    VORN_IMAGE_NONE = 0,
    VORN_IMAGE_OFF = 2,
    VORN_IMAGE_ON = 3,
    VORN_IMAGE_ON_MOUSE_OVER = 4,
    VORN_IMAGE_OFF_MOUSE_OVER = 5,
    VORN_IMAGE_DISABLED_ON = 6,
    VORN_IMAGE_DISABLED_OFF = 7,
    VORN_IMAGE_ON_DOWN = 8,
    VORN_IMAGE_OFF_DOWN = 9,
};
constexpr int kVornImageStates = 10; ///< Number of state slots in an image set (indices 0 to 9).

/// The state an image script names ("off", "on", "on_mouse_over", "off_mouse_over",
/// "disabled_on", "disabled_off", "on_down", "off_down"); false for any other word.
bool VornImageStateFromName(const std::string& name, VORNIMAGETYPE& state);
/// The script name of a state, or "" for 0, 1 and values outside the range.
const char* VornImageStateName(VORNIMAGETYPE state);

/// Ten state slots, each (owned flag, image). Only owned images are deleted. States
/// outside 0 to 9 are refused by every operation.
template <class T>
class VornImageCache {
public:
    /// Ten empty slots.
    VornImageCache() : m_slots(kVornImageStates, Slot(false, nullptr)) {}
    virtual ~VornImageCache() { DeleteOwned(); }
    VornImageCache(const VornImageCache&) = delete;
    VornImageCache& operator=(const VornImageCache&) = delete;

    /// Appends, in ascending order, every state whose slot holds an image.
    virtual bool GetStates(std::vector<VORNIMAGETYPE>& states) const
    {
        for (int s = 0; s < kVornImageStates; ++s)
            if (m_slots[s].second)
                states.push_back(s);
        return true;
    }
    /// False, with `out` null, for an empty slot.
    virtual bool GetImage(VORNIMAGETYPE state, const T*& out) const
    {
        out = IsState(state) ? m_slots[state].second : nullptr;
        return out != nullptr;
    }
    /// Size of the image in the lowest filled slot; -1 when all slots are empty.
    virtual int GetHeight() const
    {
        const T* first = FirstImage();
        return first ? GetImageHeight(first) : -1;
    }
    /// Width of the image in the lowest filled slot; -1 when all slots are empty.
    virtual int GetWidth() const
    {
        const T* first = FirstImage();
        return first ? GetImageWidth(first) : -1;
    }
    /// Both sizes; false when either is unknown.
    virtual bool GetSize(int& width, int& height) const
    {
        width = GetWidth();
        height = GetHeight();
        return width != -1 && height != -1;
    }

protected:
    /// Width of one image of the pixel type.
    virtual int GetImageWidth(const T* image) const = 0;
    /// Height of one image of the pixel type.
    virtual int GetImageHeight(const T* image) const = 0;

public:
    /// The slot becomes (not owned, image).
    virtual bool AssignImage(VORNIMAGETYPE state, const T* image)
    {
        return Store(state, false, const_cast<T*>(image));
    }
    /// The slot becomes (owned, image): the set deletes it.
    virtual bool AssignImageOwn(VORNIMAGETYPE state, T* image) { return Store(state, true, image); }
    /// Deletes the owned images and empties all ten slots.
    virtual bool Clear()
    {
        DeleteOwned();
        m_slots.assign(kVornImageStates, Slot(false, nullptr));
        return true;
    }

    /// True for the states 0 to 9.
    static bool IsState(VORNIMAGETYPE state) { return state >= 0 && state < kVornImageStates; }

protected:
    /// The image of the lowest filled slot, or null.
    const T* FirstImage() const
    {
        for (const Slot& slot : m_slots)
            if (slot.second)
                return slot.second;
        return nullptr;
    }
    /// Also used by const lookups that fill a slot on first use (wallpaper-backed sets).
    bool Store(VORNIMAGETYPE state, bool owned, T* image) const
    {
        if (!IsState(state))
            return false;
        Slot& slot = m_slots[state];
        // An owned image that is overwritten would otherwise leak.
        if (slot.first && slot.second != image)
            delete slot.second;
        slot = Slot(owned, image);
        return true;
    }

private:
    typedef std::pair<bool, T*> Slot;

    void DeleteOwned()
    {
        for (Slot& slot : m_slots) {
            if (slot.first)
                delete slot.second;
            slot = Slot(false, nullptr);
        }
    }

    // Mutable: a wallpaper-backed set cuts an image out when it is first asked for.
    mutable std::vector<Slot> m_slots;
};

/// An image set of Bitmaps (no alpha).
class VornBitmapCache : public VornImageCache<Bitmap> {
protected:
    /// The bitmap's width.
    int GetImageWidth(const Bitmap* image) const override;
    /// The bitmap's height.
    int GetImageHeight(const Bitmap* image) const override;
};

/// An image set of BitmapAs (with alpha).
class VornBitmapACache : public VornImageCache<BitmapA> {
protected:
    /// The bitmap's width.
    int GetImageWidth(const BitmapA* image) const override;
    /// The bitmap's height.
    int GetImageHeight(const BitmapA* image) const override;
};

/// An image set of toolkit images.
class VornwxImageCache : public VornImageCache<wxImage> {
protected:
    /// The image's width.
    int GetImageWidth(const wxImage* image) const override;
    /// The image's height.
    int GetImageHeight(const wxImage* image) const override;
};

/// Where one image lives inside a shared wallpaper bitmap.
template <class T>
struct WallpaperImageInfo {
    int x = 0;                    ///< Left edge on the wallpaper, in pixels.
    int y = 0;                    ///< Top edge on the wallpaper, in pixels.
    int width = 0;                ///< Width in pixels.
    int height = 0;               ///< Height in pixels.
    const T* wallpaper = nullptr; ///< The shared wallpaper (not owned); null: no image.
    /// No image.
    WallpaperImageInfo() = default;
    /// A rectangle of the given wallpaper.
    WallpaperImageInfo(int x_, int y_, int w, int h, const T* wp)
        : x(x_), y(y_), width(w), height(h), wallpaper(wp)
    {
    }
};

/// An image set whose states may live in wallpapers: each is cut out into its slot the
/// first time it is asked for.
template <class T>
class VornWallpaperImageCache : public VornImageCache<T> {
    typedef VornImageCache<T> Base;

public:
    /// The states with an image or a wallpaper info, ascending, each once (appended).
    bool GetStates(std::vector<VORNIMAGETYPE>& states) const override
    {
        for (int s = 0; s < kVornImageStates; ++s) {
            const T* image = nullptr;
            if (Base::GetImage(s, image) || HasWallpaperInfo(s))
                states.push_back(s);
        }
        return true;
    }
    /// The slot's image, cut out of its wallpaper on first use.
    bool GetImage(VORNIMAGETYPE state, const T*& out) const override
    {
        if (Base::GetImage(state, out))
            return true;
        if (!HasWallpaperInfo(state))
            return false;
        T* cut = MakeImageFromWallpaper(m_infos[state]);
        if (!cut)
            return false;
        this->Store(state, true, cut);
        out = cut;
        return true;
    }
    /// The lowest filled slot's height, else the lowest info's; -1 for neither.
    int GetHeight() const override
    {
        if (this->FirstImage())
            return Base::GetHeight();
        const WallpaperImageInfo<T>* info = FirstInfo();
        return info ? info->height : -1;
    }
    /// The lowest filled slot's width, else the lowest info's; -1 for neither.
    int GetWidth() const override
    {
        if (this->FirstImage())
            return Base::GetWidth();
        const WallpaperImageInfo<T>* info = FirstInfo();
        return info ? info->width : -1;
    }
    /// Empties the wallpaper infos as well as the slots.
    bool Clear() override
    {
        m_infos.clear();
        return Base::Clear();
    }
    /// A filled slot gives (0, 0, its size, the image itself); otherwise the state's
    /// wallpaper info. False, with a null wallpaper, when the state has neither.
    virtual bool GetImageInfo(VORNIMAGETYPE state, WallpaperImageInfo<T>& info) const
    {
        const T* image = nullptr;
        if (Base::GetImage(state, image)) {
            info = WallpaperImageInfo<T>(0, 0, this->GetImageWidth(image),
                                         this->GetImageHeight(image), image);
            return true;
        }
        if (HasWallpaperInfo(state)) {
            info = m_infos[state];
            return true;
        }
        info.wallpaper = nullptr;
        return false;
    }
    /// A new image of info's size holding that rectangle of the wallpaper.
    virtual T* MakeImageFromWallpaper(WallpaperImageInfo<T> info) const = 0;

    /// Gives the set one info per state (the wallpaper holder fills sets this way).
    void SetImageInfos(const std::vector<WallpaperImageInfo<T>>& infos) { m_infos = infos; }
    /// The infos given by SetImageInfos.
    const std::vector<WallpaperImageInfo<T>>& GetImageInfos() const { return m_infos; }

private:
    bool HasWallpaperInfo(VORNIMAGETYPE state) const
    {
        return Base::IsState(state) && static_cast<size_t>(state) < m_infos.size() &&
               m_infos[state].wallpaper != nullptr;
    }
    const WallpaperImageInfo<T>* FirstInfo() const
    {
        for (const WallpaperImageInfo<T>& info : m_infos)
            if (info.wallpaper)
                return &info;
        return nullptr;
    }

    std::vector<WallpaperImageInfo<T>> m_infos;
};

/// An image set of toolkit bitmaps whose states may live in wallpapers.
class VornwxBitmapCache : public VornWallpaperImageCache<wxBitmap> {
public:
    /// A new bitmap of the rectangle; null when it does not lie inside the wallpaper.
    wxBitmap* MakeImageFromWallpaper(WallpaperImageInfo<wxBitmap> info) const override;

protected:
    /// The bitmap's width.
    int GetImageWidth(const wxBitmap* image) const override;
    /// The bitmap's height.
    int GetImageHeight(const wxBitmap* image) const override;
};

extern template class VornImageCache<Bitmap>;
extern template class VornImageCache<BitmapA>;
extern template class VornImageCache<wxImage>;
extern template class VornImageCache<wxBitmap>;
extern template class VornWallpaperImageCache<wxBitmap>;

} // namespace vorn
