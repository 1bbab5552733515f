#include "slider_art.h"

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>

using namespace vorn;

bool LoadSliderArt(AssetManager& assets, SliderArt& art)
{
    using namespace vornskin;
    const std::pair<const char*, const wxBitmap**> wanted[] = {
        {kSliderLeftCap, &art.leftCap}, {kSliderCap0, &art.cap0}, {kSliderCap1, &art.cap1},
        {kSliderCap2, &art.cap2},       {kSliderFill, &art.fill}, {kSliderKnob, &art.knobA},
        {kSliderCTrack, &art.track},    {kSliderCKnob, &art.knobC},
    };
    bool all = true;
    for (const auto& [name, slot] : wanted)
        all = assets.LoadImageCached(name, *slot) && all;
    return all;
}
