// Hidden rows of the string grid on 100,000 rows of 10 columns: every tenth row hidden and
// shown again, one row at a time and as one filter level, with "ns_per_row" beside the time;
// and one frame's worth (40 rows) of display-to-real row lookups with those rows hidden
// against the same lookups with nothing hidden.
#include <benchmark/benchmark.h>

#include <QString>
#include <chrono>
#include <memory>

#include "grid/foundation/grid_lists.h"
#include "grid/stringgrid/model/ex_string_grid.h"

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;
constexpr int kStep = 10;
constexpr int kHidden = kRows / kStep;
constexpr int kFrame = 40;

std::unique_ptr<TExStringGrid> filledGrid() {
    auto grid = std::make_unique<TExStringGrid>(nullptr);
    grid->SetColCount(kCols);
    grid->SetRowCount(kRows);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) grid->SetCells(c, r, QString::number(r * kCols + c));
    return grid;
}

using Clock = std::chrono::steady_clock;

// Runs work once per iteration and reports the nanoseconds it took per hidden row.
template <class F>
void perRow(benchmark::State& state, F&& work) {
    const Clock::time_point start = Clock::now();
    for (auto _ : state) work();
    const std::chrono::duration<double, std::nano> elapsed = Clock::now() - start;
    state.SetItemsProcessed(state.iterations() * int64_t(kHidden));
    state.counters["ns_per_row"] = elapsed.count() / (double(state.iterations()) * kHidden);
}

// HideRow for every tenth row, from the bottom up, then UnHideRowsAll.
void BM_HideAndShowEveryTenthRowOneByOne(benchmark::State& state) {
    auto grid = filledGrid();
    perRow(state, [&] {
        for (int r = kRows - 1; r >= 1; r -= kStep) grid->HideRow(r);
        grid->UnHideRowsAll();
        benchmark::DoNotOptimize(grid->RowCount());
    });
}
BENCHMARK(BM_HideAndShowEveryTenthRowOneByOne)->Unit(benchmark::kMillisecond);

// Every tenth row hidden as one row list (a filter level), then shown again.
void BM_HideAndShowEveryTenthRowAsAList(benchmark::State& state) {
    auto grid = filledGrid();
    TIntList list(0, 0);
    for (int r = kStep - 1; r < kRows; r += kStep) list.Insert(list.Count(), r);
    perRow(state, [&] {
        grid->HideRowList(list);
        grid->UnHideRowList();
        benchmark::DoNotOptimize(grid->RowCount());
    });
}
BENCHMARK(BM_HideAndShowEveryTenthRowAsAList)->Unit(benchmark::kMillisecond);

// The real rows of the 40 display rows of a frame in the middle of the grid.
void frameLookups(benchmark::State& state, bool hidden) {
    auto grid = filledGrid();
    if (hidden)
        for (int r = kRows - 1; r >= 1; r -= kStep) grid->HideRow(r);
    const int top = grid->RowCount() / 2;
    for (auto _ : state) {
        int sum = 0;
        for (int r = top; r < top + kFrame; ++r) sum += grid->RealRowIndex(r);
        benchmark::DoNotOptimize(sum);
    }
}

void BM_FrameOfLookupsWithEveryTenthRowHidden(benchmark::State& state) { frameLookups(state, true); }
BENCHMARK(BM_FrameOfLookupsWithEveryTenthRowHidden);

void BM_FrameOfLookupsWithNothingHidden(benchmark::State& state) { frameLookups(state, false); }
BENCHMARK(BM_FrameOfLookupsWithNothingHidden);

}  // namespace

BENCHMARK_MAIN();
