// Virtual buttons: windowless buttons sized from their image set, drawing their state
// image at the origin of the DC they are given, owning their set when asked, and
// switched by the group operations.
#include <gtest/gtest.h>
#include <wx/dcmemory.h>

#include <vorn/controls/virtual_button.h>

#include "test_support.h"

using namespace vorn;
using namespace vorntest;

namespace {

// Counts its own destruction, to see who deletes it.
class CountedCache : public VornwxBitmapCache {
public:
    explicit CountedCache(int* deaths) : m_deaths(deaths) {}
    ~CountedCache() override { ++*m_deaths; }

private:
    int* m_deaths;
};

class VirtualButtonTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        cache.AssignImageOwn(VORN_IMAGE_OFF, NewSolid(10, 6, wxColour(255, 0, 0)));
        cache.AssignImageOwn(VORN_IMAGE_ON, NewSolid(10, 6, wxColour(0, 255, 0)));
        cache.AssignImageOwn(VORN_IMAGE_OFF_MOUSE_OVER, NewSolid(10, 6, wxColour(0, 0, 255)));
        cache.AssignImageOwn(VORN_IMAGE_DISABLED_OFF, NewSolid(10, 6, wxColour(128, 128, 128)));
    }
    // Draws with the DC's origin moved to (ox, oy), as a host window would.
    static wxImage DrawAt(VirtualButton& b, int ox = 0, int oy = 0)
    {
        wxBitmap bmp(30, 20, 24);
        {
            wxMemoryDC dc(bmp);
            dc.SetBackground(*wxBLACK_BRUSH);
            dc.Clear();
            dc.SetDeviceOrigin(ox, oy);
            b.OnDraw(&dc);
        }
        return bmp.ConvertToImage();
    }
    VornwxBitmapCache cache;
};

} // namespace

TEST_F(VirtualButtonTest, SizedFromTheSetAndDrawnAtTheOriginOfTheDC)
{
    VirtualButton a(&cache, false, 12, 9, 50, 50, 7, panel, 901, nullptr);
    EXPECT_EQ(a.GetWidth(), 10);
    EXPECT_EQ(a.GetHeight(), 6);
    EXPECT_EQ(a.GetArg(), 7);
    VirtualButton sized(nullptr, false, 0, 0, 40, 30, 0, panel, 904, nullptr); // no set: the given size
    EXPECT_EQ(sized.GetWidth(), 40);
    // Its own position is the host's business: it draws where the DC's origin is.
    const wxImage img = DrawAt(a, 5, 3);
    EXPECT_EQ(PixelStr(img, 4, 3), "#000000");
    EXPECT_EQ(PixelStr(img, 5, 3), "#FF0000");
    EXPECT_EQ(PixelStr(img, 14, 8), "#FF0000");
    EXPECT_EQ(PixelStr(img, 15, 8), "#000000");
    EXPECT_EQ(PixelStr(img, 17, 12), "#000000"); // not at its own position
}

TEST_F(VirtualButtonTest, StateFollowsTheFedMouseAndTheStandIns)
{
    VirtualButton b(&cache, false, 0, 0, 0, panel, 905, nullptr);
    DrawAt(b);
    b.SetOn(false);
    b.SetButtonDown(false);
    EXPECT_FALSE(b.IsDirty()); // setters mark only changes
    b.SetMouseOver(true);
    EXPECT_EQ(PixelStr(DrawAt(b), 0, 0), "#0000FF");
    b.SetMouseDownLeft(true); // off_down -> off_mouse_over
    EXPECT_EQ(PixelStr(DrawAt(b), 0, 0), "#0000FF");
    EXPECT_EQ(b.GetImageState(), VORN_IMAGE_OFF_DOWN);
    b.SetOn(true); // on_down -> on_mouse_over -> on
    EXPECT_EQ(PixelStr(DrawAt(b), 0, 0), "#00FF00");
    b.SetMouseDownLeft(false);
    b.SetOn(false);
    b.SetEnabled(false);
    b.SetButtonDown(true); // the held flag chooses no image
    EXPECT_EQ(PixelStr(DrawAt(b), 0, 0), "#808080");
    b.SetOn(true); // disabled_on -> on
    EXPECT_EQ(PixelStr(DrawAt(b), 0, 0), "#00FF00");
}

TEST_F(VirtualButtonTest, OwnedSetIsDeletedWithTheButtonOrWhenReplaced)
{
    int deaths = 0;
    {
        VirtualButton owner(new CountedCache(&deaths), true, 0, 0, 0, panel, 908, nullptr);
        EXPECT_TRUE(owner.OwnsImageCache());
        VirtualButton borrower(owner.GetImageCache(), false, 0, 0, 0, panel, 909, nullptr);
    }
    EXPECT_EQ(deaths, 1);
    CountedCache kept(&deaths);
    {
        VirtualButton b(new CountedCache(&deaths), true, 0, 0, 0, panel, 910, nullptr);
        b.SetImageCache(&kept, false);
        EXPECT_EQ(deaths, 2);
    }
    EXPECT_EQ(deaths, 2); // the borrowed set outlives the button
}
