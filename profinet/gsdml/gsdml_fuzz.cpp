// libFuzzer entry for the decoder: each input is written as a GSDML file and decoded, then the
// decoded tree is looked up the way its users do. Built only with clang and -DLW_FUZZ=ON.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>

#include "platform/core/exception.h"
#include "profinet/gsdml/gsdml.h"

namespace {

// One folder per process, so parallel fuzzing jobs do not share their file.
const QString& fuzzFolder() {
    static const QString folder = [] {
        const QString path =
            QDir::tempPath() + QStringLiteral("/lw_gsdml_fuzz_%1/").arg(QCoreApplication::applicationPid());
        QDir().mkpath(path);
        return path;
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString name = QStringLiteral("GSDML-fuzz.xml");
    {
        QFile file(fuzzFolder() + name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    TGSDML gsdml;
    try {
        gsdml.Decode_GSDML(fuzzFolder(), name);
    } catch (const Exception&) {
        return 0;  // not well-formed XML: the parser's error is the expected answer
    }
    // The lookups the network editor makes on a decoded tree.
    const TApplicationProcess& process = gsdml.ProfileBody.ApplicationProcess;
    if (process.ValueList)
        for (const auto& item : process.ValueList->ValueItemList)
            for (const auto& assign : item->AssignmentsList) {
                gsdml.GetString_ExternalTextList(assign->TextId());
                gsdml.GetValuesFromValueList(assign->Content());
            }
    if (process.CategoryList)
        for (const auto& item : process.CategoryList->CategoryList) gsdml.GetString_ExternalTextList(item->TextId());
    return 0;
}
