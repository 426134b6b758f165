#include "platform/controls/string_grid.h"

#include "platform/controls/invalidation_recorder.h"
#include "platform/graphics/canvas.h"
#include "platform/testkit/testkit.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <set>
#include <tuple>

namespace {

// A grid that records what it paints and how often it scrolls.
class TRecordingGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    using TStringGrid::GridState;
    using TStringGrid::MoveColRow;
    using TStringGrid::SetColHidden;
    using TStringGrid::SetRowHidden;
    using TStringGrid::InsertRowsAt;
    using TStringGrid::DeleteRowsAt;
    using TStringGrid::TakeRowCells;
    using TStringGrid::PutRowCells;
    using TStringGrid::PlaceSelectionOutside;

    std::set<std::tuple<int, int, int>> drawn;  // column, row, state
    int topLeftChanges = 0;

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override {
        drawn.insert({ACol, ARow, AState});
        TStringGrid::DrawCell(ACol, ARow, ARect, AState);
    }
    void TopLeftChanged() override { ++topLeftChanges; }
};

// 10 rows by 5 columns of 64 x 24 pixels with 1-pixel lines, in a 320 x 120 window: columns
// start at 0, 65, 130, 195, 260; rows at 0, 25, 50, 75, 100, so rows 1..3 fit whole below the
// fixed row and the last page starts at row 7.
class StringGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid = new TRecordingGrid(nullptr);
        grid->SetBounds(0, 0, 320, 120);
        grid->SetRowCount(10);
    }
    void TearDown() override { delete grid; }
    TGridCoord current() const { return {grid->Col(), grid->Row()}; }

    TRecordingGrid* grid = nullptr;
};

TEST_F(StringGridTest, CountsKeepTheirCellsWhenTheyShrink) {
    grid->SetCells(4, 9, "corner");
    grid->SetCells(7, 20, "beyond");
    grid->SetRow(9);
    grid->SetCol(4);
    grid->SetRowCount(3);
    grid->SetColCount(2);
    EXPECT_EQ(current(), (TGridCoord{1, 2}));
    EXPECT_EQ(grid->Cells(4, 9), "corner");
    grid->SetRowCount(10);
    grid->SetColCount(5);
    EXPECT_EQ(grid->Cells(4, 9), "corner");
    EXPECT_EQ(grid->Cells(7, 20), "beyond");
    EXPECT_EQ(grid->ColWidths(4), 64);

    // A count never drops below 1, and the fixed count stays below it.
    grid->SetColCount(0);
    EXPECT_EQ(grid->ColCount(), 1);
    EXPECT_EQ(grid->FixedCols(), 0);
    EXPECT_THROW(grid->SetFixedRows(10), EInvalidGridOperation);
    EXPECT_THROW(grid->SetCells(-1, 0, "x"), EInvalidGridOperation);
    EXPECT_THROW(grid->SetRow(10), EInvalidGridOperation);
}

TEST_F(StringGridTest, RaisingTheFixedCountsPushesTheCurrentCellOut) {
    grid->SetFixedRows(3);
    grid->SetFixedCols(2);
    EXPECT_EQ(current(), (TGridCoord{2, 3}));
    EXPECT_EQ(grid->TopRow(), 3);
    EXPECT_EQ(grid->LeftCol(), 2);
}

TEST_F(StringGridTest, CellRectAndMouseToCellFollowTheLayout) {
    grid->SetColWidths(2, 100);
    struct Case {
        int col, row;
        TRect rect;
    };
    // Column 2 is 100 wide, so column 3 starts at 231 and column 4 at 296, partly in view.
    for (const Case& c : {Case{0, 0, {0, 0, 64, 24}}, Case{2, 1, {130, 25, 230, 49}}, Case{4, 4, {296, 100, 360, 124}},
                          Case{1, 5, {}}, Case{5, 1, {}}}) {
        EXPECT_EQ(grid->CellRect(c.col, c.row), c.rect) << c.col << "," << c.row;
    }
    grid->SetTopRow(4);
    EXPECT_EQ(grid->CellRect(1, 4), (TRect{65, 25, 129, 49}));
    EXPECT_EQ(grid->CellRect(1, 2), TRect{});
    EXPECT_EQ(grid->CellRect(1, 0), (TRect{65, 0, 129, 24}));

    struct Hit {
        int x, y;
        TGridCoord cell;
    };
    // A line belongs to the cell before it; past the last cell in view there is none.
    for (const Hit& h : {Hit{0, 0, {0, 0}}, Hit{64, 24, {0, 0}}, Hit{65, 25, {1, 4}}, Hit{300, 110, {4, 7}},
                         Hit{10, 130, {-1, -1}}, Hit{-1, 5, {-1, -1}}}) {
        EXPECT_EQ(grid->MouseCoord(h.x, h.y), h.cell) << h.x << "," << h.y;
    }
}

