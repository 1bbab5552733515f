// Thumb wheel page: the default skin's wheel lying and upright, and the property tree's
// wheel, each with a readout and host-side controls, on one value group.
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/controls/thumb_wheel.h>
#include <vorn/framework/hints.h>

#include "host_controls.h"
#include "mouse_script.h"
#include "pages.h"

using namespace vorn;

namespace {

constexpr int kWheelColumn = 130; // the widest wheel and a margin

struct WheelImages {
    const BitmapA* frame = nullptr;
    const BitmapA* texture = nullptr;
    const BitmapA* mask = nullptr;
};

bool LoadWheel(AssetManager* assets, const char* frame, const char* texture, const char* mask, WheelImages& out)
{
    return assets && assets->LoadImageCached(frame, out.frame) && assets->LoadImageCached(texture, out.texture) &&
           assets->LoadImageCached(mask, out.mask);
}

// The skin draws its wheel lying down; an upright wheel is the same picture turned onto
// its side (x and y swapped), which the host owns.
BitmapA Transposed(const BitmapA& source)
{
    BitmapA out;
    if (source.IsEmpty() || !out.Create(source.height, source.width, source.channels))
        return out;
    const int bytes = source.GetPixelBytes();
    for (int y = 0; y < source.height; ++y)
        for (int x = 0; x < source.width; ++x)
            std::copy_n(source.PixelAt(x, y), bytes, out.PixelAt(y, x));
    return out;
}

class WheelPage : public ValueGroupPage, public MessageReceiver {
public:
    WheelPage(wxWindow* parent, GalleryContext& context) : ValueGroupPage(parent, context)
    {
        ApplyPageColours(this, context.assets);
        m_group.Register(static_cast<MessageReceiver*>(this));

        auto* sizer = new wxBoxSizer(wxVERTICAL);
        AddIntro(this, sizer,
                 "Drag along a wheel: to the right (or upward) raises the value; 350 pixels change it by its own "
                 "size at the press.\nHold Shift or Alt for ten times finer steps. A value within a millionth of "
                 "zero snaps to zero at the release.");

        WheelImages lying, tree;
        if (!LoadWheel(context.assets, vornskin::kWheelFrame, vornskin::kWheelTexture, vornskin::kWheelMask, lying) ||
            !LoadWheel(context.assets, vornskin::kTreeWheelFrame, vornskin::kTreeWheelTexture,
                       vornskin::kTreeWheelMask, tree)) {
            sizer->Add(new wxStaticText(this, wxID_ANY, "The default skin is not loaded: the wheels need its images."),
                       0, wxALL, 8);
            SetSizer(sizer);
            return;
        }
        m_uprightFrame = Transposed(*lying.frame);
        m_uprightTexture = Transposed(*lying.texture);
        m_uprightMask = Transposed(*lying.mask);

        m_lying = AddWheel(sizer, lying, false, vornskin::kWheelPeriodPixels, "VornThumbWheelControl (across)", 35.0f);
        m_tree = AddWheel(sizer, tree, false, vornskin::kTreeWheelPeriodPixels, "VornThumbWheelControl (tree wheel)",
                          0.0f);
        m_upright = AddWheel(sizer, {&m_uprightFrame, &m_uprightTexture, &m_uprightMask}, true,
                             vornskin::kWheelPeriodPixels, "VornThumbWheelControl (upright)", -2.5f);
        SetSizer(sizer);
    }

    ~WheelPage() override { m_group.DeRegister(static_cast<MessageReceiver*>(this)); }

    // The readouts follow every value the wheels report.
    void OnMessage(unsigned int, VornControl* control, VornControlHint* hint) override
    {
        auto* message = dynamic_cast<RealValMessage*>(hint);
        for (const Row& row : m_rows)
            if (message && row.wheel == control)
                row.readout->SetLabel(wxString::Format("value %g", message->value));
    }

    // Raises the lying wheel from 35, a tenth as fast with Shift; lifts the upright one; and
    // nudges the tree wheel off zero and back, so that it snaps to zero at the release.
    void RunDemo() override
    {
        using namespace gallery;
        if (!m_lying)
            return;
        Press(m_lying, {20, 9});
        for (int x = 30; x <= 60; x += 10)
            DragTo(m_lying, {x, 9});
        DragTo(m_lying, {100, 9}, kShift);
        Release(m_lying, {100, 9});
        Press(m_upright, {9, 100});
        for (int y = 90; y >= 40; y -= 10)
            DragTo(m_upright, {9, y});
        Release(m_upright, {9, 40});
        Press(m_tree, {50, 7});
        DragTo(m_tree, {53, 7});
        DragTo(m_tree, {50, 7});
        Release(m_tree, {50, 7});
    }

private:
    struct Row {
        VornThumbWheelControl* wheel;
        wxStaticText* readout;
    };

