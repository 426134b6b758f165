#include "grid/foundation/base_grid.h"

#include "platform/controls/form.h"
#include "platform/controls/invalidation_recorder.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

#include <gtest/gtest.h>
#include <functional>
#include <vector>

namespace {

int cellGraphicsFreed = 0;
int otherGraphicsFreed = 0;

// Given to the grid as owned: freed with its record.
class TCellGraphic : public TObject {
public:
    ~TCellGraphic() override { ++cellGraphicsFreed; }
};

class TOtherGraphic : public TObject {
public:
    ~TOtherGraphic() override { ++otherGraphicsFreed; }
};

// The hooks a string grid supplies, as a test needs them.
class TTestGrid : public TBaseGrid {
public:
    using TBaseGrid::TBaseGrid;

    int TotalColCount() const override { return ColCount() + hiddenCols; }
    void LastRowChanged() override { ++lastRowChanges; }
    void UpdateAutoRangeScrollBar(int ACol, int ARow) override { scrollBarCells.push_back({ACol, ARow}); }

    void SetNormalRowCount(int Value) { FNormalRowCount = Value; }
    void SetHideLastRow(bool Value) { FHideLastRow = Value; }
    bool HasCellProps() const { return FHasCellProps; }
    int MergeCount() const { return FMergeCount; }
    int PlatformLineWidth() const { return TStringGrid::GridLineWidth(); }
    bool PlatformDefaultDrawing() const { return TStringGrid::DefaultDrawing(); }

    int hiddenCols = 0;
    int lastRowChanges = 0;
    std::vector<TPoint> scrollBarCells;
};

// A 6 x 8 grid of 64 x 24 cells with one fixed column and row, on a form with a window, so
// that repaints reach the recorder. With the platform's lines at 0, column c starts at 64 c
// and row r at 24 r while nothing is scrolled.
class BaseGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        cellGraphicsFreed = otherGraphicsFreed = 0;
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 500, 400);
        grid = new TTestGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 400, 300);
        grid->SetColCount(6);
        grid->SetRowCount(8);
        form->HandleNeeded();
        recorder.Rects.clear();
    }
    void TearDown() override { delete form; }

    // Cells of the grid, hidden columns included, that hold a record.
    int records() const {
        int n = 0;
        for (int r = 0; r < grid->RowCount(); ++r)
            for (int c = 0; c < grid->TotalColCount(); ++c) n += grid->HasCellProperties(c, r);
        return n;
    }

    TInvalidationRecorder recorder;
    TForm* form = nullptr;
    TTestGrid* grid = nullptr;
};

TEST_F(BaseGridTest, DrawsItsOwnLinesSoThePlatformCellsHaveNoGaps) {
    EXPECT_EQ(grid->GridLineWidth(), 1);
    EXPECT_EQ(grid->PlatformLineWidth(), 0);
    EXPECT_FALSE(grid->DefaultDrawing());
    EXPECT_FALSE(grid->PlatformDefaultDrawing());
    grid->SetDefaultDrawing(true);
    EXPECT_TRUE(grid->DefaultDrawing());
    EXPECT_FALSE(grid->PlatformDefaultDrawing());
    EXPECT_EQ(grid->CellRect(2, 3), (TRect{128, 72, 192, 96}));
}

TEST_F(BaseGridTest, ACellWithoutARecordIsItsOwnBaseAndReadsMakeNoRecord) {
    grid->SetCells(2, 3, "plain");
    EXPECT_EQ(grid->GetCellEx(2, 3), "plain");
    EXPECT_EQ(grid->BaseCell(2, 3), (TPoint{2, 3}));
    EXPECT_EQ(grid->CellSpan(2, 3), TPoint{});
    EXPECT_EQ(grid->CellExt(2, 3), TPoint{});
    EXPECT_EQ(grid->FullCell(2, 3), (TRect{2, 3, 2, 3}));
    EXPECT_TRUE(grid->IsBaseCell(2, 3));
    EXPECT_FALSE(grid->IsMergedCell(2, 3));
    EXPECT_FALSE(grid->IsXMergedCell(2, 3));
    EXPECT_EQ(grid->GetObjectEx(2, 3), 0u);
    EXPECT_EQ(grid->GetGraphicObjectEx(2, 3), nullptr);
    int bc = -1, br = -1;
    EXPECT_TRUE(grid->ResolveBaseCell(2, 3, bc, br));
    EXPECT_EQ(TPoint(bc, br), (TPoint{2, 3}));
    grid->CellRect(2, 3);
    grid->MinRowSpan(3);
    grid->ColSpanIdentical(2, 3);
    EXPECT_EQ(records(), 0);
    EXPECT_FALSE(grid->HasCellProps());
}

