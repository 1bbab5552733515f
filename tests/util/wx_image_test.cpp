// Filters over wxImages, the mirrored undo filter, and the conversions, grey mapping,
// flips and scaling between bitmaps and images.
#include <cstring>
#include <vector>

#include <gtest/gtest.h>
#include <wx/image.h>

#include <vorn/util/raster.h>
#include <vorn/util/wx_image_convert.h>
#include <vorn/util/wx_image_filter.h>

#include "test_support.h"

using namespace vorn;

namespace {
using Rgb = std::vector<int>;

Rgb At(const wxImage& img, int x, int y) { return {img.GetRed(x, y), img.GetGreen(x, y), img.GetBlue(x, y)}; }

Rgb At(const PixelBuffer& b, int x, int y)
{
    const unsigned char* p = b.PixelAt(x, y);
    return Rgb(p, p + b.GetPixelBytes());
}

// A w x h image whose pixel (x, y) is (x, y, 7).
wxImage Numbered(int w, int h)
{
    wxImage img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.SetRGB(x, y, x, y, 7);
    return img;
}

// A 3-channel BitmapA filled with one pixel.
BitmapA Filled(int w, int h, unsigned char r, unsigned char g, unsigned char b, unsigned char a)
{
    BitmapA bmp;
    EXPECT_TRUE(bmp.Create(w, h, 3, 0));
    const unsigned char px[4] = {r, g, b, a};
    bmp.Set(4, px);
    return bmp;
}

// A mask image whose pixels are given row by row.
wxImage Mask(int w, int h, const std::vector<Rgb>& pixels)
{
    wxImage img(w, h);
    for (int i = 0; i < w * h; ++i)
        img.SetRGB(i % w, i / w, pixels[i][0], pixels[i][1], pixels[i][2]);
    return img;
}
} // namespace

TEST(WxImageFilter, WritesRoundHalfUpAndReadsAreOpaque)
{
    wxImage img(4, 3, true);
    FilterPtr f = CreateFilter(img);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->GetWidth(), 4);
    EXPECT_EQ(f->GetHeight(), 3);
    ASSERT_TRUE(f->WritePixel(3, 2, ColorA(1.0, 0.5, 0.2, 0.0))); // alpha is ignored
    EXPECT_EQ(At(img, 3, 2), Rgb({255, 128, 51}));
    ColorA c(0, 0, 0, 0.25);
    ASSERT_TRUE(f->ReadPixel(c, 3, 2));
    EXPECT_DOUBLE_EQ(c.a, 1.0);
    EXPECT_DOUBLE_EQ(c.g, 128 * 0.00392156862745098);
    ASSERT_TRUE(f->WritePixelI(3, 2, ColorA(0, 0, 1), 0.5));
    EXPECT_EQ(At(img, 3, 2), Rgb({128, 64, 153})); // old x 0.5 + 0.5 x 255 x c + 0.5

    // The far edges are refused and leave the image as it was.
    const wxImage before = img.Copy();
    EXPECT_FALSE(f->WritePixel(4, 0, ColorA(1, 1, 1)));
    EXPECT_FALSE(f->WritePixel(0, 3, ColorA(1, 1, 1)));
    EXPECT_FALSE(f->WritePixelI(-1, 0, ColorA(1, 1, 1), 1.0));
    EXPECT_FALSE(f->ReadPixel(c, 0, 3));
    EXPECT_EQ(0, std::memcmp(before.GetData(), img.GetData(), 4 * 3 * 3));

    // Points round as floor(v + 0.5), through the pixel operations.
    EXPECT_TRUE(f->WritePoint(-0.5, 1.49, ColorA(0, 1, 0)));
    EXPECT_EQ(At(img, 0, 1), Rgb({0, 255, 0}));
    EXPECT_FALSE(f->WritePoint(3.5, 0, ColorA(0, 1, 0)));
    ASSERT_TRUE(f->ReadPoint(c, 0.4, 0.6));
    EXPECT_DOUBLE_EQ(c.g, 1.0);
}

