#include "tables/ede_export.h"
#include "tables/exports.h"
#include "tables/gsd_export.h"
#include "tables/mib_export.h"
#include "config/tables/table_window_fixture.h"
#include "platform/xml/xml_document.h"

// Project files as other tools save them: a declaration and a comment before the root.

namespace {

class ExportReadersAfterAProlog : public ProjectFixture {
protected:
    void write(const char* name, const QByteArray& root) {
        folder.write(name, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!--SW_VERSION = 1.001-->\r\n" + root);
    }
    TXMLDocument xml{nullptr};
};

TEST_F(ExportReadersAfterAProlog, ReadTheRootElement) {
    write("ParGen.xml", "<Par_Gen><PROFINET_NB_IN>10</PROFINET_NB_IN><PROFINET_NB_OUT>100</PROFINET_NB_OUT>"
                        "<BACnet_Type>0</BACnet_Type><BACnet_DEV_IDE>100</BACnet_DEV_IDE>"
                        "<BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></Par_Gen>");
    write("SNMP_Trap.xml", "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\" Type=\"Int\" Description=\"temp\"/>"
                           "</SNMP_Trap_Read><SNMP_Trap_Write/></SNMP_Trap>");
    write("BACnet_Slave.xml", "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" Eng_Unit=\"62\" "
                              "Mnemonic=\"temp\"/></BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus>");

    driver().answerNextFileDialog(folder.file("slave.gsd"));
    Create_GSD_File();
    EXPECT_EQ(fileBytes("slave.gsd"), GSD_File_Text(100, 10));

    const TSNMP_Entries snmp = Read_SNMP_Trap_List(xml, File_SNMP_Trap);
    EXPECT_EQ(snmp.Read, QStringList({"temp"}));

    const TEDE_Device device = Read_ParGen_EDE(xml, File_ParGen);
    EXPECT_EQ(device.Dev_Instance, "100");
    EXPECT_TRUE(device.Name_32);
    const std::vector<TBACnet_EDE_Obj> objects = Read_BACnet_Slave_List(xml, File_BACnet_Slave, device);
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0].Keyname, "100_temp_0");
}

}  // namespace
