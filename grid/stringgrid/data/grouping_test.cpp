#include "grid/stringgrid/model/owned_settings.h"
#include "grid/stringgrid/model/string_grid_test_fixture.h"

namespace {

// Column 2 holds the groups, column 3 a sub-group key, column 4 the values.
class Grouping : public StringGridFixture {
protected:
    void SetUp() override {
        StringGridFixture::SetUp();
        grid->SetColCount(5);
        grid->SetRowCount(7);
        const QStringList groups{"A", "A", "B", "C", "C", "C"};
        const QStringList keys{"x", "y", "x", "x", "x", "y"};
        for (int r = 1; r < 7; ++r) {
            grid->SetCells(2, r, groups[r - 1]);
            grid->SetCells(3, r, keys[r - 1]);
            grid->SetCells(4, r, QString::number(r));
        }
        grid->SetCells(2, 0, "Group");
        grid->SetColWidths(2, 77);
        grid->SortSettings().AutoSortForGrouping = false;
    }

    QStringList snapshot() const {
        QStringList out;
        for (int r = 0; r < grid->RowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < grid->ColCount(); ++c) row << grid->Cells(c, r);
            out << row.join('|');
        }
        return out;
    }

    // Column c of every row, "H" for a header and "S" for a summary row in front.
    QString layout(int c) const {
        QStringList out;
        for (int r = 1; r < grid->RowCount(); ++r)
            out << (grid->IsNode(r) ? "H" : grid->IsSummary(r) ? "S" : "") + grid->Cells(c, r);
        return out.join(' ');
    }
};

TEST_F(Grouping, GroupAndUnGroupRestoreTheGrid) {
    for (bool summary : {false, true}) {
        const QStringList before = snapshot();
        grid->Grouping().Summary = summary;
        grid->Group(2);
        EXPECT_EQ(grid->GroupColumn(), 2);
        EXPECT_EQ(grid->ColCount(), 4);
        EXPECT_EQ(layout(1), summary ? "HA 1:1 1:2 S HB 1:3 S HC 1:4 1:5 1:6 S" : "HA 1:1 1:2 HB 1:3 HC 1:4 1:5 1:6");
        EXPECT_EQ(layout(3), summary ? "H 1 2 S H 3 S H 4 5 6 S" : "H 1 2 H 3 H 4 5 6");
        EXPECT_EQ(grid->GetNodeSpan(1), 3);
        grid->UnGroup();
        EXPECT_EQ(grid->GroupColumn(), -1);
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(grid->ColWidths(2), 77);
        EXPECT_EQ(grid->NumNodes(), 0);
    }
}

TEST_F(Grouping, GroupingSortsOnTheColumnFirst) {
    grid->SortSettings().AutoSortForGrouping = true;
    grid->SetRowCount(4);
    for (const auto& [r, value] : {std::pair{1, "A"}, {2, "B"}, {3, "A"}}) grid->SetCells(2, r, value);
    grid->Group(2);
    EXPECT_EQ(layout(1), "HA 1:1 1:3 HB 1:2");
    EXPECT_EQ(grid->GetNodeSpan(1), 3);
    EXPECT_EQ(grid->GetNodeSpan(4), 2);
}

TEST_F(Grouping, GroupingBehindAHiddenColumnSortsOnTheGroupedColumn) {
    grid->SortSettings().AutoSortForGrouping = true;
    grid->SetRowCount(4);
    for (const auto& [r, value] : {std::pair{1, "A"}, {2, "B"}, {3, "A"}}) grid->SetCells(2, r, value);
    grid->HideColumn(1);
    // Display column 1 is real column 2 now.
    grid->Group(1);
    EXPECT_EQ(grid->SortSettings().Column, 2);
    EXPECT_EQ(grid->NumNodes(), 2);
    EXPECT_EQ(grid->GetNodeSpan(1), 3);
    EXPECT_EQ(grid->GetNodeSpan(4), 2);
}

