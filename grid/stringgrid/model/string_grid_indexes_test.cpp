#include "grid/stringgrid/model/string_grid_test_fixture.h"

namespace {

using HiddenColumns = StringGridFixture;

TEST_F(HiddenColumns, MapBothWaysAndKeepTheirCellsAndWidths) {
    grid->SetColWidths(3, 90);
    grid->SetColWidths(4, 40);
    grid->HideColumn(3);
    EXPECT_EQ(grid->ColCount(), 9);
    EXPECT_EQ(grid->TotalColCount(), 10);
    EXPECT_EQ(grid->AllColCount(), 10);
    EXPECT_TRUE(grid->IsHiddenColumn(3));
    EXPECT_EQ(grid->NumHiddenColumns(), 1);
    struct Case {
        int displ, real;
    };
    for (const Case& c : {Case{0, 0}, Case{2, 2}, Case{3, 4}, Case{8, 9}}) {
        EXPECT_EQ(grid->RealColIndex(c.displ), c.real) << c.displ;
        EXPECT_EQ(grid->DisplColIndex(c.real), c.displ) << c.real;
    }
    EXPECT_EQ(grid->DisplColIndex(3), 3);  // a hidden column maps to where it would stand
    EXPECT_EQ(grid->RealColIndex(9), 10);  // the table runs on past the columns in use
    EXPECT_EQ(grid->RealColIndex(511), 0);  // beyond the columns that can be shown
    EXPECT_EQ(grid->ColWidths(3), 40);     // column 4 took its place with its width
    EXPECT_EQ(grid->AllColWidths(3), 90);
    EXPECT_EQ(grid->AllCells(3, 5), text(3, 5));
    EXPECT_EQ(grid->Cells(3, 5), text(3, 5));  // the store keeps real columns

    grid->UnHideColumn(3);
    EXPECT_EQ(grid->ColCount(), 10);
    EXPECT_EQ(grid->ColWidths(3), 90);
    EXPECT_EQ(grid->ColWidths(4), 40);
    EXPECT_EQ(grid->RealColIndex(3), 3);
}

TEST_F(HiddenColumns, IndexesFrom512OnAreNeverHidden) {
    grid->HideColumn(2);
    EXPECT_EQ(grid->RealColIndex(600), 600);
    EXPECT_EQ(grid->DisplColIndex(600), 600);
    EXPECT_FALSE(grid->IsHiddenColumn(600));
    EXPECT_EQ(grid->RealColIndex(-1), -1);
    grid->HideColumn(512);
    EXPECT_EQ(grid->NumHiddenColumns(), 1);
}

TEST_F(HiddenColumns, HidingTwiceOrTheLastShownColumnDoesNothing) {
    grid->HideColumns(2, 4);
    grid->HideColumn(3);
    EXPECT_EQ(grid->NumHiddenColumns(), 3);
    grid->HideColumns(0, 9);
    EXPECT_EQ(grid->ColCount(), 1);
    EXPECT_EQ(grid->RealColIndex(0), 9);
    grid->UnHideColumn(5);  // shown among hidden ones
    EXPECT_EQ(grid->DisplColIndex(5), 0);
    grid->UnHideColumnsAll();
    EXPECT_EQ(grid->ColCount(), 10);
    EXPECT_EQ(grid->NumHiddenColumns(), 0);
    for (int c = 0; c < 10; ++c) EXPECT_EQ(grid->ColWidths(c), 64) << c;
}

TEST_F(HiddenColumns, AllColWidthsWritesTheRememberedOrTheShownWidth) {
    grid->HideColumn(1);
    grid->SetAllColWidths(1, 33);
    grid->SetAllColWidths(2, 44);
    EXPECT_EQ(grid->AllColWidths(1), 33);
    EXPECT_EQ(grid->ColWidths(1), 44);
    grid->UnHideColumn(1);
    EXPECT_EQ(grid->ColWidths(1), 33);
}

using HidingRows = StringGridFixture;

TEST_F(HidingRows, MapBothWays) {
    grid->HideRow(5);
    grid->HideRow(7);
    EXPECT_EQ(grid->RowCount(), 10);
    EXPECT_EQ(grid->TotalRowCount(), 12);
    EXPECT_EQ(grid->AllRowCount(), 12);
    EXPECT_EQ(grid->NumHiddenRows(), 2);
    struct Case {
        int displ, real;
    };
    for (const Case& c : {Case{4, 4}, Case{5, 6}, Case{6, 8}, Case{9, 11}}) {
        EXPECT_EQ(grid->RealRowIndex(c.displ), c.real) << c.displ;
        EXPECT_EQ(grid->DisplRowIndex(c.real), c.displ) << c.real;
    }
    EXPECT_TRUE(grid->IsHiddenRow(7));
    EXPECT_FALSE(grid->IsHiddenRow(6));
    EXPECT_EQ(displayColumn(1), "0 1 2 3 4 6 8 9 10 11");
    grid->SetRow(5);
    EXPECT_EQ(grid->RealRow(), 6);
}

TEST_F(HidingRows, RangesOverHiddenRowsKeepEachRowsOwnCellsAndHeight) {
    grid->SetRowHeights(5, 30);
    grid->SetRowHeights(6, 40);
    grid->SetRowHeights(7, 50);
    grid->HideRow(6);
    grid->HideRows(5, 7);
    EXPECT_EQ(grid->NumHiddenRows(), 3);
    EXPECT_EQ(displayColumn(2), "0 1 2 3 4 8 9 10 11");
    for (int r : {5, 6, 7}) EXPECT_EQ(grid->AllCells(2, r), text(2, r)) << r;
    grid->HideRows(5, 7);  // all hidden already
    EXPECT_EQ(grid->NumHiddenRows(), 3);

    grid->UnHideRowsAll();
    EXPECT_EQ(grid->NumHiddenRows(), 0);
    EXPECT_EQ(displayColumn(2), "0 1 2 3 4 5 6 7 8 9 10 11");
    EXPECT_EQ(grid->RowHeights(5), 30);
    EXPECT_EQ(grid->RowHeights(6), 40);
    EXPECT_EQ(grid->RowHeights(7), 50);
}

TEST_F(HidingRows, TheFastRangeSkipsRowsHiddenAlready) {
    grid->HideRow(6);
    grid->HideRowsEx(6, 8);  // starts at a hidden row: nothing
    EXPECT_EQ(grid->NumHiddenRows(), 1);
    grid->HideRowsEx(5, 8);
    EXPECT_EQ(displayColumn(0), "0 1 2 3 4 9 10 11");
    for (int r = 5; r <= 8; ++r) EXPECT_EQ(grid->AllCells(0, r), text(0, r)) << r;
}

TEST_F(HidingRows, ShowingARangeBringsBackItsHiddenRowsInOrder) {
    grid->HideRow(5);
    grid->HideRow(7);
    grid->HideRow(9);
    grid->UnHideRows(5, 7);
    EXPECT_EQ(displayColumn(0), "0 1 2 3 4 5 6 7 8 10 11");
    // A range that starts at a shown row still shows the hidden ones in it.
    grid->HideRow(3);
    grid->UnHideRows(2, 10);
    EXPECT_EQ(displayColumn(0), "0 1 2 3 4 5 6 7 8 9 10 11");
    grid->UnHideRow(4);  // not hidden: nothing changes
    EXPECT_EQ(grid->RowCount(), 12);
}

TEST_F(HidingRows, HiddenRowsCarryTheCellsOfHiddenColumns) {
    grid->HideColumn(2);
    grid->HideRows(3, 4);
    grid->SetAllCells(2, 3, "changed while hidden");
    grid->UnHideColumn(2);
    EXPECT_EQ(grid->AllCells(2, 4), text(2, 4));
    grid->UnHideRows(3, 4);
    for (int r = 0; r < 12; ++r)
        for (int c = 0; c < 10; ++c)
            EXPECT_EQ(grid->Cells(c, r), c == 2 && r == 3 ? QString("changed while hidden") : text(c, r)) << c << "," << r;
}

TEST_F(HidingRows, TheGridKeepsOneShownRow) {
    grid->HideRows(0, 20);
    EXPECT_EQ(grid->RowCount(), 1);
    EXPECT_EQ(grid->NumHiddenRows(), 11);
    EXPECT_EQ(grid->Cells(0, 0), text(0, 11));
    grid->UnHideRowsAll();
    EXPECT_EQ(displayColumn(0), "0 1 2 3 4 5 6 7 8 9 10 11");
}

TEST_F(HidingRows, RowListsStackAsFilterLevels) {
    TIntList first(0, 0), second(0, 0);
    for (int r : {2, 5, 6}) first.Insert(first.Count(), r);
    grid->HideRowList(first);
    EXPECT_EQ(displayColumn(0), "0 1 3 4 7 8 9 10 11");
    for (int r : {1, 4}) second.Insert(second.Count(), r);  // display rows of the first level: 1 and 7
    grid->HideRowList(second);
    EXPECT_EQ(grid->FilterLevel(), 2);
    EXPECT_EQ(displayColumn(0), "0 3 4 8 9 10 11");

    grid->UnHideRowList();
    grid->SetFilterLevel(grid->FilterLevel() - 1);  // as filtering does after it
    EXPECT_EQ(displayColumn(0), "0 1 3 4 7 8 9 10 11");
    EXPECT_EQ(grid->NumHiddenRows(), 3);
    grid->UnHideRowList();
    grid->SetFilterLevel(grid->FilterLevel() - 1);
    EXPECT_EQ(displayColumn(0), "0 1 2 3 4 5 6 7 8 9 10 11");
    EXPECT_EQ(grid->NumHiddenRows(), 0);
    grid->UnHideRowList();  // no level left
    EXPECT_EQ(grid->RowCount(), 12);
}

TEST_F(HidingRows, ALevelComingBackFreesOnlyItsOwnRows) {
    TIntList first(0, 0), second(0, 0);
    first.Insert(0, 2);
    second.Insert(0, 6);
    grid->HideRowList(first);
    grid->HideRowList(second);
    grid->SetFilterLevel(1);  // a level count that fell behind
    grid->UnHideRowList();
    EXPECT_EQ(grid->NumHiddenRows(), 1);  // the other level's row is still held, not lost
    grid->SetFilterLevel(2);
    grid->UnHideRowList();
    EXPECT_EQ(displayColumn(0), "0 1 2 3 4 5 6 7 8 9 10 11");
}

TEST_F(HidingRows, ALevelComingBackLeavesRowsHiddenByRange) {
    grid->HideRow(9);
    TIntList list(0, 0);
    list.Insert(0, 2);
    grid->HideRowList(list);
    grid->UnHideRowList();
    EXPECT_EQ(displayColumn(0), "0 1 2 3 4 5 6 7 8 10 11");
    EXPECT_TRUE(grid->IsHiddenRow(9));
    grid->UnHideRowsAll();
    EXPECT_EQ(displayColumn(0), "0 1 2 3 4 5 6 7 8 9 10 11");
}

TEST_F(HidingRows, AllAccessorsReachHiddenRows) {
    grid->HideRow(4);
    EXPECT_EQ(grid->AllCells(2, 4), text(2, 4));
    EXPECT_EQ(grid->AllGridCells(2, 4), text(2, 4));
    EXPECT_EQ(grid->AllCells(2, 5), grid->Cells(2, 4));
    EXPECT_EQ(grid->AllCells(-1, 4), QString());
    ASSERT_NE(grid->GetHiddenRowItems(4), nullptr);
    EXPECT_EQ(grid->GetHiddenRowItems(5), nullptr);

    grid->SetAllCells(2, 4, "new");
    grid->SetAllGridCells(14, 4, "far");  // pads the held row
    grid->SetAllObjects(3, 4, 77);
    grid->SetAllObjects(3, 5, 88);
    EXPECT_EQ(grid->AllObjects(3, 4), 77u);
    EXPECT_EQ(grid->AllObjects(3, 5), 88u);
    EXPECT_EQ(grid->GetObjectEx(3, 4), 88u);
    EXPECT_NE(grid->GetGridObjectsEx(3, 4), nullptr);

    grid->UnHideRow(4);
    EXPECT_EQ(grid->Cells(2, 4), "new");
    EXPECT_EQ(grid->Cells(14, 4), "far");
    EXPECT_EQ(grid->GetObjectEx(3, 4), 77u);
}

TEST_F(HidingRows, DisplayTextsOfHiddenRowsPassTheDisplayHook) {
    grid->OnGetDisplText = [](TObject*, int ACol, int ARow, QString& Value) { Value += QStringLiteral("!"); };
    grid->HideRow(4);
    EXPECT_EQ(grid->AllCells(1, 4), text(1, 4) + "!");
    EXPECT_EQ(grid->AllGridCells(1, 4), text(1, 4));
    EXPECT_EQ(grid->AllCells(1, 5), text(1, 5) + "!");
}

TEST_F(HidingRows, RecordsOfHiddenRowsComeBackAndGoWithTheGrid) {
    grid->GetCellProperties(2, 6)->SetBrushColor(clRed);
    grid->GetCellProperties(3, 6)->SetReadOnly(true);
    grid->HideRows(5, 7);
    EXPECT_FALSE(grid->HasCellProperties(2, 6));
    grid->UnHideRow(6);
    ASSERT_TRUE(grid->HasCellProperties(2, 5));
    EXPECT_EQ(grid->GetCellProperties(2, 5)->BrushColor(), clRed);
    grid->HideRow(6);
    // The form frees the grid with a record in a hidden row; the sanitizer finds no leak.
}

using SelectionAndOrder = StringGridFixture;

TEST_F(SelectionAndOrder, AHiddenSelectionComesBackOrFallsBackToTheFirstCell) {
    grid->SetSelection({2, 3, 4, 5});
    grid->HideSelection();
    EXPECT_TRUE(grid->SelectionHidden());
    EXPECT_EQ(grid->Selection(), (TGridRect{10, 12, 10, 12}));
    grid->UnHideSelection();
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 4, 5}));

    grid->SetSelection({8, 10, 9, 11});
    grid->HideSelection();
    grid->SetRowCount(6);
    grid->UnHideSelection();
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1}));
}