TEST_F(BaseGridTest, ARecordIsMadeOnFirstUseFromTheDefaultVisuals) {
    grid->Font().SetName("Verdana");
    grid->Font().SetSize(10);
    grid->Font().SetStyle(fsBold);
    grid->SetColor(0x123456);
    grid->WordWrap = false;
    TCellProperties* p = grid->GetCellProperties(3, 4);
    EXPECT_TRUE(grid->HasCellProps());
    EXPECT_EQ(grid->GetCellProperties(3, 4), p);
    EXPECT_EQ(p->FontName(), "Verdana");
    EXPECT_EQ(p->FontSize(), 10);
    EXPECT_EQ(p->FontStyle(), fsBold);
    EXPECT_EQ(p->FontColor(), clWindowText);
    EXPECT_EQ(p->BrushColor(), 0x123456);
    EXPECT_EQ(p->BrushColorTo(), clNone);
    EXPECT_FALSE(p->WordWrap());
    EXPECT_EQ(p->Alignment(), taLeftJustify);
    EXPECT_EQ(p->VAlignment(), vtaTop);
    EXPECT_EQ(p->GradientDirection(), GradientVertical);
    EXPECT_TRUE(p->IsBaseCell());
    EXPECT_EQ(TPoint(p->CellSpanX(), p->CellSpanY()), (TPoint{-1, -1}));
    EXPECT_EQ(TPoint(p->OwnerCol(), p->OwnerRow()), (TPoint{3, 4}));
    EXPECT_EQ(p->Editor(), edNormal);
    EXPECT_EQ(p->CellObject(), 0u);
    // A record outside the grid's cells does not count.
    EXPECT_TRUE(grid->HasCellProperties(3, 4));
    grid->GetCellProperties(6, 2);
    EXPECT_FALSE(grid->HasCellProperties(6, 2));
    grid->hiddenCols = 1;
    EXPECT_TRUE(grid->HasCellProperties(6, 2));
}

// MergeCells(1, 2, 3, 2): columns 1..3, rows 2..3.
TEST_F(BaseGridTest, EveryCellOfAMergedRangeFindsItsBaseCell) {
    grid->SetCells(1, 2, "base");
    grid->SetCells(3, 3, "covered");
    grid->MergeCells(1, 2, 3, 2);
    struct Cell {
        int c, r;
        bool base;
        int sx, sy;
    };
    for (const Cell& e : {Cell{1, 2, true, 2, 1}, Cell{2, 2, false, 1, 0}, Cell{3, 2, false, 2, 0},
                          Cell{1, 3, false, 0, 1}, Cell{2, 3, false, 1, 1}, Cell{3, 3, false, 2, 1}}) {
        SCOPED_TRACE(testing::Message() << e.c << "," << e.r);
        const TCellProperties* p = grid->GetCellProperties(e.c, e.r);
        EXPECT_EQ(p->IsBaseCell(), e.base);
        EXPECT_EQ(TPoint(p->CellSpanX(), p->CellSpanY()), (TPoint{e.sx, e.sy}));
        EXPECT_EQ(grid->BaseCell(e.c, e.r), (TPoint{1, 2}));
        EXPECT_EQ(grid->CellSpan(e.c, e.r), (TPoint{2, 1}));
        EXPECT_EQ(grid->CellExt(e.c, e.r), (TPoint{3 - e.c, 3 - e.r}));
        EXPECT_EQ(grid->FullCell(e.c, e.r), (TRect{1, 2, 3, 3}));
        EXPECT_EQ(grid->IsMergedNonBaseCell(e.c, e.r), !e.base);
        EXPECT_TRUE(grid->IsMergedCell(e.c, e.r));
        EXPECT_TRUE(grid->IsXMergedCell(e.c, e.r) && grid->IsYMergedCell(e.c, e.r));
        EXPECT_EQ(grid->GetCellEx(e.c, e.r), "base");
        EXPECT_EQ(grid->CellRect(e.c, e.r), (TRect{64, 48, 256, 96}));
        int bc = 0, br = 0;
        EXPECT_EQ(grid->ResolveBaseCell(e.c, e.r, bc, br), e.base);
        EXPECT_EQ(TPoint(bc, br), (TPoint{1, 2}));
    }
    EXPECT_EQ(grid->CellSize(2, 3), (TPoint{192, 48}));

    // A 1 x 1 merge leaves its cell unmerged.
    grid->MergeCells(5, 5, 1, 1);
    EXPECT_FALSE(grid->IsMergedCell(5, 5));
    EXPECT_EQ(grid->CellSpan(5, 5), TPoint{});
}

