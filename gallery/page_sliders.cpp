// Sliders page: the four slider looks, each with host-side controls, on one value group.
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <vorn/controls/slider.h>

#include "host_controls.h"
#include "mouse_script.h"
#include "pages.h"
#include "slider_art.h"

namespace {

constexpr int kSliderWidth = 240;
const wxColour kPageBackground(38, 41, 46);

// Library controls are placed by position inside their parent: each sits in a holder
// panel of its size so that the page can use sizers.
wxPanel* MakeHolder(wxWindow* parent, int width, int height)
{
    auto* holder = new wxPanel(parent, wxID_ANY, wxDefaultPosition, wxSize(width, height));
    holder->SetBackgroundColour(kPageBackground);
    holder->SetMinSize(wxSize(width, height));
    return holder;
}

// Keeps the page's group and the art alive as long as the page, and takes the log off
// the group before the controls go.
class SlidersPage : public wxPanel, public GalleryDemo {
public:
    SlidersPage(wxWindow* parent, GalleryContext& context) : wxPanel(parent), m_context(context)
    {
        SetBackgroundColour(kPageBackground);
        SetForegroundColour(wxColour(220, 220, 220));
        m_group.Register(context.log);
        m_art = MakeSliderArt(kSliderWidth);

        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(new wxStaticText(this, wxID_ANY,
                                    "Drag a knob, or press on the track to jump. Hold Shift or Alt for ten "
                                    "times finer steps; the pointer may then leave the slider."),
                   0, wxALL, 8);

        // Placeholder look: the value model with a plain knob.
        {
            wxPanel* holder = MakeHolder(this, kSliderWidth, 20);
            auto* s = new HostValueSlider<VornSlider>(0, 0, 20, kSliderWidth, holder, wxID_ANY, &m_group);
            s->SetName("VornSlider");
            s->SetValue(0.25, false);
            AddRow(sizer, holder, s, "VornSlider (plain)");
        }
        // Six bitmaps: typed left cap, fill and knob.
        {
            wxPanel* holder = MakeHolder(this, kSliderWidth, 20);
            auto* s = new HostValueSlider<VornSliderA>(
                VornSliderA::SLIDER_CAP1, &m_art.leftCap, &m_art.knobA, &m_art.cap0, &m_art.cap1, &m_art.cap2,
                &m_art.fill, 0, 0, 20, kSliderWidth, kPageBackground, holder, wxID_ANY, &m_group);
            s->SetName("VornSliderA");
            m_sliderA = s;
            s->SetValue(0.6, false);
            AddRow(sizer, holder, s, "VornSliderA (bitmaps)");
        }
        // Drawn with the imaging layer.
        {
            wxPanel* holder = MakeHolder(this, kSliderWidth, 20);
            auto* s = new HostValueSlider<VornSliderB>(kPageBackground, wxColour(120, 190, 255), 0, 0,
                                                       kSliderWidth, 20, holder, wxID_ANY, &m_group);
            s->SetName("VornSliderB");
            m_sliderB = s;
            s->SetValue(0.4, false);
            AddRow(sizer, holder, s, "VornSliderB (drawn)");
        }
        // Knob over a track bitmap.
        {
            wxPanel* holder = MakeHolder(this, m_art.track.GetWidth(), m_art.track.GetHeight());
            auto* s = new HostValueSlider<VornSliderC>(&m_art.knobC, &m_art.track, 3, 3, 0, 0, holder, wxID_ANY,
                                                       &m_group);
            s->SetName("VornSliderC");
            s->SetValue(0.8, false);
            AddRow(sizer, holder, s, "VornSliderC (knob over track)");
        }
        SetSizer(sizer);
    }

    ~SlidersPage() override
    {
        m_group.DeRegister(m_context.log);
        DestroyChildren(); // the sliders leave the group while it still exists
    }

    // Drags the bitmap slider's knob, then presses on the drawn slider's track.
    void RunDemo() override
    {
        using namespace gallery;
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
    template <class Slider>
    void AddRow(wxSizer* sizer, wxPanel* holder, HostValueSlider<Slider>* slider, const std::string& label)
    {
        sizer->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(label)), 0, wxLEFT | wxTOP, 8);
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        row->Add(holder, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 16);
        ValueRowActions actions;
        actions.setValue = [slider](double v, bool notify) { slider->SetValue(v, notify); };
        actions.valueInterface = slider;
        row->Add(MakeHostRow(this, slider, label, actions, m_context), 0, wxALIGN_CENTER_VERTICAL);
        sizer->Add(row, 0, wxLEFT | wxTOP, 8);
    }

    GalleryContext& m_context;
    VornControlGroupValue m_group;
    SliderArt m_art;
    VornSlider* m_sliderA = nullptr;
    VornSlider* m_sliderB = nullptr;
};

} // namespace

wxWindow* BuildSlidersPage(wxWindow* parent, GalleryContext& context) { return new SlidersPage(parent, context); }