TEST_F(StringGridTest, VisibleCountsAndScrollLimits) {
    EXPECT_EQ(grid->VisibleRowCount(), 3);  // the row starting at 100 is cut off
    EXPECT_EQ(grid->VisibleColCount(), 3);  // so is the column starting at 260
    grid->SetTopRow(100);
    EXPECT_EQ(grid->TopRow(), 7);  // the last page
    grid->SetTopRow(0);
    EXPECT_EQ(grid->TopRow(), 1);
    EXPECT_EQ(grid->topLeftChanges, 2);
    grid->SetLeftCol(4);
    EXPECT_EQ(grid->LeftCol(), 2);  // from there the last column fits whole

    // A window too small for one row still counts the top row as visible.
    grid->SetBounds(0, 0, 50, 10);
    EXPECT_EQ(grid->VisibleRowCount(), 1);
    EXPECT_EQ(grid->VisibleColCount(), 1);
    EXPECT_EQ(grid->CellRect(2, 1), (TRect{65, 25, 129, 49}));
}

TEST_F(StringGridTest, SelectionRunsFromTheAnchorToTheCurrentCell) {
    grid->SetRow(2);
    grid->SetCol(2);
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 2, 2, 2}));
    keyPress(*grid, VK_DOWN, ssShift);
    keyPress(*grid, VK_LEFT, ssShift);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, 2, 3}));
    EXPECT_EQ(current(), (TGridCoord{1, 3}));
    keyPress(*grid, VK_RIGHT);
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 2, 3}));

    grid->SetSelection({1, 4, 3, 6});
    EXPECT_EQ(current(), (TGridCoord{1, 4}));
    keyPress(*grid, VK_DOWN, ssShift);  // the bottom-right corner is the anchor
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 5, 3, 6}));

    grid->SetOptions(grid->Options() | goRowSelect);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 5, 4, 6}));
    grid->SetOptions(DefaultGridOptions & ~goRangeSelect);
    keyPress(*grid, VK_DOWN, ssShift);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 6, 1, 6}));
}

TEST_F(StringGridTest, SelectCellCanRefuseAMove) {
    grid->OnSelectCell = [](TObject*, int, int ARow, bool& CanSelect) { CanSelect = ARow != 3; };
    grid->SetRow(2);
    keyPress(*grid, VK_DOWN);
    EXPECT_EQ(current(), (TGridCoord{1, 2}));
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, 1, 2}));
    click(*grid, 70, 75 + 5);  // row 3
    EXPECT_EQ(grid->Row(), 2);
}

struct KeyCase {
    const char* name;
    TGridCoord from;
    int fromTop;
    uint16_t key;
    TShiftState shift;
    TGridCoord to;
    int top;
};

