#include "config/banks/bank3_builder.h"

#include "config/banks/bank_buffers.h"
#include "config/banks/bank_builder.h"
#include "config/banks/bank_test_project.h"
#include "platform/core/exception.h"

namespace {

using Bank3Test = TBankProject;

constexpr uint32_t A = 0xA0000;

// The head's fields after the port, in file order.
struct Head {
    uint32_t tls, keyAdd, keyLen, keyPasswordAdd, serverAdd, serverLen, rootAdd, rootLen, knownNum, knownAdd,
        passwordAdd, varNumber, varAdd;
};

void expectHead(const QByteArray& bank, const Head& h) {
    EXPECT_EQ(U16(bank, 0), 102);
    const uint32_t fields[] = {h.tls,     h.keyAdd,   h.keyLen,   h.keyPasswordAdd, h.serverAdd,
                               h.serverLen, h.rootAdd, h.rootLen, h.knownNum,       h.knownAdd,
                               h.passwordAdd, h.varNumber, h.varAdd};
    for (int i = 0; i < 13; ++i) EXPECT_EQ(U32(bank, 2 + 4 * i), fields[i]) << "head field at " << 2 + 4 * i;
}

TEST_F(Bank3Test, WithoutFilesTheBankIsItsHeadAndOneZeroByte) {
    Create_Bin_Data(xml);
    ASSERT_EQ(Bank3_Len, 55);
    const QByteArray bank = Bank3_Buf.Bytes(Bank3_Len);
    expectHead(bank, {0, A + 54, 0, 0, A + 54, 0, A + 54, 0, 0, A + 54, 0, 0, A + 54});
    EXPECT_EQ(bank[54], '\0');
}

TEST_F(Bank3Test, TlsMaterialFromParGenFollowsTheZeroByte) {
    writeParGen({{"TLS_Server_Enable", "1"},
                 {"TLS_Server_Key", QString::fromUtf8("K\u00E9Y")},
                 {"TLS_Server_Key_Password", "pw"},
                 {"TLS_Server_Server_Certificate", "SRV1"},
                 {"TLS_Server_Enable_Known_Cert", "1"}});
    Create_Bin_Data(xml);
    const QByteArray bank = Bank3_Buf.Bytes(Bank3_Len);
    // Key "KéY" (4 UTF-8 bytes) at 55, password at 60, server certificate at 63; the empty root
    // certificate points at the zero byte.
    expectHead(bank, {1, A + 55, 4, A + 60, A + 63, 4, A + 54, 0, 0, A + 54, 0, 0, A + 54});
    EXPECT_EQ(bank.mid(54), QByteArray("\0K\xC3\xA9Y\0pw\0SRV1\0", 14));
}

// Tables filled in the record directly, as their readers fill them.
TEST_F(Bank3Test, KnownCertificatesAndVariablesAreLaidOutAfterTheHead) {
    const auto fill = [](uint32_t tls) {
        Clear_IEC61850();
        IEC61850_Data.TLS_Enable = tls;
        IEC61850_Data.TLS_Data.Known_Cert_En = 1;
        IEC61850_Data.TLS_Data.Known_Cert = {{"0123456789", 0, 11}, {"", 0, 1}};
        TIEC61850_Var v1;
        v1.Name = "V1";
        v1.Data_Type = 2;
        v1.Position = 7;
        v1.Length = 1;
        v1.Multiplication_Factor = 2.5f;
        v1.Operation = 1;
        v1.Options = 3;
        TIEC61850_Var temp;
        temp.Name = "Temp";
        IEC61850_Data.Variables = {v1, temp};
    };

    fill(0);  // no table without TLS
    ASSERT_EQ(Write_Bank3(A, 0, Bank3_Buf), 127);
    QByteArray bank = Bank3_Buf.Bytes(127);
    expectHead(bank, {0, A + 0x76, 0, 0, A + 0x76, 0, A + 0x76, 0, 0, A + 54, 0, 2, A + 54});
    EXPECT_EQ(bank.mid(54, 32), QByteArray("\x77\x00\x0A\x00\x02\x00\x00\x00\x07\x00\x00\x00\x00\x00\x00\x00"
                                           "\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x20\x40\x01\x00\x03\x00",
                                           32));
    EXPECT_EQ(U32(bank, 86), A + 0x7A);
    EXPECT_EQ(bank.mid(0x76), QByteArray("\0V1\0Temp\0", 9));

    fill(1);
    ASSERT_EQ(Write_Bank3(A, 0, Bank3_Buf), 154);
    bank = Bank3_Buf.Bytes(154);
    expectHead(bank, {1, A + 134, 0, 0, A + 134, 0, A + 134, 0, 2, A + 54, 0, 2, A + 70});
    // The empty certificate points where the variable names begin.
    EXPECT_EQ(U32(bank, 54), A + 135);
    EXPECT_EQ(U32(bank, 58), 10u);
    EXPECT_EQ(U32(bank, 62), A + 146);
    EXPECT_EQ(U32(bank, 66), 0u);
    EXPECT_EQ(U32(bank, 70), A + 146);
    EXPECT_EQ(bank.mid(134), QByteArray("\0" "0123456789\0V1\0Temp\0", 20));
}

TEST_F(Bank3Test, AConfigurationTooLargeForBank3StopsTheBuild) {
    writeParGen({{"TLS_Server_Key", QString(140000, 'k')}});
    try {
        Create_Bin_Data(xml);
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "Error! The IEC61850 and TLS configuration is too large for bank 3 (131072 bytes).");
    }
    EXPECT_EQ(Bank3_Len, 0);
}

}  // namespace
