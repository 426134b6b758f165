// Loading and saving a CSV file of 100,000 rows of 10 columns with the string grid, against the
// same process doing the least any reader or writer must: for loading, a plain read of the file,
// its decoding and a split of its lines at the separator into one string per cell; for saving,
// the fields joined into lines, those that need it quoted, and the text encoded and written to a
// file. "ratio" is the grid's best time over the plain one's; the goal is below 2.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <limits>
#include <vector>

#include "grid/stringgrid/model/ex_string_grid.h"

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;
using Clock = std::chrono::steady_clock;

template <class F>
double seconds(F&& f) {
    const Clock::time_point start = Clock::now();
    f();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Words, numbers and now and then a field with a comma that needs quotes.
QString field(QRandomGenerator& random, int c) {
    if (c % 3 == 1) return QString::number(random.bounded(1000000) / 100.0, 'f', 2);
    QString w;
    const int length = 3 + random.bounded(10);
    for (int i = 0; i < length; ++i) w += QChar(u'a' + random.bounded(26));
    if (random.bounded(20) == 0) w += QStringLiteral(", more");
    return w;
}

void fill(TExStringGrid& grid) {
    QRandomGenerator random(60);
    grid.SetFixedRows(0);
    grid.SetFixedCols(0);
    grid.SetColCount(kCols);
    grid.SetRowCount(kRows);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) grid.SetCells(c, r, field(random, c));
}

QString benchFile() { return QDir::temp().filePath(QStringLiteral("string_grid_csv_bench.csv")); }

void BM_LoadFromCSV(benchmark::State& state) {
    const QString name = benchFile();
    {
        TExStringGrid source(nullptr);
        fill(source);
        source.SaveToCSV(name);
    }
    double gridBest = std::numeric_limits<double>::max(), plainBest = gridBest;
    for (auto _ : state) {
        TExStringGrid grid(nullptr);
        grid.SetFixedRows(0);
        grid.SetFixedCols(0);
        const double t = seconds([&] { grid.LoadFromCSV(name); });
        state.SetIterationTime(t);
        gridBest = std::min(gridBest, t);
        qsizetype fields = 0;
        plainBest = std::min(plainBest, seconds([&] {
            QFile file(name);
            file.open(QIODevice::ReadOnly);
            const QString text = QString::fromUtf8(file.readAll());
            for (const QString& line : text.split(QLatin1String("\r\n"), Qt::SkipEmptyParts)) fields += line.split(u',').size();
        }));
        benchmark::DoNotOptimize(fields);
    }
    state.counters["grid_ms"] = gridBest * 1000;
    state.counters["plain_ms"] = plainBest * 1000;
    state.counters["ratio"] = gridBest / plainBest;
    QFile::remove(name);
}
BENCHMARK(BM_LoadFromCSV)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_SaveToCSV(benchmark::State& state) {
    const QString name = benchFile();
    TExStringGrid grid(nullptr);
    fill(grid);
    std::vector<QStringList> rows(kRows);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) rows[static_cast<size_t>(r)] << grid.Cells(c, r);
    double gridBest = std::numeric_limits<double>::max(), plainBest = gridBest;
    for (auto _ : state) {
        const double t = seconds([&] { grid.SaveToCSV(name); });
        state.SetIterationTime(t);
        gridBest = std::min(gridBest, t);
        plainBest = std::min(plainBest, seconds([&] {
            QString text;
            for (const QStringList& row : rows) {
                for (qsizetype c = 0; c < row.size(); ++c) {
                    if (c > 0) text += u',';
                    const QString& cell = row[c];
                    if (cell.contains(u',') || cell.contains(u'"')) {
                        text += u'"';
                        text += QString(cell).replace(u'"', QLatin1String("\"\""));
                        text += u'"';
                    } else {
                        text += cell;
                    }
                }
                text += QLatin1String("\r\n");
            }
            QFile file(name);
            file.open(QIODevice::WriteOnly);
            file.write(text.toLatin1());
        }));
    }
    state.counters["grid_ms"] = gridBest * 1000;
    state.counters["plain_ms"] = plainBest * 1000;
    state.counters["ratio"] = gridBest / plainBest;
    QFile::remove(name);
}
BENCHMARK(BM_SaveToCSV)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
