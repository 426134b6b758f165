#include "tables/mib_export.h"

#include "tables/exports.h"
#include "config/tables/table_window_fixture.h"
#include "platform/dialogs/file_dialogs.h"
#include "platform/testkit/exception_message.h"
#include "platform/xml/xml_document.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QStringList lines(const QByteArray& text) {
    QStringList out = QString::fromLatin1(text).split("\r\n");
    EXPECT_EQ(out.last(), "");  // the last line ends in CR LF too
    out.removeLast();
    return out;
}

// The module as an SNMP manager reads it, with the entries' lines where they belong.
QStringList expectedMib(const QStringList& Read, const QStringList& Write, const QStringList& Traps) {
    QStringList l{
        "GATEWAY DEFINITIONS ::= BEGIN",
        "IMPORTS",
        "       MODULE-IDENTITY,OBJECT-TYPE,NOTIFICATION-TYPE,enterprises",
        "         FROM SNMPv2-SMI",
        "         DisplayString, TimeStamp",
        "         FROM SNMPv2-TC;",
        "",
        "identity MODULE-IDENTITY",
        "    LAST-UPDATED \"201701310000Z\"",
        "    ORGANIZATION \"Korvexline S.r.l.\"",
        "    CONTACT-INFO",
        "\t \"Via delle Officine, 12",
        "    00100 Borgo Nuovo (BN)",
        "    Italy",
        "    email:    korvex.example\"",
        "    DESCRIPTION",
        "\t\"MIB objects for agent module \"",
        "    REVISION     \"201701310000Z\"",
        "    DESCRIPTION",
        "\t\"Corrected notification \"",
        "    REVISION     \"200202060000Z\"",
        "    DESCRIPTION",
        "\t\"First draft\"",
        "    ::= { korvex 2 }",
        "korvex          OBJECT IDENTIFIER ::= { enterprises 99999 }",
        "gateway OBJECT IDENTIFIER::= { korvex 1 }",
        "application OBJECT IDENTIFIER::= { gateway 1 }",
        "data OBJECT IDENTIFIER::= { application 1 }",
        "hellostring OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only  STATUS current  DESCRIPTION \"\" ::= { data 1}",
        "countin  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-only  STATUS current  DESCRIPTION \"\" ::= { data 2}",
        "countout  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-write STATUS current  DESCRIPTION \"\" ::= { data 3}",
        "bufferin OBJECT IDENTIFIER::= { data 4 }",
    };
    for (int b = 1; b <= 8; ++b)
        l << QString("bufferinblk%1 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS current DESCRIPTION "
                     "\"data block n.%1\" ::= { bufferin %1 }")
                 .arg(b);
    l << " bufferinval OBJECT IDENTIFIER::= { bufferin 9 }" << Read << "bufferout OBJECT IDENTIFIER::= { data 5 }";
    for (int b = 1; b <= 8; ++b)
        l << QString("bufferoutblk%1 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-write STATUS current DESCRIPTION "
                     "\"data block n.%1\" ::= { bufferout %1 }")
                 .arg(b);
    l << " bufferoutval OBJECT IDENTIFIER::= { bufferout 9 }" << Write << "traps OBJECT IDENTIFIER::= { application 2 }"
      << " trapsval OBJECT IDENTIFIER::= { traps 1 }" << Traps << "END";
    return l;
}

TEST(MIBText, WithoutEntriesHoldsTheFixedLinesOnly) {
    EXPECT_EQ(lines(MIB_File_Text({})), expectedMib({}, {}, {}));
}

TEST(MIBText, EveryEntryIsAnObjectAndEveryReadEntryANotification) {
    TSNMP_Entries entries;
    entries.Read = {"temp", ""};
    entries.Read_Int = {true, false};
    entries.Write = {"", "setpoint"};
    entries.Write_Int = {false, true};
    EXPECT_EQ(lines(MIB_File_Text(entries)),
              expectedMib({"temp OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION \"temp\" "
                           "::= { bufferinval 1 }",
                           "bufferinval2 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS current "
                           "DESCRIPTION \"\" ::= { bufferinval 2 }"},
                          {"bufferoutval1 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-write STATUS current "
                           "DESCRIPTION \"\" ::= { bufferoutval 1 }",
                           "setpoint OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-write STATUS current DESCRIPTION "
                           "\"setpoint\" ::= { bufferoutval 2 }"},
                          {"trapval1 NOTIFICATION-TYPE OBJECTS { temp } STATUS current DESCRIPTION \"temp\" "
                           "::= { trapsval 1 }",
                           "trapval2 NOTIFICATION-TYPE OBJECTS { bufferinval2 } STATUS current DESCRIPTION \"\" "
                           "::= { trapsval 2 }"}));
}

