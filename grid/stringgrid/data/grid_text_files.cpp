// The grid's own text file and text stream: counts, column widths and every non-empty cell as
// "col,row,text" with its line breaks coded; and a cell read as a number.
#include "grid/foundation/codings.h"
#include "grid/foundation/grid_lists.h"
#include "grid/foundation/number_routines.h"
#include "grid/stringgrid/data/exchange_files.h"
#include "grid/stringgrid/data/import_limits.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/string_grid_errors.h"
#include "platform/core/stream.h"
#include "platform/system/regional.h"

#include <algorithm>
#include <vector>

namespace {

// One line of a cell or a width, read in full before the grid changes.
struct TCellLine {
    bool Width = false;
    int Col = 0;
    int Row = 0;  // the width's pixels for a width line
    QString Text;
};

// Splits "a,b,rest" at its first two commas; false with fewer than two.
bool splitCellLine(const QString& Line, QString& A, QString& B, QString& Rest) {
    const qsizetype first = Line.indexOf(u',');
    const qsizetype second = first < 0 ? -1 : Line.indexOf(u',', first + 1);
    if (second < 0) return false;
    A = Line.left(first);
    B = Line.mid(first + 1, second - first - 1);
    Rest = Line.mid(second + 1);
    return true;
}

// "cw I,W": the column and its width.
TCellLine widthLine(const QString& Line) {
    const QString body = Line.mid(3);
    const qsizetype comma = body.indexOf(u',');
    return {true, StrToInt(body.left(comma)), ImportedPixels(StrToInt(comma < 0 ? QString() : body.mid(comma + 1))), QString()};
}

QString countLine(int Cols, int Rows) { return QStringLiteral("%1,%2").arg(Cols).arg(Rows); }

}  // namespace

void TExStringGrid::SaveToFile(const QString& FileName, bool Unicode) {
    const int hidden = SaveHiddenCells ? NumHiddenColumns() : 0;
    const int lastCol = SaveEndCol() + hidden;
    QStringList lines{countLine(SaveColCount() + hidden, SaveRowCount())};
    for (int i = SaveStartCol(); i <= lastCol; ++i) lines << QStringLiteral("cw %1,%2").arg(i).arg(AllColWidths(i));
    TExchangeProgress progress(*this);
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = SaveStartCol(); c <= lastCol; ++c) {
            const QString text = exportCell(c, r);
            if (!text.isEmpty()) lines << QStringLiteral("%1,%2,").arg(c).arg(r) + EncodeLineBreaks(text);
        }
        progress.Report(r, std::max(1, SaveRowCount() - 1));
    }
    ExportNotification(esExportDone, -1);
    WriteExchangeFile(FileName, ExchangeLines(lines, Unicode ? TTextEncoding::Utf16LE : TTextEncoding::Windows1252, Unicode));
}

void TExStringGrid::LoadFromFile(const QString& FileName) {
    const QStringList lines = SplitTextLines(ReadExchangeText(FileName));
    if (lines.isEmpty()) RaiseListIndexError(0);
    const int fc = SaveFixedCells || SaveFixedCols ? 0 : FixedCols();
    const int fr = SaveFixedCells || SaveFixedRows ? 0 : FixedRows();
    qint64 cols = ColCount(), rows = RowCount();
    if (!lines[0].isEmpty()) {
        const qsizetype comma = lines[0].indexOf(u',');
        cols = fc + qint64(StrToInt(lines[0].left(comma)));
        rows = fr + qint64(StrToInt(comma < 0 ? QString() : lines[0].mid(comma + 1)));
    }
    if (cols <= 0 || rows <= 0) throw VEriRodiVizev(QStringLiteral("File contains no data or corrupt file ") + FileName);
    CheckImportSize(cols, rows, QStringLiteral("The file ") + FileName);
    // Every line is read before the grid changes, so a bad one leaves the grid as it was.
    std::vector<TCellLine> items;
    items.reserve(static_cast<size_t>(lines.size()));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.startsWith(QLatin1String("cw"))) {
            items.push_back(widthLine(line));
            continue;
        }
        QString c, r, rest;
        if (!splitCellLine(line, c, r, rest)) StrToInt(line);  // a line without a cell is no number either
        else items.push_back({false, StrToInt(c), StrToInt(r), rest});
    }
    SetColCount(static_cast<int>(cols));
    SetRowCount(static_cast<int>(rows));
    TExchangeProgress progress(*this);
    for (const TCellLine& item : items) {
        if (item.Width) {
            if (item.Col >= 0 && item.Col < ColCount()) SetColWidths(item.Col, item.Row);
            continue;
        }
        if (item.Col >= 0 && item.Row >= 0 && item.Col < ColCount() && item.Row < RowCount())
            LoadCell(item.Col, item.Row, DecodeLineBreaks(item.Text, Multilinecells));
        progress.Report(item.Row, std::max(1, RowCount() - 1));
    }
    CellsChanged(TRect{0, 0, ColCount(), RowCount()});
    AllCellsChanged();
}

