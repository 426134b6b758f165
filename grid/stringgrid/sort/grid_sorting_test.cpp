// The grid's sorts: order, ties, the cross-reference, multi-column and group sorts, unsorting,
// the sort state as text and the events around a sort.
#include "grid/foundation/format_settings_fixture.h"
#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/testkit/exception_message.h"

#include <QRandomGenerator>

#include <algorithm>
#include <functional>
#include <numeric>
#include <memory>

namespace {

class GridSortingTest : public FormatSettingsFixture {
protected:
    void SetUp() override {
        Use(u'.', u',');
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 800, 600);
        grid = new TTestStringGrid(form.get());
        grid->SetParent(form.get());
    }

    // Row 0 is the header; each further string is a row of texts split at "|".
    void fill(const QStringList& rows) {
        const int cols = static_cast<int>(rows.first().split('|').size());
        grid->SetColCount(cols);
        grid->SetRowCount(static_cast<int>(rows.size()) + 1);
        for (int c = 0; c < cols; ++c) grid->SetCells(c, 0, QStringLiteral("h%1").arg(c));
        for (int r = 0; r < rows.size(); ++r) {
            const QStringList cells = rows[r].split('|');
            for (int c = 0; c < cells.size(); ++c) grid->SetCells(c, r + 1, cells[c]);
        }
    }
    // Column c of the rows from..to (all normal rows by default), joined by blanks.
    QString column(int c, int from = 1, int to = -1) const {
        if (to < 0) to = grid->RowCount() - 1;
        QStringList out;
        for (int r = from; r <= to; ++r) out << grid->Cells(c, r);
        return out.join(' ');
    }
    QStringList cells(int c) const {
        QStringList out;
        for (int r = 1; r < grid->RowCount(); ++r) out << grid->Cells(c, r);
        return out;
    }
    TIntList& xref() const { return *grid->Private().FSortRowXRef; }

    std::unique_ptr<TForm> form;
    TTestStringGrid* grid = nullptr;
};

TEST_F(GridSortingTest, SortsNumbersAsNumbersBothWaysAndKeepsTheCrossReference) {
    fill({"10|a", "9|b", "100|c", "-2|d"});
    grid->Sort(0, sdAscending);
    EXPECT_EQ(column(0), "-2 9 10 100");
    EXPECT_EQ(column(1), "d b a c");
    // The row now at 1 stood at 4; the row that stood at 1 is now at 3.
    EXPECT_EQ(xref().GetInteger(1), 4);
    EXPECT_EQ(grid->SortedRowIndex(1), 4);
    EXPECT_EQ(grid->UnSortedRowIndex(1), 3);
    EXPECT_EQ(grid->UnSortedCells(1, 1), "a");

    grid->Sort(0, sdDescending);
    EXPECT_EQ(column(0), "100 10 9 -2");
    EXPECT_EQ(grid->UnSortedRowIndex(3), 1);
    EXPECT_EQ(xref().GetInteger(0), 0);
}

TEST_F(GridSortingTest, EachFormatSortsAColumn) {
    // Cells are split at ";" so that a date and a time can share one.
    const struct {
        const char* name;
        TSortStyle style;
        QChar decimal;
        const char* cells;
        const char* ascending;
    } cases[] = {
        {"detected numbers", ssAutomatic, u'.', "10;9;100;-2", "-2;9;10;100"},
        {"detected dates", ssAutomatic, u'.', "31/12/2019;1/2/2020;15/1/2020", "31/12/2019;15/1/2020;1/2/2020"},
        {"detected times", ssAutomatic, u'.', "10:30;9:05;23:59", "9:05;10:30;23:59"},
        {"numbers with a decimal point", ssNumeric, u'.', "10.5;9.25;-1.5", "-1.5;9.25;10.5"},
        {"numbers with a decimal comma", ssNumeric, u',', "10,5;9,25;-1,5", "-1,5;9,25;10,5"},
        {"financial", ssFinancial, u'.', "1,000;-2,500;30", "-2,500;30;1,000"},
        {"date and time", ssDateTime, u'.', "1/2/2020 10:00;1/2/2020 9:00;31/1/2020 23:00",
         "31/1/2020 23:00;1/2/2020 9:00;1/2/2020 10:00"},
        {"case counts", ssAlphabetic, u'.', "a;B;c", "B;a;c"},
        {"case ignored", ssAlphaNoCase, u'.', "c;B;a", "a;B;c"},
        {"tags ignored", ssHTML, u'.', "<b>b</b>;a;<i>c</i>", "a;<b>b</b>;<i>c</i>"},
    };
    for (const auto& c : cases) {
        Use(c.decimal, c.decimal == u'.' ? u',' : u'.');
        fill(QString(c.cells).split(';'));
        const TSortStyle style = c.style;
        grid->OnGetFormat = [style](TObject*, int, TSortStyle& s, QString&, QString&) {
            if (style != ssAutomatic) s = style;
        };
        QStringList expected = QString(c.ascending).split(';');
        grid->Sort(0, sdAscending);
        EXPECT_EQ(cells(0), expected) << c.name;
        grid->Sort(0, sdDescending);
        std::reverse(expected.begin(), expected.end());
        EXPECT_EQ(cells(0), expected) << c.name;
    }
}

