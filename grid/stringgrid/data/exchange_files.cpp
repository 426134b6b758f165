#include "grid/stringgrid/data/exchange_files.h"

#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/core/exception.h"
#include "platform/core/stream.h"
#include "platform/system/files.h"

#include <cmath>

namespace {
// The failure names the system's reason, so a full disk or a read-only folder can be told apart.
Exception fileError(const QString& FileName, const QString& Reason) {
    return Exception(QStringLiteral("Cannot create file \"%1\". %2").arg(FileName, Reason));
}
Exception writeError(const QString& FileName, const QString& Failure, const QString& Reason) {
    return Failure.isEmpty() ? fileError(FileName, Reason) : Exception(Failure + QStringLiteral(": ") + Reason);
}
}  // namespace

QByteArray ReadExchangeBytes(const QString& FileName) {
    if (DirectoryExists(FileName)) throw Exception(QStringLiteral("Cannot open file \"%1\". Is a directory").arg(FileName));
    TMemoryStream stream;
    stream.LoadFromFile(FileName);
    return stream.Memory();
}

QString ReadExchangeText(const QString& FileName, TTextEncoding* Encoding) {
    return DecodeText(ReadExchangeBytes(FileName), Encoding);
}

void WriteExchangeFile(const QString& FileName, const QByteArray& Bytes, const QString& Failure) {
    QString reason;
    if (!WriteFileAtomic(FileName, Bytes, &reason)) throw writeError(FileName, Failure, reason);
}

QByteArray ExchangeLines(const QStringList& Lines, TTextEncoding Encoding, bool BOM) {
    QString text;
    qsizetype size = 0;
    for (const QString& line : Lines) size += line.size() + 2;
    text.reserve(size);
    for (const QString& line : Lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return EncodeText(text, Encoding, BOM);
}

TExchangeFileWriter::TExchangeFileWriter(const QString& FileName, TTextEncoding Encoding, bool BOM)
    : fileName_(FileName), encoding_(Encoding), bom_(BOM), file_(FileName) {
    if (!file_.Open()) fail();
}

void TExchangeFileWriter::flush() {
    if (!file_.Write(EncodeText(text_, encoding_, bom_))) fail();
    bom_ = false;
    text_.resize(0);
}

void TExchangeFileWriter::Commit() {
    flush();
    if (!file_.Commit()) fail();
}

void TExchangeFileWriter::fail() { throw fileError(fileName_, file_.Error()); }

bool TExchangeProgress::Wanted() const { return static_cast<bool>(grid_.OnFileProgress); }

void TExchangeProgress::Report(double Current, double Divisor) {
    if (!Wanted() || Divisor <= 0) return;
    const int percent = static_cast<int>(std::lround(Current * 100 / Divisor));
    if (percent == last_) return;
    last_ = percent;
    grid_.OnFileProgress(&grid_, static_cast<int16_t>(percent));
}

QString TExStringGrid::exportCell(int ACol, int ARow) {
    // A cell covered by a merged range holds no text of its own.
    return IsMergedNonBaseCell(ACol, ARow) ? QString() : SaveCell(ACol, ARow);
}
