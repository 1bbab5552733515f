// The menu demo on the "lists" page: a pop-up and a pop-side button each opening a menu
// with every kind of line, ring buttons on a strip, and text push and radio buttons. What
// reaches the host's groups goes to the log.
#include <type_traits>

#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/weakref.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/controls/popup_button.h>
#include <vorn/controls/ring_button.h>
#include <vorn/controls/text_button.h>
#include <vorn/text_lists/menu.h>

#include "host_controls.h"
#include "logging_group.h"
#include "pages.h"

using namespace vorn;

namespace {

// The part of a group that buttons register with (a value 1-of-N group has two).
template <class Group>
VornControlGroup* RoutingPart(Group* group)
{
    if constexpr (std::is_base_of_v<VornControlGroup1ofN, Group>)
        return static_cast<VornControlGroup1ofN*>(group);
    else
        return group;
}

// The host's groups: registered with the log, they also write what they hear to it,
// naming the control or the menu line.
template <class Group>
class Logged : public LoggingGroup<Group> {
public:
    explicit Logged(EventLog* log) : LoggingGroup<Group>(log) { RoutingPart(this)->Register(log); }
    ~Logged() override { RoutingPart(this)->DeRegister(this->m_log); }
    using LoggingGroup<Group>::ControlSelected;
    void ControlSelected(unsigned int id, VirtualControl* line) override
    {
        const auto* entry = dynamic_cast<VornMenuItem*>(line);
        this->m_log->Note("menu pick id=" + std::to_string(id) + "  \"" + (entry ? entry->GetText() : "") + "\"");
    }
};

class LoggedRings : public Logged<VornValueControlGroup1ofN> {
public:
    using Logged::Logged;
    void ControlDrag(unsigned int id, VornControl* c) override { this->Note("ControlDrag", id, c); }
};

// The look, from the skin when there is one, else plain defaults.
struct Look {
    explicit Look(AssetManager* assets)
    {
        if (!assets)
            return;
        assets->GetColour(vornskin::kPanelBackground, panel);
        assets->GetColour(vornskin::kMenuFrame, frame);
        assets->GetColour(vornskin::kMenuHighlight, highlight);
        assets->GetColour(vornskin::kMenuLine, line);
        assets->GetColour(vornskin::kMenuSecond, second);
        assets->GetColour(vornskin::kTextButtonText, text);
        assets->GetColour(vornskin::kTextButtonHighlight, textHighlight);
        assets->GetColour(vornskin::kRingLine, ringLine);
        assets->GetColour(vornskin::kRingFill, ringFill);
        assets->GetFont(vornskin::kMenuTitleFont, title);
        assets->GetFont(vornskin::kMenuEntryFont, entry);
        assets->GetFont(vornskin::kTextButtonFont, buttonFont);
        assets->LoadImagesCached(vornskin::kMenuRadio, radio);
        assets->LoadImagesCached(vornskin::kButtonPopUp, popUp);
        assets->LoadImagesCached(vornskin::kButtonPopSide, popSide);
        assets->LoadImagesCached(vornskin::kButtonText, textFace);
    }
    wxColour panel{38, 42, 46}, frame{24, 26, 30}, highlight{86, 156, 230}, line{36, 39, 45}, second{198, 203, 211};
    wxColour text{198, 203, 211}, textHighlight{244, 247, 250}, ringLine{122, 130, 142}, ringFill{52, 94, 140};
    wxFont title = wxFont(wxFontInfo(9).Bold()), entry = wxFont(wxFontInfo(9)), buttonFont = wxFont(wxFontInfo(9));
    const VornwxBitmapCache* radio = nullptr;
    const VornwxBitmapCache* popUp = nullptr;
    const VornwxBitmapCache* popSide = nullptr;
    const VornwxBitmapCache* textFace = nullptr;
};

class MenuDemo : public wxPanel {
public:
    MenuDemo(wxWindow* parent, GalleryContext& context)
        : wxPanel(parent), m_look(context.assets), m_picks(context.log), m_buttons(context.log),
          m_rings(context.log), m_radios(context.log)
    {
        SetBackgroundColour(m_look.panel);
        SetForegroundColour(m_look.text);
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        AddMenuRow(sizer);
        AddRingRow(sizer);
        AddTextButtonRow(sizer);
        SetSizer(sizer);
    }