TEST_F(GridSortingTest, IgnoredBlanksEndLastInBothDirections) {
    fill(QStringList{"b", "", "c", "a", ""});
    grid->SortSettings().IgnoreBlanks = true;
    grid->SortSettings().BlankPos = blLast;
    grid->Sort(0, sdAscending);
    EXPECT_EQ(cells(0), QStringList({"a", "b", "c", "", ""}));
    grid->Sort(0, sdDescending);
    EXPECT_EQ(cells(0), QStringList({"c", "b", "a", "", ""}));
    grid->SortSettings().IgnoreBlanks = false;
    grid->Sort(0, sdAscending);
    EXPECT_EQ(cells(0), QStringList({"", "", "a", "b", "c"}));
}

TEST_F(GridSortingTest, FullBreaksTiesOnTheColumnsToTheRight) {
    fill({"b|2|x", "a|2|y", "c|1|z", "d|2|w"});
    grid->Sort(1, sdAscending);
    EXPECT_EQ(column(1), "1 2 2 2");
    EXPECT_EQ(column(2), "z w x y");
    grid->Sort(1, sdDescending);
    EXPECT_EQ(column(2), "y x w z");

    // An ignored column compares equal and hands the tie on to the next one.
    fill({"1|a|2", "1|b|1"});
    grid->Sort(0, sdAscending);
    EXPECT_EQ(column(1), "a b");
    grid->IgnoreColumns().Add(1);
    grid->Sort(0, sdAscending);
    EXPECT_EQ(column(1), "b a");
}

// The sort as the grid's quick sort does it, written out on the grid itself: the pivot copied to
// a scratch row, CompareCells per pair and SortSwapRows per exchange.
void referenceSort(TExStringGrid& g, int col, int left, int right, int scratch, int dir) {
    auto compareRows = [&](int a, int b) {
        for (int c = col;; ++c) {
            const int r = g.CompareCells(c, a, b, dir < 0 ? sdDescending : sdAscending);
            if (r != 0 || !g.SortSettings().Full || c > g.TotalColCount() - 2) return r;
        }
    };
    const int mid = (left + right) / 2;
    for (int c = 0; c < g.ColCount(); ++c) g.SetCells(c, scratch, g.Cells(c, mid));
    int i = left, j = right;
    do {
        while (compareRows(scratch, i) == dir && i < right) ++i;
        while (compareRows(j, scratch) == dir && left < j) --j;
        if (j >= i) {
            if (i != j && compareRows(i, j) != 0) g.SortSwapRows(i, j);
            ++i;
            --j;
        }
    } while (j >= i);
    if (left < j) referenceSort(g, col, left, j, scratch, dir);
    if (i < right) referenceSort(g, col, i, right, scratch, dir);
}

// The rows in the order a stable sort on CompareCells gives: equal rows keep their order.
QString stableOrder(TExStringGrid& g, int col, int dir, int idCol) {
    std::vector<int> rows(static_cast<size_t>(g.RowCount() - 1));
    std::iota(rows.begin(), rows.end(), 1);
    const TSortDirection direction = dir < 0 ? sdDescending : sdAscending;
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return g.CompareCells(col, a, b, direction) == -dir; });
    QStringList ids;
    for (int r : rows) ids << g.Cells(idCol, r);
    return ids.join(' ');
}