TEST(MIBText, AFullTableOf256EntriesIsNumberedTo256) {
    TSNMP_Entries entries;
    for (int i = 0; i < 256; ++i) {
        entries.Read << QString("v%1").arg(i + 1);
        entries.Read_Int.push_back(i % 2 == 0);
    }
    const QStringList l = lines(MIB_File_Text(entries));
    EXPECT_EQ(l.size(), int(expectedMib({}, {}, {}).size()) + 512);
    EXPECT_TRUE(l.contains("v256 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS current DESCRIPTION "
                           "\"v256\" ::= { bufferinval 256 }"));
    EXPECT_TRUE(l.contains("trapval256 NOTIFICATION-TYPE OBJECTS { v256 } STATUS current DESCRIPTION \"v256\" "
                           "::= { trapsval 256 }"));
}

// Descriptions that cannot name an object: a fixed node's name (in any case), another
// entry's, a generated one, or no descriptor at all. They keep their text as description.
TEST(MIBText, EntriesWhoseDescriptionCannotBeANameTakeTheirNumberedName) {
    TSNMP_Entries entries;
    entries.Read = {"countin", "Temp sensor", "temp", "bufferinval1", "TEMP", "x\"y", "trapval1"};
    entries.Read_Int.assign(size_t(entries.Read.size()), true);
    entries.Write = {"temp", "Countout", "ok-name", "bad--name", "9lives"};
    entries.Write_Int.assign(size_t(entries.Write.size()), false);
    QStringList names;
    for (const QString& line : lines(MIB_File_Text(entries)))
        if (line.contains("OBJECT-TYPE") && line.contains("bufferinval ") != line.contains("bufferoutval "))
            names << line.section(' ', 0, 0);
    EXPECT_EQ(names, QStringList({"bufferinval1", "bufferinval2", "temp", "bufferinval4", "bufferinval5", "bufferinval6",
                                  "bufferinval7", "bufferoutval1", "bufferoutval2", "ok-name", "bufferoutval4",
                                  "bufferoutval5"}));
    const QStringList l = lines(MIB_File_Text(entries));
    EXPECT_TRUE(l.contains("bufferinval2 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION "
                           "\"Temp sensor\" ::= { bufferinval 2 }"));
    EXPECT_TRUE(l.contains("trapval6 NOTIFICATION-TYPE OBJECTS { bufferinval6 } STATUS current DESCRIPTION \"x'y\" "
                           "::= { trapsval 6 }"));
}

