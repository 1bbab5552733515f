// Dials page: the plain and the drawn direction dial and the angle clippers, coloured from
// the default skin, each with host-side controls, on one value group.
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/controls/angle_clippers.h>
#include <vorn/controls/angle_control.h>

#include "host_controls.h"
#include "mouse_script.h"
#include "pages.h"

using namespace vorn;

namespace {

// The skin's colours, or these when it is not loaded.
struct DialColours {
    wxColour page{38, 41, 46};
    wxColour text{220, 220, 220};
    ColorA background{38 / 255.0, 41 / 255.0, 46 / 255.0, 1.0};
    ColorA line{196 / 255.0, 202 / 255.0, 210 / 255.0, 1.0};
    ColorA second{110 / 255.0, 160 / 255.0, 220 / 255.0, 1.0};
};

DialColours LoadColours(AssetManager* assets)
{
    DialColours c;
    if (!assets)
        return c;
    assets->GetColour(vornskin::kPanelBackground, c.page);
    assets->GetColour(vornskin::kPanelText, c.text);
    assets->GetColour(vornskin::kDialBackground, c.background);
    assets->GetColour(vornskin::kDialLine, c.line);
    assets->GetColour(vornskin::kDialSecond, c.second);
    return c;
}

class DialsPage : public ValueGroupPage {
public:
    DialsPage(wxWindow* parent, GalleryContext& context) : ValueGroupPage(parent, context)
    {
        const DialColours colours = LoadColours(context.assets);
        SetBackgroundColour(colours.page);
        SetForegroundColour(colours.text);

        auto* sizer = new wxBoxSizer(wxVERTICAL);
        AddIntro(this, sizer,
                 "Drag round a dial: its knob follows the pointer. Hold Shift or Alt to turn it a tenth as fast, "
                 "smoothly across the zero direction.\nDrag the clippers down to open them (60 pixels for a "
                 "quarter turn, ten times that with Shift or Alt).");

        {
            // The plain dial draws only its knob: a darker ground shows where to drag.
            m_plain = new HostValueSlider<VornAngleControl>(50, 50, 40, 0, 0, 100, 100, this, NextControlId(), &m_group);
            m_plain->SetName("VornAngleControl");
            m_plain->SetBgColour(colours.page.ChangeLightness(80));
            m_plain->SetValue(0.125f, false);
            AddRow(sizer, m_plain, "VornAngleControl (plain: a square knob on the circle)", true);
        }
        {
            m_drawn = new HostValueSlider<VornAngleControlB>(colours.line, colours.background, 0, 0, 200, 64, this,
                                                             NextControlId(), &m_group);
            m_drawn->SetName("VornAngleControlB");
            m_drawn->SetValue(0.3f, false);
            AddRow(sizer, m_drawn, "VornAngleControlB (drawn)", true);
        }
        {
            m_clippers = new HostValueSlider<VornAngleClippers>(colours.background, colours.line, colours.second, 60,
                                                                0, 0, 120, 56, this, NextControlId(), &m_group);
            m_clippers->SetName("VornAngleClippers");
            m_clippers->SetValue(0.25, false);
            AddRow(sizer, m_clippers, "VornAngleClippers", false);
        }
        SetSizer(sizer);
    }

    // Turns the plain dial by hand, the drawn one coarsely then finely across its zero
    // direction, and opens the clippers.
    void RunDemo() override
    {
        using namespace gallery;
        int x = 0, y = 0;
        m_plain->GetCurPosition(x, y);
        Press(m_plain, {x, y});
        const wxPoint path[] = {{80, 20}, {50, 8}, {20, 20}, {12, 40}};
        for (const wxPoint& p : path)
            DragTo(m_plain, p);
        Release(m_plain, path[3]);

        // The drawn dial's centre is (168, 32).
        Press(m_drawn, {180, 10});
        DragTo(m_drawn, {190, 40});
        for (int py = 40; py >= 0; py -= 10)
            DragTo(m_drawn, {200, py}, kShift);
        Release(m_drawn, {200, 0});

        Press(m_clippers, {60, 10});
        for (int py = 15; py <= 40; py += 5)
            DragTo(m_clippers, {60, py});
        Release(m_clippers, {60, 40});
    }

private:
    template <class Dial>
    void AddRow(wxSizer* sizer, HostValueSlider<Dial>* dial, const std::string& label, bool zero)
    {
        wxSizer* controls = AddValueRow(this, sizer, dial, label, m_context);
        if constexpr (std::is_base_of_v<VornAngleControl, Dial>) {
            if (zero)
                controls->Add(MakeDirectionRow(dial, label), 0, wxTOP, 4);
        }
    }

    // The zero direction and the clockwise flag the host keeps with a direction dial.
    wxSizer* MakeDirectionRow(VornAngleControl* dial, const std::string& label)
    {
        EventLog* log = m_context.log;
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        auto* zero = new wxChoice(this, wxID_ANY);
        for (const char* d : {"zero at 0\u00b0 (right)", "zero at 90\u00b0 (up)", "zero at 180\u00b0 (left)",
                              "zero at 270\u00b0 (down)"})
            zero->Append(wxString::FromUTF8(d));
        zero->SetSelection(0);
        zero->Bind(wxEVT_CHOICE, [=](wxCommandEvent& e) {
            const double degrees = 90.0 * e.GetSelection();
            dial->SetZeroVal(degrees);
            log->Note(label + wxString::Format(" SetZeroVal(%g): value now %g", degrees, dial->GetValue())
                                  .utf8_string());
        });
        auto* clockwise = new wxCheckBox(this, wxID_ANY, "clockwise (kept for the host)");
        clockwise->Bind(wxEVT_CHECKBOX, [=](wxCommandEvent& e) {
            dial->SetClockwiseVal(e.IsChecked());
            log->Note(label + (e.IsChecked() ? " SetClockwiseVal(true)" : " SetClockwiseVal(false)"));
        });
        row->Add(zero, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 10);
        row->Add(clockwise, 0, wxALIGN_CENTER_VERTICAL);
        return row;
    }

    HostValueSlider<VornAngleControl>* m_plain = nullptr;
    HostValueSlider<VornAngleControlB>* m_drawn = nullptr;
    HostValueSlider<VornAngleClippers>* m_clippers = nullptr;
};

} // namespace

wxWindow* BuildDialsPage(wxWindow* parent, GalleryContext& context) { return new DialsPage(parent, context); }