TEST(WxImageFilter, CopiesShareTheImageAndCreateClearActOnIt)
{
    wxImage img(2, 2, true);
    BasicwxImageFilter a(img);
    BasicwxImageFilter b(a);
    b.WritePixel(1, 1, ColorA(1, 1, 1));
    ColorA c;
    ASSERT_TRUE(a.ReadPixel(c, 1, 1));
    EXPECT_DOUBLE_EQ(c.r, 1.0);
    ASSERT_TRUE(a.Create(5, 4));
    EXPECT_EQ(img.GetWidth(), 5);
    EXPECT_EQ(At(img, 1, 1), Rgb({0, 0, 0}));
    a.Clear();
    EXPECT_FALSE(img.IsOk());
    EXPECT_EQ(b.GetWidth(), 0);
    EXPECT_FALSE(b.WritePixel(0, 0, ColorA()));
}

TEST(WxImageFilter, FollowsTheImageTheHostRemakes)
{
    // The filter holds only the image: a size or buffer the host gives the image later is
    // the one it reads and writes.
    wxImage img(4, 3, true);
    FilterPtr f = CreateFilter(img);
    ASSERT_TRUE(f);
    img.Create(6, 5, true);
    EXPECT_EQ(f->GetWidth(), 6);
    EXPECT_EQ(f->GetHeight(), 5);
    EXPECT_TRUE(f->WritePixel(5, 4, ColorA(1, 1, 1)));
    EXPECT_EQ(At(img, 5, 4), Rgb({255, 255, 255}));
    img = Numbered(2, 2);
    EXPECT_EQ(f->GetWidth(), 2);
    ColorA c;
    ASSERT_TRUE(f->ReadPixel(c, 1, 0));
    EXPECT_DOUBLE_EQ(c.r, 0.00392156862745098);
    EXPECT_FALSE(f->WritePixel(2, 0, ColorA(1, 1, 1)));
    // Writes by the host and by the filter keep meeting in the same pixels.
    img.SetRGB(0, 1, 9, 9, 9);
    ASSERT_TRUE(f->ReadPixel(c, 0, 1));
    EXPECT_DOUBLE_EQ(c.g, 9 * 0.00392156862745098);
    ASSERT_TRUE(f->WritePixel(0, 1, ColorA(0, 0, 1)));
    EXPECT_EQ(At(img, 0, 1), Rgb({0, 0, 255}));
    img.Destroy();
    EXPECT_EQ(f->GetWidth(), 0);
    EXPECT_FALSE(f->WritePixel(0, 0, ColorA(1, 1, 1)));
}

TEST(WxImageFilter, DrawingThroughImageFilters)
{
    wxImage img(12, 8, true);
    FilterPtr f = CreateFilter(img);
    ASSERT_TRUE(Clear(*f, ColorA(0.2, 0.0, 0.0, 1.0)));
    ASSERT_TRUE(DrawLine(*AntiAlias(*f), 0, 5, 10, 5, ColorA(1, 1, 1)));
    for (int x = 0; x <= 10; ++x)
        EXPECT_EQ(At(img, x, 5), Rgb({255, 255, 255}));
    EXPECT_EQ(At(img, 11, 5), Rgb({51, 0, 0}));
    EXPECT_EQ(At(img, 5, 4), Rgb({51, 0, 0}));
}