TEST_F(BaseGridTest, WritingAMergedCellWritesItsBaseAndRepaintsTheWrittenCell) {
    grid->MergeCells(1, 2, 3, 2);
    recorder.Rects.clear();
    grid->SetCellEx(2, 3, "x");
    EXPECT_EQ(grid->GetGridCell(1, 2), "x");
    EXPECT_EQ(grid->GetGridCell(2, 3), QString());
    ASSERT_FALSE(recorder.Rects.empty());
    EXPECT_EQ(recorder.Rects.back(), (TRect{64, 48, 256, 96}));
    ASSERT_EQ(grid->scrollBarCells.size(), 1u);
    EXPECT_EQ(grid->scrollBarCells[0], (TPoint{1, 2}));

    grid->SetCellEx(4, 4, "plain");  // no record: no scroll-bar update
    EXPECT_EQ(grid->scrollBarCells.size(), 1u);
}

TEST_F(BaseGridTest, SplittingARangeShowsTheCoveredTextsAgain) {
    grid->SetCells(1, 2, "base");
    grid->SetCells(3, 3, "covered");
    grid->MergeCells(1, 2, 3, 2);
    grid->SplitCells(2, 3);
    for (int c = 1; c <= 3; ++c)
        for (int r = 2; r <= 3; ++r) {
            const TCellProperties* p = grid->GetCellProperties(c, r);
            EXPECT_TRUE(p->IsBaseCell());
            EXPECT_EQ(TPoint(p->CellSpanX(), p->CellSpanY()), (TPoint{-1, -1}));
        }
    EXPECT_EQ(grid->GetCellEx(3, 3), "covered");
    EXPECT_EQ(grid->GetCellEx(1, 2), "base");
    EXPECT_EQ(grid->MergeCount(), 0);
}

TEST_F(BaseGridTest, MergeCountMovesWhetherOrNotCellsChange) {
    grid->MergeCells(0, 0, 0, 3);
    EXPECT_EQ(grid->MergeCount(), 1);
    EXPECT_EQ(records(), 0);
    grid->SplitCells(4, 4);
    EXPECT_EQ(grid->MergeCount(), 0);
    EXPECT_TRUE(grid->HasCellProperties(4, 4));
    EXPECT_TRUE(grid->IsBaseCell(4, 4));
    EXPECT_EQ(records(), 1);
}

TEST_F(BaseGridTest, DisplayHooksRunForNormalRowsWithTheBaseCell) {
    std::vector<TPoint> asked;
    grid->OnGetDisplText = [&](TObject*, int ACol, int ARow, QString& Value) {
        asked.push_back({ACol, ARow});
        Value += "!";
    };
    grid->SetCells(1, 2, "b");
    grid->SetCells(1, 5, "raw");
    grid->MergeCells(1, 2, 2, 2);
    EXPECT_EQ(grid->GetCellEx(2, 3), "b");  // a bare base grid runs no hook
    grid->SetNormalRowCount(4);
    EXPECT_EQ(grid->GetCellEx(2, 3), "b!");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], (TPoint{1, 2}));
    EXPECT_EQ(grid->GetCellEx(1, 5), "raw");
    EXPECT_EQ(asked.size(), 1u);
}

