#include "grid/foundation/base_grid.h"

#include "platform/controls/form.h"
#include "platform/controls/invalidation_recorder.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>
#include <QImage>
#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace {

constexpr TColor PlainCell = 0xFAFAFA;
constexpr TColor FixedCell = 0xB0B0B0;
constexpr TColor SelectedCell = 0x804020;

// Visuals as a string grid gives them: plain, fixed and selected colours, a record's brush
// colour over them; content calls are recorded.
class TPaintGrid : public TBaseGrid {
public:
    using TBaseGrid::TBaseGrid;

    void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool, bool, bool, TBrush& ABrush,
                             TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo, TFont&, TAlignment&,
                             TVAlignment&, bool&, TCellGradientDirection& GD) override {
        ABrush.Color = (AState & gdFixed) ? FixedCell : (AState & gdSelected) ? SelectedCell : PlainCell;
        if (HasCellProperties(ACol, ARow) && GetCellProperties(ACol, ARow)->BrushColor() != clNone)
            ABrush.Color = GetCellProperties(ACol, ARow)->BrushColor();
        AColorTo = colorTo;
        AMirrorColor = AMirrorColorTo = clNone;
        GD = GradientVertical;
    }
    void DrawCellContent(TCanvas&, int ACol, int ARow, TRect ARect, TGridDrawState) override {
        contents.push_back({{ACol, ARow}, ARect});
    }
    bool IsFixed(int ACol, int ARow) override { return fixedCells.count({ACol, ARow}) > 0; }
    bool HasNodes() override { return nodes; }

    // The content rectangles handed out for a cell in the last pass.
    std::vector<TRect> contentRects(int c, int r) const {
        std::vector<TRect> rects;
        for (const auto& [cell, rect] : contents)
            if (cell == TPoint{c, r}) rects.push_back(rect);
        return rects;
    }
    int contentCalls(int c, int r) const { return static_cast<int>(contentRects(c, r).size()); }

    void SetHoverRowIdx(int Value) { FHoverRowIdx = Value; }
    void SetHideLastRow(bool Value) { FHideLastRow = Value; }

    TColor colorTo = clNone;
    bool nodes = false;
    std::map<std::pair<int, int>, bool> fixedCells;
    std::vector<std::pair<TPoint, TRect>> contents;
};

// A 6 x 8 grid of 64 x 24 cells with one fixed column and row: cell (c, r) starts at
// (64 c, 24 r) while nothing is scrolled.
class BaseGridPaintingTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 500, 400);
        grid = new TPaintGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 400, 300);
        grid->SetColCount(6);
        grid->SetRowCount(8);
        grid->SetColor(clWhite);
        form->HandleNeeded();
    }
    void TearDown() override { delete form; }

    void render() {
        grid->contents.clear();
        image = renderToImage(*grid);
    }
    TColor at(int x, int y) const {
        const QColor c = image.pixelColor(x, y);
        return RGB(c.red(), c.green(), c.blue());
    }

    TForm* form = nullptr;
    TPaintGrid* grid = nullptr;
    QImage image;
};

TEST_F(BaseGridPaintingTest, BackgroundLinesAndContentRectangleFollowTheLineWidth) {
    struct Case {
        int lineWidth;
        TColor bottomLine;   // at (150, 71), the last row of cell (2, 2)
        TColor above;        // at (150, 68)
        TColor rightLine;    // at (191, 60)
        TRect content;
    } cases[] = {
        {1, 0xC0C0C0, PlainCell, 0xC0C0C0, {129, 49, 191, 71}},
        // Offset 2 with a three-pixel pen: rows 69..71 and columns 189..191.
        {3, 0xC0C0C0, PlainCell, 0xC0C0C0, {131, 51, 189, 69}},
        // No width: a one-pixel line in the cell's own colour, outside the cell, content whole.
        {0, PlainCell, PlainCell, PlainCell, {128, 48, 192, 72}},
    };
    for (const Case& c : cases) {
        grid->SetGridLineWidth(c.lineWidth);
        render();
        EXPECT_EQ(at(150, 60), PlainCell);
        EXPECT_EQ(at(150, 71), c.bottomLine) << c.lineWidth;
        EXPECT_EQ(at(150, 68), c.above) << c.lineWidth;
        EXPECT_EQ(at(191, 60), c.rightLine) << c.lineWidth;
        if (c.lineWidth == 3) {
            EXPECT_EQ(at(189, 60), 0xC0C0C0);
            EXPECT_EQ(at(150, 69), 0xC0C0C0);
        }
        EXPECT_EQ(grid->contentRects(2, 2), std::vector<TRect>{c.content}) << c.lineWidth;
    }
}

