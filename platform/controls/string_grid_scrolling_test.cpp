#include "platform/controls/string_grid.h"

#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

class TScrollingGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    using TStringGrid::SetRowHidden;
};

// 64 x 24 cells with 1-pixel lines in a 200 x 120 window; bars are 17 pixels thick. With 50
// rows and 2 columns only the vertical bar shows: rows 1..3 fit whole under the fixed row and
// the last page starts at row 47.
class GridScrollBarsTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid = new TScrollingGrid(nullptr);
        grid->SetBounds(0, 0, 200, 120);
        grid->SetColCount(2);
        grid->SetRowCount(50);
    }
    void TearDown() override { delete grid; }
    int thumbPos() { return grid->GetScrollInfo(SB_VERT).Pos; }
    void scroll(uint16_t code, int pos = 0) { grid->Perform(WM_VSCROLL, (uintptr_t(pos) << 16) | code); }

    TScrollingGrid* grid = nullptr;
};

TEST_F(GridScrollBarsTest, BarsComeAndGoWithTheContent) {
    struct Case {
        int rows, cols;
        TScrollStyle style;
        bool vertical, horizontal;
    };
    const Case cases[] = {
        {3, 2, ssBoth, false, false},
        {50, 2, ssBoth, true, false},
        {50, 2, ssHorizontal, false, false},
        {4, 3, ssBoth, false, false},  // 195 x 100 pixels fit in 200 x 120
        {5, 3, ssBoth, true, true},    // the vertical bar leaves 183 pixels: too few for 195
        {2, 4, ssBoth, false, true},
        {2, 4, ssVertical, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows, " << c.cols << " columns, style " << c.style);
        grid->SetScrollBars(c.style);
        grid->SetRowCount(c.rows);
        grid->SetColCount(c.cols);
        EXPECT_EQ(grid->ScrollBarVisible(SB_VERT), c.vertical);
        EXPECT_EQ(grid->ScrollBarVisible(SB_HORZ), c.horizontal);
        EXPECT_EQ(grid->GridWidth(), 200 - (c.vertical ? 17 : 0));
        EXPECT_EQ(grid->GridHeight(), 120 - (c.horizontal ? 17 : 0));
        if (c.vertical) {
            EXPECT_EQ(grid->ScrollBarControl(SB_VERT)->BoundsRect(), (TRect{183, 0, 200, c.horizontal ? 103 : 120}));
        }
    }
    // A larger window needs no bars.
    grid->SetBounds(0, 0, 400, 400);
    EXPECT_FALSE(grid->ScrollBarVisible(SB_VERT));
    EXPECT_FALSE(grid->ScrollBarVisible(SB_HORZ));
}

TEST_F(GridScrollBarsTest, TheThumbFollowsKeyboardScrolling) {
    grid->SetFocus();
    keyDown(*grid, VK_NEXT);
    EXPECT_EQ(grid->TopRow(), 4);
    EXPECT_EQ(thumbPos(), 8);  // 3 of 46 rows scrolled, of 127 positions
    keyDown(*grid, VK_END, ssCtrl);
    EXPECT_EQ(grid->TopRow(), 47);
    EXPECT_EQ(thumbPos(), 127);
    keyDown(*grid, VK_HOME, ssCtrl);
    EXPECT_EQ(thumbPos(), 0);
}

TEST_F(GridScrollBarsTest, ScrollMessagesMoveTheTopRow) {
    struct Case {
        uint16_t code;
        int pos, from, to;
    };
    const Case cases[] = {
        {SB_LINEDOWN, 0, 1, 2},       {SB_LINEUP, 0, 1, 1},        {SB_PAGEDOWN, 0, 10, 13},
        {SB_PAGEUP, 0, 2, 1},         {SB_BOTTOM, 0, 1, 47},       {SB_TOP, 0, 30, 1},
        {SB_THUMBPOSITION, 127, 1, 47}, {SB_THUMBPOSITION, 64, 1, 24}, {SB_THUMBTRACK, 64, 1, 1},
        {SB_LINEDOWN, 0, 47, 47},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code << " from " << c.from);
        grid->SetTopRow(c.from);
        scroll(c.code, c.pos);
        EXPECT_EQ(grid->TopRow(), c.to);
    }
    // The thumb snaps back to the top row's place after a position the rows cannot match.
    grid->SetTopRow(47);
    scroll(SB_THUMBPOSITION, 126);
    EXPECT_EQ(thumbPos(), 127);
    // With thumb tracking the grid follows the dragged thumb.
    grid->SetOptions(grid->Options() | goThumbTracking);
    scroll(SB_THUMBTRACK, 64);
    EXPECT_EQ(grid->TopRow(), 24);
    // A hidden row is stepped over.
    grid->SetTopRow(1);
    grid->SetRowHidden(2, true);
    scroll(SB_LINEDOWN);
    EXPECT_EQ(grid->TopRow(), 3);
}

TEST_F(GridScrollBarsTest, ClickingAndDraggingTheBarScrollsTheGrid) {
    TScrollBar* bar = grid->ScrollBarControl(SB_VERT);
    click(*bar, 8, 110);  // the down arrow
    EXPECT_EQ(grid->TopRow(), 2);
    click(*bar, 8, 90);  // the track below the thumb
    EXPECT_EQ(grid->TopRow(), 5);
    const TRect thumb = bar->ThumbRect();
    mouseMessage(*bar, WM_LBUTTONDOWN, 8, thumb.Top + 2, MK_LBUTTON);
    mouseMessage(*bar, WM_MOUSEMOVE, 8, 200, MK_LBUTTON);
    EXPECT_EQ(grid->TopRow(), 5);  // without thumb tracking only the release scrolls
    mouseMessage(*bar, WM_LBUTTONUP, 8, 200);
    EXPECT_EQ(grid->TopRow(), 47);
    EXPECT_EQ(bar->Position(), 127);
    // The cells under a bar are not reachable: the click lands on the bar, not on a cell.
    EXPECT_EQ(grid->VisibleRowCount(), 3);
    EXPECT_EQ(grid->MouseCoord(190, 30).X, -1);
}

TEST_F(GridScrollBarsTest, TheBarsShowInThePicture) {
    const QImage image = renderToImage(*grid);
    // The thumb sits under the top arrow in the button face colour, apart from the cells' white.
    const QColor thumb = image.pixelColor(191, 17 + 4);
    EXPECT_NE(thumb, QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(191, 17 + 4), image.pixelColor(191, 4));  // same face as the arrow
}

}  // namespace
