// The shapes that once made the string grid's imports slow, each at 10,000 and at 100,000 items:
// a CSV line of that many fields, a grid text file of one row of that many cells, a grid text
// file whose count line asks for that many columns and rows (refused), an XML record of that
// many fields, a fixed-width line of that many fields and a binary cell stream of one row of
// that many cells. For each, "ms_10k" and "ms_100k" are the grid's best times, "scale" their
// ratio (about 10 when the import is linear; the allocator keeps freed memory, see main) and "plain_ratio" the grid's time over a plain
// read of the same file split at its separators, at 100,000.
#include <benchmark/benchmark.h>

#include "bench/parse_timing.h"
#include "grid/foundation/grid_lists.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/core/exception.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <functional>
#include <malloc.h>

namespace {

QString benchFile(const char* Name) { return QDir::temp().filePath(QStringLiteral("import_shapes_bench_") + QLatin1String(Name)); }

void writeText(const QString& Name, const QString& Text) {
    QFile file(Name);
    if (!file.open(QIODevice::WriteOnly) || file.write(Text.toUtf8()) < 0) std::abort();
}

// A read of the file, its decoding and a split of its lines at the separator, each piece a
// string of its own: what any reader of the file must do.
qsizetype plainSplit(const QString& Name, QChar Separator) {
    const QString text = QString::fromUtf8(bench::readBytes(Name));
    qsizetype pieces = 0;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) pieces += line.split(Separator).size();
    return pieces;
}

struct TShape {
    // Writes the file for n items.
    std::function<void(const QString&, int)> Make;
    // Loads it into a fresh grid.
    std::function<void(TExStringGrid&, const QString&, int)> Load;
    QChar Separator;
};

void measure(benchmark::State& state, const char* Name, const TShape& Shape) {
    const QString name = benchFile(Name);
    double times[2] = {0, 0}, plain = 0;
    const int sizes[2] = {10000, 100000};
    for (auto _ : state) {
        for (int i = 0; i < 2; ++i) {
            Shape.Make(name, sizes[i]);
            times[i] = bench::bestSeconds([&] {
                TExStringGrid grid(nullptr);
                try {
                    Shape.Load(grid, name, sizes[i]);
                } catch (const Exception&) {
                    // A refusal is the answer for a shape the grid cannot hold.
                }
            });
        }
        plain = bench::bestSeconds([&] { benchmark::DoNotOptimize(plainSplit(name, Shape.Separator)); });
    }
    state.counters["ms_10k"] = times[0] * 1000;
    state.counters["ms_100k"] = times[1] * 1000;
    state.counters["scale"] = times[1] / times[0];
    state.counters["plain_ms"] = plain * 1000;
    state.counters["plain_ratio"] = times[1] / plain;
    QFile::remove(name);
}

void BM_CSVWideLine(benchmark::State& state) {
    measure(state, "wide.csv",
            {[](const QString& name, int n) {
                 QStringList fields;
                 for (int i = 0; i < n; ++i) fields << QStringLiteral("f%1").arg(i);
                 writeText(name, fields.join(u',') + QStringLiteral("\r\n"));
             },
             [](TExStringGrid& g, const QString& name, int) { g.LoadFromCSV(name); }, u','});
}
BENCHMARK(BM_CSVWideLine)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_GridTextWideRow(benchmark::State& state) {
    measure(state, "wide.txt",
            {[](const QString& name, int n) {
                 QString text = QStringLiteral("%1,1\r\n").arg(n);
                 for (int i = 0; i < n; ++i) text += QStringLiteral("%1,0,c%1\r\n").arg(i);
                 writeText(name, text);
             },
             [](TExStringGrid& g, const QString& name, int) { g.LoadFromFile(name); }, u','});
}
BENCHMARK(BM_GridTextWideRow)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_GridTextSquareHeader(benchmark::State& state) {
    measure(state, "square.txt",
            {[](const QString& name, int n) { writeText(name, QStringLiteral("%1,%1\r\n0,0,a\r\n").arg(n)); },
             [](TExStringGrid& g, const QString& name, int) { g.LoadFromFile(name); }, u','});
}
BENCHMARK(BM_GridTextSquareHeader)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_XMLWideRecord(benchmark::State& state) {
    measure(state, "wide.xml",
            {[](const QString& name, int n) {
                 QString text = QStringLiteral("<?xml version=\"1.0\"?>\n<list>\n<rec>\n");
                 for (int i = 0; i < n; ++i) text += QStringLiteral("<F%1>v%1</F%1>\n").arg(i);
                 writeText(name, text + QStringLiteral("</rec>\n</list>\n"));
             },
             [](TExStringGrid& g, const QString& name, int) { g.LoadFromXML(name); }, u'<'});
}
BENCHMARK(BM_XMLWideRecord)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_FixedWideLine(benchmark::State& state) {
    measure(state, "wide.fix",
            {[](const QString& name, int n) {
                 QString line;
                 for (int i = 0; i < n; ++i) line += QStringLiteral("%1").arg(i % 10000, 4, 10, QLatin1Char('0'));
                 writeText(name, line + QStringLiteral("\r\n"));
             },
             [](TExStringGrid& g, const QString& name, int n) {
                 TIntList positions(0, 0);
                 for (int i = 0; i <= n; ++i) positions.Add(1 + 4 * i);
                 g.LoadFromFixed(name, positions);
             },
             u'0'});
}
BENCHMARK(BM_FixedWideLine)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_BinaryWideRow(benchmark::State& state) {
    measure(state, "wide.bin",
            {[](const QString& name, int n) {
                 TExStringGrid source(nullptr);
                 source.SetFixedRows(0);
                 source.SetFixedCols(0);
                 source.SetColCount(n);
                 source.SetRowCount(1);
                 for (int i = 0; i < n; ++i) source.SetCells(i, 0, QStringLiteral("c%1").arg(i));
                 source.SaveToBinFile(name);
             },
             [](TExStringGrid& g, const QString& name, int) { g.LoadFromBinFile(name); }, u'\0'});
}
BENCHMARK(BM_BinaryWideRow)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // Freed memory stays with the process. Otherwise a 100,000-item import gets fresh pages from
    // the system at every repeat while a 10,000-item one reuses warm memory, and the scale would
    // measure page faults instead of the import's own growth.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 1024 * 1024 * 1024);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
