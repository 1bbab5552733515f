#pragma once
// Filters: the pixel-access interface that every raster operation draws through, the
// filters over bitmaps, the undo recorder and the views (crop, rotate, angle crop and
// the smoothing filters).
//
// Coordinates: x to the right, y downwards; pixel (x, y) has its centre on the whole
// coordinate (x, y). Angles are degrees, measured from the +x axis and counter-clockwise
// as seen on screen (so 90 points up, towards smaller y); GetAngle (raster.h) uses the
// same convention.
//
// Ownership: a view either owns the filter it wraps (made from a std::unique_ptr, which
// the view consumes) or borrows it (made from a Filter&, which must outlive the view).
#include <memory>
#include <vector>

#include <vorn/util/bitmap.h>
#include <vorn/util/color.h>

namespace vorn {

/// The pixel-access interface every raster operation draws through.
class Filter {
public:
    virtual ~Filter();
    /// Writes the colour to pixel (x, y).
    /// Pixel operations return false, changing nothing, outside the filter.
    virtual bool WritePixel(int x, int y, const ColorA& colour) = 0;
    /// Reads pixel (x, y) into `colour`; false outside the filter.
    virtual bool ReadPixel(ColorA& colour, int x, int y) = 0;
    /// Blends the colour over the pixel: new = old x (1 - intensity) + colour x intensity.
    virtual bool WritePixelI(int x, int y, const ColorA& colour, double intensity) = 0;
    /// Writes the colour at a real-valued point.
    /// Point operations round each coordinate as floor(v + 0.5) and call the pixel
    /// operations above (a smoothing filter spreads them instead).
    virtual bool WritePoint(double x, double y, const ColorA& colour);
    /// Reads the colour at a real-valued point (rounded as WritePoint rounds).
    virtual bool ReadPoint(ColorA& colour, double x, double y);
    /// Blends the colour over a real-valued point (rounded as WritePoint rounds).
    virtual bool WritePointI(double x, double y, const ColorA& colour, double intensity);
    /// Pixels per row.
    virtual int GetWidth() const = 0;
    /// Rows.
    virtual int GetHeight() const = 0;
    /// Releases the pixels underneath (views do nothing).
    virtual void Clear() = 0;
    /// Remakes the pixels underneath at a new size (views refuse).
    virtual bool Create(int width, int height) = 0;

    /// True when pixel (x, y) lies inside the filter.
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < GetWidth() && y < GetHeight(); }
};

/// An owned filter, as raster operations hand them about.
using FilterPtr = std::unique_ptr<Filter>;

/// A filter that wraps another one, owned or borrowed. Pixel operations pass through
/// unchanged; subclasses change what they need.
class WrappingFilter : public Filter {
public:
    /// Wraps a filter that must outlive this one.
    explicit WrappingFilter(Filter& inner) : m_inner(&inner) {}
    /// Wraps and owns a filter (an empty pointer gives a filter of no area).
    explicit WrappingFilter(FilterPtr inner) : m_owned(std::move(inner)), m_inner(m_owned.get()) {}

    bool WritePixel(int x, int y, const ColorA& colour) override;
    bool ReadPixel(ColorA& colour, int x, int y) override;
    bool WritePixelI(int x, int y, const ColorA& colour, double intensity) override;
    int GetWidth() const override;
    int GetHeight() const override;
    void Clear() override;
    bool Create(int width, int height) override;

    /// The wrapped filter; null when made from an empty pointer.
    Filter* GetInner() const { return m_inner; }

private:
    FilterPtr m_owned;

protected:
    Filter* m_inner; ///< The wrapped filter; null only when made from an empty pointer.
};

