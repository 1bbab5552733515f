#pragma once
// Faces drawn with the imaging layer, kept as bitmaps so that a drag step copies pixels
// instead of drawing them again. A face is described by a painter that draws all of it;
// a patch is the part of the face inside a rectangle, rendered by running the whole
// painter through a filter that drops every write outside the rectangle, so each pixel
// of a patch is exactly what the whole face has there.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <unordered_map>

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/dcmemory.h>
#include <wx/gdicmn.h>
#include <wx/image.h>

#include <vorn/util/bitmap.h>
#include <vorn/util/filter.h>

namespace vorn::detail {

// Draws a whole face through the filter it is given (smoothed parts through AntiAlias).
using FacePainter = std::function<void(Filter& target)>;

// Renders the face into `buffer` (which has the face's size) inside `rect` and returns
// the pixels there; an empty image when the rectangle holds none.
wxImage RenderPatch(wxImage& buffer, const wxRect& rect, const FacePainter& paint);

// The whole face of w x h as a bitmap; a bad bitmap for a face without area.
wxBitmap RenderFace(int w, int h, const FacePainter& paint);

// Patches of a face by key, in one bitmap kept selected in one context. A patch is
// rendered the first time its key is drawn; keys beyond the room are rendered each time.
class PatchCache {
public:
    // The pixels a cache holds unless told otherwise: 4 MB at the toolkit's 32 bits a pixel.
    static constexpr long kPixelBudget = 1L << 20;
    // Room for up to `slots` patches of at most w x h, within a budget of pixels. Forgets
    // every stored patch.
    void Reset(int slots, int w, int h, long pixelBudget = kPixelBudget);
    // Draws the patch of `key`, which covers `rect` of the face.
    void Draw(wxDC& dc, std::uint64_t key, const wxRect& rect, wxImage& buffer, const FacePainter& paint);
    // How many patches are stored.
    int GetStored() const { return static_cast<int>(m_slots.size()); }

private:
    struct Slot {
        wxRect rect; // where the patch goes on the face
        wxPoint at;  // where it lies in the store
    };
    bool Store(std::uint64_t key, const wxImage& patch, const wxRect& rect);

    std::unordered_map<std::uint64_t, Slot> m_slots;
    wxBitmap m_store;
    std::unique_ptr<wxMemoryDC> m_dc;
    int m_slotW = 0, m_slotH = 0, m_columns = 1, m_capacity = 0;
};

// Faces shared by the controls drawn from the same images and settings (the key): a panel
// of many such controls composes each picture once. A face lives while a control holds it.
template <class Key, class Face>
class SharedFaces {
public:
    // The face of `key`, made by make() when no control holds one.
    template <class Make>
    static std::shared_ptr<Face> Get(const Key& key, Make&& make)
    {
        static std::map<Key, std::weak_ptr<Face>> faces;
        for (auto it = faces.begin(); it != faces.end();) // forget faces no control holds any more
            it = it->second.expired() ? faces.erase(it) : std::next(it);
        std::weak_ptr<Face>& slot = faces[key];
        if (auto face = slot.lock())
            return face;
        std::shared_ptr<Face> face = make();
        slot = face;
        return face;
    }
};

// A filter that reads a shared image (the filters want a mutable buffer; nothing is written),
// or null for a missing or empty one.
FilterPtr ReadFilter(const BitmapA* image);

// A strip scrolled behind a mask, a frame over it and black where neither covers (the
// compass tape, the thumb wheel's ridges). Its size is the frame's; each window start along
// the strip is composed once and kept.
class StripFace {
public:
    // The face of these images shared with every control made from the same ones; `starts`
    // is how many window starts there are (one turn of the strip).
    static std::shared_ptr<StripFace> Get(const BitmapA* frame, const BitmapA* strip, const BitmapA* mask,
                                          bool vertical, int starts);
    // Draws the face with the strip's window starting `start` pixels along it.
    void Draw(wxDC& dc, int start);

private:
    const BitmapA* m_frame = nullptr;
    const BitmapA* m_strip = nullptr;
    const BitmapA* m_mask = nullptr;
    bool m_vertical = false;
    wxImage m_buffer;
    PatchCache m_starts;
};

} // namespace vorn::detail
