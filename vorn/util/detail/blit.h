#pragma once
// The one plain copy of bitmap pixels onto a device context: no mask, the source's pixels
// replace the target's (a bitmap with alpha is copied, not blended).
#include <algorithm>
#include <memory>

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/dcmemory.h>

namespace vorn::detail {

// Copies the w x h region at (sx, sy) of the context `source` to (x, y) of `dc`.
inline void BlitRegion(wxDC& dc, int x, int y, int w, int h, wxDC& source, int sx = 0, int sy = 0)
{
    if (w > 0 && h > 0)
        dc.Blit(x, y, w, h, &source, sx, sy, wxCOPY, false);
}

// Cuts the w x h region at (sx, sy) of a source of the given size to the part the source
// holds, moving the target corner (x, y) along; false when nothing is left.
inline bool ClipToSource(int width, int height, int& x, int& y, int& w, int& h, int& sx, int& sy)
{
    if (sx < 0) {
        x -= sx;
        w += sx;
        sx = 0;
    }
    if (sy < 0) {
        y -= sy;
        h += sy;
        sy = 0;
    }
    w = std::min(w, width - sx);
    h = std::min(h, height - sy);
    return w > 0 && h > 0;
}

// Copies the w x h region at (sx, sy) of `bitmap` (cut to the bitmap) to (x, y) of `dc`;
// nothing for a bad bitmap.
inline void BlitBitmap(wxDC& dc, int x, int y, int w, int h, const wxBitmap& bitmap, int sx = 0, int sy = 0)
{
    if (!bitmap.IsOk() || !ClipToSource(bitmap.GetWidth(), bitmap.GetHeight(), x, y, w, h, sx, sy))
        return;
    wxMemoryDC source;
    source.SelectObjectAsSource(bitmap);
    BlitRegion(dc, x, y, w, h, source, sx, sy);
}

// A bitmap kept selected in its own context, for copies made again and again (a fresh
// context costs several blits). It follows the bitmap when the owner replaces its data.
class BlitSource {
public:
    BlitSource() = default;
    explicit BlitSource(const wxBitmap* bitmap) : m_bitmap(bitmap) {}

    void SetBitmap(const wxBitmap* bitmap)
    {
        m_bitmap = bitmap;
        m_dc.reset();
    }
    const wxBitmap* GetBitmap() const { return m_bitmap; }
    int GetWidth() const { return IsOk() ? m_bitmap->GetWidth() : 0; }
    int GetHeight() const { return IsOk() ? m_bitmap->GetHeight() : 0; }
    bool IsOk() const { return m_bitmap && m_bitmap->IsOk(); }

    // Copies the w x h region at (sx, sy) to (x, y) of `dc`.
    void Blit(wxDC& dc, int x, int y, int w, int h, int sx = 0, int sy = 0)
    {
        wxDC* source = Source();
        if (source && ClipToSource(GetWidth(), GetHeight(), x, y, w, h, sx, sy))
            BlitRegion(dc, x, y, w, h, *source, sx, sy);
    }
    // Copies the whole bitmap to (x, y) of `dc`.
    void Blit(wxDC& dc, int x, int y) { Blit(dc, x, y, GetWidth(), GetHeight()); }

private:
    wxDC* Source()
    {
        if (!IsOk())
            return nullptr;
        if (!m_dc || m_seen != m_bitmap->GetRefData()) {
            m_dc = std::make_unique<wxMemoryDC>();
            m_dc->SelectObjectAsSource(*m_bitmap);
            m_seen = m_bitmap->GetRefData();
        }
        return m_dc.get();
    }

    const wxBitmap* m_bitmap = nullptr;
    const wxObjectRefData* m_seen = nullptr;
    std::unique_ptr<wxMemoryDC> m_dc;
};

} // namespace vorn::detail
