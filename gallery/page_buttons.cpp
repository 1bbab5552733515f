// Buttons page: every image-button kind of the default skin in its states, each kind on
// a group that logs what the buttons report, so presses, clicks, repeats and drags show
// up in the live log.
#include <memory>

#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/controls/button.h>
#include <vorn/controls/button_drag.h>
#include <vorn/controls/button_moment.h>

#include "host_controls.h"
#include "logging_group.h"
#include "mouse_script.h"
#include "pages.h"

using namespace vorn;

namespace {

constexpr int kLabelWidth = 360;
constexpr int kGap = 8;      // between buttons of a row
constexpr int kMoonGap = 34; // moons need room to slide

// The host's side of the moment buttons: a counter that each press and repeat steps.
class MomentCounter : public MessageReceiver {
public:
    MomentCounter(wxStaticText* label, VornControl* up, VornControl* down) : m_label(label), m_up(up), m_down(down) {}
    void OnMessage(unsigned int, VornControl* control, VornControlHint* hint) override
    {
        if (!dynamic_cast<VornMomentHint*>(hint))
            return;
        m_value += control == m_up ? 1 : control == m_down ? -1 : 0;
        m_label->SetLabel(wxString::Format("counter %d", m_value));
    }

private:
    wxStaticText* m_label;
    VornControl* m_up;
    VornControl* m_down;
    int m_value = 0;
};

class ButtonsPage : public wxPanel, public GalleryDemo {
public:
    ButtonsPage(wxWindow* parent, GalleryContext& context)
        : wxPanel(parent), m_context(context), m_plain(context.log), m_radios(context.log), m_moons(context.log)
    {
        ApplyPageColours(this, context.assets);
        LoadSets();
        m_plain.Register(context.log);
        static_cast<VornControlGroup1ofN&>(m_radios).Register(context.log);
        static_cast<VornControlGroup1ofN&>(m_moons).Register(context.log);

        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(new wxStaticText(this, wxID_ANY,
                                    context.assets ? "Buttons of the default skin. Press, click, hold, drag; what "
                                                     "the groups hear goes to the log."
                                                   : "No skin loaded: the buttons have no images to draw."),
                   0, wxALL, 8);
        AddPlainRow(sizer);
        AddPushRow(sizer);
        AddToggleRow(sizer);
        AddRadioRow(sizer);
        AddMomentRow(sizer);
        AddMoonRow(sizer);
        AddSizerRow(sizer);
        SetSizer(sizer);
    }

    ~ButtonsPage() override
    {
        m_plain.DeRegister(m_context.log);
        m_plain.DeRegister(m_counter.get());
        static_cast<VornControlGroup1ofN&>(m_radios).DeRegister(m_context.log);
        static_cast<VornControlGroup1ofN&>(m_moons).DeRegister(m_context.log);
        DestroyChildren(); // the buttons leave their groups while the groups still exist
    }

    // Leaves a push button held, turns a toggle on, chooses a radio and a moon, slides
    // the moon, resizes the sizer's box, and presses the moment button through three
    // ticks of its timer.
    void RunDemo() override
    {
        using namespace gallery;
        Hover(m_heldPush);
        Press(m_heldPush, {5, 5});
        Hover(m_toggle);
        Press(m_toggle, {5, 5});
        Release(m_toggle, {5, 5});
        Hover(m_radio[2]);
        Press(m_radio[2], {5, 5});
        Release(m_radio[2], {5, 5});
        Press(m_moon[1], {8, 8});
        DragTo(m_moon[1], {148, 8});
        Release(m_moon[1], {8, 8}); // the moon moved along: the pointer is on its grab spot
        Press(m_grip, {7, 7});
        DragTo(m_grip, {67, 27});
        Release(m_grip, {67, 27});
        Hover(m_momentUp);
        Press(m_momentUp, {7, 7});
        for (int i = 0; i < 3; ++i)
            m_momentUp->GetTimer()->Notify();
        Release(m_momentUp, {7, 7});
    }

private:
    static void Hover(wxWindow* w)
    {
        wxMouseEvent enter(wxEVT_ENTER_WINDOW);
        enter.SetEventObject(w);
        enter.SetPosition(w->ClientToScreen(wxPoint(5, 5)));
        w->HandleWindowEvent(enter);
    }

