// Bitmaps: layout, fills, copies, blits, sampling and decoding from memory.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>
#include <wx/image.h>
#include <wx/mstream.h>

#include <vorn/util/bitmap.h>

#include "pixels.h"

using namespace vorn;
using namespace vorntest;

namespace {
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
            image.SetAlpha(x, y, x == 2 && y == 1 ? 128 : 255);
        }
    wxMemoryOutputStream out;
    EXPECT_TRUE(image.SaveFile(out, wxBITMAP_TYPE_PNG));
    std::vector<unsigned char> bytes(out.GetSize());
    out.CopyTo(bytes.data(), bytes.size());
    return bytes;
}
} // namespace

TEST(BitmapLayout, RowsTopToBottomAndRefusedSizes)
{
    Bitmap rgb;
    ASSERT_TRUE(rgb.Create(4, 3, 3, 0));
    EXPECT_EQ(rgb.GetByteCount(), 36u);
    EXPECT_EQ(Px(rgb, 3, 2), Bytes({0, 0, 0})); // zeroed
    EXPECT_EQ(rgb.PixelAt(1, 2), rgb.data + (2 * 4 + 1) * 3);

    BitmapA grey;
    ASSERT_TRUE(grey.Create(2, 2, 1, 0));
    EXPECT_EQ(grey.PixelAt(1, 1), grey.data + 6); // grey then alpha: 2 bytes a pixel
    EXPECT_EQ(grey.PixelAt(2, 0), nullptr);
    EXPECT_EQ(grey.PixelAt(-1, 0), nullptr);

    EXPECT_FALSE(grey.Create(2, 2, 2, 0));
    EXPECT_TRUE(grey.IsEmpty()); // a refused Create leaves the bitmap empty
    EXPECT_FALSE(grey.Create(-1, 2, 3, 0) || grey.Create(1 << 20, 1 << 20, 3, 0)); // too large: not attempted
    EXPECT_TRUE(grey.Create(0, 0, 3, 0));
    EXPECT_EQ(grey.GetByteCount(), 0u);
}

TEST(BitmapFill, SetClearAndClearBitmap)
{
    BitmapA b = Filled<BitmapA>(3, 2, {1, 2, 3, 4});
    EXPECT_EQ(Px(b, 2, 1), Bytes({1, 2, 3, 4}));
    const unsigned char three[3] = {9, 9, 9};
    EXPECT_FALSE(b.Set(3, three)); // wrong pixel size

    ASSERT_TRUE(ClearBitmap(b, ColorA(1.0, 0.5, 0.0, 0.2)));
    EXPECT_EQ(Px(b, 1, 1), Bytes({255, 128, 0, 51}));
    Bitmap g = Filled<Bitmap>(2, 1, {0});
    ASSERT_TRUE(ClearBitmap(g, Color(0.0, 0.3, 0.6))); // grey: mean of the components
    EXPECT_EQ(Px(g, 1, 0), Bytes({77}));

    b.Clear();
    EXPECT_TRUE(b.IsEmpty() && b.width == 0 && b.channels == 0);
    EXPECT_FALSE(ClearBitmap(b, ColorA()));
}

TEST(BitmapCopy, CopiesAreDeepAndConversionDropsAlpha)
{
    BitmapA a = Filled<BitmapA>(2, 2, {255, 0, 0, 255});
    BitmapA b;
    ASSERT_TRUE(Copy(b, a));
    EXPECT_NE(b.data, a.data);
    EXPECT_EQ(0, std::memcmp(a.data, b.data, a.GetByteCount()));
    BitmapA c = a;
    a.PixelAt(0, 0)[0] = 7;
    EXPECT_EQ(Px(c, 0, 0), Bytes({255, 0, 0, 255}));
    BitmapA moved = std::move(c);
    EXPECT_TRUE(c.IsEmpty());
    EXPECT_EQ(Px(moved, 1, 1), Bytes({255, 0, 0, 255}));

    Bitmap opaque;
    ASSERT_TRUE(ConvertTo(opaque, Filled<BitmapA>(2, 1, {1, 2, 3, 4})));
    EXPECT_EQ(Px(opaque, 1, 0), Bytes({1, 2, 3}));
}

TEST(BitmapBlit, OpaqueBlitIsClippedOnEverySide)
{
    Bitmap dst = Filled<Bitmap>(4, 4, {0});
    const Bitmap src = Filled<Bitmap>(2, 2, {9});
    ASSERT_TRUE(Blit(dst, src, 3, -1)); // only the bottom-left source pixel lands, at (3, 0)
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(Px(dst, x, y), Bytes({(x == 3 && y == 0) ? 9 : 0})) << x << "," << y;
    EXPECT_TRUE(Blit(dst, src, 100000, -100000) && Blit(dst, src, -2147483647, 2147483600)); // nothing lands
    EXPECT_FALSE(Blit(dst, Filled<Bitmap>(2, 2, {0, 0, 0}), 0, 0)); // channel counts differ
}

