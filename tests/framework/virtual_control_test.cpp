// Virtual windows and controls: windowless objects a host window draws and feeds.
#include <string>
#include <vector>

#include <vorn/framework/control_group.h>
#include <vorn/framework/virtual_control.h>

#include "probes.h"
#include "test_support.h"

using namespace vorn;

using namespace vorntest;
using Log = std::vector<std::string>;

namespace {

class CountedObject : public wxObject {
public:
    explicit CountedObject(int* deaths) : m_deaths(deaths) {}
    ~CountedObject() override { ++*m_deaths; }

private:
    int* m_deaths;
};

class VirtualControlTest : public GuiTest {
protected:
    Log Take(ProbeVirtual& v)
    {
        Log out;
        out.swap(v.log);
        return out;
    }
};

} // namespace

TEST_F(VirtualControlTest, GeometryAndIds)
{
    VirtualWindow sized(3, 4, 20, 30, 7, panel, 88);
    EXPECT_EQ(sized.GetPosX(), 3);
    EXPECT_EQ(sized.GetPosY(), 4);
    EXPECT_EQ(sized.GetWidth(), 20);
    EXPECT_EQ(sized.GetHeight(), 30);
    EXPECT_EQ(sized.GetArg(), 7);
    EXPECT_EQ(sized.GetHost(), panel);
    EXPECT_EQ(sized.GetId(), 88);
    EXPECT_TRUE(sized.Contains(3, 4));
    EXPECT_TRUE(sized.Contains(22, 33));
    EXPECT_FALSE(sized.Contains(23, 10));
    EXPECT_FALSE(sized.IsVisible());

    VirtualWindow small;
    ASSERT_TRUE(small.Create(1, 2, 0, panel, -1));
    EXPECT_EQ(small.GetWidth(), 10);
    EXPECT_EQ(small.GetHeight(), 10);
    VirtualWindow other(0, 0, 0, panel, -1);
    EXPECT_NE(small.GetId(), -1);
    EXPECT_NE(small.GetId(), other.GetId());
}

TEST_F(VirtualControlTest, ShowRunsHooksAndStoresTheFlag)
{
    ProbeVirtual v(0, 0, 0, panel, 1, nullptr);
    v.Show(true);
    EXPECT_TRUE(v.IsVisible());
    v.Show(false);
    EXPECT_FALSE(v.IsVisible());
    EXPECT_EQ(Take(v), (Log{"OnShow", "OnHide"}));
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
        w.SetAttached(new CountedObject(&deaths)); // replaces and deletes the first
        EXPECT_EQ(deaths, 2);
    }
    EXPECT_EQ(deaths, 3);
}

TEST_F(VirtualControlTest, SetEnabledRefreshesOnChangeAndAlwaysRecalculates)
{
    ProbeVirtual v(0, 0, 0, panel, 1, nullptr);
    v.RecalcState();
    Take(v);
    v.SetEnabled(false);
    EXPECT_EQ(Take(v), (Log{"Refresh", "RecalcState"}));
    EXPECT_FALSE(v.GetEnabled());
    v.SetEnabled(false);
    EXPECT_EQ(Take(v), (Log{"RecalcState"}));
    EXPECT_FALSE(v.IsDirty());
}

