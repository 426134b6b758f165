#include "config/banks/bank1_builder.h"

#include "config/banks/bank3_builder.h"
#include "config/banks/bank_buffers.h"
#include "config/banks/bank_builder.h"
#include "config/banks/bank_test_project.h"
#include "platform/core/exception.h"

#include <functional>
#include <optional>

namespace {

void put(QByteArray& b, int offset, std::initializer_list<uint8_t> bytes) {
    for (uint8_t byte : bytes) b[offset++] = char(byte);
}
void put32(QByteArray& b, int offset, uint32_t v) {
    put(b, offset, {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)});
}
void putName(QByteArray& b, const QByteArray& name) {
    b.replace(0x50, 16, (name + QByteArray(16, '\0')).left(16));
}

// The block with no ParGen.xml, written out byte by byte.
QByteArray defaultBlock() {
    QByteArray b(2048, '\0');
    put32(b, 0x000, 125000);
    put32(b, 0x004, 125000);
    put32(b, 0x00C, 9600);
    put(b, 0x028, {192, 168, 2, 205});
    put(b, 0x02C, {255, 255, 255, 0});
    put(b, 0x030, {255, 255, 255, 255});
    put(b, 0x034, {0x88, 0x13, 0x11, 0x27, 0x11, 0x27});  // 5000, 10001, 10001
    return b;
}

// What every ParGen.xml that lacks an element puts there.
QByteArray elementDefaults() {
    QByteArray b = defaultBlock();
    put(b, 0x028, {192, 168, 0, 10});
    putName(b, "devicename1");
    return b;
}

using Elements = std::vector<std::pair<QString, QString>>;

class Bank1Test : public TBankProject {
protected:
    QByteArray readBlock() {
        Init_Bank1();
        Clear_IEC61850();
        Read_ParGen_Bin(xml);
        return Bank1_Block.Bytes(Bank1_Block_Size);
    }
};

TEST_F(Bank1Test, TheGeneralBlockFromParGen) {
    struct Case {
        const char* name;
        std::optional<QByteArray> file;  // nullopt: no ParGen.xml
        Elements elements;               // used when file is empty
        std::function<void(QByteArray&)> expected;
    } cases[] = {
        {"no file", std::nullopt, {}, [](QByteArray& b) { b = defaultBlock(); }},
        {"no elements", "", {}, [](QByteArray& b) { b = elementDefaults(); }},
        {"changed addresses, gateway off",
         "",
         {{"PROFINET_Master_IP1", "10"}, {"PROFINET_Master_IP2", "20"}, {"PROFINET_Master_IP3", "255"},
          {"PROFINET_Master_IP4", "10"}, {"PROFINET_Master_SM1", "255"}, {"PROFINET_Master_SM2", "255"},
          {"PROFINET_Master_SM3", "0"}, {"PROFINET_Master_SM4", "0"}, {"PROFINET_Master_GAT1", "10"},
          {"PROFINET_Master_GAT2", "0"}, {"PROFINET_Master_GAT3", "999"}, {"PROFINET_Master_GAT4", "254"},
          {"PROFINET_Master_EN_GAT", "0"}, {"PROFINET_Master_NAME_STA", "plc-north"}},
         [](QByteArray& b) {
             b = elementDefaults();
             // The gateway, off, is not read at all.
             put(b, 0x028, {10, 20, 255, 10});
             put(b, 0x02C, {255, 255, 0, 0});
             putName(b, "plc-north");
         }},
        {"gateway on",
         "",
         {{"PROFINET_Master_GAT1", "10"}, {"PROFINET_Master_GAT2", "0"}, {"PROFINET_Master_GAT3", "0"},
          {"PROFINET_Master_GAT4", "254"}, {"PROFINET_Master_EN_GAT", "1"}},
         [](QByteArray& b) {
             b = elementDefaults();
             put(b, 0x030, {10, 0, 0, 254});
         }},
        {"leading blanks are allowed",
         "",
         {{"PROFINET_Master_IP3", " 7"}},
         [](QByteArray& b) {
             b = elementDefaults();
             b[0x02A] = 7;
         }},
        {"gateway on without its address", "", {{"PROFINET_Master_EN_GAT", "1"}},
         [](QByteArray& b) {
             b = elementDefaults();
             put(b, 0x030, {192, 168, 0, 1});
         }},
        {"gateway flag not exactly 1", "", {{"PROFINET_Master_GAT1", "10"}, {"PROFINET_Master_EN_GAT", "01"}},
         [](QByteArray& b) { b = elementDefaults(); }},
        {"name cut to 15 characters", "", {{"PROFINET_Master_NAME_STA", "abcdefghijklmnopqrst"}},
         [](QByteArray& b) {
             b = elementDefaults();
             putName(b, "abcdefghijklmno");
         }},
        {"empty name", "", {{"PROFINET_Master_NAME_STA", ""}},
         [](QByteArray& b) {
             b = elementDefaults();
             putName(b, "");
         }},
        {"name keeps the low 8 bits", "", {{"PROFINET_Master_NAME_STA", QString::fromUtf8("n\u00F1\u20AC")}},
         [](QByteArray& b) {
             b = elementDefaults();
             putName(b, "n\xF1\xAC");
         }},
        {"root of another name",
         "<Cfg><PROFINET_Master_IP1>7</PROFINET_Master_IP1></Cfg>",
         {},
         [](QByteArray& b) {
             b = elementDefaults();
             b[0x028] = 7;
         }},
        {"declaration and comment ahead of the root",
         "<?xml version=\"1.0\"?><!--x--><Par_Gen><PROFINET_Master_IP1>7</PROFINET_Master_IP1></Par_Gen>",
         {},
         [](QByteArray& b) {
             b = elementDefaults();
             b[0x028] = 7;
         }},
    };
    for (const Case& c : cases) {
        QFile::remove(File_ParGen);
        if (c.file && !c.file->isEmpty()) folder.write("ParGen.xml", *c.file);
        else if (c.file) writeParGen(c.elements);
        QByteArray expected;
        c.expected(expected);
        const QByteArray block = readBlock();
        for (int i = 0; i < Bank1_Block_Size; ++i)
            if (block[i] != expected[i]) {
                ADD_FAILURE() << c.name << ": byte 0x" << std::hex << i << " is " << int(uint8_t(block[i]))
                              << ", expected " << int(uint8_t(expected[i]));
                break;
            }
    }
}

