// Textures made from images, texture sets, and the GL window, in a real rendering context.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/glcanvas.h>

#include <GL/gl.h>

#include <vorn/assets/gl_image.h>
#include <vorn/assets/gl_window.h>

#include "test_support.h"

using namespace vorn;

namespace {

constexpr int kCanvasW = 64, kCanvasH = 48;
using Bytes = std::vector<unsigned char>;

// A frame showing a GL canvas whose context is current; skips when none can be made.
class GLTest : public vorntest::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        wxGLAttributes attrs;
        attrs.PlatformDefaults().RGBA().DoubleBuffer().Depth(16).EndList();
        if (!wxGLCanvas::IsDisplaySupported(attrs))
            GTEST_SKIP() << "no GL visual on this display";
        auto* canvas = new wxGLCanvas(panel, attrs, wxID_ANY, wxPoint(0, 0), wxSize(kCanvasW, kCanvasH));
        ASSERT_TRUE(vorntest::ShowAndWaitPainted(frame, canvas));
        context = std::make_unique<wxGLContext>(canvas);
        if (!context->IsOK() || !context->SetCurrent(*canvas))
            GTEST_SKIP() << "no GL context can be made current";
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
    }
    std::unique_ptr<wxGLContext> context; // needs no window to be destroyed
};

// A w x h image whose bytes all differ within any 256, so misplaced rows or columns show.
template <class B>
std::unique_ptr<B> Pattern(int w, int h, int channels = 3)
{
    auto image = std::make_unique<B>();
    image->Create(w, h, channels);
    for (size_t i = 0; i < image->GetByteCount(); ++i)
        image->data[i] = static_cast<unsigned char>(i * 7 + i / 256 + 1);
    return image;
}

