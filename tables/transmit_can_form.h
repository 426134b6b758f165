#pragma once

#include "tables/can_frames_form.h"

class TExColumnGrid;

// The CAN frames the gateway sends (CAN_Send_Frames.xml): per row whether it is enabled, its
// COB-ID, frame format, data length, when it is sent (on a changed byte, on command, on a
// timer with its period), where each data byte comes from in the data image, and a
// description.
class TFTransmitCAN : public TCANFramesForm {
public:
    explicit TFTransmitCAN(TComponent* AOwner);

    TExColumnGrid* ACG_CAN_Transmit = nullptr;

protected:
    void Grid_Built(TExColumnGrid& Grid) override { ACG_CAN_Transmit = &Grid; }
    QString File_Name() const override;
};

// The columns of the transmit table, as in the grid (column 0 is the row number).
enum TCAN_Transmit_Column {
    ctEnable = 1, ctCobID, ctType, ctDimension, ctOnChange, ctOnCMD, ctOnTimer, ctTime, ctByte1,
    ctMnemonic = ctByte1 + 8,
};

// The size of the data image the sent bytes are taken from.
constexpr int CAN_Transmit_Image_Size = 2300;

extern const TTable_File CAN_Send_Frames_File;
extern const TCAN_Frames_Shape CAN_Transmit_Shape;

extern TFTransmitCAN* FTransmitCAN;
