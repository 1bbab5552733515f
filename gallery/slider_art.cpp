#include "slider_art.h"

#include <wx/image.h>

#include <vorn/util/raster.h>
#include <vorn/util/wx_image_filter.h>

namespace {
const ColorA kBackground(38 / 255.0, 41 / 255.0, 46 / 255.0);
const ColorA kGroove(20 / 255.0, 22 / 255.0, 25 / 255.0);
const ColorA kEdge(70 / 255.0, 75 / 255.0, 84 / 255.0);
const ColorA kKnob(200 / 255.0, 205 / 255.0, 212 / 255.0);
const ColorA kKnobShade(120 / 255.0, 126 / 255.0, 135 / 255.0);

// Draws into a fresh image of the given size and returns it as a bitmap.
template <class Painter>
wxBitmap Paint(int w, int h, Painter paint)
{
    wxImage image(w, h);
    {
        FilterPtr f = CreateFilter(image);
        ::Clear(*f, kBackground);
        paint(*f);
    }
    return wxBitmap(image);
}

void FilledRect(Filter& f, int x0, int y0, int x1, int y1, const ColorA& c)
{
    for (int y = y0; y <= y1; ++y)
        DrawLine(f, x0, y, x1, y, c);
}

// A left cap: the rounded start of the groove, with a coloured pip for its type.
wxBitmap Cap(const ColorA& pip)
{
    return Paint(8, 20, [&](Filter& f) {
        FilledRect(f, 4, 7, 7, 12, kGroove);
        DrawCircle(f, 4, 9.5, 2.5, kGroove, true);
        DrawCircle(f, 3.5, 9.5, 2.0, pip, true);
    });
}
} // namespace

SliderArt MakeSliderArt(int width)
{
    SliderArt art;
    art.leftCap = Cap(kEdge);
    art.cap0 = Cap(ColorA(0.35, 0.75, 1.0));
    art.cap1 = Cap(ColorA(0.45, 0.9, 0.45));
    art.cap2 = Cap(ColorA(1.0, 0.7, 0.25));
    // The fill: the groove's lit part, brighter in its middle rows.
    art.fill = Paint(width, 6, [&](Filter& f) {
        const double shade[6] = {0.35, 0.6, 0.85, 0.85, 0.6, 0.35};
        for (int y = 0; y < 6; ++y)
            DrawLine(f, 0, y, width - 1, y, ColorA(0.2 * shade[y], 0.55 * shade[y], 0.95 * shade[y]));
    });
    art.knobA = Paint(12, 16, [&](Filter& f) {
        FilledRect(f, 1, 0, 10, 15, kKnob);
        DrawLine(f, 0, 1, 0, 14, kKnobShade);
        DrawLine(f, 11, 1, 11, 14, kKnobShade);
        DrawLine(f, 1, 15, 10, 15, kKnobShade);
        for (int x = 4; x <= 7; x += 3)
            DrawLine(f, x, 4, x, 11, kKnobShade);
    });
    art.track = Paint(width, 20, [&](Filter& f) {
        FilledRect(f, 2, 8, width - 3, 11, kGroove);
        DrawLine(f, 2, 7, width - 3, 7, kEdge);
        for (int x = 5; x < width - 5; x += (width - 10) / 10)
            DrawLine(f, x, 14, x, 17, kEdge); // ticks every tenth
    });
    art.knobC = Paint(11, 18, [&](Filter& f) {
        FilledRect(f, 1, 0, 9, 12, kKnob);
        for (int y = 13; y < 18; ++y) // a pointer below the grip
            DrawLine(f, 1 + (y - 12), y, 9 - (y - 12), y, kKnob);
        DrawLine(f, 5, 2, 5, 10, kKnobShade);
    });
    return art;
}
