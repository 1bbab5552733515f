#pragma once
// The value controls as test kinds: how each is made (at once, or default-constructed then
// created), where a drag presses and steps, and a path of steps that comes back on itself.
#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <tuple>
#include <vector>

#include <wx/bitmap.h>
#include <wx/image.h>

#include <vorn/controls/angle_clippers.h>
#include <vorn/controls/angle_control.h>
#include <vorn/controls/slider.h>
#include <vorn/controls/thumb_wheel.h>

#include "group_recorder.h"
#include "pixels.h"
#include "test_support.h"

namespace vorntest {
using namespace vorn;

using Rgba = std::array<unsigned char, 4>;

inline BitmapA MakeImage(int w, int h, const std::function<Rgba(int x, int y)>& pixel)
{
    BitmapA b;
    b.Create(w, h, 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Rgba p = pixel(x, y);
            std::copy(p.begin(), p.end(), b.PixelAt(x, y));
        }
    return b;
}

inline bool SameImage(const wxImage& a, const wxImage& b)
{
    return a.GetSize() == b.GetSize() &&
           std::memcmp(a.GetData(), b.GetData(), static_cast<size_t>(a.GetWidth()) * a.GetHeight() * 3) == 0;
}

// A 60 x 6 texture whose red channel counts its columns (4 per column) and whose green
// channel counts its rows (40 per row), a 40 x 6 mask that hides columns 0 and 1 and
// half-shows column 2, and a 40 x 8 frame: transparent over the wheel except its last
// column (green) and a half-transparent white column 20, opaque blue below it.
struct WheelArt {
    BitmapA texture = MakeImage(60, 6, [](int x, int y) {
        return Rgba{static_cast<unsigned char>(4 * x), static_cast<unsigned char>(40 * y), 0, 255};
    });
    BitmapA mask = MakeImage(40, 6, [](int x, int) {
        const unsigned char v = x < 2 ? 0 : x == 2 ? 128 : 255;
        return Rgba{v, v, v, 255};
    });
    BitmapA frame = MakeImage(40, 8, [](int x, int y) {
        if (y >= 6)
            return Rgba{0, 0, 255, 255};
        if (x == 20)
            return Rgba{255, 255, 255, 128}; // a half-transparent highlight
        return x == 39 ? Rgba{0, 255, 0, 255} : Rgba{0, 0, 0, 0};
    });
};

// The slider bitmaps: caps 6 x 20 (grey plain, red, green, yellow typed), a blue fill, a
// white knob 10 x 14, and for the track look a red knob 10 x 18 over a grey track 120 x 20.
struct SliderArt {
    wxBitmap leftCap = Solid(6, 20, wxColour(128, 128, 128)), cap0 = Solid(6, 20, wxColour(255, 0, 0)),
             cap1 = Solid(6, 20, wxColour(0, 255, 0)), cap2 = Solid(6, 20, wxColour(255, 255, 0)),
             fill = Solid(200, 6, wxColour(0, 0, 255)), knob = Solid(10, 14, wxColour(255, 255, 255)),
             track = Solid(120, 20, wxColour(40, 40, 40)), trackKnob = Solid(10, 18, wxColour(255, 0, 0));
};

// Made once and kept: controls point at the images for as long as they live.
template <class Art>
Art& Kept()
{
    static auto* art = new Art;
    return *art;
}

const ColorA kDialLine(1, 1, 1, 1), kDialBack(0, 0, 0, 1), kDialSecond(1, 0, 0, 1);

inline std::string Said(const char* what, const VornControl* c) { return std::string(what) + " id=" + std::to_string(c->GetId()); }

// What the group hears from one drag of `c`: each step's value, then the value released.
inline std::vector<std::string> DragReport(const VornControl* c, const std::vector<double>& steps, double released)
{
    std::vector<std::string> out{Said("Selected", c)};
    for (const double v : steps) {
        out.push_back(Said("Drag", c));
        out.push_back("Update id=0 RealValChanging " + FormatReal(v));
    }
    out.push_back(Said("UnSelected", c));
    out.push_back("Update id=0 RealValChanged " + FormatReal(released));
    return out;
}

// The largest value of one channel (0 red, 1 green) in a box of the image.
inline int Brightest(const wxImage& img, int x0, int y0, int x1, int y1, int channel)
{
    int best = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            best = std::max(best, static_cast<int>(img.GetData()[(y * img.GetWidth() + x) * 3 + channel]));
    return best;
}

// Pixels of an image that must have the given "#RRGGBB" colours.
using PixelList = std::vector<std::pair<wxPoint, std::string>>;
inline void ExpectPixels(const wxImage& img, const PixelList& want)
{
    for (const auto& [p, colour] : want)
        EXPECT_EQ(PixelStr(img, p.x, p.y), colour) << p.x << "," << p.y;
}

// Boxes of an image where a channel is lit somewhere (above half) or dark throughout.
struct Glow {
    int x0, y0, x1, y1, channel;
    bool lit;
};
inline void ExpectGlows(const wxImage& img, const std::vector<Glow>& boxes)
{
    for (const Glow& g : boxes) {
        const int b = Brightest(img, g.x0, g.y0, g.x1, g.y1, g.channel);
        EXPECT_TRUE(g.lit ? b > 128 : b == 0) << g.x0 << "," << g.y0 << " channel " << g.channel << ": " << b;
    }
}

// Controls on a dark panel in a shown frame, made by Make, and a group that has heard nothing yet.
class ValueTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        panel->SetBackgroundColour(wxColour(10, 20, 30));
        Make();
        ShowFrame();
        group.events.clear();
    }
    virtual void Make() = 0;
    GroupRecorder group;
};

