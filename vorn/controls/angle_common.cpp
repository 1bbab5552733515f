#include <vorn/controls/angle_common.h>

#include <wx/bitmap.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>

#include <vorn/framework/control.h>
#include <vorn/framework/control_group.h>
#include <vorn/framework/hints.h>

bool ValueDrag::Begin(VornControl& control, VornControlGroupValue* group)
{
    if (m_active)
        return false;
    m_active = true;
    control.CaptureMouse();
    if (group)
        group->ControlSelected(control.GetId(), &control);
    return true;
}

bool ValueDrag::End(VornControl& control, VornControlGroupValue* group, double value)
{
    if (!m_active)
        return false;
    m_active = false;
    control.ReleaseMouse();
    if (group) {
        group->ControlUnSelected(control.GetId(), &control);
        RealValChanged hint(value);
        group->Update(0, &control, &hint);
    }
    return true;
}

void ReportValueChanging(VornControl& control, VornControlGroupValue* group, double value)
{
    if (!group)
        return;
    group->ControlDrag(control.GetId(), &control);
    RealValChanging hint(value);
    group->Update(0, &control, &hint);
}

void DrawAtOnce(VornControl& control)
{
    if (!control.IsShownOnScreen())
        return;
    wxClientDC dc(&control);
    control.OnDraw(&dc);
}

std::unique_ptr<wxImage> MakeDrawingBuffer(int w, int h)
{
    return w > 0 && h > 0 ? std::make_unique<wxImage>(w, h) : std::make_unique<wxImage>();
}

void CopyImage(wxDC& dc, const wxImage& image)
{
    if (!image.IsOk())
        return;
    const wxBitmap bitmap(image);
    wxMemoryDC source;
    source.SelectObjectAsSource(bitmap);
    dc.Blit(0, 0, image.GetWidth(), image.GetHeight(), &source, 0, 0, wxCOPY, false);
}
