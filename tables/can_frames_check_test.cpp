#include "tables/can_frames_check.h"

#include "tables/receive_can_form.h"
#include "tables/transmit_can_form.h"
#include "common/state/language.h"
#include "common/state/program_state.h"

#include <gtest/gtest.h>

namespace {

class CANFramesCheck : public ::testing::Test {
protected:
    void SetUp() override { Load_Default_Texts(); }
    void TearDown() override { Reset_Program_State(); }
};

// Enable, CobID, Type, Dim, TimeOut, Byte1 .. Byte8, Mnemonic.
const QStringList Receive_Row{"Y", "100", "2.0A (11 bits)", "2", "0", "None", "", "x", "", "", "", "", "", ""};
// Enable, CobID, Type, Dim, OnChange, OnCMD, OnTimer, Time, Byte1 .. Byte8, Mnemonic.
const QStringList Transmit_Row{"Y", "0x7FF", "2.0A (11 bits)", "8", "N", "N", "N", "soon",
                               "0",  "1",     "2",              "3", "4", "5", "6", "2299", ""};

struct Case {
    const char* what;
    std::vector<std::pair<int, const char*>> changes;  // grid column, text
    std::optional<TRow_Fault> fault;
};

std::optional<TRow_Fault> checkReceive(const Case& c) {
    QStringList row = Receive_Row;
    for (const auto& [column, text] : c.changes) row[column - 1] = text;
    return Check_CAN_Frames({Receive_Row, row}, CAN_Receive_Shape, CAN_Receive_Image_Size);
}

std::optional<TRow_Fault> checkTransmit(const Case& c) {
    QStringList row = Transmit_Row;
    for (const auto& [column, text] : c.changes) row[column - 1] = text;
    return Check_CAN_Frames({Transmit_Row, row}, CAN_Transmit_Shape, CAN_Transmit_Image_Size);
}

TEST_F(CANFramesCheck, ReceiveRowsAreCheckedRuleByRule) {
    const QString bytes = "1439 or None";
    const Case cases[] = {
        {"valid: bytes beyond the dimension are free", {}, std::nullopt},
        {"2048 is too big for 11 bits", {{crCobID, "2048"}}, TRow_Fault{2, 2245, {}}},
        {"but not for 29 bits", {{crCobID, "2048"}, {crType, "2.0B (29 bits)"}}, std::nullopt},
        {"an empty type is 29 bits", {{crCobID, "$1FFFFFFF"}, {crType, ""}}, std::nullopt},
        {"beyond 29 bits", {{crCobID, "0x20000000"}, {crType, ""}}, TRow_Fault{2, 2246, {}}},
        {"the type is trimmed", {{crCobID, "2048"}, {crType, " 2.0A (11 bits) "}}, TRow_Fault{2, 2245, {}}},
        {"no number", {{crCobID, "abc"}}, TRow_Fault{2, 2245, {}}},
        {"dimension 0", {{crDimension, "0"}}, TRow_Fault{2, 2247, {}}},
        {"dimension 9", {{crDimension, "9"}}, TRow_Fault{2, 2247, {}}},
        {"timeout too long", {{crTimeOut, "100000001"}}, TRow_Fault{2, 2248, {}}},
        {"timeout empty", {{crTimeOut, ""}}, TRow_Fault{2, 2248, {}}},
        {"byte1 beyond the image", {{crByte1, "1440"}}, TRow_Fault{2, 2249, bytes}},
        {"byte3 within the dimension", {{crDimension, "3"}}, TRow_Fault{2, 2252, bytes}},
        {"byte8", {{crDimension, "8"}, {crByte1 + 2, " 7 "}, {crByte1 + 7, "-1"}}, TRow_Fault{2, 2257, bytes}},
        {"a disabled row is not checked", {{crEnable, "N"}, {crCobID, "x"}}, std::nullopt},
        {"the enable cell is trimmed and upper-cased", {{crEnable, " y "}, {crCobID, "x"}}, TRow_Fault{2, 2245, {}}},
    };
    for (const Case& c : cases) EXPECT_EQ(checkReceive(c), c.fault) << c.what;
}

TEST_F(CANFramesCheck, TransmitRowsCheckTheTimeOnlyWhenSentOnTheTimer) {
    const QString bytes = "2299 or None";
    const Case cases[] = {
        {"valid: the time of a frame not sent on the timer is free", {}, std::nullopt},
        {"on the timer the time counts", {{ctOnTimer, "y"}}, TRow_Fault{2, 2351, {}}},
        {"a time on the timer", {{ctOnTimer, "Y"}, {ctTime, "100000000"}}, std::nullopt},
        {"2048 for 11 bits", {{ctCobID, "2048"}}, TRow_Fault{2, 2348, {}}},
        {"29 bits", {{ctCobID, "536870912"}, {ctType, "2.0B (29 bits)"}}, TRow_Fault{2, 2349, {}}},
        {"dimension", {{ctDimension, " "}}, TRow_Fault{2, 2350, {}}},
        {"byte8 beyond the image", {{ctByte1 + 7, "2300"}}, TRow_Fault{2, 2360, bytes}},
        {"byte2", {{ctByte1 + 1, "z"}}, TRow_Fault{2, 2354, bytes}},
    };
    for (const Case& c : cases) EXPECT_EQ(checkTransmit(c), c.fault) << c.what;
}

TEST_F(CANFramesCheck, TheFirstFaultyRowIsReported) {
    QStringList bad = Receive_Row;
    bad[crDimension - 1] = "0";
    EXPECT_EQ(Check_CAN_Frames({Receive_Row, Receive_Row, bad, bad}, CAN_Receive_Shape, CAN_Receive_Image_Size),
              (TRow_Fault{3, 2247, {}}));
    EXPECT_EQ(Check_CAN_Frames({}, CAN_Receive_Shape, CAN_Receive_Image_Size), std::nullopt);
}

}  // namespace