TEST_F(GridSortingTest, OrderAndTiesAreThoseOfTheRowByRowQuickSort) {
    // Columns of mixed texts, numbers and dates, of numbers only and of texts only, each with
    // many ties; the last column tells the rows apart. In the mixed column only the first cell
    // of a comparison decides its style, so the order depends on which rows the sort compares.
    QRandomGenerator random(7);
    QStringList rows;
    const QStringList mixed = {"alpha", "Beta", "gamma", "12kg", "7", "3/4/2020", "10:30", ""};
    const QStringList words = {"pear", "Apple", "fig"};
    for (int r = 0; r < 300; ++r)
        rows << QStringLiteral("%1|%2|%3|%4")
                    .arg(mixed[random.bounded(mixed.size())], QString::number(random.bounded(5)),
                         words[random.bounded(words.size())])
                    .arg(r);
    for (int col : {0, 1, 2}) {
        for (bool full : {true, false}) {
            for (int dir : {1, -1}) {
                fill(rows);
                grid->SortSettings().Full = full;
                grid->SortSettings().Direction = dir < 0 ? sdDescending : sdAscending;
                QString expected;
                if (col > 0 && !full) {
                    // Rows equal on a column of one kind keep their order.
                    expected = stableOrder(*grid, col, dir, 3);
                } else {
                    grid->SetRowCount(grid->RowCount() + 1);
                    const int last = grid->RowCount() - 2;
                    referenceSort(*grid, col, 1, last, last + 1, dir);
                    expected = column(3, 1, last);
                    fill(rows);
                }
                grid->Sort(col, dir < 0 ? sdDescending : sdAscending);
                EXPECT_EQ(column(3), expected) << "column " << col << " full " << full << " direction " << dir;
            }
        }
    }
}

TEST_F(GridSortingTest, IndexedSortTakesTheListInOrderWithItsDirections) {
    fill({"1|x|b", "2|y|a", "3|z|b", "4|w|a"});
    grid->SortSettings().LoadFromString("i;u2;d0");
    EXPECT_EQ(column(2), "a a b b");
    EXPECT_EQ(column(0), "4 2 3 1");
    QString saved;
    grid->SortSettings().SaveToString(saved);
    EXPECT_EQ(saved, "i;u2;d0");

    grid->SortSettings().Full = false;
    grid->SortIndexes().LoadFromString("d2");
    grid->QSortIndexed();
    EXPECT_EQ(column(2), "b b a a");
}

TEST_F(GridSortingTest, IndexedSortWithoutIndexesRaisesAndChangesNothing) {
    fill({"2", "1"});
    EXPECT_EQ(messageOf([&] { grid->QSortIndexed(); }), "No indexes specified for indexed sort");
    EXPECT_EQ(column(0), "2 1");
    EXPECT_FALSE(grid->LockUpdate());
}

TEST_F(GridSortingTest, SortStateAsText) {
    fill({"c|1|x|3", "a|2|y|1", "b|3|z|2"});
    grid->Sort(3, sdDescending);
    QString saved;
    grid->SortSettings().SaveToString(saved);
    EXPECT_EQ(saved, "d3");
    grid->SortSettings().LoadFromString("u3");
    EXPECT_EQ(column(3), "1 2 3");
    EXPECT_TRUE(grid->SortSettings().Show);
    grid->SortSettings().LoadFromString("ux");
    EXPECT_EQ(grid->SortSettings().Column, 3);
    EXPECT_EQ(messageOf([&] { grid->SortSettings().LoadFromString("u"); }), "Invalid sort settings specifier");
    EXPECT_EQ(messageOf([&] { grid->SortSettings().SetRow(1); }), "Sort row should be smaller than number of fixed rows");
    EXPECT_EQ(grid->SortSettings().Row, 0);
    grid->SortSettings().Remove();
    grid->SortSettings().SaveToString(saved);
    EXPECT_EQ(saved, "u-1");
}

TEST_F(GridSortingTest, UnSortRestoresTheOrderOfTheLastReset) {
    fill({"3|a", "1|b", "2|c"});
    grid->Sort(0, sdAscending);
    grid->Sort(1, sdDescending);
    grid->QUnSort();
    EXPECT_EQ(column(1), "a b c");
    EXPECT_EQ(grid->SortedRowIndex(2), 2);

    grid->Sort(0, sdAscending);
    grid->SetRowCount(grid->RowCount() + 1);
    grid->SetCells(0, 4, "0");
    grid->SetCells(1, 4, "d");
    grid->Sort(0, sdDescending);  // the row count changed: the order restarts from here
    grid->QUnSort();
    EXPECT_EQ(column(1), "b c a d");

    // Rows added after the last sort stay where they are; the others go back.
    grid->Sort(1, sdDescending);
    grid->SetRowCount(grid->RowCount() + 1);
    grid->SetCells(1, 5, "e");
    grid->QUnSort();
    EXPECT_EQ(column(1), "b c a d e");
}

TEST_F(GridSortingTest, FooterRowsAndRowHeadersStayInPlace) {
    fill({"r1|3", "r2|1", "r3|2", "sum|6"});
    grid->SetFixedFooters(1);
    grid->SetFixedCols(1);
    grid->SortSettings().NormalCellsOnly = true;
    grid->Sort(1, sdAscending);
    EXPECT_EQ(column(1), "1 2 3 6");
    EXPECT_EQ(column(0), "r1 r2 r3 sum");

    // The floating footer shows the last row: it stays last whatever FixedFooters says.
    grid->SetFixedFooters(0);
    grid->FloatingFooter().Visible = true;
    grid->Sort(1, sdDescending);
    EXPECT_EQ(column(1), "3 2 1 6");
}

