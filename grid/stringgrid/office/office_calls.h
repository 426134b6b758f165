#pragma once

// What the grid's spreadsheet, database and word processor exchange share: reaching the
// automation servers, the hourglass while they work, and the spreadsheet's addresses.

#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/automation/ole_variant.h"

#include <QString>

// The grid shows the hourglass while an operation runs; the old cursor comes back at the end,
// also on failure.
class TBusyCursor {
public:
    explicit TBusyCursor(TExStringGrid& Grid) : grid_(Grid), old_(Grid.Cursor()) { Grid.SetGridCursor(crHourGlass); }
    ~TBusyCursor() { grid_.SetGridCursor(old_); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;

private:
    TExStringGrid& grid_;
    TCursor old_;
};

// A new object of the server; the grid's error with Failure when there is none.
OleVariant CreateOfficeObject(const QString& ProgID, const QString& Failure);
// The running server's object, else a new one (Created tells which); the grid's error with
// Failure when there is neither.
OleVariant AttachOfficeObject(const QString& ProgID, const QString& Failure, bool& Created);

// A used range as the grid reads its address: columns and rows from 1, -1 where unreadable.
struct TUsedRange {
    int FirstCol = -1, FirstRow = -1, LastCol = -1, LastRow = -1;
    bool Valid() const { return FirstCol > 0 && FirstRow > 0 && LastCol >= FirstCol && LastRow >= FirstRow; }
    bool SingleCell() const { return FirstCol == LastCol && FirstRow == LastRow; }
    bool operator==(const TUsedRange&) const = default;
};

// Reads an absolute A1 address ("$B$2:$D$5", "$1:$10" for whole rows, which spans columns 1 to
// 256, or "$C$7"); an address without any "$" is cell (1, 1).
TUsedRange ReadUsedRange(const QString& Address);
// "B2:D5": the bounds written back as an address.
QString RangeAddress(int FirstCol, int FirstRow, int LastCol, int LastRow);