TEST_F(BaseGridPaintingTest, FixedCellsTakeTheFixedLinesAndAShorterContentRectangle) {
    grid->fixedCells[{3, 5}] = true;  // a cell the descendant declares fixed
    grid->SetSelection({3, 5, 3, 5});
    render();
    for (const TPoint cell : {TPoint{0, 2}, TPoint{2, 0}, TPoint{3, 5}}) {
        const int l = cell.X * 64, t = cell.Y * 24;
        EXPECT_EQ(at(l + 30, t + 10), FixedCell) << cell.X << "," << cell.Y;  // not selected
        EXPECT_EQ(at(l + 30, t + 23), 0x808080) << cell.X << "," << cell.Y;
        EXPECT_EQ(at(l + 63, t + 10), 0x808080) << cell.X << "," << cell.Y;
        EXPECT_EQ(grid->contentRects(cell.X, cell.Y), (std::vector<TRect>{{l, t, l + 63, t + 22}}));
    }
    // Node rows draw no bottom line in column 0.
    grid->nodes = true;
    render();
    EXPECT_EQ(at(30, 2 * 24 + 23), FixedCell);
    EXPECT_EQ(at(63, 2 * 24 + 10), 0x808080);
    EXPECT_EQ(at(2 * 64 + 30, 2 * 24 + 23), 0xC0C0C0);
}

TEST_F(BaseGridPaintingTest, AMergedRangeIsPaintedWholeFromItsBaseCell) {
    grid->MergeCells(2, 2, 2, 2);
    grid->GetCellProperties(2, 2)->SetBrushColor(clYellow);
    for (int pass = 0; pass < 2; ++pass) {
        render();
        // Its own call and the first covered cell: never more, and never from a covered cell.
        EXPECT_GE(grid->contentCalls(2, 2), 1);
        EXPECT_LE(grid->contentCalls(2, 2), 2);
        for (const TPoint p : {TPoint{3, 2}, TPoint{2, 3}, TPoint{3, 3}}) EXPECT_EQ(grid->contentCalls(p.X, p.Y), 0);
        for (const TRect& rect : grid->contentRects(2, 2)) EXPECT_EQ(rect, (TRect{129, 49, 255, 95}));
        // No lines inside the range.
        EXPECT_EQ(at(191, 60), clYellow);
        EXPECT_EQ(at(150, 71), clYellow);
        EXPECT_EQ(at(220, 80), clYellow);
        EXPECT_EQ(at(255, 80), 0xC0C0C0);
        EXPECT_EQ(at(220, 95), 0xC0C0C0);
    }
}

TEST_F(BaseGridPaintingTest, AScrolledRangeNeverPaintsOverTheFixedColumn) {
    grid->SetColCount(12);
    grid->MergeCells(2, 2, 2, 2);
    grid->GetCellProperties(2, 2)->SetBrushColor(clYellow);
    grid->SetLeftCol(3);  // column 2 scrolled under the fixed column, column 3 at x 64
    ASSERT_EQ(grid->CellRect(3, 2).Left, 0);
    render();
    EXPECT_EQ(at(30, 60), FixedCell);
    EXPECT_EQ(at(63, 60), 0x808080);
    EXPECT_EQ(at(100, 60), clYellow);
    EXPECT_EQ(at(100, 80), clYellow);
}

