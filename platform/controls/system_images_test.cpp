#include "platform/controls/system_images.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/testkit/temp_folder.h"

#include <gtest/gtest.h>

TEST(SystemImages, PathsKeepThePositionTheyWereFirstGiven) {
    EXPECT_EQ(SystemImageSize(false), 16);
    EXPECT_EQ(SystemImageSize(true), 32);
    TempFolder folder;
    const QString file = folder.write("notes.txt", "x");
    const int count = SystemImageCount();
    const int first = SystemImageIndex(file);
    EXPECT_GE(first, 7);
    EXPECT_EQ(SystemImageIndex(file), first);
    EXPECT_EQ(SystemImageCount(), count + 1);
    // A name that is not on disk takes the icon of its type.
    EXPECT_GT(SystemImageIndex("/no/such/folder/picture.png"), first);
}

TEST(SystemImages, PositionsOutsideTheListDrawNothing) {
    TBitmap bitmap(40, 40);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Color = clRed;
    canvas.FillRect({0, 0, 40, 40});
    DrawSystemImage(canvas, {0, 0, 16, 16}, SystemImageCount(), false);
    DrawSystemImage(canvas, {0, 0, 16, 16}, -1, true);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(canvas.Pixel(x, y), clRed);
}
