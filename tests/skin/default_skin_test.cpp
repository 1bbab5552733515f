// The default skin as controls see it: pixels at the places that matter, the skins'
// layout records, the palette and the messages.
#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>
#include <wx/image.h>

#include <test_support.h>
#include <vorn/assets/asset_loader.h>
#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/util/color.h>

using namespace vorn;

namespace {

using namespace vornskin;

// A manager with the skin loaded as the host of the README does it.
std::unique_ptr<AssetManager> LoadSkin(const std::string& treeDir, const char* language = "en")
{
    auto manager = std::make_unique<AssetManager>();
    manager->SetPlatform("gtk");
    manager->SetLanguage(language, "");
    auto* loader = new FileAssetLoader;
    loader->Init(treeDir + "/");
    manager->SetAssetLoader(loader);
    if (!manager->LoadAssets() || !manager->LoadColourData(vornskin::kColourScript) ||
        !manager->LoadFontData(vornskin::kFontScript) || !manager->LoadMessages(vornskin::kMessageText))
        return nullptr;
    return manager;
}

class DefaultSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_assets = LoadSkin(VORN_TEST_SKIN_DIR); }
    static void TearDownTestSuite() { s_assets.reset(); }
    void SetUp() override { ASSERT_NE(s_assets, nullptr) << "the default skin does not load"; }

    // A colour as image scripts paint it (ColorA, rounded to bytes), or as controls get it
    // and "map" paints it at full strength (wxColour, truncated, which can lose a unit).
    template <class C = ColorA>
    static std::string Colour(const char* name)
    {
        C c;
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

    // A single image with alpha, as the wheel and the compass load it (empty if missing).
    static const BitmapA& Alpha(const char* name)
    {
        static const BitmapA none;
        const BitmapA* image = nullptr;
        EXPECT_TRUE(s_assets->LoadImageCached(name, image)) << name;
        return image ? *image : none;
    }

    static inline std::unique_ptr<AssetManager> s_assets;
};

// The alpha of a pixel; -1 outside the image.
int AlphaAt(const BitmapA& b, int x, int y)
{
    const vorntest::Bytes p = vorntest::Px(b, x, y);
    return p.empty() ? -1 : p.back();
}

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
}

TEST_F(DefaultSkin, ButtonsArePaintedOnTheColourTheySitOn)
{
    // Sets reach the screen without alpha: their rounded corners must show the background.
    for (const SkinAssetName& entry : SkinAssetNames()) {
        if (entry.kind != SkinAssetKind::ImageSet)
            continue;
        const wxColour bg(Colour(entry.origin == SkinNameOrigin::Host ? kPanelBackground : kTreeBg));
        const wxColour rim(Colour<wxColour>("skin_edge"));
        const vorntest::Bytes a{bg.Red(), bg.Green(), bg.Blue()}, b{rim.Red(), rim.Green(), rim.Blue()};
        for (int state = VORN_IMAGE_OFF; state <= VORN_IMAGE_OFF_DOWN; ++state) {
            // The corner pixel is background, or the rim's anti-aliased corner over it.
            const vorntest::Bytes corner = vorntest::Px(State(entry.name, state), 0, 0);
            ASSERT_EQ(corner.size(), 3u) << entry.name << " state " << state;
            for (int c = 0; c < 3; ++c)
                EXPECT_TRUE(corner[c] >= std::min(a[c], b[c]) && corner[c] <= std::max(a[c], b[c]))
                    << entry.name << " state " << state;
        }
    }
}

