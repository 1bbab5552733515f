// Push-button rows in a real tree: where the button lies, what a press and a function-button
// choice report, the colour row's swatch, and the values the texture and function rows keep.
#include <tuple>

#include <gtest/gtest.h>

#include <vorn/colour/col_image_holder.h>
#include <vorn/controls/button.h>
#include <vorn/tree/asset_rows.h>
#include <vorn/tree/tree_control.h>

#include "pixels.h"
#include "test_support.h"
#include "tree_skin.h"

using namespace vorn;
using namespace vorntest;
using AssetRowsTest = GuiTest;

namespace {
// "p<node>" for a press, "f<requested><current>" for a function-button choice.
struct Hints : MessageReceiver {
    void OnMessage(unsigned int, VornControl*, VornControlHint* h) override
    {
        if (auto* f = dynamic_cast<FunctionButtonPushHint*>(h))
            log += "f" + std::to_string(f->requestedKind) + std::to_string(f->currentKind) + " ";
        else if (auto* p = dynamic_cast<NodeButtonPushHint*>(h))
            log += "p" + std::to_string(p->nodeId) + " ";
    }
    std::string log;
};

// Corner, ring-edge and centre pixels of each filled state of a swatch.
std::string Look(const VornColImageHolder& holder)
{
    std::string s;
    for (const VORNIMAGETYPE state : {2, 3, 4, 5, 8, 9}) {
        const wxBitmap* b = nullptr;
        const wxImage i = holder.GetImageCache()->GetImage(state, b) ? b->ConvertToImage() : wxImage(1, 1);
        s += PixelStr(i, 0, 0) + PixelStr(i, 8, 0) + PixelStr(i, 8, 8) + " ";
    }
    return s;
}
} // namespace

TEST_F(AssetRowsTest, RowsShowTheirButtonReportPressesAndChoicesAndKeepValues)
{
    const std::unique_ptr<AssetManager> am = LoadTreeSkin();
    auto* tree = new VornMainVUITreeControl(120, am.get(), 0, 0, 300, 400, panel, -1, nullptr);
    Hints hints;
    tree->GetTreeControlGroup()->Register(&hints);
    auto* colour = new VUITreeColorButton(am.get(), "c", false, {1, 0, 0});
    colour->SetValue({0, 0, 1}); // before Create: kept, and shown once the swatch exists
    auto* tex = new VUITreeTextureButton(am.get(), "t", true);
    auto* func = new VUITreeFunctionButton(am.get(), "f", true);
    const std::vector<VUITreeSubPrimBase*> rows = {colour, tex, func, new VUITreeCurveButton(am.get(), "curve"),
                                                   new VUITreeGradientButton(am.get(), "gradient"),
                                                   new VUITreeMaterialButton(am.get(), "material")};
    for (VUITreeSubPrimBase* row : rows)
        AddToEnd(tree->GetTreeRoot(), row);
    EXPECT_EQ(colour->GetImageHolder(), nullptr) << "the swatch is made when the row is first shown";
    ShowFrame();
    tree->RefreshTree();
    VornWindow* root = tree->GetTreeRoot()->GetRootControl();
    root->RealiseInView();
    // A + 17 + 35 wide, the button at (A + 25, 8); pressed on the tree, which hands the press
    // to the button, it reports the row's node. Only rows asked for one have a function button.
    std::string pressed;
    for (VUITreeSubPrimBase* row : rows) {
        const int a = row->GetAllignmentPt();
        EXPECT_EQ(row->GetSize(), wxSize(a + 17 + 35, 32)) << row->GetRowName();
        ASSERT_NE(row->GetPushButton(), nullptr) << row->GetRowName();
        EXPECT_EQ(row->GetPushButton()->GetRect(), wxRect(a + 25, 8, 17, 17)) << row->GetRowName();
        EXPECT_EQ(row->GetFunctionButton() != nullptr, row == tex || row == func) << row->GetRowName();
        LeftDown(root, row->GetPushButton()->GetRectInHost().GetTopLeft() - root->GetDeferredOrigin() + wxPoint(8, 8));
        ASSERT_NE(row->GetPushButton()->GetSurface(), nullptr);
        LeftUp(row->GetPushButton()->GetSurface(), {8, 8});
        pressed += "p" + std::to_string(row->GetVUIControlNode()->GetNodeID()) + " ";
    }
    EXPECT_EQ(hints.log, pressed);
    // The swatch: the row's background, line and mouse-over (twice) colours, and its colour.
    ASSERT_NE(colour->GetLineCol(), colour->GetMouseOverCol());
    VornColImageHolder swatch(17, 17, colour->GetBackgroundCol(), colour->GetLineCol(), colour->GetMouseOverCol(),
                              colour->GetMouseOverCol(), {0, 0, 1});
    EXPECT_EQ(colour->GetPushButton()->GetImageCache(), colour->GetImageHolder()->GetImageCache());
    EXPECT_EQ(Look(*colour->GetImageHolder()), Look(swatch));
    colour->SetValue({0, 1, 0});
    swatch.ChangeColour({0, 1, 0});
    EXPECT_EQ(Look(*colour->GetImageHolder()), Look(swatch));
    // Each function button lists its row's kind first; choosing that sends nothing.
    hints.log.clear();
    std::string entries;
    for (VornListButton* b : {tex->GetFunctionButton(), func->GetFunctionButton()}) {
        b->GetDisplayCallback()->UpDateData(b);
        for (int i = 0; i < b->GetCount(); ++i)
            entries += b->GetItemText(i) + "|";
        for (const int entry : {0, 2, 3})
            b->SetSelected(entry, true);
    }
    EXPECT_EQ(entries, "Texture||Widget|Function|Function||Widget|Texture|");
    EXPECT_EQ(hints.log, "f01 f21 f02 f12 ");
    // Every kind of value is kept, apart from the others.
    const auto values = std::make_tuple(-7, 2.25, Vec2d(1, 2), Vec3d(1, 2, 3), Vec4d(1, 2, 3, 4), Quaternion(0, 0, 1, 0.5),
                                        Color(0.1, 0.2, 0.3), ColorA(0.1, 0.2, 0.3, 0.4), std::string("grain.png"));
    for (StoresEveryValue* row : {static_cast<StoresEveryValue*>(tex), static_cast<StoresEveryValue*>(func)}) {
        const auto as = [row](const auto& v) -> ValInterface<std::decay_t<decltype(v)>>& { return *row; };
        std::apply([&](const auto&... v) { (as(v).SetValue(v), ...); }, values);
        std::decay_t<decltype(values)> got;
        std::apply([&](auto&... v) { (as(v).GetValue(v), ...); }, got);
        EXPECT_EQ(got, values);
    }
}
