#include "grid/stringgrid/model/cell_model_records.h"
#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/controls/inplace_edit.h"
#include "platform/graphics/canvas.h"
#include "platform/testkit/testkit.h"

namespace {

class AutoSizing : public StringGridFixture {
protected:
    QString column(int c, int from, int to) {
        QStringList out;
        for (int r = from; r <= to; ++r) out << grid->Cells(c, r);
        return out.join(' ');
    }
};

TEST_F(AutoSizing, NumbersTheNormalRowsEitherWay) {
    grid->SetRowCount(6);
    grid->AutoNumberCol(2);
    EXPECT_EQ(column(2, 1, 5), "1 2 3 4 5");
    grid->AutoNumberDirection = sdDescending;
    grid->AutoNumberCol(3);
    EXPECT_EQ(column(3, 1, 5), "5 4 3 2 1");
    grid->AutoNumberDirection = sdAscending;
    grid->AutoNumberStart = 2;
    grid->AutoNumberCol(4);
    EXPECT_EQ(column(4, 1, 5), "4:1 4:2 3 4 5");
}

TEST_F(AutoSizing, ColumnsFollowTheirTextWithinTheLimits) {
    grid->SetCells(2, 3, "a much longer text than the others");
    grid->AutoSizeCol(2, 0);
    const int fitted = grid->ColWidths(2);
    EXPECT_GT(fitted, grid->Canvas().TextWidth("a much longer text than the others"));
    grid->SetCells(2, 3, "x");
    grid->SizeGrowOnly = true;
    grid->AutoSizeCol(2, 0);
    EXPECT_EQ(grid->ColWidths(2), fitted);
    grid->SizeGrowOnly = false;
    grid->MinColWidth = 40;
    grid->AutoSizeCol(2, 0);
    EXPECT_EQ(grid->ColWidths(2), 40);
    // Equal limits are no limit.
    grid->MinColWidth = grid->MaxColWidth = 50;
    grid->AutoSizeCol(2, 0);
    EXPECT_LT(grid->ColWidths(2), 50);
}

TEST_F(AutoSizing, TheSortIndicatorColumnIsTenPixelsWider) {
    for (int r = 0; r < grid->RowCount(); ++r) grid->SetCells(2, r, "ab");
    grid->AutoSizeCol(2, 0);
    const int plain = grid->ColWidths(2);
    grid->SortSettings().Show = true;
    grid->SortSettings().Column = 2;
    grid->AutoSizeCol(2, 0);
    EXPECT_EQ(grid->ColWidths(2), plain + 10);
}

TEST_F(AutoSizing, TheSortIndicatorWidensTheSortedRealColumnBehindAHiddenOne) {
    for (int r = 0; r < grid->RowCount(); ++r) grid->SetCells(3, r, "ab");
    grid->HideColumn(1);
    // Display column 2 shows real column 3.
    grid->AutoSizeCol(2, 0);
    const int plain = grid->ColWidths(2);
    grid->SortSettings().Show = true;
    grid->SortSettings().Column = 3;
    grid->AutoSizeCol(2, 0);
    EXPECT_EQ(grid->ColWidths(2), plain + 10);
    grid->SortSettings().Column = 2;
    grid->AutoSizeCol(2, 0);
    EXPECT_EQ(grid->ColWidths(2), plain);
}

TEST_F(AutoSizing, TheFilterButtonCellOfTheFilterRowIsTwelvePixelsWider) {
    for (int r = 0; r < grid->RowCount(); ++r) grid->SetCells(2, r, "ab");
    grid->ColumnSize().Rows = arAll;
    grid->AutoSizeCol(2, 0);
    const int plain = grid->ColWidths(2);
    grid->SetFilterDropDownAuto(true);
    grid->AutoSizeCol(2, 0);
    EXPECT_EQ(grid->ColWidths(2), plain + 12);
}

TEST_F(AutoSizing, ARowGrownWhileTypingPastTheViewBringsTheEditorBackWithTheCaretAtTheEnd) {
    grid->SetBounds(0, 0, 400, 200);
    grid->SetRowCount(4);
    grid->SetOptions(grid->Options() | goEditing);
    grid->SizeWhileTyping().Height = true;
    grid->Navigation().EditSelectAll = false;
    grid->SetFocus();
    const TRect cell = grid->CellRect(2, 1);
    click(*grid, cell.Left + 5, cell.Top + 5);
    keyPress(*grid, VK_F2);
    TInplaceEdit* editor = grid->InplaceEditor();
    ASSERT_TRUE(editor && editor->Visible());
    ASSERT_GE(grid->VisibleRowCount() + grid->FixedRows(), grid->RowCount());
    editor->SetSelStart(0);
    for (int i = 0; i < 60; ++i) {
        typeChar(*editor, 'w');
        typeChar(*editor, ' ');
    }
    keyPress(*editor, VK_SHIFT);  // the key's release sizes the row
    ASSERT_LT(grid->VisibleRowCount() + grid->FixedRows(), grid->RowCount());
    EXPECT_TRUE(editor->Visible());
    EXPECT_EQ(editor->SelStart(), editor->Text().size());
    EXPECT_TRUE(editor->Text().endsWith("2:1"));
}

TEST_F(AutoSizing, RowsWithoutWordWrapTakeWholeLines) {
    grid->WordWrap = false;
    grid->SetCells(3, 4, "one\r\ntwo\r\nthree");
    grid->AutoSizeRows(false, 0);
    EXPECT_EQ(grid->RowHeights(4), 3 * grid->RowHeights(5));
}

TEST_F(AutoSizing, FittingColumnsThatFillTheWidthInsideTheBorderChangesNothing) {
    grid->SetBounds(0, 0, 400, 600);
    grid->SetColCount(4);
    // The sunken single border takes 4 pixels.
    for (int c = 0; c < 4; ++c) grid->SetColWidths(c, 99);
    grid->AutoFitColumns(true);
    for (int c = 0; c < 4; ++c) EXPECT_EQ(grid->ColWidths(c), 99);
}

TEST_F(AutoSizing, FittedColumnsLeaveOutTheBorder) {
    struct Case {
        TFormBorderStyle border;
        bool ctl3D;
        int sum;
    } cases[] = {{bsSingle, true, 596}, {bsSingle, false, 598}, {bsNone, true, 600}};
    for (const Case& c : cases) {
        grid->SetBorderStyle(c.border);
        grid->Ctl3D = c.ctl3D;
        grid->SetBounds(0, 0, 400, 600);
        grid->SetColCount(4);
        for (int i = 0; i < 4; ++i) grid->SetColWidths(i, 100);
        grid->SetBounds(0, 0, 600, 600);
        grid->AutoFitColumns(true);
        int sum = 0;
        for (int i = 0; i < 4; ++i) sum += grid->ColWidths(i);
        EXPECT_EQ(sum, c.sum) << c.border << c.ctl3D;
    }
}

}  // namespace