TEST_F(SelectionAndOrder, TheRecordedOrderFollowsMovedColumns) {
    EXPECT_EQ(grid->ColumnPosition(4), 4);  // nothing recorded
    grid->SetColumnOrder();
    grid->MoveColumn(2, 5);
    EXPECT_EQ(grid->ColumnPosition(2), 5);
    EXPECT_EQ(grid->ColumnAtPosition(5), 2);
    EXPECT_EQ(grid->ColumnAtPosition(2), 3);
    EXPECT_EQ(grid->OriginalCells(2, 4), text(2, 4));
    grid->SetGroupColumn(1);
    EXPECT_EQ(grid->ColumnPosition(2), 4);
    EXPECT_EQ(grid->ColumnAtPosition(5), 3);
    grid->SetGroupColumn(-1);

    grid->MoveColumn(7, 1);
    grid->ResetColumnOrder();
    for (int c = 0; c < 10; ++c) EXPECT_EQ(grid->Cells(c, 3), text(c, 3)) << c;
}

TEST_F(SelectionAndOrder, ColumnsMoveByRealIndexPastHiddenOnes) {
    grid->HideColumn(2);
    grid->MoveColumn(1, 3);  // display 1 (real 1) goes to display 3 (real 4)
    grid->UnHideColumn(1);
    QStringList row;
    for (int c = 0; c < 10; ++c) row << grid->Cells(c, 0).section(':', 0, 0);
    EXPECT_EQ(row.join(' '), "0 2 3 4 1 5 6 7 8 9");
    EXPECT_EQ(grid->NumHiddenColumns(), 0);
}

TEST_F(SelectionAndOrder, ColumnByHeaderFindsTheFirstRealColumn) {
    grid->SetCells(6, 0, "Name");
    grid->SetCells(8, 0, "Name");
    grid->HideColumn(6);
    EXPECT_EQ(grid->ColumnByHeader("Name"), 6);
    EXPECT_EQ(grid->ColumnByHeader("name"), -1);
}

TEST_F(SelectionAndOrder, TheSortCrossReferenceMapsBothWays) {
    TIntList& x = *grid->Private().FSortRowXRef;
    for (int r : {0, 3, 1, 2}) x.Insert(x.Count(), r);
    EXPECT_EQ(grid->SortedRowIndex(1), 3);
    EXPECT_EQ(grid->SortedRowIndex(7), 7);
    EXPECT_EQ(grid->UnSortedRowIndex(3), 1);
    EXPECT_EQ(grid->UnSortedRowIndex(9), 4);
    EXPECT_EQ(grid->UnSortedCells(2, 3), text(2, 1));
    EXPECT_EQ(grid->UnSortedCells(2, 6), text(2, 6));
    grid->HideRow(2);
    EXPECT_EQ(grid->SortedRowIndex(1), 4);  // display row 3 is real row 4
}

}  // namespace
