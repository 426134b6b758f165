#include "platform/controls/grid_cell_store.h"

#include <gtest/gtest.h>

namespace {

// Texts of column 0 of rows 0..n-1, "-" for an empty cell.
QString column0(const TGridCellStore& s, int n) {
    QString out;
    for (int r = 0; r < n; ++r) out += s.Text(0, r).isEmpty() ? QStringLiteral("-") : s.Text(0, r);
    return out;
}

QString row0(const TGridCellStore& s, int n) {
    QString out;
    for (int c = 0; c < n; ++c) out += s.Text(c, 0).isEmpty() ? QStringLiteral("-") : s.Text(c, 0);
    return out;
}

TEST(GridCellStore, KeepsAnyCellWrittenAndGrowsOnlyForContent) {
    TGridCellStore s;
    EXPECT_EQ(s.Text(3, 7), QString());
    EXPECT_EQ(s.Object(3, 7), nullptr);
    s.SetText(9, 4, QString());
    s.SetObject(2, 2, nullptr);
    EXPECT_EQ(s.RowsStored(), 0);

    s.SetText(1000, 50000, "far");
    EXPECT_EQ(s.Text(1000, 50000), "far");
    EXPECT_EQ(s.RowsStored(), 50001);
    EXPECT_EQ(s.ColsStored(50000), 1001);
    EXPECT_EQ(s.ColsStored(10), 0);
    s.SetText(1000, 50000, QString());
    EXPECT_EQ(s.Text(1000, 50000), QString());
}

// The store is filled with "abc" in rows 0..2 (or columns 0..2), then one move or delete.
struct MoveCase {
    const char* name;
    int from;
    int to;  // -1: delete from
    const char* expected;  // the first six cells
};

class GridCellStoreMoves : public ::testing::TestWithParam<MoveCase> {};

TEST_P(GridCellStoreMoves, RowsAndColumnsAlike) {
    const MoveCase& m = GetParam();
    TGridCellStore rows, cols;
    for (int i = 0; i < 3; ++i) {
        rows.SetText(0, i, QString(QChar('a' + i)));
        cols.SetText(i, 0, QString(QChar('a' + i)));
    }
    if (m.to < 0) {
        rows.DeleteRow(m.from);
        cols.DeleteColumn(m.from);
    } else {
        rows.MoveRow(m.from, m.to);
        cols.MoveColumn(m.from, m.to);
    }
    EXPECT_EQ(column0(rows, 6), m.expected);
    EXPECT_EQ(row0(cols, 6), m.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridCellStoreMoves,
    ::testing::Values(MoveCase{"down", 0, 2, "bca---"}, MoveCase{"up", 2, 0, "cab---"},
                      MoveCase{"beyondStored", 1, 4, "ac--b-"}, MoveCase{"fromBeyondStored", 5, 0, "-abc--"},
                      MoveCase{"bothBeyond", 4, 5, "abc---"}, MoveCase{"deleteFirst", 0, -1, "bc----"},
                      MoveCase{"deleteBeyond", 4, -1, "abc---"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GridCellStore, MovesCarryObjectsWithTexts) {
    TGridCellStore s;
    TObject* tag = reinterpret_cast<TObject*>(uintptr_t{0x1000});
    s.SetText(1, 0, "x");
    s.SetObject(1, 0, tag);
    s.MoveRow(0, 2);
    EXPECT_EQ(s.Object(1, 2), tag);
    s.MoveColumn(1, 0);
    EXPECT_EQ(s.Object(0, 2), tag);
    EXPECT_EQ(s.Text(0, 2), "x");
}

TEST(GridCellStore, WholeRowsGoAndComeInOnePass) {
    TGridCellStore s;
    for (int r = 0; r < 6; ++r) s.SetText(0, r, QString(QChar('a' + r)));
    s.DeleteRows({1, 3, 4, 9});
    EXPECT_EQ(column0(s, 4), "acf-");
    s.InsertRows({1, 2});
    EXPECT_EQ(column0(s, 6), "a--cf-");
    s.InsertRows({1, 4});  // places counted with the new rows in
    EXPECT_EQ(column0(s, 7), "a----cf");
    s.InsertRows({10});  // beyond the stored rows: nothing to move
    EXPECT_EQ(s.RowsStored(), 7);

    TGridCellStore::Row row = s.TakeRow(0);
    EXPECT_EQ(s.Text(0, 0), QString());
    s.PutRow(7, std::move(row));
    EXPECT_EQ(s.Text(0, 7), "a");
}

}  // namespace