// Each kind: its constructor's arguments (Make passes them to the constructor, MakeLater to
// Create after default construction), Value, the press and first step of a drag, and a
// path of further steps.
template <class C, class Derived>
struct KindBase {
    using Control = C;
    static C* Make(wxWindow* p, VornControlGroupValue* g)
    {
        return Derived::Prepare(std::apply([](auto... a) { return new C(a...); }, Derived::Args(p, g)));
    }
    static C* MakeLater(wxWindow* p, VornControlGroupValue* g)
    {
        auto* c = new C;
        std::apply([c](auto... a) { c->Create(a...); }, Derived::Args(p, g));
        return Derived::Prepare(c);
    }
    static C* Prepare(C* c) { return c; }
    static double Value(const C* c) { return c->GetValue(); }
};

struct PlainSliderKind : KindBase<VornSlider, PlainSliderKind> {
    static inline const wxPoint kPress{5, 10}, kStep{25, 10};
    static auto Args(wxWindow* p, VornControlGroupValue* g) { return std::make_tuple(0, 0, 20, 110, p, -1, g); }
    static std::vector<wxPoint> Path() { return {{25, 10}, {40, 10}, {25, 10}, {90, 10}, {40, 10}}; }
};

struct BitmapSliderKind : KindBase<VornSliderA, BitmapSliderKind> {
    static inline const wxPoint kPress{8, 10}, kStep{28, 10};
    static auto Args(wxWindow* p, VornControlGroupValue* g)
    {
        SliderArt& a = Kept<SliderArt>();
        return std::make_tuple(VornSliderA::SLIDER_CAP0, &a.leftCap, &a.knob, &a.cap0, &a.cap1, &a.cap2, &a.fill, 0,
                               0, 20, 110, wxColour(*wxBLACK), p, -1, g);
    }
    static std::vector<wxPoint> Path() { return {{28, 10}, {50, 10}, {28, 10}, {100, 10}, {12, 10}}; }
};

struct DrawnSliderKind : KindBase<VornSliderB, DrawnSliderKind> {
    static inline const wxPoint kPress{5, 10}, kStep{25, 10};
    static auto Args(wxWindow* p, VornControlGroupValue* g)
    {
        return std::make_tuple(wxColour(*wxBLACK), wxColour(*wxWHITE), 0, 0, 110, 20, p, -1, g);
    }
    static std::vector<wxPoint> Path() { return {{25, 10}, {26, 10}, {60, 10}, {25, 10}, {102, 10}, {7, 10}}; }
};

struct TrackSliderKind : KindBase<VornSliderC, TrackSliderKind> {
    static inline const wxPoint kPress{5, 10}, kStep{25, 10};
    static auto Args(wxWindow* p, VornControlGroupValue* g)
    {
        SliderArt& a = Kept<SliderArt>();
        return std::make_tuple(&a.trackKnob, &a.track, 3, 3, 0, 0, p, -1, g);
    }
    static std::vector<wxPoint> Path() { return {{25, 10}, {60, 10}, {25, 10}, {105, 10}}; }
};

struct WheelKind : KindBase<VornThumbWheelControl, WheelKind> {
    static inline const wxPoint kPress{10, 3}, kStep{15, 3};
    static auto Args(wxWindow* p, VornControlGroupValue* g)
    {
        WheelArt& a = Kept<WheelArt>();
        return std::make_tuple(&a.frame, &a.texture, &a.mask, 0, 0, false, 20, p, -1, g);
    }
    static VornThumbWheelControl* Prepare(VornThumbWheelControl* c)
    {
        c->SetCurrentValue(35.0f);
        return c;
    }
    static double Value(const VornThumbWheelControl* c) { return c->GetCurrentValue(); }
    static std::vector<wxPoint> Path() { return {{15, 3}, {25, 3}, {15, 3}, {-20, 3}, {40, 3}, {33, 3}}; }
};

struct DialKind : KindBase<VornAngleControl, DialKind> {
    static inline const wxPoint kPress{90, 50}, kStep{50, 20};
    static auto Args(wxWindow* p, VornControlGroupValue* g) { return std::make_tuple(50, 50, 40, 0, 0, 100, 100, p, -1, g); }
    static std::vector<wxPoint> Path() { return {{50, 20}, {10, 50}, {50, 20}, {50, 90}, {95, 55}}; }
};

struct DrawnDialKind : KindBase<VornAngleControlB, DrawnDialKind> {
    static inline const wxPoint kPress{110, 30}, kStep{90, 5};
    static auto Args(wxWindow* p, VornControlGroupValue* g) { return std::make_tuple(kDialLine, kDialBack, 0, 0, 120, 60, p, -1, g); }
    static std::vector<wxPoint> Path() { return {{90, 5}, {60, 30}, {90, 5}, {90, 58}, {119, 40}, {70, 10}, {61, 31}}; }
};

struct ClippersKind : KindBase<VornAngleClippers, ClippersKind> {
    static inline const wxPoint kPress{40, 10}, kStep{40, 30};
    static auto Args(wxWindow* p, VornControlGroupValue* g)
    {
        return std::make_tuple(kDialBack, kDialLine, kDialSecond, 100, 0, 0, 80, 44, p, -1, g);
    }
    static std::vector<wxPoint> Path() { return {{40, 30}, {40, 50}, {40, 103}, {40, 108}, {40, 110}, {40, 20}, {40, 64}}; }
};

} // namespace vorntest
