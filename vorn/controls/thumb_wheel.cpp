#include <vorn/controls/thumb_wheel.h>

#include <vorn/controls/detail/face_cache.h>

namespace vorn {

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
    const int w = frame ? frame->width : 0, h = frame ? frame->height : 0;
    const bool ok = CreateValueControl(x, y, w, h, parent, id, group, style);
    m_model.Reset(vertical, period);
    m_face = detail::StripFace::Get(frame, texture, mask, vertical, m_model.GetPeriod() / 10 + 1);
    return ok;
}

bool VornThumbWheelControl::OnDragStep(int x, int y)
{
    m_model.DragTo(m_model.IsVertical() ? y : x, GetMetaKey());
    return true; // every step reports, moved or not
}

void VornThumbWheelControl::OnDraw(wxDC* dc)
{
    if (m_face)
        m_face->Draw(*dc, m_model.GetWindowStart());
    RecalcIfDirty();
}

} // namespace vorn
