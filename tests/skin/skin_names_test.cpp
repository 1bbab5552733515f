#include <set>
#include <string>

#include <gtest/gtest.h>

#include <vorn/assets/skin_names.h>
#include <vorn/util/text.h>

using namespace vorn;

namespace {

bool EndsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(SkinNames, EachNameOnceAndFilesCarryTheExtensionOfTheirLoader)
{
    std::set<std::string> keys, files;
    for (const SkinAssetName& entry : SkinAssetNames()) {
        const std::string name = entry.name;
        SCOPED_TRACE(name);
        if (IsSkinFileKind(entry.kind)) {
            EXPECT_TRUE(files.insert(ToLower(name)).second);
        } else {
            EXPECT_TRUE(keys.insert(name).second);
            EXPECT_EQ(name.find(' '), std::string::npos); // database words cannot hold blanks
        }
        switch (entry.kind) {
        case SkinAssetKind::ListBoxSkin: EXPECT_TRUE(EndsWith(name, ".lbs")); break;
        case SkinAssetKind::Bitmap:
        case SkinAssetKind::BitmapA:
        case SkinAssetKind::ImageSet:
        case SkinAssetKind::EditSkin: EXPECT_TRUE(EndsWith(name, ".sts")); break;
        case SkinAssetKind::ColourScript:
        case SkinAssetKind::FontScript:
        case SkinAssetKind::MessageText: EXPECT_TRUE(EndsWith(name, ".txt")); break;
        default: break;
        }
        const bool hasStates = entry.kind == SkinAssetKind::ImageSet || entry.kind == SkinAssetKind::ListBoxSkin;
        EXPECT_EQ(entry.states, hasStates ? kSkinAllStates : 0u);
        const bool sized = IsSkinFileKind(entry.kind) && entry.kind != SkinAssetKind::ColourScript &&
                           entry.kind != SkinAssetKind::FontScript && entry.kind != SkinAssetKind::MessageText;
        EXPECT_EQ(entry.width > 0 && entry.height > 0, sized);
    }
}

TEST(SkinNames, LibraryLookUpsAreAllListed)
{
    // The counts the controls look up: 17 colours, 3 fonts, 17 scripts, 2 list-box skins.
    int colours = 0, fonts = 0, scripts = 0, listBoxes = 0;
    for (const SkinAssetName& entry : SkinAssetNames()) {
        if (entry.origin != SkinNameOrigin::Library)
            continue;
        colours += entry.kind == SkinAssetKind::Colour;
        fonts += entry.kind == SkinAssetKind::Font;
        scripts += entry.kind == SkinAssetKind::Bitmap || entry.kind == SkinAssetKind::BitmapA ||
                   entry.kind == SkinAssetKind::ImageSet || entry.kind == SkinAssetKind::EditSkin;
        listBoxes += entry.kind == SkinAssetKind::ListBoxSkin;
    }
    EXPECT_EQ(colours, 17);
    EXPECT_EQ(fonts, 3);
    EXPECT_EQ(scripts, 17);
    EXPECT_EQ(listBoxes, 2);
}

TEST(SkinNames, FilesMatchIgnoringCaseKeysExactly)
{
    const SkinAssetName* toggle = FindSkinAssetName("vuitree_branchtog.STS");
    ASSERT_NE(toggle, nullptr);
    EXPECT_STREQ(toggle->name, "Vuitree_branchtog.sts");
    EXPECT_EQ(toggle->kind, SkinAssetKind::ImageSet);
    EXPECT_NE(FindSkinAssetName("vuiedit_tree_ContNameCol"), nullptr);
    EXPECT_EQ(FindSkinAssetName("vuiedit_tree_contnamecol"), nullptr);
    EXPECT_EQ(FindSkinAssetName("no_such_thing.sts"), nullptr);
    const SkinAssetName* knob = FindSkinAssetName(vornskin::kSliderKnob);
    ASSERT_NE(knob, nullptr);
    EXPECT_EQ(knob->origin, SkinNameOrigin::Host);
    EXPECT_EQ(knob->kind, SkinAssetKind::Bitmap);
    EXPECT_STREQ(SkinAssetKindName(SkinAssetKind::ListBoxSkin), "list-box skin");
}

TEST(SkinNames, HostSliderLooksFitTheSliders)
{
    // The caps fill the slider's height; the knob and the fill share the band at the gap.
    const SkinAssetName* cap = FindSkinAssetName(vornskin::kSliderLeftCap);
    const SkinAssetName* knob = FindSkinAssetName(vornskin::kSliderKnob);
    const SkinAssetName* fill = FindSkinAssetName(vornskin::kSliderFill);
    ASSERT_TRUE(cap && knob && fill);
    EXPECT_EQ(cap->height, vornskin::kSliderHeight);
    EXPECT_EQ(fill->height, knob->height);
    for (const char* c : {vornskin::kSliderCap0, vornskin::kSliderCap1, vornskin::kSliderCap2}) {
        const SkinAssetName* typed = FindSkinAssetName(c);
        ASSERT_NE(typed, nullptr);
        EXPECT_EQ(typed->width, cap->width);
        EXPECT_EQ(typed->height, cap->height);
    }
    // VornSliderC puts the knob's top at y = 1 inside the track.
    const SkinAssetName* track = FindSkinAssetName(vornskin::kSliderCTrack);
    const SkinAssetName* knobC = FindSkinAssetName(vornskin::kSliderCKnob);
    ASSERT_TRUE(track && knobC);
    EXPECT_LE(knobC->height + 1, track->height);
    // Wheel textures reach one period beyond the mask.
    EXPECT_GE(FindSkinAssetName(vornskin::kWheelTexture)->width,
              FindSkinAssetName(vornskin::kWheelMask)->width + vornskin::kWheelPeriodPixels);
    EXPECT_GE(FindSkinAssetName(vornskin::kTreeWheelTexture)->width,
              FindSkinAssetName(vornskin::kTreeWheelMask)->width + vornskin::kTreeWheelPeriodPixels);
}

} // namespace
