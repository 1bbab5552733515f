// Bitmaps: layout, fills, copies, blits, sampling and decoding from memory.
#include <cstdint>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>
#include <wx/image.h>
#include <wx/mstream.h>

#include <vorn/util/bitmap.h>

#include "test_support.h"

using namespace vorn;

namespace {
std::vector<unsigned char> Pixel(const PixelBuffer& b, int x, int y)
{
    const unsigned char* p = b.PixelAt(x, y);
    return p ? std::vector<unsigned char>(p, p + b.GetPixelBytes()) : std::vector<unsigned char>();
}

using Bytes = std::vector<unsigned char>;

uint32_t Crc32(const unsigned char* p, size_t n)
{
    uint32_t c = 0xffffffffu;
    for (size_t i = 0; i < n; ++i) {
        c ^= p[i];
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xedb88320u & (0u - (c & 1u)));
    }
    return c ^ 0xffffffffu;
}

// A 3 x 2 RGBA image with distinct pixels and a half-transparent one, encoded as PNG.
std::vector<unsigned char> EncodedPng()
{
    wxImage image(3, 2);
    image.SetAlpha();
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            image.SetRGB(x, y, 10 * x, 20 * y, 200);
            image.SetAlpha(x, y, 255);
        }
    image.SetAlpha(2, 1, 128);
    wxMemoryOutputStream out;
    EXPECT_TRUE(image.SaveFile(out, wxBITMAP_TYPE_PNG));
    std::vector<unsigned char> bytes(out.GetSize());
    out.CopyTo(bytes.data(), bytes.size());
    return bytes;
}
} // namespace

TEST(BitmapLayout, FieldsAndRowsTopToBottom)
{
    Bitmap rgb;
    ASSERT_TRUE(rgb.Create(4, 3, 3, 0));
    EXPECT_EQ(rgb.width, 4);
    EXPECT_EQ(rgb.height, 3);
    EXPECT_EQ(rgb.channels, 3);
    EXPECT_EQ(rgb.GetPixelBytes(), 3);
    EXPECT_EQ(rgb.GetByteCount(), 36u);
    EXPECT_EQ(Pixel(rgb, 3, 2), Bytes({0, 0, 0})); // zeroed
    EXPECT_EQ(rgb.PixelAt(1, 2), rgb.data + (2 * 4 + 1) * 3);

    BitmapA grey;
    ASSERT_TRUE(grey.Create(2, 2, 1, 0));
    EXPECT_EQ(grey.GetPixelBytes(), 2); // grey then alpha
    EXPECT_EQ(grey.PixelAt(1, 1), grey.data + 6);
    EXPECT_EQ(grey.PixelAt(2, 0), nullptr);
    EXPECT_EQ(grey.PixelAt(-1, 0), nullptr);
}

TEST(BitmapLayout, CreateRefusesBadArguments)
{
    BitmapA b;
    ASSERT_TRUE(b.Create(2, 2, 3, 0));
    EXPECT_FALSE(b.Create(2, 2, 2, 0));
    EXPECT_TRUE(b.IsEmpty()); // a refused Create leaves the bitmap empty
    EXPECT_FALSE(b.Create(-1, 2, 3, 0));
    EXPECT_FALSE(b.Create(1 << 20, 1 << 20, 3, 0)); // far too large: refused, not attempted
    EXPECT_TRUE(b.Create(0, 0, 3, 0));
    EXPECT_EQ(b.GetByteCount(), 0u);
}

TEST(BitmapFill, SetClearAndClearBitmap)
{
    BitmapA b;
    ASSERT_TRUE(b.Create(3, 2, 3, 0));
    const unsigned char pixel[4] = {1, 2, 3, 4};
    EXPECT_FALSE(b.Set(3, pixel)); // wrong pixel size
    ASSERT_TRUE(b.Set(4, pixel));
    EXPECT_EQ(Pixel(b, 0, 0), Bytes({1, 2, 3, 4}));
    EXPECT_EQ(Pixel(b, 2, 1), Bytes({1, 2, 3, 4}));

    ASSERT_TRUE(ClearBitmap(b, ColorA(1.0, 0.5, 0.0, 0.2)));
    EXPECT_EQ(Pixel(b, 1, 1), Bytes({255, 128, 0, 51}));

    Bitmap g;
    ASSERT_TRUE(g.Create(2, 1, 1, 0));
    ASSERT_TRUE(ClearBitmap(g, Color(0.0, 0.3, 0.6))); // grey: mean of the components
    EXPECT_EQ(Pixel(g, 1, 0), Bytes({77}));

    b.Clear();
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_EQ(b.width, 0);
    EXPECT_FALSE(ClearBitmap(b, ColorA()));
}

