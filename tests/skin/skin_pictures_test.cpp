// vorn-skingen's pictures: named by their size, grey, crisp where edges are whole, and
// the same bytes on every run.
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/image.h>

#include <test_support.h>
#include <vorn/util/raster.h>
#include <vorn/util/wx_image_filter.h>

#include "pictures.h"
#include "shapes.h"

using namespace vorn;

namespace {

wxImage Render(const SkinPicture& picture)
{
    wxImage image(picture.width, picture.height, true);
    FilterPtr f = CreateFilter(image);
    vorn::Clear(*f, ColorA(0, 0, 0));
    picture.paint(*f);
    return image;
}

TEST(SkinPictures, NamedOnceWithTheirSizeGreyAndReproducible)
{
    std::set<std::string> names;
    for (const SkinPicture& picture : SkinPictures()) {
        SCOPED_TRACE(picture.name);
        EXPECT_TRUE(names.insert(picture.name).second);
        const std::string size = "tpl_" + std::to_string(picture.width) + "x" + std::to_string(picture.height) + "_";
        EXPECT_EQ(picture.name.compare(0, size.size(), size), 0);
        const wxImage a = Render(picture);
        const wxImage b = Render(picture);
        ASSERT_EQ(0, memcmp(a.GetData(), b.GetData(), picture.width * picture.height * 3));
        bool grey = true, lit = false;
        for (int i = 0; i < picture.width * picture.height; ++i) {
            const unsigned char* p = a.GetData() + 3 * i;
            grey = grey && p[0] == p[1] && p[1] == p[2];
            lit = lit || p[0] > 0;
        }
        EXPECT_TRUE(grey);
        EXPECT_TRUE(lit); // a template that maps nothing is a mistake
    }
}

TEST(SkinPictures, ShapesOnWholeCoordinatesAreCrisp)
{
    vorntest::Canvas box(8, 6);
    Fill(*box.filter, RoundRect(2, 1, 6, 4, 0));
    const int lit = box.ForEachLit([&](int x, int y) {
        EXPECT_TRUE(x >= 2 && x < 6 && y >= 1 && y < 4 && box.At(x, y) == 255) << x << "," << y;
    });
    EXPECT_EQ(lit, 4 * 3); // every pixel inside, at full strength
    // A rounded corner is partly covered, so it is anti-aliased; a ring leaves the middle.
    wxImage ring(10, 10, true);
    FilterPtr r = CreateFilter(ring);
    Fill(*r, RoundRing(0, 0, 10, 10, 3));
    EXPECT_EQ(std::vector<int>({ring.GetRed(1, 1) > 0 && ring.GetRed(1, 1) < 255, ring.GetRed(5, 0), ring.GetRed(0, 5),
                                ring.GetRed(5, 5), ring.GetRed(1, 5)}),
              std::vector<int>({1, 255, 255, 0, 0}));
    // Later shapes never darken earlier ones.
    Fill(*r, RoundRect(0, 0, 10, 10, 0), 0.5);
    EXPECT_EQ(ring.GetRed(5, 0), 255);
    EXPECT_EQ(ring.GetRed(5, 5), 128);

    // Discs and triangles centred in the picture are symmetric.
    wxImage sym(9, 9, true);
    FilterPtr s = CreateFilter(sym);
    Fill(*s, Disc(4.5, 4.5, 3.2));
    Fill(*s, Triangle(0, 9, 9, 9, 4.5, 6), 0.5);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            EXPECT_EQ(sym.GetRed(x, y), sym.GetRed(8 - x, y)) << x << "," << y;
}

} // namespace
