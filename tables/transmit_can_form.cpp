#include "tables/transmit_can_form.h"

#include "common/state/program_state.h"

TFTransmitCAN* FTransmitCAN = nullptr;

namespace {

// A frame sent on its timer and stored without a period is sent every 0 ms; others keep the
// period empty.
QString timeDefault(const QStringList& Earlier) {
    return Earlier.value(ctOnTimer - 1) == QLatin1String("Y") ? QStringLiteral("0") : QString();
}

}  // namespace

const TTable_File CAN_Send_Frames_File = CAN_Frames_File("Transmit_Frames", {{"Enable", "Y"},
                                                                              {"COBID", ""},
                                                                              {"CAN_Type", "2.0A (11 bits)"},
                                                                              {"Dim", ""},
                                                                              {"OnChange", "Y"},
                                                                              {"OnCMD", "N"},
                                                                              {"OnTimer", "N"},
                                                                              {"Time", "", timeDefault}});

const TCAN_Frames_Shape CAN_Transmit_Shape{ctEnable, ctCobID, ctType, ctDimension, ctTime, ctOnTimer, ctByte1,
                                           2348,     2349,    2350,   2351,        2352,   2353};

namespace {

const TTable_Texts Texts{
    2300,
    2347,
    2361,
    {2308, 2309, 2310, 2311, 2312, 2313, 2362, 2314, 2315, 2316, 2317, 2318, 2319, 2320, 2321, 2322, 2323, 2324},
    {2331, 2332, 2333, 2334, 2335, 2363, 2336, 2337, 2338, 2339, 2340, 2341, 2342, 2343, 2344, 2345, 2346}};

}  // namespace

TFTransmitCAN::TFTransmitCAN(TComponent* AOwner)
    : TCANFramesForm(AOwner, Texts, CAN_Send_Frames_File, 1100, "ACG_CAN_Transmit",
                     {{30, edNormal, {}},
                      {50, edDataCheckBox, {}},
                      {80, edNormal, {}},
                      {110, edComboList, CAN_Types},
                      {70, edNormal, {}},
                      {65, edDataCheckBox, {}},
                      {55, edDataCheckBox, {}},
                      {60, edDataCheckBox, {}},
                      {60, edNormal, {}}},
                     50, CAN_Transmit_Shape, CAN_Transmit_Image_Size) {}

QString TFTransmitCAN::File_Name() const { return File_CAN_Send_Frames; }
