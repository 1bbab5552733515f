#pragma once
// Raster operations on filters. Every operation is clipped to the filter it draws into
// (nothing is written outside it, and shapes far outside cost no more than the filter's
// area) and returns false only for unusable arguments (non-finite coordinates).
//
// Shapes are anti-aliased by coverage: a pixel the shape covers fully is written with
// WritePixel, one it covers partly is blended with WritePixelI. Pixel centres lie on
// whole coordinates, so axis-aligned shapes on whole coordinates are exact: the line
// from (0, 5) to (10, 5) writes exactly those eleven pixels at full intensity.
// Coordinate and angle conventions are those of filter.h.
#include <vorn/util/color.h>
#include <vorn/util/filter.h>

namespace vorn {

/// Writes the colour to every pixel of the filter.
bool Clear(Filter& filter, const ColorA& colour);

/// Copies src's pixels to the same places in dst, over the area both cover.
bool Copy(Filter& dst, Filter& src);

/// Draws src with its top-left corner at (x, y) in dst, composited "source over" by src's
/// alpha: an opaque source pixel is copied, a transparent one leaves dst as it was, and
/// over a transparent dst pixel the colour stays the source's while alpha accumulates.
bool Blit(Filter& dst, Filter& src, int x, int y);
/// As above, further weighted by the mask pixel at the same source position (the mean of
/// its red, green and blue, times its alpha); source pixels outside the mask are skipped.
bool Blit(Filter& dst, Filter& src, Filter& mask, int x, int y);

/// A one-pixel line from (x0, y0) to (x1, y1), both ends included; each step along the
/// longer axis shares its intensity between the two pixels nearest the true line.
bool DrawLine(Filter& filter, double x0, double y0, double x1, double y1, const ColorA& colour);

/// A quarter of an ellipse outline from (x0, y0) to (x1, y1): the ellipse is centred on the
/// corner (x0, y1) with radii |x1 - x0| and |y1 - y0|, so the arc starts tangent to the
/// horizontal at (x0, y0) and ends tangent to the vertical at (x1, y1), and lies inside the
/// box spanned by the two points. DrawArc(f, cx, cy - r, cx + r, cy, c) is the upper-right
/// quarter of the circle of radius r about (cx, cy); AngleCrop selects parts of it.
/// A box with no width or no height draws the straight line between the points.
bool DrawArc(Filter& filter, double x0, double y0, double x1, double y1, const ColorA& colour);

/// The whole ellipse outline inscribed in the box with corners (x0, y0) and (x1, y1),
/// touching the pixel centres on the box's edges (a 12 x 12 knob box is (x, y, x + 11, y + 11)).
bool DrawEllipse(Filter& filter, double x0, double y0, double x1, double y1, const ColorA& colour);

/// A circle about (cx, cy). Outline: one pixel wide, pixels at distance `radius` full.
/// Filled: pixels within radius - 0.5 full, fading to nothing at radius + 0.5.
bool DrawCircle(Filter& filter, double cx, double cy, double radius, const ColorA& colour, bool filled);

/// The direction from (x0, y0) to (x1, y1) in degrees, 0 up to (not including) 360,
/// counter-clockwise on screen from the +x axis; 0 when the points coincide.
double GetAngle(double x0, double y0, double x1, double y1);

// The same operations on filters held by pointer, so that a view made in the call can be
// drawn through at once: DrawLine(AntiAlias(*f), ...). An empty pointer draws nothing
// and gives false.

/// Clear through a filter held by pointer.
inline bool Clear(const FilterPtr& f, const ColorA& c) { return f && Clear(*f, c); }
/// Copy between filters held by pointer.
inline bool Copy(const FilterPtr& dst, const FilterPtr& src) { return dst && src && Copy(*dst, *src); }
/// Blit between filters held by pointer.
inline bool Blit(const FilterPtr& dst, const FilterPtr& src, int x, int y) { return dst && src && Blit(*dst, *src, x, y); }
/// Masked Blit between filters held by pointer.
inline bool Blit(const FilterPtr& dst, const FilterPtr& src, const FilterPtr& mask, int x, int y)
{
    return dst && src && mask && Blit(*dst, *src, *mask, x, y);
}
/// DrawLine through a filter held by pointer.
inline bool DrawLine(const FilterPtr& f, double x0, double y0, double x1, double y1, const ColorA& c)
{
    return f && DrawLine(*f, x0, y0, x1, y1, c);
}
/// DrawArc through a filter held by pointer.
inline bool DrawArc(const FilterPtr& f, double x0, double y0, double x1, double y1, const ColorA& c)
{
    return f && DrawArc(*f, x0, y0, x1, y1, c);
}
/// DrawEllipse through a filter held by pointer.
inline bool DrawEllipse(const FilterPtr& f, double x0, double y0, double x1, double y1, const ColorA& c)
{
    return f && DrawEllipse(*f, x0, y0, x1, y1, c);
}
/// DrawCircle through a filter held by pointer.
inline bool DrawCircle(const FilterPtr& f, double cx, double cy, double radius, const ColorA& c, bool filled)
{
    return f && DrawCircle(*f, cx, cy, radius, c, filled);
}

} // namespace vorn
