#pragma once

// The grid's rich text on the clipboard: UTF-16 code units (little-endian) ended by a zero unit,
// read back up to the first zero unit.

#include <QByteArray>
#include <QString>

inline const QString RichTextClipboardFormat = QStringLiteral("Rich Text Format");

QByteArray RichTextClipboardData(const QString& Rtf);
QString RichTextFromClipboardData(const QByteArray& Data);
