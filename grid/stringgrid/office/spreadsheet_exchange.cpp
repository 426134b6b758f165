// The grid's cells to and from a spreadsheet through its automation server.
#include "grid/foundation/codings.h"
#include "grid/foundation/number_routines.h"
#include "grid/stringgrid/data/import_limits.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/model/string_grid_errors.h"
#include "grid/stringgrid/office/office_calls.h"
#include "platform/core/string_list.h"
#include "platform/system/files.h"

#include <algorithm>
#include <vector>

namespace {

const QString ExcelID = QStringLiteral("excel.application");
const QString NoExcel = QStringLiteral("Excel OLE server not found");
// Cells asked of the server in one read: a block far below what it hands out at once.
constexpr qint64 BlockCells = 1024 * 1024;

// The sheet of the workbook's Sheets whose Name is Name (the last such); Empty when none.
OleVariant findSheet(const OleVariant& Book, const QString& Name) {
    OleVariant found;
    const int count = Book.Get(QStringLiteral("Sheets")).Get(QStringLiteral("Count")).ToInt();
    for (int i = 1; i <= count; ++i) {
        OleVariant sheet = Book.Get(QStringLiteral("Sheets"), {i});
        if (sheet.Get(QStringLiteral("Name")).ToString() == Name) found = sheet;
    }
    return found;
}

// What a sheet's value gives a cell: nothing for an empty item, an object or an error value.
bool cellText(const OleVariant& Value, QString& Text) {
    switch (Value.Kind()) {
    case OleVariant::vkEmpty:
    case OleVariant::vkError:
    case OleVariant::vkDispatch:
    case OleVariant::vkArray: return false;
    default: Text = Value.ToString(); return true;
    }
}

// A cell as the sheet gets it: a text that reads as a number by the grid's own rules as that
// number, so that the sheet can reckon with it.
OleVariant sheetValue(const QString& Text) {
    if (NumericType(Text) == 2) return Text;
    bool ok = false;
    const double number = ExtractNumber(Text).toDouble(&ok);
    return ok ? OleVariant(number) : OleVariant(Text);
}

// The save range as one array of values, assigned in one call to the sheet's cells from column
// A of FirstRow on.
void writeSheet(TExStringGrid& Grid, const OleVariant& Sheet, int FirstRow) {
    const int startCol = Grid.SaveStartCol(), startRow = Grid.SaveStartRow();
    const int rows = Grid.RowCount() - startRow, cols = Grid.ColCount() - startCol;
    if (rows <= 0 || cols <= 0) return;
    auto values = TVariantArray::Create(0, rows - 1, 0, cols - 1);
    Grid.ExportNotification(esExportStart, startRow);
    for (int r = 0; r < rows; ++r) {
        Grid.ExportNotification(esExportNextRow, r + startRow);
        for (int c = 0; c < cols; ++c) values->At(r, c) = sheetValue(RemoveCR(Grid.SaveCell(Grid.RealColIndex(c + startCol), r + startRow)));
    }
    Grid.ExportNotification(esExportDone, -1);
    const QString address = RangeAddress(1, FirstRow, cols, FirstRow + rows - 1);
    Sheet.Get(QStringLiteral("Range"), {address}).Set(QStringLiteral("Value"), values);
}

}  // namespace

std::unique_ptr<TStringList> TExStringGrid::GetXLSSheets(const QString& FileName) {
    TBusyCursor busy(*this);
    OleVariant excel = CreateOfficeObject(ExcelID, NoExcel);
    OleVariant book = excel.Get(QStringLiteral("WorkBooks")).Call(QStringLiteral("Open"), {FileName});
    auto names = std::make_unique<TStringList>();
    const int count = book.Get(QStringLiteral("WorkSheets")).Get(QStringLiteral("Count")).ToInt();
    for (int i = 1; i <= count; ++i)
        names->Add(book.Get(QStringLiteral("WorkSheets")).Call(QStringLiteral("item"), {i}).Get(QStringLiteral("Name")).ToString());
    // Nothing changed: closing asks nothing.
    book.Set(QStringLiteral("Saved"), true);
    excel.Call(QStringLiteral("Quit"));
    return names;
}

void TExStringGrid::LoadFromXLS(const QString& FileName) { LoadFromXLSSheet(FileName, QString()); }

