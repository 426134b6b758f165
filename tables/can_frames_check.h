#pragma once

#include "config/tables/table_check.h"
#include "config/tables/table_file.h"

#include <optional>
#include <vector>

// Where a CAN frames table keeps what its check reads (grid columns, 0 for none) and the ids
// of its fault texts.
struct TCAN_Frames_Shape {
    int Enable, CobID, Type, Dimension;
    // The time column; when Time_Switch is set, it is checked only in rows whose switch is on.
    int Time, Time_Switch;
    int Byte1;  // the eight byte columns follow it
    int Text_CobID_11, Text_CobID_29, Text_Dimension, Text_Time;
    // Byte1's text; Byte k's for k > 1 is this + k.
    int Text_Byte1;
    int Text_Or_None;
};

// The data length a CAN frame may carry.
constexpr int CAN_Max_Dimension = 8;
// The rows of either CAN frames table.
constexpr int CAN_Frames_Rows = 512;

// The file of a CAN frames table: the Leading attributes, then the eight bytes and the
// description, keyed by the COB-ID that follows Enable.
TTable_File CAN_Frames_File(const char* Root, std::vector<TTable_Column> Leading);

// The first fault of the enabled rows (texts of columns 1 .. n, in grid order from row 1);
// nothing when every row may be saved. Byte positions run from 0 to MAX_Byte - 1 or are
// "None" or empty, and only the frame's first Dimension bytes are checked.
std::optional<TRow_Fault> Check_CAN_Frames(const TTable_Rows& Rows, const TCAN_Frames_Shape& Shape, int MAX_Byte);