TEST(WxBitmapUnDo, MirrorsWritesAndUndoesThem)
{
    wxImage img(6, 4, true);
    FilterPtr base = CreateFilter(img);
    ASSERT_TRUE(Clear(*base, ColorA(0, 0, 1)));
    wxBitmapUnDoFilter undo(*base);
    ASSERT_NE(undo.GetwxDC(), nullptr);
    EXPECT_EQ(undo.GetWidth(), 6);
    EXPECT_EQ(undo.GetHeight(), 4);

    auto mirror = [&] {
        undo.GetwxDC()->SelectObject(wxNullBitmap);
        wxImage m = undo.GetBitmap().ConvertToImage();
        undo.GetwxDC()->SelectObject(const_cast<wxBitmap&>(undo.GetBitmap()));
        return m;
    };
    EXPECT_EQ(At(mirror(), 5, 3), Rgb({0, 0, 255})); // the mirror starts as a copy

    ASSERT_TRUE(undo.WritePixel(2, 1, ColorA(1, 0, 0)));
    ASSERT_TRUE(undo.WritePixelI(3, 1, ColorA(1, 0, 0), 0.5));
    EXPECT_FALSE(undo.WritePixel(6, 0, ColorA(1, 0, 0)));
    EXPECT_EQ(At(img, 2, 1), Rgb({255, 0, 0}));
    EXPECT_EQ(At(img, 3, 1), Rgb({128, 0, 128}));
    const wxImage m1 = mirror();
    EXPECT_EQ(At(m1, 2, 1), Rgb({255, 0, 0}));
    EXPECT_EQ(At(m1, 3, 1), Rgb({128, 0, 128}));
    EXPECT_EQ(At(m1, 1, 1), Rgb({0, 0, 255}));

    undo.UnDo();
    EXPECT_EQ(At(img, 2, 1), Rgb({0, 0, 255}));
    EXPECT_EQ(At(img, 3, 1), Rgb({0, 0, 255}));
    const wxImage m2 = mirror();
    EXPECT_EQ(At(m2, 2, 1), Rgb({0, 0, 255}));
    EXPECT_EQ(At(m2, 3, 1), Rgb({0, 0, 255}));

    // Initialize keeps what was drawn before it out of the next undo.
    undo.WritePixel(0, 0, ColorA(0, 1, 0));
    undo.Initialize();
    undo.WritePixel(1, 0, ColorA(0, 1, 0));
    undo.UnDo();
    EXPECT_EQ(At(img, 0, 0), Rgb({0, 255, 0}));
    EXPECT_EQ(At(img, 1, 0), Rgb({0, 0, 255}));
}

TEST(WxBitmapUnDo, CreateRemakesTheMirrorAtTheNewSize)
{
    wxImage img(3, 3, true);
    FilterPtr base = CreateFilter(img);
    wxBitmapUnDoFilter undo(*base);
    ASSERT_TRUE(undo.Create(7, 2));
    EXPECT_EQ(img.GetWidth(), 7);
    EXPECT_EQ(undo.GetBitmap().GetWidth(), 7);
    EXPECT_EQ(undo.GetBitmap().GetHeight(), 2);
    undo.Clear();
    EXPECT_EQ(undo.GetWidth(), 0);
    EXPECT_EQ(undo.GetwxDC(), nullptr); // nothing to mirror
    EXPECT_FALSE(undo.WritePixel(0, 0, ColorA()));
    undo.UnDo();
}

TEST(WxConvert, ImagesToBitmaps)
{
    const wxImage img = Numbered(3, 2);
    Bitmap b;
    ASSERT_TRUE(ConvertTo(b, img));
    EXPECT_EQ(b.width, 3);
    EXPECT_EQ(b.channels, 3);
    EXPECT_EQ(At(b, 2, 1), Rgb({2, 1, 7}));
    BitmapA a;
    ASSERT_TRUE(ConvertTo(a, img));
    EXPECT_EQ(At(a, 2, 1), Rgb({2, 1, 7, 255}));
    EXPECT_EQ(At(a, 0, 0), Rgb({0, 0, 7, 255}));
    EXPECT_FALSE(ConvertTo(a, wxImage()));
}

TEST(WxConvert, BitmapsToImagesByChannelCount)
{
    BitmapA rgba = Filled(2, 2, 10, 20, 30, 40);
    wxImage img;
    ASSERT_TRUE(ConvertTo(img, rgba));
    EXPECT_EQ(img.GetWidth(), 2);
    EXPECT_FALSE(img.HasAlpha());
    EXPECT_EQ(At(img, 1, 1), Rgb({10, 20, 30}));

    BitmapA greyA;
    ASSERT_TRUE(greyA.Create(2, 1, 1, 0));
    const unsigned char ga[2] = {99, 3};
    greyA.Set(2, ga);
    ASSERT_TRUE(ConvertTo(img, greyA));
    EXPECT_EQ(At(img, 1, 0), Rgb({99, 99, 99}));

    Bitmap grey;
    ASSERT_TRUE(grey.Create(1, 2, 1, 0));
    grey.data[1] = 200;
    ASSERT_TRUE(ConvertTo(img, grey));
    EXPECT_EQ(At(img, 0, 1), Rgb({200, 200, 200}));
    Bitmap rgb;
    ASSERT_TRUE(ConvertTo(rgb, rgba));
    ASSERT_TRUE(ConvertTo(img, rgb));
    EXPECT_EQ(At(img, 0, 0), Rgb({10, 20, 30}));

    // A channel count we cannot show is refused.
    Bitmap odd;
    odd.channels = 2;
    EXPECT_FALSE(ConvertTo(img, odd));
}

