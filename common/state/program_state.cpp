#include "common/state/program_state.h"

#include "platform/system/files.h"

QStringList Lang_List;
int Lang_Count = 0;

QString Project_Name;
QString Project_Path;
QString Exe_Dir;
QString Master_Dir;
QString Projects_Dir;
QString Language_Dir;
QString Catalog_Dir;
QString Main_Form_Title;
QString SW_Code;
QString SW_Desc;
QString IP_Address_Device;
int Update_Option = 0;
uint8_t Update_Read_Back = 0;
QString Language_Name;
bool Enable_Internet = false;
bool Enable_Update = false;
bool Enable_Jump_Field_Tables = false;
bool Double_Click_Auto_Size = false;
QStringList Row_Clipboard;
std::vector<bool> Row_Clipboard_Is_Check;
QStringList SNMP_Read_List;
QStringList SNMP_Write_List;

QString File_ParGen;
QString File_PROFINET_Master;
QString File_PROFINET_Master_Network;
QString File_SNMP_Trap;
QString File_MQTT_Set_Topic;
QString File_BACnet_Slave;
QString File_CAN_Rec_Frames;
QString File_CAN_Send_Frames;
QString File_IEC61850_Variables;
QString File_TLS_Known_Cert;

QString Lang(int id) { return Lang_List.value(id); }

namespace {

struct TProject_File {
    QString* path;
    const char* name;
};

const TProject_File Project_File_Table[] = {
    {&File_ParGen, "ParGen.xml"},
    {&File_PROFINET_Master, "PROFINET_Master.xml"},
    {&File_PROFINET_Master_Network, "PROFINET_Master_Network.xml"},
    {&File_SNMP_Trap, "SNMP_Trap.xml"},
    {&File_MQTT_Set_Topic, "MQTT_Set_Topic.xml"},
    {&File_BACnet_Slave, "BACnet_Slave.xml"},
    {&File_CAN_Rec_Frames, "CAN_Rec_Frames.xml"},
    {&File_CAN_Send_Frames, "CAN_Send_Frames.xml"},
    {&File_IEC61850_Variables, "IEC61850_Variables.xml"},
    {&File_TLS_Known_Cert, "TLS_Known_Cert.xml"},
};

}  // namespace

void Set_Project_Files() {
    for (const auto& f : Project_File_Table)
        *f.path = Project_Path.isEmpty() ? QString() : Project_Path + PathDelim + QString::fromLatin1(f.name);
}

QStringList Project_Files() {
    QStringList files;
    for (const auto& f : Project_File_Table) files << *f.path;
    return files;
}

void Reset_Program_State() {
    Lang_List.clear();
    Lang_Count = 0;
    Project_Name.clear();
    Project_Path.clear();
    Exe_Dir.clear();
    Master_Dir.clear();
    Projects_Dir.clear();
    Language_Dir.clear();
    Catalog_Dir.clear();
    Main_Form_Title.clear();
    SW_Code.clear();
    SW_Desc.clear();
    IP_Address_Device.clear();
    Update_Option = 0;
    Update_Read_Back = 0;
    Language_Name.clear();
    Enable_Internet = Enable_Update = Enable_Jump_Field_Tables = Double_Click_Auto_Size = false;
    Row_Clipboard.clear();
    Row_Clipboard_Is_Check.clear();
    SNMP_Read_List.clear();
    SNMP_Write_List.clear();
    Set_Project_Files();
}
