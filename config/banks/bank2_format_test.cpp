#include "config/banks/bank2_format.h"

#include "config/banks/bank_buffers.h"
#include "config/banks/bank_test_project.h"
#include "platform/core/exception.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<uint8_t> list) {
    QByteArray b;
    for (uint8_t byte : list) b.append(char(byte));
    return b;
}
QByteArray le32(uint32_t v) { return bytes({uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}); }
QByteArray le16(uint16_t v) { return bytes({uint8_t(v), uint8_t(v >> 8)}); }

class Bank2FormatTest : public ::testing::Test {
protected:
    void SetUp() override { Clear_PROFINET_Master(); }
    void TearDown() override { Clear_PROFINET_Master(); }

    // Lays the tables out from the bank's base and serialises them into a fresh buffer.
    QByteArray build() {
        Set_Bank2_Addresses(Bank2_Base);
        TBank_Buffer buffer(Bank2_Buf_Size, Bank2_Room, "full");
        return buffer.Bytes(Write_Bank2(0, buffer));
    }

    // The heads and data of one slot's items, found by following the addresses of the
    // section whose address is at HeaderOffset: section, slot's table, items up to the 0.
    static std::vector<QByteArray> items(const QByteArray& bank, int HeaderOffset, int Slot, int HeadSize,
                                         bool WideLen) {
        const int table = int(U32(bank, int(U32(bank, HeaderOffset) - Bank2_Base) + 4 * Slot) - Bank2_Base);
        std::vector<QByteArray> found;
        for (int entry = table; U32(bank, entry) != 0; entry += 4) {
            const int item = int(U32(bank, entry) - Bank2_Base);
            const int len = WideLen ? int(U32(bank, item)) : U16(bank, item);
            found.push_back(bank.mid(item, HeadSize + len));
        }
        return found;
    }
    static QByteArray positionRules(const QByteArray& bank, uint32_t Address) {
        const int first = int(Address - Bank2_Base);
        return bank.mid(first, bank.indexOf(QByteArray(16, '\xFF'), first) + 16 - first);
    }
};

