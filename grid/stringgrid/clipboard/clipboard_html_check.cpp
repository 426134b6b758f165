// On a real display: cells copied as HTML reach another program through the desktop's clipboard
// with every character. This program copies, then starts itself as a second X client that reads
// the clipboard's HTML and the "HTML Format" data and prints them; the copying side keeps its
// event loop running meanwhile, as the clipboard's owner must.
#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/controls/application.h"
#include "platform/controls/form.h"
#include "platform/controls/timer.h"
#include "platform/system/clipboard.h"

#include <QProcess>

#include <cstdio>
#include <cstdlib>

namespace {

const QString Euro = QStringLiteral("\u20ac 5");
const QString Japanese = QStringLiteral("\u65e5\u672c\u8a9e");

[[noreturn]] void readClipboard() {
    const QByteArray html = DesktopClipboardHTML().toUtf8();
    const QByteArray format = Clipboard().FormatData(CF_HTML_FORMAT);
    std::fwrite(html.constData(), 1, size_t(html.size()), stdout);
    std::fputs("\n--\n", stdout);
    std::fwrite(format.constData(), 1, size_t(format.size()), stdout);
    std::fflush(stdout);
    // Out without the toolkit's teardown: this side never ran its event loop.
    std::_Exit(0);
}

}  // namespace

int main(int argc, char** argv) {
    Application->Initialize(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "--read") readClipboard();

    auto* form = new TForm(Application);
    Application->MainForm = form;
    auto* grid = new TExStringGrid(form);
    grid->SetParent(form);
    grid->SetColCount(3);
    grid->SetRowCount(2);
    grid->SetCells(1, 1, Euro);
    grid->SetCells(2, 1, Japanese);
    form->Show();
    grid->CopyToClipBoardAsHTML();

    QProcess reader;
    reader.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    reader.start(QString::fromLocal8Bit(argv[0]), {QStringLiteral("--read")});
    bool passed = false;
    auto* timer = new TTimer(form);
    timer->SetInterval(20);
    int ticks = 0;
    timer->OnTimer = [&](TObject*) {
        if (reader.state() != QProcess::NotRunning && ++ticks < 1000) return;
        const QByteArray out = reader.readAllStandardOutput();
        const qsizetype split = out.indexOf("\n--\n");
        const QString html = QString::fromUtf8(out.left(split));
        const QByteArray format = split < 0 ? QByteArray() : out.mid(split + 4);
        const bool inHtml = html.contains(Euro) && html.contains(Japanese);
        const bool inFormat = format.contains(Euro.toUtf8()) && format.contains(Japanese.toUtf8()) && format.contains("charset=utf-8");
        passed = inHtml && inFormat;
        std::printf("clipboard HTML as another program reads it:\n%s\nthe characters %s in the HTML, %s in \"HTML Format\"\n",
                    qPrintable(html), inHtml ? "kept" : "lost", inFormat ? "kept" : "lost");
        std::fflush(stdout);
        timer->SetEnabled(false);
        form->Close();
    };
    Application->Run();
    return passed ? 0 : 1;
}
