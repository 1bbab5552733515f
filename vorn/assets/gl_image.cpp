#include <vorn/assets/gl_image.h>

#include <cmath>
#include <cstring>
#include <vector>

#include <GL/gl.h>
#include <GL/glu.h>

#include <vorn/util/diagnostics.h>
#include <vorn/util/filter.h>
#include <vorn/util/raster.h>

namespace vorn {

namespace {

// Reports a pending OpenGL error as a debug line; true when there was one.
bool ReportGlError()
{
    const GLenum error = glGetError();
    if (error == GL_NO_ERROR)
        return false;
    dprintf("Error : %s\n", reinterpret_cast<const char*>(gluErrorString(error)));
    return true;
}

// The image's rows copied byte for byte into the texture's top-left corner, when both
// have the same pixel layout; false leaves it to the filters (grey images, a texture that
// could not be made). The bytes are those the filter copy writes, about five times sooner.
template <class B>
bool CopyRows(B& texture, const B& image)
{
    if (texture.IsEmpty() || image.IsEmpty() || texture.GetChannels() != image.GetChannels() ||
        texture.GetWidth() < image.GetWidth() || texture.GetHeight() < image.GetHeight())
        return false;
    const size_t rowBytes = size_t(image.GetWidth()) * image.GetPixelBytes();
    for (int y = 0; y < image.GetHeight(); ++y)
        std::memcpy(texture.PixelAt(0, y), image.PixelAt(0, y), rowBytes);
    return true;
}

} // namespace

CGLImage::~CGLImage() { Clear(); }

unsigned int CGLImage::TextureSide(int side)
{
    // The log of a side below 1 is not a number; such an image still gets a 1-pixel texture.
    if (side < 1)
        return 1;
    int n = static_cast<int>(std::log(static_cast<double>(side)) / std::log(2.0));
    if (std::pow(2.0, n) < side)
        ++n;
    return static_cast<unsigned int>(std::pow(2.0, n));
}

void CGLImage::Clear()
{
    // Deleting name 0 is a no-op in OpenGL; skipping it lets an image that never held a
    // texture die without a current context.
    if (m_name == 0)
        return;
    GLuint name = m_name;
    glDeleteTextures(1, &name);
    m_name = 0;
}

bool CGLImage::Copy(const BitmapA& image) { return Upload(image, GL_RGBA); }

bool CGLImage::Copy(const Bitmap& image) { return Upload(image, GL_RGB); }

template <class B>
bool CGLImage::Upload(const B& image, unsigned int format)
{
    Clear();
    m_width = image.GetWidth();
    m_height = image.GetHeight();

    GLuint name = 0;
    glGenTextures(1, &name);
    m_name = name;
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);

    const unsigned int texWidth = TextureSide(m_width);
    const unsigned int texHeight = TextureSide(m_height);

    // The texture's pixels: transparent black with the image copied into the top-left corner.
    // Create hands out a zeroed buffer, which already is that fill: filling it again with
    // zero pixels cost twice the upload itself (measured over the default skin).
    B texture;
    texture.Create(static_cast<int>(texWidth), static_cast<int>(texHeight), 3, 0);
    if (!CopyRows(texture, image)) {
        FilterPtr corner = Crop(0, 0, m_width, m_height, CreateFilter(texture));
        FilterPtr source = CreateFilter(const_cast<B&>(image)); // only read from
        vorn::Copy(*corner, *source);
    }

    // Rows are tightly packed (an RGB row of a 1- or 2-pixel texture is not a multiple of
    // four bytes); the host's unpacking state is put back afterwards.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), static_cast<GLsizei>(texWidth),
                 static_cast<GLsizei>(texHeight), 0, format, GL_UNSIGNED_BYTE, texture.data);
    glPopClientAttrib();
    // Reading the error clears it, so the upload's error is remembered for the result.
    const bool uploadFailed = ReportGlError();

    m_texWidth = texWidth;
    m_texHeight = texHeight;
    m_fTexWidth = static_cast<float>(m_width) / static_cast<float>(texWidth);
    m_fTexHeight = static_cast<float>(m_height) / static_cast<float>(texHeight);
    return !uploadFailed && glGetError() == GL_NO_ERROR;
}

VornGLTextureCache::~VornGLTextureCache()
{
    // The owned slots are private to the template; its Clear deletes each owned image,
    // whose destructor deletes the texture.
    Clear();
}

bool VornGLTextureCache::CopyConvertImage(VORNIMAGETYPE state, const BitmapA* image)
{
    // A state outside the set is refused before uploading: the set would not own the image.
    if (!image || !IsState(state))
        return false;
    auto* texture = new CGLImage;
    texture->Copy(*image);
    return AssignImageOwn(state, texture);
}

int VornGLTextureCache::GetImageWidth(const CGLImage* image) const { return image ? image->GetWidth() : -1; }

int VornGLTextureCache::GetImageHeight(const CGLImage* image) const { return image ? image->GetHeight() : -1; }

bool CopyImageCache(VornGLTextureCache& target, const VornBitmapACache& source)
{
    std::vector<VORNIMAGETYPE> states;
    source.GetStates(states);
    if (states.empty())
        return false;
    for (VORNIMAGETYPE state : states) {
        const BitmapA* image = nullptr;
        source.GetImage(state, image);
        if (image && !target.CopyConvertImage(state, image))
            return false;
    }
    return true;
}

} // namespace vorn
