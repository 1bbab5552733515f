#pragma once
// Conversions between Bitmap/BitmapA and wxWidgets images, grey mapping for masks and
// tints, flips and scaling. Each returns true on success.
#include <wx/bitmap.h>
#include <wx/image.h>

#include <vorn/util/bitmap.h>
#include <vorn/util/color.h>
#include <vorn/util/filter.h>

namespace vorn {

/// Remake the bitmap at the image's size with 3 channels and copy the pixels; the BitmapA
/// form sets every alpha byte to 255. False for an image without data.
bool ConvertTo(Bitmap& dst, const wxImage& src);
/// As above, into a BitmapA whose alpha bytes are all 255.
bool ConvertTo(BitmapA& dst, const wxImage& src);
/// Recreate the image at the bitmap's size: 3 channels copy red, green, blue; 1 channel
/// writes the grey byte to all three; alpha is skipped. Other channel counts give false.
bool ConvertTo(wxImage& dst, const BitmapA& src);
/// As above, from an opaque bitmap.
bool ConvertTo(wxImage& dst, const Bitmap& src);
/// Makes a wxBitmap of the bitmap's colours, through a temporary wxImage it shares.
bool ConvertTo(wxBitmap& dst, const BitmapA& src);
/// Makes a wxBitmap of the bitmap's colours, through a temporary wxImage it shares.
bool ConvertTo(wxBitmap& dst, const Bitmap& src);

/// Makes dst share src's data (no pixel copy) unless it already does.
bool Copy(wxImage& dst, const wxImage& src);

/// out = base with top blitted at (x, y) (alpha-composited for BitmapA); base is unchanged.
bool BlitwxImage(wxImage& out, BitmapA& base, BitmapA& top, int x, int y);
/// out = base with top copied over it at (x, y); base is unchanged.
bool BlitwxImage(wxImage& out, Bitmap& base, Bitmap& top, int x, int y);

/// Fills every pixel with truncate(component x 255.0) of red, green and blue. False for a
/// 0 x 0 image, which is what an image without data counts as (wxWidgets 3.2 makes no image
/// with just one side 0: such a request leaves it without data).
bool ClearwxImage(wxImage& image, const Color& colour);

// Grey mapping: each returns false, changing nothing, unless the mask has the bitmap's
// width and height and the bitmap has 3 channels. Per pixel grey = (r + g + b) / 3 of the
// mask (integer, rounded down) and t = grey / 255.

/// alpha = grey.
bool SetAlphaFromGrey(BitmapA& bitmap, const wxImage& mask);
/// alpha = 0 where grey is 0, else 255.
bool MapAlphaFromGrey(BitmapA& bitmap, const wxImage& mask);
/// colour = truncate(grey x component); alpha is kept.
bool SetColoursFromGrey(BitmapA& bitmap, const wxImage& mask, const Color& colour);
/// colour as SetColoursFromGrey, alpha = grey.
bool SetAllFromGrey(BitmapA& bitmap, const wxImage& mask, const Color& colour);
/// colour = truncate(old x (1 - t) + byte(truncate(t x component x 255))); alpha is kept.
bool MapColoursFromGrey(BitmapA& bitmap, const wxImage& mask, const Color& colour);
/// colour as MapColoursFromGrey, alpha as MapAlphaFromGrey.
bool MapAllFromGrey(BitmapA& bitmap, const wxImage& mask, const Color& colour);

/// Remake dst at src's size and write every pixel (x, y) of src to (width - 1 - x, y)
/// (FlipHoz) or (x, height - 1 - y) (FlipVert). dst and src must be different filters.
bool FlipHoz(Filter& dst, Filter& src);
/// Remakes dst at src's size, upside down (see FlipHoz).
bool FlipVert(Filter& dst, Filter& src);
/// FlipHoz on images (dst may be src itself).
bool FlipHoz(wxImage& dst, const wxImage& src);
/// FlipVert on images (dst may be src itself).
bool FlipVert(wxImage& dst, const wxImage& src);

/// Fills dst (already at the target size, with src's channel count) by sampling src at
/// (x / dstWidth x srcWidth, y / dstHeight x srcHeight) with GetHQColor radius 1.5.
bool Scale(BitmapA& dst, BitmapA& src);
/// As above, for opaque bitmaps.
bool Scale(Bitmap& dst, Bitmap& src);

} // namespace vorn