TEST_F(BaseGridTest, TheWideTextHookMakesEveryNormalCellWide) {
    QString seen;
    grid->OnGetDisplWideText = [&](TObject*, int, int, QString& Value) { seen = Value; };
    grid->SetNormalRowCount(8);
    grid->SetCells(0, 1, "Az");
    EXPECT_EQ(grid->GetCellEx(0, 1), QString("|\\") + QChar(0) + 'A' + QChar(0) + 'z');
    EXPECT_EQ(seen, "Az");
    grid->OnGetDisplWideText = [](TObject*, int, int, QString& Value) { Value = QString(QChar(0x20AC)); };
    EXPECT_EQ(grid->GetCellEx(0, 1), QString("|\\") + QChar(0x20) + QChar(0xAC));
}

TEST_F(BaseGridTest, AWriteIntoTheHiddenLastRowIsReported) {
    grid->SetCellEx(1, 7, "x");
    EXPECT_EQ(grid->lastRowChanges, 0);
    grid->SetHideLastRow(true);
    grid->SetCellEx(1, 7, "x");
    grid->GetCellProperties(2, 7);
    grid->SetCellEx(2, 7, "y");
    grid->SetCellEx(2, 6, "z");
    EXPECT_EQ(grid->lastRowChanges, 2);
}

TEST_F(BaseGridTest, CellObjectsKeepTheCellTextAsItWas) {
    grid->SetHideLastRow(true);  // counts the writes into row 7
    grid->SetObjectEx(1, 7, 42);
    EXPECT_EQ(grid->GetObjectEx(1, 7), 42u);
    EXPECT_EQ(grid->GetGridCell(1, 7), QString());
    EXPECT_EQ(grid->lastRowChanges, 2);  // " " and back

    grid->SetCells(2, 7, "text");
    TOtherGraphic graphic;
    grid->SetGraphicObjectEx(2, 7, &graphic);
    EXPECT_EQ(grid->GetGraphicObjectEx(2, 7), &graphic);
    EXPECT_EQ(grid->GraphicObjectOf(grid->GetCellProperties(2, 7)), &graphic);
    EXPECT_EQ(grid->GetGridCell(2, 7), "text");
    EXPECT_EQ(grid->lastRowChanges, 2);

    // Objects belong to the cell's own record, merged or not.
    grid->MergeCells(3, 1, 2, 1);
    grid->SetObjectEx(3, 1, 7);
    EXPECT_EQ(grid->GetObjectEx(4, 1), 0u);
    grid->ResetCellProperties(2, 7);
    EXPECT_EQ(otherGraphicsFreed, 0);
}

TEST_F(BaseGridTest, FreeingRecordsFreesOnlyTheGraphicsTheyOwn) {
    TOtherGraphic other;
    TCellGraphic sameClassNotOwned;
    grid->SetGraphicObjectEx(3, 1, &sameClassNotOwned);
    auto* own = new TCellGraphic;
    grid->SetGraphicObjectEx(1, 1, own, true);
    grid->SetGraphicObjectEx(2, 1, &other);
    grid->FreeCellProperties(0, 0, 5, 5);
    EXPECT_EQ(cellGraphicsFreed, 1);
    EXPECT_EQ(otherGraphicsFreed, 0);
    EXPECT_EQ(records(), 0);

    // Resetting a record or putting another in its place leaves the graphic alone.
    auto* kept = new TCellGraphic;
    grid->SetGraphicObjectEx(3, 3, kept, true);
    EXPECT_TRUE(grid->OwnsGraphicObject(3, 3));
    grid->ResetCellProperties(3, 3);
    grid->SetGraphicObjectEx(3, 4, kept, true);
    grid->SetCellProperties(3, 4, new TCellProperties(grid, 3, 4));
    EXPECT_EQ(grid->GetGraphicObjectEx(3, 4), nullptr);
    EXPECT_EQ(cellGraphicsFreed, 1);
    delete kept;

    // ResetCell hands the record over to the caller.
    TCellProperties* taken = grid->GetCellProperties(4, 4);
    grid->SetCells(4, 4, "gone");
    grid->ResetCell(4, 4);
    EXPECT_FALSE(grid->HasCellProperties(4, 4));
    EXPECT_EQ(grid->GetGridCell(4, 4), QString());
    delete taken;
}