// An SNMP manager's checker reads the module without an error, beside the base modules it
// imports from; warnings (such as objects outside conformance groups) are allowed.
TEST(MIBText, PassesTheMibChecker) {
    const QString smilint = QStandardPaths::findExecutable("smilint");
    ASSERT_FALSE(smilint.isEmpty()) << "smilint (smitools) is not installed";
    TSNMP_Entries entries;
    entries.Read = {"temp", "", "countin", "Temp sensor", "say \"hi\""};
    entries.Read_Int = {true, false, true, false, true};
    entries.Write = {"setpoint", "", "temp"};
    entries.Write_Int = {true, false, false};
    for (const TSNMP_Entries& e : {TSNMP_Entries{}, entries}) {
        QTemporaryDir dir;
        QFile file(dir.filePath("GATEWAY.mib"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(MIB_File_Text(e));
        file.close();
        QProcess lint;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("SMIPATH", QStringLiteral(LW_TESTDATA "/mibs"));
        lint.setProcessEnvironment(env);
        lint.setProcessChannelMode(QProcess::MergedChannels);
        lint.start(smilint, {"-s", "-l", "9", file.fileName()});
        ASSERT_TRUE(lint.waitForFinished(30000));
        const QString report = QString::fromLocal8Bit(lint.readAll());
        EXPECT_EQ(lint.exitCode(), 0) << report.toStdString();
        // Severities 0 to 3 are errors; 4 and above warnings.
        static const QRegularExpression error(R"(: \[[0-3]\] )");
        EXPECT_FALSE(error.match(report).hasMatch()) << report.toStdString();
        // Every object and notification reached the checker.
        EXPECT_EQ(report.count("must be contained in at least one conformance group"),
                  3 + 16 + e.Read.size() + e.Write.size() + e.Read.size())
            << report.toStdString();
    }
}

class MIBExport : public ProjectFixture {
protected:
    void writeTables() {
        folder.write("SNMP_Trap.xml",
                     "<SNMP_Trap><SNMP_Trap_Read>"
                     "<row Enable=\"Y\" Type=\"Int\" Description=\"temp\"/>"
                     "<row Enable=\"N\" Type=\"Int\" Description=\"off\"/>"
                     "<row Type=\"Int\" Description=\"noenable\"/>"
                     "<row Enable=\"y\" Description=\"notype\"/>"
                     "</SNMP_Trap_Read><SNMP_Trap_Write><row Enable=\"Y\" Type=\"INT\"/></SNMP_Trap_Write>"
                     "</SNMP_Trap><!--SW_VERSION = 1.001-->");
    }
    TSaveDialog saveMIB{nullptr};
};

TEST_F(MIBExport, ReadsTheEnabledRowsNumberedWithoutGaps) {
    writeTables();
    TXMLDocument xml(nullptr);
    const TSNMP_Entries entries = Read_SNMP_Trap_List(xml, File_SNMP_Trap);
    EXPECT_EQ(entries.Read, QStringList({"temp", "notype"}));
    EXPECT_EQ(entries.Read_Int, std::vector<bool>({true, false}));
    EXPECT_EQ(entries.Write, QStringList({""}));
    EXPECT_EQ(entries.Write_Int, std::vector<bool>({true}));
    EXPECT_EQ(SNMP_Read_List, entries.Read);
    EXPECT_EQ(SNMP_Write_List, entries.Write);
    EXPECT_FALSE(xml.Active());

    folder.write("SNMP_Trap.xml", "<SNMP_Trap><SNMP_Trap_Read>");
    EXPECT_FALSE(messageOf([&] { Read_SNMP_Trap_List(xml, File_SNMP_Trap); }).isEmpty());
}

TEST_F(MIBExport, WritesTheChosenFileAndAsksBeforeReplacingOne) {
    writeTables();
    driver().answerNextFileDialog(folder.file("gateway.mib"));
    Create_MIB_File(saveMIB);
    ASSERT_EQ(driver().fileDialogs().size(), 1u);
    EXPECT_EQ(driver().fileDialogs()[0].InitialDir, Project_Path);
    TXMLDocument xml(nullptr);
    EXPECT_EQ(fileBytes("gateway.mib"), MIB_File_Text(Read_SNMP_Trap_List(xml, File_SNMP_Trap)));

    folder.write("gateway.mib", "old");
    driver().answerNextFileDialog(folder.file("gateway.mib"));
    driver().answerNextBox(mrNo);
    Create_MIB_File(saveMIB);
    EXPECT_EQ(boxTexts(), QStringList({"File already exists. Do you want to overwrite?"}));
    EXPECT_EQ(fileBytes("gateway.mib"), "old");

    // A name typed without an extension gets the dialog's own.
    saveMIB.DefaultExt = "*.mib";
    driver().answerNextFileDialog(folder.file("device"));
    Create_MIB_File(saveMIB);
    EXPECT_EQ(fileBytes("device.mib"), MIB_File_Text(Read_SNMP_Trap_List(xml, File_SNMP_Trap)));
    EXPECT_EQ(fileBytes("device"), "<missing>");

    // Without tables the module holds its fixed lines.
    QFile::remove(folder.file("SNMP_Trap.xml"));
    driver().answerNextFileDialog(folder.file("gateway.mib"));
    driver().answerNextBox(mrYes);
    Create_MIB_File(saveMIB);
    EXPECT_EQ(fileBytes("gateway.mib"), MIB_File_Text({}));
}

}  // namespace
