#include <vorn/tree/asset_rows.h>

#include <utility>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/colour/col_image_holder.h>
#include <vorn/controls/button.h>

namespace vorn {

namespace {
constexpr int kSwatchSize = 17; // the colour row's swatch, as large as the other rows' buttons
} // namespace

// ---- VUITreeColorButton ---------------------------------------------------------------

VUITreeColorButton::VUITreeColorButton(AssetManager* assets, std::string name, bool functionButton, Color colour)
    : VUITreeSubPrimBase(assets, std::move(name), functionButton), m_colour(colour)
{
}

// The button draws from the holder's images: it goes first.
VUITreeColorButton::~VUITreeColorButton()
{
    delete m_pushButton;
    m_pushButton = nullptr;
}

int VUITreeColorButton::GetMaxWidth() { return GetAllignmentPt() + kSwatchSize + 35; }

// A swatch costs six bitmaps; like the other rows' widgets it is made only for a row that
// is shown (in a tree, at its first realisation), in the colours the tree gave the row.
void VUITreeColorButton::OnCreateWidgets()
{
    if (!m_holder)
        m_holder = std::make_unique<VornColImageHolder>(kSwatchSize, kSwatchSize, m_backgroundCol, m_lineCol,
                                                        m_mouseOverCol, m_mouseOverCol, m_colour);
    SetImageCache(m_holder->GetImageCache());
    VUITreeSubPrimBase::OnCreateWidgets();
}

void VUITreeColorButton::SetValue(Color colour)
{
    m_colour = colour;
    if (m_holder)
        m_holder->ChangeColour(colour);
    if (m_pushButton) {
        m_pushButton->SetDirty();
        m_pushButton->Refresh(false);
    }
}

// ---- the image rows ------------------------------------------------------------------

VUITreeImageButton::VUITreeImageButton(AssetManager* assets, std::string name, bool functionButton,
                                       const char* images)
    : VUITreeSubPrimBase(assets, std::move(name), functionButton), m_images(images)
{
}

// Without the set (a skin that lacks it) the row has no button and is A + 5 wide.
bool VUITreeImageButton::Create(wxWindow* parent, int id, VornControlGroup* group, long style)
{
    const VornwxBitmapCache* images = nullptr;
    if (m_assets && m_assets->LoadImagesCached(m_images, images))
        SetImageCache(images);
    return VUITreeSubPrimBase::Create(parent, id, group, style);
}

VUITreeTextureButton::VUITreeTextureButton(AssetManager* assets, std::string name, bool functionButton)
    : VUITreeImageButton(assets, std::move(name), functionButton, vornskin::kTreeTextureButton)
{
}

const VUITreeFunctionChoices& VUITreeTextureButton::GetFunctionChoices() const
{
    static const VUITreeFunctionChoices texture{{"Texture", "Widget", "Function"}, {1, 0, 2}, 1};
    return texture;
}

VUITreeFunctionButton::VUITreeFunctionButton(AssetManager* assets, std::string name, bool functionButton)
    : VUITreeImageButton(assets, std::move(name), functionButton, vornskin::kTreeFunctionButton)
{
}

const VUITreeFunctionChoices& VUITreeFunctionButton::GetFunctionChoices() const
{
    static const VUITreeFunctionChoices function{{"Function", "Widget", "Texture"}, {2, 0, 1}, 2};
    return function;
}

// The curve, gradient and material rows take no function-button flag: they never have one.
VUITreeCurveButton::VUITreeCurveButton(AssetManager* assets, std::string name)
    : VUITreeImageButton(assets, std::move(name), false, vornskin::kTreeCurveButton)
{
}

VUITreeGradientButton::VUITreeGradientButton(AssetManager* assets, std::string name)
    : VUITreeImageButton(assets, std::move(name), false, vornskin::kTreeGradientButton)
{
}

VUITreeMaterialButton::VUITreeMaterialButton(AssetManager* assets, std::string name)
    : VUITreeImageButton(assets, std::move(name), false, vornskin::kTreeMaterialButton)
{
}

} // namespace vorn