TEST_F(Bank2FormatTest, ADeviceInOneSlotIsLaidOutWhereEveryAddressPointsAtItsTarget) {
    TPROFINET_Master_Rule& rule = Master_Rules[3];
    rule.IP_Address = {10, 0, 0, 3};
    rule.Pos_In_Arr = {{0, 5, 0, 1}, {0, 1, 5, 3}};
    rule.Pos_Out_Arr = {{0, 1, 0, 1}};
    const QByteArray name = "abcdefghijklmnopqrstuvwxyz012345";  // 32 characters, no terminator
    std::copy(name.begin(), name.end(), rule.PROFINET_Device_Name.begin());
    rule.PROFINET_Len_In = 6;
    rule.PROFINET_Len_Out = 1;
    rule.Time_Poll = 0x40020;
    rule.Options = 1;

    Prm_Tables[3].Device_Data = {{3, 0, 1, 1, 0x100, bytes({1, 2, 3}), 0}, {0, 0x10, 2, 0x8001, 7, {}, 0}};

    TESMB_API_Description esmb;
    esmb.NumerofApi = 1;
    Append_ESMB_API(esmb.Data, 0, 1, 0x30, 2);
    Append_ESMB_Submodule(esmb.Data, 1, 0x31, 4, 0);
    Append_ESMB_Submodule(esmb.Data, 2, 0x32, 2, 3);
    esmb.Len = uint16_t(esmb.Data.size());
    ESMB_Tables[3].Device_ESMB = {esmb};

    TIOCR_API_Description input{0, 1, 0x8000, 32, 4, 3, 3, 0xC000, 1, {}, 0};
    TIOCR_API_Description output = input;
    output.IOCR = 2;
    output.FrameID = 0xFFFF;
    Append_IOCR_API(input.Data, 0, {{1, 1, 0}, {1, 2, 5}}, {{1, 2, 8}});
    Append_IOCR_API(output.Data, 0, {{1, 2, 0}}, {{1, 1, 4}, {1, 2, 5}});
    input.Len = uint16_t(input.Data.size());
    output.Len = uint16_t(output.Data.size());
    IOCR_Tables[3].Device_IOCR = {input, output};

    const QByteArray bank = build();
    ASSERT_EQ(bank.size(), 0x55F);

    // The sections follow one another; empty slots take just their terminators and 0s.
    EXPECT_EQ(bank.left(16), le32(0x80010) + le32(0x803B0) + le32(0x80427) + le32(0x804AF));
    EXPECT_EQ(Master_Rules[3].Pos_Add_In, 0x802A0);
    EXPECT_EQ(Master_Rules[3].Pos_Add_Out, 0x802D0);
    EXPECT_EQ(Master_Rules[4].Pos_Add_In, 0x802F0);
    EXPECT_EQ(Prm_Tables[3].Address, 0x803E4u);
    EXPECT_EQ(Prm_Tables[3].Device_Data[1].Address, 0x80401u);  // 14 + 3 bytes after the first
    EXPECT_EQ(Prm_Tables[4].Address, 0x8040Fu);
    EXPECT_EQ(IOCR_Tables[3].Device_IOCR[1].Address, 0x8051Bu);

    // The rule of slot 3, byte by byte; the other slots hold only the addresses of their terminators.
    const int rules = 0x10;
    EXPECT_EQ(bank.mid(rules + 3 * 56, 56), bytes({10, 0, 0, 3}) + le32(0x802A0) + le32(0x802D0) + name +
                                                le16(6) + le16(1) + le32(0x40020) + le32(1));
    for (int slot : {0, 1, 2, 4, 9}) {
        const QByteArray slotRule = bank.mid(rules + slot * 56, 56);
        EXPECT_EQ(slotRule.left(4) + slotRule.mid(12), QByteArray(48, '\0')) << slot;
        EXPECT_EQ(positionRules(bank, U32(slotRule, 4)), QByteArray(16, '\xFF')) << slot;
        EXPECT_EQ(U32(slotRule, 8), U32(slotRule, 4) + 16) << slot;
    }
    EXPECT_EQ(positionRules(bank, 0x802A0),
              le32(0) + le32(5) + le32(0) + le32(1) + le32(0) + le32(1) + le32(5) + le32(3) + QByteArray(16, '\xFF'));
    EXPECT_EQ(positionRules(bank, 0x802D0), le32(0) + le32(1) + le32(0) + le32(1) + QByteArray(16, '\xFF'));

    // The three tables, reached through their addresses.
    EXPECT_EQ(items(bank, 4, 3, 14, true),
              (std::vector<QByteArray>{le32(3) + le32(0) + le16(1) + le16(1) + le16(0x100) + bytes({1, 2, 3}),
                                       le32(0) + le32(0x10) + le16(2) + le16(0x8001) + le16(7)}));
    EXPECT_EQ(items(bank, 8, 3, 4, false), std::vector<QByteArray>{le16(48) + le16(1) + esmb.Data});
    const QByteArray crHead = le16(32) + le16(4) + le16(3) + le16(3) + le16(0xC000) + le16(1);
    EXPECT_EQ(items(bank, 12, 3, 18, false),
              (std::vector<QByteArray>{le16(26) + le16(1) + le16(0x8000) + crHead + input.Data,
                                       le16(26) + le16(2) + le16(0xFFFF) + crHead + output.Data}));
    for (int headerOffset : {4, 8, 12})
        for (int slot : {0, 2, 4, 9}) EXPECT_TRUE(items(bank, headerOffset, slot, 4, false).empty());
}