/// A filter over a Bitmap or BitmapA. Writes store truncate(component x 255 + 0.5),
/// clamped to 0..255; a grey bitmap stores the mean of red, green and blue and reads back
/// as that grey. Without alpha bytes, alpha is ignored on write and reads give 1.0. Create
/// keeps the channel count (3 for a bitmap that has none yet); Clear releases the pixels.
FilterPtr CreateFilter(Bitmap& bitmap);
/// A filter over a BitmapA, writing and reading its alpha bytes too (see above).
FilterPtr CreateFilter(BitmapA& bitmap);

/// Records the old colour of every pixel written through it, so that UnDo can put them
/// back. Clear and Create act on the wrapped filter and forget the record.
class UnDoFilter : public WrappingFilter {
public:
    /// One recorded write: the pixel and the colour it had before.
    struct Entry {
        int x;      ///< Column.
        int y;      ///< Row.
        ColorA old; ///< The colour before the write.
    };

    using WrappingFilter::WrappingFilter;

    bool WritePixel(int x, int y, const ColorA& colour) override;
    bool WritePixelI(int x, int y, const ColorA& colour, double intensity) override;
    void Clear() override;
    bool Create(int width, int height) override;

    /// Starts a new record.
    void Initialize() { m_record.clear(); }
    /// Restores the recorded pixels from the newest entry to the oldest, then starts a
    /// new record.
    void UnDo();
    /// The record since Initialize, oldest entry first.
    const std::vector<Entry>& GetRecord() const { return m_record; }

private:
    void Remember(int x, int y);
    std::vector<Entry> m_record;
};

/// The sub-rectangle from (x0, y0) to the far corner (x1, y1), excluded: view pixel (x, y)
/// is pixel (x0 + x, y0 + y) underneath. The view is (x1 - x0) x (y1 - y0).
FilterPtr Crop(int x0, int y0, int x1, int y1, FilterPtr filter);
/// As Crop above, over a borrowed filter.
FilterPtr Crop(int x0, int y0, int x1, int y1, Filter& filter);

/// A view turned about (cx, cy) by `angle` degrees: a write to view pixel p lands at the
/// point p rotated counter-clockwise (on screen) about the centre, through the wrapped
/// filter's point operations (rounded, or spread when that filter smooths); reads map the
/// same way. The view has the wrapped filter's size.
FilterPtr Rotate(double angle, double cx, double cy, FilterPtr filter);
/// As Rotate above, over a borrowed filter.
FilterPtr Rotate(double angle, double cx, double cy, Filter& filter);

/// Passes only writes to pixels whose direction from (cx, cy) lies within [from, to]
/// degrees, taken counter-clockwise from `from` (to < from wraps through 0; a span of 360
/// or more passes all); reads pass through. The centre pixel itself has direction 0.
FilterPtr AngleCrop(double fromDegrees, double toDegrees, double cx, double cy, FilterPtr filter);
/// As AngleCrop above, over a borrowed filter.
FilterPtr AngleCrop(double fromDegrees, double toDegrees, double cx, double cy, Filter& filter);

/// Smooths what is drawn through it: a point write at a fractional position is shared
/// among the four nearest pixels with bilinear weights (a whole position writes one pixel
/// exactly); pixel writes and reads pass through.
class DumbAntiAliasFilter : public WrappingFilter {
public:
    using WrappingFilter::WrappingFilter;
    bool WritePoint(double x, double y, const ColorA& colour) override;
    bool WritePointI(double x, double y, const ColorA& colour, double intensity) override;
};

/// As DumbAntiAliasFilter, and point reads interpolate the four nearest pixels too, so
/// that a rotated view read through it is smooth.
class AntiAliasFilter : public DumbAntiAliasFilter {
public:
    using DumbAntiAliasFilter::DumbAntiAliasFilter;
    bool ReadPoint(ColorA& colour, double x, double y) override;
};

/// An AntiAliasFilter that owns the filter it smooths.
FilterPtr AntiAlias(FilterPtr filter);
/// An AntiAliasFilter over a borrowed filter.
FilterPtr AntiAlias(Filter& filter);

} // namespace vorn
