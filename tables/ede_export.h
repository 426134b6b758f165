#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

class TXMLDocument;

// One data line of the EDE file: a BACnet object of the configuration.
struct TBACnet_EDE_Obj {
    QString Keyname;
    QString DevObjInstance;
    QString ObjectName;
    QString ObjectType;
    QString ObjectInstance;
    QString Description;
    QString UnitCode;
    bool operator==(const TBACnet_EDE_Obj&) const = default;
};

// The BACnet object type of a data type text (trimmed, any case); 0 for an unknown one.
int Get_BACnet_Object_Type(const QString& Text);

// The device settings the EDE file takes from ParGen.xml.
struct TEDE_Device {
    QString Dev_Instance;
    bool Name_32 = false;  // object names of 32 characters, else 16
};
// From ParGen (File); a missing file gives the empty instance and 16-character names. A
// damaged one raises Exception.
TEDE_Device Read_ParGen_EDE(TXMLDocument& XML, const QString& File);

// The objects of BACnet_Slave.xml (File), read table first, numbered per object type across
// both tables. A missing file gives none; a damaged one, a missing group or a row lacking
// Data_Type, Eng_Unit or Mnemonic raises Exception.
std::vector<TBACnet_EDE_Obj> Read_BACnet_Slave_List(TXMLDocument& XML, const QString& File, const TEDE_Device& Device);

// The EDE file (CSV, layout 2) of the objects for the configuration named Project, stamped
// with Time. Lines end in CR LF. A field holding ";" or a double quote is quoted; one holding a
// line break raises Exception.
QByteArray EDE_File_Text(const QString& Project, const QDateTime& Time, const std::vector<TBACnet_EDE_Obj>& Objects);
