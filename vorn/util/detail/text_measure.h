#pragma once
// Measuring text without a window. A memory context per call, or per control, costs more
// than the measuring (a tree makes thousands of labels and edit boxes), so a few contexts
// serve every caller.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/font.h>
#include <wx/graphics.h>

namespace vorn::detail {

// A context holding `font` (the toolkit's normal font for one that is not set). Extents do
// not depend on the bitmap a context holds, so a 1 x 1 one does. Labels, edit boxes and
// windows measure in different fonts, one after another: switching one context's font costs
// a font comparison and a font set-up each time, so each font keeps a context of its own.
// Kept to the end of the process: the toolkit is gone before static objects are destroyed.
inline wxMemoryDC& MeasuringContext(const wxFont& font)
{
    struct Context {
        wxFont font;
        wxBitmap scratch{1, 1, 24};
        wxMemoryDC dc{scratch};
    };
    static auto* const contexts = new std::vector<std::unique_ptr<Context>>;
    const wxFont& wanted = font.IsOk() ? font : *wxNORMAL_FONT;
    for (const auto& c : *contexts) // the same font object: no comparing of its properties
        if (c->font.IsSameAs(wanted))
            return c->dc;
    for (const auto& c : *contexts)
        if (c->font == wanted)
            return c->dc;
    if (contexts->size() >= 16)
        contexts->erase(contexts->begin());
    auto context = std::make_unique<Context>();
    context->font = wanted;
    context->dc.SetFont(wanted);
    contexts->push_back(std::move(context));
    return contexts->back()->dc;
}

// Text extents by font and text, for short texts measured again and again: tree labels (every
// object of a scene has its "Position") and the numbers edit boxes show. Kept by font and
// looked up without copying the text; a font's table is emptied when it grows large, and texts
// longer than a label are measured each time.
inline wxSize CachedTextExtent(const wxFont& font, const std::string& text)
{
    if (text.size() > 64)
        return MeasuringContext(font).GetTextExtent(wxString::FromUTF8(text));
    using Extents = std::map<std::string, wxSize, std::less<>>;
    struct Known {
        std::map<wxString, Extents> byFont;
        wxFont font;                // the font last asked for
        Extents* extents = nullptr; // and its table
    };
    static Known* const known = new Known; // kept to the end: the toolkit is gone before statics are
    if (!known->extents || !known->font.IsOk() || known->font != font) {
        if (known->byFont.size() >= 64)
            known->byFont.clear();
        known->extents = &known->byFont[font.IsOk() ? font.GetNativeFontInfoDesc() : wxString()];
        known->font = font;
    }
    Extents& extents = *known->extents;
    const auto it = extents.find(text);
    if (it != extents.end())
        return it->second;
    if (extents.size() >= 4096)
        extents.clear();
    const wxSize size = MeasuringContext(font).GetTextExtent(wxString::FromUTF8(text));
    extents.emplace(text, size);
    return size;
}

// Draws a run of text in the context's font and text colour with its top-left corner at
// (x, y). A context drawing through a graphics context (every memory and client context on
// GTK 3) measures the whole text again after drawing it, only to grow its bounding box, which
// nothing here reads; so text on a transparent background goes to the graphics context
// directly. Solid-background text keeps the context's own path.
inline void DrawTextRun(wxDC& dc, const wxString& text, int x, int y)
{
    wxGraphicsContext* gc = dc.GetGraphicsContext();
    if (gc && dc.GetBackgroundMode() == wxBRUSHSTYLE_TRANSPARENT && !text.empty())
        gc->DrawText(text, x, y);
    else
        dc.DrawText(text, x, y);
}

} // namespace vorn::detail
