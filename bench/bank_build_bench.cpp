// How long the update step's build of the three banks takes for one configuration, in memory
// and with the bank files written.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "config/banks/bank_buffers.h"
#include "config/banks/bank_files.h"
#include "platform/system/files.h"
#include "platform/xml/xml_document.h"
#include "common/state/program_state.h"

namespace {

// A certificate-sized block of text, as the TLS fields hold.
QString pem(const char* label, int lines) {
    QString text = QStringLiteral("-----BEGIN %1-----\n").arg(label);
    for (int i = 0; i < lines; ++i) text += QString(64, QChar('A' + i % 26)) + '\n';
    return text + QStringLiteral("-----END %1-----").arg(label);
}

// A configuration folder with a full ParGen.xml, TLS material included.
class TBenchProject {
public:
    TBenchProject() {
        Project_Path = dir_.path();
        Set_Project_Files();
        ForceDirectories(Project_Path + "/bin");
        QString xml = "<Par_Gen>";
        const auto add = [&xml](const QString& name, const QString& text) {
            xml += QString("<%1>%2</%1>").arg(name, text.toHtmlEscaped());
        };
        const char* address[] = {"10", "0", "0", "5"};
        for (int i = 0; i < 4; ++i) {
            add(QString("PROFINET_Master_IP%1").arg(i + 1), address[i]);
            add(QString("PROFINET_Master_SM%1").arg(i + 1), i < 3 ? "255" : "0");
            add(QString("PROFINET_Master_GAT%1").arg(i + 1), i < 3 ? address[i] : "1");
        }
        add("PROFINET_Master_EN_GAT", "1");
        add("PROFINET_Master_NAME_STA", "plc-north");
        add("IEC61850_Server_Port", "102");
        add("TLS_Server_Enable", "1");
        add("TLS_Server_Key", pem("PRIVATE KEY", 26));
        add("TLS_Server_Key_Password", "secret");
        add("TLS_Server_Server_Certificate", pem("CERTIFICATE", 20));
        add("TLS_Server_Root_Certificate", pem("CERTIFICATE", 20));
        add("TLS_Server_Enable_Known_Cert", "1");
        QFile file(File_ParGen);
        if (file.open(QIODevice::WriteOnly)) file.write((xml + "</Par_Gen><!--SW_VERSION = 1.001-->").toUtf8());
    }

private:
    QTemporaryDir dir_;
};

void BM_Create_Bin(benchmark::State& state) {
    TBenchProject project;
    TXMLDocument xml(nullptr);
    for (auto _ : state) {
        Create_Bin(xml);
        benchmark::DoNotOptimize(Bank3_Len);
    }
    state.counters["bank3_bytes"] = Bank3_Len;
}

void BM_Create_Bin_And_Save(benchmark::State& state) {
    TBenchProject project;
    TXMLDocument xml(nullptr);
    for (auto _ : state) {
        Create_Bin(xml);
        if (!Write_Bin_Files().isEmpty()) state.SkipWithError("a bank file could not be written");
    }
}

}  // namespace

BENCHMARK(BM_Create_Bin)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Create_Bin_And_Save)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