// An address byte out of 0 .. 255, or a text that is no decimal number, stops the build with the
// element named: the device never gets a byte cut to its low 8 bits or a default in its place.
TEST_F(Bank1Test, AnAddressByteOutOfRangeIsRefused) {
    const struct {
        Elements elements;
        const char* message;
    } cases[] = {
        {{{"PROFINET_Master_IP3", "999"}},
         "Error! PROFINET_Master_IP3 of ParGen.xml holds 999: an address byte must be between 0 and 255."},
        {{{"PROFINET_Master_SM1", "-1"}},
         "Error! PROFINET_Master_SM1 of ParGen.xml holds -1: an address byte must be between 0 and 255."},
        {{{"PROFINET_Master_EN_GAT", "1"}, {"PROFINET_Master_GAT4", "256"}},
         "Error! PROFINET_Master_GAT4 of ParGen.xml holds 256: an address byte must be between 0 and 255."},
        {{{"PROFINET_Master_IP1", "99999999999"}},
         "Error! PROFINET_Master_IP1 of ParGen.xml holds 99999999999: an address byte must be between 0 and 255."},
        {{{"PROFINET_Master_IP2", "0x0A"}},
         "Error! PROFINET_Master_IP2 of ParGen.xml holds 0x0A: an address byte must be between 0 and 255."},
        {{{"PROFINET_Master_IP4", "$0A"}},
         "Error! PROFINET_Master_IP4 of ParGen.xml holds $0A: an address byte must be between 0 and 255."},
        {{{"PROFINET_Master_SM2", "abc"}},
         "Error! PROFINET_Master_SM2 of ParGen.xml holds abc: an address byte must be between 0 and 255."},
        {{{"PROFINET_Master_SM4", ""}},
         "Error! PROFINET_Master_SM4 of ParGen.xml is empty: an address byte must be between 0 and 255."},
    };
    for (const auto& c : cases) {
        writeParGen(c.elements);
        try {
            readBlock();
            ADD_FAILURE() << c.message;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, c.message);
        }
    }
}

