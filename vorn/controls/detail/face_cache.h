#pragma once
// Faces drawn with the imaging layer, kept as bitmaps so that a drag step copies pixels
// instead of drawing them again. A face is described by a painter that draws all of it;
// a patch is the part of the face inside a rectangle, rendered by running the whole
// painter through a filter that drops every write outside the rectangle, so each pixel
// of a patch is exactly what the whole face has there.
#include <functional>
#include <memory>
#include <unordered_map>

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/dcmemory.h>
#include <wx/gdicmn.h>
#include <wx/image.h>

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
    // Room for up to `slots` patches of at most w x h, within a budget of pixels. Forgets
    // every stored patch.
    void Reset(int slots, int w, int h);
    // Draws the patch of `key`, which covers `rect` of the face.
    void Draw(wxDC& dc, long key, const wxRect& rect, wxImage& buffer, const FacePainter& paint);
    // How many patches are stored.
    int GetStored() const { return static_cast<int>(m_slots.size()); }

private:
    struct Slot {
        wxRect rect; // where the patch goes on the face
        wxPoint at;  // where it lies in the store
    };
    bool Store(long key, const wxImage& patch, const wxRect& rect);

    std::unordered_map<long, Slot> m_slots;
    wxBitmap m_store;
    std::unique_ptr<wxMemoryDC> m_dc;
    int m_slotW = 0, m_slotH = 0, m_columns = 1, m_capacity = 0;
};

} // namespace vorn::detail