TEST(BitmapCopy, CopyAndAssignmentAreDeep)
{
    BitmapA a;
    ASSERT_TRUE(a.Create(2, 2, 3, 0));
    const unsigned char red[4] = {255, 0, 0, 255};
    a.Set(4, red);
    BitmapA b;
    ASSERT_TRUE(Copy(b, a));
    EXPECT_EQ(b.width, 2);
    EXPECT_NE(b.data, a.data);
    EXPECT_EQ(0, std::memcmp(a.data, b.data, a.GetByteCount()));
    BitmapA c = a;
    a.PixelAt(0, 0)[0] = 7;
    EXPECT_EQ(c.PixelAt(0, 0)[0], 255);
    BitmapA moved = std::move(c);
    EXPECT_TRUE(c.IsEmpty());
    EXPECT_EQ(moved.PixelAt(1, 1)[0], 255);
}

TEST(BitmapBlit, OpaqueBlitIsClippedOnEverySide)
{
    Bitmap dst, src;
    ASSERT_TRUE(dst.Create(4, 4, 1, 0));
    ASSERT_TRUE(src.Create(2, 2, 1, 0));
    const unsigned char v = 9;
    src.Set(1, &v);
    ASSERT_TRUE(Blit(dst, src, 3, -1)); // only the bottom-left source pixel lands, at (3, 0)
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(dst.PixelAt(x, y)[0], (x == 3 && y == 0) ? 9 : 0) << x << "," << y;
    EXPECT_TRUE(Blit(dst, src, 100000, -100000)); // nothing lands, nothing breaks
    EXPECT_TRUE(Blit(dst, src, -2147483647, 2147483600));

    Bitmap rgb;
    ASSERT_TRUE(rgb.Create(2, 2, 3, 0));
    EXPECT_FALSE(Blit(dst, rgb, 0, 0)); // channel counts differ
}

TEST(BitmapBlit, AlphaBlitCompositesSourceOver)
{
    BitmapA dst, src;
    ASSERT_TRUE(dst.Create(3, 1, 3, 0));
    ASSERT_TRUE(src.Create(3, 1, 3, 0));
    const unsigned char blue[4] = {0, 0, 255, 255};
    dst.Set(4, blue);
    const unsigned char opaque[4] = {255, 0, 0, 255}, clear[4] = {255, 0, 0, 0}, half[4] = {255, 0, 0, 128};
    std::memcpy(src.PixelAt(0, 0), opaque, 4);
    std::memcpy(src.PixelAt(1, 0), clear, 4);
    std::memcpy(src.PixelAt(2, 0), half, 4);
    ASSERT_TRUE(Blit(dst, src, 0, 0));
    EXPECT_EQ(Pixel(dst, 0, 0), Bytes({255, 0, 0, 255}));
    EXPECT_EQ(Pixel(dst, 1, 0), Bytes({0, 0, 255, 255}));
    EXPECT_EQ(Pixel(dst, 2, 0), Bytes({128, 0, 127, 255}));

    // Onto transparent black, the colour stays the source's and only alpha accumulates.
    BitmapA empty;
    ASSERT_TRUE(empty.Create(1, 1, 3, 0));
    ASSERT_TRUE(Blit(empty, src, -2, 0));
    EXPECT_EQ(Pixel(empty, 0, 0), Bytes({255, 0, 0, 128}));
}

TEST(BitmapConvert, DropsAlpha)
{
    BitmapA a;
    ASSERT_TRUE(a.Create(2, 1, 3, 0));
    const unsigned char px[4] = {1, 2, 3, 4};
    a.Set(4, px);
    Bitmap b;
    ASSERT_TRUE(ConvertTo(b, a));
    EXPECT_EQ(b.channels, 3);
    EXPECT_EQ(Pixel(b, 1, 0), Bytes({1, 2, 3}));
}

TEST(BitmapSample, HQColorInterpolatesAndReturnsWholePixelsExactly)
{
    Bitmap b;
    ASSERT_TRUE(b.Create(4, 1, 1, 0));
    const unsigned char values[4] = {0, 100, 200, 40};
    std::memcpy(b.data, values, 4);
    unsigned char out = 0;
    for (int x = 0; x < 4; ++x) {
        ASSERT_TRUE(b.GetHQColor(x, 0, 1.5, &out));
        EXPECT_EQ(out, values[x]);
    }
    ASSERT_TRUE(b.GetHQColor(1.5, 0, 1.5, &out)); // between 100 and 200
    EXPECT_GT(out, 130);
    EXPECT_LT(out, 175);
    ASSERT_TRUE(b.GetHQColor(-30, 0, 1.5, &out)); // the border extends outwards
    EXPECT_EQ(out, 0);
    ASSERT_TRUE(b.GetHQColor(1e300, -1e300, 1e9, &out));
    EXPECT_EQ(out, 40);
    EXPECT_FALSE(b.GetHQColor(std::nan(""), 0, 1.5, &out));
    Bitmap empty;
    EXPECT_FALSE(empty.GetHQColor(0, 0, 1.5, &out));
}

