// Sliders page: the four slider looks, each with host-side controls, on one value group.
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/controls/slider.h>

#include "host_controls.h"
#include "mouse_script.h"
#include "pages.h"
#include "slider_art.h"

using namespace vorn;

namespace {

constexpr int kSliderWidth = 240; // the width the skin's VornSliderC track is drawn for
constexpr int kSliderHeight = vornskin::kSliderHeight;

// The page's colours, by name from the skin (or the toolkit's, without one).
struct SliderColours {
    wxColour page = wxColour(38, 42, 46);
    wxColour text = wxColour(214, 218, 224);
    wxColour background = page; // behind the sliders' own drawing
    wxColour line = wxColour(86, 156, 230);
};

SliderColours LoadColours(AssetManager* assets)
{
    SliderColours c;
    if (assets) {
        assets->GetColour(vornskin::kPanelBackground, c.page);
        assets->GetColour(vornskin::kPanelText, c.text);
        assets->GetColour(vornskin::kSliderBackground, c.background);
        assets->GetColour(vornskin::kSliderLine, c.line);
    }
    return c;
}

// The skin's images belong to the asset manager.
class SlidersPage : public ValueGroupPage {
public:
    SlidersPage(wxWindow* parent, GalleryContext& context)
        : ValueGroupPage(parent, context), m_colours(LoadColours(context.assets))
    {
        SetBackgroundColour(m_colours.page);
        SetForegroundColour(m_colours.text);
        const bool skinned = context.assets && LoadSliderArt(*context.assets, m_art);
        const std::string hint = context.assets ? context.assets->GetMessage("sliders_hint")
                                                : "Drag a knob, or press on the track to jump.";

        auto* sizer = new wxBoxSizer(wxVERTICAL);
        auto* hintText = new wxStaticText(this, wxID_ANY, wxString::FromUTF8(hint));
        hintText->Wrap(900); // translations run longer
        sizer->Add(hintText, 0, wxALL, 8);

        // Placeholder look: the value model with a plain knob.
        {
            auto* s =
                new HostValueSlider<VornSlider>(0, 0, kSliderHeight, kSliderWidth, this, NextControlId(), &m_group);
            s->SetName("VornSlider");
            s->SetBgColour(m_colours.background); // it clears to its own background
            s->SetValue(0.25, false);
            AddValueRow(this, sizer, s, "VornSlider (plain)", m_context);
        }
        // Six bitmaps of the skin: typed left cap, fill and knob.
        if (skinned) {
            auto* s = new HostValueSlider<VornSliderA>(VornSliderA::SLIDER_CAP1, m_art.leftCap, m_art.knobA,
                                                       m_art.cap0, m_art.cap1, m_art.cap2, m_art.fill, 0, 0,
                                                       kSliderHeight, kSliderWidth, m_colours.background, this,
                                                       NextControlId(), &m_group);
            s->SetName("VornSliderA");
            m_sliderA = s;
            s->SetValue(0.6, false);
            AddValueRow(this, sizer, s, "VornSliderA (skin bitmaps)", m_context);
        }
        // Drawn with the imaging layer in the skin's colours.
        {
            auto* s = new HostValueSlider<VornSliderB>(m_colours.background, m_colours.line, 0, 0, kSliderWidth,
                                                       kSliderHeight, this, NextControlId(), &m_group);
            s->SetName("VornSliderB");
            m_sliderB = s;
            s->SetValue(0.4, false);
            AddValueRow(this, sizer, s, "VornSliderB (drawn)", m_context);
        }
        // The skin's knob over its track.
        if (skinned) {
            auto* s = new HostValueSlider<VornSliderC>(m_art.knobC, m_art.track, vornskin::kSliderCMargin,
                                                       vornskin::kSliderCMargin, 0, 0, this, NextControlId(), &m_group);
            s->SetName("VornSliderC");
            s->SetValue(0.8, false);
            AddValueRow(this, sizer, s, "VornSliderC (skin knob over track)", m_context);
        }
        if (!skinned)
            sizer->Add(new wxStaticText(this, wxID_ANY, "No skin: the bitmap sliders need the default skin."), 0,
                       wxALL, 8);
        SetSizer(sizer);
    }

    // Drags the bitmap slider's knob, then presses on the drawn slider's track.
    void RunDemo() override
    {
        using namespace gallery;
        if (!m_sliderA)
            return;
        const int knob = m_sliderA->GetModel().GetCurPosition() + 3;
        Press(m_sliderA, {knob, 10});
        for (int x = knob; x >= knob - 60; x -= 15)
            DragTo(m_sliderA, {x, 10});
        Release(m_sliderA, {knob - 60, 10});
        Press(m_sliderB, {200, 10});
        DragTo(m_sliderB, {190, 10}, kShift);
        Release(m_sliderB, {190, 10});
    }

private:
    SliderColours m_colours;
    SliderArt m_art;
    VornSlider* m_sliderA = nullptr;
    VornSlider* m_sliderB = nullptr;
};

} // namespace

wxWindow* BuildSlidersPage(wxWindow* parent, GalleryContext& context) { return new SlidersPage(parent, context); }