TEST_F(VirtualControlTest, MouseSettersRunHooksOnlyOnAChange)
{
    ProbeVirtual v(0, 0, 0, panel, 1, nullptr);
    v.RecalcState();
    Take(v);
    v.SetMouseOver(true);
    EXPECT_TRUE(v.IsDirty());
    v.SetMouseOver(true);
    v.SetMouseDownLeft(true);
    v.SetMouseDownLeft(true);
    v.SetMouseDownRight(true);
    v.SetMouseDownLeft(false);
    EXPECT_EQ(Take(v), (Log{"OnMouseOver", "Refresh", "OnMouseDownLeft", "Refresh", "OnMouseButton", "Refresh",
                            "OnMouseDownRight", "Refresh", "OnMouseButton", "Refresh", "OnMouseDownLeft", "Refresh",
                            "OnMouseButton", "Refresh"}));
    EXPECT_TRUE(v.GetMouseDown());
    EXPECT_TRUE(v.GetMouseDownRight());
    v.SetLastMousePos(4, 5);
    v.SetLastDownPos(6, 7);
    int x = 0, y = 0;
    v.GetLastMousePos(x, y);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(4, 5));
    v.GetLastDownPos(x, y);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(6, 7));
    v.SetMetas(false, true);
    EXPECT_TRUE(v.GetMetaKey());
    EXPECT_TRUE(v.GetMetaB());
    EXPECT_FALSE(v.GetMetaA());
}

TEST_F(VirtualControlTest, DrawingClearsAndRecalculatesWhileDirty)
{
    ProbeVirtual v(0, 0, 8, 8, 0, panel, 1, nullptr);
    const wxImage img = RenderToImage(&v, wxSize(8, 8), *wxGREEN);
    EXPECT_EQ(PixelStr(img, 3, 3), "#00FF00");
    EXPECT_EQ(Take(v), (Log{"RecalcState"}));
    RenderToImage(&v, wxSize(8, 8));
    EXPECT_EQ(Take(v), Log{});
}

TEST_F(VirtualControlTest, RegistersUnderItsIdAndLeavesOnDestruction)
{
    VornControlGroup g;
    auto* v = new ProbeVirtual(0, 0, 0, panel, -1, &g);
    const unsigned int id = static_cast<unsigned int>(v->GetId());
    ASSERT_NE(g.FindVirtualControlEntry(id), nullptr);
    EXPECT_EQ(g.FindVirtualControlEntry(id)->control, v);
    EXPECT_EQ(v->GetGroup(), &g);
    delete v;
    EXPECT_TRUE(g.IsEmpty());

    auto* w = new ProbeVirtual;
    ASSERT_TRUE(w->Create(0, 0, 5, 5, 0, panel, 44, &g));
    EXPECT_EQ(g.FindVirtualControlEntry(44)->control, w);
    delete w;
    EXPECT_TRUE(g.IsEmpty());
}

TEST_F(VirtualControlTest, DestructionLeavesARealControlUnderTheSameIdAlone)
{
    VornControlGroup g;
    auto* real = new ProbeControl(0, 0, 5, 5, panel, 45, &g);
    auto* v = new ProbeVirtual(0, 0, 0, panel, 45, &g);
    ASSERT_NE(g.FindVirtualControlEntry(45), nullptr);
    delete v;
    EXPECT_EQ(g.FindVirtualControlEntry(45), nullptr);
    EXPECT_EQ(g.FindControlEntry(45)->control, real);
    g.Clear();
}

TEST_F(VirtualControlTest, VirtualControlWhoseIdWasTakenOutlivesItsGroup)
{
    ProbeVirtual* second = nullptr;
    {
        VornControlGroup g;
        ProbeVirtual first(0, 0, 0, panel, 47, &g);
        second = new ProbeVirtual(0, 0, 0, panel, 47, &g);
        EXPECT_EQ(g.FindVirtualControlEntry(47)->control, &first);
        EXPECT_EQ(second->GetGroup(), &g);
    }
    EXPECT_EQ(second->GetGroup(), nullptr);
    delete second; // must not reach the dead group
}

TEST_F(VirtualControlTest, OwnedVirtualControlIsDeletedByItsGroup)
{
    int deaths = 0;
    VornControlGroup g;
    auto* v = new ProbeVirtual(0, 0, 0, panel, 46, nullptr);
    v->destructions = &deaths;
    g.RegisterOwner(46, v);
    g.DeRegister(46, false);
    EXPECT_EQ(deaths, 1);
    EXPECT_TRUE(g.IsEmpty());
}
