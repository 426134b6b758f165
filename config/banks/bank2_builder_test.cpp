#include "config/banks/bank2_builder.h"

#include "config/banks/bank_buffers.h"
#include "config/banks/bank_builder.h"
#include "config/banks/bank_test_project.h"

namespace {

using Bank2Test = TBankProject;

// Without devices every slot is empty, yet each slot's rule names its two terminators: the
// master follows Pos_Add_In and Pos_Add_Out of every slot to an end marker, never to address 0.
TEST_F(Bank2Test, AnEmptyNetworkGivesTenEmptySlotsThatNameTheirTerminators) {
    Create_Bin_Data(xml);
    ASSERT_EQ(Bank2_Len, 1136);
    const QByteArray bank = Bank2_Buf.Bytes(Bank2_Len);
    EXPECT_EQ(U32(bank, 0), 0x80010u);
    EXPECT_EQ(U32(bank, 4), 0x80380u);
    EXPECT_EQ(U32(bank, 8), 0x803D0u);
    EXPECT_EQ(U32(bank, 12), 0x80420u);
    for (int i = 0; i < 10; ++i) {
        const QByteArray rule = bank.mid(0x10 + 56 * i, 56);
        EXPECT_EQ(U32(rule, 4), 0x80240u + 32 * i) << i;
        EXPECT_EQ(U32(rule, 8), 0x80250u + 32 * i) << i;
        EXPECT_EQ(rule.left(4) + rule.mid(12), QByteArray(48, '\0')) << i;
    }
    EXPECT_EQ(bank.mid(0x240, 320), QByteArray(320, '\xFF'));  // each slot's two terminators
    for (int i = 0; i < 10; ++i)
        for (uint32_t table : {0x3A8u, 0x3F8u, 0x448u}) {
            const int section = int(table) - 40;
            EXPECT_EQ(U32(bank, section + 4 * i), 0x80000 + table + 4 * i);
            EXPECT_EQ(U32(bank, int(table) + 4 * i), 0u);
        }
    EXPECT_EQ(U32(Bank1_Buf.Bytes(2048), 0x618), 0u);
}

// Tables left over from an earlier build do not reach the next one.
TEST_F(Bank2Test, EveryBuildStartsFromEmptyTables) {
    Create_Bin_Data(xml);
    const QByteArray empty = Bank2_Buf.Bytes(Bank2_Len);
    Master_Rules[3].IP_Address = {10, 0, 0, 3};
    Master_Rules[3].Pos_In_Arr = {{0, 5, 0, 1}};
    Prm_Tables[0].Device_Data = {{2, 0, 1, 1, 1, "ab", 0}};
    ESMB_Tables[9].Device_ESMB.resize(1);
    IOCR_Tables[5].Device_IOCR.resize(2);
    Create_Bin_Data(xml);
    EXPECT_EQ(Bank2_Buf.Bytes(Bank2_Len), empty);
}

}  // namespace