TEST(BitmapBlit, AlphaBlitCompositesSourceOver)
{
    BitmapA dst = Filled<BitmapA>(3, 1, {0, 0, 255, 255});
    BitmapA src = Filled<BitmapA>(3, 1, {255, 0, 0, 255});
    src.PixelAt(1, 0)[3] = 0;
    src.PixelAt(2, 0)[3] = 128;
    ASSERT_TRUE(Blit(dst, src, 0, 0));
    EXPECT_EQ(std::vector<Bytes>({Px(dst, 0, 0), Px(dst, 1, 0), Px(dst, 2, 0)}),
              std::vector<Bytes>({{255, 0, 0, 255}, {0, 0, 255, 255}, {128, 0, 127, 255}}));

    // Onto transparent black, the colour stays the source's and only alpha accumulates.
    BitmapA empty = Filled<BitmapA>(1, 1, {0, 0, 0, 0});
    ASSERT_TRUE(Blit(empty, src, -2, 0));
    EXPECT_EQ(Px(empty, 0, 0), Bytes({255, 0, 0, 128}));
}

TEST(BitmapSample, HQColorInterpolatesWeighsByAlphaAndResizes)
{
    Bitmap b = Filled<Bitmap>(4, 1, {0});
    const unsigned char values[4] = {0, 100, 200, 40};
    std::memcpy(b.data, values, 4);
    unsigned char out = 0;
    for (int x = 0; x < 4; ++x) {
        ASSERT_TRUE(b.GetHQColor(x, 0, 1.5, &out));
        EXPECT_EQ(out, values[x]); // whole coordinates give the pixel exactly
    }
    ASSERT_TRUE(b.GetHQColor(1.5, 0, 1.5, &out)); // between 100 and 200
    EXPECT_GT(out, 130);
    EXPECT_LT(out, 175);
    ASSERT_TRUE(b.GetHQColor(-30, 0, 1.5, &out)); // the border extends outwards
    EXPECT_EQ(out, 0);
    ASSERT_TRUE(b.GetHQColor(1e300, -1e300, 1e9, &out));
    EXPECT_EQ(out, 40);
    EXPECT_FALSE(b.GetHQColor(std::nan(""), 0, 1.5, &out) || Bitmap().GetHQColor(0, 0, 1.5, &out));

    // Transparent neighbours do not darken the colour.
    BitmapA edge = Filled<BitmapA>(2, 1, {0, 0, 0, 0});
    std::memset(edge.PixelAt(0, 0), 255, 4);
    unsigned char rgba[4];
    ASSERT_TRUE(edge.GetHQColor(0.5, 0, 1.5, rgba));
    EXPECT_EQ(Bytes(rgba, rgba + 3), Bytes({255, 255, 255}));
    EXPECT_NEAR(rgba[3], 128, 2);

    Bitmap flat = Filled<Bitmap>(2, 2, {90, 90, 90});
    ASSERT_TRUE(flat.Resize(5, 3));
    EXPECT_EQ(Px(flat, 4, 2), Bytes({90, 90, 90}));
    EXPECT_FALSE(Bitmap().Resize(3, 3));
}

TEST(BitmapDecode, DecodesPngKeepingAlpha)
{
    const std::vector<unsigned char> png = EncodedPng();
    BitmapA b;
    ASSERT_TRUE(LoadBitmapADecode(png.data(), png.size(), b));
    EXPECT_EQ(std::vector<int>({b.width, b.height, b.channels}), std::vector<int>({3, 2, 3}));
    EXPECT_EQ(Px(b, 1, 1), Bytes({10, 20, 200, 255}));
    EXPECT_EQ(Px(b, 2, 1), Bytes({20, 20, 200, 128}));
}

TEST(BitmapDecode, CorruptOrTruncatedDataFailsAndKeepsTheBitmap)
{
    const std::vector<unsigned char> png = EncodedPng();
    BitmapA b = Filled<BitmapA>(1, 1, {7, 7, 7, 7});
    for (size_t cut : {size_t(1), size_t(8), size_t(20), png.size() / 2, png.size() - 13})
        EXPECT_FALSE(LoadBitmapADecode(png.data(), cut, b)) << "cut at " << cut;

    std::vector<unsigned char> corrupt = png;
    for (size_t i = 40; i < corrupt.size() - 12; ++i)
        corrupt[i] ^= 0x5a; // image data scrambled, CRCs now wrong
    EXPECT_FALSE(LoadBitmapADecode(corrupt.data(), corrupt.size(), b));

    // A valid header chunk declaring 100000 x 100000 pixels is refused before decoding.
    std::vector<unsigned char> huge = png;
    ASSERT_EQ(Crc32(&png[12], 17), // the checksum below is right: the original header's matches
              uint32_t(png[29]) << 24 | uint32_t(png[30]) << 16 | uint32_t(png[31]) << 8 | png[32]);
    const unsigned char side[4] = {0x00, 0x01, 0x86, 0xa0};
    std::memcpy(&huge[16], side, 4);
    std::memcpy(&huge[20], side, 4);
    const uint32_t crc = Crc32(&huge[12], 17); // over the chunk's type and data
    for (int i = 0; i < 4; ++i)
        huge[29 + i] = static_cast<unsigned char>(crc >> (24 - 8 * i));
    EXPECT_FALSE(LoadBitmapADecode(huge.data(), huge.size(), b));

    const unsigned char text[] = "not an image at all";
    EXPECT_FALSE(LoadBitmapADecode(text, sizeof text, b) || LoadBitmapADecode(nullptr, 10, b) ||
                 LoadBitmapADecode(png.data(), 0, b));
    EXPECT_EQ(b.width, 1);
    EXPECT_EQ(Px(b, 0, 0), Bytes({7, 7, 7, 7}));
}
