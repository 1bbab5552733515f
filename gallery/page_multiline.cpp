// The multi-line edit box, as the "text" page shows it: a skinned box holding a few pages
// of text, its scroll bar in the skin's scroll colours, and what it commits in the log.
#include <string>

#include <wx/sizer.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/text_lists/multi_edit.h>

#include "host_controls.h"
#include "mouse_script.h"
#include "pages.h"

using namespace vorn;

namespace {

std::string DemoText()
{
    static const char* paragraphs[] = {
        "Type anywhere in this box: the text wraps at word boundaries, and a word longer than "
        "the line, such as Pneumonoultramicroscopicsilicovolcanoconiosis, is cut at the edge.",
        "Up and Down keep the caret's column; Shift with the arrows or with a press extends the "
        "selection. Control A, C, X and V select all, copy, cut and paste.",
        "When the box loses the focus after a change, it sends the whole text to its group, and "
        "the log below shows it arrive. Leaving it unchanged sends nothing.",
        "Accented and other characters are edited whole: déjà vu, naïve, Øresund, Ελληνικά.",
    };
    std::string text;
    int number = 0;
    for (int round = 0; round < 4; ++round)
        for (const char* paragraph : paragraphs)
            text += std::to_string(++number) + ". " + paragraph + "\n\n";
    text.pop_back();
    return text;
}

class MultiLineDemo : public ValueGroupPage {
public:
    MultiLineDemo(wxWindow* parent, GalleryContext& context) : ValueGroupPage(parent, context)
    {
        AssetManager* assets = context.assets;
        const wxBitmap* background = nullptr;
        VornEditInfo info;
        if (!assets || !assets->LoadEditWidgetCached(vornskin::kMultiEdit, background, info)) {
            // No skin: a plain box in the toolkit's colours.
            background = nullptr;
            info = VornEditInfo();
            info.x = info.y = 4;
            info.width = 310;
            info.height = 170;
            info.textColour = *wxBLACK;
            info.highlightColour = wxColour(160, 190, 230);
            info.backgroundColour = *wxWHITE;
        }
        if (assets && !info.backgroundColour.IsOk())
            assets->GetColour("skin_field", info.backgroundColour);
        m_box = new VornMultiEdit(background, info, 0, 0, this, NextControlId(), true, &m_group);
        m_box->SetName("VornMultiEdit");
        wxColour fg(122, 130, 142), bg(33, 36, 41), mo(86, 156, 230);
        if (assets) {
            assets->GetColour(vornskin::kScrollbarFg, fg);
            assets->GetColour(vornskin::kScrollbarBg, bg);
            assets->GetColour(vornskin::kScrollbarMo, mo);
        }
        m_box->SetScrollColours(fg, bg, mo);
        m_box->SetText(DemoText(), false);

        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(m_box, 0, wxALL, 4);
        SetSizer(sizer);
    }

    // Selects from the start to the middle of the second line with a press and a Shift press.
    void RunDemo() override
    {
        const wxRect r = m_box->GetTextRect();
        gallery::Press(m_box, r.GetTopLeft() + wxPoint(2, 2));
        gallery::Release(m_box, r.GetTopLeft() + wxPoint(2, 2));
        const wxPoint end(r.x + r.width / 2, r.y + m_box->GetLineHeight() + 2);
        gallery::Press(m_box, end, gallery::kShift);
        gallery::Release(m_box, end, gallery::kShift);
    }

private:
    VornMultiEdit* m_box = nullptr;
};

} // namespace

wxWindow* BuildMultiLineDemo(wxWindow* parent, GalleryContext& context)
{
    return new MultiLineDemo(parent, context);
}
