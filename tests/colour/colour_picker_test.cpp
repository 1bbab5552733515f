// The colour picker driven through its parts: edit boxes, step buttons, the field's face
// and picks, the saturation bar's drag.
#include <cstdlib>

#include <gtest/gtest.h>

#include <vorn/assets/image_cache.h>
#include <vorn/colour/colour_picker.h>

#include "../support/group_recorder.h"
#include "../support/test_support.h"

using namespace vorn;
using namespace vorntest;

namespace {

// Remembers every current-colour hint reaching the picker's group, with its sender.
struct ColourLog : MessageReceiver {
    std::vector<std::pair<VornControl*, Color>> rgb;
    void OnMessage(unsigned int, VornControl* control, VornControlHint* hint) override
    {
        if (auto* h = dynamic_cast<ColourHintCurrentRGB*>(hint))
            rgb.emplace_back(control, h->colour);
    }
};

class ColourPickerTest : public GuiTest {
protected:
    GroupRecorder group;
    VornwxBitmapCache buttons;
    ColourPicker* picker = nullptr;
    void SetUp() override
    {
        GuiTest::SetUp();
        for (VORNIMAGETYPE s = 2; s <= 9; ++s)
            buttons.AssignImageOwn(s, NewSolid(20, 10, *wxLIGHT_GREY));
        ColourPicker::RESOURCES res;
        for (auto& e : res.edits)
            e.info.width = 60, e.info.height = 18, e.info.textColour = *wxBLACK;
        res.satUp = res.satDown = &buttons;
        picker = new ColourPicker(res, 0, 0, 330, 175, panel, 5, &group);
    }
    static void ExpectColour(const Color& c, double r, double g, double b)
    {
        EXPECT_NEAR(c.r, r, 1e-9);
        EXPECT_NEAR(c.g, g, 1e-9);
        EXPECT_NEAR(c.b, b, 1e-9);
    }
};

TEST_F(ColourPickerTest, SaturationBoxMakesWhiteAndFlipsStepButtons)
{
    EXPECT_FALSE(picker->GetSatUp()->GetEnabled());
    EXPECT_TRUE(picker->GetSatDown()->GetEnabled());
    std::string text;
    picker->GetEdit(0)->GetText(text);
    EXPECT_EQ(text, "1.000000"); // the real style writes six decimals
    picker->GetEdit(4)->SetText("0", true);
    ExpectColour(picker->GetColourRGB(), 1, 1, 1);
    EXPECT_TRUE(picker->GetSatUp()->GetEnabled());
    EXPECT_FALSE(picker->GetSatDown()->GetEnabled());
    EXPECT_EQ(picker->GetBar()->GetModel().GetRow(), SaturationBarModel::kBottomRow);
    picker->GetEdit(1)->GetText(text);
    EXPECT_EQ(text, "1.000000"); // the real style writes six decimals
}

TEST_F(ColourPickerTest, EditCommitSendsWholeColourWithBoxAsSender)
{
    ColourLog log;
    picker->GetPickerGroup()->Register(&log);
    picker->GetEdit(1)->SetText("0.5", true);
    ASSERT_EQ(log.rgb.size(), 1u);
    EXPECT_EQ(log.rgb[0].first, picker->GetEdit(1));
    ExpectColour(log.rgb[0].second, 1, 0.5, 0);
    picker->GetEdit(0)->SetText("red", true); // no number reads as 0
    ExpectColour(picker->GetColourRGB(), 0, 0.5, 0);
    ExpectColour(picker->GetField()->GetCurrentRGB(), 0, 0.5, 0);
    picker->GetPickerGroup()->DeRegister(&log);
}

TEST_F(ColourPickerTest, GreyStripClickGivesGreyOfTheColumn)
{
    HueValueControl* field = picker->GetField();
    const int h = field->GetClientSize().y;
    LeftDown(field, {60, h - 11});
    LeftUp(field, {60, h - 11});
    const double v = field->GetModel().ColumnAt(60);
    EXPECT_GT(v, 0.1);
    ExpectColour(picker->GetColourRGB(), v, v, v);
    EXPECT_EQ(picker->GetBar()->GetCurrentHSV().g, 0.0);
}

// What the face shows is what a click there picks, at the marker too.
TEST_F(ColourPickerTest, ClickPicksTheDrawnColour)
{
    HueValueControl* field = picker->GetField();
    picker->SetColourHSV(Color(0.6, 1.0, 0.7));
    FieldPoint at;
    ASSERT_TRUE(field->GetModel().Marker(field->GetCurrentHSV(), at));
    const wxImage face = RenderToImage(field);
    int darkest = 3 * 255; // the ring is drawn dark on this light colour
    for (int dx = 3; dx <= 5; ++dx)
        darkest = std::min(darkest, face.GetRed(at.x + dx, at.y) + face.GetGreen(at.x + dx, at.y)
                                        + face.GetBlue(at.x + dx, at.y));
    EXPECT_LT(darkest, 200);
    for (wxPoint p : {wxPoint(at.x, at.y), wxPoint(30, 20), wxPoint(180, 90), wxPoint(100, 117)}) {
        LeftDown(field, p);
        LeftUp(field, p);
        const Color c = picker->GetColourRGB();
        EXPECT_NEAR(c.r * 255, face.GetRed(p.x, p.y), 2) << p.x << "," << p.y;
        EXPECT_NEAR(c.g * 255, face.GetGreen(p.x, p.y), 2) << p.x << "," << p.y;
        EXPECT_NEAR(c.b * 255, face.GetBlue(p.x, p.y), 2) << p.x << "," << p.y;
    }
}

TEST_F(ColourPickerTest, MarkerDragAndStepButtonsMoveSaturation)
{
    ShowFrame();
    DiagnosticsRecorder diag;
    SaturationPreview* bar = picker->GetBar();
    LeftDown(bar, {90, 3});
    Motion(bar, {90, 58});
    LeftUp(bar, {90, 58});
    EXPECT_NE(diag.DebugText().find("Starting Drag\n"), std::string::npos);
    EXPECT_NE(diag.DebugText().find("Stopping Drag\n"), std::string::npos);
    EXPECT_NEAR(picker->GetColourRGB().g, 0.5, 1e-9);
    EXPECT_FALSE(bar->IsMouseCaptive());
    const int row = bar->GetModel().GetRow();
    LeftDown(picker->GetSatDown(), {2, 2});
    LeftUp(picker->GetSatDown(), {2, 2});
    EXPECT_EQ(bar->GetModel().GetRow(), row + 1);
    EXPECT_NEAR(picker->GetField()->GetCurrentHSV().g, SaturationBarModel::SaturationOfRow(row + 1), 1e-12);
}

} // namespace
