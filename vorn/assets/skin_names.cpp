#include <vorn/assets/skin_names.h>

#include <vorn/util/text.h>

namespace vorn {

using namespace vornskin;

namespace {

using K = SkinAssetKind;
constexpr unsigned kAll = kSkinAllStates;
constexpr SkinNameOrigin L = SkinNameOrigin::Library;
constexpr SkinNameOrigin S = SkinNameOrigin::Skin;
constexpr SkinNameOrigin H = SkinNameOrigin::Host;

std::vector<SkinAssetName> MakeNames()
{
    return {
        // Looked up by the library.
        {kScrollbarFg, K::Colour, 0, 0, 0, L, "property tree: scroll bar lines"},
        {kScrollbarBg, K::Colour, 0, 0, 0, L, "property tree: scroll bar background"},
        {kScrollbarMo, K::Colour, 0, 0, 0, L, "property tree, table: scroll bar highlight"},
        {kTreeFg, K::Colour, 0, 0, 0, L, "property tree: line colour of every row"},
        {kTreeBg, K::Colour, 0, 0, 0, L, "property tree: background of every row"},
        {kTreeMo, K::Colour, 0, 0, 0, L, "property tree: mouse-over colour"},
        {kTreeContNameCol, K::Colour, 0, 0, 0, L, "tree rows: label text"},
        {kTreeTextHilite, K::Colour, 0, 0, 0, L, "tree rows: highlight for subclasses"},
        {kTreeCallipersMiddleCol, K::Colour, 0, 0, 0, L, "tree angle clippers: arcs and axis"},
        {kErrorPink, K::Colour, 0, 0, 0, L, "error picture: single images, state off"},
        {kErrorRed, K::Colour, 0, 0, 0, L, "error picture: state on"},
        {kErrorBlue, K::Colour, 0, 0, 0, L, "error picture: state on_down"},
        {kErrorPurple, K::Colour, 0, 0, 0, L, "error picture: state off_down"},
        {kErrorBrown, K::Colour, 0, 0, 0, L, "error picture: state on_mouse_over"},
        {kErrorGreen, K::Colour, 0, 0, 0, L, "error picture: state off_mouse_over"},
        {kErrorOrange, K::Colour, 0, 0, 0, L, "error picture: state disabled_on"},
        {kErrorLightBlue, K::Colour, 0, 0, 0, L, "error picture: state disabled_off"},
        {kTreeLbFont, K::Font, 0, 0, 0, L, "tree list boxes, function button and pop-ups"},
        {kTreeContName, K::Font, 0, 0, 0, L, "tree rows: labels (drives the tree layout)"},
        {kControlNameFont, K::Font, 0, 0, 0, L, "tree error row: name"},
        {kScrollOff, K::Bitmap, 11, 12, 0, L, "list-box pop-up: scroll bar"},
        {kScrollUp, K::Bitmap, 11, 12, 0, L, "list-box pop-up: scroll up"},
        {kScrollDown, K::Bitmap, 11, 12, 0, L, "list-box pop-up: scroll down"},
        {kBranchToggle, K::ImageSet, 11, 11, kAll, L, "tree branch, monster-box and pop toggles"},
        {kTreeControlText, K::EditSkin, 56, 15, 0, L, "tree slider, wheel and clipper rows: edit box"},
        {kTreeTextEdit, K::EditSkin, 120, 16, 0, L, "tree text rows: single edit box"},
        {kTreeNTextEdit, K::EditSkin, 56, 16, 0, L, "tree text rows: vector component boxes"},
        {kTreeWheelFrame, K::BitmapA, 100, 14, 0, L, "tree thumb wheel: frame"},
        {kTreeWheelTexture, K::BitmapA, 400, 14, 0, L, "tree thumb wheel: texture, period 300"},
        {kTreeWheelMask, K::BitmapA, 100, 14, 0, L, "tree thumb wheel: mask"},
        {kTreeCheckBox, K::ImageSet, 13, 13, kAll, L, "tree check box"},
        {kTreeExpandTextButton, K::ImageSet, 13, 13, kAll, L, "tree expandable text row: expand button"},
        {kTreeTextureButton, K::ImageSet, 17, 17, kAll, L, "tree texture button"},
        {kTreeFunctionButton, K::ImageSet, 17, 17, kAll, L, "tree function button"},
        {kTreeCurveButton, K::ImageSet, 17, 17, kAll, L, "tree curve button"},
        {kTreeGradientButton, K::ImageSet, 17, 17, kAll, L, "tree gradient button"},
        {kTreeMaterialButton, K::ImageSet, 17, 17, kAll, L, "tree material button"},
        {kTreeListBox, K::ListBoxSkin, 150, 18, kAll, L, "tree list boxes"},
        {kTreeFunctionListButton, K::ListBoxSkin, 15, 15, kAll, L, "tree rows: function list button"},
        // The skin's own: the scripts a host loads at start-up, the edit font, the sel-dot.
        {kColourScript, K::ColourScript, 0, 0, 0, S, "host start-up: LoadColourData"},
        {kFontScript, K::FontScript, 0, 0, 0, S, "host start-up: LoadFontData"},
        {kMessageText, K::MessageText, 0, 0, 0, S, "host start-up: LoadMessages"},
        {kTreeEditFont, K::Font, 0, 0, 0, S, "edit skins: text font"},
        {kListBoxSelDot, K::Bitmap, 7, 7, 0, S, "list-box skins: selection dot"},
        // Default host looks.
        {kSliderLeftCap, K::Bitmap, 8, kSliderHeight, 0, H, "VornSliderA: plain left cap"},
        {kSliderCap0, K::Bitmap, 8, kSliderHeight, 0, H, "VornSliderA: left cap, type 0"},
        {kSliderCap1, K::Bitmap, 8, kSliderHeight, 0, H, "VornSliderA: left cap, type 1"},
        {kSliderCap2, K::Bitmap, 8, kSliderHeight, 0, H, "VornSliderA: left cap, type 2"},
        {kSliderFill, K::Bitmap, 512, 16, 0, H, "VornSliderA: fill left of the knob"},
        {kSliderKnob, K::Bitmap, 12, 16, 0, H, "VornSliderA: knob"},
        {kSliderCKnob, K::Bitmap, 11, 18, 0, H, "VornSliderC: knob (top at y = 1)"},
        {kSliderCTrack, K::Bitmap, 240, 20, 0, H, "VornSliderC: track (window size)"},
        {kButtonPush, K::ImageSet, 22, 22, kAll, H, "VornPushButton"},
        {kButtonToggle, K::ImageSet, 22, 22, kAll, H, "VornButtonToggle"},
        {kButtonRadio, K::ImageSet, 16, 16, kAll, H, "VornRadioButton"},
        {kButtonMomentUp, K::ImageSet, 15, 15, kAll, H, "VornMomentBtn: up"},
        {kButtonMomentDown, K::ImageSet, 15, 15, kAll, H, "VornMomentBtn: down"},
        {kButtonMoon, K::ImageSet, 16, 16, kAll, H, "VornMoonButton"},
        {kButtonSizer, K::ImageSet, 15, 15, kAll, H, "VornSizerButton: resize grip"},
        {kButtonLeft, K::ImageSet, 15, 15, kAll, H, "page button: left (gradient strip)"},
        {kButtonRight, K::ImageSet, 15, 15, kAll, H, "page button: right (gradient strip)"},
        {kMenuRadio, K::ImageSet, 12, 12, kAll, H, "VornMenu: radio marks"},
        {kButtonPopUp, K::ImageSet, 15, 15, kAll, H, "VornPopUpButton"},
        {kButtonPopSide, K::ImageSet, 15, 15, kAll, H, "VornPopSideButton"},
        {kButtonText, K::ImageSet, 64, 20, kAll, H, "VornTextPushButton, VornTextRadioButton: face"},
        {kMenuFrame, K::Colour, 0, 0, 0, H, "VornMenu: frame (c1)"},
        {kMenuHighlight, K::Colour, 0, 0, 0, H, "VornMenu: hovered line (c2)"},
        {kMenuLine, K::Colour, 0, 0, 0, H, "VornMenu: lines (c3)"},
        {kMenuSecond, K::Colour, 0, 0, 0, H, "VornMenu: text box and separators (c4)"},
        {kTextButtonText, K::Colour, 0, 0, 0, H, "text buttons: text"},
        {kTextButtonHighlight, K::Colour, 0, 0, 0, H, "text buttons: highlighted text"},
        {kRingLine, K::Colour, 0, 0, 0, H, "VornRingButton: lines"},
        {kRingFill, K::Colour, 0, 0, 0, H, "VornRingButton: fill when chosen"},
        {kMenuTitleFont, K::Font, 0, 0, 0, H, "VornMenu: titles and measuring (first font)"},
        {kMenuEntryFont, K::Font, 0, 0, 0, H, "VornMenu: lines (second font)"},
        {kTextButtonFont, K::Font, 0, 0, 0, H, "text buttons: text"},
        {kEdit, K::EditSkin, 120, 20, 0, H, "VornEdit"},
        {kEditSmall, K::EditSkin, 64, 20, 0, H, "VornEdit: small fields (colour picker)"},
        {kMultiEdit, K::EditSkin, 320, 180, 0, H, "VornMultiEdit"},
        {kListBox, K::ListBoxSkin, 150, 20, kAll, H, "VornListBox, VornListButton"},
        {kListBoxFont, K::Font, 0, 0, 0, H, "host list boxes and list buttons: text"},
        {kEditFont, K::Font, 0, 0, 0, H, "host edit skins: text font"},
        {kEditSmallFont, K::Font, 0, 0, 0, H, "small host edit skin: text font"},
        {kWheelFrame, K::BitmapA, 120, 18, 0, H, "VornThumbWheelControl: frame"},
        {kWheelTexture, K::BitmapA, 420, 18, 0, H, "VornThumbWheelControl: texture, period 300"},
        {kWheelMask, K::BitmapA, 120, 18, 0, H, "VornThumbWheelControl: mask"},
        {kCompassFrame, K::BitmapA, 160, 28, 0, H, "VornCompassControl: frame"},
        {kCompassTape, K::BitmapA, 160 + kCompassTurnPixels, 28, 0, H, "VornCompassControl: tape, period 321"},
        {kCompassMask, K::BitmapA, 160, 28, 0, H, "VornCompassControl: mask"},
        {kHorizonFace, K::BitmapA, 96, 96, 0, H, "VornAHorizonControl: face"},
        // Movie bar and time control.
        {kMovieStart, K::Bitmap, 9, 8, 0, H, "VornMovieBar: start handle"},
        {kMovieEnd, K::Bitmap, 9, 8, 0, H, "VornMovieBar: end handle"},
        {kMovieValue, K::Bitmap, 9, 10, 0, H, "VornMovieBar: value handle"},
        {kTimeFace, K::BitmapA, 65, 65, 0, H, "VornTimeControl: face"},
        {kTimeHand, K::ImageSet, 63, 63, kAll, H, "VornTimeControl: hand plate, loaded as a VornBitmapACache"},
        // Range controls.
        {kRangeBackground, K::Bitmap, 240, 28, 0, H, "VornRangeControl: background"},
        {kVRangeBackground, K::Bitmap, 28, 240, 0, H, "VornVertRangeControl: background"},
        {kSliderBackground, K::Colour, 0, 0, 0, H, "VornSliderB background"},
        {kSliderLine, K::Colour, 0, 0, 0, H, "VornSliderB line and knob"},
        {kDialBackground, K::Colour, 0, 0, 0, H, "angle dials: background"},
        {kDialLine, K::Colour, 0, 0, 0, H, "angle dials: lines"},
        {kDialSecond, K::Colour, 0, 0, 0, H, "angle clippers: second colour"},
        {kPanelBackground, K::Colour, 0, 0, 0, H, "host panels: background"},
        {kPanelText, K::Colour, 0, 0, 0, H, "host panels: text"},
        {kTableTop, K::Bitmap, 512, 16, 0, H, "VornMonsterBox: heading band (first image)"},
        {kTableBottom, K::Bitmap, 512, 16, 0, H, "VornMonsterBox: bottom band (second image)"},
        {kTableDivider, K::Bitmap, 8, 20, 0, H, "VornMonsterBox: button divider (third image)"},
        {kTableHandle, K::Bitmap, 11, 18, 0, H, "VornMonsterBox: scroll handle"},
        {kTableCheck, K::ImageSet, 13, 13, kAll, H, "VornMonsterBox: check-box cells"},
        {kTableAdd, K::ImageSet, 11, 11, kAll, H, "VornMonsterBox: bottom button, add"},
        {kTableRemove, K::ImageSet, 11, 11, kAll, H, "VornMonsterBox: bottom button, remove"},
        {kTableBackground, K::Colour, 0, 0, 0, H, "VornMonsterBox: background"},
        {kTableSecond, K::Colour, 0, 0, 0, H, "VornMonsterBox: second colour"},
        {kTableText, K::Colour, 0, 0, 0, H, "VornMonsterBox: cell text"},
        {kTableSeparator, K::Colour, 0, 0, 0, H, "VornMonsterBox: separators"},
        {kTableFrame, K::Colour, 0, 0, 0, H, "VornMonsterBox: frame around the cells"},
    };
}

} // namespace

const std::vector<SkinAssetName>& SkinAssetNames()
{
    static const std::vector<SkinAssetName> names = MakeNames();
    return names;
}

bool IsSkinFileKind(SkinAssetKind kind) { return kind != SkinAssetKind::Colour && kind != SkinAssetKind::Font; }

const SkinAssetName* FindSkinAssetName(const std::string& name)
{
    const std::string folded = ToLower(name);
    for (const SkinAssetName& entry : SkinAssetNames()) {
        if (IsSkinFileKind(entry.kind) ? ToLower(entry.name) == folded : name == entry.name)
            return &entry;
    }
    return nullptr;
}

const char* SkinAssetKindName(SkinAssetKind kind)
{
    switch (kind) {
    case SkinAssetKind::Colour: return "colour";
    case SkinAssetKind::Font: return "font";
    case SkinAssetKind::Bitmap: return "wxBitmap image";
    case SkinAssetKind::BitmapA: return "BitmapA image";
    case SkinAssetKind::ImageSet: return "image set";
    case SkinAssetKind::EditSkin: return "edit skin";
    case SkinAssetKind::ListBoxSkin: return "list-box skin";
    case SkinAssetKind::ColourScript: return "colour script";
    case SkinAssetKind::FontScript: return "font script";
    case SkinAssetKind::MessageText: return "message text";
    }
    return "";
}

} // namespace vorn
