// Plain text for people and for programs of fixed columns: the aligned listing and fixed-width
// fields, written and read.
#include "grid/foundation/grid_lists.h"
#include "grid/stringgrid/data/exchange_files.h"
#include "grid/stringgrid/data/import_limits.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/string_grid_errors.h"
#include "platform/core/exception.h"
#include "platform/system/files.h"

#include <algorithm>
#include <vector>

namespace {

QStringList cellLines(const QString& Text) {
    QString text = Text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\r"));
    return text.split(u'\r');
}

// Aligned in a field of W characters and one blank after it.
QString alignedField(const QString& Text, TAlignment Align, int W) {
    QString t = Text;
    if (Align == taRightJustify)
        while (t.size() < W) t.prepend(u' ');
    else if (Align == taCenter)
        while (t.size() < W) t = u' ' + t + u' ';
    if (t.size() < W + 1) t += QString(W + 1 - t.size(), u' ');
    return t;
}

}  // namespace

void TExStringGrid::SaveToASCII(const QString& FileName, bool Unicode) { writeASCII(FileName, Unicode, QString()); }

void TExStringGrid::AppendToASCII(const QString& FileName, bool Unicode) {
    QString before;
    if (FileExists(FileName)) {
        before = ReadExchangeText(FileName);
        if (!before.isEmpty() && !before.endsWith(u'\n') && !before.endsWith(u'\r')) before += QLatin1String("\r\n");
    }
    writeASCII(FileName, Unicode, before);
}

void TExStringGrid::writeASCII(const QString& FileName, bool Unicode, const QString& Before) {
    // The grid shows the hourglass while it works.
    struct TBusy {
        TExStringGrid& Grid;
        TCursor Old;
        ~TBusy() { Grid.SetGridCursor(Old); }
    } busy{*this, Cursor()};
    SetGridCursor(crHourGlass);
    const int fc = SaveFixedCells || SaveFixedCols ? 0 : FixedCols();
    const int fr = SaveFixedCells || SaveFixedRows ? 0 : FixedRows();
    // Hidden columns are written as the real columns they are, without changing the grid.
    const int lastCol = ColCount() - 1 + (SaveHiddenCells ? NumHiddenColumns() : 0);
    auto real = [&](int c) { return SaveHiddenCells ? c : RealColIndex(c); };
    std::vector<int> widths;
    for (int c = fc; c <= lastCol; ++c) widths.push_back(GetMaxColTextLen(real(c)));
    QStringList lines;
    ExportNotification(esExportStart, fr);
    for (int r = fr; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        QString line;
        QStringList more;
        int start = 0;
        for (int c = fc; c <= lastCol; ++c) {
            const int w = widths[static_cast<size_t>(c - fc)];
            TAlignment ha = taLeftJustify;
            TVAlignment va = vtaTop;
            GetCellAlignment(real(c), r, ha, va);
            const QStringList parts = cellLines(exportCell(real(c), r));
            line += alignedField(parts[0], ha, w);
            for (qsizetype k = 1; Multilinecells && k < parts.size(); ++k) {
                if (more.size() < k) more << QString();
                QString& next = more[k - 1];
                if (next.size() < start) next += QString(start - next.size(), u' ');
                next += alignedField(parts[k], ha, w);
            }
            start += w + 1;
        }
        lines << line << more;
    }
    ExportNotification(esExportDone, -1);
    const TTextEncoding encoding = Unicode ? TTextEncoding::Utf16LE : TTextEncoding::Windows1252;
    WriteExchangeFile(FileName, EncodeText(Before, encoding, Unicode) + ExchangeLines(lines, encoding, false));
}

void TExStringGrid::SaveToFixed(const QString& FileName, TIntList& Positions) {
    const int lastCol = SaveEndCol() + (SaveHiddenCells ? NumHiddenColumns() : 0);
    auto real = [&](int c) { return SaveHiddenCells ? c : RealColIndex(c); };
    for (int c = SaveStartCol(); c <= lastCol; ++c)
        if (c - SaveStartCol() >= Positions.Count()) Positions.Add(GetMaxColTextLen(real(c)) + 1);
    QStringList lines;
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        QString line;
        for (int c = SaveStartCol(); c <= lastCol; ++c) {
            const int w = std::max(0, Positions.GetInteger(c - SaveStartCol()));
            const QString t = exportCell(real(c), r).left(w);
            line += t + QString(w - t.size(), u' ');
        }
        lines << line;
    }
    ExportNotification(esExportDone, -1);
    WriteExchangeFile(FileName, ExchangeLines(lines, TTextEncoding::Windows1252, false),
                      QStringLiteral("Cannot Create file ") + FileName);
}

void TExStringGrid::LoadFromFixed(const QString& FileName, TIntList& Positions, bool DoTrim, int MaxRows) {
    QStringList lines;
    try {
        lines = SplitTextLines(ReadExchangeText(FileName));
    } catch (const Exception&) {
        throw VEriRodiVizev(QStringLiteral("File ") + FileName + QStringLiteral(" not found"));
    }
    std::vector<int> at;
    for (int i = 0; i < Positions.Count(); ++i) at.push_back(Positions.GetInteger(i));
    std::sort(at.begin(), at.end());
    Positions.Clear();
    for (int v : at) Positions.Add(v);
    // Fewer than two positions mark no field.
    if (at.size() < 2) return;
    int row = SaveStartRow();
    const qsizetype count = MaxRows == -1 ? lines.size() : std::min<qsizetype>(lines.size(), std::max(MaxRows, 1));
    // The grid is sized once for every line, and only when it can hold them.
    const qint64 cols = FixedCols() + qint64(at.size()) - 1, rows = std::max<qint64>(RowCount(), row + qint64(count));
    CheckImportSize(cols, rows, QStringLiteral("The file ") + FileName);
    SetColCount(static_cast<int>(cols));
    SetRowCount(static_cast<int>(rows));
    for (qsizetype i = 0; i < count; ++i) {
        int col = SaveStartCol();
        for (size_t k = 0; k + 1 < at.size(); ++k) {
            QString field = lines[i].mid(std::max<qint64>(at[k] - qint64(1), 0), std::max<qint64>(qint64(at[k + 1]) - at[k], 0));
            if (DoTrim) field = field.trimmed();
            LoadCell(col++, row, field);
        }
        ++row;
    }
    CellsChanged(TRect{0, 0, ColCount(), RowCount()});
    AllCellsChanged();
}
