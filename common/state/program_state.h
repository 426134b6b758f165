#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// Values the whole program shares. Everything that touches them runs on the GUI thread; the
// catalog loader only reads Catalog_Dir, which is fixed before it starts.

extern QStringList Lang_List;  // the text table, Lang_Count texts by id
extern int Lang_Count;

extern QString Project_Name;  // "" while no configuration is open
extern QString Project_Path;  // Projects_Dir + name; "" while no configuration is open

extern QString Exe_Dir;
extern QString Master_Dir;
extern QString Projects_Dir;
extern QString Language_Dir;
extern QString Catalog_Dir;

extern QString Main_Form_Title;
extern QString SW_Code;
extern QString SW_Desc;

extern QString IP_Address_Device;
extern int Update_Option;
extern uint8_t Update_Read_Back;
extern QString Language_Name;

extern bool Enable_Internet;
extern bool Enable_Update;
extern bool Enable_Jump_Field_Tables;
extern bool Double_Click_Auto_Size;

extern QStringList Row_Clipboard;
extern std::vector<bool> Row_Clipboard_Is_Check;
extern QStringList SNMP_Read_List;
extern QStringList SNMP_Write_List;

// The project files, all set together by Set_Files.
extern QString File_ParGen;
extern QString File_PROFINET_Master;
extern QString File_PROFINET_Master_Network;
extern QString File_SNMP_Trap;
extern QString File_MQTT_Set_Topic;
extern QString File_BACnet_Slave;
extern QString File_CAN_Rec_Frames;
extern QString File_CAN_Send_Frames;
extern QString File_IEC61850_Variables;
extern QString File_TLS_Known_Cert;

inline const QString Build_SW_Code = QStringLiteral("SWQX372");
inline const QString Build_SW_Desc = QStringLiteral("IEC61850 Server / PROFINET Master - Converter");
inline const QString Build_SW_Update_Code = QStringLiteral("SWQX372");

// The text of an id; the empty text for an id outside the table.
QString Lang(int id);

// Every project file path from Project_Path; all empty while no configuration is open, so that
// nothing is ever read from or written to the root of the disk.
void Set_Project_Files();
// The project file paths as Set_Project_Files set them, in its order.
QStringList Project_Files();

// Back to the values the program starts with.
void Reset_Program_State();