TEST_F(BaseGridTest, CountsThatShrinkKeepCellsAndRecordsIncludingHiddenColumns) {
    grid->hiddenCols = 2;  // columns 6 and 7 are stored beyond ColCount
    grid->SetObjectEx(7, 6, 42);
    grid->SetGridCell(7, 6, "hidden");
    grid->SetColCount(3);
    grid->SetRowCount(5);
    EXPECT_FALSE(grid->HasCellProperties(7, 6));
    EXPECT_EQ(grid->GetObjectEx(7, 6), 0u);
    grid->SetColCount(6);
    grid->SetRowCount(8);
    EXPECT_EQ(grid->GetObjectEx(7, 6), 42u);
    EXPECT_EQ(grid->GetCellEx(7, 6), "hidden");
}

TEST_F(BaseGridTest, DeletedRowsFreeTheirRecordsAndMovedRowsCarryThem) {
    grid->SetGraphicObjectEx(1, 2, new TCellGraphic, true);
    grid->GetCellProperties(1, 5)->SetBrushColor(clRed);
    grid->DeleteRow(2);
    EXPECT_EQ(cellGraphicsFreed, 1);
    ASSERT_TRUE(grid->HasCellProperties(1, 4));
    EXPECT_EQ(grid->GetCellProperties(1, 4)->BrushColor(), clRed);
    EXPECT_FALSE(grid->HasCellProperties(1, 5));

    grid->MoveRow(4, 1);
    ASSERT_TRUE(grid->HasCellProperties(1, 1));
    EXPECT_EQ(grid->GetCellProperties(1, 1)->BrushColor(), clRed);

    grid->SetGraphicObjectEx(1, 3, new TCellGraphic, true);
    grid->DeleteColumn(1);
    EXPECT_EQ(cellGraphicsFreed, 2);
    EXPECT_EQ(records(), 0);
}

TEST(BaseGridLifetime, TheGridFreesEveryRecordItKeeps) {
    cellGraphicsFreed = 0;
    {
        TTestGrid grid(nullptr);
        grid.SetRowCount(10);
        grid.SetGraphicObjectEx(2, 8, new TCellGraphic, true);
        grid.SetGraphicObjectEx(1, 1, new TCellGraphic, true);
        grid.SetRowCount(3);  // row 8 lies beyond the count now
    }
    EXPECT_EQ(cellGraphicsFreed, 2);
}

TEST_F(BaseGridTest, GeometryMeasuresMergedAndScrolledCells) {
    grid->SetBounds(0, 0, 200, 100);
    grid->SetLeftCol(3);
    ASSERT_EQ(grid->LeftCol(), 3);
    EXPECT_EQ(grid->CalcCellRect(0, 1), (TRect{0, 24, 64, 48}));
    EXPECT_EQ(grid->CalcCellRect(4, 1), (TRect{128, 24, 192, 48}));
    EXPECT_EQ(grid->CalcCellRect(1, 1), (TRect{-64, 24, 0, 48}));

    // A range scrolled out of view is measured whole.
    grid->MergeCells(1, 1, 2, 2);
    EXPECT_EQ(grid->CellRect(2, 2), (TRect{-64, 24, 64, 72}));
    EXPECT_EQ(grid->CellSize(1, 1), (TPoint{128, 48}));

    // A range in a column of width 0 keeps a width.
    grid->SetColWidths(4, 0);
    grid->MergeCells(4, 3, 1, 2);
    EXPECT_EQ(grid->CellRect(4, 4), (TRect{127, 72, 129, 120}));
    EXPECT_EQ(grid->CellSize(4, 4), (TPoint{0, 48}));

    // A cell hosting a control is measured out of view too.
    TControl control(nullptr);
    grid->GetCellProperties(1, 6)->SetControl(&control);
    EXPECT_EQ(grid->CellRect(1, 6), (TRect{-64, 144, 0, 168}));
    EXPECT_EQ(grid->CellRect(5, 1), (TRect{128, 24, 192, 48}));
}

