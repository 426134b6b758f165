#pragma once

// What the grid's exchange formats share: whole files read and written at once, the text
// encodings they are written in, and the progress they report.

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
// old file as it was. Raises Failure (or the file error when empty) when it cannot be written.
void WriteExchangeFile(const QString& FileName, const QByteArray& Bytes, const QString& Failure = QString());
// Each line ended by CR LF, in the encoding, with a byte-order mark when BOM.
QByteArray ExchangeLines(const QStringList& Lines, TTextEncoding Encoding, bool BOM);

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
