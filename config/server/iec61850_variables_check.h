#pragma once

#include "config/tables/table_check.h"
#include "config/tables/table_file.h"

#include <QString>
#include <optional>

// The columns of the variables table, as in the grid (column 0 is the row number).
enum TIEC61850_Column {
    icEnable = 1, icName, icType, icLength, icReadOnly, icPosition, icStartBit, icConversion, icFactor, icSwap,
    icSwapWord, icMnemonic,
};

// The size of the gateway's data image that positions point into.
constexpr int IEC61850_NByte_IN = 1438;

// The first fault of the enabled rows (texts of columns 1 .. 12, in grid order from row 1);
// nothing when every row may be saved. Name, Read Only, the swaps and Mnemonic are free.
std::optional<TRow_Fault> Check_IEC61850_Variables(const TTable_Rows& Rows, int NByte_IN);
