#pragma once
// Loaded images as OpenGL textures, for hosts that draw their interface with OpenGL.
// Every call that touches OpenGL expects the host's rendering context to be current on
// the calling thread; nothing here checks that.
#include <vorn/assets/image_cache.h>
#include <vorn/util/bitmap.h>

namespace vorn {

/// One image held as an OpenGL texture whose sides are rounded up to powers of two; the
/// image sits in the texture's top-left corner and the rest is transparent black.
class CGLImage {
public:
    /// No texture yet.
    CGLImage() = default;
    /// Deletes the texture (Clear).
    ~CGLImage();
    /// Copies all fields: both images then name the same texture, and whichever is
    /// cleared or destroyed first deletes it.
    CGLImage(const CGLImage&) = default;
    /// Copies all fields (see the copy constructor).
    CGLImage& operator=(const CGLImage&) = default;

    /// Makes an RGBA texture holding the image (deleting a held texture first); true when
    /// OpenGL reported no error. The fields are filled either way.
    bool Copy(const BitmapA& image);
    /// The same for an opaque image, as an RGB texture.
    bool Copy(const Bitmap& image);
    /// Deletes the texture; the name becomes 0.
    void Clear();

    /// The texture name, 0 when there is none.
    unsigned int GetImage() const { return m_name; }
    /// The image's width in pixels.
    int GetWidth() const { return m_width; }
    /// The image's height in pixels.
    int GetHeight() const { return m_height; }
    /// The texture's width, a power of two.
    unsigned int GetTexWidth() const { return m_texWidth; }
    /// The texture's height, a power of two.
    unsigned int GetTexHeight() const { return m_texHeight; }
    /// Width / texture width: the texture coordinate of the image's right edge.
    float GetfTexWidth() const { return m_fTexWidth; }
    /// Height / texture height: the texture coordinate of the image's bottom edge.
    float GetfTexHeight() const { return m_fTexHeight; }

    /// The texture side for an image side: the smallest power of two not below it
    /// (1 for sides below 1).
    static unsigned int TextureSide(int side);

private:
    template <class B>
    bool Upload(const B& image, unsigned int format);

    int m_width = 0;
    int m_height = 0;
    unsigned int m_texWidth = 0;
    unsigned int m_texHeight = 0;
    float m_fTexWidth = 0.0f;
    float m_fTexHeight = 0.0f;
    unsigned int m_name = 0;
};

/// An image set whose images are textures; it owns the CGLImages it makes.
class VornGLTextureCache : public VornImageCache<CGLImage> {
public:
    /// Deletes the owned images, and with them their textures.
    ~VornGLTextureCache() override;

    /// Uploads the image into a new texture owned by the set's slot for the state; false
    /// for a null image, otherwise the result of storing it (the upload's own result is
    /// not looked at).
    virtual bool CopyConvertImage(VORNIMAGETYPE state, const BitmapA* image);

protected:
    /// The image's width, -1 for null.
    int GetImageWidth(const CGLImage* image) const override;
    /// The image's height, -1 for null.
    int GetImageHeight(const CGLImage* image) const override;
};

/// Uploads every filled state of the source into the target, in ascending state order.
/// False for a source without states, and at the first state the target refuses.
bool CopyImageCache(VornGLTextureCache& target, const VornBitmapACache& source);

} // namespace vorn