    void LoadSets()
    {
        if (!m_context.assets)
            return;
        AssetManager& a = *m_context.assets;
        a.LoadImagesCached(vornskin::kButtonPush, m_push);
        a.LoadImagesCached(vornskin::kButtonToggle, m_toggleSet);
        a.LoadImagesCached(vornskin::kButtonRadio, m_radioSet);
        a.LoadImagesCached(vornskin::kButtonMomentUp, m_upSet);
        a.LoadImagesCached(vornskin::kButtonMomentDown, m_downSet);
        a.LoadImagesCached(vornskin::kButtonMoon, m_moonSet);
        a.LoadImagesCached(vornskin::kButtonSizer, m_sizerSet);
    }

    // A labelled row; the buttons follow the label in a sizer of their own.
    wxSizer* Row(wxSizer* sizer, const char* label)
    {
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        auto* text = new wxStaticText(this, wxID_ANY, label, wxDefaultPosition, wxSize(kLabelWidth, -1));
        row->Add(text, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
        sizer->Add(row, 0, wxLEFT | wxTOP, 8);
        return row;
    }

    // Adds a control to a row at its best size, `gap` pixels before the next.
    template <class Control>
    static Control* Place(wxSizer* row, Control* control, const char* name, int gap)
    {
        control->SetName(name);
        row->Add(control, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, gap);
        return control;
    }

    void AddPlainRow(wxSizer* sizer)
    {
        wxSizer* row = Row(sizer, "VornButton: off, on, disabled off, disabled on");
        VornButton* b[4];
        for (auto*& button : b)
            button = Place(row, new VornButton(m_toggleSet, 0, 0, this, NextControlId(), &m_plain), "plain", kGap);
        b[1]->SetOn(true);
        b[2]->SetEnabled(false);
        b[3]->SetOn(true);
        b[3]->SetEnabled(false);
    }

    void AddPushRow(wxSizer* sizer)
    {
        wxSizer* row = Row(sizer, "VornPushButton: plain, held down, disabled");
        Place(row, new VornPushButton(m_push, 0, 0, this, NextControlId(), &m_plain), "push", kGap);
        m_heldPush = Place(row, new VornPushButton(m_push, 0, 0, this, NextControlId(), &m_plain), "push held", kGap);
        Place(row, new VornPushButton(m_push, 0, 0, this, NextControlId(), &m_plain), "push disabled", kGap)
            ->SetEnabled(false);
    }

    void AddToggleRow(wxSizer* sizer)
    {
        wxSizer* row = Row(sizer, "VornButtonToggle: click to flip");
        m_toggle = Place(row, new VornButtonToggle(m_toggleSet, 0, 0, this, NextControlId(), &m_plain), "toggle A", kGap);
        Place(row, new VornButtonToggle(m_toggleSet, 0, 0, this, NextControlId(), &m_plain), "toggle B", kGap)
            ->SetOn(true);
        auto* held = Place(row, new VornButtonToggle(m_toggleSet, 0, 0, this, NextControlId(), &m_plain),
                           "toggle held", kGap);
        held->SetButtonDown(true); // ignores clicks while the host holds it
    }

    void AddRadioRow(wxSizer* sizer)
    {
        wxSizer* row = Row(sizer, "VornRadioButton: 1 of 3");
        const char* names[] = {"radio 1", "radio 2", "radio 3"};
        for (int i = 0; i < 3; ++i)
            m_radio[i] = Place(row, new VornRadioButton(m_radioSet, 0, 0, this, NextControlId(), &m_radios), names[i],
                               kGap);
        m_radio[0]->SetOn(true);
        m_radios.SetOnAll(m_radio[0], false, nullptr);
    }

    void AddMomentRow(wxSizer* sizer)
    {
        wxSizer* row = Row(sizer, "VornMomentBtn: hold to repeat (400 ms, then 80 ms)");
        m_momentUp = Place(row, new VornMomentBtn(m_upSet, 0, 0, this, NextControlId(), &m_plain, 0, 400, 80),
                           "moment up", 5);
        auto* down = Place(row, new VornMomentBtn(m_downSet, 0, 0, this, NextControlId(), &m_plain, 0, 400, 80),
                           "moment down", 9);
        auto* label = new wxStaticText(this, wxID_ANY, "counter 0");
        row->Add(label, 0, wxALIGN_CENTER_VERTICAL);
        m_counter = std::make_unique<MomentCounter>(label, m_momentUp, down);
        m_plain.Register(m_counter.get());
    }

    // A moon slides sideways inside its parent, the page; the sizer gives it its start.
    void AddMoonRow(wxSizer* sizer)
    {
        wxSizer* row = Row(sizer, "VornMoonButton: drag sideways, 1 of 3");
        row->AddSpacer(10);
        const char* names[] = {"moon 1", "moon 2", "moon 3"};
        for (int i = 0; i < 3; ++i)
            m_moon[i] = Place(row, new VornMoonButton(m_moonSet, 0, 0, this, NextControlId(), &m_moons), names[i],
                              kMoonGap);
    }

    void AddSizerRow(wxSizer* sizer)
    {
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        row->Add(new wxStaticText(this, wxID_ANY, "VornSizerButton: drag the grip", wxDefaultPosition,
                                  wxSize(kLabelWidth, -1)),
                 0, wxRIGHT, 8);
        // The box is placed by hand inside a fixed area, so the grip may resize it.
        auto* area = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxSize(300, 110));
        area->SetMinSize(wxSize(300, 110));
        area->SetBackgroundColour(GetBackgroundColour());
        // The grip is painted on the panel colour of the skin, so the box is that colour too,
        // outlined to show its size.
        auto* box = new wxPanel(area, wxID_ANY, wxPoint(0, 0), wxSize(160, 60), wxBORDER_SIMPLE);
        box->SetBackgroundColour(GetBackgroundColour());
        int w = 15, h = 15;
        if (m_sizerSet)
            m_sizerSet->GetSize(w, h);
        // The grip keeps itself in the box's corner: it is the one control placed by position.
        m_grip = new VornSizerButton(m_sizerSet, 160 - w, 60 - h, box, NextControlId(), &m_plain);
        m_grip->SetName("sizer grip");
        row->Add(area, 0);
        sizer->Add(row, 0, wxLEFT | wxTOP, 8);
    }

    GalleryContext& m_context;
    LoggingGroup<VornControlGroup> m_plain;
    LoggingValue1ofN m_radios;
    LoggingValue1ofN m_moons;
    std::unique_ptr<MomentCounter> m_counter;
    const VornwxBitmapCache* m_push = nullptr;
    const VornwxBitmapCache* m_toggleSet = nullptr;
    const VornwxBitmapCache* m_radioSet = nullptr;
    const VornwxBitmapCache* m_upSet = nullptr;
    const VornwxBitmapCache* m_downSet = nullptr;
    const VornwxBitmapCache* m_moonSet = nullptr;
    const VornwxBitmapCache* m_sizerSet = nullptr;
    VornPushButton* m_heldPush = nullptr;
    VornButtonToggle* m_toggle = nullptr;
    VornRadioButton* m_radio[3] = {};
    VornMomentBtn* m_momentUp = nullptr;
    VornMoonButton* m_moon[3] = {};
    VornSizerButton* m_grip = nullptr;
};

} // namespace

wxWindow* BuildButtonsPage(wxWindow* parent, GalleryContext& context) { return new ButtonsPage(parent, context); }