// Cell (2, 2) in the middle of the selected columns 1..3 of row 2; (1, 2) and (3, 2) the ends.
// The test window has no focus, so the focused palettes come from goDrawFocusSelected.
TEST_F(BaseGridPaintingTest, SelectionStylesDrawBarsBySegmentAndFocus) {
    grid->SetSelection({1, 2, 3, 2});
    struct Case {
        TGridSelectionStyle style;
        bool drawFocusSelected;
        TColor border, fill;
    } cases[] = {
        {ssVista, false, 0xD9D9D9, 0xF8F8F8},  // without focus: the grey palette
        {ssOffice2007, false, 0xD9D9D9, 0xF8F8F8},
        {ssVista, true, 0xFDDE99, 0xFDF8F1},
        {ssWin7, true, 0xCEA27D, 0xFCEBDC},
        {ssOffice2007, true, 0x8DD7D3, 0xD7FFFD},
    };
    for (const Case& c : cases) {
        grid->SetSelectionStyle(c.style);
        grid->SetOptions(c.drawFocusSelected ? DefaultGridOptions | goDrawFocusSelected : DefaultGridOptions);
        render();
        // Middle piece: border and fill reach the left edge, no corners.
        EXPECT_EQ(at(128, 48), c.border) << c.style;
        EXPECT_EQ(at(128, 50), c.fill) << c.style;
        EXPECT_EQ(at(129, 50), c.fill) << c.style;
        EXPECT_EQ(at(128, 70), c.border) << c.style;
        // Both ends: the outer corner pixel shows the grid's colour, the edge the border.
        EXPECT_EQ(at(254, 48), clWhite) << c.style;
        EXPECT_EQ(at(254, 60), c.border) << c.style;
        EXPECT_EQ(at(64, 48), clWhite) << c.style;
        EXPECT_EQ(at(64, 60), c.border) << c.style;
        // Grid lines still follow the bar.
        EXPECT_EQ(at(150, 71), 0xC0C0C0) << c.style;
    }
    // The default style fills the selection like any other cell.
    grid->SetSelectionStyle(ssDefault);
    render();
    EXPECT_EQ(at(128, 48), SelectedCell);
    EXPECT_EQ(at(130, 60), SelectedCell);
}

TEST_F(BaseGridPaintingTest, HoverAndActiveRowColours) {
    grid->HoverRow = true;
    grid->HoverRowColor = clYellow;
    grid->SetHoverRowIdx(4);
    grid->SetSelection({3, 4, 4, 4});  // current (3, 4); (4, 4) selected
    grid->fixedCells[{5, 4}] = true;
    struct Case {
        THoverRowCells cells;
        TColor normal, selected, fixed;  // (2, 4), (4, 4), (5, 4) and the fixed (0, 4)
    } cases[] = {
        {{hcNormal, hcSelected}, clYellow, clYellow, FixedCell},
        {{hcNormal}, clYellow, SelectedCell, FixedCell},
        {{hcFixed}, clYellow, SelectedCell, clYellow},  // hcNormal is not consulted
    };
    for (const Case& c : cases) {
        grid->HoverRowCells = c.cells;
        render();
        EXPECT_EQ(at(2 * 64 + 30, 4 * 24 + 10), c.normal);
        EXPECT_EQ(at(4 * 64 + 30, 4 * 24 + 10), c.selected);
        EXPECT_EQ(at(5 * 64 + 30, 4 * 24 + 10), c.fixed);
        EXPECT_EQ(at(30, 4 * 24 + 10), c.fixed);
    }

    grid->HoverRow = false;
    grid->SetActiveRowShow(true);
    grid->SetActiveRowColor(clAqua);
    render();
    EXPECT_EQ(at(2 * 64 + 30, 4 * 24 + 10), clAqua);
    EXPECT_EQ(at(4 * 64 + 30, 4 * 24 + 10), clAqua);  // the active row wins over the selection
    EXPECT_EQ(at(3 * 64 + 30, 4 * 24 + 10), SelectedCell);  // the current cell keeps its own
    EXPECT_EQ(at(30, 4 * 24 + 10), FixedCell);
    EXPECT_EQ(at(2 * 64 + 30, 3 * 24 + 10), PlainCell);
}

