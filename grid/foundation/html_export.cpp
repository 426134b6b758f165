#include "grid/foundation/html_export.h"

#include "platform/system/clipboard.h"

namespace {

const QString DocumentStart = QStringLiteral(
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"
    "<html><head><META http-equiv=Content-Type content=\"text/html; charset=utf-8\"></head>"
    "<body><!--StartFragment-->");
const QString DocumentEnd = QStringLiteral("<!--EndFragment--></body></html>");

QString eightDigits(qsizetype n) { return QStringLiteral("%1").arg(n, 8, 10, QChar(u'0')); }

}  // namespace

QString CRToBR(const QString& S) {
    if (!S.contains(u'\r')) return S;
    return QString(S).replace(u'\r', QStringLiteral("<br>"));
}

QString ColorToHexRGB(TColor Color) {
    return QStringLiteral("%1%2%3")
        .arg(GetRValue(Color), 2, 16, QChar(u'0'))
        .arg(GetGValue(Color), 2, 16, QChar(u'0'))
        .arg(GetBValue(Color), 2, 16, QChar(u'0'))
        .toUpper();
}

void MakeHTMLClipboardText(QString& S) {
    const auto header = [](qsizetype startHTML, qsizetype endHTML, qsizetype startFragment, qsizetype endFragment) {
        return QStringLiteral("Version:1.0\r\nStartHTML:%1\r\nEndHTML:%2\r\nStartFragment:%3\r\nEndFragment:%4\r\n")
            .arg(eightDigits(startHTML), eightDigits(endHTML), eightDigits(startFragment), eightDigits(endFragment));
    };
    // The offsets count the bytes of the UTF-8 form, the form the clipboard carries.
    const qsizetype startHTML = header(0, 0, 0, 0).size();
    const qsizetype startFragment = startHTML + DocumentStart.toUtf8().size();
    const qsizetype endFragment = startFragment + S.toUtf8().size();
    S = header(startHTML, endFragment + DocumentEnd.toUtf8().size(), startFragment, endFragment) + DocumentStart + S + DocumentEnd;
}

void CopyHTMLToClipboard(const QString& Fragment, const QString& PlainText) {
    QString html = Fragment;
    MakeHTMLClipboardText(html);
    Clipboard().SetContent(PlainText, {{CF_HTML_FORMAT, html.toUtf8()}});
}