// The payloads go big-endian, as PROFINET sends them.
TEST_F(Bank2FormatTest, ExpectedSubmodulePayloadDescribesTheDataOfEachSubmodule) {
    QByteArray head;
    Append_ESMB_API(head, 0x12345678, 0x0102, 0xA0B0C0D0, 3);
    EXPECT_EQ(head, bytes({0x12, 0x34, 0x56, 0x78, 0x01, 0x02, 0xA0, 0xB0, 0xC0, 0xD0, 0, 0, 0, 3}));

    struct Case {
        const char* name;
        uint16_t lenIn, lenOut;
        QByteArray tail;  // after subslot 0x8001 and ident 0x00000102
    } cases[] = {
        {"input", 4, 0, bytes({0, 1, 0, 1, 0, 4, 1, 1})},
        {"output", 0, 3, bytes({0, 2, 0, 2, 0, 3, 1, 1})},
        {"both", 2, 0x104, bytes({0, 3, 0, 1, 0, 2, 1, 1, 0, 2, 1, 4, 1, 1})},
        {"no data", 0, 0, bytes({0, 0, 0, 1, 0, 0, 1, 1})},
    };
    for (const Case& c : cases) {
        QByteArray data = "x";
        Append_ESMB_Submodule(data, 0x8001, 0x102, c.lenIn, c.lenOut);
        EXPECT_EQ(data, "x" + bytes({0x80, 0x01, 0, 0, 1, 2}) + c.tail) << c.name;
    }

    QByteArray iocr;
    Append_IOCR_API(iocr, 0x10, {{1, 0x8001, 0x105}}, {});
    EXPECT_EQ(iocr, bytes({0, 0, 0, 0x10, 0, 1, 0, 1, 0x80, 0x01, 1, 5, 0, 0}));
}

TEST_F(Bank2FormatTest, ItemDataIsCutOrPaddedToItsLength) {
    Prm_Tables[0].Device_Data = {{4, 0, 0, 0, 0, bytes({9}), 0}, {1, 0, 0, 0, 0, bytes({7, 8}), 0}};
    const QByteArray bank = build();
    EXPECT_EQ(items(bank, 4, 0, 14, true),
              (std::vector<QByteArray>{le32(4) + QByteArray(10, '\0') + bytes({9, 0, 0, 0}),
                                       le32(1) + QByteArray(10, '\0') + bytes({7})}));
    EXPECT_EQ(bank.size(), 1136 + 2 * 4 + (14 + 4) + (14 + 1));
}

// The device has 128 KiB for bank 2 before bank 3 begins, whatever the buffer holds.
TEST_F(Bank2FormatTest, ABankThatWouldRunIntoBank3IsRefused) {
    struct Case {
        const char* name;
        uint32_t len;
        int slot;
    } cases[] = {
        {"just too long", uint32_t(Bank2_Room - 1136 - 4 - 14 + 1), 9},
        {"length past 32 bits of address", 0xFFFFFFFF, 0},
    };
    for (const Case& c : cases) {
        Clear_PROFINET_Master();
        Prm_Tables[c.slot].Device_Data = {{c.len, 0, 0, 0, 0, QByteArray(int(std::min(c.len, 200000u)), '\xAB'), 0}};
        Set_Bank2_Addresses(Bank2_Base);
        Bank2_Buf.Fill_Zero();
        try {
            Write_Bank2(0, Bank2_Buf);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, Bank2_Buf.Overflow()) << c.name;
        }
        const QByteArray past = Bank2_Buf.Bytes(Bank2_Buf_Size).mid(Bank2_Room);
        EXPECT_EQ(past, QByteArray(past.size(), '\0')) << c.name;
    }

    // One byte less fits exactly.
    Clear_PROFINET_Master();
    Prm_Tables[9].Device_Data = {{uint32_t(Bank2_Room - 1136 - 4 - 14), 0, 0, 0, 0, {}, 0}};
    Set_Bank2_Addresses(Bank2_Base);
    EXPECT_EQ(Write_Bank2(0, Bank2_Buf), Bank2_Room);
}

}  // namespace