class StringGridKeys : public StringGridTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(StringGridKeys, MoveTheCurrentCellWithinTheScrollableCells) {
    const KeyCase& k = GetParam();
    grid->SetCol(k.from.X);
    grid->SetRow(k.from.Y);
    grid->SetTopRow(k.fromTop);
    keyPress(*grid, k.key, k.shift);
    EXPECT_EQ(current(), k.to);
    EXPECT_EQ(grid->TopRow(), k.top);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StringGridKeys,
    ::testing::Values(KeyCase{"DownScrollsIntoView", {1, 3}, 1, VK_DOWN, 0, {1, 4}, 2},
                      KeyCase{"UpStopsAtTheFixedRow", {1, 1}, 1, VK_UP, 0, {1, 1}, 1},
                      KeyCase{"LeftStopsAtTheFixedColumn", {1, 1}, 1, VK_LEFT, 0, {1, 1}, 1},
                      KeyCase{"End", {2, 2}, 1, VK_END, 0, {4, 2}, 1},
                      KeyCase{"Home", {3, 2}, 1, VK_HOME, 0, {1, 2}, 1},
                      KeyCase{"CtrlEnd", {1, 1}, 1, VK_END, ssCtrl, {4, 9}, 7},
                      KeyCase{"CtrlHome", {3, 9}, 7, VK_HOME, ssCtrl, {1, 1}, 1},
                      KeyCase{"PageDown", {1, 2}, 1, VK_NEXT, 0, {1, 5}, 4},
                      KeyCase{"PageDownStopsAtTheLastPage", {1, 5}, 4, VK_NEXT, 0, {1, 8}, 7},
                      KeyCase{"PageDownStopsAtTheLastRow", {1, 8}, 7, VK_NEXT, 0, {1, 9}, 7},
                      KeyCase{"PageUp", {1, 9}, 7, VK_PRIOR, 0, {1, 6}, 4},
                      KeyCase{"PageUpStopsAtTheFirstRow", {1, 3}, 1, VK_PRIOR, 0, {1, 1}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StringGridTest, OnKeyDownCanTakeTheKey) {
    grid->OnKeyDown = [](TObject*, uint16_t& Key, TShiftState) {
        if (Key == VK_DOWN) Key = 0;
    };
    keyPress(*grid, VK_DOWN);
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(StringGridTest, TheWheelMovesTheCurrentRowOneRowPerMessage) {
    auto wheel = [&](int delta) {
        return DeliverMessage(*grid, WM_MOUSEWHEEL, static_cast<uintptr_t>(static_cast<uint32_t>(delta & 0xFFFF) << 16));
    };
    grid->SetRow(3);
    EXPECT_EQ(wheel(-240), 1);
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(grid->TopRow(), 2);
    wheel(120);
    wheel(120);
    wheel(120);
    wheel(120);
    EXPECT_EQ(grid->Row(), 1);
    grid->SetRow(9);
    wheel(-120);
    EXPECT_EQ(grid->Row(), 9);
}

TEST_F(StringGridTest, MouseSelectsCellsAndRanges) {
    click(*grid, 140, 55);  // (2, 2)
    EXPECT_EQ(current(), (TGridCoord{2, 2}));
    EXPECT_TRUE(grid->Focused());
    mouseMessage(*grid, WM_LBUTTONDOWN, 200, 80, MK_LBUTTON | MK_SHIFT);  // (3, 3)
    mouseMessage(*grid, WM_LBUTTONUP, 200, 80);
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 2, 3, 3}));

    mouseMessage(*grid, WM_LBUTTONDOWN, 70, 30, MK_LBUTTON);  // (1, 1)
    mouseMessage(*grid, WM_MOUSEMOVE, 140, 55, MK_LBUTTON);
    mouseMessage(*grid, WM_LBUTTONUP, 140, 55);
    mouseMessage(*grid, WM_MOUSEMOVE, 270, 105);  // button up: no longer selecting
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 2}));

    click(*grid, 10, 55);  // a fixed cell
    EXPECT_EQ(current(), (TGridCoord{2, 2}));
}

TEST_F(StringGridTest, MovedRowsAndColumnsCarryCellsSizesAndTheCurrentCell) {
    TObject* tag = reinterpret_cast<TObject*>(uintptr_t{0x1000});
    grid->SetCells(2, 2, "two");
    grid->SetObjects(2, 2, tag);
    grid->SetRowHeights(2, 40);
    grid->SetRow(2);
    grid->MoveRow(2, 6);
    EXPECT_EQ(grid->Cells(2, 6), "two");
    EXPECT_EQ(grid->Objects(2, 6), tag);
    EXPECT_EQ(grid->RowHeights(6), 40);
    EXPECT_EQ(grid->RowHeights(2), 24);
    EXPECT_EQ(grid->Row(), 6);

    grid->SetCol(2);
    grid->MoveColumn(2, 1);
    EXPECT_EQ(grid->Cells(1, 6), "two");
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_THROW(grid->MoveRow(1, 10), EInvalidGridOperation);
}

TEST_F(StringGridTest, DeletedRowsAndColumnsTakeTheirCellsAlong) {
    for (int r = 0; r < 10; ++r) grid->SetCells(1, r, QString::number(r));
    grid->SetRowHeights(4, 40);
    grid->SetRow(6);
    grid->DeleteRow(3);
    EXPECT_EQ(grid->RowCount(), 9);
    EXPECT_EQ(grid->Cells(1, 3), "4");
    EXPECT_EQ(grid->RowHeights(3), 40);
    EXPECT_EQ(grid->Cells(1, 9), QString());
    EXPECT_EQ(grid->Row(), 5);  // stays on its row's content

    grid->SetCells(3, 0, "three");
    grid->DeleteColumn(2);
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->Cells(2, 0), "three");

    TStringGrid single(nullptr);
    single.SetFixedRows(0);
    single.SetRowCount(1);
    single.SetCells(0, 0, "only");
    single.DeleteRow(0);
    EXPECT_EQ(single.RowCount(), 1);
    EXPECT_EQ(single.Cells(0, 0), QString());
}