TEST_F(DefaultSkin, PixelsWhereControlsNeedThem)
{
    // (picture, x, y, the colour name it must show); a set's state is given after the name.
    const wxImage push = State(kButtonPush, VORN_IMAGE_OFF), closed = State(kBranchToggle, VORN_IMAGE_OFF);
    const wxImage open = State(kBranchToggle, VORN_IMAGE_ON), cap = Single(kSliderCap1);
    const wxImage fill = Single(kSliderFill), track = Single(kSliderCTrack), tape = Single(kCompassTape);
    const struct {
        wxImage image;
        int x, y;
        std::string colour;
    } cases[] = {
        // The push button's face shows over, down, disabled and on; the rim is one pixel all round.
        {push, 11, 18, Colour<wxColour>("skin_face")},
        {State(kButtonPush, VORN_IMAGE_OFF_MOUSE_OVER), 11, 18, Colour<wxColour>("skin_face_mo")},
        {State(kButtonPush, VORN_IMAGE_OFF_DOWN), 11, 18, Colour<wxColour>("skin_face_down")},
        {State(kButtonPush, VORN_IMAGE_DISABLED_OFF), 11, 18, Colour<wxColour>("skin_face_dis")},
        {State(kButtonPush, VORN_IMAGE_ON), 11, 18, Colour<wxColour>("skin_face_on")},
        {push, 0, 11, Colour<wxColour>("skin_edge")},
        {push, 21, 11, Colour<wxColour>("skin_edge")},
        // The radio button's dot appears only when chosen.
        {State(kButtonRadio, VORN_IMAGE_OFF), 8, 8, Colour<wxColour>("skin_face")},
        {State(kButtonRadio, VORN_IMAGE_ON), 8, 8, Colour<wxColour>("skin_glyph_on")},
        // The branch toggle (11 x 11) centres "+" (closed) or "-" (open) on the tree line at (5, 5).
        {closed, 5, 5, Colour<wxColour>("skin_glyph")},
        {closed, 5, 3, Colour<wxColour>("skin_glyph")},
        {open, 5, 5, Colour<wxColour>("skin_glyph_on")},
        {open, 5, 3, Colour<wxColour>("skin_face")},
        {closed, 7, 5, vorntest::PixelStr(closed, 3, 5)}, // symmetric arms
        // The slider's caps carry the groove and the type bar; the fill's groove sits at gap 2.
        {cap, 7, 8, Colour<wxColour>("skin_groove_lit")},
        {cap, 7, 7, Colour(kPanelBackground)},
        {fill, 100, 5, Colour(kPanelBackground)},
        {cap, 0, 9, Colour<wxColour>("skin_cap_1")},
        // VornSliderC: ticks under the knob's centre at both ends of its range (margins 4, knob 11).
        {track, 4 + 5, 16, Colour<wxColour>("skin_tick")},
        {track, 240 - 4 - 6, 16, Colour<wxColour>("skin_tick")},
        {track, 120, 10, Colour<wxColour>("skin_groove")},
        // The compass tape: "N" under the index (the window's middle) at heading 0 and one turn
        // on, "S" half a turn on.
        {tape, 80 - 2, 9, Colour<wxColour>(kPanelText)},
        {tape, 80 + kCompassTurnPixels - 2, 9, Colour<wxColour>(kPanelText)},
        {tape, 80 + 161, 9, Colour<wxColour>(kPanelText)},
    };
    for (const auto& k : cases)
        EXPECT_EQ(vorntest::PixelStr(k.image, k.x, k.y), k.colour) << "at " << k.x << "," << k.y;
    for (int row = 6; row <= 9; ++row)
        EXPECT_NE(vorntest::PixelStr(fill, 100, row), Colour(kPanelBackground)) << row;
    EXPECT_NE(vorntest::PixelStr(Single(kSliderCap0), 0, 9), vorntest::PixelStr(cap, 0, 9));
}

TEST_F(DefaultSkin, ThumbWheelKeepsAlphaAndWrapsWithoutASeam)
{
    for (const auto& [frameName, textureName, maskName] :
         {std::tuple{kWheelFrame, kWheelTexture, kWheelMask},
          std::tuple{kTreeWheelFrame, kTreeWheelTexture, kTreeWheelMask}}) {
        const BitmapA &frame = Alpha(frameName), &mask = Alpha(maskName);
        const int w = frame.width, h = frame.height;
        // The frame is opaque on its rim, clear in the middle where the ridges show.
        EXPECT_EQ(AlphaAt(frame, 0, h / 2), 255);
        EXPECT_EQ(AlphaAt(frame, w / 2, h / 2), 0);
        EXPECT_GT(AlphaAt(frame, 3, h / 2), AlphaAt(frame, w / 4, h / 2)); // shadow at the ends
        // Wherever the mask hides the ridges, the frame covers the spot.
        for (int i = 0; i < w * h; ++i) {
            if (vorntest::Px(mask, i % w, i / w).at(0) < 255) {
                ASSERT_EQ(AlphaAt(frame, i % w, i / w), 255) << frameName << " " << i % w << "," << i / w;
            }
        }
        // The ridges repeat with the 300-pixel period, so the wrap is seamless.
        EXPECT_EQ(FirstColumnBreakingPeriod(Alpha(textureName), 300), -1) << textureName;
    }
}

