#pragma once

#include "config/tables/table_check.h"
#include "config/tables/table_file.h"

#include <QString>
#include <QStringList>
#include <optional>

// The columns of the SNMP read table, as in the grid (column 0 is the row number).
enum TSNMP_Read_Column {
    srEnable = 1, srCommunity, srType, srOnChange, srOnCommand, srOnTimer, srTime, srPosition, srBit, srNumBits,
    srDescription, srIPAddress, srConversion, srMnemonic,
};
// The columns of the SNMP write table.
enum TSNMP_Write_Column {
    swEnable = 1, swCommunity, swType, swPosition, swBit, swNumBits, swDescription, swConversion, swMnemonic,
};

// True when Text breaks the rule of community names (Check_Type 0: letters and digits only)
// or descriptions (Check_Type 1: moreover beginning with a lower-case letter). An empty text
// keeps the rule.
bool Check_Error_CommName_Desc(const QString& Text, int Check_Type);

// The first fault of the enabled rows of the read and then the write table (texts of columns
// 1 .. n, in grid order from row 1); then, as a fault of row 0, two enabled rows of either
// table with the same description. SL_Check_Desc receives the descriptions checked.
std::optional<TRow_Fault> Check_SNMP_Trap(const TTable_Rows& Read, const TTable_Rows& Write,
                                          QStringList& SL_Check_Desc);
