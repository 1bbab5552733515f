#include <vorn/controls/thumb_wheel.h>

#include <wx/dcclient.h>
#include <wx/image.h>

#include <vorn/controls/detail/angle_common.h>
#include <vorn/util/raster.h>
#include <vorn/util/wx_image_filter.h>

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

VornThumbWheelControl::VornThumbWheelControl() = default;

VornThumbWheelControl::VornThumbWheelControl(const BitmapA* frame, const BitmapA* texture, const BitmapA* mask,
                                             int x, int y, bool vertical, int period, wxWindow* parent, int id,
                                             VornControlGroupValue* group, long style)
    : VornControl(x, y, Width(frame), Height(frame), parent, id, group, style)
{
    Setup(frame, texture, mask, vertical, period, group);
}

bool VornThumbWheelControl::Create(const BitmapA* frame, const BitmapA* texture, const BitmapA* mask, int x, int y,
                                   bool vertical, int period, wxWindow* parent, int id,
                                   VornControlGroupValue* group, long style)
{
    const bool ok = VornControl::Create(x, y, Width(frame), Height(frame), parent, id, group, style);
    Setup(frame, texture, mask, vertical, period, group);
    return ok;
}

void VornThumbWheelControl::Setup(const BitmapA* frame, const BitmapA* texture, const BitmapA* mask,
                                  bool vertical, int period, VornControlGroupValue* group)
{
    m_frame = frame;
    m_texture = texture;
    m_mask = mask;
    m_valueGroup = group;
    m_model.Reset(vertical, period);
}

void VornThumbWheelControl::OnMouseButton()
{
    if (GetMouseDown()) {
        if (m_drag.IsActive())
            return; // a second button neither restarts the drag nor fixes a new step
        int mx = 0, my = 0;
        GetLastMousePos(mx, my);
        m_drag.Begin(*this, m_valueGroup);
        m_model.Press(m_model.vertical ? my : mx);
        return;
    }
    EndDrag();
}

void VornThumbWheelControl::EndDrag()
{
    if (!m_drag.IsActive())
        return;
    m_model.Release();
    m_drag.End(*this, m_valueGroup, m_model.value);
}

void VornThumbWheelControl::OnEnable(bool enabled)
{
    if (!enabled)
        EndDrag();
}

void VornThumbWheelControl::SetValue(int coordinate)
{
    m_model.DragTo(coordinate, GetMetaKey());
    ReportValueChanging(*this, m_valueGroup, m_model.value);
}

void VornThumbWheelControl::OnMouseMove(int x, int y)
{
    if (!GetMouseDown() || !m_drag.IsActive())
        return;
    SetValue(m_model.vertical ? y : x);
    detail::DrawAtOnce(*this);
}

void VornThumbWheelControl::OnDraw(wxDC* dc)
{
    const int w = Width(m_frame), h = Height(m_frame);
    if (w <= 0 || h <= 0)
        return;
    wxImage image(w, h); // black where neither the wheel nor the frame covers
    {
        FilterPtr target = CreateFilter(image);
        FilterPtr texture = ReadFilter(m_texture);
        FilterPtr mask = ReadFilter(m_mask);
        if (target && texture && mask) {
            const int p = m_model.GetWindowStart();
            const int mw = mask->GetWidth(), mh = mask->GetHeight();
            FilterPtr window = m_model.vertical ? Crop(0, p, mw, mh + p, *texture) : Crop(p, 0, mw + p, mh, *texture);
            Blit(target, window, mask, 0, 0);
        }
        if (FilterPtr frame = ReadFilter(m_frame); target && frame)
            Blit(*target, *frame, 0, 0);
    }
    detail::CopyImage(*dc, image);
    if (IsDirty())
        RecalcState();
}

} // namespace vorn
