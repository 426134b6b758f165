// One full repaint of a 1280 x 1024 string grid window of plain text cells, for a grid of 100
// rows and one of 1,000,000 rows (the cost should follow the visible cells only, a ratio near
// 1), and the same frame with markup cells against plain ones. A scroll step (one wheel notch,
// or the thumb dragged to a new place) followed by the frame it asks for costs the same for
// both sizes too. A frame of mixed decorated cells is measured against the plain one.
#include <benchmark/benchmark.h>

#include <QString>
#include <memory>

#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/controls/form.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/controls/scroll_bar.h"
#include "platform/messages/message_ids.h"

namespace {

constexpr int kWidth = 1280, kHeight = 1024, kCols = 10, kShownRows = 60;

struct Window {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TExStringGrid* grid = new TExStringGrid(form.get());
    TBitmap bitmap{kWidth, kHeight};

    Window(int rows, bool markup) {
        form->SetBounds(0, 0, kWidth, kHeight);
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, kWidth, kHeight);
        grid->SetColCount(kCols);
        grid->SetRowCount(rows);
        grid->SetDefaultColWidth(kWidth / kCols);
        // Only the rows a frame shows get texts: the rest of a million rows would only cost
        // memory, which is not what is measured.
        for (int r = 0; r < std::min(rows, kShownRows); ++r)
            for (int c = 0; c < kCols; ++c)
                grid->SetCells(c, r, markup ? QStringLiteral("<B>Slot %1</B> <I>port %2</I>").arg(r).arg(c)
                                            : QStringLiteral("Slot %1 port %2").arg(r).arg(c));
        form->HandleNeeded();
    }
    void paint() { grid->Perform(WM_PAINT, 0, reinterpret_cast<intptr_t>(&bitmap.Canvas())); }
};

void BM_RepaintPlain(benchmark::State& state) {
    Window window(int(state.range(0)), false);
    for (auto _ : state) window.paint();
    state.counters["frames_per_s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RepaintPlain)->Arg(100)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_RepaintMarkup(benchmark::State& state) {
    Window window(100, true);
    for (auto _ : state) window.paint();
    state.counters["frames_per_s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RepaintMarkup)->Unit(benchmark::kMillisecond);

// With automatic filter values every header cell of the filter row asks whether its column offers
// any: that answer must not read the column's rows, so the two sizes cost the same here too.
void BM_RepaintFilterRow(benchmark::State& state) {
    Window window(int(state.range(0)), false);
    window.grid->SetFilterDropDownAuto(true);
    for (auto _ : state) window.paint();
    state.counters["frames_per_s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RepaintFilterRow)->Arg(100)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Every iteration scrolls: a wheel notch down (back to the top at the end), or the thumb to the
// next of its 128 places; then the frame is painted.
void BM_ScrollStep(benchmark::State& state) {
    Window window(int(state.range(0)), false);
    const bool byThumb = state.range(1) != 0;
    TExStringGrid& grid = *window.grid;
    // Every row a scroll reaches shows text, as the first rows do: an empty frame would cost less.
    grid.OnGetDisplText = [](TObject*, int ACol, int ARow, QString& Value) {
        if (Value.isEmpty()) Value = QStringLiteral("Slot %1 port %2").arg(ARow).arg(ACol);
    };
    int thumb = 0;
    for (auto _ : state) {
        if (byThumb) {
            thumb = (thumb + 1) % 128;
            grid.Perform(WM_VSCROLL, (uintptr_t(thumb) << 16) | SB_THUMBPOSITION);
        } else {
            if (grid.Row() >= grid.RowCount() - 1) grid.SetRow(1);
            grid.Perform(WM_MOUSEWHEEL, uintptr_t(uint16_t(-120)) << 16, 0);
        }
        window.paint();
    }
    state.counters["frames_per_s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ScrollStep)->Args({100, 0})->Args({1000000, 0})->Args({100, 1})->Args({1000000, 1})->Unit(benchmark::kMillisecond);

// The same frame with every cell a decorated kind, ten kinds in turn, against plain text cells:
// decorations should cost a small multiple of the text alone.
void BM_RepaintMixedKinds(benchmark::State& state) {
    Window window(100, false);
    TExStringGrid& grid = *window.grid;
    TBitmap glyph(16, 16);
    glyph.Canvas().Brush.Color = clRed;
    glyph.Canvas().FillRect({0, 0, 16, 16});
    for (int r = 1; r < kShownRows; ++r)
        for (int c = 1; c < kCols; ++c) {
            switch ((r + c) % 10) {
            case 0: grid.AddProgress(c, r, clGreen, clWhite); break;
            case 1: grid.AddRating(c, r, 5, clYellow, clSilver); break;
            case 2: grid.AddShape(c, r, csCircle, clRed, clBlack, haBeforeText, vaCenter); break;
            case 3: grid.AddComment(c, r, QStringLiteral("note")); break;
            case 4: grid.AddButton(c, r, 40, 16, QStringLiteral("Go"), haRight, vaCenter); break;
            case 5: grid.AddCheckBox(c, r, (r & 1) != 0, false); break;
            case 6: grid.AddBitmap(c, r, &glyph, true, haBeforeText, vaCenter); break;
            case 7: grid.AddProgressPie(c, r, clBlue, 60); break;
            case 8: grid.AddRangeIndicator(c, r, 100, clRed, clGreen, true); break;
            default: grid.AddExProgress(c, r, 0, 100); break;
            }
            if ((r + c) % 10 == 0 || (r + c) % 10 == 1 || (r + c) % 10 == 8 || (r + c) % 10 == 9)
                grid.SetCells(c, r, QString::number((r * 7 + c) % 100));
        }
    for (auto _ : state) window.paint();
    state.counters["frames_per_s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RepaintMixedKinds)->Unit(benchmark::kMillisecond);

}  // namespace
