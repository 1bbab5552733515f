#include <vorn/controls/compass.h>

#include <vorn/controls/detail/face_cache.h>
#include <vorn/framework/control_group.h>

namespace vorn {

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
    m_model = CompassModel();
    // A picture per whole pixel of tape offset: it depends on nothing finer.
    m_face = detail::StripFace::Get(frame, tape, mask, false, CompassModel::kTurnPixels + 1);
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
    if (m_face)
        m_face->Draw(*dc, m_model.GetPixelOffset());
    RecalcIfDirty();
}

} // namespace vorn