TEST_F(StringGridTest, WritingATextRepaintsItsCellWhenInView) {
    TInvalidationRecorder recorder;
    grid->HandleNeeded();
    grid->SetCells(2, 2, "x");
    ASSERT_EQ(recorder.Rects.size(), 1u);
    EXPECT_EQ(recorder.Rects[0], (TRect{130, 50, 195, 75}));  // with its lines
    recorder.Rects.clear();
    grid->SetCells(2, 8, "out of view");
    grid->SetCells(12, 1, "beyond the columns");
    EXPECT_TRUE(recorder.Rects.empty());
}

TEST_F(StringGridTest, PaintingCallsDrawCellForEveryCellInViewWithItsState) {
    grid->SetSelection({1, 1, 2, 1});
    grid->SetFocus();
    grid->SetCells(2, 1, "text");
    const QImage image = renderToImage(*grid);
    std::set<std::pair<int, int>> cells;
    for (const auto& [c, r, s] : grid->drawn) cells.insert({c, r});
    EXPECT_EQ(cells.size(), 25u);  // 5 columns by rows 0..4
    EXPECT_TRUE(grid->drawn.count({0, 3, gdFixed}));
    EXPECT_TRUE(grid->drawn.count({3, 0, gdFixed}));
    EXPECT_TRUE(grid->drawn.count({1, 1, gdFocused}));
    EXPECT_TRUE(grid->drawn.count({2, 1, gdSelected}));
    EXPECT_TRUE(grid->drawn.count({3, 3, 0}));

    // Default drawing: the selected cell in the highlight colour, lines between cells.
    const QColor highlight(0, 120, 215);
    EXPECT_EQ(image.pixelColor(190, 45), highlight);
    EXPECT_EQ(image.pixelColor(129, 60), QColor(0xC0, 0xC0, 0xC0));
    bool written = false;
    for (int x = 132; x < 190; ++x)
        for (int y = 27; y < 45; ++y) written |= image.pixelColor(x, y) != highlight;
    EXPECT_TRUE(written);
}

