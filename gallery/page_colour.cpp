// Colour page: the colour picker driving a swatch, the selected stop of a gradient editor
// and the colour row of a small property tree; the gradient editor (range and summary
// strips, add strip, stop bar, component boxes) whose colour dot asks the picker for a
// colour; and the tree's asset-button rows. Everything the picker, the editor and the
// tree send reaches the log.
#include <memory>

#include <wx/sizer.h>
#include <wx/stattext.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/colour/col_image_holder.h>
#include <vorn/colour/colour_control.h>
#include <vorn/colour/colour_hints.h>
#include <vorn/colour/colour_picker.h>
#include <vorn/colour/colour_slug.h>
#include <vorn/colour/gradient_control.h>
#include <vorn/colour/gradient_hints.h>
#include <vorn/colour/gradient_strips.h>
#include <vorn/controls/button.h>
#include <vorn/tree/asset_rows.h>
#include <vorn/tree/tree_control.h>
#include <vorn/util/gradient.h>
#include <vorn/util/wx_colour.h>

#include "host_controls.h"
#include "mouse_script.h"
#include "node_book.h"
#include "pages.h"

using namespace vorn;

namespace {

constexpr int kEditorWidth = 420;
constexpr int kEditorHeight = 230;
constexpr int kSwatchSize = 34;
constexpr int kTreeWidth = 330;
constexpr int kTreeHeight = 190;

// A host's gradient editor: a press on the stop bar's colour dot takes the colour shown
// by the page's picker (a host without a picker on screen would open one here).
class PageGradientControl : public GradientControl {
public:
    PageGradientControl(RESOURCES& res, wxWindow* parent, ColourPicker* picker)
        : GradientControl(res, 0, 0, kEditorWidth, kEditorHeight, parent, NextControlId(), nullptr), m_picker(picker)
    {
    }
    void PickColour(int, int, Color& colour) override { colour = m_picker->GetColourRGB(); }

private:
    ColourPicker* m_picker;
};

class ColourPage : public wxPanel, public GalleryDemo, public MessageReceiver {
public:
    ColourPage(wxWindow* parent, GalleryContext& context) : wxPanel(parent), m_context(context), m_book(context.log)
    {
        ApplyPageColours(this, context.assets);
        const Color fg = WxCtoC(GetForegroundColour()), bg = WxCtoC(GetBackgroundColour());
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        AddIntro(this, sizer,
                 "The picker drives the swatch, the selected stop and the tree's colour row. Click the add strip "
                 "to add a stop,\ndrag markers, toggle flags; Delete removes the selected stop; the colour dot takes "
                 "the picker's colour.");
        auto* columns = new wxBoxSizer(wxHORIZONTAL);
        auto* left = new wxBoxSizer(wxVERTICAL);
        auto* right = new wxBoxSizer(wxVERTICAL);

        m_picker = BuildPicker(fg, bg);
        left->Add(m_picker, 0, wxALL, 8);
        left->Add(BuildSwatchRow(fg, bg), 0, wxLEFT | wxBOTTOM, 8);
        m_tree = new VornMainVUITreeControl(120, context.assets, 0, 0, kTreeWidth, kTreeHeight, this, NextControlId(),
                                            nullptr);
        m_tree->GetTreeControlGroup()->Register(&m_book);
        BuildTree();
        left->Add(m_tree, 0, wxALL, 8);

        m_editor = BuildEditor(fg, bg);
        right->Add(m_editor, 0, wxALL, 8);
        columns->Add(left, 0);
        columns->Add(right, 0);
        sizer->Add(columns, 1, wxEXPAND);
        SetSizer(sizer);

        // Registered last: the parts are all there when the first colour goes out.
        m_picker->GetPickerGroup()->Register(this);
        m_picker->SetColourRGB(Color(0.9, 0.55, 0.2));
    }

    ~ColourPage() override
    {
        m_picker->GetPickerGroup()->DeRegister(this);
        m_picker->GetPickerGroup()->DeRegister(m_context.log);
        m_editor->GetGradientGroup()->DeRegister(m_context.log);
        m_tree->GetTreeControlGroup()->DeRegister(&m_book);
        DestroyChildren();
    }

    // The picker's colour goes to the swatch, the tree's colour row and the selected stop.
    void OnMessage(unsigned int, VornControl*, VornControlHint* hint) override
    {
        if (!dynamic_cast<ColourHintCurrentRGB*>(hint) && !dynamic_cast<ColourHintCurrentHSV*>(hint))
            return;
        const Color rgb = m_picker->GetColourRGB();
        m_holder->ChangeColour(rgb);
        m_swatch->SetImageCache(m_holder->GetImageCache());
        m_swatch->Refresh(false);
        if (m_colourRow)
            m_colourRow->SetValue(rgb);
        CONTROL_POINT stop;
        const unsigned int selected = m_editor->GetStopBar() ? m_editor->GetStopBar()->GetSelect() : 0;
        if (selected && m_gradient.GetPoint(selected, stop)) {
            stop.colour = rgb;
            m_gradient.SetPoint(selected, stop);
            GradientHintValue changed;
            m_editor->GetGradientGroup()->Update(0, nullptr, &changed);
        }
    }