namespace {

void writeStreamLine(TStream& Stream, const QString& Line) {
    const QByteArray bytes = EncodeText(Line + QLatin1String("\r\n"), TTextEncoding::Utf16LE, false);
    Stream.Write(bytes.constData(), bytes.size());
}

// UTF-16 units up to and including a CR; the unit after the CR is taken as well.
QString readStreamLine(TStream& Stream) {
    QString line;
    char unit[2];
    while (Stream.Read(unit, 2) == 2) {
        const QChar c(static_cast<char16_t>(static_cast<unsigned char>(unit[0]) | (static_cast<unsigned char>(unit[1]) << 8)));
        if (c == u'\r') {
            Stream.Read(unit, 2);
            break;
        }
        line += c;
    }
    return line;
}

bool streamAtEnd(const TStream& Stream) { return Stream.Size() - Stream.Position() < 2; }

}  // namespace

void TExStringGrid::SaveToStream(TStream& Stream) {
    writeStreamLine(Stream, countLine(SaveColCount(), SaveRowCount()));
    for (int i = 0; i < ColCount(); ++i) writeStreamLine(Stream, QStringLiteral("cw %1,%2").arg(i).arg(ColWidths(i)));
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r)
        for (int c = SaveStartCol(); c <= SaveEndCol(); ++c) {
            const QString text = exportCell(c, r);
            if (!text.isEmpty())
                writeStreamLine(Stream, QStringLiteral("%1,%2,").arg(c - SaveStartCol()).arg(r - SaveStartRow()) +
                                            EncodeLineBreaks(text));
        }
    ExportNotification(esExportDone, -1);
}

void TExStringGrid::LoadFromStream(TStream& Stream) {
    const qint64 start = Stream.Position();
    qint64 cols = -1, rows = -1;
    std::vector<TCellLine> items;
    try {
        if (!streamAtEnd(Stream)) {
            const QString first = readStreamLine(Stream);
            if (!first.isEmpty()) {
                const qsizetype comma = first.indexOf(u',');
                cols = StrToInt(first.left(comma)) + qint64(SaveStartCol());
                rows = StrToInt(comma < 0 ? QString() : first.mid(comma + 1)) + qint64(SaveStartRow());
                CheckImportSize(cols, rows, QStringLiteral("The stream"));
            }
        }
        while (!streamAtEnd(Stream)) {
            const qint64 at = Stream.Position();
            const QString line = readStreamLine(Stream);
            if (line.startsWith(QLatin1String("cw"))) {
                items.push_back(widthLine(line));
                continue;
            }
            QString c, r, rest;
            // A line without a cell belongs to whoever reads the stream next.
            if (!splitCellLine(line, c, r, rest)) {
                Stream.SetPosition(at);
                break;
            }
            items.push_back({false, StrToInt(c), StrToInt(r), rest});
        }
    } catch (...) {
        Stream.SetPosition(start);
        throw;
    }
    if (cols >= 0) {
        SetColCount(static_cast<int>(cols));
        SetRowCount(static_cast<int>(rows));
    }
    for (const TCellLine& item : items) {
        if (item.Width) {
            if (item.Col >= 0 && item.Col < ColCount()) SetColWidths(item.Col, item.Row);
            continue;
        }
        const qint64 c = item.Col + qint64(SaveStartCol()), r = item.Row + qint64(SaveStartRow());
        if (c >= 0 && r >= 0 && c < TotalColCount() && r < RowCount())
            LoadCell(static_cast<int>(c), static_cast<int>(r), DecodeLineBreaks(item.Text, Multilinecells));
    }
    CellsChanged(TRect{0, 0, ColCount(), RowCount()});
    AllCellsChanged();
}

double TExStringGrid::CellToReal(int ACol, int ARow) {
    const QString text = GetCellEx(ACol, ARow);
    if (text.isEmpty()) return 0;
    const QString number = ExtractNumber(text);
    // The longest prefix that reads as a number; what follows it is the bad character.
    qsizetype good = 0;
    double value = 0;
    for (qsizetype n = number.size(); n > 0; --n) {
        bool ok = false;
        value = number.left(n).toDouble(&ok);
        if (ok) {
            good = n;
            break;
        }
    }
    if (number.isEmpty() || good < number.size())
        throw VEriRodiVizev(QStringLiteral("Error at position: %1 in Cell [%2, %3].").arg(good + 1).arg(ACol).arg(ARow));
    return value;
}
