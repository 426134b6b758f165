#pragma once

#include "platform/office/sheet_dates.h"

#include <QByteArray>
#include <vector>

// What the cell styles of an .xlsx workbook (its styles part) show of numbers: the date kind of
// each entry of cellXfs, in order; a cell's "s" attribute indexes it.
std::vector<TDateKind> XlsxStyleDateKinds(const QByteArray& Styles);
