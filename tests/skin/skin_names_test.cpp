// The list of every asset name the library and the default looks use.
#include <map>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include <vorn/assets/skin_names.h>
#include <vorn/util/text.h>

using namespace vorn;

namespace {

const SkinAssetName& Named(const char* name)
{
    static const SkinAssetName none{};
    const SkinAssetName* entry = FindSkinAssetName(name);
    EXPECT_NE(entry, nullptr) << name;
    return entry ? *entry : none;
}

TEST(SkinNames, EachNameOnceWithTheExtensionSizeAndStatesOfItsKind)
{
    using K = SkinAssetKind;
    // The file extension of each kind loaded from a file ("" for database keys).
    const std::map<K, std::string> extension = {
        {K::Colour, ""},        {K::Font, ""},           {K::Bitmap, ".sts"},       {K::BitmapA, ".sts"},
        {K::ImageSet, ".sts"},  {K::EditSkin, ".sts"},   {K::ListBoxSkin, ".lbs"},  {K::ColourScript, ".txt"},
        {K::FontScript, ".txt"}, {K::MessageText, ".txt"}};
    std::set<std::string> keys, files;
    for (const SkinAssetName& entry : SkinAssetNames()) {
        const std::string name = entry.name, ext = extension.at(entry.kind);
        SCOPED_TRACE(name);
        EXPECT_EQ(IsSkinFileKind(entry.kind), !ext.empty());
        // Files match whatever their case; database words are exact and hold no blanks.
        EXPECT_TRUE((ext.empty() ? keys : files).insert(ext.empty() ? name : ToLower(name)).second);
        EXPECT_EQ(name.size() > ext.size() ? name.substr(name.size() - ext.size()) : "", ext);
        if (ext.empty()) {
            EXPECT_EQ(name.find(' '), std::string::npos);
        }
        const bool hasStates = entry.kind == K::ImageSet || entry.kind == K::ListBoxSkin;
        EXPECT_EQ(entry.states, hasStates ? kSkinAllStates : 0u);
        EXPECT_EQ(entry.width > 0 && entry.height > 0, ext == ".sts" || ext == ".lbs");
    }
}

TEST(SkinNames, FilesMatchIgnoringCaseKeysExactly)
{
    EXPECT_STREQ(Named("vuitree_branchtog.STS").name, "Vuitree_branchtog.sts");
    EXPECT_NE(FindSkinAssetName("vuiedit_tree_ContNameCol"), nullptr);
    EXPECT_EQ(FindSkinAssetName("vuiedit_tree_contnamecol"), nullptr);
    EXPECT_EQ(FindSkinAssetName("no_such_thing.sts"), nullptr);
}

TEST(SkinNames, HostSliderLooksFitTheSliders)
{
    // The caps fill the slider's height; the knob and the fill share the band at the gap.
    const SkinAssetName& cap = Named(vornskin::kSliderLeftCap);
    EXPECT_EQ(cap.height, vornskin::kSliderHeight);
    EXPECT_EQ(Named(vornskin::kSliderFill).height, Named(vornskin::kSliderKnob).height);
    for (const char* c : {vornskin::kSliderCap0, vornskin::kSliderCap1, vornskin::kSliderCap2})
        EXPECT_EQ(std::make_pair(Named(c).width, Named(c).height), std::make_pair(cap.width, cap.height)) << c;
    // VornSliderC puts the knob's top at y = 1 inside the track.
    EXPECT_LE(Named(vornskin::kSliderCKnob).height + 1, Named(vornskin::kSliderCTrack).height);
    // Wheel textures reach one period beyond the mask.
    EXPECT_GE(Named(vornskin::kWheelTexture).width, Named(vornskin::kWheelMask).width + vornskin::kWheelPeriodPixels);
    EXPECT_GE(Named(vornskin::kTreeWheelTexture).width,
              Named(vornskin::kTreeWheelMask).width + vornskin::kTreeWheelPeriodPixels);
}

} // namespace
