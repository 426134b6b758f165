// Filtering a string grid of 100,000 rows of 5 columns (a number, a text, a price, a date and a
// tag): a filter that keeps every tenth row applied as one level and that level taken off again,
// each beside one plain pass of the same matcher over the same texts, taken in turn with it
// ("x_plain" is the ratio of the best runs of both).
#include <benchmark/benchmark.h>

#include <QDate>
#include <QString>
#include <algorithm>
#include <chrono>
#include <memory>

#include "grid/foundation/filter_matching.h"
#include "grid/stringgrid/model/cell_model_records.h"
#include "grid/stringgrid/model/ex_string_grid.h"

namespace {

constexpr int kRows = 100000;
constexpr int kTagColumn = 4;
// Every tenth row carries the tag "tag3".
const QString kCondition = QStringLiteral("*3");

using Clock = std::chrono::steady_clock;
double msSince(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

std::unique_ptr<TExStringGrid> filledGrid() {
    auto grid = std::make_unique<TExStringGrid>(nullptr);
    grid->SetColCount(5);
    grid->SetRowCount(kRows + 1);
    const QDate first(2020, 1, 1);
    for (int r = 1; r <= kRows; ++r) {
        grid->SetCells(0, r, QString::number(r));
        grid->SetCells(1, r, QStringLiteral("item %1 of batch %2").arg(r).arg(r / 100));
        grid->SetCells(2, r, QString::number((r * 37 % 100000) / 100.0, 'f', 2));
        grid->SetCells(3, r, first.addDays(r % 3650).toString(QStringLiteral("dd/MM/yyyy")));
        grid->SetCells(kTagColumn, r, QStringLiteral("tag%1").arg(r % 10));
    }
    TFilterData& item = *grid->Filter().Add();
    item.Column = kTagColumn;
    item.Condition = kCondition;
    return grid;
}

QStringList tagTexts(TExStringGrid& grid) {
    QStringList texts;
    for (int r = 1; r <= kRows; ++r) texts << grid.Cells(kTagColumn, r);
    return texts;
}

// One plain pass of the matcher over the texts, in ms.
double plainPassMs(const QStringList& texts) {
    const Clock::time_point start = Clock::now();
    int kept = 0;
    for (const QString& text : texts) kept += MatchFilter(kCondition, text.trimmed(), true) ? 1 : 0;
    benchmark::DoNotOptimize(kept);
    return msSince(start);
}

void report(benchmark::State& state, double bestMs, double plainMs) {
    state.counters["ms"] = bestMs;
    state.counters["plain_ms"] = plainMs;
    state.counters["x_plain"] = bestMs / plainMs;
}

// Each run of the grid is followed by a plain pass, so that other work on the machine slows
// both sides alike; the best run of each side counts.
void BM_FilterKeepingATenth(benchmark::State& state) {
    auto grid = filledGrid();
    const QStringList texts = tagTexts(*grid);
    double best = 1e9, plain = 1e9;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        grid->ApplyFilter();
        best = std::min(best, msSince(start));
        state.PauseTiming();
        if (grid->RowCount() != kRows / 10 + 1) state.SkipWithError("the filter kept the wrong rows");
        grid->RemoveLastFilter();
        plain = std::min(plain, plainPassMs(texts));
        state.ResumeTiming();
    }
    report(state, best, plain);
}
BENCHMARK(BM_FilterKeepingATenth)->Unit(benchmark::kMillisecond);

void BM_FilterRemoval(benchmark::State& state) {
    auto grid = filledGrid();
    const QStringList texts = tagTexts(*grid);
    double best = 1e9, plain = 1e9;
    for (auto _ : state) {
        state.PauseTiming();
        grid->ApplyFilter();
        state.ResumeTiming();
        const Clock::time_point start = Clock::now();
        grid->RemoveLastFilter();
        best = std::min(best, msSince(start));
        if (grid->RowCount() != kRows + 1) state.SkipWithError("the removal lost rows");
        state.PauseTiming();
        plain = std::min(plain, plainPassMs(texts));
        state.ResumeTiming();
    }
    report(state, best, plain);
}
BENCHMARK(BM_FilterRemoval)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
