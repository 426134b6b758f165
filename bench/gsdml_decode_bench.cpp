// How long decoding a GSDML file takes, and how that compares with a plain parse of the same
// bytes, the practical limit of any decoder: "ratio" is the best decode time over the best
// parse time, so that other work on the machine disturbs it little.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QStringList>
#include <algorithm>
#include <limits>
#include <map>
#include <vector>

#include "bench/parse_timing.h"
#include "profinet/gsdml/gsdml.h"

namespace {

const QString folder = QStringLiteral(LW_VENDOR_TESTDATA "/gsdml/");
// Every GSDML file of the project's test data.
std::vector<QString> testFiles() {
    const QStringList names = QDir(folder).entryList({QStringLiteral("GSDML*.xml")}, QDir::Files, QDir::Name);
    return std::vector<QString>(names.begin(), names.end());
}

// The best plain parse of the files, measured once per set of files.
double parseSeconds(const std::vector<QString>& names) {
    static std::map<QStringList, double> measured;
    const QStringList key(names.begin(), names.end());
    if (const auto it = measured.find(key); it != measured.end()) return it->second;
    std::vector<QByteArray> texts;
    for (const QString& name : names) texts.push_back(bench::readBytes(folder + name));
    return measured[key] = bench::bestParseSeconds(texts);
}

// Runs work over the files once per iteration and sets the counters beside its time.
template <class F>
void measure(benchmark::State& state, const std::vector<QString>& names, F&& work) {
    int64_t bytes = 0;
    for (const QString& name : names) bytes += bench::readBytes(folder + name).size();
    const double parse = parseSeconds(names);

    double best = std::numeric_limits<double>::max();
    for (auto _ : state) {
        const bench::Clock::time_point start = bench::Clock::now();
        for (const QString& name : names) work(name);
        best = std::min(best, std::chrono::duration<double>(bench::Clock::now() - start).count());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["parse_ms"] = parse * 1e3;
    state.counters["ratio"] = best / parse;
}

// Decodes each file into a new TGSDML, as the catalog does; counts the time to destroy it too.
void BM_Decode_GSDML(benchmark::State& state, std::vector<QString> names) {
    measure(state, names, [&state](const QString& name) {
        TGSDML gsdml;
        if (!gsdml.Decode_GSDML(folder, name)) state.SkipWithError("a file did not decode");
    });
}

// The DOM's share of decoding: reading, converting and parsing the file.
void BM_Load_XML(benchmark::State& state, std::vector<QString> names) {
    measure(state, names, [](const QString& name) {
        TXMLDocument doc(nullptr);
        doc.LoadFromFile(folder + name);
    });
}

const bool registered = [] {
    const auto add = [](const char* what, auto function, const QString& label, const std::vector<QString>& names) {
        benchmark::RegisterBenchmark((QString(what) + "/" + label).toStdString().c_str(), function, names)
            ->Unit(benchmark::kMillisecond);
    };
    const std::vector<QString> files = testFiles();
    for (const QString& name : files) add("Decode_GSDML", BM_Decode_GSDML, name.section('-', 2, 3), {name});
    add("Decode_GSDML", BM_Decode_GSDML, "all", files);
    add("Load_XML", BM_Load_XML, "all", files);
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
