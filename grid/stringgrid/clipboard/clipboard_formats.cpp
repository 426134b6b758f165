#include "grid/stringgrid/clipboard/clipboard_formats.h"

#include "platform/system/text_file.h"

QByteArray RichTextClipboardData(const QString& Rtf) {
    return EncodeText(Rtf + QChar(u'\0'), TTextEncoding::Utf16LE, false);
}

QString RichTextFromClipboardData(const QByteArray& Data) {
    QString text;
    for (qsizetype i = 0; i + 1 < Data.size(); i += 2) {
        const char16_t unit = char16_t(uchar(Data[i]) | (uchar(Data[i + 1]) << 8));
        if (unit == 0) break;
        text += QChar(unit);
    }
    return text;
}