TEST_F(BaseGridPaintingTest, PaintCellExtPaintsBackgroundOnlyInActiveRowColoursWhenSelected) {
    grid->SetActiveRowColor(clAqua);
    grid->colorTo = clBlue;  // ignored: the active row's own gradient end is clNone
    // A rectangle in grid coordinates, clear of the fixed cells.
    TBitmap bitmap(200, 80);
    TCanvas& canvas = bitmap.Canvas();
    const TRect r{100, 40, 165, 64};
    grid->contents.clear();
    grid->PaintCellExt(canvas, 2, 5, r, gdSelected);
    EXPECT_TRUE(grid->contents.empty());
    EXPECT_EQ(canvas.Pixel(130, 50), clAqua);
    EXPECT_EQ(canvas.Pixel(130, 63), 0xC0C0C0);
    EXPECT_EQ(canvas.Pixel(164, 50), 0xC0C0C0);
    grid->PaintCellExt(canvas, 2, 5, r, 0);
    // A vertical gradient towards ColorTo: the red channel falls from top to bottom.
    EXPECT_EQ(canvas.Pixel(130, 40), PlainCell);
    EXPECT_LT(GetRValue(canvas.Pixel(130, 62)), GetRValue(canvas.Pixel(130, 50)));
    EXPECT_LT(GetRValue(canvas.Pixel(130, 50)), GetRValue(PlainCell));
}

TEST_F(BaseGridPaintingTest, AHiddenLastRowShowsOnlyTheGridColour) {
    grid->SetHideLastRow(true);
    grid->SetColor(clLime);
    render();
    EXPECT_EQ(at(150, 7 * 24 + 10), clLime);
    EXPECT_EQ(at(150, 7 * 24 + 23), clLime);
    EXPECT_EQ(at(30, 7 * 24 + 10), clLime);
    EXPECT_EQ(at(150, 6 * 24 + 10), PlainCell);
    EXPECT_EQ(grid->contentCalls(2, 7), 0);
    EXPECT_EQ(grid->contentCalls(2, 6), 1);
}

TEST_F(BaseGridPaintingTest, ScrollingRepaintsTheMergedFixedCellsInView) {
    grid->SetRowCount(40);
    grid->SetColCount(20);
    grid->MergeCells(0, 5, 1, 3);   // in the fixed column
    grid->MergeCells(4, 0, 3, 1);   // in the fixed row
    grid->MergeCells(0, 35, 1, 2);  // out of view
    TInvalidationRecorder recorder;
    grid->SetTopRow(3);
    const TRect colMerge = grid->CellRect(0, 5);
    for (const TRect& r : {grid->CellRect(0, 5), grid->CellRect(4, 0)})
        EXPECT_NE(std::find(recorder.Rects.begin(), recorder.Rects.end(), r), recorder.Rects.end());
    EXPECT_EQ(colMerge, (TRect{0, 72, 64, 144}));  // rows 5..7 after scrolling by 2
    EXPECT_EQ(std::find(recorder.Rects.begin(), recorder.Rects.end(), grid->CellRect(0, 35)), recorder.Rects.end());
}

TEST_F(BaseGridPaintingTest, FixedSizesSumTheFixedColumnsAndRows) {
    struct Case {
        int fixedCols, fixedRows, width, height;
    } cases[] = {{0, 0, 0, 0}, {1, 1, 64, 24}, {2, 3, 128, 72}};
    for (const Case& c : cases) {
        grid->SetFixedCols(c.fixedCols);
        grid->SetFixedRows(c.fixedRows);
        EXPECT_EQ(grid->FixedColsWidth(), c.width);
        EXPECT_EQ(grid->FixedRowsHeight(), c.height);
    }
}

}  // namespace
