#include <vorn/tree/blob_row.h>

#include <vorn/util/detail/blit.h>
#include <vorn/util/filter.h>
#include <vorn/util/raster.h>
#include <vorn/util/wx_colour.h>
#include <vorn/util/wx_image_filter.h>

namespace vorn {

wxImage MakeBlobImage(int w, int h, const Color& background, const Color& blob)
{
    if (w <= 0 || h <= 0)
        return wxImage();
    wxImage image(w, h);
    FilterPtr f = CreateFilter(image);
    if (!f)
        return image;
    const ColorA bg = CtoCA(background), fg = CtoCA(blob);
    Clear(*f, bg);
    Clear(Crop(0, 0, w, static_cast<int>(h * 0.5), *f), fg);
    const int cy = static_cast<int>(h * 0.5), biteY = static_cast<int>(h * 0.5 - 1.0);
    // The drop and bites have radius 5 with a hard edge: pixels 5 or more from the centre
    // stay untouched. The shared filled circle fades out over [r - 0.5, r + 0.5], so half a
    // pixel less radius keeps that edge while still smoothing it inside.
    const double r = 5 - 0.5;
    DrawCircle(*f, static_cast<int>(w * 0.5), cy, r, fg, true);
    // The bites sit just outside both ends so only their inner edges round the band off.
    DrawCircle(*f, w + 1, biteY, r, bg, true);
    DrawCircle(*f, -2, biteY, r, bg, true);
    return image;
}

void VornBlobbyControl::MakeBlobbyImage()
{
    const wxImage image = MakeBlobImage(GetMaxWidth(), GetMaxHeight(), GetBackgroundCol(), m_blobColour);
    if (image.IsOk())
        m_picture = std::make_unique<wxBitmap>(image);
}

void VornBlobbyControl::OnDraw(wxDC* dc)
{
    if (!m_picture)
        MakeBlobbyImage();
    if (dc && m_picture && m_picture->IsOk())
        detail::BlitBitmap(*dc, 0, 0, GetMaxWidth(), GetMaxHeight(), *m_picture);
}

} // namespace vorn
