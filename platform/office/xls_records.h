#pragma once

#include "platform/automation/ole_variant.h"

#include <QString>
#include <map>
#include <utility>
#include <vector>

// What the cell reader of legacy workbooks leaves out, read from the workbook stream's records:
// the last result of every formula cell (a number, a text, a Boolean or an error value; a
// number shown as a date or time comes as the date reader's text) and the value of every
// Boolean-or-error cell, which that reader gives as a bare number.
struct TXlsSheetResults {
    QString Name;
    // By (row, column), both from 1; an empty value is a formula whose result is an empty text.
    std::map<std::pair<int, int>, OleVariant> Cells;
};

// The worksheets' results in their order; empty when the file holds no workbook stream this
// reader knows (an unreadable file is left to the cell reader to refuse).
std::vector<TXlsSheetResults> ReadXlsFormulaResults(const QString& FileName);
