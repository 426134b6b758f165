#include "common/state/settings.h"

#include "platform/system/files.h"
#include "platform/testkit/temp_folder.h"
#include "platform/xml/xml_document.h"
#include "common/state/program_state.h"

#include <gtest/gtest.h>

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Reset_Program_State();
        Exe_Dir = folder.path();
    }
    void writeSettings(const char* xml) { folder.write("Loomwright.xml", xml); }
    TempFolder folder;
    TXMLDocument xml{nullptr};
};

TEST_F(SettingsTest, SavedValuesComeBackUnchanged) {
    Project_Name = "Plant North";
    IP_Address_Device = "10.0.0.7";
    Language_Name = QString::fromUtf8("Español Neu");
    Enable_Internet = true;
    Double_Click_Auto_Size = true;
    Write_Settings(xml);

    Reset_Program_State();
    Exe_Dir = folder.path();
    Read_Settings(xml);
    EXPECT_EQ(Project_Name, "Plant North");
    EXPECT_EQ(IP_Address_Device, "10.0.0.7");
    EXPECT_EQ(Language_Name, QString::fromUtf8("Español Neu"));
    EXPECT_TRUE(Enable_Internet);
    EXPECT_FALSE(Enable_Update);
    EXPECT_FALSE(Enable_Jump_Field_Tables);
    EXPECT_TRUE(Double_Click_Auto_Size);
    EXPECT_FALSE(xml.XML().startsWith("<?xml"));
    EXPECT_EQ(xml.ChildNodes().First().NodeName(), "Conf_Settings");
}

TEST_F(SettingsTest, MissingFileOrValuesGiveTheDefaults) {
    Read_Settings(xml);
    EXPECT_EQ(Project_Name, "");
    EXPECT_EQ(IP_Address_Device, "192.168.2.205");
    EXPECT_EQ(Language_Name, "English");
    EXPECT_FALSE(Enable_Internet || Enable_Update || Enable_Jump_Field_Tables || Double_Click_Auto_Size);

    writeSettings("<Conf_Settings><lastipadd><ipaddress></ipaddress></lastipadd>"
                  "<lastinternet><enable_internet>1</enable_internet>"
                  "<enable_update>true</enable_update><enable_jump_field_tables> 1</enable_jump_field_tables>"
                  "</lastinternet></Conf_Settings>");
    Read_Settings(xml);
    EXPECT_EQ(IP_Address_Device, "");  // present but empty stays empty
    EXPECT_EQ(Language_Name, "English");
    EXPECT_TRUE(Enable_Internet);
    EXPECT_FALSE(Enable_Update);
    EXPECT_FALSE(Enable_Jump_Field_Tables);
}

// The root is the first element: a declaration or a comment before it changes nothing; a
// damaged file gives the defaults.
TEST_F(SettingsTest, TheRootIsTheFirstElementAndADamagedFileGivesDefaults) {
    const std::pair<const char*, const char*> cases[] = {
        {"<?xml version=\"1.0\"?><!-- note --><Conf_Settings><lastlang><language>German</language></lastlang>"
         "</Conf_Settings>",
         "German"},
        {"<Conf_Settings><lastlang><language>German</language>", "English"},
    };
    for (const auto& [content, language] : cases) {
        writeSettings(content);
        Read_Settings(xml);
        EXPECT_EQ(Language_Name, language) << content;
    }
}

}  // namespace
