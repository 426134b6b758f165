#pragma once

#include "tables/can_frames_form.h"

class TExColumnGrid;

// The CAN frames the gateway receives (CAN_Rec_Frames.xml): per row whether it is enabled, its
// COB-ID, frame format, data length, a timeout, where each data byte goes in the data image,
// and a description.
class TFReceiveCAN : public TCANFramesForm {
public:
    explicit TFReceiveCAN(TComponent* AOwner);

    TExColumnGrid* ACG_CAN_Receive = nullptr;

protected:
    void Grid_Built(TExColumnGrid& Grid) override { ACG_CAN_Receive = &Grid; }
    QString File_Name() const override;
};

// The columns of the receive table, as in the grid (column 0 is the row number).
enum TCAN_Receive_Column { crEnable = 1, crCobID, crType, crDimension, crTimeOut, crByte1, crMnemonic = crByte1 + 8 };

// The size of the data image the received bytes are placed in.
constexpr int CAN_Receive_Image_Size = 1440;

extern const TTable_File CAN_Rec_Frames_File;
extern const TCAN_Frames_Shape CAN_Receive_Shape;

extern TFReceiveCAN* FReceiveCAN;
