#include "pictures.h"

#include <cmath>
#include <cstdio>

#include <wx/image.h>

#include <vorn/util/raster.h>
#include <vorn/util/wx_image_filter.h>

#include "shapes.h"

using namespace vorn;

namespace {

std::string Size(int w, int h) { return std::to_string(w) + "x" + std::to_string(h); }

std::string Name(int w, int h, const std::string& part) { return "tpl_" + Size(w, h) + "_" + part + ".png"; }

void Add(std::vector<SkinPicture>& list, int w, int h, const std::string& part, std::function<void(Filter&)> paint)
{
    list.push_back({Name(w, h, part), w, h, std::move(paint)});
}

void AddShape(std::vector<SkinPicture>& list, int w, int h, const std::string& part, Shape shape, double level = 1.0)
{
    Add(list, w, h, part, [shape, level](Filter& f) { Fill(f, shape, level); });
}

// A button face: a one-pixel rim, the face inside it and a highlight along its top.
void AddBox(std::vector<SkinPicture>& list, int w, int h, double r)
{
    AddShape(list, w, h, "edge", RoundRing(0, 0, w, h, r));
    AddShape(list, w, h, "face", RoundRect(1, 1, w - 1, h - 1, std::max(0.0, r - 1)));
    AddShape(list, w, h, "light", RoundRect(2, 1, w - 2, 2, 0), 0.8);
}

// A wheel seen edge-on: the rim and its shading (frame), the window the ridges show
// through (mask) and the ridges, repeating every 6 pixels so that a 300-pixel period wraps.
void AddWheel(std::vector<SkinPicture>& list, int w, int h, int textureWidth)
{
    const Shape body = RoundRect(0, 0, w, h, 2);
    AddShape(list, w, h, "rim", RoundRing(0, 0, w, h, 2));
    AddShape(list, w, h, "corner", Minus([](double, double) { return true; }, body));
    Add(list, w, h, "alpha", [w, h, body](Filter& f) {
        // Opaque rim and corners; inside, a shadow that deepens towards both ends.
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                double a = 1.0;
                if (RoundRect(1, 1, w - 1, h - 1, 1)(x + 0.5, y + 0.5)) {
                    const double s = std::sin(M_PI * (x + 0.5) / w);
                    a = 0.85 * std::pow(1.0 - s, 1.4);
                    if (y == 1 || y == h - 2)
                        a = std::min(1.0, a + 0.35);
                }
                f.WritePixel(x, y, ColorA(a, a, a));
            }
        }
    });
    AddShape(list, w, h, "mask", RoundRect(1, 1, w - 1, h - 1, 1));
    Add(list, textureWidth, h, "ridges", [textureWidth, h](Filter& f) {
        const double profile[6] = {0.15, 0.55, 1.0, 0.55, 0.15, 0.0};
        for (int x = 0; x < textureWidth; ++x)
            for (int y = 0; y < h; ++y)
                f.WritePixel(x, y, ColorA(profile[x % 6], profile[x % 6], profile[x % 6]));
    });
}

