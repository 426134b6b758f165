// Typing into drop-downs whose lists hold 100,000 items: one keystroke (key down, character,
// key up) in the edit of the grid drop-down and of the multi-column drop-down, with the
// completion and the lookup each going over every item for a letter that matches none or only
// the last; and one character typed into the grid drop-down's open list, which moves the list
// to the last row. Times are per keystroke.
#include <benchmark/benchmark.h>

#include <QString>
#include <memory>

#include "grid/editors/dropdown/grid_dropdown.h"
#include "grid/editors/dropdown/multi_column_dropdown.h"
#include "platform/controls/form.h"

namespace {

constexpr int kItems = 100000;

template <typename DropDown>
struct TypedDropDown {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    DropDown* dd = new DropDown(form.get());

    TypedDropDown() {
        form->SetBounds(100, 100, 400, 300);
        dd->SetParent(form.get());
        dd->SetBounds(10, 20, 200, 21);
        dd->Columns().Add().Header = QStringLiteral("Name");
        dd->Columns().Add().Header = QStringLiteral("Code");
        // Names sharing a long start, so that a comparison reads well into each of them.
        for (int i = 0; i < kItems; ++i)
            dd->Items().Add({QStringLiteral("Station %1").arg(i, 6, 10, QChar('0')), QString::number(i * 7)});
        dd->EndUpdate();
        form->HandleNeeded();
    }

    // A key going down, its character and the key coming up, as the edit receives them.
    void keystroke(QChar ch) {
        const auto key = static_cast<uintptr_t>(ch.toUpper().unicode());
        dd->Perform(WM_KEYDOWN, key, 0);
        dd->Perform(WM_CHAR, ch.unicode(), 0);
        dd->Perform(WM_KEYUP, key, 0);
    }
};

// Typed into an empty edit: 0, "x", which starts no item, so that every list is read whole;
// 1, "Station 09999" letter by letter, whose last letters find items near the end.
template <typename DropDown>
void typeInEdit(benchmark::State& state) {
    TypedDropDown<DropDown> t;
    const QString typed = state.range(0) == 0 ? QStringLiteral("x") : QStringLiteral("Station 09999");
    int strokes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        t.dd->SetItemIndex(-1);
        t.dd->SetText(QString());
        t.dd->Perform(CM_ENTER);
        state.ResumeTiming();
        for (QChar ch : typed) t.keystroke(ch);
        strokes += static_cast<int>(typed.size());
    }
    state.counters["item"] = t.dd->ItemIndex();
    state.counters["s_per_keystroke"] =
        benchmark::Counter(double(strokes), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_GridDropDownTypeInEdit(benchmark::State& state) { typeInEdit<TExGridDropDown>(state); }
void BM_MultiColumnTypeInEdit(benchmark::State& state) { typeInEdit<TExMultiColumnDropDown>(state); }
BENCHMARK(BM_GridDropDownTypeInEdit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MultiColumnTypeInEdit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The open list of 100,000 rows: the letters of the last item typed into it, one by one.
void BM_GridDropDownTypeInOpenList(benchmark::State& state) {
    TypedDropDown<TExGridDropDown> t;
    t.form->Show();
    const QString typed = QStringLiteral("Station 099999");
    int strokes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        t.dd->SetItemIndex(0);
        t.dd->ShowDropDown();
        state.ResumeTiming();
        for (QChar ch : typed) t.dd->Grid()->OnKeyPress(t.dd->Grid(), ch);
        strokes += static_cast<int>(typed.size());
        state.PauseTiming();
        t.dd->HideDropDown(true);
        state.ResumeTiming();
    }
    state.counters["row"] = t.dd->Grid()->Row();
    state.counters["s_per_keystroke"] =
        benchmark::Counter(double(strokes), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_GridDropDownTypeInOpenList)->Unit(benchmark::kMillisecond)->Iterations(3);

// Opening the list: 100,000 rows filled into the grid.
void BM_GridDropDownOpen(benchmark::State& state) {
    TypedDropDown<TExGridDropDown> t;
    t.form->Show();
    for (auto _ : state) {
        t.dd->ShowDropDown();
        state.PauseTiming();
        t.dd->HideDropDown(true);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_GridDropDownOpen)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
