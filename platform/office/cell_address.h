#pragma once

#include <QString>

// Spreadsheet cell addresses in the A1 form: columns as letters (A = 1, Z = 26, AA = 27,
// XFD = 16384), rows counted from 1.

// "" for a column below 1.
QString ColumnLetters(int Column);
// 0 when Letters is no column name.
int ColumnNumber(QStringView Letters);

// A block of cells, bounds inclusive.
struct TCellBlock {
    int Row1 = 1, Col1 = 1, Row2 = 1, Col2 = 1;
    int Rows() const { return Row2 - Row1 + 1; }
    int Cols() const { return Col2 - Col1 + 1; }
    bool operator==(const TCellBlock&) const = default;
};

// Reads "B2", "$B$2", "B2:D5", "$A:$C" (whole columns) or "1:10" (whole rows); false when
// the text is none of these.
bool ParseCellBlock(QStringView Address, TCellBlock& Block);
// The absolute form, "$B$2:$D$5", or "$B$2" for one cell; whole rows as "$1:$10".
QString AbsoluteAddress(const TCellBlock& Block);

// The size of a sheet.
constexpr int MaxSheetRows = 1048576;
constexpr int MaxSheetCols = 16384;
