#pragma once

#include "platform/automation/ole_variant.h"
#include "platform/office/cell_address.h"

#include <QString>
#include <map>
#include <utility>
#include <vector>

// The values of one sheet by (row, column), both from 1; an empty value is no cell.
struct TSheetData {
    QString Name;
    std::map<std::pair<int, int>, OleVariant> Cells;
    // The cell the sheet's cursor is on.
    int ActiveRow = 1, ActiveCol = 1;

    OleVariant Value(int Row, int Col) const;
    void SetValue(int Row, int Col, const OleVariant& Value);
    // The smallest block holding every cell; false for an empty sheet.
    bool UsedBlock(TCellBlock& Block) const;
};

struct TWorkbookData {
    std::vector<TSheetData> Sheets;
    int ActiveSheet = 0;
};

// Reads an .xlsx workbook (a zip package) or a legacy .xls one (a compound document), told apart
// by their first bytes. Raises EOleError when the file is missing or is no workbook.
TWorkbookData ReadWorkbook(const QString& FileName);
// Writes the workbook as .xlsx, replacing the file whole; EOleError when it cannot be written.
void WriteWorkbook(const TWorkbookData& Book, const QString& FileName);

// The parts of ReadWorkbook, for one format each; they raise EOleError too.
TWorkbookData ReadXlsxWorkbook(const QString& FileName);
TWorkbookData ReadXlsWorkbook(const QString& FileName);

// The spreadsheet's error numbers and their texts ("#DIV/0!" is 2007); 0 and "" when unknown.
int SheetErrorCode(QStringView Text);
QString SheetErrorText(int Code);
