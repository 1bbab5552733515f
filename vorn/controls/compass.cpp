#include <vorn/controls/compass.h>

#include <map>
#include <tuple>

#include <vorn/controls/detail/face_cache.h>
#include <vorn/framework/control_group.h>
#include <vorn/util/raster.h>

namespace vorn {

namespace {
int Width(const BitmapA* b) { return b ? b->width : 0; }
int Height(const BitmapA* b) { return b ? b->height : 0; }

// The host's images are only read here; the filters need a mutable buffer.
FilterPtr ReadFilter(const BitmapA* b)
{
    return b && !b->IsEmpty() ? CreateFilter(const_cast<BitmapA&>(*b)) : nullptr;
}
} // namespace

// The composed picture of each tape offset, by whole pixels of offset (the picture depends
// on nothing finer).
struct VornCompassControl::Face {
    wxImage buffer;
    detail::PatchCache offsets;
};

// Compasses made from the same images share their pictures: a panel of several compasses
// composes each offset once.
std::shared_ptr<VornCompassControl::Face> VornCompassControl::SharedFace(const BitmapA* frame, const BitmapA* tape, const BitmapA* mask)
{
    using Key = std::tuple<const BitmapA*, const BitmapA*, const BitmapA*>;
    static std::map<Key, std::weak_ptr<VornCompassControl::Face>> faces;
    for (auto it = faces.begin(); it != faces.end();)
        it = it->second.expired() ? faces.erase(it) : std::next(it);
    std::weak_ptr<VornCompassControl::Face>& slot = faces[Key(frame, tape, mask)];
    if (auto face = slot.lock())
        return face;
    auto face = std::make_shared<VornCompassControl::Face>();
    const int w = Width(frame), h = Height(frame);
    if (w > 0 && h > 0) {
        face->buffer.Create(w, h);
        face->offsets.Reset(CompassModel::kTurnPixels + 1, w, h);
    }
    slot = face;
    return face;
}

VornCompassControl::VornCompassControl() = default;
VornCompassControl::~VornCompassControl() = default;

VornCompassControl::VornCompassControl(const BitmapA* frame, const BitmapA* tape, const BitmapA* mask, int x, int y,
                                       int w, int h, wxWindow* parent, int id, VornControlGroup* group, long style)
{
    VornCompassControl::Create(frame, tape, mask, x, y, w, h, parent, id, group, style);
}

bool VornCompassControl::Create(const BitmapA* frame, const BitmapA* tape, const BitmapA* mask, int x, int y, int w,
                                int h, wxWindow* parent, int id, VornControlGroup* group, long style)
{
    const bool ok = VornControl::Create(x, y, w, h, parent, id, group, style);
    m_frame = frame;
    m_tape = tape;
    m_mask = mask;
    m_model = CompassModel();
    m_face = SharedFace(frame, tape, mask);
    return ok;
}

void VornCompassControl::SetValue(float v)
{
    m_model.SetValue(v);
    Refresh(false);
}

void VornCompassControl::ReportSelected()
{
    if (m_group)
        m_group->ControlSelected(GetId(), this);
}

void VornCompassControl::MoveLeft()
{
    m_model.MoveLeft();
    ReportSelected();
    Refresh(false);
}

void VornCompassControl::MoveRight()
{
    m_model.MoveRight();
    ReportSelected();
    Refresh(false);
}

// A second button pressed during a drag starts no new one; the drag ends when no button
// is left down.
void VornCompassControl::OnMouseButton()
{
    if (!GetMouseDown()) {
        ReleaseMouse();
        return;
    }
    if (IsMouseCaptive())
        return;
    int x = 0, y = 0;
    GetLastMousePos(x, y);
    CaptureMouse();
    m_model.Press(x);
}

void VornCompassControl::OnMouseMove(int x, int)
{
    if (!GetMouseDown() || !IsMouseCaptive())
        return;
    m_model.DragTo(x, GetMetaKey());
    ReportSelected(); // every step, moved or not; the compass sends no hints
    Refresh(false);
}

void VornCompassControl::OnDraw(wxDC* dc)
{
    const int w = Width(m_frame), h = Height(m_frame);
    if (w <= 0 || h <= 0 || !m_face)
        return;
    const int offset = m_model.GetPixelOffset();
    m_face->offsets.Draw(*dc, offset, wxRect(0, 0, w, h), m_face->buffer, [&](Filter& target) {
        vorn::Clear(target, ColorA(0, 0, 0, 1)); // black where neither the tape nor the frame covers
        FilterPtr tape = ReadFilter(m_tape);
        FilterPtr mask = ReadFilter(m_mask);
        if (tape && mask) {
            const int mw = mask->GetWidth(), mh = mask->GetHeight();
            if (FilterPtr window = Crop(offset, 0, mw + offset, mh, *tape))
                Blit(target, *window, *mask, 0, 0);
        }
        if (FilterPtr frame = ReadFilter(m_frame))
            Blit(target, *frame, 0, 0);
    });
    RecalcIfDirty();
}

} // namespace vorn
