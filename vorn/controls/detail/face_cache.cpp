#include <vorn/controls/detail/face_cache.h>

#include <algorithm>
#include <tuple>

#include <vorn/util/detail/blit.h>
#include <vorn/util/raster.h>
#include <vorn/util/wx_image_filter.h>

namespace vorn::detail {

namespace {
constexpr int kStoreWidth = 4096;

// Passes writes inside the rectangle only; reads and sizes pass through.
class RectClipFilter : public WrappingFilter {
public:
    RectClipFilter(Filter& inner, const wxRect& rect) : WrappingFilter(inner), m_rect(rect) {}
    bool WritePixel(int x, int y, const ColorA& colour) override
    {
        return m_rect.Contains(x, y) && WrappingFilter::WritePixel(x, y, colour);
    }
    bool WritePixelI(int x, int y, const ColorA& colour, double intensity) override
    {
        return m_rect.Contains(x, y) && WrappingFilter::WritePixelI(x, y, colour, intensity);
    }

private:
    wxRect m_rect;
};
} // namespace

wxImage RenderPatch(wxImage& buffer, const wxRect& rect, const FacePainter& paint)
{
    const wxRect inside = rect.Intersect(wxRect(0, 0, buffer.GetWidth(), buffer.GetHeight()));
    if (inside.IsEmpty())
        return wxImage();
    if (FilterPtr target = CreateFilter(buffer)) {
        RectClipFilter clip(*target, inside);
        paint(clip);
    }
    return buffer.GetSubImage(inside);
}

wxBitmap RenderFace(int w, int h, const FacePainter& paint)
{
    if (w <= 0 || h <= 0)
        return wxBitmap();
    wxImage image(w, h);
    if (FilterPtr target = CreateFilter(image))
        paint(*target);
    return wxBitmap(image);
}

void PatchCache::Reset(int slots, int w, int h, long pixelBudget)
{
    m_slots.clear();
    m_dc.reset();
    m_store = wxBitmap();
    m_slotW = std::max(w, 0);
    m_slotH = std::max(h, 0);
    const long area = static_cast<long>(m_slotW) * m_slotH;
    m_capacity = area > 0 ? static_cast<int>(std::min<long>(std::max(slots, 0), std::max(pixelBudget, 0L) / area)) : 0;
    m_columns = std::max(1, std::min(m_capacity, kStoreWidth / std::max(m_slotW, 1)));
}

bool PatchCache::Store(std::uint64_t key, const wxImage& patch, const wxRect& rect)
{
    if (static_cast<int>(m_slots.size()) >= m_capacity || patch.GetWidth() > m_slotW ||
        patch.GetHeight() > m_slotH)
        return false;
    if (!m_dc) {
        const int rows = (m_capacity + m_columns - 1) / m_columns;
        m_store.Create(m_columns * m_slotW, rows * m_slotH, 24);
        if (!m_store.IsOk())
            return false;
        m_dc = std::make_unique<wxMemoryDC>(m_store);
    }
    const int index = static_cast<int>(m_slots.size());
    const wxPoint at((index % m_columns) * m_slotW, (index / m_columns) * m_slotH);
    m_dc->DrawBitmap(wxBitmap(patch), at.x, at.y, false);
    m_slots[key] = Slot{rect, at};
    return true;
}

void PatchCache::Draw(wxDC& dc, std::uint64_t key, const wxRect& rect, wxImage& buffer, const FacePainter& paint)
{
    auto found = m_slots.find(key);
    if (found == m_slots.end()) {
        const wxRect inside = rect.Intersect(wxRect(buffer.GetSize()));
        const wxImage patch = RenderPatch(buffer, inside, paint);
        if (!patch.IsOk())
            return;
        if (!Store(key, patch, inside)) {
            dc.DrawBitmap(wxBitmap(patch), inside.x, inside.y, false);
            return;
        }
        found = m_slots.find(key);
    }
    const Slot& slot = found->second;
    BlitRegion(dc, slot.rect.x, slot.rect.y, slot.rect.width, slot.rect.height, *m_dc, slot.at.x, slot.at.y);
}

FilterPtr ReadFilter(const BitmapA* image)
{
    return image && !image->IsEmpty() ? CreateFilter(const_cast<BitmapA&>(*image)) : nullptr;
}

std::shared_ptr<StripFace> StripFace::Get(const BitmapA* frame, const BitmapA* strip, const BitmapA* mask,
                                          bool vertical, int starts)
{
    using Key = std::tuple<const BitmapA*, const BitmapA*, const BitmapA*, bool, int>;
    return SharedFaces<Key, StripFace>::Get(Key(frame, strip, mask, vertical, starts), [&] {
        auto face = std::make_shared<StripFace>();
        face->m_frame = frame;
        face->m_strip = strip;
        face->m_mask = mask;
        face->m_vertical = vertical;
        if (frame && frame->width > 0 && frame->height > 0) {
            face->m_buffer.Create(frame->width, frame->height);
            face->m_starts.Reset(starts, frame->width, frame->height);
        }
        return face;
    });
}

void StripFace::Draw(wxDC& dc, int start)
{
    if (!m_buffer.IsOk())
        return;
    const wxRect all(0, 0, m_buffer.GetWidth(), m_buffer.GetHeight());
    m_starts.Draw(dc, static_cast<std::uint64_t>(start), all, m_buffer, [&](Filter& target) {
        vorn::Clear(target, ColorA(0, 0, 0, 1));
        FilterPtr strip = ReadFilter(m_strip);
        FilterPtr mask = ReadFilter(m_mask);
        if (strip && mask) {
            const int mw = mask->GetWidth(), mh = mask->GetHeight();
            FilterPtr window =
                m_vertical ? Crop(0, start, mw, mh + start, *strip) : Crop(start, 0, mw + start, mh, *strip);
            if (window)
                Blit(target, *window, *mask, 0, 0);
        }
        if (FilterPtr frame = ReadFilter(m_frame))
            Blit(target, *frame, 0, 0);
    });
}

} // namespace vorn::detail
