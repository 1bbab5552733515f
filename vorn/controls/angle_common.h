#pragma once
// Pieces shared by the dials and the thumb wheel: the drag session every one of them
// reports the same way, and the drawing buffer of the looks composed with the imaging
// layer.
#include <memory>

#include <wx/dc.h>
#include <wx/image.h>

class VornControl;
class VornControlGroupValue;

// One drag of a value control:
//   Begin  capture the mouse, ControlSelected(id)
//   Step   ControlDrag(id), Update(0, RealValChanging(value))
//   End    release the mouse, ControlUnSelected(id), Update(0, RealValChanged(value))
// A second button pressed during a drag does not begin another, and an end without a
// drag reports nothing. Every group call is skipped without a group.
class ValueDrag {
public:
    bool IsActive() const { return m_active; }
    // False, doing nothing, while a drag is on.
    bool Begin(VornControl& control, VornControlGroupValue* group);
    // False, doing nothing, without a drag.
    bool End(VornControl& control, VornControlGroupValue* group, double value);

private:
    bool m_active = false;
};

// ControlDrag and a RealValChanging hint, as at every drag step.
void ReportValueChanging(VornControl& control, VornControlGroupValue* group, double value);

// Draws the control at once through a client context, as drags do, when it is on screen.
void DrawAtOnce(VornControl& control);

// A buffer of the control's size; an empty image for a control with no area (the toolkit
// refuses to make one).
std::unique_ptr<wxImage> MakeDrawingBuffer(int w, int h);

// Converts the image to a bitmap and copies it to the context's (0, 0) at the image's
// size, plainly and without mask.
void CopyImage(wxDC& dc, const wxImage& image);
