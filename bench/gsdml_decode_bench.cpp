// How long decoding a GSDML file takes, and how that compares with a plain parse of the same
// bytes, the practical limit of any decoder: "ratio" is the best decode time over the best
// parse time, both taken in turn in the same runs, so that other work on the machine disturbs
// them alike. "ratio_file" compares the same best decode with the best plain parse of the
// file read by the parser itself, as any decoder of a file must read it first: for small files
// the system's calls that open and read a file cost about as much as parsing it. The files are the large vendor descriptions and small ones of about 10 KB, where
// what a decode costs per document, not per element, shows.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QStringList>
#include <algorithm>
#include <limits>
#include <vector>

#include "bench/parse_timing.h"
#include "profinet/gsdml/gsdml.h"

namespace {

const QString vendorFolder = QStringLiteral(LW_VENDOR_TESTDATA "/gsdml/");
const QString smallFolder = QStringLiteral(LW_SMALL_GSDML_TESTDATA "/");

// A file as the catalog names it to the decoder: its folder, ending with the separator, and
// its name.
struct TestFile {
    QString folder;
    QString name;
};

// Every GSDML file of both folders.
std::vector<TestFile> testFiles() {
    std::vector<TestFile> files;
    for (const QString& folder : {vendorFolder, smallFolder})
        for (const QString& name : QDir(folder).entryList({QStringLiteral("GSDML*.xml")}, QDir::Files, QDir::Name))
            files.push_back({folder, name});
    return files;
}

// Runs work over the files once per iteration, each run followed by a plain parse of the same
// bytes from memory and one of the files themselves, and sets the counters beside its time;
// the time is work's alone.
template <class F>
void measure(benchmark::State& state, const std::vector<TestFile>& files, F&& work) {
    std::vector<QByteArray> texts;
    std::vector<QString> paths;
    int64_t bytes = 0;
    for (const TestFile& file : files) {
        paths.push_back(file.folder + file.name);
        texts.push_back(bench::readBytes(paths.back()));
        bytes += texts.back().size();
    }
    double best = std::numeric_limits<double>::max();
    double parse = std::numeric_limits<double>::max();
    double parseFile = std::numeric_limits<double>::max();
    for (auto _ : state) {
        const bench::Clock::time_point start = bench::Clock::now();
        for (const TestFile& file : files) work(file);
        const double elapsed = std::chrono::duration<double>(bench::Clock::now() - start).count();
        best = std::min(best, elapsed);
        state.SetIterationTime(elapsed);
        parse = std::min(parse, bench::parseSeconds(texts));
        parseFile = std::min(parseFile, bench::parseFilesSeconds(paths));
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["parse_ms"] = parse * 1e3;
    state.counters["ratio"] = best / parse;
    state.counters["parse_file_ms"] = parseFile * 1e3;
    state.counters["ratio_file"] = best / parseFile;
}

// Decodes each file into a new TGSDML, as the catalog does; counts the time to destroy it too.
void BM_Decode_GSDML(benchmark::State& state, std::vector<TestFile> files) {
    measure(state, files, [&state](const TestFile& file) {
        TGSDML gsdml;
        if (!gsdml.Decode_GSDML(file.folder, file.name)) state.SkipWithError("a file did not decode");
    });
}

// The DOM's share of decoding: reading, converting and parsing the file. For the small files
// the system's calls that open and read a file already cost about as much as the parse.
void BM_Load_XML(benchmark::State& state, std::vector<TestFile> files) {
    measure(state, files, [](const TestFile& file) {
        TXMLDocument doc(nullptr);
        doc.LoadFromFile(file.folder + file.name);
    });
}

const bool registered = [] {
    const auto add = [](const char* what, auto function, const QString& label, const std::vector<TestFile>& files) {
        benchmark::RegisterBenchmark((QString(what) + "/" + label).toStdString().c_str(), function, files)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->MinTime(0.5);
    };
    const std::vector<TestFile> files = testFiles();
    for (const TestFile& file : files) {
        add("Decode_GSDML", BM_Decode_GSDML, file.name.section('-', 2, 3), {file});
        add("Load_XML", BM_Load_XML, file.name.section('-', 2, 3), {file});
    }
    add("Decode_GSDML", BM_Decode_GSDML, "all", files);
    add("Load_XML", BM_Load_XML, "all", files);
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
