#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class TXMLDocument;

// The enabled entries of the SNMP tables in file order: each one's description (empty when it
// has none) and whether its type is INT.
struct TSNMP_Entries {
    QStringList Read;
    QStringList Write;
    std::vector<bool> Read_Int;
    std::vector<bool> Write_Int;
};

// The enabled rows of SNMP_Trap.xml (File); a row without Enable is disabled here. A missing
// file gives no entries; a damaged one raises Exception. Fills SNMP_Read_List and
// SNMP_Write_List with the descriptions.
TSNMP_Entries Read_SNMP_Trap_List(TXMLDocument& XML, const QString& File);

// The MIB module of the gateway: its fixed objects, one object per entry of each table and one
// notification per read entry. Lines end in CR LF.
QByteArray MIB_File_Text(const TSNMP_Entries& Entries);

// Replaces FileName with that text, or leaves it as it was and raises Exception.
void Write_MIB_File(const QString& FileName, const TSNMP_Entries& Entries);