TEST_F(GridSortingTest, SingleColumnMovesOnlyTheStoredTextsOfTheSortColumn) {
    fill({"3|a", "1|b", "2|c"});
    grid->SortSettings().SingleColumn = true;
    // A display text that differs from the stored one must not end up stored.
    grid->OnGetDisplText = [](TObject*, int, int, QString& value) { value += " kg"; };
    grid->Sort(0, sdAscending);
    EXPECT_EQ(grid->GetGridCell(0, 1), "1");
    EXPECT_EQ(column(1), "a b c");
    grid->QUnSort();
    EXPECT_EQ(grid->GetGridCell(0, 1), "3");
}

TEST_F(GridSortingTest, WholeRowsCarryHiddenCellsHeightsFlagsAndTheirRecords) {
    fill({"2|x|p", "1|y|q"});
    grid->HideColumn(2);
    grid->SetRowHeights(1, 40);
    grid->ShowModified().Enabled = true;
    grid->SetRowModified(1, true);
    grid->SetColors(1, 1, clRed);
    grid->Sort(0, sdAscending);
    EXPECT_EQ(grid->AllCells(2, 1), "q");
    EXPECT_EQ(grid->AllCells(2, 2), "p");
    EXPECT_EQ(grid->RowHeights(2), 40);
    EXPECT_EQ(grid->RowHeights(1), grid->DefaultRowHeight());
    EXPECT_TRUE(grid->RowModified(2));
    EXPECT_FALSE(grid->RowModified(1));
    EXPECT_EQ(grid->Colors(1, 2), clRed);
}

TEST_F(GridSortingTest, EventsAroundTheSort) {
    fill({"b", "c", "a"});
    // OnGetFormat makes the column custom; OnCustomCompare sorts it backwards.
    grid->OnGetFormat = [](TObject*, int, TSortStyle& style, QString&, QString&) { style = ssCustom; };
    grid->OnCustomCompare = [](TObject*, QString a, QString b, int& res) { res = QString::compare(b, a); };
    std::vector<std::pair<int, int>> updates;
    grid->OnRowUpdate = [&](TObject*, int oldRow, int newRow) { updates.push_back({oldRow, newRow}); };
    grid->SetRow(1);
    updates.clear();
    grid->Sort(0, sdAscending);
    EXPECT_EQ(column(0), "c b a");
    EXPECT_EQ(updates, (std::vector<std::pair<int, int>>{{1, 1}}));

    // With MoveRowOnSort the current row follows its row ("c", from 1 to 3).
    grid->Navigation().MoveRowOnSort = true;
    grid->OnGetFormat = nullptr;
    grid->Sort(0, sdAscending);
    EXPECT_EQ(column(0), "a b c");
    EXPECT_EQ(grid->Row(), 3);
}

TEST_F(GridSortingTest, AHandlerThatRaisesLeavesTheRowsAndTheLockAsTheyWere) {
    fill({"b", "a"});
    grid->OnGetFormat = [](TObject*, int, TSortStyle& style, QString&, QString&) { style = ssCustom; };
    grid->OnCustomCompare = [](TObject*, QString, QString, int&) { throw Exception("stop"); };
    EXPECT_EQ(messageOf([&] { grid->Sort(0, sdAscending); }), "stop");
    EXPECT_EQ(column(0), "b a");
    EXPECT_FALSE(grid->LockUpdate());
}

TEST_F(GridSortingTest, GroupSortKeepsNodesAndSortsEachExpandedGroup) {
    fill({"g1", "3", "1", "2", "g2", "b", "a"});
    grid->AddNode(1, 4);
    grid->AddNode(5, 3);
    grid->SortSettings().Column = 0;
    grid->QSortGroup();
    EXPECT_EQ(column(0), "g1 1 2 3 g2 a b");
    grid->SortSettings().Direction = sdDescending;
    grid->ContractNode(5);
    grid->QSortGroup();
    EXPECT_EQ(column(0), "g1 3 2 1 g2");
}

TEST_F(GridSortingTest, SortLineExchangesOnlyRowsOutOfOrder) {
    fill({"1|b", "1|a", "1|a"});
    EXPECT_TRUE(grid->SortLine(0, 1, 2));
    EXPECT_EQ(column(1), "a b a");
    EXPECT_FALSE(grid->SortLine(0, 1, 3));
    EXPECT_EQ(column(1), "a b a");
    EXPECT_FALSE(grid->SortLine(0, 1, 2));
}

}  // namespace
