// Image sets: state slots, ownership, sizes and the state names.
#include <vector>

#include <gtest/gtest.h>

#include <vorn/assets/image_cache.h>

using namespace vorn;

namespace {

// An image type that counts its destructions, to see which slots a set deletes.
struct Probe {
    int width, height;
    int* deaths;
    Probe(int w, int h, int* d) : width(w), height(h), deaths(d) {}
    ~Probe() { ++*deaths; }
};

class ProbeCache : public VornImageCache<Probe> {
protected:
    int GetImageWidth(const Probe* p) const override { return p->width; }
    int GetImageHeight(const Probe* p) const override { return p->height; }
};

std::vector<VORNIMAGETYPE> StatesOf(const VornImageCache<Probe>& cache)
{
    std::vector<VORNIMAGETYPE> states;
    EXPECT_TRUE(cache.GetStates(states));
    return states;
}

} // namespace

TEST(ImageCache, EmptySetHasNoStatesAndNoSize)
{
    ProbeCache cache;
    EXPECT_TRUE(StatesOf(cache).empty());
    EXPECT_EQ(cache.GetWidth(), -1);
    EXPECT_EQ(cache.GetHeight(), -1);
    int w = 0, h = 0;
    EXPECT_FALSE(cache.GetSize(w, h));
    EXPECT_EQ(w, -1);
    EXPECT_EQ(h, -1);
    int deaths = 0;
    Probe p(1, 1, &deaths);
    const Probe* out = &p;
    for (int s = 0; s < kVornImageStates; ++s) {
        EXPECT_FALSE(cache.GetImage(s, out));
        EXPECT_EQ(out, nullptr);
    }
}

TEST(ImageCache, OneFilledStateGivesItsStateAndSize)
{
    int deaths = 0;
    Probe on(40, 12, &deaths);
    ProbeCache cache;
    EXPECT_TRUE(cache.AssignImage(VORN_IMAGE_ON, &on));
    EXPECT_EQ(StatesOf(cache), std::vector<VORNIMAGETYPE>{3});
    int w = 0, h = 0;
    EXPECT_TRUE(cache.GetSize(w, h));
    EXPECT_EQ(w, 40);
    EXPECT_EQ(h, 12);
    const Probe* out = nullptr;
    EXPECT_TRUE(cache.GetImage(3, out));
    EXPECT_EQ(out, &on);
}

TEST(ImageCache, SizeComesFromTheLowestFilledStateAndStatesAreAppended)
{
    int deaths = 0;
    Probe big(50, 50, &deaths), small(5, 6, &deaths);
    ProbeCache cache;
    cache.AssignImage(9, &big);
    cache.AssignImage(4, &small);
    cache.AssignImage(7, &big);
    EXPECT_EQ(cache.GetWidth(), 5);
    EXPECT_EQ(cache.GetHeight(), 6);
    std::vector<VORNIMAGETYPE> states = {42};
    cache.GetStates(states);
    EXPECT_EQ(states, (std::vector<VORNIMAGETYPE>{42, 4, 7, 9}));
}

TEST(ImageCache, DeletesOwnedImagesOnlyOnClearAndDestruction)
{
    int deaths = 0;
    Probe borrowed(1, 1, &deaths);
    {
        ProbeCache cache;
        cache.AssignImage(2, &borrowed);
        cache.AssignImageOwn(3, new Probe(1, 1, &deaths));
        cache.AssignImageOwn(4, new Probe(1, 1, &deaths));
        EXPECT_TRUE(cache.Clear());
        EXPECT_EQ(deaths, 2);
        EXPECT_TRUE(StatesOf(cache).empty());
        EXPECT_EQ(cache.GetWidth(), -1);

        cache.AssignImageOwn(5, new Probe(1, 1, &deaths));
        cache.AssignImage(6, &borrowed);
    }
    EXPECT_EQ(deaths, 3) << "the destructor deletes the owned image and leaves the borrowed one";
}

TEST(ImageCache, OverwritingAnOwnedSlotFreesTheOldImageOnce)
{
    int deaths = 0;
    Probe borrowed(1, 1, &deaths);
    ProbeCache cache;
    Probe* first = new Probe(1, 1, &deaths);
    cache.AssignImageOwn(2, first);
    cache.AssignImageOwn(2, first); // the same image again: kept, not freed
    EXPECT_EQ(deaths, 0);
    cache.AssignImage(2, &borrowed);
    EXPECT_EQ(deaths, 1);
    cache.AssignImageOwn(2, new Probe(1, 1, &deaths));
    EXPECT_EQ(deaths, 1) << "a borrowed image is never freed";
    cache.Clear();
    EXPECT_EQ(deaths, 2);
}

TEST(ImageCache, StatesOutsideTheTenSlotsAreRefused)
{
    int deaths = 0;
    Probe p(3, 3, &deaths);
    ProbeCache cache;
    EXPECT_FALSE(cache.AssignImage(-1, &p));
    EXPECT_FALSE(cache.AssignImage(10, &p));
    const Probe* out = &p;
    EXPECT_FALSE(cache.GetImage(10, out));
    EXPECT_EQ(out, nullptr);
    EXPECT_FALSE(cache.GetImage(-3, out));
    EXPECT_TRUE(StatesOf(cache).empty());
}

TEST(ImageCache, ConcreteSetsMeasureTheirImageTypes)
{
    BitmapA a;
    ASSERT_TRUE(a.Create(7, 9, 3, 0));
    VornBitmapACache setA;
    setA.AssignImage(VORN_IMAGE_OFF, &a);
    EXPECT_EQ(setA.GetWidth(), 7);
    EXPECT_EQ(setA.GetHeight(), 9);

    VornBitmapCache setB;
    Bitmap* b = new Bitmap;
    ASSERT_TRUE(b->Create(11, 2, 1, 0));
    setB.AssignImageOwn(VORN_IMAGE_OFF_DOWN, b);
    int w = 0, h = 0;
    EXPECT_TRUE(setB.GetSize(w, h));
    EXPECT_EQ(w, 11);
    EXPECT_EQ(h, 2);

    VornwxImageCache setC;
    setC.AssignImageOwn(VORN_IMAGE_ON, new wxImage(13, 4));
    EXPECT_EQ(setC.GetWidth(), 13);
    EXPECT_EQ(setC.GetHeight(), 4);
}

TEST(ImageStateNames, ScriptNamesMapToTwoToNine)
{
    const char* names[] = {"off",         "on",           "on_mouse_over", "off_mouse_over",
                           "disabled_on", "disabled_off", "on_down",       "off_down"};
    for (int i = 0; i < 8; ++i) {
        VORNIMAGETYPE state = -1;
        ASSERT_TRUE(VornImageStateFromName(names[i], state)) << names[i];
        EXPECT_EQ(state, i + 2);
        EXPECT_STREQ(VornImageStateName(i + 2), names[i]);
    }
    EXPECT_EQ(VORN_IMAGE_OFF_MOUSE_OVER, 5);
    EXPECT_EQ(VORN_IMAGE_DISABLED_OFF, 7);
    VORNIMAGETYPE state = 77;
    EXPECT_FALSE(VornImageStateFromName("Off", state));
    EXPECT_FALSE(VornImageStateFromName("", state));
    EXPECT_EQ(state, 77);
    EXPECT_STREQ(VornImageStateName(0), "");
    EXPECT_STREQ(VornImageStateName(1), "");
    EXPECT_STREQ(VornImageStateName(10), "");
}
