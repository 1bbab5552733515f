// The default skin as controls see it: pixels at the places that matter, the skins'
// layout records, the palette and the messages.
#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <tuple>

#include <gtest/gtest.h>
#include <wx/image.h>

#include <test_support.h>
#include <vorn/util/color.h>

#include "skin_test_util.h"

using namespace vorn;

namespace {

using namespace vornskin;

class DefaultSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_assets = skintest::LoadSkin(skintest::DefaultSkinDir()).release(); }
    static void TearDownTestSuite()
    {
        delete s_assets;
        s_assets = nullptr;
    }
    void SetUp() override { ASSERT_NE(s_assets, nullptr) << "the default skin does not load"; }

    // A colour as image scripts paint it (rounded to bytes).
    static std::string Colour(const char* name)
    {
        ColorA c;
        s_assets->GetColour(name, c);
        auto byte = [](double v) { return static_cast<unsigned char>(v * 255.0 + 0.5); };
        return vorntest::ColourStr(wxColour(byte(c.r), byte(c.g), byte(c.b)));
    }
    // A colour as controls get it as a wxColour, and as "map" paints it at full strength
    // (truncated, which can lose a unit).
    static std::string WxColour(const char* name)
    {
        wxColour c;
        s_assets->GetColour(name, c);
        return vorntest::ColourStr(c);
    }
    static wxImage State(const char* set, int state)
    {
        const VornwxBitmapCache* cache = nullptr;
        const wxBitmap* image = nullptr;
        if (!s_assets->LoadImagesCached(set, cache) || !cache->GetImage(state, image))
            return wxImage();
        return image->ConvertToImage();
    }
    static wxImage Single(const char* name)
    {
        const wxBitmap* image = nullptr;
        return s_assets->LoadImageCached(name, image) ? image->ConvertToImage() : wxImage();
    }

    static AssetManager* s_assets;
};

AssetManager* DefaultSkin::s_assets = nullptr;

// The column x + period repeats column x everywhere: a strip that scrolls by a period
// shows no seam when it wraps. Returns the first column that differs, or -1.
int FirstColumnBreakingPeriod(const BitmapA& strip, int period)
{
    for (int x = 0; x + period < strip.width; ++x)
        for (int y = 0; y < strip.height; ++y)
            if (std::memcmp(strip.PixelAt(x, y), strip.PixelAt(x + period, y), 4) != 0)
                return x;
    return -1;
}

TEST_F(DefaultSkin, PaletteKeysAndTheErrorPictureColoursAreDistinct)
{
    std::set<std::string> errorColours;
    for (const char* name : {kErrorPink, kErrorRed, kErrorBlue, kErrorPurple, kErrorBrown, kErrorGreen, kErrorOrange,
                             kErrorLightBlue})
        errorColours.insert(Colour(name));
    EXPECT_EQ(errorColours.size(), 8u); // a broken set shows which state is which
    EXPECT_EQ(Colour(kSliderBackground), Colour(kPanelBackground));
    EXPECT_NE(Colour(kSliderLine), Colour(kSliderBackground));
    EXPECT_EQ(Colour(kDialBackground), Colour(kPanelBackground));
    for (const SkinAssetName& entry : SkinAssetNames())
        if (entry.kind == SkinAssetKind::Colour) {
            EXPECT_TRUE(s_assets->HasColour(entry.name)) << entry.name;
        }
}

TEST_F(DefaultSkin, ButtonsArePaintedOnTheColourTheySitOn)
{
    // Sets reach the screen without alpha: their rounded corners must show the background.
    for (const SkinAssetName& entry : SkinAssetNames()) {
        if (entry.kind != SkinAssetKind::ImageSet)
            continue;
        const wxColour background(Colour(entry.origin == SkinNameOrigin::Host ? kPanelBackground : kTreeBg));
        const wxColour rim(WxColour("skin_edge"));
        for (int state = VORN_IMAGE_OFF; state <= VORN_IMAGE_OFF_DOWN; ++state) {
            const wxImage image = State(entry.name, state);
            ASSERT_TRUE(image.IsOk()) << entry.name << " state " << state;
            // The corner pixel is background, or the rim's anti-aliased corner over it.
            const unsigned char corner[3] = {image.GetRed(0, 0), image.GetGreen(0, 0), image.GetBlue(0, 0)};
            const unsigned char bg[3] = {background.Red(), background.Green(), background.Blue()};
            const unsigned char edge[3] = {rim.Red(), rim.Green(), rim.Blue()};
            for (int c = 0; c < 3; ++c) {
                EXPECT_LE(corner[c], std::max(bg[c], edge[c])) << entry.name << " state " << state;
                EXPECT_GE(corner[c], std::min(bg[c], edge[c])) << entry.name << " state " << state;
            }
        }
    }
}

