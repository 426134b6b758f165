#pragma once

// What the grid's exchange formats share: whole files read and written at once, the text
// encodings they are written in, and the progress they report.

#include "platform/system/atomic_file.h"
#include "platform/system/text_file.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class TExStringGrid;

// The decoded text of a whole file (its encoding from a byte-order mark, else UTF-8 when valid,
// else ANSI). A missing or unreadable file, or a folder, raises the file error.
QString ReadExchangeText(const QString& FileName, TTextEncoding* Encoding = nullptr);
// The file's bytes, with the same errors.
QByteArray ReadExchangeBytes(const QString& FileName);
// Replaces the file as a whole: written beside it and renamed over it, so a failure leaves the
// old file as it was. Raises Failure (or the file error when empty) followed by the system's
// reason when it cannot be written.
void WriteExchangeFile(const QString& FileName, const QByteArray& Bytes, const QString& Failure = QString());
// Each line ended by CR LF, in the encoding, with a byte-order mark when BOM.
QByteArray ExchangeLines(const QStringList& Lines, TTextEncoding Encoding, bool BOM);

// A file written in pieces while its text is made, so that a large export never holds the
// whole text at once; like WriteExchangeFile it replaces the file only on Commit. A writer
// destroyed before Commit leaves the old file as it was.
class TExchangeFileWriter {
public:
    // Raises the file error with the system's reason when the file cannot be written.
    TExchangeFileWriter(const QString& FileName, TTextEncoding Encoding, bool BOM);
    // Text waiting to be written; whole lines only, so that a piece never splits a character.
    QString& Text() { return text_; }
    // Writes the waiting text once it has grown large.
    void LineDone() {
        if (text_.size() >= PieceSize) flush();
    }
    void Commit();

private:
    static constexpr qsizetype PieceSize = 1 << 16;
    void flush();
    void fail();

    QString fileName_;
    TTextEncoding encoding_;
    bool bom_;
    TAtomic_File file_;
    QString text_;
};

// OnFileProgress of one operation: a percentage, sent only when it changed.
class TExchangeProgress {
public:
    explicit TExchangeProgress(TExStringGrid& Grid) : grid_(Grid) {}
    bool Wanted() const;
    void Report(double Current, double Divisor);

private:
    TExStringGrid& grid_;
    int last_ = -1;
};
