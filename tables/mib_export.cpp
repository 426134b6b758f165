#include "tables/mib_export.h"

#include "tables/export_file.h"
#include "tables/exports.h"
#include "platform/dialogs/file_dialogs.h"
#include "platform/dialogs/message_box.h"
#include "platform/system/files.h"
#include "platform/xml/xml_document.h"
#include "common/state/program_state.h"

namespace {

constexpr int Text_Overwrite_MIB = 905;
constexpr int Data_Blocks = 8;

// The maker's identity as the MIB names it.
const char* const Organization = "Korvexline S.r.l.";
const char* const Street = "Via delle Officine, 12";
const char* const Town = "00100 Borgo Nuovo (BN)";
const char* const Country = "Italy";
const char* const Email_Domain = "korvex.example";
const char* const Enterprise_Number = "99999";

// The enabled rows of one group: descriptions and INT flags.
void readGroup(const IXMLNode& Group, QStringList& Descriptions, std::vector<bool>& Int) {
    for (const IXMLNode row : Group.ChildNodes()) {
        if (row.NodeType() != ntElement) continue;
        if (row.Attribute(QStringLiteral("Enable")).toUpper() != QLatin1String("Y")) continue;
        Descriptions << row.Attribute(QStringLiteral("Description"));
        Int.push_back(row.Attribute(QStringLiteral("Type")).toUpper() == QLatin1String("INT"));
    }
}

QString syntax(bool Int) { return Int ? QStringLiteral("INTEGER") : QStringLiteral("OCTET STRING"); }

// One object line per entry: its name (the description, or Prefix + n without one), access
// and place under Parent.
void addEntries(QStringList& Lines, const QStringList& Descriptions, const std::vector<bool>& Int,
                const QString& Prefix, const char* Access) {
    for (int i = 0; i < Descriptions.size(); ++i) {
        const QString n = QString::number(i + 1);
        const QString& d = Descriptions[i];
        Lines << QStringLiteral("%1 OBJECT-TYPE SYNTAX %2 MAX-ACCESS %3 STATUS current DESCRIPTION \"%4\" ::= { %5 %6 }")
                     .arg(d.isEmpty() ? Prefix + n : d, syntax(Int[size_t(i)]), QLatin1String(Access), d, Prefix, n);
    }
}

void addBlocks(QStringList& Lines, const QString& Buffer, const char* Access) {
    for (int b = 1; b <= Data_Blocks; ++b)
        Lines << QStringLiteral("%1blk%2 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS %3 STATUS current DESCRIPTION "
                                "\"data block n.%2\" ::= { %1 %2 }")
                     .arg(Buffer)
                     .arg(b)
                     .arg(QLatin1String(Access));
}

}  // namespace

TSNMP_Entries Read_SNMP_Trap_List(TXMLDocument& XML, const QString& File) {
    SNMP_Read_List.clear();
    SNMP_Write_List.clear();
    TSNMP_Entries entries;
    if (!FileExists(File)) return entries;
    struct Inactive {
        TXMLDocument& XML;
        ~Inactive() { XML.SetActive(false); }
    } inactive{XML};
    XML.LoadFromFile(File);
    const IXMLNode root = XML.ChildNodes().First();
    readGroup(root.ChildNodes().FindNode("SNMP_Trap_Read"), entries.Read, entries.Read_Int);
    readGroup(root.ChildNodes().FindNode("SNMP_Trap_Write"), entries.Write, entries.Write_Int);
    SNMP_Read_List = entries.Read;
    SNMP_Write_List = entries.Write;
    return entries;
}

QByteArray MIB_File_Text(const TSNMP_Entries& Entries) {
    QStringList l;
    l << "GATEWAY DEFINITIONS ::= BEGIN" << "IMPORTS" << "       MODULE-IDENTITY,OBJECT-TYPE"
      << "         FROM SNMPv2-SMI" << "         DisplayString, TimeStamp" << "         FROM SNMPv2-TC"
      << "         enterprises" << "         FROM RFC1155-SMI;" << QString();
    l << "identity MODULE-IDENTITY" << "    LAST-UPDATED \"201701310000Z\""
      << QStringLiteral("    ORGANIZATION \"%1\"").arg(QLatin1String(Organization)) << "    CONTACT-INFO"
      << QStringLiteral("\t \"%1").arg(QLatin1String(Street)) << QStringLiteral("    %1").arg(QLatin1String(Town))
      << QStringLiteral("    %1").arg(QLatin1String(Country))
      << QStringLiteral("    email:    %1\"").arg(QLatin1String(Email_Domain));
    l << "    DESCRIPTION" << "\t\"MIB objects for agent module \"" << "    REVISION     \"201701310000Z\""
      << "    DESCRIPTION" << "\t\"Corrected notification \"" << "    REVISION     \"200202060000Z\""
      << "    DESCRIPTION" << "\t\"First draft\"" << "    ::= { korvex 2 }";
    l << QStringLiteral("korvex          OBJECT IDENTIFIER ::= { enterprises %1 }").arg(QLatin1String(Enterprise_Number))
      << "gateway OBJECT IDENTIFIER::= { korvex 1 }" << "application OBJECT IDENTIFIER::= { gateway 1 }"
      << "data OBJECT IDENTIFIER::= { application 1 }"
      << "hellostring OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only  STATUS current  DESCRIPTION \"\" ::= { data 1}"
      << "countin  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-only  STATUS current  DESCRIPTION \"\" ::= { data 2}"
      << "countout  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-write STATUS current  DESCRIPTION \"\" ::= { data 3}";
    l << "bufferin OBJECT IDENTIFIER::= { data 4 }";
    addBlocks(l, QStringLiteral("bufferin"), "read-only");
    l << " bufferinval OBJECT IDENTIFIER::= { bufferin 9 }";
    addEntries(l, Entries.Read, Entries.Read_Int, QStringLiteral("bufferinval"), "read-only");
    l << "bufferout OBJECT IDENTIFIER::= { data 5 }";
    addBlocks(l, QStringLiteral("bufferout"), "read-write");
    l << " bufferoutval OBJECT IDENTIFIER::= { bufferout 9 }";
    addEntries(l, Entries.Write, Entries.Write_Int, QStringLiteral("bufferoutval"), "read-write");
    l << "traps OBJECT IDENTIFIER::= { application 2 }" << " trapsval OBJECT IDENTIFIER::= { traps 1 }";
    for (int i = 0; i < Entries.Read.size(); ++i)
        l << QStringLiteral("trapval%1 NOTIFICATION-TYPE SYNTAX %2 MAX-ACCESS read-only STATUS current DESCRIPTION "
                            "\"%3\" ::= { trapsval %1 }")
                 .arg(i + 1)
                 .arg(syntax(Entries.Read_Int[size_t(i)]), Entries.Read[i]);
    l << "END";
    return Export_Lines(l);
}

void Write_MIB_File(const QString& FileName, const TSNMP_Entries& Entries) {
    Write_Export_File(FileName, MIB_File_Text(Entries));
}

void Create_MIB_File(TFileDialog& SaveMIB) {
    SaveMIB.InitialDir = Project_Path;
    if (!SaveMIB.Execute()) return;
    const QString file = SaveMIB.FileName;
    if (FileExists(file) && MessageDlg(Lang(Text_Overwrite_MIB), mtConfirmation, mbYes | mbNo) == mrNo) return;
    TXMLDocument xml(nullptr);
    Write_MIB_File(file, Read_SNMP_Trap_List(xml, File_SNMP_Trap));
}
