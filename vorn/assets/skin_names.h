#pragma once
// The asset names the library looks up, in one place: colour and font keys, image
// scripts and skins, with the kind of load each goes through, its size and the states
// its control reads. Beside them, the names of the default looks the skin ships for the
// controls whose images a host passes in (buttons, sliders, the thumb wheel, the dials).
//
// Controls look names up through these constants; the skin checker walks the table to
// report what a skin lacks. Keep the names stable: hosts and skins spell them out.
#include <string>
#include <vector>

namespace vorn {

namespace vornskin {

// Colour keys looked up by the property tree.
inline constexpr const char* kScrollbarFg = "vuiedit_scrollbar_fg";
inline constexpr const char* kScrollbarBg = "vuiedit_scrollbar_bg";
inline constexpr const char* kScrollbarMo = "vuiedit_scrollbar_mo";
inline constexpr const char* kTreeFg = "vuiedit_tree_fg";
inline constexpr const char* kTreeBg = "vuiedit_tree_bg";
inline constexpr const char* kTreeMo = "vuiedit_tree_mo";
inline constexpr const char* kTreeContNameCol = "vuiedit_tree_ContNameCol"; // capitals as spelled
inline constexpr const char* kTreeTextHilite = "vuiedit_tree_texthilite";
inline constexpr const char* kTreeCallipersMiddleCol = "vuiedit_tree_callipers_middlecol";

// Colours of the error picture a broken image script turns into, state by state.
inline constexpr const char* kErrorPink = "pink";
inline constexpr const char* kErrorRed = "red";
inline constexpr const char* kErrorBlue = "blue";
inline constexpr const char* kErrorPurple = "purple";
inline constexpr const char* kErrorBrown = "brown";
inline constexpr const char* kErrorGreen = "green";
inline constexpr const char* kErrorOrange = "orange";
inline constexpr const char* kErrorLightBlue = "lightblue";

// Font keys.
inline constexpr const char* kTreeLbFont = "vuiedit_tree_lbfont";
inline constexpr const char* kTreeContName = "vuiedit_tree_contname";
inline constexpr const char* kControlNameFont = "vui_control_name";
inline constexpr const char* kTreeEditFont = "vuiedit_tree_editfont"; // named by the edit skins

// Single images every list-box skin loads for its pop-up's scroll bar.
inline constexpr const char* kScrollOff = "blender_scroll_off.sts";
inline constexpr const char* kScrollUp = "blender_scroll_up.sts";
inline constexpr const char* kScrollDown = "blender_scroll_down.sts";

// Property-tree images and skins.
inline constexpr const char* kBranchToggle = "Vuitree_branchtog.sts"; // capital V as spelled
inline constexpr const char* kTreeControlText = "vui_tree_control_text.sts";
inline constexpr const char* kTreeTextEdit = "vui_tree_textedit.sts";
inline constexpr const char* kTreeNTextEdit = "vui_tree_ntextedit.sts";
inline constexpr const char* kTreeWheelFrame = "vui_thumbwheel_bg.sts";      // drawn on top
inline constexpr const char* kTreeWheelTexture = "vui_thumbwheel_words.sts"; // scrolls, period 300
inline constexpr const char* kTreeWheelMask = "vui_thumbwheel_over.sts";
inline constexpr const char* kTreeCheckBox = "vui_tree_x.sts";
inline constexpr const char* kTreeExpandTextButton = "vui_tree_expandtext_but.sts";
inline constexpr const char* kTreeTextureButton = "vui_tree_t.sts";
inline constexpr const char* kTreeFunctionButton = "vui_tree_f.sts";
inline constexpr const char* kTreeCurveButton = "vuitree_curvebtn.sts";
inline constexpr const char* kTreeGradientButton = "vui_tree_gradbutton.sts";
inline constexpr const char* kTreeMaterialButton = "vui_tree_m.sts";
inline constexpr const char* kTreeListBox = "vuitree_listbox.lbs";
inline constexpr const char* kTreeFunctionListButton = "vui_tree_funcbutn.lbs";
constexpr int kTreeWheelPeriodPixels = 300; // the period the tree passes its wheel

// The skin's own database scripts and message text, loaded by the host at start-up.
inline constexpr const char* kColourScript = "vorn_colours.txt";
inline constexpr const char* kFontScript = "vorn_fonts.txt";
inline constexpr const char* kMessageText = "vorn_messages.txt";

// The list boxes' selection dot (named by the skins' "lbSelDot" lines).
inline constexpr const char* kListBoxSelDot = "vui_lb_seldot.sts";

// Default host looks (ours). VornSliderA: six bitmaps for a 20-pixel-high slider.
inline constexpr const char* kSliderLeftCap = "vorn_slider_leftcap.sts";
inline constexpr const char* kSliderCap0 = "vorn_slider_cap0.sts";
inline constexpr const char* kSliderCap1 = "vorn_slider_cap1.sts";
inline constexpr const char* kSliderCap2 = "vorn_slider_cap2.sts";
inline constexpr const char* kSliderFill = "vorn_slider_fill.sts";
inline constexpr const char* kSliderKnob = "vorn_slider_knob.sts";
constexpr int kSliderHeight = 20;
// VornSliderC: a knob over a track; the window takes the track's size.
inline constexpr const char* kSliderCKnob = "vorn_sliderc_knob.sts";
inline constexpr const char* kSliderCTrack = "vorn_sliderc_track.sts";
constexpr int kSliderCMargin = 4; // left and right margins the track was drawn for

// Image sets for the button kinds, all eight states each.
inline constexpr const char* kButtonPush = "vorn_button_push.sts";
inline constexpr const char* kButtonToggle = "vorn_button_toggle.sts";
inline constexpr const char* kButtonRadio = "vorn_button_radio.sts";
inline constexpr const char* kButtonMomentUp = "vorn_button_moment_up.sts";
inline constexpr const char* kButtonMomentDown = "vorn_button_moment_down.sts";
inline constexpr const char* kButtonMoon = "vorn_button_moon.sts";
inline constexpr const char* kButtonSizer = "vorn_button_sizer.sts";

// Page buttons (left and right) and the radio marks of menu entries (states 2 to 5 used).
inline constexpr const char* kButtonLeft = "vorn_button_left.sts";
inline constexpr const char* kButtonRight = "vorn_button_right.sts";
inline constexpr const char* kMenuRadio = "vorn_menu_radio.sts";
// Menu buttons, text buttons and the ring button; the menu's and text buttons' colours and fonts.
inline constexpr const char* kButtonPopUp = "vorn_button_popup.sts";
inline constexpr const char* kButtonPopSide = "vorn_button_popside.sts";
inline constexpr const char* kButtonText = "vorn_button_text.sts";
inline constexpr const char* kMenuFrame = "vorn_menu_frame";
inline constexpr const char* kMenuHighlight = "vorn_menu_highlight";
inline constexpr const char* kMenuLine = "vorn_menu_line";
inline constexpr const char* kMenuSecond = "vorn_menu_second";
inline constexpr const char* kTextButtonText = "vorn_text_button_text";
inline constexpr const char* kTextButtonHighlight = "vorn_text_button_highlight";
inline constexpr const char* kRingLine = "vorn_ring_line";
inline constexpr const char* kRingFill = "vorn_ring_fill";
inline constexpr const char* kMenuTitleFont = "vorn_menu_title";
inline constexpr const char* kMenuEntryFont = "vorn_menu_entry";
inline constexpr const char* kTextButtonFont = "vorn_text_button_font";
// Edit boxes and list boxes for hosts.
inline constexpr const char* kEdit = "vorn_edit.sts";
inline constexpr const char* kEditSmall = "vorn_edit_small.sts"; // fits the colour picker's 65 x 20 fields
inline constexpr const char* kMultiEdit = "vorn_multiedit.sts"; // VornMultiEdit, scroll bar inside
inline constexpr const char* kListBox = "vorn_listbox.lbs";
inline constexpr const char* kListBoxFont = "vorn_listbox_font"; // hosts' list boxes and list buttons
inline constexpr const char* kEditFont = "vorn_edit_font";
inline constexpr const char* kEditSmallFont = "vorn_edit_small_font"; // "0.500000" fits the small fields

// Thumb wheel (BitmapA, with alpha): frame on top, texture periodic over kWheelPeriod.
inline constexpr const char* kWheelFrame = "vorn_wheel_frame.sts";
inline constexpr const char* kWheelTexture = "vorn_wheel_texture.sts";
inline constexpr const char* kWheelMask = "vorn_wheel_mask.sts";
constexpr int kWheelPeriodPixels = 300;

// Compass (BitmapA): frame on top, heading tape periodic over one turn, mask.
inline constexpr const char* kCompassFrame = "vorn_compass_frame.sts";
inline constexpr const char* kCompassTape = "vorn_compass_tape.sts";
inline constexpr const char* kCompassMask = "vorn_compass_mask.sts";
constexpr int kCompassTurnPixels = 321;
// Attitude indicator face (BitmapA, round, transparent outside).
inline constexpr const char* kHorizonFace = "vorn_horizon_face.sts";
// Movie bar handles (wxBitmap, for a 300 x 24 bar with SetUp(10, 6)) and the time control's
// face (BitmapA) and hand plate (an opaque image set the control loads as a VornBitmapACache).
inline constexpr const char* kMovieStart = "vorn_movie_start.sts";
inline constexpr const char* kMovieEnd = "vorn_movie_end.sts";
inline constexpr const char* kMovieValue = "vorn_movie_value.sts";
inline constexpr const char* kTimeFace = "vorn_time_face.sts";
inline constexpr const char* kTimeHand = "vorn_time_hand.sts";
// Range control backgrounds (wxBitmap): horizontal 240 x 28 and vertical 28 x 240, drawn for
// the geometry below (along the track / across it; the vertical one exchanges x and y).
inline constexpr const char* kRangeBackground = "vorn_range_background.sts";
inline constexpr const char* kVRangeBackground = "vorn_vrange_background.sts";
constexpr int kRangeTrackStart = 10, kRangeTrackEnd = 230, kRangeBandStart = 9, kRangeBandEnd = 21;
constexpr int kRangeHandleWidth = 8, kRangeHandleHeight = 6;

// Colours of the procedurally drawn controls (sliders B, angle dials, clippers).
inline constexpr const char* kSliderBackground = "slider_background";
inline constexpr const char* kSliderLine = "slider_line";
inline constexpr const char* kDialBackground = "vorn_dial_background";
inline constexpr const char* kDialLine = "vorn_dial_line";
inline constexpr const char* kDialSecond = "vorn_dial_second";
inline constexpr const char* kPanelBackground = "vorn_panel_background";
inline constexpr const char* kPanelText = "vorn_panel_text";

// VornMonsterBox: frame images, scroll handle, check-box cells, bottom buttons and colours.
inline constexpr const char* kTableTop = "vorn_table_top.sts";         // heading band, tiled
inline constexpr const char* kTableBottom = "vorn_table_bottom.sts";   // bottom band, tiled
inline constexpr const char* kTableDivider = "vorn_table_divider.sts"; // before each button
inline constexpr const char* kTableHandle = "vorn_table_handle.sts";
inline constexpr const char* kTableCheck = "vorn_table_check.sts";
inline constexpr const char* kTableAdd = "vorn_table_add.sts";
inline constexpr const char* kTableRemove = "vorn_table_remove.sts";
inline constexpr const char* kTableBackground = "vorn_table_background";
inline constexpr const char* kTableSecond = "vorn_table_second";
inline constexpr const char* kTableText = "vorn_table_text";
inline constexpr const char* kTableSeparator = "vorn_table_separator";
inline constexpr const char* kTableFrame = "vorn_table_frame";

} // namespace vornskin

/// How an asset is loaded, which decides what the checker runs and what a skin must hold.
enum class SkinAssetKind {
    Colour,       // colour database key
    Font,         // font database key
    Bitmap,       // single image, LoadImageCached(name, const wxBitmap*&)
    BitmapA,      // single image with alpha, LoadImageCached(name, const BitmapA*&)
    ImageSet,     // LoadImagesCached(name, const VornwxBitmapCache*&)
    EditSkin,     // LoadEditWidgetCached
    ListBoxSkin,  // LoadListBoxCached
    ColourScript, // LoadColourData
    FontScript,   // LoadFontData
    MessageText,  // LoadMessages
};

/// A bit per image state (VORNIMAGETYPE 2..9), for SkinAssetName::states.
constexpr unsigned SkinStateBit(int state) { return 1u << state; }
constexpr unsigned kSkinAllStates = 0x3fcu; ///< The bits of states 2 to 9.

/// Who needs a name: the library's controls, the skin's own scripts, or hosts (default looks
/// for controls whose images the host passes in; the library never looks these up).
enum class SkinNameOrigin { Library, Skin, Host };

/// One name the library or a host looks up, with what its load needs.
struct SkinAssetName {
    const char* name;      ///< The name as looked up.
    SkinAssetKind kind;    ///< What is loaded under it, and through which call.
    int width;             ///< Width in pixels; 0 where the size is the skin's choice.
    int height;            ///< Height in pixels; 0 where the size is the skin's choice.
    /// Image sets and list-box skins: the states the skin must assign (SkinStateBit bits).
    unsigned states;
    SkinNameOrigin origin; ///< Who needs the name.
    const char* use;       ///< Who reads it.
};

/// Every name, library look-ups first, then the database scripts, then the host looks.
const std::vector<SkinAssetName>& SkinAssetNames();
/// The entry of a name: colour and font keys compare exactly, file names ignoring case
/// (as the asset manager folds them). Null for an unknown name.
const SkinAssetName* FindSkinAssetName(const std::string& name);
/// "colour", "font", "wxBitmap image", "BitmapA image", "image set", "edit skin",
/// "list-box skin", "colour script", "font script", "message text".
const char* SkinAssetKindName(SkinAssetKind kind);
/// True for the kinds stored as files (not database keys).
bool IsSkinFileKind(SkinAssetKind kind);

} // namespace vorn
