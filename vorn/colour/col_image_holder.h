#pragma once
// VornColImageHolder: one colour shown as a round dot inside a one-pixel ring, made into a
// button image set (the ring takes the button state's colour). Any button drawing from a
// VornwxBitmapCache can wear it; a new colour rebuilds the images.
#include <memory>

#include <vorn/assets/image_cache.h>
#include <vorn/util/color.h>

namespace vorn {

/// Owns a small button image set showing one colour as a round swatch.
class VornColImageHolder {
public:
    /// Images of width × height: a `current` dot inside a ring on `background`; the ring is
    /// `ring` at rest, `mouseOverRing` under the pointer and `pressedRing` when pressed.
    VornColImageHolder(int width, int height, Color background, Color ring, Color mouseOverRing, Color pressedRing,
                       Color current);
    /// Same sizes and colours, with an image set of its own.
    VornColImageHolder(const VornColImageHolder& other);
    /// Takes the sizes and colours and rebuilds this holder's own images.
    VornColImageHolder& operator=(const VornColImageHolder& other);
    /// Deletes the image set.
    ~VornColImageHolder();

    /// Sets the dot's colour and rebuilds every image (images obtained before are gone).
    void ChangeColour(Color colour);
    /// The dot's colour.
    Color GetCurrentColour() const { return m_current; }
    /// The image set, owned by the holder.
    const VornwxBitmapCache* GetImageCache() const { return m_cache.get(); }
    /// Image width in pixels.
    int GetWidth() const { return m_width; }
    /// Image height in pixels.
    int GetHeight() const { return m_height; }

private:
    void RefillImageCache();

    int m_width;
    int m_height;
    Color m_current;
    Color m_background;
    Color m_ring;
    Color m_mouseOverRing;
    Color m_pressedRing;
    std::unique_ptr<VornwxBitmapCache> m_cache;
};

} // namespace vorn
