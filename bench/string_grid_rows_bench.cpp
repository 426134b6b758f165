// Rows inserted into and removed from the middle of a string grid of 100,000 rows of 5 columns
// (texts, integers, decimals, dates and a mix): 1,000 rows at once and one row at a time, with
// the time per row beside the time. Each iteration inserts the rows and removes them again, so the
// grid is the same before every iteration. Then grouping and ungrouping against a sort.
#include <benchmark/benchmark.h>

#include <QDate>
#include <QString>
#include <algorithm>
#include <chrono>
#include <memory>

#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/model/owned_settings.h"

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 5;
constexpr int kChanged = 1000;

QString cellText(int c, int r) {
    switch (c) {
    case 0: return QStringLiteral("Item %1").arg(r * 7919 % kRows);
    case 1: return QString::number(r * 31 % 9973);
    case 2: return QString::number(r * 0.25 - 1000, 'f', 2);
    case 3: return QDate(2000, 1, 1).addDays(r % 9000).toString(QStringLiteral("dd/MM/yyyy"));
    default: return r % 3 ? QStringLiteral("<b>%1</b>").arg(r) : QString();
    }
}

std::unique_ptr<TExStringGrid> filledGrid() {
    auto grid = std::make_unique<TExStringGrid>(nullptr);
    grid->SetColCount(kCols);
    grid->SetRowCount(kRows + 1);
    for (int r = 1; r <= kRows; ++r)
        for (int c = 0; c < kCols; ++c) grid->SetCells(c, r, cellText(c, r));
    return grid;
}

// Runs work once per iteration; "per_row" is the time per row of the Rows it handles.
template <class F>
void perRow(benchmark::State& state, int Rows, F&& work) {
    for (auto _ : state) work();
    state.SetItemsProcessed(state.iterations() * int64_t(Rows));
    state.counters["per_row"] =
        benchmark::Counter(Rows, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// InsertRows of 1,000 rows in the middle, then RemoveRows of the same rows.
void BM_InsertAndRemoveThousandRowsInTheMiddle(benchmark::State& state) {
    auto grid = filledGrid();
    const int middle = kRows / 2;
    perRow(state, kChanged, [&] {
        grid->InsertRows(middle, kChanged, true);
        grid->RemoveRows(middle, kChanged);
        benchmark::DoNotOptimize(grid->RowCount());
    });
}
BENCHMARK(BM_InsertAndRemoveThousandRowsInTheMiddle)->Unit(benchmark::kMillisecond);

// The same 1,000 rows, one InsertRows and one RemoveRows per row.
void BM_InsertAndRemoveThousandRowsOneByOne(benchmark::State& state) {
    auto grid = filledGrid();
    const int middle = kRows / 2;
    perRow(state, kChanged, [&] {
        for (int i = 0; i < kChanged; ++i) grid->InsertRows(middle, 1, true);
        for (int i = 0; i < kChanged; ++i) grid->RemoveRows(middle, 1);
        benchmark::DoNotOptimize(grid->RowCount());
    });
}
BENCHMARK(BM_InsertAndRemoveThousandRowsOneByOne)->Unit(benchmark::kMillisecond);

// Grouping 1,000 groups of 100 rows each with a summary row per group, and ungrouping again.
void BM_GroupAndUnGroup(benchmark::State& state) {
    auto grid = filledGrid();
    for (int r = 1; r <= kRows; ++r) grid->SetCells(2, r, QString::number(r / 100));
    grid->Grouping().Summary = true;
    grid->SortSettings().AutoSortForGrouping = false;
    perRow(state, kRows, [&] {
        grid->Group(2);
        grid->UnGroup();
        benchmark::DoNotOptimize(grid->RowCount());
    });
}
BENCHMARK(BM_GroupAndUnGroup)->Unit(benchmark::kMillisecond);

// Grouping by a column of 1,000 shuffled values (with its sort and a summary row per group) and
// ungrouping again, each against a sort of the same column from the same order, best runs of
// each: "x_sort" is the ratio.
void BM_GroupAgainstSort(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const auto ms = [](auto&& work) {
        const Clock::time_point start = Clock::now();
        work();
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };
    auto grid = filledGrid();
    for (int r = 1; r <= kRows; ++r) grid->SetCells(2, r, QString::number(r * 7919 % 1000));
    grid->Grouping().Summary = true;
    grid->SortSettings().AutoSortForGrouping = true;
    double sortBest = 1e9, groupBest = 1e9, ungroupBest = 1e9;
    for (auto _ : state) {
        sortBest = std::min(sortBest, ms([&] { grid->Sort(2, sdAscending); }));
        grid->QUnSort();
        groupBest = std::min(groupBest, ms([&] { grid->Group(2); }));
        ungroupBest = std::min(ungroupBest, ms([&] { grid->UnGroup(); }));
        grid->QUnSort();
        if (grid->RowCount() != kRows + 1) state.SkipWithError("the grouping lost rows");
    }
    state.counters["sort_ms"] = sortBest;
    state.counters["group_ms"] = groupBest;
    state.counters["ungroup_ms"] = ungroupBest;
    state.counters["group_x_sort"] = groupBest / sortBest;
    state.counters["ungroup_x_sort"] = ungroupBest / sortBest;
}
BENCHMARK(BM_GroupAgainstSort)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
