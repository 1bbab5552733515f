#include <vorn/controls/thumb_wheel.h>

#include <map>
#include <tuple>

#include <vorn/controls/detail/face_cache.h>
#include <vorn/util/raster.h>

namespace vorn {

namespace {
int Width(const BitmapA* b) { return b ? b->width : 0; }
int Height(const BitmapA* b) { return b ? b->height : 0; }

// The skin's images are shared and only read here; the filters need a mutable buffer.
FilterPtr ReadFilter(const BitmapA* b)
{
    return b && !b->IsEmpty() ? CreateFilter(const_cast<BitmapA&>(*b)) : nullptr;
}
} // namespace

// The face of each texture position, by position.
struct VornThumbWheelControl::Face {
    wxImage buffer;
    detail::PatchCache positions;
};

// Wheels made from the same images, way and period share their faces: a tree of a thousand
// wheel rows composes each texture position once, not once for every wheel it scrolls past.
std::shared_ptr<VornThumbWheelControl::Face> VornThumbWheelControl::SharedFace(const BitmapA* frame,
                                                                               const BitmapA* texture,
                                                                               const BitmapA* mask, bool vertical,
                                                                               int period)
{
    using Key = std::tuple<const BitmapA*, const BitmapA*, const BitmapA*, bool, int>;
    static std::map<Key, std::weak_ptr<VornThumbWheelControl::Face>> faces;
    for (auto it = faces.begin(); it != faces.end();) // forget faces no wheel holds any more
        it = it->second.expired() ? faces.erase(it) : std::next(it);
    std::weak_ptr<VornThumbWheelControl::Face>& slot = faces[Key(frame, texture, mask, vertical, period)];
    if (auto face = slot.lock())
        return face;
    auto face = std::make_shared<VornThumbWheelControl::Face>();
    const int w = Width(frame), h = Height(frame);
    if (w > 0 && h > 0) {
        face->buffer.Create(w, h);
        face->positions.Reset(period / 10 + 1, w, h);
    }
    slot = face;
    return face;
}

VornThumbWheelControl::VornThumbWheelControl() = default;
VornThumbWheelControl::~VornThumbWheelControl() = default;

VornThumbWheelControl::VornThumbWheelControl(const BitmapA* frame, const BitmapA* texture, const BitmapA* mask,
                                             int x, int y, bool vertical, int period, wxWindow* parent, int id,
                                             VornControlGroupValue* group, long style)
{
    VornThumbWheelControl::Create(frame, texture, mask, x, y, vertical, period, parent, id, group, style);
}

bool VornThumbWheelControl::Create(const BitmapA* frame, const BitmapA* texture, const BitmapA* mask, int x, int y,
                                   bool vertical, int period, wxWindow* parent, int id,
                                   VornControlGroupValue* group, long style)
{
    const int w = Width(frame), h = Height(frame);
    const bool ok = CreateValueControl(x, y, w, h, parent, id, group, style);
    m_frame = frame;
    m_texture = texture;
    m_mask = mask;
    m_model.Reset(vertical, period);
    m_face = SharedFace(frame, texture, mask, vertical, m_model.GetPeriod());
    return ok;
}

bool VornThumbWheelControl::OnDragStep(int x, int y)
{
    m_model.DragTo(m_model.IsVertical() ? y : x, GetMetaKey());
    return true; // every step reports, moved or not
}

void VornThumbWheelControl::OnDraw(wxDC* dc)
{
    const int w = Width(m_frame), h = Height(m_frame);
    if (w <= 0 || h <= 0 || !m_face)
        return;
    const int start = m_model.GetWindowStart();
    const bool vertical = m_model.IsVertical();
    m_face->positions.Draw(*dc, start, wxRect(0, 0, w, h), m_face->buffer, [&](Filter& target) {
        vorn::Clear(target, ColorA(0, 0, 0, 1)); // black where neither the wheel nor the frame covers
        FilterPtr texture = ReadFilter(m_texture);
        FilterPtr mask = ReadFilter(m_mask);
        if (texture && mask) {
            const int mw = mask->GetWidth(), mh = mask->GetHeight();
            FilterPtr window = vertical ? Crop(0, start, mw, mh + start, *texture) : Crop(start, 0, mw + start, mh, *texture);
            if (window)
                Blit(target, *window, *mask, 0, 0);
        }
        if (FilterPtr frame = ReadFilter(m_frame))
            Blit(target, *frame, 0, 0);
    });
    RecalcIfDirty();
}

} // namespace vorn
