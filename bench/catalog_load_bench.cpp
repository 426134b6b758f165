// How fast the loader fills the catalog from a folder of many GSDML files: the folder holds
// copies of the vendor device descriptions under names of their own. "files/s" counts the
// files decoded and filed per second; "per_file_vs_30" is the best time per file over that of
// the 30-file folder (1 when loading grows linearly with the files); "vs_parse" is the best
// load over the best plain parse of the same files, already in memory.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <limits>
#include <map>
#include <memory>
#include <vector>

#include "bench/parse_timing.h"
#include "profinet/catalog/catalog.h"
#include "profinet/catalog/catalog_loader.h"
#include "common/state/program_state.h"

namespace {

const QString vendorFolder = QStringLiteral(LW_VENDOR_TESTDATA "/gsdml/");

// A catalog folder of the given number of files, copies of the vendor files in turn, removed
// with the object.
class CatalogFolder {
public:
    explicit CatalogFolder(int files) {
        dir_.setAutoRemove(true);
        const QStringList names = QDir(vendorFolder).entryList({QStringLiteral("GSDML*.xml")}, QDir::Files, QDir::Name);
        std::vector<QByteArray> vendorTexts;
        for (const QString& name : names) vendorTexts.push_back(bench::readBytes(vendorFolder + name));
        for (int i = 0; i < files && !names.isEmpty(); ++i) {
            const qsizetype vendor = i % names.size();
            const QByteArray& bytes = vendorTexts[size_t(vendor)];
            // Written afresh rather than copied: the vendor files are read-only, and the loader
            // leaves read-only files out.
            QFile out(dir_.filePath(QString("GSDML-%1-%2").arg(i).arg(names[vendor].mid(6))));
            if (out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size()) texts_.push_back(bytes);
        }
    }
    QString path() const { return dir_.path(); }
    int files() const { return int(texts_.size()); }
    // The bytes of every file, in memory.
    const std::vector<QByteArray>& texts() const { return texts_; }

private:
    QTemporaryDir dir_{QDir::tempPath() + "/loomwright-bench-XXXXXX"};
    std::vector<QByteArray> texts_;
};

// The files filed anywhere in the catalog.
size_t filedFiles(const TPROFINET_Catalog& catalog) {
    size_t filed = 0;
    for (const auto& mainFamily : catalog.MainFamily_list)
        for (const auto& vendor : mainFamily->Vendor_List)
            for (const auto& productFamily : vendor->ProductFamily_List) filed += productFamily->GSDML_List.size();
    return filed;
}

// The best time per file of each folder size measured so far.
std::map<int, double> bestPerFile;

// The loader's scan, run on this thread into a new catalog, its destruction included.
void BM_Load_Catalog(benchmark::State& state) {
    const CatalogFolder folder(static_cast<int>(state.range(0)));
    Catalog_Dir = folder.path();
    double best = std::numeric_limits<double>::max();
    size_t filed = 0;
    for (auto _ : state) {
        const bench::Clock::time_point start = bench::Clock::now();
        auto catalog = std::make_unique<TPROFINET_Catalog>();
        PROFINET_Catalog_Obj = catalog.get();
        TPROFINETCatLoad loader(true, nullptr, nullptr);
        loader.Load_Catalog();
        filed = filedFiles(*catalog);
        PROFINET_Catalog_Obj = nullptr;
        catalog.reset();
        best = std::min(best, std::chrono::duration<double>(bench::Clock::now() - start).count());
    }
    if (filed != static_cast<size_t>(folder.files())) state.SkipWithError("not every file was filed");

    const double perFile = best / folder.files();
    bestPerFile[folder.files()] = perFile;
    state.counters["files"] = folder.files();
    state.counters["files/s"] =
        benchmark::Counter(double(folder.files()) * double(state.iterations()), benchmark::Counter::kIsRate);
    if (const auto small = bestPerFile.find(30); small != bestPerFile.end())
        state.counters["per_file_vs_30"] = perFile / small->second;
    state.counters["vs_parse"] = best / bench::bestParseSeconds(folder.texts());
}

// 30, 150 and 600 files; each size loads a few times so that its best run counts.
BENCHMARK(BM_Load_Catalog)->Arg(30)->Arg(150)->Arg(600)->MinTime(4)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
