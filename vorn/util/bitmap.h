#pragma once
// Owned pixel buffers of the imaging layer.
//
// Layout, read and written directly by callers: `data`, `width`, `height`, `channels`.
// Rows run top to bottom with no gap. A Bitmap pixel is `channels` bytes (3 = red, green,
// blue; 1 = grey); a BitmapA pixel has one alpha byte after the colour bytes.
#include <cstddef>

#include <vorn/util/color.h>

namespace vorn {

// The storage shared by Bitmap and BitmapA; the two stay distinct types so that an
// opaque bitmap is never passed where one with alpha is expected.
class PixelBuffer {
public:
    unsigned char* data = nullptr;
    int width = 0;
    int height = 0;
    int channels = 0;

    virtual ~PixelBuffer();

    // Makes a zeroed buffer of width x height with 1 or 3 colour channels (the last
    // argument is reserved and always 0). False, leaving the buffer empty, for negative
    // sizes, other channel counts or a buffer too large to allocate.
    virtual bool Create(int width, int height, int channels, int flags = 0);

    int GetWidth() const { return width; }
    int GetHeight() const { return height; }
    int GetChannels() const { return channels; }
    bool HasAlpha() const { return m_alphaBytes != 0; }
    // Bytes of one pixel: channels, plus one for alpha in a BitmapA.
    int GetPixelBytes() const { return channels + m_alphaBytes; }
    size_t GetByteCount() const;
    bool IsEmpty() const { return data == nullptr; }

    // The first byte of pixel (x, y), or null outside the buffer.
    unsigned char* PixelAt(int x, int y);
    const unsigned char* PixelAt(int x, int y) const;

    // Fills every pixel with the given pixel bytes; byteCount must equal GetPixelBytes().
    bool Set(int byteCount, const unsigned char* pixel);
    // Releases the buffer; the bitmap becomes 0 x 0 with no channels.
    void Clear();
    // Resamples the content to a new size with the GetHQColor filter.
    bool Resize(int newWidth, int newHeight);

    // Samples the buffer around the real-valued point (x, y) (pixel centres lie on whole
    // coordinates) with a Lanczos window of the given radius (taken within 1..16), and writes
    // GetPixelBytes() bytes to `out`. The window interpolates: on a whole coordinate it
    // returns that pixel exactly. Colour is weighted by alpha so that transparent pixels
    // do not darken edges; the border is extended outwards. False when empty, or for a
    // non-finite point or radius.
    bool GetHQColor(double x, double y, double radius, unsigned char* out) const;

protected:
    explicit PixelBuffer(int alphaBytes) : m_alphaBytes(alphaBytes) {}
    PixelBuffer(const PixelBuffer& other);
    PixelBuffer& operator=(const PixelBuffer& other);
    PixelBuffer(PixelBuffer&& other) noexcept;
    PixelBuffer& operator=(PixelBuffer&& other) noexcept;

private:
    int m_alphaBytes;
};

class Bitmap : public PixelBuffer {
public:
    Bitmap() : PixelBuffer(0) {}
    Bitmap(const Bitmap&) = default;
    Bitmap& operator=(const Bitmap&) = default;
    Bitmap(Bitmap&&) noexcept = default;
    Bitmap& operator=(Bitmap&&) noexcept = default;
    ~Bitmap() override = default;
};

class BitmapA : public PixelBuffer {
public:
    BitmapA() : PixelBuffer(1) {}
    BitmapA(const BitmapA&) = default;
    BitmapA& operator=(const BitmapA&) = default;
    BitmapA(BitmapA&&) noexcept = default;
    BitmapA& operator=(BitmapA&&) noexcept = default;
    ~BitmapA() override = default;
};

// Makes dst an exact copy of src (size, channels and bytes).
bool Copy(Bitmap& dst, const Bitmap& src);
bool Copy(BitmapA& dst, const BitmapA& src);

// Places src with its top-left corner at (x, y) in dst, clipped to dst. Channel counts
// must match. The BitmapA form composites src over dst by src's alpha.
bool Blit(Bitmap& dst, const Bitmap& src, int x, int y);
bool Blit(BitmapA& dst, const BitmapA& src, int x, int y);

// Remakes dst with src's size and channels, dropping the alpha bytes.
bool ConvertTo(Bitmap& dst, const BitmapA& src);

// Fills every pixel with the colour (each component truncate(c x 255 + 0.5), clamped to
// 0..255; a grey bitmap takes the mean of red, green and blue); the BitmapA form also
// writes the alpha. False for an empty bitmap.
bool ClearBitmap(BitmapA& bitmap, const ColorA& colour);
bool ClearBitmap(Bitmap& bitmap, const Color& colour);

// Decodes an encoded image (PNG, or any format wxWidgets reads) held in memory into a
// 3-channel BitmapA, keeping its alpha (or its mask colour as transparent; opaque
// otherwise). False for corrupt, truncated or unknown data, leaving `out` untouched.
bool LoadBitmapADecode(const unsigned char* bytes, size_t length, BitmapA& out);

} // namespace vorn