TEST(WxConvert, BitmapsToWxBitmaps)
{
    BitmapA rgba = Filled(4, 3, 250, 5, 60, 255);
    wxBitmap bmp;
    ASSERT_TRUE(ConvertTo(bmp, rgba));
    ASSERT_TRUE(bmp.IsOk());
    EXPECT_EQ(bmp.GetWidth(), 4);
    EXPECT_EQ(At(bmp.ConvertToImage(), 3, 2), Rgb({250, 5, 60}));
    Bitmap rgb;
    ASSERT_TRUE(ConvertTo(rgb, rgba));
    wxBitmap bmp2;
    ASSERT_TRUE(ConvertTo(bmp2, rgb));
    EXPECT_EQ(At(bmp2.ConvertToImage(), 0, 0), Rgb({250, 5, 60}));
}

TEST(WxConvert, CopySharesImageData)
{
    wxImage src = Numbered(2, 2), dst(5, 5);
    ASSERT_TRUE(Copy(dst, src));
    EXPECT_TRUE(dst.IsSameAs(src));
    EXPECT_EQ(dst.GetData(), src.GetData()); // a reference, not a pixel copy
    ASSERT_TRUE(Copy(dst, src));
    EXPECT_TRUE(dst.IsSameAs(src));
}

TEST(WxConvert, BlitwxImageComposesWithoutTouchingTheBase)
{
    BitmapA base = Filled(3, 2, 0, 0, 255, 255);
    BitmapA top = Filled(2, 2, 255, 0, 0, 128);
    wxImage out;
    ASSERT_TRUE(BlitwxImage(out, base, top, 2, 1));
    EXPECT_EQ(At(out, 2, 1), Rgb({128, 0, 127}));
    EXPECT_EQ(At(out, 1, 1), Rgb({0, 0, 255}));
    EXPECT_EQ(At(base, 2, 1), Rgb({0, 0, 255, 255}));

    Bitmap b3, t3;
    ASSERT_TRUE(ConvertTo(b3, base));
    ASSERT_TRUE(ConvertTo(t3, top));
    ASSERT_TRUE(BlitwxImage(out, b3, t3, -1, 0));
    EXPECT_EQ(At(out, 0, 0), Rgb({255, 0, 0}));
    EXPECT_EQ(At(out, 1, 0), Rgb({0, 0, 255}));
}

TEST(WxConvert, ClearwxImageTruncates)
{
    wxImage img(3, 2);
    ASSERT_TRUE(ClearwxImage(img, Color(1.0, 0.5, 0.999)));
    EXPECT_EQ(At(img, 2, 1), Rgb({255, 127, 254}));
    wxImage none;
    EXPECT_FALSE(ClearwxImage(none, Color(1, 1, 1)));
    // wxWidgets 3.2 makes no image with one side 0 (it stays invalid), so such a
    // request arrives as an image without data and is refused like 0 x 0.
    wxImage thin(0, 5);
    EXPECT_FALSE(ClearwxImage(thin, Color(1, 1, 1)));
}

TEST(WxGreyMap, RefusesMismatchedMaskOrChannels)
{
    BitmapA bmp = Filled(3, 2, 10, 20, 30, 40);
    const BitmapA before = bmp;
    const wxImage narrow(2, 2, true);
    EXPECT_FALSE(SetAlphaFromGrey(bmp, narrow));
    EXPECT_FALSE(MapAlphaFromGrey(bmp, narrow));
    EXPECT_FALSE(SetColoursFromGrey(bmp, narrow, Color(1, 1, 1)));
    EXPECT_FALSE(SetAllFromGrey(bmp, narrow, Color(1, 1, 1)));
    EXPECT_FALSE(MapColoursFromGrey(bmp, narrow, Color(1, 1, 1)));
    EXPECT_FALSE(MapAllFromGrey(bmp, narrow, Color(1, 1, 1)));
    EXPECT_FALSE(SetAlphaFromGrey(bmp, wxImage()));
    EXPECT_EQ(0, std::memcmp(before.data, bmp.data, bmp.GetByteCount()));

    BitmapA grey;
    ASSERT_TRUE(grey.Create(3, 2, 1, 0));
    EXPECT_FALSE(SetAlphaFromGrey(grey, wxImage(3, 2, true)));
}

