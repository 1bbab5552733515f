#pragma once
// Rows whose widget is one push button beside the label: a press asks the host to open an
// editor or chooser for the parameter (VUITreeSubPrimBase sends the NodeButtonPushHint).
//   VUITreeColorButton     the button is a round swatch of the row's colour
//   VUITreeTextureButton   "vui_tree_t.sts"; holds a value of every kind for the host
//   VUITreeFunctionButton  "vui_tree_f.sts"; the same
//   VUITreeCurveButton     "vuitree_curvebtn.sts"
//   VUITreeGradientButton  "vui_tree_gradbutton.sts"
//   VUITreeMaterialButton  "vui_tree_m.sts"
// The texture and function rows stand for a parameter taken from a texture or a function:
// their function button lists their own kind first. The five image rows share
// VUITreeImageButton, which loads the set in Create; the colour row makes its swatch with
// its widgets (in a tree, when first shown) and redraws it on SetValue.
#include <memory>
#include <string>

#include <vorn/framework/value_interfaces.h>
#include <vorn/tree/tree_row.h>
#include <vorn/util/color.h>

namespace vorn {

class AssetManager;
class VornColImageHolder;

/// A row showing its colour as a round swatch button.
class VUITreeColorButton : public VUITreeSubPrimBase, public ColorVal {
public:
    /// A row holding `colour`; the swatch is made with the row's widgets.
    VUITreeColorButton(AssetManager* assets, std::string name, bool functionButton, Color colour);
    /// Deletes the button, then its images.
    ~VUITreeColorButton() override;

    /// A + 17 + 35: the swatch's width is known before the swatch is made.
    int GetMaxWidth() override;

    /// The colour.
    void GetValue(Color& out) override { out = m_colour; }
    /// Stores the colour; once the swatch exists it is redrawn in it.
    void SetValue(Color colour) override;
    /// The swatch's images, or null until the row's widgets are made.
    const VornColImageHolder* GetImageHolder() const { return m_holder.get(); }

protected:
    /// Makes the 17 × 17 swatch from the row's background, line and mouse-over colours, then
    /// the button wearing it.
    void OnCreateWidgets() override;

    std::unique_ptr<VornColImageHolder> m_holder; ///< The swatch images, made with the widgets.
    Color m_colour;                               ///< The colour.
};

/// The five rows whose button wears a skin image set, loaded by Create.
class VUITreeImageButton : public VUITreeSubPrimBase {
public:
    /// Loads the image set named `images` (through the asset manager's cache), then makes the row.
    bool Create(wxWindow* parent, int id, VornControlGroup* group, long style) override;
    using VUITreeSubPrimBase::Create;

protected:
    /// A row whose button wears the image set `images` (an asset name).
    VUITreeImageButton(AssetManager* assets, std::string name, bool functionButton, const char* images);

    const char* m_images; ///< The image set's asset name.
};

/// A row whose parameter comes from a texture; keeps a value of every kind for the host.
class VUITreeTextureButton : public VUITreeImageButton, public StoresEveryValue {
public:
    /// A row with the texture button, "vui_tree_t.sts".
    VUITreeTextureButton(AssetManager* assets, std::string name, bool functionButton);
    /// "Texture", "Widget", "Function"; now a texture.
    const VUITreeFunctionChoices& GetFunctionChoices() const override;
};

/// A row whose parameter comes from a function; keeps a value of every kind for the host.
class VUITreeFunctionButton : public VUITreeImageButton, public StoresEveryValue {
public:
    /// A row with the function button, "vui_tree_f.sts".
    VUITreeFunctionButton(AssetManager* assets, std::string name, bool functionButton);
    /// "Function", "Widget", "Texture"; now a function.
    const VUITreeFunctionChoices& GetFunctionChoices() const override;
};

/// A row with a button that opens a curve editor; no function button.
class VUITreeCurveButton : public VUITreeImageButton {
public:
    /// A row with the curve button, "vuitree_curvebtn.sts".
    VUITreeCurveButton(AssetManager* assets, std::string name);
};

/// A row with a button that opens a gradient editor; no function button.
class VUITreeGradientButton : public VUITreeImageButton {
public:
    /// A row with the gradient button, "vui_tree_gradbutton.sts".
    VUITreeGradientButton(AssetManager* assets, std::string name);
};

/// A row with a button that opens a material chooser; no function button.
class VUITreeMaterialButton : public VUITreeImageButton {
public:
    /// A row with the material button, "vui_tree_m.sts".
    VUITreeMaterialButton(AssetManager* assets, std::string name);
};

} // namespace vorn
