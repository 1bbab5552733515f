// The decorative blob row and the error row: sizes, pictures, stored values, silence.
#include <vorn/tree/blob_row.h>
#include <vorn/tree/error_row.h>

#include "group_recorder.h"
#include "pixels.h"
#include "test_support.h"

using namespace vorn;
using namespace vorntest;
using RowsTest = GuiTest;

TEST_F(RowsTest, BlobRowSizeAndPictureMadeOnce)
{
    VornBlobbyControl blob(Color(1.0, 0.0, 0.0));
    blob.SetBackgroundCol(Color(0.0, 0.0, 1.0));
    EXPECT_EQ(wxRect(blob.GetAllignmentPt(), 0, blob.GetMaxWidth(), blob.GetMaxHeight()), wxRect(9, 0, 19, 12));
    const wxImage img = RenderToImage(&blob, wxSize(19, 12));
    blob.SetBackgroundCol(Color(0.0, 1.0, 0.0)); // too late: the picture is kept
    const wxImage again = RenderToImage(&blob, wxSize(19, 12));
    // The drop below the band, the band, both bites, below and beside the drop.
    EXPECT_EQ(PixelStr(img, 9, 10) + PixelStr(img, 9, 2) + PixelStr(img, 0, 5) + PixelStr(again, 18, 5) +
                  PixelStr(again, 9, 11) + PixelStr(img, 2, 9),
              "#FF0000#FF0000#0000FF#0000FF#0000FF#0000FF");
}

// Without a manager the name is measured in the small 8-point font; lines are white.
TEST_F(RowsTest, ErrorRowLayoutLabelsValuesAndSilence)
{
    GroupRecorder group;
    ErrorControl row(300, 60, nullptr, "", "Height", "", "");
    row.VornVUIControl::Create(panel, 3, &group, 0);
    const int a = row.GetAllignmentPt();
    EXPECT_EQ(a, row.GetNameSize().x + 25);
    const wxImage img = RenderToImage(&row, wxSize(300, 60));
    const auto field = [&img](int x0, int y0, int x1, int y1) { // the whole rectangle is the red field
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (PixelStr(img, x, y) != "#330000") return false;
        return true;
    };
    // Empty texts still draw their labels; "Error:" starts at y = 40.
    EXPECT_TRUE(field(0, 28, a - 4, 40) && !field(0, 40, 30, 52));
    EXPECT_FALSE(field(a + 20, 5, a + 60, 18) || field(a + 20, 25, a + 60, 38)) << "Widget:, ValType:";
    EXPECT_EQ(PixelStr(img, a, 2) + PixelStr(img, a, 20), "#FFFFFF#330000") << "line, open ring";
    static_cast<RealVal&>(row).SetValue(3.5);
    static_cast<IntVal&>(row).SetValue(7);
    double d = 0;
    static_cast<RealVal&>(row).GetValue(d);
    EXPECT_EQ(d, 3.5);
    EXPECT_TRUE(group.events.empty());
}
