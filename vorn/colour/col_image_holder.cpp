#include <vorn/colour/col_image_holder.h>

#include <utility>

#include <wx/bitmap.h>
#include <wx/image.h>

#include <vorn/util/raster.h>
#include <vorn/util/wx_image_filter.h>

namespace vorn {

VornColImageHolder::VornColImageHolder(int width, int height, Color background, Color ring, Color mouseOverRing,
                                       Color pressedRing, Color current)
    : m_width(width), m_height(height), m_current(current), m_background(background), m_ring(ring),
      m_mouseOverRing(mouseOverRing), m_pressedRing(pressedRing), m_cache(std::make_unique<VornwxBitmapCache>())
{
    RefillImageCache();
}

// Sharing one set between two holders would delete it twice and let one holder's colour
// change repaint the other's button, so a copy draws a set of its own.
VornColImageHolder::VornColImageHolder(const VornColImageHolder& other)
    : m_width(other.m_width), m_height(other.m_height), m_current(other.m_current),
      m_background(other.m_background), m_ring(other.m_ring), m_mouseOverRing(other.m_mouseOverRing),
      m_pressedRing(other.m_pressedRing), m_cache(std::make_unique<VornwxBitmapCache>())
{
    RefillImageCache();
}

// Buttons already wearing this holder's set keep the same set, now with the new images.
VornColImageHolder& VornColImageHolder::operator=(const VornColImageHolder& other)
{
    if (this == &other)
        return *this;
    m_width = other.m_width;
    m_height = other.m_height;
    m_current = other.m_current;
    m_background = other.m_background;
    m_ring = other.m_ring;
    m_mouseOverRing = other.m_mouseOverRing;
    m_pressedRing = other.m_pressedRing;
    RefillImageCache();
    return *this;
}

VornColImageHolder::~VornColImageHolder() = default;

void VornColImageHolder::ChangeColour(Color colour)
{
    m_current = colour;
    RefillImageCache();
}

// The filled circles blend their rim over what lies below, so the dot's edge fades into
// the ring and the ring's into the background: a round swatch without jagged steps.
void VornColImageHolder::RefillImageCache()
{
    m_cache->Clear();
    if (m_width <= 0 || m_height <= 0)
        return; // nothing to draw on: the set stays empty
    const std::pair<VORNIMAGETYPE, const Color*> images[] = {
        {VORN_IMAGE_OFF, &m_ring},           {VORN_IMAGE_OFF_MOUSE_OVER, &m_mouseOverRing},
        {VORN_IMAGE_OFF_DOWN, &m_pressedRing}, {VORN_IMAGE_ON, &m_ring},
        {VORN_IMAGE_ON_MOUSE_OVER, &m_mouseOverRing}, {VORN_IMAGE_ON_DOWN, &m_pressedRing},
    };
    const int cx = static_cast<int>(m_width * 0.5), cy = static_cast<int>(m_height * 0.5);
    const int ringRadius = static_cast<int>(m_width * 0.5), dotRadius = static_cast<int>(m_width * 0.5 - 1.0);
    for (const auto& [state, ring] : images) {
        wxImage image(m_width, m_height, false);
        if (FilterPtr f = CreateFilter(image)) {
            vorn::Clear(*f, CtoCA(m_background));
            DrawCircle(*f, cx, cy, ringRadius, CtoCA(*ring), true);
            DrawCircle(*f, cx, cy, dotRadius, CtoCA(m_current), true);
        }
        m_cache->AssignImageOwn(state, new wxBitmap(image, 24));
    }
}

} // namespace vorn