TEST_F(DefaultSkin, ButtonStatesLookDifferent)
{
    // The push button's face shows over, down and disabled; "on" tints it.
    const int cx = 11, cy = 18; // on the face, below the glyph
    EXPECT_EQ(vorntest::PixelStr(State(kButtonPush, VORN_IMAGE_OFF), cx, cy), WxColour("skin_face"));
    EXPECT_EQ(vorntest::PixelStr(State(kButtonPush, VORN_IMAGE_OFF_MOUSE_OVER), cx, cy), WxColour("skin_face_mo"));
    EXPECT_EQ(vorntest::PixelStr(State(kButtonPush, VORN_IMAGE_OFF_DOWN), cx, cy), WxColour("skin_face_down"));
    EXPECT_EQ(vorntest::PixelStr(State(kButtonPush, VORN_IMAGE_DISABLED_OFF), cx, cy), WxColour("skin_face_dis"));
    EXPECT_EQ(vorntest::PixelStr(State(kButtonPush, VORN_IMAGE_ON), cx, cy), WxColour("skin_face_on"));
    // Rim all round, one pixel.
    EXPECT_EQ(vorntest::PixelStr(State(kButtonPush, VORN_IMAGE_OFF), 0, 11), WxColour("skin_edge"));
    EXPECT_EQ(vorntest::PixelStr(State(kButtonPush, VORN_IMAGE_OFF), 21, 11), WxColour("skin_edge"));
    // The radio button's dot appears only when chosen.
    EXPECT_EQ(vorntest::PixelStr(State(kButtonRadio, VORN_IMAGE_OFF), 8, 8), WxColour("skin_face"));
    EXPECT_EQ(vorntest::PixelStr(State(kButtonRadio, VORN_IMAGE_ON), 8, 8), WxColour("skin_glyph_on"));
}

TEST_F(DefaultSkin, BranchToggleCentresItsSignOnTheTreeLine)
{
    // 11 x 11: the middle pixel (5, 5) lands on the tree line; "+" closed, "-" open.
    const wxImage closed = State(kBranchToggle, VORN_IMAGE_OFF);
    const wxImage open = State(kBranchToggle, VORN_IMAGE_ON);
    EXPECT_EQ(vorntest::PixelStr(closed, 5, 5), WxColour("skin_glyph"));
    EXPECT_EQ(vorntest::PixelStr(closed, 5, 3), WxColour("skin_glyph"));
    EXPECT_EQ(vorntest::PixelStr(open, 5, 5), WxColour("skin_glyph_on"));
    EXPECT_EQ(vorntest::PixelStr(open, 5, 3), WxColour("skin_face")); // the toggle keeps its face when open
    EXPECT_EQ(vorntest::PixelStr(closed, 3, 5), vorntest::PixelStr(closed, 7, 5)); // symmetric arms
}

TEST_F(DefaultSkin, SliderLooksLineUp)
{
    // The fill's groove continues the caps' groove: rows 8..11 of the slider, at gap 2.
    const wxImage cap = Single(kSliderCap1);
    const wxImage fill = Single(kSliderFill);
    for (int row = 8; row <= 11; ++row) {
        EXPECT_EQ(vorntest::PixelStr(cap, 7, row), WxColour("skin_groove_lit")) << row;
        EXPECT_NE(vorntest::PixelStr(fill, 100, row - 2), Colour(kPanelBackground)) << row;
    }
    EXPECT_EQ(vorntest::PixelStr(cap, 7, 7), Colour(kPanelBackground));
    EXPECT_EQ(vorntest::PixelStr(fill, 100, 5), Colour(kPanelBackground));
    EXPECT_EQ(vorntest::PixelStr(cap, 0, 9), WxColour("skin_cap_1")); // the type bar
    EXPECT_NE(vorntest::PixelStr(Single(kSliderCap0), 0, 9), vorntest::PixelStr(cap, 0, 9));
    // VornSliderC: ticks under the knob's centre at both ends of its range (margins 4, knob 11).
    const wxImage track = Single(kSliderCTrack);
    EXPECT_EQ(vorntest::PixelStr(track, 4 + 5, 16), WxColour("skin_tick"));
    EXPECT_EQ(vorntest::PixelStr(track, 240 - 4 - 6, 16), WxColour("skin_tick"));
    EXPECT_EQ(vorntest::PixelStr(track, 120, 10), WxColour("skin_groove"));
}

TEST_F(DefaultSkin, ThumbWheelKeepsAlphaAndWrapsWithoutASeam)
{
    for (const auto& [frameName, textureName, maskName] :
         {std::tuple{kWheelFrame, kWheelTexture, kWheelMask},
          std::tuple{kTreeWheelFrame, kTreeWheelTexture, kTreeWheelMask}}) {
        const BitmapA* frame = nullptr;
        const BitmapA* texture = nullptr;
        const BitmapA* mask = nullptr;
        ASSERT_TRUE(s_assets->LoadImageCached(frameName, frame));
        ASSERT_TRUE(s_assets->LoadImageCached(textureName, texture));
        ASSERT_TRUE(s_assets->LoadImageCached(maskName, mask));
        const int w = frame->width, h = frame->height;
        // The frame is opaque on its rim, clear in the middle where the ridges show.
        EXPECT_EQ(frame->PixelAt(0, h / 2)[3], 255);
        EXPECT_EQ(frame->PixelAt(w / 2, h / 2)[3], 0);
        EXPECT_GT(frame->PixelAt(3, h / 2)[3], frame->PixelAt(w / 4, h / 2)[3]); // shadow at the ends
        // Wherever the mask hides the ridges, the frame covers the spot.
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (mask->PixelAt(x, y)[0] < 255) {
                    ASSERT_EQ(frame->PixelAt(x, y)[3], 255) << frameName << " " << x << "," << y;
                }
            }
        // The ridges repeat with the 300-pixel period, so the wrap is seamless.
        EXPECT_EQ(FirstColumnBreakingPeriod(*texture, 300), -1) << textureName;
    }
}