    // The menus are top-level windows: they go first, while the groups they report to exist.
    ~MenuDemo() override
    {
        for (wxWeakRef<VornMenu>& menu : m_menus)
            delete menu.get();
        DestroyChildren();
    }

private:
    VornMenu* MakeMenu(const char* title, int firstId)
    {
        std::vector<MENUITEM> items{{firstId, wxString("@") + title}, {firstId + 1, "%Flat shading"},
                                    {firstId + 2, "%Smooth shading"}, {firstId + 3, "-"},
                                    {firstId + 4, "*Wireframe"},      {firstId + 5, "*Solid"},
                                    {firstId + 6, "*Textured"},       {firstId + 7, "-"},
                                    {firstId + 8, "%Reset view"}};
        auto* menu = new VornMenu(items, m_look.radio, m_look.frame, m_look.highlight, m_look.line, m_look.second,
                                  m_look.title, m_look.entry, 0, 0, &m_picks, this, wxID_ANY);
        menu->SetSelected(firstId + 5);
        m_menus.emplace_back(menu);
        return menu;
    }

    void AddMenuRow(wxSizer* sizer)
    {
        auto* row = Row(sizer, "VornPopUpButton (menu below, over a backdrop), VornPopSideButton (menu beside)");
        auto* up = new VornPopUpButton(m_look.popUp, MakeMenu("View", 900), 0, 0, 2, 1, this, NextControlId(),
                                       &m_buttons);
        up->SetName("pop-up button");
        auto* side = new VornPopSideButton(m_look.popSide, MakeMenu("Display", 920), 0, 0, 4, 0, this,
                                           NextControlId(), &m_buttons);
        side->SetName("pop-side button");
        side->AppendLineBreak();
        side->AppendSelectItem("Added by the host", 940, &m_picks);
        row->Add(up, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 16);
        row->Add(side, 0, wxALIGN_CENTER_VERTICAL);
    }

    void AddRingRow(wxSizer* sizer)
    {
        auto* row = Row(sizer, "VornRingButton: drag the middle to move, an end to stretch");
        auto* strip = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxSize(360, 32));
        strip->SetBackgroundColour(m_look.frame);
        for (int i = 0; i < 2; ++i) {
            auto* ring = new VornRingButton(m_look.frame, m_look.ringLine, m_look.ringFill, 20 + 160 * i, 0, 90, 32,
                                            strip, NextControlId(), &m_rings);
            ring->SetName(i ? "ring B" : "ring A");
        }
        row->Add(strip);
    }

    void AddTextButtonRow(wxSizer* sizer)
    {
        auto* row = Row(sizer, "VornTextPushButton (plain, on a face), VornTextRadioButton x 3");
        auto* plain = new VornTextPushButton("Apply", 0, 0, m_look.buttonFont, m_look.text, m_look.frame,
                                             m_look.textHighlight, 64, 20, this, NextControlId(), &m_buttons);
        plain->SetName("text push (plain)");
        auto* faced = new VornTextPushButton(m_look.textFace, 0, 0, "Render", 12, 3, m_look.buttonFont, m_look.text,
                                             m_look.panel, m_look.textHighlight, this, NextControlId(), &m_buttons);
        faced->SetName("text push (face)");
        row->Add(plain, 0, wxRIGHT, 8);
        row->Add(faced, 0, wxRIGHT, 16);
        const char* names[] = {"Low", "Mid", "High"};
        for (const char* name : names) {
            auto* radio = new VornTextRadioButton(name, 14, 3, m_look.buttonFont, m_look.text, m_look.second,
                                                  m_look.textHighlight, m_look.textFace, 0, 0, this,
                                                  NextControlId(), &m_radios);
            radio->SetName(std::string("text radio ") + name);
            row->Add(radio, 0, wxRIGHT, 4);
        }
    }

    wxSizer* Row(wxSizer* sizer, const char* label)
    {
        sizer->Add(new wxStaticText(this, wxID_ANY, label), 0, wxTOP, 6);
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        sizer->Add(row, 0, wxTOP, 4);
        return row;
    }

    Look m_look;
    Logged<VornControlGroup> m_picks;
    Logged<VornControlGroup> m_buttons;
    LoggedRings m_rings;
    Logged<VornControlGroup1ofN> m_radios;
    std::vector<wxWeakRef<VornMenu>> m_menus;
};

} // namespace

wxWindow* BuildMenuDemo(wxWindow* parent, GalleryContext& context) { return new MenuDemo(parent, context); }
