// Text page: the single-line edit box in each of its six styles, the boxes that translate
// values (scale, date, time) fed by a host slider, a right-aligned read-only box, a plain
// colour box, and the multi-line box. What each box commits appears in the log.
#include <string>

#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/stattext.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/framework/hint_event.h>
#include <vorn/text_lists/edit_boxes.h>

#include "host_controls.h"
#include "mouse_script.h"
#include "pages.h"

using namespace vorn;

namespace {

struct Skin {
    const wxBitmap* background = nullptr;
    VornEditInfo info;
};

// The default skin's edit box; without a skin a plain white box of the same layout.
Skin LoadSkin(AssetManager* assets)
{
    Skin skin;
    if (assets && assets->LoadEditWidgetCached(vornskin::kEdit, skin.background, skin.info))
        return skin;
    skin.background = nullptr;
    skin.info = VornEditInfo();
    skin.info.x = 5, skin.info.y = 3, skin.info.width = 110, skin.info.height = 14;
    skin.info.textColour = *wxBLACK;
    skin.info.highlightColour = wxColour(160, 190, 230);
    skin.info.backgroundColour = *wxWHITE;
    return skin;
}

class TextPage : public ValueGroupPage {
public:
    TextPage(wxWindow* parent, GalleryContext& context) : ValueGroupPage(parent, context), m_skin(LoadSkin(context.assets))
    {
        m_values.Register(context.log);
        ApplyPageColours(this, context.assets);

        auto* columns = new wxBoxSizer(wxHORIZONTAL);
        auto* left = new wxBoxSizer(wxVERTICAL);
        AddIntro(this, left,
                 "Click a box and type; Enter or leaving the box commits.\n"
                 "Numbers are formatted on commit; Control A, C, X, V work.");
        auto* grid = new wxFlexGridSizer(2, 6, 12);
        static const struct { const char* label; const char* text; } styles[] = {
            {"0 integer", "42"},          {"1 real", "3.5"},
            {"2 free text", "Grüße, 世界"}, {"3 password", "secret"},
            {"4 two decimals", "2.50"},   {"5 five characters", "abcde"},
        };
        for (int style = 0; style < 6; ++style) {
            VornEdit* box = AddBox<VornEdit>(grid, styles[style].label, style, &m_group);
            box->SetText(styles[style].text, false);
            m_boxes[style] = box;
        }

        // Translating boxes: the host slider pushes each its value as a hint event.
        m_scale = AddBox<ScaleEditBox>(grid, "scale 0..100 (fraction)", kEditReal, &m_values);
        m_date = AddBox<DateEditBox>(grid, "date (days since 1970)", kEditText, &m_values);
        m_time = AddBox<TimeEditBox>(grid, "time (seconds)", kEditText, &m_values);
        grid->Add(new wxStaticText(this, wxID_ANY, "host slider"), 0, wxALIGN_CENTER_VERTICAL);
        m_slider = new wxSlider(this, wxID_ANY, 500, 0, 1000, wxDefaultPosition, wxSize(160, -1));
        m_slider->Bind(wxEVT_SLIDER, [this](wxCommandEvent&) { PushSliderValue(); });
        grid->Add(m_slider);

        VornEdit* right = AddBox<VornEdit>(grid, "read-only, right aligned", kEditText, &m_group, false,
                                           VornEdit::kRightAligned);
        right->SetText("flush right", false);
        grid->Add(new wxStaticText(this, wxID_ANY, "plain colour box"), 0, wxALIGN_CENTER_VERTICAL);
        auto* plain = new VornEdit(0, 0, 120, 20, this, *wxWHITE, wxColour(60, 66, 74), NextControlId(), &m_group);
        plain->SetText("plain box", false);
        grid->Add(plain);
        left->Add(grid, 0, wxALL, 8);
        columns->Add(left);
        columns->Add(BuildMultiLineDemo(this, context), 0, wxALL, 8);
        SetSizer(columns);
        PushSliderValue();
    }

    ~TextPage() override
    {
        DestroyChildren(); // the boxes leave m_values before it goes
        m_values.DeRegister(m_context.log);
    }

    // Types into the real box and commits, then edits the free-text box and keeps the focus
    // there, so the caret and a selection show.
    void RunDemo() override
    {
        Type(m_boxes[kEditReal], "\x01" "2.71828\r");
        wxFocusEvent leave(wxEVT_KILL_FOCUS, m_boxes[kEditReal]->GetId());
        m_boxes[kEditReal]->HandleWindowEvent(leave);
        VornEdit* free = m_boxes[kEditText];
        Type(free, "\x01" "Demo typing");
        const wxRect r = free->GetTextRect();
        const wxPoint start(r.x + 1, r.y + r.height / 2), end(r.x + r.width / 3, start.y);
        gallery::Press(free, start);
        gallery::DragTo(free, end);
        gallery::Release(free, end);
        m_slider->SetValue(800);
        PushSliderValue();
    }

private:
    template <class Box>
    Box* AddBox(wxSizer* grid, const char* label, int style, VornControlGroup* group, bool editable = true,
                long windowStyle = 0)
    {
        grid->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(label)), 0, wxALIGN_CENTER_VERTICAL);
        auto* box = new Box(m_skin.background, m_skin.info, 0, 0, this, NextControlId(), editable, style, group,
                            windowStyle);
        box->SetName(wxString::FromUTF8(label));
        grid->Add(box);
        return box;
    }

    void Push(VornEdit* box, double value)
    {
        VornHintEvent event(VORN_EVT_HINT, 0, nullptr, new RealValChanged(value));
        box->GetEventHandler()->ProcessEvent(event);
    }

    // Fraction 0..1 to the scale box; the same position as a day in 2000..2027 and a time of day.
    void PushSliderValue()
    {
        const double fraction = m_slider->GetValue() / 1000.0;
        Push(m_scale, fraction);
        Push(m_date, 10957.0 + fraction * 10000.0);
        Push(m_time, fraction * 86399.0);
        if (m_context.log)
            m_context.log->Note("host slider: " + std::to_string(fraction));
    }

    // Characters as the toolkit would deliver them; \x01 is Control A.
    static void Type(VornEdit* box, const std::string& utf8)
    {
        wxFocusEvent focus(wxEVT_SET_FOCUS, box->GetId());
        box->HandleWindowEvent(focus);
        for (wxUniChar c : wxString::FromUTF8(utf8)) {
            wxKeyEvent key(wxEVT_CHAR);
            key.m_keyCode = key.m_uniChar = c.GetValue();
            key.SetControlDown(c.GetValue() == 1);
            box->HandleWindowEvent(key);
        }
    }

    Skin m_skin;
    VornControlGroupValue m_values; // the translating boxes, apart from the styles' group
    VornEdit* m_boxes[6] = {};
    ScaleEditBox* m_scale = nullptr;
    DateEditBox* m_date = nullptr;
    TimeEditBox* m_time = nullptr;
    wxSlider* m_slider = nullptr;
};

} // namespace

wxWindow* BuildTextPage(wxWindow* parent, GalleryContext& context) { return new TextPage(parent, context); }
