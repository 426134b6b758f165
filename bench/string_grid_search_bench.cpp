// Finding a text that only the last row of a 100,000 x 5 string grid holds, with and without
// case, each beside one plain pass of QString::indexOf over the same texts in the same order
// ("x_plain" is the ratio).
#include <benchmark/benchmark.h>

#include <QString>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <memory>

#include "grid/stringgrid/model/ex_string_grid.h"

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 5;
const QString kNeedle = QStringLiteral("Needle");

using Clock = std::chrono::steady_clock;
double msSince(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

std::unique_ptr<TExStringGrid> filledGrid() {
    auto grid = std::make_unique<TExStringGrid>(nullptr);
    grid->SetColCount(kCols + 1);
    grid->SetRowCount(kRows + 1);
    for (int r = 1; r <= kRows; ++r) {
        grid->SetCells(1, r, QString::number(r));
        grid->SetCells(2, r, QStringLiteral("item %1 of batch %2").arg(r).arg(r / 100));
        grid->SetCells(3, r, QString::number((r * 37 % 100000) / 100.0, 'f', 2));
        grid->SetCells(4, r, QStringLiteral("Customer %1, Street %2").arg(r % 977).arg(r % 61));
        grid->SetCells(5, r, QStringLiteral("tag%1").arg(r % 10));
    }
    grid->SetCells(kCols, kRows, QStringLiteral("the Needle here"));
    return grid;
}

// The fastest of a few plain passes over the texts, column by column as the search goes.
double plainPassMs(TExStringGrid& grid, Qt::CaseSensitivity cs) {
    QStringList texts;
    for (int c = 1; c <= kCols; ++c)
        for (int r = 1; r <= kRows; ++r) texts << grid.Cells(c, r);
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        const Clock::time_point start = Clock::now();
        qsizetype at = -1;
        for (const QString& text : texts)
            if ((at = text.indexOf(kNeedle, 0, cs)) >= 0) break;
        benchmark::DoNotOptimize(at);
        best = std::min(best, msSince(start));
    }
    return best;
}

void findLastRow(benchmark::State& state, TFindParams Params, Qt::CaseSensitivity cs) {
    auto grid = filledGrid();
    const double plain = plainPassMs(*grid, cs);
    double total = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const TPoint found = grid->Find({-1, -1}, kNeedle, Params);
        total += msSince(start);
        if (found.X != kCols || found.Y != kRows) state.SkipWithError("the search found the wrong cell");
    }
    const double perRun = total / double(state.iterations());
    state.counters["ms"] = perRun;
    state.counters["plain_ms"] = plain;
    state.counters["x_plain"] = perRun / plain;
}

void BM_FindAnyCase(benchmark::State& state) { findLastRow(state, 0, Qt::CaseInsensitive); }
BENCHMARK(BM_FindAnyCase)->Unit(benchmark::kMillisecond);

void BM_FindMatchCase(benchmark::State& state) { findLastRow(state, fnMatchCase, Qt::CaseSensitive); }
BENCHMARK(BM_FindMatchCase)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
