#include <vorn/colour/gradient_comp.h>

#include <vorn/colour/gradient_hints.h>
#include <vorn/util/diagnostics.h>

namespace vorn {

GradientControlComp::GradientControlComp() = default;

GradientControlComp::GradientControlComp(int x, int y, int w, int h, wxWindow* parent, int id,
                                         VornControlGroup* group, long style)
    : VornControl(x, y, w, h, parent, id, group, style)
{
}

GradientControlComp::~GradientControlComp() = default;

void GradientControlComp::Bind(Gradient* gradient)
{
    m_gradient = gradient;
}

void GradientControlComp::SetDisplayRange(double min, double max)
{
    m_displayMin = min;
    m_displayMax = max;
}

void GradientControlComp::SetSelect(unsigned int index)
{
    m_select = index;
}

void GradientControlComp::OnUpdate(unsigned int, VornControl* control, VornControlHint* hint)
{
    if (control == this)
        return;
    if (!hint) {
        SetDirty();
    } else if (dynamic_cast<GradientHintColSmooth*>(hint)) {
        // Redraw what is there: only the base's recalculation, which clears the mark.
        VornControl::RecalcState();
    } else if (auto* add = dynamic_cast<GradientHintAdd*>(hint)) {
        SetSelect(add->index);
        SetDirty();
    } else if (auto* range = dynamic_cast<GradientHintRange*>(hint)) {
        SetDisplayRange(range->min, range->max);
        SetDirty();
    } else if (auto* select = dynamic_cast<GradientHintSelect*>(hint)) {
        SetSelect(select->index);
    } else if (dynamic_cast<GradientHintDelete*>(hint)) {
        SetSelect(0);
        SetDirty();
    } else if (dynamic_cast<GradientHintValue*>(hint)) {
        SetDirty();
    } else {
        return;
    }
    Refresh(false);
}

// The window base sends the key as a command event, which climbs to the parent at once.
void GradientControlComp::OnVornKeyDown(wxKeyEvent& event)
{
    dprintf("GC OnKeyDown - Posting a VornWindowEvent\n");
    VornWindow::OnVornKeyDown(event);
}

// A release reaches the parent later, from the event queue (dropped with the part).
void GradientControlComp::OnVornKeyUp(wxKeyEvent& event)
{
    dprintf("GC OnUp - Posting a VornWindowEvent\n");
    CallAfter([this, key = wxKeyEvent(event)]() mutable { VornWindow::OnVornKeyUp(key); });
}

} // namespace vorn
