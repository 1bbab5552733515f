#pragma once
// Filters over wxWidgets images: the plain image filter, and a filter that records what
// is drawn (for undo) while mirroring it into a bitmap a window can blit.
#include <memory>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include <vorn/util/filter.h>

namespace vorn {

/// A filter over a wxImage it does not own (3 bytes a pixel, rows top to bottom).
/// Writes store truncate(component x 255.0 + 0.5) per channel (components outside 0..1
/// are clamped first); alpha is ignored. Reads give channel / 255 and alpha 1.0.
/// The filter keeps the image's buffer and size at hand (pixel access is the hot path of
/// every control drawn in software) and looks again whenever the image holds other data,
/// so it stays valid when the image is recreated, resized or reassigned behind its back.
class BasicwxImageFilter : public Filter {
public:
    /// A filter over the image, which must outlive it.
    explicit BasicwxImageFilter(wxImage& image) : m_image(&image) {}
    /// A second filter over the same image.
    BasicwxImageFilter(const BasicwxImageFilter& other) : Filter(other), m_image(other.m_image) {}
    BasicwxImageFilter& operator=(const BasicwxImageFilter&) = delete;
    ~BasicwxImageFilter() override;

    bool WritePixel(int x, int y, const ColorA& colour) override;
    bool ReadPixel(ColorA& colour, int x, int y) override;
    bool WritePixelI(int x, int y, const ColorA& colour, double intensity) override;
    int GetWidth() const override;
    int GetHeight() const override;
    /// Destroys the image's data.
    void Clear() override;
    /// Recreates the image at the size (black).
    bool Create(int width, int height) override;

private:
    /// Takes up the image's current data when it is not the data last seen.
    void Sync() const
    {
        if (m_image->GetRefData() != m_seen)
            See();
    }
    void See() const;
    unsigned char* PixelAt(int x, int y) const
    {
        Sync();
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return nullptr;
        return m_data + (size_t(y) * size_t(m_width) + size_t(x)) * 3;
    }
    wxImage* m_image;
    /// A reference to the data last seen: while it is held, no new data can take its
    /// address, so a change of the image's data is always noticed. (wxImage setters such
    /// as SetRGB then unshare the image's data first, and the filter follows the copy.)
    mutable wxObjectRefData* m_seen = nullptr;
    mutable unsigned char* m_data = nullptr;
    mutable int m_width = 0;
    mutable int m_height = 0;
};

/// A BasicwxImageFilter over the image; empty when it cannot be made.
FilterPtr CreateFilter(wxImage& image);

/// Draws through an UnDoFilter around the caller's filter and mirrors every write into a
/// bitmap (at the display's depth) through a memory device context, so that a window can
/// blit the mirror (GetwxDC) instead of converting the whole image after each stroke.
class wxBitmapUnDoFilter : public Filter {
public:
    /// Draws through `filter`, which must outlive this one, and mirrors its content.
    explicit wxBitmapUnDoFilter(Filter& filter);
    ~wxBitmapUnDoFilter() override;
    wxBitmapUnDoFilter(const wxBitmapUnDoFilter&) = delete;
    wxBitmapUnDoFilter& operator=(const wxBitmapUnDoFilter&) = delete;

    bool WritePixel(int x, int y, const ColorA& colour) override;
    bool ReadPixel(ColorA& colour, int x, int y) override;
    bool WritePixelI(int x, int y, const ColorA& colour, double intensity) override;
    int GetWidth() const override;
    int GetHeight() const override;
    void Clear() override;
    bool Create(int width, int height) override;

    /// The context drawing into the mirror; null when the filter has no area.
    wxMemoryDC* GetwxDC() const { return m_dc.get(); }
    /// The mirror bitmap.
    const wxBitmap& GetBitmap() const { return m_bitmap; }
    /// Starts a new undo record.
    void Initialize();
    /// Puts back every pixel written since Initialize, newest first, in the mirror and in
    /// the wrapped filter.
    void UnDo();
    /// Remakes the mirror from the wrapped filter's content.
    void updatebitmap();

private:
    void MirrorPixel(int x, int y);
    void MakeMirror();

    std::unique_ptr<UnDoFilter> m_undo;
    wxBitmap m_bitmap;
    std::unique_ptr<wxMemoryDC> m_dc;
};

} // namespace vorn
