// How fast the markup renderer measures and draws a cell's formatted text: a typical cell text
// (a few tags, 40 visible characters) and a long one (5,000 characters, many tags). Beside the
// time per call, "ratio_to_plain" compares it with the canvas laying out the same visible text
// on its own, measured the same way in the same benchmark.
#include <benchmark/benchmark.h>

#include <QString>
#include <chrono>

#include "grid/foundation/html_renderer.h"
#include "grid/foundation/html_text.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

namespace {

const QString& cellText() {
    static const QString text =
        "<B>Slot 3:</B> <FONT COLOR=\"clred\">fault</FONT> on <A HREF=\"p2\">port 2</A> <I>(retry)</I>";
    return text;
}

// Paragraphs of tagged text repeated up to 5,000 characters of markup.
const QString& longText() {
    static const QString text = [] {
        const QString paragraph =
            "<P ALIGN=\"LEFT\">The <B>device</B> at <A HREF=\"dev\">192.168.2.205</A> answered with "
            "<FONT COLOR=\"clred\" SIZE=\"3\">error 17</FONT>; the <I>module</I> in slot <U>4</U> reports "
            "x<SUB>2</SUB> &amp; y<SUP>3</SUP> and <HI>needs attention</HI>.</P><BR>";
        QString t;
        while (t.size() + paragraph.size() <= 5000) t += paragraph;
        return t;
    }();
    return text;
}

// The visible text, as the canvas alone would lay it out.
QString plainOf(const QString& markup) { return StripHTMLTags(markup).replace("&amp;", "&"); }

struct Surface {
    TBitmap bitmap{400, 4000};
    TCanvas& canvas = bitmap.Canvas();
    Surface() {
        canvas.Font.SetName("Tahoma");
        canvas.Font.SetHeight(-11);
    }
};

using Clock = std::chrono::steady_clock;

// Times plain() over as many calls as the benchmark makes of work(), then reports both per call.
template <class Work, class Plain>
void compare(benchmark::State& state, Work&& work, Plain&& plain) {
    Clock::time_point start = Clock::now();
    for (auto _ : state) work();
    const double workNs = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    const int64_t calls = state.iterations();
    start = Clock::now();
    for (int64_t i = 0; i < calls; ++i) plain();
    const double plainNs = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    state.counters["us_per_call"] = workNs / 1000.0 / double(calls);
    state.counters["plain_us_per_call"] = plainNs / 1000.0 / double(calls);
    state.counters["ratio_to_plain"] = workNs / plainNs;
}

// The renderer measuring (or drawing) markup in r, against the canvas measuring (or drawing) its
// visible text with word breaks.
void layOut(benchmark::State& state, const QString& markup, TRect r, bool measureOnly) {
    Surface s;
    const QString plain = plainOf(markup);
    THTMLDrawOptions o;
    o.MeasureOnly = measureOnly;
    const unsigned plainFlags = DT_WORDBREAK | (measureOnly ? unsigned(DT_CALCRECT) : 0u);
    compare(
        state,
        [&] {
            THTMLDrawResults results;
            DrawHTMLText(s.canvas, markup, r, o, results);
            benchmark::DoNotOptimize(results.TotalHeight);
        },
        [&] {
            TRect area = r;
            benchmark::DoNotOptimize(s.canvas.DrawText(plain, area, plainFlags));
        });
}

const TRect CellRect{0, 0, 400, 20};
const TRect PageRect{0, 0, 400, 4000};

void BM_MeasureCellText(benchmark::State& state) { layOut(state, cellText(), CellRect, true); }
void BM_DrawCellText(benchmark::State& state) { layOut(state, cellText(), CellRect, false); }
void BM_MeasureLongText(benchmark::State& state) { layOut(state, longText(), PageRect, true); }
void BM_DrawLongText(benchmark::State& state) { layOut(state, longText(), PageRect, false); }
BENCHMARK(BM_MeasureCellText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawCellText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MeasureLongText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawLongText)->Unit(benchmark::kMillisecond);

}  // namespace
