// How fast the cell layer fills and reads a large grid: 100,000 rows of 10 columns written
// through SetCellEx and read back through GetCellEx, with "ns_per_cell" beside the time.
#include <benchmark/benchmark.h>

#include <QString>
#include <chrono>
#include <vector>

#include "grid/foundation/base_grid.h"

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;
constexpr double kCells = double(kRows) * kCols;

// The texts written, made once so that the figures measure the grid alone.
const std::vector<QString>& texts() {
    static const std::vector<QString> t = [] {
        std::vector<QString> v;
        v.reserve(kRows);
        for (int r = 0; r < kRows; ++r) v.push_back(QString::number(r * 7919));
        return v;
    }();
    return t;
}

void fill(TBaseGrid& grid) {
    const std::vector<QString>& t = texts();
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) grid.SetCellEx(c, r, t[static_cast<size_t>(r)]);
}

using Clock = std::chrono::steady_clock;

// Runs work once per iteration and reports the nanoseconds it took per cell.
template <class F>
void measure(benchmark::State& state, F&& work) {
    const Clock::time_point start = Clock::now();
    for (auto _ : state) work();
    const std::chrono::duration<double, std::nano> elapsed = Clock::now() - start;
    state.SetItemsProcessed(state.iterations() * int64_t(kCells));
    state.counters["ns_per_cell"] = elapsed.count() / (double(state.iterations()) * kCells);
}

// A new grid filled row by row, each cell through SetCellEx; destroying it is counted too.
void BM_FillThroughSetCellEx(benchmark::State& state) {
    measure(state, [] {
        TBaseGrid grid(nullptr);
        grid.SetColCount(kCols);
        grid.SetRowCount(kRows + 1);
        fill(grid);
        benchmark::DoNotOptimize(grid.GetGridCell(kCols - 1, kRows - 1));
    });
}
BENCHMARK(BM_FillThroughSetCellEx)->Unit(benchmark::kMillisecond);

// Every cell of a filled grid read back through GetCellEx.
void BM_ReadThroughGetCellEx(benchmark::State& state) {
    TBaseGrid grid(nullptr);
    grid.SetColCount(kCols);
    grid.SetRowCount(kRows + 1);
    fill(grid);
    measure(state, [&] {
        qsizetype total = 0;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) total += grid.GetCellEx(c, r).size();
        benchmark::DoNotOptimize(total);
    });
}
BENCHMARK(BM_ReadThroughGetCellEx)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