TEST(WxGreyMap, AlphaFromGrey)
{
    // Greys: (1,1,1) -> 1; (0,0,2) -> 0; (100,101,105) -> 102; (255,255,255) -> 255.
    const wxImage mask = Mask(4, 1, {{1, 1, 1}, {0, 0, 2}, {100, 101, 105}, {255, 255, 255}});
    BitmapA set = Filled(4, 1, 10, 20, 30, 77);
    ASSERT_TRUE(SetAlphaFromGrey(set, mask));
    EXPECT_EQ(At(set, 0, 0), Rgb({10, 20, 30, 1}));
    EXPECT_EQ(At(set, 1, 0), Rgb({10, 20, 30, 0}));
    EXPECT_EQ(At(set, 2, 0), Rgb({10, 20, 30, 102}));
    EXPECT_EQ(At(set, 3, 0), Rgb({10, 20, 30, 255}));

    BitmapA map = Filled(4, 1, 10, 20, 30, 77);
    ASSERT_TRUE(MapAlphaFromGrey(map, mask));
    EXPECT_EQ(At(map, 0, 0), Rgb({10, 20, 30, 255}));
    EXPECT_EQ(At(map, 1, 0), Rgb({10, 20, 30, 0}));
    EXPECT_EQ(At(map, 2, 0), Rgb({10, 20, 30, 255}));
}

TEST(WxGreyMap, ColoursFromGrey)
{
    const wxImage mask = Mask(2, 1, {{100, 101, 105}, {0, 0, 0}});
    const Color tint(1.0, 0.5, 0.25);
    BitmapA set = Filled(2, 1, 10, 20, 30, 77);
    ASSERT_TRUE(SetColoursFromGrey(set, mask, tint));
    EXPECT_EQ(At(set, 0, 0), Rgb({102, 51, 25, 77})); // truncate(102 x component)
    EXPECT_EQ(At(set, 1, 0), Rgb({0, 0, 0, 77}));
    BitmapA all = Filled(2, 1, 10, 20, 30, 77);
    ASSERT_TRUE(SetAllFromGrey(all, mask, tint));
    EXPECT_EQ(At(all, 0, 0), Rgb({102, 51, 25, 102}));
    EXPECT_EQ(At(all, 1, 0), Rgb({0, 0, 0, 0}));
}

TEST(WxGreyMap, MapColoursBlendTowardsTheTint)
{
    // grey 102, t = 0.4: colour = truncate(old x 0.6 + byte(truncate(0.4 x c x 255))).
    const wxImage mask = Mask(3, 1, {{100, 101, 105}, {0, 0, 0}, {255, 255, 255}});
    const Color tint(1.0, 0.5, 0.0);
    BitmapA map = Filled(3, 1, 200, 100, 50, 9);
    ASSERT_TRUE(MapColoursFromGrey(map, mask, tint));
    EXPECT_EQ(At(map, 0, 0), Rgb({222, 111, 30, 9}));
    EXPECT_EQ(At(map, 1, 0), Rgb({200, 100, 50, 9})); // grey 0: unchanged
    EXPECT_EQ(At(map, 2, 0), Rgb({255, 127, 0, 9}));  // grey 255: the tint
    BitmapA all = Filled(3, 1, 200, 100, 50, 9);
    ASSERT_TRUE(MapAllFromGrey(all, mask, tint));
    EXPECT_EQ(At(all, 0, 0), Rgb({222, 111, 30, 255}));
    EXPECT_EQ(At(all, 1, 0), Rgb({200, 100, 50, 0}));
}

