#pragma once
// The one way the gradient editor's parts put a face drawn in software on the window:
// paint into an owned image through a filter, turn it into a bitmap, copy it over.
#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/dc.h>
#include <wx/image.h>

#include <vorn/util/color.h>
#include <vorn/util/detail/blit.h>
#include <vorn/util/detail/unit_bytes.h>
#include <vorn/util/wx_colour.h>
#include <vorn/util/wx_image_filter.h>

namespace vorn::detail {

// The colour a fraction t of the way from a to b.
inline Color MixColour(const Color& a, const Color& b, double t)
{
    return Color(a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t);
}

// A window colour that was never set draws black.
inline Color InkOf(const wxColour& c)
{
    return c.IsOk() ? WxCtoC(c) : Color(0.0, 0.0, 0.0);
}

// The bytes a filter writes for `c` (rounded), for what is drawn beside a face.
inline wxColour FaceColour(const Color& c)
{
    return wxColour(UnitToByte(c.r), UnitToByte(c.g), UnitToByte(c.b));
}

// Paints a w x h face into `image` (recreated when its size differs), turns it into
// `picture` and copies that to the context; nothing for an empty size.
template <class Paint>
void DrawSoftwareFace(wxDC& dc, int w, int h, wxImage& image, wxBitmap& picture, Paint paint)
{
    if (w <= 0 || h <= 0)
        return;
    if (!image.IsOk() || image.GetWidth() != w || image.GetHeight() != h)
        image.Create(w, h, false);
    if (FilterPtr f = CreateFilter(image))
        paint(*f);
    picture = wxBitmap(image, 24);
    BlitBitmap(dc, 0, 0, w, h, picture);
}

} // namespace vorn::detail
