#include "tables/receive_can_form.h"

#include "common/state/program_state.h"

TFReceiveCAN* FReceiveCAN = nullptr;

const TTable_File CAN_Rec_Frames_File = CAN_Frames_File(
    "Receive_Frames", {{"Enable", "Y"}, {"COBID", ""}, {"CAN_Type", ""}, {"Dim", ""}, {"TimeOut", "0"}});

const TCAN_Frames_Shape CAN_Receive_Shape{crEnable, crCobID, crType, crDimension, crTimeOut, 0, crByte1,
                                          2245,     2246,    2247,   2248,        2249,      2250};

namespace {

const TTable_Texts Texts{2200,
                         2244,
                         2258,
                         {2208, 2209, 2210, 2211, 2212, 2213, 2214, 2215, 2216, 2217, 2218, 2219, 2220, 2221, 2222},
                         {2229, 2230, 2231, 2232, 2234, 2235, 2236, 2237, 2238, 2239, 2240, 2241, 2242, 2243}};

}  // namespace

TFReceiveCAN::TFReceiveCAN(TComponent* AOwner)
    : TCANFramesForm(AOwner, Texts, CAN_Rec_Frames_File, 1010, "ACG_CAN_Receive",
                     {{30, edNormal, {}}, {50, edDataCheckBox, {}}, {80, edNormal, {}}, {110, edComboList, CAN_Types},
                      {70, edNormal, {}}, {70, edNormal, {}}},
                     60, CAN_Receive_Shape, CAN_Receive_Image_Size) {}

QString TFReceiveCAN::File_Name() const { return File_CAN_Rec_Frames; }
