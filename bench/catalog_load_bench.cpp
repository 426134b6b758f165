// How fast the loader fills the catalog from a folder of many GSDML files: the folder holds
// copies of the vendor device descriptions under names of their own, and "files/s" counts
// the files decoded and filed per second.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "profinet/catalog/catalog.h"
#include "profinet/catalog/catalog_loader.h"
#include "shell/common/program_state.h"

namespace {

const QString vendorFolder = QStringLiteral(LW_VENDOR_TESTDATA "/gsdml/");
const QStringList vendorFiles = {
    "GSDML-V2.25-ABB-FENA-20130603.xml",
    "GSDML-V2.35-HILSCHER-NIOT-E-NPI3-51-EN-RE-20201005.xml",
    "GSDML-V2.41-LEUZE-BCL248i-20211213.xml",
};

// A catalog folder of copies of the vendor files, removed with the object.
class CatalogFolder {
public:
    explicit CatalogFolder(int copiesOfEach) {
        dir_.setAutoRemove(true);
        for (const QString& name : vendorFiles) {
            QFile in(vendorFolder + name);
            if (!in.open(QIODevice::ReadOnly)) continue;
            const QByteArray bytes = in.readAll();
            // Written afresh rather than copied: the vendor files are read-only, and the loader
            // leaves read-only files out.
            for (int i = 0; i < copiesOfEach; ++i) {
                QFile out(dir_.filePath(QString("GSDML-%1-%2").arg(i).arg(name.mid(6))));
                if (out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size()) ++files_;
            }
        }
    }
    QString path() const { return dir_.path(); }
    int files() const { return files_; }

private:
    QTemporaryDir dir_{QDir::tempPath() + "/loomwright-bench-XXXXXX"};
    int files_ = 0;
};

// The loader's scan, run on this thread into a new catalog, its destruction included.
void BM_Load_Catalog(benchmark::State& state) {
    const CatalogFolder folder(static_cast<int>(state.range(0)));
    Catalog_Dir = folder.path();
    size_t filed = 0;
    for (auto _ : state) {
        auto catalog = std::make_unique<TPROFINET_Catalog>();
        PROFINET_Catalog_Obj = catalog.get();
        TPROFINETCatLoad loader(true, nullptr, nullptr);
        loader.Load_Catalog();
        filed = 0;
        for (const auto& mainFamily : catalog->MainFamily_list)
            for (const auto& vendor : mainFamily->Vendor_List)
                for (const auto& productFamily : vendor->ProductFamily_List) filed += productFamily->GSDML_List.size();
        PROFINET_Catalog_Obj = nullptr;
    }
    if (filed != static_cast<size_t>(folder.files())) state.SkipWithError("not every file was filed");
    state.counters["files"] = folder.files();
    state.counters["files/s"] =
        benchmark::Counter(double(folder.files()) * double(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_Load_Catalog)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
