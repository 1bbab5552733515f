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

std::vector<VORNIMAGETYPE> StatesOf(const VornImageCache<Probe>& cache, std::vector<VORNIMAGETYPE> states = {})
{
    EXPECT_TRUE(cache.GetStates(states));
    return states;
}

} // namespace

TEST(ImageCache, SizeComesFromTheLowestFilledStateAndStatesAreAppended)
{
    int deaths = 0;
    Probe big(50, 50, &deaths), small(5, 6, &deaths);
    ProbeCache cache;
    int w = 0, h = 0;
    EXPECT_FALSE(cache.GetSize(w, h));
    EXPECT_EQ(w + h, -2);
    EXPECT_TRUE(cache.AssignImage(9, &big));
    EXPECT_TRUE(cache.AssignImage(4, &small));
    EXPECT_TRUE(cache.AssignImage(7, &big));
    EXPECT_TRUE(cache.GetSize(w, h));
    EXPECT_EQ(w * 100 + h, 506);
    EXPECT_EQ(StatesOf(cache, {42}), (std::vector<VORNIMAGETYPE>{42, 4, 7, 9}));
    const Probe* out = nullptr;
    EXPECT_TRUE(cache.GetImage(4, out));
    EXPECT_EQ(out, &small);
    for (int refused : {-1, 10, 2}) {
        out = &small;
        EXPECT_FALSE(cache.GetImage(refused, out));
        EXPECT_EQ(out, nullptr);
    }
    EXPECT_FALSE(cache.AssignImage(-1, &big));
    EXPECT_FALSE(cache.AssignImage(10, &big));
    EXPECT_EQ(deaths, 0);
}

TEST(ImageCache, OwnedImagesAreFreedOnceOnOverwriteClearAndDestruction)
{
    int deaths = 0;
    Probe borrowed(1, 1, &deaths);
    {
        ProbeCache cache;
        Probe* first = new Probe(1, 1, &deaths);
        cache.AssignImageOwn(2, first);
        cache.AssignImageOwn(2, first); // the same image again: kept, not freed
        EXPECT_EQ(deaths, 0);
        cache.AssignImage(2, &borrowed);
        EXPECT_EQ(deaths, 1);
        cache.AssignImageOwn(2, new Probe(1, 1, &deaths));
        cache.AssignImageOwn(3, new Probe(1, 1, &deaths));
        EXPECT_EQ(deaths, 1) << "a borrowed image is never freed";
        EXPECT_TRUE(cache.Clear());
        EXPECT_EQ(deaths, 3);
        EXPECT_TRUE(StatesOf(cache).empty());
        cache.AssignImageOwn(5, new Probe(1, 1, &deaths));
        cache.AssignImage(6, &borrowed);
    }
    EXPECT_EQ(deaths, 4) << "the destructor deletes the owned image and leaves the borrowed one";
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
    VORNIMAGETYPE state = 77;
    EXPECT_FALSE(VornImageStateFromName("Off", state));
    EXPECT_EQ(state, 77);
    for (int unnamed : {0, 1, 10})
        EXPECT_STREQ(VornImageStateName(unnamed), "");
}
