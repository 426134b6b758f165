#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// How the bytes of a text file were read.
enum class TTextEncoding { Utf8, Utf16LE, Utf16BE, Windows1252 };

// A whole text file as lines.
struct TTextFileLines {
    bool Ok = false;  // false when the file could not be opened or read
    QString Error;    // the system's reason when not Ok
    TTextEncoding Encoding = TTextEncoding::Utf8;
    QStringList Lines;
};

// Decodes the bytes of a whole text file. A byte-order mark selects UTF-8, UTF-16 LE or
// UTF-16 BE and is dropped. Without one the bytes are UTF-8 when they are valid UTF-8, else
// Windows-1252, which stands in for the system's ANSI code page: it maps every byte, so no
// file is refused ("¶" is 0xB6 there).
QString DecodeText(const QByteArray& bytes, TTextEncoding* encoding = nullptr);

// The bytes of a text in an encoding, with the byte-order mark of the Unicode ones when
// ByteOrderMark. Windows-1252 writes "?" for a character it cannot hold.
QByteArray EncodeText(const QString& text, TTextEncoding encoding, bool ByteOrderMark);

// Splits a text into lines at CR, LF and CR LF. A line end closes its line, so a text that ends
// with one has no empty last line, and the empty text has no lines at all.
QStringList SplitTextLines(const QString& text);

// Reads a whole text file and splits it into lines (DecodeText, SplitTextLines).
TTextFileLines ReadTextFileLines(const QString& fileName);
