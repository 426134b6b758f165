#include "config/banks/bank2_builder.h"

#include "config/banks/bank_buffers.h"
#include "config/banks/bank_builder.h"
#include "config/banks/bank_test_project.h"

namespace {

using Bank2Test = TBankProject;

TEST_F(Bank2Test, AnEmptyNetworkGivesTenEmptySlots) {
    Create_Bin_Data(xml);
    ASSERT_EQ(Bank2_Len, 1136);
    const QByteArray bank = Bank2_Buf.Bytes(Bank2_Len);
    EXPECT_EQ(U32(bank, 0), 0x80010u);
    EXPECT_EQ(U32(bank, 4), 0x80380u);
    EXPECT_EQ(U32(bank, 8), 0x803D0u);
    EXPECT_EQ(U32(bank, 12), 0x80420u);
    EXPECT_EQ(bank.mid(0x10, 560), QByteArray(560, '\0'));
    EXPECT_EQ(bank.mid(0x240, 320), QByteArray(320, '\xFF'));  // each slot's two terminators
    for (int i = 0; i < 10; ++i)
        for (uint32_t table : {0x3A8u, 0x3F8u, 0x448u}) {
            const int section = int(table) - 40;
            EXPECT_EQ(U32(bank, section + 4 * i), 0x80000 + table + 4 * i);
            EXPECT_EQ(U32(bank, int(table) + 4 * i), 0u);
        }
    EXPECT_EQ(U32(Bank1_Buf.Bytes(2048), 0x618), 0u);
}

}  // namespace
