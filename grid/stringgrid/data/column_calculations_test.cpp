#include "grid/stringgrid/model/string_grid_errors.h"
#include "grid/stringgrid/model/string_grid_test_fixture.h"

#include <cmath>
#include <random>

namespace {

class ColumnCalculations : public StringGridFixture {
protected:
    // Column 2 of the normal rows holds the texts, one row each.
    void fill(const QStringList& texts) {
        grid->SetRowCount(1 + static_cast<int>(texts.size()));
        for (int i = 0; i < texts.size(); ++i) grid->SetCells(2, i + 1, texts[i]);
    }
};

TEST_F(ColumnCalculations, EmptyAndWordCellsCountAsZero) {
    fill({"1", "2.5", "", "x"});
    EXPECT_DOUBLE_EQ(grid->ColumnSum(2, -1, -1), 3.5);
    EXPECT_DOUBLE_EQ(grid->ColumnAvg(2, -1, -1), 0.875);
    EXPECT_DOUBLE_EQ(grid->ColumnSum(2, 3, 2), 0);
    EXPECT_DOUBLE_EQ(grid->ColumnAvg(2, 3, 2), 0);
    EXPECT_DOUBLE_EQ(grid->ColumnMin(2, -1, -1), 0);
    EXPECT_DOUBLE_EQ(grid->ColumnMax(2, -1, -1), 2.5);
}

TEST_F(ColumnCalculations, SpreadAndDistinct) {
    fill({"2", "4", "4", "4", "5", "5", "7", "9"});
    EXPECT_DOUBLE_EQ(grid->ColumnStdDev(2, -1, -1), 2);
    EXPECT_DOUBLE_EQ(grid->ColumnStdDev(2, 4, 3), 0);
    fill({"Apple", "apple", "Pear", ""});
    EXPECT_DOUBLE_EQ(grid->ColumnDistinct(2, -1, -1), 3);
}

TEST_F(ColumnCalculations, OnlyTheSeedOfAnExtremeRaisesForAMalformedNumber) {
    fill({"1-2", "3", "-4"});
    EXPECT_THROW(grid->ColumnMin(2, -1, -1), VEriRodiVizev);
    EXPECT_THROW(grid->ColumnStdDev(2, -1, -1), VEriRodiVizev);
    fill({"3", "1-2", "-4"});
    EXPECT_DOUBLE_EQ(grid->ColumnMin(2, -1, -1), -4);
    EXPECT_DOUBLE_EQ(grid->ColumnMax(2, -1, -1), 3);
    EXPECT_DOUBLE_EQ(grid->ColumnSum(2, -1, -1), -1);
}

TEST_F(ColumnCalculations, CustomCalculationIsTheEventsResult) {
    fill({"1", "2"});
    EXPECT_DOUBLE_EQ(grid->ColumnCustomCalc(2, -1, -1), 0);
    grid->OnColumnCalc = [](TObject*, int ACol, int FromRow, int ToRow, double& Res) { Res = ACol * 100 + FromRow * 10 + ToRow; };
    EXPECT_DOUBLE_EQ(grid->ColumnCustomCalc(2, -1, -1), 212);
}

// Hidden rows are left out of the shown rows and counted once the range reaches beyond them.
TEST_F(ColumnCalculations, VisibleAndAllRowsMatchADirectSum) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> value(-500, 500);
    QStringList texts;
    for (int i = 0; i < 40; ++i) texts << QString::number(value(random) / 4.0);
    fill(texts);
    const std::vector<int> hidden{3, 4, 17, 30};
    for (auto it = hidden.rbegin(); it != hidden.rend(); ++it) grid->HideRow(*it);
    double shown = 0, all = 0, low = 1e9, high = -1e9;
    for (int i = 0; i < texts.size(); ++i) {
        const double v = texts[i].toDouble();
        all += v;
        if (std::find(hidden.begin(), hidden.end(), i + 1) != hidden.end()) continue;
        shown += v;
        low = std::min(low, v);
        high = std::max(high, v);
    }
    EXPECT_NEAR(grid->ColumnSum(2, -1, -1), shown, 1e-9);
    EXPECT_NEAR(grid->ColumnAvg(2, -1, -1), shown / (texts.size() - hidden.size()), 1e-9);
    EXPECT_DOUBLE_EQ(grid->ColumnMin(2, -1, -1), low);
    EXPECT_DOUBLE_EQ(grid->ColumnMax(2, -1, -1), high);
    EXPECT_NEAR(grid->ColumnSum(2, 1, grid->TotalRowCount() - 1), all, 1e-9);
}

// A grid that writes down the progress its calculations announce.
class TRecordingGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    void ExportNotification(TGridExportState AState, int ARow) override {
        static const char* const names[] = {"start", "new", "done", "sel", "fail", "next"};
        log << QStringLiteral("%1 %2").arg(names[AState]).arg(ARow);
    }
    QStringList log;
};

TEST_F(ColumnCalculations, ProgressNamesTheCountedRows) {
    TRecordingGrid recording(form);
    recording.SetColCount(3);
    recording.SetRowCount(5);
    for (int r = 1; r < 5; ++r) recording.SetCells(1, r, QString::number(r));
    recording.MergeCells(1, 2, 1, 2);
    EXPECT_DOUBLE_EQ(recording.ColumnSum(1, -1, -1), 1 + 2 + 4);
    EXPECT_EQ(recording.log.join(", "), "start 1, next 1, next 2, next 4, done -1");
    recording.log.clear();
    recording.SetCells(1, 4, "1-2");
    EXPECT_THROW(recording.ColumnStdDev(1, 1, 4), VEriRodiVizev);
    EXPECT_EQ(recording.log.last(), "done -1");
}

TEST_F(ColumnCalculations, RowsCountTheBaseCellOfAMergedRangeOnce) {
    for (int c = 1; c < 6; ++c) grid->SetCells(c, 3, QString::number(c));
    grid->SetCells(6, 3, "x");
    EXPECT_DOUBLE_EQ(grid->RowSum(3, 1, 6), 15);
    grid->MergeCells(2, 3, 3, 1);
    EXPECT_DOUBLE_EQ(grid->RowSum(3, 1, 6), 1 + 2 + 5);
    EXPECT_DOUBLE_EQ(grid->RowAvg(3, 1, 6), 8.0 / 6);
    EXPECT_DOUBLE_EQ(grid->RowAvg(3, 2, 1), 0);
    EXPECT_DOUBLE_EQ(grid->RowMin(3, 1, 6), 0);
    EXPECT_DOUBLE_EQ(grid->RowMax(3, 1, 5), 5);
    grid->SetCells(1, 3, "1-2");
    EXPECT_THROW(grid->RowMax(3, 1, 5), VEriRodiVizev);
}

}  // namespace