// Texels of the image's texture, read back as RGB or RGBA.
Bytes Texels(const CGLImage& image, bool alpha)
{
    Bytes texels(image.GetTexWidth() * image.GetTexHeight() * (alpha ? 4 : 3));
    glBindTexture(GL_TEXTURE_2D, image.GetImage());
    glGetTexImage(GL_TEXTURE_2D, 0, alpha ? GL_RGBA : GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    return texels;
}

// What the texture must hold: the source's pixels in the top-left corner (a grey byte spread
// over red, green and blue), zero bytes everywhere else.
template <class B>
Bytes Padded(const B& source, const CGLImage& image)
{
    const int alpha = source.HasAlpha() ? 1 : 0, ch = source.GetChannels();
    Bytes want;
    for (unsigned y = 0; y < image.GetTexHeight(); ++y)
        for (unsigned x = 0; x < image.GetTexWidth(); ++x) {
            const unsigned char* p = source.PixelAt(x, y); // null beyond the image
            for (int b = 0; b < 3 + alpha; ++b)
                want.push_back(p ? p[b < 3 ? (ch == 3 ? b : 0) : ch] : 0);
        }
    return want;
}

// Size, texture size and fractions of an image.
std::vector<double> Fields(const CGLImage& image)
{
    return {double(image.GetWidth()), double(image.GetHeight()),   double(image.GetTexWidth()),
            double(image.GetTexHeight()), image.GetfTexWidth(), image.GetfTexHeight()};
}

TEST_F(GLTest, TexturesRoundSidesUpAndHoldTheImageInTheTopLeftCorner)
{
    const std::vector<std::vector<double>> cases = {{100, 30, 128, 32, 0.78125, 0.9375}, {64, 64, 64, 64, 1, 1},
                                                    {1, 3, 1, 4, 1, 0.75},                {2, 5, 2, 8, 1, 0.625},
                                                    {65, 17, 128, 32, 65 / 128.0, 17 / 32.0}};
    for (const std::vector<double>& c : cases) {
        const auto rgba = Pattern<BitmapA>(int(c[0]), int(c[1]));
        const auto rgb = Pattern<Bitmap>(int(c[0]), int(c[1]));
        CGLImage a, b;
        ASSERT_TRUE(a.Copy(*rgba) && b.Copy(*rgb));
        EXPECT_EQ(Fields(a), c);
        EXPECT_EQ(Fields(b), c);
        EXPECT_TRUE(Texels(a, true) == Padded(*rgba, a)) << c[0] << " x " << c[1];
        EXPECT_TRUE(Texels(b, false) == Padded(*rgb, b)) << c[0] << " x " << c[1];
    }
    // A grey image goes through the filters: each grey byte becomes red, green and blue.
    const auto grey = Pattern<BitmapA>(3, 2, 1);
    CGLImage image;
    ASSERT_TRUE(image.Copy(*grey));
    EXPECT_EQ(Texels(image, true), Padded(*grey, image));
}

TEST_F(GLTest, CopyReplacesAndClearDeletesTheTexture)
{
    CGLImage image;
    ASSERT_TRUE(image.Copy(*Pattern<BitmapA>(4, 4)));
    const GLuint first = image.GetImage();
    EXPECT_TRUE(glIsTexture(first));
    ASSERT_TRUE(image.Copy(*Pattern<Bitmap>(8, 2)));
    EXPECT_FALSE(glIsTexture(first));
    const GLuint second = image.GetImage();
    EXPECT_TRUE(glIsTexture(second));
    image.Clear();
    EXPECT_EQ(image.GetImage(), 0u);
    EXPECT_FALSE(glIsTexture(second));
}

TEST_F(GLTest, AFailedUploadIsReportedAndKeepsTheFields)
{
    GLint maxSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    vorntest::DiagnosticsRecorder diagnostics;
    CGLImage image;
    EXPECT_FALSE(image.Copy(*Pattern<BitmapA>(maxSide + 1, 1)));
    EXPECT_EQ(diagnostics.DebugText(), "Error : invalid value\n");
    EXPECT_EQ(image.GetTexWidth(), unsigned(2 * maxSide));
    EXPECT_FLOAT_EQ(image.GetfTexWidth(), (maxSide + 1) / (2.0f * maxSide));
}

// Refuses one state, so a walk stops there.
class RefusingCache : public VornGLTextureCache {
public:
    bool CopyConvertImage(VORNIMAGETYPE state, const BitmapA* image) override
    {
        return state != VORN_IMAGE_OFF_MOUSE_OVER && VornGLTextureCache::CopyConvertImage(state, image);
    }
};

std::vector<VORNIMAGETYPE> States(const VornGLTextureCache& set)
{
    std::vector<VORNIMAGETYPE> states;
    set.GetStates(states);
    return states;
}

TEST_F(GLTest, CopyImageCacheUploadsEveryStateInOrder)
{
    VornBitmapACache source;
    const std::vector<VORNIMAGETYPE> states = {VORN_IMAGE_OFF, VORN_IMAGE_ON, VORN_IMAGE_OFF_MOUSE_OVER,
                                               VORN_IMAGE_ON_DOWN};
    for (int s : states)
        source.AssignImageOwn(s, Pattern<BitmapA>(10 + s, 3).release());
    std::vector<GLuint> names;
    {
        VornGLTextureCache target;
        ASSERT_TRUE(CopyImageCache(target, source));
        EXPECT_EQ(States(target), states);
        EXPECT_EQ(target.GetWidth(), 12);
        for (int s : states) {
            const CGLImage* image = nullptr;
            ASSERT_TRUE(target.GetImage(s, image));
            EXPECT_TRUE(Texels(*image, true) == Padded(*Pattern<BitmapA>(10 + s, 3), *image)) << s;
            names.push_back(image->GetImage());
        }
        EXPECT_FALSE(target.CopyConvertImage(VORN_IMAGE_ON, nullptr));
    }
    for (GLuint name : names)
        EXPECT_FALSE(glIsTexture(name)) << "the set deletes its textures";

    RefusingCache refusing;
    EXPECT_FALSE(CopyImageCache(refusing, source));
    EXPECT_EQ(States(refusing), (std::vector<VORNIMAGETYPE>{VORN_IMAGE_OFF, VORN_IMAGE_ON}));
    VornBitmapACache empty;
    EXPECT_FALSE(CopyImageCache(refusing, empty));
    EXPECT_EQ(States(refusing).size(), 2u) << "an empty source leaves the target as it was";
}

// Shows the bounds Draw computed.
class ProbeWindow : public VornGLWindow {
public:
    std::vector<int> Bounds() const { return {m_x, m_y, m_right, m_bottom, m_width, m_height}; }
};

TEST_F(GLTest, GLWindowSizesAndBounds)
{
    ProbeWindow window;
    int minW = 20, minH = 3;
    auto size = [&window] {
        int w = 0, h = 0;
        window.GetSize(w, h);
        return std::vector<int>({w, h});
    };
    window.SetSize(2, 50);
    EXPECT_EQ(size(), std::vector<int>({5, 50}));
    window.SetMinSize(minW, minH);
    EXPECT_EQ(size(), std::vector<int>({5, 50})) << "the minimum waits for the next SetSize";
    window.SetSize(10, 10);
    EXPECT_EQ(size(), std::vector<int>({20, 10}));

    // Asked size, then x, y, right, bottom, width, height after Draw(x, y).
    const std::vector<std::vector<int>> cases = {
        {10, 10, 10, 20, 19, 29, 10, 10}, {-3, 0, 7, 8, 7, 8, 1, 1}, {1, 4, -5, -9, -5, -6, 1, 4}};
    minW = minH = -10;
    window.SetMinSize(minW, minH);
    for (const std::vector<int>& c : cases) {
        window.SetSize(c[0], c[1]);
        window.Draw(c[2], c[3]);
        EXPECT_EQ(window.Bounds(), std::vector<int>(c.begin() + 2, c.end()));
    }
}

TEST_F(GLTest, GLWindowDrawsItsSquareWithItsOwnState)
{
    glMatrixMode(GL_PROJECTION); // the viewport is the whole canvas from the first SetCurrent
    glLoadIdentity();
    glOrtho(0, kCanvasW, kCanvasH, 0, -1, 1); // y downwards, one unit per pixel
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(30, 10, 0); // PrepareContext replaces it
    for (GLenum cap : {GL_BLEND, GL_CULL_FACE, GL_LIGHTING})
        glEnable(cap);
    glCullFace(GL_FRONT_AND_BACK);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3ub(255, 0, 0);
    VornGLWindow().Draw(10, 20);
    Bytes rgba(kCanvasW * kCanvasH * 4);
    glReadPixels(0, 0, kCanvasW, kCanvasH, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    auto red = [&rgba](int x, int y) { // y downwards
        const unsigned char* p = &rgba[4 * ((kCanvasH - 1 - y) * kCanvasW + x)];
        return p[0] == 255 && p[1] == 0 && p[2] == 0;
    };
    int count = 0;
    for (int i = 0; i < kCanvasW * kCanvasH; ++i)
        count += red(i % kCanvasW, i / kCanvasW);
    // Corners (10, 20) and (19, 29) as a filled area cover the pixel centres 10.5 to 18.5.
    EXPECT_EQ(count, 81);
    EXPECT_TRUE(red(10, 20) && red(18, 20) && red(10, 28) && red(18, 28));
    EXPECT_FALSE(red(9, 20) || red(19, 28) || red(10, 19) || red(18, 29));
    for (GLenum cap : {GL_BLEND, GL_CULL_FACE, GL_LIGHTING, GL_DEPTH_TEST})
        EXPECT_FALSE(glIsEnabled(cap)) << cap;
    GLint mode = 0, shade = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    glGetIntegerv(GL_SHADE_MODEL, &shade);
    EXPECT_EQ(std::vector<int>({mode, shade}), std::vector<int>({GL_MODELVIEW, GL_FLAT}));
    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    EXPECT_FLOAT_EQ(projection[0], 2.0f / kCanvasW) << "the projection is left alone";
}

} // namespace
