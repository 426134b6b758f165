// The entry of benchmarks that draw: fonts and canvases need the toolkit, headless.
#include <benchmark/benchmark.h>

#include <QByteArray>

#include "platform/controls/application.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Left alive at exit, as the toolkit's own statics go first.
    auto* application = new TApplication;
    application->Initialize(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