TEST_F(DefaultSkin, CompassTapeWrapsOverOneTurnAndTheHorizonIsRound)
{
    const BitmapA &frame = Alpha(kCompassFrame), &face = Alpha(kHorizonFace);
    EXPECT_EQ(FirstColumnBreakingPeriod(Alpha(kCompassTape), kCompassTurnPixels), -1);
    // The index at the window's centre is opaque over the otherwise see-through middle.
    EXPECT_EQ(AlphaAt(frame, frame.width / 2, frame.height / 2), 255);
    EXPECT_EQ(AlphaAt(frame, frame.width / 2 + 6, frame.height / 2), 0);
    // The face is clear in its corners, opaque inside, sky above and ground below.
    EXPECT_EQ(AlphaAt(face, 0, 0), 0);
    const vorntest::Bytes sky = vorntest::Px(face, 48, 30), ground = vorntest::Px(face, 48, 70);
    ASSERT_EQ(sky.size(), 4u);
    ASSERT_EQ(ground.size(), 4u);
    EXPECT_EQ(sky[3], 255);
    EXPECT_GT(sky[2], sky[0]);
    EXPECT_GT(ground[0], ground[2]);
}

TEST_F(DefaultSkin, EditAndListBoxSkinsCarryTheirLayout)
{
    const wxBitmap* image = nullptr;
    VornEditInfo edit;
    ASSERT_TRUE(s_assets->LoadEditWidgetCached(kTreeControlText, image, edit));
    EXPECT_EQ(std::vector<int>({edit.x, edit.y, edit.width + 8, edit.height + 4}),
              std::vector<int>({4, 2, image->GetWidth(), image->GetHeight()})); // margins 4 and 2
    EXPECT_EQ(vorntest::ColourStr(edit.textColour), Colour<wxColour>("vui_edit_text"));
    EXPECT_EQ(vorntest::ColourStr(edit.highlightColour), Colour<wxColour>("vui_edit_sel"));

    VornListBoxInfo box;
    ASSERT_TRUE(s_assets->LoadListBoxCached(kTreeListBox, box));
    EXPECT_EQ(vorntest::ColourStr(box.textColour), Colour<wxColour>("vui_lb_text"));
    EXPECT_EQ(vorntest::ColourStr(box.expandColour1), Colour<wxColour>("vui_lb_popup_bg"));
    EXPECT_TRUE(box.selDot && box.scrollOff && box.scrollUp && box.scrollDown);
    // The text area stays left of the drop arrow's separator at x = 130.
    EXPECT_LE(box.x + box.width, 130);
    // "on" (normal) and "on_mouse_over" (pressed) are what the list box reads.
    const wxBitmap *normal = nullptr, *pressed = nullptr;
    ASSERT_TRUE(box.imageCache->GetImage(VORN_IMAGE_ON, normal) &&
                box.imageCache->GetImage(VORN_IMAGE_ON_MOUSE_OVER, pressed));
    EXPECT_NE(vorntest::PixelStr(normal->ConvertToImage(), 60, 12),
              vorntest::PixelStr(pressed->ConvertToImage(), 60, 12));
}

TEST_F(DefaultSkin, MessagesFollowTheLanguage)
{
    EXPECT_EQ(s_assets->GetMessage("gallery_title"), "Vorn gallery");
    auto french = LoadSkin(VORN_TEST_SKIN_DIR, "fr");
    ASSERT_NE(french, nullptr);
    EXPECT_EQ(french->GetMessage("gallery_title"), "Galerie Vorn");
    EXPECT_EQ(french->GetMessage("skin_loaded"), "Habillage par d\xc3\xa9" "faut charg\xc3\xa9");
}

} // namespace
