#pragma once
// Filters over wxWidgets images: the plain image filter, and a filter that records what
// is drawn (for undo) while mirroring it into a bitmap a window can blit.
#include <memory>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include <vorn/util/filter.h>

// A filter over a wxImage it does not own (3 bytes a pixel, rows top to bottom).
// Writes store truncate(component x 255.0 + 0.5) per channel (components outside 0..1
// are clamped first); alpha is ignored. Reads give channel / 255 and alpha 1.0.
// The filter keeps the image's pixel buffer and size at hand, shared with its copies
// (pixel access is the hot path of every control drawn in software): while a filter
// lives, resize or recreate the image only through a filter's Create and Clear.
class BasicwxImageFilter : public Filter {
public:
    explicit BasicwxImageFilter(wxImage& image) : m_image(&image), m_view(std::make_shared<View>()) { Attach(); }
    BasicwxImageFilter(const BasicwxImageFilter&) = default; // shares the image

    bool WritePixel(int x, int y, const ColorA& colour) override;
    bool ReadPixel(ColorA& colour, int x, int y) override;
    bool WritePixelI(int x, int y, const ColorA& colour, double intensity) override;
    int GetWidth() const override;
    int GetHeight() const override;
    // Destroys the image's data.
    void Clear() override;
    // Recreates the image at the size (black).
    bool Create(int width, int height) override;

private:
    struct View {
        unsigned char* data = nullptr;
        int width = 0;
        int height = 0;
    };
    void Attach();
    unsigned char* PixelAt(int x, int y) const
    {
        const View& v = *m_view;
        if (x < 0 || y < 0 || x >= v.width || y >= v.height)
            return nullptr;
        return v.data + (size_t(y) * size_t(v.width) + size_t(x)) * 3;
    }
    wxImage* m_image;
    std::shared_ptr<View> m_view;
};

// A BasicwxImageFilter over the image; empty when it cannot be made.
FilterPtr CreateFilter(wxImage& image);

// Draws through an UnDoFilter around the caller's filter and mirrors every write into a
// bitmap (at the display's depth) through a memory device context, so that a window can
// blit the mirror (GetwxDC) instead of converting the whole image after each stroke.
class wxBitmapUnDoFilter : public Filter {
public:
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

    // The context drawing into the mirror; null when the filter has no area.
    wxMemoryDC* GetwxDC() const { return m_dc.get(); }
    const wxBitmap& GetBitmap() const { return m_bitmap; }
    // Starts a new undo record.
    void Initialize();
    // Puts back every pixel written since Initialize, newest first, in the mirror and in
    // the wrapped filter.
    void UnDo();
    // Remakes the mirror from the wrapped filter's content.
    void updatebitmap();

private:
    void MirrorPixel(int x, int y);
    void MakeMirror();

    std::unique_ptr<UnDoFilter> m_undo;
    wxBitmap m_bitmap;
    std::unique_ptr<wxMemoryDC> m_dc;
};
