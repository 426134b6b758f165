// The grid's cells as delimiter-separated values, written and read.
#include "grid/foundation/codings.h"
#include "grid/stringgrid/data/csv_reader.h"
#include "grid/stringgrid/data/exchange_files.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "platform/core/exception.h"
#include "platform/core/stream.h"

#include <algorithm>

namespace {

TTextEncoding csvEncoding(bool Unicode) { return Unicode ? TTextEncoding::Utf8 : TTextEncoding::Windows1252; }

}  // namespace

QStringList TExStringGrid::csvLines() {
    TExStringGrid& Grid = *this;
    TExchangeProgress Progress(*this);
    const QChar d = Grid.Delimiter.isNull() ? QChar(u',') : Grid.Delimiter;
    const int hidden = Grid.SaveHiddenCells ? Grid.NumHiddenColumns() : 0;
    const int lastCol = Grid.SaveEndCol() + hidden;
    QStringList lines;
    lines.reserve(std::max(0, Grid.SaveRowCount()));
    ExportNotification(esExportStart, Grid.SaveStartRow());
    for (int r = Grid.SaveStartRow(); r <= Grid.SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        QString line;
        for (int c = Grid.SaveStartCol(); c <= lastCol; ++c) {
            if (c > Grid.SaveStartCol()) line += d;
            QString t = DoubleQuoteChars(exportCell(Grid.SaveHiddenCells ? c : Grid.RealColIndex(c), r));
            bool quoted = false;
            if (Grid.AlwaysQuotes || (!t.contains(d) && t.contains(u'"'))) {
                t = u'"' + t + u'"';
                quoted = true;
            }
            if (t.isEmpty()) t = Grid.JavaCSV ? QStringLiteral("^") : Grid.QuoteEmptyCells ? QStringLiteral("\"\"") : QString();
            if (t.contains(d) || t.contains(u'\r')) {
                if (Grid.JavaCSV) CRToTilde(t);
                else if (quoted) CRLFToLF(t);
                else LinesToCSVField(t);
            }
            line += t;
        }
        lines << line;
        Progress.Report(r, std::max(1, Grid.RowCount() - 1));
    }
    ExportNotification(esExportDone, -1);
    return lines;
}

void TExStringGrid::SaveToCSV(const QString& FileName, bool Unicode) {
    WriteExchangeFile(FileName, ExchangeLines(csvLines(), csvEncoding(Unicode), Unicode));
}

void TExStringGrid::AppendToCSV(const QString& FileName, bool Unicode) {
    QString text = ReadExchangeText(FileName);
    if (!text.isEmpty() && !text.endsWith(u'\n') && !text.endsWith(u'\r')) text += QLatin1String("\r\n");
    const QByteArray added = ExchangeLines(csvLines(), csvEncoding(Unicode), false);
    WriteExchangeFile(FileName, EncodeText(text, csvEncoding(Unicode), Unicode) + added);
}

void TExStringGrid::LoadFromCSV(const QString& FileName, int MaxRows) {
    const QString text = ReadExchangeText(FileName);
    if (!text.isEmpty()) loadCSVText(text, false, MaxRows);
}

void TExStringGrid::InsertFromCSV(const QString& FileName, int MaxRows) {
    const QString text = ReadExchangeText(FileName);
    if (!text.isEmpty()) loadCSVText(text, true, MaxRows);
}

void TExStringGrid::LoadFromCSVStream(TStream& AStream, int MaxRows) {
    const QString text = DecodeText(AStream.ReadRest());
    if (text.isEmpty()) throw Exception(QStringLiteral("File is empty"));
    loadCSVText(text, false, MaxRows);
}

void TExStringGrid::loadCSVText(const QString& Text, bool Insert, int MaxRows) {
    int row = Insert ? RowCount() : SaveStartRow();
    // An insert goes before a shown floating footer, whose cells end up in the new last row.
    QStringList footer;
    const bool keepFooter = Insert && FloatingFooter().Visible && RowCount() > FixedRows();
    if (keepFooter) {
        row = RowCount() - 1;
        for (int c = 0; c < TotalColCount(); ++c) footer << GetGridCell(c, row), SetGridCell(c, row, QString());
    }
    const QChar d = Delimiter.isNull() ? DetectCSVDelimiter(Text) : Delimiter;
    const int hidden = SaveHiddenCells ? NumHiddenColumns() : 0;
    TExchangeProgress progress(*this);
    int counted = 0;
    if (progress.Wanted()) {
        TCSVReader counter(Text, d);
        if (!LoadFirstRow) counter.Skip();
        while (counter.Skip()) ++counted;
        SetRowCount(Insert ? RowCount() + counted : row + counted + FixedFooters());
    }
    TCSVReader reader(Text, d);
    if (!LoadFirstRow) reader.Skip();
    std::vector<TCSVField> fields;
    int done = 0;
    while ((MaxRows <= 0 || done < MaxRows) && reader.Next(fields)) {
        if (row >= RowCount() - FixedFooters()) SetRowCount(row + 1000);
        int col = SaveStartCol();
        for (TCSVField& field : fields) {
            if (JavaCSV) TildeToCRLF(field.Text);
            else CSVFieldToLines(field.Text);
            LoadCell(col, row, field.Text);
            if (ColCount() < col + 1 - hidden) SetColCount(col + 1 - hidden);
            ++col;
        }
        ++row;
        ++done;
        if (counted > 0) progress.Report(done, counted);
    }
    SetRowCount(row + FixedFooters());
    p->FMaxRowCount = RowCount();
    if (keepFooter)
        for (int c = 0; c < footer.size(); ++c) SetGridCell(c, RowCount() - 1, footer[c]);
    CellsChanged(TRect{0, 0, ColCount(), RowCount()});
    AllCellsChanged();
}
