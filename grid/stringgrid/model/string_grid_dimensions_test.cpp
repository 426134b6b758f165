#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/controls/window_backend.h"

namespace {

using Dimensions = StringGridFixture;

TEST_F(Dimensions, FixedRowAlwaysKeepsOneFixedRowAndAtLeastOneNormalRow) {
    grid->FixedRowAlways = true;
    grid->SetFixedRows(0);
    EXPECT_EQ(grid->FixedRows(), 1);
    grid->SetRowCount(3);
    grid->SetFixedRows(3);
    EXPECT_EQ(grid->FixedRows(), 2);
    grid->SetRowCount(10);
    EXPECT_EQ(grid->FixedRows(), 3);
    grid->FixedColAlways = true;
    grid->SetFixedCols(0);
    EXPECT_EQ(grid->FixedCols(), 1);
}

TEST_F(Dimensions, TheFloatingFootersRowMovesToTheNewLastRow) {
    grid->FloatingFooter().Visible = true;
    grid->SetCells(1, 11, "Sum");
    grid->GetCellProperties(1, 11)->SetCalcType(acCOUNT);
    grid->GetCellProperties(2, 14)->SetFontSize(9);  // a record kept beyond the count
    grid->SetRowCount(15);
    EXPECT_EQ(grid->Cells(1, 11), "");
    EXPECT_FALSE(grid->HasCellProperties(1, 11));
    // The footer's count is recalculated: rows 1 .. 13 below one fixed row.
    EXPECT_EQ(grid->Cells(1, 14), "13");
    EXPECT_EQ(grid->GetCellProperties(1, 14)->CalcType(), acCOUNT);
    EXPECT_EQ(grid->Cells(0, 14), "0:11");
    grid->SetRowCount(12);
    EXPECT_EQ(grid->Cells(0, 11), "0:11");
    EXPECT_EQ(grid->Cells(1, 11), "10");
}

TEST_F(Dimensions, MoveRowsPutsTheBlockBeforeTheRowNamedBeforeTheMove) {
    const struct {
        int from, to, count;
        const char* order;
    } cases[] = {
        {2, 5, 2, "0 1 4 2 3 5 6"},
        {2, 4, 2, "0 1 2 3 4 5 6"},
        {4, 1, 3, "0 4 5 6 1 2 3"},
        {2, 7, 1, "0 1 3 4 5 6 2"},
        {3, 3, 2, "0 1 2 3 4 5 6"},
        {5, 1, 3, "0 1 2 3 4 5 6"},  // the block runs past the last row: nothing moves
    };
    for (const auto& c : cases) {
        grid->SetRowCount(7);
        grid->HideColumn(3);
        grid->MoveRows(c.from, c.to, c.count);
        EXPECT_EQ(displayColumn(0), c.order) << c.from << " " << c.to << " " << c.count;
        EXPECT_EQ(displayColumn(3), c.order);  // the hidden column moves along
        TearDown();
        SetUp();
    }
}

TEST_F(Dimensions, ScrollInViewCentresAndSelectsACellOutOfView) {
    grid->SetColCount(100);
    grid->SetRowCount(300);
    // One fixed and 8 normal columns, 10 normal rows, beside the two scroll bars.
    grid->SetBounds(0, 0, 9 * 65 + 5 + GetSystemMetrics(SM_CXVSCROLL), 11 * 23 + 5 + GetSystemMetrics(SM_CYHSCROLL));
    ASSERT_EQ(grid->VisibleColCount(), 8);
    ASSERT_EQ(grid->VisibleRowCount(), 10);
    grid->ScrollInView(50, 200);
    EXPECT_EQ(grid->Col(), 50);
    EXPECT_EQ(grid->Row(), 200);
    EXPECT_EQ(grid->LeftCol(), 46);
    EXPECT_EQ(grid->TopRow(), 195);
    grid->ScrollInView(100, 5);  // outside: nothing
    EXPECT_EQ(grid->Col(), 50);
    grid->ScrollInView(99, 299);
    EXPECT_EQ(grid->TopRow(), 290);
}

TEST_F(Dimensions, CurrentCellTopRowAndSynchronisedGrid) {
    std::vector<std::pair<int, int>> updates;
    grid->OnRowUpdate = [&](TObject*, int OldRow, int NewRow) { updates.push_back({OldRow, NewRow}); };
    TStringGrid other(form);
    other.SetRowCount(20);
    other.SetColCount(10);
    grid->SyncGrid().SetGrid(&other);
    grid->SyncGrid().SelectionRow = true;
    grid->SetRow(4);
    grid->SetRow(4);
    grid->SetRow(6);
    EXPECT_EQ(updates, (std::vector<std::pair<int, int>>{{-1, 4}, {4, 6}}));
    EXPECT_EQ(other.Row(), 6);
    grid->SetCol(3);
    EXPECT_EQ(other.Col(), 1);  // columns only with SelectionColumn
    grid->SyncGrid().SelectionColumn = true;
    grid->SetCol(5);
    EXPECT_EQ(other.Col(), 5);

    grid->SetTopRow(2);
    EXPECT_EQ(grid->TopRow(), 2);
    grid->SetTopRow(0);   // a fixed row
    grid->SetTopRow(12);  // beyond the rows
    EXPECT_EQ(grid->TopRow(), 2);
}

TEST_F(Dimensions, UsedCellsAndTheRangesTheExportersWrite) {
    for (int r = 0; r < 12; ++r)
        for (int c = 0; c < 10; ++c) grid->SetCells(c, r, "");
    EXPECT_EQ(grid->UsedCells(), TGridRect{});
    grid->SetCells(3, 4, "x");
    EXPECT_EQ(grid->UsedCells(), (TGridRect{3, 4, 3, 4}));
    grid->SetCells(6, 2, "y");
    EXPECT_EQ(grid->UsedCells(), (TGridRect{3, 2, 6, 4}));

    EXPECT_EQ(grid->SaveStartCol(), 0);
    EXPECT_EQ(grid->SaveColCount(), 10);
    grid->SaveFixedCells = false;
    grid->SetFixedRightCols(2);
    grid->SetFixedFooters(1);
    EXPECT_EQ(grid->SaveStartCol(), 1);
    EXPECT_EQ(grid->SaveEndCol(), 7);
    EXPECT_EQ(grid->SaveColCount(), 7);
    EXPECT_EQ(grid->SaveStartRow(), 1);
    EXPECT_EQ(grid->SaveEndRow(), 10);
    EXPECT_EQ(grid->SaveRowCount(), 10);
    grid->SaveFixedRows = true;
    EXPECT_EQ(grid->SaveRowCount(), 12);
    EXPECT_EQ(grid->SaveColCount(), 7);
}

}  // namespace