TEST_F(StringGridTest, PaintingWalksOnlyTheCellsInTheDirtyArea) {
    QImage image(320, 120, QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.setClipRect(130, 50, 65, 25);  // exactly cell (2, 2) with its lines
    TCanvas canvas(&painter);
    grid->Perform(WM_PAINT, 0, reinterpret_cast<intptr_t>(&canvas));
    std::set<std::pair<int, int>> cells;
    for (const auto& [c, r, s] : grid->drawn) cells.insert({c, r});
    EXPECT_EQ(cells, (std::set<std::pair<int, int>>{{2, 2}}));

    grid->drawn.clear();
    painter.setClipRect(60, 20, 10, 10);  // the corner where four cells meet
    grid->Perform(WM_PAINT, 0, reinterpret_cast<intptr_t>(&canvas));
    cells.clear();
    for (const auto& [c, r, s] : grid->drawn) cells.insert({c, r});
    EXPECT_EQ(cells, (std::set<std::pair<int, int>>{{0, 0}, {1, 0}, {0, 1}, {1, 1}}));
}

TEST_F(StringGridTest, HiddenColumnsAndRowsTakeNoPixelsAndTheKeysStepOverThem) {
    grid->SetColHidden(2, true);
    grid->SetRowHidden(2, true);
    EXPECT_EQ(grid->CellRect(2, 1), TRect{});
    EXPECT_EQ(grid->CellRect(3, 3), (TRect{130, 50, 194, 74}));
    EXPECT_EQ(grid->MouseCoord(140, 55), (TGridCoord{3, 3}));
    EXPECT_EQ(grid->ColWidths(2), 64);  // the size is kept

    keyPress(*grid, VK_RIGHT);
    EXPECT_EQ(current(), (TGridCoord{3, 1}));
    keyPress(*grid, VK_DOWN);
    EXPECT_EQ(current(), (TGridCoord{3, 3}));
    keyPress(*grid, VK_LEFT);
    keyPress(*grid, VK_UP);
    EXPECT_EQ(current(), (TGridCoord{1, 1}));

    // The first row in view is always a shown one.
    grid->SetRowHidden(2, false);
    grid->SetTopRow(2);
    grid->SetRowHidden(2, true);
    EXPECT_EQ(grid->TopRow(), 3);
}

TEST_F(StringGridTest, DraggingIsOneStateFromPressToRelease) {
    EXPECT_EQ(grid->GridState(), gsNormal);
    mouseMessage(*grid, WM_LBUTTONDOWN, 70, 30, MK_LBUTTON);
    EXPECT_EQ(grid->GridState(), gsSelecting);
    mouseMessage(*grid, WM_LBUTTONUP, 70, 30);
    EXPECT_EQ(grid->GridState(), gsNormal);
    grid->SetOptions(DefaultGridOptions & ~goRangeSelect);
    mouseMessage(*grid, WM_LBUTTONDOWN, 70, 30, MK_LBUTTON);
    EXPECT_EQ(grid->GridState(), gsNormal);
}

TEST_F(StringGridTest, WholeRowsMoveInAndOutWithTheirHeightsAndTheCurrentCell) {
    for (int r = 0; r < 10; ++r) grid->SetCells(1, r, QString::number(r));
    grid->SetRowHeights(5, 40);
    grid->SetRow(6);
    grid->DeleteRowsAt({2, 4, 6});
    EXPECT_EQ(grid->RowCount(), 7);
    EXPECT_EQ(grid->Cells(1, 2), "3");
    EXPECT_EQ(grid->RowHeights(3), 40);  // row 5 moved up two places
    EXPECT_EQ(grid->Row(), 4);  // the row after the dropped one

    grid->InsertRowsAt(2, 2);
    EXPECT_EQ(grid->RowCount(), 9);
    EXPECT_EQ(grid->Cells(1, 2), QString());
    EXPECT_EQ(grid->Cells(1, 4), "3");
    EXPECT_EQ(grid->RowHeights(2), 24);
    EXPECT_EQ(grid->Row(), 6);
    EXPECT_THROW(grid->InsertRowsAt(10, 1), EInvalidGridOperation);

    auto cells = grid->TakeRowCells(4);
    EXPECT_EQ(grid->Cells(1, 4), QString());
    grid->PutRowCells(2, std::move(cells));
    EXPECT_EQ(grid->Cells(1, 2), "3");

    // A grid keeps one row, however many are dropped.
    grid->DeleteRowsAt({0, 1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(grid->RowCount(), 1);
}

TEST_F(StringGridTest, ASelectionOutsideTheGridShowsNothingSelected) {
    grid->SetSelection({1, 1, 2, 2});
    grid->PlaceSelectionOutside();
    EXPECT_EQ(grid->Selection(), (TGridRect{5, 10, 5, 10}));
    renderToImage(*grid);
    for (const auto& [c, r, s] : grid->drawn) EXPECT_FALSE(s & (gdSelected | gdFocused)) << c << "," << r;
}

}  // namespace

namespace {

// Columns start at 0, 65, 130 ...: the line of column 1 is at x = 129.
TEST_F(StringGridTest, HeaderDragsSizeAndMoveColumnsAndRows) {
    auto drag = [&](int X1, int Y1, int X2, int Y2) {
        mouseMessage(*grid, WM_LBUTTONDOWN, X1, Y1, MK_LBUTTON);
        mouseMessage(*grid, WM_MOUSEMOVE, X2, Y2, MK_LBUTTON);
        mouseMessage(*grid, WM_LBUTTONUP, X2, Y2);
    };
    drag(129, 10, 150, 10);
    EXPECT_EQ(grid->ColWidths(1), 64) << "no sizing without goColSizing";

    grid->SetOptions(grid->Options() | goColSizing | goRowSizing | goColMoving | goRowMoving);
    drag(129, 10, 150, 10);
    EXPECT_EQ(grid->ColWidths(1), 85);
    EXPECT_EQ(grid->GridState(), gsNormal);
    drag(10, 49, 10, 60);  // the line of row 1
    EXPECT_EQ(grid->RowHeights(1), 35);

    grid->SetCells(1, 3, "moved");
    drag(100, 10, 170, 10);  // from column 1's header to column 2's
    EXPECT_EQ(grid->Cells(2, 3), "moved");
    EXPECT_EQ(grid->ColWidths(2), 85);
    drag(100, 10, 100, 10);  // a click moves nothing
    EXPECT_EQ(grid->Cells(2, 3), "moved");
}

}  // namespace