TEST(WxFlip, MirrorsImagesAndFilters)
{
    const wxImage src = Numbered(3, 2);
    wxImage hoz, vert;
    ASSERT_TRUE(FlipHoz(hoz, src));
    ASSERT_TRUE(FlipVert(vert, src));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(At(hoz, 2 - x, y), At(src, x, y));
            EXPECT_EQ(At(vert, x, 1 - y), At(src, x, y));
        }
    wxImage self = Numbered(3, 2);
    ASSERT_TRUE(FlipHoz(self, self)); // in place
    EXPECT_EQ(At(self, 0, 0), Rgb({2, 0, 7}));
    EXPECT_FALSE(FlipVert(vert, wxImage()));

    // Filter form: dst is remade at the source's size.
    BitmapA a = Filled(2, 3, 0, 0, 0, 255);
    a.PixelAt(0, 0)[0] = 200;
    BitmapA b;
    FilterPtr fa = CreateFilter(a), fb = CreateFilter(b);
    ASSERT_TRUE(FlipVert(*fb, *fa));
    EXPECT_EQ(b.width, 2);
    EXPECT_EQ(b.height, 3);
    EXPECT_EQ(At(b, 0, 2), Rgb({200, 0, 0, 255}));
    EXPECT_FALSE(FlipHoz(*fa, *fa));
}

TEST(WxScale, SamplesWithoutHalfPixelOffset)
{
    BitmapA src;
    ASSERT_TRUE(src.Create(4, 1, 3, 0));
    for (int x = 0; x < 4; ++x) {
        unsigned char* p = src.PixelAt(x, 0);
        p[0] = static_cast<unsigned char>(60 * x);
        p[3] = 255;
    }
    BitmapA half;
    ASSERT_TRUE(half.Create(2, 1, 3, 0));
    ASSERT_TRUE(Scale(half, src)); // samples at x = 0 and x = 2 exactly
    EXPECT_EQ(At(half, 0, 0), Rgb({0, 0, 0, 255}));
    EXPECT_EQ(At(half, 1, 0), Rgb({120, 0, 0, 255}));

    Bitmap s3, d3;
    ASSERT_TRUE(ConvertTo(s3, src));
    ASSERT_TRUE(d3.Create(8, 2, 3, 0));
    ASSERT_TRUE(Scale(d3, s3)); // x = 2 samples source 1, x = 3 lies between 1 and 2
    EXPECT_EQ(At(d3, 2, 1), Rgb({60, 0, 0}));
    EXPECT_GT(At(d3, 3, 0)[0], 60);
    EXPECT_LT(At(d3, 3, 0)[0], 120);

    BitmapA wrong;
    ASSERT_TRUE(wrong.Create(2, 2, 1, 0));
    EXPECT_FALSE(Scale(wrong, src)); // pixel sizes differ
}

TEST(WxComposition, TextureWindowThroughMaskThenFrameOnTop)
{
    // A control's face: a window of a wide texture, shown through a mask, framed.
    wxImage texture = Numbered(40, 6); // pixel (x, y) = (x, y, 7)
    wxImage mask(8, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            const int g = x == 0 ? 0 : (x == 1 ? 128 : 255); // hidden, half, shown
            mask.SetRGB(x, y, g, g, g);
        }
    BitmapA frame = Filled(8, 6, 200, 200, 200, 0);
    for (int x = 0; x < 8; ++x) // an opaque top border
        frame.PixelAt(x, 0)[3] = 255;

    wxImage face(8, 6, true);
    FilterPtr faceFilter = CreateFilter(face), textureFilter = CreateFilter(texture);
    FilterPtr maskFilter = CreateFilter(mask), frameFilter = CreateFilter(frame);
    const int p = 30; // the window starts at texture column 30
    ASSERT_TRUE(Blit(faceFilter, Crop(p, 0, 8 + p, 6, *textureFilter), maskFilter, 0, 0));
    ASSERT_TRUE(Blit(faceFilter, frameFilter, 0, 0));

    EXPECT_EQ(At(face, 0, 3), Rgb({0, 0, 0}));    // masked out
    EXPECT_EQ(At(face, 1, 3), Rgb({16, 2, 4}));   // (31, 3, 7) at half
    EXPECT_EQ(At(face, 5, 3), Rgb({35, 3, 7}));   // texture column 35
    EXPECT_EQ(At(face, 7, 5), Rgb({37, 5, 7}));
    EXPECT_EQ(At(face, 5, 0), Rgb({200, 200, 200})); // the frame's border
}