// Heading letters, 5 x 7 pixels each, for the compass tape.
void Letter(Filter& f, char c, int left, int top)
{
    static const struct {
        char c;
        const char* rows[7];
    } font[] = {
        {'N', {"#...#", "##..#", "#.#.#", "#.#.#", "#..##", "#...#", "#...#"}},
        {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
        {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
        {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"}},
    };
    for (const auto& glyph : font)
        if (glyph.c == c)
            for (int y = 0; y < 7; ++y)
                for (int x = 0; x < 5; ++x)
                    if (glyph.rows[y][x] == '#')
                        f.WritePixel(left + x, top + y, ColorA(1, 1, 1));
}

// The lubber line: the heading is read under the window's centre.
void CompassIndex(Filter& f, int w, int h)
{
    Fill(f, Triangle(w / 2.0 - 3.5, 1, w / 2.0 + 4.5, 1, w / 2.0 + 0.5, 5.5));
    Stroke(f, w / 2, 5, w / 2, h - 3);
}

// A heading tape: a mark every 5 degrees of the 321-pixel turn (longer every 15), and
// N, E, S, W every 90; drawn modulo the period, so the strip wraps without a seam.
void AddCompass(std::vector<SkinPicture>& list, int w, int h, int tapeWidth)
{
    constexpr int kTurn = 321;
    AddShape(list, w, h, "rim", RoundRing(0, 0, w, h, 3));
    AddShape(list, w, h, "corner", Minus([](double, double) { return true; }, RoundRect(0, 0, w, h, 3)));
    Add(list, w, h, "alpha", [w, h](Filter& f) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                double a = 1.0;
                if (RoundRect(1, 1, w - 1, h - 1, 2)(x + 0.5, y + 0.5))
                    a = 0.8 * std::pow(1.0 - std::sin(M_PI * (x + 0.5) / w), 1.6);
                f.WritePixel(x, y, ColorA(a, a, a));
            }
        CompassIndex(f, w, h); // opaque where the index is drawn
    });
    AddShape(list, w, h, "mask", RoundRect(1, 1, w - 1, h - 1, 2));
    Add(list, w, h, "index", [w, h](Filter& f) { CompassIndex(f, w, h); });
    // The frame's index sits at the window's middle, so heading 0 ("N") lies half a window
    // into the tape.
    const int zero = w / 2;
    Add(list, tapeWidth, h, "marks", [tapeWidth, h, zero](Filter& f) {
        for (int k = 0; k < 72; ++k) {
            const int at = (static_cast<int>(std::lround(k * kTurn / 72.0)) + zero) % kTurn;
            const int length = k % 18 == 0 ? 0 : k % 3 == 0 ? 8 : 4;
            for (int x = at; x < tapeWidth; x += kTurn)
                if (length)
                    Stroke(f, x, h - 2 - length, x, h - 3, k % 3 == 0 ? 1.0 : 0.6);
        }
    });
    Add(list, tapeWidth, h, "letters", [tapeWidth, zero](Filter& f) {
        const char letters[] = {'N', 'E', 'S', 'W'};
        for (int q = 0; q < 4; ++q) {
            const int at = static_cast<int>(std::lround(q * kTurn / 4.0)) + zero;
            for (int x = at - kTurn; x < tapeWidth + kTurn; x += kTurn)
                Letter(f, letters[q], x - 2, 9); // pixels outside the strip are dropped
        }
    });
}

// The attitude face: a round instrument, sky over ground with a pitch ladder, on alpha.
void AddHorizon(std::vector<SkinPicture>& list, int size)
{
    const double c = size / 2.0, r = size / 2.0;
    AddShape(list, size, size, "disc", Disc(c, c, r));
    AddShape(list, size, size, "ground", [c, r](double x, double y) {
        return y >= c && (x - c) * (x - c) + (y - c) * (y - c) <= r * r;
    });
    AddShape(list, size, size, "bezel", Minus(Disc(c, c, r), Disc(c, c, r - 3)));
    Add(list, size, size, "ladder", [size, c](Filter& f) {
        Stroke(f, 3, c, size - 4, c); // the horizon
        for (int step : {-2, -1, 1, 2}) {
            const double half = step % 2 == 0 ? 14 : 8;
            Stroke(f, c - half, c + step * 10, c + half, c + step * 10, 0.8);
        }
    });
}

// Movie bar handles: a pin above the bar, and wedges below it whose upright edge marks
// the start and the end of the range.
void AddMovieHandles(std::vector<SkinPicture>& list)
{
    AddShape(list, 9, 10, "pin", Union(RoundRect(0, 0, 9, 6, 2), Triangle(0, 5, 9, 5, 4.5, 10)));
    AddShape(list, 9, 10, "pinface", Union(RoundRect(1, 1, 8, 5, 1), Triangle(1, 4.5, 8, 4.5, 4.5, 8.5)));
    AddShape(list, 9, 8, "start", Triangle(9, 0, 9, 8, 0, 8));
    AddShape(list, 9, 8, "end", Triangle(0, 0, 0, 8, 9, 8));
}

// Time control: a face with a window of radius 28.5 about the centre pixel of a 65-pixel
// square, twelve hour marks (longer every three hours) and a hub; a 63-pixel hand plate
// whose hand points right from its centre pixel.
void AddTimeDial(std::vector<SkinPicture>& list)
{
    constexpr double c = 32.5, window = 28.5;
    const Shape marks = [c](double x, double y) {
        const double dx = x - c, dy = y - c, r = std::hypot(dx, dy);
        if (r <= 3.0)
            return true; // the hub
        const double a = std::atan2(dy, dx) / (M_PI / 6.0);
        const double k = std::round(a);
        const bool major = static_cast<long>(k) % 3 == 0;
        return r >= (major ? 21.0 : 23.5) && r <= 27.0 && std::fabs(a - k) * (M_PI / 6.0) * r <= (major ? 1.0 : 0.6);
    };
    AddShape(list, 65, 65, "bezel", Minus(Disc(c, c, 32.5), Disc(c, c, window)));
    AddShape(list, 65, 65, "rimlight", Minus(Disc(c, c, 31.5), Disc(c, c, 30.5)), 0.7);
    AddShape(list, 65, 65, "marks", marks);
    Add(list, 65, 65, "alpha", [c, window, marks](Filter& f) {
        Fill(f, Minus([](double, double) { return true; }, Disc(c, c, window)));
        Fill(f, marks);
    });
    constexpr double h = 31.5; // the plate's centre
    AddShape(list, 63, 63, "plate", Disc(h, h, h));
    AddShape(list, 63, 63, "hand",
             Union(Union(Triangle(h, h - 2.2, h, h + 2.2, h + 20, h), Triangle(h, h - 1.2, h, h + 1.2, h - 7, h)),
                   Disc(h, h, 2.6)));
}

std::vector<SkinPicture> MakePictures()
{
    std::vector<SkinPicture> list;
    for (int s : {11, 13, 15, 17})
        AddBox(list, s, s, s >= 15 ? 3 : 2);
    AddBox(list, 22, 22, 4);
    AddBox(list, 150, 18, 3);
    AddBox(list, 11, 12, 2);
    AddBox(list, 12, 16, 3);
    for (auto [w, h] : {std::pair{56, 15}, std::pair{120, 16}, std::pair{56, 16}})
        AddBox(list, w, h, 2);
    for (auto [w, h] : {std::pair{120, 20}, std::pair{64, 20}, std::pair{150, 20}})
        AddBox(list, w, h, 3);

    // Branch toggle: plus (closed), minus (open).
    Add(list, 11, 11, "plus", [](Filter& f) {
        Stroke(f, 3, 5, 7, 5);
        Stroke(f, 5, 3, 5, 7);
    });
    Add(list, 11, 11, "minus", [](Filter& f) { Stroke(f, 3, 5, 7, 5); });
    // Check box and expand button.
    Add(list, 13, 13, "check", [](Filter& f) {
        Fill(f, [](double x, double y) {
            // Two thick strokes, short one down to the corner, long one up to the right.
            const double d1 = std::fabs((y - 7.0) - (x - 3.5)) / std::sqrt(2.0);
            const double d2 = std::fabs((y - 9.5) + (x - 6.0)) / std::sqrt(2.0);
            return (x >= 3 && x <= 6.3 && d1 < 0.95) || (x >= 5.5 && x <= 10.2 && d2 < 0.95);
        });
    });
    AddShape(list, 13, 13, "expand", Triangle(5, 3.5, 5, 9.5, 9, 6.5));
    // Tree asset buttons: T, F, a curve, a ramp, a ball.
    Add(list, 17, 17, "t", [](Filter& f) {
        Stroke(f, 5, 4, 11, 4);
        Stroke(f, 8, 5, 8, 12);
    });
    Add(list, 17, 17, "f", [](Filter& f) {
        Stroke(f, 6, 4, 6, 12);
        Stroke(f, 7, 4, 11, 4);
        Stroke(f, 7, 8, 10, 8);
    });
    AddShape(list, 17, 17, "curve", [](double x, double y) {
        const double fy = 8.5 + 3.5 * std::cos(M_PI * (x - 3.5) / 10.0);
        return x >= 3.5 && x <= 13.5 && std::fabs(y - fy) < 0.75;
    });
    Add(list, 17, 17, "grad", [](Filter& f) {
        for (int x = 4; x <= 12; ++x) {
            const double g = 0.2 + 0.8 * (x - 4) / 8.0;
            for (int y = 5; y <= 11; ++y)
                f.WritePixel(x, y, ColorA(g, g, g));
        }
    });
    Add(list, 17, 17, "m", [](Filter& f) {
        Fill(f, Disc(8.5, 8.5, 4.6), 0.55);
        Fill(f, Disc(7.2, 7.2, 1.7), 1.0);
    });
    // Host buttons.
    AddShape(list, 22, 22, "play", Triangle(8, 6, 8, 16, 16.5, 11));
    AddShape(list, 22, 22, "power",
             Union(Minus(Minus(Disc(11, 12, 5.6), Disc(11, 12, 4.2)), RoundRect(9, 4, 13, 10, 0)),
                   RoundRect(10.25, 4.5, 11.75, 11.5, 0.5)));
    AddShape(list, 16, 16, "edge", Minus(Disc(8, 8, 7.5), Disc(8, 8, 6.5)));
    AddShape(list, 16, 16, "face", Disc(8, 8, 6.5));
    AddShape(list, 16, 16, "light", Minus(Disc(8, 8, 6.5), Disc(8, 9.2, 6.5)), 0.8);
    AddShape(list, 16, 16, "dot", Disc(8, 8, 3));
    AddShape(list, 16, 16, "moon", Minus(Disc(8, 8, 4.5), Disc(10, 6.5, 4)));
    AddShape(list, 15, 15, "up", Triangle(3.5, 10, 11.5, 10, 7.5, 5));
    AddShape(list, 15, 15, "down", Triangle(3.5, 5, 11.5, 5, 7.5, 10));
    AddShape(list, 15, 15, "menu", Triangle(4.5, 6, 10.5, 6, 7.5, 9.5));
    AddShape(list, 15, 15, "left", Triangle(10, 3.5, 10, 11.5, 5, 7.5));
    AddShape(list, 15, 15, "right", Triangle(5, 3.5, 5, 11.5, 10, 7.5));
    // Menu radio marks.
    AddShape(list, 12, 12, "ring", Minus(Disc(6, 6, 5), Disc(6, 6, 4)));
    AddShape(list, 12, 12, "dot", Disc(6, 6, 2.5));
    AddShape(list, 15, 15, "grip", [](double x, double y) {
        for (auto [cx, cy] : {std::pair{11.5, 11.5}, {11.5, 7.5}, {7.5, 11.5}, {11.5, 3.5}, {7.5, 7.5}, {3.5, 11.5}})
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= 1.3)
                return true;
        return false;
    });
    // List boxes: the drop arrow beside a separator, centred on the box's height.
    for (int h : {18, 20}) {
        Add(list, 150, h, "arrow", [h](Filter& f) {
            const double top = (h - 18) / 2.0;
            Fill(f, Triangle(136, 7 + top, 144, 7 + top, 140, 11.5 + top));
            Stroke(f, 130, 4, 130, h - 5, 0.6);
        });
    }
    // Pop-up scroll bar: grip (off), up and down.
    Add(list, 11, 12, "grip", [](Filter& f) {
        for (int y : {4, 6, 8})
            Stroke(f, 3, y, 7, y);
    });
    AddShape(list, 11, 12, "up", Triangle(2.5, 8, 8.5, 8, 5.5, 4));
    AddShape(list, 11, 12, "down", Triangle(2.5, 4, 8.5, 4, 5.5, 8));
    AddShape(list, 7, 7, "dot", Disc(3.5, 3.5, 3));

    // VornSliderA: caps with a type bar, the fill's groove and the knob's grip.
    AddShape(list, 8, 20, "groove", RoundRect(3, 8, 14, 12, 2));
    AddShape(list, 8, 20, "pip", RoundRect(0, 5, 2, 15, 1));
    AddShape(list, 512, 16, "groove", RoundRect(0, 6, 512, 10, 0));
    AddShape(list, 512, 16, "light", RoundRect(0, 6, 512, 7, 0), 0.7);
    Add(list, 12, 16, "grip", [](Filter& f) {
        Stroke(f, 4, 5, 4, 10);
        Stroke(f, 7, 5, 7, 10);
    });
    // VornSliderC: groove and ticks over the knob's range; a pointed knob.
    AddShape(list, 240, 20, "groove", RoundRect(4, 8, 236, 12, 2));
    Add(list, 240, 20, "ticks", [](Filter& f) {
        for (int i = 0; i <= 10; ++i) {
            const int x = 9 + static_cast<int>(std::lround(i * 22.1));
            Stroke(f, x, i % 5 == 0 ? 14 : 15, x, 17, i % 5 == 0 ? 1.0 : 0.7);
        }
    });
    const Shape knobC = Union(RoundRect(0, 0, 11, 12, 2), Triangle(0, 11, 11, 11, 5.5, 17.5));
    const Shape knobCInner = Union(RoundRect(1, 1, 10, 12, 1), Triangle(1, 11, 10, 11, 5.5, 16.2));
    AddShape(list, 11, 18, "edge", Minus(knobC, knobCInner));
    AddShape(list, 11, 18, "face", knobCInner);
    AddShape(list, 11, 18, "light", RoundRect(2, 1, 9, 2, 0), 0.8);
    Add(list, 11, 18, "grip", [](Filter& f) { Stroke(f, 5, 3, 5, 9); });

    AddWheel(list, 100, 14, 400);
    AddWheel(list, 120, 18, 420);
    AddCompass(list, 160, 28, 160 + 321);
    AddHorizon(list, 96);
    // Range controls: a groove under the band and a tick every tenth of the track 10..230,
    // across 8..22 and 24..26; the vertical one with x and y exchanged.
    for (const bool v : {false, true}) {
        const int w = v ? 28 : 240, h = v ? 240 : 28;
        AddShape(list, w, h, "rangegroove", v ? RoundRect(8, 9, 22, 231, 2) : RoundRect(9, 8, 231, 22, 2));
        Add(list, w, h, "rangeticks", [v](Filter& f) {
            for (int i = 0; i <= 10; ++i) {
                const int along = 10 + 22 * i, end = i % 5 == 0 ? 26 : 25;
                if (v)
                    Stroke(f, 24, along, end, along);
                else
                    Stroke(f, along, 24, along, end);
            }
        });
    }
    AddMovieHandles(list);
    AddTimeDial(list);
    return list;
}

} // namespace

std::vector<SkinPicture> SkinPictures() { return MakePictures(); }

bool WriteSkinPictures(const std::string& dir, std::ostream& err)
{
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
    for (const SkinPicture& picture : SkinPictures()) {
        wxImage image(picture.width, picture.height, true);
        {
            FilterPtr f = CreateFilter(image);
            if (!f) {
                err << "cannot make " << picture.name << "\n";
                return false;
            }
            vorn::Clear(*f, ColorA(0, 0, 0));
            picture.paint(*f);
        }
        const std::string path = dir + "/" + picture.name;
        if (!image.SaveFile(wxString::FromUTF8(path.c_str()), wxBITMAP_TYPE_PNG)) {
            err << "cannot write " << path << "\n";
            return false;
        }
    }
    return true;
}
