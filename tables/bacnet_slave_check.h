#pragma once

#include "config/tables/table_check.h"
#include "config/tables/table_file.h"

#include <QString>
#include <optional>

// The columns of both BACnet tables, as in the grid (column 0 is the row number).
enum TBACnet_Column { bcDataType = 1, bcEngUnit, bcPosition, bcBit, bcLength, bcSwap, bcMnemonic };

// The first fault of the rows of the read and then the write table (texts of columns 1 .. n,
// in grid order from row 1); then, as a fault of row 0, more objects in both tables than
// Limit. Types are compared exactly: a type spelled otherwise has no length range.
std::optional<TRow_Fault> Check_BACnet_Objects(const TTable_Rows& Read, const TTable_Rows& Write, int NByte_IN,
                                               int NByte_OUT, int Limit);

// The Length a type chosen in the write table starts with; empty for a type without one.
QString BACnet_Default_Length(const QString& Type);