TEST_F(BaseGridTest, RowAndColumnSpanQueries) {
    grid->MergeCells(1, 1, 1, 3);  // column 1, rows 1..3
    grid->MergeCells(2, 1, 1, 2);  // column 2, rows 1..2
    grid->MergeCells(1, 4, 1, 2);  // column 1, rows 4..5
    grid->MergeCells(3, 6, 2, 1);  // columns 3..4, row 6
    EXPECT_EQ(grid->MinRowSpan(1), 1);
    EXPECT_EQ(grid->MaxRowSpan(1), 2);
    EXPECT_EQ(grid->MinRowSpan(7), 8);
    EXPECT_EQ(grid->MaxRowSpan(7), 0);
    EXPECT_TRUE(grid->RowSpanIdentical(1, 2));
    EXPECT_TRUE(grid->RowSpanIdentical(2, 3));
    EXPECT_FALSE(grid->RowSpanIdentical(3, 4));  // column 1: different base rows
    EXPECT_FALSE(grid->RowSpanIdentical(6, 7));  // nothing spans rows
    EXPECT_TRUE(grid->ColSpanIdentical(3, 4));
    EXPECT_FALSE(grid->ColSpanIdentical(4, 5));
    EXPECT_FALSE(grid->ColSpanIdentical(0, 5));  // nothing spans columns
}

TEST_F(BaseGridTest, RecordSettersRepaintTheirCellOnlyWhereTheySaySo) {
    TCellProperties* p = grid->GetCellProperties(2, 2);
    const std::vector<std::function<void()>> repainting = {
        [&] { p->SetBrushColor(clRed); }, [&] { p->SetBrushColorTo(clBlue); },
        [&] { p->SetVAlignment(vtaCenter); }, [&] { p->SetWordWrap(false); }};
    for (const auto& set : repainting) {
        recorder.Rects.clear();
        set();
        ASSERT_EQ(recorder.Rects.size(), 1u);
        EXPECT_EQ(recorder.Rects[0], (TRect{128, 48, 192, 72}));
    }
    recorder.Rects.clear();
    p->SetFontColor(clRed);
    p->SetAlignment(taCenter);
    EXPECT_TRUE(recorder.Rects.empty());
}

TEST_F(BaseGridTest, AssignCopiesTheCellsLooksButNotItsGraphicOrGradient) {
    TCellProperties* source = grid->GetCellProperties(1, 1);
    source->SetFontName("Verdana");
    source->SetBrushColor(clRed);
    source->SetBrushColorTo(clBlue);
    source->SetAlignment(taRightJustify);
    source->SetEditor(edComboList);
    source->SetCalcType(acSUM);
    source->SetGradientDirection(GradientHorizontal);
    source->SetCellObject(9);
    grid->SetGraphicObjectEx(1, 1, new TCellGraphic, true);
    TCellProperties target(grid, 4, 4);
    target.Assign(*source);
    EXPECT_EQ(target.FontName(), "Verdana");
    EXPECT_EQ(target.BrushColor(), clRed);
    EXPECT_EQ(target.Alignment(), taRightJustify);
    EXPECT_EQ(target.Editor(), edComboList);
    EXPECT_EQ(target.CellObject(), 9u);
    EXPECT_EQ(TPoint(target.OwnerCol(), target.OwnerRow()), (TPoint{1, 1}));
    EXPECT_EQ(target.BrushColorTo(), clNone);
    EXPECT_EQ(target.CalcType(), acNONE);
    EXPECT_EQ(target.GradientDirection(), GradientVertical);
    EXPECT_EQ(grid->GraphicObjectOf(&target), nullptr);
}

TEST_F(BaseGridTest, DefaultContentIsTheTextCentredOnOneLine) {
    grid->SetCells(1, 1, "WWW");
    TBitmap bitmap(100, 40);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Color = clWhite;
    canvas.FillRect({0, 0, 100, 40});
    canvas.Font.SetColor(clBlack);
    grid->DrawCellContent(canvas, 1, 1, {0, 0, 100, 40}, 0);
    int left = 100, right = -1, top = 40, bottom = -1;
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 40; ++y)
            if (canvas.Pixel(x, y) != clWhite) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    // Centred by advance width and line height, so the ink may sit a few pixels off centre.
    ASSERT_GE(right, left);
    EXPECT_NEAR(left, 99 - right, 6);
    EXPECT_NEAR(top, 39 - bottom, 8);
}

}  // namespace
