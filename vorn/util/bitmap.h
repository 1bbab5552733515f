#pragma once
// Owned pixel buffers of the imaging layer.
//
// Layout, read and written directly by callers: `data`, `width`, `height`, `channels`.
// Rows run top to bottom with no gap. A Bitmap pixel is `channels` bytes (3 = red, green,
// blue; 1 = grey); a BitmapA pixel has one alpha byte after the colour bytes.
#include <cstddef>

#include <vorn/util/color.h>

namespace vorn {

/// The pixel storage shared by Bitmap and BitmapA.
/// The two stay distinct types so that an opaque bitmap is never passed where one with
/// alpha is expected.
class PixelBuffer {
public:
    unsigned char* data = nullptr; ///< The pixels, row by row from the top; null when empty.
    int width = 0;                 ///< Pixels per row.
    int height = 0;                ///< Rows.
    int channels = 0;              ///< Colour bytes per pixel: 3 (red, green, blue) or 1 (grey).

    /// Releases the pixels.
    virtual ~PixelBuffer();

    /// Makes a zeroed buffer of width x height with 1 or 3 colour channels.
    /// The last argument is reserved and always 0. False, leaving the buffer empty, for
    /// negative sizes, other channel counts or a buffer too large to allocate.
    virtual bool Create(int width, int height, int channels, int flags = 0);

    /// Pixels per row.
    int GetWidth() const { return width; }
    /// Rows.
    int GetHeight() const { return height; }
    /// Colour bytes per pixel.
    int GetChannels() const { return channels; }
    /// True for a BitmapA: each pixel ends in an alpha byte.
    bool HasAlpha() const { return m_alphaBytes != 0; }
    /// Bytes of one pixel: channels, plus one for alpha in a BitmapA.
    int GetPixelBytes() const { return channels + m_alphaBytes; }
    /// Bytes of the whole buffer.
    size_t GetByteCount() const;
    /// True when there are no pixels.
    bool IsEmpty() const { return data == nullptr; }

    /// The first byte of pixel (x, y), or null outside the buffer.
    unsigned char* PixelAt(int x, int y);
    /// The first byte of pixel (x, y), or null outside the buffer.
    const unsigned char* PixelAt(int x, int y) const;

    /// Fills every pixel with the given pixel bytes; byteCount must equal GetPixelBytes().
    bool Set(int byteCount, const unsigned char* pixel);
    /// Releases the buffer; the bitmap becomes 0 x 0 with no channels.
    void Clear();
    /// Resamples the content to a new size with the GetHQColor filter.
    bool Resize(int newWidth, int newHeight);

    /// Samples the colour around a real-valued point.
    /// Samples the buffer around the real-valued point (x, y) (pixel centres lie on whole
    /// coordinates) with a Lanczos window of the given radius (taken within 1..16), and writes
    /// GetPixelBytes() bytes to `out`. The window interpolates: on a whole coordinate it
    /// returns that pixel exactly. Colour is weighted by alpha so that transparent pixels
    /// do not darken edges; the border is extended outwards. False when empty, or for a
    /// non-finite point or radius.
    bool GetHQColor(double x, double y, double radius, unsigned char* out) const;

protected:
    /// An empty buffer whose pixels carry `alphaBytes` alpha bytes (0 or 1).
    explicit PixelBuffer(int alphaBytes) : m_alphaBytes(alphaBytes) {}
    /// A deep copy.
    PixelBuffer(const PixelBuffer& other);
    /// Makes this a deep copy of other.
    PixelBuffer& operator=(const PixelBuffer& other);
    /// Takes other's pixels, leaving it empty.
    PixelBuffer(PixelBuffer&& other) noexcept;
    /// Takes other's pixels, leaving it empty.
    PixelBuffer& operator=(PixelBuffer&& other) noexcept;

private:
    int m_alphaBytes;
};

/// An opaque bitmap: each pixel is its colour bytes.
// Copies are deep and moves leave the source empty (PixelBuffer's members do the work).
class Bitmap : public PixelBuffer {
public:
    /// An empty bitmap.
    Bitmap() : PixelBuffer(0) {}
};

/// A bitmap with alpha: each pixel is its colour bytes followed by one alpha byte.
class BitmapA : public PixelBuffer {
public:
    /// An empty bitmap.
    BitmapA() : PixelBuffer(1) {}
};

/// Makes dst an exact copy of src (size, channels and bytes).
bool Copy(Bitmap& dst, const Bitmap& src);
/// Makes dst an exact copy of src (size, channels and bytes).
bool Copy(BitmapA& dst, const BitmapA& src);

/// Places src with its top-left corner at (x, y) in dst, clipped to dst.
/// Channel counts must match.
bool Blit(Bitmap& dst, const Bitmap& src, int x, int y);
/// Composites src over dst by src's alpha, its top-left corner at (x, y), clipped to dst.
bool Blit(BitmapA& dst, const BitmapA& src, int x, int y);

/// Remakes dst with src's size and channels, dropping the alpha bytes.
bool ConvertTo(Bitmap& dst, const BitmapA& src);

/// Fills every pixel with the colour and its alpha; false for an empty bitmap.
/// Each component is stored as truncate(c x 255 + 0.5), clamped to 0..255; a grey bitmap
/// takes the mean of red, green and blue.
bool ClearBitmap(BitmapA& bitmap, const ColorA& colour);
/// Fills every pixel with the colour, rounded as ClearBitmap(BitmapA&, ...) does.
bool ClearBitmap(Bitmap& bitmap, const Color& colour);

/// Decodes an encoded image held in memory into a 3-channel BitmapA.
/// PNG, or any format wxWidgets reads; keeps its alpha (or its mask colour as transparent;
/// opaque otherwise). False for corrupt, truncated or unknown data, leaving `out` untouched.
bool LoadBitmapADecode(const unsigned char* bytes, size_t length, BitmapA& out);

} // namespace vorn
