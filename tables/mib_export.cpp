#include "tables/mib_export.h"

#include "tables/export_file.h"
#include "tables/exports.h"
#include "platform/dialogs/file_dialogs.h"
#include "platform/dialogs/message_box.h"
#include "platform/system/files.h"
#include "platform/xml/xml_document.h"
#include "common/state/program_state.h"

#include <QRegularExpression>
#include <QSet>

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

// A description as a quoted MIB text: a double quote would end it early.
QString quoted(QString Text) { return u'"' + Text.replace(u'"', u'\'') + u'"'; }

// The descriptors of the module's own nodes, which an entry may not take.
QStringList fixedNames(const TSNMP_Entries& Entries) {
    QStringList names{"identity", "korvex",      "gateway",  "application", "data",   "hellostring", "countin",
                      "countout", "bufferin",    "bufferinval", "bufferout", "bufferoutval", "traps", "trapsval",
                      "enterprises"};
    for (int b = 1; b <= Data_Blocks; ++b) names << QStringLiteral("bufferinblk%1").arg(b) << QStringLiteral("bufferoutblk%1").arg(b);
    // The names an entry without a usable description gets, so that none can be taken first.
    for (int n = 1; n <= Entries.Read.size(); ++n)
        names << QStringLiteral("bufferinval%1").arg(n) << QStringLiteral("trapval%1").arg(n);
    for (int n = 1; n <= Entries.Write.size(); ++n) names << QStringLiteral("bufferoutval%1").arg(n);
    return names;
}

// An SMIv2 descriptor: a lower-case letter, then letters, digits and single inner hyphens, at
// most 64 characters.
bool isDescriptor(const QString& Name) {
    static const QRegularExpression form(QStringLiteral("^[a-z](?:-?[A-Za-z0-9])*$"));
    return Name.size() <= 64 && form.match(Name).hasMatch();
}

// Each entry's object name: its description where that is a descriptor no other node has
// (descriptors differing only in case clash too), else Prefix + n.
QStringList entryNames(const QStringList& Descriptions, const QString& Prefix, QSet<QString>& Taken) {
    QStringList names;
    for (int i = 0; i < Descriptions.size(); ++i) {
        const QString& d = Descriptions[i];
        const bool own = isDescriptor(d) && !Taken.contains(d.toLower());
        names << (own ? d : Prefix + QString::number(i + 1));
        Taken.insert(names.last().toLower());
    }
    return names;
}

// One object line per entry, placed as entry n under Prefix.
void addEntries(QStringList& Lines, const QStringList& Names, const TSNMP_Entries& Entries, bool Read) {
    const QStringList& descriptions = Read ? Entries.Read : Entries.Write;
    const std::vector<bool>& ints = Read ? Entries.Read_Int : Entries.Write_Int;
    for (int i = 0; i < Names.size(); ++i)
        Lines << QStringLiteral("%1 OBJECT-TYPE SYNTAX %2 MAX-ACCESS %3 STATUS current DESCRIPTION %4 ::= { %5 %6 }")
                     .arg(Names[i], syntax(ints[size_t(i)]), Read ? QStringLiteral("read-only") : QStringLiteral("read-write"),
                          quoted(descriptions[i]), Read ? QStringLiteral("bufferinval") : QStringLiteral("bufferoutval"))
                     .arg(i + 1);
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
    const IXMLNode root = XML.DocumentElement();
    readGroup(root.ChildNodes().FindNode("SNMP_Trap_Read"), entries.Read, entries.Read_Int);
    readGroup(root.ChildNodes().FindNode("SNMP_Trap_Write"), entries.Write, entries.Write_Int);
    SNMP_Read_List = entries.Read;
    SNMP_Write_List = entries.Write;
    return entries;
}

QByteArray MIB_File_Text(const TSNMP_Entries& Entries) {
    QSet<QString> taken;
    for (const QString& name : fixedNames(Entries)) taken.insert(name.toLower());
    const QStringList read = entryNames(Entries.Read, QStringLiteral("bufferinval"), taken);
    const QStringList write = entryNames(Entries.Write, QStringLiteral("bufferoutval"), taken);
    QStringList l;
    // Everything from the SMIv2 modules: enterprises too, which SMIv1's module also offers.
    l << "GATEWAY DEFINITIONS ::= BEGIN" << "IMPORTS" << "       MODULE-IDENTITY,OBJECT-TYPE,NOTIFICATION-TYPE,enterprises"
      << "         FROM SNMPv2-SMI" << "         DisplayString, TimeStamp" << "         FROM SNMPv2-TC;" << QString();
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
    addEntries(l, read, Entries, true);
    l << "bufferout OBJECT IDENTIFIER::= { data 5 }";
    addBlocks(l, QStringLiteral("bufferout"), "read-write");
    l << " bufferoutval OBJECT IDENTIFIER::= { bufferout 9 }";
    addEntries(l, write, Entries, false);
    l << "traps OBJECT IDENTIFIER::= { application 2 }" << " trapsval OBJECT IDENTIFIER::= { traps 1 }";
    // Each notification carries its read entry's object.
    for (int i = 0; i < read.size(); ++i)
        l << QStringLiteral("trapval%1 NOTIFICATION-TYPE OBJECTS { %2 } STATUS current DESCRIPTION %3 ::= { trapsval %1 }")
                 .arg(i + 1)
                 .arg(read[i], quoted(Entries.Read[i]));
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
