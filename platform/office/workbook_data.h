#pragma once

#include "platform/automation/ole_variant.h"
#include "platform/office/cell_address.h"
#include "platform/office/zip_package.h"

#include <QString>
#include <map>
#include <memory>
#include <utility>
#include <vector>

// The values of one sheet by (row, column), both from 1; an empty value is no cell.
struct TSheetData {
    QString Name;
    std::map<std::pair<int, int>, OleVariant> Cells;
    // The cell the sheet's cursor is on.
    int ActiveRow = 1, ActiveCol = 1;
    // The sheet's part in the workbook's package, empty for a sheet not yet stored there.
    QString Part;
    // The blocks of cells given values since the workbook was read or last saved.
    std::vector<TCellBlock> Written;

    OleVariant Value(int Row, int Col) const;
    void SetValue(int Row, int Col, const OleVariant& Value);
    // The smallest block holding every cell; false for an empty sheet.
    bool UsedBlock(TCellBlock& Block) const;
};

struct TWorkbookData {
    std::vector<TSheetData> Sheets;
    int ActiveSheet = 0;
    // The package an .xlsx workbook was read from: saving changes only the parts of the sheets
    // written to and the parts that list the sheets, and keeps every other part as it was.
    std::shared_ptr<TZipPackage> Package;
};

// Reads an .xlsx workbook (a zip package) or a legacy .xls one (a compound document), told apart
// by their first bytes. Raises EOleError when the file is missing or is no workbook.
TWorkbookData ReadWorkbook(const QString& FileName);
// Writes the workbook as .xlsx: into its package when it was read from one, else as a new
// workbook. EOleError when it cannot be written. The package and the sheets' parts then hold
// what was saved, and no block counts as written.
void WriteWorkbook(TWorkbookData& Book, const QString& FileName);
// The package's parts after Book's changes: the sheets' cells written to, their names, and
// sheets not yet in the package.
void UpdateXlsxPackage(TWorkbookData& Book);

// The parts of ReadWorkbook, for one format each; they raise EOleError too.
TWorkbookData ReadXlsxWorkbook(const QString& FileName);
TWorkbookData ReadXlsWorkbook(const QString& FileName);

// The spreadsheet's error numbers and their texts ("#DIV/0!" is 2007); 0 and "" when unknown.
int SheetErrorCode(QStringView Text);
QString SheetErrorText(int Code);
