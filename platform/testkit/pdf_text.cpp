#include "platform/testkit/pdf_text.h"

#include <QProcess>

QStringList PdfPageTexts(const QString& fileName) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), fileName, QStringLiteral("-")});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0) return {};
    QStringList pages = QString::fromUtf8(tool.readAllStandardOutput()).split('\f');
    // A form feed ends every page, the last one included.
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}
