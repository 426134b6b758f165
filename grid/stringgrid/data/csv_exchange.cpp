// The grid's cells as delimiter-separated values, written and read.
#include "grid/foundation/codings.h"
#include "grid/stringgrid/data/csv_reader.h"
#include "grid/stringgrid/data/exchange_files.h"
#include "grid/stringgrid/data/import_limits.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "platform/core/exception.h"
#include "platform/core/stream.h"

#include <algorithm>

namespace {

TTextEncoding csvEncoding(bool Unicode) { return Unicode ? TTextEncoding::Utf8 : TTextEncoding::Windows1252; }

}  // namespace

namespace {

// Most cells hold none of the characters that need quoting: one scan tells.
bool plainField(QStringView t, QChar d) {
    for (QChar c : t)
        if (c == d || c == u'"' || c == u'\r') return false;
    return !t.isEmpty();
}

}  // namespace

void TExStringGrid::appendCSVField(QString& Text, const QString& Cell, QChar d) {
    if (!AlwaysQuotes && plainField(Cell, d)) {
        Text += Cell;
        return;
    }
    QString t = DoubleQuoteChars(Cell);
    bool quoted = false;
    if (AlwaysQuotes || (!t.contains(d) && t.contains(u'"'))) {
        t = u'"' + t + u'"';
        quoted = true;
    }
    if (t.isEmpty()) t = JavaCSV ? QStringLiteral("^") : QuoteEmptyCells ? QStringLiteral("\"\"") : QString();
    if (t.contains(d) || t.contains(u'\r')) {
        if (JavaCSV) CRToTilde(t);
        else if (quoted) CRLFToLF(t);
        else LinesToCSVField(t);
    }
    Text += t;
}

void TExStringGrid::writeCSV(TExchangeFileWriter& Out) {
    TExchangeProgress Progress(*this);
    const QChar d = Delimiter.isNull() ? QChar(u',') : Delimiter;
    const int hidden = SaveHiddenCells ? NumHiddenColumns() : 0;
    const int firstCol = SaveStartCol(), lastCol = SaveEndCol() + hidden;
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        QString& text = Out.Text();
        for (int c = firstCol; c <= lastCol; ++c) {
            if (c > firstCol) text += d;
            appendCSVField(text, exportCell(SaveHiddenCells ? c : RealColIndex(c), r), d);
        }
        text += QLatin1String("\r\n");
        Out.LineDone();
        Progress.Report(r, std::max(1, RowCount() - 1));
    }
    ExportNotification(esExportDone, -1);
    Out.Commit();
}

void TExStringGrid::SaveToCSV(const QString& FileName, bool Unicode) {
    TExchangeFileWriter out(FileName, csvEncoding(Unicode), Unicode);
    writeCSV(out);
}

void TExStringGrid::AppendToCSV(const QString& FileName, bool Unicode) {
    QString text = ReadExchangeText(FileName);
    if (!text.isEmpty() && !text.endsWith(u'\n') && !text.endsWith(u'\r')) text += QLatin1String("\r\n");
    TExchangeFileWriter out(FileName, csvEncoding(Unicode), Unicode);
    out.Text() = text;
    writeCSV(out);
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
    const QChar d = Delimiter.isNull() ? DetectCSVDelimiter(Text) : Delimiter;
    const int hidden = SaveHiddenCells ? NumHiddenColumns() : 0;
    // A first walk counts the records and the widest of them, allocating nothing: the grid is
    // sized once, and a text it cannot hold leaves it as it was.
    TCSVReader counter(Text, d);
    if (!LoadFirstRow) counter.Skip();
    qsizetype records = 0, widest = 0;
    for (qsizetype fields = 0; (MaxRows <= 0 || records < MaxRows) && counter.Count(fields); fields = 0) {
        widest = std::max(widest, fields);
        ++records;
    }
    int row = Insert ? RowCount() : SaveStartRow();
    const bool keepFooter = Insert && FloatingFooter().Visible && RowCount() > FixedRows();
    if (keepFooter) row = RowCount() - 1;
    const qint64 cols = std::max<qint64>(ColCount(), qint64(SaveStartCol()) + widest - hidden);
    CheckImportSize(cols, row + qint64(records) + FixedFooters(), QStringLiteral("The CSV text"));

    // An insert goes before a shown floating footer, whose cells end up in the new last row.
    QStringList footer;
    if (keepFooter)
        for (int c = 0; c < TotalColCount(); ++c) footer << GetGridCell(c, row), SetGridCell(c, row, QString());
    SetColCount(static_cast<int>(cols));
    SetRowCount(row + static_cast<int>(records) + FixedFooters());
    TExchangeProgress progress(*this);
    TCSVReader reader(Text, d);
    if (!LoadFirstRow) reader.Skip();
    std::vector<TCSVField> fields;
    for (qsizetype record = 0; record < records && reader.Next(fields); ++record, ++row) {
        int col = SaveStartCol();
        for (TCSVField& field : fields) {
            if (JavaCSV) TildeToCRLF(field.Text);
            else CSVFieldToLines(field.Text);
            LoadCell(col++, row, field.Text);
        }
        fields.clear();
        progress.Report(double(record + 1), double(records));
    }
    p->FMaxRowCount = RowCount();
    if (keepFooter)
        for (int c = 0; c < footer.size(); ++c) SetGridCell(c, RowCount() - 1, footer[c]);
    CellsChanged(TRect{0, 0, ColCount(), RowCount()});
    AllCellsChanged();
}
