#include "grid/stringgrid/persist/persist_fixture.h"

namespace {

using ColumnStates = PersistFixture;

TEST_F(ColumnStates, WidthsOrderAndVisibilityInOneLine) {
    EXPECT_EQ(grid->ColumnStatesToString(), "4#64,80,120,40#0,1,2,3#1,1,1,1");
    grid->HideColumn(1);
    EXPECT_EQ(grid->ColumnStatesToString().section('#', 3), "1,0,1,1");
}

TEST_F(ColumnStates, RoundTripRestoresOrderHiddenColumnsAndWidths) {
    grid->MoveColumn(3, 1);  // H0 H3 H1 H2
    grid->SetColWidths(0, 70);
    grid->HideColumn(2);
    const QString states = grid->ColumnStatesToString();

    TExStringGrid other(form);
    other.SetParent(form);
    other.SetColCount(4);
    other.SetRowCount(2);
    for (int c = 0; c < 4; ++c) other.SetCells(c, 0, QStringLiteral("H%1").arg(c));
    other.StringToColumnStates(states);
    EXPECT_EQ(other.ColumnStatesToString(), states);
    QStringList shown;
    for (int c = 0; c < other.ColCount(); ++c) shown << other.Cells(other.RealColIndex(c), 0);
    EXPECT_EQ(shown, QStringList({"H0", "H3", "H2"}));
    EXPECT_TRUE(other.IsHiddenColumn(2));
    EXPECT_EQ(other.ColWidths(0), 70);
}

TEST_F(ColumnStates, TextsThatAreNoStatesChangeNothing) {
    const QString before = grid->ColumnStatesToString();
    for (const char* text : {"", "no states here", "x#1,2#0,1#1,1", "0#1#0#1", "3#a,b,c#0,1,2#1,1,1",
                             "-5#1#0#1", "3#64,80,120#0,x,2#1,1,1"}) {
        grid->StringToColumnStates(QString::fromLatin1(text));
        EXPECT_EQ(grid->ColumnStatesToString(), before) << text;
    }
}

TEST_F(ColumnStates, DamagedEntriesNeverLeaveColumnsWithoutWidth) {
    // An order that is no arrangement of the columns and widths of 0 or less are passed over;
    // a line that would hide every column hides none.
    grid->StringToColumnStates("4#0,-3,50,40#0,0,5,1#0,0,0,0");
    EXPECT_EQ(headers(), QStringList({"H0", "H1", "H2", "H3"}));
    EXPECT_EQ(widths(), (std::vector<int>{64, 80, 50, 40}));
}

TEST_F(ColumnStates, AnotherColumnCountTakesTheStoredCount) {
    grid->StringToColumnStates("3#10,20,30#2,0,1#1,1,1");
    ASSERT_EQ(grid->ColCount(), 3);
    EXPECT_EQ(headers(), QStringList({"H2", "H0", "H1"}));
    EXPECT_EQ(widths(), (std::vector<int>{10, 20, 30}));
}

}  // namespace
