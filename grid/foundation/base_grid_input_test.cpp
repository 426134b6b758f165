#include "grid/foundation/base_grid.h"

#include "platform/controls/form.h"
#include "platform/controls/invalidation_recorder.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <vector>

namespace {

// An 8 x 10 grid of 64 x 24 cells with one fixed column and row: cell (c, r) starts at
// (64 c, 24 r).
class BaseGridInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 700, 400);
        grid = new TBaseGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 600, 300);
        grid->SetColCount(8);
        grid->SetRowCount(10);
        form->HandleNeeded();
    }
    void TearDown() override { delete form; }

    void moveTo(TPoint cell) {
        grid->SetCol(cell.X);
        grid->SetRow(cell.Y);
    }
    void clickCell(TPoint cell) { click(*grid, cell.X * 64 + 30, cell.Y * 24 + 10); }
    void wheel(int delta) {
        const auto wParam = static_cast<uintptr_t>(static_cast<uint32_t>(delta & 0xFFFF) << 16);
        mouseMessage(*grid, WM_MOUSEWHEEL, 100, 100, wParam);
    }
    TPoint current() const { return {grid->Col(), grid->Row()}; }

    TForm* form = nullptr;
    TBaseGrid* grid = nullptr;
};

// Each case merges one range, starts on a cell and presses one key.
TEST_F(BaseGridInputTest, ArrowKeysStepOverMergedRangesAndEndOnBaseCells) {
    struct Range {
        int c, r, spanx, spany;
    };
    struct Case {
        const char* what;
        Range range;
        TPoint start;
        bool clickStart;  // a click can leave the cursor on a covered cell
        uint16_t key;
        TPoint want;
    } cases[] = {
        {"right leaves past the far edge", {2, 2, 3, 1}, {2, 2}, false, VK_RIGHT, {5, 2}},
        {"right from a covered cell", {2, 2, 3, 1}, {3, 2}, true, VK_RIGHT, {5, 2}},
        {"left into a range lands on its base", {2, 2, 3, 1}, {5, 2}, false, VK_LEFT, {2, 2}},
        {"left from the base leaves it", {2, 2, 3, 1}, {2, 2}, false, VK_LEFT, {1, 2}},
        {"left from a covered cell leaves at the near edge", {3, 2, 3, 1}, {5, 2}, true, VK_LEFT, {2, 2}},
        {"right at the last column stays on the base", {6, 2, 2, 1}, {6, 2}, false, VK_RIGHT, {6, 2}},
        {"down leaves past the far edge", {2, 3, 1, 2}, {2, 3}, false, VK_DOWN, {2, 5}},
        {"down into a range lands on its base", {2, 3, 1, 2}, {2, 2}, false, VK_DOWN, {2, 3}},
        {"up into a range lands on its base", {2, 3, 1, 2}, {2, 5}, false, VK_UP, {2, 3}},
        {"up from a covered cell leaves at the near edge", {2, 3, 1, 3}, {2, 5}, true, VK_UP, {2, 2}},
        {"down onto a block's covered row", {2, 3, 2, 2}, {3, 2}, false, VK_DOWN, {2, 3}},
    };
    for (const Case& c : cases) {
        grid->MergeCells(c.range.c, c.range.r, c.range.spanx, c.range.spany);
        if (c.clickStart) clickCell(c.start);
        else moveTo(c.start);
        ASSERT_EQ(current(), c.start) << c.what;
        keyPress(*grid, c.key);
        EXPECT_EQ(current(), c.want) << c.what;
        grid->SplitCells(c.range.c, c.range.r);
    }
}

TEST_F(BaseGridInputTest, TheWheelMovesThroughARangeAndBack) {
    grid->MergeCells(2, 3, 1, 2);
    moveTo({2, 2});
    const TPoint down[] = {{2, 3}, {2, 5}, {2, 6}};
    for (const TPoint want : down) {
        wheel(-120);
        EXPECT_EQ(current(), want);
    }
    const TPoint up[] = {{2, 5}, {2, 3}, {2, 2}};
    for (const TPoint want : up) {
        wheel(120);
        EXPECT_EQ(current(), want);
    }
}

TEST_F(BaseGridInputTest, MovingTheCursorRepaintsBothCellsWithTheirRanges) {
    grid->MergeCells(2, 2, 3, 1);
    moveTo({2, 2});
    TInvalidationRecorder recorder;
    keyPress(*grid, VK_RIGHT);
    const auto recorded = [&](const TRect& r) {
        return std::find(recorder.Rects.begin(), recorder.Rects.end(), r) != recorder.Rects.end();
    };
    EXPECT_TRUE(recorded((TRect{128, 48, 320, 72})));  // the whole range left
    EXPECT_TRUE(recorded((TRect{320, 48, 384, 72})));  // the cell arrived at
}

TEST_F(BaseGridInputTest, MoveToBaseCellFollowsARecordOnly) {
    grid->MergeCells(2, 2, 2, 2);
    clickCell({3, 3});
    ASSERT_EQ(current(), (TPoint{3, 3}));
    grid->MoveToBaseCell();
    EXPECT_EQ(current(), (TPoint{2, 2}));
    moveTo({5, 5});
    grid->MoveToBaseCell();
    EXPECT_EQ(current(), (TPoint{5, 5}));
    EXPECT_FALSE(grid->HasCellProperties(5, 5));
}

}  // namespace