    // Picks in the field, adds a stop on the add strip, drags it, then asks the colour dot for
    // the picker's colour and deletes a stop with the Delete key.
    void RunDemo() override
    {
        using namespace gallery;
        if (HueValueControl* field = m_picker->GetField()) {
            Press(field, {140, 40});
            Release(field, {140, 40});
        }
        if (ColourSlug* slug = m_editor->GetSlug()) {
            Press(slug, {kEditorWidth / 2, 20});
            Release(slug, {kEditorWidth / 2, 20});
        }
        if (ColourControl* bar = m_editor->GetStopBar()) {
            // The stop at 0.35 is not selected, so a press on its marker drags it at once.
            const int x = static_cast<int>(0.35 * (kEditorWidth - 30) + 15 + 0.5);
            Press(bar, {x, 8});
            DragTo(bar, {x + 20, 8});
            Release(bar, {x + 20, 8});
            Press(bar, {200, 85});
            Release(bar, {200, 85});
        }
        // The range strip's right handle dragged left: the stop bar spreads 0 to 0.75.
        if (GradientRangeControl* range = m_editor->GetRangeStrip()) {
            const int right = range->GetModel().GetMaxColumn() + 5;
            Press(range, {right, 5});
            DragTo(range, {right - (kEditorWidth - 30) / 4, 5});
            Release(range, {right - (kEditorWidth - 30) / 4, 5});
        }
    }

private:
    ColourPicker* BuildPicker(const Color& fg, const Color& bg)
    {
        ColourPicker::RESOURCES res;
        if (AssetManager* assets = m_context.assets) {
            for (auto& edit : res.edits)
                assets->LoadEditWidgetCached(vornskin::kEditSmall, edit.bitmap, edit.info);
            assets->LoadImagesCached(vornskin::kButtonMomentUp, res.satUp);
            assets->LoadImagesCached(vornskin::kButtonMomentDown, res.satDown);
        }
        auto* picker = new ColourPicker(res, 0, 0, 330, 172, this, NextControlId(), nullptr);
        picker->GetPickerGroup()->Register(m_context.log);
        picker->SetBgColour(bg);
        picker->SetFgColour(fg);
        picker->SetInitialRGB(Color(0.2, 0.45, 0.8));
        return picker;
    }

    // The picker's colour as a round swatch on a push button, the way the tree's colour rows show it.
    wxSizer* BuildSwatchRow(const Color& fg, const Color& bg)
    {
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        m_holder = std::make_unique<VornColImageHolder>(kSwatchSize, kSwatchSize, bg, fg, Color(1.0, 0.85, 0.4),
                                                        Color(1.0, 1.0, 1.0), Color(0.9, 0.55, 0.2));
        m_swatch = new VornPushButton(m_holder->GetImageCache(), 0, 0, this, NextControlId(), nullptr);
        row->Add(m_swatch, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
        auto* label = new wxStaticText(this, wxID_ANY, "the picker's colour");
        label->SetForegroundColour(GetForegroundColour());
        row->Add(label, 0, wxALIGN_CENTER_VERTICAL);
        return row;
    }

    GradientControl* BuildEditor(const Color& fg, const Color& bg)
    {
        m_gradient.AddPoint(CONTROL_POINT(0.0, Color(0.05, 0.05, 0.2), true, true, true));
        m_gradient.AddPoint(CONTROL_POINT(0.35, Color(0.2, 0.45, 0.85), true, false, true));
        m_gradient.AddPoint(CONTROL_POINT(0.7, Color(0.95, 0.6, 0.2), true, true, false));
        m_gradient.AddPoint(CONTROL_POINT(1.0, Color(1.0, 0.97, 0.85), true, true, true));
        GradientControl::RESOURCES res;
        if (AssetManager* assets = m_context.assets) {
            assets->LoadImagesCached(vornskin::kButtonLeft, res.pageLeft);
            assets->LoadImagesCached(vornskin::kButtonRight, res.pageRight);
            assets->LoadImagesCached(vornskin::kTreeCheckBox, res.flags);
            assets->LoadEditWidgetCached(vornskin::kEditSmall, res.edit.bitmap, res.edit.info);
        }
        auto* editor = new PageGradientControl(res, this, m_picker);
        editor->GetGradientGroup()->Register(m_context.log);
        editor->SetFgColour(fg);
        editor->SetBgColour(bg);
        editor->Bind(&m_gradient);
        return editor;
    }

    void BuildTree()
    {
        AssetManager* assets = m_context.assets;
        VornBranchNode* material = AddBranchToEnd(m_tree, "surface");
        m_colourRow = m_book.Add(material, new VUITreeColorButton(assets, "base colour", true, Color(0.9, 0.55, 0.2)),
                                 Shows::Colour);
        m_book.Add(material, new VUITreeTextureButton(assets, "bump", true), Shows::Nothing);
        m_book.Add(material, new VUITreeFunctionButton(assets, "roughness", true), Shows::Nothing);
        m_book.Add(material, new VUITreeCurveButton(assets, "falloff"), Shows::Nothing);
        m_book.Add(material, new VUITreeGradientButton(assets, "ramp"), Shows::Nothing);
        m_book.Add(material, new VUITreeMaterialButton(assets, "layer"), Shows::Nothing);
        material->Exp();
        m_tree->RefreshTree();
    }

    GalleryContext& m_context;
    NodeBook m_book;
    Gradient m_gradient;
    std::unique_ptr<VornColImageHolder> m_holder; // outlives the swatch: destroyed after the children
    ColourPicker* m_picker = nullptr;
    VornPushButton* m_swatch = nullptr;
    GradientControl* m_editor = nullptr;
    VornMainVUITreeControl* m_tree = nullptr;
    VUITreeColorButton* m_colourRow = nullptr;
};

} // namespace

wxWindow* BuildColourPage(wxWindow* parent, GalleryContext& context) { return new ColourPage(parent, context); }