void TExStringGrid::LoadFromXLSSheet(const QString& FileName, const QString& SheetName) {
    TBusyCursor busy(*this);
    OleVariant excel = CreateOfficeObject(ExcelID, NoExcel);
    OleVariant book = excel.Get(QStringLiteral("WorkBooks")).Call(QStringLiteral("Open"), {FileName});
    // Once the workbook is open it is closed again, and the grid told of its cells, whatever happens.
    auto finish = [&] {
        book.Call(QStringLiteral("Close"), {false});
        excel.Call(QStringLiteral("Quit"));
        CellsChanged(Rect(0, 0, ColCount(), RowCount()));
        AllCellsChanged();
    };
    try {
        OleVariant sheet;
        if (SheetName.isEmpty()) sheet = excel.Get(QStringLiteral("ActiveSheet"));
        else if ((sheet = findSheet(book, SheetName)).IsEmpty())
            throw VEriRodiVizev(QStringLiteral("Excel worksheet ") + SheetName + QStringLiteral(" not found"));

        const TUsedRange used = ReadUsedRange(sheet.Get(QStringLiteral("UsedRange")).Get(QStringLiteral("Address")).ToString());
        if (!used.Valid()) throw Exception(QStringLiteral("Incorrect XLS file"));
        const int co = SaveFixedCells || SaveFixedCols ? 0 : FixedCols();
        const int ro = SaveFixedCells || SaveFixedRows ? 0 : FixedRows();

        const qint64 rows = qint64(used.LastRow) - used.FirstRow + 1, cols = qint64(used.LastCol) - used.FirstCol + 1;
        CheckImportSize(cols + co, rows + ro,
                        QStringLiteral("The used range ") + RangeAddress(used.FirstCol, used.FirstRow, used.LastCol, used.LastRow));

        // The values are read before the grid changes, so that a failed read leaves it as it was;
        // a large range is read in blocks of rows, keeping only the cells that hold something.
        struct TItem {
            int Col, Row;
            QString Text;
        };
        std::vector<TItem> items;
        try {
            QString text;
            if (used.SingleCell()) {
                const OleVariant value =
                    sheet.Get(QStringLiteral("Rows")).Get(QStringLiteral("Cells"), {used.FirstRow, used.FirstCol}).Get(QStringLiteral("Value"));
                if (cellText(value, text)) items.push_back({co, ro, text});
            } else {
                const qint64 blockRows = std::max<qint64>(1, BlockCells / cols);
                for (qint64 first = used.FirstRow; first <= used.LastRow; first += blockRows) {
                    const qint64 last = std::min<qint64>(first + blockRows - 1, used.LastRow);
                    const QString address = RangeAddress(used.FirstCol, static_cast<int>(first), used.LastCol, static_cast<int>(last));
                    const OleVariant values = sheet.Get(QStringLiteral("Range"), {address}).Get(QStringLiteral("Value"));
                    const TVariantArray& a = values.Array();
                    for (int r = 0; r < a.Rows(); ++r)
                        for (int c = 0; c < a.Cols(); ++c)
                            if (cellText(a.At(a.LowRow() + r, a.LowCol() + c), text))
                                items.push_back({c + co, static_cast<int>(first - used.FirstRow) + r + ro, text});
                }
            }
        } catch (const EOleError&) {
            throw Exception(QStringLiteral("Incorrect XLS file"));
        }

        const int fixedCols = FixedCols(), fixedRows = FixedRows();
        SetColCount(static_cast<int>(cols + co));
        SetRowCount(static_cast<int>(rows + ro));
        if (fixedCols < ColCount()) SetFixedCols(fixedCols);
        if (fixedRows < RowCount()) SetFixedRows(fixedRows);
        for (const TItem& item : items) LoadCell(item.Col, item.Row, item.Text);
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void TExStringGrid::SaveToXLS(const QString& FileName, bool CreateNewSheet) {
    TBusyCursor busy(*this);
    bool created = false;
    OleVariant excel = AttachOfficeObject(ExcelID, NoExcel, created);
    try {
        OleVariant book, sheet;
        int firstRow = 1;
        if (CreateNewSheet || excel.Get(QStringLiteral("WorkBooks")).Get(QStringLiteral("Count")).ToInt() == 0) {
            book = excel.Get(QStringLiteral("WorkBooks")).Call(QStringLiteral("Add"));
            sheet = book.Get(QStringLiteral("Sheets"), {1});
        } else {
            book = excel.Get(QStringLiteral("ActiveWorkBook"));
            sheet = excel.Get(QStringLiteral("ActiveSheet"));
            firstRow = excel.Get(QStringLiteral("ActiveCell")).Get(QStringLiteral("Row")).ToInt();
        }
        writeSheet(*this, sheet, firstRow);
        book.Call(QStringLiteral("SaveAs"), {FileName});
    } catch (...) {
        if (created) excel.Call(QStringLiteral("Quit"));
        throw;
    }
    if (created) excel.Call(QStringLiteral("Quit"));
}

void TExStringGrid::SaveToXLSSheet(const QString& FileName, const QString& SheetName) {
    TBusyCursor busy(*this);
    bool created = false;
    OleVariant excel = AttachOfficeObject(ExcelID, NoExcel, created);
    try {
        // An existing file that cannot be opened is left alone: writing a new workbook over it
        // would lose what it holds.
        const bool existing = FileExists(FileName);
        OleVariant book = existing ? excel.Get(QStringLiteral("WorkBooks")).Call(QStringLiteral("Open"), {FileName})
                                   : excel.Get(QStringLiteral("WorkBooks")).Call(QStringLiteral("Add"));
        OleVariant sheet = findSheet(book, SheetName);
        if (sheet.IsEmpty()) {
            sheet = book.Get(QStringLiteral("WorkSheets")).Call(QStringLiteral("Add"));
            sheet.Set(QStringLiteral("Name"), SheetName);
        }
        writeSheet(*this, sheet, 1);
        if (existing) book.Call(QStringLiteral("Save"));
        else book.Call(QStringLiteral("SaveAs"), {FileName});
    } catch (...) {
        if (created) excel.Call(QStringLiteral("Quit"));
        throw;
    }
    if (created) excel.Call(QStringLiteral("Quit"));
}