    VornThumbWheelControl* AddWheel(wxSizer* sizer, const WheelImages& images, bool vertical, int period,
                                    const std::string& label, float value)
    {
        sizer->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(label)), 0, wxLEFT | wxTOP, 8);
        auto* wheel = new VornThumbWheelControl(images.frame, images.texture, images.mask, 0, 0, vertical, period,
                                                this, NextControlId(), &m_group);
        wheel->SetName(wxString::FromUTF8(label));
        wheel->SetCurrentValue(value);
        auto* readout = new wxStaticText(this, wxID_ANY, wxString::Format("value %g", value), wxDefaultPosition,
                                         wxSize(150, -1));
        m_rows.push_back({wheel, readout});

        auto* row = new wxBoxSizer(wxHORIZONTAL);
        row->Add(wheel, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 12);
        row->AddSpacer(std::max(0, kWheelColumn - images.frame->width)); // readouts line up
        row->Add(readout, 0, wxALIGN_CENTER_VERTICAL);
        AddHostControls(row, sizer, wheel, label, readout);
        return wheel;
    }

    // Enable, show and read beside the wheel, and its own setters on a line below; the
    // value setter says nothing to the group, so the host updates its readout itself.
    void AddHostControls(wxSizer* first, wxSizer* sizer, VornThumbWheelControl* wheel, const std::string& label,
                         wxStaticText* readout)
    {
        EventLog* log = m_context.log;
        AddEnableShow(this, first, wheel, label, log);
        auto* read = new wxButton(this, wxID_ANY, "read", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
        read->Bind(wxEVT_BUTTON, [=](wxCommandEvent&) {
            log->Note(label + wxString::Format(" GetCurrentValue -> %g", wheel->GetCurrentValue()).utf8_string());
        });
        first->Add(read, 0, wxALIGN_CENTER_VERTICAL);
        sizer->Add(first, 0, wxLEFT | wxTOP, 8);

        struct Setter {
            const char* name;
            double initial;
            std::function<void(float)> apply;
        };
        const Setter setters[] = {
            {"SetCurrentValue", 1.0,
             [=](float v) {
                 wheel->SetCurrentValue(v);
                 wheel->Refresh(false);
                 readout->SetLabel(wxString::Format("value %g", v));
             }},
            {"SetMinValue", -1000.0, [=](float v) { wheel->SetMinValue(v); }},
            {"SetMaxValue", 1000.0, [=](float v) { wheel->SetMaxValue(v); }},
            {"SetStepAmount", 1.0, [=](float v) { wheel->SetStepAmount(v); }},
        };
        auto* second = new wxBoxSizer(wxHORIZONTAL);
        for (const Setter& setter : setters) {
            auto* entry = new wxTextCtrl(this, wxID_ANY, wxString::Format("%g", setter.initial), wxDefaultPosition,
                                         wxSize(90, -1));
            auto* button =
                new wxButton(this, wxID_ANY, setter.name, wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
            const std::string name = setter.name;
            const auto apply = setter.apply;
            button->Bind(wxEVT_BUTTON, [=](wxCommandEvent&) {
                double v = 0.0;
                if (!entry->GetValue().ToCDouble(&v)) {
                    log->Note(label + " " + name + ": not a number: " + entry->GetValue().utf8_string());
                    return;
                }
                apply(static_cast<float>(v));
                log->Note(label + wxString::Format(" %s(%g)", name, v).utf8_string());
            });
            second->Add(entry, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 2);
            second->Add(button, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
        }
        sizer->Add(second, 0, wxLEFT | wxTOP, 8);
    }

    BitmapA m_uprightFrame, m_uprightTexture, m_uprightMask;
    std::vector<Row> m_rows;
    VornThumbWheelControl* m_lying = nullptr;
    VornThumbWheelControl* m_upright = nullptr;
    VornThumbWheelControl* m_tree = nullptr;
};

} // namespace

wxWindow* BuildWheelPage(wxWindow* parent, GalleryContext& context) { return new WheelPage(parent, context); }
