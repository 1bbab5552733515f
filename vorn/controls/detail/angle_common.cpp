#include <vorn/controls/detail/angle_common.h>

#include <wx/bitmap.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>

#include <vorn/framework/control.h>

namespace vorn::detail {

void DrawAtOnce(VornControl& control)
{
    if (!control.IsShownOnScreen())
        return;
    wxClientDC dc(&control);
    control.OnDraw(&dc);
}

std::unique_ptr<wxImage> MakeDrawingBuffer(int w, int h)
{
    return w > 0 && h > 0 ? std::make_unique<wxImage>(w, h) : std::make_unique<wxImage>();
}

void CopyImage(wxDC& dc, const wxImage& image)
{
    if (!image.IsOk())
        return;
    const wxBitmap bitmap(image);
    wxMemoryDC source;
    source.SelectObjectAsSource(bitmap);
    dc.Blit(0, 0, image.GetWidth(), image.GetHeight(), &source, 0, 0, wxCOPY, false);
}

} // namespace vorn::detail
