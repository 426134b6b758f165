#pragma once

// Services of the string grid that exist once per process.

#include <QChar>
#include <QString>
#include <cstdint>

// The clipboard format under which grids exchange cell ranges in their own cell-stream form.
QString GridClipboardFormat();

// Posted by a grid to itself when the editing of a cell has ended: WParam the column, LParam the
// row. It arrives after the key or click that ended the edit has been handled.
uint32_t GridEditDoneMessage();

// The process's regional settings, read at the moment of the call.
QChar GetTimeSeparator();
QChar GetDateSeparator();
QChar GetThousandSeparator();
QChar GetDecimalSeparator();
QString GetShortDateFormat();
