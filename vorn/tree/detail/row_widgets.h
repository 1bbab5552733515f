#pragma once
// Making the widgets tree rows embed, the same way in every row: the wheel from its three
// skin images and the edit boxes from their skins.
#include <algorithm>
#include <cfloat>
#include <cmath>

#include <wx/bitmap.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/tree/tree_wrappers.h>

namespace vorn::detail {

// The widgets keep floats: doubles beyond a float's range become its largest finite value
// rather than an undefined conversion.
inline float ToFloat(double v)
{
    return std::isnan(v) ? static_cast<float>(v)
                         : static_cast<float>(std::clamp(v, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
}

// Makes `wheel` at (x, y) from the tree's frame, texture and mask images, horizontal, with
// the tree's texture period. Without a manager, or a skin lacking the frame, the wheel is
// still made (with no size) so a row never holds a half-built widget.
inline bool CreateTreeWheel(VUITreeSubThumbWheel& wheel, AssetManager* assets, int x, int y, wxWindow* parent,
                            VornControlGroupValue* group)
{
    const BitmapA* frame = nullptr;
    const BitmapA* texture = nullptr;
    const BitmapA* mask = nullptr;
    if (assets) {
        assets->LoadImageCached(vornskin::kTreeWheelFrame, frame);
        assets->LoadImageCached(vornskin::kTreeWheelTexture, texture);
        assets->LoadImageCached(vornskin::kTreeWheelMask, mask);
    }
    return wheel.Create(frame, texture, mask, x, y, false, vornskin::kTreeWheelPeriodPixels, parent, -1, group, 0);
}

// An edit skin of the tree; without a manager, or when the skin does not load, a plain
// 48 x 16 field, still usable. Rows size themselves from it before their boxes exist.
struct TreeEditSkin {
    TreeEditSkin(AssetManager* assets, const char* skin)
    {
        if (!assets || !assets->LoadEditWidgetCached(skin, picture, info)) {
            picture = nullptr;
            info = VornEditInfo();
            info.width = 48;
            info.height = 16;
            info.textColour = *wxBLACK;
            info.backgroundColour = *wxWHITE;
        }
    }
    // The size a box made from it takes.
    wxSize Size() const { return VornEdit::SkinSize(picture, info); }

    const wxBitmap* picture = nullptr; // the manager's, or null
    VornEditInfo info;
};

// Makes `edit` (a new box of type Box, returned) at (x, y) from `skin`.
template <class Box>
Box* CreateTreeEdit(TreeEditSkin& skin, int x, int y, wxWindow* parent, bool editable, int style,
                    VornControlGroup* group)
{
    auto* box = new Box;
    box->Create(skin.picture, skin.info, x, y, parent, -1, editable, style, group, 0);
    return box;
}

// The width of the tree's wheel: that of its frame image (0 without one).
inline int TreeWheelWidth(AssetManager* assets)
{
    const BitmapA* frame = nullptr;
    if (assets)
        assets->LoadImageCached(vornskin::kTreeWheelFrame, frame);
    return frame ? frame->width : 0;
}

} // namespace vorn::detail
