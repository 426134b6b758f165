// Printing a string grid of 10,000 rows and 5 columns to a PDF file through the process's
// printer (A4, the toolkit's PDF output): the page count and the whole job, in pages per second.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <memory>

#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/controls/form.h"
#include "platform/graphics/printer.h"

namespace {

constexpr int kRows = 10000, kCols = 5;

struct PrintedGrid {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TExStringGrid* grid = new TExStringGrid(form.get());
    QString file = QDir::temp().filePath(QStringLiteral("loomwright_print_bench.pdf"));

    PrintedGrid() {
        grid->SetParent(form.get());
        grid->SetColCount(kCols);
        grid->SetRowCount(kRows);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) grid->SetCells(c, r, QStringLiteral("Row %1 field %2").arg(r).arg(c));
        form->HandleNeeded();
        Printer().SetOutputFileName(file);
        Printer().SetPaperSize(210, 297);
    }
    ~PrintedGrid() {
        Printer().SetOutputFileName(QString());
        QFile::remove(file);
    }
};

void BM_PrintToPdf(benchmark::State& state) {
    PrintedGrid printed;
    printed.grid->FastPrint = state.range(0) != 0;
    int pages = 0;
    printed.grid->OnPrintPage = [&](TObject*, TCanvas&, int, int, int) { ++pages; };
    for (auto _ : state) printed.grid->Print();
    state.counters["pages"] = double(pages) / double(state.iterations());
    state.counters["pages_per_s"] = benchmark::Counter(double(pages), benchmark::Counter::kIsRate);
}
// 0: the pages are counted first, as Print does; 1: FastPrint, no count.
BENCHMARK(BM_PrintToPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
