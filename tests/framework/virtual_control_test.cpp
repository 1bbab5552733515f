// Virtual windows and controls: windowless objects a host window draws and feeds.
#include <string>
#include <vector>

#include <vorn/framework/virtual_control.h>

#include "probes.h"
#include "test_support.h"

using namespace vorn;
using namespace vorntest;

namespace {

using CountedObject = Counted<wxObject>;

using VirtualControlTest = GuiTest;

} // namespace

TEST_F(VirtualControlTest, GeometryIdsAndHitTest)
{
    VirtualWindow sized(3, 4, 20, 30, 7, panel, 88);
    // Inside: from the corner up to but not including x + w, y + h.
    const std::pair<wxPoint, bool> probes[] = {{{3, 4}, true},  {{22, 33}, true},  {{23, 10}, false},
                                               {{10, 34}, false}, {{2, 10}, false}};
    for (const auto& [p, inside] : probes)
        EXPECT_EQ(sized.Contains(p.x, p.y), inside) << p.x << "," << p.y;

    VirtualWindow small, other(0, 0, 0, panel, -1);
    ASSERT_TRUE(small.Create(1, 2, 0, panel, -1));
    EXPECT_EQ(small.GetClientSize(), wxSize(10, 10));
    EXPECT_NE(small.GetId(), -1); // a fresh id from the toolkit's pool, each its own
    EXPECT_NE(small.GetId(), other.GetId());
}

TEST_F(VirtualControlTest, AttachedObjectIsOwned)
{
    int deaths = 0;
    {
        VirtualWindow w(0, 0, 0, panel, 1);
        w.SetAttached(new CountedObject(&deaths));
        w.ReleaseAttached();
        EXPECT_EQ(deaths, 1);
        EXPECT_EQ(w.GetAttached(), nullptr);
        w.SetAttached(new CountedObject(&deaths));
        w.SetAttached(w.GetAttached()); // the same object again stays
        w.SetAttached(new CountedObject(&deaths)); // replaces and deletes the first
        EXPECT_EQ(deaths, 2);
    }
    EXPECT_EQ(deaths, 3);
}

// Each setter runs its hooks only on a change, after marking the control dirty; the
// base hooks refresh the host. SetEnabled refreshes on a change and always recalculates.
TEST_F(VirtualControlTest, HostFedStateRunsHooksOnlyOnAChange)
{
    ProbeVirtual v(0, 0, 0, panel, 1, nullptr);
    v.RecalcState();
    v.Show(true);
    v.Show(false);
    EXPECT_FALSE(v.IsVisible());
    EXPECT_EQ(v.Take(), (Log{"OnShow", "OnHide"}));
    v.SetMouseOver(true);
    EXPECT_TRUE(v.IsDirty());
    v.SetMouseOver(true);
    v.SetMouseDownLeft(true);
    v.SetMouseDownLeft(true);
    v.SetMouseDownRight(true);
    v.SetMouseDownLeft(false);
    EXPECT_EQ(v.Take(), (Log{"OnMouseOver", "Refresh", "OnMouseDownLeft", "Refresh", "OnMouseButton", "Refresh",
                             "OnMouseDownRight", "Refresh", "OnMouseButton", "Refresh", "OnMouseDownLeft", "Refresh",
                             "OnMouseButton", "Refresh"}));
    EXPECT_TRUE(v.GetMouseDown() && v.GetMouseDownRight() && !v.GetMouseDownLeft());
    v.SetMetas(false, true);
    EXPECT_TRUE(v.GetMetaKey() && v.GetMetaB() && !v.GetMetaA());
    v.MouseMove(8, 9);
    EXPECT_EQ(v.Take(), (Log{"OnMouseMove 8,9"}));

    const int recalcs = v.recalcs;
    v.SetEnabled(false);
    v.SetEnabled(false);
    EXPECT_EQ(v.Take(), (Log{"Refresh"}));
    EXPECT_EQ(v.recalcs, recalcs + 2);
    EXPECT_FALSE(v.GetEnabled() || v.IsDirty());
}

TEST_F(VirtualControlTest, DrawingClearsAndRecalculatesWhileDirty)
{
    ProbeVirtual v(0, 0, 8, 8, 0, panel, 1, nullptr);
    const wxImage img = RenderToImage(&v, wxSize(8, 8), *wxGREEN);
    EXPECT_EQ(PixelStr(img, 3, 3), "#00FF00");
    EXPECT_EQ(v.recalcs, 1);
    RenderToImage(&v, wxSize(8, 8));
    EXPECT_EQ(v.recalcs, 1);
}