TEST_F(Bank1Test, TlsFieldsGoToTheBank3Record) {
    const QString key = QString::fromUtf8("-----BEGIN KEY-----\nk\u00E9y\n-----END KEY-----");
    struct Case {
        const char* name;
        std::optional<Elements> elements;
        uint32_t enable, knownEnable;
        QString key, password, server, root;
        uint32_t keyLength, serverLength, rootLength;  // UTF-8 bytes and the terminating zero
    } cases[] = {
        {"no file", std::nullopt, 0, 0, "", "", "", "", 0, 0, 0},
        {"all set",
         Elements{{"TLS_Server_Enable", "1"},
                  {"TLS_Server_Key", key},
                  {"TLS_Server_Key_Password", QString::fromUtf8("p\u00E4ss")},
                  {"TLS_Server_Server_Certificate", "SRV"},
                  {"TLS_Server_Root_Certificate", ""},
                  {"TLS_Server_Enable_Known_Cert", "1"}},
         1, 1, key, QString::fromUtf8("p\u00E4ss"), "SRV", "", 43, 4, 1},
        {"flags that are numbers or not",
         Elements{{"TLS_Server_Enable", "01"}, {"TLS_Server_Enable_Known_Cert", "yes"}},
         1, 0, "", "", "", "", 1, 1, 1},
        // Flags are on or off, as the general parameters window shows them: only the whole
        // number 1 (in any form the integer rule reads) is on.
        {"flags of other numbers are off",
         Elements{{"TLS_Server_Enable", "2"}, {"TLS_Server_Enable_Known_Cert", "-1"}},
         0, 0, "", "", "", "", 1, 1, 1},
        {"flags written in hexadecimal",
         Elements{{"TLS_Server_Enable", "0x1"}, {"TLS_Server_Enable_Known_Cert", "$1"}},
         1, 1, "", "", "", "", 1, 1, 1},
    };
    for (const Case& c : cases) {
        QFile::remove(File_ParGen);
        if (c.elements) writeParGen(*c.elements);
        readBlock();
        const TIEC61850& d = IEC61850_Data;
        SCOPED_TRACE(c.name);
        EXPECT_EQ(d.port, 102);
        EXPECT_EQ(d.TLS_Enable, c.enable);
        EXPECT_EQ(d.TLS_Data.Known_Cert_En, c.knownEnable);
        EXPECT_EQ(d.TLS_Data.key, c.key);
        EXPECT_EQ(d.TLS_Data.Key_Password, c.password);
        EXPECT_EQ(d.TLS_Data.Server_Cert.Certificate, c.server);
        EXPECT_EQ(d.TLS_Data.Root_Cert.Certificate, c.root);
        EXPECT_EQ(d.TLS_Data.Key_Length, c.keyLength);
        EXPECT_EQ(d.TLS_Data.Server_Cert.Certificate_Length, c.serverLength);
        EXPECT_EQ(d.TLS_Data.Root_Cert.Certificate_Length, c.rootLength);
        // The general block holds no TLS field.
        EXPECT_EQ(Bank1_Block.Bytes(Bank1_Block_Size), c.elements ? elementDefaults() : defaultBlock());
    }
}

TEST_F(Bank1Test, TheBuildAddsBankAddressesDeviceCountAndChecksum) {
    Create_Bin_Data(xml);
    QByteArray expected = defaultBlock();
    put32(expected, 0x5E8, 0xA0000);
    put32(expected, 0x61C, 0x80000);
    put32(expected, 0x7FC, 3412);
    EXPECT_EQ(Bank1_Len, 2048);
    EXPECT_EQ(Bank1_Buf.Bytes(Bank1_Len), expected);

    writeParGen({{"PROFINET_Master_IP4", "1"}, {"PROFINET_Master_NAME_STA", "devicename1"}});
    Create_Bin_Data(xml);
    const QByteArray block = Bank1_Buf.Bytes(2048);
    uint32_t sum = 0;
    for (int i = 0; i < 2044; ++i) sum += uint8_t(block[i]);
    EXPECT_EQ(U32(block, 0x7FC), sum);
    // Against the default sum: IP 192.168.0.1 in place of 192.168.2.205, and the name.
    uint32_t nameSum = 0;
    for (char ch : QByteArray("devicename1")) nameSum += uint8_t(ch);
    EXPECT_EQ(sum, 3412u - (2 + 205) + (0 + 1) + nameSum);
    EXPECT_EQ(U32(block, 0x618), 0u);  // no devices
}

TEST_F(Bank1Test, AMalformedParGenStopsTheBuild) {
    folder.write("ParGen.xml", "<Par_Gen><PROFINET_Master_IP1>1</Par_Gen>");
    EXPECT_THROW(Create_Bin_Data(xml), Exception);
}

}  // namespace
