#pragma once

// Services of the string grid that exist once per process.

#include "platform/messages/messages.h"

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
QString GetShortTimeFormat();
QString GetLongTimeFormat();

// The most significant 32 bits of the file version in the file's version resource (major in the
// upper 16 bits, minor in the lower): -1 for a file without one, or no file. Files of this
// platform carry no such resource; a file that does is read all the same.
int GetFileVersionMS(const QString& FileName);

// Whether the date and time picker control the date editors use is there. It always is: the
// toolkit brings its own.
bool ComCtl32Is470();

// Makes a window transparent to mouse input: clicks go to what lies beneath.
void SetWindowTransparent(HWND Handle);
