#pragma once
// Drawing pieces shared by the dials and the thumb wheel: the drawing buffer of the
// looks composed with the imaging layer and the immediate redraw of a drag.
#include <memory>

#include <wx/dc.h>
#include <wx/image.h>

namespace vorn {
class VornControl;
} // namespace vorn

namespace vorn::detail {

// Draws the control at once through a client context, as drags do, when it is on screen.
void DrawAtOnce(VornControl& control);

// A buffer of the control's size; an empty image for a control with no area (the toolkit
// refuses to make one).
std::unique_ptr<wxImage> MakeDrawingBuffer(int w, int h);

// Converts the image to a bitmap and copies it to the context's (0, 0) at the image's
// size, plainly and without mask.
void CopyImage(wxDC& dc, const wxImage& image);

} // namespace vorn::detail
