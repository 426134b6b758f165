#include "grid/stringgrid/data/row_column_fixture.h"

namespace {

class RowColumnOperations : public RowColumnFixture {};

TEST_F(RowColumnOperations, RemovingRowsOutOfRangeChangesNothingAndClipsAtTheEnd) {
    grid->RemoveRows(12, 1);
    grid->RemoveRows(3, 0);
    grid->RemoveRows(3, -2);
    EXPECT_EQ(rows(), "0 1 2 3 4 5 6 7 8 9 10 11");
    grid->RemoveRows(10, 5);
    EXPECT_EQ(rows(), "0 1 2 3 4 5 6 7 8 9");
}

TEST_F(RowColumnOperations, RemovedRowsTakeTheirDecorationsAlong) {
    grid->SetColors(2, 4, clRed);
    grid->SetColors(2, 6, clBlue);
    grid->RemoveRows(3, 2);
    EXPECT_EQ(rows(), "0 1 2 5 6 7 8 9 10 11");
    EXPECT_EQ(grid->Colors(2, 4), clBlue);
    EXPECT_EQ(grid->Colors(2, 3), clNone);
    grid->InsertRows(1, 2, true);
    EXPECT_EQ(grid->Cells(1, 1), QString());
    EXPECT_EQ(grid->Colors(2, 6), clBlue);
    EXPECT_EQ(grid->Cells(2, 6), "2:6");
}

TEST_F(RowColumnOperations, RemovingColumnsPastTheEndRemovesOnlyTheStoredOnes) {
    grid->RemoveCols(8, 5);
    EXPECT_EQ(columns(), "0 1 2 3 4 5 6 7");
    grid->AddColumn();
    EXPECT_EQ(grid->ColCount(), 9);
    EXPECT_EQ(grid->Cells(8, 1), QString());
}

TEST_F(RowColumnOperations, AddRowGoesAfterTheLastRow) {
    grid->AddRow();
    EXPECT_EQ(grid->RowCount(), 13);
    EXPECT_EQ(grid->Cells(1, 12), QString());
    EXPECT_EQ(grid->Cells(1, 11), "1:11");
}

TEST_F(RowColumnOperations, RemoveDuplicatesKeepsTheFirstOfEachText) {
    const QStringList texts{"Apple", "apple", "Pear", "Apple", "pear"};
    struct Case {
        bool doCase;
        QString kept;
    };
    for (const Case& c : {Case{false, "1 3"}, Case{true, "1 2 3 5"}}) {
        grid->SetRowCount(1 + texts.size());
        for (int i = 0; i < texts.size(); ++i) {
            grid->SetCells(1, i + 1, text(1, i + 1));
            grid->SetCells(2, i + 1, texts[i]);
        }
        grid->RemoveDuplicates(2, c.doCase);
        QStringList kept;
        for (int r = 1; r < grid->RowCount(); ++r) kept << grid->Cells(1, r).section(':', 1);
        EXPECT_EQ(kept.join(' '), c.kept) << "case sensitive " << c.doCase;
    }
}

TEST_F(RowColumnOperations, RemoveCheckedRowsRemovesThoseInTheAskedState) {
    for (int r = 1; r < 12; ++r) grid->AddCheckBox(0, r, r % 3 == 0, false);
    grid->RemoveCheckedRows(0, true);
    EXPECT_EQ(rows(), "0 1 2 4 5 7 8 10 11");
    grid->RemoveCheckedRows(0, false);
    EXPECT_EQ(rows(), "0");
}

TEST_F(RowColumnOperations, RemoveCheckedRowsReadsTheStateOfTheRowsShown) {
    for (int r = 1; r < 12; ++r) grid->AddCheckBox(0, r, r % 3 == 0, false);
    grid->HideRow(2);
    grid->RemoveCheckedRows(0, true);
    EXPECT_EQ(rows(), "0 1 4 5 7 8 10 11");
    grid->UnHideRowsAll();
    EXPECT_EQ(rows(), "0 1 2 4 5 7 8 10 11");
}

TEST_F(RowColumnOperations, ClearingRowsAndColumnsKeepsTheFixedAndTheRestAndClipsTheRange) {
    grid->SetFixedCols(1);
    grid->ClearNormalRows(10, 5);
    EXPECT_EQ(grid->Cells(0, 11), "0:11");
    EXPECT_EQ(grid->Cells(1, 11), QString());
    EXPECT_EQ(grid->Cells(9, 10), QString());
    EXPECT_EQ(grid->Cells(1, 9), "1:9");
    grid->ClearNormalCols(3, 1);
    EXPECT_EQ(grid->Cells(3, 0), "3:0");
    EXPECT_EQ(grid->Cells(3, 5), QString());
    grid->ClearCols(9, 4);
    EXPECT_EQ(grid->Cells(9, 0), QString());
    EXPECT_EQ(grid->Cells(8, 0), "8:0");
    grid->ClearRows(0, 1);
    EXPECT_EQ(grid->Cells(0, 0), QString());
    EXPECT_EQ(grid->Cells(0, 1), "0:1");
}

TEST_F(RowColumnOperations, MergeColsJoinsTrimmedAndDropsTheSecondColumn) {
    grid->SetCells(3, 2, QString());
    grid->MergeCols(2, 3, " ");
    EXPECT_EQ(grid->Cells(2, 2), "2:2");
    EXPECT_EQ(grid->Cells(2, 4), "2:4 3:4");
    EXPECT_EQ(grid->Cells(2, 0), "2:0");
    EXPECT_EQ(grid->ColCount(), 9);
    EXPECT_EQ(grid->Cells(3, 1), "4:1");
}

TEST_F(RowColumnOperations, TrimAndFindCells) {
    grid->SetCells(5, 1, " x ");
    grid->SetCells(0, 2, "x");
    grid->TrimRow(1);
    EXPECT_EQ(grid->Cells(5, 1), "x");
    int c = -1, r = -1;
    ASSERT_TRUE(grid->IsCell("x", c, r));
    EXPECT_EQ(c, 5);
    EXPECT_EQ(r, 1);
    EXPECT_FALSE(grid->IsCell("X", c, r));
    grid->SetCells(4, 4, "|\\wide");
    EXPECT_TRUE(grid->IsWideCell(4, 4));
    EXPECT_FALSE(grid->IsWideCell(4, 5));
}

TEST_F(RowColumnOperations, ColorRectColorsEveryCellOfTheRectangle) {
    grid->ColorRect(1, 1, 2, 3, clRed);
    EXPECT_EQ(grid->Colors(1, 1), clRed);
    EXPECT_EQ(grid->Colors(2, 3), clRed);
    EXPECT_EQ(grid->Colors(3, 3), clNone);
    EXPECT_EQ(grid->Cells(2, 3), "2:3");
}

}  // namespace
