// Colour page: the colour picker, and a gradient shown by its summary strip with the range
// strip choosing the part on display. Everything the picker's parts and the strips send
// reaches the log.
#include <memory>

#include <wx/sizer.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/colour/colour_picker.h>
#include <vorn/colour/gradient_strips.h>
#include <vorn/util/gradient.h>

#include "host_controls.h"
#include "mouse_script.h"
#include "pages.h"

using namespace vorn;

namespace {

constexpr int kStripWidth = 330;

class ColourPage : public wxPanel, public GalleryDemo {
public:
    ColourPage(wxWindow* parent, GalleryContext& context) : wxPanel(parent), m_context(context)
    {
        ApplyPageColours(this, context.assets);
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        AddIntro(this, sizer,
                 "The colour picker: point in the field, drag the saturation marker or type numbers. Below, a "
                 "gradient's summary and the range strip.");
        ColourPicker::RESOURCES res;
        if (AssetManager* assets = context.assets) {
            for (auto& edit : res.edits)
                assets->LoadEditWidgetCached(vornskin::kTreeNTextEdit, edit.bitmap, edit.info);
            assets->LoadImagesCached(vornskin::kButtonMomentUp, res.satUp);
            assets->LoadImagesCached(vornskin::kButtonMomentDown, res.satDown);
        }
        m_picker = new ColourPicker(res, 0, 0, 330, 172, this, NextControlId(), nullptr);
        m_picker->GetPickerGroup()->Register(context.log);
        m_picker->SetBgColour(GetBackgroundColour());
        m_picker->SetFgColour(GetForegroundColour());
        m_picker->SetInitialRGB(Color(0.2, 0.45, 0.8));
        m_picker->SetColourRGB(Color(0.9, 0.55, 0.2));
        sizer->Add(m_picker, 0, wxALL, 8);

        m_gradient.AddPoint(CONTROL_POINT(0.0, Color(0.05, 0.05, 0.2)));
        m_gradient.AddPoint(CONTROL_POINT(0.35, Color(0.2, 0.45, 0.85)));
        m_gradient.AddPoint(CONTROL_POINT(0.7, Color(0.95, 0.6, 0.2)));
        m_gradient.AddPoint(CONTROL_POINT(1.0, Color(1.0, 0.97, 0.85)));
        m_group.Register(context.log);
        m_summary = new GradientSummary(0, 0, kStripWidth, 18, this, NextControlId(), &m_group);
        m_range = new GradientRangeControl(0, 0, kStripWidth, 22, this, NextControlId(), &m_group);
        for (GradientControlComp* strip : {static_cast<GradientControlComp*>(m_summary),
                                           static_cast<GradientControlComp*>(m_range)}) {
            strip->SetFgColour(GetForegroundColour());
            strip->SetBgColour(GetBackgroundColour());
            strip->Bind(&m_gradient);
            strip->SetDisplayRange(0.2, 0.8);
        }
        m_summary->SetSpace(15, 15);
        m_range->SetSpace(15, 15);
        m_summary->RecalcState();
        sizer->Add(m_summary, 0, wxLEFT | wxTOP, 8);
        sizer->Add(m_range, 0, wxLEFT, 8);
        SetSizer(sizer);
    }

    ~ColourPage() override
    {
        m_picker->GetPickerGroup()->DeRegister(m_context.log);
        m_group.DeRegister(m_context.log);
        DestroyChildren();
    }

    // Picks a colour in the hue/value field, then drags the range strip's right handle left.
    void RunDemo() override
    {
        using namespace gallery;
        if (wxWindow* field = m_picker->FindWindow(101)) {
            Press(field, {140, 40});
            Release(field, {140, 40});
        }
        const int right = m_range->GetModel().GetMaxColumn();
        Press(m_range, {right, 5});
        DragTo(m_range, {right - 40, 5});
        Release(m_range, {right - 40, 5});
    }

private:
    GalleryContext& m_context;
    Gradient m_gradient;
    VornControlGroup m_group;
    ColourPicker* m_picker = nullptr;
    GradientSummary* m_summary = nullptr;
    GradientRangeControl* m_range = nullptr;
};

} // namespace

wxWindow* BuildColourPage(wxWindow* parent, GalleryContext& context) { return new ColourPage(parent, context); }
