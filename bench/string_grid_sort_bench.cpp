// Sorting a string grid of 100,000 rows of 5 columns of mixed texts, numbers and dates, by a text
// column and by a numeric column, each with automatic detection of the sort style. Beside the
// grid's time, the same process sorts the same rows with std::stable_sort on keys made
// beforehand (the texts as they are, the numbers already parsed): "ratio" is the grid's time
// over that one, the best run of each. "ratio_with_keys" counts the making of those keys from
// the texts into the plain sort's time, as the grid has to.
#include <benchmark/benchmark.h>

#include <QRandomGenerator>
#include <QString>

#include <algorithm>
#include <array>
#include <chrono>
#include <limits>
#include <vector>

#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/system/regional.h"

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 5;
constexpr int kTextCol = 0;
constexpr int kNumberCol = 1;

using Row = std::array<QString, kCols>;
using Clock = std::chrono::steady_clock;

QString word(QRandomGenerator& random) {
    QString w;
    const int length = 3 + random.bounded(8);
    for (int i = 0; i < length; ++i) w += QChar(u'a' + random.bounded(26));
    if (random.bounded(4) == 0) w[0] = w[0].toUpper();
    return w;
}

// A text, a number with two decimals, a date, a category of few values (ties) and an integer.
std::vector<Row> makeRows() {
    QRandomGenerator random(2024);
    std::vector<Row> rows(kRows);
    for (Row& row : rows) {
        row[0] = word(random) + u' ' + word(random);
        row[1] = QString::number((random.bounded(2000000) - 1000000) / 100.0, 'f', 2);
        row[2] = QStringLiteral("%1/%2/%3")
                     .arg(1 + random.bounded(28), 2, 10, QChar(u'0'))
                     .arg(1 + random.bounded(12), 2, 10, QChar(u'0'))
                     .arg(1990 + random.bounded(40));
        row[3] = QStringLiteral("group %1").arg(random.bounded(20));
        row[4] = QString::number(random.bounded(100000));
    }
    return rows;
}

void fill(TExStringGrid& grid, const std::vector<Row>& rows) {
    grid.SetColCount(kCols);
    grid.SetRowCount(kRows + 1);
    for (int c = 0; c < kCols; ++c) grid.SetCells(c, 0, QStringLiteral("column %1").arg(c));
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) grid.SetCells(c, r + 1, rows[static_cast<size_t>(r)][static_cast<size_t>(c)]);
}

template <class F>
double seconds(F&& f) {
    const Clock::time_point start = Clock::now();
    f();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The grid sorts the column from the unsorted order in every iteration (QUnSort, untimed, puts
// it back); then the plain sort of the same rows on keys of type Key.
template <class Key, class MakeKey>
void sortAgainstStableSort(benchmark::State& state, int column, MakeKey&& makeKey) {
    FormatSettings.DecimalSeparator = u'.';
    FormatSettings.ThousandSeparator = u',';
    const std::vector<Row> rows = makeRows();
    TExStringGrid grid(nullptr);
    fill(grid, rows);

    struct Entry {
        Key key;
        Row row;
    };
    double gridBest = std::numeric_limits<double>::max();
    double plainBest = std::numeric_limits<double>::max();
    double withKeysBest = std::numeric_limits<double>::max();
    for (auto _ : state) {
        const double t = seconds([&] { grid.Sort(column, sdAscending); });
        state.SetIterationTime(t);
        gridBest = std::min(gridBest, t);
        grid.QUnSort();

        std::vector<Entry> entries;
        entries.reserve(rows.size());
        for (const Row& row : rows) entries.push_back({Key(), row});
        const double making = seconds([&] {
            for (Entry& e : entries) e.key = makeKey(e.row[static_cast<size_t>(column)]);
        });
        const double sorting = seconds([&] {
            std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.key < b.key; });
        });
        plainBest = std::min(plainBest, sorting);
        withKeysBest = std::min(withKeysBest, making + sorting);
        benchmark::DoNotOptimize(entries.front().row[0].size());
    }
    state.counters["grid_ms"] = gridBest * 1000;
    state.counters["stable_sort_ms"] = plainBest * 1000;
    state.counters["ratio"] = gridBest / plainBest;
    state.counters["ratio_with_keys"] = gridBest / withKeysBest;
}

void BM_SortByTextColumn(benchmark::State& state) {
    sortAgainstStableSort<QString>(state, kTextCol, [](const QString& s) { return s; });
}
BENCHMARK(BM_SortByTextColumn)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_SortByNumericColumn(benchmark::State& state) {
    sortAgainstStableSort<double>(state, kNumberCol, [](const QString& s) { return s.toDouble(); });
}
BENCHMARK(BM_SortByNumericColumn)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