TEST_F(Grouping, RowsHiddenWhileGroupedKeepTheirValue) {
    const QStringList before = snapshot();
    grid->HideRow(3);
    grid->Group(2);
    EXPECT_EQ(layout(1), "HA 1:1 1:2 HC 1:4 1:5 1:6");
    grid->UnGroup();
    grid->UnHideRow(3);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(Grouping, GroupingOnColumnOneShowsTheValueInColumnOne) {
    for (int r = 1; r < 7; ++r) grid->SetCells(1, r, r < 4 ? "P" : "Q");
    grid->Group(1);
    EXPECT_EQ(layout(1), "HP A A B HQ C C C");
    grid->SetGroupColumn(0);
    EXPECT_EQ(grid->GroupColumn(), 1);
    grid->SetGroupColumn(-1);
    EXPECT_EQ(grid->Cells(1, 4), "Q");
    EXPECT_EQ(grid->Cells(1, 0), "1:0");
}

TEST_F(Grouping, GroupCalculationsWriteIntoHeadersOrSummaries) {
    grid->Group(2);
    grid->GroupSum(3);
    EXPECT_EQ(layout(3), "H3.00 1 2 H3.00 3 H15.00 4 5 6");
    grid->GroupCount(3);
    EXPECT_EQ(layout(3), "H2 1 2 H1 3 H3 4 5 6");
    // Headers are left out of a grouped grid's sums.
    EXPECT_DOUBLE_EQ(grid->ColumnSum(3, -1, -1), 21);
    grid->ContractNode(grid->RealRowIndex(4));
    grid->GroupMax(3);
    EXPECT_EQ(layout(3), "H2.00 1 2 H1 H6.00 4 5 6");
    grid->UnGroup();

    grid->Grouping().Summary = true;
    grid->Group(2);
    grid->GroupAvg(3);
    EXPECT_EQ(layout(3), "H 1 2 S1.50 H 3 S3.00 H 4 5 6 S5.00");
    grid->OnGroupCalc = [](TObject*, int, int FromRow, int ToRow, double& Res) { Res = FromRow * 100 + ToRow; };
    grid->GroupCustomCalc(3);
    EXPECT_EQ(layout(3), "H 1 2 S203.00 H 3 S606.00 H 4 5 6 S911.00");
}

TEST_F(Grouping, HeadersShowTheirMemberCount) {
    grid->Grouping().ShowGroupCount = true;
    grid->Group(2);
    grid->SubGroup(2);
    EXPECT_EQ(grid->GetCellEx(1, 1), "A (2)");
    EXPECT_EQ(grid->Cells(1, 1), "A");
    EXPECT_EQ(grid->GetCellEx(2, 1), QString());
    grid->Grouping().GroupCountFormat = "A[%d]";
    EXPECT_EQ(grid->GetCellEx(1, 9), "CA[3]");
}

TEST_F(Grouping, NodeRowsCountInAnUngroupedGrid) {
    grid->AddNode(1, 3);
    grid->SetCells(4, 1, "10");
    EXPECT_DOUBLE_EQ(grid->ColumnSum(4, -1, -1), 30);
}

TEST_F(Grouping, MergedHeadersAndColouredSummariesGoAgain) {
    TGrouping& grouping = grid->Grouping();
    grouping.MergeHeader = true;
    grouping.HeaderColor = clRed;
    grouping.Summary = true;
    grouping.SummaryColor = clYellow;
    const QStringList before = snapshot();
    grid->Group(2);
    EXPECT_EQ(grid->CellSpan(1, 1).X, 2);
    EXPECT_EQ(grid->Colors(1, 1), clRed);
    EXPECT_EQ(grid->Colors(3, 4), clYellow);
    EXPECT_EQ(grid->Colors(3, 2), clNone);
    // Summary rows go whatever the setting says by now.
    grouping.Summary = false;
    grid->UnGroup();
    EXPECT_EQ(snapshot(), before);
    // Column 0 keeps the records the tree levels were kept in, with the default look.
    for (int r = 0; r < grid->RowCount(); ++r)
        for (int c = 1; c < grid->ColCount(); ++c) {
            EXPECT_FALSE(grid->IsMergedCell(c, r)) << c << "," << r;
            EXPECT_EQ(grid->Colors(c, r), clNone) << c << "," << r;
        }
}

TEST_F(Grouping, SubHeadersTakeTheHeaderLookAfterTheirColumnAndTheLastOneGetsASummary) {
    TGrouping& grouping = grid->Grouping();
    grouping.HeaderColor = clRed;
    grouping.Summary = true;
    grouping.SummaryColor = clYellow;
    grid->SubGroup(2);  // an ungrouped grid: no group summary closes the last run
    EXPECT_EQ(layout(3), "HA x y HB x HC x x y S");
    EXPECT_TRUE(grid->IsSummary(grid->RowCount() - 1));
    for (int c = 0; c < grid->ColCount(); ++c) {
        EXPECT_EQ(grid->Colors(c, 1), c > 2 ? clRed : clNone) << c;
        EXPECT_EQ(grid->Colors(c, grid->RowCount() - 1), c > 2 ? clYellow : clNone) << c;
    }

    // In a grid grouped with summaries the group's summary closes the last run.
    TearDown();
    SetUp();
    grid->Grouping().Summary = true;
    grid->Group(2);
    const int rows = grid->RowCount();
    grid->SubGroup(2);
    EXPECT_EQ(grid->RowCount(), rows + 5);  // the sub-headers only
}

TEST_F(Grouping, SubGroupsComeAndGoWithinTheGroups) {
    const QStringList before = snapshot();
    grid->Group(2);
    grid->SubGroup(2);
    EXPECT_EQ(layout(3), "H Hx 1 Hy 2 H Hx 3 H Hx 4 5 Hy 6");
    EXPECT_EQ(grid->Cells(2, 3), QString());
    EXPECT_EQ(grid->GetNodeSpan(1), 5);
    grid->SubUnGroup(2);
    EXPECT_EQ(layout(2), "H x y H x H x x y");
    EXPECT_EQ(grid->GetNodeSpan(1), 3);
    grid->SubGroup(2);
    // Ungrouping takes the sub-groups along.
    grid->UnGroup();
    EXPECT_EQ(snapshot(), before);
}

}  // namespace
