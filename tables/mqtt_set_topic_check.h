#pragma once

#include "config/tables/table_check.h"
#include "config/tables/table_file.h"

#include <QString>
#include <functional>
#include <optional>

// The columns of the MQTT publish table, as in the grid (column 0 is the row number).
enum TMQTT_Pub_Column {
    mpTopic = 1, mpRetained, mpQoS, mpDataType, mpDimension, mpPosition, mpIPAddress, mpInputTemplate, mpTemplate,
    mpOnChange, mpOnCMD, mpOnTimer, mpTime, mpChannel, mpSwap, mpSwapWord, mpMnemonic,
};
// The columns of the MQTT subscribe table.
enum TMQTT_Sub_Column {
    msTopic = 1, msRetained, msQoS, msDataType, msDimension, msPosition, msIPAddress, msPort, msEthType,
    msInputTemplate, msTemplate, msSwap, msSwapWord, msMnemonic,
};

// True when Text holds an odd number of "$": a keyword left open.
bool Error_In_Topic_Template(const QString& Text);

// Whether a grid column of the table is shown: checks on hidden columns do not run.
using TShown_Column = std::function<bool(int Column)>;

// The first fault of the rows of the publish table (texts of columns 1 .. n, in grid order
// from row 1); Byte_IN is the size of the data image positions point into.
std::optional<TRow_Fault> Check_MQTT_Publish(const TTable_Rows& Rows, int Byte_IN, const TShown_Column& Shown);
// The same for the subscribe table.
std::optional<TRow_Fault> Check_MQTT_Subscribe(const TTable_Rows& Rows, int Byte_OUT, const TShown_Column& Shown);
