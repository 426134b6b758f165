#include "platform/controls/grid_axis.h"

#include <gtest/gtest.h>

namespace {

// Sizes as large as an int holds, as a file may give them: every walk over the axis still ends
// with extents held at INT_MAX instead of overflowing.
TEST(GridAxis, HugeSizesSaturateInsteadOfOverflowing) {
    TGridAxis axis(6, 2, INT_MAX);
    const TAxisLayout layout{axis, 1, 500};
    EXPECT_EQ(layout.Step(0), INT_MAX);
    EXPECT_EQ(layout.FixedExtent(), INT_MAX);
    EXPECT_EQ(layout.MaxFirst(), 5);
    EXPECT_EQ(layout.FirstShowing(4), 4);
    EXPECT_EQ(layout.VisibleCount(), 1);
    EXPECT_EQ(layout.At(INT_MAX - 1), 0);
    int from = 0, to = 0;
    EXPECT_TRUE(layout.Span(0, 5, from, to));
    EXPECT_EQ(to, INT_MAX);
    EXPECT_EQ(AddPixels(INT_MIN, -1), INT_MIN);
    EXPECT_EQ(AddPixels(40, 2), 42);
}

}  // namespace
