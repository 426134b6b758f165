// How long decoding a GSDML file takes, and how that compares with a plain parse of the same
// bytes, the practical limit of any decoder: "ratio" is decode time over parse time.
#include <benchmark/benchmark.h>

#include <QFile>
#include <chrono>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "profinet/gsdml/gsdml.h"

namespace {

const QString folder = QStringLiteral(LW_VENDOR_TESTDATA "/gsdml/");
const std::vector<QString> files = {
    "GSDML-V2.25-ABB-FENA-20130603.xml",
    "GSDML-V2.35-HILSCHER-NIOT-E-NPI3-51-EN-RE-20201005.xml",
    "GSDML-V2.41-LEUZE-BCL248i-20211213.xml",
};

using Clock = std::chrono::steady_clock;

QByteArray readFile(const QString& name) {
    QFile f(folder + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Seconds taken by f, averaged over enough runs to last a quarter of a second.
template <class F>
double secondsPerRun(F&& f) {
    f();  // warm up
    int runs = 0;
    const Clock::time_point start = Clock::now();
    std::chrono::duration<double> elapsed{};
    do {
        f();
        ++runs;
        elapsed = Clock::now() - start;
    } while (elapsed.count() < 0.25);
    return elapsed.count() / runs;
}

// A plain parse of the files' bytes, already in memory, with the options the DOM uses.
double parseSeconds(const std::vector<QString>& names) {
    static std::map<QStringList, double> measured;
    const QStringList key(names.begin(), names.end());
    if (const auto it = measured.find(key); it != measured.end()) return it->second;
    std::vector<QByteArray> bytes;
    for (const QString& name : names) bytes.push_back(readFile(name));
    const unsigned options = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments | pugi::parse_pi;
    return measured[key] = secondsPerRun([&] {
        for (const QByteArray& b : bytes) {
            pugi::xml_document doc;
            const pugi::xml_parse_result result = doc.load_buffer(b.constData(), size_t(b.size()), options);
            benchmark::DoNotOptimize(result.status);
        }
    });
}

// Runs work over the files and sets the counters beside its time.
template <class F>
void measure(benchmark::State& state, const std::vector<QString>& names, F&& work) {
    int64_t bytes = 0;
    for (const QString& name : names) bytes += readFile(name).size();
    const double parse = parseSeconds(names);

    const Clock::time_point start = Clock::now();
    for (auto _ : state)
        for (const QString& name : names) work(name);
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    const double seconds = elapsed.count() / double(state.iterations());

    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["parse_ms"] = parse * 1e3;
    state.counters["ratio"] = seconds / parse;
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
    for (const QString& name : files) add("Decode_GSDML", BM_Decode_GSDML, name.section('-', 2, 3), {name});
    add("Decode_GSDML", BM_Decode_GSDML, "all", files);
    add("Load_XML", BM_Load_XML, "all", files);
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