TEST(BitmapSample, TransparentNeighboursDoNotDarkenColour)
{
    BitmapA b;
    ASSERT_TRUE(b.Create(2, 1, 3, 0));
    const unsigned char white[4] = {255, 255, 255, 255};
    std::memcpy(b.PixelAt(0, 0), white, 4); // (1, 0) stays transparent black
    unsigned char out[4];
    ASSERT_TRUE(b.GetHQColor(0.5, 0, 1.5, out));
    EXPECT_EQ(out[0], 255);
    EXPECT_EQ(out[2], 255);
    EXPECT_NEAR(out[3], 128, 2);
}

TEST(BitmapSample, ResizeResamples)
{
    Bitmap b;
    ASSERT_TRUE(b.Create(2, 2, 3, 0));
    const unsigned char grey[3] = {90, 90, 90};
    b.Set(3, grey);
    ASSERT_TRUE(b.Resize(5, 3));
    EXPECT_EQ(b.width, 5);
    EXPECT_EQ(b.height, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(Pixel(b, x, y), Bytes({90, 90, 90}));
    Bitmap empty;
    EXPECT_FALSE(empty.Resize(3, 3));
}

TEST(BitmapDecode, DecodesPngKeepingAlpha)
{
    const std::vector<unsigned char> png = EncodedPng();
    BitmapA b;
    ASSERT_TRUE(LoadBitmapADecode(png.data(), png.size(), b));
    EXPECT_EQ(b.width, 3);
    EXPECT_EQ(b.height, 2);
    EXPECT_EQ(b.channels, 3);
    EXPECT_EQ(Pixel(b, 1, 1), Bytes({10, 20, 200, 255}));
    EXPECT_EQ(Pixel(b, 2, 1), Bytes({20, 20, 200, 128}));
}

TEST(BitmapDecode, CorruptOrTruncatedDataFailsAndKeepsTheBitmap)
{
    const std::vector<unsigned char> png = EncodedPng();
    BitmapA b;
    ASSERT_TRUE(b.Create(1, 1, 3, 0));
    const unsigned char mark[4] = {7, 7, 7, 7};
    b.Set(4, mark);

    for (size_t cut : {size_t(1), size_t(8), size_t(20), png.size() / 2, png.size() - 13})
        EXPECT_FALSE(LoadBitmapADecode(png.data(), cut, b)) << "cut at " << cut;

    std::vector<unsigned char> corrupt = png;
    for (size_t i = 40; i < corrupt.size() - 12; ++i)
        corrupt[i] ^= 0x5a; // image data scrambled, CRCs now wrong
    EXPECT_FALSE(LoadBitmapADecode(corrupt.data(), corrupt.size(), b));

    // A header declaring 100000 x 100000 pixels is refused before decoding.
    std::vector<unsigned char> huge = png;
    ASSERT_EQ(Crc32(&png[12], 17), uint32_t(png[29]) << 24 | uint32_t(png[30]) << 16 | uint32_t(png[31]) << 8 | png[32]);
    const unsigned char side[4] = {0x00, 0x01, 0x86, 0xa0};
    std::memcpy(&huge[16], side, 4);
    std::memcpy(&huge[20], side, 4);
    const uint32_t crc = Crc32(&huge[12], 17); // chunk type and data: a valid header chunk
    for (int i = 0; i < 4; ++i)
        huge[29 + i] = static_cast<unsigned char>(crc >> (24 - 8 * i));
    EXPECT_FALSE(LoadBitmapADecode(huge.data(), huge.size(), b));

    const unsigned char text[] = "not an image at all";
    EXPECT_FALSE(LoadBitmapADecode(text, sizeof text, b));
    EXPECT_FALSE(LoadBitmapADecode(nullptr, 10, b));
    EXPECT_FALSE(LoadBitmapADecode(png.data(), 0, b));

    EXPECT_EQ(b.width, 1);
    EXPECT_EQ(Pixel(b, 0, 0), Bytes({7, 7, 7, 7}));
}
