#include "grid/stringgrid/data/exchange_files.h"

#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/core/exception.h"
#include "platform/core/stream.h"
#include "platform/system/files.h"

#include <cmath>

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
    if (FileName.isEmpty() || DirectoryExists(FileName) || !WriteFileAtomic(FileName, Bytes))
        throw Exception(Failure.isEmpty() ? QStringLiteral("Cannot create file \"%1\".").arg(FileName) : Failure);
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
