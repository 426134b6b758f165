#include "tables/export_file.h"

#include "platform/core/exception.h"
#include "platform/system/files.h"

QByteArray Export_Lines(const QStringList& Lines) {
    QByteArray text;
    for (const QString& line : Lines) text += line.toLatin1() + "\r\n";
    return text;
}

void Write_Export_File(const QString& FileName, const QByteArray& Bytes) {
    QString reason;
    if (!WriteFileAtomic(FileName, Bytes, &reason))
        throw Exception(QStringLiteral("Cannot create file \"%1\": %2.").arg(FileName, reason));
}
