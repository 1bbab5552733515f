// Lists page: a list box of 1,000 lines with separators, a list box that the host fills
// just before it opens, a list button, and the menu demo. Every choice reaches the host's
// group, which writes it to the log with the chosen line.
#include <string>

#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/text_lists/list_box.h>
#include <vorn/text_lists/list_button.h>
#include <vorn/text_lists/list_popup.h>

#include "host_controls.h"
#include "mouse_script.h"
#include "pages.h"

using namespace vorn;

namespace {

const wxColour kDefaultBackground(38, 41, 46);

// The host's group: a choice arrives as ControlSelected; the host reads the line back.
class ChoiceLog : public VornControlGroup {
public:
    explicit ChoiceLog(EventLog* log) : m_log(log) {}
    void ControlSelected(unsigned int id, VornControl* c) override
    {
        std::string line = "ControlSelected id=" + std::to_string(id) + "  " + EventLog::ControlName(c);
        if (auto* box = dynamic_cast<VornListBox*>(c))
            line += "  line " + std::to_string(box->GetSelected()) + " \"" + box->GetItemText(box->GetSelected()) + "\"";
        else if (auto* button = dynamic_cast<VornListButton*>(c))
            line += "  line " + std::to_string(button->GetSelected()) + " \"" +
                    button->GetItemText(button->GetSelected()) + "\"";
        m_log->Note(line);
    }

private:
    EventLog* m_log;
};

class ListsPage : public wxPanel, public GalleryDemo, public LBDisplayCallback {
public:
    ListsPage(wxWindow* parent, GalleryContext& context) : wxPanel(parent), m_context(context), m_group(context.log)
    {
        wxColour background = kDefaultBackground;
        if (context.assets) {
            context.assets->GetColour(vornskin::kPanelBackground, background);
            context.assets->LoadListBoxCached(vornskin::kListBox, m_skin);
            context.assets->GetFont(vornskin::kListBoxFont, m_font); // the skin's box is 20 pixels high
        }
        SetBackgroundColour(background);
        SetForegroundColour(wxColour(220, 220, 220));
        m_group.Register(context.log);

        auto* sizer = new wxBoxSizer(wxVERTICAL);
        AddIntro(this, sizer,
                 "Click a list box: its pop-up opens with the chosen line over the box. Arrows, Home, End and "
                 "typing the start of a line move the highlight; Enter or a click chooses, Escape closes.");
        // The three lists side by side, so that an open pop-up leaves the others in view.
        auto* lists = new wxBoxSizer(wxHORIZONTAL);
        m_long = new VornListBox(m_skin, 0, 0, this, m_font, NextControlId(), &m_group);
        m_long->SetName("list box (1,000 lines)");
        for (int i = 0; i < 1000; ++i) {
            if (i % 10 == 9)
                m_long->Append();
            else
                m_long->Append("Line " + std::to_string(i + 1));
        }
        m_long->SetSelected(500, false);
        Cell(lists, "VornListBox: 1,000 lines, a separator\nevery tenth", m_long);

        m_refilled = new VornListBox(m_skin, 0, 0, this, m_font, NextControlId(), &m_group);
        m_refilled->SetName("list box (refilled)");
        m_refilled->SetDisplayCallback(this);
        for (const char* colour : {"Red", "Green", "Blue"})
            m_refilled->Append(colour);
        m_refilled->SetSelected(1, false);
        Cell(lists, "VornListBox: the host fills it\nanew on every opening", m_refilled);

        m_button = new VornListButton(m_skin, 0, 0, this, m_font, NextControlId(), &m_group);
        m_button->SetName("list button");
        for (const char* shape : {"Cube", "Sphere", "Cylinder", "Cone", "Torus"})
            m_button->Append(shape);
        m_button->Append();
        m_button->Append("Import mesh...");
        Cell(lists, "VornListButton: no text of its own", m_button);
        sizer->Add(lists, 0, wxLEFT | wxTOP, 8);

        sizer->Add(new wxStaticText(this, wxID_ANY, "VornMenu"), 0, wxLEFT | wxTOP, 8);
        sizer->Add(BuildMenuDemo(this, context), 0, wxLEFT | wxTOP, 8);
        SetSizer(sizer);
    }

    ~ListsPage() override
    {
        m_group.DeRegister(m_context.log);
        DestroyChildren(); // the controls leave the group while it still exists
    }

    // The host's refill: the lines of the moment, counted per opening.
    void UpDateData(VornListBox* box) override
    {
        ++m_openings;
        box->ClearAll();
        for (const char* colour : {"Red", "Green", "Blue"})
            box->Append(std::string(colour) + " (opening " + std::to_string(m_openings) + ")");
        m_context.log->Note("UpDateData: list box refilled, opening " + std::to_string(m_openings));
    }

    // Chooses "Sphere" from the list button, then opens the long list and points at a line
    // below the chosen one, past a separator.
    void RunDemo() override
    {
        gallery::Press(m_button, {10, 8});
        if (ExpandedVornListBox* popup = m_button->GetExpandedBox())
            gallery::Press(popup, {30, popup->GetScrollOffset() + popup->GetColumn().Top(1) + 3});
        gallery::Press(m_long, {10, 8});
        if (ExpandedVornListBox* popup = m_long->GetExpandedBox()) {
            const int line = 503;
            const wxPoint at(30, popup->GetScrollOffset() + popup->GetColumn().Top(line) + 3);
            gallery::DragTo(popup, at);
        }
    }

private:
    // A column of the row of lists: the label, the control, its host boxes.
    void Cell(wxSizer* lists, const char* label, VornControl* control)
    {
        auto* cell = new wxBoxSizer(wxVERTICAL);
        cell->Add(new wxStaticText(this, wxID_ANY, label), 0, wxBOTTOM, 6);
        cell->Add(control, 0, wxBOTTOM, 6);
        auto* boxes = new wxBoxSizer(wxHORIZONTAL);
        AddEnableShow(this, boxes, control, EventLog::ControlName(control), m_context.log);
        cell->Add(boxes);
        lists->Add(cell, 0, wxRIGHT, 40);
    }

    GalleryContext& m_context;
    ChoiceLog m_group;
    VornListBoxInfo m_skin;
    wxFont m_font{wxFontInfo(9).Family(wxFONTFAMILY_SWISS)};
    VornListBox* m_long = nullptr;
    VornListBox* m_refilled = nullptr;
    VornListButton* m_button = nullptr;
    int m_openings = 0;
};

} // namespace

wxWindow* BuildListsPage(wxWindow* parent, GalleryContext& context)
{
    return new ListsPage(parent, context);
}