TEST_F(DefaultSkin, CompassTapeWrapsOverOneTurnAndTheHorizonIsRound)
{
    const BitmapA* tape = nullptr;
    const BitmapA* frame = nullptr;
    const BitmapA* face = nullptr;
    ASSERT_TRUE(s_assets->LoadImageCached(kCompassTape, tape));
    ASSERT_TRUE(s_assets->LoadImageCached(kCompassFrame, frame));
    ASSERT_TRUE(s_assets->LoadImageCached(kHorizonFace, face));
    EXPECT_EQ(FirstColumnBreakingPeriod(*tape, kCompassTurnPixels), -1);
    // "N" sits at 0 and again one turn on; "S" half a turn on (x = 160 or 161).
    EXPECT_EQ(vorntest::PixelStr(Single(kCompassTape), kCompassTurnPixels - 2, 9), WxColour(kPanelText));
    EXPECT_EQ(vorntest::PixelStr(Single(kCompassTape), 161, 9), WxColour(kPanelText));
    // The index at the window's centre is opaque over the otherwise see-through middle.
    EXPECT_EQ(frame->PixelAt(frame->width / 2, frame->height / 2)[3], 255);
    EXPECT_EQ(frame->PixelAt(frame->width / 2 + 6, frame->height / 2)[3], 0);
    // The face is clear in its corners, opaque inside, sky above and ground below.
    EXPECT_EQ(face->PixelAt(0, 0)[3], 0);
    EXPECT_EQ(face->PixelAt(48, 30)[3], 255);
    EXPECT_GT(face->PixelAt(48, 30)[2], face->PixelAt(48, 30)[0]);
    EXPECT_GT(face->PixelAt(48, 70)[0], face->PixelAt(48, 70)[2]);
}

TEST_F(DefaultSkin, EditAndListBoxSkinsCarryTheirLayout)
{
    const wxBitmap* image = nullptr;
    VornEditInfo edit;
    ASSERT_TRUE(s_assets->LoadEditWidgetCached(kTreeControlText, image, edit));
    EXPECT_EQ(edit.x, 4);
    EXPECT_EQ(edit.y, 2);
    EXPECT_EQ(edit.x + edit.width + 4, image->GetWidth());
    EXPECT_EQ(edit.y + edit.height + 2, image->GetHeight());
    EXPECT_EQ(vorntest::ColourStr(edit.textColour), WxColour("vui_edit_text"));
    EXPECT_EQ(vorntest::ColourStr(edit.highlightColour), WxColour("vui_edit_sel"));
    EXPECT_TRUE(edit.font.IsOk());

    VornListBoxInfo box;
    ASSERT_TRUE(s_assets->LoadListBoxCached(kTreeListBox, box));
    EXPECT_EQ(box.expandValue, 200);
    EXPECT_EQ(vorntest::ColourStr(box.textColour), WxColour("vui_lb_text"));
    EXPECT_EQ(vorntest::ColourStr(box.expandColour1), WxColour("vui_lb_popup_bg"));
    ASSERT_TRUE(box.selDot && box.scrollOff && box.scrollUp && box.scrollDown);
    EXPECT_EQ(box.scrollUp->GetWidth(), 11);
    // The text area stays left of the drop arrow's separator at x = 130.
    EXPECT_LE(box.x + box.width, 130);
    // "on" (normal) and "on_mouse_over" (pressed) are what the list box reads.
    const wxBitmap* normal = nullptr;
    const wxBitmap* pressed = nullptr;
    ASSERT_TRUE(box.imageCache->GetImage(VORN_IMAGE_ON, normal));
    ASSERT_TRUE(box.imageCache->GetImage(VORN_IMAGE_ON_MOUSE_OVER, pressed));
    EXPECT_NE(vorntest::PixelStr(normal->ConvertToImage(), 60, 12),
              vorntest::PixelStr(pressed->ConvertToImage(), 60, 12));
}

TEST_F(DefaultSkin, MessagesFollowTheLanguage)
{
    EXPECT_EQ(s_assets->GetMessage("gallery_title"), "Vorn gallery");
    auto french = skintest::LoadSkin(skintest::DefaultSkinDir(), "fr");
    ASSERT_NE(french, nullptr);
    EXPECT_EQ(french->GetMessage("gallery_title"), "Galerie Vorn");
    EXPECT_EQ(french->GetMessage("skin_loaded"), "Habillage par d\xc3\xa9" "faut charg\xc3\xa9");
}

} // namespace
