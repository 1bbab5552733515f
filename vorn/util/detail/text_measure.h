#pragma once
// Measuring text without a window. A memory context per call, or per control, costs more
// than the measuring (a tree makes thousands of labels and edit boxes), so one context
// serves every caller; its font is switched only when another font is asked for.
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/font.h>

namespace vorn::detail {

// The shared context, holding `font` (the toolkit's normal font for one that is not set).
// Extents do not depend on the bitmap a context holds, so a 1 x 1 one does. Kept to the
// end of the process: the toolkit is gone before static objects are destroyed.
inline wxMemoryDC& MeasuringContext(const wxFont& font)
{
    struct Context {
        wxBitmap scratch{1, 1, 24};
        wxMemoryDC dc{scratch};
        wxFont font;
    };
    static Context* const context = new Context;
    const wxFont& wanted = font.IsOk() ? font : *wxNORMAL_FONT;
    if (!context->font.IsOk() || context->font != wanted) {
        context->dc.SetFont(wanted);
        context->font = wanted;
    }
    return context->dc;
}

} // namespace vorn::detail
