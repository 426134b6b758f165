#include "grid/stringgrid/data/row_column_fixture.h"
#include "grid/stringgrid/data/row_column_store.h"

namespace {

class RowColumnInsertion : public RowColumnFixture {};

// Each row's height, flags, records and hidden neighbours travel with it.
TEST_F(RowColumnInsertion, RowStateTravelsWithItsRow) {
    TControl* control = new TControl(form);
    for (int r = 1; r < 12; ++r) grid->SetRowHeights(r, 20 + r);
    grid->SetRowModified(7, true);
    grid->SetRowEnabled(8, false);
    grid->MouseActions().SetDisjunctRowSelect(true);
    grid->SetRowSelect(9, true);
    grid->SetColors(2, 10, clRed);
    grid->SetCellControls(3, 6, control);
    grid->HideRow(11);

    grid->RemoveRows(2, 2);
    EXPECT_EQ(rows(), "0 1 4 5 6 7 8 9 10");
    EXPECT_EQ(grid->RowHeights(5), 27);
    EXPECT_TRUE(grid->RowModified(5));
    EXPECT_FALSE(grid->RowEnabled(6));
    EXPECT_TRUE(grid->RowSelect(7));
    EXPECT_FALSE(grid->RowSelect(9));
    EXPECT_EQ(grid->Colors(2, 8), clRed);
    EXPECT_EQ(grid->CellControls(3, 4), control);
    grid->UnHideRow(9);
    EXPECT_EQ(rows(), "0 1 4 5 6 7 8 9 10 11");

    grid->InsertRows(1, 3, true);
    EXPECT_EQ(rows(), "0    1 4 5 6 7 8 9 10 11");
    EXPECT_EQ(grid->RowHeights(1), grid->DefaultRowHeight());
    EXPECT_EQ(grid->RowHeights(8), 27);
    EXPECT_TRUE(grid->RowModified(8));
    EXPECT_FALSE(grid->RowModified(5));
    EXPECT_FALSE(grid->RowEnabled(9));
    EXPECT_TRUE(grid->RowSelect(10));
    EXPECT_EQ(grid->Colors(2, 11), clRed);
    EXPECT_EQ(grid->CellControls(3, 7), control);

    // Rows removed with their controls leave no control behind.
    grid->RemoveRows(7, 1);
    EXPECT_EQ(grid->NumCellControls(), 0);
    EXPECT_EQ(grid->CellControls(3, 7), nullptr);
}

// Rows put in at several places at once end as if put in one by one from the top: their
// texts, heights, flags, selections, controls and the hidden rows among them.
TEST_F(RowColumnInsertion, AListOfNewRowsIsTheSameAsTheRowsOneByOne) {
    const std::vector<int> places{1, 2, 5, 9, 13};
    for (const bool persistent : {false, true}) {
        SCOPED_TRACE(persistent);
        QStringList results;
        for (const bool atOnce : {false, true}) {
            reset();
            TControl* control = new TControl(form);
            grid->MouseActions().SetDisjunctRowSelect(true);
            grid->MouseActions().RowSelectPersistent = persistent;
            grid->SetRowModified(3, true);
            grid->SetRowEnabled(6, false);
            grid->SetRowSelect(7, true);
            grid->SetCellControls(3, 8, control);
            for (int r = 1; r < 12; ++r) grid->SetRowHeights(r, 20 + r);
            grid->HideRow(4);
            if (atOnce) {
                TGridRowColumnStore::InsertRowList(*grid, places, true);
            } else {
                for (int place : places) grid->InsertRows(place, 1, true);
            }
            QStringList state{rows()};
            for (int r = 0; r < grid->RowCount(); ++r)
                state << QStringLiteral("%1:%2%3%4%5").arg(grid->RowHeights(r)).arg(grid->RowModified(r)).arg(grid->RowEnabled(r))
                             .arg(grid->RowSelect(r)).arg(grid->CellControls(3, r) == control);
            grid->UnHideRowsAll();
            state << rows();
            results << state.join(' ');
        }
        EXPECT_EQ(results[1], results[0]);
    }
}

TEST_F(RowColumnInsertion, HiddenRowsKeepTheirPlacesAcrossRemovals) {
    grid->HideRow(4);
    grid->HideRow(9);
    // Display rows 3 and 7 are real rows 3 and 8; real 4 lies between them.
    grid->RemoveRowsInternal(3, 1);
    grid->RemoveRows(6, 1);
    grid->UnHideRowsAll();
    EXPECT_EQ(rows(), "0 1 2 4 5 6 7 9 10 11");
    // A hidden row between two removed ones moves up by one, not by both.
    grid->HideRow(4);
    grid->RemoveRows(3, 2);
    grid->UnHideRowsAll();
    EXPECT_EQ(rows(), "0 1 2 5 7 9 10 11");
    // Rows put in above a hidden row push it down with the rows around it.
    grid->HideRow(4);
    grid->InsertRows(1, 2, true);
    grid->AddRow();
    grid->UnHideRowsAll();
    EXPECT_EQ(rows(), "0   1 2 5 7 9 10 11 ");
}

// The grid frees the records a hidden row brings back after the whole grid was cleared.
TEST_F(RowColumnInsertion, ClearingEverythingKeepsHiddenRecordsFreeable) {
    grid->SetColors(2, 5, clRed);
    grid->HideRow(5);
    grid->ClearRect(0, 0, grid->TotalColCount() - 1, grid->RowCount() - 1);
    grid->UnHideRow(5);
    EXPECT_EQ(grid->Colors(2, 5), clRed);
    grid->RemoveRows(5, 1);
    EXPECT_EQ(grid->Colors(2, 5), clNone);
}

TEST_F(RowColumnInsertion, CurrentRowAfterRemoval) {
    struct Case {
        int current, from, count, expected;
        bool hidden;
    };
    for (const Case& c : {Case{5, 5, 1, 5, false}, Case{10, 9, 3, 8, false}, Case{3, 1, 11, 0, true}}) {
        reset();
        grid->SetRow(c.current);
        grid->RemoveRows(c.from, c.count);
        EXPECT_EQ(grid->SelectionHidden(), c.hidden) << c.current;
        if (!c.hidden) {
            EXPECT_EQ(grid->Row(), c.expected) << c.current;
        }
    }
}

TEST_F(RowColumnInsertion, FloatingFooterRowStaysLast) {
    grid->FloatingFooter().Visible = true;
    grid->SetCells(1, 11, "footer");
    grid->AddRow();
    grid->InsertRows(20, 2, true);
    EXPECT_EQ(grid->RowCount(), 15);
    EXPECT_EQ(grid->Cells(1, 14), "footer");
    grid->RemoveRows(10, 10);
    EXPECT_EQ(grid->RowCount(), 11);
    EXPECT_EQ(grid->Cells(1, 10), "footer");
}

TEST_F(RowColumnInsertion, ColumnsMoveWithHiddenOnesWidthsAndSelection) {
    for (int c = 0; c < 10; ++c) grid->SetColWidths(c, 30 + c);
    grid->HideColumn(3);
    grid->MouseActions().SetDisjunctColSelect(true);
    grid->SetColSelect(5, true);
    grid->InsertCols(2, 2);
    EXPECT_EQ(columns(), "0 1   2 3 4 5 6 7 8 9");
    EXPECT_EQ(grid->ColCount(), 11);
    EXPECT_TRUE(grid->IsHiddenColumn(5));
    EXPECT_EQ(grid->AllColWidths(5), 33);
    EXPECT_EQ(grid->ColWidths(2), grid->DefaultColWidth());
    EXPECT_EQ(grid->ColWidths(4), 32);
    EXPECT_EQ(grid->ColWidths(5), 34);
    EXPECT_TRUE(grid->ColSelect(7));

    grid->RemoveCols(1, 3);
    EXPECT_EQ(columns(), "0 2 3 4 5 6 7 8 9");
    EXPECT_TRUE(grid->IsHiddenColumn(2));
    EXPECT_EQ(grid->ColCount(), 8);
    EXPECT_EQ(grid->ColWidths(1), 32);
    EXPECT_EQ(grid->ColWidths(2), 34);
    EXPECT_TRUE(grid->ColSelect(4));
    grid->UnHideColumnsAll();
    EXPECT_EQ(grid->ColWidths(2), 33);
    EXPECT_EQ(grid->Cells(2, 5), "3:5");

    // Removing every shown column leaves a hidden one to show.
    grid->HideColumn(4);
    grid->RemoveCols(5, 4);
    grid->RemoveCols(0, 4);
    EXPECT_EQ(grid->ColCount(), 1);
    EXPECT_EQ(grid->TotalColCount(), 1);
    EXPECT_EQ(grid->Cells(0, 5), "5:5");
}

TEST_F(RowColumnInsertion, ColumnsAreInsertedAndRemovedAtTheirRealPlaces) {
    grid->HideColumn(3);
    // Real column 3 is the hidden one: the new column goes before it and is shown.
    grid->InsertCols(3, 1);
    EXPECT_EQ(columns(), "0 1 2  3 4 5 6 7 8 9");
    EXPECT_FALSE(grid->IsHiddenColumn(3));
    EXPECT_TRUE(grid->IsHiddenColumn(4));
    EXPECT_EQ(grid->ColCount(), 10);
    // Removing the hidden column itself.
    grid->RemoveCols(4, 1);
    EXPECT_EQ(columns(), "0 1 2  4 5 6 7 8 9");
    EXPECT_EQ(grid->NumHiddenColumns(), 0);
    EXPECT_EQ(grid->ColCount(), 10);
    // A new column is added after every stored one, a hidden last one too.
    grid->HideColumn(9);
    grid->AddColumn();
    EXPECT_EQ(columns(), "0 1 2  4 5 6 7 8 9 ");
    EXPECT_TRUE(grid->IsHiddenColumn(9));
    EXPECT_FALSE(grid->IsHiddenColumn(10));
}

TEST_F(RowColumnInsertion, HiddenRowsFollowInsertedAndRemovedColumns) {
    grid->SetColors(3, 5, clRed);
    grid->SetColors(2, 5, clBlue);
    grid->HideRow(5);
    grid->RemoveCols(2, 1);
    grid->UnHideRow(5);
    EXPECT_EQ(grid->Cells(2, 5), "3:5");
    EXPECT_EQ(grid->Colors(2, 5), clRed);
    grid->HideRow(6);
    grid->InsertCols(1, 1);
    grid->UnHideRow(6);
    EXPECT_EQ(grid->Cells(1, 6), QString());
    EXPECT_EQ(grid->Cells(2, 6), "1:6");
    EXPECT_EQ(grid->Cells(2, 5), "1:5");
}

TEST_F(RowColumnInsertion, RemovingAndHidingBySelection) {
    grid->MouseActions().SetDisjunctRowSelect(true);
    for (int r : {2, 5, 6}) grid->SetRowSelect(r, true);
    grid->RemoveSelectedRows();
    EXPECT_EQ(rows(), "0 1 3 4 7 8 9 10 11");
    EXPECT_EQ(grid->RowSelectCount(), 0);
    for (int r : {1, 2}) grid->SetRowSelect(r, true);
    grid->HideUnSelectedRows();
    EXPECT_EQ(rows(), "0 1 3");
    grid->UnHideRowsAll();
    grid->HideSelectedRows();
    EXPECT_EQ(rows(), "0 4 7 8 9 10 11");
    grid->UnHideRowsAll();
    grid->RemoveUnSelectedRows();
    EXPECT_EQ(rows(), "0 1 3");

    reset();
    grid->SetSelection({2, 4, 3, 6});
    grid->RemoveUnSelectedRows();
    EXPECT_EQ(rows(), "0 4 5 6");
    grid->SetSelection({2, 1, 3, 2});
    grid->RemoveSelectedRows();
    EXPECT_EQ(rows(), "0 6");
    grid->SetSelection({3, 1, 4, 1});
    grid->RemoveUnSelectedCols();
    EXPECT_EQ(columns(), "0 3 4");
    grid->SetSelection({1, 1, 1, 1});
    grid->RemoveSelectedCols();
    EXPECT_EQ(columns(), "0 4");
}

TEST_F(RowColumnInsertion, ClearingKeepsWhatItIsToldTo) {
    grid->SetColors(2, 2, clRed);
    grid->ClearTextOnly = true;
    grid->ClearRect(2, 2, 3, 3);
    EXPECT_EQ(grid->Cells(2, 2), QString());
    EXPECT_EQ(grid->Colors(2, 2), clRed);
    grid->ClearTextOnly = false;
    grid->ClearRect(2, 2, 2, 2);
    EXPECT_EQ(grid->Colors(2, 2), clNone);

    grid->HideColumn(1);
    grid->SaveHiddenCells = true;
    grid->ClearRect(1, 4, 1, 4);
    EXPECT_EQ(grid->AllCells(1, 4), "1:4");
    EXPECT_EQ(grid->AllCells(2, 4), QString());
    grid->SaveHiddenCells = false;

    grid->SetSelection({4, 5, 5, 6});
    grid->ClearSelection();
    EXPECT_EQ(grid->Cells(5, 6), QString());
    EXPECT_EQ(grid->Cells(6, 6), "6:6");

    grid->HideRow(8);
    grid->Clear();
    EXPECT_EQ(grid->AllCells(1, 3), QString());
    EXPECT_EQ(grid->AllCells(3, 8), "3:8");
    grid->ClearAll();
    EXPECT_EQ(grid->AllCells(3, 8), QString());
}

TEST_F(RowColumnInsertion, RangesOutsideTheGridAreClippedOrIgnored) {
    grid->SetCells(1, 1, " x ");
    EXPECT_NO_THROW(grid->TrimRect(-2, -2, 40, 40));
    EXPECT_EQ(grid->Cells(1, 1), "x");
    EXPECT_NO_THROW(grid->ColorRect(-1, -1, 0, 0, clRed));
    EXPECT_EQ(grid->Colors(0, 0), clRed);
    EXPECT_NO_THROW(grid->ClearRect(-3, -3, 0, 1));
    EXPECT_EQ(grid->Cells(0, 1), QString());
    EXPECT_EQ(grid->Cells(1, 1), "x");
    EXPECT_NO_THROW(grid->MergeColumnCells(-1, true));
    EXPECT_NO_THROW(grid->MergeRowCells(40, true));
    EXPECT_NO_THROW(grid->GroupCalc(-1, 1));
    EXPECT_NO_THROW(grid->RemoveCols(-1, 2));
    EXPECT_NO_THROW(grid->InsertRows(-5, 1, true));
    EXPECT_EQ(grid->Cells(1, 0), QString());
    EXPECT_EQ(grid->ColCount(), 10);
}

TEST_F(RowColumnInsertion, MergingByContentAndSplitting) {
    const QStringList texts{"A", "A", "B", "B", "B", "C"};
    for (int i = 0; i < texts.size(); ++i) grid->SetCells(2, i + 1, texts[i]);
    grid->MergeColumnCells(2, false);
    EXPECT_FALSE(grid->IsMergedCell(2, 1));
    grid->MergeColumnCells(2, true);
    EXPECT_EQ(grid->CellSpan(2, 1).Y, 1);
    EXPECT_EQ(grid->CellSpan(2, 3).Y, 2);
    EXPECT_FALSE(grid->IsMergedCell(2, 6));
    // Column 3 has its own texts: only merged where column 2's merges allow.
    for (int r = 1; r < 7; ++r) grid->SetCells(3, r, "same");
    grid->MergeColumnCells(3, false);
    EXPECT_EQ(grid->CellSpan(3, 1).Y, 1);
    EXPECT_EQ(grid->CellSpan(3, 3).Y, 2);
    grid->SplitColumnCells(2);
    EXPECT_FALSE(grid->IsMergedCell(2, 4));
    EXPECT_TRUE(grid->IsMergedCell(3, 4));
    grid->SplitAllCells();
    EXPECT_FALSE(grid->IsMergedCell(3, 4));

    for (int c = 1; c < 5; ++c) grid->SetCells(c, 8, c < 3 ? "x" : "y");
    grid->MergeRowCells(8, true);
    EXPECT_EQ(grid->CellSpan(1, 8).X, 1);
    EXPECT_EQ(grid->CellSpan(3, 8).X, 1);
    grid->SplitRowCells(8);
    EXPECT_FALSE(grid->IsMergedCell(3, 8));
}

}  // namespace
