#include "tables/ede_export.h"

#include "tables/exports.h"
#include "config/tables/table_window_fixture.h"
#include "platform/testkit/exception_message.h"
#include "platform/xml/xml_document.h"

#include <QFile>

namespace {

QByteArray testdata(const char* name) {
    QFile f(QStringLiteral(LW_TESTDATA "/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing testdata>");
}

class EDEExport : public ProjectFixture {
protected:
    void writeParGen(const QByteArray& elements) {
        folder.write("ParGen.xml", "<Par_Gen>" + elements + "</Par_Gen><!--SW_VERSION = 1.001-->");
    }
    void writeSlave(const QByteArray& read, const QByteArray& write) {
        folder.write("BACnet_Slave.xml", "<BACnet_to_Modbus><BACnet_in_Read>" + read + "</BACnet_in_Read><BACnet_in_Write>" +
                                             write + "</BACnet_in_Write></BACnet_to_Modbus>");
    }
    static QByteArray row(const char* type, const char* unit, const char* mnemonic) {
        return QByteArray("<row Data_Type=\"") + type + "\" Eng_Unit=\"" + unit + "\" Position=\"0\" Bit=\"\" Length=\"4\" Mnemonic=\"" +
               mnemonic + "\"/>";
    }
    // The data lines of an export of the open configuration.
    QStringList exported() {
        Create_EDE_File(folder.file("out.csv"));
        QStringList l = QString::fromLatin1(fileBytes("out.csv")).split("\r\n");
        return l.mid(7, l.size() - 8);
    }
    TXMLDocument xml{nullptr};
};

TEST_F(EDEExport, TheFileMatchesTheExpectedOne) {
    writeParGen("<BACnet_Type>0</BACnet_Type><BACnet_DEV_IDE>100</BACnet_DEV_IDE>");
    writeSlave(row("Analog Input", "62", "abcdefghijklmnopqrs") + row("Multi State Value", "95", "mode"),
               row("Binary Out", "95", "relay"));
    const std::vector<TBACnet_EDE_Obj> objects =
        Read_BACnet_Slave_List(xml, File_BACnet_Slave, Read_ParGen_EDE(xml, File_ParGen));
    const QDateTime stamp(QDate(2026, 3, 4), QTime(5, 6, 7));
    EXPECT_EQ(EDE_File_Text("plant", stamp, objects), testdata("ede_plant.csv"));
}

TEST_F(EDEExport, InstancesCountPerTypeAcrossBothTables) {
    writeParGen("<BACnet_Type>1</BACnet_Type><BACnet_DEV_IDE>100</BACnet_DEV_IDE><BACnet_Ser_DEV_IDE>7</BACnet_Ser_DEV_IDE>");
    writeSlave(row("Analog Value", "1", "a") + row("Multi State Value", "1", "m") + row("analog value ", "1", "b") +
                   row("Unknown", "1", "u") + row("Analog Input", "1", "i"),
               row("Analog Value", "1", "c") + row("Multi State Value", "1", "n"));
    EXPECT_EQ(exported(), QStringList({"7_a_0;7;a;2;0;a;1;", "7_m_0;7;m;19;0;m;1;", "7_b_1;7;b;2;1;b;1;",
                                       "7_u_0;7;u;0;0;u;1;", "7_i_1;7;i;0;1;i;1;", "7_c_2;7;c;2;2;c;1;",
                                       "7_n_1;7;n;19;1;n;1;"}));
}

TEST_F(EDEExport, NamesAreCutTo32Or16CharactersByTheGeneralParameters) {
    const QByteArray long_name = "abcdefghijklmnopqrstuvwxyz0123456789";
    writeSlave(row("Analog Input", "62", long_name), "");
    writeParGen("<BACnet_DEV_IDE>5</BACnet_DEV_IDE><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit>");
    EXPECT_EQ(exported(), QStringList({"5_" + long_name + "_0;5;" + long_name.left(32) + ";0;0;" + long_name.left(32) + ";62;"}));
    writeParGen("<BACnet_DEV_IDE>5</BACnet_DEV_IDE><BACnet_Desc_Chars_Limit>0</BACnet_Desc_Chars_Limit>");
    EXPECT_EQ(exported(), QStringList({"5_" + long_name + "_0;5;" + long_name.left(16) + ";0;0;" + long_name.left(16) + ";62;"}));
    QFile::remove(folder.file("ParGen.xml"));
    EXPECT_EQ(exported(), QStringList({"_" + long_name + "_0;;" + long_name.left(16) + ";0;0;" + long_name.left(16) + ";62;"}));
}

TEST_F(EDEExport, AFaultyTableWritesNothing) {
    const QByteArray faulty[] = {
        "<BACnet_to_Modbus><BACnet_in_Read><row Eng_Unit=\"1\" Mnemonic=\"x\"/></BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus>",
        "<BACnet_to_Modbus><BACnet_in_Read/></BACnet_to_Modbus>",
        "<BACnet_to_Modbus><BACnet_in_Read>",
    };
    for (const QByteArray& xml_text : faulty) {
        folder.write("BACnet_Slave.xml", xml_text);
        EXPECT_FALSE(messageOf([&] { Create_EDE_File(folder.file("bad.csv")); }).isEmpty()) << xml_text.data();
        EXPECT_FALSE(QFile::exists(folder.file("bad.csv")));
    }
    // Without the table the file holds its header lines.
    QFile::remove(folder.file("BACnet_Slave.xml"));
    Create_EDE_File(folder.file("empty.csv"));
    EXPECT_EQ(fileBytes("empty.csv").count("\r\n"), 7);
}

// A mnemonic is the object's name in three fields of its line: a separator in it must not add
// fields, and a line break must not split the line.
TEST_F(EDEExport, ASeparatorInAMnemonicIsQuotedAndALineBreakRefused) {
    writeParGen("<BACnet_DEV_IDE>5</BACnet_DEV_IDE>");
    writeSlave(row("Analog Input", "62", "in;out") + row("Analog Input", "62", "say &quot;hi&quot;"), "");
    const QStringList lines = exported();
    EXPECT_EQ(lines, QStringList({"\"5_in;out_0\";5;\"in;out\";0;0;\"in;out\";62;",
                                  "\"5_say \"\"hi\"\"_1\";5;\"say \"\"hi\"\"\";0;1;\"say \"\"hi\"\"\";62;"}));

    writeSlave(row("Analog Input", "62", "first&#10;second"), "");
    EXPECT_FALSE(messageOf([&] { Create_EDE_File(folder.file("broken.csv")); }).isEmpty());
    EXPECT_FALSE(QFile::exists(folder.file("broken.csv")));
}

}  // namespace
