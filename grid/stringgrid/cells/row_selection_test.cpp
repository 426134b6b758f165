#include "grid/stringgrid/model/string_grid_errors.h"
#include "grid/stringgrid/model/string_grid_test_fixture.h"

namespace {

using RowSelection = StringGridFixture;

TEST_F(RowSelection, WithoutDisjunctSelectionTheRectangleAnswers) {
    grid->SelectCells(2, 3, 4, 6);
    EXPECT_TRUE(grid->RowSelect(5));
    EXPECT_FALSE(grid->RowSelect(7));
    EXPECT_EQ(grid->RowSelectCount(), 4);
    EXPECT_EQ(grid->ColSelectCount(), 3);
    EXPECT_TRUE(grid->IsSelected(3, 4));
    EXPECT_FALSE(grid->IsSelected(0, 4));  // fixed column
    EXPECT_THROW(grid->RowSelect(12), VEriRodiVizev);
}

TEST_F(RowSelection, DisjunctRowsAskTheHandlerAndKeepTheSelectedList) {
    grid->MouseActions().SetDisjunctRowSelect(true);
    int asked = 0;
    grid->OnRowDisjunctSelect = [&](TObject*, int ARow, bool, bool& Allow) {
        ++asked;
        Allow = ARow != 3;
    };
    grid->SelectRows(2, 3);
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(grid->RowSelectCount(), 2);
    EXPECT_FALSE(grid->RowSelect(3));
    EXPECT_EQ(grid->SelectedRowCount(), 2);
    grid->ClearRowSelect();
    EXPECT_EQ(grid->SelectedRow(0), -1);
    EXPECT_THROW(grid->SetRowSelect(-1, true), VEriRodiVizev);
}

TEST_F(RowSelection, MovingTheCurrentRowFlagsItWithDisjunctRowSelect) {
    grid->MouseActions().SetDisjunctRowSelect(true);
    grid->SetRow(5);
    EXPECT_TRUE(grid->RowSelect(5));
    grid->SetRow(7);
    EXPECT_TRUE(grid->RowSelect(7));
    EXPECT_TRUE(grid->RowSelect(5));  // flags outside the selection stay
    EXPECT_EQ(grid->RowSelectCount(), 2);
}

TEST_F(RowSelection, SelectedTextGivesRichTextAsItsPlainText) {
    grid->SetCells(2, 3, QStringLiteral("{\\rtf1\\ansi \\b bold\\b0  words}"));
    grid->SetCells(3, 3, QStringLiteral("plain {x}"));
    grid->SelectCells(2, 3, 3, 4);
    EXPECT_EQ(grid->SelectedText(), "bold words\tplain {x}\r\n2:4\t3:4");
}

TEST_F(RowSelection, ColumnFlagsAreCheckedAgainstTheColumns) {
    grid->MouseActions().SetDisjunctColSelect(true);
    grid->SelectCols(2, 2);
    EXPECT_TRUE(grid->ColSelect(3));
    EXPECT_EQ(grid->ColSelectCount(), 2);
    grid->UnSelectCols(2, 1);
    EXPECT_EQ(grid->ColSelectCount(), 1);
    EXPECT_THROW(grid->SetColSelect(10, true), VEriRodiVizev);
}

TEST_F(RowSelection, SelectedTextJoinsCellsWithTabsAndRowsWithLineBreaks) {
    grid->SetCells(1, 1, "a");
    grid->SetCells(2, 1, "b");
    grid->SetCells(1, 2, "c");
    grid->SetCells(2, 2, "d");
    grid->SelectCells(1, 1, 2, 2);
    EXPECT_EQ(grid->SelectedText(), "a\tb\r\nc\td");
}

TEST_F(RowSelection, ModifiedAndDisabledRows) {
    grid->SetRowModified(3, true);
    grid->SetRowModified(5, true);
    grid->SetRowModified(3, false);
    EXPECT_EQ(grid->ModifiedRowCount(), 1);
    EXPECT_TRUE(grid->RowEnabled(7));
    EXPECT_FALSE(grid->UseEnabledRows());
    grid->SetRow(4);
    grid->SetRowEnabled(1, false);
    grid->SetRowEnabled(4, false);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_FALSE(grid->RowEnabled(4));
    EXPECT_TRUE(grid->UseEnabledRows());
}

}  // namespace
